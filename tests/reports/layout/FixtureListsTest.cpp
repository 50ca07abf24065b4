// The fixture lists of the Fixture menu: by round with the free dates between rounds, by team,
// the outstanding fixtures, and the view's commands with their dialogs scripted.
#include "FixtureTestLeague.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "admin/LeagueSetup.h"
#include "admin/RoundsToPrintDlg.h"
#include "reports/layout/FixtureItems.h"
#include "reports/layout/FixtureLists.h"
#include "reports/layout/HeadingItems.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/ResultDialogs.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/ReportFlow.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Each display item as "round N", "free <reason>", "title <text>", "page", "line <round> <home>-<away>".
std::vector<std::string> Describe(const CBowlingDoc& doc, bool bHeadings = true)
{
    std::vector<std::string> out;
    for (POSITION pos = doc.m_listDisplayItems.GetHeadPosition(); pos;) {
        CObject* p = doc.m_listDisplayItems.GetNext(pos);
        CString s;
        if (auto* w = dynamic_cast<CRepItem_FixWeek*>(p))
            s.Format("round %d", w->m_nRound);
        else if (auto* d = dynamic_cast<CRepItem_FreeDate*>(p))
            s.Format("free %s", d->m_strReason.GetString());
        else if (auto* t = dynamic_cast<CRepItem_Title*>(p))
            s.Format("title %s", t->m_strTitle.GetString());
        else if (dynamic_cast<CRepItem_Page*>(p))
            s = "page";
        else if (auto* l = dynamic_cast<CRepItem_FixTeam*>(p))
            s.Format("line %d %d-%d", l->m_pFixture->m_nRound, l->m_pFixture->m_nTeamA, l->m_pFixture->m_nTeamB);
        else if (auto* r = dynamic_cast<CRepItem*>(p); r && r->m_nType == RIT_HEADING)
            s = "heading";
        else
            s = "?";
        if (bHeadings || s != "heading")
            out.push_back(s.GetString());
    }
    return out;
}

using Items = std::vector<std::string>;

// Four teams, four rounds; the round-dates list: 1, 2, a free date, 3, another free date, 4.
class FixtureLists : public ::testing::Test
{
protected:
    void SetUp() override
    {
        L.FourTeamRounds(4);
        L.DatedRound(1);
        L.DatedRound(2);
        L.FreeDate(CTime(2025, 9, 15, 19, 30, 0), "Bank holiday");
        L.DatedRound(3);
        L.FreeDate(CTime(2025, 9, 29, 19, 30, 0), "Cup night");
        L.DatedRound(4);
    }
    FixtureTestLeague L;
};

} // namespace

TEST_F(FixtureLists, ByRoundWithTheFreeDatesBetweenItsRounds)
{
    EXPECT_EQ(BuildFixturesByRound(L.doc, FixtureListRange{2, 4}), 3);
    EXPECT_EQ(Describe(L.doc), (Items{"round 2", "free Bank holiday", "round 3", "free Cup night", "round 4"}));
    // A free date before the first round of the range, or after its last, is not between them.
    BuildFixturesByRound(L.doc, FixtureListRange{3, 4});
    EXPECT_EQ(Describe(L.doc), (Items{"round 3", "free Cup night", "round 4"}));
    BuildFixturesByRound(L.doc, FixtureListRange{1, 2});
    EXPECT_EQ(Describe(L.doc), (Items{"round 1", "round 2"}));
    // Rounds past the season make no empty items.
    EXPECT_EQ(BuildFixturesByRound(L.doc, FixtureListRange{4, 99}), 1);
    EXPECT_EQ(Describe(L.doc), (Items{"round 4"}));
    EXPECT_EQ(BuildFixturesByRound(L.doc, FixtureListRange{3, 2}), 0);
    EXPECT_TRUE(L.doc.m_listDisplayItems.IsEmpty());
}

