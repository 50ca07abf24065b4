// File > New driven as a secretary drives it, then the league carried through a free date,
// two more teams, a save and a reload.
#include "ReloadedLeague.h"
#include "AdminChecks.h"
#include "AdminTest.h"
#include "TempDir.h"
#include "admin/NewLeagueDlg.h"
#include "admin/SetFixtureListDlg.h"
#include "resources/CommandIds.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

// New League Details for an 8-team fours league of 3 games, weekly from Mon 6 Jan 2025.
void ScriptNewLeague(CScriptedBackend& ui)
{
    ui.OnDialog(IDD_NEW_LEAGUE)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_NL_TEAMS, IDC_NL_PLAYERS, IDC_NL_GAMES, IDC_NL_MAX_PLAYERS}),
                      (std::vector<std::string>{"4 Teams", "Singles", "3 Game Series", "8"}));
            EXPECT_EQ(Ctl(d, IDC_NL_TEAMS).items.size(), 24u);
            EXPECT_EQ(ChecksOf(d, {IDC_NL_HANDICAP, IDC_NL_SCRATCH, IDC_NL_PYRAMID}), (std::vector<int>{1, 0, 0}));
        })
        .SetText(IDC_NL_LEAGUE_NAME, "Tuesday Fours").SetText(IDC_NL_SECRETARY, "Jo Bloggs")
        .SelectString(IDC_NL_TEAMS, "8 Teams").SelectString(IDC_NL_PLAYERS, "4 Players/Team")
        .OK();
    ui.AnswerMessageBox(IDYES, "consisting of 8 teams, with each match consisting of 4 playing members, bowling a 3 game");
    ui.OnDialog(IDD_SET_FIXTURE_LIST)
        .Check([](CDialog& d) {
            auto& m = Ctl(d, IDC_SFL_MATCHES);
            ASSERT_EQ(m.items.size(), 11u); // 7, 14, ... 77
            EXPECT_EQ(m.items[0].text, " 7 Matches");
            EXPECT_EQ(m.items[10].data, 77u);
            EXPECT_EQ(Ctl(d, IDC_DATE_HOUR).text, "06 pm");
        })
        .SetText(IDC_DATE_DAY, "6").Select(IDC_DATE_MONTH, 0).SetText(IDC_DATE_YEAR, "2025")
        .Focus(IDC_SFL_ROUNDS_PER_INTERVAL)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_DATE_WEEKDAY).text, "Monday"); })
        .SetText(IDC_SFL_ROUNDS_PER_INTERVAL, "1")
        .OK();
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Check([](CDialog& d) {
            auto& list = Ctl(d, IDC_FD_ROUNDS);
            ASSERT_EQ(list.items.size(), 7u);
            EXPECT_EQ(Strs(list.items[0].text, list.items[6].text),
                      (std::vector<std::string>{"Rnd 1   Mon 06 Jan 2025 06:00 PM", "Rnd 7   Mon 17 Feb 2025 06:00 PM"}));
        })
        .OK();
}

} // namespace

class NewLeagueTest : public ::testing::Test
{
protected:
    void SetUp() override { SetUpAdmin(); }
};

