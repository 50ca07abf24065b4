#include "RecalcTestLeague.h"

#include "league/Awards.h"

#include <gtest/gtest.h>

namespace {

using V = std::vector<int>;
using R = std::pair<int, V>;

// Eight bowlers of a 4-team league of 2, with figures set by hand:
//   no.  flags        class  scr games/pins  average  wins  best g1  high game/series scr
//   11   male          A       10 / 1800      180.0    12     210      230 / 600
//   12   female        B       10 / 1500      150.0     6     190      240 / 560
//   21   male junior   A        2 /  380      190.0     4     200      200 / 380
//   22   female        A       10 / 1800      180.0    10     250      250 / 610
//   31   male          B        0 /    0        -       0       0        0 /   0
//   32   female resign B       10 / 2000      200.0    20     280      280 / 700
//   41   male robot    -       10 / 1500      150.0     0     150      150 / 450
//   42   male          C        6 /  900      150.0     6     160      170 / 480
struct Rankings : ::testing::Test
{
    RecalcTestLeague league{4, 2, 2};
    // What a ranking call returned, with the bowlers it ranked in order.
    R Ranked(int nReturned) { return {nReturned, league.Ranked()}; }
    void SetUp() override
    {
        struct Row { int no; WORD flags; BYTE cls; DWORD games, pins, wins; WORD best, hg, hs; };
        const Row rows[] = {
            {11, PF_MALE, 1, 10, 1800, 12, 210, 230, 600},
            {12, PF_FEMALE, 2, 10, 1500, 6, 190, 240, 560},
            {21, PF_MALE | PF_JUNIOR, 1, 2, 380, 4, 200, 200, 380},
            {22, PF_FEMALE, 1, 10, 1800, 10, 250, 250, 610},
            {31, PF_MALE, 2, 0, 0, 0, 0, 0, 0},
            {32, PF_FEMALE | PF_RESIGNED, 2, 10, 2000, 20, 280, 280, 700},
            {41, PF_MALE, 0, 10, 1500, 0, 150, 150, 450},
            {42, PF_MALE, 3, 6, 900, 6, 160, 170, 480},
        };
        for (const Row& r : rows) {
            CPlayer* p = league.Player(r.no);
            p->m_wFlags = r.flags;
            p->m_nCategory = r.cls;
            for (int s = 0; s < 2; ++s) {
                p->m_nGames[s] = r.games;
                p->m_nPins[s] = r.pins;
                p->m_nWins[s] = r.wins;
                p->m_nBestGame[s][0] = r.best;
                p->m_nHighGame[s] = r.hg;
                p->m_nHighSeries[s] = r.hs;
            }
        }
        league.Player(41)->m_nRobot = 1;
    }
};

} // namespace

TEST_F(Rankings, AverageWithMasksClassesAndMinimumGames)
{
    CBowlingDoc& doc = league.doc;
    // Everybody: 21 (190), then 11 and 22 tie on 180 in list order, 12, 42; 31 has no games
    // and comes last; the resigned bowler and the robot are left out.
    EXPECT_EQ(Ranked(doc.RankPlayersByAverage(FALSE, 10, 0xFFFF, 0, 0)), (R{6, {21, 11, 22, 12, 42, 31}}));
    EXPECT_DOUBLE_EQ(league.Player(21)->m_dRankAverage, 190.0);
    // Women only.
    EXPECT_EQ(Ranked(doc.RankPlayersByAverage(FALSE, 10, PF_FEMALE, 0, 0)), (R{2, {22, 12}}));
    // Men of class A with at least 5 games: only 11 (21 has two games).
    EXPECT_EQ(Ranked(doc.RankPlayersByAverage(FALSE, 10, PF_MALE, 5, 1)), (R{1, {11}}));
    // Juniors.
    EXPECT_EQ(doc.RankPlayersByAverage(FALSE, 10, PF_JUNIOR, 0, 0), 1);
    // Two places: three rank numbers are given, two places returned.
    EXPECT_EQ(Ranked(doc.RankPlayersByAverage(FALSE, 2, 7, 0, 0)), (R{2, {21, 11, 22}}));
    EXPECT_EQ(league.Player(12)->m_nRank, 0u);
    // Floating substitutes left out when the league says so.
    league.Player(21)->m_nTeamNo = 0;
    doc.m_bExcludeFloatingSubs = 1;
    doc.RankPlayersByAverage(FALSE, 10, 7, 0, 0);
    EXPECT_EQ(league.Ranked(), (V{11, 22, 12, 42, 31}));
}

