// Figures at and past the edges of what the league holds: long seasons, damaged numbers from a
// file, match numbers outside the lane table, and the new-league state across save and open.
#include "RecalcTestLeague.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

TEST(LeagueLimits, ABowlersPinsPassSixteenBits)
{
    // 90 rounds of four 200 games: 72,000 pins, beyond a 16-bit counter.
    RecalcTestLeague league(2, 1, 4);
    CBowlingDoc& doc = league.doc;
    doc.m_nRounds = 90;
    for (int r = 1; r <= 90; ++r)
        league.AddMatch(r, 1, 2, {{200, 200, 200, 200}}, {{150, 150, 150, 150}});
    doc.m_nCurrentRound = 90;
    doc.Recalculate();
    CPlayer* p = league.Player(11);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::make_pair(p->m_nGames[PASS_HANDICAP], p->m_nPins[PASS_HANDICAP]),
              std::make_pair(DWORD{360}, DWORD{72000}));
    EXPECT_EQ(std::make_pair(p->GetAverage(TRUE), league.Player(21)->GetAverage(TRUE)), std::make_pair(200.0, 150.0));
}

TEST(LeagueLimits, VenueNumbersBeyondTheCountersAreLeftOut)
{
    RecalcTestLeague league(2, 1, 3);
    CBowlingDoc& doc = league.doc;
    league.AddMatch(1, 1, 2, {{180, 190, 200}}, {{150, 160, 170}})->m_nVenue = 3;
    // A damaged venue number: the match counts everywhere but in the per-venue figures.
    league.AddMatch(2, 1, 2, {{100, 100, 100}}, {{100, 100, 100}})->m_nVenue = 200;
    league.AddMatch(3, 1, 2, {{120, 120, 120}}, {{120, 120, 120}})->m_nVenue = 32;
    doc.m_nCurrentRound = 3;
    doc.Recalculate();
    CPlayer* p = league.Player(11);
    const DWORD nAllVenues = std::accumulate(std::begin(p->m_nVenuePins), std::end(p->m_nVenuePins), DWORD(0));
    EXPECT_EQ(
        (std::vector<DWORD>{p->m_nGames[PASS_HANDICAP], p->m_nVenuePins[3], DWORD(p->m_nVenueGames[3]), nAllVenues}),
        (std::vector<DWORD>{9, 570, 3, 570}));
}

TEST(LeagueLimits, TheFloatingSubstitutesTeamIsNoLeagueTeam)
{
    RecalcTestLeague league(2, 2, 3);
    CBowlingDoc& doc = league.doc;
    league.Player(12)->m_nTeamNo = 0;  // no team: a floating substitute
    ASSERT_EQ(doc.BuildFloatingSubs(), 1);
    ASSERT_NE(doc.m_pFloatingSubsTeam, nullptr);
    // Its number does not fit a match's team byte: the league's look-up never finds it.
    EXPECT_EQ(std::make_pair(doc.FindTeam(doc.m_pFloatingSubsTeam->m_nTeamNo), doc.m_listTeams.GetCount()),
              std::make_pair((CTeam*)nullptr, 2));
}

TEST(LeagueLimits, ScoreBandsKeepHighScoresInTheTopBand)
{
    // Five-pin scores pass the top game band (300-324) and the top series band (1175-1199).
    RecalcTestLeague league(2, 1, 3);
    CBowlingDoc& doc = league.doc;
    doc.m_bFivePinRules = 1;
    league.AddMatch(1, 1, 2, {{450, 440, 430}}, {{100, 100, 100}});
    league.AddMatch(2, 1, 2, {{325, 0, 0}}, {{100, 100, 100}});
    DWORD nPins = 0;
    int nGames = 0;
    int gameBands[13], seriesBands[48];
    doc.CountPlayerScoreBands(league.Player(11), nPins, nGames, gameBands, seriesBands);
    // Pins, games, the top and bottom game bands, the series bands of 1320 and 325, band totals.
    EXPECT_EQ((std::vector<int>{int(nPins), nGames, gameBands[12], gameBands[0], seriesBands[47], seriesBands[13],
                                std::accumulate(gameBands, gameBands + 13, 0),
                                std::accumulate(seriesBands, seriesBands + 48, 0)}),
              (std::vector<int>{1645, 6, 4, 2, 1, 1, 6, 2}));
}

TEST(LeagueLimits, AMatchNumberOutsideTheLaneTableHasNoLane)
{
    RecalcTestLeague league(4, 1, 3);
    CBowlingDoc& doc = league.doc;
    doc.m_nStartLane = 1;
    doc.m_nLastLane = 0;
    doc.BuildLaneTable(0);
    CFixture* f = league.AddMatch(1, 1, 2);
    CFixture* g = league.AddMatch(1, 3, 4);
    ASSERT_EQ(g->m_nMatch, 2);
    EXPECT_EQ(std::make_pair(doc.GetTeamLane(3, 1, 0), doc.GetTeamLane(4, 1, 0)), std::make_pair(3, 4));
    // Unset (0) and past the twentieth match: no entry of the 40-lane table is read.
    f->m_nMatch = 0;
    EXPECT_EQ(std::make_pair(doc.GetTeamLane(1, 1, 0), doc.GetTeamLane(2, 1, 0)), std::make_pair(99, 99));
    g->m_nMatch = 21;
    EXPECT_EQ(doc.GetTeamLane(3, 1, 0), 99);
    g->m_nMatch = 20;
    EXPECT_EQ(doc.GetTeamLane(4, 1, 0), 40);
}

TEST(LeagueLimits, SavingOrOpeningALeagueEndsTheNewLeague)
{
    TempDir dir;
    const std::string path = dir.File("Monday.lgf");
    RecalcTestLeague league(2, 1, 3);
    league.AddMatch(1, 1, 2);
    CBowlingDoc& doc = league.doc;
    doc.m_bNewLeague = 1;
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    EXPECT_EQ(doc.m_bNewLeague, 0u);  // File > Save is no longer greyed

    // The same document, reused for another new league and then for File > Open.
    doc.m_bNewLeague = 1;
    ASSERT_TRUE(doc.OnOpenDocument(path.c_str()));
    EXPECT_EQ(doc.m_bNewLeague, 0u);
    EXPECT_FALSE(doc.IsModified());
}
