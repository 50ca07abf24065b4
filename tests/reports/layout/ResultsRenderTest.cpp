// The sample league's results display and a layout with both kinds of result summary, drawn
// by the Qt painter (PNG and PDF) and written as the HTML page. The files stay in the build
// folder: tests/reports/layout/render/.
#include "ReloadedLeague.h"
#include "FileContents.h"
#include "framework/qt/QtBackend.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "reports/layout/ResultSummary.h"
#include "results/ResultsDisplay.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/Exports.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ResultsRender, SampleLeagueResultsPages)
{
    std::filesystem::create_directories("render");
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    // The last round with results.
    const int nRound = GetSampleLeagueShape(FALSE).nRoundsPlayed;
    doc.m_nCurrentRound = static_cast<BYTE>(nRound);
    ASSERT_GT(BuildRoundResults(doc, nRound), 0);
    doc.m_nDisplayMode = MODE_RESULTS;
    doc.m_strReportTitle.Format("Results for Round %d", nRound);

    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    view.OnInitialUpdate();
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/results-page1.png", 768, 1104));
    EXPECT_GT(std::filesystem::file_size("render/results-page1.png"), 2000u);
    EXPECT_GT(AfxPrintViewToPdf(view, "render/results.pdf"), 0);

    CString strError;
    ASSERT_TRUE(WriteHtmlReport(&doc, "render/results.htm", strError)) << strError.GetString();
    std::string html = FileContents("render/results.htm");
    CString rnd;
    rnd.Format(">Rnd %d<", nRound);
    for (const char* part : {"<CENTER><TABLE  BORDER=1 WIDTH=99%>\n<TR>", rnd.GetString(), "Points (Hcp)"})
        EXPECT_NE(html.find(part), std::string::npos) << part;

    // A layout of both formats: the current round's summaries, then the one before.
    CRepForm* pForm = doc.m_pCurrentRepForm ? doc.m_pCurrentRepForm : doc.CreateDefaultReportForm();
    pForm->DeleteItems();
    for (int nFormat : {0, 1, 0}) {
        auto* pItem = new CRepItem_ResultSummary;
        pItem->m_pDoc = &doc;
        pItem->ApplyDefaultFonts();
        pItem->SetDefaults();
        pItem->m_nFormat = static_cast<DWORD>(nFormat);
        pItem->m_fontTitle.m_bBold = 1;
        pItem->m_fontWin.m_crColour = RGB(0, 128, 0);
        pItem->m_fontLose.m_crColour = RGB(128, 0, 0);
        pForm->AddItem(pItem);
    }
    pForm->m_strTitle = "Weekly Results";
    doc.m_nDisplayMode = MODE_REPORT;
    view.OnInitialUpdate();
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/summary-page1.png", 768, 1104));
    EXPECT_GT(AfxPrintViewToPdf(view, "render/summary.pdf"), 0);
    ASSERT_TRUE(WriteHtmlReport(&doc, "render/summary.htm", strError)) << strError.GetString();
    html = FileContents("render/summary.htm");
    CString heading, before;
    heading.Format("Hcp Results Summary for Round %d.", nRound);
    before.Format("Hcp Results Summary for Round %d.", nRound - 1);
    for (const char* part : {heading.GetString(), before.GetString(), "Match Hi Series", "League Average Game"})
        EXPECT_NE(html.find(part), std::string::npos) << part << "\n" << html;

    // Saved and read back, the summaries keep their options.
    CBowlingDoc loaded;
    ASSERT_TRUE(Reload(doc, loaded));
    ASSERT_NE(loaded.m_pCurrentRepForm, nullptr);
    EXPECT_EQ(loaded.m_pCurrentRepForm->GetStoredBytes(), pForm->GetStoredBytes());
}
