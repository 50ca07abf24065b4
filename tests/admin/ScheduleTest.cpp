// Schedules by size and frequency, the per-round match counts, and the league size changes.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "league/Schedule.h"
#include "resources/CommandIds.h"

class ScheduleTest : public ::testing::Test
{
protected:
    void SetUp() override { SetUpAdmin(); }
};

TEST_F(ScheduleTest, FixtureListsOfEachSizeAreDatedByTheirFrequency)
{
    struct Case { int teams; int rounds; int frequency; int days; };
    for (const Case c : {Case{4, 6, 0, 7}, Case{8, 7, 1, 14}, Case{10, 9, 2, 28}}) {
        CBowlingDoc doc;
        MakeLeague(doc, c.teams, c.rounds, At(2025, 9, 2, 19, 30), c.frequency);
        ASSERT_EQ(static_cast<int>(Fixtures(doc).size()), c.teams / 2 * c.rounds) << c.teams;
        for (int r = 1; r <= c.rounds; ++r) {
            for (CFixture* f : Fixtures(doc, r)) {
                EXPECT_EQ(f->m_timeDue.GetMinute(), 30);
                const CTime expected = At(2025, 9, 2 + (r - 1) * c.days, 19, 30);
                EXPECT_LE(std::llabs((f->m_timeDue - expected).GetTotalSeconds()), 3600) << c.teams << " " << r;
            }
            EXPECT_EQ(doc.m_nAllMatchesPerRound[r], c.teams / 2);
        }
        EXPECT_EQ(static_cast<int>(Weeks(doc).size()), c.rounds);
    }
}

TEST_F(ScheduleTest, ABye_TeamLeavesOneMatchARoundUnplayed)
{
    CBowlingDoc doc;
    MakeLeague(doc, 8, 7, At(2025, 1, 7));
    Teams(doc)[7]->m_strName = "BYE";
    Teams(doc)[7]->m_bBye = 1;
    doc.CountMatchesPerRound();
    for (int r = 1; r <= 7; ++r)
        EXPECT_EQ(Nums(doc.m_nAllMatchesPerRound[r], doc.m_nMatchesPerRound[r]), Nums(4, 3)) << r;
    EXPECT_EQ(doc.m_nAllMatchesPerRound[8], 0);
}

TEST_F(ScheduleTest, ExtendSeasonAddsACycleAWeekAfterTheLastRound)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 8, 7, At(2025, 1, 7));
    ui.AnswerMessageBox(IDNO, "Add another 7 rounds to your league?");
    doc.OnCmdMsg(ID_FIXTURE_EXTEND_SEASON, CN_COMMAND, nullptr);
    EXPECT_EQ(doc.m_nRounds, 7);
    ui.AnswerMessageBox(IDYES, "Add another 7 rounds to your league?");
    doc.OnCmdMsg(ID_FIXTURE_EXTEND_SEASON, CN_COMMAND, nullptr);
    ASSERT_EQ(Fixtures(doc, 14).size(), 4u);
    EXPECT_EQ(Fixtures(doc, 8)[0]->m_timeDue, At(2025, 2, 25));
    // The second cycle continues the table: round 8 is round 1 with the sides changed over.
    CFixture* r1 = Fixtures(doc, 1)[1];
    CFixture* r8 = Fixtures(doc, 8)[1];
    EXPECT_EQ(Nums(doc.m_nRounds, Weeks(doc).size(), doc.m_nMatchesPerRound[14], r8->m_nTeamA, r8->m_nTeamB),
              Nums(14, 14, 4, r1->m_nTeamB, r1->m_nTeamA));
}

