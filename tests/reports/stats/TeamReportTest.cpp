// The team report: the counts between thresholds worked by hand, a team's block as drawn, and
// "Team Stats Setup" through Team > Team Report with its split and order checks.
#include "DrawnText.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "TeamDetailsTestLeague.h"
#include "reports/stats/TeamReportItem.h"
#include "resources/Resource.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using Counts = std::vector<int>;

const int kDefault[16] = {125, 150, 175, 200, 225, 250, 275, 500, 525, 550, 575, 600, 625, 650, 675, 700};

// Al bowls 124 125 210 (459) in round 1 and 199 200 275 (674) in round 2.
void BowlAl(TeamDetailsTestLeague& L)
{
    int r = 0;
    for (POSITION pos = L.doc.m_listFixtures.GetHeadPosition(); pos; ++r) {
        auto* f = static_cast<CFixture*>(L.doc.m_listFixtures.GetNext(pos));
        PutBowler(f, 0, 0, L.al, r == 0 ? std::initializer_list<int>{124, 125, 210} : std::initializer_list<int>{199, 200, 275}, 0);
    }
}

} // namespace

TEST(TeamReport, CountsBetweenThresholds)
{
    TeamDetailsTestLeague L;
    BowlAl(L);
    DWORD nPins = 0;
    int nGames = 0;
    int g[13];
    int s[48];
    L.doc.CountPlayerScoreBands(L.al, nPins, nGames, g, s);
    ASSERT_EQ((std::pair<DWORD, int>(nPins, nGames)), (std::pair<DWORD, int>(1133, 6)));
    struct Case {
        const char* name;
        std::vector<int> thresholds;
        int nSplit;
        Counts expected;
    } cases[] = {
        // 124 is below every column; 275 counts in the top game column, up to 300 and beyond.
        {"defaults", {125, 150, 175, 200, 225, 250, 275, 500, 525, 550, 575, 600, 625, 650, 675, 700}, 7,
         {1, 0, 1, 2, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
        // 230 counts from the band it falls in (225): 210 and 200 fall below it.
        {"230", {125, 150, 175, 200, 230, 250, 275, 500, 525, 550, 575, 600, 625, 650, 675, 700}, 7,
         {1, 0, 1, 2, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
        {"all games", {100, 125, 150, 175, 200, 225, 250, 275, 300, 300, 300, 300, 300, 300, 300, 300}, 16,
         {1, 1, 0, 1, 2, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
        // All series: 459 in 450-474, 674 in the last column (650 and up).
        {"all series", {400, 425, 450, 475, 500, 525, 550, 575, 600, 625, 650, 650, 650, 650, 650, 650}, 0,
         {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        // Out-of-range thresholds stay inside the tables.
        {"huge", {125, 150, 175, 200, 225, 250, 9000, 500, 525, 550, 575, 600, 625, 650, 675, 60000}, 7,
         {1, 0, 1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int counts[16];
        CRepItem_TeamReport::CountColumns(c.thresholds.data(), c.nSplit, g, s, counts);
        EXPECT_EQ(Counts(counts, counts + 16), c.expected);
    }
}

TEST(TeamReport, TeamBlockWithAndWithoutZeros)
{
    TeamDetailsTestLeague L;
    BowlAl(L);
    CRepItem_TeamReport item;
    item.m_pDoc = &L.doc, item.m_pTeam = L.aces, item.m_y = -1000;
    std::copy(kDefault, kDefault + 16, item.m_nThresholds);
    item.m_bSuppressZeros = 1;
    // Four entries in the Aces' order.
    EXPECT_EQ(item.GetHeight(nullptr), -(240 * 4 + 640));
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    EXPECT_EQ(TextsAt(dc, -1000), (Texts{"Aces", "g", "g", "g", "g", "g", "g", "g", "s", "s", "s", "s", "s", "s",
                                         "s", "s", "s"}));
    EXPECT_EQ(TextsAt(dc, -1240), (Texts{"Pins", "Gms", "125", "150", "175", "200", "225", "250", "275+", "500",
                                         "525", "550", "575", "600", "625", "650", "675", "700+"}));
    EXPECT_EQ(TextsAt(dc, -1480), (Texts{"Al Brown", "1133", "6", "1", "1", "2", "1", "1"}));
    // Right edges 4320 + 432 i; the recording DC's 200-twip font has 100-twip characters.
    const DrawCall* p650 = nullptr;
    for (const DrawCall& c : dc.calls)
        if (c.y1 == -1480 && c.x1 >= 9500 && c.text == "1")
            p650 = &c;
    ASSERT_NE(p650, nullptr);
    EXPECT_EQ(p650->x1, 4320 + 432 * 13 - 100);
    // Bo has bowled nothing here: pins and games still shown.
    EXPECT_EQ(TextsAt(dc, -1720), (Texts{"Bo Cole", "0", "0"}));

    item.m_bSuppressZeros = 0;
    CRecordingDC dc2;
    item.Draw(&dc2, nullptr);
    EXPECT_EQ(TextsAt(dc2, -1480).size(), 3u + 16u);
}

namespace {

struct TeamReportCommand : ::testing::Test
{
    void SetUp() override
    {
        RegisterResources();
        L.doc.m_nDisplayMode = MODE_REPORT;
        m_view.AttachTo(&L.doc, nullptr);
        m_view.OnInitialUpdate();
    }
    void Run() { m_view.OnCmdMsg(ID_TEAM_REPORT, CN_COMMAND, nullptr); }
    // The blocks, without the headings the page flow puts among them.
    std::vector<CRepItem_TeamReport*> Blocks()
    {
        std::vector<CRepItem_TeamReport*> out;
        for (POSITION pos = L.doc.m_listTeamReportItems.GetHeadPosition(); pos;)
            if (auto* p = dynamic_cast<CRepItem_TeamReport*>(L.doc.m_listTeamReportItems.GetNext(pos)))
                out.push_back(p);
        return out;
    }
    TeamDetailsTestLeague L;
    CBowlingView m_view;
};

} // namespace

TEST_F(TeamReportCommand, SetupDialogSplitOrderAndSort)
{
    L.doc.m_nScoreThresholds[0] = 130;   // shown as 125
    CScriptedBackend ui;
    ui.OnDialog(IDD_TEAM_STATS_SETUP)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_TSS_VALUE[0]) + "|" + d.GetDlgItemText(IDC_TSS_KIND[6]) + "|" +
                          d.GetDlgItemText(IDC_TSS_KIND[7]),
                      "125|Game|Series");
            EXPECT_TRUE(d.IsDlgButtonChecked(IDC_TSS_SPLIT[7]) && d.IsDlgButtonChecked(IDC_TSS_NO_ZEROS));
        })
        // The split row clicked again: every row is a game row.
        .Click(IDC_TSS_SPLIT[7])
        .Check([](CDialog& d) {
            EXPECT_FALSE(d.IsDlgButtonChecked(IDC_TSS_SPLIT[7]));
            EXPECT_EQ(d.GetDlgItemText(IDC_TSS_KIND[15]), "Game");
        })
        // Back to a split at row 8, then a series value out of order.
        .Click(IDC_TSS_SPLIT[8])
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_TSS_KIND[8]), "Series"); })
        .SetText(IDC_TSS_VALUE[10], "530")
        .OK()
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_TSS_VALUE[10]), "525"); })
        .OK()
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_TSS_VALUE[9]) + "|" + d.GetDlgItemText(IDC_TSS_VALUE[10]), "525|550");
        })
        .Click(IDC_TSS_NO_ZEROS)
        .OK();
    // 530 is taken as 525 on leaving its box, lower than the 550 before it.
    ui.AnswerMessageBox(IDOK, "S8 9 (550) > 10 (525)");
    ui.AnswerMessageBox(IDNO, "MUST be in ascending order");
    ui.AnswerMessageBox(IDOK, "S8 9 (550) > 10 (525)");
    ui.AnswerMessageBox(IDYES, "sorted for you");
    Run();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(L.doc.m_strReportTitle, "Teams Report");
    EXPECT_EQ((std::vector<int>{L.doc.m_nDisplayMode, L.doc.m_nDividerIndex, L.doc.m_nScoreThresholds[0],
                                L.doc.m_nScoreThresholds[9], L.doc.m_nScoreThresholds[10]}),
              (std::vector<int>{MODE_TEAM_REPORT, 8, 125, 525, 550}));
    EXPECT_TRUE(L.doc.IsModified());
    const std::vector<CRepItem_TeamReport*> blocks = Blocks();
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ((std::vector<CTeam*>{blocks[0]->m_pTeam, blocks[1]->m_pTeam}), (std::vector<CTeam*>{L.aces, L.kings}));
    EXPECT_EQ(blocks[0]->m_bSuppressZeros, 0u);

    // Cancel leaves the league and the display alone.
    ui.OnDialog(IDD_TEAM_STATS_SETUP).SetText(IDC_TSS_VALUE[0], "100").Cancel();
    Run();
    EXPECT_EQ(L.doc.m_nScoreThresholds[0], 125);
    EXPECT_EQ(Blocks(), blocks);
}
