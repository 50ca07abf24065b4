#include "admin/SelectAccountItemDlg.h"

#include "league/Accounts.h"
#include "league/BowlingDoc.h"

BEGIN_MESSAGE_MAP(CSelectAccountItemDlg, CDialog)
    ON_LBN_DBLCLK(IDC_SAI_LIST, OnDblclkList)
END_MESSAGE_MAP()

BOOL CSelectAccountItemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_SAI_LIST));
    const CObList& headings = m_bIncome ? m_pDoc->m_listIncomeTypes : m_pDoc->m_listExpenseTypes;
    for (POSITION pos = headings.GetHeadPosition(); pos;) {
        auto* pType = static_cast<CAccountItemType*>(headings.GetNext(pos));
        pList->SetItemDataPtr(pList->AddString(pType->m_strName), pType);
    }
    pList->SetCurSel(0);
    GotoDlgCtrl(pList);
    return FALSE;
}

void CSelectAccountItemDlg::OnOK()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_SAI_LIST));
    const int n = pList->GetCurSel();
    m_pType = n >= 0 ? static_cast<CAccountItemType*>(pList->GetItemDataPtr(n)) : nullptr;
    EndDialog(m_pType ? IDOK : IDCANCEL);
}