// The league file holds dates up to 19 January 2038. Four teams bowling at noon: a season
// ending on 28 Dec 2037 is extended to 18 Jan 2038; one ending a week later, or with a free
// date on 11 Jan 2038 among the new rounds, would end on 25 Jan and is refused with what
// Set Fixture List says, the league left as it was.
TEST_F(ScheduleTest, ExtendSeasonRefusesRoundsAfterTheLastDateTheFileHolds)
{
    const std::string strRefusal = "The season would end after 19 Jan 2038, the last date a league file can hold.";
    struct Case { CTime start; bool bFreeDate; bool bFits; };
    for (const Case c : {Case{At(2037, 12, 14, 12, 0), false, true}, Case{At(2037, 12, 21, 12, 0), false, false},
                         Case{At(2037, 12, 14, 12, 0), true, false}}) {
        CScriptedBackend ui;
        CBowlingDoc doc;
        MakeLeague(doc, 4, 3, c.start);
        if (c.bFreeDate) {
            auto* pFree = new CFreeWeek;
            pFree->m_bFreeDate = 1;
            pFree->m_time = At(2038, 1, 11, 12, 0);
            doc.m_listFreeWeeks.AddTail(pFree);
        }
        doc.SetModifiedFlag(FALSE);
        std::vector<std::string> calendar;
        for (const CFreeWeek* w : Weeks(doc)) {
            CString s;
            w->GetListText(s, ' ');
            calendar.emplace_back(s.GetString());
        }
        if (c.bFits)
            ui.AnswerMessageBox(IDYES, "Add another 3 rounds to your league?");
        ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_EXTEND_SEASON, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
        if (c.bFits) {
            EXPECT_TRUE(ui.MessageTexts().size() == 1u);
            ASSERT_EQ(Nums(doc.m_nRounds, Fixtures(doc).size()), Nums(6, 12));
            EXPECT_EQ(Fixtures(doc, 6)[1]->m_timeDue, At(2038, 1, 18, 12, 0));
            continue;
        }
        EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{strRefusal}) << c.bFreeDate;
        std::vector<std::string> after;
        for (const CFreeWeek* w : Weeks(doc)) {
            CString s;
            w->GetListText(s, ' ');
            after.emplace_back(s.GetString());
        }
        EXPECT_EQ(after, calendar);
        EXPECT_EQ(Nums(doc.m_nRounds, Fixtures(doc).size(), doc.m_nMinutesBetweenRounds, doc.IsModified()),
                  Nums(3, 6, 0, 0));
    }
}

TEST_F(ScheduleTest, SynchronizedTeamsPlayOnAsIfTheLeagueHadAlwaysHadTwelve)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 10, 18, At(2025, 1, 7));
    for (int r = 1; r <= 9; ++r)
        for (CFixture* f : Fixtures(doc, r))
            EnterResult(f);
    doc.m_nCurrentRound = 9;
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).Click(IDC_NSR_SYNCHRONIZE).OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE)
        .Check([](CDialog& d) {
            // Multiples of 11 from the first not below round 9.
            EXPECT_EQ(Strs(Ctl(d, IDC_LSZ_ROUNDS).items[0].text, Ctl(d, IDC_LSZ_START_ROUND).text),
                      (std::vector<std::string>{"11 Rounds", "10"}));
        })
        .Select(IDC_LSZ_ROUNDS, 1)
        .OK();
    doc.OnAddExtraTeams();
    EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nRounds), Nums(12, 22));
    CPairingWalk walk(12, 9);
    std::vector<CPairing> pairs;
    walk.NextRound(pairs);
    auto round10 = Fixtures(doc, 10);
    ASSERT_EQ(round10.size(), 6u);
    for (size_t m = 0; m < 6; ++m) {
        EXPECT_EQ(Nums(round10[m]->m_nTeamA, round10[m]->m_nTeamB), Nums(pairs[m].nSideA, pairs[m].nSideB)) << m;
        EXPECT_EQ(round10[m]->m_pTeamA, doc.FindTeam(static_cast<WORD>(pairs[m].nSideA)));
    }
    EXPECT_EQ(Fixtures(doc, 10)[0]->m_timeDue, At(2025, 3, 11));
    // The results entered stay.
    for (CFixture* f : Fixtures(doc, 9))
        EXPECT_TRUE(f->m_bPlayed[0] && f->m_bPlayed[1]);
    EXPECT_EQ(Fixtures(doc, 9).size(), 5u);
}

