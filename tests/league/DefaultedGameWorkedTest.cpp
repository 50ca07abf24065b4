// Defaulted games entered as the secretary enters them: a game a side defaulted without robot
// scores scores 0 with handicap 0 in every total, and a vacancy facing robot scores is scored
// on, and records, the robots' average. Each case is a worked example of docs/scoring.md (3.3,
// 3.4, 4.4).
#include <gtest/gtest.h>

#include <QTest>

#include <functional>
#include <string>
#include <vector>

#include "DrawnText.h"
#include "RealDialogs.h"
#include "ReloadedLeague.h"
#include "WorkedLeague.h"
#include "admin/PlayerSetup.h"
#include "admin/RulesSetup.h"
#include "reports/layout/ResultCard.h"
#include "reports/layout/ResultSummary.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/RulesDialogs.h"
#include "results/ResultEntry.h"

namespace {

using V = std::vector<int>;
using Texts = std::vector<std::string>;

// League > Handicapping System: team handicaps, "Zero Based Handicap % Diff.", the new
// league's 80 %.
void ZeroBasedTeamHandicaps(CBowlingDoc& doc)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_HANDICAP_DETAILS).Click(IDC_HD_TEAM_ENABLED).Click(IDC_HD_ZERO_BASED).OK();
    ASSERT_TRUE(doc.EditHandicapDetails());
    ASSERT_EQ(doc.m_bTeamHandicaps, 1u);
}

// League > Scoring > Handicap, whose team box a new league shows ticked: one team point a game,
// and pszSeries for the series.
void OneTeamPointAGame(CBowlingDoc& doc, const char* pszSeries)
{
    CScriptedBackend ui;
    auto& dlg = ui.OnDialog(IDD_HANDICAP_SCORING).Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SC_TEAM).check, 1); });
    for (int g = 0; g < doc.m_nGamesPerMatch; ++g)
        dlg.SetText(IDC_SC_TEAM_GAME[g], "1");
    dlg.SetText(IDC_SC_TEAM_SERIES, pszSeries).OK();
    ASSERT_TRUE(doc.EditHandicapScoring());
}

// The texts of the control ids, as the scoresheet shows them.
Texts TextsOf(CDialog& d, std::initializer_list<UINT> ids)
{
    Texts texts;
    for (UINT nID : ids)
        texts.push_back(Ctl(d, nID).text.GetString());
    return texts;
}

// The line of the round's results summary (handicap, the original format) that names the team:
// both names, then each side's games, series and points.
Texts SummaryLine(CBowlingDoc& doc, int nRound, const char* pszTeam)
{
    CRepItem_ResultSummary item;
    item.m_pDoc = &doc;
    item.m_nRound = static_cast<BYTE>(nRound);
    item.m_bHcpPoints = 1;
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    const DrawCall* pTeam = dc.FindText(pszTeam);
    return pTeam ? TextsAt(dc, pTeam->y1) : Texts{};
}

// Side A's texts on the result card's row that holds the text psz first (the card 0 twips in).
Texts CardRowOf(CBowlingDoc& doc, CFixture* f, const char* psz)
{
    CRepItem_Result card;
    card.m_pDoc = &doc;
    card.m_pFixture = f;
    card.m_x = 0;
    CRecordingDC dc;
    card.GetHeight(&dc);
    card.Draw(&dc, nullptr);
    const DrawCall* pAt = dc.FindText(psz);
    Texts texts;
    for (const DrawCall& c : dc.calls)
        if (pAt && c.kind == DrawCall::Text && c.y1 == pAt->y1 && c.x1 < 5040)
            texts.push_back(c.text.GetString());
    return texts;
}

// Trios, three games, one round: Team 1 (Bowlers 11-13) enters at 150.0 each, Team 2 at 180.0;
// zero based team handicaps at 80 %, one team point a game and one for the series.
struct TriosWithTeamHandicaps
{
    WorkedLeague L{2, 3, 3, 1};
    TriosWithTeamHandicaps()
    {
        ZeroBasedTeamHandicaps(L.doc);
        OneTeamPointAGame(L.doc, "1");
        for (int no : {11, 12, 13})
            L.Player(no)->SetEnteringAverage(1500);
        for (int no : {21, 22, 23})
            L.Player(no)->SetEnteringAverage(1800);
    }
};

