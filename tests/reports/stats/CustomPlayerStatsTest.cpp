// The custom player table: its stored record with the packed options, the default designs,
// the ranked and by-team rows, the team-average lines, and what rows draw and write.
#include "../layout/ReportTestHelpers.h"
#include "CustomPlayerTestLeague.h"
#include "RecordingDC.h"
#include "reports/stats/CustomPlayerStats.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::unique_ptr<CRepItem_CustomPlayerStats>>;

Rows Expand(CRepItem_CustomPlayerStats& item)
{
    CObList list;
    item.Expand(list);
    Rows rows;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        auto* p = dynamic_cast<CRepItem_CustomPlayerStats*>(list.GetNext(pos));
        EXPECT_NE(p, nullptr);
        EXPECT_TRUE(p->IsRow());
        rows.emplace_back(p);
    }
    return rows;
}

size_t Count(const std::string& s, const char* psz)
{
    size_t n = 0;
    for (size_t at = s.find(psz); at != std::string::npos; at = s.find(psz, at + 1))
        ++n;
    return n;
}

std::vector<std::string> Names(const Rows& rows, int nBlock)
{
    std::vector<std::string> names;
    for (const auto& row : rows)
        if (CPlayer* p = row->m_pPlayers[nBlock])
            names.push_back(p->m_strSurname.GetString());
    return names;
}

CRepItem_PlayerItem* Column(int nType, int nWidth, BYTE nJustify, const char* pszTitle)
{
    auto* p = new CRepItem_PlayerItem;
    p->m_nColumnType = static_cast<BYTE>(nType);
    p->m_nWidth = static_cast<WORD>(nWidth);
    p->m_nJustify = nJustify;
    p->m_strTitle = pszTitle;
    return p;
}

constexpr BYTE L = CRepItem_PlayerItem::JUSTIFY_LEFT;
constexpr BYTE R = CRepItem_PlayerItem::JUSTIFY_RIGHT;

// Bowlers A01..A11 averaging 200, 199, ... 190 (handicap set, 3 games), the odd ones women.
class RankedTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.m_nPlayersPerTeam = 4;
        AddTestTeam(doc, 1, "Lane Kings", {});
        for (int i = 1; i <= 11; ++i) {
            CString surname;
            surname.Format("A%02d", i);
            // Surnames run against the averages so that the alphabetical order differs.
            CString alpha;
            alpha.Format("Z%02d", 12 - i);
            CPlayer* p = AddTestPlayer(doc, static_cast<WORD>(i), alpha, surname, 1, i % 2 ? PF_FEMALE : PF_MALE);
            p->m_strSurname = i == 1 ? "Zed" : surname.GetString();
            SetFigures(p, 3, static_cast<DWORD>(3 * (201 - i)), 3, static_cast<DWORD>(3 * (201 - i)));
        }
        CPlayer* robot = AddTestPlayer(doc, 20, "Robot", "Vacancy", 1);
        robot->m_nRobot = 1;
        SetFigures(robot, 3, 900, 3, 900);
        CPlayer* gone = AddTestPlayer(doc, 21, "Gone", "Away", 1);
        gone->m_wFlags |= PF_RESIGNED;
        SetFigures(gone, 3, 900, 3, 900);
        item.m_pDoc = &doc;
        item.m_nLayout = 2;
    }

    CBowlingDoc doc;
    CRepItem_CustomPlayerStats item;
};

} // namespace

TEST_F(RankedTableTest, BowlersFillTheBlocksNewspaperFashion)
{
    // Eleven bowlers in three blocks: 4, 4 and 3; the robot and the resigned bowler are left out.
    Rows rows = Expand(item);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ((std::vector<std::vector<std::string>>{Names(rows, 0), Names(rows, 1), Names(rows, 2)}),
              (std::vector<std::vector<std::string>>{{"Zed", "A02", "A03", "A04"}, {"A05", "A06", "A07", "A08"},
                                                     {"A09", "A10", "A11"}}));
    EXPECT_EQ((std::vector<long>{rows[0]->m_nListNos[1], rows[3]->m_nEntries, rows[0]->m_nEntries,
                                 long(doc.FindPlayer(11)->m_nListNo), long(rows[0]->m_bTemporary)}),
              (std::vector<long>{5, 2, 3, 11, long(TEMP_SHOWING)}));

    // Ten: 4, 3 and 3, the last row holding its first bowler only.
    doc.FindPlayer(6)->m_wFlags |= PF_RESIGNED;
    rows = Expand(item);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(Names(rows, 1), (std::vector<std::string>{"A05", "A07", "A08"}));
    EXPECT_EQ(rows[3]->m_nEntries, 1);
    EXPECT_EQ(rows[3]->m_pPlayers[1], nullptr);

    // One block: every bowler on a row of his own.
    item.m_nLayout = 0;
    EXPECT_EQ(Expand(item).size(), 10u);
}

