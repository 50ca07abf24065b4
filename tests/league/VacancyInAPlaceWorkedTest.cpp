// A vacancy in a place is scored by its rule whichever road brought it there: the team order, or
// Substitutions for every game or one; taken out again, the place is its bowler's own. Worked
// examples of docs/scoring.md 3.3, entered as the secretary enters them.
#include <gtest/gtest.h>

#include <QtWidgets/QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "RealDialogs.h"
#include "ResultsControlTexts.h"
#include "WorkedLeague.h"
#include "admin/PlayerSetup.h"
#include "admin/RulesSetup.h"
#include "admin/TeamCommands.h"
#include "league/SampleLeague.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/RulesDialogs.h"
#include "results/ResultEntry.h"

namespace {

using V = std::vector<int>;

enum class Road { TeamOrder, Substitutions };

// A slot's score, handicap and average in each of the first nGames games.
V Cells(const CFixture& f, int k, int nGames)
{
    V v;
    for (int g = 0; g < nGames; ++g)
        v.insert(v.end(), {f.m_nScore[g][k], f.m_nHandicap[g][k], int(f.m_nAverage[g][k])});
    return v;
}

// Player > Add a New Player: "Vacant Place" (or another surname), designation Robot #1, of the
// team named (none: no team).
void AddVacantPlace(CBowlingDoc& doc, const char* pszTeam, const char* pszSurname = "Place")
{
    CScriptedBackend ui;
    auto& details = ui.OnDialog(IDD_NEW_PLAYER)
                        .SetText(IDC_PD_FORENAME_NEW, "Vacant")
                        .SetText(IDC_PD_SURNAME, pszSurname)
                        .SelectString(IDC_PD_DESIGNATION, "Robot #1");
    if (pszTeam)
        details.SelectString(IDC_PD_TEAM, pszTeam);
    details.OK();
    EXPECT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
}

// On team 1's sheet (side A): Subs, the position (from 0), and in Substitutions, from the whole
// league, pszPlayer for every game, or with "Assign for ALL Games." unticked for game nGame only,
// ticked "Pacer" when asked.
void Substitute(const WorkedLeague& L, CScriptedBackend& ui, Sheet& sheet, int nPos, const char* pszPlayer,
                int nGame = -1, bool bPacer = false)
{
    auto& subs = L.Substitutions(ui, sheet, 0, nPos).Click(IDC_SUB_FROM_LEAGUE);
    if (nGame >= 0) {
        subs.Click(IDC_SUB_ASSIGN_ALL).SelectString(IDC_SUB_PLAYER[nGame], pszPlayer);
        if (bPacer)
            subs.Click(IDC_SUB_PACER[nGame]);
    } else
        subs.SelectString(IDC_SUB_PLAYER[0], pszPlayer);
    subs.OK();
}

// Two teams of two, two games, one round, a new league's rules: 80 % of 200, vacancy rule 1 a
// flat 120 with handicap 30 (or, asked, "Opponent's Average less Percentage" at 90), one team
// point a game and one for the series. Bowler 11 enters at 150.0 (handicap 40), Bowler 12 at
// 160.0 (32), Bowler 21 at 170.0 (24), Bowler 22 at 140.0 (48). "Vacant Place" stands in Team 1's
// second place: by its team order (added to Team 1 and moved up over Bowler 12), or put in on
// the sheet through Substitutions.
struct VacancyMatch
{
    WorkedLeague L{2, 2, 2, 1};
    Road road;

    VacancyMatch(bool bTeamHandicaps, bool bOpponentsAverage, Road r) : road(r)
    {
        for (auto [no, avg] : {std::pair{11, 1500}, {12, 1600}, {21, 1700}, {22, 1400}})
            L.Player(no)->SetEnteringAverage(avg);
        CScriptedBackend ui;
        if (bTeamHandicaps) {
            ui.OnDialog(IDD_HANDICAP_DETAILS).Click(IDC_HD_TEAM_ENABLED).OK();
            EXPECT_TRUE(L.doc.EditHandicapDetails());
        }
        ui.OnDialog(IDD_HANDICAP_SCORING)
            .SetText(IDC_SC_TEAM_GAME[0], "1")
            .SetText(IDC_SC_TEAM_GAME[1], "1")
            .SetText(IDC_SC_TEAM_SERIES, "1")
            .OK();
        EXPECT_TRUE(L.doc.EditHandicapScoring());
        if (bOpponentsAverage) {
            ui.OnDialog(IDD_ROBOT_SCORES).Select(IDC_RB_KIND[0], CRobot::kindAverageLessPercent).SetText(IDC_RB_SECOND[0], "90").OK();
            EXPECT_TRUE(RulesSetup::EditRobotScores(&L.doc));
        }
        AddVacantPlace(L.doc, road == Road::TeamOrder ? "Team 1" : nullptr);
        if (road == Road::TeamOrder) {
            ui.OnDialog(IDD_REORDER_PLAYERS).Select(IDC_RO_LIST, 2).Click(IDC_RO_UP).OK();
            EXPECT_TRUE(TeamCommands::ReorderPlayers(&L.doc, L.Team(1)));
        }
        EXPECT_TRUE(ui.AllUsed());
    }

    CPlayer* Vacancy()
    {
        for (POSITION pos = L.doc.m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(L.doc.m_listPlayers.GetNext(pos));
            if (p->m_strName == "Vacant Place")
                return p;
        }
        return nullptr;
    }

