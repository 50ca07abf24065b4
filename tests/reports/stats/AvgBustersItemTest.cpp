// The average busters item: the ranking it shows two to a line, for the season or the round,
// its height, the HTML (always the season, ranked afresh) and its dialog.
#include "../layout/ReportTestHelpers.h"
#include "CustomPlayerTestLeague.h"
#include "DrawnText.h"
#include "DialogControls.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "reports/stats/AvgBustersItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

class AvgBusters : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.m_nCurrentRound = 7;
        for (int i = 0; i < 10; ++i) {
            CPlayer* p = AddTestPlayer(doc, static_cast<WORD>(i + 1), "P", kNames[i], 1);
            p->m_strName = kNames[i];
            p->m_nAvgBusterSeason = 10 * i;   // Jo leads the season ...
            p->m_nAvgBusterRound = -i;        // ... Al the round
            p->m_nAvgBusterSeasonGames = p->m_nAvgBusterRoundGames = 3;
            players[i] = p;
        }
        item.m_pDoc = &doc, item.m_y = -1000;
    }
    Texts Drawn(CRecordingDC& dc)
    {
        item.GetHeight(&dc);
        item.Draw(&dc, nullptr);
        return dc.Texts();
    }
    static constexpr const char* kNames[10] = {"Al", "Bo", "Cy", "Di", "Ed", "Fi", "Gus", "Hal", "Ida", "Jo"};
    CBowlingDoc doc;
    CPlayer* players[10] = {};
    CRepItem_AvgBusters item;
};

const char kCell[] = "<font face='Arial'><font color='#000000'>";
const char kEnd[] = "</font></font></td>\n";

} // namespace

TEST_F(AvgBusters, ThreeOfTenTwoToALine)
{
    CRecordingDC dc;
    EXPECT_EQ(Drawn(dc), (Texts{"Top Average Busters", "Jo", "90", "Ida", "80", "Hal", "70"}));
    const int HL = item.m_fontHeader.GetLineHeight(0), DL = item.m_fontDetail.GetLineHeight(0);
    EXPECT_EQ(item.GetHeight(&dc), HL + 2 * DL);
    EXPECT_EQ((std::vector<std::pair<int, int>>{Pos(dc, "Ida"), Pos(dc, "Hal")}),
              (std::vector<std::pair<int, int>>{{6480, -1000 + HL}, {1440, -1000 + HL + DL}}));
    EXPECT_LT(Pos(dc, "90").first, 5040);
    EXPECT_GT(Pos(dc, "90").first, 4000);
    EXPECT_TRUE(players[9]->HitTest(CPoint(1445, -1000 + HL - 5)));
}

TEST_F(AvgBusters, CurrentRoundTitleAndTotalsButHtmlKeepsTheSeason)
{
    item.m_bCurrentRound = 1, item.m_nDisplay = 2;
    CRecordingDC dc;
    EXPECT_EQ(Drawn(dc), (Texts{"Top Average Busters for Round 7", "Al", "0", "Bo", "-1"}));
    const std::string l = std::string("<td align=left>") + kCell, r = std::string("<td align=right>") + kCell;
    EXPECT_EQ(HtmlOf(item), std::string("<div align=center>\n") + kCell + "Top Average Busters</font></font></div>\n" +
                                "<CENTER><TABLE WIDTH=50%>\n<TR>" + r + "90" + kEnd + l + "Jo" + kEnd + "</TR><TR>" + r +
                                "80" + kEnd + l + "Ida" + kEnd + "</TR></CENTER></TABLE>\n");
}

TEST_F(AvgBusters, NobodyRankedThenEveryTotalAndOnlyTheRoundsBowlers)
{
    // Resigned bowlers are not ranked: the title alone, without its "s".
    for (CPlayer* p : players)
        p->m_wFlags |= PF_RESIGNED;
    CRecordingDC dc;
    EXPECT_EQ(Drawn(dc), Texts{"Top Average Buster"});
    EXPECT_EQ(item.GetHeight(&dc), item.m_fontHeader.GetLineHeight(0));
    EXPECT_EQ(HtmlOf(item), std::string("<div align=center>\n") + kCell + "Top Average Buster</font></font></div>\n");
    // Two back in the season, however low the total; one of them bowled nothing this round.
    players[0]->m_wFlags = players[1]->m_wFlags = PF_MALE;
    players[1]->m_nAvgBusterSeason = -450;
    players[0]->m_nAvgBusterRoundGames = 0;
    CRecordingDC season;
    EXPECT_EQ(Drawn(season), (Texts{"Top Average Busters", "Al", "0", "Bo", "-450"}));
    item.m_bCurrentRound = 1;
    CRecordingDC round;
    EXPECT_EQ(Drawn(round), (Texts{"Top Average Buster for Round 7", "Bo", "-1"}));
    EXPECT_EQ(item.GetHeight(&round), item.m_fontHeader.GetLineHeight(0) + item.m_fontDetail.GetLineHeight(0));
    // The page counts the season's table, which it lists.
    const std::string html = HtmlOf(item);
    EXPECT_NE(html.find("Top Average Busters<"), std::string::npos);
    EXPECT_NE(html.find(std::string("-450") + kEnd + "<td align=left>" + kCell + "Bo"), std::string::npos);
}

TEST_F(AvgBusters, DialogNumberRangeFontsAndCancel)
{
    RegisterResources();
    CScriptedBackend ui;
    ui.OnDialog(IDD_AVG_BUSTERS_ITEM)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetCaption(), "Average Busters report item");
            EXPECT_EQ(Ctl(d, IDC_AB_DISPLAY).text, "3");
        })
        .SetText(IDC_AB_DISPLAY, "12")
        .Click(IDC_AB_HEADER_FONT)
        .Check([](CDialog& d) {
            // The font choice leaves the number being typed alone.
            EXPECT_EQ(Ctl(d, IDC_AB_DISPLAY).text, "12");
            EXPECT_NE(std::string(Ctl(d, IDC_AB_HEADER_DESC).text).find("Tahoma"), std::string::npos);
        })
        .Click(IDC_AB_CURRENT_ROUND)
        .SetText(IDC_AB_DISPLAY, "0")
        .OK()
        .SetText(IDC_AB_DISPLAY, "12")
        .OK();
    ui.ChooseFont("Tahoma", 140, TRUE, FALSE, FALSE, FALSE, RGB(128, 0, 0));
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 100.");
    item.Edit();
    EXPECT_EQ((std::vector<std::string>{std::to_string(item.m_nDisplay), std::to_string(item.m_bCurrentRound),
                                        item.m_fontHeader.m_strFaceName.GetString()}),
              (std::vector<std::string>{"12", "1", "Tahoma"}));
    // Cancel puts the item back: the tick and the font chosen are undone.
    ui.OnDialog(IDD_AVG_BUSTERS_ITEM).Click(IDC_AB_CURRENT_ROUND).Click(IDC_AB_DETAIL_FONT).Cancel();
    ui.ChooseFont("Courier New", 100, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    item.Edit();
    EXPECT_EQ(item.m_bCurrentRound, 1u);
    EXPECT_EQ(item.m_fontDetail.m_strFaceName, "Arial");
}
