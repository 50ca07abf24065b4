// The page heading, the title line and the page break, alone and in a report laid out over
// several pages.
#include "PlacedTexts.h"
#include "RecordingDC.h"
#include "ReportTestHelpers.h"
#include "league/BowlingDoc.h"
#include "reports/layout/HeadingItems.h"
#include "reports/layout/LayoutItems.h"
#include "reports/layout/LineItems.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

namespace {

// The recording DC makes every character half the font height wide: at the default 10 points
// (printer height -200) a character is 100 twips and a line 200 twips.
class Headings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_doc.m_strLeagueName = "Thursday Triples";
        m_doc.m_strReportTitle = "Standings";
        m_heading.m_pDoc = &m_doc;
        m_heading.m_x = PAGE_LEFT;
        m_heading.m_y = PAGE_TOP;
    }

    CBowlingDoc m_doc;
    CRepItem_Heading m_heading;
    CRecordingDC m_dc;
};

} // namespace

TEST_F(Headings, TwoLinesWithTitleLeagueProgramPageAndSanction)
{
    m_doc.m_strSanctionedBy = "BTBA";
    m_doc.m_strSanctionNumber = "4711";
    EXPECT_EQ(m_heading.GetHeight(&m_dc), -400);
    CPageInfo info{2, 3};
    m_heading.Draw(&m_dc, &info);

    // The second line one title line lower.
    ExpectPlaced(m_dc, {{"Standings", 5760 - 450, -720}, {"Thursday Triples", 720, -720},
                        {"Torvane 1.8.9", 10800 - 1300, -720}, {"  (Page 2/3)", 5760 - 600, -920},
                        {"BTBA Sanction Number  4711", 720, -920}});
    ASSERT_NE(m_dc.FindText("BTBA Sanction Number  4711"), nullptr) << m_dc.Dump();
    EXPECT_EQ(m_dc.FindText("BTBA Sanction Number  4711")->font.lfHeight, -200);
}

TEST_F(Headings, SanctionLineParts)
{
    CPageInfo info{1, 1};
    m_heading.Draw(&m_dc, &info);
    EXPECT_EQ(m_dc.Texts(), (std::vector<std::string>{"Standings", "Thursday Triples", "Torvane 1.8.9", "  (Page 1/1)"}));

    m_doc.m_strSanctionNumber = "99";
    CRecordingDC dc2;
    m_heading.Draw(&dc2, &info);
    EXPECT_NE(dc2.FindText("Sanction Number  99"), nullptr) << dc2.Dump();

    m_doc.m_strSanctionNumber.Empty();
    m_doc.m_strSanctionedBy = "BTBA";
    CRecordingDC dc3;
    m_heading.Draw(&dc3, &info);
    EXPECT_NE(dc3.FindText("BTBA"), nullptr) << dc3.Dump();
}

TEST_F(Headings, LargePageOneTitleFontOnlyOnPageOne)
{
    CFontData* pPage1 = m_doc.GetDefaultFont(CRepItem_Heading::PAGE1_TITLE_FONT);
    ASSERT_NE(pPage1, nullptr);
    // Exactly 10 points is the ordinary heading.
    pPage1->m_nPrinterHeight = -200;
    EXPECT_EQ(m_heading.GetHeight(&m_dc), -400);

    pPage1->m_nPrinterHeight = -400;
    pPage1->m_crColour = RGB(0, 0, 128);
    EXPECT_EQ(m_heading.GetHeight(&m_dc), -400);   // the line height learnt from the device
    CPageInfo first{1, 2};
    m_heading.Draw(&m_dc, &first);
    ASSERT_EQ(m_dc.Texts(), std::vector<std::string>{"Thursday Triples"});
    EXPECT_EQ(std::make_pair(m_dc.calls[0].x1, m_dc.calls[0].color),
              std::make_pair(5760 - 16 * 200 / 2, RGB(0, 0, 128)));

    // A heading placed on a later page, and any page but the first, have both lines.
    m_heading.m_nPage = 2;
    EXPECT_EQ(m_heading.GetHeight(&m_dc), -400);
    CRecordingDC dc2;
    CPageInfo second{2, 2};
    m_heading.Draw(&dc2, &second);
    EXPECT_NE(dc2.FindText("  (Page 2/2)"), nullptr) << dc2.Dump();
}

