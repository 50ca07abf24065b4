// The players' statistics list: the rows report preparation makes (flat list in two and three
// columns, teams across with and without the floating substitutes), what each row draws on a
// recording DC, the HTML table, the stored bytes and the options dialog.
#include "../layout/ReportTestHelpers.h"
#include "DrawnText.h"
#include "FileContents.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "TeamDetailsTestLeague.h"
#include "TempDir.h"
#include "framework/core/Archive.h"
#include "reports/stats/PlayerStatsList.h"
#include "resources/Resource.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<int>>;

// Prepares a layout holding the item alone and returns its copies as entry lists; the
// closing copy is an empty list.
Rows Prepare(CBowlingDoc& doc, CRepItem_PlayerStats* pTemplate)
{
    auto* pForm = new CRepForm;
    pForm->AddItem(pTemplate);
    doc.m_listRepForms.AddTail(pForm);
    doc.m_pCurrentRepForm = pForm;
    doc.PrepareReportItems();
    Rows rows;
    POSITION pos = pForm->m_listItems.GetHeadPosition();
    EXPECT_EQ(pForm->m_listItems.GetNext(pos), pTemplate);
    while (pos) {
        auto* p = dynamic_cast<CRepItem_PlayerStats*>(pForm->m_listItems.GetNext(pos));
        EXPECT_NE(p, nullptr);
        EXPECT_TRUE(p->IsTemporary());
        std::vector<int> row;
        for (int j = 0; j < p->m_nEntries; ++j)
            row.push_back(p->m_wEntries[0][j]);
        rows.push_back(row);
    }
    return rows;
}

CRepItem_PlayerStats* Copy(CBowlingDoc& doc, int nIndex)
{
    POSITION pos = doc.m_pCurrentRepForm->m_listItems.FindIndex(nIndex);
    return static_cast<CRepItem_PlayerStats*>(doc.m_pCurrentRepForm->m_listItems.GetAt(pos));
}

CRepItem_PlayerStats* Template(BYTE nGroup, BOOL bByTeam, BOOL bTwoColumns, BYTE nScoring = 1)
{
    auto* p = new CRepItem_PlayerStats;
    p->m_nGroup = nGroup;
    p->m_bByTeam = bByTeam;
    p->m_bTwoColumns = bTwoColumns;
    p->m_nScoring = nScoring;
    return p;
}

// Where a right-aligned text of the recording DC starts: each character is half the height wide.
int RightStart(int xRight, const char* psz, int nHeight)
{
    return xRight - static_cast<int>(std::string(psz).size()) * nHeight / 2;
}

using At = std::pair<int, int>;

// The HTML the items write one after the other.
std::string HtmlOfAll(std::initializer_list<CRepItem*> items)
{
    TempDir dir;
    std::string path = dir.File("list.htm");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        for (CRepItem* p : items)
            p->WriteHtml(file);
        file.Close();
    }
    return FileContents(path);
}

} // namespace

TEST(PlayerStatsRows, FlatListDownTheColumnsInAverageOrder)
{
    // 4 bowlers in 3 columns: 2, 1, 1 - reading down: Cy, Al | Di | Bo. Men: Cy (also a junior)
    // and Al; Ed has resigned. Nobody in the group: the heading and the closing copy only.
    const struct { BYTE nGroup; BOOL bTwo; bool bCyMale; Rows expected; } cases[] = {
        {PSG_COMBINED, FALSE, false, {{3, 4, 2}, {1}, {}}}, {PSG_COMBINED, TRUE, false, {{3, 4}, {1, 2}, {}}},
        {PSG_MALE, FALSE, false, {{3, 1}, {}}}, {PSG_JUNIOR, TRUE, false, {{3}, {}}}, {PSG_JUNIOR, FALSE, true, {{}}}};
    for (const auto& c : cases) {
        TeamDetailsTestLeague L;
        if (c.bCyMale)
            L.cy->m_wFlags = PF_MALE;
        EXPECT_EQ(Prepare(L.doc, Template(c.nGroup, FALSE, c.bTwo)), c.expected) << int(c.nGroup) << c.bTwo;
    }
}

