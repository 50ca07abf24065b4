#pragma once
// CPlayer: one bowler of the league, with the season's accumulated figures.
//
// The stored part is who the bowler is and the settings the secretary gave; everything
// under "accumulated" is rebuilt by the recalculation after every load and is not stored.
// Figure sets indexed [2] use the pass selector's values: [0] scratch, [1] handicap.
#include "framework/core/Collections.h"
#include "framework/core/Geometry.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"
#include "league/SharedDetails.h"

#include <memory>

class CArchive;
class CBowlingDoc;
class CFixture;

// Bits of CPlayer::m_wFlags.
enum PlayerFlag : WORD
{
    PF_JUNIOR = 0x01,
    PF_FEMALE = 0x02,
    PF_MALE = 0x04,
    PF_CATEGORY_MASK = 0x07,
    PF_RESIGNED = 0x08,
    PF_NO_ENTERING_GAMES = 0x40, // "Do NOT apply 'Games with Entering Average'"
    PF_NOT_FLOATING_SUB = 0x80,
    PF_TEAM_RESERVE = 0x100,
    // What a league decides about the bowler, not who he is: never taken from the player
    // database's record, which another league may have written.
    PF_LEAGUE_OWN = PF_RESIGNED | PF_NO_ENTERING_GAMES | PF_NOT_FLOATING_SUB | PF_TEAM_RESERVE,
};

// The details the player database's record shares with other leagues are CSharedDetails'.
class CPlayer : public CObject, public CSharedDetails
{
    DECLARE_SERIAL(CPlayer)
public:
    CPlayer();
    explicit CPlayer(WORD nPlayerNo);

    // Copies the stored fields (identity, contact details, settings), not the figures.
    void CopyFrom(const CPlayer& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CPlayer& other) const; // every stored field equal

    // --- small queries -------------------------------------------------------------
    bool IsRobot() const { return m_nRobot != 0; }
    bool IsResigned() const { return (m_wFlags & PF_RESIGNED) != 0; }
    BOOL IsFloatingSub() const;
    // The bowler as a refusal of a league file names him: "bowler 17 (Ann Lee)".
    CString GetFilePlace() const;
    // A bowler read from a league file is made to hold only what a bowler may (SharedDetails.h),
    // his details and those known of his record for a change waiting for it; each mend is noted
    // for the read's notice, naming him. A detail mended waits for his record no longer.
    void MendReadDetails();
    void GetCategoryName(CString& strName) const;
    int CountAddressLines() const;
    int CountPhoneNumbers() const;
    // Builds m_strName from the two names in the league's order.
    void MakeDisplayName(BOOL bSurnameFirst);
    // The age figure at a date (one more than the completed age except on the birthday);
    // 0 when any part of the birth date is missing, or he was born after the date.
    int JuniorAge(int nYear, int nMonth, int nDay) const;
    // The entering average in tenths; with FALSE 0 when switched off for this bowler or
    // for the league (past the cut-off round).
    WORD GetEnteringAverage(BOOL bAlways) const;
    // As GetEnteringAverage(FALSE) in a round: 0 past the league's cut-off round, whatever
    // the current round (nRound 0: as the league stands now).
    WORD GetEnteringAverageInRound(int nRound) const;
    void SetEnteringAverage(WORD nTenths);
    // The name rectangles recorded by drawing code (twips).
    BOOL HitTest(CPoint pt) const;
    void ClearHitRects() { m_arrNameRects.RemoveAll(); }
    void AddHitRect(const CRect& rc) { m_arrNameRects.InsertAt(0, rc); }

    // --- stored ----------------------------------------------------------------------
    CBowlingDoc* m_pDoc;        // set by the document when it adopts the player

    WORD m_nPlayerNo;           // key; 0 finds nobody
    WORD m_nPin;
    DWORD m_dwDbKey;            // player-database key, 0 = not linked
    // The stamp of his record (Playb003File.h): the record under m_dwDbKey is his only when it
    // carries this stamp. 0 while not known (a link of an older league file). Kept in the league
    // file's own part, not in the bowler's body.
    ULONGLONG m_qwDbStamp = 0;
    // What his copy here was last in step with, and when the league typed its values. Kept in the
    // league file's own part, not in the bowler's body.
    CDbInStep m_dbInStep;
    WORD m_nTeamNo;             // 0 = no team; reset from the team orders after a load
    BYTE m_nRobot;              // 0 real bowler, 1..4 the vacancy/robot rule
    BYTE m_nCategory;           // 0 none, 1 A, 2 B, 3 C

    CString m_strName;          // display name, in the league's name order

    WORD m_nEnteringAvg;        // tenths of a pin
    WORD m_nCurEnteringAvg;     // tenths
    WORD m_nEnteringGames;      // games and pins kept for the entering average
    WORD m_nEnteringPins;
    WORD m_nMostImprovedBase;   // tenths; 0 = use the entering average
    DWORD m_bShortSeason;
    DWORD m_bNotEligibleMostImproved;
    DWORD m_bRollingAvg;        // averages over the rolling window; follows the league's rule
    int m_nHandicap;            // current handicap
    WORD m_nAverage;            // current average figure (whole pins) copied into fixtures
    LONG m_nArrears;            // cents
    // A linked bowler's shared details changed here that his record has not taken yet; null
    // when none wait. Kept in the league file's own part, not in the bowler's body.
    std::unique_ptr<CDbPending> m_pDbPending;

