// The points adjustments and make-up lane override dialogs, driven through their controls.
#include <gtest/gtest.h>

#include "ResultsLeague.h"
#include "ScriptedBackend.h"
#include "results/FixturePointsAdjustDlg.h"
#include "results/MakeupLaneOverrideDlg.h"
#include "results/PointsCommands.h"

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
            EXPECT_EQ(Ctl(d, IDC_FPA_ROUND_DUE).text, "Round 1 Due Mon Sep 02 2024 07:30 PM");
            EXPECT_EQ(Ctl(d, IDC_FPA_TEAM_A).text, "Team 1");
            EXPECT_EQ(Ctl(d, IDC_FPA_TEAM_B).text, "Team 2");
            EXPECT_EQ(Items(d, IDC_FPA_SYSTEM), (Texts{"Handicap", "Scratch"}));
            EXPECT_EQ(Sel(d, IDC_FPA_SYSTEM), 0);
            EXPECT_FALSE(Ctl(d, IDC_FPA_SYSTEM).enabled);   // one system only
            const Texts a = Items(d, IDC_FPA_ADJUST_A);
            ASSERT_EQ(a.size(), 17u);
            EXPECT_EQ(a[0], "+4 ");
            EXPECT_EQ(a[1], "+" + Half("3"));
            EXPECT_EQ(a[7], "+ \xBD");
            EXPECT_EQ(a[8], "+0 ");
            EXPECT_EQ(a[9], "- \xBD");
            EXPECT_EQ(a[16], "-4 ");
            EXPECT_EQ(Items(d, IDC_FPA_ADJUST_B), a);
            EXPECT_EQ(Sel(d, IDC_FPA_ADJUST_A), 5);    // +1½
            EXPECT_EQ(Sel(d, IDC_FPA_ADJUST_B), 10);   // -1
        })
        .Select(IDC_FPA_ADJUST_A, 13)   // -2½
        .OK();
    CFixturePointsAdjustDlg dlg;
    dlg.m_pDoc = &L.doc;
    dlg.m_pFixture = f;
    dlg.m_nHandicapAdjustA = f->m_nHandicapAdjust[0];
    dlg.m_nHandicapAdjustB = f->m_nHandicapAdjust[1];
    dlg.m_nScratchAdjustA = f->m_nScratchAdjust[0];
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nHandicapAdjustA, -5);
    EXPECT_EQ(dlg.m_nHandicapAdjustB, -2);   // side B untouched
    EXPECT_EQ(dlg.m_nScratchAdjustA, 5);
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
            EXPECT_TRUE(Ctl(d, IDC_FPA_SYSTEM).enabled);
            EXPECT_EQ(Sel(d, IDC_FPA_SYSTEM), 1);
            EXPECT_EQ(static_cast<int>(Items(d, IDC_FPA_ADJUST_A).size()), 2 * nScrMax + 1);
            EXPECT_EQ(Shown(d, IDC_FPA_ADJUST_A), "-1 ");   // the stored scratch value
        })
        .SelectString(IDC_FPA_ADJUST_B, "+2 ")
        .Select(IDC_FPA_SYSTEM, 0)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_FPA_ADJUST_A).size(), 17u);
            EXPECT_EQ(Shown(d, IDC_FPA_ADJUST_A), "+" + Half("1"));   // the stored handicap value
            EXPECT_EQ(Shown(d, IDC_FPA_ADJUST_B), "+0 ");
        })
        .SelectString(IDC_FPA_ADJUST_B, "-3\xBD")
        .Select(IDC_FPA_SYSTEM, 1)
        .Check([](CDialog& d) { EXPECT_EQ(Shown(d, IDC_FPA_ADJUST_B), "+2 "); })
        .OK();
    CFixturePointsAdjustDlg dlg;
    dlg.m_pDoc = &L.doc;
    dlg.m_pFixture = L.Match(1);
    dlg.m_nHandicapAdjustA = 3;
    dlg.m_nScratchAdjustA = -2;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nScratchAdjustA, -2);
    EXPECT_EQ(dlg.m_nScratchAdjustB, 4);
    EXPECT_EQ(dlg.m_nHandicapAdjustA, 3);
    EXPECT_EQ(dlg.m_nHandicapAdjustB, -7);
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
        CFixturePointsAdjustDlg dlg;
        dlg.m_pDoc = &L.doc;
        dlg.m_pFixture = L.Match(1);
        EXPECT_EQ(dlg.DoModal(), IDOK);
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
            EXPECT_EQ(a.front(), "+3 ");
            EXPECT_EQ(a.back(), "-3 ");
            EXPECT_EQ(Sel(d, IDC_FPA_ADJUST_B), -1);   // a stored value outside the range
        }).OK();
        CFixturePointsAdjustDlg dlg;
        dlg.m_pDoc = &L.doc;
        dlg.m_pFixture = L.Match(1);
        dlg.m_nHandicapAdjustB = 40;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_nHandicapAdjustB, 40);   // returned as it came
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
                EXPECT_EQ(a[0], "+4.00");
                EXPECT_EQ(a[7], "+0.50");
                EXPECT_EQ(a[9], "-0.50");
                EXPECT_EQ(Sel(d, IDC_FPA_ADJUST_A), 6);   // 100 hundredths
            })
            .Select(IDC_FPA_ADJUST_B, 11)   // -1.50
            .OK();
        CFixturePointsAdjustDlg dlg;
        dlg.m_pDoc = &L.doc;
        dlg.m_pFixture = L.Match(1);
        dlg.m_nHandicapAdjustA = 100;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_nHandicapAdjustB, -150);
    }
}

