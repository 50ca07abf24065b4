// The most points of a match, points won and lost, and a blind game on its opponent's
// handicap, each on the smallest league: two teams of one bowler, handicap 80 % of 200, one
// handicap team point a game unless the case says otherwise, entered through Result > Enter
// Results. Each case is a worked example of docs/scoring.md (3.2, 4.1, 4.6, 4.8, 4.9).
#include "WorkedLeague.h"
#include "admin/FixtureCalendar.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using V = std::vector<int>;

void OnePointAGame(CPointsRule& rule, int nGames)
{
    rule.m_bTeam = 1;
    for (int g = 0; g < nGames; ++g)
        rule.m_nTeamGame[g] = 2;
}

void AddOverAverageRule(CBowlingDoc& doc, BYTE nPoints, BYTE bHandicap = 0, BYTE bSeries = 0, WORD nPins = 0)
{
    auto* pRule = new CBonusPts;
    pRule->m_nKind = CBonusPts::kindOverAverage;
    pRule->m_nPoints = nPoints;
    pRule->m_bHandicap = bHandicap;
    pRule->m_bSeries = bSeries;
    pRule->m_nPins = nPins;
    doc.m_listBonusPts.AddTail(pRule);
}

// On Team 1's scoresheet: Subs, and in Substitutions floating substitute pszSub paces game 1
// only; Bowler 11 bowls the other games himself.
void PaceGame1Only(CScriptedBackend& ui, Sheet& sheet, const char* pszSub)
{
    sheet.Click(IDC_SS_SUBS[0]);
    ui.OnDialog(IDD_SUBSTITUTIONS)
        .Click(IDC_SUB_FROM_FLOATING)
        .Click(IDC_SUB_ASSIGN_ALL)
        .SelectString(IDC_SUB_PLAYER[0], pszSub)
        .Click(IDC_SUB_PACER[0])
        .OK();
}

// Flat 120 blind scores on the opponent's handicap, for Bowler 11 blind in game 1 against
// Team 2's defaulted game 1 and its new Bowler 21.
void BlindOnTheOpponentsHandicap(WorkedLeague& L)
{
    CBlindScore& rule = L.doc.m_BlindScore[3];
    rule.m_nMethod = CBlindScore::methodFlat;
    rule.m_nFlatScore = 120;
    rule.m_nHandicapMethod = CBlindScore::hcpOpponents;
    L.Player(21)->SetEnteringAverage(0);
}

void BlindAgainstADefault(CScriptedBackend& ui, Sheet& sheet, CFixture* f)
{
    ASSERT_EQ(f->m_nTeamA, 1);
    sheet.Click(IDC_SS_BLINDS[0]);
    ui.OnDialog(IDD_SINGLES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][0]).OK();
    sheet.Click(IDC_SS_DEFAULTED[1][0]);
}

// Both systems, one team point a game in each.
void BothSystems(WorkedLeague& L)
{
    L.doc.m_bScratchLeague = 1;
    OnePointAGame(L.doc.m_ScrPoints, L.doc.m_nGamesPerMatch);
}

struct Case
{
    const char* name;
    int nGames;
    std::function<void(WorkedLeague&)> rules;
    // Each round's games of Team 1 and Team 2; the last round may be a position round.
    std::vector<std::pair<Games, Games>> rounds;
    std::function<void(WorkedLeague&, CScriptedBackend&, Sheet&, CFixture*)> before;
    // Handicap won and lost of Team 1 and Team 2, then the same on scratch, then Team 1's
    // pinfall with handicap.
    V figures;
};

} // namespace

