#include "admin/HandicapDetailsDlg.h"

#include "league/BowlingDoc.h"

BEGIN_MESSAGE_MAP(CHandicapDetailsDlg, CDialog)
    ON_BN_CLICKED(IDC_HD_ROW[0], OnCombined)
    ON_BN_CLICKED(IDC_HD_TEAM_ENABLED, OnTeamEnabled)
    ON_BN_CLICKED(IDC_HD_ZERO_BASED, OnZeroBased)
    ON_BN_CLICKED(IDC_HD_USE_COMBINED, OnUseCombined)
    ON_BN_CLICKED(IDC_HD_ROLLING, UpdateControls)
    ON_BN_CLICKED(IDC_HD_DROP5, UpdateControls)
    ON_EN_KILLFOCUS(IDC_HD_CUTOFF, OnKillfocusCutoff)
END_MESSAGE_MAP()

CHandicapDetailsDlg::CHandicapDetailsDlg(CBowlingDoc* pDoc, CWnd* pParent) : CDialog(IDD, pParent), m_pDoc(pDoc) {}

void CHandicapDetailsDlg::DoDataExchange(CDataExchange* pDX)
{
    for (int r = 0; r < 4; ++r) {
        DDX_Check(pDX, IDC_HD_ROW[r], m_bRow[r]);
        DDX_Text(pDX, IDC_HD_PERCENT[r], m_nPercent[r]);
        DDV_MinMaxInt(pDX, m_nPercent[r], 0, 150);
        // The combined row takes any value its 16-bit fields hold.
        const int nTop = r == 0 ? 65535 : 300;
        DDX_Text(pDX, IDC_HD_BASIS[r], m_nBasis[r]);
        DDV_MinMaxInt(pDX, m_nBasis[r], 0, nTop);
        DDX_Text(pDX, IDC_HD_MAX[r], m_nMax[r]);
        DDV_MinMaxInt(pDX, m_nMax[r], 0, nTop);
        DDX_Check(pDX, IDC_HD_APPLY_MAX[r], m_bApplyMax[r]);
        DDX_Check(pDX, IDC_HD_APPLY_MIN[r], m_bApplyMin[r]);
        DDX_Text(pDX, IDC_HD_MIN[r], m_nMin[r]);
        DDV_MinMaxInt(pDX, m_nMin[r], -100, 300);
    }
    DDX_Check(pDX, IDC_HD_TEAM_ENABLED, m_bTeamHandicaps);
    DDX_Check(pDX, IDC_HD_ZERO_BASED, m_bZeroBasedPctDiff);
    if (!pDX->m_bSaveAndValidate)
        CheckDlgButton(IDC_HD_USE_COMBINED, m_bZeroBasedPctDiff ? 0 : 1);
    DDX_Check(pDX, IDC_HD_ROUND1_SCRATCH, m_bRound1Scratch);
    DDX_Check(pDX, IDC_HD_DROP5, m_bDrop5);
    DDX_Text(pDX, IDC_HD_DROP5_GAMES, m_nDrop5Games);
    DDV_MinMaxInt(pDX, m_nDrop5Games, 0, 255);
    DDX_Text(pDX, IDC_HD_DROP5_PINS, m_nDrop5MaxPins);
    DDV_MinMaxInt(pDX, m_nDrop5MaxPins, 0, 255);
    DDX_Text(pDX, IDC_HD_ENTERING_GAMES, m_nEnteringAvgGames);
    DDV_MinMaxInt(pDX, m_nEnteringAvgGames, 0, 65535);
    DDX_Text(pDX, IDC_HD_CUTOFF, m_nEnteringAvgCutoff);
    DDV_MinMaxInt(pDX, m_nEnteringAvgCutoff, 0, 250);
    DDX_Text(pDX, IDC_HD_RECALC_FREQ, m_nRecalcFrequency);
    DDV_MinMaxInt(pDX, m_nRecalcFrequency, 1, 99);
    DDX_Text(pDX, IDC_HD_FLOAT_SERIES, m_nFloatingAvgSeries);
    DDV_MinMaxInt(pDX, m_nFloatingAvgSeries, 0, 99);
    DDX_Text(pDX, IDC_HD_SCRATCH_GAMES, m_nGamesBeforeHandicap);
    DDV_MinMaxInt(pDX, m_nGamesBeforeHandicap, 0, 99);
    DDX_Check(pDX, IDC_HD_ROLLING, m_bTruncatedRollingAvg);
    DDX_Text(pDX, IDC_HD_ROLLING_GAMES, m_nRollingAvgGames);
    DDV_MinMaxInt(pDX, m_nRollingAvgGames, 0, 99);
    DDX_Check(pDX, IDC_HD_FULL_AVG_HI, m_bFullAverageForHiAvg);
    DDX_Check(pDX, IDC_HD_PLAYING_AVG_MI, m_bPlayingAvgForMostImproved);
    DDX_Check(pDX, IDC_HD_SHOW_NEG_MI, m_bShowNegativeMostImproved);
}

