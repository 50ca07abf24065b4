// Every rule a secretary can set, driven through a small league entered round after round as
// the secretary enters one, with the figures worked by hand. Each case is a worked example of
// docs/scoring.md.
#include "FileContents.h"
#include "TempDir.h"
#include "WorkedLeague.h"
#include "admin/FixtureCalendar.h"
#include "admin/RulesSetup.h"
#include "league/Rules.h"
#include "league/Scoring.h"
#include "reports/stats/PlayerItem.h"
#include "resources/dialogs/RulesDialogs.h"
#include "view/Exports.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using V = std::vector<int>;
using Texts = std::vector<std::string>;

// A bowler's games and pins of a pass, and his scratch high game and high series.
V Figures(const CPlayer* p, int nPass)
{
    return V{int(p->m_nGames[nPass]), int(p->m_nPins[nPass]), p->m_nHighGame[PASS_SCRATCH],
             p->m_nHighSeries[PASS_SCRATCH]};
}

// One cell of the custom player table for a bowler, handicap kind.
std::string Column(CBowlingDoc& doc, CPlayer* p, int nType)
{
    CRepItem_PlayerItem column;
    column.m_pDoc = &doc;
    column.m_nColumnType = static_cast<BYTE>(nType);
    column.m_nKind = PK_HANDICAP;
    column.m_pPlayer = p;
    return column.GetCellText(TRUE).GetString();
}

// The cells of the weekly sheet's row that names the bowler: the league's default layout
// written as its HTML page, the row's texts in order.
Texts WeeklySheetRow(CBowlingDoc& doc, const char* pszName)
{
    if (!doc.m_pCurrentRepForm)
        doc.CreateDefaultReportForm();
    TempDir dir;
    CString strError;
    EXPECT_TRUE(WriteHtmlReport(&doc, dir.File("week.htm").c_str(), strError)) << strError.GetString();
    const std::string html = FileContents(dir.File("week.htm"));
    std::string lower = html;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const size_t at = html.find(pszName);
    if (at == std::string::npos)
        return {};
    const size_t from = lower.rfind("<tr", at);
    const size_t to = lower.find("</tr", at);
    if (from == std::string::npos || to == std::string::npos)
        return {};
    Texts cells;
    std::string text;
    bool bInTag = false;
    for (size_t i = from; i < to; ++i) {
        const char c = html[i];
        if (c == '<') {
            bInTag = true;
            const size_t first = text.find_first_not_of(" \n\r\t");
            if (first != std::string::npos)
                cells.push_back(text.substr(first, text.find_last_not_of(" \n\r\t") - first + 1));
            text.clear();
        } else if (c == '>') {
            bInTag = false;
        } else if (!bInTag) {
            text += c;
        }
    }
    return cells;
}

} // namespace

// ------------------------------------------------------------------ truncated rolling average

// Singles, four teams, 90 % of 200, a truncated rolling average of 3 games set in Handicap
// Details.
// Bowler 11 bowls 190 185 171 (546), then 180 170 160 (510): 1 056 pins in 6 games.
//   season  1 056 / 6 = 176.0, (200 - 176) x 90 / 100 = 21
//   rolling   510 / 3 = 170.0, (200 - 170) x 90 / 100 = 27
// Round 3's scoresheet and the weekly sheet bowl him on 170 and 27; "Real Average" and
// "Difference" keep the season's 176.0 (entering average 175.0: +1.0), and so does the most
// improved figure unless "Use playing average for most improved" is ticked.
TEST(RulesWorked, TruncatedRollingAverageDrivesAverageAndHandicap)
{
    WorkedLeague L(4, 1, 3, 4);
    L.Player(11)->SetEnteringAverage(1750);
    {
        CScriptedBackend ui;
        ui.OnDialog(IDD_HANDICAP_DETAILS)
            .SetText(IDC_HD_PERCENT[0], "90")
            .SetText(IDC_HD_BASIS[0], "200")
            .Click(IDC_HD_ROLLING)
            .SetText(IDC_HD_ROLLING_GAMES, "3")
            .OK();
        ui.AnswerMessageBox(IDOK, "You have selected a Truncated Rolling Average.");
        ASSERT_TRUE(L.doc.EditHandicapDetails());
        L.doc.Recalculate();
    }
    L.EnterRound(1, {{1, {{190, 185, 171}}}, {2, {{150, 150, 150}}}});
    L.EnterRound(2, {{1, {{180, 170, 160}}}, {2, {{150, 150, 150}}}});

    CPlayer* p = L.Player(11);
    EXPECT_EQ((V{p->m_nAverage, p->m_nHandicap}), (V{170, 27}));
    EXPECT_EQ(Column(L.doc, p, PC_AVG_PLAYING) + "|" + Column(L.doc, p, PC_HANDICAP) + "|" +
                  Column(L.doc, p, PC_PINS_HCP_CALC) + "|" + Column(L.doc, p, PC_REAL_AVERAGE) + "|" +
                  Column(L.doc, p, PC_DIFFERENCE),
              "170.0|27|510|176.0|+1.0");
    // Showing the season's figures leaves him bowling on 170.
    EXPECT_EQ(p->m_nAverage, 170);
    // Most improved on the season, 176.0 - 175.0, unless the league takes the playing average.
    L.doc.m_bHandicapPass = PASS_HANDICAP;
    EXPECT_DOUBLE_EQ(p->GetImprovement(), 1.0);
    EXPECT_EQ(p->m_nAverage, 170);
    L.doc.m_bPlayingAvgForMostImproved = 1;
    EXPECT_DOUBLE_EQ(p->GetImprovement(), -5.0);
    EXPECT_EQ(p->m_nAverage, 170);
    // The weekly sheet of a new league: name, Hcp, Avg, Gms, Pins.
    const Texts row = WeeklySheetRow(L.doc, "Bowler 11");
    ASSERT_GE(row.size(), 5u);
    EXPECT_EQ(Texts(row.begin(), row.begin() + 5), (Texts{"Bowler 11", "27", "170", "6", "1056"}));

    // Round 3's scoresheet gives him the rolling handicap in every game.
    L.SetRound(3);
    L.LookAtSheet(3, 1, [](CDialog&, CFixture* f) {
        const int k = CFixture::SlotOf(WorkedLeague::SideOf(f, 1), 0);
        EXPECT_EQ((V{f->m_nHandicap[0][k], f->m_nHandicap[2][k], int(f->m_nAverage[0][k])}), (V{27, 27, 170}));
    });
}

// ------------------------------------------------------------------ pacer games

namespace {

// Doubles, four teams, three games. Round 1: Bowler 12 is away; floating substitute Bowler 91
// (entering average 160.0, handicap (200 - 160) x 80 / 100 = 32) bowls his position in every
// game, game 1 as a pacer, and scores 150, 180, 175 (505), typed into the scoresheet's cells.
struct PacerLeague
{
    WorkedLeague L{4, 2, 3, 3};
    PacerLeague()
    {
        L.AddBowler(0, 91)->SetEnteringAverage(1600);
        L.doc.BuildFloatingSubs();
        L.doc.Recalculate();
    }
    void EnterRound1()
    {
        L.EnterRound(1, {{1, {{200, 200, 200}, {150, 180, 175}}}, {2, {{170, 170, 170}, {160, 160, 160}}}},
                     [this](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                         L.PaceGame1(ui, sheet, f, 1, 1, "Bowler 91");
                     });
    }
};

} // namespace

// The pacer's game is wholly his: 3 games, 505 pins, high game 180, high series 505 and with
// handicap 505 + 3 x 32 = 601. Bowler 12 has no game. The team's 1 105 pins are its bowlers'.
TEST(RulesWorked, PacerGameCountsWhollyForThePacer)
{
    PacerLeague P;
    P.EnterRound1();
    WorkedLeague& L = P.L;
    CPlayer* pSub = L.Player(91);
    EXPECT_EQ(Figures(pSub, PASS_HANDICAP), (V{3, 505, 180, 505}));
    EXPECT_EQ((V{pSub->m_nHighSeries[PASS_HANDICAP], pSub->m_nHighGame[PASS_HANDICAP], int(pSub->m_nHcpPins)}),
              (V{601, 212, 601}));
    EXPECT_EQ(Figures(L.Player(12), PASS_HANDICAP), (V{0, 0, 0, 0}));
    const CTeam* t = L.Team(1);
    EXPECT_EQ(int(t->m_nHcpScrPins), int(L.Player(11)->m_nPins[PASS_HANDICAP] + pSub->m_nPins[PASS_HANDICAP]));
    EXPECT_EQ(t->m_nHcpScrPins, 600u + 505u);
}