// Team 1 defaults game 3 and bowls 160 150 140 and 170 150 130; Team 2 defaults game 2 and bowls
// 180 190 170 and 200 180 190.
const Lineup kTeam1 = {{160, 170, 0}, {150, 150, 0}, {140, 130, 0}};
const Lineup kTeam2 = {{180, 0, 200}, {190, 0, 180}, {170, 0, 190}};

} // namespace

// Team 1 averages 450, Team 2 540: Team 1 gets (540 - 450) x 80 / 100 = 72 a game, in game 2
// too, which Team 2 defaulted, but not in game 3, which it defaulted itself: its game scores 0
// with handicap 0. Team 1: 450 + 72 = 522, 522, 0: 1 044 (not 1 116 with a third 72).
// Team 2: 540, 0, 570: 1 110. Game 1 is Team 2's, game 2 Team 1's and game 3 Team 2's outright,
// and the series Team 2's, 1 110 to 1 044: 1 point to 3 (2 to 2 with the third 72). The sheet,
// the points, the standings, the results summary and the result card agree, and Amend Results
// with OK keeps them.
TEST(DefaultedGameWorked, BothSidesDefaultAGameWithTeamHandicaps)
{
    TriosWithTeamHandicaps T;
    WorkedLeague& L = T.L;
    L.EnterRound(1, {{1, kTeam1}, {2, kTeam2}}, [](CScriptedBackend&, Sheet& sheet, CFixture*) {
        sheet.Click(IDC_SS_DEFAULTED[0][2]).Click(IDC_SS_DEFAULTED[1][1]);
    });
    CFixture* f = L.Match(1, 1);
    ASSERT_EQ(f->m_nTeamA, 1);
    EXPECT_EQ((V{int(f->m_nTeamHandicap[0][0]), int(f->m_nTeamHandicap[0][1]), int(f->m_nTeamHandicap[0][2]),
                 int(f->m_nTeamHandicap[1][0]), int(f->m_nTeamHandicap[1][1]), int(f->m_nTeamHandicap[1][2])}),
              (V{72, 72, 0, 0, 0, 0}));
    EXPECT_EQ((V{f->GetGameScore(0, 0, TRUE), f->GetGameScore(0, 1, TRUE), f->GetGameScore(0, 2, TRUE),
                 f->GetSeriesScore(0, TRUE), f->GetGameScore(1, 0, TRUE), f->GetGameScore(1, 1, TRUE),
                 f->GetGameScore(1, 2, TRUE), f->GetSeriesScore(1, TRUE)}),
              (V{522, 522, 0, 1044, 540, 0, 570, 1110}));
    EXPECT_EQ((V{f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}), (V{2, 6}));
    // The standings: points won and lost, and the pinfall with handicap of the games bowled.
    const CTeam* t1 = L.Team(1);
    const CTeam* t2 = L.Team(2);
    EXPECT_EQ((V{t1->m_nPointsWon[PASS_HANDICAP], t1->m_nPointsLost[PASS_HANDICAP], t2->m_nPointsWon[PASS_HANDICAP],
                 t2->m_nPointsLost[PASS_HANDICAP], int(t1->m_nPins[PASS_HANDICAP]), int(t2->m_nPins[PASS_HANDICAP])}),
              (V{2, 6, 6, 2, 1044, 1110}));
    // The results summary and the result card of the results display.
    EXPECT_EQ(SummaryLine(L.doc, 1, "Team 1"),
              (Texts{"Team 1", "Team 2", "522", "522", "0*", "1044*", "1 ", "540", "0*", "570", "1110*", "3 "}));
    EXPECT_EQ(CardRowOf(L.doc, f, "1044"), (Texts{"522", "522", "0", "1044"}));
    EXPECT_EQ(CardRowOf(L.doc, f, "144"), (Texts{"72", "72", "0", "144"}));

    // Reopened with Result > Amend Results, the sheet shows the same, and OK keeps the points.
    L.AmendUnchanged(1, 1, [](CDialog& d) {
        EXPECT_EQ(TextsOf(d, {IDC_SS_HANDICAP[0][0], IDC_SS_HANDICAP[0][1], IDC_SS_HANDICAP[0][2],
                              IDC_SS_HANDICAP_SERIES[0], IDC_SS_HCPTOTAL[0][0], IDC_SS_HCPTOTAL[0][1],
                              IDC_SS_HCPTOTAL[0][2], IDC_SS_HCPTOTAL_SERIES[0], IDC_SS_POINTS_HCP[0]}),
                  (Texts{"72", "72", "0", "144", "522", "522", "0", "1044", "1 "}));
        EXPECT_EQ(TextsOf(d, {IDC_SS_HCPTOTAL[1][0], IDC_SS_HCPTOTAL[1][1], IDC_SS_HCPTOTAL[1][2],
                              IDC_SS_HCPTOTAL_SERIES[1], IDC_SS_POINTS_HCP[1]}),
                  (Texts{"540", "0", "570", "1110", "3 "}));
    });
    EXPECT_EQ((V{t1->m_nPointsWon[PASS_HANDICAP], t2->m_nPointsWon[PASS_HANDICAP]}), (V{2, 6}));

    // A league saved by a build that kept Team 1's 72 in game 3 opens on this rule: the stored
    // handicap stays, and counts for nothing.
    f->m_nTeamHandicap[0][2] = 72;
    f->m_nTeamHandicap[0][4] = 216;
    CBowlingDoc reopened;
    ASSERT_TRUE(Reload(L.doc, reopened));
    const CFixture* g = reopened.FindFixtureForTeam(1, 1);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ((V{int(g->m_nTeamHandicap[0][2]), g->GetGameHandicap(0, 2), g->GetSeriesScore(0, TRUE),
                 g->m_nHandicapMatchPoints[0], g->m_nHandicapMatchPoints[1],
                 reopened.FindTeam(1)->m_nPointsWon[PASS_HANDICAP], reopened.FindTeam(2)->m_nPointsWon[PASS_HANDICAP]}),
              (V{72, 0, 1044, 2, 6, 2, 6}));
}

