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

    // One member of every item of the layout, in order.
    template <typename T>
    std::vector<int> Each(T CRepItem::*member) const
    {
        std::vector<int> v;
        for (CRepItem* p : Items())
            v.push_back(static_cast<int>(p->*member));
        return v;
    }
    using Ints = std::vector<int>;

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

    // page 1: heading, a, b, c (down to -13344); d would end at -17344: page 2 with e.
    const int y = -720 + kHeading;
    EXPECT_EQ(Each(&CRepItem::m_nType), (Ints{RIT_HEADING, RIT_NOTES, RIT_NOTES, RIT_NOTES, RIT_HEADING, RIT_NOTES, RIT_NOTES}));
    EXPECT_EQ(Each(&CRepItem::m_nPage), (Ints{1, 1, 1, 1, 2, 2, 2}));
    EXPECT_EQ(Each(&CRepItem::m_y), (Ints{-720, y, y - 4000, y - 8000, -720, y, y - 4000}));
    EXPECT_EQ(Each(&CRepItem::m_x), Ints(7, 720));
    EXPECT_EQ(Items()[0]->m_bTemporary, TEMP_SHOWING);
    for (CRepItem* p : Items())
        EXPECT_EQ(p->m_pDoc, &m_doc);
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
    // new page, heading, a | new page, new page, heading, b; the break items take no room
    EXPECT_EQ(Each(&CRepItem::m_nType),
              (Ints{RIT_NEW_PAGE, RIT_HEADING, RIT_NOTES, RIT_NEW_PAGE, RIT_NEW_PAGE, RIT_HEADING, RIT_NOTES}));
    EXPECT_EQ(Each(&CRepItem::m_nPage), (Ints{1, 1, 1, 2, 2, 2, 2}));
    EXPECT_EQ(Items()[2]->m_y, -720 + kHeading);
    EXPECT_EQ(Items()[6]->m_y, -720 + kHeading);
}

TEST_F(PageFlow, AnOverTallItemIsPlacedWholeOnItsOwnPage)
{
    Add(RIT_NOTES, -2000, "short");
    Add(RIT_NOTES, -20000, "tall");
    Add(RIT_NOTES, -2000, "after");
    EXPECT_EQ(m_doc.LayoutReportForm(&m_dc), 3);
    EXPECT_EQ(Each(&CRepItem::m_nPage), (Ints{1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(Items()[3]->m_y, -720 + kHeading);
}

TEST_F(PageFlow, APlacedHeadingTakesThePlaceOfThePageHeading)
{
    Add(RIT_HEADING, -900, "own heading");
    Add(RIT_NOTES, -1000, "a");
    EXPECT_EQ(m_doc.LayoutReportForm(&m_dc), 1);
    EXPECT_EQ(Each(&CRepItem::m_y), (Ints{-720, -720 - 900}));
    EXPECT_EQ(Items()[0]->m_bTemporary, TEMP_STORED);
}

TEST_F(PageFlow, FixtureAndResultSummaryItemsGetTheirRounds)
{
    m_doc.m_nRounds = 5;
    m_doc.m_nCurrentRound = 3;
    // three fixture items, then the summaries: handicap, scratch, handicap, scratch x3
    std::vector<CTestBlockItem*> items;
    for (int i = 0; i < 9; ++i) {
        items.push_back(Add(i < 3 ? RIT_FIX_WEEK : RIT_RESULT_SUMMARY, -500, "x"));
        items.back()->m_bHandicap = (i == 3 || i == 5);
    }
    auto rounds = [&] {
        Ints v;
        for (CTestBlockItem* p : items)
            v.push_back(p->m_nRound);
        return v;
    };
    m_doc.LayoutReportForm(&m_dc);
    EXPECT_EQ(rounds(), (Ints{4, 5, 0, 3, 3, 2, 2, 1, 0}));

    // In the last round there is no next round for any fixture item.
    m_doc.m_nCurrentRound = 5;
    m_doc.LayoutReportForm(&m_dc);
    EXPECT_EQ(rounds()[0], 0);
    EXPECT_EQ(rounds()[1], 0);
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
    EXPECT_EQ(Each(&CRepItem::m_bTemporary)[1], TEMP_SHOWING);
    EXPECT_EQ(Each(&CRepItem::m_bTemporary)[3], TEMP_SHOWING);
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
    EXPECT_EQ(page2.Texts(),
              (std::vector<std::string>{"Thursday Triples", "Week Report  (Page 2/2)", "three", "four"}));
}

TEST_F(PageFlow, GeneratedReportFlowsAndReplacesItsOwnHeadings)
{
    for (int i = 0; i < 4; ++i)
        m_doc.m_listGeneratedItems.AddTail(new CTestBlockItem(RIT_VENUE_STATS, -8280, "venue"));
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(m_doc.LayoutGeneratedReport(&m_dc), 4);
        EXPECT_EQ(m_doc.m_listGeneratedItems.GetCount(), 8);
    }
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