TEST_F(RankedTableTest, GroupsKeysAndNumbering)
{
    item.m_nLayout = 0;
    // Women only: numbered among themselves.
    item.m_wGroupMask = CRepItem_CustomPlayerStats::GROUP_FEMALE;
    Rows rows = Expand(item);
    EXPECT_EQ(Names(rows, 0), (std::vector<std::string>{"Zed", "A03", "A05", "A07", "A09", "A11"}));
    EXPECT_EQ((std::pair<long, long>(rows[1]->m_nListNos[0], doc.FindPlayer(3)->m_nListNo)), (std::pair<long, long>(2, 2)));
    // No group ticked: nobody.
    item.m_wGroupMask = 0;
    EXPECT_TRUE(Expand(item).empty());

    // By surname (upper-cased "surname first name").
    item.m_wGroupMask = 7;
    item.m_nRankKey = PRK_SURNAME;
    rows = Expand(item);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(Names(rows, 0).front(), "A02");
    EXPECT_EQ(Names(rows, 0).back(), "Zed");

    // By high scratch game.
    for (int i = 1; i <= 11; ++i)
        doc.FindPlayer(static_cast<WORD>(i))->m_nHighGame[PASS_SCRATCH] = static_cast<WORD>(150 + i);
    item.m_nRankKey = PRK_HIGH_GAME_SCR;
    EXPECT_EQ(Names(Expand(item), 0).front(), "A11");

    // A key beyond the list (a damaged file) ranks by average.
    item.m_nRankKey = 12;
    EXPECT_EQ(Names(Expand(item), 0).front(), "Zed");
    EXPECT_EQ(item.m_nRankKey, 12);

    // The ranking leaves the pass selector as it was.
    doc.m_bHandicapPass = PASS_SCRATCH;
    item.m_nRankKey = PRK_PINFALL;
    Expand(item);
    EXPECT_EQ(doc.m_bHandicapPass, static_cast<DWORD>(PASS_SCRATCH));
}

TEST_F(RankedTableTest, HeadingAndRowsDrawnPerBlock)
{
    item.m_nLayout = 1;   // blocks of 5040 twips; a percent is 50 twips
    item.AddColumn(Column(PC_NAME, 40, L, "Name"));
    item.AddColumn(Column(PC_SPACE, 5, L, ""));
    item.AddColumn(Column(PC_GAMES, 10, R, "Gms"));
    item.m_x = 720;
    item.m_y = -2000;
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    ASSERT_EQ(dc.calls.size(), 4u) << dc.Dump();
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"Name", "Gms", "Name", "Gms"}));
    // The second heading's right edge is 720 + 2000 + 250 + 500.
    EXPECT_EQ((std::vector<long>{dc.calls[0].x1, dc.calls[1].x1, dc.calls[2].x1, dc.calls[0].y1, dc.calls[0].font.lfHeight}),
              (std::vector<long>{720, 720 + 2750 - 3 * 100, 5760, -2000, -200}));

    Rows rows = Expand(item);
    ASSERT_EQ(rows.size(), 6u);
    CRecordingDC rowDC;
    rows[5]->m_x = 720, rows[5]->m_y = -3000;
    rows[5]->Draw(&rowDC, nullptr);
    // The last of eleven in two blocks: A06 on the left, nobody on the right.
    EXPECT_EQ(rowDC.Texts(), (std::vector<std::string>{"Z06 A06", "3"}));
    EXPECT_TRUE(doc.FindPlayer(6)->HitTest(CPoint(1000, -3100)));

    // HTML: the heading row once per block, a row holding the cells of both blocks.
    std::string head = HtmlOf(item);
    EXPECT_EQ(head.substr(0, 4) + head.substr(head.size() - 6), "<TR></TR>\n");
    EXPECT_EQ(Count(head, "Gms"), 2u);
    std::string row = HtmlOf(*rows[0]);
    EXPECT_NE(row.find("Z11 A01"), std::string::npos);
    EXPECT_NE(row.find("Z05 A07"), std::string::npos);
    std::string last = HtmlOf(*rows[5]);
    EXPECT_NE(last.find("<TD></TD>\n<TD></TD>\n</TR>\n"), std::string::npos) << last;
}

