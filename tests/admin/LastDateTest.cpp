// A league file holds dates up to 03:14:07 on 19 January 2038 by Greenwich, where these tests
// keep the clock. Each command that dates rounds refuses a season past it before it changes
// anything, and takes one that ends just inside it, which the file then holds.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "NextSeason.h"
#include "TempDir.h"
#include "TimeZone.h"
#include "admin/DateCombos.h"
#include "admin/PlayerSetup.h"

namespace {

using Texts = std::vector<std::string>;

// What a refused command leaves as it was: every match with its sides, dates and result, the
// calendar, the teams, the counts and whether the league is marked changed.
Texts LeagueState(const CBowlingDoc& doc)
{
    Texts v;
    for (const CFixture* f : Fixtures(doc)) {
        CString s;
        s.Format("R%d M%d %d v %d %s %s %s %d%d %d", f->m_nRound, f->m_nMatch, f->m_nTeamA, f->m_nTeamB,
                 f->m_timeDue.Format("%c").GetString(), f->m_timePlayed[0].Format("%c").GetString(),
                 f->m_timePlayed[1].Format("%c").GetString(), f->m_bPlayed[0], f->m_bPlayed[1], f->m_bPositionRound);
        v.emplace_back(s.GetString());
    }
    for (const CFreeWeek* w : Weeks(doc)) {
        CString s;
        w->GetListText(s, ' ');
        s.AppendFormat(" %d-%d", w->m_nFirstRound, w->m_nLastRound);
        v.emplace_back(s.GetString());
    }
    for (const CTeam* t : Teams(doc))
        v.push_back(std::string(t->m_strName.GetString()) + (t->IsRemoved() ? " removed" : ""));
    CString s;
    s.Format("%d teams %d extra %d rounds %d a date %d minutes %d changed", doc.m_nTeams, doc.m_nExtraTeams,
             doc.m_nRounds, doc.m_nRoundsPerInterval, doc.m_nMinutesBetweenRounds, doc.IsModified() ? 1 : 0);
    v.emplace_back(s.GetString());
    return v;
}

bool Saves(CBowlingDoc& doc)
{
    TempDir dir;
    return doc.OnSaveDocument(dir.File("Edge.lgf").c_str()) != FALSE;
}

CTime LastDue(const CBowlingDoc& doc)
{
    CTime last;
    for (const CFixture* f : Fixtures(doc))
        last = std::max(last, f->m_timeDue);
    return last;
}

} // namespace

class LastDateTest : public ::testing::Test
{
protected:
    // The program's road for new teams' bowlers, taken back for the tests that follow.
    void SetUp() override
    {
        SetUpAdmin();
        m_pfnAddNewPlayer = LeagueSetup::pfnAddNewPlayer;
        PlayerSetup::Install();
    }
    void TearDown() override { LeagueSetup::pfnAddNewPlayer = m_pfnAddNewPlayer; }
    void (*m_pfnAddNewPlayer)(CBowlingDoc*) = nullptr;
    const ScopedTimeZone m_zone{"UTC"};
};

