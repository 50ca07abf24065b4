#include "admin/SelectPlayerDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"

BEGIN_MESSAGE_MAP(CSelectPlayerDlg, CDialog)
    ON_BN_CLICKED(IDC_SP_SORT_SURNAME, OnSortBySurname)
    ON_LBN_DBLCLK(IDC_SP_LIST, OnDblclkList)
END_MESSAGE_MAP()

BOOL CSelectPlayerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    m_bSortBySurname = TRUE;
    CheckDlgButton(IDC_SP_SORT_SURNAME, 1);
    FillList();
    GetDlgItem(IDC_SP_LIST)->SetFocus();
    return FALSE;
}

void CSelectPlayerDlg::FillList()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_SP_LIST));
    pList->ResetContent();
    for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
        CString text = (p->IsRobot() || p->IsResigned()) ? "~ " : "";
        if (m_bSortBySurname)
            text += p->m_strSurname + " " + p->m_strFirstName;
        else
            text += p->m_strName;
        pList->SetItemDataPtr(pList->AddString(text), p);
    }
    pList->SetCurSel(0);
}

void CSelectPlayerDlg::OnSortBySurname()
{
    m_bSortBySurname = IsDlgButtonChecked(IDC_SP_SORT_SURNAME) ? TRUE : FALSE;
    FillList();
}

void CSelectPlayerDlg::OnOK()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_SP_LIST));
    const int n = pList->GetCurSel();
    m_pPlayer = n >= 0 ? static_cast<CPlayer*>(pList->GetItemDataPtr(n)) : nullptr;
    EndDialog(IDOK);
}
