#include "admin/AccountPostingDlg.h"

#include "admin/MoneyField.h"
#include "league/Accounts.h"
#include "league/BowlingDoc.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CAccountPostingDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_AP_HEADINGS, OnSelchangeHeadings)
    ON_EN_KILLFOCUS(IDC_AP_AMOUNT, OnKillfocusAmount)
    ON_EN_KILLFOCUS(IDC_AP_ROUND, OnKillfocusRound)
END_MESSAGE_MAP()

void CAccountPostingDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_AP_COMMENT, m_strComment);
    DDX_Text(pDX, IDC_AP_ROUND, m_nRound);
    DDV_MinMaxInt(pDX, m_nRound, 0, 65535);
    DDX_Check(pDX, IDC_AP_MORE, m_bMore);
}

BOOL CAccountPostingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_AP_HEADINGS));
    const CObList& headings = m_bIncome ? m_pDoc->m_listIncomeTypes : m_pDoc->m_listExpenseTypes;
    for (POSITION pos = headings.GetHeadPosition(); pos;) {
        auto* pType = static_cast<CAccountItemType*>(headings.GetNext(pos));
        pList->SetItemDataPtr(pList->AddString(pType->m_strName), pType);
    }
    SetDlgItemText(IDC_AP_LABEL, m_bIncome ? "*** Income Item Posting. ***" : "*** Expenditure Item Posting. ***");
    if (m_nIndex >= pList->GetCount())
        m_nIndex = 0;
    pList->SetCurSel(m_nIndex);
    m_pType = pList->GetCount() > 0 ? static_cast<CAccountItemType*>(pList->GetItemDataPtr(m_nIndex)) : nullptr;
    // The heading shown first offers its default, as any heading chosen later does; a series
    // keeps the amount of the entry before.
    if (m_nAmount == 0 && m_pType)
        m_nAmount = m_pType->m_nDefaultAmount;
    ShowMoneyField(this, IDC_AP_AMOUNT, m_nAmount, "  ");
    return TRUE;
}

void CAccountPostingDlg::OnSelchangeHeadings()
{
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_AP_HEADINGS));
    const int n = pList->GetCurSel();
    if (n < 0)
        return;
    m_nIndex = static_cast<WORD>(n);
    m_pType = static_cast<CAccountItemType*>(pList->GetItemDataPtr(n));
    m_nAmount = m_pType->m_nDefaultAmount;
    ShowMoneyField(this, IDC_AP_AMOUNT, m_nAmount, "  ");
}

void CAccountPostingDlg::OnKillfocusAmount()
{
    ReadMoneyField(this, IDC_AP_AMOUNT, m_nAmount, "  ");
}

void CAccountPostingDlg::LimitRound()
{
    const int n = std::atoi(GetDlgItemText(IDC_AP_ROUND).GetString());
    if (n > m_pDoc->m_nRounds) {
        CString text;
        text.Format("%d", static_cast<int>(m_pDoc->m_nRounds));
        SetDlgItemText(IDC_AP_ROUND, text);
    }
}

void CAccountPostingDlg::OnKillfocusRound()
{
    LimitRound();
}

void CAccountPostingDlg::OnOK()
{
    LimitRound();
    if (!ReadMoneyField(this, IDC_AP_AMOUNT, m_nAmount, "  "))
        return;
    if (m_nAmount == 0) {
        AfxMessageBox("No amount has been entered.");
        return;
    }
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}
