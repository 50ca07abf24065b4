#include "RecalcTestLeague.h"

#include <gtest/gtest.h>

namespace {

using V = std::vector<int>;
using S = std::vector<std::vector<int>>;

// A bowler's handicap-set games and pins, scratch high game and series.
V Figures(const CPlayer* p)
{
    return V{int(p->m_nGames[PASS_HANDICAP]), int(p->m_nPins[PASS_HANDICAP]), p->m_nHighGame[PASS_SCRATCH],
             p->m_nHighSeries[PASS_SCRATCH]};
}

// Four teams of two, two games, handicap 0 everywhere, team points 1 a game and 1 for the
// series (2 half points each, 6 the most a side can take). Worked by hand:
//   round 1  T1 290 290 (580) v T2 270 300 (570): T1 4, T2 2
//            T3 200 200 (400) v T4 200 200 (400): 3 each
//   round 2  T1 320 300 (620) v T3 300 300 (600): T1 5, T3 1
//            T2 200 200 (400) v T4 300 300 (600): T4 6, T2 0
//   round 3  T1 v T4 played, but beyond the current round 2
//   totals   T1 9/3  T2 2/10  T3 4/8  T4 9/3; T1 and T4 tie on points and percentage,
//            T1 ahead on scratch pinfall (1200 against 1000).
struct Recalc : ::testing::Test
{
    RecalcTestLeague league{4, 2, 2};
    CFixture* r1a = nullptr;
    CFixture* r2a = nullptr;
    CFixture* r2b = nullptr;
    void SetUp() override
    {
        CBowlingDoc& doc = league.doc;
        doc.m_bHandicapLeague = 1;
        doc.m_HcpPoints.m_bTeam = 1;
        doc.m_HcpPoints.m_nTeamGame[0] = doc.m_HcpPoints.m_nTeamGame[1] = 2;
        doc.m_HcpPoints.m_nTeamSeries = 2;
        doc.m_ScrPoints = doc.m_HcpPoints;
        doc.m_nCurrentRound = 2;
        auto* pSub = new CPlayer(99);
        pSub->m_wFlags = PF_MALE;
        doc.AddPlayer(pSub);

        r1a = league.AddMatch(1, 1, 2, S{{150, 160}, {140, 130}}, S{{120, 200}, {150, 100}});
        // Game 2 of team 2's second position was bowled by the substitute.
        const int k = CFixture::SlotOf(1, 1);
        r1a->m_dwPosFlags[k] |= PosPacer(1);
        r1a->m_pPacer[1][k] = pSub;
        r1a->m_wPacerNo[1][k] = 99;
        r1a->m_nPacerScore[1][k] = 100;
        league.AddMatch(1, 3, 4, S{{100, 100}, {100, 100}}, S{{110, 90}, {90, 110}});
        r2a = league.AddMatch(2, 1, 3, S{{200, 180}, {120, 120}}, S{{150, 150}, {150, 150}});
        r2b = league.AddMatch(2, 2, 4, S{{100, 100}, {100, 100}}, S{{150, 150}, {150, 150}});
        // Team 2's first bowler was absent in game 1 of round 2: a blind score for the team.
        r2b->m_dwPosFlags[CFixture::SlotOf(0, 0)] |= PosBlind(0);
        league.AddMatch(3, 1, 4, S{{300, 300}, {300, 300}}, S{{100, 100}, {100, 100}});
    }
};

} // namespace

TEST_F(Recalc, TeamPointsAndStandingsWorkedByHand)
{
    CBowlingDoc& doc = league.doc;
    doc.m_bHandicapPass = 0;
    doc.Recalculate();
    const int won[] = {9, 2, 4, 9}, lost[] = {3, 10, 8, 3};
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(league.Team(n)->m_nPointsWon[PASS_HANDICAP], won[n - 1]) << "team " << n;
        EXPECT_EQ(league.Team(n)->m_nPointsLost[PASS_HANDICAP], lost[n - 1]) << "team " << n;
    }
    EXPECT_EQ(league.Order(&CTeam::m_nHcpPosition), (V{1, 4, 3, 2}));
    EXPECT_EQ(doc.m_bHandicapPass, 0u) << "the pass selector is restored";
    EXPECT_EQ((V{r1a->m_nHandicapMatchPoints[0], r1a->m_nHandicapMatchPoints[1]}), (V{4, 2}));

    // Games won: r1 g1; r2 g1 and a tied g2.
    CTeam* t1 = league.Team(1);
    EXPECT_EQ((V{t1->m_nGames[PASS_HANDICAP], int(t1->m_nPins[PASS_HANDICAP]), int(t1->m_nHcpScrPins),
                 t1->m_nHighGame[PASS_SCRATCH], t1->m_nHighSeries[PASS_SCRATCH], t1->m_nGamesWon[PASS_HANDICAP],
                 int(t1->m_nOppPins[PASS_HANDICAP])}),
              (V{4, 1200, 1200, 320, 620, 2 + 2 + 1, 570 + 600}));
    EXPECT_EQ(league.Team(2)->m_nBlindGames[PASS_HANDICAP], 1);
}