// Four teams, a week apart at 6 pm, grow to six from round 2, whose result would go. Restarting
// (rounds 2 to 6) fits a league from 14 Dec 2037, ending 18 Jan; from 21 Dec it would end on
// 25 Jan. Synchronized ("5 Rounds": rounds 2 to 5) fits from 21 Dec and not from 28 Dec.
TEST_F(LastDateTest, AddExtraTeamsWithEitherRule)
{
    struct Case { bool bSynchronize; CTime start; bool bFits; };
    for (const Case c : {Case{false, At(2037, 12, 14), true}, Case{false, At(2037, 12, 21), false},
                         Case{true, At(2037, 12, 21), true}, Case{true, At(2037, 12, 28), false}}) {
        SCOPED_TRACE(c.start.Format("%d %b ") + (c.bSynchronize ? "synchronized" : "restarted"));
        CScriptedBackend ui;
        CBowlingDoc doc;
        MakeLeague(doc, 4, 3, c.start);
        EnterResult(Fixtures(doc, 2)[0]);
        doc.SetModifiedFlag(FALSE);
        const Texts before = LeagueState(doc);
        auto& rule = ui.OnDialog(IDD_NEW_SCHEDULE_RULE);
        if (c.bSynchronize)
            rule.Click(IDC_NSR_SYNCHRONIZE);
        rule.OK();
        ui.OnDialog(IDD_EXPAND_LEAGUE)
            .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_LSZ_START_ROUND).text, "2"); })
            .OK();
        if (c.bFits) {
            ui.AnswerMessageBox(IDYES, "This will remove 1 matches already played!");
            ui.OnDialog(IDD_NEW_PLAYER).Cancel();  // the new teams' bowlers are offered
        }
        ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_ADD_EXTRA_TEAMS, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
        if (!c.bFits) {
            EXPECT_EQ(ui.MessageTexts(), Texts{SEASON_PAST_LAST_DATE});
            EXPECT_EQ(LeagueState(doc), before);
            continue;
        }
        EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nRounds), Nums(6, c.bSynchronize ? 5 : 6));
        EXPECT_EQ(LastDue(doc), At(2038, 1, 18));
        EXPECT_TRUE(Saves(doc));
    }
}

// Six teams shrink to four from round 2, round 1 played, over "6 Rounds": rounds 2 to 7 end on
// 18 Jan for a league from 7 Dec 2037, and would end on 25 Jan for one from 14 Dec.
TEST_F(LastDateTest, ReduceLeagueSize)
{
    for (const CTime start : {At(2037, 12, 7), At(2037, 12, 14)}) {
        const bool bFits = start.GetDay() == 7;
        CScriptedBackend ui;
        CBowlingDoc doc;
        MakeLeague(doc, 6, 5, start);
        for (CFixture* f : Fixtures(doc, 1))
            EnterResult(f);
        doc.SetModifiedFlag(FALSE);
        const Texts before = LeagueState(doc);
        ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
        ui.OnDialog(IDD_CONTRACT_LEAGUE)
            .SelectString(IDC_LSZ_DROP1, "Team_03").SelectString(IDC_LSZ_DROP2, "Team_05").Select(IDC_LSZ_ROUNDS, 1)
            .OK();
        ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_REDUCE_LEAGUE_SIZE, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
        if (!bFits) {
            EXPECT_EQ(ui.MessageTexts(), Texts{SEASON_PAST_LAST_DATE});
            EXPECT_EQ(LeagueState(doc), before);
            continue;
        }
        EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nExtraTeams, doc.m_nRounds), Nums(4, 2, 7));
        EXPECT_EQ(LastDue(doc), At(2038, 1, 18));
        EXPECT_TRUE(Saves(doc));
    }
}

// Squads: with two lanes the second match of a round bowls its squad's delay after the first.
// Extended from 14 Dec 2037 the season ends at 6 pm on 18 Jan; the second squad 9 hours later
// is bowled by 3 am, 10 hours later past the edge, so that delay is refused.
TEST_F(LastDateTest, ExtendSeasonCountsTheLastSquad)
{
    for (const WORD nDelay : {600, 540}) {
        CScriptedBackend ui;
        CBowlingDoc doc;
        MakeLeague(doc, 4, 3, At(2037, 12, 14));
        doc.m_bSplitSessions = 1;
        doc.m_nStartLane = 1;
        doc.m_nLastLane = 2;
        doc.m_nSquadDelay[1] = nDelay;
        doc.SetModifiedFlag(FALSE);
        const Texts before = LeagueState(doc);
        if (nDelay == 540) {
            ui.AnswerMessageBox(IDYES, "Add another 3 rounds to your league?");
            ui.OnDialog(IDD_FIXTURE_DATES).OK();
        }
        ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_EXTEND_SEASON, CN_COMMAND, nullptr));
        if (nDelay == 600) {
            EXPECT_EQ(ui.MessageTexts(), Texts{SEASON_PAST_LAST_DATE});
            EXPECT_EQ(LeagueState(doc), before);
            continue;
        }
        ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(Fixtures(doc, 6)[1]->m_timeDue, At(2038, 1, 19, 3, 0));
        EXPECT_TRUE(Saves(doc));
    }
}

