// A side that bowled on another day than its match was due is scored on the games bowled before
// that day, each game counted by the day its own side bowled it, in every league: its handicaps,
// its blind and vacancy scores, its bonus rules. The smallest league, two teams of one bowler,
// one game, everybody entering at 150.0 (handicap 40 at 80 % of 200), rounds a week apart from
// Monday 2 September 2024, entered through Result > Enter Results; the early side's day set
// with Change Date Played. Each case is a worked example of docs/scoring.md 2.6.
#include "RealDialogs.h"
#include "WorkedLeague.h"
#include "admin/LeagueDetailsCommands.h"
#include "league/Rules.h"
#include "resources/dialogs/AdminDialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using V = std::vector<int>;

constexpr int BLIND = -1;  // a position's bowler away: ticked in Blinds

// One round of the two teams: their games (BLIND, or 0 for a vacancy), and the round whose
// day Team 1 bowled on (0: the day its match was due).
struct Round
{
    int nTeam1, nTeam2;
    int nTeam1OnDayOf = 0;
};

int DayOfRound(int nRound) { return 2 + 7 * (nRound - 1); }

// On a scoresheet: a team's game typed in, or its bowler ticked blind in Blinds; a vacancy's
// side has ticked itself Played as the sheet opened.
void Bowl(CScriptedBackend& ui, Sheet& sheet, const CFixture* f, int nTeam, int nScore)
{
    const int s = WorkedLeague::SideOf(f, nTeam);
    if (nScore == 0) {  // a vacancy's place: nothing to type
        sheet.Check([s](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[s]).check, 1); });
        return;
    }
    if (nScore == BLIND) {
        sheet.Click(IDC_SS_BLINDS[s]);
        ui.OnDialog(IDD_SINGLES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][0]).OK();
    } else {
        sheet.SetText(ScoreCell(s, 0, 0), std::to_string(nScore).c_str());
    }
}

// Change Date Played on a team's side, its result in: the day of round r, same month and time.
void BowledOnDay(CScriptedBackend& ui, Sheet& sheet, const CFixture* f, int nTeam, int nDay);
void BowledOnTheDayOf(CScriptedBackend& ui, Sheet& sheet, const CFixture* f, int nTeam, int nRound)
{
    BowledOnDay(ui, sheet, f, nTeam, DayOfRound(nRound));
}

// Change Date Played on a team's side, its result in: a day of September, the same time.
void BowledOnDay(CScriptedBackend& ui, Sheet& sheet, const CFixture* f, int nTeam, int nDay)
{
    sheet.Click(IDC_SS_CHANGE_DATE[WorkedLeague::SideOf(f, nTeam)]);
    ui.OnDialog(IDD_ENTER_DATE_TIME).SetText(IDC_DT_DAY, std::to_string(nDay).c_str()).OK();
}

// Result > Amend Results on round r: Team 1's side moved to a day of September, OK.
void MoveTeam1sDay(WorkedLeague& L, int nRound, int nDay)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, nRound - 1).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, 0).OK();
    CFixture* f = L.Match(nRound, 1);
    ASSERT_NE(f, nullptr);
    Sheet& sheet = ui.OnDialog(L.SheetIDD());
    BowledOnDay(ui, sheet, f, 1, nDay);
    sheet.OK();
    OnResultAmendResults(L.doc);
    L.TakeMessages(ui, "moving round " + std::to_string(nRound));
}

// Result > Enter Results on round r: Team 1's game first, its day changed where it bowled on
// another day, then Team 2's.
void EnterRound(WorkedLeague& L, int r, const Round& round)
{
    L.EnterRound(
        r, {},
        [&round](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
            Bowl(ui, sheet, f, 1, round.nTeam1);
            if (round.nTeam1OnDayOf != 0)
                BowledOnTheDayOf(ui, sheet, f, 1, round.nTeam1OnDayOf);
            Bowl(ui, sheet, f, 2, round.nTeam2);
        },
        0);
}

// Each round in turn.
void EnterRounds(WorkedLeague& L, const std::vector<Round>& rounds)
{
    for (int r = 1; r <= static_cast<int>(rounds.size()); ++r)
        EnterRound(L, r, rounds[r - 1]);
}

