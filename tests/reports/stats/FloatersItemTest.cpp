// The floating substitutes item: what it draws in one and in two columns, its height, the
// handicap column by kind of league, the HTML table in player-list order, and its dialog.
#include "../layout/ReportTestHelpers.h"
#include "CustomPlayerTestLeague.h"
#include "DrawnText.h"
#include "DialogControls.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "reports/stats/FloatersItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;
const char kTitleDiv[] =
    "<div align=center>\n<font face='Arial'><font color='#000000'>Floating Substitutes</font></font></div>\n";

class Floaters : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.m_nEnteringAvgGames = 3;
        AddTestTeam(doc, 1, "Aces", {1});
        AddTestPlayer(doc, 1, "Tim", "Team", 1);
        for (int i = 0; i < 5; ++i) {
            CPlayer* p = AddTestPlayer(doc, static_cast<WORD>(10 + i), kFirst[i], "Sub", 0);
            SetFigures(p, 9, 1620 + 9 * i, 6, 1000);
            p->m_nHandicap = 20 + i;
            p->m_strPhoneHome.Format("555-%d", i);
            subs[i] = p;
        }
        subs[0]->SetEnteringAverage(1855);
        subs[0]->m_strPhoneWork = "W1", subs[0]->m_strPhoneMobile = "M1";
        item.m_pDoc = &doc, item.m_y = -2000;
    }
    void Keep(int nSubs)
    {
        for (int i = nSubs; i < 5; ++i)
            subs[i]->m_wFlags |= PF_NOT_FLOATING_SUB;
        doc.BuildFloatingSubs();
    }
    Texts Drawn(CRecordingDC& dc)
    {
        item.GetHeight(&dc);
        item.Draw(&dc, nullptr);
        return dc.Texts();
    }
    static constexpr const char* kFirst[5] = {"Ann", "Bea", "Cal", "Dot", "Eve"};
    CBowlingDoc doc;
    CPlayer* subs[5] = {};
    CRepItem_Floaters item;
};

} // namespace

TEST_F(Floaters, WithoutSubstitutesOnlyTheTitle)
{
    Keep(0);
    CRecordingDC dc;
    EXPECT_EQ(Drawn(dc), Texts{"Floating Substitutes"});
    EXPECT_EQ(item.GetHeight(&dc), item.m_fontTitle.GetLineHeight(0));
    EXPECT_EQ(HtmlOf(item), kTitleDiv);
}

TEST_F(Floaters, OneColumnWithEveryFigure)
{
    Keep(2);
    CRecordingDC dc;
    // Handicap league: handicap-set pins and games; Ann 1620 / 9 = 180, Bea 1629 / 9 = 181.
    EXPECT_EQ(Drawn(dc), (Texts{"Floating Substitutes", "Name", "Eavg", "Avg", "Pins", "Gms", "Hcp", "Home", "Work",
                                "Mobile", "Ann Sub", "185", "180", "1620", "9", "20", "555-0", "W1", "M1", "Bea Sub",
                                "0", "181", "1629", "9", "21", "555-1", "", ""}));
    const int T = item.m_fontTitle.GetLineHeight(0), H = item.m_fontHeading.GetLineHeight(0);
    const int D = item.m_fontDetail.GetLineHeight(0);
    EXPECT_EQ(item.GetHeight(&dc), T + H + 2 * D);
    EXPECT_EQ(Pos(dc, "Bea Sub"), (std::pair(1008, -2000 + T + H + D)));
    EXPECT_TRUE(subs[1]->HitTest(CPoint(1010, -2000 + T + H + D - 5)));
    const DrawCall* pMobile = dc.FindText("M1");
    // Right-aligned on 10800: the shorter text starts further right.
    EXPECT_LT(dc.FindText("Mobile")->x1, pMobile->x1);
    EXPECT_LT(pMobile->x1, 10800);
    // A scratch league shows scratch figures and no handicaps.
    doc.m_bHandicapLeague = 0;
    CRecordingDC scratch;
    const Texts t = Drawn(scratch);
    EXPECT_EQ(Texts(t.begin() + 10, t.begin() + 16), (Texts{"Ann Sub", "185", "166", "1000", "6", "n/a"}));
}

TEST_F(Floaters, ALongNameStopsShortOfTheEnteringAverage)
{
    Keep(1);
    subs[0]->m_strName = "Annabel Montgomery-Fotheringham";
    CRecordingDC dc;
    Drawn(dc);
    EXPECT_EQ(dc.FindText("Annabel Montgomery-Fotheringham"), nullptr) << dc.Dump();
    const DrawCall* pName = nullptr;
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Text && c.text.Find("Annabel") == 0)
            pName = &c;
    ASSERT_NE(pName, nullptr) << dc.Dump();
    EXPECT_EQ(pName->x1, 1008);
    // The name ends a gap of 72 or more before the entering average "185".
    EXPECT_LE(pName->x1 + pName->text.GetLength() * (-pName->font.lfHeight / 2), dc.FindText("185")->x1 - 72);
    EXPECT_GT(pName->text.GetLength(), 10);
}

