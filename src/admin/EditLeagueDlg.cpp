#include "admin/EditLeagueDlg.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"

BEGIN_MESSAGE_MAP(CEditLeagueDlg, CDialog)
    ON_BN_CLICKED(IDC_EL_HANDICAP, OnHandicap)
    ON_BN_CLICKED(IDC_EL_SCRATCH, OnScratch)
END_MESSAGE_MAP()

CEditLeagueDlg::CEditLeagueDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CEditLeagueDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_EL_SANCTIONED_BY, m_strSanctionedBy);
    DDV_MaxChars(pDX, m_strSanctionedBy, 40);
    DDX_Text(pDX, IDC_EL_PRESIDENT, m_strPresident);
    DDV_MaxChars(pDX, m_strPresident, 20);
    DDX_Text(pDX, IDC_EL_SECRETARY, m_strSecretary);
    DDV_MaxChars(pDX, m_strSecretary, 20);
    DDX_Text(pDX, IDC_EL_TREASURER, m_strTreasurer);
    DDV_MaxChars(pDX, m_strTreasurer, 20);
    DDX_Text(pDX, IDC_EL_LEAGUE_NAME, m_strLeagueName);
    DDV_MaxChars(pDX, m_strLeagueName, 48);
    DDX_Text(pDX, IDC_EL_MAX_PLAYERS, m_nMaxPlayers);
    DDV_MinMaxInt(pDX, m_nMaxPlayers, 1, 255); // kept in a byte
    DDX_Check(pDX, IDC_EL_SCRATCH, m_bScratch);
    DDX_Text(pDX, IDC_EL_PRESIDENT_PHONE, m_strPresidentPhone);
    DDV_MaxChars(pDX, m_strPresidentPhone, 13);
    DDX_Text(pDX, IDC_EL_SECRETARY_PHONE, m_strSecretaryPhone);
    DDV_MaxChars(pDX, m_strSecretaryPhone, 13);
    DDX_Text(pDX, IDC_EL_TREASURER_PHONE, m_strTreasurerPhone);
    DDV_MaxChars(pDX, m_strTreasurerPhone, 13);
    DDX_Check(pDX, IDC_EL_HANDICAP, m_bHandicap);
    DDX_Check(pDX, IDC_EL_PYRAMID, m_bPyramid);
    DDX_Text(pDX, IDC_EL_SANCTION_NUMBER, m_strSanctionNumber);
    DDX_Text(pDX, IDC_EL_VICE_PRESIDENT, m_strVicePresident);
    DDV_MaxChars(pDX, m_strVicePresident, 20);
    DDX_Text(pDX, IDC_EL_VICE_PRESIDENT_PHONE, m_strVicePresidentPhone);
    DDV_MaxChars(pDX, m_strVicePresidentPhone, 13);
    DDX_Check(pDX, IDC_EL_POSITION_BOTH_WAYS, m_bPositionBothWays);
    DDX_Check(pDX, IDC_EL_FLOATING_SUBS_TEAM, m_bFloatingSubsAsTeam);
    DDX_Check(pDX, IDC_EL_FIVE_PIN, m_bFivePin);
    DDX_Check(pDX, IDC_EL_PRIVACY, m_bPrivacy);
    DDX_Check(pDX, IDC_EL_PLAYER_DATABASE, m_bPlayerDatabase);
}

BOOL CEditLeagueDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!(m_bHandicap && m_bScratch))
        m_bPositionBothWays = 0;
    ShowPositionBothWays();
    FillTeamCombo(IDC_EL_SECRETARY_TEAM, m_nSecretaryTeam);
    FillTeamCombo(IDC_EL_TREASURER_TEAM, m_nTreasurerTeam);
    UpdateData(FALSE);
    GotoDlgCtrl(GetDlgItem(IDC_EL_LEAGUE_NAME));
    return FALSE;
}

