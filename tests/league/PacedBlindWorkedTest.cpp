// A blind or Non Qual game with a pacer bowling beside it, entered round by round through the
// scoresheets in either order of the companion dialogs: the cell stays the absent bowler's, on
// his figures, and the pacer bowls his own game on his. Each case is a worked example of
// docs/scoring.md (1.9, 3.2).
#include "RealDialogs.h"
#include "WorkedLeague.h"
#include "league/Rules.h"
#include "league/Scoring.h"
#include "results/ResultEntry.h"

#include <gtest/gtest.h>

#include <QTest>

#include <string>
#include <vector>

namespace {

using V = std::vector<int>;

// One handicap team point a game, as Handicap Details leaves it for these leagues.
void OnePointAGame(WorkedLeague& L)
{
    L.doc.m_HcpPoints.m_bTeam = 1;
    for (int g = 0; g < L.doc.m_nGamesPerMatch; ++g)
        L.doc.m_HcpPoints.m_nTeamGame[g] = 2;
    L.doc.UpdateMaxMatchPoints();
}

// On team t's scoresheet: Blinds, the bowler at nPos blind in game g (counted from 0), or no
// longer blind when he was.
void ClickBlind(CScriptedBackend& ui, Sheet& sheet, const WorkedLeague& L, CFixture* f, int nTeam, int nPos, int g)
{
    static const UINT ids[] = {IDD_SINGLES_BLIND_SCORES, IDD_DOUBLES_BLIND_SCORES};
    sheet.Click(IDC_SS_BLINDS[WorkedLeague::SideOf(f, nTeam)]);
    ui.OnDialog(ids[L.doc.m_nPlayersPerTeam - 1]).Click(IDC_BLIND_BOX[nPos][g]).OK();
}

// On team t's scoresheet: Subs, the position, and in Substitutions floating substitute Bowler 91
// paces game g alone with nScore; with bNonQual the game is ticked Non Qual too (and the
// question answered Yes). With nScore 0 the pacer is there already and only Non Qual is added.
void Pace(CScriptedBackend& ui, Sheet& sheet, const WorkedLeague& L, CFixture* f, int nTeam, int nPos, int g,
          int nScore, bool bNonQual = false)
{
    sheet.Click(IDC_SS_SUBS[WorkedLeague::SideOf(f, nTeam)]);
    if (L.doc.m_nPlayersPerTeam == 2)
        ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[nPos]).OK();
    Sheet& subs = ui.OnDialog(IDD_SUBSTITUTIONS);
    if (nScore != 0)
        subs.Click(IDC_SUB_FROM_FLOATING)
            .Click(IDC_SUB_ASSIGN_ALL) // this game only
            .SelectString(IDC_SUB_PLAYER[g], "Bowler 91")
            .Click(IDC_SUB_PACER[g])
            .SetText(IDC_SUB_SCORE[g], std::to_string(nScore).c_str());
    if (bNonQual) {
        subs.Click(IDC_SUB_NONQUAL[g]);
        ui.AnswerMessageBox(IDYES, "Score and handicap for non-qualifying results can only be amended here.");
    }
    subs.OK();
}

// A paced game's cell and pacer slot: score, handicap and average of each, the pacer's number.
V CellAndPacer(const CFixture* f, int nSide, int nPos, int g)
{
    const CBowledGame cell = f->GetCellGame(nSide, nPos, g), paced = f->GetPacerGame(nSide, nPos, g);
    return V{cell.nScore, cell.nHandicap, cell.nAverage, paced.pBowler ? paced.pBowler->m_nPlayerNo : 0,
             paced.nScore, paced.nHandicap, paced.nAverage};
}

V Append(V v, const V& more)
{
    v.insert(v.end(), more.begin(), more.end());
    return v;
}

// Doubles, three games, one handicap team point a game, 80 % of 200. Team 1: Bowler 11 (180.0,
// handicap 16), Bowler 12 (160.0, 32); Team 2: Bowler 21 (170.0, 24), Bowler 22 (150.0, 40);
// floating substitute Bowler 91 (150.0, 40). Blind games: average less 10 pins, own handicap
// less 6.
struct PacedBlindLeague : WorkedLeague {
    explicit PacedBlindLeague(bool bTeamHandicaps) : WorkedLeague(2, 2, 3, 1)
    {
        if (bTeamHandicaps) {
            doc.m_bTeamHandicaps = 1;
            doc.m_bZeroBasedPctDiff = 1;
        }
        OnePointAGame(*this);
        for (auto [no, tenths] : {std::pair{11, 1800}, {12, 1600}, {21, 1700}, {22, 1500}})
            Player(no)->SetEnteringAverage(static_cast<WORD>(tenths));
        AddBowler(0, 91)->SetEnteringAverage(1500);
        doc.BuildFloatingSubs();
        CBlindScore& rule = doc.m_BlindScore[3];
        rule.m_nMethod = CBlindScore::methodAverageLessPins;
        rule.m_nPins = 10;
        rule.m_nHandicapMethod = CBlindScore::hcpOwnAdjusted;
        rule.m_nHandicapAdjust = -6;
        doc.Recalculate();
    }
};

} // namespace

