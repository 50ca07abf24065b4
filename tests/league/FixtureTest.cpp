// A match: the undo copy, line-ups and the score figures, against worked examples.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

namespace {

// Two teams of three, three games, a handicap league; one match between them.
class FixtureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.m_nPlayersPerTeam = 3;
        doc.m_nGamesPerMatch = 3;
        for (int t = 1; t <= 2; ++t) {
            auto* pTeam = new CTeam(t == 1 ? "Pin Pals" : "Split Ends", static_cast<WORD>(t));
            doc.AddTeam(pTeam);
            for (int i = 0; i < 3; ++i) {
                auto* p = new CPlayer(static_cast<WORD>(t * 10 + i));
                p->m_nTeamNo = static_cast<WORD>(t);
                p->m_nHandicap = 10 * i;
                p->m_nAverage = static_cast<WORD>(170 - 10 * i);
                doc.AddPlayer(p);
                pTeam->m_arrTeamOrder.Add(p->m_nPlayerNo);
            }
        }
        fixture = new CFixture(1, 1, 2, 3);
        doc.AddFixture(fixture);
        for (int p = 0; p < 3; ++p) {
            fixture->SetPlayerSideA(p, doc.FindPlayer(static_cast<WORD>(10 + p)));
            fixture->SetPlayerSideB(p, doc.FindPlayer(static_cast<WORD>(20 + p)));
        }
    }

    void Score(int side, const int scores[3][3])
    {
        for (int p = 0; p < 3; ++p)
            for (int g = 0; g < 3; ++g)
                fixture->m_nScore[g][CFixture::SlotOf(side, p)] = static_cast<WORD>(scores[p][g]);
        fixture->m_bPlayed[side] = 1;
    }

    CBowlingDoc doc;
    CFixture* fixture = nullptr;
};

const int kScoresA[3][3] = {{150, 160, 170}, {140, 0, 180}, {200, 190, 210}};

// Every stored member gets its own value, so that a copy that forgets one shows it.
void FillEveryMember(CFixture& f, CPlayer* pPlayer, CTeam* pTeam)
{
    int n = 1;
    auto fill = [&n](auto& cell) { cell = static_cast<std::remove_reference_t<decltype(cell)>>(n++ % 251 + 1); };
    std::tie(f.m_nRound, f.m_nMatch, f.m_nPlayers, f.m_nGames, f.m_nTeamA, f.m_nTeamB) =
        std::make_tuple(7, 3, 5, 4, 4, 9);
    f.m_pTeamA = pTeam;
    f.m_nVenue = 2;
    f.m_timeDue = CTime(1700000000);
    f.m_timeDisplay = CTime(1700000100);
    for (int s = 0; s < 2; ++s) {
        fill(f.m_bPlayed[s]);
        f.m_timePlayed[s] = CTime(1700000200 + s);
        fill(f.m_nDefaulted[s]);
        fill(f.m_dwScoresMarker[s]);
        fill(f.m_dwPointsEligible[s]);
        fill(f.m_nHandicapAdjust[s]);
        fill(f.m_nScratchAdjust[s]);
        fill(f.m_nScratchMatchPoints[s]);
        fill(f.m_nHandicapMatchPoints[s]);
        fill(f.m_nScratchBonusPoints[s]);
        fill(f.m_nHandicapBonusPoints[s]);
        fill(f.m_nHandicapPyramidPoints[s]);
        fill(f.m_nScratchPyramidPoints[s]);
        for (int c = 0; c < POINTS_COLS; ++c) {
            fill(f.m_nTeamHandicap[s][c]);
            fill(f.m_nTeamAverage[s][c]);
            fill(f.m_nScratchTotals[s][c]);
            fill(f.m_nHandicapTotals[s][c]);
            for (int r = 0; r < POINTS_ROWS; ++r) {
                fill(f.m_wScratchPoints[s][r][c]);
                fill(f.m_wHandicapPoints[s][r][c]);
                fill(f.m_wScratchBonus[s][r][c]);
                fill(f.m_wHandicapBonus[s][r][c]);
            }
        }
    }
    f.m_bPositionRound = f.m_bPositionRoundScratch = f.m_bOneSystem = f.m_bOneSystemScratch = 1;
    f.m_bScratchPointsDone = f.m_bHandicapPointsDone = 1;
    for (int k = 0; k < SLOTS_PER_GAME; ++k) {
        fill(f.m_dwPosFlags[k]);
        for (int g = 0; g < MAX_GAMES; ++g) {
            fill(f.m_wPlayerNo[g][k]);
            fill(f.m_nScore[g][k]);
            fill(f.m_nAverage[g][k]);
            fill(f.m_nHandicap[g][k]);
            fill(f.m_wPacerNo[g][k]);
            fill(f.m_nPacerScore[g][k]);
            fill(f.m_nPacerHandicap[g][k]);
            fill(f.m_nPacerAverage[g][k]);
            f.m_pPlayer[g][k] = pPlayer;
            f.m_pPacer[g][k] = pPlayer;
        }
    }
    f.m_nBowlerIndex[1][2] = 3;
}

} // namespace

