// The Venue menu's reports against a small league worked by hand: the score bands and averages
// of a venue against the league's, the venue's top-ten lists, the averages by venue, and the
// commands through the view with the style dialog scripted.
//
//   North Lanes (1): round 1, Aces bowl 124 125 210 / 150 150 150 / 200 200 200 (9 games, 1509)
//   South Bowl  (2): round 2, Aces bowl  99 250   0 / 100 100 100 / 225 249 300 (8 games, 1423:
//                    the 0 is no game); Kings v Aces in round 2 is not entered
//   East End    (3): nothing bowled
//   League: 17 games, 2932 pins, 172.47 a game.
#include "DrawnText.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "TeamDetailsTestLeague.h"
#include "league/Venue.h"
#include "reports/stats/VenueReportItems.h"
#include "resources/Resource.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/ReportFlow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

struct VenueReports : ::testing::Test
{
    TeamDetailsTestLeague L;
    CVenue* north = nullptr;
    CVenue* south = nullptr;
    CVenue* east = nullptr;
    void SetUp() override
    {
        north = AddVenue(1, "North Lanes");
        south = AddVenue(2, "South Bowl");
        east = AddVenue(3, "East End");
        auto* f1 = static_cast<CFixture*>(L.doc.m_listFixtures.GetHead());
        auto* f2 = static_cast<CFixture*>(L.doc.m_listFixtures.GetTail());
        CFixture* f3 = AddTestFixture(L.doc, 2, 2, 1);
        f1->m_timeDue = CTime(2024, 1, 9, 19, 0, 0);
        f2->m_timeDue = f3->m_timeDue = CTime(2024, 1, 16, 19, 0, 0);
        f1->m_nVenue = 1;
        f2->m_nVenue = f3->m_nVenue = 2;
        for (auto [f, nPos, p, a, b, c, nHcp] :
             {std::tuple(f1, 0, L.al, 124, 125, 210, 30), std::tuple(f1, 1, L.bo, 150, 150, 150, 40),
              std::tuple(f1, 2, L.cy, 200, 200, 200, 0), std::tuple(f2, 0, L.al, 99, 250, 0, 0),
              std::tuple(f2, 1, L.bo, 100, 100, 100, 0), std::tuple(f2, 2, L.cy, 225, 249, 300, 0)})
            PutBowler(f, 0, nPos, p, {a, b, c}, nHcp);
        L.doc.m_nVenueReportNumber = 3;
    }
    CVenue* AddVenue(BYTE n, const char* pszName)
    {
        auto* v = new CVenue(n);
        v->m_strName = pszName;
        L.doc.m_listVenues.AddTail(v);
        return v;
    }
    // The venue's item, its figures collected.
    std::unique_ptr<CRepItem_VenueStats> Stats(CVenue* pVenue)
    {
        auto p = std::make_unique<CRepItem_VenueStats>();
        p->m_pDoc = &L.doc, p->m_pVenue = pVenue;
        p->CollectStats();
        return p;
    }
    const DrawCall* Fill(const CRecordingDC& dc, int y) const
    {
        for (const DrawCall& c : dc.calls)
            if (c.kind == DrawCall::Fill && c.y1 == y)
                return &c;
        return nullptr;
    }
};

} // namespace

