#pragma once
// The scoresheet: the modal dialog in which the secretary enters one match. It edits the live
// fixture and the league at once (the launcher keeps what Cancel restores: the match, and the
// awards and bowlers its buttons add). There is one class per
// team size (FivesScoresheetDlg.h ... SinglesScoresheetDlg.h); they share this implementation,
// which reads the size's controls from a table, and differ only in the dialog template, the
// number of positions and the singles sheet's own rows.
#include "framework/core/Time.h"
#include "framework/ui/Dialog.h"
#include "league/Fixture.h"
#include "league/MatchWorking.h"

class CBowlingDoc;
class CFixture;
class CPlayer;

constexpr int SCORESHEET_MAX_POSITIONS = 5;

// What the New Player button runs: the Player menu's Add a New Player (tests put their own).
extern int (*g_pfnScoresheetAddNewPlayer)(CBowlingDoc* pDoc);

class CScoresheetDlg : public CDialog {
public:
    CScoresheetDlg(UINT nIDTemplate, int nPositions, CWnd* pParent = nullptr);

    int GetPositions() const { return m_nPositions; }
    BOOL IsSingles() const { return m_nPositions == 1; }

    // Fills in what follows from the line-up and the flags (the match's working: blind scores
    // and handicaps, the handicap of every bowled cell, the teams' blind counters) and which
    // cells take a typed score.
    void Recalculate();
    // Derives everything the sheet shows from the fixture (Played ticks, dates, points,
    // series, totals) and puts it into the controls.
    void RefreshDisplay();
    // The rule for a defaulted game of one side (0 = A) and game (0..3).
    void ApplyDefaultedGame(int nSide, int nGame, BOOL bDefaulted);
    // Whether m_szScoreText holds a whole score, so the focus may move on by itself.
    BOOL ScoreComplete();
    // The part of the opening that may run again (after New Player): the player lists,
    // the statistics as at the match, the recalculation and the display.
    void ReinitialisePlayers();

    // --- exchanged with the controls ---
    CEdit m_editScoreA[SCORESHEET_MAX_POSITIONS][4];
    CEdit m_editScoreB[SCORESHEET_MAX_POSITIONS][4];
    CComboBox m_comboPlayerA[SCORESHEET_MAX_POSITIONS];
    CComboBox m_comboPlayerB[SCORESHEET_MAX_POSITIONS];
    UINT m_nScoreA[SCORESHEET_MAX_POSITIONS][4] = {};
    UINT m_nScoreB[SCORESHEET_MAX_POSITIONS][4] = {};
    CString m_strPlayerA[SCORESHEET_MAX_POSITIONS], m_strPlayerB[SCORESHEET_MAX_POSITIONS];
    CString m_strTeamA, m_strTeamB;
    CString m_strHcpA[SCORESHEET_MAX_POSITIONS], m_strHcpB[SCORESHEET_MAX_POSITIONS];
    CString m_strSeriesA[SCORESHEET_MAX_POSITIONS], m_strSeriesB[SCORESHEET_MAX_POSITIONS];
    CString m_strHcpSeriesA[SCORESHEET_MAX_POSITIONS], m_strHcpSeriesB[SCORESHEET_MAX_POSITIONS];
    CString m_strScratchTotalA[4], m_strScratchSeriesA, m_strScratchTotalB[4], m_strScratchSeriesB;
    CString m_strHandicapA[4], m_strHandicapSeriesA, m_strHandicapB[4], m_strHandicapSeriesB;
    CString m_strHcpTotalA[4], m_strHcpTotalSeriesA, m_strHcpTotalB[4], m_strHcpTotalSeriesB;
    CString m_strScratchPointsA, m_strHandicapPointsA, m_strScratchPointsB, m_strHandicapPointsB;
    CString m_strStatus;
    CString m_strDatePlayedA, m_strDatePlayedB;
    int m_bPlayedA = FALSE, m_bPlayedB = FALSE;
    int m_bAutoTab = FALSE;
    int m_bDefaultedA[4] = {}, m_bDefaultedB[4] = {};

    // --- set by the launcher ---
    CFixture* m_pFixture = nullptr;
    CBowlingDoc* m_pDoc = nullptr;
    BOOL m_bHandicapScoring = FALSE;
    BOOL m_bScratchScoring = FALSE;

