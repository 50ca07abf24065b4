// The custom player table's column: every catalogue entry's text for one bowler worked by
// hand, the share of games played, the last-match texts, and what a cell draws and writes.
#include "../layout/ReportTestHelpers.h"
#include "CustomPlayerTestLeague.h"
#include "RecordingDC.h"
#include "reports/stats/PlayerItem.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Ann Hand of the Pin Pals (team 1, captain): entering average 187.0; handicap set 7 games,
// 1296 pins (185.142...), handicap 23; scratch set 6 games, 1116 pins (186.0).
class PlayerColumnTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.m_nGamesPerMatch = 3;
        doc.m_nPlayersPerTeam = 4;
        doc.m_nCurrentRound = 2;
        doc.m_nRounds = 10;
        doc.m_bHandicapLeague = 1;
        doc.m_nEnteringAvgGames = 0;
        pTeam = AddTestTeam(doc, 1, "Pin Pals", {1, 2});
        AddTestTeam(doc, 2, "Gutter Gang", {3});
        AddTestTeam(doc, 3, "Bye", {});
        doc.FindTeam(3)->m_bBye = 1;
        pTeam->m_nCaptain = 1;
        ann = AddTestPlayer(doc, 1, "Ann", "Hand", 1, PF_FEMALE);
        ann->m_nPin = 4321;
        ann->m_nHandicap = 23;
        ann->m_strMembershipNo = "LG-77";
        ann->m_nCategory = 2;
        ann->SetEnteringAverage(1870);
        SetFigures(ann, 7, 1296, 6, 1116);
        ann->m_nHcpPins = 1296 + 7 * 23;
        ann->m_nWins[PASS_SCRATCH] = 7;
        ann->m_nWins[PASS_HANDICAP] = 9;
        ann->m_nHighGame[PASS_HANDICAP] = 225;
        ann->m_nHighGame2[PASS_HANDICAP] = 230;
        ann->m_nHighGame[PASS_SCRATCH] = 207;
        ann->m_nHighSeries[PASS_HANDICAP] = 640;
        ann->m_nHighSeries[PASS_SCRATCH] = 571;
        ann->m_nAvgBusterSeason = 12;
        bob = AddTestPlayer(doc, 2, "Bob", "Roll", 1);
        cat = AddTestPlayer(doc, 3, "Cat", "Strike", 2, PF_FEMALE);

        // Round 1 and round 2 against the Gutter Gang, a BYE in round 2, round 3 to come.
        AddTestFixture(doc, 1, 1, 2);
        AddTestFixture(doc, 2, 3, 1);
        CFixture* f = AddTestFixture(doc, 2, 2, 1);
        PutBowler(f, 0, 0, cat, {150, 160, 170}, 30);
        PutBowler(f, 1, 1, ann, {178, 201, 190}, 23);
        AddTestFixture(doc, 3, 1, 2);
        round2 = f;
    }

    std::string Cell(int nType, BYTE nKind = PK_HANDICAP, BOOL bScreen = TRUE)
    {
        CRepItem_PlayerItem column;
        column.m_pDoc = &doc;
        column.m_nColumnType = static_cast<BYTE>(nType);
        column.m_nKind = nKind;
        column.m_pPlayer = ann;
        column.m_nListNo = 4;
        column.m_pTeam = pTeam;
        column.m_bTeamMode = bTeamMode;
        column.m_bMark = bMark;
        return column.GetCellText(bScreen).GetString();
    }

    CBowlingDoc doc;
    CTeam* pTeam = nullptr;
    CPlayer* ann = nullptr;
    CPlayer* bob = nullptr;
    CPlayer* cat = nullptr;
    CFixture* round2 = nullptr;
    DWORD bTeamMode = 0;
    DWORD bMark = 0;
};

} // namespace

