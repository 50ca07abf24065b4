#include "RecalcTestLeague.h"
#include "ScriptedBackend.h"

#include <gtest/gtest.h>

namespace {

using V = std::vector<int>;

void SetFigures(CTeam* t, int nPass, int nWon, int nLost, DWORD nPins, DWORD nScrPins, WORD nGames)
{
    t->m_nPointsWon[nPass] = nWon;
    t->m_nPointsLost[nPass] = nLost;
    t->m_nPins[nPass] = nPins;
    if (nPass == PASS_HANDICAP)
        t->m_nHcpScrPins = nScrPins;
    t->m_nGames[nPass] = nGames;
}

// Four teams worked by hand, handicap set:
//   team  won lost  pct   scratch pins  hcp pins  games  average x1000 (1 bowler)
//    1    10   6   6250      1000        1400      10     140000
//    2    10   4   7142       900        1500      12     125000
//    3     8   2   8000      1200        1300       8     162500
//    4    10   6   6250      1100        1250      10     125000
struct Standings : ::testing::Test
{
    RecalcTestLeague league{4, 1, 2};
    void SetUp() override
    {
        SetFigures(league.Team(1), PASS_HANDICAP, 10, 6, 1400, 1000, 10);
        SetFigures(league.Team(2), PASS_HANDICAP, 10, 4, 1500, 900, 12);
        SetFigures(league.Team(3), PASS_HANDICAP, 8, 2, 1300, 1200, 8);
        SetFigures(league.Team(4), PASS_HANDICAP, 10, 6, 1250, 1100, 10);
        league.doc.m_bHandicapPass = 1;
    }
    void Keys(BOOL bHandicap, std::initializer_list<int> keys)
    {
        int i = 0;
        for (int k : keys)
            league.doc.SetStandingsKey(bHandicap, i++, k);
    }
    V Hcp()
    {
        league.doc.CalcHandicapStandings();
        return league.Order(&CTeam::m_nHcpPosition);
    }
};

} // namespace

TEST_F(Standings, UnsetKeysReadAsPointsPercentageScratchPinfall)
{
    // Points: 1, 2, 4 tie on 10; percentage: 2 (7142) ahead of 1 and 4 (6250);
    // scratch pinfall: 4 (1100) ahead of 1 (1000); then 3 with 8 points.
    EXPECT_EQ(Hcp(), (V{2, 4, 1, 3}));
}

TEST_F(Standings, EachKeyOrderWorkedByHand)
{
    CBowlingDoc& doc = league.doc;
    const struct { int keys[3]; V order; } cases[] = {
        // Handicap pinfall, then games, then points.
        {{6, 5, 1}, {2, 1, 3, 4}},
        // Team average first (pins x 1000 / (bowlers x games)): 3 162.5; 1 140; 2 and 4 125 each,
        // then percentage: 2 ahead of 4.
        {{4, 2, 0}, {3, 1, 2, 4}},
        // Percentage, then scratch pinfall: 3 8000, 2 7142, then 4 (1100) before 1 (1000).
        {{2, 3, 0}, {3, 2, 4, 1}},
        // Games played first: 2 (12), then 1 and 4 (10) split by the third key (unset: scratch
        // pinfall, since the second is games again), then 3.
        {{5, 5, 0}, {2, 4, 1, 3}},
    };
    for (const auto& c : cases) {
        Keys(TRUE, {c.keys[0], c.keys[1], c.keys[2]});
        EXPECT_EQ(Hcp(), c.order) << c.keys[0] << c.keys[1] << c.keys[2];
    }
    // The scratch sequence is its own: with the scratch set, points then games.
    for (int n = 1; n <= 4; ++n)
        SetFigures(league.Team(n), PASS_SCRATCH, n == 3 ? 12 : 6, 2, 1000 + 10 * n, 0, static_cast<WORD>(20 - n));
    Keys(FALSE, {1, 5});
    doc.m_bHandicapPass = 0;
    doc.CalcStandingsPositions();
    EXPECT_EQ(league.Order(&CTeam::m_nScrPosition), (V{3, 1, 2, 4}));
    // The handicap positions were left alone.
    EXPECT_EQ(league.Order(&CTeam::m_nHcpPosition), (V{2, 4, 1, 3}));
}

TEST_F(Standings, FullTieKeepsListOrderRemovedAndOmittedTeams)
{
    for (int n = 1; n <= 4; ++n)
        SetFigures(league.Team(n), PASS_HANDICAP, 4, 4, 500, 500, 2);
    EXPECT_EQ(Hcp(), (V{1, 2, 3, 4}));
    // "Vacancy (Omit from Standings)" teams take the last places, the first met the very last.
    league.Team(1)->m_bOmitStandings = 1;
    league.Team(2)->m_bOmitStandings = 1;
    league.Team(4)->m_nPointsWon[PASS_HANDICAP] = 20;
    EXPECT_EQ(Hcp(), (V{4, 3, 2, 1}));
    // A removed team gets no place.
    league.Team(3)->m_bRemoved = 1;
    EXPECT_EQ(Hcp(), (V{4, 2, 1}));
    EXPECT_EQ(league.Team(3)->m_nHcpPosition, 0);
}