// The same match typed on the real widgets: the Defaulted boxes ticked with the mouse, the
// scores typed with Tab from cell to cell, which passes over the defaulted games' shut cells.
// The sheet's totals follow as the scores come in.
TEST(DefaultedGameWorked, TheSheetsTotalsOnTheRealWidgets)
{
    TriosWithTeamHandicaps T;
    WorkedLeague& L = T.L;
    CFixture* f = L.Match(1, 1);
    CRealUi ui;
    ui.OnDialog(IDD_THREES_SCORESHEET, [&](CRealDialog& d) {
        d.Click(IDC_SS_DEFAULTED[0][2]).Click(IDC_SS_DEFAULTED[1][1]);
        d.Click(ScoreCell(0, 0, 0));
        for (const Lineup* pTeam : {&kTeam1, &kTeam2})
            for (const Games& games : *pTeam)
                for (int nScore : games)
                    if (nScore != 0)
                        d.Type(std::to_string(nScore).c_str()).Tab();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDOK));
        Texts shown;
        for (UINT nID : {IDC_SS_HANDICAP[0][2], IDC_SS_HANDICAP_SERIES[0], IDC_SS_HCPTOTAL[0][0], IDC_SS_HCPTOTAL[0][1],
                         IDC_SS_HCPTOTAL[0][2], IDC_SS_HCPTOTAL_SERIES[0], IDC_SS_HCPTOTAL[1][1],
                         IDC_SS_HCPTOTAL_SERIES[1], IDC_SS_POINTS_HCP[0], IDC_SS_POINTS_HCP[1]})
            shown.push_back(d.Text(nID));
        EXPECT_EQ(shown, (Texts{"0", "144", "522", "522", "0", "1044", "0", "1110", "1 ", "3 "}));
        d.Enter();
    });
    EXPECT_TRUE(EnterResult(&L.doc, f));
    EXPECT_EQ(ui.messages, Texts{});
    EXPECT_EQ((V{f->GetSeriesScore(0, TRUE), f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}),
              (V{1044, 2, 6}));
}