TEST_F(FixtureLists, ByRoundItemsCarryTheChoicesAndDefaultFonts)
{
    L.doc.GetDefaultFont(CRepItem_FixWeek::HEADING_FONT)->m_strFaceName = "Georgia";
    L.doc.GetDefaultFont(CRepItem_FixWeek::DETAIL_FONT)->m_strFaceName = "Tahoma";
    BuildFixturesByRound(L.doc, FixtureListRange{2, 3, TRUE, TRUE});
    for (POSITION pos = L.doc.m_listDisplayItems.GetHeadPosition(); pos;) {
        auto* p = static_cast<CRepItem*>(L.doc.m_listDisplayItems.GetNext(pos));
        EXPECT_TRUE(p->IsTemporary());
        EXPECT_EQ(p->m_pDoc, &L.doc);
        if (auto* w = dynamic_cast<CRepItem_FixWeek*>(p)) {
            EXPECT_EQ(std::tie(w->m_bOmitLanes, w->m_bOmitTime, w->m_fontHeading.m_strFaceName,
                               w->m_fontDetail.m_strFaceName),
                      std::make_tuple(1u, 1u, CString("Georgia"), CString("Tahoma")));
        } else if (auto* d = dynamic_cast<CRepItem_FreeDate*>(p)) {
            EXPECT_EQ(std::tie(d->m_fontLine.m_strFaceName, d->m_time),
                      std::make_tuple(CString("Georgia"), CTime(2025, 9, 15, 19, 30, 0)));
        }
    }
    // Flowed as the fixtures display: a heading, then round, free date, round down the page.
    L.doc.m_nDisplayMode = MODE_FIXTURES;
    CRecordingDC dc;
    EXPECT_EQ(LayoutDisplayPages(&L.doc, &dc), 1);
    EXPECT_EQ(Describe(L.doc), (Items{"heading", "round 2", "free Bank holiday", "round 3"}));
    CRecordingDC page;
    DrawDisplayPage(&L.doc, &page, CPageInfo{1, 1});
    const DrawCall* pRound2 = page.FindText("Round 2   Mon 08 Sep 25");
    const DrawCall* pFree = page.FindText("Free Date - Mon 15 Sep 2025    Bank holiday");
    const DrawCall* pRound3 = page.FindText("Round 3   Mon 15 Sep 25");
    ASSERT_TRUE(pRound2 && pFree && pRound3) << page.Dump();
    EXPECT_EQ(std::make_pair(pFree->y1, pRound3->y1), std::make_pair(pRound2->y1 - 600, pFree->y1 - 200));
}

TEST_F(FixtureLists, ByTeamOnePageATeamWithFreeDates)
{
    L.doc.GetDefaultFont(CRepItem_FixTeam::HEADING_FONT)->m_bBold = 1;
    std::vector<CTeam*> teams{L.Team(1), L.Team(4)};
    EXPECT_EQ(BuildFixturesByTeam(L.doc, teams, FixtureListRange{2, 4, TRUE}), 6);
    EXPECT_EQ(Describe(L.doc), (Items{"title Fixtures for  'Aces'", "line 2 3-1", "free Bank holiday", "line 3 1-2",
                                      "free Cup night", "line 4 3-1", "page", "title Fixtures for  'Pins'",
                                      "line 2 4-2", "free Bank holiday", "line 3 3-4", "free Cup night",
                                      "line 4 4-2"}));
    int nLines = 0;
    for (POSITION pos = L.doc.m_listDisplayItems.GetHeadPosition(); pos;) {
        auto* l = dynamic_cast<CRepItem_FixTeam*>(L.doc.m_listDisplayItems.GetNext(pos));
        if (!l)
            continue;
        ++nLines;
        EXPECT_TRUE(l->m_nTeamNo == 1 || l->m_nTeamNo == 4);
        EXPECT_EQ(std::make_tuple(l->m_bOmitLanes, l->m_fontHeading.m_bBold), std::make_tuple(1u, 1));
    }
    EXPECT_EQ(nLines, 6);
    // The second team starts a page of its own under a page heading.
    L.doc.m_nDisplayMode = MODE_FIXTURES;
    CRecordingDC dc;
    EXPECT_EQ(LayoutDisplayPages(&L.doc, &dc), 2);
    CRecordingDC page2;
    DrawDisplayPage(&L.doc, &page2, CPageInfo{2, 2});
    EXPECT_NE(page2.FindText("Fixtures for  'Pins'"), nullptr) << page2.Dump();
    EXPECT_EQ(page2.FindText("Fixtures for  'Aces'"), nullptr);
}

TEST_F(FixtureLists, OutstandingStopsAtTheFirstMatchAfterTheCurrentRound)
{
    L.doc.m_nCurrentRound = 2;
    // Round 1's second match is half entered; round 2's first not at all.
    for (POSITION pos = L.doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(L.doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound <= 2)
            f->m_bPlayed[0] = f->m_bPlayed[1] = 1;
    }
    L.doc.FindFixtureByRoundMatch(1, 2)->m_bPlayed[1] = 0;
    L.doc.FindFixtureByRoundMatch(2, 1)->m_bPlayed[0] = L.doc.FindFixtureByRoundMatch(2, 1)->m_bPlayed[1] = 0;
    // A round-1 match filed after round 3 lies beyond the stop and is not reached.
    CFixture* pLate = L.Match(1, 3, 2, 4);
    EXPECT_EQ(BuildOutstandingFixtures(L.doc), 2);
    EXPECT_EQ(Describe(L.doc), (Items{"line 1 3-4", "line 2 3-1"}));
    auto* pLine = static_cast<CRepItem_FixTeam*>(L.doc.m_listDisplayItems.GetHead());
    EXPECT_EQ(pLine->m_nTeamNo, CRepItem_FixTeam::ALL_TEAMS);
    // Its own fonts, not the lists' defaults.
    L.doc.GetDefaultFont(CRepItem_FixTeam::DETAIL_FONT)->m_bBold = 1;
    BuildOutstandingFixtures(L.doc);
    EXPECT_TRUE(static_cast<CRepItem_FixTeam*>(L.doc.m_listDisplayItems.GetHead())->m_fontDetail == CFontData());
    EXPECT_NE(pLate, nullptr);
}