TEST_F(FixtureTest, CopyAndAssignmentCarryEveryMember)
{
    CFixture original;
    FillEveryMember(original, doc.FindPlayer(10), doc.FindTeam(1));

    CFixture copy(original);
    EXPECT_TRUE(copy.IsSameAs(original));
    EXPECT_EQ(std::make_tuple(copy.m_pPlayer[3][9], copy.m_pPacer[2][4], copy.m_pTeamA, int{copy.m_nBowlerIndex[1][2]}),
              std::make_tuple(original.m_pPlayer[3][9], original.m_pPacer[2][4], original.m_pTeamA, 3));

    // The undo of result entry: edits are wiped out by assigning the copy back.
    CFixture edited(original);
    edited.m_nScore[3][9] = 299;
    edited.m_nScratchPyramidPoints[1] = -8;
    edited.m_dwPosFlags[9] ^= PosBlind(3);
    EXPECT_FALSE(edited.IsSameAs(original));
    edited = copy;
    EXPECT_TRUE(edited.IsSameAs(original));
}

TEST_F(FixtureTest, SetPlayerPutsTheBowlerInEveryGameAndMarksRobotsBlind)
{
    int k = CFixture::SlotOf(1, 2);
    fixture->m_dwPosFlags[k] = PosNonQual(1) | PosBlind(0) | PosPacer(2);
    fixture->m_nScore[1][k] = 123;
    CPlayer* pRobot = new CPlayer(99);
    pRobot->m_nRobot = 1;
    pRobot->m_nHandicap = 30;
    pRobot->m_nAverage = 120;
    doc.AddPlayer(pRobot);

    fixture->SetPlayerSideB(2, pRobot);
    for (int g = 0; g < MAX_GAMES; ++g)
        EXPECT_EQ(std::make_tuple(int{fixture->m_wPlayerNo[g][k]}, fixture->m_pPlayer[g][k], fixture->m_nHandicap[g][k],
                                  fixture->m_nAverage[g][k]),
                  std::make_tuple(99, pRobot, 30, DWORD{120}))
            << "game " << g;
    // Blind in the three games of the match only; Non Qual kept; pacer gone; score kept.
    EXPECT_EQ(fixture->m_dwPosFlags[k], PosNonQual(1) | PosBlind(0) | PosBlind(1) | PosBlind(2));
    EXPECT_EQ(fixture->m_nScore[1][k], 123);

    fixture->SetPlayerSideB(2, doc.FindPlayer(22));
    EXPECT_EQ(fixture->m_dwPosFlags[k], PosNonQual(1));
    // A missing bowler empties the position instead of crashing.
    fixture->SetPlayerSideB(2, nullptr);
    EXPECT_EQ(std::make_pair(int{fixture->m_wPlayerNo[0][k]}, fixture->m_pPlayer[0][k]),
              std::make_pair(0, (CPlayer*)nullptr));
}

TEST_F(FixtureTest, TeamScoresFollowTheWorkedExample)
{
    // Side A: game 1 = 150+140+200 = 490 scratch, handicaps 0+10+20 make 520.
    Score(0, kScoresA);
    // Game 4 is beyond the games per match; side B is not entered yet.
    EXPECT_EQ((std::vector<int>{fixture->GetGame1ScoreSideA(0, FALSE), fixture->GetGame1ScoreSideA(0, TRUE),
                                fixture->GetGame2ScoreSideA(0, FALSE), fixture->GetGame3ScoreSideA(0, FALSE),
                                fixture->GetGame4ScoreSideA(0, TRUE), fixture->GetSeriesScoreSideA(0, FALSE),
                                fixture->GetSeriesScoreSideA(0, TRUE), fixture->GetPositionSeriesSideA(2, TRUE),
                                fixture->GetSeriesScoreSideB(0, FALSE)}),
              (std::vector<int>{490, 520, 350, 560, 0, 1400, 1490, 600 + 60, 0}));

    // With team handicaps the side's team handicap replaces the bowlers'.
    doc.m_bTeamHandicaps = 1;
    fixture->m_nTeamHandicap[0][0] = 45;
    EXPECT_EQ(fixture->GetGame1ScoreSideA(0, TRUE), 535);
    EXPECT_EQ(fixture->GetPositionSeriesSideA(2, TRUE), 600);
}

