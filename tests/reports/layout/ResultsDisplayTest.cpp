// The results display's commands: the cards of a round or of one team's rounds, the "Rounds to
// be displayed" dialog driven through its controls, and the view's menu commands.
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/SampleLeague.h"
#include "league/Team.h"
#include "reports/layout/ResultCard.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"
#include "results/ResultsDisplay.h"
#include "results/RoundsDisplayedDlg.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

std::vector<CRepItem_Result*> Cards(CBowlingDoc& doc)
{
    std::vector<CRepItem_Result*> cards;
    for (POSITION pos = doc.m_listDisplayItems.GetHeadPosition(); pos;) {
        // The page flow puts its headings among the cards.
        CObject* p = doc.m_listDisplayItems.GetNext(pos);
        if (p->IsKindOf(RUNTIME_CLASS(CRepItem_Result)))
            cards.push_back(static_cast<CRepItem_Result*>(p));
    }
    return cards;
}

class ResultsDisplay : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterResources();
        BuildSampleLeague(m_doc, GetSampleLeagueShape(FALSE));
        m_pTeam = static_cast<CTeam*>(m_doc.m_listTeams.GetHead());
    }
    CBowlingDoc m_doc;
    CTeam* m_pTeam = nullptr;
};

} // namespace

TEST_F(ResultsDisplay, ACardForEveryMatchOfTheRound)
{
    // A bye is left out; so is every other round.
    auto* pBye = new CTeam("Bye", 99);
    pBye->m_bBye = 1;
    m_doc.AddTeam(pBye);
    auto* pByeMatch = new CFixture(3, m_pTeam->m_nTeamNo, 99, m_doc.m_nPlayersPerTeam);
    pByeMatch->m_pTeamA = m_pTeam;
    pByeMatch->m_pTeamB = pBye;
    m_doc.AddFixture(pByeMatch);
    int nExpected = 0;
    for (POSITION pos = m_doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_doc.m_listFixtures.GetNext(pos));
        nExpected += f->m_nRound == 3 && !f->IsBye();
    }
    ASSERT_GT(nExpected, 0);
    EXPECT_EQ(BuildRoundResults(m_doc, 3), nExpected);
    std::vector<CRepItem_Result*> cards = Cards(m_doc);
    ASSERT_EQ(static_cast<int>(cards.size()), nExpected);
    for (CRepItem_Result* pCard : cards) {
        EXPECT_EQ(std::make_tuple(pCard->m_pFixture->m_nRound, pCard->m_pFixture != pByeMatch, pCard->m_pDoc,
                                  bool(pCard->IsTemporary())),
                  std::make_tuple(3, true, &m_doc, true));
    }
    // A new display replaces the cards.
    EXPECT_EQ(BuildRoundResults(m_doc, 99), 0);
    EXPECT_TRUE(m_doc.m_listDisplayItems.IsEmpty());
}

TEST_F(ResultsDisplay, RoundsToBeDisplayedThroughItsControls)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAM).Select(IDC_SELECT_TEAM_LIST, 0).OK();
    ui.OnDialog(IDD_ROUNDS_DISPLAYED)
        .Check([&](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(IDC_ROUNDS_START), "1");
            CString last;
            last.Format("%d", m_doc.m_nCurrentRound);
            EXPECT_EQ(dlg.GetDlgItemText(IDC_ROUNDS_LAST), last);
        })
        .SetText(IDC_ROUNDS_START, "5")
        .SetText(IDC_ROUNDS_LAST, "4")
        .OK()                                   // last below start: stays open
        .SetText(IDC_ROUNDS_START, "0")
        .OK()                                   // start 0 is outside its box's range
        .SetText(IDC_ROUNDS_START, "2")
        .OK();
    ui.AnswerMessageBox(IDOK, "Last is < Start!");
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 255.");
    CString title;
    ASSERT_TRUE(ChooseTeamResults(m_doc, title));
    EXPECT_EQ(title, "Results for " + m_pTeam->m_strName);
    // The team's entered matches of rounds 2 to 4, in order: one a round in this league.
    std::vector<CRepItem_Result*> cards = Cards(m_doc);
    ASSERT_EQ(cards.size(), 3u);
    for (size_t i = 0; i < cards.size(); ++i) {
        const CFixture* f = cards[i]->m_pFixture;
        EXPECT_EQ(f->m_nRound, static_cast<int>(i) + 2);
        EXPECT_TRUE(f->m_nTeamA == m_pTeam->m_nTeamNo || f->m_nTeamB == m_pTeam->m_nTeamNo);
    }
}

