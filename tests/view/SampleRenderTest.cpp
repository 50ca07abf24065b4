// The sample league's default report layout with the program's own report items: every page
// on the screen and in print has its heading, and the pages, the PDF and the HTML page are
// left in the build folder (tests/view/sample/) to be looked at.
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "framework/qt/QtBackend.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "reports/layout/LayoutItems.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/Exports.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

bool HasTextContaining(const CRecordingDC& dc, const std::string& s)
{
    for (const std::string& t : dc.Texts())
        if (t.find(s) != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST(SampleLeague, DefaultLayoutPageByPageOnScreenInPrintAndInHtml)
{
    RegisterReportLayoutItems();
    std::filesystem::create_directories("sample");
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(TRUE));
    doc.Recalculate();
    CRepForm* pForm = doc.CreateDefaultReportForm();
    ASSERT_EQ(pForm->m_listItems.GetCount(), 3) << "officers, custom standings and custom player stats";
    pForm->m_strTitle = "League Standings";
    doc.m_nDisplayMode = MODE_REPORT;

    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    view.OnInitialUpdate();
    int nPages = view.GetPageCount();
    EXPECT_GE(nPages, 2);

    // On the screen: each page has its heading with the page count.
    for (int nPage = 1; nPage <= nPages; ++nPage) {
        view.GoToPage(nPage);
        CRecordingDC dc;
        view.OnDraw(&dc);
        CString heading;
        heading.Format("(Page %d/%d)", nPage, nPages);
        EXPECT_TRUE(HasTextContaining(dc, heading.str())) << "screen page " << nPage;
        CString png;
        png.Format("sample/page%d.png", nPage);
        EXPECT_TRUE(AfxRenderViewToPng(view, png, 768, 1104));
    }

    // In print (and preview, which runs the same sequence).
    {
        CScriptedBackend ui;
        view.OnFilePrintPreview();
        ASSERT_GE(ui.printedPages.size(), 2u);
        int nPrinted = static_cast<int>(ui.printedPages.size());
        for (int i = 0; i < nPrinted; ++i) {
            CString heading;
            heading.Format("(Page %d/%d)", i + 1, nPrinted);
            EXPECT_TRUE(HasTextContaining(*ui.printedPages[static_cast<size_t>(i)], heading.str()))
                << "printed page " << i + 1;
        }
    }
    EXPECT_GE(AfxPrintViewToPdf(view, "sample/standings.pdf"), 2);

    // The HTML page of the layout.
    CString strError;
    ASSERT_TRUE(WriteHtmlReport(&doc, "sample/standings.htm", strError)) << strError.GetString();
    std::ifstream in("sample/standings.htm", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string html = ss.str();
    EXPECT_EQ(html.rfind("</BODY>\n</HTML>\n"), html.size() - 16);
    EXPECT_NE(html.find("<TITLE>League Standings</TITLE>"), std::string::npos);
    view.AttachTo(nullptr, nullptr);
}
