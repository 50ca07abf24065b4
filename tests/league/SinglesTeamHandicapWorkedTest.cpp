// A league of one bowler a team with team handicaps, as it comes from a league of teams whose
// next season is made singles: each side's team average is its bowler's, the team handicap is
// worked from the two as for any team, and the scoresheet, the points, Amend Results, the full
// recalculation and the results page all go by it. The worked example of docs/scoring.md 2.5.
#include "FileContents.h"
#include "RealDialogs.h"
#include "TempDir.h"
#include "WorkedLeague.h"
#include "admin/LeagueSetup.h"
#include "admin/RulesSetup.h"
#include "resources/CommandIds.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/RulesDialogs.h"
#include "results/ResultEntry.h"
#include "results/ResultsDisplay.h"
#include "view/DisplayPages.h"
#include "view/Exports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using V = std::vector<int>;
using Texts = std::vector<std::string>;

V PointsWon(WorkedLeague& L)
{
    V v;
    for (int t = 1; t <= L.doc.m_nTeams; ++t)
        v.push_back(L.Team(t)->m_nPointsWon[PASS_HANDICAP]);
    return v;
}

// One team point a game and one for the series.
void OnePointAGameAndSeries(CBowlingDoc& doc)
{
    doc.m_HcpPoints.m_bTeam = 1;
    for (int g = 0; g < doc.m_nGamesPerMatch; ++g)
        doc.m_HcpPoints.m_nTeamGame[g] = 2;
    doc.m_HcpPoints.m_nTeamSeries = 2;
    doc.UpdateMaxMatchPoints();
}

// Two teams of one bowler meeting every round, two games, 80 % of 200, one team point a game
// and one for the series, with team handicaps kept from a league of teams (the road is the
// next-season test below); Bowler 11 enters at 170.0, Bowler 21 at 150.0.
void KeepTeamHandicaps(WorkedLeague& L, bool bZeroBased, bool bRound1Scratch = false)
{
    L.doc.m_bTeamHandicaps = 1;
    L.doc.m_bZeroBasedPctDiff = bZeroBased ? 1 : 0;
    L.doc.m_bRound1Scratch = bRound1Scratch ? 1 : 0;
    OnePointAGameAndSeries(L.doc);
    L.Player(11)->SetEnteringAverage(1700);
    L.Player(21)->SetEnteringAverage(1500);
    L.doc.Recalculate();
}

// What the singles scoresheet shows of the handicap: per side the "hc" cell, the two games
// with handicap and their series, then the two sides' handicap points.
Texts HandicapTexts(CDialog& d)
{
    Texts t;
    for (int s = 0; s < 2; ++s) {
        t.push_back((s == 0 ? Ctl(d, IDC_SS_HC_A[0]) : Ctl(d, IDC_SS_HC_B[0])).text.GetString());
        for (int g = 0; g < 2; ++g)
            t.push_back(Ctl(d, IDC_SS1_HCPSCORE[s][g]).text.GetString());
        t.push_back(Ctl(d, IDC_SS1_HCPSCORE_SERIES[s]).text.GetString());
    }
    for (int s = 0; s < 2; ++s)
        t.push_back(Ctl(d, IDC_SS_POINTS_HCP[s]).text.GetString());
    return t;
}

// The texts HandicapTexts reads for a match of two games: the team handicaps, each side's
// scores, and its points in half points.
Texts ExpectedTexts(const V& handicaps, const V& scoresA, const V& scoresB, const V& halfPoints)
{
    Texts t;
    const V* scores[2] = {&scoresA, &scoresB};
    for (int s = 0; s < 2; ++s) {
        t.push_back(std::to_string(handicaps[s]));
        int nSeries = 0;
        for (int g = 0; g < 2; ++g) {
            const int n = (*scores[s])[g] + handicaps[s];
            t.push_back(std::to_string(n));
            nSeries += n;
        }
        t.push_back(std::to_string(nSeries));
    }
    for (int s = 0; s < 2; ++s)
        t.push_back(std::to_string(halfPoints[s] / 2) + " ");
    return t;
}

} // namespace

