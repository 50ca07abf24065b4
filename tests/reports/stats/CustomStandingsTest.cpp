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
    // The scratch pass's scratch pins, the pins with handicap, the handicap pass's scratch pins.
    t.m_nPins[PASS_SCRATCH] = 6310, t.m_nPins[PASS_HANDICAP] = 7335, t.m_nHcpScrPins = 6300;
    t.m_nCombinedWon = 24, t.m_nCombinedLost = 12, t.m_nDrawn[PASS_HANDICAP] = 1;
    // Per pass: scratch, handicap.
    const struct { int nGames, nWon, nLost, nPyrWon, nPyrLost, nGamesWon, nGamesLost, nHighGame, nHighSeries, nOppPins; }
        passes[2] = {{9, 10, 8, 6, 2, 11, 7, 720, 2150, 6100}, {9, 14, 4, 8, 1, 13, 5, 835, 2490, 7000}};
    for (int p : {PASS_SCRATCH, PASS_HANDICAP}) {
        const auto& f = passes[p == PASS_SCRATCH ? 0 : 1];
        t.m_nGames[p] = static_cast<WORD>(f.nGames), t.m_nOppGames[p] = static_cast<WORD>(f.nGames);
        t.m_nPointsWon[p] = f.nWon, t.m_nPointsLost[p] = f.nLost;
        t.m_nPyramidWon[p] = f.nPyrWon, t.m_nPyramidLost[p] = f.nPyrLost;
        t.m_nGamesWon[p] = f.nGamesWon, t.m_nGamesLost[p] = f.nGamesLost;
        t.m_nHighGame[p] = static_cast<WORD>(f.nHighGame), t.m_nHighSeries[p] = static_cast<WORD>(f.nHighSeries);
        t.m_nOppPins[p] = static_cast<DWORD>(f.nOppPins);
    }
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
    const struct { int nType; BYTE nKind; const char* text; } cells[] = {
        {CC_POINTS_WON, SK_SCRATCH, "5 "}, {CC_POINTS_LOST, SK_SCRATCH, "4 "}, {CC_PCT_WON, SK_SCRATCH, "55.55"},
        {CC_SCRATCH_PINS, SK_SCRATCH, "6310"}, {CC_DRAWN, SK_SCRATCH, "0"}, {CC_AVG_PLAYER_SCR_2, SK_SCRATCH, "175.27"},
        {CC_POINTS_WON, SK_COMBINED, "12 "}, {CC_POINTS_LOST, SK_COMBINED, "6 "}, {CC_PCT_WON, SK_COMBINED, "66.66"},
        {CC_POINTS_WON, SK_PYRAMID_SCRATCH, "3 "}, {CC_SCRATCH_PINS, SK_PYRAMID_SCRATCH, "6310"},
        {CC_POINTS_WON, SK_PYRAMID_HANDICAP, "4 "}, {CC_POINTS_LOST, SK_PYRAMID_HANDICAP, " \xBD"}};
    for (const auto& c : cells)
        EXPECT_EQ(Cell(c.nType, c.nKind), c.text) << c.nType << "/" << int(c.nKind);

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
    EXPECT_EQ(Cell(CC_PCT_WON) + "|" + Cell(CC_AVG_PLAYER_HCP_1) + "|" + Cell(CC_AVG_PLAYER_SCR_2) + "|" +
                  Cell(CC_PTS_PER_MATCH_ALL),
              " 0.00|0.0|0.00|0 ");
    // Games bowled but not a point won or lost.
    empty.m_nGames[PASS_HANDICAP] = 3;
    EXPECT_EQ(Cell(CC_PCT_WON), " 0.00");
}

TEST_F(Catalogue, AverageDifferences)
{
    // 6310 - 18: two pins a game worse, 699.
    for (auto [nOpp, psz] : {std::pair(6310 - 18, "+2"), {6310, "0"}, {6310 + 27, "-3"}}) {
        m_team.m_nOppPins[PASS_SCRATCH] = static_cast<DWORD>(nOpp);
        EXPECT_EQ(Cell(CC_DIFF_SCR), psz) << nOpp;
    }
}

TEST_F(Catalogue, ErrorAndUnknownTypes)
{
    EXPECT_EQ(Cell(CC_ERROR, SK_SCRATCH), "???");
    EXPECT_EQ(Cell(CC_ERROR, SK_SCRATCH, TRUE), "01?");
    // A damaged type from a file reads as the error column.
    EXPECT_EQ(Cell(200, SK_PYRAMID_HANDICAP, TRUE), "04?");
    EXPECT_EQ(Cell(35), "???");
    EXPECT_EQ(std::string(GetCustomColumnName(34)) + "|" + GetCustomColumnName(33) + "|" + GetCustomColumnName(35),
              "Error|Avg Pts/Game (All)|");
}