// With "Exclude Pacers Games" the pacer's game counts for nobody: Bowler 91 has 2 games and
// 355 pins, and no three-game series.
TEST(RulesWorked, ExcludedPacerGameCountsForNobody)
{
    PacerLeague P;
    P.L.doc.m_bExcludePacers = 1;
    P.EnterRound1();
    EXPECT_EQ(Figures(P.L.Player(91), PASS_HANDICAP), (V{2, 355, 180, 0}));
    EXPECT_EQ(Figures(P.L.Player(12), PASS_HANDICAP), (V{0, 0, 0, 0}));
}

// ------------------------------------------------------------------ worked examples

namespace {

// A team's points won in a pass.
V PointsWon(WorkedLeague& L, int nPass)
{
    V v;
    for (int t = 1; t <= L.doc.m_nTeams; ++t)
        v.push_back(L.Team(t)->m_nPointsWon[nPass]);
    return v;
}

// The handicap and average of a bowler's slot in every game of his match of the round, as
// the scoresheet put them there.
V SlotFigures(WorkedLeague& L, int nRound, int nPlayer)
{
    const int nTeam = nPlayer / 10;
    CFixture* f = L.Match(nRound, nTeam);
    const int s = WorkedLeague::SideOf(f, nTeam);
    const int k = CFixture::SlotOf(s, nPlayer % 10 - 1);
    V v;
    for (int g = 0; g < L.doc.m_nGamesPerMatch; ++g)
        v.push_back(f->m_nHandicap[g][k]);
    v.push_back(int(f->m_nAverage[0][k]));
    return v;
}

// Team points of one point (two half points) for each game and one for the series.
void OnePointAGameAndSeries(CPointsRule& rule, int nGames)
{
    rule.m_bTeam = 1;
    for (int g = 0; g < nGames; ++g)
        rule.m_nTeamGame[g] = 2;
    rule.m_nTeamSeries = 2;
}

} // namespace

// Drop 5: established after 3 games, at most 5 pins below. Both systems, singles, 80 % of 200.
//   Bowler 11, no entering average: 180 180 180 establish 180 (floor 175); then 160 160 160.
//     Plain average 1 020 / 6 = 170; the handicap average is held at 175: (200 - 175) x 80 / 100
//     = 20, not 24. His scratch average stays 170.0.
//   Bowler 21, entering average 190.0: established on it (floor 185) once 3 games are bowled;
//     170 in every game: handicap (200 - 185) x 80 / 100 = 12 from round 2 on.
TEST(RulesWorked, Drop5HoldsTheHandicapAverageAboveTheFloor)
{
    WorkedLeague L(4, 1, 3, 4);
    L.doc.m_bScratchLeague = 1;
    L.doc.m_bDrop5 = 1;
    L.doc.m_nDrop5Games = 3;
    L.doc.m_nDrop5MaxPins = 5;
    L.Player(21)->SetEnteringAverage(1900);
    L.EnterRound(1, {{1, {{180, 180, 180}}}, {2, {{170, 170, 170}}}});
    // Round 1 on the entering average (190: 8) and on his own games (180: 16).
    EXPECT_EQ(SlotFigures(L, 1, 11), (V{16, 16, 16, 180}));
    EXPECT_EQ(SlotFigures(L, 1, 21), (V{8, 8, 8, 190}));
    L.EnterRound(2, {{1, {{160, 160, 160}}}, {2, {{170, 170, 170}}}});
    EXPECT_EQ(SlotFigures(L, 2, 11), (V{16, 16, 16, 180}));
    EXPECT_EQ(SlotFigures(L, 2, 21), (V{12, 12, 12, 185}));

    CPlayer* p11 = L.Player(11);
    EXPECT_EQ((V{p11->m_nAverage, p11->m_nHandicap, L.Player(21)->m_nHandicap}), (V{175, 20, 12}));
    EXPECT_EQ(Column(L.doc, p11, PC_AVG_PLAYING), "175.0");
    EXPECT_DOUBLE_EQ(p11->GetAverage(FALSE), 170.0);
    L.SetRound(3);
    L.LookAtSheet(3, 1, [](CDialog&, CFixture* f) {
        const int k = CFixture::SlotOf(WorkedLeague::SideOf(f, 1), 0);
        EXPECT_EQ((V{f->m_nHandicap[0][k], int(f->m_nAverage[0][k])}), (V{20, 175}));
    });
}

// ------------------------------------------------------------------ first matches and refreshes