    // Bowler 11 bowls 170 and 175; Bowler 21 170 and 185, Bowler 22 110 and 120.
    void Enter()
    {
        L.EnterRound(1, {{1, {{170, 175}, {0, 0}}}, {2, {{170, 185}, {110, 120}}}},
                     [this](CScriptedBackend& ui, Sheet& sheet, CFixture*) {
                         if (road == Road::Substitutions)
                             Substitute(L, ui, sheet, 1, "Vacant Place");
                     });
    }

    // Every figure of the match: each cell's score, handicap and average, the team averages and
    // handicaps, the team games and series with handicap and the points.
    V Figures()
    {
        const CFixture* f = L.Match(1, 1);
        V v;
        for (int k : {0, 1, 5, 6})
            for (int x : Cells(*f, k, 2))
                v.push_back(x);
        for (int s = 0; s < 2; ++s) {
            for (int c : {0, 1, 4})
                v.insert(v.end(), {int(f->m_nTeamAverage[s][c]), int(f->m_nTeamHandicap[s][c])});
            v.insert(v.end(), {f->GetGameScore(s, 0, TRUE), f->GetGameScore(s, 1, TRUE), f->GetSeriesScore(s, TRUE),
                               f->m_nHandicapMatchPoints[s]});
        }
        return v;
    }
};

struct Case
{
    const char* name;
    bool bTeamHandicaps;
    bool bOpponentsAverage;
    V vacancy; // its score, handicap and average in each game
    V games;   // Team 1's games and series with handicap, then Team 2's
    V points;  // in half points
};

// Flat 120 (handicap 30): Team 1 170 + 40 + 120 + 30 = 360 and 175 + 40 + 150 = 365, 725; Team 2
// 170 + 24 + 110 + 48 = 352 and 185 + 24 + 120 + 48 = 377, 729: game 1 Team 1's, game 2 and the
// series Team 2's, 1 - 2 (on a vacancy of 0, 0 - 3). With team handicaps on 400: Team 1 averages
// 150 + 120 = 270, (400 - 270) x 80 / 100 = 104: 394, 399, 793; Team 2 310, 72: 352, 377, 729,
// 3 - 0 (on the vacancy's 0, 274 and 279: 0 - 3).
// 90 % of Bowler 22's 140 is 126: 210 + 156 = 366, 371, 737 against 352, 377, 729: 2 - 1. With team
// handicaps 276, (400 - 276) x 80 / 100 = 99: 395, 400, 795: 3 - 0.
const Case kCases[] = {
    {"flat", false, false, V{120, 30, 120, 120, 30, 120}, V{360, 365, 725, 352, 377, 729}, V{2, 4}},
    {"flat, team handicaps", true, false, V{120, 30, 120, 120, 30, 120}, V{394, 399, 793, 352, 377, 729}, V{6, 0}},
    {"90 %", false, true, V{126, 30, 126, 126, 30, 126}, V{366, 371, 737, 352, 377, 729}, V{4, 2}},
    {"90 %, team handicaps", true, true, V{126, 30, 126, 126, 30, 126}, V{395, 400, 795, 352, 377, 729}, V{6, 0}},
};

// Substitutions' score and handicap boxes of each of the first nGames games, "score/handicap",
// then "open" or "shut" for each box.
std::vector<std::string> Boxes(CDialog& d, int nGames)
{
    std::vector<std::string> v;
    for (int g = 0; g < nGames; ++g) {
        const CControlState &score = Ctl(d, IDC_SUB_SCORE[g]), &hcp = Ctl(d, IDC_SUB_HCP[g]);
        v.push_back(std::string(score.text.GetString()) + "/" + hcp.text.GetString() +
                    (score.enabled ? " open" : " shut") + (hcp.enabled ? "/open" : "/shut"));
    }
    return v;
}

} // namespace