TEST_F(Standings, DivisionsRankTogetherEvenPastAMillionPins)
{
    CBowlingDoc& doc = league.doc;
    doc.m_bDivisions = 1;
    doc.m_nDivisions = 2;
    for (int n = 1; n <= 4; ++n)
        league.Team(n)->m_nDivision = static_cast<BYTE>(n % 2 ? 2 : 1);
    // Division 1 (teams 2, 4) first, each division by its own keys.
    EXPECT_EQ(Hcp(), (V{2, 4, 1, 3}));
    EXPECT_EQ(std::make_pair(league.Team(2)->GetStandingsValue(1), league.Team(1)->GetStandingsValue(1)),
              std::make_pair(LONGLONG{10 + 1000000}, LONGLONG{10}));
    // A division-2 team whose first key is the pinfall, above the division step.
    doc.SetStandingsKey(TRUE, 0, 6);
    league.Team(3)->m_nPins[PASS_HANDICAP] = 5000000;
    EXPECT_EQ(Hcp(), (V{2, 4, 3, 1}));

    doc.CountTeamsPerDivision();
    EXPECT_EQ((V{doc.m_nTeamsPerDivision[1], doc.m_nTeamsPerDivision[2], doc.m_nDivisionOffset[2]}), (V{2, 2, 2}));
}

TEST(StandingsDivisions, CountsAndOffsets)
{
    RecalcTestLeague league(6, 1, 1);
    const int divisions[] = {1, 1, 2, 2, 2, 3};
    for (int n = 1; n <= 6; ++n)
        league.Team(n)->m_nDivision = static_cast<BYTE>(divisions[n - 1]);
    CBowlingDoc& doc = league.doc;
    doc.CountTeamsPerDivision();
    EXPECT_EQ(doc.m_nTeamsPerDivision[1], 0) << "divisions off: nothing counted";
    doc.m_bDivisions = 1;
    doc.m_nDivisions = 3;
    league.Team(6)->m_nDivision = 3;
    doc.CountTeamsPerDivision();
    EXPECT_EQ((V{doc.m_nTeamsPerDivision[1], doc.m_nTeamsPerDivision[2], doc.m_nTeamsPerDivision[3]}), (V{2, 3, 1}));
    EXPECT_EQ((V{doc.m_nDivisionOffset[1], doc.m_nDivisionOffset[2], doc.m_nDivisionOffset[3]}), (V{0, 2, 5}));
    // A damaged division number beyond the tables is left out.
    league.Team(6)->m_nDivision = 200;
    doc.CountTeamsPerDivision();
    EXPECT_EQ(doc.m_nTeamsPerDivision[3], 0);
}

TEST_F(Standings, CombinedStandingsSumTheChosenKinds)
{
    CBowlingDoc& doc = league.doc;
    //            scratch won/lost   handicap won/lost (from SetUp)
    // team 1       2 / 6               10 / 6      -> 12 / 12   5000
    // team 2       0 / 8               10 / 4      -> 10 / 12   4545
    // team 3       8 / 0                8 / 2      -> 16 / 2    8888
    // team 4       2 / 6               10 / 6      -> 12 / 12   5000 (tie with 1 on both)
    const int scr[4][2] = {{2, 6}, {0, 8}, {8, 0}, {2, 6}};
    for (int n = 1; n <= 4; ++n) {
        league.Team(n)->m_nPointsWon[PASS_SCRATCH] = scr[n - 1][0];
        league.Team(n)->m_nPointsLost[PASS_SCRATCH] = scr[n - 1][1];
    }
    doc.CalcCombinedStandings(0);
    EXPECT_EQ((V{league.Team(3)->m_nCombinedWon, league.Team(3)->m_nTotalPoints, league.Team(2)->m_nCombinedLost}),
              (V{16, 16, 12}));
    // Total, then combined percentage, then (unset third key) scratch pinfall of the
    // handicap set: 4 (1100) before 1 (1000).
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{3, 4, 1, 2}));
    // Handicap points only.
    doc.CalcCombinedStandings(COMBINE_HANDICAP);
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{2, 4, 1, 3}));
    // Pyramid points join in when asked.
    league.Team(3)->m_nPyramidWon[PASS_HANDICAP] = 5;
    doc.CalcCombinedStandings(COMBINE_HANDICAP | COMBINE_PYRAMID_HANDICAP);
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{3, 2, 4, 1}));
}

