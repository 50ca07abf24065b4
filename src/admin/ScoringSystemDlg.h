#pragma once
// The two points systems' dialogs, "Handicap Scoring System" and "Scratch Scoring System":
// one implementation, each system a class of its own with its own template. Points show in
// whole points here; the runners (CBowlingDoc::EditHandicapScoring, EditScratchScoring) halve
// the stored half points on the way in and double them on the way out.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/RulesDialogs.h"

class CBowlingDoc;

class CScoringSystemDlg : public CDialog
{
public:
    CScoringSystemDlg(UINT nIDD, BOOL bHandicap, CBowlingDoc* pDoc, CWnd* pParent = nullptr);

    CBowlingDoc* m_pDoc;  // read for games per match, players per team and bonus points
    BOOL m_bHandicap;

    int m_bIndividual = 0;
    int m_bTeam = 0;
    int m_nIndividualGame[4] = {};
    int m_nTeamGame[4] = {};
    int m_nIndividualSeries = 0;
    int m_nTeamSeries = 0;
    int m_bCycleOpponent = 0;
    int m_bMostWinsCountsPoints = 0;
    int m_bBlindCannotWin = 0;
    // Pinfall points: the "Enabled " box, games 1-4 and [4] the series.
    int m_bPetersen = 0;
    int m_bPetersenColumn[5] = {};
    int m_nPinsPerPoint[5] = {};
    int m_nRemainderMode = 0;  // 1: "Score remaining pins as a pct of 1 point."

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void UpdateFigures();
    void Enable(UINT nID, BOOL bEnable);
    int EditValue(UINT nID) const;
    void OnIndividual();
    void OnTeam();
    void AfterRowClick();
    void OnPetersenEnabled();
    void OnPetersenSeries();
    void OnRemainderHundredths();
    void OnRemainderPercent();
    void OnKillfocusPoints();
    void OnKillfocusSeriesPins();
    DECLARE_MESSAGE_MAP()
};
