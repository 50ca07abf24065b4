// The venue pages of a league entered as the secretary enters one: right after Venue > Assign
// Venues to Rounds, with no other command in between, the pages show the bowlers' averages at
// each venue and the venues' games as the matches now stand.
//
//   4 teams of 3, 3 games, rounds 1 and 2 entered; every bowler but Team 1's bowls 150s.
//   Bowler 12 bowls 151 152 154 in round 1 (457, 152.3) and 149 150 150 in round 2 (449, 149.6).
//   Round 1 at North Lanes: 36 games, 1417 + 27 x 150 = 5467 pins, 151.86 a game.
//   Round 2 at South Bowl:  36 games, 1289 + 27 x 150 = 5339 pins; the league 10806 / 72 = 150.08.
#include "DrawnText.h"
#include "RecordingDC.h"
#include "WorkedLeague.h"
#include "admin/VenueCommands.h"
#include "league/Venue.h"
#include "resources/dialogs/AdminDialogs.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"

#include <memory>

namespace {

using Texts = std::vector<std::string>;

struct VenueFigures : ::testing::Test
{
    WorkedLeague L{4, 3, 3, 6};
    CBowlingView view;

    void SetUp() override
    {
        VenueCommands::Install();
        const Lineup team1Round1 = {{200, 190, 180}, {151, 152, 154}, {120, 130, 140}};
        const Lineup team1Round2 = {{160, 170, 180}, {149, 150, 150}, {100, 110, 120}};
        L.EnterRound(1, {{1, team1Round1}});
        L.EnterRound(2, {{1, team1Round2}});
        for (const char* pszName : {"North Lanes", "South Bowl"}) {
            CScriptedBackend ui;
            ui.OnDialog(IDD_VENUE_DETAILS).SetText(IDC_VD_NAME, pszName).OK();
            ASSERT_TRUE(L.doc.OnCmdMsg(ID_VENUE_ADD, CN_COMMAND, nullptr));
        }
        view.AttachTo(&L.doc, nullptr);
        view.OnInitialUpdate();
    }
    void TearDown() override { view.AttachTo(nullptr, nullptr); }

    void Run(UINT nID) { ASSERT_TRUE(view.OnCmdMsg(nID, CN_COMMAND, nullptr)); }

    // Venue > Assign Venues to Rounds: round 1 to North Lanes, round 2 to South Bowl, Finished.
    void AssignRounds()
    {
        CScriptedBackend ui;
        ui.OnDialog(IDD_ASSIGN_VENUES)
            .Select(IDC_AV_VENUE, 0).SetSel(IDC_AV_ROUNDS, 0).Click(IDC_AV_ASSIGN)
            .Select(IDC_AV_VENUE, 1).SetSel(IDC_AV_ROUNDS, 1).Click(IDC_AV_ASSIGN)
            .OK();
        ASSERT_TRUE(L.doc.OnCmdMsg(ID_VENUE_ASSIGN_ROUNDS, CN_COMMAND, nullptr));
        for (POSITION pos = L.doc.m_listFixtures.GetHeadPosition(); pos;) {
            const auto* f = static_cast<const CFixture*>(L.doc.m_listFixtures.GetNext(pos));
            ASSERT_EQ(f->m_nVenue, f->m_nRound <= 2 ? f->m_nRound : 0) << int(f->m_nRound);
        }
    }

    // The page on show, as the view draws it.
    std::unique_ptr<CRecordingDC> Page()
    {
        auto dc = std::make_unique<CRecordingDC>();
        view.OnDraw(dc.get());
        return dc;
    }

    static Texts LineOf(const CRecordingDC& dc, const char* pszFirst)
    {
        const DrawCall* p = dc.FindText(pszFirst);
        return p ? TextsAt(dc, p->y1) : Texts{};
    }
};

} // namespace

TEST_F(VenueFigures, IndividualAveragesRightAfterAssigningVenues)
{
    AssignRounds();
    Run(ID_VENUE_INDIVIDUAL_AVERAGES);
    const auto dc = Page();
    EXPECT_NE(dc->FindText("North Lanes"), nullptr);
    EXPECT_EQ(LineOf(*dc, "Bowler 11"), (Texts{"Bowler 11", "190.0", "170.0"}));
    EXPECT_EQ(LineOf(*dc, "Bowler 12"), (Texts{"Bowler 12", "152.3", "149.6"}));
    EXPECT_EQ(LineOf(*dc, "Bowler 13"), (Texts{"Bowler 13", "130.0", "110.0"}));
    EXPECT_EQ(LineOf(*dc, "Bowler 42"), (Texts{"Bowler 42", "150.0", "150.0"}));

    // Clear Venues takes every figure off the page at once.
    CScriptedBackend ui;
    ui.OnDialog(IDD_ASSIGN_VENUES).Click(IDC_AV_CLEAR).Cancel();
    ASSERT_TRUE(L.doc.OnCmdMsg(ID_VENUE_ASSIGN_ROUNDS, CN_COMMAND, nullptr));
    EXPECT_EQ(LineOf(*Page(), "Bowler 12"), (Texts{"Bowler 12"}));
}

TEST_F(VenueFigures, AVenuePageOnShowFollowsTheAssignment)
{
    Run(ID_VENUE_STATS);
    EXPECT_EQ(LineOf(*Page(), "North Lanes"), (Texts{"North Lanes"}));
    EXPECT_NE(Page()->FindText("0 matches played."), nullptr);

    // The page stays on show while the rounds are given their venues.
    AssignRounds();
    const auto dc = Page();
    EXPECT_NE(dc->FindText("2 matches played."), nullptr);
    EXPECT_EQ(LineOf(*dc, "League"), (Texts{"League", "150.08"}));
    EXPECT_EQ(LineOf(*dc, "Venue (+ 1.78)"), (Texts{"Venue (+ 1.78)", "151.86"}));

    // And the high scores: Bowler 11's 200 heads North Lanes' games.
    Run(ID_VENUE_DISPLAY_REPORT);
    const auto hi = Page();
    EXPECT_NE(hi->FindText("Bowler 11  (02 Sep 24)"), nullptr);
}