// The heading's page line and the first card's frame never meet, on the screen and on paper, on
// every page: the frame's top line lies a row clear below the line's letters.
TEST_F(ResultsDisplay, EveryPagesFirstCardStandsClearOfTheHeading)
{
    ASSERT_EQ(BuildTeamResults(m_doc, m_pTeam, 1, m_doc.m_nCurrentRound), GetSampleLeagueShape(FALSE).nRoundsPlayed);
    m_doc.m_nDisplayMode = MODE_RESULTS;
    m_doc.m_strReportTitle = TeamResultsTitle(m_pTeam);
    for (bool bPrinting : {false, true}) {
        CRecordingDC layoutDC(bPrinting);
        const int nPages = LayoutDisplayPages(&m_doc, &layoutDC);
        ASSERT_GE(nPages, 2);
        for (int nPage = 1; nPage <= nPages; ++nPage) {
            CRecordingDC dc(bPrinting);
            const CPageInfo info{nPage, nPages};
            DrawDisplayPage(&m_doc, &dc, info);
            CString pageText;
            pageText.Format("  (Page %d/%d)", nPage, nPages);
            const DrawCall* pPageLine = dc.FindText(pageText);
            ASSERT_NE(pPageLine, nullptr) << dc.Dump();
            const int nLetters = pPageLine->y1 - std::abs(pPageLine->font.lfHeight);  // its letters' foot
            // The heading draws no line: the highest line of the page is the first card's frame.
            int nFrameTop = INT_MIN;
            for (const DrawCall& c : dc.calls)
                if (c.kind == DrawCall::Line)
                    nFrameTop = std::max({nFrameTop, c.y1, c.y2});
            ASSERT_NE(nFrameTop, INT_MIN) << dc.Dump();
            EXPECT_LE(nFrameTop, nLetters - 200) << (bPrinting ? "printed" : "on the screen") << ", page " << nPage;
        }
    }
}

TEST_F(ResultsDisplay, StartEqualToLastAndLastBeyondTheSeason)
{
    CRoundsDisplayedDlg dlg;
    dlg.m_nStartRound = 1;
    dlg.m_nLastRound = 1;
    CScriptedBackend ui;
    ui.OnDialog(IDD_ROUNDS_DISPLAYED).OK();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ui.OnDialog(IDD_ROUNDS_DISPLAYED).SetText(IDC_ROUNDS_LAST, "200").OK();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nLastRound, 200);
    EXPECT_TRUE(ui.MessageTexts().empty());
    // Rounds past the season simply have no results; unplayed rounds neither.
    EXPECT_EQ(BuildTeamResults(m_doc, m_pTeam, 1, 200), GetSampleLeagueShape(FALSE).nRoundsPlayed);
}

TEST_F(ResultsDisplay, ViewCommands)
{
    CBowlingView view;
    view.AttachTo(&m_doc, nullptr);
    view.OnInitialUpdate();
    CScriptedBackend ui;
    // By round: the current round is offered.
    ui.OnDialog(IDD_SELECT_ROUND).OK();
    view.OnCmdMsg(ID_RESULT_DISPLAY_BY_ROUND, CN_COMMAND, nullptr);
    CString title;
    title.Format("Results for Round %d", m_doc.m_nCurrentRound);
    EXPECT_EQ(std::make_tuple(m_doc.m_nDisplayMode, m_doc.m_strReportTitle, static_cast<int>(Cards(m_doc).size())),
              std::make_tuple(MODE_RESULTS, title, m_doc.m_nTeams / 2));
    EXPECT_GE(view.GetPageCount(), 1);

    // By team, cancelled: back to the report layout.
    ui.OnDialog(IDD_SELECT_TEAM).OK();
    ui.OnDialog(IDD_ROUNDS_DISPLAYED).Cancel();
    view.OnCmdMsg(ID_RESULT_DISPLAY_BY_TEAM, CN_COMMAND, nullptr);
    EXPECT_EQ(m_doc.m_nDisplayMode, MODE_REPORT);
}