TEST(MakeupLaneOverrideDlg, UpAndDownMoveThePairWithinItsByteAndKeepTheTick)
{
    ResultsLeague L(2, 1, 1, 1);
    CScriptedBackend ui;
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_MLO_ROUND).text, "Round 1");
            EXPECT_EQ(Ctl(d, IDC_MLO_TEAM_A).text, "Team 1");
            EXPECT_EQ(Ctl(d, IDC_MLO_TEAM_B).text, "Team 2");
            EXPECT_EQ(Ctl(d, IDC_MLO_LANES).text, "3 / 4");
        })
        .Click(IDC_MLO_DOWN)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MLO_LANES).text, "1 / 2"); })
        .Click(IDC_MLO_CANCELLED)
        .Click(IDC_MLO_DOWN)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_MLO_LANES).text, "1 / 2");
            EXPECT_EQ(Ctl(d, IDC_MLO_CANCELLED).check, 1);
        })
        .Click(IDC_MLO_UP)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MLO_CANCELLED).check, 1); })
        .OK();
    CMakeupLaneOverrideDlg dlg;
    dlg.m_pFixture = L.Match(1);
    dlg.m_nLane = 3;
    dlg.DoModal();
    EXPECT_TRUE(dlg.m_bCancelled);
    EXPECT_EQ(dlg.m_nLane, 3);

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
    EXPECT_FALSE(top.m_bCancelled);
    EXPECT_EQ(top.m_nLane, 253);
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
    EXPECT_EQ(overrides, (std::vector<int>{7, 11, -1, 13}));
    EXPECT_EQ(nLane, 15);
    EXPECT_TRUE(ui.AllUsed());

    L.doc.m_nStartLane = 0;
    EXPECT_EQ(FirstOverrideLane(L.doc), 1);
    L.doc.m_nStartLane = 254;
    EXPECT_EQ(FirstOverrideLane(L.doc), 253);
    nLane = 253;
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE).OK();
    BYTE n = 0;
    ASSERT_TRUE(OfferLaneOverride(L.Match(1, 1), nLane, n));
    EXPECT_EQ(n, 253);
    EXPECT_EQ(nLane, 253);
}