TEST_F(VenueReports, ScoreBandsAndAveragesAgainstTheLeague)
{
    const auto pItem = Stats(south);
    CRepItem_VenueStats& item = *pItem;
    EXPECT_EQ((std::vector<long>{item.m_nLeagueGames, item.m_nLeaguePins, item.m_nVenueGames, item.m_nVenuePins,
                                 item.m_nVenueMatches}),
              (std::vector<long>{17, 2932, 8, 1423, 1}));
    EXPECT_EQ(std::vector<int>(item.m_nLeagueBands, item.m_nLeagueBands + 8), (std::vector<int>{1, 4, 1, 3, 0, 4, 2, 2}));
    EXPECT_EQ(std::vector<int>(item.m_nVenueBands, item.m_nVenueBands + 8), (std::vector<int>{1, 3, 0, 0, 0, 0, 2, 2}));

    item.m_y = -1000;
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    // 2932 / 17 = 172.47; 1423 / 8 = 177.875, 5.40 above: a plus, a blank and a green bar.
    // Band 0 (under 100): 1 of 17 league games, 1 of 8 here (12.5%: a 720-twip blue bar).
    // Band 4 (175-199): none anywhere, no bar.
    const std::pair<int, Texts> lines[] = {{-1360, {"South Bowl"}},
                                           {-1800, {"1 matches played."}},
                                           {-2100, {"Average Game Bowled."}},
                                           {-2400, {"League", "172.47"}},
                                           {-2650, {"Venue (+ 5.40)", "177.88"}},
                                           {-3050, {"Percentage of games under 100"}},
                                           {-3350, {"League", "  5.88%"}},
                                           {-3600, {"Venue", " 12.50%"}},
                                           {-3050 - 950 * 4 - 300, {"League", "  0.00%"}}};
    for (const auto& [y, texts] : lines)
        EXPECT_EQ(TextsAt(dc, y), texts) << y;
    EXPECT_EQ((std::vector<long>{Fill(dc, -2400)->x2, Fill(dc, -2650)->x2, long(Fill(dc, -2650)->color),
                                 Fill(dc, -3600)->x2, long(Fill(dc, -3600)->color)}),
              (std::vector<long>{2760 + 3449, 2760 + 3557, long(RGB(0, 128, 0)), 2760 + 720, long(RGB(0, 0, 255))}));
    EXPECT_EQ(Fill(dc, -3050 - 950 * 4 - 300), nullptr);

    // North is below the league (167.67, 4.80 less): red, the minus sign its own.
    CRecordingDC dc2;
    Stats(north)->Draw(&dc2, nullptr);
    EXPECT_EQ(TextsAt(dc2, -1650), (Texts{"Venue (-4.80)", "167.67"}));
    EXPECT_EQ(Fill(dc2, -1650)->color, RGB(255, 0, 0));

    // Nothing bowled at East: its name and the count.
    CRecordingDC dc3;
    Stats(east)->Draw(&dc3, nullptr);
    EXPECT_EQ(dc3.Texts(), (Texts{"East End", "0 matches played."}));
}

TEST_F(VenueReports, TopTenListsOfAVenue)
{
    L.doc.CalcVenueStatistics();
    CRepItem_VenueHiStats item;
    item.m_pDoc = &L.doc, item.m_pVenue = south, item.m_y = -1000;
    CRecordingDC dc;
    EXPECT_EQ(item.GetHeight(&dc), -8280);
    EXPECT_EQ(item.m_nNumberToList, 3);
    item.Draw(&dc, nullptr);
    // Lines 200 apart on the recording DC, from 144 below the item.
    // The team handicap lists' dates stand without parentheses.
    const std::pair<int, Texts> lines[] = {
        {-1144, {"South Bowl"}},
        {-1344, {"Hi Team Game Scratch", "Hi Team Series Scratch"}},
        {-1544, {"599", "Aces  (16 Jan 24)", "1423", "Aces  (16 Jan 24)"}},
        {-1744, {"424", "Aces  (16 Jan 24)"}},
        {-1944, {"400", "Aces  (16 Jan 24)"}},
        {-2344, {"Hi Game Scratch", "Hi Series Scratch"}},
        {-2544, {"300", "Cy Dunn  (16 Jan 24)", "774", "Cy Dunn  (16 Jan 24)"}},
        {-2944, {"249", "Cy Dunn  (16 Jan 24)", "300", "Bo Cole  (16 Jan 24)"}},
        {-3544, {"599", "Aces  16 Jan 24", "1423", "Aces  16 Jan 24"}},
        {-4344, {"Hi Game Handicap", "Hi Series Handicap"}}};
    for (const auto& [y, texts] : lines)
        EXPECT_EQ(TextsAt(dc, y), texts) << y;
    EXPECT_EQ((std::pair(Pos(dc, "599").first, Pos(dc, "1423").first)), (std::pair(1440 - 300, 6480 - 400)));

    // A scratch league: the two scratch sections only.
    L.doc.m_bHandicapLeague = 0;
    CRecordingDC dc2;
    item.Draw(&dc2, nullptr);
    EXPECT_EQ(dc2.FindText("Hi Team Game Handicap"), nullptr);
    // Nothing bowled at East.
    item.m_pVenue = east;
    CRecordingDC dc3;
    item.Draw(&dc3, nullptr);
    EXPECT_EQ(dc3.Texts(), (Texts{"East End", "No matches played."}));
}