TEST(PlayerStatsRows, ColumnLengthsForSevenAndEightBowlers)
{
    for (int n : {5, 7, 8}) {
        CBowlingDoc doc;
        doc.m_bHandicapLeague = 1;
        AddTestTeam(doc, 1, "Only", {});
        doc.m_nTeams = 1;
        for (int i = 1; i <= n; ++i) {
            CPlayer* p = AddTestPlayer(doc, static_cast<WORD>(i), "P", std::to_string(i).c_str(), 1);
            SetFigures(p, 3, static_cast<DWORD>(3 * (300 - i)), 3, static_cast<DWORD>(3 * (300 - i)));
        }
        const Rows expected = n == 5   ? Rows{{1, 4}, {2, 5}, {3}, {}}
                              : n == 7 ? Rows{{1, 4, 6}, {2, 5, 7}, {3}, {}}
                                       : Rows{{1, 4, 7}, {2, 5, 8}, {3, 6}, {}};
        EXPECT_EQ(Prepare(doc, Template(PSG_COMBINED, FALSE, n == 5)), expected) << n;
    }
}

TEST(PlayerStatsRows, TeamsAcrossWithTheFloatingSubstitutes)
{
    for (BOOL bSubs : {FALSE, TRUE}) {
        CBowlingDoc doc;
        doc.m_bHandicapLeague = 1;
        doc.m_nTeams = 8;
        for (WORD t = 1; t <= 8; ++t)
            AddTestTeam(doc, t, "T", {});
        // A folded team is left out; the eighth team is the one that folded.
        doc.FindTeam(8)->m_bFolded = 1;
        doc.m_bFloatingSubsAsTeam = bSubs;
        // No floating substitute: the option alone makes no column.
        Rows rows = Prepare(doc, Template(PSG_COMBINED, TRUE, FALSE));
        EXPECT_EQ(rows, (Rows{{1, 2, 3}, {4, 5, 6}, {7}, {}}));
    }
    CBowlingDoc doc;
    doc.m_bHandicapLeague = 1;
    doc.m_nTeams = 7;
    for (WORD t = 1; t <= 7; ++t)
        AddTestTeam(doc, t, "T", {});
    CPlayer* pSub = AddTestPlayer(doc, 50, "Flo", "Ting", 0);
    SetFigures(pSub, 3, 450, 3, 450);
    doc.m_bFloatingSubsAsTeam = 1;
    Rows rows = Prepare(doc, Template(PSG_COMBINED, TRUE, FALSE));
    ASSERT_NE(doc.m_pFloatingSubsTeam, nullptr);
    EXPECT_EQ(rows, (Rows{{1, 2, 3}, {4, 5, 6}, {7, 0}, {}}));
    // Two across: pairs.
    CBowlingDoc two;
    two.m_nTeams = 3;
    for (WORD t = 1; t <= 3; ++t)
        AddTestTeam(two, t, "T", {});
    two.m_bFloatingSubsAsTeam = 0;
    EXPECT_EQ(Prepare(two, Template(PSG_COMBINED, TRUE, TRUE)), (Rows{{1, 2}, {3}, {}}));
}