TEST(MatchPointsWorked, MostPointsPointsLostAndBlindHandicaps)
{
    const std::string kSetPosition = "There is a position round match which has not been set.  Would you like it set now?";
    const Case cases[] = {
        // 180 v 150, handicaps 40: Team 1 wins 2-0 scratch; with handicap 220 v 190 and the
        // highest team game, 4-0. Scratch most 2, handicap most 2 + 2 = 4.
        {"the highest-team-game bonus with handicap only", 1,
         [](WorkedLeague& L) {
             BothSystems(L);
             L.doc.m_bBonusHiTeamGameHcp = 1;
             L.doc.m_nBonusHiTeamGameHcpPts = 2;
         },
         {{{180}, {150}}}, {}, V{4, 0, 0, 4, 2, 0, 0, 2, 220}},
        // Both bonuses on, 1 point with handicap and 2 on scratch: each most takes its own.
        {"both highest-team-game bonuses", 1,
         [](WorkedLeague& L) {
             BothSystems(L);
             L.doc.m_bBonusHiTeamGameHcp = 1;
             L.doc.m_nBonusHiTeamGameHcpPts = 2;
             L.doc.m_bBonusHiTeamGameScr = 1;
             L.doc.m_nBonusHiTeamGameScrPts = 4;
         },
         {{{180}, {150}}}, {}, V{4, 0, 0, 4, 6, 0, 0, 6, 220}},
        // A bonus rule of a league of both systems is worked on scratch only: 180 beats his
        // 150, scratch most 2 + 2, handicap most 2.
        {"a bonus rule with both systems", 1,
         [](WorkedLeague& L) {
             BothSystems(L);
             AddOverAverageRule(L.doc, 2);
         },
         {{{180}, {150}}}, {}, V{2, 0, 0, 2, 4, 0, 0, 4, 220}},
        // A rule marked handicap is never worked: it wins nothing and the most stays 2.
        {"a bonus rule marked handicap", 1, [](WorkedLeague& L) { AddOverAverageRule(L.doc, 2, 1); },
         {{{180}, {150}}}, {}, V{2, 0, 0, 2, 0, 0, 0, 0, 220}},
        // Forty rules of 127½ points: Team 1 wins 2 + 40 x 255 = 10 202 half points against
        // the league's most of 9 999, and loses none.
        {"bonus rules beyond the most a league keeps", 1,
         [](WorkedLeague& L) {
             for (int i = 0; i < 40; ++i)
                 AddOverAverageRule(L.doc, 255);
         },
         {{{180}, {150}}}, {}, V{10202, 0, 0, 9999, 0, 0, 0, 0, 220}},
        // Round 2 a position round set from the scratch standings, its match marked to score
        // handicap only: it follows its round, 150 v 180 to Team 2 on scratch; the handicap
        // standings keep round 1 alone.
        {"a position round marked to score the other system", 1,
         [](WorkedLeague& L) {
             BothSystems(L);
             ASSERT_TRUE(FixtureCalendar::InsertPositionRound(L.doc, 2, true, CTimeSpan(7, 0, 0, 0)));
             CFixture* f = L.doc.FindFixtureByRoundMatch(2, 1);
             ASSERT_NE(f, nullptr);
             f->m_bOneSystem = 1;
             f->m_bOneSystemScratch = 0;
         },
         {{{180}, {150}}, {{150}, {180}}}, {}, V{2, 0, 0, 2, 2, 2, 2, 2, 220}},
        // Two games, flat 120 on the opponent's handicap, no robot scores. Bowler 11 (150.0,
        // handicap 40) blind in game 1, then 150; Team 2 defaults game 1, new Bowler 21 bowls
        // 160 (handicap 32). The defaulted cell's handicap is 0: 120 + 0 + 150 + 40 = 310.
        // Game 1 goes to Team 1 outright, game 2 190 v 192 to Team 2.
        {"a blind game on the handicap of a defaulted game", 2, BlindOnTheOpponentsHandicap, {{{0, 150}, {0, 160}}},
         [](WorkedLeague&, CScriptedBackend& ui, Sheet& sheet, CFixture* f) { BlindAgainstADefault(ui, sheet, f); },
         V{2, 2, 2, 2, 0, 0, 0, 0, 310}},
        // The same, the league playing against robot scores with rule 1 (flat 130, handicap
        // 25): the defaulted game is the robot's 130 + 25, so the blind game's handicap is 25:
        // 120 + 25 + 150 + 40 = 335. Game 1: 145 does not beat the robot's 155, and a defaulted
        // side takes nothing: nobody scores it; game 2 190 v 192 to Team 2.
        {"a blind game on the robot's handicap of a defaulted game", 2,
         [](WorkedLeague& L) {
             BlindOnTheOpponentsHandicap(L);
             L.doc.m_dwRobotIfDefault = 1;
             L.doc.m_Robot[0].m_nFlatScore = 130;
             L.doc.m_Robot[0].m_nFlatHandicap = 25;
         },
         {{{0, 150}, {0, 160}}},
         [](WorkedLeague&, CScriptedBackend& ui, Sheet& sheet, CFixture* f) { BlindAgainstADefault(ui, sheet, f); },
         V{0, 4, 2, 2, 0, 0, 0, 0, 335}},
        // Bowler 11 (150.0) away; floating substitute Bowler 91 (200.0, handicap 0) paces his
        // game with 180. An over-average rule of 1 point judges the pacer: 180 is under his 200,
        // so no bonus (on Bowler 11's 150 it would have won). 180 + 0 v 150 + 40: Team 2 2-0;
        // the most is 2 + 2.
        {"a pacer's game judged on the pacer's average", 1,
         [](WorkedLeague& L) {
             L.AddBowler(0, 91)->SetEnteringAverage(2000);
             L.doc.BuildFloatingSubs();
             AddOverAverageRule(L.doc, 2);
         },
         {{{180}, {150}}},
         [](WorkedLeague& L, CScriptedBackend& ui, Sheet& sheet, CFixture* f) { L.PaceGame1(ui, sheet, f, 1, 0, "Bowler 91"); },
         V{0, 4, 2, 2, 0, 0, 0, 0, 180}},
        // Three games, a series rule of 30 pins and 1 point. Bowler 11 (150.0, handicap 40) is
        // late: Bowler 91 (140.0, handicap 48) paces game 1 with 155, Bowler 11 bowls 160 and
        // 160. The position's 475 is judged on the averages its games were bowled on: 140 + 150
        // + 150 + 30 = 470, earned (on Bowler 11's 3 x 150 + 30 = 480 it would not be). With
        // handicap 203, 200, 200 against 190s: 3 points and the bonus, 8 of the most 8.
        {"a shared position's series on its bowlers' averages", 3,
         [](WorkedLeague& L) {
             L.AddBowler(0, 91)->SetEnteringAverage(1400);
             L.doc.BuildFloatingSubs();
             AddOverAverageRule(L.doc, 2, 0, 1, 30);
         },
         {{{155, 160, 160}, {150, 150, 150}}},
         [](WorkedLeague&, CScriptedBackend& ui, Sheet& sheet, CFixture*) { PaceGame1Only(ui, sheet, "Bowler 91"); },
         V{8, 0, 0, 8, 0, 0, 0, 0, 603}},
        // A pacer without any average earns nothing: new floating substitute Bowler 92 (no
        // entering average) paces Bowler 11's game with 180 while "Exclude Pacers Games" is
        // ticked, so no game of his counts to give him one; no handicap either. An over-average
        // rule of 0 pins and 1 point: no bonus. 180 v 190 to Team 2.
        {"a pacer without an average", 1,
         [](WorkedLeague& L) {
             L.AddBowler(0, 92);
             L.doc.BuildFloatingSubs();
             AddOverAverageRule(L.doc, 2);
             CScriptedBackend ui;
             ui.OnDialog(IDD_HI_AWARD_QUALIFY).Click(IDC_HAQ_EXCLUDE_PACERS).OK();
             ASSERT_TRUE(EditHiAwardQualifying(&L.doc));
         },
         {{{180}, {150}}},
         [](WorkedLeague& L, CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
             L.PaceGame1(ui, sheet, f, 1, 0, "Bowler 92");
         },
         V{0, 4, 2, 2, 0, 0, 0, 0, 180}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WorkedLeague L(2, 1, c.nGames, 1);
        OnePointAGame(L.doc.m_HcpPoints, c.nGames);
        L.Player(11)->SetEnteringAverage(1500);
        L.Player(21)->SetEnteringAverage(1500);
        c.rules(L);
        L.doc.UpdateMaxMatchPoints();
        L.doc.Recalculate();
        for (size_t r = 0; r < c.rounds.size(); ++r) {
            const bool bPosition = L.doc.FindFixtureByRoundMatch(int(r) + 1, 1)->m_bPositionRound != 0;
            WorkedLeague::Before before;
            if (c.before)
                before = [&](CScriptedBackend& ui, Sheet& sheet, CFixture* f) { c.before(L, ui, sheet, f); };
            L.EnterRound(int(r) + 1, {{1, {c.rounds[r].first}}, {2, {c.rounds[r].second}}}, before, 150,
                         bPosition ? std::vector<std::string>{kSetPosition} : std::vector<std::string>{});
        }
        V figures;
        for (int nPass : {PASS_HANDICAP, PASS_SCRATCH})
            for (int t : {1, 2})
                figures.insert(figures.end(), {L.Team(t)->m_nPointsWon[nPass], L.Team(t)->m_nPointsLost[nPass]});
        figures.push_back(int(L.Team(1)->m_nPins[PASS_HANDICAP]));
        EXPECT_EQ(figures, c.figures);
    }
}
