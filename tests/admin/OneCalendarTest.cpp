// Fixture Dates' buttons date the matches as they act: closed with Finished or with Escape, the
// matches are due on the days the dialog showed, the scoresheets and the results typed on those
// days read them, and Finished again with no change moves nothing and says nothing, in the
// league as left and as saved and opened again.
//
// Four teams, one bowler each, one game, five rounds a week apart on Mondays from 2 September
// 2024 at 7.30 pm; round 1 typed. A position round put in at round 2 is due on 9 September, the
// rounds after it a week later each, round 6 on 7 October; taken out again, round 2 is back on 9
// September and round 5 on 30 September.
#include "../league/WorkedLeague.h"
#include "AdminChecks.h"
#include "AdminTest.h"
#include "RealDialogs.h"
#include "ReloadedLeague.h"
#include "admin/ChangeDateDlg.h"
#include "admin/PlayerSetup.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A date as the Fixture Dates list shows it.
std::string Shown(CTime t)
{
    return t.Format("%a %d %b %Y %I:%M %p").GetString();
}

// Each match due on another day than the Fixture Dates list shows for its round.
std::vector<std::string> DueApartFromList(const CBowlingDoc& doc, const Lines& lines)
{
    std::map<int, std::string> listed;
    for (const std::string& line : lines) {
        int nRound = 0;
        if (std::sscanf(line.c_str(), "Rnd %d", &nRound) == 1 && line.size() > 24)
            listed[nRound] = line.substr(line.size() - 24);
    }
    std::vector<std::string> apart;
    for (const CFixture* f : Fixtures(doc)) {
        const std::string due = Shown(f->m_timeDue);
        if (listed[f->m_nRound] != due)
            apart.push_back("round " + std::to_string(f->m_nRound) + ": due " + due + ", listed " +
                            listed[f->m_nRound]);
    }
    return apart;
}

// Every match's round, teams, due date and the days its sides bowled.
using Dated = std::tuple<int, int, int, std::string, std::string, std::string>;
std::vector<Dated> Dates(const CBowlingDoc& doc)
{
    std::vector<Dated> v;
    for (const CFixture* f : Fixtures(doc))
        v.emplace_back(f->m_nRound, f->m_nTeamA, f->m_nTeamB, Shown(f->m_timeDue), Shown(f->m_timePlayed[0]),
                       Shown(f->m_timePlayed[1]));
    return v;
}

std::string Monday(int nMonth, int nDay)
{
    return Shown(CTime(2024, nMonth, nDay, 19, 30, 0));
}

struct CalendarLeague : WorkedLeague
{
    CalendarLeague() : WorkedLeague(4, 1, 1, 5)
    {
        LeagueSetup::Install();
        PlayerSetup::Install();
        EnterRound(1, {});
    }

    // Fixture > Amend Fixture Dates, the dialog scripted by the caller.
    void AmendDates(CScriptedBackend& ui, const char* pszWhat)
    {
        ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr)) << pszWhat;
        EXPECT_TRUE(ui.AllUsed()) << pszWhat;
        TakeMessages(ui, pszWhat);
    }

    // Fixture Dates opened again and closed with Finished: nothing moves and nothing is said.
    static void ExpectFinishedMovesNothing(CBowlingDoc& league)
    {
        const std::vector<Dated> before = Dates(league);
        CScriptedBackend ui;
        ui.OnDialog(IDD_FIXTURE_DATES).OK();
        ASSERT_TRUE(league.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{});
        EXPECT_EQ(Dates(league), before);
    }

    std::vector<std::string> Due(std::initializer_list<int> rounds)
    {
        std::vector<std::string> v;
        for (int r : rounds)
            v.push_back(Shown(doc.FindFixtureByRoundMatch(r, 1)->m_timeDue));
        return v;
    }
};

} // namespace