// "No Team", then the playing teams by number; each entry carries its team number, so a gap
// in the numbering cannot shift the choice onto the next team.
void CEditLeagueDlg::FillTeamCombo(UINT nID, int nTeam)
{
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(static_cast<int>(nID)));
    pCombo->ResetContent();
    pCombo->SetItemData(pCombo->AddString("No Team"), 0);
    int nSel = 0;
    if (m_pDoc) {
        for (int k = 1; k <= m_pDoc->m_nTeams; ++k) {
            const CTeam* pTeam = m_pDoc->FindTeam(static_cast<WORD>(k));
            if (!pTeam)
                continue;
            const int i = pCombo->AddString(pTeam->m_strName);
            pCombo->SetItemData(i, static_cast<DWORD_PTR>(k));
            if (k == nTeam)
                nSel = i;
        }
    }
    pCombo->SetCurSel(nSel);
}

int CEditLeagueDlg::SelectedTeam(UINT nID) const
{
    const auto* pCombo = static_cast<const CComboBox*>(GetDlgItem(static_cast<int>(nID)));
    const int nSel = pCombo->GetCurSel();
    return nSel < 0 ? 0 : static_cast<int>(pCombo->GetItemData(nSel));
}

// Position rounds can count both ways only in a league with both systems.
void CEditLeagueDlg::ShowPositionBothWays()
{
    const BOOL bBoth = IsDlgButtonChecked(IDC_EL_HANDICAP) && IsDlgButtonChecked(IDC_EL_SCRATCH);
    CWnd* pBox = GetDlgItem(IDC_EL_POSITION_BOTH_WAYS);
    pBox->ShowWindow(bBoth ? SW_SHOW : SW_HIDE);
    pBox->EnableWindow(bBoth);
}

// Only the league-type boxes are read here: a half-typed field elsewhere must neither stop
// the rule that one type stays ticked nor be rewritten.
void CEditLeagueDlg::KeepOneLeagueType(UINT nOther)
{
    if (!IsDlgButtonChecked(IDC_EL_HANDICAP) && !IsDlgButtonChecked(IDC_EL_SCRATCH))
        CheckDlgButton(static_cast<int>(nOther), BST_CHECKED);
    m_bHandicap = IsDlgButtonChecked(IDC_EL_HANDICAP) ? 1 : 0;
    m_bScratch = IsDlgButtonChecked(IDC_EL_SCRATCH) ? 1 : 0;
    m_bPositionBothWays = 0;
    CheckDlgButton(IDC_EL_POSITION_BOTH_WAYS, BST_UNCHECKED);
    ShowPositionBothWays();
}

void CEditLeagueDlg::OnHandicap()
{
    KeepOneLeagueType(IDC_EL_SCRATCH);
}

void CEditLeagueDlg::OnScratch()
{
    KeepOneLeagueType(IDC_EL_HANDICAP);
}

namespace {

// A bowled or substitute's game over a ten-pin game's most: only five-pin rules let it be typed.
bool HoldsGameOver300(const CBowlingDoc& doc)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->HoldsGameOver(300))
            return true;
    }
    return false;
}

} // namespace

void CEditLeagueDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // Without the rules those games could not be read back from the league file.
    if (!m_bFivePin && m_pDoc && m_pDoc->m_bFivePinRules && HoldsGameOver300(*m_pDoc)) {
        AfxMessageBox("Games over 300 have been entered, so the league keeps the 5 Pin Bowling Rules.");
        m_bFivePin = 1;
        CheckDlgButton(IDC_EL_FIVE_PIN, BST_CHECKED);
        GotoDlgCtrl(GetDlgItem(IDC_EL_FIVE_PIN));
        return;
    }
    m_nSecretaryTeam = SelectedTeam(IDC_EL_SECRETARY_TEAM);
    m_nTreasurerTeam = SelectedTeam(IDC_EL_TREASURER_TEAM);
    EndDialog(IDOK);
}