TEST(CustomPlayerStatsRecord, PackedOptionsStoredAndReadBack)
{
    CRepItem_CustomPlayerStats item;
    EXPECT_EQ((std::pair<int, int>(item.m_nLayout, item.m_wGroupMask)), (std::pair<int, int>(1, 7)));
    item.m_nKind = PK_SCRATCH, item.m_bListByTeam = 1, item.m_nGap = 100, item.m_nLayout = 2;
    item.m_nTeamTotalStyle = 2, item.m_bTeamAverages = 1, item.m_nRankKey = PRK_DIFFERENCE;
    item.m_wGroupMask = 5, item.m_bSubsOnly = 1;
    item.AddColumn(Column(PC_NAME, 46, L, "Name"));
    item.AddColumn(Column(PC_GAMES, 10, R, "Gs"));
    item.m_fontHeading.m_bBold = 1;
    item.m_fontDetail.m_nPointSize = 9;

    std::vector<BYTE> bytes = BytesOf(item);
    // Type, kind, list by team + gap x 2, layout + style x 4 + averages, key, groups + subs.
    const std::vector<BYTE> head{19, 1, 1 | 200, 2 | (2 << 2) | 0x80, 8, 5, 0x10, 2, 0};
    ASSERT_GT(bytes.size(), head.size());
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + 9), head);

    CRepItem_CustomPlayerStats back;
    back.AddColumn(Column(PC_PIN, 3, R, "old"));
    LoadFrom(back, bytes);
    ASSERT_EQ(back.m_arrColumns.size(), 2u);   // the old column went
    EXPECT_EQ(BytesOf(back), bytes);

    // Flags clear: the packed bytes hold the numbers alone.
    back.m_bListByTeam = back.m_bTeamAverages = back.m_bSubsOnly = 0;
    bytes = BytesOf(back);
    EXPECT_EQ((std::vector<int>{bytes[2], bytes[3], bytes[6]}), (std::vector<int>{200, 2 | (2 << 2), 0}));

    // A layout of 3 from a file is the single column.
    bytes[3] = static_cast<BYTE>((bytes[3] & ~3) | 3);
    LoadFrom(back, bytes);
    EXPECT_EQ((std::pair<int, int>(back.m_nLayout, back.GetBlockCount())), (std::pair<int, int>(0, 1)));

    // A truncated record is refused.
    bytes.resize(12);
    CRepItem_CustomPlayerStats cut;
    EXPECT_THROW(LoadFrom(cut, bytes), CArchiveException);
}