namespace {

// One example of the guide's sections 1 and 2 on singles teams, two meeting every round or
// four (1 v 4 and 2 v 3, then 4 v 2 and 3 v 1), with a new league's rules (80 % of 200) and
// one handicap point a game, set in Handicap Details and entered round by round through the
// scoresheets; a team not named bowls 150 in every game.
struct FirstMatchCase
{
    const char* pszName;
    int nTeams, nGames;
    std::vector<std::pair<UINT, const char*>> details; // Handicap Details: a text, or null to click
    std::map<int, WORD> entering;                       // bowler: entering average in tenths
    std::function<void(WorkedLeague&)> prepare;
    std::vector<std::map<int, Lineup>> rounds;          // each round's scores by team
    std::function<void(int nRound, CScriptedBackend&, Sheet&, CFixture*)> before;
    std::vector<int> watched;                           // teams whose bowler is watched
    std::vector<V> expected;   // per round, each watched team's game-1 {handicap, average}
    V points;                  // handicap points won by each team at the end, when given
};

// Handicap and average of game 1 of team t's position in round r as its cell records them: a
// paced game's are the pacer's.
V Game1Figures(WorkedLeague& L, int nRound, int nTeam)
{
    const CFixture* f = L.Match(nRound, nTeam);
    const int k = CFixture::SlotOf(WorkedLeague::SideOf(f, nTeam), 0);
    return V{f->m_nHandicap[0][k], int(f->m_nAverage[0][k])};
}

// Floating substitute Bowler 91 bowls the position of team t, game 1 as a pacer or every game.
void Substitute91(CScriptedBackend& ui, Sheet& sheet, CFixture* f, int nTeam, bool bPacer)
{
    if (f->m_nTeamA != nTeam && f->m_nTeamB != nTeam)
        return;
    sheet.Click(IDC_SS_SUBS[WorkedLeague::SideOf(f, nTeam)]);
    auto& subs = ui.OnDialog(IDD_SUBSTITUTIONS).Click(IDC_SUB_FROM_FLOATING);
    subs.SelectString(IDC_SUB_PLAYER[0], "Bowler 91");
    if (bPacer)
        subs.Click(IDC_SUB_PACER[0]);
    subs.OK();
}

const std::vector<FirstMatchCase>& FirstMatchCases()
{
    static const std::vector<FirstMatchCase> cases = {
        // 2.3, 2.4: setting 2, one game; Bowler 11 enters at 150.0, Bowler 21 has no entering
        // average. Both bowl scratch: 150 against 170, the point to Team 2.
        {"a first match on an entering average is scratch", 2, 1, {{IDC_HD_SCRATCH_GAMES, "2"}}, {{11, 1500}}, {},
         {{{1, {{150}}}, {2, {{170}}}}}, {}, {1, 2}, {{0, 150, 0, 170}}, {0, 2}},
        // 2.6: four games, refreshed every second round, rolling over 3 games. Bowler 11's first
        // match 236 136 182 138 gives 692 / 4 = 173, handicap (200 - 173) x 80 / 100 = 21, kept
        // in round 2 (not the window's 152 and 38).
        {"a rolling window waits for the first refresh", 2, 4,
         {{IDC_HD_RECALC_FREQ, "2"}, {IDC_HD_ROLLING, nullptr}, {IDC_HD_ROLLING_GAMES, "3"}}, {}, {},
         {{{1, {{236, 136, 182, 138}}}}, {}}, {}, {1}, {{21, 173}, {21, 173}}, {}},
        // The same with drop 5 established after 3 games, 5 pins: not raised to the floor
        // 554 / 3 = 184 less 5 = 179 before the refresh.
        {"a drop-5 floor waits for the first refresh", 2, 4,
         {{IDC_HD_RECALC_FREQ, "2"}, {IDC_HD_DROP5, nullptr}, {IDC_HD_DROP5_GAMES, "3"}, {IDC_HD_DROP5_PINS, "5"}},
         {}, {}, {{{1, {{236, 136, 182, 138}}}}, {}}, {}, {1}, {{21, 173}, {21, 173}}, {}},
        // 1.5: entering 173.0 (handicap 21), cut-off round 1, drop 5 after 3 games, 5 pins.
        // 195 195 195 establish 173 (floor 168); round 2 on his own 195: 4; after 140 140 140
        // the plain 1 005 / 6 = 167.5 is held at 168: (200 - 168) x 80 / 100 = 25.
        {"drop 5 keeps an entering average past the cut-off", 2, 3,
         {{IDC_HD_DROP5, nullptr}, {IDC_HD_DROP5_GAMES, "3"}, {IDC_HD_DROP5_PINS, "5"}, {IDC_HD_CUTOFF, "1"}},
         {{11, 1730}}, {}, {{{1, {{195, 195, 195}}}}, {{1, {{140, 140, 140}}}}, {}}, {}, {1},
         {{21, 173}, {4, 195}, {25, 168}}, {}},
        // 2.6: refreshed every second round; Bowler 91 (entering 160.0, handicap 32) bowls for
        // Teams 1 and 2 in round 1, 180 in each: one round, so round 2 is still on 160. Bowler
        // 21's first match is round 2's: 150, handicap 40.
        {"two matches in a round count as one round", 4, 1, {{IDC_HD_RECALC_FREQ, "2"}}, {{91, 1600}},
         [](WorkedLeague& L) {
             L.AddBowler(0, 91);
             L.doc.BuildFloatingSubs();
         },
         {{{1, {{180}}}, {2, {{180}}}}, {{1, {{180}}}}},
         [](int nRound, CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
             for (int t : {1, 2})
                 if (nRound == 1 || t == 1)
                     Substitute91(ui, sheet, f, t, false);
         },
         {1, 2}, {{32, 160, 32, 160}, {32, 160, 40, 150}}, {}},
        // 2.4: Bowler 91, no entering average, paces Bowler 11's game: his 154 gives handicap
        // (200 - 154) x 80 / 100 = 36, 190 against Bowler 21's 170 + 16 = 186.
        {"a pacer's first match", 2, 1, {}, {{11, 1500}, {21, 1800}}, [](WorkedLeague& L) {
             L.AddBowler(0, 91);
             L.doc.BuildFloatingSubs();
         },
         {{{1, {{154}}}, {2, {{170}}}}},
         [](int, CScriptedBackend& ui, Sheet& sheet, CFixture* f) { Substitute91(ui, sheet, f, 1, true); }, {1, 2},
         {{36, 154, 16, 180}}, {2, 0}},
        // 1.9: Bowler 11, no entering average, is away for game 1 of his first match, which
        // Bowler 91 (160.0) paces with 82; he bowls 180 and 180. The paced cell records the
        // pacer's handicap 32 and average 160, whatever Bowler 11's first match gives him.
        {"a new bowler's paced game", 2, 3, {}, {{91, 1600}, {21, 1800}}, [](WorkedLeague& L) {
             L.AddBowler(0, 91);
             L.doc.BuildFloatingSubs();
         },
         {{{1, {{82, 180, 180}}}, {2, {{180, 180, 180}}}}},
         [](int, CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
             if (f->m_nTeamA != 1)
                 return;
             sheet.Click(IDC_SS_SUBS[0]);
             ui.OnDialog(IDD_SUBSTITUTIONS)
                 .Click(IDC_SUB_FROM_FLOATING)
                 .Click(IDC_SUB_ASSIGN_ALL) // game 1 only
                 .SelectString(IDC_SUB_PLAYER[0], "Bowler 91")
                 .Click(IDC_SUB_PACER[0])
                 .OK();
         },
         {1, 2}, {{32, 160, 16, 180}}, {2, 4}},
        // 1.2: Bowler 11 enters at 160.0 marked "Do NOT apply 'Games with Entering Average'":
        // a new bowler's first match, 140 150 166: 456 / 3 = 152, handicap 38.
        {"no games with the entering average", 2, 3, {}, {{11, 1600}},
         [](WorkedLeague& L) { L.Player(11)->m_wFlags |= PF_NO_ENTERING_GAMES; }, {{{1, {{140, 150, 166}}}}}, {},
         {1}, {{38, 152}}, {}},
        // 2.3, 2.6: setting 3, refreshed every second round. Bowler 11 (new) 140 150 166 then
        // 160 150 146, Bowler 21 (entering 160.0) 160s: both scratch until the refresh after
        // round 2, then 912 / 6 = 152: 38 and 960 / 6 = 160: 32.
        {"games bowled scratch until the first refresh", 2, 3, {{IDC_HD_SCRATCH_GAMES, "3"}, {IDC_HD_RECALC_FREQ, "2"}},
         {{21, 1600}}, {},
         {{{1, {{140, 150, 166}}}, {2, {{160, 160, 160}}}},
          {{1, {{160, 150, 146}}}, {2, {{160, 160, 160}}}},
          {}},
         {}, {1, 2}, {{0, 152, 0, 160}, {0, 152, 0, 160}, {38, 152, 32, 160}}, {}},
    };
    return cases;
}

} // namespace

TEST(RulesWorked, FirstMatchesAndRefreshesAsTheGuideWorksThem)
{
    for (const FirstMatchCase& c : FirstMatchCases()) {
        SCOPED_TRACE(c.pszName);
        const int nRounds = static_cast<int>(c.rounds.size());
        WorkedLeague L(c.nTeams, 1, c.nGames, nRounds);
        if (c.prepare)
            c.prepare(L);
        for (const auto& [nPlayer, nTenths] : c.entering)
            L.Player(nPlayer)->SetEnteringAverage(nTenths);
        {
            CScriptedBackend ui;
            auto& dlg = ui.OnDialog(IDD_HANDICAP_DETAILS);
            for (const auto& [nID, pszText] : c.details) {
                if (pszText)
                    dlg.SetText(nID, pszText);
                else
                    dlg.Click(nID);
                if (nID == IDC_HD_ROLLING)
                    ui.AnswerMessageBox(IDOK, "You have selected a Truncated Rolling Average.");
            }
            dlg.OK();
            ASSERT_TRUE(L.doc.EditHandicapDetails());
        }
        L.doc.m_HcpPoints.m_bTeam = 1;
        for (int g = 0; g < c.nGames; ++g)
            L.doc.m_HcpPoints.m_nTeamGame[g] = 2;
        L.doc.UpdateMaxMatchPoints();
        L.doc.Recalculate();

        for (int r = 1; r <= nRounds; ++r) {
            WorkedLeague::Before before;
            if (c.before)
                before = [&c, r](CScriptedBackend& ui, Sheet& sheet, CFixture* f) { c.before(r, ui, sheet, f); };
            L.EnterRound(r, c.rounds[r - 1], before);
            V seen;
            for (int t : c.watched) {
                const V v = Game1Figures(L, r, t);
                seen.insert(seen.end(), v.begin(), v.end());
            }
            EXPECT_EQ(seen, c.expected[r - 1]) << "round " << r;
        }
        if (!c.points.empty()) {
            EXPECT_EQ(PointsWon(L, PASS_HANDICAP), c.points);
        }
    }
}

// The two team-handicap leagues' first round: Team 1 (170, 160) v Team 4 (180, 175) on
// entering averages, one point a game and one for the series.
static void EnterTeamHandicapRound1(WorkedLeague& L)
{
    OnePointAGameAndSeries(L.doc.m_HcpPoints, 2);
    L.doc.UpdateMaxMatchPoints();
    for (auto [no, avg] : {std::pair{11, 1700}, {12, 1600}, {41, 1800}, {42, 1750}, {21, 1500}, {22, 1500},
                           {31, 1500}, {32, 1500}})
        L.Player(no)->SetEnteringAverage(static_cast<WORD>(avg));
    L.EnterRound(1, {{1, {{170, 175}, {160, 150}}}, {4, {{180, 170}, {175, 160}}}});
}