TEST_F(VenueReports, AveragesByVenue)
{
    east->m_strName = "The Very Long Name Bowling Centre";
    L.al->m_nVenuePins[2] = 503, L.al->m_nVenueGames[2] = 3;
    L.bo->m_nVenuePins[1] = 290, L.bo->m_nVenueGames[1] = 3;
    EXPECT_EQ((std::pair(GetVenueAverage(L.al, 2), GetVenueAverage(L.al, 40))), (std::pair(1676, 0)));

    CRepItem_VenueHiStats header;
    header.m_pDoc = &L.doc, header.m_bAveragesRow = 1, header.m_y = -1000;
    CRecordingDC dc;
    EXPECT_EQ(header.GetHeight(&dc), -200);
    header.Draw(&dc, nullptr);
    // Three venues: 2400 wide, right edges 6000, 8400, 10800; a name is cut to fit 2328.
    EXPECT_EQ(dc.Texts(), (Texts{"North Lanes", "South Bowl", "The Very Long Name Bowl"}));
    EXPECT_EQ(dc.FindText("South Bowl")->x1, 8400 - 1000);

    CRepItem_VenueHiStats row = header;
    row.m_pPlayer = L.al, row.m_x = 720;
    CRecordingDC dc2;
    row.Draw(&dc2, nullptr);
    EXPECT_EQ(dc2.Texts(), (Texts{"Al Brown", "167.6"}));
    row.m_pPlayer = L.bo;
    CRecordingDC dc3;
    row.Draw(&dc3, nullptr);
    EXPECT_EQ(dc3.Texts(), (Texts{"Bo Cole", "096.6"}));
    EXPECT_EQ(dc3.FindText("096.6")->x1, 6000 - 500);
}

namespace {

struct VenueCommands : VenueReports
{
    CBowlingView view;
    void SetUp() override
    {
        VenueReports::SetUp();
        RegisterResources();
        L.doc.m_nDisplayMode = MODE_REPORT;
        view.AttachTo(&L.doc, nullptr);
        view.OnInitialUpdate();
    }
    void Run(UINT nID) { view.OnCmdMsg(nID, CN_COMMAND, nullptr); }
    std::vector<CRepItem*> Items(BYTE nType)
    {
        std::vector<CRepItem*> out;
        for (POSITION pos = L.doc.m_listGeneratedItems.GetHeadPosition(); pos;) {
            auto* p = static_cast<CRepItem*>(L.doc.m_listGeneratedItems.GetNext(pos));
            if (p->m_nType == nType)
                out.push_back(p);
        }
        return out;
    }
};

} // namespace

