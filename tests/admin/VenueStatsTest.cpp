// The venues' statistics worked out from the matches bowled there (matches played, the eight
// top-ten tables and their order) and the venue details item's drawing and height.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "RecordingDC.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "league/Venue.h"
#include "reports/layout/VenueDetailsItem.h"

#include <string>

namespace {

using Texts = std::vector<std::string>;

// The sample league's first two matches of round 1 moved to a venue of their own and given
// known scores; nothing else is bowled there.
struct VenueStats : ::testing::Test
{
    CBowlingDoc doc;
    CVenue* venue = nullptr;
    CFixture* f1 = nullptr;
    CFixture* f2 = nullptr;

    void SetUp() override
    {
        BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
        ASSERT_EQ(doc.m_nGamesPerMatch, 3);
        ASSERT_EQ(doc.m_nPlayersPerTeam, 4);
        for (CFixture* f : Fixtures(doc))
            f->m_nVenue = 0;
        venue = new CVenue(2);
        venue->m_strName = "Riverside Lanes";
        doc.m_listVenues.AddTail(venue);
        f1 = Fixtures(doc, 1)[0];
        f2 = Fixtures(doc, 1)[1];
        f1->m_nVenue = f2->m_nVenue = 2;
        Fill(f1, 0, 150, 10);
        Fill(f1, 1, 140, 20);
        Fill(f2, 0, 150, 0);
        Fill(f2, 1, 100, 70);
        f1->m_nScore[0][CFixture::SlotOf(0, 0)] = 279;
        doc.m_bHandicapLeague = 1;
    }

    static void Fill(CFixture* f, int nSide, WORD nScore, int nHcp)
    {
        f->m_bPlayed[nSide] = 1;
        f->m_nDefaulted[nSide] = 0;
        for (int p = 0; p < 4; ++p) {
            const int k = CFixture::SlotOf(nSide, p);
            f->m_dwPosFlags[k] = 0;
            for (int g = 0; g < 3; ++g) {
                f->m_nScore[g][k] = nScore;
                f->m_nHandicap[g][k] = nHcp;
            }
        }
    }

    const CVenueTopTen& Table(int n) const { return venue->m_topTen[n]; }
    std::vector<int> Scores(int n) const
    {
        return std::vector<int>(Table(n).m_nScore, Table(n).m_nScore + 10);
    }
    CObject* Bowler(CFixture* f, int nSide, int nPos) { return f->GetSlotPlayer(0, CFixture::SlotOf(nSide, nPos)); }
};

bool IsEmpty(const CVenueTopTen& t)
{
    for (int i = 0; i < 10; ++i)
        if (t.m_nScore[i] || t.m_pWho[i] || t.m_pFixture[i])
            return false;
    return true;
}

} // namespace