TEST_F(FixtureTest, ExcludedRobotsAndBlindOrAbsentGamesAreLeftOut)
{
    Score(0, kScoresA);
    int k1 = CFixture::SlotOf(0, 1);
    // Position 2 is blind in game 2 and absent in game 3.
    fixture->m_dwPosFlags[k1] = PosBlind(1) | PosNonQual(2);
    fixture->m_nScore[1][k1] = 125;
    // The last: scores from 150 to 200 among the games that were bowled: 150 160 170 200 190.
    EXPECT_EQ(
        (std::vector<int>{fixture->GetGame2BowledSideA(FALSE), fixture->GetGame3BowledSideA(FALSE),
                          fixture->GetGame2ScoreSideA(0, FALSE), fixture->GetSeriesBowledSideA(FALSE),
                          fixture->GetPositionBowledSeriesSideA(1, FALSE), fixture->CountSeriesInRangeSideA(150, 200)}),
        (std::vector<int>{160 + 190, 170 + 210, 160 + 125 + 190, 490 + 350 + 380, 140 + 180, 5}));

    // A defaulted game holds no bowled pins.
    fixture->m_nDefaulted[0] = DefaultedBit(0);
    EXPECT_EQ(fixture->GetGame1BowledSideA(TRUE), 0);

    // A robot whose rule excludes it does not count in the team game.
    CPlayer* pRobot = new CPlayer(98);
    pRobot->m_nRobot = 3;
    doc.AddPlayer(pRobot);
    doc.GetRobot(3)->m_bExclude = 1;
    fixture->SetPlayerSideA(0, pRobot);
    EXPECT_EQ(fixture->GetGame3ScoreSideA(0, FALSE), 180 + 210);
}

TEST_F(FixtureTest, CompletenessAndDuplicates)
{
    Score(0, kScoresA);
    EXPECT_FALSE(fixture->AreScoresComplete(TRUE)); // position 2 scored 0 in game 2
    fixture->m_dwPosFlags[CFixture::SlotOf(0, 1)] = PosBlind(1);
    EXPECT_TRUE(fixture->AreScoresComplete(TRUE));
    fixture->m_dwPosFlags[CFixture::SlotOf(0, 1)] = 0;
    fixture->m_nDefaulted[0] = DefaultedBit(1);
    EXPECT_TRUE(fixture->AreScoresComplete(TRUE));
    EXPECT_FALSE(fixture->AreScoresComplete(FALSE));

    EXPECT_FALSE(fixture->HasDuplicateBowler());
    // The same bowler on both sides is not a duplicate; twice on one side is.
    fixture->SetPlayerSideB(0, doc.FindPlayer(10));
    EXPECT_FALSE(fixture->HasDuplicateBowler());
    fixture->SetPlayerSideB(1, doc.FindPlayer(10));
    EXPECT_TRUE(fixture->HasDuplicateBowler());
}