// Team handicaps, "Zero Based Handicap % Diff.", 80 %. Doubles, two games; round 1 Team 1 v
// Team 4 on entering averages: Team 1 170 + 160 = 330, Team 4 180 + 175 = 355.
//   Team 1 gets (355 - 330) x 80 / 100 = 20 each game, Team 4 none.
//   Team 1 170 + 160, 175 + 150: 330 + 20 = 350, 325 + 20 = 345 (695)
//   Team 4 180 + 175, 170 + 160: 355, 330 (685)
//   Game 1 to Team 4, game 2 and the series to Team 1: 2 points to 1. Teams 2 and 3 tie.
TEST(RulesWorked, TeamHandicapZeroBasedDifference)
{
    WorkedLeague L(4, 2, 2, 3);
    L.doc.m_bTeamHandicaps = 1;
    L.doc.m_bZeroBasedPctDiff = 1;
    EnterTeamHandicapRound1(L);

    CFixture* f = L.Match(1, 1);
    const int s = WorkedLeague::SideOf(f, 1);
    EXPECT_EQ((V{int(f->m_nTeamAverage[s][0]), int(f->m_nTeamAverage[1 - s][0])}), (V{330, 355}));
    EXPECT_EQ((V{int(f->m_nTeamHandicap[s][0]), int(f->m_nTeamHandicap[s][1]), int(f->m_nTeamHandicap[s][4]),
                 int(f->m_nTeamHandicap[1 - s][4])}),
              (V{20, 20, 40, 0}));
    EXPECT_EQ((V{f->GetGameScore(s, 0, TRUE), f->GetGameScore(s, 1, TRUE), f->GetSeriesScore(1 - s, TRUE)}),
              (V{350, 345, 685}));
    EXPECT_EQ(PointsWon(L, PASS_HANDICAP), (V{4, 3, 3, 2}));
    EXPECT_EQ(L.Team(1)->m_nPins[PASS_HANDICAP], 695u);
}

// Team handicaps, "Zero Based Handicap % Diff.", 80 %, doubles, two games, one point a game and
// one for the series. Everybody enters at 160.0 but Bowler 12 at 200.0. In round 1 Bowler 12 is
// away: floating substitute Bowler 91 (140.0) paces his game 1 and bowls game 2 as a plain
// substitute, so Team 1 bowls both games on 160 + 140 = 300, Team 4 on 160 + 160 = 320.
//   Team 1 gets (320 - 300) x 80 / 100 = 16 each game, Team 4 none.
//   Team 1 170 + 150 + 16 = 336, 160 + 150 + 16 = 326 (662); Team 4 320, 320 (640): 3 points.
// On Bowler 12's 200 game 1 would be 360 against 320, 32 to Team 4: 320 against 352.
TEST(RulesWorked, TeamHandicapOnAPacersAverage)
{
    WorkedLeague L(4, 2, 2, 3);
    L.doc.m_bTeamHandicaps = 1;
    L.doc.m_bZeroBasedPctDiff = 1;
    OnePointAGameAndSeries(L.doc.m_HcpPoints, 2);
    L.doc.UpdateMaxMatchPoints();
    for (int no : {11, 21, 22, 31, 32, 41, 42})
        L.Player(no)->SetEnteringAverage(1600);
    L.Player(12)->SetEnteringAverage(2000);
    L.AddBowler(0, 91)->SetEnteringAverage(1400);
    L.doc.BuildFloatingSubs();
    L.doc.Recalculate();
    L.EnterRound(1, {{1, {{170, 160}, {150, 150}}}, {4, {{160, 160}, {160, 160}}}},
                 [&L](CScriptedBackend& ui, Sheet& sheet, CFixture* f) { L.PaceGame1(ui, sheet, f, 1, 1, "Bowler 91"); });

    CFixture* f = L.Match(1, 1);
    const int s = WorkedLeague::SideOf(f, 1);
    const int k = CFixture::SlotOf(s, 1);
    EXPECT_EQ((V{int(f->m_nAverage[0][k]), int(f->m_nAverage[1][k])}), (V{140, 140}));
    EXPECT_EQ((V{int(f->m_nTeamAverage[s][0]), int(f->m_nTeamAverage[s][1]), int(f->m_nTeamAverage[1 - s][0])}),
              (V{300, 300, 320}));
    EXPECT_EQ((V{int(f->m_nTeamHandicap[s][0]), int(f->m_nTeamHandicap[s][1]), int(f->m_nTeamHandicap[1 - s][0]),
                 int(f->m_nTeamHandicap[1 - s][1])}),
              (V{16, 16, 0, 0}));
    EXPECT_EQ((V{f->GetGameScore(s, 0, TRUE), f->GetGameScore(s, 1, TRUE), f->GetSeriesScore(1 - s, TRUE)}),
              (V{336, 326, 640}));
    EXPECT_EQ((V{f->m_nHandicapMatchPoints[s], f->m_nHandicapMatchPoints[1 - s]}), (V{6, 0}));
    EXPECT_EQ(PointsWon(L, PASS_HANDICAP)[0], 6);

    // Reopened with Result > Amend Results, the scoresheet shows the same: Team 1's handicap
    // row 16, 16 (32), Team 4's 0, and 3 points.
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, f->m_nMatch - 1).OK();
    ui.OnDialog(IDD_DOUBLES_SCORESHEET)
        .Check([s](CDialog& d) {
            EXPECT_EQ((Texts{Ctl(d, IDC_SS_HANDICAP[s][0]).text.GetString(),
                             Ctl(d, IDC_SS_HANDICAP[s][1]).text.GetString(),
                             Ctl(d, IDC_SS_HANDICAP_SERIES[s]).text.GetString(),
                             Ctl(d, IDC_SS_HANDICAP_SERIES[1 - s]).text.GetString(),
                             Ctl(d, IDC_SS_POINTS_HCP[s]).text.GetString()}),
                      (Texts{"16", "16", "32", "0", "3 "}));
        })
        .Cancel();
    OnResultAmendResults(L.doc);
}

namespace {

// Two teams of two, two games: zero based team handicaps at 80 %, a point a game and one for the
// series, playing against robot scores with rule 1; entering averages 160.0 and 150.0 for Team 1,
// 180.0 and 170.0 for Team 2.
void PlayAgainstRobotsWithTeamHandicaps(WorkedLeague& L)
{
    L.doc.m_bTeamHandicaps = 1;
    L.doc.m_bZeroBasedPctDiff = 1;
    L.doc.m_dwRobotIfDefault = 1; // no dialog sets it
    OnePointAGameAndSeries(L.doc.m_HcpPoints, 2);
    L.doc.UpdateMaxMatchPoints();
    for (auto [no, avg] : {std::pair{11, 1600}, {12, 1500}, {21, 1800}, {22, 1700}})
        L.Player(no)->SetEnteringAverage(static_cast<WORD>(avg));
}

} // namespace