// The vacancy put in through Substitutions scores as it does from the team order, by hand: its
// cells, the totals and the points; Played ticks itself and nothing is asked. Amend Results with
// OK moves nothing. Taken out again, its place is Bowler 12's own, with the scores typed for him.
TEST(VacancyInAPlace, ThroughSubstitutionsAsInTheTeamOrder)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        VacancyMatch byOrder(c.bTeamHandicaps, c.bOpponentsAverage, Road::TeamOrder);
        VacancyMatch bySubs(c.bTeamHandicaps, c.bOpponentsAverage, Road::Substitutions);
        byOrder.Enter();
        bySubs.Enter();
        CFixture* f = bySubs.L.Match(1, 1);
        ASSERT_NE(f, nullptr);
        ASSERT_NE(bySubs.Vacancy(), nullptr);
        ASSERT_EQ(f->m_nTeamA, 1);
        EXPECT_TRUE(f->m_bPlayed[0] && f->m_bPlayed[1]);
        const int k = CFixture::SlotOf(0, 1);
        EXPECT_EQ((V{f->m_wPlayerNo[0][k], f->m_wPlayerNo[1][k]}),
                  (V{bySubs.Vacancy()->m_nPlayerNo, bySubs.Vacancy()->m_nPlayerNo}));
        EXPECT_EQ(Cells(*f, k, 2), c.vacancy);
        EXPECT_EQ((V{f->GetGameScore(0, 0, TRUE), f->GetGameScore(0, 1, TRUE), f->GetSeriesScore(0, TRUE),
                     f->GetGameScore(1, 0, TRUE), f->GetGameScore(1, 1, TRUE), f->GetSeriesScore(1, TRUE)}),
                  c.games);
        EXPECT_EQ((V{f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}), c.points);
        EXPECT_EQ((V{bySubs.L.Team(1)->m_nPointsWon[PASS_HANDICAP], bySubs.L.Team(2)->m_nPointsWon[PASS_HANDICAP]}),
                  c.points);
        EXPECT_EQ(bySubs.Figures(), byOrder.Figures());
        // Nobody bowled the vacancy's games.
        EXPECT_EQ(f->GetBowledGame(0, 1, 0).pBowler, nullptr);

        const CFixture entered(*f);
        bySubs.L.AmendUnchanged(1);
        EXPECT_TRUE(f->IsSameAs(entered));

        // Amend Results: Bowler 12 bowled after all. The vacancy's 120s are not his: his cells
        // open empty and take the scores typed, 150 and 160, with his handicap. Team 1 then takes
        // every point: 210 + 182 = 392 and 215 + 192 = 407 against 352 and 377 (with team
        // handicaps of 72 each side: the same).
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, 0).OK();
        Sheet& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
        sheet.Click(IDC_SS_SUBS[0]);
        ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[1]).OK();
        ui.OnDialog(IDD_SUBSTITUTIONS).SelectString(IDC_SUB_PLAYER[0], "Bowler 12").OK();
        sheet.Check([](CDialog& d) {
                 for (int g = 0; g < 2; ++g) {
                     EXPECT_TRUE(Ctl(d, ScoreCell(0, 1, g)).enabled);
                     EXPECT_EQ(Ctl(d, ScoreCell(0, 1, g)).text, "0");
                 }
             })
            .SetText(ScoreCell(0, 1, 0), "150")
            .SetText(ScoreCell(0, 1, 1), "160")
            .OK();
        OnResultAmendResults(bySubs.L.doc);
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(f->m_dwPosFlags[k], 0u);
        for (int g = 0; g < 2; ++g) {
            const CBowledGame b = f->GetBowledGame(0, 1, g);
            EXPECT_EQ(b.pBowler, bySubs.L.Player(12));
            EXPECT_TRUE(b.bCounts);
            EXPECT_EQ((V{b.nScore, f->m_nHandicap[g][k]}), (V{150 + 10 * g, 32}));
        }
        EXPECT_EQ((V{f->GetGameScore(0, 0, TRUE), f->GetGameScore(0, 1, TRUE), f->m_nHandicapMatchPoints[0],
                     f->m_nHandicapMatchPoints[1]}),
                  (V{392, 407, 6, 0}));
    }
}

// Substitutions for game 2 alone, after the scores: Bowler 12 bowled game 1 (150) and left before
// game 2, which the vacancy holds, ticked "Pacer" or not: it paces nobody. Team 1 ticks itself
// Played as the vacancy comes in, nothing asked. Team 1: 210 + 150 + 32 = 392 and 215 + 120 + 30 = 365, 757, against 352, 377, 729: game 1
// and the series, 2 - 1.
TEST(VacancyInAPlace, ForOneGameAfterTheScoresAreTyped)
{
    for (bool bPacer : {false, true}) {
        SCOPED_TRACE(bPacer ? "as a pacer" : "as a substitute");
        VacancyMatch M(false, false, Road::Substitutions);
        WorkedLeague& L = M.L;
        CFixture* f = L.Match(1, 1);
        ASSERT_NE(f, nullptr);
        ASSERT_NE(M.Vacancy(), nullptr);
        L.SetRound(1);
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).OK();
        Sheet& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
        const int typed[2][2][2] = {{{170, 175}, {150, 0}}, {{170, 185}, {110, 120}}};
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < 2; ++p)
                for (int g = 0; g < 2; ++g)
                    if (typed[s][p][g])
                        sheet.SetText(ScoreCell(s, p, g), std::to_string(typed[s][p][g]).c_str());
        sheet.Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[0]).check, 0); });
        Substitute(L, ui, sheet, 1, "Vacant Place", 1, bPacer);
        sheet.Check([](CDialog& d) {
            EXPECT_EQ((V{Ctl(d, IDC_SS_PLAYED[0]).check, Ctl(d, ScoreCell(0, 1, 0)).enabled,
                         Ctl(d, ScoreCell(0, 1, 1)).enabled}),
                      (V{1, 1, 0}));
            EXPECT_EQ(Ctl(d, ScoreCell(0, 1, 1)).text, "120");
            EXPECT_EQ((std::vector<std::string>{Ctl(d, IDC_SS_HCPTOTAL[0][0]).text.GetString(),
                                                Ctl(d, IDC_SS_HCPTOTAL[0][1]).text.GetString()}),
                      (std::vector<std::string>{"392", "365"}));
        });
        sheet.OK();
        OnResultEnterResults(L.doc);
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{});

        const int k = CFixture::SlotOf(0, 1);
        EXPECT_EQ(f->m_dwPosFlags[k], PosBlind(1));
        const CBowledGame game1 = f->GetBowledGame(0, 1, 0);
        EXPECT_EQ(game1.pBowler, L.Player(12));
        EXPECT_EQ((V{game1.nScore, game1.nHandicap, game1.bCounts}), (V{150, 32, 1}));
        EXPECT_EQ((V{f->m_wPlayerNo[1][k], f->m_nScore[1][k], f->m_nHandicap[1][k], int(f->m_nAverage[1][k])}),
                  (V{M.Vacancy()->m_nPlayerNo, 120, 30, 120}));
        EXPECT_EQ(f->GetBowledGame(0, 1, 1).pBowler, nullptr);
        EXPECT_EQ((V{f->GetSeriesScore(0, TRUE), f->GetSeriesScore(1, TRUE), f->m_nHandicapMatchPoints[0],
                     f->m_nHandicapMatchPoints[1]}),
                  (V{757, 729, 4, 2}));
    }
}