TEST_F(Recalc, BowlersFiguresPacersBlindsAndWins)
{
    CBowlingDoc& doc = league.doc;
    doc.Recalculate();
    CPlayer* p11 = league.Player(11);
    EXPECT_EQ(Figures(p11), (V{4, 690, 200, 380}));
    EXPECT_EQ(p11->m_nBestGame[PASS_SCRATCH][1], 180);
    // Wins against the opposite position: r1 150 > 120, 160 < 200; r2 200 and 180 > 150.
    EXPECT_EQ(p11->m_nWins[PASS_HANDICAP], 6u);
    // The substitute's game is his, not the regular bowler's.
    for (auto [no, games, pins] : {std::tuple{22, 3, 350}, {99, 1, 100}}) {
        const V figures = Figures(league.Player(no));
        EXPECT_EQ(V(figures.begin(), figures.begin() + 2), (V{games, pins})) << no;
    }
    // 12 beat the substitute's 100 in game 2: a win for 12, nothing for 22 or 99.
    EXPECT_EQ(league.Player(12)->m_nWins[PASS_HANDICAP], 2u);
    // The blind game is not the bowler's, but counts in his blind games.
    EXPECT_EQ((V{int(league.Player(21)->m_nGames[PASS_HANDICAP]), int(league.Player(21)->m_nPins[PASS_HANDICAP]),
                 league.Player(21)->m_nBlindGames[PASS_HANDICAP]}),
              (V{3, 420, 1}));
    // The current average figure follows the bowler's games.
    EXPECT_EQ(p11->m_nAverage, 172);
}

TEST_F(Recalc, ExclusionFlagsTouchOnlyHighGameAndSeries)
{
    r2a->m_dwPosFlags[CFixture::SlotOf(0, 0)] |= PosExcluded(0); // 11's 200 in round 2
    league.doc.Recalculate();
    CPlayer* p11 = league.Player(11);
    // 310: the whole match is out of the high series.
    EXPECT_EQ(Figures(p11), (V{4, 690, 180, 310}));
    EXPECT_EQ(league.Team(1)->m_nPins[PASS_HANDICAP], 1200u);
}

TEST_F(Recalc, StoredPointsAreWorkedAgainNotSkipped)
{
    CBowlingDoc& doc = league.doc;
    // Points left by an earlier run, done flags set, as a league file holds them.
    r1a->m_nHandicapMatchPoints[0] = 77;
    r1a->m_bHandicapPointsDone = 1;
    r2a->m_bHandicapPointsDone = 1;
    doc.Recalculate();
    doc.Recalculate();
    EXPECT_EQ((V{league.Team(1)->m_nPointsWon[PASS_HANDICAP], r1a->m_nHandicapMatchPoints[0],
                 int(r1a->m_dwPointsEligible[0])}),
              (V{9, 4, 1}));
    // Round 3 comes in when the current round reaches it.
    doc.m_nCurrentRound = 3;
    doc.Recalculate();
    EXPECT_EQ((V{league.Team(1)->m_nPointsWon[PASS_HANDICAP], league.Team(4)->m_nPointsLost[PASS_HANDICAP]}),
              (V{15, 9}));
}