TEST_F(Rankings, WinsGamesAndHighFigures)
{
    CBowlingDoc& doc = league.doc;
    // Wins: 32 is resigned; 11 (12), 22 (10), 12 and 42 (6) in list order, 21 (4), 31 (0).
    EXPECT_EQ(Ranked(doc.RankPlayersByScratchWins(3, 0xFFFF, 0, 0, FALSE)), (R{3, {11, 22, 12, 42}}));
    // Percentage of wins: 21 4/2, 11 12/10, 22 10/10, 42 6/6, 12 6/10; 31 no games = 0.
    EXPECT_EQ(Ranked(doc.RankPlayersByHandicapWins(10, 0xFFFF, 0, 0, TRUE)), (R{6, {21, 11, 22, 42, 12, 31}}));
    // Best game 1 with handicap, men with three games or more.
    doc.m_bHandicapPass = 1;
    EXPECT_EQ(Ranked(doc.RankPlayersByGame1High(TRUE, 10, PF_MALE, 3, 0)), (R{2, {11, 42}}));
    // High series: resigned left out, robots not.
    EXPECT_EQ(Ranked(doc.RankPlayersByHighSeriesScratch(10, 0xFFFF, 0, 0)), (R{7, {22, 11, 12, 42, 41, 21, 31}}));
    EXPECT_EQ(league.Player(22)->m_nHighRank[HIGH_SERIES_SCRATCH], 1);
    EXPECT_EQ(Ranked(doc.RankPlayersByHighGameHcp(2, PF_FEMALE, 0, 0)), (R{2, {22, 12}}));
    // Pinfall of the selected (handicap) set.
    league.Player(42)->m_nHcpPins = 5000;
    EXPECT_EQ(Ranked(doc.RankPlayersByPinfall(1, 0xFFFF, 0, 0)), (R{1, {42, 11}}));
}

TEST_F(Rankings, EnteringAverageRankings)
{
    CBowlingDoc& doc = league.doc;
    league.Player(11)->SetEnteringAverage(1700); // 170.0 -> improved 10
    league.Player(12)->SetEnteringAverage(1300); // 130.0 -> improved 20
    for (auto [no, n] : {std::pair{11, 3}, {12, 5}, {22, 9}})  // 22 has no entering average
        league.Player(no)->m_nGamesOverAvg[PASS_SCRATCH] = static_cast<WORD>(n);
    EXPECT_EQ(Ranked(doc.RankPlayersByImprovementOnEntering(FALSE, 10, 0xFFFF, 0, 0)), (R{2, {12, 11}}));
    EXPECT_EQ(Ranked(doc.RankPlayersByGamesOverAverage(FALSE, 10, 0xFFFF, 0, 0)), (R{2, {12, 11}}));
    // Improvement needs a base: the most-improved base, else the entering average.
    league.Player(22)->m_nMostImprovedBase = 1500; // 180 - 150 = 30
    EXPECT_EQ(Ranked(doc.RankPlayersByImprovement(10, 0xFFFF, 0)), (R{3, {22, 12, 11}}));
    league.Player(22)->m_bNotEligibleMostImproved = 1;
    EXPECT_EQ(doc.RankPlayersByImprovement(10, 0xFFFF, 0), 2);
}