TEST(PlayerStatsDraw, FlatListThreeColumns)
{
    TeamDetailsTestLeague L;
    auto* pTemplate = Template(PSG_COMBINED, FALSE, FALSE, 0);   // scratch asked for ...
    Prepare(L.doc, pTemplate);
    // ... but the league scores handicap only: handicap figures and the Hcp column.
    CRecordingDC dc;
    pTemplate->m_y = -1000;
    EXPECT_EQ(pTemplate->GetHeight(&dc), -200);
    pTemplate->Draw(&dc, nullptr);
    EXPECT_EQ((std::pair<DWORD, DWORD>(pTemplate->m_nScoring, L.doc.m_bHandicapPass)), (std::pair<DWORD, DWORD>(1, PASS_HANDICAP)));
    EXPECT_EQ(TextsAt(dc, -1000), (std::vector<std::string>{"Name", "Hcp", "Avg", "Pins", "Gms", "Name", "Hcp", "Avg",
                                                            "Pins", "Gms", "Name", "Hcp", "Avg", "Pins", "Gms"}));
    ASSERT_FALSE(dc.calls.empty());
    EXPECT_EQ((At{dc.calls[0].font.lfHeight, dc.calls[0].font.lfWeight}), (At{-172, 700}));
    // The "Pins" heading ends 144 twips left of the pins figures in three columns.
    EXPECT_EQ(Pos(dc, "Pins").first, RightStart(3456, "Pins", 172));

    CRepItem_PlayerStats* pRow = Copy(L.doc, 1);   // Cy | Di | Bo
    pRow->m_y = -1200;
    CRecordingDC row;
    EXPECT_EQ(pRow->GetHeight(&row), -200);
    pRow->Draw(&row, nullptr);
    EXPECT_EQ(TextsAt(row, -1200),
              (std::vector<std::string>{"Cy Dunn", "  0", "  201.0", "603", "3", "Di Eve", "  35", "  150.0", "1350", "9",
                                        "Bo Cole", " e40", " A145.5", "260", "2"}));
    EXPECT_EQ(row.calls[0].font.lfWeight, 400);
    // Left-aligned names at their x, right-aligned figures ending at theirs.
    for (auto [psz, x, bRight] : {std::tuple("Cy Dunn", 720, false), std::tuple("  201.0", 3024, true),
                                  std::tuple("603", 3600, true), std::tuple("Di Eve", 4116, false),
                                  std::tuple("  35", 5844, true), std::tuple("Bo Cole", 7584, false),
                                  std::tuple(" e40", 9312, true), std::tuple("2", 10752, true)})
        EXPECT_EQ(Pos(row, psz), (At{bRight ? RightStart(x, psz, 172) : x, -1200})) << psz;
    // Each name's rectangle, 2000 wide and one line high.
    EXPECT_TRUE(L.di->HitTest(CPoint(4117, -1201)) && L.di->HitTest(CPoint(6115, -1399)));
    EXPECT_FALSE(L.di->HitTest(CPoint(6117, -1201)));

    // The second line holds Al alone; the closing copy draws nothing and takes no room.
    CRecordingDC second;
    Copy(L.doc, 2)->Draw(&second, nullptr);
    EXPECT_EQ(second.Texts(), (std::vector<std::string>{"Al Brown", "  30", "  166.6", "1000", "6"}));
    CRecordingDC closing;
    EXPECT_EQ(Copy(L.doc, 3)->GetHeight(&closing), 0);
    Copy(L.doc, 3)->Draw(&closing, nullptr);
    EXPECT_TRUE(closing.calls.empty());
}

TEST(PlayerStatsDraw, ALongNameStopsShortOfTheHandicap)
{
    TeamDetailsTestLeague L;
    L.cy->m_strName = "Cy Dunnington-Fotheringham";
    auto* pTemplate = Template(PSG_COMBINED, FALSE, FALSE, 0);
    Prepare(L.doc, pTemplate);
    CRecordingDC row;
    Copy(L.doc, 1)->Draw(&row, nullptr);
    // From 720 to the handicap "  0" ending at 2448, less a gap of 72: 16 characters of 86.
    EXPECT_EQ(Pos(row, "Cy Dunnington-Fo").first, 720) << row.Dump();
    EXPECT_EQ(row.FindText("Cy Dunnington-Fotheringham"), nullptr);
}

TEST(PlayerStatsDraw, ScratchLeagueAndTeamHandicapsHideTheHcpColumn)
{
    TeamDetailsTestLeague L;
    L.doc.m_bHandicapLeague = 0;
    L.doc.m_bScratchLeague = 1;
    auto* pTemplate = Template(PSG_COMBINED, FALSE, TRUE, 1);
    Prepare(L.doc, pTemplate);
    CRecordingDC dc;
    pTemplate->Draw(&dc, nullptr);
    EXPECT_EQ(dc.FindText("Hcp"), nullptr);
    // Two columns: large fonts, 240-twip lines, "Pins" heading and figures end together.
    EXPECT_EQ((std::vector<int>{pTemplate->m_nScoring, dc.calls[0].font.lfHeight, pTemplate->GetHeight(&dc),
                                Pos(dc, "Pins").first}),
              (std::vector<int>{0, -200, -240, RightStart(5112, "Pins", 200)}));
    // Scratch figures: Bo's scratch set has no entering-average stand-in rule of its own, so
    // the entering average still stands in below 3 games.
    CRecordingDC row;
    Copy(L.doc, 2)->Draw(&row, nullptr);   // Al | Bo
    EXPECT_EQ(row.Texts(), (std::vector<std::string>{"Al Brown", "  166.6", "1000", "6", "Bo Cole", " A145.5", "260", "2"}));

    TeamDetailsTestLeague H;
    H.doc.m_bTeamHandicaps = 1;
    auto* pHcp = Template(PSG_COMBINED, FALSE, FALSE, 1);
    Prepare(H.doc, pHcp);
    CRecordingDC hdc;
    pHcp->Draw(&hdc, nullptr);
    EXPECT_EQ(hdc.FindText("Hcp"), nullptr);
}