// KeepTeamHandicaps' league:
//   Round 1: Bowler 11 160, 180; Bowler 21 150, 160.
//   Round 2, on the figures after round 1 (11: 340 / 2 = 170, 21: 310 / 2 = 155): 11 170, 150;
//   21 165, 140.
// Zero based: round 1 Team 2 gets (170 - 150) x 80 / 100 = 16: 166, 176 (342) against 160, 180
//   (340): game 1 and the series Team 2's, game 2 Team 1's, 2 points to 1. Round 2 Team 2 gets
//   (170 - 155) x 80 / 100 = 12: 177, 152 (329) against 170, 150 (320): all 3 Team 2's.
// Combined definition: round 1 Team 1 (200 - 170) x 80 / 100 = 24, Team 2 (200 - 150) x 80 /
//   100 = 40: 184, 204 (388) against 190, 200 (390): 1 to 2. Round 2 Team 1 24, Team 2 (200 -
//   155) x 80 / 100 = 36: 194, 174 (368) against 201, 176 (377): 0 to 3.
// Zero based with "Round 1 Scratch": round 1 160, 180 (340) against 150, 160 (310): 3 to 0;
//   round 2 as zero based, 0 to 3.
// On a team handicap of 0 Team 1 would take all six points in every case.
TEST(SinglesTeamHandicap, WorkedOnTheBowlersAveragesRoundAfterRound)
{
    struct Case
    {
        const char* name;
        bool bZeroBased, bRound1Scratch;
        V handicaps[2]; // each round: Team 1's and Team 2's team handicap
        V points[2];    // each round: Team 1's and Team 2's points, in half points
    };
    const Case cases[] = {
        {"zero based", true, false, {{0, 16}, {0, 12}}, {{2, 4}, {0, 6}}},
        {"combined definition", false, false, {{24, 40}, {24, 36}}, {{2, 4}, {0, 6}}},
        {"zero based, round 1 scratch", true, true, {{0, 0}, {0, 12}}, {{6, 0}, {0, 6}}},
    };
    const V scores[2][2] = {{{160, 180}, {150, 160}}, {{170, 150}, {165, 140}}};
    const V averages[2] = {{170, 150}, {170, 155}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WorkedLeague L(2, 1, 2, 2);
        KeepTeamHandicaps(L, c.bZeroBased, c.bRound1Scratch);

        V total{0, 0};
        for (int r = 0; r < 2; ++r) {
            SCOPED_TRACE(r + 1);
            L.EnterRound(r + 1, {{1, {scores[r][0]}}, {2, {scores[r][1]}}});
            const CFixture* f = L.Match(r + 1, 1);
            EXPECT_EQ((V{int(f->m_nTeamAverage[0][0]), int(f->m_nTeamAverage[1][0]), int(f->m_nTeamAverage[1][1])}),
                      (V{averages[r][0], averages[r][1], averages[r][1]}));
            EXPECT_EQ((V{int(f->m_nTeamHandicap[0][0]), int(f->m_nTeamHandicap[1][0]), int(f->m_nTeamHandicap[1][1])}),
                      (V{c.handicaps[r][0], c.handicaps[r][1], c.handicaps[r][1]}));
            EXPECT_EQ((V{f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}), c.points[r]);
            total[0] += c.points[r][0];
            total[1] += c.points[r][1];
            EXPECT_EQ(PointsWon(L), total);

            // Reopened unchanged, the sheet shows the team handicaps the points were worked on
            // and keeps the points.
            const Texts expected = ExpectedTexts(c.handicaps[r], scores[r][0], scores[r][1], c.points[r]);
            L.AmendUnchanged(r + 1, 1, [&](CDialog& d) { EXPECT_EQ(HandicapTexts(d), expected); });
            EXPECT_EQ(PointsWon(L), total);
        }
        // Round 1 amended after round 2 is still worked on the entering averages.
        L.AmendUnchanged(1, 1, [&](CDialog& d) {
            EXPECT_EQ(HandicapTexts(d), ExpectedTexts(c.handicaps[0], scores[0][0], scores[0][1], c.points[0]));
        });
        L.doc.Recalculate();
        EXPECT_EQ(PointsWon(L), total);
    }
}

