// The sample league's fixtures by round and by team drawn by the Qt painter, and a layout's
// next-rounds fixtures written as the HTML page. The files stay in the build folder:
// tests/reports/layout/render/.
#include "FileContents.h"
#include "framework/qt/QtBackend.h"
#include "league/BowlingDoc.h"
#include "league/FreeWeek.h"
#include "league/SampleLeague.h"
#include "league/Team.h"
#include "reports/layout/FixtureItems.h"
#include "reports/layout/FixtureLists.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/Exports.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The sample's free date sits at the end of its round-dates list; put it between rounds 12
// and 13, as the fixture dates dialog would file it.
void FileTheFreeDateAfterRound(CBowlingDoc& doc, int nRound)
{
    CObList& weeks = doc.m_listFreeWeeks;
    CFreeWeek* pFree = nullptr;
    for (POSITION pos = weeks.GetHeadPosition(); pos;) {
        POSITION here = pos;
        auto* w = static_cast<CFreeWeek*>(weeks.GetNext(pos));
        if (w->m_bFreeDate) {
            pFree = w;
            weeks.RemoveAt(here);
            break;
        }
    }
    ASSERT_NE(pFree, nullptr);
    for (POSITION pos = weeks.GetHeadPosition(); pos; weeks.GetNext(pos)) {
        auto* w = static_cast<CFreeWeek*>(weeks.GetAt(pos));
        if (!w->m_bFreeDate && w->m_nLastRound == nRound) {
            pFree->m_time = w->m_time + CTimeSpan(7, 0, 0, 0);
            weeks.InsertAfter(pos, pFree);
            return;
        }
    }
}

} // namespace

TEST(FixtureRender, SampleLeagueFixturesByRoundAndByTeam)
{
    std::filesystem::create_directories("render");
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    FileTheFreeDateAfterRound(doc, 12);
    doc.m_nFixturePrintColumns = 2;
    doc.m_nStartLane = 1;
    doc.m_nLastLane = 0;
    doc.GetDefaultFont(CRepItem_FixWeek::HEADING_FONT)->m_bBold = 1;

    EXPECT_EQ(BuildFixturesByRound(doc, FixtureListRange{11, 16}), 6);
    doc.m_strReportTitle = "Fixtures by Round";
    doc.m_nDisplayMode = MODE_FIXTURES;
    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    view.OnInitialUpdate();
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/fixtures-by-round.png", 768, 1104));
    EXPECT_GT(std::filesystem::file_size("render/fixtures-by-round.png"), 2000u);
    EXPECT_GT(AfxPrintViewToPdf(view, "render/fixtures-by-round.pdf"), 0);

    std::vector<CTeam*> teams{static_cast<CTeam*>(doc.m_listTeams.GetHead()),
                              static_cast<CTeam*>(doc.m_listTeams.GetTail())};
    doc.GetDefaultFont(CRepItem_FixTeam::HEADING_FONT)->m_crColour = RGB(0, 0, 128);
    EXPECT_EQ(BuildFixturesByTeam(doc, teams, FixtureListRange{1, 21}), 42);
    doc.m_strReportTitle = "Fixtures by Team";
    view.OnUpdate(nullptr, 0, nullptr);
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/fixtures-by-team.png", 768, 1104));
    EXPECT_EQ(view.GetPageCount(), 2);

    // Next rounds' fixtures in the standings layout, as an HTML page.
    CRepForm* pForm = doc.m_pCurrentRepForm ? doc.m_pCurrentRepForm : doc.CreateDefaultReportForm();
    pForm->DeleteItems();
    for (int i = 0; i < 2; ++i) {
        auto* pItem = new CRepItem_FixWeek;
        pItem->m_pDoc = &doc;
        pItem->ApplyDefaultFonts();
        pForm->AddItem(pItem);
    }
    doc.m_nDisplayMode = MODE_REPORT;
    CString strError;
    ASSERT_TRUE(WriteHtmlReport(&doc, "render/fixtures.htm", strError)) << strError.GetString();
    std::string html = FileContents("render/fixtures.htm");
    CString round;
    round.Format("Round %d   ", doc.m_nCurrentRound + 1);
    for (const char* part : {round.GetString(), "Calder Valley Bowl", "<CENTER><TABLE WIDTH=99% COLS=4>\n"})
        EXPECT_NE(html.find(part), std::string::npos) << part;
}