// Bowler 11 is away for game 1; Bowler 91 paces it with 200 and Bowler 11 bowls 180, 180 in
// games 2 and 3; Bowler 12 bowls 160s, Team 2 160s and 150s. Whether the secretary ticks the
// blind game before or after the pacer, the cell is Bowler 11's:
//   blind score 180 - 10 = 170, handicap 16 - 6 = 10, average 180;
//   the pacer's own game 200 on his 40 and 150.
// Bowlers' handicaps: game 1 Team 1 170 + 10 + 160 + 32 = 372 against 160 + 24 + 150 + 40 = 374;
// games 2 and 3 180 + 16 + 160 + 32 = 388 against 374: 2 points to 1.
// Team handicaps, zero based, 80 %: Team 1 averages 180 + 160 = 340 (not 150 + 160 = 310 on the
// pacer's average), Team 2 170 + 150 = 320 and gets (340 - 320) x 80 / 100 = 16 a game:
// game 1 170 + 160 = 330 against 310 + 16 = 326, games 2 and 3 340 against 326: all 3 points
// (on 310 Team 1 would have had 8 and lost game 1, 308 against 310).
// Result > Amend Results, OK without a change, keeps every figure.
TEST(PacedBlindWorked, TheBlindGameIsItsBowlersWhicheverDialogComesFirst)
{
    const V cell = {170, 10, 180, 91, 200, 40, 150};
    for (bool bTeamHandicaps : {false, true})
        for (bool bBlindsFirst : {true, false}) {
            SCOPED_TRACE(std::string(bTeamHandicaps ? "team handicaps, " : "bowlers' handicaps, ") +
                         (bBlindsFirst ? "Blinds then Subs" : "Subs then Blinds"));
            PacedBlindLeague L(bTeamHandicaps);
            L.EnterRound(1, {{1, {{0, 180, 180}, {160, 160, 160}}}, {2, {{160, 160, 160}, {150, 150, 150}}}},
                         [&L, bBlindsFirst](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                             if (bBlindsFirst)
                                 ClickBlind(ui, sheet, L, f, 1, 0, 0);
                             Pace(ui, sheet, L, f, 1, 0, 0, 200);
                             if (!bBlindsFirst)
                                 ClickBlind(ui, sheet, L, f, 1, 0, 0);
                         });
            auto Figures = [&L, bTeamHandicaps] {
                const CFixture* f = L.Match(1, 1);
                V v = CellAndPacer(f, 0, 0, 0);
                if (bTeamHandicaps)
                    v = Append(v, {int(f->m_nTeamAverage[0][0]), int(f->m_nTeamAverage[1][0]),
                                   int(f->m_nTeamHandicap[0][0]), int(f->m_nTeamHandicap[1][0])});
                return Append(v, {f->GetGameScore(0, 0, TRUE), f->GetGameScore(1, 0, TRUE),
                                  f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]});
            };
            const V expected = bTeamHandicaps ? Append(cell, {340, 320, 0, 16, 330, 326, 6, 0})
                                              : Append(cell, {372, 374, 4, 2});
            EXPECT_EQ(Figures(), expected);
            L.AmendUnchanged(1);
            EXPECT_EQ(Figures(), expected) << "amended unchanged";
        }
}