// Team handicaps, "Zero Based Handicap % Diff.", 80 %, the smallest league of them: two teams
// of two, two games, a point a game and one for the series, playing against robot scores with
// vacancy/robot rule 1. Bowlers 11 and 12 enter at 160.0 and 150.0 (310), 21 and 22 at 180.0 and
// 170.0 (350). Team 2 bowls game 1, 180 + 170 = 350, and defaults game 2; Team 1 bowls 170 + 150
// and 150 + 140.
//   Game 1: Team 1 gets (350 - 310) x 80 / 100 = 32: 320 + 32 = 352 against 350, Team 1's.
//   Game 2 is the robots', and so is Team 2's team average in it:
//     flat 130: 130 + 130 = 260, Team 2 gets (310 - 260) x 80 / 100 = 40: robots 260 + 40 = 300;
//     opponent's average less 10 pins: 150 + 140 = 290 scores and average, 16: 306.
//   Team 1's 290 does not beat them: nobody takes game 2. Series 642 against 650 (656), Team 2's.
//   Points 2 to 2. On the absent bowlers' 350 Team 1 would have had 32 in game 2 too, taking it
//   322 to 260 and the series 674 to 610: 6 to 0.
TEST(RulesWorked, TeamHandicapOfADefaultedGameIsWorkedOnTheRobots)
{
    struct Case
    {
        const char* name;
        std::function<void(CScriptedBackend::DialogScript&)> rule; // in "Vacancy/Robot Score(s)"
        V robots, handicaps;                                         // game 2's robot cells; hcp per game
    };
    const Case cases[] = {
        {"flat 130", [](auto& dlg) { dlg.SetText(IDC_RB_FIRST[0], "130"); }, V{130, 130}, V{32, 0, 0, 40}},
        {"opponent's average less 10 pins",
         [](auto& dlg) { dlg.Select(IDC_RB_KIND[0], CRobot::kindAverageLessPins).SetText(IDC_RB_SECOND[0], "10"); },
         V{150, 140}, V{32, 0, 0, 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WorkedLeague L(2, 2, 2, 1);
        PlayAgainstRobotsWithTeamHandicaps(L);
        {
            CScriptedBackend ui;
            auto& dlg = ui.OnDialog(IDD_ROBOT_SCORES);
            c.rule(dlg);
            dlg.OK();
            ASSERT_TRUE(RulesSetup::EditRobotScores(&L.doc));
        }
        L.EnterRound(1, {{1, {{170, 150}, {150, 140}}}, {2, {{180, 0}, {170, 0}}}},
                     [](CScriptedBackend&, Sheet& sheet, CFixture*) { sheet.Click(IDC_SS_DEFAULTED[1][1]); });

        const CFixture* f = L.Match(1, 1);
        const int nRobots = c.robots[0] + c.robots[1];
        const int nTeam2Game2 = nRobots + c.handicaps[3];
        EXPECT_EQ((V{f->m_nScore[1][CFixture::SlotOf(1, 0)], f->m_nScore[1][CFixture::SlotOf(1, 1)]}), c.robots);
        EXPECT_EQ((V{int(f->m_nTeamAverage[0][0]), int(f->m_nTeamAverage[0][1]), int(f->m_nTeamAverage[1][0]),
                     int(f->m_nTeamAverage[1][1])}),
                  (V{310, 310, 350, nRobots}));
        EXPECT_EQ((V{int(f->m_nTeamHandicap[0][0]), int(f->m_nTeamHandicap[0][1]), int(f->m_nTeamHandicap[1][0]),
                     int(f->m_nTeamHandicap[1][1])}),
                  c.handicaps);
        EXPECT_EQ((V{f->GetGameScore(0, 1, TRUE), f->GetGameScore(1, 1, TRUE), f->GetSeriesScore(0, TRUE),
                     f->GetSeriesScore(1, TRUE)}),
                  (V{290, nTeam2Game2, 642, 350 + nTeam2Game2}));
        EXPECT_EQ(PointsWon(L, PASS_HANDICAP), (V{2, 2}));
        EXPECT_EQ(L.Team(1)->m_nPins[PASS_HANDICAP], 642u);

        // Result > Amend Results shows the same and keeps the points, a point each.
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, 0).OK();
        ui.OnDialog(IDD_DOUBLES_SCORESHEET)
            .Check([&c](CDialog& d) {
                EXPECT_EQ((Texts{Ctl(d, IDC_SS_HANDICAP[0][1]).text.GetString(),
                                 Ctl(d, IDC_SS_HANDICAP[1][0]).text.GetString(),
                                 Ctl(d, IDC_SS_HANDICAP[1][1]).text.GetString(),
                                 Ctl(d, IDC_SS_POINTS_HCP[0]).text.GetString(),
                                 Ctl(d, IDC_SS_POINTS_HCP[1]).text.GetString()}),
                          (Texts{"0", "0", std::to_string(c.handicaps[3]), "1 ", "1 "}));
            })
            .OK();
        OnResultAmendResults(L.doc);
        EXPECT_EQ(PointsWon(L, PASS_HANDICAP), (V{2, 2}));
    }
}

// A new league's vacancy rule, flat 120 with handicap 30, as "Vacancy/Robot Score(s)" shows it
// and the scoresheet scores it. Two teams of two, one game; Team 1's second place is the
// vacancy. Bowler 11 enters at 150.0 and bowls 170. The dialog shows "(150) (hcp)", and Team 1's
// game with handicap is 170 + his handicap + 120 + 30. With team handicaps the dialog shows no
// game with handicap, and the team average takes the vacancy at 120: 150 + 120 = 270.
TEST(RulesWorked, ANewLeaguesVacancyScores120With30Handicap)
{
    for (bool bTeamHandicaps : {false, true}) {
        SCOPED_TRACE(bTeamHandicaps ? "team handicaps" : "bowlers' handicaps");
        WorkedLeague L(2, 2, 1, 1);
        L.doc.m_bTeamHandicaps = bTeamHandicaps ? 1 : 0;
        L.Player(12)->m_nRobot = 1;
        for (int no : {11, 21, 22})
            L.Player(no)->SetEnteringAverage(1500);
        L.doc.Recalculate();
        {
            CScriptedBackend ui;
            ui.OnDialog(IDD_ROBOT_SCORES)
                .Check([bTeamHandicaps](CDialog& d) {
                    EXPECT_EQ((Texts{Ctl(d, IDC_RB_FIRST[0]).text.GetString(), Ctl(d, IDC_RB_SECOND[0]).text.GetString(),
                                     Ctl(d, IDC_RB_SECOND_LABEL[0]).text.GetString()}),
                              (Texts{"120", "30", "Hcp Score"}));
                    EXPECT_EQ((std::vector<bool>{Ctl(d, IDC_RB_DIFF[0]).visible, Ctl(d, IDC_RB_HCP_NOTE[0]).visible}),
                              (std::vector<bool>{!bTeamHandicaps, !bTeamHandicaps}));
                    if (!bTeamHandicaps) {
                        EXPECT_EQ(Ctl(d, IDC_RB_DIFF[0]).text, "(150)");
                    }
                })
                .OK();
            ASSERT_TRUE(RulesSetup::EditRobotScores(&L.doc));
        }
        L.EnterRound(1, {{1, {{170}, {0}}}, {2, {{160}, {150}}}});
        const CFixture* f = L.Match(1, 1);
        const int kBowler = CFixture::SlotOf(0, 0), kVacancy = CFixture::SlotOf(0, 1);
        EXPECT_EQ((V{f->m_nScore[0][kVacancy], int(f->m_nAverage[0][kVacancy])}), (V{120, 120}));
        if (bTeamHandicaps) {
            EXPECT_EQ(int(f->m_nTeamAverage[0][0]), 270);
        } else {
            EXPECT_EQ(f->m_nHandicap[0][kVacancy], 30);
            EXPECT_EQ(f->GetGameScore(0, 0, TRUE), 170 + f->m_nHandicap[0][kBowler] + 150);
        }
    }
}

// The same league against robot scores: the secretary ticks Team 2's game 2 Defaulted, thinks
// better of it, clears the box and types the game, 175 + 165. Game 2 is the bowlers' again, and
// so is the team average: 350, Team 1 gets 32 in both games: 352 against 350, 322 against 340;
// the series 674 against 690. Team 1 2 points, Team 2 4.
TEST(RulesWorked, TeamHandicapOfAGameDefaultedThenBowledIsTheBowlers)
{
    WorkedLeague L(2, 2, 2, 1);
    PlayAgainstRobotsWithTeamHandicaps(L);
    L.doc.Recalculate();
    L.EnterRound(1, {{1, {{170, 150}, {150, 140}}}, {2, {{180, 175}, {170, 165}}}},
                 [](CScriptedBackend&, Sheet& sheet, CFixture*) {
                     sheet.Click(IDC_SS_DEFAULTED[1][1]).Click(IDC_SS_DEFAULTED[1][1]);
                 });
    const CFixture* f = L.Match(1, 1);
    EXPECT_EQ((V{int(f->m_nAverage[1][CFixture::SlotOf(1, 0)]), int(f->m_nAverage[1][CFixture::SlotOf(1, 1)]),
                 int(f->m_nTeamAverage[1][1])}),
              (V{180, 170, 350}));
    EXPECT_EQ((V{int(f->m_nTeamHandicap[0][0]), int(f->m_nTeamHandicap[0][1]), int(f->m_nTeamHandicap[1][1])}),
              (V{32, 32, 0}));
    EXPECT_EQ((V{f->GetSeriesScore(0, TRUE), f->GetSeriesScore(1, TRUE)}), (V{674, 690}));
    EXPECT_EQ(PointsWon(L, PASS_HANDICAP), (V{2, 4}));
}

// Team handicaps, "Use Combined definition.", 80 % of 200, with "Round 1 Scratch".
//   Round 1 Team 1 v Team 4 is scratch: 330, 325 (655) against 355, 330 (685): all 3 points to 4.
//   Round 2 Team 3 v Team 1 on the averages after round 1:
//     Team 1 345 / 2 = 172 and 310 / 2 = 155: 327, (400 - 327) x 80 / 100 = 58
//     Team 3 150 + 150 = 300,                    (400 - 300) x 80 / 100 = 80
//     Team 1 180 + 150, 170 + 160: 330 + 58 = 388 twice (776); Team 3 300 + 80 = 380 twice (760).
TEST(RulesWorked, TeamHandicapCombinedDefinitionAfterAScratchRound1)
{
    WorkedLeague L(4, 2, 2, 3);
    L.doc.m_bTeamHandicaps = 1;
    L.doc.m_bRound1Scratch = 1;
    EnterTeamHandicapRound1(L);
    CFixture* f1 = L.Match(1, 1);
    EXPECT_EQ((V{int(f1->m_nTeamHandicap[0][4]), int(f1->m_nTeamHandicap[1][4])}), (V{0, 0}));
    EXPECT_EQ(PointsWon(L, PASS_HANDICAP), (V{0, 3, 3, 6}));

    L.EnterRound(2, {{1, {{180, 170}, {150, 160}}}});
    CFixture* f2 = L.Match(2, 1);
    const int s = WorkedLeague::SideOf(f2, 1);
    EXPECT_EQ((V{int(f2->m_nTeamAverage[s][0]), int(f2->m_nTeamAverage[1 - s][0])}), (V{327, 300}));
    EXPECT_EQ((V{int(f2->m_nTeamHandicap[s][0]), int(f2->m_nTeamHandicap[1 - s][0])}), (V{58, 80}));
    EXPECT_EQ((V{f2->GetSeriesScore(s, TRUE), f2->GetSeriesScore(1 - s, TRUE)}), (V{776, 760}));
    EXPECT_EQ(PointsWon(L, PASS_HANDICAP)[0], 6);
}

// Men 200 / 80 %, women 210 / 80 %, juniors 220 / 80 %, every bowler averaging 150:
//   man (200 - 150) x 80 / 100 = 40, woman 60 x 80 / 100 = 48, junior girl and boy 70 x 80 / 100 = 56.
// Team 1 (a man and a woman) bowls 900 pins in three games: with handicap 900 + 3 x 88 = 1 164.
TEST(RulesWorked, SeparateRuleSetsForMenWomenAndJuniors)
{
    WorkedLeague L(4, 2, 3, 3);
    L.doc.m_bOneRuleForAll = 0;
    L.doc.m_bMenRule = L.doc.m_bWomenRule = L.doc.m_bJuniorsRule = 1;
    const WORD basis[] = {200, 200, 210, 220};
    for (int r = HCP_RULE_MEN; r <= HCP_RULE_JUNIORS; ++r) {
        L.doc.m_HcpRule[r].m_nBasis = basis[r];
        L.doc.m_HcpRule[r].m_nPercent = 80;
    }
    L.Player(12)->m_wFlags = PF_FEMALE;
    L.Player(21)->m_wFlags = PF_JUNIOR | PF_FEMALE;
    L.Player(22)->m_wFlags = PF_JUNIOR | PF_MALE;
    L.EnterRound(1, {});
    EXPECT_EQ(SlotFigures(L, 1, 11), (V{40, 40, 40, 150}));
    EXPECT_EQ(SlotFigures(L, 1, 12), (V{48, 48, 48, 150}));
    EXPECT_EQ(SlotFigures(L, 1, 21), (V{56, 56, 56, 150}));
    EXPECT_EQ(L.Team(1)->m_nPins[PASS_HANDICAP], 1164u);
    EXPECT_EQ((V{L.Player(11)->m_nHandicap, L.Player(12)->m_nHandicap, L.Player(21)->m_nHandicap,
                 L.Player(22)->m_nHandicap}),
              (V{40, 48, 56, 56}));
}

namespace {

// Marks bowlers of team t blind, {position, game} counted from 0, through the Blind Scores
// dialog.
WorkedLeague::Before Blind(int nTeam, std::vector<std::pair<int, int>> games)
{
    return [nTeam, games](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
        if (f->m_nTeamA != nTeam && f->m_nTeamB != nTeam)
            return;
        sheet.Click(IDC_SS_BLINDS[WorkedLeague::SideOf(f, nTeam)]);
        Sheet& blinds = ui.OnDialog(IDD_DOUBLES_BLIND_SCORES);
        for (auto [nPos, g] : games)
            blinds.Click(IDC_BLIND_BOX[nPos][g]);
        blinds.OK();
    };
}

// The blind scores of team t's match of the round, {position, game} counted from 0.
V BlindScores(WorkedLeague& L, int nRound, int nTeam, std::vector<std::pair<int, int>> games)
{
    CFixture* f = L.Match(nRound, nTeam);
    const int s = WorkedLeague::SideOf(f, nTeam);
    V v;
    for (auto [nPos, g] : games)
        v.push_back(f->m_nScore[g][CFixture::SlotOf(s, nPos)]);
    return v;
}

} // namespace

// The incremental blind method, step 10, flat score 100. Bowler 12 (entering average 160.0)
// bowls 160 in the games he is there for.
//   Round 1, blind in game 3: 160 - 10 x (0 + 1) = 150.
//   Round 2, blind in games 1 and 2, one blind game before: 160 - 10 x 2 = 140, then 160 - 10 x 3
//   = 130.
// His figures: 3 games, 480 pins, 3 blind games; Team 1 counts the blind scores.
TEST(RulesWorked, IncrementalBlindScores)
{
    WorkedLeague L(4, 2, 3, 3);
    CBlindScore& rule = L.doc.m_BlindScore[3];
    rule.m_nMethod = CBlindScore::methodIncremental;
    rule.m_nStep = 10;
    rule.m_nFlatScore = 100;
    L.Player(12)->SetEnteringAverage(1600);
    L.EnterRound(1, {{1, {{150, 150, 150}, {160, 160, 0}}}}, Blind(1, {{1, 2}}));
    EXPECT_EQ(BlindScores(L, 1, 1, {{1, 2}}), (V{150}));
    L.EnterRound(2, {{1, {{150, 150, 150}, {0, 0, 160}}}}, Blind(1, {{1, 0}, {1, 1}}));
    EXPECT_EQ(BlindScores(L, 2, 1, {{1, 0}, {1, 1}, {1, 2}}), (V{140, 130, 160}));

    CPlayer* p = L.Player(12);
    EXPECT_EQ((V{int(p->m_nGames[PASS_HANDICAP]), int(p->m_nPins[PASS_HANDICAP]), p->m_nBlindGames[PASS_HANDICAP]}),
              (V{3, 480, 3}));
    EXPECT_EQ(L.Team(1)->m_nHcpScrPins, 900u + 160 + 160 + 150 + 140 + 130 + 160);
}

// The same, the league counting blind games per team. Bowler 11 (entering 150.0) is blind in
// game 1 of round 1 as well: 150 - 10 x 1 = 140; Bowler 12's game 3 is the team's second:
// 160 - 10 x 2 = 140. Round 2, two team blind games before: 160 - 30 = 130, then 160 - 40 = 120.
TEST(RulesWorked, IncrementalBlindScoresCountedPerTeam)
{
    WorkedLeague L(4, 2, 3, 3);
    CBlindScore& rule = L.doc.m_BlindScore[3];
    rule.m_nMethod = CBlindScore::methodIncremental;
    rule.m_nStep = 10;
    rule.m_nFlatScore = 100;
    L.doc.m_bBlindGamesPerTeam = 1;
    L.Player(11)->SetEnteringAverage(1500);
    L.Player(12)->SetEnteringAverage(1600);
    L.EnterRound(1, {{1, {{0, 150, 150}, {160, 160, 0}}}}, Blind(1, {{0, 0}, {1, 2}}));
    EXPECT_EQ(BlindScores(L, 1, 1, {{0, 0}, {1, 2}}), (V{140, 140}));
    L.EnterRound(2, {{1, {{150, 150, 150}, {0, 0, 160}}}}, Blind(1, {{1, 0}, {1, 1}}));
    EXPECT_EQ(BlindScores(L, 2, 1, {{1, 0}, {1, 1}}), (V{130, 120}));
    EXPECT_EQ(L.Team(1)->m_nBlindGames[PASS_HANDICAP], 4);
}

// Bonus points, a handicap league of doubles. Team points 1 a game and 1 for the series; an
// over-average rule of 25 pins and 1 point a game, a series rule of 30 pins and 1 point, and 1
// point for the highest team game with handicap. Most a side can take: 4 + (3 + 1) x 2 + 1 = 13.
//   Bowler 11 (entering 160.0, handicap 32) 186 185 160: game 1 earns (186 > 185), game 2 does
//   not (185 is not over 185); the series 531 earns (over 3 x 160 + 30 = 510).
//   Team 1 with handicap 408 407 382 (1 197) against Team 4's 380 380 380: all 4 team points,
//   the highest team game: 4 + 2 + 1 = 7 points. With "accept equal scores" game 2 earns: 8.
TEST(RulesWorked, BonusPointsOverAverageSeriesAndHighTeamGame)
{
    for (const DWORD bAcceptEqual : {0u, 1u}) {
        WorkedLeague L(4, 2, 3, 3);
        OnePointAGameAndSeries(L.doc.m_HcpPoints, 3);
        for (const BYTE bSeries : {0, 1}) {
            auto* pRule = new CBonusPts;
            pRule->m_nKind = CBonusPts::kindOverAverage;
            pRule->m_bSeries = bSeries;
            pRule->m_nPins = bSeries ? 30 : 25;
            pRule->m_nPoints = 2;
            L.doc.m_listBonusPts.AddTail(pRule);
        }
        L.doc.m_bBonusHiTeamGameHcp = 1;
        L.doc.m_nBonusHiTeamGameHcpPts = 2;
        L.doc.m_bBonusAcceptEqual = bAcceptEqual;
        L.doc.UpdateMaxMatchPoints();
        ASSERT_EQ(L.doc.m_nMaxHandicapPoints, 26);
        L.Player(11)->SetEnteringAverage(1600);
        for (int no : {12, 21, 22, 31, 32, 41, 42})
            L.Player(no)->SetEnteringAverage(1500);
        L.EnterRound(1, {{1, {{186, 185, 160}, {150, 150, 150}}}});

        CFixture* f = L.Match(1, 1);
        const int s = WorkedLeague::SideOf(f, 1);
        EXPECT_EQ((V{f->GetGameScore(s, 0, TRUE), f->GetGameScore(s, 1, TRUE), f->GetSeriesScore(s, TRUE),
                     f->GetSeriesScore(1 - s, TRUE)}),
                  (V{408, 407, 1197, 1140}));
        const int nBonus = bAcceptEqual ? 8 : 6;
        EXPECT_EQ((V{f->m_nHandicapBonusPoints[s], f->m_nHandicapMatchPoints[s], f->m_nHandicapMatchPoints[1 - s]}),
                  (V{nBonus, 8 + nBonus, 0}))
            << bAcceptEqual;
        EXPECT_EQ((V{L.Team(1)->m_nPointsWon[PASS_HANDICAP], L.Team(1)->m_nPointsLost[PASS_HANDICAP],
                     L.Team(4)->m_nPointsLost[PASS_HANDICAP]}),
                  (V{8 + nBonus, 26 - 8 - nBonus, 26}));
    }
}

// Pinfall points on the scratch series, 50 pins a point; team points 1 a game. Scratch league.
//   Team 1 400 420 414: series 1 234 = 24 points and 34 pins: 24.34 (0.01 a pin) or 24.68 (a
//   share of a point), plus 3 team points: 27.34 or 27.68.
//   Team 4 300 300 300: 900 = 18 points exactly, nothing else. Points are hundredths.
TEST(RulesWorked, PinfallPointsOnTheSeries)
{
    for (const DWORD nMode : {0u, 1u}) {
        WorkedLeague L(4, 2, 3, 3);
        L.doc.m_bHandicapLeague = 0;
        L.doc.m_bScratchLeague = 1;
        L.doc.m_ScrPoints.m_bTeam = 1;
        for (int g = 0; g < 3; ++g)
            L.doc.m_ScrPoints.m_nTeamGame[g] = 2;
        L.doc.m_Petersen.m_bScratch = 1;
        L.doc.m_Petersen.m_bColumn[PASS_SCRATCH][4] = 1;
        L.doc.m_Petersen.m_nPinsPerPoint[PASS_SCRATCH][4] = 50;
        L.doc.m_Petersen.m_nRemainderMode = nMode;
        L.doc.UpdateMaxMatchPoints();
        L.EnterRound(1, {{1, {{200, 210, 207}, {200, 210, 207}}}});
        CFixture* f = L.Match(1, 1);
        const int s = WorkedLeague::SideOf(f, 1);
        const int nTeam1 = nMode ? 2768 : 2734;
        EXPECT_EQ((V{f->m_nScratchMatchPoints[s], f->m_nScratchMatchPoints[1 - s]}), (V{nTeam1, 1800})) << nMode;
        // Teams 2 and 3 tie 900 to 900: half of each team point and 18 pinfall points each.
        EXPECT_EQ(PointsWon(L, PASS_SCRATCH), (V{nTeam1, 150 + 1800, 150 + 1800, 1800})) << nMode;
    }
}

// "Cycle opponent each game", threes, individual points 1 a game and 1 for the series, scratch.
//   Team 1: 200s, 150s, 100s; Team 4: 180s, 160s, 120s, every game.
//   Game 1  A1-B1 200:180 A, A2-B2 150:160 B, A3-B3 100:120 B
//   Game 2  A1-B2 200:160 A, A2-B3 150:120 A, A3-B1 100:180 B
//   Game 3  A1-B3 200:120 A, A2-B1 150:180 B, A3-B2 100:160 B
//   Series on the game-1 pairs: A1 600:540 A, A2 450:480 B, A3 300:360 B
//   Team 1 5 points, Team 4 7. Half wins: 11 6, 12 2, 13 0; 41 4, 42 4, 43 2.
TEST(RulesWorked, CycleOpponentEachGame)
{
    WorkedLeague L(4, 3, 3, 3);
    L.doc.m_bHandicapLeague = 0;
    L.doc.m_bScratchLeague = 1;
    L.doc.m_bCycleOpponent = 1;
    CPointsRule& rule = L.doc.m_ScrPoints;
    rule.m_bIndividual = 1;
    for (int g = 0; g < 3; ++g)
        rule.m_nIndividualGame[g] = 2;
    rule.m_nIndividualSeries = 2;
    L.doc.UpdateMaxMatchPoints();
    L.EnterRound(1, {{1, {{200, 200, 200}, {150, 150, 150}, {100, 100, 100}}},
                     {4, {{180, 180, 180}, {160, 160, 160}, {120, 120, 120}}}});
    CFixture* f = L.Match(1, 1);
    ASSERT_EQ(WorkedLeague::SideOf(f, 1), 0);
    auto row = [f](int s, int p) {
        const int* r = f->m_wScratchPoints[s][p];
        return V{r[0], r[1], r[2], r[4]};
    };
    EXPECT_EQ(row(0, 0), (V{2, 2, 2, 2}));
    EXPECT_EQ(row(0, 1), (V{0, 2, 0, 0}));
    EXPECT_EQ(row(0, 2), (V{0, 0, 0, 0}));
    EXPECT_EQ(row(1, 0), (V{0, 2, 2, 0}));
    EXPECT_EQ(row(1, 1), (V{2, 0, 2, 2}));
    EXPECT_EQ(row(1, 2), (V{2, 0, 0, 2}));
    EXPECT_EQ((V{f->m_nScratchMatchPoints[0], f->m_nScratchMatchPoints[1]}), (V{10, 14}));
    V wins;
    for (int no : {11, 12, 13, 41, 42, 43})
        wins.push_back(int(L.Player(no)->m_nWins[PASS_SCRATCH]));
    EXPECT_EQ(wins, (V{6, 2, 0, 4, 4, 2}));
}

// A "Non Qual" game, entered in Substitutions with its score (210) and handicap (0): Bowler 12
// (entering 150.0, handicap 40) bowls 150, [210], 160. It counts for Team 1, not for him:
//   Bowler 12: 2 games, 310 pins, high game 160, no three-game series; next average 155,
//   handicap (200 - 155) x 80 / 100 = 36.
//   Team 1's pins 450 + 150 + 210 + 160 = 970; with handicap 970 + 3 x 40 + 40 + 0 + 40 = 1 170.
TEST(RulesWorked, NonQualifyingGameCountsForTheTeamOnly)
{
    WorkedLeague L(4, 2, 3, 3);
    for (int no : {11, 12})
        L.Player(no)->SetEnteringAverage(1500);
    L.EnterRound(1, {{1, {{150, 150, 150}, {150, 0, 160}}}}, [](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
        if (f->m_nTeamA != 1 && f->m_nTeamB != 1)
            return;
        sheet.Click(IDC_SS_SUBS[WorkedLeague::SideOf(f, 1)]);
        ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[1]).OK();
        ui.OnDialog(IDD_SUBSTITUTIONS).Click(IDC_SUB_NONQUAL[1]).SetText(IDC_SUB_SCORE[1], "210").OK();
        ui.AnswerMessageBox(IDYES, "Score and handicap for non-qualifying results can only be amended here.");
    });
    CPlayer* p = L.Player(12);
    EXPECT_EQ(Figures(p, PASS_HANDICAP), (V{2, 310, 160, 0}));
    EXPECT_EQ((V{p->m_nAverage, p->m_nHandicap}), (V{155, 36}));
    EXPECT_EQ((V{int(L.Team(1)->m_nHcpScrPins), int(L.Team(1)->m_nPins[PASS_HANDICAP])}), (V{970, 1170}));
}

