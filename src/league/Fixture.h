#pragma once
// CFixture: one match of one round between two teams, with its line-ups, scores and points.
//
// Sides: 0 = side A (the first team), 1 = side B. Slots: each game has ten slots, 0-4 the
// positions of side A and 5-9 those of side B (SlotOf). Positions and games count from 0 in
// every argument. The copy constructor and operator= copy every member: result entry keeps a
// copy of the fixture to undo with.
#include "framework/core/Object.h"
#include "framework/core/Time.h"
#include "framework/core/Types.h"
#include "league/Player.h"

#include <algorithm>

class CArchive;
class CBowlingDoc;
class CRobot;
class CTeam;

constexpr int MAX_POSITIONS = 5;
constexpr int MAX_GAMES = 4;
constexpr int SLOTS_PER_GAME = 10;
constexpr int POINTS_ROWS = 7; // rows 0-4 positions, 5 the team, 6 the bonus row
constexpr int POINTS_COLS = 5; // games 1-4 and the series

// Bits of a position flag word (CFixture::m_dwPosFlags) for game g counted from 0.
constexpr DWORD PosNonQual(int g) { return 0x10u << g; }   // absent, non-qualifying
constexpr DWORD PosBlind(int g) { return 0x100u << g; }
constexpr DWORD PosExcluded(int g) { return 0x1000u << g; } // from high game and series
constexpr DWORD PosPacer(int g) { return 0x10000u << g; }  // bowled by a substitute
constexpr DWORD POS_ANY_MARK = 0xFFFF0u;                    // any of them, in any game
// Bit of a defaulted-games mask for game g counted from 0: 8 game 1 ... 1 game 4.
constexpr BYTE DefaultedBit(int g) { return static_cast<BYTE>(8u >> g); }

// One game of one position as the bowlers' figures take it (CFixture::GetBowledGame).
struct CBowledGame
{
    // Who bowled it: the pacer in a pacer game, else the position's bowler; null when no
    // bowler did (defaulted, blind without a pacer, a robot or vacancy, nobody set). A Non Qual
    // game was bowled, but counts for nothing.
    CPlayer* pBowler = nullptr;
    int nScore = 0;    // his score, his handicap and the match average he was scored with
    int nHandicap = 0;
    int nAverage = 0;
    bool bPacer = false;
    bool bCounts = false;      // for his games, pins, averages, awards and competitions
    bool bHighFigures = false; // and for his high game and series: not excluded from them
    // The game's marks, whoever bowled it.
    bool bBlind = false;
    bool bNonQual = false;
    bool bDefaulted = false;
    bool IsMarked() const { return bBlind || bNonQual || bDefaulted; }
    // The game as the reports rank it: 0 scratch, 1 with handicap, 2 over his match average.
    int Value(int nBasis) const { return nScore + (nBasis == 1 ? nHandicap : nBasis == 2 ? -nAverage : 0); }
};

// A bowler's series at one position: every game of the match his and counting for him.
struct CBowledSeries
{
    CPlayer* pBowler = nullptr; // null: no one bowler has a series there
    int nScratch = 0;
    int nHandicap = 0;          // with his handicaps
    int nAverages = 0;          // the match averages of his games, summed
    bool bHighFigures = false;  // no game of the position excluded from the high figures
    int Value(int nBasis) const { return nBasis == 1 ? nHandicap : nBasis == 2 ? nScratch - nAverages : nScratch; }
};

class CFixture : public CObject
{
    DECLARE_SERIAL(CFixture)
public:
    CFixture();
    CFixture(int nRound, int nTeamA, int nTeamB, int nPlayersPerSide);
    CFixture(const CFixture& other);
    CFixture& operator=(const CFixture& other);

    void Serialize(CArchive& ar) override;
    // Every stored field equal (pointers and the bowler-index scratch space are not compared).
    bool IsSameAs(const CFixture& other) const;
    // The same match as the league scores it: its round, teams and due day, each side's result
    // and day and the games it defaulted, and of each game the league bowls at each of the
    // match's places who bowled it, its marks, score, handicap and average (a paced game's with
    // its pacer's), the team averages and handicaps, and the points. A figure held in a game the
    // league does not bowl or a place the match does not have is read by nobody: what an older
    // build left there is no difference.
    bool IsScoredAs(const CFixture& other) const;
    // The same match as the figures in force at other matches count it: IsScoredAs but for
    // what the figures give the match (handicaps, averages, blind and vacancy scores, points).
    bool IsBowledAs(const CFixture& other) const;