TEST(CustomPlayerStatsRecord, CopyAndDefaultDesigns)
{
    CBowlingDoc doc;
    doc.m_bHandicapLeague = 1;
    doc.m_DefaultFonts[6].m_nPointSize = 12;
    doc.m_DefaultFonts[7].m_strFaceName = "Times";
    doc.m_DefaultFonts[8].m_nPointSize = 8;
    CRepItem_CustomPlayerStats item;
    item.m_pDoc = &doc;
    item.SetDefaults();
    // Two columns: the fonts of entries 6 and 7.
    EXPECT_EQ((std::vector<long>{item.m_nKind, item.m_bListByTeam, item.m_nGap, long(item.m_bDesignPending),
                                 item.m_fontHeading.m_bBold, item.m_fontHeading.m_nPointSize, item.GetTotalWidth()}),
              (std::vector<long>{PK_HANDICAP, 1, 5, 0, 1, 12, 97}));
    EXPECT_STREQ(item.m_fontDetail.m_strFaceName, "Times");
    std::vector<int> types;
    for (const CRepItem_PlayerItem* p : item.m_arrColumns)
        types.push_back(p->m_nColumnType);
    EXPECT_EQ(types, (std::vector<int>{PC_SPACE, PC_NAME, PC_HANDICAP, PC_AVG_INTEGER, PC_GAMES, PC_SCRATCH_PINS,
                                       PC_HIGH_GAME_SCR, PC_HIGH_SERIES_SCR}));

    // Without design pending nothing changes.
    item.m_nLayout = 0;
    item.SetDefaultDesign();
    EXPECT_EQ(item.m_arrColumns.size(), 8u);

    struct Expected
    {
        BYTE nLayout;
        BYTE nKind;
        size_t nColumns;
        int nTotal;
        int nNameWidth;
    };
    for (const Expected& e : {Expected{0, PK_HANDICAP, 13, 97, 25}, Expected{0, PK_SCRATCH, 10, 97, 33},
                              Expected{1, PK_SCRATCH, 7, 97, 45}, Expected{2, PK_HANDICAP, 5, 95, 46},
                              Expected{2, PK_SCRATCH, 4, 95, 56}}) {
        item.m_nLayout = e.nLayout;
        item.m_nKind = e.nKind;
        item.m_bDesignPending = 1;
        item.SetDefaultDesign();
        EXPECT_EQ(item.m_arrColumns.size(), e.nColumns) << int(e.nLayout) << "/" << int(e.nKind);
        EXPECT_EQ(item.GetTotalWidth(), e.nTotal);
        for (const CRepItem_PlayerItem* p : item.m_arrColumns) {
            if (p->m_nColumnType == PC_NAME) {
                EXPECT_EQ(p->m_nWidth, e.nNameWidth);
            }
        }
    }
    EXPECT_EQ(item.m_fontHeading.m_nPointSize, 8);   // three columns: entries 8 and 9
    EXPECT_STREQ(item.m_arrColumns[2]->m_strTitle, "Gs");

    // A scratch-only league gets the Scratch kind.
    doc.m_bHandicapLeague = 0;
    doc.m_bScratchLeague = 1;
    CRepItem_CustomPlayerStats scratch;
    scratch.m_pDoc = &doc;
    scratch.SetDefaults();
    EXPECT_EQ(scratch.m_nKind, PK_SCRATCH);

    // A copy has everything but the row's entry count, with columns of its own.
    item.m_nEntries = 2, item.m_nRankKey = PRK_WINS, item.m_strTitle = "Weekly";
    CRepItem_CustomPlayerStats copy;
    copy.CopyFrom(item);
    EXPECT_EQ((std::pair<int, int>(copy.m_nEntries, copy.m_nRankKey)), (std::pair<int, int>(0, PRK_WINS)));
    EXPECT_STREQ(copy.m_strTitle, "Weekly");
    ASSERT_EQ(copy.m_arrColumns.size(), item.m_arrColumns.size());
    EXPECT_NE(copy.m_arrColumns[0], item.m_arrColumns[0]);
    EXPECT_EQ(BytesOf(copy), BytesOf(item));
}

TEST(CustomPlayerTeams, PackActivePlayersPutsRealBowlersFirst)
{
    CBowlingDoc doc;
    CTeam* pTeam = AddTestTeam(doc, 1, "Strikers", {10, 1, 2, 11});
    AddTestPlayer(doc, 1, "Al", "A", 1);
    AddTestPlayer(doc, 2, "Bo", "B", 1);
    AddTestPlayer(doc, 10, "Robot", "One", 1)->m_nRobot = 1;
    AddTestPlayer(doc, 11, "Robot", "Two", 1)->m_nRobot = 2;
    EXPECT_EQ(pTeam->PackActivePlayers(), 2);
    std::vector<WORD> order;
    for (int i = 0; i < pTeam->GetOrderCount(); ++i)
        order.push_back(pTeam->GetOrderAt(i));
    EXPECT_EQ(order, (std::vector<WORD>{1, 2, 10, 11}));

    // All robots, or none: the order stays; a number naming nobody counts as no real bowler.
    CTeam* pRobots = AddTestTeam(doc, 2, "Robots", {11, 10});
    EXPECT_EQ(pRobots->PackActivePlayers(), 0);
    EXPECT_EQ(pRobots->GetOrderAt(0), 11);
    CTeam* pOdd = AddTestTeam(doc, 3, "Odd", {99, 2});
    EXPECT_EQ(pOdd->PackActivePlayers(), 1);
    EXPECT_EQ((std::vector<int>{pOdd->GetOrderAt(0), pOdd->GetOrderAt(1)}), (std::vector<int>{2, 99}));
}

