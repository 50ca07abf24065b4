// Leagues of several rounds an evening, made through File > New, keep one calendar through every
// command that dates rounds: every round on one evening of Fixture Dates, each due at its
// evening's hour plus the minutes between rounds for each round before it that evening, no team
// due twice at one time, no round before the one before it, the secretary's minutes kept, and
// Fixture Dates' Finished afterwards moves nothing and leaves the league unmodified.
//
// The leagues start on Tuesday 8 December 2026 at 6 pm, four singles teams unless said.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "RecordingDC.h"
#include "admin/RulesSetup.h"
#include "reports/stats/RepItem_Standings.h"
#include "resources/dialogs/RulesDialogs.h"

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

std::string Shown(CTime t)
{
    return t.Format("%a %d %b %Y %I:%M %p").GetString();
}

int DayOf(CTime t)
{
    return t.GetYear() * 10000 + t.GetMonth() * 100 + t.GetDay();
}

Texts CalendarLines(const CBowlingDoc& doc)
{
    Texts lines;
    for (const CFreeWeek* w : Weeks(doc)) {
        CString s;
        w->GetListText(s, ' ');
        lines.emplace_back(s.GetString());
    }
    return lines;
}

// What breaks the one calendar, in words; nothing when it holds.
Texts CalendarFaults(const CBowlingDoc& doc)
{
    Texts faults;
    const int nPerEvening = std::max<int>(doc.m_nRoundsPerInterval, 1);
    std::map<int, const CFreeWeek*> eveningOf;
    int nNext = 1;
    const CFreeWeek* pPrev = nullptr;
    for (const CFreeWeek* w : Weeks(doc)) {
        if (pPrev && DayOf(w->m_time) <= DayOf(pPrev->m_time))
            faults.push_back("an entry on " + Shown(w->m_time) + " follows one on " + Shown(pPrev->m_time));
        pPrev = w;
        if (w->m_bFreeDate)
            continue;
        const int nCount = w->m_nLastRound - w->m_nFirstRound + 1;
        if (w->m_nFirstRound != nNext || nCount < 1 || nCount > nPerEvening)
            faults.push_back("the evening of " + Shown(w->m_time) + " holds rounds " + std::to_string(w->m_nFirstRound) +
                             "-" + std::to_string(w->m_nLastRound) + " after round " + std::to_string(nNext - 1));
        for (int r = w->m_nFirstRound; r <= w->m_nLastRound; ++r)
            eveningOf[r] = w;
        nNext = std::max(nNext, w->m_nLastRound + 1);
    }
    if (nNext != doc.m_nRounds + 1)
        faults.push_back("the evenings hold rounds up to " + std::to_string(nNext - 1) + " of " +
                         std::to_string(doc.m_nRounds));
    std::map<std::pair<int, CTime>, int> teamAt;
    std::map<int, CTime> roundDue;
    for (const CFixture* f : Fixtures(doc)) {
        const auto it = eveningOf.find(f->m_nRound);
        if (it == eveningOf.end()) {
            faults.push_back("round " + std::to_string(f->m_nRound) + " has no evening");
            continue;
        }
        const CFreeWeek& w = *it->second;
        const CTime due = w.m_time + CTimeSpan(static_cast<LONGLONG>(f->m_nRound - w.m_nFirstRound) *
                                               doc.m_nMinutesBetweenRounds * 60);
        if (f->m_timeDue != due)
            faults.push_back("round " + std::to_string(f->m_nRound) + " match " + std::to_string(f->m_nMatch) +
                             " due " + Shown(f->m_timeDue) + ", its evening says " + Shown(due));
        for (int nTeam : {int(f->m_nTeamA), int(f->m_nTeamB)})
            if (nTeam != 0 && ++teamAt[{nTeam, f->m_timeDue}] == 2)
                faults.push_back("team " + std::to_string(nTeam) + " is due twice on " + Shown(f->m_timeDue));
        if (f->m_nMatch == 1)
            roundDue[f->m_nRound] = f->m_timeDue;
    }
    for (const auto& [nRound, due] : roundDue)
        if (roundDue.count(nRound - 1) && due <= roundDue[nRound - 1])
            faults.push_back("round " + std::to_string(nRound) + " is due before or with the round before it");
    return faults;
}