// A position round scored on scratch, in a league of both systems: doubles, two games, team
// points 1 a game and 1 for the series in each. Teams bowl 200s, 180s, 160s and 140s (handicaps
// 0, 16, 32, 48 at 80 % of 200), so every match goes the same way in both systems:
//   after round 2  Team 1 and Team 2 6 points each (Team 1 ahead on pinfall), 3 and 4 none.
//   Round 3, set from the scratch standings: Team 1 v Team 2 (150s against 180s: Team 2),
//   Team 3 v Team 4 (Team 3). Scratch standings 6, 9, 3, 0; the handicap standings do not
//   count the round: 6, 6, 0, 0, and neither do the bowlers' handicap figures (Bowler 11:
//   4 games there, 6 in the scratch set). Scored both ways: handicap 6, 9, 3, 0 as well.
TEST(RulesWorked, PositionRoundScoredOnOneSystem)
{
    for (const DWORD bBothWays : {0u, 1u}) {
        WorkedLeague L(4, 2, 2, 3);
        L.doc.m_bScratchLeague = 1;
        L.doc.m_bPositionBothWays = bBothWays;
        OnePointAGameAndSeries(L.doc.m_HcpPoints, 2);
        OnePointAGameAndSeries(L.doc.m_ScrPoints, 2);
        L.doc.UpdateMaxMatchPoints();
        ASSERT_TRUE(FixtureCalendar::InsertPositionRound(L.doc, 3, true, CTimeSpan(7, 0, 0, 0)));
        const std::map<int, Lineup> usual = {{1, {{200, 200}, {200, 200}}}, {2, {{180, 180}, {180, 180}}},
                                             {3, {{160, 160}, {160, 160}}}, {4, {{140, 140}, {140, 140}}}};
        L.EnterRound(1, usual);
        L.EnterRound(2, usual);
        EXPECT_EQ(PointsWon(L, PASS_SCRATCH), (V{12, 12, 0, 0}));
        std::map<int, Lineup> round3 = usual;
        round3[1] = {{150, 150}, {150, 150}};
        L.EnterRound(3, round3, {}, 150,
                     {"There is a position round match which has not been set.  Would you like it set now?"});
        CFixture* f = L.Match(3, 1);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ((V{f->m_nTeamA, f->m_nTeamB, L.Match(3, 3)->m_nTeamA, L.Match(3, 3)->m_nTeamB}), (V{1, 2, 3, 4}));
        EXPECT_EQ(PointsWon(L, PASS_SCRATCH), (V{12, 18, 6, 0})) << bBothWays;
        EXPECT_EQ(PointsWon(L, PASS_HANDICAP), bBothWays ? (V{12, 18, 6, 0}) : (V{12, 12, 0, 0}));
        CPlayer* p = L.Player(11);
        EXPECT_EQ((V{int(p->m_nGames[PASS_HANDICAP]), int(p->m_nGames[PASS_SCRATCH])}),
                  (V{bBothWays ? 6 : 4, 6}));
    }
}