// --- the view's commands --------------------------------------------------------------------

namespace {

class FixtureCommands : public FixtureLists
{
protected:
    void SetUp() override
    {
        FixtureLists::SetUp();
        RegisterResources();
        L.doc.m_nCurrentRound = 1;
        L.doc.m_nDisplayMode = MODE_REPORT;
        L.doc.m_strReportTitle = "Weekly";
        CFontData* pTitle = L.doc.GetDefaultFont(FONT_FIXTURES_TITLE);
        pTitle->m_strFaceName = "Georgia";
        pTitle->m_nPrinterHeight = -280;
        m_view.AttachTo(&L.doc, nullptr);
        m_view.OnInitialUpdate();
    }
    BOOL Enabled(UINT nID)
    {
        CCmdUI state;
        state.m_nID = nID;
        m_view.OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state);
        return state.m_bEnabled;
    }
    CBowlingView m_view;
};

} // namespace

TEST_F(FixtureCommands, ByRoundThroughRoundsToPrint)
{
    EXPECT_TRUE(Enabled(ID_FIXTURE_DISPLAY_BY_ROUND));
    CScriptedBackend ui;
    ui.OnDialog(IDD_ROUNDS_TO_PRINT)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_RP_FIRST) + "-" + d.GetDlgItemText(IDC_RP_LAST), "1-4");
        })
        .SetText(IDC_RP_FIRST, "2")
        .SetText(IDC_RP_LAST, "3")
        .Click(IDC_RP_OMIT_TIME)
        .OK();
    m_view.OnCmdMsg(ID_FIXTURE_DISPLAY_BY_ROUND, CN_COMMAND, nullptr);
    EXPECT_TRUE(ui.AllUsed());
    // The lists' title font heads the pages.
    EXPECT_EQ(std::tie(L.doc.m_nDisplayMode, L.doc.m_strReportTitle, L.doc.m_fontReportTitle.m_strFaceName),
              std::make_tuple(MODE_FIXTURES, CString("Fixtures by Round"), CString("Georgia")));
    EXPECT_EQ(Describe(L.doc, false), (Items{"round 2", "free Bank holiday", "round 3"}));
    EXPECT_EQ(m_view.GetPageCount(), 1);
    EXPECT_GT(ui.invalidations, 0);
    CRecordingDC dc;
    DrawDisplayPage(&L.doc, &dc, CPageInfo{1, 1});
    EXPECT_NE(dc.FindText("Round 3   Mon 15 Sep 25"), nullptr) << dc.Dump();
    EXPECT_NE(dc.FindText("Fixtures by Round"), nullptr);

    // Cancel leaves the display as it was.
    ui.OnDialog(IDD_ROUNDS_TO_PRINT).Cancel();
    L.doc.m_nDisplayMode = MODE_REPORT;
    m_view.OnCmdMsg(ID_FIXTURE_DISPLAY_BY_ROUND, CN_COMMAND, nullptr);
    EXPECT_EQ(L.doc.m_nDisplayMode, MODE_REPORT);
}

TEST_F(FixtureCommands, ByTeamsThroughSelectTeamsAndRoundsToPrint)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAMS).SetSel(IDC_SELECT_TEAMS_LIST, 2).OK();  // Aces, already chosen, and Owls
    ui.OnDialog(IDD_ROUNDS_TO_PRINT)
        .Check([](CDialog& d) {
            EXPECT_NE(d.GetDlgItemText(IDC_RP_TITLE_FONT).Find("Georgia"), -1);
        })
        .SetText(IDC_RP_LAST, "2")
        .OK();
    m_view.OnCmdMsg(ID_FIXTURE_DISPLAY_BY_TEAM, CN_COMMAND, nullptr);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(std::tie(L.doc.m_nDisplayMode, L.doc.m_strReportTitle),
              std::make_tuple(MODE_FIXTURES, CString("Fixtures by Team")));
    EXPECT_EQ(Describe(L.doc, false), (Items{"title Fixtures for  'Aces'", "line 1 1-2", "line 2 3-1", "page",
                            "title Fixtures for  'Owls'", "line 1 3-4", "line 2 3-1"}));
    EXPECT_EQ(m_view.GetPageCount(), 2);

    // Cancelled team choice: nothing changes.
    L.doc.m_nDisplayMode = MODE_REPORT;
    ui.OnDialog(IDD_SELECT_TEAMS).Cancel();
    m_view.OnCmdMsg(ID_FIXTURE_DISPLAY_BY_TEAM, CN_COMMAND, nullptr);
    EXPECT_EQ(L.doc.m_nDisplayMode, MODE_REPORT);
}