// Split sessions put on by Lane Allocation over a season ending at 6 pm on 18 Jan 2038: the
// second squad's 10 hours are refused and the dialog stays open; without split sessions it closes.
TEST_F(LastDateTest, LaneAllocationCountsTheLastSquad)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 3, At(2038, 1, 4));
    doc.m_nStartLane = 1;
    doc.m_nLastLane = 2;
    doc.m_nSquadDelay[1] = 600;
    doc.SetModifiedFlag(FALSE);
    const Texts before = LeagueState(doc);
    ui.OnDialog(IDD_LANE_SCHEDULE)
        .Click(IDC_LS_SPLIT_SESSIONS).OK()
        .Check([&](CDialog&) { EXPECT_EQ(LeagueState(doc), before); })
        .Click(IDC_LS_SPLIT_SESSIONS).OK();
    ui.AnswerMessageBox(IDOK, SEASON_PAST_LAST_DATE);
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_LANE_ALLOCATION, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_bSplitSessions, ui.MessageTexts().size()), Nums(0, 1));
    EXPECT_EQ(LastDue(doc), At(2038, 1, 18));
}

// Fixture Dates on a league of 28 Dec 2037, 4 and 11 Jan 2038. Fortnightly, a position round
// (25 Jan), dates reset from the start (28 Dec, 11 and 25 Jan) and the season started later are
// refused; weekly, a free date before round 3 puts it on 18 Jan, a second free date and then a
// position round are refused, and with the free date gone the position round goes on 18 Jan.
TEST_F(LastDateTest, FixtureDatesButtons)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 3, At(2037, 12, 28));
    doc.SetModifiedFlag(FALSE);
    const Texts before = LeagueState(doc);
    const Texts lines = {"Rnd 1   Mon 28 Dec 2037 06:00 PM", "Rnd 2   Mon 04 Jan 2038 06:00 PM",
                         "Rnd 3   Mon 11 Jan 2038 06:00 PM"};
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Select(IDC_FD_WEEKS, 1)
        .Click(IDC_FD_ADD_POSITION).Click(IDC_FD_RESET_FROM_START).Select(IDC_FD_ROUNDS, 0).Click(IDC_FD_ADD_FREE_DATE)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_FD_ROUNDS), lines);
            EXPECT_EQ(LeagueState(doc), before);
        })
        .Select(IDC_FD_WEEKS, 0)
        .Select(IDC_FD_ROUNDS, 2).Click(IDC_FD_ADD_FREE_DATE).Select(IDC_FD_ROUNDS, 3).Click(IDC_FD_ADD_FREE_DATE)
        .Click(IDC_FD_ADD_POSITION)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_FD_ROUNDS), (Texts{"Rnd 1   Mon 28 Dec 2037 06:00 PM", "Rnd 2   Mon 04 Jan 2038 06:00 PM",
                                                      "Free Date - Mon 11 Jan 2038", "Rnd 3   Mon 18 Jan 2038 06:00 PM"}));
        })
        .Select(IDC_FD_ROUNDS, 2).Click(IDC_FD_DELETE_FREE_WEEK).Click(IDC_FD_ADD_POSITION)
        .OK();
    ui.OnDialog(IDD_FREE_DATE_REASON).SetText(IDC_FDR_REASON, "Snow").OK();
    ui.OnDialog(IDD_FREE_DATE_REASON).SetText(IDC_FDR_REASON, "Ice").OK();
    ui.OnDialog(IDD_ADD_POSITION_WEEK).SetText(IDC_APW_ROUND, "4").OK();
    for (int i = 0; i < 5; ++i)
        ui.AnswerMessageBox(IDOK, SEASON_PAST_LAST_DATE);
    ui.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 4.");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(), (Texts{SEASON_PAST_LAST_DATE, SEASON_PAST_LAST_DATE, SEASON_PAST_LAST_DATE,
                                        SEASON_PAST_LAST_DATE, SEASON_PAST_LAST_DATE,
                                        "This will Insert a Positional Round at Round 4.  Click Yes to continue."}));
    EXPECT_EQ(Nums(doc.m_nRounds, Weeks(doc).size(), Fixtures(doc, 4)[1]->m_bPositionRound), Nums(4, 4, 1));
    EXPECT_EQ(LastDue(doc), At(2038, 1, 18));
    EXPECT_TRUE(Saves(doc));
}