namespace {

// Two teams of two, one game, 80 % of 200, one team point a game, playing against robot scores
// of vacancy/robot rule 1, a flat 130 (handicap 30). Bowler 11 enters at 150.0 (handicap 40);
// Bowler 12 is Team 1's vacancy, scored by rule 2 of the kind given; Bowlers 21 and 22 enter at
// 180.0 and Team 2 defaults the game.
struct VacancyFacingRobots
{
    WorkedLeague L{2, 2, 1, 1};
    VacancyFacingRobots(int nKind, const char* pszSecond, bool bTeamHandicaps)
    {
        if (bTeamHandicaps)
            ZeroBasedTeamHandicaps(L.doc);
        OneTeamPointAGame(L.doc, "0");
        L.doc.m_dwRobotIfDefault = 1; // no dialog sets it
        L.Player(11)->SetEnteringAverage(1500);
        for (int no : {21, 22})
            L.Player(no)->SetEnteringAverage(1800);
        CScriptedBackend ui;
        ui.OnDialog(IDD_EDIT_PLAYER)
            .SetText(IDC_PD_FORENAME_EDIT, "Team 1")
            .SetText(IDC_PD_SURNAME, "Vacancy")
            .SelectString(IDC_PD_DESIGNATION, "Robot #2")
            .OK();
        EXPECT_TRUE(PlayerSetup::EditPlayer(&L.doc, L.Player(12)));
        auto& robots = ui.OnDialog(IDD_ROBOT_SCORES).SetText(IDC_RB_FIRST[0], "130").Select(IDC_RB_KIND[1], nKind);
        if (pszSecond)
            robots.SetText(IDC_RB_SECOND[1], pszSecond);
        robots.OK();
        EXPECT_TRUE(RulesSetup::EditRobotScores(&L.doc));
    }
};

} // namespace