// Team 1 ticks game 1 Defaulted and thinks better of it: the game is its bowlers' again, and the
// vacancy of its team order is scored by its rule again, 120 in a shut cell; the match is the
// one entered without the tick (1 - 2).
TEST(VacancyInAPlace, ADefaultedGameGivenBackIsTheVacancysAgain)
{
    VacancyMatch M(false, false, Road::TeamOrder);
    WorkedLeague& L = M.L;
    L.EnterRound(1, {{1, {{170, 175}, {0, 0}}}, {2, {{170, 185}, {110, 120}}}},
                 [](CScriptedBackend&, Sheet& sheet, CFixture*) {
                     sheet.Click(IDC_SS_DEFAULTED[0][0])
                         .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, ScoreCell(0, 1, 0)).text, "0"); })
                         .Click(IDC_SS_DEFAULTED[0][0])
                         .Check([](CDialog& d) {
                             EXPECT_EQ(Ctl(d, ScoreCell(0, 1, 0)).text, "120");
                             EXPECT_FALSE(Ctl(d, ScoreCell(0, 1, 0)).enabled);
                         });
                 });
    const CFixture* f = L.Match(1, 1);
    ASSERT_NE(f, nullptr);
    const int k = CFixture::SlotOf(0, 1);
    EXPECT_EQ((V{f->m_nScore[0][k], f->m_nHandicap[0][k], f->GetSeriesScore(0, TRUE), f->m_nHandicapMatchPoints[0],
                 f->m_nHandicapMatchPoints[1]}),
              (V{120, 30, 725, 2, 4}));
}

// Two teams of two, one game, two rounds; Team 1's second place is its vacancy (Bowler 12 made
// "Team 1 Vacancy", Robot #1, in Edit Player) on "Opponent's Average less Pins", 10; every bowler enters at 150.0.
// Team 1 defaults round 2's game without robot scores (a new league's): the game scores nothing,
// and the vacancy's cell records 10 pins under Bowler 22's average as round 2 stands. Typed before
// round 1: 150 - 10 = 140. Round 1 then typed, Bowler 22 bowling 180: round 2 is worked again, 170.
// Round 1 amended to 200: 190, and Amend Results on round 2 with OK keeps it. With team handicaps
// Team 1's team average of the game takes it: Bowler 11's 150 + 190 = 340.
TEST(VacancyInAPlace, ADefaultedGamesVacancyRecordsItsRulesAverageAsTheMatchIsWorkedAgain)
{
    for (bool bTeamHandicaps : {false, true}) {
        SCOPED_TRACE(bTeamHandicaps ? "team handicaps" : "bowlers' handicaps");
        WorkedLeague L(2, 2, 1, 2);
        for (int no : {11, 12, 21, 22})
            L.Player(no)->SetEnteringAverage(1500);
        {
            CScriptedBackend ui;
            if (bTeamHandicaps) {
                ui.OnDialog(IDD_HANDICAP_DETAILS).Click(IDC_HD_TEAM_ENABLED).OK();
                EXPECT_TRUE(L.doc.EditHandicapDetails());
            }
            ui.OnDialog(IDD_EDIT_PLAYER)
                .SetText(IDC_PD_FORENAME_EDIT, "Team 1")
                .SetText(IDC_PD_SURNAME, "Vacancy")
                .SelectString(IDC_PD_DESIGNATION, "Robot #1")
                .OK();
            EXPECT_TRUE(PlayerSetup::EditPlayer(&L.doc, L.Player(12)));
            ui.OnDialog(IDD_ROBOT_SCORES).Select(IDC_RB_KIND[0], CRobot::kindAverageLessPins).SetText(IDC_RB_SECOND[0], "10").OK();
            EXPECT_TRUE(RulesSetup::EditRobotScores(&L.doc));
        }
        ASSERT_TRUE(L.Player(12)->IsRobot());
        L.EnterRound(2, {{2, {{160}, {170}}}},
                     [](CScriptedBackend&, Sheet& sheet, CFixture*) { sheet.Click(IDC_SS_DEFAULTED[0][0]); });
        CFixture* f = L.Match(2, 1);
        ASSERT_NE(f, nullptr);
        const int k = CFixture::SlotOf(0, 1);
        ASSERT_TRUE(f->m_bPlayed[0] && f->m_bPlayed[1]);
        EXPECT_EQ((V{f->m_nScore[0][k], f->GetGameScore(0, 0, TRUE), int(f->m_nAverage[0][k])}), (V{0, 0, 140}));

        L.EnterRound(1, {{2, {{150}, {180}}}});
        EXPECT_EQ(int(f->m_nAverage[0][k]), 170);

        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, 0).OK();
        ui.OnDialog(IDD_DOUBLES_SCORESHEET).SetText(ScoreCell(1, 1, 0), "200").OK();
        OnResultAmendResults(L.doc);
        L.TakeMessages(ui, "amending round 1");
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(int(f->m_nAverage[0][k]), 190);
        if (bTeamHandicaps) {
            EXPECT_EQ(int(f->m_nTeamAverage[0][0]), 340);
        }
        L.AmendUnchanged(2);
        EXPECT_EQ((V{f->m_nScore[0][k], int(f->m_nAverage[0][k]), f->GetGameScore(0, 0, TRUE)}), (V{0, 190, 0}));
    }
}

