// The team details display: a block drawn on a recording DC against the hand-worked league,
// the slots of one to four teams a page, and Team > Display Team Details (Short) through the
// view with the team chooser and Printing Setup scripted.
#include "DrawnText.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "TeamDetailsTestLeague.h"
#include "league/PointsText.h"
#include "reports/stats/TeamDetailsItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ResultDialogs.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/ReportFlow.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// The left end of a right-aligned text of the recording DC (characters half the height wide).
int RightStart(int xRight, const std::string& text, int nHeight)
{
    return xRight - static_cast<int>(text.size()) * nHeight / 2;
}

const DrawCall* Find(const CRecordingDC& dc, const char* psz, int y)
{
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Text && c.y1 == y && c.text == psz)
            return &c;
    return nullptr;
}

// Where a text drawn at y starts; -1 where it was not drawn.
int X(const CRecordingDC& dc, const char* psz, int y)
{
    const DrawCall* p = Find(dc, psz, y);
    return p ? p->x1 : -1;
}

class TeamDets : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_item.m_pDoc = &L.doc, m_item.m_pTeam = L.aces, m_item.m_x = 720, m_item.m_y = -720;
    }
    TeamDetailsTestLeague L;
    CRepItem_TeamDets m_item;
};

} // namespace

TEST_F(TeamDets, HandicapLeagueBlock)
{
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    // Title line in the large bold font: league, program, team centred on 5760.
    EXPECT_EQ(TextsAt(dc, -720), (Texts{"Tuesday Trios", "Torvane 1.8.9", "[#1] Aces"}));
    EXPECT_EQ(Find(dc, "[#1] Aces", -720)->font.lfWeight, 700);
    EXPECT_EQ(TextsAt(dc, -1080), (Texts{"Pos.", "Avg.", "Games", "Pins", "Hi Game", "Hi Series", "Points"}));
    // Handicap league only: the handicap line alone; 3126 pins / (3 bowlers x 6 games).
    char szPoints[64] = {};
    FormatPoints(&L.doc, 14, szPoints);
    EXPECT_EQ(TextsAt(dc, -1280), (Texts{"Handicap", "2", "173.7", "6", "3126", "600", "1700", szPoints}));
    EXPECT_EQ(Find(dc, "Handicap", -1280)->font.lfWeight, 400);
    EXPECT_TRUE(TextsAt(dc, -1480).empty());
    // The bowler table 400 below: Hcap shown, "% Played" without "(H)".
    EXPECT_EQ(TextsAt(dc, -1880), (Texts{"PIN", "Hcap", "Players", "Avg", "Ent. Avg", "Diff", "Games", "Pins",
                                         "Hi Gme.", "Hi Ser", "% Played"}));
    // Al: no PIN, his phone, no entering average (0.0, no Diff), 6 of 6 games.
    EXPECT_EQ(TextsAt(dc, -2080),
              (Texts{"__", "Al Brown (555 0101 )", "166.7", "  0.0", "6", "1000", "210", "560", "100.0", "30"}));
    // Bo: captain; her entering average stands in (2 < 3 games); the "e" beside her handicap.
    EXPECT_EQ(TextsAt(dc, -2280),
              (Texts{"__", "*Bo Cole", "145.5", "145.5", "  0.0", "2", "260", "0", "0", "33.3", "40", "e"}));
    // The vacancy entry has no line; Cy: PIN, Diff 201.0 - 190.0.
    EXPECT_EQ(TextsAt(dc, -2480),
              (Texts{"1234", "Cy Dunn", "201.0", "190.0", " 11.0", "3", "603", "0", "0", "50.0", "0"}));
    EXPECT_TRUE(TextsAt(dc, -2680).empty());
    ASSERT_NE(Find(dc, "40", -2280), nullptr);
    EXPECT_EQ(Find(dc, "40", -2280)->font.lfWeight, 700);
    // Left-aligned texts at their x, right-aligned ones (in the font's height) ending there.
    const struct { const char* text; int y, x, nRightHeight; } at[] = {
        {"Tuesday Trios", -720, 720, 0}, {"Torvane 1.8.9", -720, 10800, 200}, {"[#1] Aces", -720, 5760 - 900 / 2, 0},
        {"Hi Series", -1080, 8500, 172}, {"Handicap", -1280, 1500, 0}, {"173.7", -1280, 4500, 172},
        {"40", -2280, 1872, 172}, {"e", -2280, 1872, 0}, {" 11.0", -2480, 6624, 172}, {"100.0", -2080, 10800, 172}};
    for (const auto& a : at)
        EXPECT_EQ(X(dc, a.text, a.y), a.nRightHeight ? RightStart(a.x, a.text, a.nRightHeight) : a.x) << a.text;
    // Name rectangles from 2160 to 4160, one line high; the team's title too.
    EXPECT_TRUE(L.bo->HitTest(CPoint(2161, -2281)) && L.bo->HitTest(CPoint(4159, -2479)));
    EXPECT_FALSE(L.bo->HitTest(CPoint(4161, -2281)));
    EXPECT_TRUE(L.aces->HitTest(CPoint(5400, -800)));
}