TEST_F(PlayerColumnTest, CatalogueWorkedByHandForTheHandicapKind)
{
    // Avg 1296 / 7 = 185.14, less 187.0; pins 1296 + 7 x 23; the higher of 225 and 230; 7 half
    // wins; 3.5 of 6 games: 58.333; 4.5 of 7 games: 64.2857, rounded up. 7 handicap games, but the
    // Pin Pals' two matches to round 2 allow only 6: exactly 100.
    const std::pair<int, const char*> cells[] = {
        {PC_SPACE, ""}, {PC_NAME, "Ann Hand"}, {PC_HANDICAP, "23"}, {PC_AVG_PLAYING, "185.1"},
        {PC_ENTERING_AVG, "187.0"}, {PC_DIFFERENCE, "-1.9"}, {PC_GAMES, "7"}, {PC_SCRATCH_PINS, "1296"},
        {PC_HCP_PINS, "1457"}, {PC_HIGH_GAME_HCP, "230"}, {PC_HIGH_GAME_SCR, "207"}, {PC_HIGH_SERIES_HCP, "640"},
        {PC_HIGH_SERIES_SCR, "571"}, {PC_WINS_SCR, "3\xBD"}, {PC_CATEGORY, "B"}, {PC_PIN, "4321"},
        {PC_MEMBERSHIP_NO, "LG-77"}, {PC_AVG_INTEGER, "185"}, {PC_AVG_REAL, "185.14"}, {PC_POSITION, "4"},
        {PC_ENTERING_AVG_INTEGER, "187"}, {PC_SCR_PCT_WINS_2, "58.33"}, {PC_SCR_PCT_WINS_1, "58.3"},
        {PC_HCP_PCT_WINS_2, "64.29"}, {PC_HCP_PCT_WINS_1, "64.3"}, {PC_LAST_MATCH_SCR, "178 201 190  569"},
        {PC_LAST_MATCH_HCP, "201 224 213  638"}, {PC_WINS_HCP, "4\xBD"}, {PC_PINS_HCP_CALC, "1296"},
        {PC_REAL_AVERAGE, "185.1"}, {PC_AVG_BUSTER, "12"}, {PC_PCT_GAMES_PLAYED, "100.0"}, {PC_ERROR, "??"},
        {77, "??"}};
    for (const auto& [nType, pszText] : cells)
        EXPECT_EQ(Cell(nType), pszText) << nType;

    EXPECT_STREQ(GetPlayerColumnName(PC_PCT_GAMES_PLAYED), "Pct Games Played");
    EXPECT_STREQ(GetPlayerColumnName(PC_ERROR), "Error");
}

TEST_F(PlayerColumnTest, ScratchKindReadsTheScratchSet)
{
    const std::pair<int, const char*> cells[] = {{PC_AVG_PLAYING, "186.0"}, {PC_DIFFERENCE, "-1.0"}, {PC_GAMES, "6"},
        {PC_SCRATCH_PINS, "1116"}, {PC_HCP_PINS, "1457"}, {PC_AVG_REAL, "186.00"}, {PC_AVG_INTEGER, "186"}};
    for (const auto& [nType, pszText] : cells)
        EXPECT_EQ(Cell(nType, PK_SCRATCH), pszText) << nType;
}