// Three rounds a night, the last night Tue 19 Jan 2038, from 00:30 with 45 minutes between
// rounds. Every round moved to 2 am would put the last at 3.30, past the edge; at 1 am it is
// 2.30. Finished with 70 minutes would put it at 3.20 and keeps the dialog open; 65 puts it at
// 3.10.
TEST_F(LastDateTest, StartTimesAndMinutesToTheMinute)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 12, At(2037, 12, 29, 0, 30), 0, 3);
    ASSERT_EQ(doc.m_nMinutesBetweenRounds, 45);
    doc.SetModifiedFlag(FALSE);
    const Texts before = LeagueState(doc);
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Click(IDC_FD_SET_TIMES)
        .Check([&](CDialog&) { EXPECT_EQ(LeagueState(doc), before); })
        .Click(IDC_FD_SET_TIMES)
        .Select(IDC_FD_MINUTES, 12).OK()
        .Check([&](CDialog&) { EXPECT_EQ(doc.m_nMinutesBetweenRounds, 45); })
        .Select(IDC_FD_MINUTES, 11).OK();
    ui.OnDialog(IDD_START_TIME).Select(IDC_DATE_HOUR, 2).Select(IDC_DATE_MINUTE, 0).OK();
    ui.OnDialog(IDD_START_TIME).Select(IDC_DATE_HOUR, 1).Select(IDC_DATE_MINUTE, 0).OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(), (Texts{SEASON_PAST_LAST_DATE, SEASON_PAST_LAST_DATE}));
    EXPECT_EQ(Nums(doc.m_nMinutesBetweenRounds, Fixtures(doc, 11)[0]->m_timeDue.GetMinute()), Nums(65, 5));
    EXPECT_EQ(LastDue(doc), At(2038, 1, 19, 3, 10));
    EXPECT_TRUE(Saves(doc));
}