TEST(OneCalendar, APositionRoundPutInAndTakenOutDatesEveryMatchWhicheverWayTheDialogCloses)
{
    for (bool bFinished : {false, true}) {
        SCOPED_TRACE(bFinished ? "closed with Finished" : "closed with Escape");
        CalendarLeague L;
        Lines shown;
        auto close = [bFinished](CScriptedBackend::DialogScript& script) {
            if (bFinished)
                script.OK();
            else
                script.Cancel();
        };

        CScriptedBackend add;
        close(add.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_ADD_POSITION).Check([&](CDialog& d) {
            shown = Items(d, IDC_FD_ROUNDS);
        }));
        add.OnDialog(IDD_ADD_POSITION_WEEK).OK(); // round 2, the first after the results
        add.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 2.");
        L.AmendDates(add, "Add Position Round");
        ASSERT_EQ(Nums(L.doc.m_nRounds, shown.size()), Nums(6, 6));
        EXPECT_EQ(DueApartFromList(L.doc, shown), std::vector<std::string>{});
        EXPECT_EQ(L.Due({2, 3, 6}), (std::vector<std::string>{Monday(9, 9), Monday(9, 16), Monday(10, 7)}));
        CalendarLeague::ExpectFinishedMovesNothing(L.doc);

        // The position round set from the standings and typed on its day.
        L.EnterRound(2, {}, {}, 150, {"There is a position round match which has not been set."});
        ASSERT_TRUE(L.doc.FindFixtureByRoundMatch(2, 1)->m_bPlayed[0]);
        ASSERT_EQ(L.doc.m_nCurrentRound, 2);

        CScriptedBackend del;
        close(del.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_DELETE_POSITION).Check([&](CDialog& d) {
            shown = Items(d, IDC_FD_ROUNDS);
        }));
        del.AnswerMessageBox(IDYES, "Do you wish to delete Positional Round Number 2?");
        del.AnswerMessageBox(IDYES, "This will remove 2 matches already played!  Continue?");
        L.AmendDates(del, "Delete Position Round");
        ASSERT_EQ(Nums(L.doc.m_nRounds, shown.size(), L.doc.m_nCurrentRound), Nums(5, 5, 2));
        EXPECT_EQ(DueApartFromList(L.doc, shown), std::vector<std::string>{});
        EXPECT_EQ(L.Due({2, 5}), (std::vector<std::string>{Monday(9, 9), Monday(9, 30)}));
        CalendarLeague::ExpectFinishedMovesNothing(L.doc);

        // Round 2 typed on its day: its scoresheet says so, and its sides bowled then.
        L.EnterRound(2, {}, [](CScriptedBackend&, Sheet& sheet, CFixture*) {
            sheet.Check([](CDialog& d) {
                EXPECT_EQ(Ctl(d, IDC_SS_STATUS).text, "Rnd 2.  Due :  Mon Sep 09 2024 07:30 PM");
            });
        });
        for (const CFixture* f : Fixtures(L.doc, 2)) {
            EXPECT_TRUE(f->m_bPlayed[0] && f->m_bPlayed[1]);
            EXPECT_EQ((std::vector<std::string>{Shown(f->m_timePlayed[0]), Shown(f->m_timePlayed[1])}),
                      (std::vector<std::string>{Monday(9, 9), Monday(9, 9)}));
        }
        EXPECT_EQ(L.notices, std::vector<std::string>{});

        CBowlingDoc reloaded;
        ASSERT_TRUE(Reload(L.doc, reloaded));
        CalendarLeague::ExpectFinishedMovesNothing(reloaded);
    }
}

// On the real widgets: Add Position Round, Enter in its dialog, Yes, Escape; then Delete Position
// Round, Yes, Escape. The list and the matches agree each time.
TEST(OneCalendar, OnTheRealDialogEscapeLeavesTheMatchesOnTheDaysShown)
{
    CalendarLeague L;
    CRealUi ui;
    Lines shown;
    ui.OnDialog(IDD_FIXTURE_DATES, [&](CRealDialog& d) {
        d.Click(IDC_FD_ADD_POSITION);
        shown = Items(d.Dialog(), IDC_FD_ROUNDS);
        d.Escape();
    });
    ui.OnDialog(IDD_ADD_POSITION_WEEK, [](CRealDialog& d) { d.Enter(); });
    ui.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 2.");
    ASSERT_TRUE(L.doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    ASSERT_EQ(Nums(L.doc.m_nRounds, shown.size()), Nums(6, 6));
    EXPECT_EQ(DueApartFromList(L.doc, shown), std::vector<std::string>{});
    EXPECT_EQ(L.Due({3, 6}), (std::vector<std::string>{Monday(9, 16), Monday(10, 7)}));

    ui.OnDialog(IDD_FIXTURE_DATES, [&](CRealDialog& d) {
        d.Click(IDC_FD_DELETE_POSITION);
        shown = Items(d.Dialog(), IDC_FD_ROUNDS);
        d.Escape();
    });
    ui.AnswerMessageBox(IDYES, "Do you wish to delete Positional Round Number 2?");
    ASSERT_TRUE(L.doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    ASSERT_EQ(Nums(L.doc.m_nRounds, shown.size()), Nums(5, 5));
    EXPECT_EQ(DueApartFromList(L.doc, shown), std::vector<std::string>{});
    EXPECT_EQ(L.Due({2, 5}), (std::vector<std::string>{Monday(9, 9), Monday(9, 30)}));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"This will Insert a Positional Round at Round 2.  Click Yes to "
                                                     "continue.",
                                                     "Do you wish to delete Positional Round Number 2?"}));
}