TEST_F(ScheduleTest, SynchronizedRoundsNeverEndBeforeTheRoundsThatStay)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 10, 18, At(2025, 1, 7));
    for (CFixture* f : Fixtures(doc, 14))
        EnterResult(f);
    doc.m_nCurrentRound = 9;
    // From round 16, "11 Rounds" would end the league before rounds 12 to 15 and their results.
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).Click(IDC_NSR_SYNCHRONIZE).OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE).SetText(IDC_LSZ_START_ROUND, "16").OK().Select(IDC_LSZ_ROUNDS, 1).OK();
    ui.AnswerMessageBox(IDOK, "The rounds before round 16 stay, so please choose at least 15 rounds.");
    doc.OnAddExtraTeams();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(doc.m_nRounds, 22);
    EXPECT_EQ(Fixtures(doc, 16).size(), 6u);
    EXPECT_EQ(Fixtures(doc, 15).size(), 5u);
    EXPECT_TRUE(Fixtures(doc, 14)[0]->m_bPlayed[0]);
    // The document itself keeps every round that has matches.
    doc.AddScheduleRounds(23, 11, 0, At(2025, 6, 10));
    EXPECT_EQ(doc.m_nRounds, 22);
}

TEST_F(ScheduleTest, PlayedMatchesFromTheStartRoundNeedAYes)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 8, 14, At(2025, 1, 7));
    EnterResult(Fixtures(doc, 5)[0]);
    EnterResult(Fixtures(doc, 6)[2]);
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE).SetText(IDC_LSZ_START_ROUND, "5").OK();
    ui.AnswerMessageBox(IDNO, "This will remove 2 matches already played!  Continue?");
    doc.OnAddExtraTeams();
    EXPECT_EQ(Nums(doc.m_nTeams, Fixtures(doc).size()), Nums(8, 56));
    // A start round beyond the schedule has no date to start from.
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE).SetText(IDC_LSZ_START_ROUND, "40").OK();
    ui.AnswerMessageBox(IDOK, "Round 40 has no matches");
    doc.OnAddExtraTeams();
    EXPECT_EQ(doc.m_nTeams, 8);
}

TEST_F(ScheduleTest, ReduceDropsTwoTeamsToTheEndAndKeepsTheirResults)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 10, 9, At(2025, 1, 7));
    for (int r = 1; r <= 3; ++r)
        for (CFixture* f : Fixtures(doc, r))
            EnterResult(f);
    doc.m_nCurrentRound = 3;

    // The same team twice changes nothing.
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_CONTRACT_LEAGUE).Select(IDC_LSZ_DROP2, 0).OK();
    ui.AnswerMessageBox(IDOK, "You cannot remove the same team twice!");
    doc.OnCmdMsg(ID_FIXTURE_REDUCE_LEAGUE_SIZE, CN_COMMAND, nullptr);
    EXPECT_EQ(Nums(doc.m_nExtraTeams, doc.m_nTeams), Nums(0, 10));

    // An unplayed match before the start round stops it.
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_CONTRACT_LEAGUE).SetText(IDC_LSZ_START_ROUND, "5").OK();
    ui.AnswerMessageBox(IDOK, "There are 5 unplayed matches beford round 5.  NO ACTION CAN BE TAKEN.");
    doc.OnReduceLeagueSize();
    EXPECT_EQ(Nums(doc.m_nExtraTeams, Fixtures(doc).size()), Nums(0, 45));

    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_CONTRACT_LEAGUE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_LSZ_TEAMS_TEXT).text, "League will have 8 Teams");
            EXPECT_EQ(Ctl(d, IDC_LSZ_DROP1).items.size(), 10u);
        })
        .SelectString(IDC_LSZ_DROP1, "Team_03").SelectString(IDC_LSZ_DROP2, "Team_05")
        .OK();
    doc.OnReduceLeagueSize();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_TRUE(doc.IsLeagueSetUp());
    auto teams = Teams(doc);
    ASSERT_EQ(teams.size(), 10u);
    EXPECT_EQ(Strs(teams[8]->m_strName, teams[9]->m_strName), (std::vector<std::string>{"Team_03", "Team_05"}));
    EXPECT_TRUE(teams[8]->IsRemoved() && teams[9]->IsRemoved());
    EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nExtraTeams, doc.m_nRounds, Fixtures(doc, 3).size(), Fixtures(doc, 4).size()),
              Nums(8, 2, 3 + 7, 5, 4));
    for (CFixture* f : Fixtures(doc, 4))
        EXPECT_TRUE(f->m_nTeamA != 3 && f->m_nTeamB != 5) << f->m_nTeamA << " v " << f->m_nTeamB;
    EXPECT_TRUE(Fixtures(doc, 2)[0]->m_bPlayed[0]);

    // Two teams added again go in front of the dropped ones, named after none of the ten.
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE).SetText(IDC_LSZ_START_ROUND, "5").OK();
    doc.OnAddExtraTeams();
    teams = Teams(doc);
    ASSERT_EQ(teams.size(), 12u);
    EXPECT_EQ(Strs(teams[8]->m_strName, teams[9]->m_strName, teams[10]->m_strName),
              (std::vector<std::string>{"Team_11", "Team_12", "Team_03"}));
    EXPECT_EQ(Nums(teams[8]->m_nTeamNo, doc.m_nTeams), Nums(11, 10));
}