// The date dialogs offer 2038, whose days up to 03:14:07 on 19 January the file holds. Through
// Fixture Dates, Change Date moves round 3 of a season from Mon 28 Dec 2037 from Mon 11 Jan 2038
// to 3 am on Tue 19 Jan; 3.15 that morning and Wed 20 Jan are refused, saying which dates are
// taken, and 3.10 is kept. Set Fixture List refuses the year 2039, and of a season of three
// weeks in 2038 one from Tue 5 Jan (ending on 19 Jan at 6 pm), and takes one from Mon 4 Jan.
TEST_F(LastDateTest, TheDateDialogsOfferTheYear2038)
{
    const std::string strRange = "Please enter a date between 01 Jan 1970 12:00 AM and 19 Jan 2038 03:14 AM.";
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 3, At(2037, 12, 28));
    ui.OnDialog(IDD_FIXTURE_DATES)
        .DblClk(IDC_FD_ROUNDS, 2)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_FD_ROUNDS)[2], "Rnd 3   Tue 19 Jan 2038 03:10 AM"); })
        .OK();
    auto shown = [](CDialog& d) {
        return TextsOf(d, {IDC_DATE_DAY, IDC_DATE_MONTH, IDC_DATE_YEAR, IDC_DATE_HOUR, IDC_DATE_MINUTE, IDC_DATE_WEEKDAY});
    };
    ui.OnDialog(IDD_CHANGE_DATE)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_DATE_YEAR).back(), "2038");
            EXPECT_EQ(shown(d), (Texts{"11", "Jan", "2038", "06 pm", "00", "Monday"}));
        })
        .SelectString(IDC_DATE_HOUR, "03 am").SelectString(IDC_DATE_DAY, "19")
        .Check([&](CDialog& d) { EXPECT_EQ(shown(d), (Texts{"19", "Jan", "2038", "03 am", "00", "Tuesday"})); })
        .SelectString(IDC_DATE_MINUTE, "15")
        .SelectString(IDC_DATE_DAY, "20")
        .Check([&](CDialog& d) { EXPECT_EQ(shown(d), (Texts{"19", "Jan", "2038", "03 am", "00", "Tuesday"})); })
        .SelectString(IDC_DATE_MINUTE, "10")
        .OK();
    ui.AnswerMessageBox(IDOK, strRange.c_str());
    ui.AnswerMessageBox(IDOK, strRange.c_str());
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(), (Texts{strRange, strRange}));
    EXPECT_EQ(LastDue(doc), At(2038, 1, 19, 3, 10));
    EXPECT_TRUE(Saves(doc));

    CScriptedBackend sfl;
    CBowlingDoc next;
    next.m_nTeams = 4;
    for (WORD k = 1; k <= 4; ++k)
        next.AddTeam(new CTeam("Team", k));
    sfl.OnDialog(IDD_SET_FIXTURE_LIST)
        .Check([](CDialog& d) { EXPECT_EQ(Selected(d, IDC_SFL_MATCHES), " 3 Matches"); })
        .SetText(IDC_DATE_YEAR, "2039").OK()
        .SetText(IDC_DATE_YEAR, "2038").Select(IDC_DATE_MONTH, 0).SetText(IDC_DATE_DAY, "5").OK()
        .SetText(IDC_DATE_DAY, "4").OK();
    sfl.AnswerMessageBox(IDOK, "Please enter an integer between 1970 and 2038.");
    sfl.AnswerMessageBox(IDOK, SEASON_PAST_LAST_DATE);
    ASSERT_EQ(next.BuildFixtureList(), 1);
    EXPECT_TRUE(sfl.AllUsed());
    EXPECT_EQ(Nums(next.m_nRounds, Fixtures(next, 1)[0]->m_timeDue.GetTime(), LastDue(next).GetTime()),
              Nums(3, At(2038, 1, 4).GetTime(), At(2038, 1, 18).GetTime()));
    EXPECT_TRUE(Saves(next));
}

// The next season of the sample's eight teams, seven matches a week apart: from Tue 8 Dec 2037
// it would end at 6 pm on 19 Jan, past the edge, and Set Fixture List stays open with nothing
// dated; from Mon 7 Dec it ends on 18 Jan, a week before a further one would.
TEST_F(LastDateTest, TheNextSeason)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.SetModifiedFlag(FALSE);
    const int nOldRounds = doc.m_nRounds;
    NextSeasonUpToTheFixtureList(ui)
        .SetText(IDC_DATE_DAY, "8").Select(IDC_DATE_MONTH, 11).SetText(IDC_DATE_YEAR, "2037")
        .OK()
        .Check([&](CDialog& d) {
            EXPECT_EQ(d.GetFocusID(), IDC_DATE_DAY);
            EXPECT_EQ(Nums(doc.m_listFreeWeeks.GetCount(), doc.m_listFixtures.GetCount(), doc.m_nRounds),
                      Nums(0, 0, nOldRounds));
        })
        .SetText(IDC_DATE_DAY, "7")
        .OK();
    ui.AnswerMessageBox(IDOK, SEASON_PAST_LAST_DATE);
    ui.AnswerMessageBox(IDYES, "Retain old Income Items?");
    ui.AnswerMessageBox(IDYES, "Retain old Expense Items?");
    ui.AnswerMessageBox(IDYES, "Retain old 'weekly payments' Items?");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts()[2], std::string(SEASON_PAST_LAST_DATE) +
                                        " Please choose an earlier start or fewer matches.");
    EXPECT_EQ(Nums(doc.m_nRounds, Weeks(doc).size()), Nums(7, 7));
    EXPECT_EQ(LastDue(doc), At(2038, 1, 18));
    EXPECT_TRUE(Saves(doc));
}