// Handicap points, a point a game; both bowlers entering at 150.0.
void Player11And21At150(WorkedLeague& L)
{
    L.Player(11)->SetEnteringAverage(1500);
    L.Player(21)->SetEnteringAverage(1500);
    L.doc.m_HcpPoints.m_bTeam = 1;
    L.doc.m_HcpPoints.m_nTeamGame[0] = 2;
    L.doc.UpdateMaxMatchPoints();
    L.doc.Recalculate();
}

// A match as it was scored: each team's score and handicap (0 where the league scores no
// handicap), then its match points in the league's system and its bonus points.
V Scored(WorkedLeague& L, int nRound)
{
    const CFixture* f = L.Match(nRound, 1);
    const bool bHcp = L.doc.m_bHandicapLeague != 0;
    const int* pPoints = bHcp ? f->m_nHandicapMatchPoints : f->m_nScratchMatchPoints;
    const int* pBonus = bHcp ? f->m_nHandicapBonusPoints : f->m_nScratchBonusPoints;
    const int a = WorkedLeague::SideOf(f, 1), b = 1 - a;
    const int ka = CFixture::SlotOf(a, 0), kb = CFixture::SlotOf(b, 0);
    return V{f->m_nScore[0][ka], bHcp ? f->m_nHandicap[0][ka] : 0, f->m_nScore[0][kb], bHcp ? f->m_nHandicap[0][kb] : 0,
             pPoints[a],         pPoints[b],                      pBonus[a],          pBonus[b]};
}

// The league's rules as the secretary sets them: scratch only in Edit League Details.
void ScratchOnly(WorkedLeague& L)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_EDIT_LEAGUE).Click(IDC_EL_SCRATCH).Click(IDC_EL_HANDICAP).OK();
    ASSERT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&L.doc));
    ASSERT_EQ((V{int(L.doc.m_bScratchLeague), int(L.doc.m_bHandicapLeague)}), (V{1, 0}));
}

void OnePointAGame(CPointsRule& rule)
{
    rule.m_bTeam = 1;
    rule.m_nTeamGame[0] = 2;
}

// Blind scores are the bowler's average less 10 pins.
void BlindLessTenPins(WorkedLeague& L, BYTE nHandicapMethod)
{
    CBlindScore& rule = L.doc.m_BlindScore[3];
    rule.m_nMethod = CBlindScore::methodAverageLessPins;
    rule.m_nPins = 10;
    rule.m_nHandicapMethod = nHandicapMethod;
}

// Scratch only, a point a game.
void ScratchLeague(WorkedLeague& L)
{
    ScratchOnly(L);
    OnePointAGame(L.doc.m_ScrPoints);
}

// The two teams of one bowler, three rounds, both bowlers entering at 150.0, the rules set.
struct DayLeague : WorkedLeague
{
    explicit DayLeague(const std::function<void(WorkedLeague&)>& rules) : WorkedLeague(2, 1, 1, 3)
    {
        Player(11)->SetEnteringAverage(1500);
        Player(21)->SetEnteringAverage(1500);
        rules(*this);
        doc.UpdateMaxMatchPoints();
        doc.Recalculate();
    }
};

struct Case
{
    const char* name;
    std::function<void(WorkedLeague&)> rules;
    std::vector<Round> rounds;
    V last;  // Scored() of the last round
};

} // namespace