TEST_F(NewLeagueTest, FromNothingToAWeeklyLeagueAndThroughTheSeason)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    ScriptNewLeague(ui);
    // File > New reaches the document through its command route.
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());

    EXPECT_EQ(Strs(doc.m_strLeagueName, doc.m_strSecretary), (std::vector<std::string>{"Tuesday Fours", "Jo Bloggs"}));
    EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nPlayersPerTeam, doc.m_nGamesPerMatch, doc.m_nRounds, doc.m_nCurrentRound,
                   doc.m_bSetupInProgress),
              Nums(8, 4, 3, 7, 1, 0));
    EXPECT_TRUE(doc.IsModified());
    auto teams = Teams(doc);
    ASSERT_EQ(teams.size(), 8u);
    for (int k = 0; k < 8; ++k) {
        CString name;
        name.Format("Team_%02d", k + 1);
        EXPECT_EQ(teams[k]->m_strName, name);
        EXPECT_EQ(teams[k]->m_nTeamNo, k + 1);
    }
    ASSERT_EQ(Fixtures(doc).size(), 28u);
    for (int r = 1; r <= 7; ++r) {
        EXPECT_EQ(doc.m_nMatchesPerRound[r], 4);
        for (CFixture* f : Fixtures(doc, r))
            EXPECT_EQ(f->m_timeDue, At(2025, 1, 6) + CTimeSpan(7LL * 86400 * (r - 1))) << r;
    }
    // Every team meets every other once in the seven rounds.
    std::set<std::pair<int, int>> met;
    for (CFixture* f : Fixtures(doc))
        met.insert({std::min(f->m_nTeamA, f->m_nTeamB), std::max(f->m_nTeamA, f->m_nTeamB)});
    EXPECT_EQ(met.size(), 28u);
    // The lanes: no last lane, so match m bowls on lanes 2m - 1 and 2m.
    EXPECT_EQ(Nums(doc.m_nLaneTable[0], doc.m_nLaneTable[7]), Nums(1, 8));

    // A result in round 1, then a free date before round 3: rounds 3 on move a week.
    EnterResult(Fixtures(doc, 1)[0]);
    const CTime round2 = Fixtures(doc, 2)[0]->m_timeDue;
    ui.OnDialog(IDD_FIXTURE_DATES).Select(IDC_FD_ROUNDS, 2).Click(IDC_FD_ADD_FREE_DATE).Check([](CDialog& d) {
        auto& list = Ctl(d, IDC_FD_ROUNDS);
        ASSERT_EQ(list.items.size(), 8u);
        EXPECT_EQ(Strs(list.items[2].text, list.items[3].text),
                  (std::vector<std::string>{"Free Date - Mon 20 Jan 2025", "Rnd 3   Mon 27 Jan 2025 06:00 PM"}));
    }).OK();
    ui.OnDialog(IDD_FREE_DATE_REASON).SetText(IDC_FDR_REASON, "Bowls club final").OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_EQ((std::vector<CTime>{Fixtures(doc, 2)[0]->m_timeDue, Fixtures(doc, 3)[0]->m_timeDue,
                                  Fixtures(doc, 7)[3]->m_timeDue}),
              (std::vector<CTime>{round2, At(2025, 1, 27), At(2025, 2, 24)}));
    EXPECT_EQ(Weeks(doc)[2]->m_strReason, "Bowls club final");

    // Two more teams from round 4, the schedule restarting for ten teams.
    CCmdUI state;
    doc.OnCmdMsg(ID_FIXTURE_ADD_EXTRA_TEAMS, CN_UPDATE_COMMAND_UI, &state);
    EXPECT_TRUE(state.m_bEnabled);
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_NSR_RESTART).check, 1); })
        .OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Strs(Ctl(d, IDC_LSZ_TEAMS_TEXT).text, Ctl(d, IDC_LSZ_ROUNDS).items[0].text),
                      (std::vector<std::string>{"League will have 10 Teams", "9 Rounds"}));
        })
        .SetText(IDC_LSZ_START_ROUND, "4").Focus(IDC_LSZ_ROUNDS)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_LSZ_BEFORE, IDC_LSZ_TOTAL}), (std::vector<std::string>{"3 + ", "(12) "}));
        })
        .OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_ADD_EXTRA_TEAMS, CN_COMMAND, nullptr));
    teams = Teams(doc);
    ASSERT_EQ(teams.size(), 10u);
    EXPECT_EQ(teams[9]->m_strName, "Team_10");
    EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nRounds, teams[9]->m_nVacancyStartRound, Fixtures(doc, 3).size(),
                   Fixtures(doc, 4).size(), doc.m_nMatchesPerRound[12]),
              Nums(10, 12, 4, 4, 5, 5));
    EXPECT_EQ((std::vector<CTime>{Fixtures(doc, 4)[0]->m_timeDue, Fixtures(doc, 12)[0]->m_timeDue}),
              (std::vector<CTime>{At(2025, 2, 3), At(2025, 3, 31)}));
    EXPECT_TRUE(Fixtures(doc, 1)[0]->m_bPlayed[0]);

    // Saved and read back, it is the same league.
    CBowlingDoc copy;
    ASSERT_TRUE(Reload(doc, copy));
    EXPECT_TRUE(copy.IsSameLeague(doc));
    EXPECT_EQ(Fixtures(copy, 12)[4]->m_timeDue, At(2025, 3, 31));
    EXPECT_EQ(Nums(copy.m_nMatchesPerRound[4], Weeks(copy)[2]->m_bFreeDate, Fixtures(copy, 1)[0]->m_nScore[0][0]),
              Nums(5, 1, 150));
}