namespace {

// Teams of four; the Rollers have five real bowlers and a robot, the Pinheads four.
class TeamTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.m_nPlayersPerTeam = 4;
        doc.m_bHandicapLeague = 1;
        rollers = AddTestTeam(doc, 1, "Rollers", {9, 1, 2, 3, 4, 5});
        pinheads = AddTestTeam(doc, 2, "Pinheads", {6, 7, 8, 12});
        const int entering[] = {1800, 1700, 1600, 1500, 1400};
        const int pins[] = {545, 512, 480, 451, 400};
        for (int i = 0; i < 5; ++i) {
            CString name;
            name.Format("R%d", i + 1);
            CPlayer* p = AddTestPlayer(doc, static_cast<WORD>(i + 1), "Roller", name, 1, i == 4 ? PF_FEMALE : PF_MALE);
            p->SetEnteringAverage(static_cast<WORD>(entering[i]));
            SetFigures(p, 3, static_cast<DWORD>(pins[i]), 3, static_cast<DWORD>(pins[i] - 30));
            p->m_nAverage = static_cast<WORD>(pins[i] / 3);
        }
        for (int i = 6; i <= 8; ++i) {
            CString name;
            name.Format("P%d", i);
            AddTestPlayer(doc, static_cast<WORD>(i), "Pin", name, 2);
        }
        AddTestPlayer(doc, 12, "Pin", "P12", 2);
        AddTestPlayer(doc, 9, "Robot", "R0", 1)->m_nRobot = 1;
        rollers->m_nCaptain = 2;
        item.m_pDoc = &doc;
        item.m_bListByTeam = 1;
        item.m_nLayout = 1;
    }

    std::vector<CTeam*> TeamsOf(const Rows& rows)
    {
        std::vector<CTeam*> teams;
        for (const auto& row : rows)
            for (int b = 0; b < row->m_nEntries; ++b)
                teams.push_back(row->m_pTeams[b]);
        return teams;
    }

    CBowlingDoc doc;
    CTeam* rollers = nullptr;
    CTeam* pinheads = nullptr;
    CRepItem_CustomPlayerStats item;
};

} // namespace

TEST_F(TeamTableTest, TeamAverageStyles)
{
    int n = 0;
    // Style 0: the first four of the order (robot packed behind): tenths shown as they are.
    EXPECT_EQ(item.GetTeamEnteringAverageTotal(rollers, TTS_AVERAGE_OF_FIRST, n), (1800 + 1700 + 1600 + 1500) / 4);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(item.GetTeamAverageTotal(rollers, TTS_AVERAGE_OF_FIRST, n), (545 + 512 + 480 + 451) * 10 / 12);
    EXPECT_EQ(item.GetTeamAverageText(rollers), "Eavg 1650, Avg 1656 (4 players)");
    // A scratch league takes the scratch set's pins.
    doc.m_bHandicapLeague = 0;
    EXPECT_EQ(item.GetTeamAverageTotal(rollers, TTS_AVERAGE_OF_FIRST, n), (1988 - 120) * 10 / 12);
    doc.m_bHandicapLeague = 1;

    // Style 2: the first four average figures.
    item.m_nTeamTotalStyle = TTS_TEAM_AVERAGE;
    EXPECT_EQ(item.GetTeamAverageText(rollers), "Team Average 661 (1st 4 players)");

    // Style 1: the four best entering averages are men, so the woman fifth takes the fourth
    // place and is marked; R4 is not.
    item.m_nTeamTotalStyle = TTS_TOP_MALE_FEMALE;
    EXPECT_EQ(item.GetTeamAverageText(rollers), "Eavg 650 (4 players)");
    EXPECT_EQ(item.GetTeamAverageTotal(rollers, TTS_TOP_MALE_FEMALE, n), 181 + 170 + 160 + 133);
    EXPECT_EQ((std::vector<int>{doc.FindPlayer(5)->m_bCountedInTeamTotal, doc.FindPlayer(4)->m_bCountedInTeamTotal,
                                doc.FindPlayer(1)->m_bCountedInTeamTotal}),
              (std::vector<int>{1, 0, 1}));

    // A team whose bowlers are all robots: "0 players", whatever the style.
    CTeam* robots = AddTestTeam(doc, 3, "Robots", {9});
    for (BYTE nStyle : {TTS_AVERAGE_OF_FIRST, TTS_TOP_MALE_FEMALE}) {
        item.m_nTeamTotalStyle = nStyle;
        EXPECT_EQ(item.GetTeamAverageText(robots), "0 players");
    }
    // A style beyond the three reads as the first.
    item.m_nTeamTotalStyle = 9;
    EXPECT_EQ(item.GetTeamAverageText(rollers), "Eavg 1650, Avg 1656 (4 players)");
}

