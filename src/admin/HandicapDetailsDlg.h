#pragma once
// "Handicap Details": how handicaps and averages are worked out. The dialog edits its own
// members; CBowlingDoc::EditHandicapDetails copies the league's fields in and, after OK, back.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/RulesDialogs.h"

class CBowlingDoc;

class CHandicapDetailsDlg : public CDialog
{
public:
    enum { IDD = IDD_HANDICAP_DETAILS };
    explicit CHandicapDetailsDlg(CBowlingDoc* pDoc, CWnd* pParent = nullptr);

    CBowlingDoc* m_pDoc;  // read for players per team and rounds only

    // Rows 0 combined, 1 men, 2 women, 3 juniors; m_bRow[0] is "one rule for all".
    int m_bRow[4] = {};
    int m_nPercent[4] = {};
    int m_nBasis[4] = {};
    int m_nMax[4] = {};
    int m_bApplyMax[4] = {};
    int m_bApplyMin[4] = {};
    int m_nMin[4] = {};

    int m_bTeamHandicaps = 0;
    int m_bZeroBasedPctDiff = 0;
    int m_bRound1Scratch = 0;
    int m_bDrop5 = 0;
    int m_nDrop5Games = 0;
    int m_nDrop5MaxPins = 0;
    int m_nEnteringAvgGames = 0;
    int m_nEnteringAvgCutoff = 0;
    int m_nRecalcFrequency = 1;
    int m_nFloatingAvgSeries = 1;
    int m_nGamesBeforeHandicap = 0;
    int m_bTruncatedRollingAvg = 0;
    int m_nRollingAvgGames = 0;
    int m_bFullAverageForHiAvg = 0;
    int m_bPlayingAvgForMostImproved = 0;
    int m_bShowNegativeMostImproved = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void UpdateControls();
    void Enable(UINT nID, BOOL bEnable);
    void Show(UINT nID, BOOL bShow);
    void OnCombined();
    void OnTeamEnabled();
    void OnZeroBased();
    void OnUseCombined();
    void OnKillfocusCutoff();
    DECLARE_MESSAGE_MAP()
};