    static int SlotOf(int nSide, int nPos) { return nSide * MAX_POSITIONS + nPos; }

    // --- line-ups ----------------------------------------------------------------------
    BOOL IsBye() const;
    // A position-round match whose teams the standings have not given yet.
    bool IsUnsetPositionMatch() const { return m_bPositionRound && (m_nTeamA == 0 || m_nTeamB == 0); }
    // Puts the bowler at the position for all four games (number, link, handicap, average),
    // clears the position's pacer and blind bits, keeps Non Qual; a robot is blind in every
    // game of the match (SetGamePlayer). Scores are untouched but a robot's, which goes with it.
    void SetPlayerSideA(int nPos, CPlayer* pPlayer) { SetPlayer(0, nPos, pPlayer); }
    void SetPlayerSideB(int nPos, CPlayer* pPlayer) { SetPlayer(1, nPos, pPlayer); }
    void SetPlayer(int nSide, int nPos, CPlayer* pPlayer);
    // Puts the bowler into one game of a slot (number, link, his current average) with the
    // score given; the handicap is the caller's. A vacancy or robot holds its game blind, by
    // whichever road it came: it bowls nothing and its rule scores the game. A game a vacancy
    // or robot gives back to a bowler loses that mark and the rule's score with it: the cell
    // keeps only a score other than the one it held, typed for the bowler.
    void SetGamePlayer(int nGame, int nSlot, CPlayer* pPlayer, WORD nScore);
    // The game blind when its bowler is a vacancy or robot (and the match has the game).
    void MarkRobotGame(int nGame, int nSlot);
    BOOL IsSameBowlerAllGamesSideA(int nPos) const { return IsSameBowlerAllGames(0, nPos); }
    BOOL IsSameBowlerAllGamesSideB(int nPos) const { return IsSameBowlerAllGames(1, nPos); }
    BOOL IsSameBowlerAllGames(int nSide, int nPos) const;
    // Every position has a score, or the game is defaulted, or the position is blind or
    // Non Qual in it, for every game up to the league's games per match.
    BOOL AreScoresComplete(BOOL bSideA) const;
    // A vacancy or robot holds a game the league bowls at one of the side's places.
    bool HoldsRobotGames(int nSide) const;
    BOOL HasDuplicateBowler() const;
    // The bowler bowled a game of the match (GetBowledGame's bowler, counting for his figures
    // or not): the pacer of a pacer game, never the absent bowler whose game he paced; a Non
    // Qual game's bowler too; never a blind bowler, nor anyone in a defaulted game.
    BOOL HasPlayerBowled(WORD nPlayerNo, BOOL bEnteredOnly) const;
    BOOL HasPlayerBowledSideA(WORD nPlayerNo, BOOL bEnteredOnly) const { return HasPlayerBowledSide(0, nPlayerNo, bEnteredOnly); }
    BOOL HasPlayerBowledSideB(WORD nPlayerNo, BOOL bEnteredOnly) const { return HasPlayerBowledSide(1, nPlayerNo, bEnteredOnly); }
    BOOL HasPlayerBowledSide(int nSide, WORD nPlayerNo, BOOL bEnteredOnly) const;
    // Bowlers beyond the first at the position; also records each game's bowler index.
    int CountBowlersAtPositionSideA(int nPos) { return CountBowlersAtPosition(0, nPos); }
    int CountBowlersAtPositionSideB(int nPos) { return CountBowlersAtPosition(1, nPos); }
    int CountBowlersAtPosition(int nSide, int nPos);
    int GetBowlerIndexSideA(int nGame) const { return GetBowlerIndex(0, nGame); }
    int GetBowlerIndexSideB(int nGame) const { return GetBowlerIndex(1, nGame); }
    int GetBowlerIndex(int nSide, int nGame) const;
    int CountSubstitutionsSideA(int nPos) const { return CountSubstitutions(0, nPos); }
    int CountSubstitutionsSideB(int nPos) const { return CountSubstitutions(1, nPos); }
    int CountSubstitutions(int nSide, int nPos) const;

