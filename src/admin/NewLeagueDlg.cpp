#include "admin/NewLeagueDlg.h"

BEGIN_MESSAGE_MAP(CNewLeagueDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_NL_GAMES, OnSelchangeGames)
    ON_CBN_SELCHANGE(IDC_NL_TEAMS, OnSelchangeTeams)
    ON_CBN_SELCHANGE(IDC_NL_PLAYERS, OnSelchangePlayers)
    ON_BN_CLICKED(IDC_NL_SCRATCH, OnScratch)
    ON_BN_CLICKED(IDC_NL_HANDICAP, OnHandicap)
END_MESSAGE_MAP()

CNewLeagueDlg::CNewLeagueDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CNewLeagueDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NL_SANCTIONED_BY, m_strSanctionedBy);
    DDV_MaxChars(pDX, m_strSanctionedBy, 40);
    DDX_Text(pDX, IDC_NL_PRESIDENT, m_strPresident);
    DDV_MaxChars(pDX, m_strPresident, 20);
    DDX_Text(pDX, IDC_NL_SECRETARY, m_strSecretary);
    DDV_MaxChars(pDX, m_strSecretary, 20);
    DDX_Text(pDX, IDC_NL_TREASURER, m_strTreasurer);
    DDV_MaxChars(pDX, m_strTreasurer, 20);
    DDX_Text(pDX, IDC_NL_LEAGUE_NAME, m_strLeagueName);
    DDV_MaxChars(pDX, m_strLeagueName, 48);
    DDX_Text(pDX, IDC_NL_MAX_PLAYERS, m_nMaxPlayers);
    DDV_MinMaxInt(pDX, m_nMaxPlayers, 1, 255); // kept in a byte
    DDX_Check(pDX, IDC_NL_SCRATCH, m_bScratch);
    DDX_Text(pDX, IDC_NL_PRESIDENT_PHONE, m_strPresidentPhone);
    DDV_MaxChars(pDX, m_strPresidentPhone, 13);
    DDX_Text(pDX, IDC_NL_SECRETARY_PHONE, m_strSecretaryPhone);
    DDV_MaxChars(pDX, m_strSecretaryPhone, 12);
    DDX_Text(pDX, IDC_NL_TREASURER_PHONE, m_strTreasurerPhone);
    DDV_MaxChars(pDX, m_strTreasurerPhone, 12);
    DDX_Check(pDX, IDC_NL_HANDICAP, m_bHandicap);
    DDX_CBString(pDX, IDC_NL_TEAMS, m_strTeams);
    DDX_CBString(pDX, IDC_NL_PLAYERS, m_strPlayers);
    DDX_Check(pDX, IDC_NL_PYRAMID, m_bPyramid);
    DDX_Text(pDX, IDC_NL_SANCTION_ID, m_strSanctionId);
    DDX_Text(pDX, IDC_NL_VICE_PRESIDENT, m_strVicePresident);
    DDV_MaxChars(pDX, m_strVicePresident, 20);
    DDX_Text(pDX, IDC_NL_VICE_PRESIDENT_PHONE, m_strVicePresidentPhone);
    DDV_MaxChars(pDX, m_strVicePresidentPhone, 13);
    DDX_Check(pDX, IDC_NL_PRIVACY, m_bPrivacy);
}

BOOL CNewLeagueDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pGames = static_cast<CComboBox*>(GetDlgItem(IDC_NL_GAMES));
    for (const char* s : {"1 Game Series", "2 Game Series", "3 Game Series", "4 Game Series"})
        pGames->AddString(s);
    auto* pPlayers = static_cast<CComboBox*>(GetDlgItem(IDC_NL_PLAYERS));
    for (const char* s : {"Singles", "2 Players/Team", "3 Players/Team", "4 Players/Team", "5 Players/Team"})
        pPlayers->AddString(s);
    auto* pTeams = static_cast<CComboBox*>(GetDlgItem(IDC_NL_TEAMS));
    for (int n = 4; n <= 50; n += 2) {
        CString s;
        s.Format("%d Teams", n);
        pTeams->AddString(s);
    }
    pGames->SetCurSel(m_nGamesIndex);
    if (m_nTeams == 0)
        m_nTeams = 4;
    pTeams->SetCurSel((m_nTeams - 4) / 2);
    if (m_nPlayers == 0)
        m_nPlayers = 1;
    pPlayers->SetCurSel(m_nPlayers - 1);
    UpdateData(FALSE);
    return TRUE;
}

void CNewLeagueDlg::OnSelchangeGames()
{
    m_nGamesIndex = static_cast<CComboBox*>(GetDlgItem(IDC_NL_GAMES))->GetCurSel();
}

void CNewLeagueDlg::OnSelchangeTeams()
{
    // Nothing else changes: writing every field back would throw away what was typed.
    m_nTeams = 2 * static_cast<CComboBox*>(GetDlgItem(IDC_NL_TEAMS))->GetCurSel() + 4;
}

void CNewLeagueDlg::OnSelchangePlayers()
{
    m_nPlayers = static_cast<CComboBox*>(GetDlgItem(IDC_NL_PLAYERS))->GetCurSel() + 1;
}

void CNewLeagueDlg::OnScratch()
{
    if (!UpdateData(TRUE))
        return;
    if (!m_bHandicap && !m_bScratch)
        m_bHandicap = 1;
    UpdateData(FALSE);
}

void CNewLeagueDlg::OnHandicap()
{
    if (!UpdateData(TRUE))
        return;
    if (!m_bHandicap && !m_bScratch)
        m_bScratch = 1;
    UpdateData(FALSE);
}

void CNewLeagueDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_nTeams == 0) {
        AfxMessageBox("This league has no teams!");
        return;
    }
    if (m_nPlayers == 0) {
        AfxMessageBox("You must specify the number of players per team!");
        return;
    }
    EndDialog(IDOK);
}