TEST_F(TeamTableTest, RowsOfTeamsAndTheFloatingSubstitutes)
{
    for (int t = 3; t <= 7; ++t) {
        CString name;
        name.Format("Team %d", t);
        AddTestTeam(doc, static_cast<WORD>(t), name, {});
    }
    doc.m_bFloatingSubsAsTeam = 0;
    // Seven teams in two blocks: four rows, the last with one team; the stored item is empty.
    Rows rows = Expand(item);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3]->m_nEntries, 1);
    EXPECT_EQ(rows[0]->m_pTeams[1], pinheads);

    // The floating substitutes' team fills the fourth row's second place.
    AddTestPlayer(doc, 30, "Flo", "Ting", 0);
    AddTestPlayer(doc, 31, "Sue", "Bee", 0);
    AddTestPlayer(doc, 32, "Ray", "Serve", 0);
    doc.m_bFloatingSubsAsTeam = 1;
    doc.BuildFloatingSubs();
    rows = Expand(item);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3]->m_pTeams[1], doc.m_pFloatingSubsTeam);

    // Eight teams: a fifth row holds the extra team alone; folded and removed teams are left out.
    AddTestTeam(doc, 8, "Team 8", {});
    rows = Expand(item);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[4]->m_nEntries, 1);
    doc.FindTeam(3)->m_bFolded = 1;
    doc.FindTeam(4)->m_bRemoved = 1;
    EXPECT_EQ(TeamsOf(Expand(item)).size(), 7u);

    // Substitutes only: the pseudo teams, the substitutes dealt in turn.
    item.m_bSubsOnly = 1;
    rows = Expand(item);
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0]->m_nEntries, 2);
    EXPECT_STREQ(rows[0]->m_pTeams[0]->m_strName, "Floating Subs");
    EXPECT_EQ((std::vector<int>{rows[0]->m_pTeams[0]->m_nTeamNo, rows[0]->m_pTeams[0]->GetOrderCount(),
                                rows[0]->m_pTeams[1]->GetOrderAt(0)}),
              (std::vector<int>{100, 2, 31}));
}

TEST_F(TeamTableTest, ALongNameStopsWhereTheNextFigureBegins)
{
    // A name column too narrow for "*Roller R2 (c)" or the team's long name, then a space and
    // the games.
    rollers->m_strName = "Rollers of the Calder Valley";
    item.AddColumn(Column(PC_NAME, 16, L, "Name"));
    item.AddColumn(Column(PC_SPACE, 4, L, ""));
    item.AddColumn(Column(PC_GAMES, 10, R, "Gms"));
    item.m_bTeamAverages = 1, item.m_nTeamTotalStyle = TTS_TOP_MALE_FEMALE;
    Rows rows = Expand(item);
    ASSERT_EQ(rows.size(), 1u);
    rows[0]->m_x = 720, rows[0]->m_y = -1000;
    CRecordingDC dc;
    rows[0]->Draw(&dc, nullptr);
    const std::string dump = dc.Dump();
    EXPECT_EQ(dc.FindText("*Roller R2 (c)"), nullptr) << dump;
    EXPECT_NE(dc.FindText("*Roller R1"), nullptr) << dump;   // a name that fits stays whole
    // The team's name heading its block stops before the games heading too.
    EXPECT_EQ(dc.FindText("Rollers of the Calder Valley"), nullptr) << dump;
    const DrawCall* pTeam = dc.FindText("Rollers of ");
    ASSERT_NE(pTeam, nullptr) << dump;
    EXPECT_LT(pTeam->x1 + 11 * 100, dc.FindText("Gms")->x1);
    // Every name ends before the games figure of its line.
    for (const DrawCall& name : dc.calls) {
        if (name.kind != DrawCall::Text || name.text.Find("Roller") < 0)
            continue;
        for (const DrawCall& c : dc.calls) {
            if (c.kind == DrawCall::Text && c.y1 == name.y1 && c.text == "3") {
                EXPECT_LT(name.x1 + name.text.GetLength() * 100, c.x1) << name.text.GetString() << "\n" << dump;
            }
        }
    }
}