TEST_F(FixtureCommands, OutstandingFixtures)
{
    L.doc.m_nCurrentRound = 2;
    CScriptedBackend ui;
    m_view.OnCmdMsg(ID_FIXTURE_DISPLAY_OUTSTANDING, CN_COMMAND, nullptr);
    EXPECT_EQ(std::tie(L.doc.m_nDisplayMode, L.doc.m_strReportTitle),
              std::make_tuple(MODE_FIXTURES, CString("Outstanding Fixtures as at Round 2.")));
    EXPECT_EQ(Describe(L.doc, false), (Items{"line 1 1-2", "line 1 3-4", "line 2 3-1", "line 2 4-2"}));
    EXPECT_TRUE(ui.dialogsOpened.empty());
}

TEST_F(FixtureCommands, FirstRoundOfANewLeagueIsOne)
{
    // Before any results the current round is 0, which the round box would refuse.
    L.doc.m_nCurrentRound = 0;
    CScriptedBackend ui;
    ui.OnDialog(IDD_ROUNDS_TO_PRINT).OK();
    m_view.OnCmdMsg(ID_FIXTURE_DISPLAY_BY_ROUND, CN_COMMAND, nullptr);
    EXPECT_TRUE(ui.MessageTexts().empty());
    Items items = Describe(L.doc);
    EXPECT_NE(std::find(items.begin(), items.end(), "round 1"), items.end());
}

TEST_F(FixtureCommands, PrintColumnsChosenInTheirDialogPlaceTheMatchesOnThePrintedPage)
{
    // Round 1: Aces v Kings and Owls v Pins; the away name starts 360 right of its column's centre.
    struct Case
    {
        const char* typed;
        BYTE nColumns;
        int nKingsX, nPinsX;
        bool bOneLine;
    };
    const Case cases[] = {
        {"2", 2, 3480, 8760, true},
        {"3", 3, 2760, 6120, true},
        {"1", 1, 6120, 6120, false},
    };
    for (const Case& c : cases) {
        CScriptedBackend ui;
        ui.OnDialog(IDD_FIXTURE_PRINT_COLUMNS)
            .SetText(IDC_FPC_COLUMNS, "0")
            .OK()
            .SetText(IDC_FPC_COLUMNS, "4")
            .OK()
            .SetText(IDC_FPC_COLUMNS, c.typed)
            .OK();
        ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 3.");
        ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 3.");
        L.doc.SetModifiedFlag(FALSE);
        ASSERT_TRUE(LeagueSetup::SetupCmdMsg(&L.doc, ID_FIXTURE_PRINT_COLUMNS, CN_COMMAND, nullptr));
        EXPECT_EQ(std::make_tuple(L.doc.m_nFixturePrintColumns, bool(L.doc.IsModified())),
                  std::make_tuple(c.nColumns, true));

        ui.OnDialog(IDD_ROUNDS_TO_PRINT).SetText(IDC_RP_LAST, "1").OK();
        m_view.OnCmdMsg(ID_FIXTURE_DISPLAY_BY_ROUND, CN_COMMAND, nullptr);
        EXPECT_TRUE(ui.AllUsed());
        CRecordingDC page(true);
        DrawDisplayPage(&L.doc, &page, CPageInfo{1, 1});
        const DrawCall* kings = page.FindText("Kings");
        const DrawCall* pins = page.FindText("Pins");
        ASSERT_TRUE(kings && pins) << page.Dump();
        // One line for two or three columns; with one column the next line down.
        EXPECT_EQ(std::make_tuple(kings->x1, pins->x1, pins->y1),
                  std::make_tuple(c.nKingsX, c.nPinsX, c.bOneLine ? kings->y1 : kings->y1 - 200))
            << page.Dump();
    }

    // The dialog starts from the league's setting; Cancel keeps it.
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_PRINT_COLUMNS)
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_FPC_COLUMNS), "1"); })
        .SetText(IDC_FPC_COLUMNS, "3")
        .Cancel();
    LeagueSetup::SetupCmdMsg(&L.doc, ID_FIXTURE_PRINT_COLUMNS, CN_COMMAND, nullptr);
    EXPECT_EQ(L.doc.m_nFixturePrintColumns, 1);
}
