// The sample league's team details, three teams a page, and a layout with the players'
// statistics list by team, drawn by the Qt painter. The files stay in the build folder:
// tests/reports/stats/render/.
#include "FileContents.h"
#include "framework/qt/QtBackend.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "league/Team.h"
#include "reports/stats/PlayerStatsList.h"
#include "reports/stats/TeamDetailsItem.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/Exports.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

TEST(TeamDetailsRender, SampleLeague)
{
    std::filesystem::create_directories("render");
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;)
        doc.m_arrSelectedTeams.Add(doc.m_listTeams.GetNext(pos));
    doc.m_nTeamsPerPage = 3;
    ASSERT_GT(BuildTeamDetails(doc), 3);
    doc.m_nDisplayMode = MODE_TEAM_DETAILS;

    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    view.OnInitialUpdate();
    // Eight teams, three a page.
    EXPECT_EQ(view.GetPageCount(), 3);
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/team-details-page1.png", 768, 1104));
    EXPECT_GT(std::filesystem::file_size("render/team-details-page1.png"), 2000u);
    EXPECT_GT(AfxPrintViewToPdf(view, "render/team-details.pdf"), 0);

    // The players' statistics list by team, two across, after the league's own layout.
    CRepForm* pForm = doc.m_pCurrentRepForm ? doc.m_pCurrentRepForm : doc.CreateDefaultReportForm();
    auto* pList = new CRepItem_PlayerStats;
    pList->m_bByTeam = 1, pList->m_bTwoColumns = 0, pList->m_nScoring = 1;
    pForm->AddItem(pList);
    auto* pFlat = new CRepItem_PlayerStats;
    pFlat->m_nGroup = PSG_COMBINED, pFlat->m_nScoring = 1;
    pForm->AddItem(pFlat);
    doc.m_pCurrentRepForm = pForm;
    view.SetDisplayMode(MODE_REPORT);
    view.GoToPage(view.GetPageCount());
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/player-stats-last-page.png", 768, 1104));
    CString strError;
    ASSERT_TRUE(WriteHtmlReport(&doc, "render/player-stats.htm", strError)) << strError.GetString();
    // Both lists open and close their own tables; the flat list heads its three blocks.
    const std::string html = FileContents("render/player-stats.htm");
    size_t nOpen = 0;
    for (size_t at = html.find("<CENTER><TABLE CELLSPACING=1"); at != std::string::npos;
         at = html.find("<CENTER><TABLE CELLSPACING=1", at + 1))
        ++nOpen;
    EXPECT_EQ(nOpen, 2u);
    EXPECT_NE(html.find("<TD><B>\nName</B>\n</TD>\n<TD><B>\nHcp</B>\n</TD>\n"), std::string::npos);
    EXPECT_NE(html.find("<TR><TD>.</TD></TR>\n"), std::string::npos);
}
