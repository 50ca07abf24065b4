// The custom standings table: every catalogue column against a team worked by hand, the
// rows Expand makes, division breaks, what the table draws and writes, and its stored bytes.
#include "../layout/ReportTestHelpers.h"
#include "RecordingDC.h"
#include "league/Fixture.h"
#include "league/Team.h"
#include "reports/stats/CustomStandings.h"

#include <gtest/gtest.h>

namespace {

// A team after three matches of three games, four bowlers a side.
void WorkedTeam(CTeam& t)
{
    t.m_nGames[PASS_SCRATCH] = 9;
    t.m_nGames[PASS_HANDICAP] = 9;
    t.m_nPins[PASS_SCRATCH] = 6310;   // scratch pins of the scratch pass
    t.m_nPins[PASS_HANDICAP] = 7335;  // pins with handicap
    t.m_nHcpScrPins = 6300;           // scratch pins of the handicap pass
    t.m_nPointsWon[PASS_HANDICAP] = 14;
    t.m_nPointsLost[PASS_HANDICAP] = 4;
    t.m_nPointsWon[PASS_SCRATCH] = 10;
    t.m_nPointsLost[PASS_SCRATCH] = 8;
    t.m_nCombinedWon = 24;
    t.m_nCombinedLost = 12;
    t.m_nPyramidWon[PASS_SCRATCH] = 6;
    t.m_nPyramidLost[PASS_SCRATCH] = 2;
    t.m_nPyramidWon[PASS_HANDICAP] = 8;
    t.m_nPyramidLost[PASS_HANDICAP] = 1;
    t.m_nDrawn[PASS_HANDICAP] = 1;
    t.m_nGamesWon[PASS_SCRATCH] = 11;
    t.m_nGamesLost[PASS_SCRATCH] = 7;
    t.m_nGamesWon[PASS_HANDICAP] = 13;
    t.m_nGamesLost[PASS_HANDICAP] = 5;
    t.m_nHighGame[PASS_SCRATCH] = 720;
    t.m_nHighGame[PASS_HANDICAP] = 835;
    t.m_nHighSeries[PASS_SCRATCH] = 2150;
    t.m_nHighSeries[PASS_HANDICAP] = 2490;
    t.m_nOppPins[PASS_SCRATCH] = 6100;
    t.m_nOppGames[PASS_SCRATCH] = 9;
    t.m_nOppPins[PASS_HANDICAP] = 7000;
    t.m_nOppGames[PASS_HANDICAP] = 9;
}

class Catalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_doc.m_nPlayersPerTeam = 4;
        m_doc.m_nGamesPerMatch = 3;
        WorkedTeam(m_team);
        m_column.m_pDoc = &m_doc;
        m_column.m_pTeam = &m_team;
        m_column.m_nPosition = 2;
    }

    std::string Cell(int nType, BYTE nKind = SK_HANDICAP, BOOL bHtml = FALSE)
    {
        m_column.m_nColumnType = static_cast<BYTE>(nType);
        m_column.m_nKind = nKind;
        return m_column.GetCellText(bHtml).GetString();
    }

    CBowlingDoc m_doc;
    CTeam m_team{"Alley Cats", 1};
    CRepItem_CustomItem m_column;
};

} // namespace

TEST_F(Catalogue, EveryColumnOnTheHandicapSide)
{
    // (pins + games / 2) / games: 7339 / 9 = 815; opponents 7004 / 9 = 778; scratch 6314 / 9
    // = 701, opponents 6104 / 9 = 678. Per bowler: 36 bowler games.
    const std::vector<std::string> expected = {
        "",        "2",      "Alley Cats", "7 ",     "2 ",     "9",      "6300",   "7335",
        "835",     "720",    "2490",       "2150",   "1",      "815",    "701",    "203",
        "175",     "77.77",  "203.7",      "175.0",  "203.75", "175.00", "3",      "+23",
        "+37",     "678",    "778",        "5\xBD",  "3\xBD",  "6\xBD",  "2\xBD",
        "3\xBD",   // (8 + 14) / 3 matches = 7 half points
        "2\xBD",   // (6 + 10) / 3 = 5
        "3 ",      // 38 / 6 = 6
        "???",
    };
    ASSERT_EQ(expected.size(), static_cast<size_t>(CC_COUNT));
    for (int n = 0; n < CC_COUNT; ++n)
        EXPECT_EQ(Cell(n), expected[static_cast<size_t>(n)]) << GetCustomColumnName(n);
}

