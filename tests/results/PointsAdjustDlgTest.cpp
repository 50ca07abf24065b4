// The points adjustments and make-up lane override dialogs, driven through their controls.
#include <gtest/gtest.h>

#include "ResultsLeague.h"
#include "ResultsControlTexts.h"
#include "ScriptedBackend.h"
#include "results/FixturePointsAdjustDlg.h"
#include "results/MakeupLaneOverrideDlg.h"
#include "results/PointsCommands.h"

#include <memory>

using Texts = std::vector<std::string>;

namespace {

// Four teams of doubles, three games, handicap team points: a point a game and one for the series.
struct AdjustLeague : ResultsLeague {
    AdjustLeague() : ResultsLeague(4, 2, 3, 2)
    {
        HandicapTeamPoints();
    }
};

int Sel(CDialog& d, UINT id)
{
    return Ctl(d, id).curSel;
}

// The text a drop-down list shows: its selected entry.
std::string Shown(CDialog& d, UINT id)
{
    const CControlState& s = Ctl(d, id);
    return s.curSel < 0 ? std::string() : std::string(s.items[static_cast<size_t>(s.curSel)].text.GetString());
}

// The dialog opened on match 1 of round 1 with the given adjustments (handicap A, B, scratch A).
struct Adjusts {
    int hcpA = 0, hcpB = 0, scrA = 0;
};
std::unique_ptr<CFixturePointsAdjustDlg> OpenAdjust(ResultsLeague& L, Adjusts in, int nWant = IDOK)
{
    auto dlg = std::make_unique<CFixturePointsAdjustDlg>();
    dlg->m_pDoc = &L.doc;
    dlg->m_pFixture = L.Match(1);
    dlg->m_nHandicapAdjustA = in.hcpA, dlg->m_nHandicapAdjustB = in.hcpB, dlg->m_nScratchAdjustA = in.scrA;
    EXPECT_EQ(dlg->DoModal(), nWant);
    return dlg;
}

std::string Half(const char* whole)
{
    return std::string(whole) + "\xBD";
}

}  // namespace

TEST(FixturePointsAdjustDlg, OffersEveryHalfPointFromPlusToMinusMaxAndEditsTheShownPair)
{
    AdjustLeague L;
    ASSERT_EQ(L.doc.m_nMaxHandicapPoints, 8);   // three games and the series, a point each
    CFixture* f = L.Match(1);
    f->m_nHandicapAdjust[0] = 3;    // +1½
    f->m_nHandicapAdjust[1] = -2;   // -1
    f->m_nScratchAdjust[0] = 5;     // a handicap league: passed through untouched
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_POINTS_ADJUST)
        .Check([](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {IDC_FPA_ROUND_DUE, IDC_FPA_TEAM_A, IDC_FPA_TEAM_B}),
                      (Texts{"Round 1 Due Mon Sep 02 2024 07:30 PM", "Team 1", "Team 2"}));
            EXPECT_EQ(Items(d, IDC_FPA_SYSTEM), (Texts{"Handicap", "Scratch"}));
            EXPECT_FALSE(Ctl(d, IDC_FPA_SYSTEM).enabled);   // one system only
            const Texts a = Items(d, IDC_FPA_ADJUST_A);
            ASSERT_EQ(a.size(), 17u);
            EXPECT_EQ((Texts{a[0], a[1], a[7], a[8], a[9], a[16]}),
                      (Texts{"+4 ", "+" + Half("3"), "+ \xBD", "+0 ", "- \xBD", "-4 "}));
            EXPECT_EQ(Items(d, IDC_FPA_ADJUST_B), a);
            // system 0, +1½ and -1
            EXPECT_EQ((std::vector<int>{Sel(d, IDC_FPA_SYSTEM), Sel(d, IDC_FPA_ADJUST_A), Sel(d, IDC_FPA_ADJUST_B)}),
                      (std::vector<int>{0, 5, 10}));
        })
        .Select(IDC_FPA_ADJUST_A, 13)   // -2½
        .OK();
    auto dlg = OpenAdjust(L, {f->m_nHandicapAdjust[0], f->m_nHandicapAdjust[1], f->m_nScratchAdjust[0]});
    // side B untouched
    EXPECT_EQ((std::vector<int>{dlg->m_nHandicapAdjustA, dlg->m_nHandicapAdjustB, dlg->m_nScratchAdjustA}),
              (std::vector<int>{-5, -2, 5}));
}

