// Played matches taken out of the season (Delete Final Round, Delete Position Round, Add extra
// Teams, Reduce League Size, the schedule editor): a late side's match that counted them is worked
// again at once, however the command's dialog closes, and the secretary is told once. The teams
// Reduce League Size drops leave the standings, their played matches still counting.
//
// One bowler a team, one game, rounds a week apart from Monday 2 September 2024, every bowler
// entering at 150.0 (handicap 40 at 80 % of 200), a handicap team point a game. Bowler 11 bowls
// 200 and 180 in rounds 1 and 2 and 160 in round 4 on its day, 23 September; his round 3 comes
// late, 170 on the 30th. His round-3 opponent bowls 140 on its day, his round-4 opponent 130,
// every other game is 150.
//   Round 3, Team 1 on the 30th: what was bowled before that day, 200, 180 and 160: 180,
//   handicap (200 - 180) x 80 / 100 = 16, 186 against 140 + 40 = 180, the point to Team 1.
//   Round 4 gone: 200 and 180, 190, handicap 8: 178 against 180, the point to the opponent.
#include "../league/WorkedLeague.h"
#include "AdminChecks.h"
#include "AdminTest.h"
#include "RealDialogs.h"
#include "RecordingDC.h"
#include "admin/PlayerSetup.h"
#include "admin/SeasonCommands.h"
#include "reports/stats/RepItem_Standings.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using V = std::vector<int>;

const char* const kOneWorkedAgain = "1 later match was worked again on the figures in force when it was bowled.";

// Round 3 as the late match was first scored, and as it is without round 4.
const V kCountingRound4 = {170, 16, 140, 40, 2, 0};
const V kWithoutRound4 = {170, 8, 140, 40, 0, 2};

struct LateSideLeague : WorkedLeague
{
    LateSideLeague(int nTeams, int nRounds) : WorkedLeague(nTeams, 1, 1, nRounds)
    {
        LeagueSetup::Install();
        PlayerSetup::Install();
        SeasonCommands::Install();
        for (int t = 1; t <= nTeams; ++t)
            Player(t * 10 + 1)->SetEnteringAverage(1500);
        doc.m_HcpPoints.m_bTeam = 1;
        doc.m_HcpPoints.m_nTeamGame[0] = 2;
        doc.UpdateMaxMatchPoints();
        doc.Recalculate();
    }

    int OpponentOf1(int nRound)
    {
        const CFixture* f = Match(nRound, 1);
        EXPECT_NE(f, nullptr) << "round " << nRound;
        return f == nullptr ? 0 : f->m_nTeamA == 1 ? f->m_nTeamB : f->m_nTeamA;
    }

    // Team 1's round-r match: its side bowled on the given day of September.
    void TypeLate(int nRound, int nDay, int nOpponentScore)
    {
        EnterRound(nRound, {{1, {{170}}}, {OpponentOf1(nRound), {{nOpponentScore}}}},
                   [nDay](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                       if (f->m_nTeamA != 1 && f->m_nTeamB != 1)
                           return;
                       const int s = SideOf(f, 1);
                       sheet.SetText(ScoreCell(s, 0, 0), "170").Click(IDC_SS_CHANGE_DATE[s]);
                       ui.OnDialog(IDD_ENTER_DATE_TIME).SetText(IDC_DT_DAY, std::to_string(nDay).c_str()).OK();
                   });
        const CFixture* f = Match(nRound, 1);
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(f->m_timePlayed[SideOf(f, 1)].GetDay(), nDay);
    }

    // Rounds 1, 2 and 4 as they come in, then Team 1's late round 3.
    void TypeSeason()
    {
        EnterRound(1, {{1, {{200}}}});
        EnterRound(2, {{1, {{180}}}});
        EnterRound(4, {{1, {{160}}}, {OpponentOf1(4), {{130}}}});
        TypeLate(3, 30, 140);
    }

    // Team 1's match of round r: its score and handicap, its opponent's, and both sides' points
    // (half points).
    V Scored(int nRound)
    {
        const CFixture* f = Match(nRound, 1);
        EXPECT_NE(f, nullptr) << "round " << nRound;
        if (f == nullptr)
            return {};
        const int a = SideOf(f, 1), b = 1 - a;
        const int ka = CFixture::SlotOf(a, 0), kb = CFixture::SlotOf(b, 0);
        return {f->m_nScore[0][ka], f->m_nHandicap[0][ka], f->m_nScore[0][kb], f->m_nHandicap[0][kb],
                f->m_nHandicapMatchPoints[a], f->m_nHandicapMatchPoints[b]};
    }