TEST_F(TeamTableTest, TeamRowDrawnLineByLine)
{
    item.AddColumn(Column(PC_NAME, 40, L, "Name"));
    item.AddColumn(Column(PC_GAMES, 10, R, "Gms"));
    item.m_bTeamAverages = 1, item.m_nTeamTotalStyle = TTS_TOP_MALE_FEMALE, item.m_nGap = 5;
    Rows rows = Expand(item);
    ASSERT_EQ(rows.size(), 1u);
    CRepItem_CustomPlayerStats& row = *rows[0];
    row.m_x = 720, row.m_y = -1000;

    CRecordingDC stored;
    EXPECT_EQ(item.GetHeight(&stored), 0);
    item.Draw(&stored, nullptr);
    EXPECT_TRUE(stored.calls.empty());
    EXPECT_EQ(HtmlOf(item), "");

    CRecordingDC dc;
    row.Draw(&dc, nullptr);
    const std::vector<std::string> expected{
        "Rollers", "Gms", "Pinheads", "Gms",
        "*Roller R1", "3", "*Pin P6", "0",
        "*Roller R2 (c)", "3", "*Pin P7", "0",
        "*Roller R3", "3", "*Pin P8", "0",
        "Roller R4", "3", "*Pin P12", "0",
        "*Roller R5", "3",
        "Eavg 650 (4 players)", "Eavg   0 (4 players)"};
    EXPECT_EQ(dc.Texts(), expected) << dc.Dump();
    // Headings at the row's y; a line of detail (-230) after a heading gap of -250.
    EXPECT_EQ((std::vector<int>{dc.FindText("Pinheads")->x1, dc.FindText("Pinheads")->y1, dc.FindText("*Roller R1")->y1,
                                dc.FindText("*Roller R5")->y1, dc.FindText("Eavg 650 (4 players)")->y1,
                                dc.FindText("Eavg   0 (4 players)")->x1}),
              (std::vector<int>{5760, -1000, -1250, -1250 - 4 * 230, -1250 - 5 * 230, 5760}));
    EXPECT_EQ(rollers->GetOrderAt(5), 9);   // the robot packed behind
    EXPECT_TRUE(pinheads->HitTest(CPoint(6000, -1100)));

    // Height: five lines and the average line, the heading at 60 percent extra, the gap.
    CRecordingDC measure;
    EXPECT_EQ(row.GetHeight(&measure), -200 * 6 + -200 + 5 * -1440 / 100);
    item.m_nGap = 0, item.m_bTeamAverages = 0;
    rows = Expand(item);
    EXPECT_EQ(rows[0]->GetHeight(&measure), -200 * 5 + -200);

    // HTML: the heading, five lines, a blank cell between the blocks, the right block empty on
    // the fifth; no average line.
    std::string html = HtmlOf(*rows[0]);
    EXPECT_EQ(Count(html, "<TR>"), 6u);
    EXPECT_NE(html.find("Pinheads"), std::string::npos);
    EXPECT_NE(html.find("Roller R5</font></font></td>\n<td align=right><font face='Arial'><font color='#000000'>3</font></font></td>\n<TD>&nbsp;</TD>\n<TD></TD>\n<TD></TD>\n</TR>\n"),
              std::string::npos) << html;
    EXPECT_EQ(html.find("Eavg"), std::string::npos);
    EXPECT_EQ(html.find("*"), std::string::npos);
}