TEST_F(PlayerColumnTest, EnteringAverageRollingAverageAndNames)
{
    // Below the league's games with entering average the entering average stands in.
    doc.m_nEnteringAvgGames = 9;
    EXPECT_EQ(Cell(PC_AVG_PLAYING), "187.0");
    EXPECT_EQ(Cell(PC_DIFFERENCE), "+0.0");
    doc.m_nEnteringAvgGames = 0;

    // The rolling window drives the playing average and the handicap pins, not the season's.
    ann->m_bRollingAvg = 1;
    for (int n : {200, 190, 180})
        ann->m_arrRolling[PASS_HANDICAP].Add(n);
    EXPECT_EQ(Cell(PC_AVG_PLAYING) + "|" + Cell(PC_PINS_HCP_CALC) + "|" + Cell(PC_REAL_AVERAGE) + "|" + Cell(PC_DIFFERENCE),
              "190.0|570|185.1|-1.9");
    EXPECT_EQ(ann->m_bRollingAvg, 1u);

    // No entering average: both cells empty, the integer form 0.
    ann->SetEnteringAverage(0);
    ann->m_nCategory = 0;
    EXPECT_EQ(Cell(PC_ENTERING_AVG) + "|" + Cell(PC_DIFFERENCE) + "|" + Cell(PC_ENTERING_AVG_INTEGER) + "|" +
                  Cell(PC_CATEGORY),
              "||0|");

    // By team: captain, reserve captain, reserve; the position is no number.
    bTeamMode = 1;
    EXPECT_EQ(Cell(PC_NAME), "Ann Hand (c)");
    EXPECT_EQ(Cell(PC_POSITION), "n/a");
    ann->m_wFlags |= PF_TEAM_RESERVE;
    EXPECT_EQ(Cell(PC_NAME), "Ann Hand (cr)");
    pTeam->m_nCaptain = 2;
    EXPECT_EQ(Cell(PC_NAME), "Ann Hand (r)");
    bTeamMode = 0;

    // The counted mark shows on the screen only.
    bMark = 1;
    ann->m_bCountedInTeamTotal = 1;
    EXPECT_EQ(Cell(PC_NAME, PK_HANDICAP, TRUE), "*Ann Hand");
    EXPECT_EQ(Cell(PC_NAME, PK_HANDICAP, FALSE), "Ann Hand");
}

TEST_F(PlayerColumnTest, PercentOfWinsAndNoGames)
{
    SetFigures(ann, 0, 0, 0, 0);
    ann->m_nWins[PASS_SCRATCH] = ann->m_nWins[PASS_HANDICAP] = 0;
    EXPECT_EQ(Cell(PC_SCR_PCT_WINS_2) + "|" + Cell(PC_HCP_PCT_WINS_1) + "|" + Cell(PC_AVG_REAL) + "|" +
                  Cell(PC_PCT_GAMES_PLAYED),
              "0.00|0.0| 0.00| 0.0");
    // A season far beyond 32-bit products of wins x 50000 still gives the right share.
    ann->m_nWins[PASS_SCRATCH] = ann->m_nGames[PASS_SCRATCH] = 200000;
    EXPECT_EQ(Cell(PC_SCR_PCT_WINS_2), "50.00");
}

TEST_F(PlayerColumnTest, PercentageOfGamesPlayed)
{
    // Rounds 1 and 2: two matches of three games (the BYE of round 2 is no match).
    ann->m_nGames[PASS_HANDICAP] = 4;
    EXPECT_DOUBLE_EQ(ann->GetPctGamesPlayed(1, 2), 4 * 100.0 / 6);
    EXPECT_EQ(Cell(PC_PCT_GAMES_PLAYED), "66.7");
    // The scratch switch counts scratch games; round 3 adds a match.
    EXPECT_DOUBLE_EQ(ann->GetPctGamesPlayed(0, 2), 100.0);   // 6 of 6
    EXPECT_DOUBLE_EQ(ann->GetPctGamesPlayed(0, 3), 6 * 100.0 / 9);
    // More games than the matches allow: exactly 100.
    ann->m_nGames[PASS_HANDICAP] = 11;
    EXPECT_EQ(ann->GetPctGamesPlayed(1, 2), 100.0);
    // No games, or no match up to the round: 0.
    EXPECT_EQ(bob->GetPctGamesPlayed(1, 2), 0.0);
    ann->m_nGames[PASS_SCRATCH] = 0;
    EXPECT_EQ(ann->GetPctGamesPlayed(0, 0), 0.0);

    // A floating substitute counts every round as a match.
    CPlayer* sub = AddTestPlayer(doc, 9, "Flo", "Ting", 0);
    sub->m_nGames[PASS_HANDICAP] = 6;
    EXPECT_DOUBLE_EQ(sub->GetPctGamesPlayed(1, 4), 6 * 100.0 / 12);
    // A resigned bowler without a team has no matches: a position round whose teams are not
    // set yet is not his (counted, 2 games of 3 would read 66.7).
    sub->m_wFlags |= PF_RESIGNED;
    sub->m_nGames[PASS_HANDICAP] = 2;
    AddTestFixture(doc, 1, 0, 0);
    EXPECT_EQ(sub->GetPctGamesPlayed(1, 4), 100.0);
}