TEST_F(Standings, PyramidRankings)
{
    CBowlingDoc& doc = league.doc;
    const int pyramid[4] = {6, 8, 6, 2};
    for (int n = 1; n <= 4; ++n) {
        league.Team(n)->m_nPyramidWon[PASS_SCRATCH] = pyramid[n - 1];
        league.Team(n)->m_nPyramidWon[PASS_HANDICAP] = pyramid[n - 1];
    }
    // Ties on pyramid points go to the second key (percentage, handicap set): 3 before 1.
    doc.RankTeamsByPyramidHandicap();
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{2, 3, 1, 4}));
    // An extra team in the list: the scratch ranking places every team of the list, the
    // handicap ranking only the league's number of teams.
    auto* pExtra = new CTeam("Extra", 5);
    doc.AddTeam(pExtra);
    pExtra->m_nPyramidWon[PASS_SCRATCH] = pExtra->m_nPyramidWon[PASS_HANDICAP] = 20;
    doc.RankTeamsByPyramidHandicap();
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{5, 2, 3, 1}));
    EXPECT_EQ(league.Team(4)->m_nRankPosition, 0);
    doc.m_bHandicapPass = 0; // the second key's value now reads the (empty) scratch set
    doc.RankTeamsByPyramidScratch();
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{5, 2, 1, 3, 4}));
}

TEST_F(Standings, AverageAndPinfallRankingsPutFlaggedTeamsLast)
{
    CBowlingDoc& doc = league.doc;
    doc.RankTeamsByAverageHcpLeague();
    // 1: 140, 2: 125, 3: 162.5, 4: 125.
    EXPECT_DOUBLE_EQ(league.Team(3)->m_dAverage[PASS_HANDICAP], 162.5);
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{3, 1, 2, 4}));
    league.Team(3)->m_bOmitHiTeamStats = 1;
    league.Team(1)->m_bBye = 1;
    doc.RankTeamsByAverageHcpLeague();
    EXPECT_EQ(league.Team(3)->m_dAverage[PASS_HANDICAP], 0.0);
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{2, 4, 1, 3}));
    doc.RankTeamsByHandicapPinfall();
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{2, 4, 1, 3}));
    // Pinfall: the scratch pins kept with the handicap totals in a handicap-only league.
    league.Team(3)->m_bOmitHiTeamStats = 0;
    doc.RankTeamsByPinfall();
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{3, 4, 2, 1}));
    doc.m_bScratchLeague = 1;
    for (int n = 1; n <= 4; ++n)
        league.Team(n)->m_nPins[PASS_SCRATCH] = static_cast<DWORD>(100 * n);
    doc.RankTeamsByPinfall();
    EXPECT_EQ(league.Order(&CTeam::m_nRankPosition), (V{4, 3, 2, 1}));
    // No games: average 0, no division by zero.
    league.Team(2)->m_nGames[PASS_SCRATCH] = 0;
    doc.RankTeamsByAverageScrLeague();
    EXPECT_EQ(league.Team(2)->m_dAverage[PASS_SCRATCH], 0.0);
}

TEST_F(Standings, LookUpsFallBackToTheLastTeam)
{
    CBowlingDoc& doc = league.doc;
    Hcp();
    EXPECT_EQ(doc.FindTeamByHcpPosition(1), league.Team(2));
    EXPECT_EQ(doc.FindTeamByHcpPosition(9), league.Team(4)) << "no such place: the last team";
    doc.RankTeamsByAverageHcpLeague();
    EXPECT_EQ(doc.FindTeamByRankPosition(1), league.Team(3));
    EXPECT_EQ(doc.FindTeamByRankPosition(0), league.Team(4));

    // The scratch look-up says so, once per standings calculation.
    doc.m_bHandicapPass = 0;
    doc.CalcScratchStandings();
    {
        CScriptedBackend ui;
        ui.AnswerMessageBox(IDOK, "Internal Error. Incomplete Scratch team sequence");
        EXPECT_EQ((std::vector<CTeam*>{doc.FindTeamByScratchPosition(7), doc.FindTeamByScratchPosition(8),
                                       doc.FindTeamByScratchPosition(2)}),
                  (std::vector<CTeam*>{league.Team(4), league.Team(4), league.Team(2)}));
        EXPECT_EQ(ui.messages.size(), 1u);
    }

    league.Team(1)->m_nHighGame[PASS_SCRATCH] = 250;
    league.Team(2)->m_nHighGame[PASS_SCRATCH] = 260;
    league.Team(2)->m_nHighSeries[PASS_HANDICAP] = 700;
    league.Team(4)->m_nHighSeries[PASS_HANDICAP] = 710;
    doc.RankTeamHighScores();
    EXPECT_EQ((std::vector<CTeam*>{doc.FindTeamByHiGameScratchRank(1), doc.FindTeamByHiGameScratchRank(2),
                                   doc.FindTeamByHiSeriesHcpRank(1), doc.FindTeamByHiGameHcpRank(4),
                                   doc.FindTeamByHiSeriesScratchRank(5)}),
              (std::vector<CTeam*>{league.Team(2), league.Team(1), league.Team(4), league.Team(4), league.Team(4)}));

    CBowlingDoc empty;
    EXPECT_EQ((std::vector<CTeam*>{empty.FindTeamByHcpPosition(1), empty.FindTeamByScratchPosition(1),
                                   empty.FindTeamByRankPosition(1), empty.FindTeamByHiGameScratchRank(1)}),
              (std::vector<CTeam*>(4, nullptr)));
}