// The sample's "Vacancy" (a flat 120 with handicap 30) put at Split Ends' fourth place through
// Substitutions in round 11, typed through Result > Enter Individual Result: Split Ends' three
// bowlers bowl 150 160 170, 140 150 160 and 180 170 190; Pin Pals' four 160 170, 150 140, 170 180
// and 130 150 and default game 3 against the sample's robots (10 pins under the opponent's
// average). The vacancy scores 120 with 30 in every game on an average of 120, and Pin Pals'
// robot facing it scores 110; the standings take the match's points, nothing is asked, and
// Amend Results with OK moves nothing.
TEST(VacancyInAPlace, TheSampleLeaguesVacancyAtSplitEndsFourthPlace)
{
    RegisterResources();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    CTeam* pSplitEnds = nullptr;
    CPlayer* pVacancy = nullptr;
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;)
        if (auto* t = static_cast<CTeam*>(doc.m_listTeams.GetNext(pos)); t->m_strName == "Split Ends")
            pSplitEnds = t;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;)
        if (auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos)); p->IsRobot())
            pVacancy = p;
    ASSERT_TRUE(pSplitEnds && pVacancy);
    CFixture* f = doc.FindFixtureForTeam(pSplitEnds->m_nTeamNo, 11);
    ASSERT_NE(f, nullptr);
    const int s = f->m_nTeamA == pSplitEnds->m_nTeamNo ? 0 : 1;
    ASSERT_EQ(doc.FindTeam(s == 0 ? f->m_nTeamB : f->m_nTeamA)->m_strName, "Pin Pals");
    const int nPointsBefore = pSplitEnds->m_nPointsWon[PASS_HANDICAP];

    CString strLine;
    strLine.Format("Wk11   %s v %s", doc.FindTeam(f->m_nTeamA)->m_strName.GetString(),
                   doc.FindTeam(f->m_nTeamB)->m_strName.GetString());
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).SelectString(IDC_SELECT_FIXTURE_LIST, strLine.GetString()).OK();
    Sheet& sheet = ui.OnDialog(IDD_FOURS_SCORESHEET).Click(IDC_SS_SUBS[s]);
    ui.OnDialog(IDD_FOURS_SUBSTITUTES).Click(IDC_SUBS_POSITION[3]).OK();
    ui.OnDialog(IDD_SUBSTITUTIONS).Click(IDC_SUB_FROM_LEAGUE).SelectString(IDC_SUB_PLAYER[0], pVacancy->m_strName.GetString()).OK();
    sheet.Click(IDC_SS_DEFAULTED[1 - s][2]);
    const Lineup splitEnds = {{150, 160, 170}, {140, 150, 160}, {180, 170, 190}};
    const Lineup pinPals = {{160, 170}, {150, 140}, {170, 180}, {130, 150}};
    for (int side = 0; side < 2; ++side) {
        const Lineup& lineup = side == s ? splitEnds : pinPals;
        for (size_t p = 0; p < lineup.size(); ++p)
            for (size_t g = 0; g < lineup[p].size(); ++g)
                sheet.SetText(ScoreCell(side, int(p), int(g)), std::to_string(lineup[p][g]).c_str());
    }
    sheet.OK();
    OnResultEnterIndividualResult(doc);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{});

    ASSERT_TRUE(f->m_bPlayed[0] && f->m_bPlayed[1]);
    const int k = CFixture::SlotOf(s, 3);
    EXPECT_EQ(Cells(*f, k, 3), (V{120, 30, 120, 120, 30, 120, 120, 30, 120}));
    const int kRobot = CFixture::SlotOf(1 - s, 3);
    EXPECT_EQ((V{f->m_nScore[2][kRobot], int(f->m_nAverage[2][kRobot])}), (V{110, 110}));
    EXPECT_EQ(pSplitEnds->m_nPointsWon[PASS_HANDICAP] - nPointsBefore, f->m_nHandicapMatchPoints[s]);

    const CFixture entered(*f);
    ui.OnDialog(IDD_SELECT_ROUND).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).SelectString(IDC_SELECT_FIXTURE_LIST, strLine.GetString()).OK();
    ui.OnDialog(IDD_FOURS_SCORESHEET).OK();
    OnResultAmendResults(doc);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_TRUE(f->IsSameAs(entered));
}

