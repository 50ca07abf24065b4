// The report-layout flow: pages of 15840 twips from y = -720, a heading at every page top,
// items never split, rounds handed to fixture and result-summary items.
#include "RecordingDC.h"
#include "TestItems.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "view/RepForm.h"
#include "view/ReportFlow.h"

#include <gtest/gtest.h>

namespace {

class PageFlow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pForm = new CRepForm;
        m_pForm->m_strTitle = "Week Report";
        m_doc.m_listRepForms.AddTail(m_pForm);
        m_doc.m_pCurrentRepForm = m_pForm;
        m_doc.m_strLeagueName = "Thursday Triples";
    }

    CTestBlockItem* Add(int nType, int nHeight, const char* text)
    {
        auto* p = new CTestBlockItem(nType, nHeight, text);
        m_pForm->AddItem(p);
        return p;
    }

    std::vector<CRepItem*> Items() const
    {
        std::vector<CRepItem*> v;
        for (POSITION pos = m_pForm->m_listItems.GetHeadPosition(); pos;)
            v.push_back(m_pForm->GetItem(pos));
        return v;
    }

    CBowlingDoc m_doc;
    CRepForm* m_pForm = nullptr;
    CRecordingDC m_dc;
};

const int kHeading = -624;  // the plain page heading's height

} // namespace

TEST_F(PageFlow, ItemsThatDoNotFitMoveToANewPageWithAHeading)
{
    for (const char* t : {"a", "b", "c", "d", "e"})
        Add(RIT_NOTES, -4000, t);
    EXPECT_EQ(m_doc.LayoutReportForm(&m_dc), 2);

    auto items = Items();
    ASSERT_EQ(items.size(), 7u);
    // page 1: heading, a, b, c (down to -13344); d would end at -17344: page 2 with e.
    EXPECT_EQ(items[0]->m_nType, RIT_HEADING);
    EXPECT_EQ(items[0]->m_bTemporary, TEMP_SHOWING);
    EXPECT_EQ(items[0]->m_nPage, 1);
    EXPECT_EQ(items[0]->m_y, -720);
    EXPECT_EQ(items[1]->m_y, -720 + kHeading);
    EXPECT_EQ(items[3]->m_y, -720 + kHeading - 8000);
    EXPECT_EQ(items[3]->m_nPage, 1);
    EXPECT_EQ(items[4]->m_nType, RIT_HEADING);
    EXPECT_EQ(items[4]->m_nPage, 2);
    EXPECT_EQ(items[4]->m_y, -720);
    EXPECT_EQ(items[5]->m_nPage, 2);
    EXPECT_EQ(items[5]->m_y, -720 + kHeading);
    EXPECT_EQ(items[6]->m_y, -720 + kHeading - 4000);
    for (CRepItem* p : items) {
        EXPECT_EQ(p->m_x, 720);
        EXPECT_EQ(p->m_pDoc, &m_doc);
    }
    EXPECT_EQ(m_doc.m_strReportTitle, "Week Report");
}

TEST_F(PageFlow, RunningTheFlowAgainGivesTheSamePages)
{
    for (int i = 0; i < 9; ++i)
        Add(RIT_NOTES, -3000, "x");
    int n1 = m_doc.LayoutReportForm(&m_dc);
    size_t c1 = Items().size();
    int n2 = m_doc.LayoutReportForm(&m_dc);
    EXPECT_EQ(n1, n2);
    EXPECT_EQ(Items().size(), c1);
    EXPECT_EQ(m_pForm->CountStoredItems(), 9);
}

TEST_F(PageFlow, NewPageItemsBreakButNeverLeaveABlankPage)
{
    Add(RIT_NEW_PAGE, -16560, "");  // first on page 1: no break
    Add(RIT_NOTES, -1000, "a");
    Add(RIT_NEW_PAGE, -16560, "");
    Add(RIT_NEW_PAGE, -16560, "");  // the page holds only the break: no second break
    Add(RIT_NOTES, -1000, "b");
    EXPECT_EQ(m_doc.LayoutReportForm(&m_dc), 2);
    auto items = Items();
    // new page, heading, a | new page, new page, heading, b
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[0]->m_nType, RIT_NEW_PAGE);
    EXPECT_EQ(items[1]->m_nType, RIT_HEADING);
    EXPECT_EQ(items[2]->m_y, -720 + kHeading);  // the break item took no room
    EXPECT_EQ(items[3]->m_nPage, 2);
    EXPECT_EQ(items[4]->m_nPage, 2);
    EXPECT_EQ(items[5]->m_nType, RIT_HEADING);
    EXPECT_EQ(items[6]->m_nPage, 2);
    EXPECT_EQ(items[6]->m_y, -720 + kHeading);
}

TEST_F(PageFlow, AnOverTallItemIsPlacedWholeOnItsOwnPage)
{
    Add(RIT_NOTES, -2000, "short");
    Add(RIT_NOTES, -20000, "tall");
    Add(RIT_NOTES, -2000, "after");
    EXPECT_EQ(m_doc.LayoutReportForm(&m_dc), 3);
    auto items = Items();
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[3]->m_nPage, 2);
    EXPECT_EQ(items[3]->m_y, -720 + kHeading);
    EXPECT_EQ(items[5]->m_nPage, 3);
}

TEST_F(PageFlow, APlacedHeadingTakesThePlaceOfThePageHeading)
{
    Add(RIT_HEADING, -900, "own heading");
    Add(RIT_NOTES, -1000, "a");
    EXPECT_EQ(m_doc.LayoutReportForm(&m_dc), 1);
    auto items = Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->m_bTemporary, TEMP_STORED);
    EXPECT_EQ(items[1]->m_y, -720 - 900);
}

