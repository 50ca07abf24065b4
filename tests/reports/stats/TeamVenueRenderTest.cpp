// The team and venue pages of the sample league with a second venue, drawn by the Qt painter on
// screen and printed. The files stay in the build folder: tests/reports/stats/render/.
#include "framework/qt/QtBackend.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/SampleLeague.h"
#include "league/Venue.h"
#include "reports/stats/CaptainsItem.h"
#include "reports/stats/TeamFullDetsItem.h"
#include "reports/stats/TeamReportItem.h"
#include "reports/stats/VenueReportItems.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

TEST(TeamVenueRender, SampleLeagueWithTwoVenues)
{
    std::filesystem::create_directories("render");
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    auto* pSecond = new CVenue(2);
    pSecond->m_strName = "Hebble Lanes";
    doc.m_listVenues.AddTail(pSecond);
    int i = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos; ++i) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        f->m_nVenue = static_cast<BYTE>(i % 3 == 0 ? 2 : 1);
    }
    doc.Recalculate();
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;)
        doc.m_arrSelectedTeams.Add(doc.m_listTeams.GetNext(pos));

    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    view.OnInitialUpdate();
    struct Page {
        const char* name;
        BYTE nMode;
        std::function<int()> build;
    } pages[] = {
        {"captains", MODE_CAPTAINS, [&] { return BuildCaptainsList(doc); }},
        {"team-report", MODE_TEAM_REPORT, [&] { return BuildTeamReport(doc, TRUE); }},
        {"team-history", MODE_TEAM_FULL_DETAILS, [&] { return BuildTeamFullDetails(doc); }},
        {"venue-stats", MODE_GENERATED, [&] { return BuildVenueReport(doc, VENUE_REPORT_STATS); }},
        {"venue-hi-stats", MODE_GENERATED, [&] { return BuildVenueReport(doc, VENUE_REPORT_HI_STATS); }},
        {"venue-averages", MODE_GENERATED, [&] { return BuildVenueReport(doc, VENUE_REPORT_AVERAGES); }},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(p.name);
        ASSERT_GT(p.build(), 0);
        view.SetDisplayMode(p.nMode, p.nMode == MODE_GENERATED ? nullptr : GetDisplayTitle(p.nMode));
        const std::string png = std::string("render/") + p.name + ".png";
        ASSERT_TRUE(AfxRenderViewToPng(view, png.c_str(), 768, 1104));
        EXPECT_GT(std::filesystem::file_size(png), 2000u);
        EXPECT_EQ(AfxPrintViewToPdf(view, (std::string("render/") + p.name + ".pdf").c_str()), view.GetPageCount());
    }
}