// In round 2, where no first-match figures can stand in for them: Bowler 91 paced Bowler 12's
// game 1 in round 1 with 190 (so he stands at 190, handicap (200 - 190) x 80 / 100 = 8, not
// his entering 150 and 40), and Bowler 11 bowled 180s (180, 16). Round 2: Bowler 11 away for
// game 1, Bowler 91 pacing it with 200, whichever dialog comes first. The cell is Bowler 11's
// blind 170 with handicap 10, average 180; the pacer's own game 200 on his 8 and 190. The same
// when round 2 is typed before round 1 (the pacer then on his entering figures until round 1
// comes in and round 2 is worked again), and amended unchanged.
TEST(PacedBlindWorked, ThePacerBesideABlindGameBowlsOnHisFiguresInForceInALaterRound)
{
    for (bool bRound2First : {false, true})
        for (bool bBlindsFirst : {true, false}) {
            SCOPED_TRACE(std::string(bRound2First ? "round 2 typed first, " : "") +
                         (bBlindsFirst ? "Blinds then Subs" : "Subs then Blinds"));
            WorkedLeague L(2, 2, 3, 2);
            OnePointAGame(L);
            for (auto [no, tenths] : {std::pair{11, 1800}, {12, 1600}, {21, 1700}, {22, 1500}})
                L.Player(no)->SetEnteringAverage(static_cast<WORD>(tenths));
            L.AddBowler(0, 91)->SetEnteringAverage(1500);
            L.doc.BuildFloatingSubs();
            CBlindScore& rule = L.doc.m_BlindScore[3];
            rule.m_nMethod = CBlindScore::methodAverageLessPins;
            rule.m_nPins = 10;
            rule.m_nHandicapMethod = CBlindScore::hcpOwnAdjusted;
            rule.m_nHandicapAdjust = -6;
            L.doc.Recalculate();
            auto Round1 = [&L] {
                L.EnterRound(1, {{1, {{180, 180, 180}, {0, 160, 160}}}, {2, {{160, 160, 160}, {150, 150, 150}}}},
                             [&L](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                                 Pace(ui, sheet, L, f, 1, 1, 0, 190);
                             });
                EXPECT_EQ(CellAndPacer(L.Match(1, 1), 0, 1, 0), (V{190, 40, 150, 91, 190, 40, 150}));
            };
            if (!bRound2First)
                Round1();
            L.EnterRound(2, {{1, {{0, 180, 180}, {160, 160, 160}}}, {2, {{160, 160, 160}, {150, 150, 150}}}},
                         [&L, bBlindsFirst](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                             if (bBlindsFirst)
                                 ClickBlind(ui, sheet, L, f, 1, 0, 0);
                             Pace(ui, sheet, L, f, 1, 0, 0, 200);
                             if (!bBlindsFirst)
                                 ClickBlind(ui, sheet, L, f, 1, 0, 0);
                         });
            if (bRound2First) {
                EXPECT_EQ(CellAndPacer(L.Match(2, 1), 0, 0, 0), (V{170, 10, 180, 91, 200, 40, 150}));
                Round1();
                EXPECT_EQ(L.notices.size(), 1u);
            }
            const V expected = {170, 10, 180, 91, 200, 8, 190};
            EXPECT_EQ(CellAndPacer(L.Match(2, 1), 0, 0, 0), expected);
            L.AmendUnchanged(2);
            EXPECT_EQ(CellAndPacer(L.Match(2, 1), 0, 0, 0), expected) << "amended unchanged";
        }
}

// A Non Qual game beside a pacer is its own bowler's too. Team handicaps as above: Bowler 91
// paces game 1 with 200, ticked Non Qual with it or afterwards. The cell holds the 200 with
// handicap 0 and records Bowler 11's 180, so Team 1 still averages 340 and Team 2 gets 16:
// 200 + 160 = 360 against 326.
TEST(PacedBlindWorked, ANonQualGameBesideAPacerRecordsItsOwnBowlersAverage)
{
    for (bool bAtOnce : {true, false}) {
        SCOPED_TRACE(bAtOnce ? "paced and Non Qual at once" : "paced, then Non Qual added");
        PacedBlindLeague L(true);
        L.EnterRound(1, {{1, {{0, 180, 180}, {160, 160, 160}}}, {2, {{160, 160, 160}, {150, 150, 150}}}},
                     [&L, bAtOnce](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                         Pace(ui, sheet, L, f, 1, 0, 0, 200, bAtOnce);
                         if (!bAtOnce)
                             Pace(ui, sheet, L, f, 1, 0, 0, 0, true);
                     });
        const CFixture* f = L.Match(1, 1);
        EXPECT_EQ(Append(CellAndPacer(f, 0, 0, 0), {int(f->m_nTeamAverage[0][0]), int(f->m_nTeamHandicap[1][0]),
                                                    f->GetGameScore(0, 0, TRUE), f->GetGameScore(1, 0, TRUE)}),
                  (V{200, 0, 180, 91, 200, 40, 150, 340, 16, 360, 326}));
    }
}

