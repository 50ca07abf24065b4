#include "admin/SelectTeamDlg.h"

#include "league/BowlingDoc.h"
#include "league/Team.h"

BEGIN_MESSAGE_MAP(CSelectTeamDlg, CDialog)
    ON_LBN_DBLCLK(IDC_SELECT_TEAM_LIST, OnDblclkList)
END_MESSAGE_MAP()

BOOL CSelectTeamDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_SELECT_TEAM_LIST));
    if (m_pDoc) {
        for (POSITION pos = m_pDoc->m_listTeams.GetHeadPosition(); pos;) {
            auto* pTeam = static_cast<CTeam*>(m_pDoc->m_listTeams.GetNext(pos));
            CString strName = pTeam->IsRemoved() ? "~" + pTeam->m_strName : pTeam->m_strName;
            pList->SetItemDataPtr(pList->AddString(strName), pTeam);
        }
    }
    pList->SetCurSel(0);
    return TRUE;
}

void CSelectTeamDlg::OnOK()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_SELECT_TEAM_LIST));
    const int nSel = pList->GetCurSel();
    m_pTeam = nSel >= 0 ? static_cast<CTeam*>(pList->GetItemDataPtr(nSel)) : nullptr;
    EndDialog(IDOK);
}