TEST_F(VenueStats, TablesBestFirstAndEqualScoresInFixtureOrder)
{
    doc.CalcVenueStatistics();
    EXPECT_EQ(venue->m_nMatchesPlayed, 2u);

    // Bowler scratch games: the 279, then nine of the first match's 150s in position order;
    // the second match's equal 150s come too late to enter.
    EXPECT_EQ(Scores(VT_PLAYER_SCR_GAME), (std::vector<int>{279, 150, 150, 150, 150, 150, 150, 150, 150, 150}));
    const CVenueTopTen& g = Table(VT_PLAYER_SCR_GAME);
    EXPECT_EQ(Ptrs(g.m_pWho[0], g.m_pWho[2], g.m_pWho[3]), Ptrs(Bowler(f1, 0, 0), Bowler(f1, 0, 0), Bowler(f1, 0, 1)));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(g.m_pFixture[i], f1) << i;

    // With handicap the second match's 100 + 70 beats every 150 + 10 and 140 + 20.
    EXPECT_EQ(Scores(VT_PLAYER_HCP_GAME), (std::vector<int>{289, 170, 170, 170, 170, 170, 170, 170, 170, 170}));
    EXPECT_EQ(Ptrs(Table(VT_PLAYER_HCP_GAME).m_pFixture[1], Table(VT_PLAYER_HCP_GAME).m_pWho[1]),
              Ptrs(f2, Bowler(f2, 1, 0)));

    // Series: the bowler with the 279 first (579), then the 450s of the first match.
    EXPECT_EQ(Nums(Table(VT_PLAYER_SCR_SERIES).m_nScore[0], Table(VT_PLAYER_SCR_SERIES).m_nScore[1],
                   Table(VT_PLAYER_HCP_SERIES).m_nScore[0], Table(VT_PLAYER_HCP_SERIES).m_nScore[1]),
              Nums(579, 450, 609, 510));

    // Team games: 729, the first match's two 600s, the second's three, the 560s of side B
    // of the first match and one 400 to make ten.
    EXPECT_EQ(Scores(VT_TEAM_SCR_GAME), (std::vector<int>{729, 600, 600, 600, 600, 600, 560, 560, 560, 400}));
    const CVenueTopTen& t = Table(VT_TEAM_SCR_GAME);
    EXPECT_EQ(Ptrs(t.m_pWho[0], t.m_pFixture[3], t.m_pWho[6], t.m_pWho[9]),
              Ptrs(f1->m_pTeamA, f2, f1->m_pTeamB, f2->m_pTeamB));
    EXPECT_EQ(Scores(VT_TEAM_SCR_SERIES), (std::vector<int>{1929, 1800, 1680, 1200, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Table(VT_TEAM_SCR_SERIES).m_pWho[4], nullptr);
    EXPECT_EQ(Table(VT_TEAM_HCP_SERIES).m_nScore[4], 0);
    EXPECT_NE(Table(VT_TEAM_HCP_SERIES).m_nScore[3], 0);

    // Worked out afresh each time: a match taken away leaves no trace.
    f2->m_nVenue = 0;
    doc.CalcVenueStatistics();
    EXPECT_EQ(venue->m_nMatchesPlayed, 1u);
    EXPECT_EQ(Table(VT_TEAM_SCR_SERIES).m_nScore[2], 0);
}

TEST_F(VenueStats, OnlySideBPlayedAddsItsScoresButNoMatch)
{
    f2->m_nVenue = 0;
    f1->m_bPlayed[0] = 0;
    doc.CalcVenueStatistics();
    EXPECT_EQ(venue->m_nMatchesPlayed, 0u);
    EXPECT_EQ(Nums(Table(VT_PLAYER_SCR_GAME).m_nScore[0], Table(VT_TEAM_SCR_SERIES).m_nScore[1]), Nums(140, 0));
    EXPECT_EQ(Ptrs(Table(VT_PLAYER_SCR_GAME).m_pWho[0], Table(VT_TEAM_SCR_SERIES).m_pWho[0]),
              Ptrs(Bowler(f1, 1, 0), f1->m_pTeamB));
}

TEST_F(VenueStats, ScratchMatchesFillOnlyTheScratchTables)
{
    doc.m_bHandicapLeague = 0;
    doc.CalcVenueStatistics();
    for (int n : {VT_PLAYER_HCP_GAME, VT_PLAYER_HCP_SERIES, VT_TEAM_HCP_GAME, VT_TEAM_HCP_SERIES})
        EXPECT_TRUE(IsEmpty(Table(n))) << n;
    for (int n : {VT_PLAYER_SCR_GAME, VT_PLAYER_SCR_SERIES, VT_TEAM_SCR_GAME, VT_TEAM_SCR_SERIES})
        EXPECT_FALSE(IsEmpty(Table(n))) << n;

    // In a handicap league a position round set from the scratch standings is scratch too.
    doc.m_bHandicapLeague = 1;
    for (CFixture* f : {f1, f2})
        f->m_bPositionRound = f->m_bPositionRoundScratch = 1;
    doc.CalcVenueStatistics();
    EXPECT_TRUE(IsEmpty(Table(VT_PLAYER_HCP_GAME)));
    EXPECT_TRUE(IsEmpty(Table(VT_TEAM_HCP_SERIES)));
    f2->m_bPositionRoundScratch = 0;
    doc.CalcVenueStatistics();
    EXPECT_EQ(Table(VT_PLAYER_HCP_GAME).m_nScore[0], 170);
}

TEST_F(VenueStats, NoMatchesNoEntriesAndNoBareHandicaps)
{
    auto* empty = new CVenue(3);
    doc.m_listVenues.AddTail(empty);
    // A side entered without scores: its handicaps alone must not make a handicap entry.
    f2->m_nVenue = 0;
    Fill(f1, 0, 0, 40);
    Fill(f1, 1, 0, 40);
    doc.CalcVenueStatistics();
    EXPECT_EQ(Nums(empty->m_nMatchesPlayed, venue->m_nMatchesPlayed), Nums(0, 1));
    for (int n = 0; n < VT_TABLES; ++n) {
        EXPECT_TRUE(IsEmpty(empty->m_topTen[n])) << n;
        EXPECT_TRUE(IsEmpty(Table(n))) << n;
    }
}

TEST(VenueTopTen, ShiftMakesRoomAndDropsTheTenth)
{
    CVenueTopTen t;
    CFreeWeek a, b;
    CFixture f;
    for (int i = 0; i < 10; ++i) {
        t.m_nScore[i] = static_cast<WORD>(300 - i);
        t.m_pWho[i] = i == 9 ? &b : &a;
        t.m_pFixture[i] = &f;
    }
    ShiftPlayerTopTen(2, t.m_nScore, t.m_pWho, t.m_pFixture);
    EXPECT_EQ((std::vector<int>(t.m_nScore, t.m_nScore + 10)),
              (std::vector<int>{300, 299, 0, 298, 297, 296, 295, 294, 293, 292}));
    // The old tenth has gone.
    EXPECT_EQ(Ptrs(t.m_pWho[2], t.m_pFixture[2], t.m_pWho[9]), Ptrs(nullptr, nullptr, &a));
    // The free place takes the next score below 299.
    InsertTopTen(t, 250, &b, &f);
    EXPECT_EQ(t.m_nScore[2], 250);
    EXPECT_EQ(t.m_pWho[2], &b);

    // A full table: a score equal to the tenth is not entered, one above it replaces it.
    for (int i = 0; i < 10; ++i) {
        t.m_nScore[i] = static_cast<WORD>(300 - i);
        t.m_pWho[i] = &a;
    }
    InsertTopTen(t, 291, &b, &f);
    EXPECT_EQ(t.m_pWho[9], &a);
    InsertTopTen(t, 292, &b, &f);
    EXPECT_EQ((std::vector<int>(t.m_nScore + 7, t.m_nScore + 10)), (std::vector<int>{293, 292, 292}));
    EXPECT_EQ(Ptrs(t.m_pWho[8], t.m_pWho[9]), Ptrs(&a, &b));
    ShiftTeamTopTen(9, t.m_nScore, t.m_pWho, t.m_pFixture);
    EXPECT_EQ(t.m_nScore[9], 0);
}

// ------------------------------------------------------------------ the details item

TEST(VenueDetailsItem, NameThenDetailsOnOneLineAndWrappedDirections)
{
    CVenue v(1);
    v.m_strName = "Riverside";
    v.m_strPhone = "0113";
    v.m_strAddress[0] = "1 Mill Road";
    v.m_strPostcode = "LS1";
    v.m_strDirections = "Junction 3\r\nSecond left\r\nX";
    CRepItem_VenueDetails item;
    EXPECT_EQ(Nums(item.m_nType, item.m_nPage), Nums(32, 1));
    item.m_pVenue = &v;
    item.m_x = 720;
    item.m_y = -1000;
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    Texts texts;
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Text)
            texts.push_back(std::to_string(c.x1) + "," + std::to_string(c.y1) + " " + c.text.GetString());
    // Title font 100 twips a character here, detail font 86; an empty address line is skipped
    // and the directions lose the text of fewer than three characters after the last break.
    const int x1 = 720 + 14 * 100, x2 = x1 + 7 * 86, x3 = x2 + 14 * 86;
    EXPECT_EQ(texts, (Texts{"720,-1000 Riverside.    ", std::to_string(x1) + ",-1040 0113,  ",
                            std::to_string(x2) + ",-1040 1 Mill Road,  ", std::to_string(x3) + ",-1040 LS1,  ",
                            "720,-1240 Junction 3", "720,-1480 Second left"}));
    EXPECT_EQ(item.GetHeight(&dc), -720);

    for (const auto& [directions, nHeight] : {std::pair("Opposite the station", -480), std::pair("", -240)}) {
        v.m_strDirections = directions;
        EXPECT_EQ(item.GetHeight(&dc), nHeight) << directions;
    }

    // Long directions wrap inside the page, and the height counts each drawn line.
    v.m_strDirections = CString(std::string(100, 'w').c_str());
    for (int i = 0; i < 10; ++i)
        v.m_strDirections += " word";
    CRecordingDC dc2;
    item.Draw(&dc2, nullptr);
    int nLines = 0;
    for (const DrawCall& c : dc2.calls)
        if (c.kind == DrawCall::Text && c.x1 == 720 && c.y1 < -1000)
            ++nLines;
    EXPECT_GT(nLines, 1);
    EXPECT_EQ(item.GetHeight(&dc2), -240 * (1 + nLines));
}

TEST(VenueDetailsItem, AtMostTwentyPartsOfDirections)
{
    CString text;
    for (int i = 0; i < 25; ++i)
        text += "Turn\r\n";
    text += "End";
    EXPECT_EQ(Nums(CRepItem_VenueDetails::DirectionParts(text).size(),
                   CRepItem_VenueDetails::DirectionParts("One\r\nTwo").size(),
                   CRepItem_VenueDetails::DirectionParts("One\r\n").size()),
              Nums(20, 2, 1));
}