// The same position round reached by Result > First Unplayed Match with the current round 3:
// the round is set, entered and counted, and the current round stays 3.
TEST(RulesWorked, PositionRoundThroughFirstUnplayedMatch)
{
    WorkedLeague L(4, 2, 2, 3);
    L.doc.m_bScratchLeague = 1;
    OnePointAGameAndSeries(L.doc.m_HcpPoints, 2);
    OnePointAGameAndSeries(L.doc.m_ScrPoints, 2);
    L.doc.UpdateMaxMatchPoints();
    ASSERT_TRUE(FixtureCalendar::InsertPositionRound(L.doc, 3, true, CTimeSpan(7, 0, 0, 0)));
    std::map<int, Lineup> scores = {{1, {{200, 200}, {200, 200}}}, {2, {{180, 180}, {180, 180}}},
                                    {3, {{160, 160}, {160, 160}}}, {4, {{140, 140}, {140, 140}}}};
    L.EnterRound(1, scores);
    L.EnterRound(2, scores);
    L.SetRound(3);
    scores[1] = {{150, 150}, {150, 150}};
    CScriptedBackend ui;
    ui.AnswerMessageBox(IDYES, "There is a position round match which has not been set.");
    L.QueueSheets(ui, 3, scores);
    ui.OnDialog(L.SheetIDD()).Cancel(); // round 4 waits for next week
    OnResultFirstUnplayedMatch(L.doc);
    EXPECT_EQ(L.doc.m_nCurrentRound, 3);
    EXPECT_EQ(PointsWon(L, PASS_SCRATCH), (V{12, 18, 6, 0}));
    EXPECT_EQ(PointsWon(L, PASS_HANDICAP), (V{12, 12, 0, 0}));
}

