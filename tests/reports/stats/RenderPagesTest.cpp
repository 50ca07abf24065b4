// The sample league's standings layout drawn by the Qt painter (PNG and PDF) and written as
// the HTML page, with a note and a line added; the layout survives a save and a reload.
// The files stay in the build folder: tests/reports/stats/render/.
#include "ReloadedLeague.h"
#include "FileContents.h"
#include "framework/qt/QtBackend.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "reports/layout/LineItems.h"
#include "reports/layout/NotesItem.h"
#include "reports/stats/CustomStandings.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/Exports.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(RenderPages, SampleLeagueStandingsLayout)
{
    std::filesystem::create_directories("render");
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.m_strSanctionedBy = "BTBA", doc.m_strSanctionNumber = "2025/117", doc.m_strSecretary = "Bob Ray";
    doc.m_strPresident = "Ann Lee", doc.m_strPresidentPhone = "01632 960111";
    CRepForm* pForm = doc.m_pCurrentRepForm ? doc.m_pCurrentRepForm : doc.CreateDefaultReportForm();
    pForm->m_strTitle = "Weekly Standings";
    pForm->m_fontTitle.m_bBold = 1;
    auto* pNote = new CRepItem_Notes;
    pNote->m_pDoc = &doc, pNote->m_strTitle = "Secretary's Note", pNote->m_nTitleAlign = CRepItem_Notes::ALIGN_CENTRE;
    pNote->m_strBody = "Fees for the second half are due next week.\r\nThe Christmas social is on the 19th; "
                       "partners are welcome and tickets are on sale at the desk.";
    pNote->m_fontHeading.m_bBold = 1;
    pForm->AddItem(pNote);
    pForm->AddItem(new CRepItem_line);
    doc.m_nDisplayMode = MODE_REPORT;

    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    view.OnInitialUpdate();
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/standings-page1.png", 768, 1104));
    EXPECT_GT(AfxPrintViewToPdf(view, "render/standings.pdf"), 0);
    EXPECT_GT(std::filesystem::file_size("render/standings-page1.png"), 2000u);

    CString strError;
    ASSERT_TRUE(WriteHtmlReport(&doc, "render/standings.htm", strError)) << strError.GetString();
    std::string html = FileContents("render/standings.htm");
    for (const char* psz : {"President&nbsp;&nbsp;Ann Lee", "Standings after Round",
                            "Fees for the second half are due next week.", "<HR SIZE=1 WIDTH=75%>"})
        EXPECT_NE(html.find(psz), std::string::npos) << psz;

    // Saved and read back, the note and the line are still in the layout.
    CBowlingDoc loaded;
    ASSERT_TRUE(Reload(doc, loaded));
    ASSERT_NE(loaded.m_pCurrentRepForm, nullptr);
    std::vector<int> types;
    for (POSITION pos = loaded.m_pCurrentRepForm->m_listItems.GetHeadPosition(); pos;)
        types.push_back(loaded.m_pCurrentRepForm->GetItem(pos)->m_nType);
    ASSERT_GE(types.size(), 4u);
    EXPECT_EQ((std::vector<int>{types[0], types[1], types[types.size() - 2], types.back()}),
              (std::vector<int>{RIT_OFFICERS, RIT_CUSTOM_STANDINGS, RIT_NOTES, RIT_LINE}));
    EXPECT_EQ(loaded.m_pCurrentRepForm->GetStoredBytes(), pForm->GetStoredBytes());
}