TEST_F(Headings, DrawingLeavesTheDeviceAsItWas)
{
    m_doc.m_fontReportTitle.m_crColour = RGB(255, 0, 0);
    m_dc.SetTextColor(RGB(0, 128, 0));
    CFont* pBefore = m_dc.GetCurrentFont();
    m_heading.GetHeight(&m_dc);
    CPageInfo info{1, 1};
    m_heading.Draw(&m_dc, &info);
    EXPECT_EQ(std::make_tuple(m_dc.calls[0].color, m_dc.GetTextColor(), m_dc.GetCurrentFont()),
              std::make_tuple(RGB(255, 0, 0), RGB(0, 128, 0), pBefore));
}

TEST_F(Headings, LongSanctionLinesAndLeagueNamesMoveAsideAndNeverOverlap)
{
    const std::string longName = "The Thursday Night Mixed Scratch and Handicap League";  // 52 characters
    const std::string huge(95, 'W');
    struct Case {
        std::string league, sanctionBy, title;
        int pageX;   // where "  (Page 12/15)" starts
        int height;  // of the heading
    } cases[] = {
        // Nothing near: the layout as ever.
        {"Thursday Triples", "BTBA", "Standings", 5760 - 700, -400},
        // The sanction line reaches past the centre: the page text starts a gap after it.
        {"Thursday Triples", "Bowling Association of the Northern Counties", "Standings", 720 + 6600 + 144, -400},
        // No room beside it at all: the page text goes to a line of its own.
        {"Thursday Triples", std::string(70, 'W'), "Standings", 5760 - 700, -600},
        // A long league name pushes the title right, between itself and the program's name.
        {longName, "", "Standings", 5760 - 700, -400},
        // A league name that fills the line: title and program's name go below.
        {huge, "", "Standings", 5760 - 700, -600},
    };
    for (const Case& c : cases) {
        m_doc.m_strLeagueName = c.league.c_str();
        m_doc.m_strSanctionedBy = c.sanctionBy.c_str();
        m_doc.m_strSanctionNumber = "4711";
        m_doc.m_strReportTitle = c.title.c_str();
        CRecordingDC dc;
        EXPECT_EQ(m_heading.GetHeight(&dc), c.height) << c.league << " / " << c.sanctionBy;
        CPageInfo info{12, 15};
        m_heading.Draw(&dc, &info);
        EXPECT_EQ(Pos(dc, "  (Page 12/15)").first, c.pageX) << c.sanctionBy << "\n" << dc.Dump();
        std::vector<const DrawCall*> texts;
        for (const DrawCall& call : dc.calls)
            if (call.kind == DrawCall::Text)
                texts.push_back(&call);
        ASSERT_EQ(texts.size(), 5u) << dc.Dump();
        for (size_t i = 0; i < texts.size(); ++i) {
            const DrawCall& a = *texts[i];
            int aw = a.text.GetLength() * 100;
            EXPECT_GE(a.x1, 720);
            EXPECT_LE(a.x1 + aw, 10800) << a.text.GetString();
            EXPECT_GE(a.y1 - 200, PAGE_TOP + c.height) << a.text.GetString() << " below the heading";
            for (size_t j = i + 1; j < texts.size(); ++j) {
                const DrawCall& b = *texts[j];
                int bw = b.text.GetLength() * 100;
                bool apart = a.y1 != b.y1 || a.x1 + aw <= b.x1 || b.x1 + bw <= a.x1;
                EXPECT_TRUE(apart) << "\"" << a.text.GetString() << "\" over \"" << b.text.GetString() << "\"";
            }
        }
    }
}