// Every match's round, teams, due date and the days its sides bowled.
using Dated = std::tuple<int, int, int, CTime, CTime, CTime>;
std::vector<Dated> Dates(const CBowlingDoc& doc)
{
    std::vector<Dated> v;
    for (const CFixture* f : Fixtures(doc))
        v.emplace_back(f->m_nRound, f->m_nTeamA, f->m_nTeamB, f->m_timeDue, f->m_timePlayed[0], f->m_timePlayed[1]);
    return v;
}

// The league saved, then Fixture Dates opened and closed with Finished: nothing moves, nothing
// is said and the league is as saved.
void ExpectFinishedMovesNothing(CBowlingDoc& doc)
{
    doc.SetModifiedFlag(FALSE);
    const auto before = std::make_tuple(Dates(doc), CalendarLines(doc), int(doc.m_nMinutesBetweenRounds));
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_DATES).OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(), Texts{});
    EXPECT_EQ(std::make_tuple(Dates(doc), CalendarLines(doc), int(doc.m_nMinutesBetweenRounds)), before);
    EXPECT_FALSE(doc.IsModified());
}

// What every command below leaves: the one calendar, the minutes chosen, and a Finished that
// moves nothing.
void ExpectOneCalendar(CBowlingDoc& doc, int nMinutes, const std::string& strAfter)
{
    SCOPED_TRACE("after " + strAfter);
    EXPECT_EQ(CalendarFaults(doc), Texts{});
    EXPECT_EQ(doc.m_nMinutesBetweenRounds, nMinutes);
    ExpectFinishedMovesNothing(doc);
}

struct NewLeague {
    int nTeams = 4;
    int nRoundsEntry = 0;  // the entry of Set Fixture List's matches, 0 the first
    int nPerEvening = 2;
    int nMinutes = 50;     // chosen in Fixture Dates; none for one round an evening
};

// File > New as a secretary takes it: the teams, the fixture list from Tue 8 Dec 2026 with the
// rounds of an evening, and the minutes between rounds chosen in Fixture Dates, then Finished.
void MakeNewLeague(CBowlingDoc& doc, const NewLeague& l)
{
    CScriptedBackend ui;
    CString strTeams, strRounds, strMinutes;
    strTeams.Format("%d Teams", l.nTeams);
    strRounds.Format("%d", l.nPerEvening);
    strMinutes.Format("%d", l.nMinutes);
    ui.OnDialog(IDD_NEW_LEAGUE).SetText(IDC_NL_LEAGUE_NAME, "Tuesday Singles").SelectString(IDC_NL_TEAMS, strTeams).OK();
    ui.AnswerMessageBox(IDYES, "consisting of");
    ui.OnDialog(IDD_SET_FIXTURE_LIST)
        .Select(IDC_SFL_MATCHES, l.nRoundsEntry)
        .SetText(IDC_DATE_DAY, "8").Select(IDC_DATE_MONTH, 11).SetText(IDC_DATE_YEAR, "2026")
        .Focus(IDC_SFL_ROUNDS_PER_INTERVAL)
        .SetText(IDC_SFL_ROUNDS_PER_INTERVAL, strRounds)
        .OK();
    auto& dates = ui.OnDialog(IDD_FIXTURE_DATES);
    if (l.nPerEvening > 1)
        dates.SelectString(IDC_FD_MINUTES, strMinutes);
    dates.OK();
    ui.OnDialog(IDD_HANDICAP_DETAILS).OK();
    ui.OnDialog(IDD_HANDICAP_SCORING).OK();
    ui.OnDialog(IDD_HANDICAP_STANDINGS_SEQ).OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
    ASSERT_TRUE(ui.AllUsed());
    ASSERT_EQ(Nums(doc.m_nTeams, doc.m_nRoundsPerInterval, doc.m_nMinutesBetweenRounds),
              Nums(l.nTeams, l.nPerEvening, l.nMinutes));
}

void ExtendSeason(CBowlingDoc& doc)
{
    CScriptedBackend ui;
    ui.AnswerMessageBox(IDYES, "Add another");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_EXTEND_SEASON, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
}