TEST(PlayerStatsDraw, TeamsAcrossWithCaptainAndEnteringMark)
{
    TeamDetailsTestLeague L;
    auto* pTemplate = Template(PSG_COMBINED, TRUE, FALSE, 1);
    EXPECT_EQ(Prepare(L.doc, pTemplate), (Rows{{1, 2}, {}}));
    CRecordingDC dc;
    EXPECT_EQ(pTemplate->GetHeight(&dc), 0);
    pTemplate->Draw(&dc, nullptr);
    EXPECT_TRUE(dc.calls.empty());

    CRepItem_PlayerStats* pRow = Copy(L.doc, 1);
    pRow->m_y = -2000;
    // Aces have three real bowlers (the vacancy entry is not listed): heading, 3 lines, a gap.
    EXPECT_EQ(pRow->GetHeight(&dc), 5 * -200);
    pRow->Draw(&dc, nullptr);
    // Headings for the two teams present only.
    EXPECT_EQ(TextsAt(dc, -2000), (std::vector<std::string>{"Aces", "Hcp", "Avg", "Pins", "Gms", "Kings", "Hcp", "Avg",
                                                            "Pins", "Gms"}));
    EXPECT_EQ(dc.calls[0].font.lfWeight, 700);
    EXPECT_EQ(TextsAt(dc, -2200), (std::vector<std::string>{"Al Brown", "  30", "  166.6", "1000", "6", "Di Eve", "  35",
                                                            "  150.0", "1350", "9"}));
    // The captain's star; the "e" after the handicap, starting where the figure ends.
    EXPECT_EQ(TextsAt(dc, -2400), (std::vector<std::string>{"*Bo Cole", "  40", "e", " A145.5", "260", "2", "Ed Fox",
                                                            "  10", "  200.0", "1800", "9"}));
    EXPECT_EQ(Pos(dc, "e"), (At{2448, -2400}));
    // The vacancy entry moved behind the real bowlers: Cy on the third line.
    EXPECT_EQ(TextsAt(dc, -2600), (std::vector<std::string>{"Cy Dunn", "  0", "  201.0", "603", "3"}));
    EXPECT_EQ((At{L.aces->GetOrderAt(2), L.aces->GetOrderAt(3)}), (At{3, 90}));
    EXPECT_TRUE(L.cy->HitTest(CPoint(800, -2700)));
}

TEST(PlayerStatsDraw, ATeamNumberWithoutTeamOrSubstitutesIsAnEmptyPlace)
{
    TeamDetailsTestLeague L;
    CRepItem_PlayerStats row;
    row.m_pDoc = &L.doc, row.m_bByTeam = 1, row.m_bTemporary = TEMP_SHOWING, row.m_nEntries = 2;
    row.m_wEntries[0][0] = 2;
    row.m_wEntries[0][1] = 0;   // the floating substitutes, of which there are none
    CRecordingDC dc;
    EXPECT_EQ(row.GetHeight(&dc), 4 * -200);
    row.Draw(&dc, nullptr);
    EXPECT_EQ((At{dc.FindText("Kings")->x1, dc.FindText("Di Eve")->x1}), (At{720, 720}));
    int nNames = 0;
    for (const DrawCall& c : dc.calls)
        nNames += c.x1 == 4116 ? 1 : 0;
    EXPECT_EQ(nNames, 0);
}