    // --- scores ------------------------------------------------------------------------
    // The games a side defaulted while the league does not play against robot scores, as a
    // DefaultedBit mask: each scores 0 with handicap 0 in every total (its team game and
    // series, its handicap row, the points, the summaries), whatever its cells hold.
    BYTE GetScorelessGames(int nSide) const;
    bool IsScorelessGame(int nSide, int nGame) const
    {
        return static_cast<unsigned>(nGame) < MAX_GAMES && (GetScorelessGames(nSide) & DefaultedBit(nGame)) != 0;
    }
    // The handicap a side's game adds to its team score: its team handicap where the league has
    // them, else the handicaps of the positions that count in its team game; 0 for a scoreless
    // game and beyond the games per match.
    int GetGameHandicap(int nSide, int nGame) const;
    // The side's team score of a game (0 until entered, 0 beyond the games per match, 0 for a
    // scoreless game): its scratch pins plus, asked with handicap, GetGameHandicap.
    // The first argument is not read.
    int GetGameScore(int nSide, int nGame, BOOL bHandicap) const;
    int GetGame1ScoreSideA(int, BOOL bHcp) const { return GetGameScore(0, 0, bHcp); }
    int GetGame2ScoreSideA(int, BOOL bHcp) const { return GetGameScore(0, 1, bHcp); }
    int GetGame3ScoreSideA(int, BOOL bHcp) const { return GetGameScore(0, 2, bHcp); }
    int GetGame4ScoreSideA(int, BOOL bHcp) const { return GetGameScore(0, 3, bHcp); }
    int GetGame1ScoreSideB(int, BOOL bHcp) const { return GetGameScore(1, 0, bHcp); }
    int GetGame2ScoreSideB(int, BOOL bHcp) const { return GetGameScore(1, 1, bHcp); }
    int GetGame3ScoreSideB(int, BOOL bHcp) const { return GetGameScore(1, 2, bHcp); }
    int GetGame4ScoreSideB(int, BOOL bHcp) const { return GetGameScore(1, 3, bHcp); }
    int GetSeriesScore(int nSide, BOOL bHandicap) const;
    int GetSeriesScoreSideA(int, BOOL bHcp) const { return GetSeriesScore(0, bHcp); }
    int GetSeriesScoreSideB(int, BOOL bHcp) const { return GetSeriesScore(1, bHcp); }
    // Pins over bowled positions only (blind and Non Qual left out); 0 for a defaulted game.
    int GetGameBowled(int nSide, int nGame, BOOL bHandicap) const;
    int GetGame1BowledSideA(BOOL bHcp) const { return GetGameBowled(0, 0, bHcp); }
    int GetGame2BowledSideA(BOOL bHcp) const { return GetGameBowled(0, 1, bHcp); }
    int GetGame3BowledSideA(BOOL bHcp) const { return GetGameBowled(0, 2, bHcp); }
    int GetGame4BowledSideA(BOOL bHcp) const { return GetGameBowled(0, 3, bHcp); }
    int GetGame1BowledSideB(BOOL bHcp) const { return GetGameBowled(1, 0, bHcp); }
    int GetGame2BowledSideB(BOOL bHcp) const { return GetGameBowled(1, 1, bHcp); }
    int GetGame3BowledSideB(BOOL bHcp) const { return GetGameBowled(1, 2, bHcp); }
    int GetGame4BowledSideB(BOOL bHcp) const { return GetGameBowled(1, 3, bHcp); }
    int GetSeriesBowled(int nSide, BOOL bHandicap) const;
    int GetSeriesBowledSideA(BOOL bHcp) const { return GetSeriesBowled(0, bHcp); }
    int GetSeriesBowledSideB(BOOL bHcp) const { return GetSeriesBowled(1, bHcp); }
    // A position's cells over the games (with its handicaps unless the league has team
    // handicaps), a scoreless game counting 0.
    int GetPositionSeries(int nSide, int nPos, BOOL bHandicap) const;
    int GetPositionSeriesSideA(int nPos, BOOL bHcp) const { return GetPositionSeries(0, nPos, bHcp); }
    int GetPositionSeriesSideB(int nPos, BOOL bHcp) const { return GetPositionSeries(1, nPos, bHcp); }
    int GetPositionBowledSeries(int nSide, int nPos, BOOL bHandicap) const;
    int GetPositionBowledSeriesSideA(int nPos, BOOL bHcp) const { return GetPositionBowledSeries(0, nPos, bHcp); }
    int GetPositionBowledSeriesSideB(int nPos, BOOL bHcp) const { return GetPositionBowledSeries(1, nPos, bHcp); }
    int GetSubstituteSeries(int nSide, int nPos, BOOL bHandicap) const;
    int GetSubstituteSeriesSideA(int nPos, BOOL bHcp) const { return GetSubstituteSeries(0, nPos, bHcp); }
    int GetSubstituteSeriesSideB(int nPos, BOOL bHcp) const { return GetSubstituteSeries(1, nPos, bHcp); }
    // Position games of the side scored from nLow to nHigh (blind and Non Qual left out).
    int CountSeriesInRange(int nSide, int nLow, int nHigh) const;
    int CountSeriesInRangeSideA(int nLow, int nHigh) const { return CountSeriesInRange(0, nLow, nHigh); }
    int CountSeriesInRangeSideB(int nLow, int nHigh) const { return CountSeriesInRange(1, nLow, nHigh); }

