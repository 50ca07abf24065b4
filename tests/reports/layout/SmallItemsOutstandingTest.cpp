// The outstanding matches item in a small league worked by hand: the count, the lines its
// expansion makes, what the heading and the lines draw and write, its stored bytes, copies and
// its options dialog.
#include "FixtureTestLeague.h"
#include "PlacedTexts.h"
#include "RecordingDC.h"
#include "ReportTestHelpers.h"
#include "ScriptedBackend.h"
#include "reports/layout/OutstandingItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using At = std::pair<int, int>;

// Four teams, rounds on Mondays from 1 September 2025; the league stands in round 2.
//   round 1: Aces v Kings played; Owls v Pins only Owls entered  -> outstanding
//   round 2: Owls v Aces played;  Pins v Kings not entered       -> outstanding
//   round 3: nothing entered, but after the current round
class Outstanding : public ::testing::Test
{
protected:
    void SetUp() override
    {
        L.FourTeamRounds(3);
        L.doc.m_nCurrentRound = 2;
        Play(1, 1, true, true);
        Play(1, 2, true, false);
        Play(2, 1, true, true);
        m_item.m_pDoc = &L.doc;
        m_item.m_x = PAGE_LEFT;
        m_item.m_y = -1000;
    }
    CFixture* Fixture(int nRound, int nMatch)
    {
        return L.doc.FindFixtureByRoundMatch(nRound, nMatch);
    }
    void Play(int nRound, int nMatch, bool bA, bool bB)
    {
        CFixture* f = Fixture(nRound, nMatch);
        f->m_bPlayed[0] = bA;
        f->m_bPlayed[1] = bB;
    }
    std::vector<CRepItem_LateGames*> Expand(CObList& list)
    {
        m_item.Expand(list);
        std::vector<CRepItem_LateGames*> lines;
        for (POSITION pos = list.GetHeadPosition(); pos;)
            lines.push_back(static_cast<CRepItem_LateGames*>(list.GetNext(pos)));
        return lines;
    }
    static int CountLateGames(CRepForm* pForm)
    {
        int n = 0;
        for (POSITION pos = pForm->m_listItems.GetHeadPosition(); pos;)
            n += dynamic_cast<CRepItem_LateGames*>(pForm->m_listItems.GetNext(pos)) ? 1 : 0;
        return n;
    }
    static void DeleteAll(CObList& list)
    {
        while (!list.IsEmpty())
            delete list.RemoveHead();
    }

    FixtureTestLeague L;
    CRepItem_LateGames m_item;
};

} // namespace

TEST_F(Outstanding, ExpandsIntoOneLinePerUnfinishedMatchUpToTheCurrentRound)
{
    CObList list;
    auto lines = Expand(list);
    EXPECT_EQ(m_item.m_nOutstanding, 2u);
    ASSERT_EQ(lines.size(), 2u);
    // One side entered is still outstanding.
    EXPECT_EQ(std::make_pair(lines[0]->m_pFixture, lines[1]->m_pFixture), std::make_pair(Fixture(1, 2), Fixture(2, 2)));
    for (auto* p : lines) {
        EXPECT_TRUE(p->IsTemporary());
        EXPECT_EQ(p->m_nType, RIT_LATE_GAMES);
    }
    DeleteAll(list);

    // Everything entered up to the current round: no line, and the heading hides.
    Play(1, 2, true, true);
    Play(2, 2, true, true);
    EXPECT_TRUE(Expand(list).empty());
    EXPECT_EQ(m_item.m_nOutstanding, 0u);
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), 0);
    m_item.Draw(&dc, nullptr);
    EXPECT_TRUE(dc.calls.empty()) << dc.Dump();
    EXPECT_EQ(HtmlOf(m_item), "");
    // Asked for always, the heading alone shows.
    m_item.m_bPrintAlways = 1;
    EXPECT_EQ(m_item.GetHeight(&dc), -200);
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(dc.Texts(), std::vector<std::string>{"Outstanding Matches."});
}

TEST_F(Outstanding, AByeIsCountedButGetsNoLine)
{
    Play(2, 2, true, true);
    L.Team(3)->m_bBye = 1;   // Owls v Pins in round 1
    CObList list;
    auto lines = Expand(list);
    EXPECT_EQ(std::make_tuple(m_item.m_nOutstanding, lines.empty()), std::make_tuple(1u, true));
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), -200);
}