// The vacancy faces a robot of Team 2's defaulted game, which scores and averages 130: it scores
// on 130, never on the absent Bowler 22's 180, and records the average it is scored on.
//   Opponent's Score: 130, average 130. Less 90 %: 117 (not 162). Less 10 pins: 120 (not 170).
// Team handicaps, Bowler 11 bowling 140: Team 1 averages 150 + 130 = 280 against the robots'
// 260 and Team 2 gets (280 - 260) x 80 / 100 = 16: 140 + 130 = 270 does not beat 260 + 16 = 276,
// and nobody takes the point (Team 1 got 88 and the point, 358 to 260, on the vacancy's average
// of 0). Less 90 %: 267, 5, 257 against 265. Less 10 pins: 270, 8, 260 against 268.
// Bowlers' handicaps, Bowler 11 bowling 100: 100 + 40 with the vacancy's 130 + 30 is 300
// against the robots' 2 x (130 + 30) = 320, nobody's; less 90 %: 287; less 10 pins: 290 (on the
// absent bowler's 162 and 170, Team 1 took it with 332 and 340).
TEST(DefaultedGameWorked, AVacancyFacingRobotScoresIsScoredOnTheRobotsAverage)
{
    struct Case
    {
        const char* name;
        int nKind;
        const char* pszSecond;
        bool bTeamHandicaps;
        int nBowled;
        V vacancy; // its score, the average its cell records, its handicap
        V team;    // with team handicaps: both team averages and team handicaps
        V games;   // the team games with handicap
    };
    const Case cases[] = {
        {"opponent's score, team handicaps", CRobot::kindOpponentsScore, nullptr, true, 140, V{130, 130, 30},
         V{280, 260, 0, 16}, V{270, 276}},
        {"less 90 %, team handicaps", CRobot::kindAverageLessPercent, "90", true, 140, V{117, 117, 30},
         V{267, 260, 0, 5}, V{257, 265}},
        {"less 10 pins, team handicaps", CRobot::kindAverageLessPins, "10", true, 140, V{120, 120, 30},
         V{270, 260, 0, 8}, V{260, 268}},
        {"opponent's score", CRobot::kindOpponentsScore, nullptr, false, 100, V{130, 130, 30}, {}, V{300, 320}},
        {"less 90 %", CRobot::kindAverageLessPercent, "90", false, 100, V{117, 117, 30}, {}, V{287, 320}},
        {"less 10 pins", CRobot::kindAverageLessPins, "10", false, 100, V{120, 120, 30}, {}, V{290, 320}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VacancyFacingRobots R(c.nKind, c.pszSecond, c.bTeamHandicaps);
        WorkedLeague& L = R.L;
        ASSERT_TRUE(L.Player(12)->IsRobot());
        L.EnterRound(1, {{1, {{c.nBowled}, {0}}}, {2, {{0}, {0}}}},
                     [](CScriptedBackend&, Sheet& sheet, CFixture*) { sheet.Click(IDC_SS_DEFAULTED[1][0]); });
        CFixture* f = L.Match(1, 1);
        const int kVacancy = CFixture::SlotOf(0, 1);
        ASSERT_EQ(f->m_nTeamA, 1);
        ASSERT_TRUE(f->m_bPlayed[0] && f->m_bPlayed[1]);
        // The robots score 130 with their flat handicap.
        EXPECT_EQ((V{f->m_nScore[0][CFixture::SlotOf(1, 0)], f->m_nScore[0][CFixture::SlotOf(1, 1)],
                     f->m_nHandicap[0][CFixture::SlotOf(1, 1)]}),
                  (V{130, 130, 30}));
        EXPECT_EQ((V{f->m_nScore[0][kVacancy], int(f->m_nAverage[0][kVacancy]), f->m_nHandicap[0][kVacancy]}),
                  c.vacancy);
        if (c.bTeamHandicaps) {
            EXPECT_EQ((V{int(f->m_nTeamAverage[0][0]), int(f->m_nTeamAverage[1][0]), int(f->m_nTeamHandicap[0][0]),
                         int(f->m_nTeamHandicap[1][0])}),
                      c.team);
        }
        EXPECT_EQ((V{f->GetGameScore(0, 0, TRUE), f->GetGameScore(1, 0, TRUE)}), c.games);
        // Team 2 defaulted: it cannot take the point, and Team 1 does not beat it.
        EXPECT_EQ((V{L.Team(1)->m_nPointsWon[PASS_HANDICAP], L.Team(2)->m_nPointsWon[PASS_HANDICAP]}), (V{0, 0}));
        // Amend Results with OK changes nothing.
        L.AmendUnchanged(1);
        EXPECT_EQ((V{f->m_nScore[0][kVacancy], int(f->m_nAverage[0][kVacancy]), f->GetGameScore(0, 0, TRUE),
                     f->GetGameScore(1, 0, TRUE), L.Team(1)->m_nPointsWon[PASS_HANDICAP]}),
                  (V{c.vacancy[0], c.vacancy[1], c.games[0], c.games[1], 0}));
    }
}

// The singles sheet shows each game with the handicap it is scored with. Two teams of one bowler,
// two games, one team point a game and one for the series, with zero based team handicaps at
// 80 % kept from a league of teams (as a file holds them; no dialog sets them for singles).
// Bowler 11 (170.0) bowls 160 and 180; Bowler 21 (150.0) bowls 150 and Team 2 defaults game 2.
// Team 2 gets (170 - 150) x 80 / 100 = 16 in game 1 only: 166, 0, a series of 166 (not 182).
// Game 1 is Team 2's, game 2 and the series (340) Team 1's: 2 points to 1.
TEST(DefaultedGameWorked, TheSinglesSheetsRowsOfADefaultedGame)
{
    WorkedLeague L(2, 1, 2, 1);
    L.doc.m_bTeamHandicaps = 1;
    L.doc.m_bZeroBasedPctDiff = 1;
    OneTeamPointAGame(L.doc, "1");
    L.Player(11)->SetEnteringAverage(1700);
    L.Player(21)->SetEnteringAverage(1500);
    L.EnterRound(1, {{1, {{160, 180}}}, {2, {{150, 0}}}},
                 [](CScriptedBackend&, Sheet& sheet, CFixture*) { sheet.Click(IDC_SS_DEFAULTED[1][1]); });
    const CFixture* f = L.Match(1, 1);
    EXPECT_EQ((V{int(f->m_nTeamHandicap[1][0]), int(f->m_nTeamHandicap[1][1]), f->GetSeriesScore(1, TRUE),
                 f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}),
              (V{16, 0, 166, 4, 2}));
    L.AmendUnchanged(1, 1, [](CDialog& d) {
        EXPECT_EQ(TextsOf(d, {IDC_SS_HC_A[0], IDC_SS1_HCPSCORE[0][0], IDC_SS1_HCPSCORE[0][1],
                              IDC_SS1_HCPSCORE_SERIES[0], IDC_SS_HC_B[0], IDC_SS1_HCPSCORE[1][0],
                              IDC_SS1_HCPSCORE[1][1], IDC_SS1_HCPSCORE_SERIES[1], IDC_SS_POINTS_HCP[0],
                              IDC_SS_POINTS_HCP[1]}),
                  (Texts{"0", "160", "180", "340", "16", "166", "0", "166", "2 ", "1 "}));
    });
    EXPECT_EQ((V{L.Team(1)->m_nPointsWon[PASS_HANDICAP], L.Team(2)->m_nPointsWon[PASS_HANDICAP]}), (V{4, 2}));
}