BOOL CHandicapDetailsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // A league of single bowlers has no team handicap to speak of.
    if (m_pDoc && m_pDoc->m_nPlayersPerTeam == 1) {
        CheckDlgButton(IDC_HD_TEAM_ENABLED, 0);
        Enable(IDC_HD_TEAM_ENABLED, FALSE);
    }
    UpdateControls();
    return TRUE;
}

void CHandicapDetailsDlg::Enable(UINT nID, BOOL bEnable)
{
    if (CWnd* pWnd = GetDlgItem(static_cast<int>(nID)))
        pWnd->EnableWindow(bEnable);
}

void CHandicapDetailsDlg::Show(UINT nID, BOOL bShow)
{
    if (CWnd* pWnd = GetDlgItem(static_cast<int>(nID))) {
        pWnd->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
        pWnd->EnableWindow(bShow);
    }
}

void CHandicapDetailsDlg::UpdateControls()
{
    const BOOL bCombined = IsDlgButtonChecked(IDC_HD_ROW[0]) != 0;
    for (int r = 0; r < 4; ++r) {
        const BOOL bOn = r == 0 ? bCombined : !bCombined;
        if (r != 0)
            Enable(IDC_HD_ROW[r], bOn);
        for (UINT nID : {IDC_HD_PERCENT[r], IDC_HD_BASIS[r], IDC_HD_MAX[r], IDC_HD_MIN[r], IDC_HD_APPLY_MIN[r]})
            Enable(nID, bOn);
        Enable(IDC_HD_APPLY_MAX[r], TRUE);
    }
    const BOOL bTeam = IsDlgButtonChecked(IDC_HD_TEAM_ENABLED) != 0;
    for (UINT nID : {IDC_HD_ZERO_BASED, IDC_HD_USE_COMBINED, IDC_HD_ROUND1_SCRATCH})
        Enable(nID, bTeam);
    const BOOL bRolling = IsDlgButtonChecked(IDC_HD_ROLLING) != 0;
    for (UINT nID : {IDC_HD_ROLLING_LABEL, IDC_HD_ROLLING_GAMES, IDC_HD_FULL_AVG_HI, IDC_HD_PLAYING_AVG_MI})
        Show(nID, bRolling);
    const BOOL bDrop5 = IsDlgButtonChecked(IDC_HD_DROP5) != 0;
    Enable(IDC_HD_DROP5_GAMES, bDrop5);
    Enable(IDC_HD_DROP5_PINS, bDrop5);
}

void CHandicapDetailsDlg::OnCombined()
{
    const UINT nCategories = IsDlgButtonChecked(IDC_HD_ROW[0]) ? 0 : 1;
    for (int r = 1; r < 4; ++r)
        CheckDlgButton(IDC_HD_ROW[r], nCategories);
    UpdateControls();
}

void CHandicapDetailsDlg::OnTeamEnabled()
{
    // Team handicaps take the combined rule's percentage.
    if (IsDlgButtonChecked(IDC_HD_TEAM_ENABLED))
        CheckDlgButton(IDC_HD_ROW[0], 1);
    UpdateControls();
}

void CHandicapDetailsDlg::OnZeroBased()
{
    CheckDlgButton(IDC_HD_USE_COMBINED, IsDlgButtonChecked(IDC_HD_ZERO_BASED) ? 0 : 1);
}

void CHandicapDetailsDlg::OnUseCombined()
{
    CheckDlgButton(IDC_HD_ZERO_BASED, IsDlgButtonChecked(IDC_HD_USE_COMBINED) ? 0 : 1);
}

void CHandicapDetailsDlg::OnKillfocusCutoff()
{
    if (!m_pDoc)
        return;
    BOOL bNumber = FALSE;
    const int nRound = static_cast<int>(GetDlgItemInt(IDC_HD_CUTOFF, &bNumber, TRUE));
    if (bNumber && nRound > m_pDoc->m_nRounds)
        SetDlgItemInt(IDC_HD_CUTOFF, m_pDoc->m_nRounds, FALSE);
}

void CHandicapDetailsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_bTruncatedRollingAvg) {
        if (m_nRollingAvgGames < 3) {
            AfxMessageBox("Minimum rolling average games is 3!");
            return;
        }
        AfxMessageBox("You have selected a Truncated Rolling Average.  This will calculate bowlers averages over the "
                      "most recent number of games specified only. Please be sure this is what you require!",
                      MB_OK);
    }
    EndDialog(IDOK);
}