TEST_F(Outstanding, HeadingAndLinesDrawnWhereTheyBelong)
{
    m_item.m_strTitle = "Still to bowl";   // 13 characters, 1300 twips
    CObList list;
    auto lines = Expand(list);
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), -200);
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(Pos(dc, "Still to bowl"), At(720, -1000)) << dc.Dump();
    EXPECT_EQ(dc.FindText("Still to bowl")->color, RGB(0, 0, 0));
    for (auto [nAlign, x] : {std::pair(CRepItem_LateGames::ALIGN_CENTRE, 5760 - 650),
                             std::pair(CRepItem_LateGames::ALIGN_RIGHT, 10800 - 1300)}) {
        m_item.m_nAlign = nAlign;
        CRecordingDC aligned;
        m_item.Draw(&aligned, nullptr);
        EXPECT_EQ(Pos(aligned, "Still to bowl"), At(x, -1000)) << nAlign;
    }

    CRepItem_LateGames* pLine = lines[1];   // round 2: Pins v Kings, Mon 8 Sep 2025
    pLine->m_y = -1200;
    EXPECT_EQ(pLine->GetHeight(&dc), -200);
    CRecordingDC line;
    pLine->Draw(&line, nullptr);
    EXPECT_EQ(line.Texts(), (std::vector<std::string>{"Pins", "Kings", "v", "Rnd  2 - Sep 08 25"})) << line.Dump();
    ExpectPlaced(line, {{"Pins", 5400 - 400, -1200}, {"Kings", 6120, -1200}, {"v", 5760 - 50, -1200},
                        {"Rnd  2 - Sep 08 25", 720, -1200}});
    DeleteAll(list);
}

TEST_F(Outstanding, UnknownTeamsAndTheDateOfMarch2009)
{
    CFixture* f = Fixture(2, 2);
    f->m_nTeamA = 9;   // no such team
    f->m_pTeamA = nullptr;
    f->m_timeDue = CTime(2009, 3, 3, 19, 30, 0);
    CRepItem_LateGames line;
    line.m_pDoc = &L.doc;
    line.m_pFixture = f;
    line.m_y = -500;
    CRecordingDC dc;
    line.Draw(&dc, nullptr);
    EXPECT_EQ(Pos(dc, "??? Team not known! ???"), At(5400 - 2300, -500)) << dc.Dump();
    EXPECT_NE(dc.FindText("Rnd  2 - Mar 03 09"), nullptr);
    EXPECT_EQ(HtmlOf(line),
              "<CENTER><TABLE WIDTH=90%><TR>"
              "<td align=left><font face='Arial'><font color='#000000'>Rnd  2 - Mar 03 09</font></font></td>\n"
              "<td align=left><font face='Arial'><font color='#000000'>??? Team not known! ??? v Kings</font></font>"
              "</td>\n</TR></TABLE></CENTER>");
}

TEST_F(Outstanding, HeadingHtmlByAlignment)
{
    CObList list;
    Expand(list);
    m_item.m_strTitle = "Late & lost";
    EXPECT_EQ(HtmlOf(m_item), "<div align=left>\n<font face='Arial'><font color='#000000'><b>\n"
                              "Late &amp; lost</font></font></b>\n</div>\n");
    for (auto [nAlign, pszDiv] : {std::pair(CRepItem_LateGames::ALIGN_RIGHT, "<div align=right>"),
                                  std::pair(CRepItem_LateGames::ALIGN_CENTRE, "<div align=center>")}) {
        m_item.m_nAlign = nAlign;
        EXPECT_NE(HtmlOf(m_item).find(pszDiv), std::string::npos) << pszDiv;
    }
    DeleteAll(list);
}

TEST_F(Outstanding, LinesFlowBelowTheHeadingInAReportLayout)
{
    auto* pForm = new CRepForm;
    auto* pItem = new CRepItem_LateGames;
    pForm->AddItem(pItem);
    L.doc.m_listRepForms.AddTail(pForm);
    L.doc.m_pCurrentRepForm = pForm;
    CRecordingDC dc;
    EXPECT_EQ(L.doc.LayoutReportForm(&dc), 1);
    EXPECT_EQ(CountLateGames(pForm), 3);
    CPageInfo info;
    CRecordingDC page;
    L.doc.DrawReportPage(&page, &info);
    const DrawCall* pHeading = page.FindText("Outstanding Matches.");
    const DrawCall* pFirst = page.FindText("Rnd  1 - Sep 01 25");
    const DrawCall* pSecond = page.FindText("Rnd  2 - Sep 08 25");
    ASSERT_TRUE(pHeading && pFirst && pSecond) << page.Dump();
    EXPECT_EQ(std::make_pair(pFirst->y1 - pHeading->y1, pSecond->y1 - pFirst->y1), std::make_pair(-200, -200));
    // A second preparation replaces the lines instead of adding more.
    L.doc.LayoutReportForm(&dc);
    EXPECT_EQ(CountLateGames(pForm), 3);
}