// Every button that moves a date, each followed by Escape, in a league of four teams and five
// rounds weekly from Tuesday 7 January 2025, round 1 played: the matches are due on the days
// the list showed when the dialog closed, and round 1's sides still on the day they bowled.
TEST(OneCalendar, EveryButtonThatMovesADateDatesTheMatchesBeforeEscape)
{
    SetUpAdmin();
    using Script = std::function<void(CScriptedBackend&, CScriptedBackend::DialogScript&)>;
    struct Case {
        const char* what;
        Script script;
        const char* round3; // round 3's date as the list shows it at the end
        Script before = {};  // a change made first, closed with Finished
    };
    const Script freeDateBefore2 = [](CScriptedBackend& ui, CScriptedBackend::DialogScript& d) {
        d.Select(IDC_FD_ROUNDS, 1).Click(IDC_FD_ADD_FREE_DATE);
        ui.OnDialog(IDD_FREE_DATE_REASON).OK();
    };
    const Script round3OnWednesday = [](CScriptedBackend& ui, CScriptedBackend::DialogScript& d) {
        d.Select(IDC_FD_ROUNDS, 2).Click(IDC_FD_CHANGE_DATE);
        ui.OnDialog(IDD_CHANGE_DATE).SelectString(IDC_DATE_DAY, "22").OK();
    };
    const Case cases[] = {
        {"Add Free Date on the first row",
         [](CScriptedBackend&, CScriptedBackend::DialogScript& d) { d.Select(IDC_FD_ROUNDS, 0).Click(IDC_FD_ADD_FREE_DATE); },
         "Tue 28 Jan 2025 06:00 PM"},
        {"Add Free Date before round 3",
         [](CScriptedBackend& ui, CScriptedBackend::DialogScript& d) {
             d.Select(IDC_FD_ROUNDS, 2).Click(IDC_FD_ADD_FREE_DATE);
             ui.OnDialog(IDD_FREE_DATE_REASON).SetText(IDC_FDR_REASON, "Club dinner").OK();
         },
         "Tue 28 Jan 2025 06:00 PM"},
        {"Delete Free Week, the free date before round 2 put in earlier",
         [](CScriptedBackend&, CScriptedBackend::DialogScript& d) {
             d.Select(IDC_FD_ROUNDS, 1).Click(IDC_FD_DELETE_FREE_WEEK);
         },
         "Tue 21 Jan 2025 06:00 PM", freeDateBefore2},
        {"Change Date of round 5, then of round 3",
         [](CScriptedBackend& ui, CScriptedBackend::DialogScript& d) {
             d.Select(IDC_FD_ROUNDS, 4).Click(IDC_FD_CHANGE_DATE);
             ui.OnDialog(IDD_CHANGE_DATE).Click(IDC_CD_PLUS_WEEK).OK();
             d.Select(IDC_FD_ROUNDS, 2).DblClk(IDC_FD_ROUNDS, 2);
             ui.OnDialog(IDD_CHANGE_DATE).SelectString(IDC_DATE_DAY, "22").OK();
         },
         "Wed 22 Jan 2025 06:00 PM"},
        {"Reset Dates From Start, round 3 moved to the Wednesday earlier",
         [](CScriptedBackend&, CScriptedBackend::DialogScript& d) { d.Click(IDC_FD_RESET_FROM_START); },
         "Tue 21 Jan 2025 06:00 PM", round3OnWednesday},
        {"Set All Match Times",
         [](CScriptedBackend& ui, CScriptedBackend::DialogScript& d) {
             d.Click(IDC_FD_SET_TIMES);
             ui.OnDialog(IDD_START_TIME).Select(IDC_DATE_HOUR, 19).Select(IDC_DATE_MINUTE, 6).OK();
         },
         "Tue 21 Jan 2025 07:30 PM"},
        {"Delete Final Round",
         [](CScriptedBackend& ui, CScriptedBackend::DialogScript& d) {
             d.Click(IDC_FD_DELETE_FINAL);
             ui.AnswerMessageBox(IDYES, "This will delete Week 5 matches for ever!");
         },
         "Tue 21 Jan 2025 06:00 PM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CScriptedBackend ui;
        CBowlingDoc doc;
        MakeLeague(doc, 4, 5, At(2025, 1, 7));
        for (CFixture* f : Fixtures(doc, 1))
            EnterResult(f);
        if (c.before) {
            auto& first = ui.OnDialog(IDD_FIXTURE_DATES);
            c.before(ui, first);
            first.OK();
            doc.EditFixtureDates();
            ASSERT_NE(Shown(doc.FindFixtureByRoundMatch(3, 1)->m_timeDue), c.round3);
        }
        Lines shown;
        auto& dates = ui.OnDialog(IDD_FIXTURE_DATES);
        c.script(ui, dates);
        dates.Check([&](CDialog& d) { shown = Items(d, IDC_FD_ROUNDS); }).Cancel();
        doc.EditFixtureDates();
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(DueApartFromList(doc, shown), std::vector<std::string>{});
        EXPECT_EQ(Shown(doc.FindFixtureByRoundMatch(3, 1)->m_timeDue), c.round3);
        for (const CFixture* f : Fixtures(doc, 1))
            EXPECT_EQ((std::vector<std::string>{Shown(f->m_timePlayed[0]), Shown(f->m_timePlayed[1])}),
                      (std::vector<std::string>{Shown(f->m_timeDue), Shown(f->m_timeDue)}));
    }
}

// Moving the day or time of a round with results works its matches again on their new day;
// what the league then shows is the season's figures, not those of the day the last match
// worked was bowled on. Round 1's bowlers each bowled one game of 150: one game, 150 pins, an
// average of 150, whichever button moved the round and however the dialog closed.
TEST(OneCalendar, APlayedRoundMovedKeepsTheSeasonsFiguresShown)
{
    using Figures = std::vector<std::tuple<std::string, DWORD, DWORD, int, int>>;
    auto figures = [](const CBowlingDoc& doc) {
        Figures v;
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
            const auto* p = static_cast<const CPlayer*>(doc.m_listPlayers.GetNext(pos));
            v.emplace_back(p->m_strName.GetString(), p->m_nGames[1], p->m_nPins[1], int(p->m_nAverage), p->m_nHandicap);
        }
        for (const CTeam* t : Teams(doc))
            v.emplace_back(t->m_strName.GetString(), t->m_nGames[1], t->m_nPins[0], t->m_nPointsWon[1], 0);
        return v;
    };
    using Script = std::function<void(CScriptedBackend&, CScriptedBackend::DialogScript&)>;
    const std::pair<const char*, Script> moves[] = {
        {"Set All Match Times",
         [](CScriptedBackend& ui, CScriptedBackend::DialogScript& d) {
             d.Click(IDC_FD_SET_TIMES);
             ui.OnDialog(IDD_START_TIME).Select(IDC_DATE_HOUR, 20).Select(IDC_DATE_MINUTE, 0).OK();
         }},
        {"Change Date of round 1 to the Tuesday",
         [](CScriptedBackend& ui, CScriptedBackend::DialogScript& d) {
             d.Select(IDC_FD_ROUNDS, 0).Click(IDC_FD_CHANGE_DATE);
             ui.OnDialog(IDD_CHANGE_DATE).SelectString(IDC_DATE_DAY, "3").OK();
         }},
    };
    for (const auto& [pszWhat, move] : moves)
        for (bool bFinished : {false, true}) {
            SCOPED_TRACE(std::string(pszWhat) + (bFinished ? ", Finished" : ", Escape"));
            CalendarLeague L;
            const Figures before = figures(L.doc);
            const CPlayer* pFirst = static_cast<const CPlayer*>(L.doc.m_listPlayers.GetHead());
            ASSERT_EQ((std::vector<int>{int(pFirst->m_nGames[1]), int(pFirst->m_nPins[1]), int(pFirst->m_nAverage)}),
                      (std::vector<int>{1, 150, 150}));
            CScriptedBackend ui;
            auto& dates = ui.OnDialog(IDD_FIXTURE_DATES);
            move(ui, dates);
            if (bFinished)
                dates.OK();
            else
                dates.Cancel();
            L.AmendDates(ui, pszWhat);
            EXPECT_NE(L.Due({1}), std::vector<std::string>{Monday(9, 2)});
            EXPECT_EQ(figures(L.doc), before);
        }
}