TEST_F(FixtureTest, ChangesOfBowlerAndSubstitutesAtAPosition)
{
    Score(0, kScoresA);
    int k = CFixture::SlotOf(0, 0);
    EXPECT_TRUE(fixture->IsSameBowlerAllGamesSideA(0));
    EXPECT_EQ(fixture->CountBowlersAtPositionSideA(0), 0);

    // Game 2 bowled by bowler 30, game 3 by 31: two bowlers beyond the first.
    fixture->m_wPlayerNo[1][k] = 30;
    fixture->m_wPlayerNo[2][k] = 31;
    EXPECT_FALSE(fixture->IsSameBowlerAllGamesSideA(0));
    EXPECT_EQ((std::vector<int>{fixture->CountBowlersAtPositionSideA(0), fixture->GetBowlerIndexSideA(0),
                                fixture->GetBowlerIndexSideA(2)}),
              (std::vector<int>{2, 0, 2}));

    // A substitute in every game, the same one: his series counts.
    for (int g = 0; g < 3; ++g) {
        fixture->m_dwPosFlags[k] |= PosPacer(g);
        fixture->m_wPacerNo[g][k] = 21;
        fixture->m_nPacerScore[g][k] = static_cast<WORD>(100 + g);
        fixture->m_nPacerHandicap[g][k] = 5;
    }
    EXPECT_EQ((std::vector<int>{fixture->CountSubstitutionsSideA(0), fixture->GetSubstituteSeriesSideA(0, FALSE),
                                fixture->GetSubstituteSeriesSideA(0, TRUE)}),
              (std::vector<int>{1, 303, 318}));
    EXPECT_TRUE(fixture->HasPlayerBowled(21, TRUE));
    fixture->m_wPacerNo[2][k] = 22;
    EXPECT_EQ(std::make_pair(fixture->CountSubstitutionsSideA(0), fixture->GetSubstituteSeriesSideA(0, FALSE)),
              std::make_pair(2, 0));

    // Whoever bowled a game: the pacers, not the position's own bowler whose every game they
    // bowled; a pacer of a defaulted game only has not bowled.
    fixture->m_nDefaulted[0] = DefaultedBit(2);
    EXPECT_EQ((std::vector<BOOL>{fixture->HasPlayerBowledSideA(21, FALSE), fixture->HasPlayerBowledSideA(22, FALSE),
                                 fixture->HasPlayerBowledSideA(10, FALSE), fixture->HasPlayerBowledSideA(11, FALSE),
                                 fixture->HasPlayerBowled(31, FALSE)}),
              (std::vector<BOOL>{TRUE, FALSE, FALSE, TRUE, FALSE}));
    EXPECT_FALSE(fixture->HasPlayerBowledSideB(20, TRUE)); // side B not entered
}

TEST_F(FixtureTest, AByeTeamMakesAByeMatch)
{
    EXPECT_FALSE(fixture->IsBye());
    doc.FindTeam(2)->m_bBye = 1;
    EXPECT_TRUE(fixture->IsBye());
    doc.CountMatchesPerRound();
    EXPECT_EQ(std::make_pair(int{doc.m_nAllMatchesPerRound[1]}, int{doc.m_nMatchesPerRound[1]}), std::make_pair(1, 0));
}

// Who bowled each game, read game by game and a side at once: a plain position, one with a
// robot left unmarked, one with a substitute in game 2, and then every mark in turn.
TEST_F(FixtureTest, ASideAtOnceGivesWhatEachGameGives)
{
    Score(0, kScoresA);
    doc.FindPlayer(11)->m_nRobot = 1; // a vacancy put in without its blind marks
    const int k2 = CFixture::SlotOf(0, 2);
    fixture->m_wPlayerNo[1][k2] = 20;
    fixture->m_pPlayer[1][k2] = doc.FindPlayer(20);
    fixture->m_wPacerNo[0][CFixture::SlotOf(0, 0)] = 21;
    fixture->m_nPacerScore[0][CFixture::SlotOf(0, 0)] = 233;
    auto same = [this](const char* pszCase) {
        CBowledGame games[MAX_POSITIONS][MAX_GAMES];
        CBowledSeries series[MAX_POSITIONS];
        fixture->GetBowledSide(0, games, series);
        for (int p = 0; p < 3; ++p) {
            for (int g = 0; g < 3; ++g) {
                const CBowledGame a = fixture->GetBowledGame(0, p, g), &b = games[p][g];
                EXPECT_EQ(std::tie(a.pBowler, a.nScore, a.nHandicap, a.nAverage, a.bPacer, a.bCounts, a.bHighFigures),
                          std::tie(b.pBowler, b.nScore, b.nHandicap, b.nAverage, b.bPacer, b.bCounts, b.bHighFigures))
                    << pszCase << " position " << p << " game " << g;
            }
            const CBowledSeries a = fixture->GetBowledSeries(0, p), &b = series[p];
            EXPECT_EQ(std::tie(a.pBowler, a.nScratch, a.nHandicap, a.nAverages, a.bHighFigures),
                      std::tie(b.pBowler, b.nScratch, b.nHandicap, b.nAverages, b.bHighFigures))
                << pszCase << " position " << p;
        }
    };
    same("plain");
    // Bowler 10's series: 150 + 160 + 170 with handicap 0 on 170; the robot's and the shared
    // position's are nobody's.
    const CBowledSeries s0 = fixture->GetBowledSeries(0, 0);
    EXPECT_EQ((std::vector<int>{s0.nScratch, s0.nAverages, s0.bHighFigures}), (std::vector<int>{480, 510, 1}));
    EXPECT_EQ(fixture->GetBowledSeries(0, 1).pBowler, nullptr);
    EXPECT_EQ(fixture->GetBowledSeries(0, 2).pBowler, nullptr);
    const DWORD marks[] = {PosPacer(0), PosBlind(1), PosNonQual(2), PosExcluded(0), PosPacer(0) | PosBlind(0)};
    for (DWORD dw : marks) {
        fixture->m_dwPosFlags[CFixture::SlotOf(0, 0)] = dw;
        same("marked");
    }
    // Paced and blind, game 1 is the pacer's 233; his series is not, the other games being 10's.
    const CBowledGame paced = fixture->GetBowledGame(0, 0, 0);
    EXPECT_EQ(std::make_tuple(paced.pBowler, paced.nScore, paced.bCounts),
              std::make_tuple(doc.FindPlayer(21), 233, true));
    // A Non Qual game was bowled, by Bowler 10, or by the pacer of a paced one, but counts for
    // nobody: not even in a series.
    for (DWORD dw : {PosNonQual(0), PosNonQual(0) | PosPacer(0)}) {
        fixture->m_dwPosFlags[CFixture::SlotOf(0, 0)] = dw;
        const CBowledGame nonQual = fixture->GetBowledGame(0, 0, 0);
        EXPECT_EQ(std::make_tuple(nonQual.pBowler, nonQual.bCounts, nonQual.bHighFigures),
                  std::make_tuple(doc.FindPlayer(dw & PosPacer(0) ? 21 : 10), false, false));
        EXPECT_EQ(fixture->GetBowledSeries(0, 0).pBowler, nullptr);
        same("Non Qual");
    }
    fixture->m_dwPosFlags[CFixture::SlotOf(0, 0)] = 0;
    fixture->m_nDefaulted[0] = DefaultedBit(2);
    same("defaulted");
    EXPECT_EQ(fixture->GetBowledSeries(0, 0).pBowler, nullptr);
}