// On the real widgets: Subs, the second place, "Select from League" and "Vacant Place" picked
// with the mouse, Enter; then every score typed with Tab from cell to cell, which passes over the
// vacancy's shut cells showing 120. Both sides tick themselves Played with their last score and
// the sheet shows the hand calculation's totals and points, 1 - 2, with nothing asked.
TEST(VacancyInAPlace, PutInThroughSubstitutionsOnTheRealWidgets)
{
    VacancyMatch M(false, false, Road::Substitutions);
    WorkedLeague& L = M.L;
    CFixture* f = L.Match(1, 1);
    ASSERT_NE(f, nullptr);
    CRealUi ui;
    ui.OnDialog(IDD_DOUBLES_SCORESHEET, [&](CRealDialog& d) {
        d.Click(IDC_SS_SUBS[0]);
        EXPECT_EQ((std::vector<std::string>{d.Text(ScoreCell(0, 1, 0)), d.Text(ScoreCell(0, 1, 1))}),
                  (std::vector<std::string>{"120", "120"}));
        d.Click(ScoreCell(0, 0, 0));
        for (const char* score : {"170", "175", "170", "185", "110"})
            d.Type(score).Tab();
        EXPECT_EQ((std::vector<std::string>{d.Text(IDC_SS_PLAYED[0]), d.Text(IDC_SS_PLAYED[1])}),
                  (std::vector<std::string>{"1", "0"}));
        d.Type("120").Tab();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDOK));
        std::vector<std::string> shown;
        for (UINT nID : {IDC_SS_PLAYED[1], IDC_SS_HCPTOTAL[0][0], IDC_SS_HCPTOTAL[0][1], IDC_SS_HCPTOTAL_SERIES[0],
                         IDC_SS_HCPTOTAL[1][0], IDC_SS_HCPTOTAL[1][1], IDC_SS_HCPTOTAL_SERIES[1], IDC_SS_POINTS_HCP[0],
                         IDC_SS_POINTS_HCP[1]})
            shown.push_back(d.Text(nID));
        EXPECT_EQ(shown, (std::vector<std::string>{"1", "360", "365", "725", "352", "377", "729", "1 ", "2 "}));
        d.Enter();
    });
    ui.OnDialog(IDD_DOUBLES_SUBSTITUTES, [](CRealDialog& d) { d.Click(IDC_SUBS_POSITION[1]).Click(IDOK); });
    // Its boxes show its rule's 120 and 30, shut; Bowler 12 picked for game 1 alone gets them
    // open, empty, with his 32, and the vacancy picked again shuts them.
    const auto boxes = [](CRealDialog& d, int g) {
        return d.Text(IDC_SUB_SCORE[g]) + "/" + d.Text(IDC_SUB_HCP[g]) +
               (d.Widget(IDC_SUB_SCORE[g])->isEnabled() ? " open" : " shut") +
               (d.Widget(IDC_SUB_HCP[g])->isEnabled() ? "/open" : "/shut");
    };
    ui.OnDialog(IDD_SUBSTITUTIONS, [&](CRealDialog& d) {
        d.Click(IDC_SUB_FROM_LEAGUE).Pick(IDC_SUB_PLAYER[0], "Vacant Place");
        EXPECT_EQ(d.Text(IDC_SUB_PLAYER[1]), "Vacant Place");
        EXPECT_EQ((Strs{boxes(d, 0), boxes(d, 1)}), (Strs{"120/30 shut/shut", "120/30 shut/shut"}));
        d.Click(IDC_SUB_ASSIGN_ALL).Pick(IDC_SUB_PLAYER[0], "Bowler 12");
        EXPECT_EQ((Strs{boxes(d, 0), boxes(d, 1)}), (Strs{"0/32 open/open", "120/30 shut/shut"}));
        d.Pick(IDC_SUB_PLAYER[0], "Vacant Place");
        EXPECT_EQ(boxes(d, 0), "120/30 shut/shut");
        d.Enter();
    });
    EXPECT_TRUE(EnterResult(&L.doc, f));
    EXPECT_EQ(ui.messages, std::vector<std::string>{});
    EXPECT_EQ((V{f->m_bPlayed[0], f->m_bPlayed[1], f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}),
              (V{1, 1, 2, 4}));
}

// Substitutions shows a vacancy's games as the sheet scores them, in shut boxes: chosen for every
// game after Bowler 12's 150 and 160 were typed, 120 with 30 (on 90 % of Bowler 22's 140, 126; with
// team handicaps the handicap column is not used, 0); Bowler 12 chosen back gets his scores and his
// 32 in open boxes. OK with the vacancy: the sheet shows what the dialog showed. Opened again, the
// boxes show the rule's figures; Bowler 12 takes game 1 back alone and opens empty, the rule's score
// not his; typed 150, the match is stored as the sheet showed it. Blind Scores shows the vacancy's
// game ticked and shut.
TEST(VacancyInAPlace, SubstitutionsShowsItsGamesAsTheSheetScoresThem)
{
    const struct { const char* name; bool bTeamHandicaps, bOpponentsAverage; std::string rule, own; } cases[] = {
        {"flat", false, false, "120/30 shut/shut", "/32 open/open"},
        {"90 %", false, true, "126/30 shut/shut", "/32 open/open"},
        {"flat, team handicaps", true, false, "120/0 shut/shut", "/0 open/shut"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VacancyMatch M(c.bTeamHandicaps, c.bOpponentsAverage, Road::Substitutions);
        CFixture* f = M.L.Match(1, 1);
        ASSERT_NE(f, nullptr);
        const int k = CFixture::SlotOf(0, 1), nRule = c.bOpponentsAverage ? 126 : 120;
        const std::string score = std::to_string(nRule);
        M.L.SetRound(1);
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).OK();
        Sheet& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
        const int typed[2][2][2] = {{{170, 175}, {150, 160}}, {{170, 185}, {110, 120}}};
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < 2; ++p)
                for (int g = 0; g < 2; ++g)
                    sheet.SetText(ScoreCell(s, p, g), std::to_string(typed[s][p][g]).c_str());
        sheet.Click(IDC_SS_SUBS[0]);
        ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[1]).OK();
        ui.OnDialog(IDD_SUBSTITUTIONS)
            .Click(IDC_SUB_FROM_LEAGUE)
            .SelectString(IDC_SUB_PLAYER[0], "Vacant Place")
            .Check([&](CDialog& d) { EXPECT_EQ(Boxes(d, 2), (Strs{c.rule, c.rule})); })
            .SelectString(IDC_SUB_PLAYER[0], "Bowler 12")
            .Check([&](CDialog& d) { EXPECT_EQ(Boxes(d, 2), (Strs{"150" + c.own, "160" + c.own})); })
            .SelectString(IDC_SUB_PLAYER[0], "Vacant Place")
            .OK();
        sheet.Check([&](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {ScoreCell(0, 1, 0), ScoreCell(0, 1, 1)}), (Strs{score, score}));
            EXPECT_EQ((V{f->m_nScore[0][k], f->m_nHandicap[0][k], f->m_nScore[1][k], f->m_nHandicap[1][k]}),
                      (V{nRule, 30, nRule, 30}));
        });
        sheet.Click(IDC_SS_SUBS[0]);
        ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[1]).OK();
        ui.OnDialog(IDD_SUBSTITUTIONS)
            .Check([&](CDialog& d) { EXPECT_EQ(Boxes(d, 2), (Strs{c.rule, c.rule})); })
            .Click(IDC_SUB_ASSIGN_ALL)
            .Click(IDC_SUB_FROM_LEAGUE)
            .SelectString(IDC_SUB_PLAYER[0], "Bowler 12")
            .Check([&](CDialog& d) { EXPECT_EQ(Boxes(d, 2), (Strs{"0" + c.own, c.rule})); })
            .SetText(IDC_SUB_SCORE[0], "150")
            .OK();
        sheet.Click(IDC_SS_BLINDS[0]);
        ui.OnDialog(IDD_DOUBLES_BLIND_SCORES)
            .Check([](CDialog& d) {
                EXPECT_EQ(CtlChecks(d, {IDC_BLIND_BOX[1][0], IDC_BLIND_BOX[1][1]}), (std::vector<int>{0, 1}));
                EXPECT_EQ(CtlEnabled(d, {IDC_BLIND_BOX[1][0], IDC_BLIND_BOX[1][1]}), (std::vector<bool>{true, false}));
            })
            .OK();
        sheet
            .Check([&](CDialog& d) {
                EXPECT_EQ(CtlTexts(d, {ScoreCell(0, 1, 0), ScoreCell(0, 1, 1)}), (Strs{"150", score}));
            })
            .OK();
        OnResultEnterResults(M.L.doc);
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{});
        EXPECT_EQ((V{f->m_nScore[0][k], f->m_nHandicap[0][k], f->m_nScore[1][k], f->m_nHandicap[1][k]}),
                  (V{150, 32, nRule, 30}));
    }
}