    // --- accumulated by the recalculation (not stored) ---------------------------------
    // Pins and games are 32-bit: a long five-pin or handicap season passes 65535.
    DWORD m_nGames[2];
    DWORD m_nPins[2];           // scratch pins of each set
    DWORD m_nHcpPins;           // pins with handicap of the handicap set
    DWORD m_nWins[2];           // half wins
    DWORD m_nGamesOverAvg[2];
    WORD m_nBestGame[2][4];     // best game N of a match
    WORD m_nHighGame[2];
    WORD m_nHighSeries[2];
    WORD m_nHighGame2[2];       // the "second" figures
    WORD m_nHighSeries2[2];
    WORD m_nBlindGames[2];      // blind games counted in each pass
    // Games of each set bowled before the split whose high scores count (0 when the whole
    // season counts); the high-score minimum games are met by the games after them.
    DWORD m_nGamesBeforeSplit[2];
    DWORD GetHighScoreGames(int nSet) const { return m_nGames[nSet] - m_nGamesBeforeSplit[nSet]; }
    CWordArray m_arrRolling[2]; // game pins of the rolling windows
    double m_dRankAverage;      // kept by RankPlayersByAverage
    DWORD m_nVenuePins[32];
    short m_nVenueGames[32];
    int m_nAvgBusterSeason;
    int m_nAvgBusterRound;
    int m_nAvgBusterSeasonGames; // games scored: a bowler without one is in neither table
    int m_nAvgBusterRoundGames;
    WORD m_nAvgBusterSeasonRank;
    WORD m_nAvgBusterRoundRank;
    DWORD m_nRank;              // written by every player ranking
    WORD m_nHighRank[4];        // own rank: high game scr, high game hcp, high series scr, hcp
    DWORD m_nListNo;
    BYTE m_bCountedInTeamTotal;
    WORD m_nAwardCount;
    DWORD m_dwListedAwards;
    DWORD m_nJuniorCategory;    // 0 = none; set by AssignJuniorCategories
    CString m_strJuniorCategory;
    DWORD m_nJuniorPosition;

    // One game of the average buster competition (src/admin/AverageBuster.cpp): the units of
    // pins over or under the match average, or the fixed points of a game over, on or under
    // it, added to the season total and, for a fixture of the current round, the round's; the
    // game counted in each.
    void AddAverageBusterGame(int nScore, const CFixture* pFixture, int nAverage);
    // Clears every accumulated figure above; of the stored part only the rolling-average
    // switch changes, set from the league's rule when the bowler belongs to one.
    void ResetFigures();

    // ==== averages and the blind game limit (PlayerAverages.cpp, BowlingDocPoints.cpp) =====
    // Pins / games of the set (rolling window when m_bRollingAvg); the entering average
    // stands in below nMinimumGames; with no games the ranking's average; the handicap set
    // keeps the drop-5 floor. Records the whole pins in m_nAverage.
    double GetAverage(BOOL bHandicapSet, WORD nMinimumGames = 0);
    // The pass selector's average less the most-improved base: with a rolling average the
    // season's, unless the league uses the playing average for most improved. Leaves
    // m_nAverage as it was.
    double GetImprovement();
    // The average (tenths) the improvement of the set is measured from: the bowler's own
    // base when the secretary gave one, else by the league's start point rule the entering
    // average, the average once the rule's games were bowled, or the entering average and
    // failing it the other; 0 while there is none.
    WORD GetMostImprovedBase(int nSet) const;
    // The higher of the two figures, or the first when the league leaves the second out.
    WORD GetHighGameScratch() const;
    WORD GetHighGameHcp() const;
    WORD GetHighSeriesScratch() const;
    WORD GetHighSeriesHcp() const;
    // Adds a bowled game to the set (0 scratch, 1 handicap): games, pins, pins with
    // handicap, the rolling window and the drop-5 established average (on the entering
    // average of the game's round; 0: as the league stands now).
    void RecordBowledGame(int nSet, int nScore, int nHandicap, int nRound = 0);
    // A real bowler who has reached the league's blind game limit in either pass: asks to
    // change him; TRUE on Yes.
    BOOL CheckBlindGameLimit();
    WORD m_nEstablishedAvg[2]{}; // drop-5: whole pins once established, 0 before; not stored
    WORD m_nImprovedStart[2]{};  // tenths, once the start point rule's games are bowled; not stored
    // ==== end of averages ====================================================================

    // ==== the player table's figures (PlayerTableFigures.cpp) ================================
    // The share of the games he could have bowled up to nRound that he did bowl, 0.0 to
    // 100.0: handicap-figure games when bHandicapGames is not 0, else scratch-figure games,
    // over games per match x his team's matches up to the round (BYE matches left out; a
    // floating substitute counts every round).
    double GetPctGamesPlayed(int bHandicapGames, int nRound) const;
    // ==== end of the player table's figures ==================================================

private:
    CArray<CRect> m_arrNameRects;
};