// The secretary's road: a doubles league of four teams is given zero based team handicaps in
// League > Handicapping System and one team point a game and one for the series, and bowls a
// round of two games, Bowler 11 170s and everybody else 150s. Its next season, File > New on the
// old league's setup, is made singles: each team's first bowler bowls, entering on last season's
// average, and the team handicaps stay.
//   Round 1, Team 1 (Bowler 11, 170.0) v Team 4 (Bowler 41, 150.0): Team 4 gets (170 - 150) x
//   80 / 100 = 16; 150 + 16 = 166 and 160 + 16 = 176 (342) against 160, 180 (340): 2 points to 1.
//   Team 2 v Team 3 (150.0 each) bowl 150s: no team handicap, every point halved.
TEST(SinglesTeamHandicap, TheNextSeasonMadeSinglesKeepsTeamHandicapsAndScoresOnThem)
{
    WorkedLeague L(4, 2, 2, 3);
    LeagueSetup::Install();
    RulesSetup::Install();
    {
        CScriptedBackend ui;
        ui.OnDialog(IDD_HANDICAP_DETAILS).Click(IDC_HD_TEAM_ENABLED).Click(IDC_HD_ZERO_BASED).OK();
        ASSERT_TRUE(L.doc.OnCmdMsg(ID_LEAGUE_HCP_SYSTEM, CN_COMMAND, nullptr));
        // A league without points opens on the team row.
        ui.OnDialog(IDD_HANDICAP_SCORING)
            .SetText(IDC_SC_TEAM_GAME[0], "1").SetText(IDC_SC_TEAM_GAME[1], "1").SetText(IDC_SC_TEAM_SERIES, "1")
            .OK();
        ASSERT_TRUE(L.doc.OnCmdMsg(ID_LEAGUE_HCP_POINTS, CN_COMMAND, nullptr));
    }
    L.EnterRound(1, {{1, {{170, 170}, {150, 150}}}});
    L.doc.SetModifiedFlag(FALSE);
    {
        CScriptedBackend ui;
        ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
        ui.AnswerMessageBox(IDYES, "Do you want to base the new league on the old league setup?");
        ui.OnDialog(IDD_NEW_LEAGUE_SETUP).OK();
        ui.OnDialog(IDD_NEW_LEAGUE).SelectString(IDC_NL_PLAYERS, "Singles").OK();
        ui.OnDialog(IDD_NEW_LEAGUE_TEAMS)
            .DblClk(IDC_NLT_AVAILABLE, 0).DblClk(IDC_NLT_AVAILABLE, 0).DblClk(IDC_NLT_AVAILABLE, 0)
            .DblClk(IDC_NLT_AVAILABLE, 0)
            .OK();
        ui.OnDialog(IDD_SET_FIXTURE_LIST)
            .SetText(IDC_DATE_DAY, "7").Select(IDC_DATE_MONTH, 8).SetText(IDC_DATE_YEAR, "2026")
            .OK();
        ASSERT_TRUE(L.doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
    }
    ASSERT_EQ(L.doc.m_nPlayersPerTeam, 1);
    EXPECT_EQ(L.doc.m_bTeamHandicaps, 1u);

    L.EnterRound(1, {{1, {{160, 180}}}, {4, {{150, 160}}}});
    const CFixture* f = L.Match(1, 1);
    const int s = WorkedLeague::SideOf(f, 1);
    EXPECT_EQ(L.doc.FindPlayer(f->m_wPlayerNo[0][CFixture::SlotOf(s, 0)])->m_strName, "Bowler 11");
    EXPECT_EQ((V{int(f->m_nTeamAverage[s][0]), int(f->m_nTeamAverage[1 - s][0])}), (V{170, 150}));
    EXPECT_EQ((V{int(f->m_nTeamHandicap[s][0]), int(f->m_nTeamHandicap[1 - s][0]), int(f->m_nTeamHandicap[1 - s][4])}),
              (V{0, 16, 32}));
    EXPECT_EQ(PointsWon(L), (V{2, 3, 3, 4}));

    L.AmendUnchanged(1, 1, [&](CDialog& d) {
        const V scores[2] = {s == 0 ? V{160, 180} : V{150, 160}, s == 0 ? V{150, 160} : V{160, 180}};
        const V handicaps = s == 0 ? V{0, 16} : V{16, 0};
        const V points = s == 0 ? V{2, 4} : V{4, 2};
        EXPECT_EQ(HandicapTexts(d), ExpectedTexts(handicaps, scores[0], scores[1], points));
    });
    EXPECT_EQ(PointsWon(L), (V{2, 3, 3, 4}));
}

// The results page of that first round shows Team 2's team handicap of 16 a game and its
// totals with it, 166 and 176 (342), as the points were worked.
TEST(SinglesTeamHandicap, TheResultsPageShowsTheTeamHandicap)
{
    WorkedLeague L(2, 1, 2, 2);
    KeepTeamHandicaps(L, true);
    L.EnterRound(1, {{1, {{160, 180}}}, {2, {{150, 160}}}});

    ASSERT_GT(BuildRoundResults(L.doc, 1), 0);
    L.doc.m_nDisplayMode = MODE_RESULTS;
    TempDir dir;
    CString strError;
    ASSERT_TRUE(WriteHtmlReport(&L.doc, dir.File("results.htm").c_str(), strError)) << strError.GetString();
    const std::string html = FileContents(dir.File("results.htm"));
    std::vector<std::string> cells;
    for (size_t at = html.find("<font color='#000000'>"); at != std::string::npos;
         at = html.find("<font color='#000000'>", at + 1)) {
        const size_t from = at + 22;
        cells.push_back(html.substr(from, html.find('<', from) - from));
    }
    auto after = [&cells](const std::string& label, size_t n) {
        for (size_t i = 0; i < cells.size(); ++i)
            if (cells[i] == label)
                return Texts(cells.begin() + static_cast<long>(i) + 1,
                             cells.begin() + static_cast<long>(std::min(cells.size(), i + 1 + n)));
        return Texts{};
    };
    EXPECT_EQ(after("Handicap", 6), (Texts{"0", "0", "0", "16", "16", "32"})) << html;
    EXPECT_EQ(after("Totals", 6), (Texts{"160", "180", "340", "166", "176", "342"})) << html;
}

// On the real widgets: the singles scoresheet shows Team 2's team handicap as soon as it opens,
// and the games with it as they are typed (game 2 not yet typed stands at its 16 in the series:
// 166 + 16 = 182); Enter keeps the result with its points.
TEST(SinglesTeamHandicap, TheScoresheetShowsTheTeamHandicapAsTheScoresAreTyped)
{
    WorkedLeague L(2, 1, 2, 2);
    KeepTeamHandicaps(L, true);
    CFixture* f = L.Match(1, 1);

    CRealUi ui;
    ui.OnDialog(IDD_SINGLES_SCORESHEET, [&](CRealDialog& d) {
        EXPECT_EQ((Texts{d.Text(IDC_SS_HC_A[0]), d.Text(IDC_SS_HC_B[0])}), (Texts{"0", "16"}));
        d.Type("160").Tab().Type("180").Tab().Type("150").Tab();
        EXPECT_EQ((Texts{d.Text(IDC_SS1_HCPSCORE[0][1]), d.Text(IDC_SS1_HCPSCORE[1][0]),
                         d.Text(IDC_SS1_HCPSCORE_SERIES[1])}),
                  (Texts{"180", "166", "182"}));
        d.Type("160").Tab();
        EXPECT_EQ((Texts{d.Text(IDC_SS1_HCPSCORE[1][1]), d.Text(IDC_SS1_HCPSCORE_SERIES[0]),
                         d.Text(IDC_SS1_HCPSCORE_SERIES[1]), d.Text(IDC_SS_POINTS_HCP[0]),
                         d.Text(IDC_SS_POINTS_HCP[1])}),
                  (Texts{"176", "340", "342", "1 ", "2 "}));
        d.Enter();
    });
    EXPECT_TRUE(EnterResult(&L.doc, f));
    EXPECT_EQ(ui.messages, Texts{});
    EXPECT_EQ((V{int(f->m_nTeamHandicap[1][4]), f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}),
              (V{32, 2, 4}));
}