TEST_F(Recalc, ReloadGivesTheSameStandings)
{
    CBowlingDoc& doc = league.doc;
    doc.m_bScratchLeague = 1;
    doc.SetStandingsKey(FALSE, 0, 6);
    doc.Recalculate();
    const V hcp = league.Order(&CTeam::m_nHcpPosition);
    const V scr = league.Order(&CTeam::m_nScrPosition);
    EXPECT_EQ(hcp, (V{1, 4, 3, 2}));
    // Scratch: by scratch pins: T1 1200, T3 and T4 1000 (T4 ahead on percentage), T2 970.
    EXPECT_EQ(scr, (V{1, 4, 3, 2}));

    std::vector<BYTE> bytes;
    doc.SaveToBytes(bytes);
    RecalcTestLeague reloaded(0, 0, 1);
    CString strError;
    ASSERT_TRUE(reloaded.doc.LoadFromBytes(bytes, "league.lgf", strError)) << strError.GetString();
    EXPECT_EQ(reloaded.Order(&CTeam::m_nHcpPosition), hcp);
    EXPECT_EQ(reloaded.Order(&CTeam::m_nScrPosition), scr);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(reloaded.Team(n)->m_nPointsWon[PASS_HANDICAP], league.Team(n)->m_nPointsWon[PASS_HANDICAP]);
        EXPECT_EQ(reloaded.Team(n)->m_nPointsWon[PASS_SCRATCH], league.Team(n)->m_nPointsWon[PASS_SCRATCH]);
    }
    EXPECT_EQ(reloaded.Player(11)->m_nWins[PASS_SCRATCH], league.Player(11)->m_nWins[PASS_SCRATCH]);
}

TEST_F(Recalc, RoundZeroAllResultsAndStatisticsAsAtADate)
{
    CBowlingDoc& doc = league.doc;
    doc.m_nCurrentRound = 0;
    doc.Recalculate();
    EXPECT_EQ((V{doc.m_nCurrentRound, int(doc.m_bAllResultsEntered)}), (V{1, 1}));
    CFixture* pOpen = league.AddMatch(4, 2, 3);
    doc.Recalculate();
    EXPECT_EQ(doc.m_bAllResultsEntered, 0u);
    // A BYE match needs no result.
    auto* pBye = new CTeam("BYE", 5);
    pBye->m_bBye = 1;
    doc.AddTeam(pBye);
    pOpen->m_nTeamB = 5;
    pOpen->m_pTeamB = pBye;
    doc.Recalculate();
    EXPECT_EQ(doc.m_bAllResultsEntered, 1u);

    // The statistics in force at a round-2 match: round 1 only, whatever the current round.
    for (int nCurrent : {1, 2, 3}) {
        doc.m_nCurrentRound = static_cast<BYTE>(nCurrent);
        doc.m_bHandicapPass = 0;
        doc.RecalculateFixture(r2a->m_timeDue, *r2a);
        EXPECT_EQ(doc.m_timeStats, r2a->m_timeDue);
        EXPECT_EQ((V{int(league.Player(11)->m_nGames[PASS_HANDICAP]), league.Team(1)->m_nPointsWon[PASS_HANDICAP],
                     int(doc.m_bHandicapPass)}),
                  (V{2, 4, 0}))
            << "current round " << nCurrent;
    }
}

TEST_F(Recalc, LeagueAndRoundAverages)
{
    CBowlingDoc& doc = league.doc;
    // Round 2: 200 180 120 120 | 150 x4 | 100 (blind, left out) 100 100 100 | 150 x4 = 2120 / 15.
    EXPECT_DOUBLE_EQ(doc.GetRoundAverage(2), 2120.0 / 15.0);
    EXPECT_DOUBLE_EQ(doc.GetRoundAverage(9), 0.0);
    // Every entered side of every match: round 1 (1950 in 16 games), round 2, and round 3's
    // 1200 + 400 in 8 games.
    const double dPins = 580 + 570 + 400 + 400 + 2120 + 1200 + 400;
    EXPECT_DOUBLE_EQ(doc.GetLeagueAverage(), dPins / (16 + 15 + 8));
    CBowlingDoc empty;
    EXPECT_DOUBLE_EQ(empty.GetLeagueAverage(), 0.0);
}

TEST_F(Recalc, HighScoreTablesAndTeamRanksAreRebuilt)
{
    CBowlingDoc& doc = league.doc;
    doc.Recalculate();
    EXPECT_EQ(doc.FindPlayerByHighGameScratchRank(1, 7, 0)->m_nPlayerNo, 11); // 200 (21's 200 later in list)
    EXPECT_EQ(doc.FindTeamByHiGameScratchRank(1), league.Team(1));            // 320
    EXPECT_EQ(doc.FindTeamByHiSeriesScratchRank(2), league.Team(3));          // 600, before T4's 600
}

