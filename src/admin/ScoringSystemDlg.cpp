#include "admin/ScoringSystemDlg.h"

#include "league/BowlingDoc.h"

BEGIN_MESSAGE_MAP(CScoringSystemDlg, CDialog)
    ON_BN_CLICKED(IDC_SC_INDIVIDUAL, OnIndividual)
    ON_BN_CLICKED(IDC_SC_TEAM, OnTeam)
    ON_BN_CLICKED(IDC_SC_PP_ENABLED, OnPetersenEnabled)
    ON_BN_CLICKED(IDC_SC_PP_COLUMN[4], OnPetersenSeries)
    ON_BN_CLICKED(IDC_SC_PP_HUNDREDTHS, OnRemainderHundredths)
    ON_BN_CLICKED(IDC_SC_PP_PERCENT, OnRemainderPercent)
    ON_EN_KILLFOCUS(IDC_SC_IND_GAME[0], OnKillfocusPoints)
    ON_EN_KILLFOCUS(IDC_SC_IND_GAME[1], OnKillfocusPoints)
    ON_EN_KILLFOCUS(IDC_SC_IND_GAME[2], OnKillfocusPoints)
    ON_EN_KILLFOCUS(IDC_SC_IND_GAME[3], OnKillfocusPoints)
    ON_EN_KILLFOCUS(IDC_SC_IND_SERIES, OnKillfocusPoints)
    ON_EN_KILLFOCUS(IDC_SC_TEAM_GAME[0], OnKillfocusPoints)
    ON_EN_KILLFOCUS(IDC_SC_TEAM_GAME[1], OnKillfocusPoints)
    ON_EN_KILLFOCUS(IDC_SC_TEAM_GAME[2], OnKillfocusPoints)
    ON_EN_KILLFOCUS(IDC_SC_TEAM_GAME[3], OnKillfocusPoints)
    ON_EN_KILLFOCUS(IDC_SC_TEAM_SERIES, OnKillfocusPoints)
    ON_EN_KILLFOCUS(IDC_SC_PP_PINS[4], OnKillfocusSeriesPins)
END_MESSAGE_MAP()

CScoringSystemDlg::CScoringSystemDlg(UINT nIDD, BOOL bHandicap, CBowlingDoc* pDoc, CWnd* pParent)
    : CDialog(nIDD, pParent), m_pDoc(pDoc), m_bHandicap(bHandicap)
{
}

void CScoringSystemDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_SC_INDIVIDUAL, m_bIndividual);
    DDX_Check(pDX, IDC_SC_TEAM, m_bTeam);
    for (int g = 0; g < 4; ++g) {
        DDX_Text(pDX, IDC_SC_IND_GAME[g], m_nIndividualGame[g]);
        DDV_MinMaxInt(pDX, m_nIndividualGame[g], 0, 125);
    }
    DDX_Text(pDX, IDC_SC_IND_SERIES, m_nIndividualSeries);
    DDV_MinMaxInt(pDX, m_nIndividualSeries, 0, m_bHandicap ? 99 : 125);
    for (int g = 0; g < 4; ++g) {
        DDX_Text(pDX, IDC_SC_TEAM_GAME[g], m_nTeamGame[g]);
        DDV_MinMaxInt(pDX, m_nTeamGame[g], 0, 125);
    }
    DDX_Text(pDX, IDC_SC_TEAM_SERIES, m_nTeamSeries);
    DDV_MinMaxInt(pDX, m_nTeamSeries, 0, m_bHandicap ? 99 : 125);
    DDX_Check(pDX, IDC_SC_CYCLE, m_bCycleOpponent);
    DDX_Check(pDX, IDC_SC_MOST_WINS, m_bMostWinsCountsPoints);
    DDX_Check(pDX, IDC_SC_BLIND, m_bBlindCannotWin);
    DDX_Check(pDX, IDC_SC_PP_ENABLED, m_bPetersen);
    for (int g = 0; g < 5; ++g) {
        DDX_Check(pDX, IDC_SC_PP_COLUMN[g], m_bPetersenColumn[g]);
        DDX_Text(pDX, IDC_SC_PP_PINS[g], m_nPinsPerPoint[g]);
        // A game or series that earns pinfall points is worth its pins divided by these.
        DDV_MinMaxInt(pDX, m_nPinsPerPoint[g], m_bPetersen && m_bPetersenColumn[g] ? 1 : 0, 255);
    }
    int bHundredths = m_nRemainderMode ? 0 : 1;
    DDX_Check(pDX, IDC_SC_PP_HUNDREDTHS, bHundredths);
    int bPercent = m_nRemainderMode ? 1 : 0;
    DDX_Check(pDX, IDC_SC_PP_PERCENT, bPercent);
    if (pDX->m_bSaveAndValidate)
        m_nRemainderMode = bPercent ? 1 : 0;
}

BOOL CScoringSystemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!IsDlgButtonChecked(IDC_SC_INDIVIDUAL) && !IsDlgButtonChecked(IDC_SC_TEAM))
        CheckDlgButton(IDC_SC_TEAM, 1);
    Enable(IDC_SC_CYCLE, IsDlgButtonChecked(IDC_SC_INDIVIDUAL));
    Enable(IDC_SC_MOST_WINS, IsDlgButtonChecked(IDC_SC_INDIVIDUAL));
    UpdateFigures();
    return TRUE;
}

void CScoringSystemDlg::Enable(UINT nID, BOOL bEnable)
{
    if (CWnd* pWnd = GetDlgItem(static_cast<int>(nID)))
        pWnd->EnableWindow(bEnable);
}