    // Games per match of the league (the fixture's own count when it has no document). The
    // bound is inline so that every loop over the games is seen to stay inside the arrays.
    int GetLeagueGames() const { return std::clamp(GamesSetting(), 0, MAX_GAMES); }

    // The match as a refusal of a league file names it: "round 3, match 2".
    CString GetFilePlace() const;

    // A side's result marked entered or not. Its scores marker goes with it: the average
    // buster scores only marked sides.
    void SetPlayed(int nSide, bool bPlayed);
    // The day a side bowled: its date played, or the day the match was due while the side has
    // no result or no date of its own.
    CTime GetDayBowled(int nSide) const;
    // A side's result taken back (its Played box unticked and the scoresheet closed with OK):
    // the side holds nothing of it, as a side never entered holds nothing: no bowlers, scores,
    // marks, pacers or defaulted games, no team average or handicap, no date played of its own.
    // The match, without both results, has no points.
    void DeleteResult(int nSide);
    // A side without a result about to take its line-up afresh: the scores typed for its
    // positions stay, nothing else of an earlier entry does. A blind, vacancy, robot, paced,
    // Non Qual or defaulted game's score goes with its mark, and the side's pacers, defaulted
    // games and date played go too, so none of them comes back as a game someone bowled.
    // Nothing for a side with a result.
    void ClearLeftovers(int nSide);

    // Zeroes the points of one pass (0 scratch, 1 handicap): tables, totals, bonus, done flag.
    void ClearPoints(int nPass);

