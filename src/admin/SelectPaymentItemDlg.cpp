#include "admin/SelectPaymentItemDlg.h"

#include "league/Accounts.h"
#include "league/BowlingDoc.h"

BEGIN_MESSAGE_MAP(CSelectPaymentItemDlg, CDialog)
    ON_LBN_DBLCLK(IDC_SPI_LIST, OnDblclkList)
END_MESSAGE_MAP()

BOOL CSelectPaymentItemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_SPI_LIST));
    for (POSITION pos = m_pDoc->m_listPaymentItems.GetHeadPosition(); pos;) {
        auto* pItem = static_cast<CPaymentItem*>(m_pDoc->m_listPaymentItems.GetNext(pos));
        CString line;
        line.Format("%s  %s  Rnd %d thru %d.", pItem->m_strDescription.GetString(),
                    FormatMoney(pItem->m_nAmount).GetString(), pItem->m_nFromRound, pItem->m_nToRound);
        pList->SetItemDataPtr(pList->AddString(line), pItem);
    }
    pList->SetCurSel(0);
    return TRUE;
}

void CSelectPaymentItemDlg::OnOK()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_SPI_LIST));
    const int n = pList->GetCurSel();
    m_pItem = n >= 0 ? static_cast<CPaymentItem*>(pList->GetItemDataPtr(n)) : nullptr;
    EndDialog(m_pItem ? IDOK : IDCANCEL);
}