TEST_F(PageFlow, FixtureAndResultSummaryItemsGetTheirRounds)
{
    m_doc.m_nRounds = 5;
    m_doc.m_nCurrentRound = 3;
    auto* f1 = Add(RIT_FIX_WEEK, -500, "next");
    auto* f2 = Add(RIT_FIX_WEEK, -500, "after next");
    auto* f3 = Add(RIT_FIX_WEEK, -500, "past the end");
    auto* h1 = Add(RIT_RESULT_SUMMARY, -500, "hcp 1");
    h1->m_bHandicap = TRUE;
    auto* s1 = Add(RIT_RESULT_SUMMARY, -500, "scr 1");
    auto* h2 = Add(RIT_RESULT_SUMMARY, -500, "hcp 2");
    h2->m_bHandicap = TRUE;
    auto* s2 = Add(RIT_RESULT_SUMMARY, -500, "scr 2");
    auto* s3 = Add(RIT_RESULT_SUMMARY, -500, "scr 3");
    auto* s4 = Add(RIT_RESULT_SUMMARY, -500, "scr 4");
    m_doc.LayoutReportForm(&m_dc);
    EXPECT_EQ(f1->m_nRound, 4);
    EXPECT_EQ(f2->m_nRound, 5);
    EXPECT_EQ(f3->m_nRound, 0);
    EXPECT_EQ(h1->m_nRound, 3);
    EXPECT_EQ(h2->m_nRound, 2);
    EXPECT_EQ(s1->m_nRound, 3);
    EXPECT_EQ(s2->m_nRound, 2);
    EXPECT_EQ(s3->m_nRound, 1);
    EXPECT_EQ(s4->m_nRound, 0);

    // In the last round there is no next round for any fixture item.
    m_doc.m_nCurrentRound = 5;
    m_doc.LayoutReportForm(&m_dc);
    EXPECT_EQ(f1->m_nRound, 0);
    EXPECT_EQ(f2->m_nRound, 0);
}

TEST_F(PageFlow, PreparationExpandsItemsWithTemporaryRowsAndStoresNoneOfThem)
{
    auto* p = Add(RIT_CUSTOM_STANDINGS, -600, "table");
    p->m_nRows = 3;
    Add(RIT_NOTES, -600, "note");
    m_doc.AddPlayer(new CPlayer(1));  // no team: a floating substitute
    m_doc.PrepareReportItems();
    EXPECT_EQ(m_doc.m_nFloatingSubs, 1u);
    auto items = Items();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(static_cast<CTestBlockItem*>(items[1])->m_strText, "table row 1");
    EXPECT_EQ(items[1]->m_bTemporary, TEMP_SHOWING);
    EXPECT_EQ(items[3]->m_bTemporary, TEMP_SHOWING);
    EXPECT_EQ(static_cast<CTestBlockItem*>(items[4])->m_strText, "note");
    EXPECT_EQ(m_pForm->CountStoredItems(), 2);
    // Preparing again deletes the old rows before making new ones.
    m_doc.PrepareReportItems();
    EXPECT_EQ(Items().size(), 5u);
}

TEST_F(PageFlow, DrawingAPageDrawsOnlyItsItemsAndTheHeadingCountsPages)
{
    for (const char* t : {"one", "two", "three", "four"})
        Add(RIT_NOTES, -6000, t);
    int nPages = m_doc.LayoutReportForm(&m_dc);
    ASSERT_EQ(nPages, 2);
    CRecordingDC page2;
    CPageInfo info{2, nPages};
    m_doc.DrawReportPage(&page2, &info);
    auto texts = page2.Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "Thursday Triples");
    EXPECT_EQ(texts[1], "Week Report  (Page 2/2)");
    EXPECT_EQ(texts[2], "three");
    EXPECT_EQ(texts[3], "four");
}

TEST_F(PageFlow, GeneratedReportFlowsAndReplacesItsOwnHeadings)
{
    for (int i = 0; i < 4; ++i)
        m_doc.m_listGeneratedItems.AddTail(new CTestBlockItem(RIT_VENUE_STATS, -8280, "venue"));
    EXPECT_EQ(m_doc.LayoutGeneratedReport(&m_dc), 4);
    EXPECT_EQ(m_doc.m_listGeneratedItems.GetCount(), 8);
    EXPECT_EQ(m_doc.LayoutGeneratedReport(&m_dc), 4);
    EXPECT_EQ(m_doc.m_listGeneratedItems.GetCount(), 8);
    CRecordingDC dc;
    CPageInfo info{3, 4};
    m_doc.DrawGeneratedReportPage(&dc, &info);
    EXPECT_EQ(dc.Texts().size(), 3u);
}

TEST_F(PageFlow, ADisplayOfMoreThan255PagesKeepsEveryPageApart)
{
    // One bowler a page in a large league.
    for (int i = 1; i <= 300; ++i) {
        CString text;
        text.Format("bowler %d", i);
        m_doc.m_listDisplayItems.AddTail(new CTestBlockItem(RIT_PLAYER, -16560, text));
    }
    m_doc.m_strReportTitle = "Player Details";
    FlowOptions options;
    options.bOnePerPage = TRUE;
    EXPECT_EQ(FlowPageItems(&m_doc, &m_dc, m_doc.m_listDisplayItems, options), 300);
    CRecordingDC dc;
    CPageInfo info{290, 300};
    DrawPageItems(&dc, m_doc.m_listDisplayItems, &info);
    auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], "Player Details  (Page 290/300)");
    EXPECT_EQ(texts[2], "bowler 290");
}
