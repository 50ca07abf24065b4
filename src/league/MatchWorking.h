#pragma once
// What a scoresheet works for one match, held here so that the scoresheet and the rework of
// later matches ask one rule: the figures in force on each side's day, every cell's handicap
// and average, the blind, vacancy and defaulted games' scores, a new bowler's first-match
// figures, the team handicaps and the points. It writes the fixture only; the scoresheet
// mirrors what it wrote into its controls.
//
// CLaterMatches works again the matches whose figures a changed result moves: a match is scored
// on what was bowled before its own day, never on the order its results were typed.
#include "framework/core/String.h"
#include "framework/core/Time.h"
#include "framework/core/Types.h"

#include <optional>
#include <vector>

class CBowlingDoc;
class CFixture;
class CPlayer;

// The league's figures as they stood at one match, kept while the matches that share them
// are worked one after the other, so that they are worked once: those of a round and a day (the
// same games bowled before it, CBowlingDoc::CBowledBefore). A match's own sides are left out of
// its figures, so a match with a side bowled before the day shares them with no other. Working
// a match moves a few of them (its teams' blind games, a new bowler's first-match figures):
// they are put back before the next match takes them.
class CHeldFigures
{
public:
    explicit CHeldFigures(CBowlingDoc& doc) : m_doc(doc) {}
    // The figures CBowlingDoc::RecalculateFixture would work for the match to the date are
    // those kept.
    bool Holds(const CFixture& match, CTime date) const;
    // The league's figures, just worked for the match to the date, are kept.
    void Keep(const CFixture& match, CTime date);
    // The kept figures back into the league.
    void Restore();

private:
    CBowlingDoc& m_doc;
    bool m_bHeld = false;
    int m_nRound = 0;
    CTime m_dayStart;
    bool m_bDueDay = false;
    const CFixture* m_pMatch = nullptr;
    bool m_bOwnSideBefore = false; // a side of m_pMatch bowled before the day
    struct CBowlerFigures
    {
        CPlayer* pPlayer;
        WORD nAverage;
        int nHandicap;
    };
    std::vector<CBowlerFigures> m_bowlers;
    std::vector<WORD> m_teamBlindGames; // two a team, in the team list's order
};

class CMatchWorking
{
public:
    // The match on which it works: the scoresheet's bowlers a side (1..5) and the systems it
    // scores. Each side's day starts as the day it bowled.
    void Bind(CBowlingDoc* pDoc, CFixture* pFixture, int nPositions, BOOL bHandicap, BOOL bScratch);

    // The systems a match scores: a position-round match counts in one system only, unless
    // the league scores those matches both ways.
    static void ScoringSystems(const CBowlingDoc& doc, const CFixture& f, BOOL& bHandicap, BOOL& bScratch);
    // A team that folded before the match's round gives every game of the league away.
    static void DefaultFoldedSides(CBowlingDoc& doc, CFixture& f);

    // The league's figures as they stood when a side bowled on the date.
    void FiguresInForce(CTime date);
    // The figures of a side's own day, worked again only when the league holds another day's,
    // and its team's blind games as they stood on it.
    void FiguresOfSide(int nSide);
    // Fills in what follows from the line-up and the flags: blind scores and handicaps, the
    // handicap and average of every bowled cell, the teams' blind counters. Each side on the
    // figures in force on its own day.
    void Recalculate();
    // A defaulted game's rule for one side and game (0..3) in the fixture: the robots' blind
    // places when the league plays against robot scores, else empty cells; unticked, the
    // robots' places go.
    void MarkDefaultedGame(int nSide, int nGame, BOOL bDefaulted);
    // The score and handicap a vacancy or robot put into a position's game would be worked with,
    // on the match as it stands (its opponent's cell, the side's defaulted games), so that a
    // dialog choosing it can show them; the match is not changed.
    struct CCellFigures
    {
        int nScore = 0;
        int nHandicap = 0;
    };
    CCellFigures RobotGameFigures(int nSide, int nPos, int nGame, CPlayer* pRobot) const;