TEST(PlayerStatsHtml, FlatListTableWithEmptyPlaces)
{
    TeamDetailsTestLeague L;
    auto* pTemplate = Template(PSG_COMBINED, FALSE, TRUE, 1);
    L.al->m_strName = "Al <Big> Brown";
    Prepare(L.doc, pTemplate);
    const std::string head = "<TD><B>\nName</B>\n</TD>\n<TD><B>\nHcp</B>\n</TD>\n<TD><B>\nAvg</B>\n</TD>\n"
                             "<TD><B>\nPins</B>\n</TD>\n<TD><B>\nGms</B>\n</TD>\n";
    const std::string expected =
        "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=100% ALIGN=center>\n<TR>\n" + head + head + "</TR>\n"
        "<TR>\n<TD>Cy Dunn</TD>\n<TD>  0</TD>\n<TD>  201.0</TD>\n<TD>603</TD>\n<TD>3</TD>\n"
        "<TD>Di Eve</TD>\n<TD>  35</TD>\n<TD>  150.0</TD>\n<TD>1350</TD>\n<TD>9</TD>\n</TR>\n"
        "<TR>\n<TD>Al &lt;Big&gt; Brown</TD>\n<TD>  30</TD>\n<TD>  166.6</TD>\n<TD>1000</TD>\n<TD>6</TD>\n"
        "<TD>Bo Cole</TD>\n<TD> e40</TD>\n<TD> A145.5</TD>\n<TD>260</TD>\n<TD>2</TD>\n</TR>\n"
        "</TABLE></CENTER>\n";
    EXPECT_EQ(HtmlOfAll({Copy(L.doc, 0), Copy(L.doc, 1), Copy(L.doc, 2), Copy(L.doc, 3)}), expected);

    // Three columns of four bowlers: Al's line still writes two empty places of five cells.
    TeamDetailsTestLeague T;
    Prepare(T.doc, Template(PSG_COMBINED, FALSE, FALSE, 1));
    std::string empty;
    for (int i = 0; i < 10; ++i)
        empty += "<TD> </TD>\n";
    EXPECT_EQ(HtmlOf(*Copy(T.doc, 2)),
              "<TR>\n<TD>Al Brown</TD>\n<TD>  30</TD>\n<TD>  166.6</TD>\n<TD>1000</TD>\n<TD>6</TD>\n" + empty + "</TR>\n");
}

TEST(PlayerStatsHtml, TeamsAcrossTable)
{
    TeamDetailsTestLeague L;
    L.doc.m_bTeamHandicaps = 1;   // no Hcp column: empty places of four cells
    Prepare(L.doc, Template(PSG_COMBINED, TRUE, FALSE, 1));
    const std::string e4 = "<TD> </TD>\n<TD> </TD>\n<TD> </TD>\n<TD> </TD>\n";
    const std::string expected =
        "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=100% ALIGN=center>\n"
        "<TR>\n<TD><B>\nAces</B></TD>\n<TD><B>Avg</B></TD>\n<TD><B>Pins</B></TD>\n<TD><B>Gms</B></TD>\n"
        "<TD><B>\nKings</B></TD>\n<TD><B>Avg</B></TD>\n<TD><B>Pins</B></TD>\n<TD><B>Gms</B></TD>\n" + e4 + "</TR>\n"
        "<TR>\n<TD>Al Brown</TD>\n<TD>  166.6</TD>\n<TD>1000</TD>\n<TD>6</TD>\n"
        "<TD>Di Eve</TD>\n<TD>  150.0</TD>\n<TD>1350</TD>\n<TD>9</TD>\n" + e4 + "</TR>\n"
        "<TR>\n<TD>Bo Cole</TD>\n<TD> A145.5</TD>\n<TD>260</TD>\n<TD>2</TD>\n"
        "<TD>Ed Fox</TD>\n<TD>  200.0</TD>\n<TD>1800</TD>\n<TD>9</TD>\n" + e4 + "</TR>\n"
        "<TR>\n<TD>Cy Dunn</TD>\n<TD>  201.0</TD>\n<TD>603</TD>\n<TD>3</TD>\n" + e4 + e4 + "</TR>\n"
        "<TR><TD>.</TD></TR>\n"
        "</TABLE></CENTER>\n";
    EXPECT_EQ(HtmlOfAll({Copy(L.doc, 0), Copy(L.doc, 1), Copy(L.doc, 2)}), expected);

    // Two teams across open a narrower table.
    TeamDetailsTestLeague T;
    auto* pTwo = Template(PSG_COMBINED, TRUE, TRUE, 1);
    Prepare(T.doc, pTwo);
    EXPECT_EQ(HtmlOf(*pTwo), "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=90% ALIGN=center>\n");
}