// Both systems: the handicap pass, then the scratch pass, each walk the whole season and both
// raise the high games. The scratch pass must neither bring split 1's games back nor lose a game
// of split 2 that only the handicap pass scored.
TEST(RecalcSplits, TheSecondPassKeepsTheSplitsHighScoresAndStartPointsGoWithTheirSplit)
{
    RecalcTestLeague league(4, 1, 1);
    CBowlingDoc& doc = league.doc;
    doc.m_bScratchLeague = 1;
    doc.m_nRounds = 4;
    league.AddMatch(1, 1, 2, {{250}}, {{100}});
    league.AddMatch(1, 3, 4, {{120}}, {{130}});
    league.AddMatch(3, 1, 2, {{180}}, {{190}});
    CFixture* pHcpOnly = league.AddMatch(3, 3, 4, {{230}}, {{150}});
    pHcpOnly->m_bOneSystem = 1; // scores in the handicap pass only
    league.Team(3)->m_nVacancyStartRound = 1;
    league.Team(3)->m_nStartPointsWon = 10;
    league.Team(4)->m_nVacancyStartRound = 3;
    league.Team(4)->m_nStartPointsWon = 6;
    doc.m_bSplitSeason = 1;
    doc.m_nRoundsPerSplit = 2;
    doc.m_nSplits = 2;
    doc.UpdateSplitState();
    doc.m_nCurrentRound = 3;
    auto figures = [&] {
        return V{league.Player(11)->m_nHighGame[PASS_SCRATCH], league.Player(31)->m_nHighGame[PASS_SCRATCH],
                 league.Team(1)->m_nHighGame[PASS_SCRATCH], league.Team(3)->m_nPointsWon[PASS_SCRATCH],
                 league.Team(4)->m_nPointsWon[PASS_SCRATCH], int(league.Player(11)->m_nGames[PASS_SCRATCH])};
    };
    doc.Recalculate();
    EXPECT_EQ(figures(), (V{250, 230, 250, 10, 6, 2}));
    doc.m_bResetHiStatsEachSplit = 1;
    doc.Recalculate();
    EXPECT_EQ(figures(), (V{180, 230, 180, 10, 6, 2}));
    // Team 3 took its starting points in round 1, split 1; team 4 in round 3.
    doc.m_bCompleteResetEachSplit = 1;
    doc.Recalculate();
    EXPECT_EQ(figures(), (V{180, 230, 180, 0, 6, 2}));
    EXPECT_EQ((V{league.Team(1)->m_nGames[PASS_SCRATCH], league.Team(1)->m_nGamesBeforeSplit[PASS_SCRATCH]}), (V{1, 1}));
}

TEST(RecalcSplits, CurrentSplitAndStatsRound)
{
    RecalcTestLeague league(4, 1, 1);
    CBowlingDoc& doc = league.doc;
    doc.m_nRounds = 30;
    doc.m_bCustomSplits = 1;
    for (int i = 0; i < 3; ++i)
        doc.m_nCustomSplitStart[i] = static_cast<BYTE>(i ? 10 * i : 1);
    doc.UpdateSplitState();
    EXPECT_EQ(doc.m_nSplitCount, 3u);
    doc.m_nCurrentRound = 15;
    doc.Recalculate();
    EXPECT_EQ((V{int(doc.m_nCurrentSplit), doc.GetStatsRound()}), (V{2, 6}));
    doc.m_bCustomSplits = 0;
    doc.m_bSplitSeason = 1;
    doc.m_nRoundsPerSplit = 10;
    doc.m_nSplits = 3;
    doc.UpdateSplitState();
    doc.m_nCurrentRound = 25;
    doc.Recalculate();
    EXPECT_EQ((V{int(doc.m_nCurrentSplit), doc.GetStatsRound()}), (V{3, 5}));
    // A 34-round season in three splits of 10: rounds 31-34 are the last split's 11th-14th,
    // so its high-score minimum rests on 14 rounds, not 4.
    doc.m_nRounds = 34;
    doc.m_nCurrentRound = 34;
    doc.Recalculate();
    EXPECT_EQ((V{int(doc.m_nCurrentSplit), doc.GetStatsRound()}), (V{3, 14}));
}