// The due times of the first match of each round, in order.
std::vector<std::string> RoundTimes(const CBowlingDoc& doc)
{
    std::vector<std::string> v;
    for (int r = 1; r <= doc.m_nRounds; ++r)
        v.push_back(Shown(doc.FindFixtureByRoundMatch(r, 1)->m_timeDue));
    return v;
}

std::string Evening(int nMonth, int nDay, int nMinutesAfterSix = 0, int nYear = 2026)
{
    return Shown(CTime(nYear, nMonth, nDay, 18, 0, 0) + CTimeSpan(nMinutesAfterSix * 60LL));
}

void PlayRounds(CBowlingDoc& doc, int nFirst, int nLast)
{
    for (int r = nFirst; r <= nLast; ++r)
        for (CFixture* f : Fixtures(doc, r))
            EnterResult(f);
    doc.m_nCurrentRound = static_cast<BYTE>(nLast);
}

} // namespace

class Evenings : public ::testing::Test
{
protected:
    // File > New goes on to the rule dialogs; the bowlers of teams added are not asked for.
    void SetUp() override
    {
        SetUpAdmin();
        m_pfnScoringSetup = LeagueSetup::pfnScoringSetup;
        m_pfnAddNewPlayer = LeagueSetup::pfnAddNewPlayer;
        RulesSetup::Install();
        LeagueSetup::pfnAddNewPlayer = nullptr;
    }
    void TearDown() override
    {
        LeagueSetup::pfnScoringSetup = m_pfnScoringSetup;
        LeagueSetup::pfnAddNewPlayer = m_pfnAddNewPlayer;
    }

private:
    void (*m_pfnScoringSetup)(CBowlingDoc*) = nullptr;
    void (*m_pfnAddNewPlayer)(CBowlingDoc*) = nullptr;
};

// Three rounds and six, 50 and 70 minutes apart. Extend Season's first round goes on the last
// evening where it has room (round 4 beside round 3 on 15 December), else a week after it at
// six (round 7 on 29 December); the minutes stay the secretary's.
TEST_F(Evenings, ExtendSeasonFillsTheLastEveningThenGoesOnAWeekLater)
{
    for (int nMinutes : {50, 70})
        for (int nRounds : {3, 6}) {
            SCOPED_TRACE(testing::Message() << nRounds << " rounds, " << nMinutes << " minutes");
            CBowlingDoc doc;
            MakeNewLeague(doc, {4, nRounds / 3 - 1, 2, nMinutes});
            ExtendSeason(doc);
            ASSERT_EQ(doc.m_nRounds, nRounds + 3);
            const int m = nMinutes;
            if (nRounds == 3) {
                EXPECT_EQ(CalendarLines(doc), (Texts{"Rnds 1-2   Tue 08 Dec 2026 06:00 PM",
                                                     "Rnds 3-4   Tue 15 Dec 2026 06:00 PM",
                                                     "Rnds 5-6   Tue 22 Dec 2026 06:00 PM"}));
                EXPECT_EQ(RoundTimes(doc), (Texts{Evening(12, 8), Evening(12, 8, m), Evening(12, 15),
                                                  Evening(12, 15, m), Evening(12, 22), Evening(12, 22, m)}));
            } else {
                EXPECT_EQ(RoundTimes(doc), (Texts{Evening(12, 8), Evening(12, 8, m), Evening(12, 15),
                                                  Evening(12, 15, m), Evening(12, 22), Evening(12, 22, m),
                                                  Evening(12, 29), Evening(12, 29, m), Evening(1, 5, 0, 2027)}));
            }
            ExpectOneCalendar(doc, nMinutes, "Extend Season");
            ExtendSeason(doc);
            ExpectOneCalendar(doc, nMinutes, "Extend Season again");
        }
}