TEST_F(Outstanding, StoredBytesCopiesAndDefaultFonts)
{
    m_item.m_strTitle = "Late";
    m_item.m_bPrintAlways = 1;
    m_item.m_nAlign = 2;
    m_item.m_nOutstanding = 5;
    m_item.m_fontDetail.m_bItalic = 1;
    std::vector<BYTE> expected{17};
    Append(expected, StringBytes("Late"));
    Append(expected, {1, 2});
    Append(expected, BytesOf(m_item.m_fontHeading));
    Append(expected, BytesOf(m_item.m_fontDetail));
    EXPECT_EQ(BytesOf(m_item), expected);
    CRepItem_LateGames back;
    LoadFrom(back, expected, 20);
    EXPECT_EQ(BytesOf(back), expected);
    EXPECT_EQ(back.m_nOutstanding, 0u);

    m_item.m_pFixture = Fixture(1, 1);
    std::unique_ptr<CRepItem> pCopy(m_item.Clone());
    auto* p = dynamic_cast<CRepItem_LateGames*>(pCopy.get());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::make_tuple(p->m_strTitle, p->m_nOutstanding, p->m_pFixture, p->m_fontDetail.m_bItalic),
              std::make_tuple(CString("Late"), 5u, static_cast<CFixture*>(nullptr), 1));

    L.doc.GetDefaultFont(CRepItem_LateGames::HEADING_FONT)->m_strFaceName = "Tahoma";
    L.doc.GetDefaultFont(CRepItem_LateGames::DETAIL_FONT)->m_nPointSize = 8;
    m_item.ApplyDefaultFonts();
    EXPECT_EQ(std::tie(m_item.m_fontHeading.m_strFaceName, m_item.m_fontDetail.m_nPointSize),
              std::make_tuple(CString("Tahoma"), 8));
}

TEST_F(Outstanding, DialogTakesTitleFlagAndAlignmentOnlyOnOK)
{
    RegisterResources();
    CScriptedBackend ui;
    ui.ChooseFont("Courier New", 120, FALSE, TRUE, FALSE, FALSE, RGB(0, 0, 0));
    ui.OnDialog(IDD_OUTSTANDING_MATCHES)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(std::make_tuple(dlg.GetDlgItemText(IDC_OM_TITLE), dlg.GetDlgItemText(IDC_OM_HEADING_DESC),
                                      dlg.IsDlgButtonChecked(IDC_OM_PRINT_ALWAYS)),
                      std::make_tuple(CString("Outstanding Matches."), CString("Black  Arial Bold  10 Pt. "), 0u));
        })
        .SetText(IDC_OM_TITLE, "Not yet bowled")
        .Click(IDC_OM_PRINT_ALWAYS)
        .Select(IDC_OM_ALIGN, 1)
        .Click(IDC_OM_DETAIL_FONT)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(std::make_tuple(dlg.GetDlgItemText(IDC_OM_DETAIL_DESC), dlg.GetDlgItemText(IDC_OM_TITLE),
                                      dlg.IsDlgButtonChecked(IDC_OM_PRINT_ALWAYS)),
                      std::make_tuple(CString("Black  Courier New Italic  12 Pt. "), CString("Not yet bowled"), 1u));
        })
        .Cancel();
    m_item.Edit();
    EXPECT_TRUE(ui.AllUsed());
    // The font stays.
    EXPECT_EQ(std::tie(m_item.m_strTitle, m_item.m_bPrintAlways, m_item.m_nAlign, m_item.m_fontDetail.m_strFaceName),
              std::make_tuple(CString("Outstanding Matches."), 0, 0, CString("Courier New")));

    ui.OnDialog(IDD_OUTSTANDING_MATCHES)
        .SetText(IDC_OM_TITLE, "Not yet bowled")
        .Click(IDC_OM_PRINT_ALWAYS)
        .Select(IDC_OM_ALIGN, 2)
        .OK();
    m_item.Edit();
    EXPECT_EQ(std::tie(m_item.m_strTitle, m_item.m_bPrintAlways, m_item.m_nAlign),
              std::make_tuple(CString("Not yet bowled"), 1, 2));
}
