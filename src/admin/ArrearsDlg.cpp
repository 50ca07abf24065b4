#include "admin/ArrearsDlg.h"

#include "admin/MoneyField.h"
#include "league/Accounts.h"
#include "league/BowlingDoc.h"

#include <limits>

BEGIN_MESSAGE_MAP(CArrearsDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_AR_ITEMS, OnSelchangeItems)
    ON_BN_CLICKED(IDC_AR_ADD_ITEM, OnAddItem)
    ON_BN_CLICKED(IDC_AR_CLEAR, OnClear)
    ON_EN_KILLFOCUS(IDC_AR_AMOUNT, OnKillfocusAmount)
END_MESSAGE_MAP()

BOOL CArrearsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_AR_NAME, m_strName);
    static_cast<CEdit*>(GetDlgItem(IDC_AR_AMOUNT))->LimitText(9);
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_AR_ITEMS));
    for (POSITION pos = m_pDoc->m_listPaymentItems.GetHeadPosition(); pos;) {
        auto* pItem = static_cast<CPaymentItem*>(m_pDoc->m_listPaymentItems.GetNext(pos));
        pList->SetItemData(pList->AddString(pItem->m_strDescription), static_cast<DWORD_PTR>(static_cast<ULONG>(pItem->m_nAmount)));
    }
    if (pList->GetCount() > 0) {
        pList->SetCurSel(0);
        OnSelchangeItems();
    } else {
        pList->EnableWindow(FALSE);
    }
    ShowMoneyField(this, IDC_AR_AMOUNT, m_nAmount);
    return TRUE;
}

LONG CArrearsDlg::SelectedItemAmount() const
{
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_AR_ITEMS));
    const int n = pList->GetCurSel();
    return n >= 0 ? static_cast<LONG>(static_cast<ULONG>(pList->GetItemData(n))) : 0;
}

void CArrearsDlg::OnSelchangeItems()
{
    SetDlgItemText(IDC_AR_ITEM_AMOUNT, FormatMoney(SelectedItemAmount()));
}

void CArrearsDlg::OnAddItem()
{
    // Stops at the largest amount rather than wrapping into a credit.
    const LONGLONG n = static_cast<LONGLONG>(m_nAmount) + SelectedItemAmount();
    m_nAmount = n > std::numeric_limits<LONG>::max() ? std::numeric_limits<LONG>::max() : static_cast<LONG>(n);
    ShowMoneyField(this, IDC_AR_AMOUNT, m_nAmount);
}

void CArrearsDlg::OnClear()
{
    m_nAmount = 0;
    ShowMoneyField(this, IDC_AR_AMOUNT, m_nAmount);
}

void CArrearsDlg::OnKillfocusAmount()
{
    ReadMoneyField(this, IDC_AR_AMOUNT, m_nAmount);
}

void CArrearsDlg::OnOK()
{
    if (!ReadMoneyField(this, IDC_AR_AMOUNT, m_nAmount))
        return;
    EndDialog(IDOK);
}