    // Which systems' points WorkPoints gave.
    struct CPointsWorked
    {
        bool bHandicap = false;
        bool bScratch = false;
    };
    // The points once both sides are in, in each system the match scores, after the new
    // bowlers' figures and the team handicaps that come first; the singles sheet also gives
    // its scratch points before both are in. Until both are in the match holds no points. The
    // team averages and handicaps on every call.
    CPointsWorked WorkPoints();

    // A match with both results, as its scoresheet works it when it is opened and closed with
    // OK and nothing changed; never a question.
    void WorkPlayedMatch();

    CBowlingDoc* GetDoc() const { return m_pDoc; }
    CFixture* GetFixture() const { return m_pFixture; }

    // Each side's day: its date played, or the day its match was due.
    CTime m_timePlayed[2];
    // Each side's team blind games as they stood on the side's day, and that day.
    WORD m_nBlindGames[2][2] = {};
    std::optional<CTime> m_blindGamesDay[2];
    // The day whose figures the league holds while the match is worked.
    std::optional<CTime> m_figuresDay;
    // The figures shared with other matches worked in the same run; null for one match alone.
    CHeldFigures* m_pHeld = nullptr;

private:
    // A side's cells that read the other side's final cells: its vacancy and defaulted games
    // scored on the opponent's score or average, its blind games on the opponent's handicap.
    void RecalculateOpponentCells(int nSide);
    void RecalculateSide(int nSide);
    // The average a vacancy's rule gives its cell in a game its side defaulted without robot
    // scores, which scores nothing.
    void RecordScorelessRobotAverage(int nSide, int nPos, int nGame);
    void WorkPassPoints(int nPass);
    CTime SideDay(int nSide) const { return m_timePlayed[nSide]; }
    // The bowler of a slot, by link or by number; null when the slot has none.
    CPlayer* SlotPlayer(int nGame, int nSlot) const;
    int LeagueGames() const;
    BYTE DefaultedFlag(int nSide, int nGame) const;
    bool IsSingles() const { return m_nPositions == 1; }

    CBowlingDoc* m_pDoc = nullptr;
    CFixture* m_pFixture = nullptr;
    int m_nPositions = 1;
    BOOL m_bHandicapScoring = FALSE;
    BOOL m_bScratchScoring = FALSE;
};

// The matches a change of results moves. Each match about to change is noted as it stands;
// Rework then works again, in date order, exactly as its scoresheet would on OK with nothing
// changed, every other match with both results whose figures in force count a side of a changed
// match, as it was or as it is now, or no longer count the sides they counted. A noted match
// changes when what other matches' figures read of it changes (CFixture::IsBowledAs): its
// results entered, its round, bowlers, scores, marks or defaulted games; one whose days alone
// moved counts for others only where their figures count it on one side of the move and not
// on the other (CBowlingDoc::CBowledBefore), so a season moved whole works nothing again.
// Nothing is asked, and the league's figures are left to be recalculated.
class CLaterMatches
{
public:
    explicit CLaterMatches(CBowlingDoc& doc);
    ~CLaterMatches();
    CLaterMatches(const CLaterMatches&) = delete;
    CLaterMatches& operator=(const CLaterMatches&) = delete;
    // A match its scoresheet is about to open: the scoresheet works the match itself.
    void Note(CFixture& match);
    // Every match, before a change no scoresheet works (the dates, a re-paired round): a match
    // that changed otherwise than in its days is worked again for its own sake, as is one with
    // both results that was not in the season.
    void NoteAll();
    // The matches worked again that came out otherwise as the league scores them
    // (CFixture::IsScoredAs): a match worked again to the figures it held is not counted.
    int Rework();
    // How many matches the last Rework worked again, changed or not.
    int GetWorked() const { return m_nWorked; }
    // Rework, the league recalculated, and the secretary told once how many later matches
    // were worked again (nothing is said when none was).
    int ReworkAndRecalculate();
    // The same, the league recalculated only when a match was worked again.
    int ReworkAndTell();
    // What the secretary is told.
    static CString NoticeText(int nReworked);

private:
    struct CNoted; // a match as it stood, and whether its scoresheet works it
    void NoteMatch(CFixture& match, bool bWorked);

    CBowlingDoc& m_doc;
    std::vector<CNoted> m_noted;
    int m_nWorked = 0;
    bool m_bAll = false; // every match noted: a match not noted is new
};