    // ==== scoring engine (Handicap.cpp, BowlingDocPoints.cpp) ================================
    // The bowler of a slot in a game: the link, else found by number. The link is read here,
    // inline: the recalculation asks for every slot of every match.
    CPlayer* GetSlotPlayer(int nGame, int nSlot) const
    {
        if (static_cast<unsigned>(nGame) < MAX_GAMES && static_cast<unsigned>(nSlot) < SLOTS_PER_GAME &&
            m_pPlayer[nGame][nSlot])
            return m_pPlayer[nGame][nSlot];
        return FindSlotPlayer(nGame, nSlot);
    }
    // The bowler of an unlinked slot, found by number; null out of range.
    CPlayer* FindSlotPlayer(int nGame, int nSlot) const;
    CTeam* GetSideTeam(int nSide) const;
    // Neither defaulted by the side nor blind or Non Qual for the position.
    BOOL IsBowledGame(int nSide, int nPos, int nGame) const;
    // The vacancy/robot rule a position's game is scored by: in a game the side defaulted while
    // the league plays against robot scores, the rule for defaulted matches; else the rule of a
    // vacancy or robot at the position. Null for a bowler's game.
    const CRobot* GetScoringRobot(int nSide, int nPos, int nGame) const;
    // The average a vacancy/robot rule gives a position's game, which it is scored on and which
    // its cell records: the flat score, or worked from the opposing game's average as that game
    // is scored. Facing robot scores that is their rule's average: a flat score, or 0 where
    // each rule rests on the other's average.
    int GetRobotAverage(const CRobot& rule, int nSide, int nPos, int nGame) const;
    // The pacer of a slot's game: the link, else found by number; null when not paced.
    CPlayer* GetPacer(int nGame, int nSlot) const;
    // A paced game that is neither blind nor Non Qual: its cell is the pacer's game, on his
    // figures. A blind or Non Qual cell beside a pacer stays its own bowler's, on his figures.
    bool IsCellPaced(int nGame, int nSlot) const
    {
        return (m_dwPosFlags[nSlot] & (PosPacer(nGame) | PosBlind(nGame) | PosNonQual(nGame))) == PosPacer(nGame);
    }
    // A pacer's game is bowled off his own figures: his current average and handicap become
    // the game's, and the cell's too (what the team average, the robot rules and the printed
    // sheets read) unless the game is blind or Non Qual, which keep their own. Nothing for a
    // game not paced.
    void SetPacerFigures(int nGame, int nSlot);
    // Who bowled a game of a position and whether it counts for him: the one answer every
    // statistic, report, competition and export takes (docs/scoring.md 1.9). Pacers' games are
    // left out of the figures when the league excludes them.
    CBowledGame GetBowledGame(int nSide, int nPos, int nGame) const;
    // The position's cell as the scoresheet holds it (its line-up's bowler, the blind score of a
    // blind game) and the pacer slot of a paced game (else empty), with the game's marks; for
    // what shows a match as entered. Neither says whether the game counts for anyone.
    CBowledGame GetCellGame(int nSide, int nPos, int nGame) const;
    CBowledGame GetPacerGame(int nSide, int nPos, int nGame) const;
    // A score above nMost stored in a bowled cell or in any pacer slot, as the file keeps them.
    bool HoldsGameOver(int nMost) const;
    CBowledSeries GetBowledSeries(int nSide, int nPos) const;
    // The position's series as the match's high series takes it: GetBowledSeries, except that
    // where the league counts blind games in a series, the position's bowler's blind games stand
    // in his series on their blind scores. A pacer's games stay the pacer's.
    CBowledSeries GetPositionHighSeries(int nSide, int nPos) const;
    // GetBowledGame(...).Value(nBasis) whenever the game counts, read without looking the
    // bowler up: a reader that ranks games asks for the whole answer only for a value that
    // would be listed. Inline: the best games ask for every game of the season.
    int GetBowledValue(int nSide, int nPos, int nGame, int nBasis) const
    {
        if (static_cast<unsigned>(nSide) > 1 || static_cast<unsigned>(nPos) >= MAX_POSITIONS ||
            static_cast<unsigned>(nGame) >= MAX_GAMES)
            return 0;
        const int k = SlotOf(nSide, nPos);
        if (m_dwPosFlags[k] & PosPacer(nGame))
            return CBowledGame{nullptr, m_nPacerScore[nGame][k], m_nPacerHandicap[nGame][k], m_nPacerAverage[nGame][k]}
                .Value(nBasis);
        return CBowledGame{nullptr, m_nScore[nGame][k], m_nHandicap[nGame][k], static_cast<int>(m_nAverage[nGame][k])}
            .Value(nBasis);
    }
    // The one bowler of a position's first nGames games when none carries a mark (Non Qual,
    // blind, excluded, pacer) and the side defaulted none: each game is his as its cell holds
    // it and counts for every figure of his. Null otherwise, and for a robot. Inline: the
    // passes ask it of every position of every match before the game-by-game answer.
    CPlayer* GetPlainBowler(int nSide, int nPos, int nGames) const
    {
        if (static_cast<unsigned>(nSide) > 1 || static_cast<unsigned>(nPos) >= MAX_POSITIONS || nGames <= 0)
            return nullptr;
        const int k = SlotOf(nSide, nPos);
        if ((m_dwPosFlags[k] & POS_ANY_MARK) || m_nDefaulted[nSide])
            return nullptr;
        CPlayer* const p = GetSlotPlayer(0, k);
        if (!p || p->IsRobot())
            return nullptr;
        for (int g = 1; g < nGames && g < MAX_GAMES; ++g)
            if (GetSlotPlayer(g, k) != p)
                return nullptr;
        return p;
    }
    // A position's game as it met the opposing position for the individual points and wins:
    // the cell's score, handicap and average, and the bowler whose game it is when it counts
    // for him (the pacer in a paced game); no bowler for a blind, Non Qual, defaulted or
    // robot cell. So a game marked Pacer changes whose win it is, never how many there are.
    // Inline: with cycled opponents or points counted as wins the pass asks it of every game.
    CBowledGame GetMatchedGame(int nSide, int nPos, int nGame) const
    {
        if (static_cast<unsigned>(nSide) > 1 || static_cast<unsigned>(nPos) >= MAX_POSITIONS ||
            static_cast<unsigned>(nGame) >= MAX_GAMES)
            return CBowledGame{};
        const int k = SlotOf(nSide, nPos);
        if ((m_dwPosFlags[k] & (PosPacer(nGame) | PosBlind(nGame) | PosNonQual(nGame))) ||
            (m_nDefaulted[nSide] & DefaultedBit(nGame)))
            return GetMarkedMatchedGame(nSide, nPos, nGame);
        // A cell without marks is its bowler's game, as GetBowledGame answers.
        CPlayer* const p = GetSlotPlayer(nGame, k);
        const bool bCounts = p && !p->IsRobot();
        return CBowledGame{bCounts ? p : nullptr, m_nScore[nGame][k], m_nHandicap[nGame][k],
                           static_cast<int>(m_nAverage[nGame][k]), false, bCounts,
                           bCounts && !(m_dwPosFlags[k] & PosExcluded(nGame))};
    }
    // The highest score the side's cells and pacer slots hold: no game bowled there is higher.
    int GetTopScore(int nSide) const;
    // Every game and series of a side's positions (up to the fixture's bowlers per side) at once.
    void GetBowledSide(int nSide, CBowledGame games[MAX_POSITIONS][MAX_GAMES],
                       CBowledSeries series[MAX_POSITIONS]) const;
    // Game g of a side that counts for the bowler, at whichever position he bowled it (else
    // one that counts for nobody), and the side on which any game counts for him, A first, or -1.
    CBowledGame GetBowledGameOf(const CPlayer* pPlayer, int nSide, int nGame) const;
    int GetSideCountingFor(const CPlayer* pPlayer) const;
    // The opposing position in a game: the same position, or with "Cycle opponent each
    // game" side A's k meets side B's (k + game) mod bowlers.
    int GetOpponentPosition(int nSide, int nPos, int nGame) const;
    // The averages each bowler is scored with (robots' from their rules), the team average
    // of each game and the total, and with team handicaps each side's team handicap (none in
    // a scoreless game).
    void SetMatchAverages();
    // A blind bowler of a played side past the league's limit whom the secretary changes. A
    // blind game that pAnswered (the match as it stood) already held for the same bowler on a
    // played side is not asked about again: it was let stand when it was entered.
    BOOL ExceedsBlindGameLimit(const CFixture* pAnswered = nullptr);
    // ==== end of scoring engine ==============================================================