TEST_F(NewLeagueTest, ScoringBoxesKeepOneTickedAndNoShowsTheDetailsAgain)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    ui.OnDialog(IDD_NEW_LEAGUE)
        .Click(IDC_NL_HANDICAP)
        .Check([](CDialog& d) { EXPECT_EQ(ChecksOf(d, {IDC_NL_HANDICAP, IDC_NL_SCRATCH}), (std::vector<int>{0, 1})); })
        .Click(IDC_NL_SCRATCH)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_NL_HANDICAP).check, 1); })
        .SelectString(IDC_NL_TEAMS, "50 Teams").SelectString(IDC_NL_PLAYERS, "5 Players/Team")
        .SelectString(IDC_NL_GAMES, "4 Game Series")
        .OK();
    ui.AnswerMessageBox(IDNO, "consisting of 50 teams, with each match consisting of 5 playing members, bowling a 4 game");
    ui.OnDialog(IDD_NEW_LEAGUE)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_NL_TEAMS, IDC_NL_GAMES}), (std::vector<std::string>{"50 Teams", "4 Game Series"}));
        })
        .Cancel();
    doc.OnFileNew();
    // Cancelled: an empty league that is not set up, and the view may draw again.
    EXPECT_EQ(Nums(doc.m_listTeams.GetCount(), doc.m_bSetupInProgress), Nums(0, 0));
    EXPECT_FALSE(doc.IsLeagueSetUp());
}