    // Round 3's matches without Team 1: both sides' handicaps and points.
    std::vector<V> OthersOfRound3()
    {
        std::vector<V> v;
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
            const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
            if (f->m_nRound == 3 && f->m_nTeamA != 1 && f->m_nTeamB != 1)
                v.push_back(V{f->m_nHandicap[0][CFixture::SlotOf(0, 0)], f->m_nHandicap[0][CFixture::SlotOf(1, 0)],
                              f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]});
        }
        return v;
    }

    // The command as the secretary picks it from the menu; its notices go to notices.
    void Command(CScriptedBackend& ui, UINT nID, const char* pszWhat)
    {
        ASSERT_TRUE(doc.OnCmdMsg(nID, CN_COMMAND, nullptr)) << pszWhat;
        EXPECT_TRUE(ui.AllUsed()) << pszWhat;
        TakeMessages(ui, pszWhat);
    }

    // Round 3 amended unchanged keeps what the command worked, and nobody is told anything more.
    void ExpectRound3HoldsWhenAmended()
    {
        const size_t nNotices = notices.size();
        const CFixture* f = Match(3, 1);
        ASSERT_NE(f, nullptr);
        AmendUnchanged(3, f->m_nMatch);
        EXPECT_EQ(Scored(3), kWithoutRound4);
        EXPECT_EQ(notices.size(), nNotices);
    }
};

} // namespace

// Delete Final Round, Yes: round 3 is worked again at once and the secretary told once, whether
// Fixture Dates then closes with Finished or with Escape. Without round 4 the standings are
// round 1, 200 + 40 against 150 + 40, to Team 1, round 2, 180 + 0 (Bowler 11 at 200) against
// 150 + 40, and round 3, 178 against 180, to Team 2: Team 1 1 - 2 on 240 + 180 + 178 = 598
// pins, Team 2 2 - 1 on 190 + 190 + 180 = 560.
TEST(MatchesTakenAway, DeleteFinalRoundWorksTheLateMatchAgainWhicheverWayFixtureDatesCloses)
{
    for (bool bFinished : {false, true}) {
        SCOPED_TRACE(bFinished ? "closed with Finished" : "closed with Escape");
        LateSideLeague L(2, 4);
        L.TypeSeason();
        ASSERT_EQ(L.Scored(3), kCountingRound4);
        L.notices.clear();

        CScriptedBackend ui;
        auto& dates = ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_DELETE_FINAL);
        if (bFinished)
            dates.OK();
        else
            dates.Cancel();
        ui.AnswerMessageBox(IDYES, "This will delete Week 4 matches for ever!  Click Yes to continue.");
        ui.AnswerMessageBox(IDYES, "This will remove 1 matches already played!  Continue?");
        L.Command(ui, ID_FIXTURE_AMEND_DATES, "Delete Final Round");
        EXPECT_EQ(L.notices, std::vector<std::string>{kOneWorkedAgain});
        ASSERT_EQ(L.doc.m_nRounds, 3);
        EXPECT_EQ(L.Match(4, 1), nullptr);
        EXPECT_EQ(L.Scored(3), kWithoutRound4);
        const V standings = {2, 2, 4, 598, 1, 4, 2, 560};
        EXPECT_EQ(L.HandicapStandings(3, 2), standings);

        L.ExpectRound3HoldsWhenAmended();
        EXPECT_EQ(L.HandicapStandings(3, 2), standings);
    }
}

