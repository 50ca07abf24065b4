#include "results/SelectTeamsDlg.h"

#include "league/BowlingDoc.h"
#include "league/Team.h"

BEGIN_MESSAGE_MAP(CSelectTeamsDlg, CDialog)
    ON_LBN_DBLCLK(IDC_SELECT_TEAMS_LIST, OnDblClkList)
END_MESSAGE_MAP()

CListBox* CSelectTeamsDlg::List()
{
    return static_cast<CListBox*>(GetDlgItem(IDC_SELECT_TEAMS_LIST));
}

BOOL CSelectTeamsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CListBox* pList = List();
    for (POSITION pos = m_pDoc->m_listTeams.GetHeadPosition(); pos;) {
        CTeam* pTeam = static_cast<CTeam*>(m_pDoc->m_listTeams.GetNext(pos));
        if (!pTeam->IsRemoved())
            pList->SetItemDataPtr(pList->AddString(pTeam->m_strName), pTeam);
    }
    if (pList->GetCount() > 0)
        pList->SetSel(0);
    GotoDlgCtrl(pList);
    return FALSE;
}

bool CSelectTeamsDlg::GetSelectedTeams(CPtrArray& arr)
{
    arr.RemoveAll();
    CListBox* pList = List();
    for (int i = 0; i < pList->GetCount(); ++i)
        if (pList->GetSel(i) > 0)
            arr.Add(pList->GetItemDataPtr(i));
    return arr.GetSize() > 0;
}

void CSelectTeamsDlg::StoreSelection(const CPtrArray& arr)
{
    m_pDoc->m_arrSelectedTeams.Copy(arr);
    m_pDoc->m_nSelectedTeamIndex = 0;
    m_pDoc->m_pSelectedTeam = arr.GetSize() > 0 ? static_cast<CTeam*>(arr.GetAt(0)) : nullptr;
}

void CSelectTeamsDlg::OnOK()
{
    CPtrArray arr;
    if (!GetSelectedTeams(arr))
        return;
    StoreSelection(arr);
    EndDialog(IDOK);
}