TEST_F(Catalogue, KindsPickTheirPointsAndSide)
{
    EXPECT_EQ(Cell(CC_POINTS_WON, SK_SCRATCH), "5 ");
    EXPECT_EQ(Cell(CC_POINTS_LOST, SK_SCRATCH), "4 ");
    EXPECT_EQ(Cell(CC_PCT_WON, SK_SCRATCH), "55.55");
    EXPECT_EQ(Cell(CC_SCRATCH_PINS, SK_SCRATCH), "6310");
    EXPECT_EQ(Cell(CC_DRAWN, SK_SCRATCH), "0");
    EXPECT_EQ(Cell(CC_AVG_PLAYER_SCR_2, SK_SCRATCH), "175.27");
    EXPECT_EQ(Cell(CC_POINTS_WON, SK_COMBINED), "12 ");
    EXPECT_EQ(Cell(CC_POINTS_LOST, SK_COMBINED), "6 ");
    EXPECT_EQ(Cell(CC_PCT_WON, SK_COMBINED), "66.66");
    EXPECT_EQ(Cell(CC_POINTS_WON, SK_PYRAMID_SCRATCH), "3 ");
    EXPECT_EQ(Cell(CC_SCRATCH_PINS, SK_PYRAMID_SCRATCH), "6310");
    EXPECT_EQ(Cell(CC_POINTS_WON, SK_PYRAMID_HANDICAP), "4 ");
    EXPECT_EQ(Cell(CC_POINTS_LOST, SK_PYRAMID_HANDICAP), " \xBD");

    // Pinfall points: hundredths.
    m_doc.m_Petersen.m_bHandicap = 1;
    m_team.m_nPointsWon[PASS_HANDICAP] = 1250;
    EXPECT_EQ(Cell(CC_POINTS_WON), "12.50");
}

TEST_F(Catalogue, ATeamWithoutGamesShowsZeros)
{
    CTeam empty("New Team", 9);
    m_column.m_pTeam = &empty;
    for (int n : {CC_AVG_TEAM_HCP, CC_AVG_TEAM_SCR, CC_AVG_PLAYER_HCP, CC_AVG_PLAYER_SCR, CC_MATCHES, CC_OPP_AVG_SCR,
                  CC_DIFF_SCR})
        EXPECT_EQ(Cell(n), "0") << GetCustomColumnName(n);
    EXPECT_EQ(Cell(CC_PCT_WON), " 0.00");
    EXPECT_EQ(Cell(CC_AVG_PLAYER_HCP_1), "0.0");
    EXPECT_EQ(Cell(CC_AVG_PLAYER_SCR_2), "0.00");
    EXPECT_EQ(Cell(CC_PTS_PER_MATCH_ALL), "0 ");
    // Games bowled but not a point won or lost.
    empty.m_nGames[PASS_HANDICAP] = 3;
    EXPECT_EQ(Cell(CC_PCT_WON), " 0.00");
}

TEST_F(Catalogue, AverageDifferences)
{
    m_team.m_nOppPins[PASS_SCRATCH] = 6310 - 18;   // two pins a game worse: 699
    EXPECT_EQ(Cell(CC_DIFF_SCR), "+2");
    m_team.m_nOppPins[PASS_SCRATCH] = 6310;
    EXPECT_EQ(Cell(CC_DIFF_SCR), "0");
    m_team.m_nOppPins[PASS_SCRATCH] = 6310 + 27;
    EXPECT_EQ(Cell(CC_DIFF_SCR), "-3");
}

TEST_F(Catalogue, ErrorAndUnknownTypes)
{
    EXPECT_EQ(Cell(CC_ERROR, SK_SCRATCH), "???");
    EXPECT_EQ(Cell(CC_ERROR, SK_SCRATCH, TRUE), "01?");
    // A damaged type from a file reads as the error column.
    EXPECT_EQ(Cell(200, SK_PYRAMID_HANDICAP, TRUE), "04?");
    EXPECT_EQ(Cell(35), "???");
    EXPECT_STREQ(GetCustomColumnName(34), "Error");
    EXPECT_STREQ(GetCustomColumnName(33), "Avg Pts/Game (All)");
    EXPECT_STREQ(GetCustomColumnName(35), "");
}