// A side without a result keeps only the scores typed for its positions: a blind, Non Qual,
// paced or defaulted game's score goes with its mark, as do its pacers, defaulted games, date
// and team figures; a side with a result is not touched. A result deleted leaves its side as
// a side never entered, and the match without points.
TEST_F(FixtureTest, ASideWithoutAResultKeepsOnlyItsTypedScoresAndADeletedResultNothing)
{
    const int scores[3][3] = {{150, 160, 170}, {180, 190, 200}, {210, 220, 230}};
    Score(0, scores);
    Score(1, scores);
    fixture->m_bPlayed[1] = 0;
    const int kBlind = CFixture::SlotOf(1, 0), kNonQual = CFixture::SlotOf(1, 1), kPaced = CFixture::SlotOf(1, 2);
    fixture->m_dwPosFlags[kBlind] = PosBlind(0) | PosExcluded(1);
    fixture->m_dwPosFlags[kNonQual] = PosNonQual(1);
    fixture->m_dwPosFlags[kPaced] = PosPacer(0);
    fixture->m_wPacerNo[0][kPaced] = 12;
    fixture->m_nPacerScore[0][kPaced] = 210;
    fixture->m_nDefaulted[1] = DefaultedBit(2);
    fixture->m_timePlayed[1] = CTime(2024, 9, 11, 19, 30, 0);
    fixture->m_nTeamHandicap[1][0] = 40;
    fixture->m_nHandicapMatchPoints[0] = 6;
    const CFixture before(*fixture);

    fixture->ClearLeftovers(0);  // a result: nothing goes
    EXPECT_TRUE(fixture->IsSameAs(before));

    fixture->ClearLeftovers(1);
    std::vector<int> kept;
    for (int p = 0; p < 3; ++p)
        for (int g = 0; g < 3; ++g)
            kept.push_back(fixture->m_nScore[g][CFixture::SlotOf(1, p)]);
    EXPECT_EQ(kept, (std::vector<int>{0, 160, 0, 180, 0, 0, 0, 220, 0}));
    EXPECT_EQ((std::vector<int>{int(fixture->m_dwPosFlags[kBlind]), int(fixture->m_dwPosFlags[kNonQual]),
                                int(fixture->m_dwPosFlags[kPaced]), fixture->m_wPacerNo[0][kPaced],
                                fixture->m_nPacerScore[0][kPaced], fixture->m_nDefaulted[1],
                                int(fixture->m_timePlayed[1].GetTime()), int(fixture->m_nTeamHandicap[1][0]),
                                fixture->m_nHandicapMatchPoints[0], fixture->m_wPlayerNo[0][kPaced]}),
              (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 22}));
    for (int k = 0; k < 5; ++k)  // side A as it was
        for (int g = 0; g < 3; ++g)
            EXPECT_EQ(fixture->m_nScore[g][k], before.m_nScore[g][k]);

    CFixture never(1, 1, 2, 3);
    never.m_nGames = fixture->m_nGames;
    fixture->DeleteResult(0);
    fixture->DeleteResult(1);
    EXPECT_TRUE(fixture->IsSameAs(never));
}