// On the real widgets: Delete Final Round clicked, Yes in the question, the notice shown over the
// dialog at once, then Escape.
TEST(MatchesTakenAway, OnTheRealDialogTheReworkIsToldBeforeEscape)
{
    LateSideLeague L(2, 4);
    L.TypeSeason();
    ASSERT_EQ(L.Scored(3), kCountingRound4);
    CRealUi ui;
    std::vector<std::string> shownBeforeEscape;
    ui.OnDialog(IDD_FIXTURE_DATES, [&](CRealDialog& d) {
        d.Click(IDC_FD_DELETE_FINAL);
        shownBeforeEscape = ui.messages;
        d.Escape();
    });
    ui.AnswerMessageBox(IDYES, "This will delete Week 4 matches for ever!");
    ui.AnswerMessageBox(IDYES, "This will remove 1 matches already played!");
    ASSERT_TRUE(L.doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    const std::vector<std::string> told = {"This will delete Week 4 matches for ever!  Click Yes to continue.",
                                           "This will remove 1 matches already played!  Continue?", kOneWorkedAgain};
    EXPECT_EQ(shownBeforeEscape, told);
    EXPECT_EQ(ui.messages, told);
    EXPECT_EQ(L.Scored(3), kWithoutRound4);
}

// Told that the round holds a played match, the secretary can keep it: No leaves the season as
// it was, nothing worked again.
TEST(MatchesTakenAway, DeleteFinalRoundAnsweredNoOverItsPlayedMatchKeepsIt)
{
    LateSideLeague L(2, 4);
    L.TypeSeason();
    L.notices.clear();
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_DELETE_FINAL).Cancel();
    ui.AnswerMessageBox(IDYES, "This will delete Week 4 matches for ever!  Click Yes to continue.");
    ui.AnswerMessageBox(IDNO, "This will remove 1 matches already played!  Continue?");
    L.Command(ui, ID_FIXTURE_AMEND_DATES, "Delete Final Round");
    EXPECT_EQ(L.doc.m_nRounds, 4);
    ASSERT_NE(L.Match(4, 1), nullptr);
    EXPECT_EQ(L.Scored(3), kCountingRound4);
    EXPECT_EQ(L.notices, std::vector<std::string>{});
}

// A final round without results goes as it did: nothing is worked again and nothing said.
TEST(MatchesTakenAway, DeleteFinalRoundWithoutResultsSaysNothing)
{
    LateSideLeague L(2, 5);
    L.TypeSeason();
    L.notices.clear();
    const V round3 = L.Scored(3);
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_DELETE_FINAL).Cancel();
    ui.AnswerMessageBox(IDYES, "This will delete Week 5 matches for ever!");
    L.Command(ui, ID_FIXTURE_AMEND_DATES, "Delete Final Round");
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"This will delete Week 5 matches for ever!  Click Yes to "
                                                          "continue."});
    EXPECT_EQ(L.doc.m_nRounds, 4);
    EXPECT_EQ(L.Scored(3), round3);
}

// A position round put in after round 3, its teams set from the standings and bowled on its day,
// 23 September, before Team 1's late round 3 on the 27th: round 3 counted it (16, the point to
// Team 1). Delete Position Round, both questions Yes, then Escape: round 3 is worked again
// without it at once (8, the point to Team 2).
TEST(MatchesTakenAway, DeletePositionRoundThenEscapeWorksTheLateMatchAgain)
{
    LateSideLeague L(2, 4);
    L.EnterRound(1, {{1, {{200}}}});
    L.EnterRound(2, {{1, {{180}}}});
    L.TypeLate(3, 27, 140);
    ASSERT_EQ(L.Scored(3), kWithoutRound4);

    CScriptedBackend add;
    add.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_ADD_POSITION).OK();
    add.OnDialog(IDD_ADD_POSITION_WEEK).Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_APW_ROUND).text, "4"); }).OK();
    add.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 4.");
    L.Command(add, ID_FIXTURE_AMEND_DATES, "Add Position Round");
    const CFixture* pPosition = L.doc.FindFixtureByRoundMatch(4, 1);
    ASSERT_NE(pPosition, nullptr);
    ASSERT_EQ(Nums(pPosition->m_bPositionRound, pPosition->m_timeDue.GetDay()), Nums(1, 23));

    L.EnterRound(4, {{1, {{160}}}, {2, {{130}}}}, {}, 150,
                 {"There is a position round match which has not been set."});
    ASSERT_TRUE(pPosition->m_bPlayed[0] && pPosition->m_bPlayed[1]);
    EXPECT_EQ(L.notices, std::vector<std::string>{kOneWorkedAgain});
    ASSERT_EQ(L.Scored(3), kCountingRound4);
    L.notices.clear();

    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_DELETE_POSITION).Cancel();
    ui.AnswerMessageBox(IDYES, "Do you wish to delete Positional Round Number 4?");
    ui.AnswerMessageBox(IDYES, "This will remove 1 matches already played!  Continue?");
    L.Command(ui, ID_FIXTURE_AMEND_DATES, "Delete Position Round");
    EXPECT_EQ(L.notices, std::vector<std::string>{kOneWorkedAgain});
    ASSERT_EQ(L.doc.m_nRounds, 4);
    EXPECT_EQ(L.doc.FindFixtureByRoundMatch(4, 1)->m_bPositionRound, 0u);
    EXPECT_EQ(L.Scored(3), kWithoutRound4);
    L.ExpectRound3HoldsWhenAmended();
}