TEST(FixturePointsAdjustDlg, BothSystemsOpenOnScratchAndSwitchingKeepsEachPair)
{
    AdjustLeague L;
    L.doc.m_bScratchLeague = 1;
    L.doc.m_ScrPoints.m_bTeam = 1;
    L.doc.m_ScrPoints.m_nTeamSeries = 4;   // two points for the series alone
    L.doc.UpdateMaxMatchPoints();
    ASSERT_TRUE(L.doc.HasBothScoringSystems());
    const int nScrMax = L.doc.m_nMaxScratchPoints;
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_POINTS_ADJUST)
        .Check([&](CDialog& d) {
            EXPECT_EQ(std::make_pair(Ctl(d, IDC_FPA_SYSTEM).enabled, Sel(d, IDC_FPA_SYSTEM)), std::make_pair(true, 1));
            EXPECT_EQ(static_cast<int>(Items(d, IDC_FPA_ADJUST_A).size()), 2 * nScrMax + 1);
            EXPECT_EQ(Shown(d, IDC_FPA_ADJUST_A), "-1 ");   // the stored scratch value
        })
        .SelectString(IDC_FPA_ADJUST_B, "+2 ")
        .Select(IDC_FPA_SYSTEM, 0)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_FPA_ADJUST_A).size(), 17u);
            // the stored handicap value
            EXPECT_EQ((Texts{Shown(d, IDC_FPA_ADJUST_A), Shown(d, IDC_FPA_ADJUST_B)}), (Texts{"+" + Half("1"), "+0 "}));
        })
        .SelectString(IDC_FPA_ADJUST_B, "-3\xBD")
        .Select(IDC_FPA_SYSTEM, 1)
        .Check([](CDialog& d) { EXPECT_EQ(Shown(d, IDC_FPA_ADJUST_B), "+2 "); })
        .OK();
    auto dlg = OpenAdjust(L, {3, 0, -2});
    EXPECT_EQ((std::vector<int>{dlg->m_nScratchAdjustA, dlg->m_nScratchAdjustB, dlg->m_nHandicapAdjustA,
                                dlg->m_nHandicapAdjustB}),
              (std::vector<int>{-2, 4, 3, -7}));
}

TEST(FixturePointsAdjustDlg, RangeEdges)
{
    // No match points at all: only plus nothing.
    {
        ResultsLeague L(2, 1, 1, 1);
        L.doc.UpdateMaxMatchPoints();
        CScriptedBackend ui;
        ui.OnDialog(IDD_FIXTURE_POINTS_ADJUST).Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_FPA_ADJUST_A), Texts{"+0 "});
            EXPECT_EQ(Sel(d, IDC_FPA_ADJUST_A), 0);
        }).OK();
        OpenAdjust(L, {});
    }
    // Pyramid scoring: twice the first place's points, read as a byte (200 stays 200, not -56).
    {
        AdjustLeague L;
        L.doc.m_bPyramidScoring = 1;
        L.doc.m_strPyramid = CString("\xC8\x02\x01");
        EXPECT_EQ(CFixturePointsAdjustDlg::GetMaxAdjustment(&L.doc, PASS_HANDICAP), 400);
        L.doc.m_strPyramid = CString("\x03\x02\x01");
        CScriptedBackend ui;
        ui.OnDialog(IDD_FIXTURE_POINTS_ADJUST).Check([](CDialog& d) {
            const Texts a = Items(d, IDC_FPA_ADJUST_A);
            ASSERT_EQ(a.size(), 13u);
            EXPECT_EQ((Texts{a.front(), a.back()}), (Texts{"+3 ", "-3 "}));
            EXPECT_EQ(Sel(d, IDC_FPA_ADJUST_B), -1);   // a stored value outside the range
        }).OK();
        EXPECT_EQ(OpenAdjust(L, {0, 40, 0})->m_nHandicapAdjustB, 40);   // returned as it came
    }
    // Pinfall points: hundredths, still half a point apart.
    {
        AdjustLeague L;
        L.doc.m_Petersen.m_bHandicap = 1;
        CScriptedBackend ui;
        ui.OnDialog(IDD_FIXTURE_POINTS_ADJUST)
            .Check([](CDialog& d) {
                const Texts a = Items(d, IDC_FPA_ADJUST_A);
                ASSERT_EQ(a.size(), 17u);
                EXPECT_EQ((Texts{a[0], a[7], a[9]}), (Texts{"+4.00", "+0.50", "-0.50"}));
                EXPECT_EQ(Sel(d, IDC_FPA_ADJUST_A), 6);   // 100 hundredths
            })
            .Select(IDC_FPA_ADJUST_B, 11)   // -1.50
            .OK();
        EXPECT_EQ(OpenAdjust(L, {100, 0, 0})->m_nHandicapAdjustB, -150);
    }
}