TEST_F(VenueCommands, EachVenueOnAPageOfItsOwnAndTheAveragesUnderAHeaderRow)
{
    Run(ID_VENUE_STATS);
    EXPECT_EQ(L.doc.m_nDisplayMode, MODE_GENERATED);
    EXPECT_EQ(L.doc.m_strReportTitle, "Venue Report.");
    ASSERT_EQ(Items(RIT_VENUE_STATS).size(), 3u);
    EXPECT_EQ(view.GetPageCount(), 3);

    Run(ID_VENUE_DISPLAY_REPORT);
    EXPECT_EQ(L.doc.m_strReportTitle, "Venue Hi Stats.");
    EXPECT_EQ((std::vector<long>{long(Items(RIT_VENUE_HI_STATS).size()), view.GetPageCount(), long(south->m_nMatchesPlayed)}),
              (std::vector<long>{3, 3, 1}));

    Run(ID_VENUE_INDIVIDUAL_AVERAGES);
    EXPECT_EQ(L.doc.m_strReportTitle, "Individual Averages by Venue.");
    // Al, Bo, Cy, Di in name order under one header row; no robot, no resigned bowler.
    std::vector<std::string> rows;
    for (CRepItem* p : Items(RIT_VENUE_HI_STATS)) {
        auto* r = static_cast<CRepItem_VenueHiStats*>(p);
        rows.push_back(r->m_pPlayer ? r->m_pPlayer->m_strName.GetString() : "(header)");
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"(header)", "Al Brown", "Bo Cole", "Cy Dunn", "Di Eve"}));

    // No venues: the commands are not offered.
    CCmdUI state;
    state.m_nID = ID_VENUE_STATS;
    view.OnCmdMsg(ID_VENUE_STATS, CN_UPDATE_COMMAND_UI, &state);
    EXPECT_EQ(state.m_bEnabled, L.doc.IsLeagueSetUp());
    DeleteItemList(L.doc.m_listGeneratedItems);
    for (POSITION pos = L.doc.m_listVenues.GetHeadPosition(); pos;)
        delete L.doc.m_listVenues.GetNext(pos);
    L.doc.m_listVenues.RemoveAll();
    view.OnCmdMsg(ID_VENUE_STATS, CN_UPDATE_COMMAND_UI, &state);
    EXPECT_FALSE(state.m_bEnabled);
}

TEST_F(VenueCommands, StyleDialogSetsFontsAndNumberToList)
{
    L.doc.m_nVenueReportNumber = 0;
    CScriptedBackend ui;
    ui.OnDialog(IDD_VENUE_HI_STATS_STYLE)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_VHS_NUMBER), "3");
            EXPECT_EQ(d.GetDlgItemText(IDC_VHS_HEADER_DESC), "Black  Arial  10 Pt. ");
        })
        .SetText(IDC_VHS_NUMBER, "11")
        .OK()
        .SetText(IDC_VHS_NUMBER, "0")
        .OK()
        .SetText(IDC_VHS_NUMBER, "5")
        .Click(IDC_VHS_HEADER_FONT)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_VHS_HEADER_DESC), "Black  Times New Roman Bold  12 Pt. ");
            EXPECT_EQ(d.GetDlgItemText(IDC_VHS_NUMBER), "5");
        })
        .OK();
    ui.ChooseFont("Times New Roman", 120, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    ui.AnswerMessageBox(IDOK, "between 1 and 10");
    ui.AnswerMessageBox(IDOK, "between 1 and 10");
    Run(ID_VENUE_DESIGN_REPORT);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(L.doc.m_nVenueReportNumber, 5);
    EXPECT_EQ(L.doc.m_fontVenueHeader.m_strFaceName + "|" + L.doc.m_fontVenueDetail.m_strFaceName, "Times New Roman|Arial");
    EXPECT_TRUE(L.doc.m_fontVenueHeader.m_bBold && L.doc.IsModified());

    // Cancel keeps what the league had.
    L.doc.SetModifiedFlag(FALSE);
    ui.OnDialog(IDD_VENUE_HI_STATS_STYLE).SetText(IDC_VHS_NUMBER, "8").Click(IDC_VHS_DETAIL_FONT).Cancel();
    ui.ChooseFont("Courier New", 100, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    Run(ID_VENUE_DESIGN_REPORT);
    EXPECT_EQ((std::pair<int, std::string>(L.doc.m_nVenueReportNumber, L.doc.m_fontVenueDetail.m_strFaceName.GetString())),
              (std::pair<int, std::string>(5, "Arial")));
    EXPECT_FALSE(L.doc.IsModified());
}