    // --- stored ----------------------------------------------------------------------
    CBowlingDoc* m_pDoc{};
    BYTE m_nRound{};
    BYTE m_nMatch{};                 // within the round, 1 = first
    BYTE m_nPlayers{};               // bowlers per side, 1..5
    BYTE m_nGames{};
    BYTE m_nTeamA{};                 // 0 while a position-round match is not set
    BYTE m_nTeamB{};
    CTeam* m_pTeamA{};               // joined to the team list by the document
    CTeam* m_pTeamB{};
    BYTE m_nVenue{};                 // 0 = none
    CTime m_timeDue{};
    CTime m_timeDisplay{};           // spare time value the full team history sorts by
    BYTE m_bPlayed[2]{};             // result entered
    CTime m_timePlayed[2]{};
    BYTE m_nDefaulted[2]{};          // DefaultedBit mask
    DWORD m_dwScoresMarker[2]{};     // set when the side's result is entered
    DWORD m_dwPointsEligible[2]{};
    DWORD m_bPositionRound{};
    DWORD m_bPositionRoundScratch{}; // set from and scored on the scratch standings
    DWORD m_bOneSystem{};            // the match scores one system only ...
    DWORD m_bOneSystemScratch{};     // ... scratch when set, else handicap

    DWORD m_dwPosFlags[SLOTS_PER_GAME]{};         // per side and position (slot)
    // Regular slots, [game][slot].
    WORD m_wPlayerNo[MAX_GAMES][SLOTS_PER_GAME]{};
    CPlayer* m_pPlayer[MAX_GAMES][SLOTS_PER_GAME]{};
    WORD m_nScore[MAX_GAMES][SLOTS_PER_GAME]{};
    DWORD m_nAverage[MAX_GAMES][SLOTS_PER_GAME]{}; // the match average the bowler is scored with
    int m_nHandicap[MAX_GAMES][SLOTS_PER_GAME]{};
    // Pacer (substitute) slots, [game][slot].
    WORD m_wPacerNo[MAX_GAMES][SLOTS_PER_GAME]{};
    CPlayer* m_pPacer[MAX_GAMES][SLOTS_PER_GAME]{};
    WORD m_nPacerScore[MAX_GAMES][SLOTS_PER_GAME]{};
    int m_nPacerHandicap[MAX_GAMES][SLOTS_PER_GAME]{};
    WORD m_nPacerAverage[MAX_GAMES][SLOTS_PER_GAME]{};
    // Per side: each game and [4] the total.
    DWORD m_nTeamHandicap[2][POINTS_COLS]{};
    DWORD m_nTeamAverage[2][POINTS_COLS]{};

