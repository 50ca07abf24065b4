#pragma once
// CTeam: one team of the league: its name, number, roster in playing order and flags.
// Figure sets indexed [2] use the pass selector's values: [0] scratch, [1] handicap.
#include "framework/core/Collections.h"
#include "framework/core/Geometry.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CArchive;
class CBowlingDoc;

class CTeam : public CObject
{
    DECLARE_SERIAL(CTeam)
public:
    CTeam();
    CTeam(const char* pszName, WORD nTeamNo);

    void CopyFrom(const CTeam& other); // stored fields only
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CTeam& other) const;

    BOOL IsRemoved() const { return m_bRemoved != 0; }
    BOOL IsBye() const { return m_bBye != 0; }
    // Folded, and its last scored round lies before nRound.
    BOOL IsFoldedBefore(BYTE nRound) const;
    int GetOrderCount() const { return static_cast<int>(m_arrTeamOrder.GetSize()); }
    WORD GetOrderAt(int i) const { return m_arrTeamOrder[i]; }
    BOOL HitTest(CPoint pt) const;
    void ClearHitRects() { m_arrNameRects.RemoveAll(); }
    void AddHitRect(const CRect& rc) { m_arrNameRects.Add(rc); }

    // --- stored ----------------------------------------------------------------------
    CBowlingDoc* m_pDoc;          // set by whoever adds the team to the document
    CString m_strName;
    WORD m_nTeamNo;
    WORD m_nCaptain;              // player number, 0 = none
    BYTE m_nDivision;             // 0 = none
    CWordArray m_arrTeamOrder;    // player numbers in playing order; its size is the roster
    DWORD m_bRemoved;             // taken out by Reduce League Size
    DWORD m_bOmitHiTeamStats;     // "Vacancy (Omit from Hi Team Stats)"
    DWORD m_bOmitStandings;       // "Vacancy (Omit from Standings)"
    DWORD m_bBye;                 // a BYE team's matches are not played
    DWORD m_bFolded;
    BYTE m_nScoreToRound;         // last scored round of a folded team ("Score to Week")
    DWORD m_bDeductFromOpponents;
    BYTE m_nVacancyStartRound;    // 0 = not a vacancy-filled team
    WORD m_nStartPointsWon;       // league points units
    WORD m_nStartPointsLost;
    LONG m_nArrears;              // cents

    // --- positions and figures of the recalculation (not stored) ----------------------
    WORD m_nScrPosition;          // scratch standings position
    WORD m_nHcpPosition;          // handicap standings position
    WORD m_nRankPosition;         // written by the last team ranking
    WORD m_nHiRank[4];            // high game scr, high game hcp, high series scr, hcp
    WORD m_nGames[2];             // team games
    DWORD m_nPins[2];             // [0] scratch pins of the scratch pass, [1] handicap pins
    DWORD m_nHcpScrPins;          // scratch pins kept with the handicap pass
    int m_nPoints[2];             // league points of each pass
    int m_nPointsWon[2];
    int m_nPointsLost[2];
    int m_nCombinedWon;           // combined standings
    int m_nCombinedLost;
    int m_nTotalPoints;           // the combined ranking's total
    int m_nPyramidWon[2];
    int m_nPyramidLost[2];
    int m_nGamesWon[2];           // half units
    int m_nGamesLost[2];
    WORD m_nDrawn[2];
    DWORD m_nOppPins[2];
    DWORD m_nOppGames[2];
    WORD m_nBlindGames[2];        // blind games counted in each pass
    double m_dAverage[2];         // kept by the two average rankings
    WORD m_nHighGame[2];
    WORD m_nHighSeries[2];
    // Team games of each set bowled before the split whose standings count (0 when the whole
    // season counts).
    WORD m_nGamesBeforeSplit[2];

    void ResetFigures();
    // Begins the standings figures of one set again (points, pyramid points, games, pins,
    // games won and lost, draws, opponents' pins) for a split that starts afresh.
    void RestartStandings(int nSet);

    // ==== standings (BowlingDocStandings.cpp) ====
    // The team's figure for a standings criterion, of the set the pass selector picks:
    // 0 total points, 1 points won, 2 percentage won x 100, 3 scratch pinfall, 4 average
    // x 1000, 5 games, 6 pins, 8 combined percentage; others 0. With divisions on,
    // (divisions - division) x 1000000 is added.
    LONGLONG GetStandingsValue(BYTE nCriterion) const;
    LONGLONG GetDivisionWeight() const; // (divisions - division), 0 without divisions
    // ==== end ====

    // Orders of SortPlayerOrder: the league's floating-substitutes order byte.
    enum : BYTE { ORDER_BY_AVERAGE = 1, ORDER_BY_NAME = 2 };
    // Sorts the team order: highest average first (handicap average in a handicap league), or
    // by surname then first name. Ties keep their order, numbers that name no bowler go last,
    // and any other order leaves the team order alone. Needs the document.
    void SortPlayerOrder(BYTE nOrder);

    // ==== the player table's figures (PlayerTableFigures.cpp) ====
    // Moves the real bowlers (no robot rule) of the team order in front of the others,
    // keeping their order, by exchanges that also reorder the robots behind them; returns how
    // many real bowlers there are. A number that names no bowler counts as not real.
    int PackActivePlayers();
    // ==== end ====

private:
    CArray<CRect> m_arrNameRects;
};