TEST(PlayerStatsStore, ThreeBytesAndTheGroupOfAListByTeam)
{
    auto load = [](std::vector<BYTE> bytes, CRepItem_PlayerStats& item) { LoadFrom(item, bytes); };
    auto fields = [](const CRepItem_PlayerStats& i) {
        return std::vector<long>{i.m_nGroup, long(i.m_bByTeam), long(i.m_bTwoColumns), i.m_nScoring};
    };
    CRepItem_PlayerStats flat;
    flat.m_nGroup = PSG_JUNIOR, flat.m_nScoring = 1;
    EXPECT_EQ(BytesOf(flat), (std::vector<BYTE>{3, 0x02, 1}));
    CRepItem_PlayerStats back;
    load(BytesOf(flat), back);
    EXPECT_EQ(fields(back), (std::vector<long>{PSG_JUNIOR, 0, long(back.m_bTwoColumns), 1}));

    CRepItem_PlayerStats byTeam;
    byTeam.m_bByTeam = 1, byTeam.m_bTwoColumns = 1, byTeam.m_nGroup = PSG_COMBINED;
    EXPECT_EQ(BytesOf(byTeam), (std::vector<BYTE>{3, 0xC0, 0}));
    load(BytesOf(byTeam), back);
    EXPECT_EQ(fields(back), (std::vector<long>{PSG_MALE, 1, 1, back.m_nScoring}));
    // A group number no list knows reads as everybody.
    load(std::vector<BYTE>{3, 0x0E, 0}, back);
    EXPECT_EQ(back.m_nGroup, PSG_COMBINED);
    // The layout editor's copy keeps the options.
    ExpectCopyStoresTheSame(byTeam);
    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_PLAYER_STATS));
    ASSERT_NE(pMade, nullptr);
    EXPECT_EQ(pMade->GetRuntimeClass(), RUNTIME_CLASS(CRepItem_PlayerStats));
}

TEST(PlayerStatsEdit, SelectPlayersToBeListed)
{
    RegisterResources();
    TeamDetailsTestLeague L;
    L.doc.m_bScratchLeague = 1;   // both systems: the scoring list is offered
    CRepItem_PlayerStats item;
    item.m_pDoc = &L.doc, item.m_bByTeam = 1, item.m_nGroup = PSG_MALE;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_PLAYERS_LISTED)
        .Check([](CDialog& d) {
            // A list by team shows Combined; three columns ticked.
            EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_SPL_GROUP))->GetCurSel(), PSG_COMBINED);
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_SPL_THREE_COLUMN), 1u);
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_SPL_BY_TEAM), 1u);
        })
        .Select(IDC_SPL_GROUP, PSG_FEMALE)   // clears List by Team
        .Check([](CDialog& d) { EXPECT_EQ(d.IsDlgButtonChecked(IDC_SPL_BY_TEAM), 0u); })
        .Click(IDC_SPL_TWO_COLUMN)           // and 3 Column goes off
        .Check([](CDialog& d) { EXPECT_EQ(d.IsDlgButtonChecked(IDC_SPL_THREE_COLUMN), 0u); })
        .Select(IDC_SPL_SCORING, 1)
        .OK();
    item.Edit();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ((std::vector<long>{item.m_nGroup, long(item.m_bByTeam), long(item.m_bTwoColumns), item.m_nScoring}),
              (std::vector<long>{PSG_FEMALE, 0, 1, 1}));

    // One system only: the scoring list is the league's and cannot be changed; ticking List by
    // Team shows Combined.
    L.doc.m_bScratchLeague = 0;
    ui.OnDialog(IDD_SELECT_PLAYERS_LISTED)
        .Check([](CDialog& d) {
            EXPECT_FALSE(d.GetDlgItem(IDC_SPL_SCORING)->IsWindowEnabled());
            EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_SPL_SCORING))->GetCurSel(), 1);
        })
        .Click(IDC_SPL_BY_TEAM)
        .Check([](CDialog& d) {
            EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_SPL_GROUP))->GetCurSel(), PSG_COMBINED);
        })
        .OK();
    item.Edit();
    EXPECT_EQ((std::vector<long>{long(item.m_bByTeam), item.m_nGroup}), (std::vector<long>{1, PSG_COMBINED}));
}
