// The lane table, a team's lane, and a bowler's score bands.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Venue.h"

#include <gtest/gtest.h>

// Run-on, wrapped, split and custom tables are worked through the Lane Schedule dialog in
// tests/admin/LanesTest.cpp; here a venue's lanes stand in for the league's.
TEST(Lanes, VenueLanesAndTheirFallBack)
{
    CBowlingDoc doc;
    doc.m_nStartLane = 1;
    doc.m_nLastLane = 0;
    doc.m_bSplitLanes = 1, doc.m_nSplitStartLane = 21, doc.m_nLanesBeforeSplit = 4;
    auto* pVenue = new CVenue(2);
    pVenue->m_nStartLane = 11;
    pVenue->m_nLastLane = 14;
    doc.m_listVenues.AddTail(pVenue);
    doc.BuildLaneTable(2);
    EXPECT_EQ((std::vector<int>{doc.m_nLaneTable[0], doc.m_nLaneTable[3], doc.m_nLaneTable[4]}), (std::vector<int>{11, 14, 11}));
    // An unknown venue falls back on the league's own lanes.
    doc.BuildLaneTable(9);
    EXPECT_EQ(doc.m_nLaneTable[4], 21);
    // Custom lanes are the league's own: they stand in for a venue's too.
    doc.m_bCustomLanes = 1;
    for (int i = 0; i < 50; ++i)
        doc.m_nCustomLanes[i] = static_cast<BYTE>(100 - i);
    doc.BuildLaneTable(2);
    EXPECT_EQ(doc.m_nLaneTable[39], 61);
}

TEST(Lanes, TeamLaneInItsFirstMatchOfTheRound)
{
    CBowlingDoc doc;
    doc.m_nStartLane = 1;
    doc.m_nLastLane = 0;
    doc.BuildLaneTable(0);
    auto* pFix = new CFixture(2, 5, 6, 4);
    pFix->m_nMatch = 3;
    doc.AddFixture(pFix);
    // The last: an offset past the match gives no table entry, no lane rather than a stray byte.
    EXPECT_EQ((std::vector<int>{doc.GetTeamLane(5, 2, 0), doc.GetTeamLane(6, 2, 0), doc.GetTeamLane(6, 2, 2),
                                doc.GetTeamLane(7, 2, 0), doc.GetTeamLane(5, 1, 0), doc.GetTeamLane(5, 2, 5)}),
              (std::vector<int>{5, 6, 2, 99, 99, 99}));
}

TEST(Lanes, ScoreBandsCountEnteredBowledGamesOnly)
{
    CBowlingDoc doc;
    doc.m_nGamesPerMatch = 3;
    auto* pPlayer = new CPlayer(7);
    doc.AddPlayer(pPlayer);

    auto* pFix = new CFixture(1, 1, 2, 4);
    doc.AddFixture(pFix);
    pFix->m_bPlayed[0] = 1;
    int slot = CFixture::SlotOf(0, 0);
    int scores[3] = {180, 150, 324};
    for (int g = 0; g < 3; ++g) {
        pFix->m_wPlayerNo[g][slot] = 7;
        pFix->m_nScore[g][slot] = static_cast<WORD>(scores[g]);
    }
    pFix->m_dwPosFlags[slot] |= PosBlind(1);

    // Side B of a second match is not entered; side A defaulted game 1.
    auto* pFix2 = new CFixture(2, 2, 1, 4);
    doc.AddFixture(pFix2);
    pFix2->m_bPlayed[0] = 1;
    int slotB = CFixture::SlotOf(1, 2);
    for (int g = 0; g < 3; ++g) {
        pFix2->m_wPlayerNo[g][slotB] = pFix2->m_wPlayerNo[g][slot] = 7;
        pFix2->m_nScore[g][slotB] = 200, pFix2->m_nScore[g][slot] = 100;
    }
    pFix2->m_nDefaulted[0] = DefaultedBit(0);

    DWORD nPins = 0;
    int nGames = 0;
    int gameBands[13], seriesBands[48];
    doc.CountPlayerScoreBands(pPlayer, nPins, nGames, gameBands, seriesBands);
    EXPECT_EQ(std::make_pair(nPins, nGames), std::make_pair(DWORD(180 + 324 + 200), 4));
    // bands of 180, 324, and 100 twice; series of 504 and 200
    EXPECT_EQ((std::vector<int>{gameBands[7], gameBands[12], gameBands[4], seriesBands[504 / 25], seriesBands[200 / 25]}),
              (std::vector<int>{1, 1, 2, 1, 1}));
}