// A handicap maximum and minimum with a truncated rolling average of 3: 100 % of 220, maximum
// 60, minimum -10, both applied. Singles.
//   Round 1  Bowler 11 150s: (220 - 150) = 70, held to 60.  Bowler 21 100s: 120, held to 60.
//   Round 2  Bowler 11 210 220 230: the window's 220 gives 0 (his season's 185 would give 35).
//            Bowler 21 250s: the window's 250 gives -30, raised to -10 (season 175: 45).
TEST(RulesWorked, HandicapMaximumAndMinimumOnTheRollingAverage)
{
    WorkedLeague L(4, 1, 3, 4);
    L.doc.m_bTruncatedRollingAvg = 1;
    L.doc.m_nRollingAvgGames = 3;
    CHandicapRule& rule = L.doc.m_HcpRule[HCP_RULE_ALL];
    rule.m_nBasis = 220;
    rule.m_nPercent = 100;
    rule.m_nMax = 60;
    rule.m_bApplyMax = 1;
    rule.m_nMin = -10;
    rule.m_bApplyMin = 1;
    L.EnterRound(1, {{1, {{150, 150, 150}}}, {2, {{100, 100, 100}}}});
    EXPECT_EQ(SlotFigures(L, 1, 11), (V{60, 60, 60, 150}));
    EXPECT_EQ(SlotFigures(L, 1, 21), (V{60, 60, 60, 100}));
    L.EnterRound(2, {{1, {{210, 220, 230}}}, {2, {{250, 250, 250}}}});
    EXPECT_EQ(SlotFigures(L, 2, 11), (V{60, 60, 60, 150}));
    EXPECT_EQ((V{L.Player(11)->m_nAverage, L.Player(11)->m_nHandicap, L.Player(21)->m_nAverage,
                 L.Player(21)->m_nHandicap}),
              (V{220, 0, 250, -10}));
    L.SetRound(3);
    L.LookAtSheet(3, 2, [](CDialog&, CFixture* f) {
        const int k = CFixture::SlotOf(WorkedLeague::SideOf(f, 2), 0);
        EXPECT_EQ(f->m_nHandicap[0][k], -10);
    });
}