// Add Free Date on the first row moves the whole season an interval, twice over, and the
// dialog closed with Escape keeps it; before and after later rows it puts a free date in; a
// date changed to a Wednesday comes back to Tuesday with Reset Dates From Start.
TEST_F(Evenings, FreeDatesAndResetDatesMoveWholeEvenings)
{
    for (int nMinutes : {50, 70}) {
        SCOPED_TRACE(testing::Message() << nMinutes << " minutes");
        CBowlingDoc doc;
        MakeNewLeague(doc, {4, 0, 2, nMinutes});
        ExtendSeason(doc); // rounds 1-2, 3-4, 5-6

        CScriptedBackend ui;
        ui.OnDialog(IDD_FIXTURE_DATES)
            .Select(IDC_FD_ROUNDS, 0).Click(IDC_FD_ADD_FREE_DATE).Click(IDC_FD_ADD_FREE_DATE)
            .Cancel();
        doc.EditFixtureDates();
        EXPECT_EQ(CalendarLines(doc), (Texts{"Rnds 1-2   Tue 22 Dec 2026 06:00 PM", "Rnds 3-4   Tue 29 Dec 2026 06:00 PM",
                                             "Rnds 5-6   Tue 05 Jan 2027 06:00 PM"}));
        ExpectOneCalendar(doc, nMinutes, "Add Free Date on the first row twice, then Escape");

        // An evening moved to 5.30 pm on the day of the next would have its second round at or
        // after the next evening's first.
        ui.OnDialog(IDD_FIXTURE_DATES).Select(IDC_FD_ROUNDS, 0).Click(IDC_FD_CHANGE_DATE).OK();
        ui.OnDialog(IDD_CHANGE_DATE)
            .SelectString(IDC_DATE_DAY, "29").SelectString(IDC_DATE_HOUR, "05 pm").SelectString(IDC_DATE_MINUTE, "30")
            .OK();
        ui.AnswerMessageBox(IDOK, "That date would put the week out of sequence!");
        doc.EditFixtureDates();
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(CalendarLines(doc)[0], "Rnds 1-2   Tue 22 Dec 2026 06:00 PM");

        ui.OnDialog(IDD_FIXTURE_DATES)
            .Select(IDC_FD_ROUNDS, 1).Click(IDC_FD_ADD_FREE_DATE)
            .Select(IDC_FD_ROUNDS, 3).Click(IDC_FD_ADD_FREE_DATE)
            .OK();
        ui.OnDialog(IDD_FREE_DATE_REASON).SetText(IDC_FDR_REASON, "Christmas").OK();
        ui.OnDialog(IDD_FREE_DATE_REASON).Click(IDC_FDR_INSERT_AFTER).OK();
        doc.EditFixtureDates();
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(CalendarLines(doc), (Texts{"Rnds 1-2   Tue 22 Dec 2026 06:00 PM", "Free Date - Tue 29 Dec 2026",
                                             "Rnds 3-4   Tue 05 Jan 2027 06:00 PM", "Rnds 5-6   Tue 12 Jan 2027 06:00 PM",
                                             "Free Date - Tue 19 Jan 2027"}));
        ExpectOneCalendar(doc, nMinutes, "free dates before and after later rows");

        ui.OnDialog(IDD_FIXTURE_DATES)
            .Select(IDC_FD_ROUNDS, 3).Click(IDC_FD_CHANGE_DATE)
            .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_FD_ROUNDS)[3], "Rnds 5-6   Wed 13 Jan 2027 06:00 PM"); })
            .Click(IDC_FD_RESET_FROM_START)
            .Cancel();
        ui.OnDialog(IDD_CHANGE_DATE).SelectString(IDC_DATE_DAY, "13").OK();
        doc.EditFixtureDates();
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(CalendarLines(doc)[3], "Rnds 5-6   Tue 12 Jan 2027 06:00 PM");
        ExpectOneCalendar(doc, nMinutes, "Reset Dates From Start, then Escape");
    }
}