TEST(MakeupLaneOverrideDlg, UpAndDownMoveThePairWithinItsByteAndKeepTheTick)
{
    ResultsLeague L(2, 1, 1, 1);
    CScriptedBackend ui;
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE)
        .Check([](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {IDC_MLO_ROUND, IDC_MLO_TEAM_A, IDC_MLO_TEAM_B, IDC_MLO_LANES}),
                      (Texts{"Round 1", "Team 1", "Team 2", "3 / 4"}));
        })
        .Click(IDC_MLO_DOWN)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MLO_LANES).text, "1 / 2"); })
        .Click(IDC_MLO_CANCELLED)
        .Click(IDC_MLO_DOWN)
        .Check([](CDialog& d) {
            EXPECT_EQ(std::make_pair(Ctl(d, IDC_MLO_LANES).text.str(), Ctl(d, IDC_MLO_CANCELLED).check),
                      std::make_pair(std::string("1 / 2"), 1));
        })
        .Click(IDC_MLO_UP)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MLO_CANCELLED).check, 1); })
        .OK();
    CMakeupLaneOverrideDlg dlg;
    dlg.m_pFixture = L.Match(1);
    dlg.m_nLane = 3;
    dlg.DoModal();
    EXPECT_EQ(std::make_pair(static_cast<bool>(dlg.m_bCancelled), static_cast<int>(dlg.m_nLane)), std::make_pair(true, 3));

    // The override is a byte in which 0 means none: Up stops at 253 / 254 instead of wrapping.
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE)
        .Click(IDC_MLO_UP)
        .Click(IDC_MLO_UP)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MLO_LANES).text, "253 / 254"); })
        .Cancel();
    CMakeupLaneOverrideDlg top;
    top.m_pFixture = L.Match(1);
    top.m_nLane = 251;
    top.DoModal();
    EXPECT_EQ(std::make_pair(static_cast<bool>(top.m_bCancelled), static_cast<int>(top.m_nLane)), std::make_pair(false, 253));
}

TEST(MakeupLaneOverrideDlg, TheRunningLaneMovesOnPastEachAcceptedMatch)
{
    ResultsLeague L(8, 1, 1, 1);
    L.doc.m_nStartLane = 6;   // even: the pairs start on 7
    int nLane = FirstOverrideLane(L.doc);
    EXPECT_EQ(nLane, 7);
    CScriptedBackend ui;
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE).Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MLO_LANES).text, "7 / 8"); }).OK();
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE).Click(IDC_MLO_UP).OK();   // 11
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE).Click(IDC_MLO_CANCELLED).OK();
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MLO_LANES).text, "13 / 14"); })
        .Cancel();   // Esc keeps the lane shown
    std::vector<int> overrides;
    for (int m = 1; m <= 4; ++m) {
        BYTE n = 0;
        overrides.push_back(OfferLaneOverride(L.Match(1, m), nLane, n) ? n : -1);
    }
    overrides.push_back(nLane);
    EXPECT_EQ(overrides, (std::vector<int>{7, 11, -1, 13, 15}));
    EXPECT_TRUE(ui.AllUsed());

    std::vector<int> first;
    for (int nStart : {0, 254}) {
        L.doc.m_nStartLane = static_cast<BYTE>(nStart);
        first.push_back(FirstOverrideLane(L.doc));
    }
    EXPECT_EQ(first, (std::vector<int>{1, 253}));
    nLane = 253;
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE).OK();
    BYTE n = 0;
    ASSERT_TRUE(OfferLaneOverride(L.Match(1, 1), nLane, n));
    EXPECT_EQ(std::make_pair(static_cast<int>(n), nLane), std::make_pair(253, 253));
}