TEST_F(Catalogue, PositionCountsWithinTheDivision)
{
    m_doc.m_bDivisions = 1;
    m_doc.m_nDivisions = 2;
    m_doc.m_nTeams = 5;
    for (int i = 0; i < 5; ++i) {
        auto* p = new CTeam("T", static_cast<WORD>(i + 1));
        p->m_nDivision = i < 3 ? 1 : 2;
        m_doc.AddTeam(p);
    }
    m_doc.CountTeamsPerDivision();
    m_team.m_nDivision = 2;
    m_column.m_nPosition = 4;
    EXPECT_EQ(Cell(CC_POSITION), "1");
}

TEST_F(Catalogue, CellDrawingJustificationAndNameRectangle)
{
    CRecordingDC dc;
    CFont font;
    font.CreateFont(-200, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    m_column.m_pFontObject = &font;
    m_column.m_font.m_crColour = RGB(0, 0, 128);
    m_column.m_x = 2000;
    m_column.m_y = -3000;
    m_column.m_nWidth = 100;   // 1440 twips
    m_column.m_nColumnType = CC_TEAM_NAME;
    m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_RIGHT;
    m_column.Draw(&dc, nullptr);
    ASSERT_EQ(dc.calls.size(), 1u);
    EXPECT_EQ(dc.calls[0].x1, 2000 + 1440 - 1000);
    EXPECT_EQ(dc.calls[0].color, RGB(0, 0, 128));
    EXPECT_TRUE(m_team.HitTest(CPoint(2500, -3100)));
    EXPECT_FALSE(m_team.HitTest(CPoint(2300, -3100)));

    m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_CENTRE;
    m_column.m_nColumnType = CC_GAMES;   // "9"
    CRecordingDC dc2;
    m_column.Draw(&dc2, nullptr);
    EXPECT_EQ(dc2.calls.at(0).x1, 2000 + (1440 - 100) / 2);

    // A space column draws nothing; nor does a figure without a team.
    m_column.m_nColumnType = CC_SPACE;
    m_column.Draw(&dc2, nullptr);
    m_column.m_nColumnType = CC_GAMES;
    m_column.m_pTeam = nullptr;
    m_column.Draw(&dc2, nullptr);
    EXPECT_EQ(dc2.calls.size(), 1u);
    // Width 0 right-justified ends at the column's left edge.
    m_column.m_pTeam = &m_team;
    m_column.m_nWidth = 0;
    m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_RIGHT;
    CRecordingDC dc3;
    m_column.Draw(&dc3, nullptr);
    EXPECT_EQ(dc3.calls.at(0).x1, 2000 - 100);
}

TEST_F(Catalogue, CellHtml)
{
    m_column.m_nColumnType = CC_TEAM_NAME;
    m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_LEFT;
    m_team.m_strName = "Pins & Needles";
    EXPECT_EQ(HtmlOf(m_column),
              "<td align=left><font face='Arial'><font color='#000000'>Pins &amp; Needles</font></font></td>\n");
    m_column.m_nColumnType = CC_POINTS_WON;
    m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_CENTRE;
    m_column.m_font.m_nPointSize = 11;
    EXPECT_EQ(HtmlOf(m_column),
              "<td align=center><font face='Arial'><font color='#000000'><font SIZE=+1>7 </font></font></font></td\n>");
    m_column.m_bHeader = 1;
    m_column.m_strTitle = "Won";
    m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_RIGHT;
    m_column.m_font.m_nPointSize = 10;
    EXPECT_EQ(HtmlOf(m_column), "<td align=right><font face='Arial'><font color='#000000'>Won</font></font></td>\n");
    m_column.m_nColumnType = CC_SPACE;
    EXPECT_EQ(HtmlOf(m_column), "");
    m_column.m_bHeader = 0;
    m_column.m_nColumnType = CC_GAMES;
    m_column.m_pTeam = nullptr;
    EXPECT_EQ(HtmlOf(m_column), "");
}

TEST_F(Catalogue, ColumnRecord)
{
    m_column.m_nColumnType = CC_HCP_PINS;
    m_column.m_strTitle = "PinsH";
    m_column.m_nJustify = 1;
    m_column.m_nWidth = 300;
    std::vector<BYTE> expected{7};
    Append(expected, StringBytes("PinsH"));
    Append(expected, {1, 0x2C, 0x01});
    EXPECT_EQ(BytesOf(m_column), expected);
    CRepItem_CustomItem loaded;
    LoadFrom(loaded, expected);
    EXPECT_EQ(BytesOf(loaded), expected);
}
