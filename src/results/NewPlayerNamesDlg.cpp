#include "results/NewPlayerNamesDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"

int (*g_pfnScoresheetAddNewPlayer)(CBowlingDoc* pDoc) = nullptr;

void CNewPlayerNamesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NP_TEAM, m_comboTeam);
    DDX_Text(pDX, IDC_NP_FORENAME, m_strForename);
    DDV_MaxChars(pDX, m_strForename, 17);
    DDX_Text(pDX, IDC_NP_SURNAME, m_strSurname);
    DDV_MaxChars(pDX, m_strSurname, 31);
    DDX_Check(pDX, IDC_NP_ANOTHER, m_bAnotherNewPlayer);
}

BOOL CNewPlayerNamesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    m_comboTeam.SetItemData(m_comboTeam.AddString(" Unassigned "), 0);
    for (POSITION pos = m_pDoc->m_listTeams.GetHeadPosition(); pos;) {
        auto* pTeam = static_cast<CTeam*>(m_pDoc->m_listTeams.GetNext(pos));
        if (!pTeam->IsRemoved())
            m_comboTeam.SetItemData(m_comboTeam.AddString(pTeam->m_strName), pTeam->m_nTeamNo);
    }
    m_comboTeam.SetCurSel(0);
    return TRUE;
}

void CNewPlayerNamesDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_strForename.Trim();
    m_strSurname.Trim();
    if (m_strForename.IsEmpty() || m_strSurname.IsEmpty()) {
        AfxMessageBox("A player may NOT have a blank name field!.");
        return;
    }
    const int nSel = m_comboTeam.GetCurSel();
    const WORD nTeamNo = nSel < 0 ? 0 : static_cast<WORD>(m_comboTeam.GetItemData(nSel));
    if (CTeam* pTeam = nTeamNo ? m_pDoc->FindTeam(nTeamNo) : nullptr)
        if (pTeam->GetOrderCount() >= m_pDoc->m_nMaxPlayersPerTeam) {
            AfxMessageBox("This team has exceeded the maximum No. of registered players.");
            return;
        }
    for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        auto* pPlayer = static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
        if (pPlayer->m_strSurname == m_strSurname && pPlayer->m_strFirstName == m_strForename) {
            AfxMessageBox("There is an existing player with the same name. Please re-enter the name to "
                          "differentiate between them.");
            return;
        }
    }
    m_nTeamNo = nTeamNo;
    EndDialog(IDOK);
}

int AddNewPlayer(CBowlingDoc* pDoc)
{
    int nAdded = 0;
    for (;;) {
        CNewPlayerNamesDlg dlg;
        dlg.m_pDoc = pDoc;
        if (dlg.DoModal() != IDOK)
            break;
        const int nNumber = pDoc->GetNextPlayerNumber();
        if (nNumber > 0xFFFF) {
            AfxMessageBox("The league has no free player number left.");
            break;
        }
        auto* pPlayer = new CPlayer(static_cast<WORD>(nNumber));
        pPlayer->m_strFirstName = dlg.m_strForename;
        pPlayer->m_strSurname = dlg.m_strSurname;
        pPlayer->m_wFlags = PF_MALE;
        pPlayer->MakeDisplayName(pDoc->m_bSurnameFirst);
        pPlayer->m_nTeamNo = dlg.m_nTeamNo;
        pDoc->AddPlayer(pPlayer);
        if (CTeam* pTeam = dlg.m_nTeamNo ? pDoc->FindTeam(dlg.m_nTeamNo) : nullptr)
            pTeam->m_arrTeamOrder.Add(pPlayer->m_nPlayerNo);
        pDoc->SetModifiedFlag();
        ++nAdded;
        if (!dlg.m_bAnotherNewPlayer)
            break;
    }
    pDoc->BuildFloatingSubs();
    return nAdded;
}