TEST_F(Rankings, HighScoreTablesPerMaskAndClass)
{
    CBowlingDoc& doc = league.doc;
    doc.BuildHighScoreTables();
    // High game scratch, everybody: 22 250, 12 240, 11 230, 21 200, 42 170 (resigned, robot
    // and no-score bowlers left out).
    const int expected[] = {22, 12, 11, 21, 42};
    for (int i = 0; i < 5; ++i) {
        CPlayer* p = doc.FindPlayerByHighGameScratchRank(static_cast<DWORD>(i + 1), 7, 0);
        ASSERT_NE(p, nullptr) << i;
        EXPECT_EQ(p->m_nPlayerNo, expected[i]);
        EXPECT_EQ(doc.FindPlayerByHighGameScratchRank(static_cast<DWORD>(i + 1), 0xFFFF, 0), p);
    }
    EXPECT_EQ(
        std::make_pair(doc.FindPlayerByHighGameScratchRank(6, 7, 0), doc.FindPlayerByHighGameScratchRank(0, 7, 0)),
        std::make_pair((CPlayer*)nullptr, (CPlayer*)nullptr));
    // Men of class A: 11, 21. Women of class B: 12. Juniors: 21.
    // Then a mask without a table, a class out of range.
    EXPECT_EQ(
        (std::vector<CPlayer*>{
            doc.FindPlayerByHighSeriesScratchRank(1, PF_MALE, 1), doc.FindPlayerByHighSeriesScratchRank(2, PF_MALE, 1),
            doc.FindPlayerByHighSeriesHcpRank(1, PF_FEMALE, 2), doc.FindPlayerByHighSeriesHcpRank(2, PF_FEMALE, 2),
            doc.FindPlayerByHighGameHcpRank(1, PF_JUNIOR, 0), doc.FindPlayerByHighGameHcpRank(1, 3, 0),
            doc.FindPlayerByHighGameHcpRank(1, 7, 4)}),
        (std::vector<CPlayer*>{league.Player(11), league.Player(21), league.Player(12), nullptr, league.Player(21),
                               nullptr, nullptr}));
    // The "second" high figure counts unless the league leaves it out.
    league.Player(42)->m_nHighGame2[PASS_SCRATCH] = 299;
    doc.BuildHighScoreTables();
    EXPECT_EQ(doc.FindPlayerByHighGameScratchRank(1, 7, 0)->m_nPlayerNo, 42);
}

TEST_F(Rankings, AwardsAlphabetAndFloatingSubs)
{
    CBowlingDoc& doc = league.doc;
    const int records[][3] = {{5, 12, 1}, {5, 12, 2}, {5, 11, 3}, {5, 11, 0}, {6, 22, 1}, {5, 42, 4}};
    for (const auto& r : records) {
        auto* pRecord = new CAwardData;
        pRecord->m_nCategory = static_cast<WORD>(r[0]);
        pRecord->m_nPlayerNo = static_cast<WORD>(r[1]);
        pRecord->m_nRound = static_cast<WORD>(r[2]);
        doc.AddAwardRecord(pRecord);
    }
    // Category 5: 12 two, 11 one (its round-0 record deleted), 42 one.
    EXPECT_EQ(Ranked(doc.RankPlayersByAwardCount(5, 7, 10)), (R{3, {12, 11, 42}}));
    EXPECT_EQ(league.Player(12)->m_nAwardCount, 2);
    EXPECT_EQ(doc.RankPlayersByAwardCount(5, PF_FEMALE, 10), 1);

    league.Player(42)->m_strSurname = "abbot";
    league.Player(11)->m_strSurname = "Abbot";
    league.Player(11)->m_strFirstName = "Z";
    doc.NumberPlayersAlphabetically();
    // "ABBOT A" (42) before "ABBOT Z" (11); robot and resigned bowlers get no number.
    EXPECT_EQ(league.Ranked(), (V{42, 11, 12, 21, 22, 31}));
    EXPECT_EQ(doc.CountActivePlayers(), 6);

    for (int no : {12, 31, 32, 41})  // 32 resigned, 41 a robot
        league.Player(no)->m_nTeamNo = 0;
    EXPECT_TRUE(league.Player(12)->IsFloatingSub());
    EXPECT_FALSE(league.Player(41)->IsFloatingSub());
    league.Player(31)->m_wFlags |= PF_NOT_FLOATING_SUB;
    EXPECT_EQ(doc.BuildFloatingSubs(), 1);
    ASSERT_NE(doc.m_pFloatingSubsTeam, nullptr);
    EXPECT_EQ(doc.m_pFloatingSubsTeam->m_strName, "Floating Subs");
    EXPECT_EQ((V{doc.m_pFloatingSubsTeam->m_nTeamNo, doc.m_pFloatingSubsTeam->GetOrderAt(0), int(doc.m_nFloatingSubs)}),
              (V{999, 12, 1}));
    league.Player(12)->m_nTeamNo = 1;
    EXPECT_EQ(doc.BuildFloatingSubs(), 0);
    EXPECT_EQ(doc.m_pFloatingSubsTeam, nullptr);
}