TEST_F(Catalogue, PositionCountsWithinTheDivision)
{
    m_doc.m_bDivisions = 1, m_doc.m_nDivisions = 2, m_doc.m_nTeams = 5;
    for (int i = 0; i < 5; ++i) {
        auto* p = new CTeam("T", static_cast<WORD>(i + 1));
        p->m_nDivision = i < 3 ? 1 : 2;
        m_doc.AddTeam(p);
    }
    m_doc.CountTeamsPerDivision();
    m_team.m_nDivision = 2, m_column.m_nPosition = 4;
    EXPECT_EQ(Cell(CC_POSITION), "1");
}

TEST_F(Catalogue, CellDrawingJustificationAndNameRectangle)
{
    CRecordingDC dc;
    CFont font;
    font.CreateFont(-200, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    m_column.m_pFontObject = &font, m_column.m_font.m_crColour = RGB(0, 0, 128);
    m_column.m_x = 2000, m_column.m_y = -3000, m_column.m_nWidth = 100;   // 1440 twips
    m_column.m_nColumnType = CC_TEAM_NAME, m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_RIGHT;
    m_column.Draw(&dc, nullptr);
    ASSERT_EQ(dc.calls.size(), 1u);
    EXPECT_EQ((std::pair<long, long>(dc.calls[0].x1, dc.calls[0].color)), (std::pair<long, long>(2000 + 1440 - 1000, RGB(0, 0, 128))));
    EXPECT_TRUE(m_team.HitTest(CPoint(2500, -3100)));
    EXPECT_FALSE(m_team.HitTest(CPoint(2300, -3100)));

    m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_CENTRE, m_column.m_nColumnType = CC_GAMES;   // "9"
    CRecordingDC dc2;
    m_column.Draw(&dc2, nullptr);
    EXPECT_EQ(dc2.calls.at(0).x1, 2000 + (1440 - 100) / 2);

    // A space column draws nothing; nor does a figure without a team.
    m_column.m_nColumnType = CC_SPACE;
    m_column.Draw(&dc2, nullptr);
    m_column.m_nColumnType = CC_GAMES, m_column.m_pTeam = nullptr;
    m_column.Draw(&dc2, nullptr);
    EXPECT_EQ(dc2.calls.size(), 1u);
    // Width 0 right-justified ends at the column's left edge.
    m_column.m_pTeam = &m_team, m_column.m_nWidth = 0, m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_RIGHT;
    CRecordingDC dc3;
    m_column.Draw(&dc3, nullptr);
    EXPECT_EQ(dc3.calls.at(0).x1, 2000 - 100);
}

TEST_F(Catalogue, CellHtml)
{
    m_column.m_nColumnType = CC_TEAM_NAME, m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_LEFT;
    m_team.m_strName = "Pins & Needles";
    EXPECT_EQ(HtmlOf(m_column),
              "<td align=left><font face='Arial'><font color='#000000'>Pins &amp; Needles</font></font></td>\n");
    m_column.m_nColumnType = CC_POINTS_WON, m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_CENTRE;
    m_column.m_font.m_nPointSize = 11;
    EXPECT_EQ(HtmlOf(m_column),
              "<td align=center><font face='Arial'><font color='#000000'><font SIZE=+1>7 </font></font></font></td\n>");
    m_column.m_bHeader = 1, m_column.m_strTitle = "Won", m_column.m_nJustify = CRepItem_CustomItem::JUSTIFY_RIGHT;
    m_column.m_font.m_nPointSize = 10;
    EXPECT_EQ(HtmlOf(m_column), "<td align=right><font face='Arial'><font color='#000000'>Won</font></font></td>\n");
    m_column.m_nColumnType = CC_SPACE;
    EXPECT_EQ(HtmlOf(m_column), "");
    m_column.m_bHeader = 0, m_column.m_nColumnType = CC_GAMES, m_column.m_pTeam = nullptr;
    EXPECT_EQ(HtmlOf(m_column), "");
}

TEST_F(Catalogue, ColumnRecord)
{
    m_column.m_nColumnType = CC_HCP_PINS, m_column.m_strTitle = "PinsH", m_column.m_nJustify = 1, m_column.m_nWidth = 300;
    std::vector<BYTE> expected{7};
    Append(expected, StringBytes("PinsH"));
    Append(expected, {1, 0x2C, 0x01});
    EXPECT_EQ(BytesOf(m_column), expected);
    CRepItem_CustomItem loaded;
    LoadFrom(loaded, expected);
    EXPECT_EQ(BytesOf(loaded), expected);
}