// The league grown from four teams to six, or cut from six to four, from round 4 (restart rule,
// one cycle): the played round-4 matches go with the old schedule, and Team 1's late round 3 is
// worked again without its round 4 at once. Round 3's other matches, bowled on their day, counted
// rounds 1 and 2 only and stay as they were.
TEST(MatchesTakenAway, ALeagueResizedFromTheRoundAfterALateMatchWorksItAgain)
{
    for (bool bGrow : {true, false}) {
        SCOPED_TRACE(bGrow ? "Add extra Teams" : "Reduce League Size");
        LateSideLeague L(bGrow ? 4 : 6, 6);
        L.TypeSeason();
        ASSERT_EQ(L.Scored(3), kCountingRound4);
        const std::vector<V> othersOfRound3 = L.OthersOfRound3();
        ASSERT_EQ(othersOfRound3.size(), bGrow ? 1u : 2u);
        L.notices.clear();

        CScriptedBackend ui;
        ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
        if (bGrow) {
            ui.OnDialog(IDD_EXPAND_LEAGUE).SetText(IDC_LSZ_START_ROUND, "4").Select(IDC_LSZ_ROUNDS, 0).OK();
            ui.AnswerMessageBox(IDYES, "This will remove 2 matches already played!  Continue?");
            ui.OnDialog(IDD_NEW_PLAYER).Cancel();
        } else {
            // Two teams that played neither Team 1 nor its opponent in round 3 go.
            std::vector<std::string> drop;
            for (int t = 6; t >= 2 && drop.size() < 2; --t)
                if (t != L.OpponentOf1(3))
                    drop.push_back("Team " + std::to_string(t));
            ui.OnDialog(IDD_CONTRACT_LEAGUE)
                .SetText(IDC_LSZ_START_ROUND, "4")
                .Select(IDC_LSZ_ROUNDS, 0)
                .SelectString(IDC_LSZ_DROP1, drop[0].c_str())
                .SelectString(IDC_LSZ_DROP2, drop[1].c_str())
                .OK();
            ui.AnswerMessageBox(IDYES, "This will remove 3 matches already played!  Continue?");
        }
        L.Command(ui, bGrow ? ID_FIXTURE_ADD_EXTRA_TEAMS : ID_FIXTURE_REDUCE_LEAGUE_SIZE, "the size change");
        EXPECT_EQ(L.notices, std::vector<std::string>{kOneWorkedAgain});
        ASSERT_EQ(L.doc.m_nTeams, bGrow ? 6 : 4);
        const CFixture* pRound4 = L.Match(4, 1);
        ASSERT_NE(pRound4, nullptr);
        EXPECT_FALSE(pRound4->m_bPlayed[0] || pRound4->m_bPlayed[1]);
        EXPECT_EQ(L.Scored(3), kWithoutRound4);
        EXPECT_EQ(L.OthersOfRound3(), othersOfRound3);
        L.ExpectRound3HoldsWhenAmended();
    }
}

// Fixture > Edit League Schedule: round 4 re-paired, Team 2 now side A, stored on leaving the
// round for round 3, then Escape. Round 4's result is erased, and round 3 worked again without it.
TEST(MatchesTakenAway, ARoundRePairedInTheScheduleEditorWorksTheLateMatchAgain)
{
    LateSideLeague L(2, 4);
    L.TypeSeason();
    ASSERT_EQ(L.Scored(3), kCountingRound4);
    L.notices.clear();

    CScriptedBackend ui;
    ui.AnswerMessageBox(IDYES, "This is a VERY DANGEROUS operation.");
    ui.AnswerMessageBox(IDYES, "the results will be erased!");
    ui.AnswerMessageBox(IDYES, "If you fully accept responsibility");
    ui.OnDialog(IDD_EDIT_SCHEDULE)
        .Click(IDC_ES_NEXT).Click(IDC_ES_NEXT).Click(IDC_ES_NEXT)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ES_WEEK).text, "Week 4 / 4"); })
        .Click(IDC_ES_EDIT)
        .SelectString(IDC_ES_TEAMS, "Team 2").Click(IDC_ES_SELECT) // Team 1 places itself
        .Click(IDC_ES_PREV)
        .Cancel();
    L.Command(ui, ID_FIXTURE_EDIT_SCHEDULE, "Edit League Schedule");
    EXPECT_EQ(L.notices, std::vector<std::string>{kOneWorkedAgain});
    const CFixture* pRound4 = L.Match(4, 1);
    ASSERT_NE(pRound4, nullptr);
    EXPECT_EQ(Nums(pRound4->m_nTeamA, pRound4->m_bPlayed[0], pRound4->m_bPlayed[1]), Nums(2, 0, 0));
    EXPECT_EQ(L.Scored(3), kWithoutRound4);
    L.ExpectRound3HoldsWhenAmended();
}