namespace {

// How the vacancies came into Team 1's places: its team order (its bowlers made vacancies in Edit
// Player), or on the sheet through Substitutions, for every game, or ticked "Pacer" in every game.
enum class Came { TeamOrder, Substitutions, AsPacer };

// Two teams of n, three games, one round, a new league's rules (80 % of 200, vacancies a flat
// 120 with handicap 30) and a point a game to the better bowler and to the better team. Nobody
// has an entering average: each bowls his first match on its own games. Team 1's last place, or
// every place, is a vacancy; its bowlers bowl 200 a game (handicap 0). Team 2's bowl 60, 70 and
// 200: average 330 / 3 = 110, handicap (200 - 110) x 80 / 100 = 72, games of 132, 142 and 272.
// A vacancy's 120 + 30 = 150 and a bowler's 200 beat 132 and 142 and lose to 272, place by place
// and team by team: Team 1 takes 2n + 2 points, Team 2 n + 1 (half points 4n + 4 and 2n + 2).
struct VacantSide
{
    WorkedLeague L;
    int n;
    std::vector<int> vacant; // Team 1's places a vacancy holds

    VacantSide(int nPlaces, bool bWhole, Came came) : L(2, nPlaces, 3, 1), n(nPlaces)
    {
        for (int p = bWhole ? 0 : n - 1; p < n; ++p)
            vacant.push_back(p);
        CScriptedBackend ui;
        Sheet& points = ui.OnDialog(IDD_HANDICAP_SCORING).Click(IDC_SC_INDIVIDUAL);
        for (int g = 0; g < 3; ++g)
            points.SetText(IDC_SC_IND_GAME[g], "1").SetText(IDC_SC_TEAM_GAME[g], "1");
        points.OK();
        EXPECT_TRUE(L.doc.EditHandicapScoring());
        for (int p : vacant) {
            const std::string surname = "Place " + std::to_string(p + 1);
            if (came == Came::TeamOrder) {
                ui.OnDialog(IDD_EDIT_PLAYER)
                    .SetText(IDC_PD_FORENAME_EDIT, "Vacant")
                    .SetText(IDC_PD_SURNAME, surname.c_str())
                    .SelectString(IDC_PD_DESIGNATION, "Robot #1")
                    .OK();
                EXPECT_TRUE(PlayerSetup::EditPlayer(&L.doc, L.Player(11 + p)));
            } else {
                AddVacantPlace(L.doc, nullptr, surname.c_str());
            }
        }
        EXPECT_TRUE(ui.AllUsed());
    }

    bool IsVacant(int p) const { return std::find(vacant.begin(), vacant.end(), p) != vacant.end(); }
};

} // namespace