// A new bowler's first match (2.4): Bowler 22, with no entering average, bowls 180 and 180 and
// is away for game 3, blind on his average less 10 pins (flat handicap 0), with or without
// Bowler 91 (150.0) pacing it with 190. Team 1's second place is a vacancy scored on its
// opponent's average at 90 % with handicap 30; Bowlers 11 and 21 enter at 150.0 (handicap 40).
// His first match gives 360 / 2 = 180, handicap (200 - 180) x 80 / 100 = 16, and the blind
// cell records the 180 either way: blind score 170, the vacancy 180 x 90 / 100 = 162 every game.
//   Games 1, 2: Team 1 150 + 40 + 162 + 30 = 382 against 150 + 40 + 180 + 16 = 386.
//   Game 3: Team 1 160 + 40 + 162 + 30 = 392 against 150 + 40 + 170 + 0 = 360 (the vacancy on 0
//   would have lost it, 230).
TEST(PacedBlindWorked, ANewBowlersBlindGameBesideAPacerRecordsHisFirstMatchAverage)
{
    for (bool bPacer : {true, false}) {
        SCOPED_TRACE(bPacer ? "a pacer beside the blind game" : "a plain blind game");
        WorkedLeague L(2, 2, 3, 1);
        OnePointAGame(L);
        L.Player(12)->m_nRobot = 1; // the vacancy
        L.doc.m_Robot[0].m_nKind = CRobot::kindAverageLessPercent;
        L.doc.m_Robot[0].m_nPercent = 90;
        L.doc.m_Robot[0].m_nFlatHandicap = 30;
        L.doc.m_BlindScore[3].m_nMethod = CBlindScore::methodAverageLessPins;
        L.doc.m_BlindScore[3].m_nPins = 10;
        for (int no : {11, 21})
            L.Player(no)->SetEnteringAverage(1500);
        L.AddBowler(0, 91)->SetEnteringAverage(1500);
        L.doc.BuildFloatingSubs();
        L.doc.Recalculate();
        L.EnterRound(1, {{1, {{150, 150, 160}, {0, 0, 0}}}, {2, {{150, 150, 150}, {180, 180, 0}}}},
                     [&L, bPacer](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                         ClickBlind(ui, sheet, L, f, 2, 1, 2);
                         if (bPacer)
                             Pace(ui, sheet, L, f, 2, 1, 2, 190);
                     });
        const CFixture* f = L.Match(1, 1);
        const int kBlind = CFixture::SlotOf(1, 1), kVacancy = CFixture::SlotOf(0, 1);
        EXPECT_EQ((V{f->m_nScore[2][kBlind], int(f->m_nAverage[2][kBlind]), f->m_nHandicap[2][kBlind],
                     f->m_nHandicap[0][kBlind], f->m_nScore[0][kVacancy], f->m_nScore[1][kVacancy],
                     f->m_nScore[2][kVacancy], f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}),
                  (V{170, 180, 0, 16, 162, 162, 162, 2, 4}));
        if (bPacer) {
            EXPECT_EQ(CellAndPacer(f, 1, 1, 2), (V{170, 0, 180, 91, 190, 40, 150}));
        }
    }
}

// Two blind games facing each other, both on the opponent's handicap (flat 120 scores), one
// with Bowler 91 (133.0, handicap (200 - 133) x 80 / 100 = 53) pacing beside it with 150.
// Singles, one game. Bowler 11 enters at 100.0 (handicap 80), Bowler 21 at 110.0 (72). Each
// blind game takes the other absent bowler's handicap, never the pacer's 53: Bowler 11's 72,
// Bowler 21's 80; 120 + 72 = 192 against 120 + 80 = 200, the point to Team 2. The same with the
// pacer on either side and the dialogs in either order, and amended unchanged.
TEST(PacedBlindWorked, TwoBlindGamesOnEachOthersHandicapTakeTheAbsentBowlers)
{
    for (int nPacedTeam : {1, 2})
        for (bool bBlindsFirst : {true, false}) {
            SCOPED_TRACE("pacer on Team " + std::to_string(nPacedTeam) +
                         (bBlindsFirst ? ", Blinds then Subs" : ", Subs then Blinds"));
            WorkedLeague L(2, 1, 1, 1);
            OnePointAGame(L);
            L.Player(11)->SetEnteringAverage(1000);
            L.Player(21)->SetEnteringAverage(1100);
            L.AddBowler(0, 91)->SetEnteringAverage(1330);
            L.doc.BuildFloatingSubs();
            L.doc.m_BlindScore[3].m_nHandicapMethod = CBlindScore::hcpOpponents;
            L.doc.Recalculate();
            L.EnterRound(1, {{1, {{0}}}, {2, {{0}}}},
                         [&L, nPacedTeam, bBlindsFirst](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                             ClickBlind(ui, sheet, L, f, 3 - nPacedTeam, 0, 0);
                             if (bBlindsFirst)
                                 ClickBlind(ui, sheet, L, f, nPacedTeam, 0, 0);
                             Pace(ui, sheet, L, f, nPacedTeam, 0, 0, 150);
                             if (!bBlindsFirst)
                                 ClickBlind(ui, sheet, L, f, nPacedTeam, 0, 0);
                         });
            auto Figures = [&L, nPacedTeam] {
                const CFixture* f = L.Match(1, 1);
                return Append(CellAndPacer(f, nPacedTeam - 1, 0, 0),
                              {f->m_nScore[0][0], f->m_nHandicap[0][0], f->m_nScore[0][MAX_POSITIONS],
                               f->m_nHandicap[0][MAX_POSITIONS], f->m_nHandicapMatchPoints[0],
                               f->m_nHandicapMatchPoints[1]});
            };
            const V expected = Append(nPacedTeam == 1 ? V{120, 72, 100, 91, 150, 53, 133}
                                                      : V{120, 80, 110, 91, 150, 53, 133},
                                      {120, 72, 120, 80, 0, 2});
            EXPECT_EQ(Figures(), expected);
            L.AmendUnchanged(1);
            EXPECT_EQ(Figures(), expected) << "amended unchanged";
        }
}