TEST_F(NewLeagueTest, OverASetUpLeagueItAsksFirstAndNamesTheNewFileBesideTheOld)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 3, At(2025, 9, 2));
    doc.SetPathName("/leagues/old/Monday.lgf", FALSE);
    ui.AnswerMessageBox(IDNO, "Do you really want to start a new league?");
    doc.OnFileNew();
    EXPECT_EQ(doc.m_listFixtures.GetCount(), 6);
    EXPECT_EQ(doc.GetPathName(), "/leagues/old/Monday.lgf");

    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    // The old league is unsaved: its changes are offered a save first.
    ui.AnswerMessageBox(IDNO, "Save changes to /leagues/old/Monday.lgf?");
    ui.AnswerMessageBox(IDNO, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE).Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_NL_TEAMS).text, "4 Teams"); }).OK();
    ui.AnswerMessageBox(IDYES, "consisting of 4 teams");
    ui.OnDialog(IDD_SET_FIXTURE_LIST).Cancel();
    doc.OnFileNew();
    EXPECT_EQ(Strs(doc.GetPathName(), doc.GetTitle()),
              (std::vector<std::string>{"/leagues/old/NewLeage.lgf", "NewLeage.lgf"}));
    // Cancelled at the fixture list: teams without fixtures, kept as a change.
    EXPECT_EQ(Nums(doc.m_bNewLeague, doc.m_listTeams.GetCount(), doc.m_listFixtures.GetCount(), doc.m_bSetupInProgress),
              Nums(1, 4, 0, 0));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(NewLeagueTest, ANewLeagueIsSavedOnlyUnderANameTheSecretaryChooses)
{
    TempDir dir;
    const std::string strOld = dir.File("NewLeage.lgf");
    std::ofstream(strOld) << "last year's league";
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 3, At(2025, 9, 2));
    doc.SetPathName(dir.File("Monday.lgf").c_str(), FALSE);
    doc.SetModifiedFlag(FALSE);
    CCmdUI save;
    doc.OnCmdMsg(ID_FILE_SAVE, CN_UPDATE_COMMAND_UI, &save);
    EXPECT_TRUE(save.m_bEnabled);

    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDNO, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE).OK();
    ui.AnswerMessageBox(IDYES, "consisting of 4 teams");
    ui.OnDialog(IDD_SET_FIXTURE_LIST).Cancel();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
    ASSERT_EQ(doc.GetPathName(), strOld.c_str());
    doc.OnCmdMsg(ID_FILE_SAVE, CN_UPDATE_COMMAND_UI, &save);
    EXPECT_FALSE(save.m_bEnabled);

    // Closing with the changes kept asks for the name instead of writing over the old file.
    ui.AnswerMessageBox(IDYES, "Save changes to");
    ui.CancelFileDialog();
    EXPECT_FALSE(doc.SaveModified());
    ui.AnswerMessageBox(IDYES, "Save changes to");
    ui.ChooseFile(dir.File("Autumn.lgf"));
    EXPECT_TRUE(doc.SaveModified());
    std::string strKept;
    std::getline(std::ifstream(strOld), strKept);
    EXPECT_EQ(strKept, "last year's league");
    EXPECT_TRUE(std::filesystem::exists(dir.File("Autumn.lgf")));
    EXPECT_EQ(doc.GetPathName(), dir.File("Autumn.lgf").c_str());
    EXPECT_EQ(doc.m_bNewLeague, 0u);
    doc.OnCmdMsg(ID_FILE_SAVE, CN_UPDATE_COMMAND_UI, &save);
    EXPECT_TRUE(save.m_bEnabled);
}

TEST_F(NewLeagueTest, SetFixtureListOffersOnlyDatesALeagueFileCanHold)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    doc.m_nTeams = 50;
    CSetFixtureListDlg dlg;
    dlg.m_pDoc = &doc;
    dlg.m_nTeams = 50;
    dlg.m_nRoundsPerInterval = 1;
    ui.OnDialog(IDD_SET_FIXTURE_LIST)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SFL_MATCHES).items.size(), 1u); })
        .SetText(IDC_DATE_YEAR, "2099").OK().SetText(IDC_DATE_YEAR, "2037").SetText(IDC_DATE_DAY, "1")
        .Select(IDC_DATE_MONTH, 11).Focus(IDC_SFL_MATCHES)
        .OK() // 49 weeks from December 2037 pass January 2038
        .SetText(IDC_DATE_YEAR, "2035").Focus(IDC_SFL_MATCHES).Select(IDC_SFL_FREQUENCY, 1)
        .SetText(IDC_DATE_DAY, "32") // ignored while typed; refused by OK
        .OK().SetText(IDC_DATE_DAY, "3")
        .OK();
    ui.AnswerMessageBox(IDOK, "between 1970 and 2038");
    ui.AnswerMessageBox(IDOK, "19 Jan 2038");
    ui.AnswerMessageBox(IDOK, "between 1 and 31");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Nums(dlg.m_nMatches, dlg.m_nFrequency), Nums(49, 1));
    EXPECT_EQ(dlg.m_timeStart, At(2035, 12, 3));
    // The dates were tried on the league, which is left without a calendar until it is built.
    EXPECT_EQ(Nums(doc.m_listFreeWeeks.GetCount(), doc.m_nRounds, doc.m_nMinutesBetweenRounds), Nums(0, 0, 0));
}
