// The sample league's default report, drawn by the Qt painter into PNG and PDF files (kept in
// the build folder, tests/reports/stats/render/) and written as HTML, with its bowlers' table
// by team and ranked in two blocks.
#include "../layout/ReportTestHelpers.h"
#include "FileContents.h"
#include "framework/qt/QtBackend.h"
#include "league/SampleLeague.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/stats/CustomPlayerStats.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/Exports.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

CRepItem_CustomPlayerStats* FindTable(CRepForm& form)
{
    for (POSITION pos = form.m_listItems.GetHeadPosition(); pos;)
        if (auto* p = dynamic_cast<CRepItem_CustomPlayerStats*>(form.m_listItems.GetNext(pos)))
            if (!p->IsRow())
                return p;
    return nullptr;
}

int CountRows(CRepForm& form)
{
    int n = 0;
    for (POSITION pos = form.m_listItems.GetHeadPosition(); pos;)
        if (auto* p = dynamic_cast<CRepItem_CustomPlayerStats*>(form.m_listItems.GetNext(pos)))
            n += p->IsRow() ? 1 : 0;
    return n;
}

} // namespace

TEST(CustomPlayerRender, SampleLeagueDefaultReport)
{
    std::filesystem::create_directories("render");
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.Recalculate();
    CRepForm* pForm = doc.CreateDefaultReportForm();
    CRepItem_CustomPlayerStats* pTable = FindTable(*pForm);
    ASSERT_NE(pTable, nullptr);
    EXPECT_EQ((std::vector<int>{pTable->m_bListByTeam, pTable->m_nKind, pTable->m_fontHeading.m_bBold, pTable->GetTotalWidth()}),
              (std::vector<int>{1, PK_HANDICAP, 1, 97}));
    pTable->m_bTeamAverages = 1;
    doc.m_nDisplayMode = MODE_REPORT;

    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    view.OnInitialUpdate();
    // Eight teams (and the floating substitutes' team when there is one) two to a row.
    EXPECT_GE(CountRows(*pForm), 4);
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/by-team-page1.png", 768, 1104));
    int nPages = AfxPrintViewToPdf(view, "render/by-team.pdf");
    EXPECT_GE(nPages, 1);

    // A bowler's name under the mouse is found through the rectangles drawn.
    CPlayer* pFirst = nullptr;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos && !pFirst;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        if (!p->IsRobot())
            pFirst = p;
    }
    ASSERT_NE(pFirst, nullptr);
    bool bHit = false;
    for (int page = 1; page <= view.GetPageCount() && !bHit; ++page) {
        view.GoToPage(page);
        ASSERT_TRUE(AfxRenderViewToPng(view, "render/scan.png", 768, 1104));
        for (int y = -720; y > -16000 && !bHit; y -= 40) {
            CTeam* pTeam = nullptr;
            CPlayer* pPlayer = nullptr;
            view.HitTest(CPoint(1000, y), &pTeam, &pPlayer);
            bHit = pPlayer == pFirst;
        }
    }
    EXPECT_TRUE(bHit);

    // The HTML page: the table's rows inside the page writer's table, closed at the end.
    CString strError;
    ASSERT_TRUE(WriteHtmlReport(&doc, "render/by-team.htm", strError)) << strError.GetString();
    const std::string html = FileContents("render/by-team.htm");
    const size_t nTable = html.rfind("<CENTER><TABLE WIDTH=100%>\n<TR>");
    const size_t nName = html.find(pFirst->m_strName.GetString());
    ASSERT_NE(nName, std::string::npos);
    EXPECT_LT(nTable, nName);
    EXPECT_EQ(html.find("Eavg"), std::string::npos);   // no average line in HTML
    EXPECT_NE(html.find("</CENTER></TABLE>\n", nName), std::string::npos);

    // Ranked in two blocks, scratch figures.
    pTable->m_bListByTeam = 0, pTable->m_nKind = PK_SCRATCH;
    view.OnInitialUpdate();
    view.GoToPage(1);
    EXPECT_EQ(CountRows(*pForm), (doc.CountActivePlayers() + 1) / 2);
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/ranked-page1.png", 768, 1104));
    EXPECT_GT(std::filesystem::file_size("render/ranked-page1.png"), 2000u);
    view.AttachTo(nullptr, nullptr);
}