// The match as the league scores it, and as the figures of other matches count it: a change in a
// game the league bowls at one of the match's places is one, a figure in the fourth game (the
// league bowls three) or the fifth place (the match has three) is none, nor is a pacer slot of a
// game nobody paced, a points cell of game 4 or a flag word's marks for it. What the figures of
// other matches read (who bowled, a typed score, the marks, the defaulted games, whether and when
// a side bowled) is a change for both; what working the match gives it (a handicap, an average,
// a blind game's score, the team figures, the points) for the league's scoring alone.
TEST_F(FixtureTest, TheMatchAsTheLeagueScoresItIsWhatItsReadersRead)
{
    Score(0, kScoresA);
    Score(1, kScoresA);
    fixture->m_dwPosFlags[CFixture::SlotOf(1, 2)] = PosBlind(2);
    const CFixture before(*fixture);
    const int a = CFixture::SlotOf(0, 0), b = CFixture::SlotOf(1, 2), gone = CFixture::SlotOf(1, 4);
    struct Change
    {
        const char* what;
        std::function<void(CFixture&)> make;
        bool bScored, bBowled; // a change as the league scores it, as other matches count it
    };
    const Change changes[] = {
        {"game 4's figures",
         [=](CFixture& f) {
             f.m_nHandicap[3][a] = 40;
             f.m_nAverage[3][a] = 160;
             f.m_nScore[3][a] = 9;
         },
         false, false},
        {"game 4's bowler and marks",
         [=](CFixture& f) {
             f.m_wPlayerNo[3][a] = 21;
             f.m_dwPosFlags[a] |= PosBlind(3);
         },
         false, false},
        {"game 4 defaulted", [](CFixture& f) { f.m_nDefaulted[0] |= DefaultedBit(3); }, false, false},
        {"a fifth place",
         [=](CFixture& f) {
             f.m_nScore[0][gone] = 200;
             f.m_nHandicap[0][gone] = 8;
         },
         false, false},
        {"an unpaced pacer slot",
         [=](CFixture& f) {
             f.m_nPacerHandicap[0][a] = 7;
             f.m_wPacerNo[1][a] = 12;
         },
         false, false},
        {"game 4's points and team figures",
         [](CFixture& f) {
             f.m_wHandicapPoints[0][0][3] = 2;
             f.m_nTeamAverage[1][3] = 480;
             f.m_nHandicapTotals[0][3] = 2;
         },
         false, false},
        {"a handicap", [=](CFixture& f) { f.m_nHandicap[1][a] += 1; }, true, false},
        {"an average", [=](CFixture& f) { f.m_nAverage[2][a] += 1; }, true, false},
        {"a blind game's score", [=](CFixture& f) { f.m_nScore[2][b] = 123; }, true, false},
        {"a team average", [](CFixture& f) { f.m_nTeamAverage[1][4] += 1; }, true, false},
        {"a point",
         [](CFixture& f) {
             f.m_wScratchBonus[1][6][0] = 2;
             f.m_nScratchBonusPoints[1] = 2;
         },
         true, false},
        {"a typed score", [=](CFixture& f) { f.m_nScore[1][a] += 1; }, true, true},
        {"who bowled", [=](CFixture& f) { f.m_wPlayerNo[2][a] = 12; }, true, true},
        {"a mark", [=](CFixture& f) { f.m_dwPosFlags[a] |= PosExcluded(0); }, true, true},
        {"a defaulted game", [](CFixture& f) { f.m_nDefaulted[1] = DefaultedBit(0); }, true, true},
        {"the day bowled", [](CFixture& f) { f.m_timePlayed[0] = CTime(2024, 9, 3, 19, 30, 0); }, true, true},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        CFixture changed(before);
        c.make(changed);
        EXPECT_FALSE(changed.IsSameAs(before));
        EXPECT_EQ(!changed.IsScoredAs(before), c.bScored);
        EXPECT_EQ(!changed.IsBowledAs(before), c.bBowled);
    }
}