// Six teams, rounds 1 and 2 typed, Team 1 bowling 200 against everyone's 150 and winning both;
// then Reduce League Size from round 3 drops Team 1's round-1 opponent and another team. The
// dropped teams leave the standings of every round, the two they bowled included, while Team 1
// keeps the point it won from its dropped opponent: 2 points won, none lost, at round 2.
TEST(MatchesTakenAway, ATeamDroppedByReduceLeagueSizeLeavesTheStandingsOfEveryRound)
{
    LateSideLeague L(6, 5);
    L.EnterRound(1, {{1, {{200}}}});
    L.EnterRound(2, {{1, {{200}}}});
    const int nDropped = L.OpponentOf1(1);
    const int nAlsoDropped = nDropped == 6 ? 5 : 6;
    const int nSecondOpponent = L.OpponentOf1(2);
    ASSERT_NE(nSecondOpponent, nDropped);
    auto listed = [&L](int nRound) {
        L.SetRound(nRound);
        CRepItem_Standings item;
        item.m_pDoc = &L.doc, item.m_bHandicap = 1, item.m_y = -1000;
        CRecordingDC dc;
        item.Draw(&dc, nullptr);
        std::vector<std::string> names;
        for (const std::string& s : dc.Texts())
            if (s.rfind("Team ", 0) == 0)
                names.push_back(s);
        return names;
    };
    ASSERT_EQ(listed(2).size(), 6u);

    CScriptedBackend ui;
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_CONTRACT_LEAGUE)
        .SetText(IDC_LSZ_START_ROUND, "3")
        .Select(IDC_LSZ_ROUNDS, 0)
        .SelectString(IDC_LSZ_DROP1, ("Team " + std::to_string(nDropped)).c_str())
        .SelectString(IDC_LSZ_DROP2, ("Team " + std::to_string(nAlsoDropped)).c_str())
        .OK();
    L.Command(ui, ID_FIXTURE_REDUCE_LEAGUE_SIZE, "Reduce League Size");
    ASSERT_EQ(L.doc.m_nTeams, 4);
    for (int nRound : {1, 2}) {
        SCOPED_TRACE(nRound);
        const std::vector<std::string> names = listed(nRound);
        ASSERT_EQ(names.size(), 4u);
        EXPECT_EQ(names[0], "Team 1");
        for (int t : {nDropped, nAlsoDropped}) {
            EXPECT_EQ(std::count(names.begin(), names.end(), "Team " + std::to_string(t)), 0) << t;
            EXPECT_EQ(L.Team(t)->m_nHcpPosition, 0) << t;
        }
    }
    // Round 1's match against the dropped team still counts for Team 1 and its bowler, and the
    // dropped team's bowler keeps his two games.
    const CFixture* pRound1 = L.Match(1, 1);
    ASSERT_NE(pRound1, nullptr);
    EXPECT_TRUE(pRound1->m_bPlayed[0] && pRound1->m_bPlayed[1]);
    L.SetRound(2);
    EXPECT_EQ(Nums(L.Team(1)->m_nPointsWon[PASS_HANDICAP], L.Team(1)->m_nPointsLost[PASS_HANDICAP]), Nums(4, 0));
    EXPECT_EQ(Nums(L.Player(11)->m_nGames[PASS_HANDICAP], L.Player(11)->m_nPins[PASS_HANDICAP]), Nums(2, 400));
    const CPlayer* pDropped = L.Player(nDropped * 10 + 1);
    EXPECT_EQ(Nums(pDropped->m_nGames[PASS_HANDICAP], pDropped->m_nPins[PASS_HANDICAP]), Nums(2, 300));
}