    // Points. Held as 32-bit: pinfall points in hundredths pass 16 bits.
    int m_wScratchPoints[2][POINTS_ROWS][POINTS_COLS]{};
    int m_wHandicapPoints[2][POINTS_ROWS][POINTS_COLS]{};
    int m_wScratchBonus[2][POINTS_ROWS][POINTS_COLS]{};
    int m_wHandicapBonus[2][POINTS_ROWS][POINTS_COLS]{};
    int m_nScratchTotals[2][POINTS_COLS]{};
    int m_nHandicapTotals[2][POINTS_COLS]{};
    int m_nScratchMatchPoints[2]{};
    int m_nHandicapMatchPoints[2]{};
    int m_nScratchBonusPoints[2]{};
    int m_nHandicapBonusPoints[2]{};
    int m_nHandicapAdjust[2]{};      // signed hand adjustments, 0 = none
    int m_nScratchAdjust[2]{};
    DWORD m_bScratchPointsDone{};
    DWORD m_bHandicapPointsDone{};
    int m_nHandicapPyramidPoints[2]{};
    int m_nScratchPyramidPoints[2]{};

    // --- scratch space, not stored --------------------------------------------------------
    BYTE m_nBowlerIndex[2][MAX_GAMES]{}; // written by CountBowlersAtPosition

private:
    // Games per match as the league (or the fixture) holds it, unbounded.
    int GamesSetting() const;
    // A side's team game: the pins of the positions that count and the handicap it adds (the
    // team handicap, or those positions' handicaps); both 0 for a scoreless game.
    void SumTeamGame(int nSide, int nGame, int& nPins, int& nHandicap) const;
    // GetMatchedGame of a game with a mark or of a side that defaulted it.
    CBowledGame GetMarkedMatchedGame(int nSide, int nPos, int nGame) const;
    void CopyAll(const CFixture& other);
    // Takes from a side what only a result gives it: its marks, pacers, defaulted games, team
    // figures, its cells' handicaps and averages, its own date played and every score (but,
    // when asked, those typed for its positions); and the match's points.
    void ClearSide(int nSide, bool bKeepTypedScores);
    bool HasAnyPoints() const;
    // IsBowledAs, and with bWorked IsScoredAs.
    bool IsLeagueSame(const CFixture& other, bool bWorked) const;

    // The game is a vacancy's or robot's, held blind.
    bool HoldsRobotGame(int nGame, int nSlot) const;
    // Whether a game taken from its cell or pacer slot counts for its bowler, and for his high
    // figures; a robot's or vacancy's game is nobody's.
    CBowledGame& Judge(CBowledGame& b, int nSide, int nPos, int nGame) const;
    // A position's series of GetBowledGame's games, with its bowler's blind games on their blind
    // scores when asked.
    CBowledSeries SeriesAt(int nSide, int nPos, bool bBlindGames) const;
};