TEST_F(PlayerColumnTest, LastMatchTexts)
{
    // A blind game is his in neither line, with handicap or without.
    round2->m_dwPosFlags[CFixture::SlotOf(1, 1)] |= PosBlind(1);
    EXPECT_EQ(Cell(PC_LAST_MATCH_SCR), "178   0 190  368");
    EXPECT_EQ(Cell(PC_LAST_MATCH_HCP), "201   0 213  414");
    // Nor is a defaulted game.
    round2->m_nDefaulted[1] = DefaultedBit(0);
    EXPECT_EQ(Cell(PC_LAST_MATCH_SCR), "  0   0 190  190");
    EXPECT_EQ(Cell(PC_LAST_MATCH_HCP), "  0   0 213  213");
    round2->m_nDefaulted[1] = 0;
    round2->m_dwPosFlags[CFixture::SlotOf(1, 1)] = 0;

    // A four-game match writes four games; a one-game match one.
    round2->m_nGames = 4;
    round2->m_nScore[3][CFixture::SlotOf(1, 1)] = 150;
    round2->m_wPlayerNo[3][CFixture::SlotOf(1, 1)] = 1;
    EXPECT_EQ(Cell(PC_LAST_MATCH_SCR), "178 201 190 150  719");
    round2->m_nGames = 1;
    EXPECT_EQ(Cell(PC_LAST_MATCH_SCR), "178  178");

    // Not bowled in the current round: empty.
    doc.m_nCurrentRound = 3;
    EXPECT_EQ(Cell(PC_LAST_MATCH_SCR) + Cell(PC_LAST_MATCH_HCP), "");
}

TEST_F(PlayerColumnTest, StoredBytesAndCopy)
{
    CRepItem_PlayerItem column;
    EXPECT_EQ(column.m_nJustify, CRepItem_PlayerItem::JUSTIFY_RIGHT);
    EXPECT_EQ(column.m_nWidth, 15);
    column.m_nColumnType = PC_NAME, column.m_strTitle = "Name", column.m_nJustify = CRepItem_PlayerItem::JUSTIFY_LEFT;
    column.m_nWidth = 0x1234;
    std::vector<BYTE> expected{PC_NAME};
    Append(expected, StringBytes("Name"));
    Append(expected, {0, 0x34, 0x12});
    EXPECT_EQ(BytesOf(column), expected);

    CRepItem_PlayerItem back;
    LoadFrom(back, expected);
    EXPECT_EQ(BytesOf(back), expected);

    column.m_pPlayer = ann, column.m_pTeam = pTeam, column.m_bMark = 1, column.m_nWidthTwips = 2500;
    column.m_font.m_bBold = 1;
    CRepItem_PlayerItem copy;
    copy.CopyFrom(column);
    EXPECT_EQ((std::pair(copy.m_pPlayer, copy.m_pTeam)), (std::pair(ann, pTeam)));
    EXPECT_EQ((std::vector<long>{long(copy.m_bMark), copy.m_nWidthTwips, copy.m_font.m_bBold}), (std::vector<long>{1, 2500, 1}));
    EXPECT_EQ(BytesOf(copy), expected);
}