// A side ticks itself Played once its last game comes in, typed for a bowler or given by a
// vacancy's rule, whatever road brought the vacancy, in every size: a side only of vacancies has
// nothing to type and is ticked as soon as it is whole (as the sheet opens when its team order
// made it), one with bowlers as their last score is typed. Team 2 typed and OK: the match is
// entered, nothing asked, and its points go as worked above.
TEST(VacancyInAPlace, ASideTicksItselfPlayedAsItsLastGameComesIn)
{
    for (int n = 1; n <= 5; ++n)
        for (bool bWhole : {true, false})
            for (Came came : {Came::TeamOrder, Came::Substitutions, Came::AsPacer}) {
                if (n == 1 && !bWhole)
                    continue; // a singles side's one place is the whole side
                const char* pszCame = came == Came::TeamOrder       ? ", by the team order"
                                      : came == Came::Substitutions ? ", through Substitutions"
                                                                    : ", as a pacer";
                SCOPED_TRACE(std::to_string(n) + (bWhole ? " a side, every place vacant" : " a side, one vacant") +
                             pszCame);
                VacantSide side(n, bWhole, came);
                WorkedLeague& L = side.L;
                L.SetRound(1);
                CScriptedBackend ui;
                ui.OnDialog(IDD_SELECT_ROUND).OK();
                Sheet& sheet = ui.OnDialog(L.SheetIDD());
                auto played = [&sheet](int nSide, int nCheck, const char* pszWhen) {
                    sheet.Check([=](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[nSide]).check, nCheck) << pszWhen; });
                };
                played(0, bWhole && came == Came::TeamOrder ? 1 : 0, "as the sheet opens");
                if (came != Came::TeamOrder) {
                    for (int p : side.vacant) {
                        const std::string name = "Vacant Place " + std::to_string(p + 1);
                        auto& subs = L.Substitutions(ui, sheet, 0, p).Click(IDC_SUB_FROM_LEAGUE).SelectString(
                            IDC_SUB_PLAYER[0], name.c_str());
                        if (came == Came::AsPacer)
                            for (int g = 0; g < 3; ++g)
                                subs.Click(IDC_SUB_PACER[g]);
                        subs.OK();
                    }
                    played(0, bWhole ? 1 : 0, "once the vacancies are in");
                }
                for (int p = 0; p < n; ++p)
                    if (!side.IsVacant(p))
                        for (int g = 0; g < 3; ++g)
                            sheet.SetText(ScoreCell(0, p, g), "200");
                sheet.Focus(IDOK); // the last score typed is left, as Tab leaves it
                played(0, 1, "with every game in");
                played(1, 0, "before Team 2 is typed");
                for (int p = 0; p < n; ++p)
                    for (int g = 0; g < 3; ++g)
                        sheet.SetText(ScoreCell(1, p, g), std::to_string(g == 0 ? 60 : g == 1 ? 70 : 200).c_str());
                sheet.Focus(IDOK);
                played(1, 1, "with Team 2's last score");
                sheet.OK();
                OnResultEnterResults(L.doc);
                EXPECT_TRUE(ui.AllUsed());
                EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{});

                const CFixture* f = L.Match(1, 1);
                ASSERT_NE(f, nullptr);
                for (int p : side.vacant)
                    EXPECT_EQ(f->GetSlotPlayer(0, CFixture::SlotOf(0, p))->m_strName,
                              CString(("Vacant Place " + std::to_string(p + 1)).c_str()));
                EXPECT_EQ((V{f->m_bPlayed[0], f->m_bPlayed[1], f->m_nHandicapMatchPoints[0],
                             f->m_nHandicapMatchPoints[1], L.Team(1)->m_nPointsWon[PASS_HANDICAP],
                             L.Team(2)->m_nPointsWon[PASS_HANDICAP]}),
                          (V{1, 1, 4 * n + 4, 2 * n + 2, 4 * n + 4, 2 * n + 2}));
            }
}

// The tester's road on the real widgets: a singles league whose Team 1's only bowler is a vacancy.
// Its sheet opens with Team 1 ticked Played and the focus in Team 2's first box; Team 2's 60, 70
// and 200 typed with Tab tick Team 2,
// and the sheet shows the points above, 4 to 2; Enter closes it with nothing asked and the match
// entered with those points.
TEST(VacancyInAPlace, ASinglesSideWhoseOnlyPlaceIsAVacancyOnTheRealWidgets)
{
    VacantSide side(1, true, Came::TeamOrder);
    WorkedLeague& L = side.L;
    CFixture* f = L.Match(1, 1);
    ASSERT_NE(f, nullptr);
    CRealUi ui;
    ui.OnDialog(IDD_SINGLES_SCORESHEET, [&](CRealDialog& d) {
        EXPECT_EQ((Strs{d.Text(IDC_SS_PLAYED[0]), d.Text(IDC_SS_PLAYED[1])}), (Strs{"1", "0"}));
        EXPECT_EQ((Strs{d.Text(ScoreCell(0, 0, 0)), d.Text(ScoreCell(0, 0, 2))}), (Strs{"120", "120"}));
        // The vacancy's cells are shut: the first open one, Team 2's, has the focus.
        EXPECT_EQ(d.FocusID(), ScoreCell(1, 0, 0));
        for (const char* score : {"60", "70", "200"})
            d.Type(score).Tab();
        EXPECT_EQ((Strs{d.Text(IDC_SS_PLAYED[0]), d.Text(IDC_SS_PLAYED[1]), d.Text(IDC_SS_POINTS_HCP[0]),
                        d.Text(IDC_SS_POINTS_HCP[1])}),
                  (Strs{"1", "1", "4 ", "2 "}));
        d.Enter();
    });
    EXPECT_TRUE(EnterResult(&L.doc, f));
    EXPECT_EQ(ui.messages, std::vector<std::string>{});
    EXPECT_EQ((V{f->m_bPlayed[0], f->m_bPlayed[1], f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}),
              (V{1, 1, 8, 4}));
}