TEST_F(TeamDets, ALongLeagueNameMovesTheTeamAsideAndNothingOverlaps)
{
    struct Case {
        int leagueChars;
        int titleX;         // where "[#1] Aces" starts
        bool programShown;  // "Torvane 1.8.9" keeps its place
    } cases[] = {
        {13, 5760 - 450, true},             // "Tuesday Trios": centred as ever
        {52, 720 + 5200 + 144, true},       // moved right, a gap after the league
        {90, 720 + 9000 + 144, false},      // no room beside the program's name: it gives way
    };
    for (const Case& c : cases) {
        L.doc.m_strLeagueName = CString(std::string(static_cast<size_t>(c.leagueChars), 'L'));
        CRecordingDC dc;
        m_item.Draw(&dc, nullptr);
        EXPECT_EQ(X(dc, "[#1] Aces", -720), c.titleX) << c.leagueChars << dc.Dump();
        EXPECT_EQ(Find(dc, "Torvane 1.8.9", -720) != nullptr, c.programShown) << c.leagueChars;
        // Every text of the title line stands apart (100 twips a character in this font).
        std::vector<std::pair<int, int>> spans;
        for (const DrawCall& call : dc.calls)
            if (call.kind == DrawCall::Text && call.y1 == -720)
                spans.emplace_back(call.x1, call.x1 + call.text.GetLength() * 100);
        std::sort(spans.begin(), spans.end());
        for (size_t i = 1; i < spans.size(); ++i)
            EXPECT_LE(spans[i - 1].second, spans[i].first) << c.leagueChars;
        EXPECT_LE(spans.back().second, 10800);
    }
}

TEST_F(TeamDets, BothSystemsAndScratchOnly)
{
    L.doc.m_bScratchLeague = 1;
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    char szPoints[64] = {};
    FormatPoints(&L.doc, 9, szPoints);
    EXPECT_EQ(TextsAt(dc, -1280)[0], "Handicap");
    EXPECT_EQ(TextsAt(dc, -1480), (Texts{"Scratch", "1", "163.0", "6", "2934", "550", "1590", szPoints}));
    // One more summary line pushes the table down by 200; the last title carries "(H)".
    EXPECT_EQ(X(dc, "% Played(H)", -2080), RightStart(10800, "% Played(H)", 172));

    // Scratch only: no handicap line, no Hcap column; scratch games and pins.
    L.doc.m_bHandicapLeague = 0;
    CRecordingDC scr;
    m_item.Draw(&scr, nullptr);
    EXPECT_EQ(TextsAt(scr, -1280)[0], "Scratch");
    EXPECT_FALSE(Find(scr, "Hcap", -1880) || Find(scr, "30", -2080)) << scr.Dump();
    EXPECT_NE(Find(scr, "% Played", -1880), nullptr);

    // A team without games: 0.0 average on its line.
    CRepItem_TeamDets kings;
    kings.m_pDoc = &L.doc, kings.m_pTeam = L.kings, kings.m_x = 720, kings.m_y = -720;
    CRecordingDC k;
    kings.Draw(&k, nullptr);
    EXPECT_EQ(TextsAt(k, -1280)[2], "  0.0");
}