TEST_F(PlayerColumnTest, CellsDrawnWhereTheirJustificationSays)
{
    CRecordingDC dc;
    CFont font;
    font.CreateFont(-200, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    CRepItem_PlayerItem column;
    column.m_pDoc = &doc, column.m_pPlayer = ann, column.m_pFontObject = &font, column.m_nWidthTwips = 2000;
    column.m_x = 720, column.m_y = -1000, column.m_font.m_crColour = RGB(128, 0, 0);

    column.m_nColumnType = PC_HANDICAP;   // "23": 200 wide
    column.m_nJustify = CRepItem_PlayerItem::JUSTIFY_RIGHT;
    column.Draw(&dc, nullptr);
    column.m_nJustify = CRepItem_PlayerItem::JUSTIFY_CENTRE;
    column.Draw(&dc, nullptr);
    column.m_nColumnType = PC_NAME;       // "Ann Hand": 800 wide
    column.m_nJustify = CRepItem_PlayerItem::JUSTIFY_LEFT;
    column.Draw(&dc, nullptr);
    ASSERT_EQ(dc.calls.size(), 3u) << dc.Dump();
    EXPECT_EQ((std::vector<int>{dc.calls[0].x1, dc.calls[1].x1, dc.calls[2].x1, dc.calls[2].y1}),
              (std::vector<int>{720 + 2000 - 200, 720 + 1000 - 100, 720, -1000}));
    EXPECT_EQ((std::pair(dc.calls[2].color, dc.GetTextColor())), (std::pair(RGB(128, 0, 0), RGB(0, 0, 0))));
    // The name's rectangle: 800 wide, one default line (-230) high.
    EXPECT_TRUE(ann->HitTest(CPoint(1500, -1100)));
    EXPECT_FALSE(ann->HitTest(CPoint(1600, -1100)));

    // Nothing without a bowler, for a Space, or for a team heading without a team.
    dc.calls.clear();
    column.m_pPlayer = nullptr;
    column.Draw(&dc, nullptr);
    column.m_bHeader = 1, column.m_bTeamMode = 1;
    column.Draw(&dc, nullptr);
    column.m_pPlayer = ann, column.m_bHeader = 0, column.m_nColumnType = PC_SPACE;
    column.Draw(&dc, nullptr);
    EXPECT_TRUE(dc.calls.empty()) << dc.Dump();

    // A team heading's name column shows the team and records the team's rectangle.
    column.m_nColumnType = PC_NAME, column.m_bHeader = 1, column.m_pTeam = pTeam, column.m_strTitle = "Name";
    column.Draw(&dc, nullptr);
    column.m_nColumnType = PC_GAMES, column.m_strTitle = "Gms";
    column.Draw(&dc, nullptr);
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"Pin Pals", "Gms"}));
    EXPECT_TRUE(pTeam->HitTest(CPoint(1000, -1100)));
}

TEST_F(PlayerColumnTest, HtmlCells)
{
    CRepItem_PlayerItem column;
    column.m_pDoc = &doc, column.m_nColumnType = PC_NAME, column.m_nJustify = CRepItem_PlayerItem::JUSTIFY_LEFT;
    column.m_pPlayer = ann, column.m_bMark = 1;
    ann->m_bCountedInTeamTotal = 1;
    ann->m_strName = "Ann <Hand>";
    EXPECT_EQ(HtmlOf(column), "<td align=left><font face='Arial'><font color='#000000'>Ann &lt;Hand&gt;</font></font></td>\n");
    column.m_nColumnType = PC_HANDICAP, column.m_nJustify = CRepItem_PlayerItem::JUSTIFY_RIGHT, column.m_font.m_bBold = 1;
    EXPECT_EQ(HtmlOf(column), "<td align=right><b><font face='Arial'><font color='#000000'>23</font></font></b>\n</td>\n");
    column.m_nJustify = CRepItem_PlayerItem::JUSTIFY_CENTRE, column.m_font.m_bBold = 0;
    EXPECT_EQ(HtmlOf(column), "<td align=center><font face='Arial'><font color='#000000'>23</font></font></td\n>");
    column.m_pPlayer = nullptr;
    EXPECT_EQ(HtmlOf(column), "<TD></TD>\n");
    column.m_bHeader = 1, column.m_bTeamMode = 1;
    EXPECT_EQ(HtmlOf(column), "<TD></TD>\n");
    column.m_nColumnType = PC_SPACE;
    EXPECT_EQ(HtmlOf(column), "");
}