TEST_F(Floaters, FiveInTwoColumnsTakeThreeLinesInTheTeamsOrder)
{
    Keep(5);
    item.m_nColumns = 1;
    // The screen follows the floating-substitutes team's order.
    doc.m_pFloatingSubsTeam->m_arrTeamOrder.RemoveAt(0);
    doc.m_pFloatingSubsTeam->m_arrTeamOrder.Add(10);
    CRecordingDC dc;
    const Texts t = Drawn(dc);
    EXPECT_EQ(Texts(t.begin(), t.begin() + 9), (Texts{"Floating Substitutes", "Name", "Name", "Eavg", "Eavg", "Avg",
                                                       "Avg", "Phone", "Phone"}));
    EXPECT_EQ(Texts(t.begin() + 9, t.end()),
              (Texts{"Bea Sub", "0", "181", "555-1", "Cal Sub", "0", "182", "555-2", "Dot Sub", "0", "183", "555-3",
                     "Eve Sub", "0", "184", "555-4", "Ann Sub", "185", "180", "555-0"}));
    const int T = item.m_fontTitle.GetLineHeight(0), H = item.m_fontHeading.GetLineHeight(0);
    const int D = item.m_fontDetail.GetLineHeight(0);
    EXPECT_EQ(item.GetHeight(&dc), T + H + 3 * D);
    EXPECT_EQ(Pos(dc, "Cal Sub").first, 6624);
    EXPECT_EQ(Pos(dc, "Ann Sub"), (std::pair(864, -2000 + T + H + 2 * D)));
}

TEST_F(Floaters, HtmlInPlayerListOrderWithTheEnteringMark)
{
    Keep(2);
    doc.m_pFloatingSubsTeam->m_arrTeamOrder.RemoveAt(0);
    doc.m_pFloatingSubsTeam->m_arrTeamOrder.Add(10);
    // With team handicaps the table takes the scratch figures and shows no handicaps. Bea has
    // two games of the three that establish an average: her entering average, marked.
    doc.m_bTeamHandicaps = 1;
    SetFigures(subs[1], 9, 1629, 2, 330);
    subs[1]->SetEnteringAverage(1700);
    subs[1]->m_strName = "Bea <B>";
    const std::string l = "<td align=left><font face='Arial'><font color='#000000'>";
    const std::string r = "<td align=right><font face='Arial'><font color='#000000'>";
    const std::string e = "</font></font></td>\n";
    std::string expected = std::string(kTitleDiv) + "<CENTER><TABLE WIDTH=100%>\n<TR>" +
                           l + "Name" + e;
    for (const char* c : {"Average", "Pins", "Gms", "Hcp", "Home", "Work", "Mobile"})
        expected += r + c + e;
    expected += "</TR><TR>" + l + "Ann Sub" + e + r + " 166.7" + e + r + "1000" + e + r + "6" + e + r + "n/a" + e +
                r + "555-0" + e + r + "W1" + e + r + "M1" + e + "</TR>";
    expected += "<TR>" + l + "Bea &lt;B&gt;" + e + r + "e170.0" + e + r + "330" + e + r + "2" + e + r + "n/a" + e +
                r + "555-1" + e + r + e + r + e + "</TR></CENTER></TABLE>\n";
    EXPECT_EQ(HtmlOf(item), expected);
    // The screen still shows the bowlers' handicaps.
    CRecordingDC dc;
    item.GetHeight(&dc);
    item.Draw(&dc, nullptr);
    EXPECT_NE(dc.FindText("20"), nullptr);
}

TEST_F(Floaters, DialogSetsFontsAndColumnsAndCancelPutsThemBack)
{
    RegisterResources();
    Keep(1);
    CScriptedBackend ui;
    ui.OnDialog(IDD_FLOATING_SUBS_FONTS)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetCaption(), "Floating Subs Report Item Fonts");
            EXPECT_EQ(Items(d, IDC_FS_COLUMNS), (std::vector<std::string>{"Single Column", "2 Columns"}));
            EXPECT_EQ(Selected(d, IDC_FS_COLUMNS), "Single Column");
        })
        .Select(IDC_FS_COLUMNS, 1)
        .Click(IDC_FS_HEADING_FONT)
        .Check([](CDialog& d) { EXPECT_NE(std::string(Ctl(d, IDC_FS_HEADING_DESC).text).find("Tahoma"), std::string::npos); })
        .OK();
    ui.ChooseFont("Tahoma", 120, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
    item.Edit();
    EXPECT_EQ((std::pair<int, std::string>(item.m_nColumns, item.m_fontHeading.m_strFaceName.GetString())),
              (std::pair<int, std::string>(1, "Tahoma")));
    // Cancel: the column choice and the fonts chosen are undone.
    ui.OnDialog(IDD_FLOATING_SUBS_FONTS).Select(IDC_FS_COLUMNS, 0).Click(IDC_FS_TITLE_FONT).Cancel();
    ui.ChooseFont("Courier New", 100, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    item.Edit();
    EXPECT_EQ((std::pair<int, std::string>(item.m_nColumns, item.m_fontTitle.m_strFaceName.GetString())),
              (std::pair<int, std::string>(1, "Arial")));
}