// Six teams, five rounds (1-2, 3-4, 5), 50 minutes; the first two played. Two teams more from
// round 3, which begins an evening: seven rounds from 15 December. Then, rounds 3 played, two
// dropped from round 4, in the middle of that evening: round 4 stays at 6.50 on 15 December,
// and the six teams grow again from round 5.
TEST_F(Evenings, SizeChangesLayTheirRoundsOnTheEveningsTheyStartFrom)
{
    CBowlingDoc doc;
    MakeNewLeague(doc, {6, 0, 2, 50});
    PlayRounds(doc, 1, 2);

    CScriptedBackend ui;
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE).SetText(IDC_LSZ_START_ROUND, "3").OK(); // seven rounds
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_ADD_EXTRA_TEAMS, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    ASSERT_EQ(Nums(doc.m_nTeams, doc.m_nRounds), Nums(8, 9));
    EXPECT_EQ(CalendarLines(doc), (Texts{"Rnds 1-2   Tue 08 Dec 2026 06:00 PM", "Rnds 3-4   Tue 15 Dec 2026 06:00 PM",
                                         "Rnds 5-6   Tue 22 Dec 2026 06:00 PM", "Rnds 7-8   Tue 29 Dec 2026 06:00 PM",
                                         "Rnd 9   Tue 05 Jan 2027 06:00 PM"}));
    ExpectOneCalendar(doc, 50, "Add extra Teams from the start of an evening");

    PlayRounds(doc, 3, 3);
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_CONTRACT_LEAGUE)
        .SetText(IDC_LSZ_START_ROUND, "4")
        .SelectString(IDC_LSZ_DROP1, "Team_02").SelectString(IDC_LSZ_DROP2, "Team_07")
        .OK(); // five rounds
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_REDUCE_LEAGUE_SIZE, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    ASSERT_EQ(Nums(doc.m_nTeams, doc.m_nRounds), Nums(6, 8));
    EXPECT_EQ(RoundTimes(doc), (Texts{Evening(12, 8), Evening(12, 8, 50), Evening(12, 15), Evening(12, 15, 50),
                                      Evening(12, 22), Evening(12, 22, 50), Evening(12, 29), Evening(12, 29, 50)}));
    ExpectOneCalendar(doc, 50, "Reduce League Size from the middle of an evening");

    PlayRounds(doc, 4, 4);
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE).SetText(IDC_LSZ_START_ROUND, "5").OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_ADD_EXTRA_TEAMS, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nRounds), Nums(8, 11));
    EXPECT_EQ(Strs(Teams(doc)[6]->m_strName, Teams(doc)[7]->m_strName), (Texts{"Team_09", "Team_10"}));
    EXPECT_EQ(doc.FindFixtureByRoundMatch(5, 1)->m_timeDue, CTime(2026, 12, 22, 18, 0, 0));
    ExpectOneCalendar(doc, 50, "Add extra Teams after Reduce League Size");
}

// Three rounds an evening, 20 minutes apart: six teams, five rounds (1-3, 4-5). Extend Season
// puts round 6 beside 4 and 5; a position round put in at round 5 moves round 10 beside the
// new last; taken out again, and the final round deleted, the evenings shrink from the end.
TEST_F(Evenings, ThreeRoundsAnEveningThroughPositionRoundsAndTheFinalRound)
{
    CBowlingDoc doc;
    MakeNewLeague(doc, {6, 0, 3, 20});
    ExtendSeason(doc);
    EXPECT_EQ(CalendarLines(doc), (Texts{"Rnds 1-3   Tue 08 Dec 2026 06:00 PM", "Rnds 4-6   Tue 15 Dec 2026 06:00 PM",
                                         "Rnds 7-9   Tue 22 Dec 2026 06:00 PM", "Rnd 10   Tue 29 Dec 2026 06:00 PM"}));
    EXPECT_EQ(RoundTimes(doc)[5], Evening(12, 15, 40));
    ExpectOneCalendar(doc, 20, "Extend Season");

    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_ADD_POSITION).Cancel();
    ui.OnDialog(IDD_ADD_POSITION_WEEK).SetText(IDC_APW_ROUND, "5").OK();
    ui.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 5.");
    doc.EditFixtureDates();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(CalendarLines(doc).back(), "Rnds 10-11   Tue 29 Dec 2026 06:00 PM");
    EXPECT_EQ(Nums(Fixtures(doc, 5)[0]->m_bPositionRound, Fixtures(doc, 11).size()), Nums(1, 3));
    ExpectOneCalendar(doc, 20, "Add Position Round, then Escape");

    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_DELETE_POSITION).Click(IDC_FD_DELETE_FINAL).Cancel();
    ui.AnswerMessageBox(IDYES, "Do you wish to delete Positional Round Number 5?");
    ui.AnswerMessageBox(IDYES, "This will delete Week 10 matches for ever!");
    doc.EditFixtureDates();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_nRounds, CalendarLines(doc).size()), Nums(9, 3));
    ExpectOneCalendar(doc, 20, "Delete Position Round and Delete Final Round, then Escape");

    // Extended again, round 10 begins an evening a week after round 9's.
    ExtendSeason(doc);
    EXPECT_EQ(CalendarLines(doc)[3], "Rnds 10-12   Tue 29 Dec 2026 06:00 PM");
    ExpectOneCalendar(doc, 20, "Extend Season after the final round went");
}