    // --- kept by the opening ---
    BOOL m_bScoresCompleteA = FALSE, m_bScoresCompleteB = FALSE;
    // What the sheet works for its match, which it mirrors into its controls.
    CMatchWorking m_working;
    // Each side's day, and its team's blind games as they stood on it: the working's.
    CTime& m_timePlayedA = m_working.m_timePlayed[0];
    CTime& m_timePlayedB = m_working.m_timePlayed[1];
    WORD (&m_nBlindGamesA)[2] = m_working.m_nBlindGames[0];
    WORD (&m_nBlindGamesB)[2] = m_working.m_nBlindGames[1];
    char m_szScoreText[8] = {};

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    void OnKillFocusScore(UINT nID);
    void OnChangeScore(UINT nID);
    void OnSetFocusScore(UINT nID);
    void OnSelChangePlayer(UINT nID);
    void OnDefaulted(UINT nID);
    void OnAutoTabScores();
    void OnPlayedA() { OnPlayed(0); }
    void OnPlayedB() { OnPlayed(1); }

    // The command buttons (ScoresheetCommands.cpp).
    void OnChangeDatePlayedA() { OnChangeDatePlayed(0); }
    void OnChangeDatePlayedB() { OnChangeDatePlayed(1); }
    void OnSubsA() { OnSubs(0); }
    void OnSubsB() { OnSubs(1); }
    void OnBlindsA() { OnBlinds(0); }
    void OnBlindsB() { OnBlinds(1); }
    void OnExcludeButton(UINT nID);
    void OnExcludeA() { OnExclude(0); }
    void OnExcludeB() { OnExclude(1); }
    void OnAwards();
    void OnNewPlayer();
    void OnPoints();

    DECLARE_MESSAGE_MAP()

private:
    // The one-time part of the opening: column layout, handicap controls, last round's
    // line-up, the Defaulted boxes and the dates played.
    void InitLayout();
    // Whether a side's scores were in when the sheet opened, so that RefreshDisplay does not
    // tick it by itself: from its result, or from the scores typed for its bowlers.
    BOOL ScoresInWhenOpened(int nSide) const;
    // What the working wrote that the controls show: a blind, vacancy or defaulted cell's
    // score, and which cells take a typed score.
    void MirrorWorkedCells();
    void ArrangeGameColumns(int nGames);
    void HideHandicapControls(BOOL bAll);
    void RemoveControl(UINT nID);
    void MoveControlX(UINT nID, int nNewX);
    void RepeatLastRoundOrder(int nSide);
    void FillPlayerCombos(int nSide);
    void OnPlayed(int nSide);
    void MarkPlayed(int nSide);
    void OnChangeDatePlayed(int nSide);
    void OnSubs(int nSide);
    void OnBlinds(int nSide);
    void OnExclude(int nSide);
    // The player lists again, after a substitute has come in.
    void RefillPlayerCombos();

    // Score cell of a control id, or false.
    bool FindCell(UINT nID, int& nSide, int& nPos, int& nGame) const;
    UINT CellID(int nSide, int nPos, int nGame) const;
    UINT& ScoreMember(int nSide, int nPos, int nGame) { return nSide == 0 ? m_nScoreA[nPos][nGame] : m_nScoreB[nPos][nGame]; }
    // The bowler of a slot, by link or by number; null when the slot has none.
    CPlayer* SlotPlayer(int nGame, int nSlot) const;
    int LeagueGames() const;
    BOOL UsesTeamHandicaps() const;
    // Stores the typed cells into the fixture after a successful exchange.
    void StoreTypedScores();
    // The next tab stop after a control (tab stops only, visible and enabled, wrapping).

    int m_nPositions;
    // The match as it stood when the sheet opened: the questions its results answered then.
    CFixture m_opened;
    bool m_bTyped[2][SCORESHEET_MAX_POSITIONS][4] = {};  // edited since last stored
    // A game's scores as they were when its Defaulted box was ticked, back if it is unticked.
    WORD m_nScoreBeforeDefault[2][SCORESHEET_MAX_POSITIONS][4] = {};
};