TEST_F(ScheduleTest, SizeCommandsAreOfferedOnlyToASetUpLeague)
{
    CBowlingDoc doc;
    CCmdUI state;
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_REDUCE_LEAGUE_SIZE, CN_UPDATE_COMMAND_UI, &state));
    EXPECT_FALSE(state.m_bEnabled);
    MakeLeague(doc, 50, 49, At(2025, 1, 7));
    CCmdUI add;
    doc.OnCmdMsg(ID_FIXTURE_ADD_EXTRA_TEAMS, CN_UPDATE_COMMAND_UI, &add);
    EXPECT_FALSE(add.m_bEnabled);
    CCmdUI extend;
    doc.OnCmdMsg(ID_FIXTURE_EXTEND_SEASON, CN_UPDATE_COMMAND_UI, &extend);
    EXPECT_TRUE(extend.m_bEnabled);
}

TEST_F(ScheduleTest, AFourTeamLeagueCannotBeReduced)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 6, At(2025, 1, 7));
    const int nFixtures = doc.m_listFixtures.GetCount();
    ui.AnswerMessageBox(IDOK, "A league must keep at least 4 teams.");
    doc.OnReduceLeagueSize();
    EXPECT_TRUE(ui.AllUsed());  // no dialog opened
    EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nExtraTeams, doc.m_listFixtures.GetCount()), Nums(4, 0, nFixtures));
}

// Three rounds a night, 20 minutes apart as Fixture Dates set them, from 6 pm on Tue 7 Jan 2025.
// Two teams more from round 5, the middle of the second night: rounds 5 and 6 stay that night
// at 6.20 and 6.40, and the nights after start at 6 pm with the secretary's 20 minutes.
TEST_F(ScheduleTest, RoundsRebuiltFromTheMiddleOfANightKeepItsTimesAndMinutes)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 12, At(2025, 1, 7), 0, 3);
    ui.OnDialog(IDD_FIXTURE_DATES).Select(IDC_FD_MINUTES, 2).OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    ASSERT_EQ(Fixtures(doc, 5)[0]->m_timeDue, At(2025, 1, 14, 18, 20));

    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE).SetText(IDC_LSZ_START_ROUND, "5").OK(); // five rounds: 5 to 9
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_ADD_EXTRA_TEAMS, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    ASSERT_EQ(Nums(doc.m_nRounds, Fixtures(doc, 9).size(), doc.m_nMinutesBetweenRounds), Nums(9, 3, 20));
    std::vector<CTime> due;
    for (int r = 5; r <= 9; ++r)
        due.push_back(Fixtures(doc, r)[2]->m_timeDue);
    EXPECT_EQ(due, (std::vector<CTime>{At(2025, 1, 14, 18, 20), At(2025, 1, 14, 18, 40), At(2025, 1, 21),
                                       At(2025, 1, 21, 18, 20), At(2025, 1, 21, 18, 40)}));
    std::vector<std::pair<int, int>> ranges;
    for (const CFreeWeek* w : Weeks(doc))
        ranges.emplace_back(w->m_nFirstRound, w->m_nLastRound);
    EXPECT_EQ(ranges, (std::vector<std::pair<int, int>>{{1, 3}, {4, 6}, {7, 9}}));
}