// Eight teams, two rounds an evening, rounds 1 and 2 played: round 1 when due, round 2 by every
// team a day late, on Wednesday 9 December. "Reset date played." ticked, a free date before
// round 1's evening moves all of them: the eight late sides are asked about once, in one
// question that counts them and names each, and Change gives each its new date. Then one late
// side alone is asked about in the question of one side, and Leave keeps its day.
TEST_F(Evenings, ResetDatePlayedAsksOnceForAllTheSidesAButtonMoves)
{
    CBowlingDoc doc;
    MakeNewLeague(doc, {8, 0, 2, 50});
    PlayRounds(doc, 1, 2);
    for (CFixture* f : Fixtures(doc, 2))
        f->m_timePlayed[0] = f->m_timePlayed[1] = CTime(2026, 12, 9, 18, 50, 0);

    // Round, match, team, date played, date due and the new date due, under the headings.
    const CFixture* first = Fixtures(doc, 2)[0];
    const std::string strA = doc.FindTeam(first->m_nTeamA)->m_strName.GetString();
    const std::string strB = doc.FindTeam(first->m_nTeamB)->m_strName.GetString();
    const std::string firstLine = "2\t" + strA + " V " + strB + "\t" + strA +
                                  "\tWed 09 Dec 06:50 PM\tTue 08 Dec 06:50 PM\tTue 15 Dec 06:50 PM";

    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_RESET_PLAYED).Select(IDC_FD_ROUNDS, 0).Click(IDC_FD_ADD_FREE_DATE).Cancel();
    ui.OnDialog(IDD_DATES_PLAYED_CHANGE)
        .Check([&firstLine](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_DPS_COUNT).text,
                      "8 teams bowled on another date than their match was due, and their matches are now due on "
                      "other dates.");
            const Texts lines = Items(d, IDC_DPS_SIDES);
            ASSERT_EQ(lines.size(), 8u);
            EXPECT_EQ(lines[0], firstLine);
        })
        .OK(); // Change
    doc.EditFixtureDates();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.dialogsOpened, (std::vector<UINT>{IDD_FIXTURE_DATES, IDD_DATES_PLAYED_CHANGE}));
    for (int r = 1; r <= 2; ++r)
        for (const CFixture* f : Fixtures(doc, r))
            EXPECT_EQ(Nums(f->m_timePlayed[0].GetTime(), f->m_timePlayed[1].GetTime()),
                      Nums(f->m_timeDue.GetTime(), f->m_timeDue.GetTime()));
    ExpectOneCalendar(doc, 50, "a free date moving played sides");

    CFixture* late = Fixtures(doc, 2)[3];
    late->m_timePlayed[1] = CTime(2026, 12, 16, 18, 50, 0);
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_RESET_PLAYED).Select(IDC_FD_ROUNDS, 0).Click(IDC_FD_ADD_FREE_DATE).OK();
    ui.OnDialog(IDD_DATE_PLAYED_CHANGE)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_DPC_ROUND, IDC_DPC_PLAYED, IDC_DPC_OLD_DUE, IDC_DPC_NEW_DUE}),
                      (Texts{"Round 2", "Wed 16 Dec 06:50 PM 2026", "Tue 15 Dec 06:50 PM 2026",
                             "Tue 22 Dec 06:50 PM 2026"}));
        })
        .Cancel(); // Leave
    doc.EditFixtureDates();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(late->m_timeDue.GetTime(), late->m_timePlayed[0].GetTime(), late->m_timePlayed[1].GetTime()),
              Nums(CTime(2026, 12, 22, 18, 50, 0).GetTime(), CTime(2026, 12, 22, 18, 50, 0).GetTime(),
                   CTime(2026, 12, 16, 18, 50, 0).GetTime()));
}