// On the real widgets, the order that went wrong: Bowler 91 paces game 1 with 200, then the
// game is ticked blind. Team handicaps as in the first case: the cell shows Bowler 11's blind
// 170, shut, and the handicap row gives Team 2 its 16. Unticked again, the cell is the pacer's
// once more: his 200, typed over as any score, on his 150, so Team 1 averages 150 + 160 = 310
// and gets (320 - 310) x 80 / 100 = 8.
TEST(PacedBlindWorked, TickedBlindAfterThePacerOnTheRealWidgets)
{
    PacedBlindLeague L(true);
    CFixture* f = L.Match(1, 1);
    const UINT nCell = ScoreCell(0, 0, 0);
    auto Blind = [](CRealDialog& d) { d.Click(IDC_BLIND_BOX[0][0]).Click(IDOK); };

    CRealUi ui;
    ui.OnDialog(IDD_DOUBLES_SCORESHEET, [&](CRealDialog& d) {
        d.Click(IDC_SS_SUBS[0]);
        EXPECT_EQ(d.Text(nCell), "200");
        d.Click(IDC_SS_BLINDS[0]);
        EXPECT_EQ((std::vector<std::string>{d.Text(nCell), d.Text(IDC_SS_HANDICAP[0][0]),
                                            d.Text(IDC_SS_HANDICAP[1][0])}),
                  (std::vector<std::string>{"170", "0", "16"}));
        EXPECT_FALSE(d.Widget(nCell)->isEnabled());
        EXPECT_EQ(int(f->m_nAverage[0][0]), 180);
        d.Click(IDC_SS_BLINDS[0]);
        EXPECT_EQ((std::vector<std::string>{d.Text(nCell), d.Text(IDC_SS_HANDICAP[0][0]),
                                            d.Text(IDC_SS_HANDICAP[1][0])}),
                  (std::vector<std::string>{"200", "8", "0"}));
        EXPECT_TRUE(d.Widget(nCell)->isEnabled());
        d.Click(nCell).Key(Qt::Key_A, Qt::ControlModifier).Type("205").Tab();
        EXPECT_EQ((V{f->m_nScore[0][0], f->m_nPacerScore[0][0], int(f->m_nAverage[0][0])}), (V{205, 205, 150}));
        d.Escape();
    });
    ui.OnDialog(IDD_DOUBLES_SUBSTITUTES, [](CRealDialog& d) { d.Click(IDC_SUBS_POSITION[0]).Click(IDOK); });
    ui.OnDialog(IDD_SUBSTITUTIONS, [](CRealDialog& d) {
        d.Click(IDC_SUB_FROM_FLOATING).Click(IDC_SUB_ASSIGN_ALL).Pick(IDC_SUB_PLAYER[0], "Bowler 91");
        d.Click(IDC_SUB_PACER[0]).Click(IDC_SUB_SCORE[0]).Key(Qt::Key_A, Qt::ControlModifier).Type("200").Enter();
    });
    ui.OnDialog(IDD_DOUBLES_BLIND_SCORES, Blind);
    ui.OnDialog(IDD_DOUBLES_BLIND_SCORES, Blind);
    EXPECT_FALSE(EnterResult(&L.doc, f));
    EXPECT_EQ(ui.messages, std::vector<std::string>{});
}