TEST(TeamDetsLayout, SlotsForOneToFourTeamsAPage)
{
    TeamDetailsTestLeague L;
    for (WORD t = 3; t <= 7; ++t)
        AddTestTeam(L.doc, t, "T", {});
    const std::vector<std::vector<int>> slots = {
        {-720}, {-720, -9000}, {-720, -6240, -11760}, {-720, -4860, -9000, -13140}};
    const int heights[] = {-15840, -7560, -4800, -3420};
    L.doc.m_arrSelectedTeams.RemoveAll();
    for (WORD t = 1; t <= 7; ++t)
        L.doc.m_arrSelectedTeams.Add(L.doc.FindTeam(t));
    EXPECT_EQ(BuildTeamDetails(L.doc), 7);
    L.doc.m_nDisplayMode = MODE_TEAM_DETAILS;
    for (int n = 1; n <= 4; ++n) {
        L.doc.m_nTeamsPerPage = static_cast<BYTE>(n);
        CRecordingDC dc;
        EXPECT_EQ(LayoutDisplayPages(&L.doc, &dc), (7 + n - 1) / n);
        int i = 0;
        for (POSITION pos = L.doc.m_listDisplayItems.GetHeadPosition(); pos; ++i) {
            auto* p = static_cast<CRepItem*>(L.doc.m_listDisplayItems.GetNext(pos));
            EXPECT_EQ((std::vector<int>{p->m_nType, p->m_x, p->m_y, p->m_nPage, p->GetHeight(&dc)}),
                      (std::vector<int>{RIT_TEAM_DETS, 720, slots[static_cast<size_t>(n - 1)][static_cast<size_t>(i % n)],
                                        i / n + 1, heights[n - 1]}))
                << n << " " << i;
        }
        // No page headings: the blocks head themselves.
        EXPECT_EQ(i, 7);
    }
    // A file's 5 to 8 lays out one a page, and the blocks are as tall as that slot.
    L.doc.m_nTeamsPerPage = 6;
    CRecordingDC dc;
    EXPECT_EQ(LayoutDisplayPages(&L.doc, &dc), 7);
    EXPECT_EQ(static_cast<CRepItem*>(L.doc.m_listDisplayItems.GetHead())->GetHeight(&dc), -15840);

    // Page 2 with three a page draws the fourth to sixth teams only.
    L.doc.m_nTeamsPerPage = 3;
    LayoutDisplayPages(&L.doc, &dc);
    CRecordingDC page;
    DrawDisplayPage(&L.doc, &page, CPageInfo{2, 3});
    EXPECT_TRUE(page.FindText("[#4] T") && page.FindText("[#6] T"));
    EXPECT_FALSE(page.FindText("[#1] Aces") || page.FindText("[#7] T"));
}

namespace {

class TeamDetailsCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterResources();
        L.doc.m_nDisplayMode = MODE_REPORT;
        L.doc.m_nTeamsPerPage = 4;
        m_view.AttachTo(&L.doc, nullptr);
        m_view.OnInitialUpdate();
    }
    void Run() { m_view.OnCmdMsg(ID_TEAM_DISPLAY_SHORT, CN_COMMAND, nullptr); }
    std::vector<CTeam*> Shown()
    {
        std::vector<CTeam*> out;
        for (POSITION pos = L.doc.m_listDisplayItems.GetHeadPosition(); pos;)
            if (auto* p = dynamic_cast<CRepItem_TeamDets*>(L.doc.m_listDisplayItems.GetNext(pos)))
                out.push_back(p->m_pTeam);
        return out;
    }
    TeamDetailsTestLeague L;
    CBowlingView m_view;
};

} // namespace

TEST_F(TeamDetailsCommand, ChooseTeamsThenTeamsPerPage)
{
    CCmdUI state;
    state.m_nID = ID_TEAM_DISPLAY_SHORT;
    m_view.OnCmdMsg(ID_TEAM_DISPLAY_SHORT, CN_UPDATE_COMMAND_UI, &state);
    EXPECT_EQ(state.m_bEnabled, L.doc.IsLeagueSetUp());

    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT).SetSel(IDC_SELECT_TEAMS_LIST, 0).SetSel(IDC_SELECT_TEAMS_LIST, 1).OK();
    // 5 is refused by the dialog; 2 is taken.
    ui.OnDialog(IDD_PRINTING_SETUP)
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_TEAMS_PER_PAGE), "4"); })
        .SetText(IDC_TEAMS_PER_PAGE, "5")
        .OK()
        .SetText(IDC_TEAMS_PER_PAGE, "2")
        .OK();
    ui.AnswerMessageBox(IDOK);
    Run();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ((std::pair<int, int>(L.doc.m_nDisplayMode, L.doc.m_nTeamsPerPage)), (std::pair<int, int>(MODE_TEAM_DETAILS, 2)));
    EXPECT_EQ(Shown(), (std::vector<CTeam*>{L.aces, L.kings}));
    EXPECT_EQ(m_view.GetPageCount(), 1);
    EXPECT_GT(ui.invalidations, 0);
    CRecordingDC dc;
    DrawDisplayPage(&L.doc, &dc, CPageInfo{1, 1});
    EXPECT_TRUE(Find(dc, "[#1] Aces", -720) && Find(dc, "[#2] Kings", -9000)) << dc.Dump();

    // Printing Setup cancelled: nothing changes.
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT).OK();
    ui.OnDialog(IDD_PRINTING_SETUP).SetText(IDC_TEAMS_PER_PAGE, "1").Cancel();
    Run();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ((std::vector<int>{L.doc.m_nDisplayMode, L.doc.m_nTeamsPerPage, int(Shown().size())}),
              (std::vector<int>{MODE_TEAM_DETAILS, 2, 2}));

    // No team chosen while the details are shown: back to the report.
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT).Cancel();
    Run();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(L.doc.m_nDisplayMode, MODE_REPORT);

    // ... and from another display it stays where it was.
    L.doc.m_nDisplayMode = MODE_FIXTURES;
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT).Cancel();
    Run();
    EXPECT_EQ(L.doc.m_nDisplayMode, MODE_FIXTURES);
}