TEST_F(Headings, TitleLine)
{
    CRepItem_Title title;
    title.m_pDoc = &m_doc;
    title.m_strTitle = "Fixtures for  'Pin Pals'";
    title.m_y = -720;
    EXPECT_EQ(std::make_pair(int(title.m_nType), title.GetHeight(&m_dc)), std::make_pair(int(RIT_TITLE), -200));
    title.Draw(&m_dc, nullptr);
    EXPECT_EQ(m_dc.Texts(),
              (std::vector<std::string>{"Fixtures for  'Pin Pals'", "Thursday Triples", "Torvane 1.8.9"}));
    EXPECT_EQ(m_dc.calls[0].x1, 5760 - 24 * 100 / 2);

    CRepItem_Title copy;
    copy.CopyFrom(title);
    EXPECT_EQ(std::make_pair(copy.m_strTitle, HtmlOf(title)), std::make_pair(title.m_strTitle, std::string()));
}

TEST_F(Headings, PageBreakAndStoredRecords)
{
    CRepItem_Page page;
    EXPECT_EQ(std::make_tuple(page.GetName(), page.GetHeight(&m_dc), m_heading.GetName()),
              std::make_tuple(CString("New Page"), -16560, CString("League Heading")));
    page.Draw(&m_dc, nullptr);
    EXPECT_TRUE(m_dc.calls.empty());
    EXPECT_EQ(BytesOf(page), std::vector<BYTE>{8});
    EXPECT_EQ(BytesOf(m_heading), std::vector<BYTE>{1});
}

TEST(HeadingPages, EveryPageOfALayoutHasItsHeadingWithPageAndCount)
{
    RegisterReportLayoutItems();
    CBowlingDoc doc;
    doc.m_strLeagueName = "Monday Mixed";
    auto* pForm = new CRepForm;
    pForm->m_strTitle = "Week 12";
    doc.m_listRepForms.AddTail(pForm);
    doc.m_pCurrentRepForm = pForm;
    // Lines of 250 + 250 hundredths: 7272 twips each, two to a page after the heading.
    for (int i = 0; i < 5; ++i) {
        auto* pLine = new CRepItem_line;
        pLine->m_nSpaceAbove = 250;
        pLine->m_nSpaceBelow = 250;
        pForm->AddItem(pLine);
    }
    CRecordingDC dc;
    int nPages = doc.LayoutReportForm(&dc);
    ASSERT_EQ(nPages, 3);

    int nHeadings = 0;
    for (POSITION pos = pForm->m_listItems.GetHeadPosition(); pos;) {
        CRepItem* pItem = pForm->GetItem(pos);
        if (pItem->m_nType != RIT_HEADING)
            continue;
        ++nHeadings;
        // The flow made the league's own heading, not the view's stand-in.
        EXPECT_TRUE(pItem->IsKindOf(RUNTIME_CLASS(CRepItem_Heading)));
        EXPECT_EQ(pItem->m_y, PAGE_TOP);
    }
    EXPECT_EQ(nHeadings, 3);

    for (int nPage = 1; nPage <= 3; ++nPage) {
        CRecordingDC page;
        CPageInfo info{nPage, nPages};
        doc.DrawReportPage(&page, &info);
        CString expected;
        expected.Format("  (Page %d/3)", nPage);
        EXPECT_NE(page.FindText(expected), nullptr) << page.Dump();
        EXPECT_TRUE(page.FindText("Week 12") && page.FindText("Monday Mixed"));
        // Two lines on each full page, one on the last.
        int nLines = 0;
        for (const DrawCall& c : page.calls)
            nLines += c.kind == DrawCall::Line;
        EXPECT_EQ(nLines, nPage < 3 ? 2 : 1);
    }
}