int CScoringSystemDlg::EditValue(UINT nID) const
{
    return static_cast<int>(GetDlgItemInt(static_cast<int>(nID), nullptr, TRUE));
}

void CScoringSystemDlg::OnIndividual()
{
    if (!IsDlgButtonChecked(IDC_SC_INDIVIDUAL) && !IsDlgButtonChecked(IDC_SC_TEAM))
        CheckDlgButton(IDC_SC_TEAM, 1);
    AfterRowClick();
}

void CScoringSystemDlg::OnTeam()
{
    if (!IsDlgButtonChecked(IDC_SC_TEAM) && !IsDlgButtonChecked(IDC_SC_INDIVIDUAL))
        CheckDlgButton(IDC_SC_INDIVIDUAL, 1);
    AfterRowClick();
}

void CScoringSystemDlg::AfterRowClick()
{
    // Opponents and wins are counted bowler against bowler only.
    const BOOL bIndividual = IsDlgButtonChecked(IDC_SC_INDIVIDUAL) != 0;
    if (!bIndividual)
        CheckDlgButton(IDC_SC_CYCLE, 0);
    Enable(IDC_SC_CYCLE, bIndividual);
    Enable(IDC_SC_MOST_WINS, bIndividual);
    UpdateFigures();
}

void CScoringSystemDlg::OnPetersenEnabled()
{
    CheckDlgButton(IDC_SC_PP_COLUMN[4], IsDlgButtonChecked(IDC_SC_PP_ENABLED));
    UpdateFigures();
}

void CScoringSystemDlg::OnPetersenSeries()
{
    CheckDlgButton(IDC_SC_PP_ENABLED, IsDlgButtonChecked(IDC_SC_PP_COLUMN[4]));
    UpdateFigures();
}

void CScoringSystemDlg::OnRemainderHundredths()
{
    CheckDlgButton(IDC_SC_PP_PERCENT, IsDlgButtonChecked(IDC_SC_PP_HUNDREDTHS) ? 0 : 1);
}

void CScoringSystemDlg::OnRemainderPercent()
{
    CheckDlgButton(IDC_SC_PP_HUNDREDTHS, IsDlgButtonChecked(IDC_SC_PP_PERCENT) ? 0 : 1);
}

void CScoringSystemDlg::OnKillfocusPoints() { UpdateFigures(); }

void CScoringSystemDlg::OnKillfocusSeriesPins()
{
    if (m_bHandicap)
        UpdateFigures();
}

void CScoringSystemDlg::UpdateFigures()
{
    const BOOL bPetersen = IsDlgButtonChecked(IDC_SC_PP_ENABLED) != 0;
    CheckDlgButton(IDC_SC_PP_COLUMN[4], bPetersen ? 1 : 0);
    Enable(IDC_SC_PP_PINS[4], bPetersen);
    Enable(IDC_SC_PP_COLUMN[4], TRUE);

    const BOOL bIndividual = IsDlgButtonChecked(IDC_SC_INDIVIDUAL) != 0;
    const BOOL bTeam = IsDlgButtonChecked(IDC_SC_TEAM) != 0;
    const int nGames = m_pDoc ? m_pDoc->m_nGamesPerMatch : 4;
    for (int g = 0; g < 4; ++g) {
        if (g >= nGames) {
            // Games the league does not bowl can win nothing.
            SetDlgItemInt(IDC_SC_IND_GAME[g], 0);
            SetDlgItemInt(IDC_SC_TEAM_GAME[g], 0);
            SetDlgItemInt(IDC_SC_PP_PINS[g], 0);
            CheckDlgButton(IDC_SC_PP_COLUMN[g], 0);
        }
        Enable(IDC_SC_IND_GAME[g], bIndividual && g < nGames);
        Enable(IDC_SC_TEAM_GAME[g], bTeam && g < nGames);
        Enable(IDC_SC_PP_PINS[g], g < nGames);
        Enable(IDC_SC_PP_COLUMN[g], g < nGames);
    }
    Enable(IDC_SC_IND_SERIES, bIndividual);
    Enable(IDC_SC_TEAM_SERIES, bTeam);

    int nIndividual = 0, nTeam = 0;
    CString text;
    if (bIndividual) {
        for (int g = 0; g < 4; ++g)
            nIndividual += EditValue(IDC_SC_IND_GAME[g]);
        nIndividual = (nIndividual + EditValue(IDC_SC_IND_SERIES)) * (m_pDoc ? m_pDoc->m_nPlayersPerTeam : 1);
        text.Format("%d", nIndividual);
        SetDlgItemText(IDC_SC_IND_TOTAL, text);
    } else {
        SetDlgItemText(IDC_SC_IND_TOTAL, "");
    }
    if (bTeam) {
        for (int g = 0; g < 4; ++g)
            nTeam += EditValue(IDC_SC_TEAM_GAME[g]);
        nTeam += EditValue(IDC_SC_TEAM_SERIES);
        text.Format("%d", nTeam);
        SetDlgItemText(IDC_SC_TEAM_TOTAL, text);
    } else {
        SetDlgItemText(IDC_SC_TEAM_TOTAL, "");
    }
    const int nPass = m_bHandicap ? PASS_HANDICAP : PASS_SCRATCH;
    const int nBonus = m_pDoc ? static_cast<int>(m_pDoc->GetMaxBonusPointsPerMatch(nPass) / 2) : 0;
    text.Format("%d", nBonus);
    SetDlgItemText(IDC_SC_BONUS, text);
    text.Format("%d", nIndividual + nTeam + nBonus);
    SetDlgItemText(IDC_SC_MAX, text);
}