// A new league of eight teams (Team_01 to Team_08) reduced to six from round 2, Team_04 and
// Team_05 dropped, then grown by two from round 3: the new teams take Team_09 and Team_10, the
// first names no team of the league bears, and the standings name each playing team once.
TEST_F(Evenings, TeamsAddedAfterAReductionTakeNamesNoTeamBears)
{
    CBowlingDoc doc;
    MakeNewLeague(doc, {8, 0, 1, 0});
    PlayRounds(doc, 1, 1);
    CScriptedBackend ui;
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_CONTRACT_LEAGUE)
        .SetText(IDC_LSZ_START_ROUND, "2")
        .SelectString(IDC_LSZ_DROP1, "Team_04").SelectString(IDC_LSZ_DROP2, "Team_05")
        .OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_REDUCE_LEAGUE_SIZE, CN_COMMAND, nullptr));
    PlayRounds(doc, 2, 2);
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE).SetText(IDC_LSZ_START_ROUND, "3").OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_ADD_EXTRA_TEAMS, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());

    Texts names;
    for (const CTeam* t : Teams(doc))
        names.emplace_back(t->m_strName.GetString());
    EXPECT_EQ(names, (Texts{"Team_01", "Team_02", "Team_03", "Team_06", "Team_07", "Team_08", "Team_09", "Team_10",
                            "Team_04", "Team_05"}));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(CalendarFaults(doc), Texts{});

    CRepItem_Standings standings;
    standings.m_pDoc = &doc;
    standings.m_y = -1000;
    CRecordingDC dc(false);
    standings.Draw(&dc, nullptr);
    std::map<std::string, int> drawn;
    for (const std::string& s : dc.Texts())
        if (s.rfind("Team_", 0) == 0)
            ++drawn[s];
    EXPECT_EQ(drawn, (std::map<std::string, int>{{"Team_01", 1}, {"Team_02", 1}, {"Team_03", 1}, {"Team_06", 1},
                                                 {"Team_07", 1}, {"Team_08", 1}, {"Team_09", 1}, {"Team_10", 1}}));
}

// Minutes the combo does not offer stay as the league holds them when Finished leaves the combo
// alone: none in a league of one round an evening, 17 from an older file (shown among the
// others); minutes chosen from the combo up to 90 are shown again and kept.
TEST_F(Evenings, TheMinutesBetweenRoundsAreShownAndKeptAsChosen)
{
    CScriptedBackend ui;
    CBowlingDoc weekly;
    MakeLeague(weekly, 4, 3, At(2026, 12, 8));
    weekly.SetModifiedFlag(FALSE);
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_FD_MINUTES).curSel, -1);
            EXPECT_FALSE(Ctl(d, IDC_FD_MINUTES).enabled);
        })
        .OK();
    ASSERT_TRUE(weekly.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_EQ(weekly.m_nMinutesBetweenRounds, 0);
    EXPECT_FALSE(weekly.IsModified());

    CBowlingDoc doc;
    MakeNewLeague(doc, {4, 1, 2, 90});
    ExpectOneCalendar(doc, 90, "File > New with 90 minutes");
    EXPECT_EQ(RoundTimes(doc)[1], Evening(12, 8, 90));
    doc.m_nMinutesBetweenRounds = 17; // as an older version left it
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Check([](CDialog& d) {
            const CControlState& minutes = Ctl(d, IDC_FD_MINUTES);
            EXPECT_EQ(minutes.text, "17");
            EXPECT_EQ(Items(d, IDC_FD_MINUTES).size(), 18u);
            EXPECT_EQ(Items(d, IDC_FD_MINUTES)[2], "17");
        })
        .OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_EQ(doc.m_nMinutesBetweenRounds, 17);
    for (const char* pszMinutes : {"65", "85", "10"}) {
        doc.SetModifiedFlag(FALSE);
        ui.OnDialog(IDD_FIXTURE_DATES).SelectString(IDC_FD_MINUTES, pszMinutes).OK();
        ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
        EXPECT_TRUE(doc.IsModified());
        ExpectOneCalendar(doc, std::atoi(pszMinutes), std::string("choosing ") + pszMinutes);
        ui.OnDialog(IDD_FIXTURE_DATES)
            .Check([pszMinutes](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_FD_MINUTES).text, pszMinutes); })
            .Cancel();
        ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    }
    EXPECT_TRUE(ui.AllUsed());
}