TEST(DayPlayedWorked, EachSideOnTheGamesBowledBeforeItsDay)
{
    const Case cases[] = {
        // Handicap points. Bowler 11 bowls 200 in round 1, 180 in round 2 on round 1's day and
        // 170 in round 3 on round 2's day. Round 3 is scored on what was bowled before 9
        // September: round 1 and his round 2, bowled on the 2nd: (200 + 180) / 2 = 190,
        // (200 - 190) x 80 / 100 = 8. Team 2, on its day, on rounds 1 and 2: 150, handicap 40.
        // 170 + 8 = 178 beats 134 + 40 = 174 (on his round 1 alone, 200 and handicap 0, 170
        // would lose).
        {"early two rounds running",
         [](WorkedLeague& L) { OnePointAGame(L.doc.m_HcpPoints); },
         {{200, 150}, {180, 150, 1}, {170, 134, 2}},
         V{170, 8, 134, 40, 2, 0, 0, 0}},
        // Scratch points, no handicaps. Bowler 11 bowls 200 then 100; in round 3 his side bowls
        // on round 2's day and he is away. Before 9 September he has 200: blind 190 beats 160
        // (not the due day's (200 + 100) / 2 - 10 = 140).
        {"a scratch league's blind score",
         [](WorkedLeague& L) {
             ScratchLeague(L);
             BlindLessTenPins(L, CBlindScore::hcpFlat);
         },
         {{200, 150}, {100, 150}, {BLIND, 160, 2}},
         V{190, 0, 160, 0, 2, 0, 0, 0}},
        // Scratch. Team 2's place is a vacancy scoring 90 % of its opponent's average. Round 3,
        // Team 1 on round 2's day: Bowler 11 stands at 200, so the vacancy scores 180 and beats
        // his 170 (on the due day's 150 it would score 135).
        {"a vacancy against an early side",
         [](WorkedLeague& L) {
             ScratchLeague(L);
             L.Player(21)->m_nRobot = 1;
             L.doc.m_Robot[0].m_nKind = CRobot::kindAverageLessPercent;
             L.doc.m_Robot[0].m_nPercent = 90;
         },
         {{200, 0}, {100, 0}, {170, 0, 2}},
         V{170, 0, 180, 0, 0, 2, 0, 0}},
        // Scratch, an over-average bonus rule of 1 point. Round 3 on round 2's day: 170 is under
        // Bowler 11's 200, no bonus; 170 beats 150 for the game's point (on the due day's 150
        // it would have won the bonus as well). Bowler 21's 150 is not over his 150.
        {"a bonus rule judged on the early side's average",
         [](WorkedLeague& L) {
             ScratchLeague(L);
             auto* pRule = new CBonusPts;
             pRule->m_nKind = CBonusPts::kindOverAverage;
             pRule->m_nPoints = 2;
             L.doc.m_listBonusPts.AddTail(pRule);
         },
         {{200, 150}, {100, 150}, {170, 150, 2}},
         V{170, 0, 150, 0, 2, 0, 0, 0}},
        // Handicap, blind scores the average less 10 pins on the opponent's handicap, both
        // bowlers away in round 3 and Team 1 there on round 2's day. Each takes the opposing
        // bowler's handicap as it stands on the opposing side's own day. Bowler 11: 200 then
        // 100; on 9 September 200 (blind 190, handicap 0). Bowler 21: 100 then 200; on his
        // due day 150 (blind 140, handicap 40). Team 1 190 + 40 = 230, Team 2 140 + 0 = 140.
        {"two blind games on each other's handicaps, one side early",
         [](WorkedLeague& L) {
             OnePointAGame(L.doc.m_HcpPoints);
             BlindLessTenPins(L, CBlindScore::hcpOpponents);
         },
         {{200, 100}, {100, 200}, {BLIND, BLIND, 2}},
         V{190, 40, 140, 0, 2, 0, 0, 0}},
        // Both on one day, Bowler 21 bowling 100 twice: Bowler 11 stands at 150 (handicap
        // 40), Bowler 21 at 100 (80). Each blind game takes the other bowler's own handicap:
        // Team 1 140 + 80 = 220, Team 2 90 + 40 = 130.
        {"two blind games on each other's handicaps",
         [](WorkedLeague& L) {
             OnePointAGame(L.doc.m_HcpPoints);
             BlindLessTenPins(L, CBlindScore::hcpOpponents);
         },
         {{200, 100}, {100, 100}, {BLIND, BLIND}},
         V{140, 80, 90, 40, 2, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DayLeague L(c.rules);
        EnterRounds(L, c.rounds);
        const int nLast = static_cast<int>(c.rounds.size());
        EXPECT_EQ(Scored(L, nLast), c.last);
        // Reopened unchanged at any current round, the match keeps what it was scored with.
        for (int nCurrent : {1, nLast}) {
            L.SetRound(nCurrent);
            L.AmendUnchanged(nLast);
            EXPECT_EQ(Scored(L, nLast), c.last) << "amended at current round " << nCurrent;
        }
    }
}

// The first case entered as the results come in, each side on the day it bowled: on 2 September
// round 1 and Team 1's early round 2; on the 9th Team 2's round 2 and Team 1's early round 3; on
// the 16th Team 2's round 3. Each side is scored as when both were entered together, and the
// league model worked to Team 1's round-3 day gives Bowler 11 the same 190 and 8.
TEST(DayPlayedWorked, EachSideEnteredOnTheDayItBowled)
{
    DayLeague L([](WorkedLeague& W) { OnePointAGame(W.doc.m_HcpPoints); });
    auto team1 = [](int nScore, int nDayOf) {
        return [=](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
            Bowl(ui, sheet, f, 1, nScore);
            BowledOnTheDayOf(ui, sheet, f, 1, nDayOf);
        };
    };
    L.EnterRound(1, {{1, {{200}}}, {2, {{150}}}});
    L.EnterRound(2, {}, team1(180, 1), 0);
    EXPECT_FALSE(L.Match(2, 1)->m_bPlayed[1]);
    L.EnterRound(2, {{2, {{150}}}}, {}, 0);
    L.EnterRound(3, {}, team1(170, 2), 0);
    L.EnterRound(3, {{2, {{134}}}}, {}, 0);

    // Round 2: Bowler 11 on nothing bowled before 2 September (150, 40), Bowler 21 on round 1
    // (150, 40): 220 v 190. Round 3 as above: 178 v 174.
    EXPECT_EQ(Scored(L, 2), (V{180, 40, 150, 40, 2, 0, 0, 0}));
    EXPECT_EQ(Scored(L, 3), (V{170, 8, 134, 40, 2, 0, 0, 0}));

    const CFixture* f = L.Match(3, 1);
    L.doc.RecalculateFixture(f->GetDayBowled(0), *f);
    EXPECT_EQ((V{L.Player(11)->m_nAverage, L.Player(11)->m_nHandicap}), (V{190, 8}));
    // Worked to round 2's day, round 2 itself, bowled on the day by Team 2 and before it by
    // Team 1, counts Team 1's side only: Bowler 21 has round 1's 150 alone.
    L.doc.RecalculateFixture(L.Match(2, 1)->GetDayBowled(1), *f);
    EXPECT_EQ((V{L.Player(11)->m_nAverage, int(L.Player(21)->m_nGames[PASS_HANDICAP])}), (V{190, 1}));
}

// Substitutions opened on either side of a match bowled on two days offers each bowler's
// handicap on his side's own day. Bowler 11 bowls 200 then 100 and round 3 on round 2's day:
// 200, handicap 0 (on the due day 150, 40). Bowler 21 bowls 100 then 200 and round 3 when due:
// 150, handicap 40 (on 9 September 100, 80).
TEST(DayPlayedWorked, SubstitutionsOffersTheHandicapsOfTheSidesOwnDay)
{
    DayLeague L([](WorkedLeague&) {});
    EnterRounds(L, {{200, 100}, {100, 200}});
    std::vector<std::string> offered;
    L.EnterRound(
        3, {},
        [&offered](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
            Bowl(ui, sheet, f, 1, 170);
            BowledOnTheDayOf(ui, sheet, f, 1, 2);
            Bowl(ui, sheet, f, 2, 150);
            for (int nTeam : {1, 2, 1}) {
                sheet.Click(IDC_SS_SUBS[WorkedLeague::SideOf(f, nTeam)]);
                ui.OnDialog(IDD_SUBSTITUTIONS)
                    .Check([&offered](CDialog& d) { offered.push_back(Ctl(d, IDC_SUB_HCP[0]).text.str()); })
                    .Cancel();
            }
        },
        0);
    EXPECT_EQ(offered, (std::vector<std::string>{"0", "40", "0"}));
    EXPECT_EQ(Scored(L, 3), (V{170, 0, 150, 40, 0, 0, 0, 0}));
}

// The scratch league's round 3 on the real widgets: Bowler 11 ticked blind with the mouse shows
// the due day's 140; his side's day changed to 9 September in the date dialog, the cell shows
// the 190 of his own day at once, and Bowler 21's 160 typed in loses the game to it.
TEST(DayPlayedWorked, OnTheRealSheetTheBlindScoreFollowsTheDayTyped)
{
    DayLeague L([](WorkedLeague& W) {
        ScratchLeague(W);
        BlindLessTenPins(W, CBlindScore::hcpFlat);
    });
    EnterRounds(L, {{200, 150}, {100, 150}});
    L.SetRound(3);
    const CFixture* f = L.Match(3, 1);
    const int a = WorkedLeague::SideOf(f, 1);
    std::vector<std::string> shown;

    CRealUi ui;
    ui.OnDialog(IDD_SELECT_ROUND, [](CRealDialog& d) { d.Enter(); });
    ui.OnDialog(IDD_SINGLES_SCORESHEET, [&](CRealDialog& d) {
        d.Click(IDC_SS_BLINDS[a]);
        shown.push_back(d.Text(ScoreCell(a, 0, 0)));
        d.Click(IDC_SS_CHANGE_DATE[a]);
        shown.push_back(d.Text(ScoreCell(a, 0, 0)));
        d.Click(ScoreCell(1 - a, 0, 0)).Type("160").Tab().Enter();
    });
    ui.OnDialog(IDD_SINGLES_BLIND_SCORES, [](CRealDialog& d) { d.Click(IDC_BLIND_BOX[0][0]).Enter(); });
    ui.OnDialog(IDD_ENTER_DATE_TIME, [](CRealDialog& d) { d.Type("9").Tab().Enter(); });
    OnResultEnterResults(L.doc);
    EXPECT_EQ(ui.messages, std::vector<std::string>{});
    EXPECT_EQ(shown, (std::vector<std::string>{"140", "190"}));
    EXPECT_EQ(f->m_timePlayed[a].GetDay(), 9);
    EXPECT_EQ(Scored(L, 3), (V{190, 0, 160, 0, 2, 0, 0, 0}));
}

// A side's late match bowled on the day of its next match counts for that match, as what was
// bowled before that day does; the late match itself counts what was bowled before that day, so not the
// next match. Four rounds, a point a game. Bowler 11 bowls 200 and 180 in rounds 1 and 2, then
// round 3 late, on 23 September, round 4's day: 170; round 4 on its day: 160. Bowler 21 bowls
// 150s on his due days, 130 in round 4.
//   Round 3, Team 1 on the 23rd: rounds 1 and 2, (200 + 180) / 2 = 190, handicap 8: 178
//   against 150 + 40 = 190, the point to Team 2.
//   Round 4: rounds 1 to 3, (200 + 180 + 170) / 3 = 183, handicap (200 - 183) x 80 / 100 = 13:
//   160 + 13 = 173 against 130 + 40 = 170, the point to Team 1 (on what was bowled before the
//   23rd, 190 and handicap 8, 168 would lose it).
// Typed in round order, or round 3 after round 4: round 4 is worked again once round 3 is in,
// and the secretary is told so once.
TEST(DayPlayedWorked, ALateMatchOnTheDayOfTheNextCountsForTheNext)
{
    for (bool bLateTypedLast : {false, true}) {
        SCOPED_TRACE(bLateTypedLast ? "round 3 typed after round 4" : "typed in round order");
        WorkedLeague L(2, 1, 1, 4);
        Player11And21At150(L);
        const std::vector<Round> rounds = {{200, 150}, {180, 150}, {170, 150, 4}, {160, 130}};
        if (bLateTypedLast) {
            EnterRounds(L, {rounds[0], rounds[1]});
            EnterRound(L, 4, rounds[3]);
            EXPECT_EQ(Scored(L, 4), (V{160, 8, 130, 40, 0, 2, 0, 0}));
            EnterRound(L, 3, rounds[2]);
            EXPECT_EQ(L.notices, (std::vector<std::string>{
                                     "1 later match was worked again on the figures in force when it was bowled."}));
        } else {
            EnterRounds(L, rounds);
            EXPECT_EQ(L.notices, std::vector<std::string>{});
        }
        EXPECT_EQ(Scored(L, 3), (V{170, 8, 150, 40, 0, 2, 0, 0}));
        EXPECT_EQ(Scored(L, 4), (V{160, 13, 130, 40, 2, 0, 0, 0}));
        L.AmendUnchanged(4);
        L.AmendUnchanged(3);
        EXPECT_EQ(Scored(L, 4), (V{160, 13, 130, 40, 2, 0, 0, 0}));
        EXPECT_EQ(L.notices.size(), bLateTypedLast ? 1u : 0u);
    }
}

// A match postponed and bowled after its side's next match counts for none bowled before it.
// Four rounds, a point a game. Bowler 11 bowls 200 and 180 in rounds 1 and 2, round 4 on its
// day, 23 September: 160, and round 3 late, on the 24th: 170. Bowler 21 bowls 150s on his due
// days, 130 in round 4.
//   Round 4, on the 23rd: rounds 1 and 2, (200 + 180) / 2 = 190, handicap 8: 160 + 8 = 168
//   against 130 + 40 = 170, the point to Team 2 (counting the late 170, 183 and 13, 173 would
//   win it).
//   Round 3, Team 1 on the 24th: rounds 1, 2 and 4, (200 + 180 + 160) / 3 = 180, handicap
//   (200 - 180) x 80 / 100 = 16: 186 against 150 + 40 = 190, the point to Team 2.
//   Standings: Team 1 1 point to 3 (2 - 6 in half points), pins with handicap 240 + 180 + 186 +
//   168 = 774; Team 2 190 + 190 + 190 + 170 = 740.
// Typed in round order, round 4 works the late round 3 again (it counts round 4); typed after
// round 4, the late match moves no match, for round 4 counts only its opponent's side, bowled
// on the 16th as before. Then the late side's day moved back to the 16th and on again to the
// 24th: round 4 counts it and is worked again (183, 13: 173 against 170, the point to Team 1),
// then no longer counts it and is worked back.
TEST(DayPlayedWorked, AMatchBowledAfterItsSidesNextMatchCountsForNoneBefore)
{
    const V round3{170, 16, 150, 40, 0, 2, 0, 0}, round4{160, 8, 130, 40, 0, 2, 0, 0};
    const V standings{2, 2, 6, 774, 1, 6, 2, 740};
    const std::string one = "1 later match was worked again on the figures in force when it was bowled.";
    std::vector<std::vector<BYTE>> saved;  // the league as each order left it, byte for byte
    for (bool bLateTypedLast : {false, true}) {
        SCOPED_TRACE(bLateTypedLast ? "round 3 typed after round 4" : "typed in round order");
        WorkedLeague L(2, 1, 1, 4);
        Player11And21At150(L);
        auto late = [](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
            Bowl(ui, sheet, f, 1, 170);
            BowledOnDay(ui, sheet, f, 1, 24);
            Bowl(ui, sheet, f, 2, 150);
        };
        EnterRounds(L, {{200, 150}, {180, 150}});
        if (bLateTypedLast) {
            EnterRound(L, 4, {160, 130});
            EXPECT_EQ(Scored(L, 4), round4);
            L.EnterRound(3, {}, late, 0);
            EXPECT_EQ(L.notices, std::vector<std::string>{});
        } else {
            L.EnterRound(3, {}, late, 0);
            EXPECT_EQ(Scored(L, 3), (V{170, 8, 150, 40, 0, 2, 0, 0})) << "round 4 not in yet";
            EnterRound(L, 4, {160, 130});
            EXPECT_EQ(L.notices, std::vector<std::string>{one});
        }
        EXPECT_EQ(Scored(L, 3), round3);
        EXPECT_EQ(Scored(L, 4), round4);
        EXPECT_EQ(L.HandicapStandings(4, 2), standings);
        L.doc.m_nCurrentRound = 4;
        L.doc.SaveToBytes(saved.emplace_back());
        const size_t nNotices = L.notices.size();
        L.AmendUnchanged(4);
        L.AmendUnchanged(3);
        EXPECT_EQ(L.notices.size(), nNotices);
        EXPECT_EQ(Scored(L, 4), round4);

        // Back to its due day: round 3 on rounds 1 and 2 (190, 8: 178 against 190), round 4 on
        // rounds 1 to 3. Two points each, Team 1 first on 240 + 180 + 178 + 173 = 771 pins.
        MoveTeam1sDay(L, 3, 16);
        ASSERT_EQ(L.notices.size(), nNotices + 1);
        EXPECT_EQ(L.notices.back(), one);
        EXPECT_EQ(Scored(L, 3), (V{170, 8, 150, 40, 0, 2, 0, 0}));
        EXPECT_EQ(Scored(L, 4), (V{160, 13, 130, 40, 2, 0, 0, 0}));
        EXPECT_EQ(L.HandicapStandings(4, 2), (V{1, 4, 4, 771, 2, 4, 4, 740}));

        MoveTeam1sDay(L, 3, 24);
        ASSERT_EQ(L.notices.size(), nNotices + 2);
        EXPECT_EQ(L.notices.back(), one);
        EXPECT_EQ(Scored(L, 3), round3);
        EXPECT_EQ(Scored(L, 4), round4);
        EXPECT_EQ(L.HandicapStandings(4, 2), standings);
    }
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_TRUE(saved[0] == saved[1]) << "the order the results were typed in shows in the file";
}
