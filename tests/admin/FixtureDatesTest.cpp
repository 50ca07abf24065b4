// The Fixture Dates dialog driven through its buttons, and the dates the fixtures take.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "admin/ChangeDateDlg.h"

namespace {

using Texts = std::vector<std::string>;

Texts ListLines(CDialog& d)
{
    return Items(d, IDC_FD_ROUNDS);
}

std::vector<CTime> Times(std::initializer_list<CTime> times)
{
    return times;
}

// Four teams, three rounds weekly from Tuesday 7 January 2025. Round 2's first match is played
// when it was due; in its second, side A bowled early, on Friday 10 January.
struct EarlySide
{
    CFixture* onDue;
    CFixture* early;
};
EarlySide PlayRound2WithAnEarlySide(CBowlingDoc& doc)
{
    MakeLeague(doc, 4, 3, At(2025, 1, 7));
    const EarlySide round2{Fixtures(doc, 2)[0], Fixtures(doc, 2)[1]};
    EnterResult(round2.onDue);
    EnterResult(round2.early);
    round2.early->m_timePlayed[0] = At(2025, 1, 10);
    return round2;
}

} // namespace

class FixtureDatesTest : public ::testing::Test
{
protected:
    void SetUp() override { SetUpAdmin(); }
};

TEST_F(FixtureDatesTest, FreeDatesBeforeAndAfterARoundMoveTheRestOfTheSeason)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 6, At(2025, 9, 2, 19, 30));
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Select(IDC_FD_ROUNDS, 1).Click(IDC_FD_ADD_FREE_DATE).Select(IDC_FD_ROUNDS, 3)
        .Click(IDC_FD_ADD_FREE_DATE)
        .Check([](CDialog& d) {
            EXPECT_EQ(ListLines(d), (std::vector<std::string>{
                "Rnd 1   Tue 02 Sep 2025 07:30 PM", "Free Date - Tue 09 Sep 2025", "Rnd 2   Tue 16 Sep 2025 07:30 PM",
                "Rnd 3   Tue 23 Sep 2025 07:30 PM", "Free Date - Tue 30 Sep 2025", "Rnd 4   Tue 07 Oct 2025 07:30 PM",
                "Rnd 5   Tue 14 Oct 2025 07:30 PM", "Rnd 6   Tue 21 Oct 2025 07:30 PM"}));
            EXPECT_FALSE(Ctl(d, IDC_FD_DELETE_FREE_WEEK).enabled);
        })
        // The first row shifts the whole season and adds no free date.
        .Select(IDC_FD_ROUNDS, 0).Click(IDC_FD_ADD_FREE_DATE)
        .Check([](CDialog& d) {
            // The last a week further over the clock change, still at half past seven.
            const Texts lines = ListLines(d);
            EXPECT_EQ((Texts{lines[0], lines[1], lines[7]}),
                      (Texts{"Rnd 1   Tue 09 Sep 2025 07:30 PM", "Free Date - Tue 16 Sep 2025",
                             "Rnd 6   Tue 28 Oct 2025 07:30 PM"}));
        })
        .Select(IDC_FD_ROUNDS, 1).Click(IDC_FD_DELETE_FREE_WEEK)
        .Check([](CDialog& d) {
            EXPECT_EQ(ListLines(d).size(), 7u);
            EXPECT_EQ(ListLines(d)[1], "Rnd 2   Tue 16 Sep 2025 07:30 PM");
        })
        .OK();
    ui.OnDialog(IDD_FREE_DATE_REASON).SetText(IDC_FDR_REASON, "Club dinner").OK();
    ui.OnDialog(IDD_FREE_DATE_REASON).Click(IDC_FDR_INSERT_AFTER).OK();
    doc.EditFixtureDates();
    EXPECT_EQ(Times({Fixtures(doc, 2)[1]->m_timeDue, Fixtures(doc, 6)[0]->m_timeDue, Fixtures(doc, 6)[0]->m_timePlayed[1]}),
              Times({At(2025, 9, 16, 19, 30), At(2025, 10, 21, 19, 30), At(2025, 10, 21, 19, 30)}));
    EXPECT_EQ(doc.m_nAllMatchesPerRound[6], 2);
}

TEST_F(FixtureDatesTest, PlayedSidesKeepTheirDateUnlessTheSecretaryChangesIt)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    const auto [onDue, early] = PlayRound2WithAnEarlySide(doc);
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_RESET_PLAYED).Select(IDC_FD_ROUNDS, 1).Click(IDC_FD_ADD_FREE_DATE).OK();
    ui.OnDialog(IDD_FREE_DATE_REASON).OK();
    ui.OnDialog(IDD_DATE_PLAYED_CHANGE)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_DPC_ROUND, IDC_DPC_OLD_DUE, IDC_DPC_NEW_DUE}),
                      (Texts{"Round 2", "Tue 14 Jan 06:00 PM 2025", "Tue 21 Jan 06:00 PM 2025"}));
        })
        .Cancel(); // Leave
    doc.EditFixtureDates();
    EXPECT_EQ(Times({onDue->m_timePlayed[0], early->m_timePlayed[0], early->m_timePlayed[1]}),
              Times({At(2025, 1, 21), At(2025, 1, 10), At(2025, 1, 21)}));
}

// "Reset date played." ticked, a free date put in before round 2: the side played on another
// day is asked about there and then, Change follows the new date, and Escape keeps it all.
// Finished later, the box ticked again, moves nothing and asks nothing.
TEST_F(FixtureDatesTest, APlayedSideIsAskedAboutAtTheButtonThatMovesItsMatch)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    const auto [onDue, early] = PlayRound2WithAnEarlySide(doc);
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Click(IDC_FD_RESET_PLAYED).Select(IDC_FD_ROUNDS, 1).Click(IDC_FD_ADD_FREE_DATE)
        .Check([&](CDialog&) {
            EXPECT_EQ(Times({onDue->m_timeDue, onDue->m_timePlayed[1], early->m_timePlayed[0]}),
                      Times({At(2025, 1, 21), At(2025, 1, 21), At(2025, 1, 21)}));
        })
        .Cancel();
    ui.OnDialog(IDD_FREE_DATE_REASON).OK();
    ui.OnDialog(IDD_DATE_PLAYED_CHANGE)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_DPC_PLAYED).text, "Fri 10 Jan 06:00 PM 2025"); })
        .OK(); // Change
    doc.EditFixtureDates();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Times({Fixtures(doc, 3)[0]->m_timeDue, early->m_timePlayed[1]}), Times({At(2025, 1, 28), At(2025, 1, 21)}));

    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_RESET_PLAYED).OK();
    doc.EditFixtureDates();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.dialogsOpened.back(), static_cast<UINT>(IDD_FIXTURE_DATES));
    EXPECT_EQ(Times({onDue->m_timeDue, early->m_timePlayed[0]}), Times({At(2025, 1, 21), At(2025, 1, 21)}));
}

// Twelve teams on lanes 1 to 8 bowl in two squads, the second 1 hour 45 minutes after the
// first. Round 2's second squad bowled when it was due, at 7.45 pm on 14 January; a free date
// before round 2 moves it to 21 January at 7.45 pm, as its due time, and Finished again moves
// nothing.
TEST_F(FixtureDatesTest, ASquadBowledWhenDueFollowsItsMatchWithItsDelay)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 12, 4, At(2025, 1, 7));
    BowlInSquads(doc, 105);
    CFixture* late = Fixtures(doc, 2)[4];
    EnterResult(late);
    ASSERT_EQ(Times({late->m_timeDue, late->m_timePlayed[0]}), Times({At(2025, 1, 14, 19, 45), At(2025, 1, 14, 19, 45)}));
    ui.OnDialog(IDD_FIXTURE_DATES).Select(IDC_FD_ROUNDS, 1).Click(IDC_FD_ADD_FREE_DATE).OK();
    ui.OnDialog(IDD_FREE_DATE_REASON).OK();
    doc.EditFixtureDates();
    ui.OnDialog(IDD_FIXTURE_DATES).OK();
    doc.EditFixtureDates();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Times({late->m_timeDue, late->m_timePlayed[0], late->m_timePlayed[1], Fixtures(doc, 2)[0]->m_timeDue}),
              Times({At(2025, 1, 21, 19, 45), At(2025, 1, 21, 19, 45), At(2025, 1, 21, 19, 45), At(2025, 1, 21)}));
}

TEST_F(FixtureDatesTest, PositionRoundsGoInAndComeOutAgain)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    doc.m_bScratchLeague = 1;
    doc.m_bHandicapLeague = 1;
    MakeLeague(doc, 6, 5, At(2025, 1, 7));
    const BYTE oldTeamA = Fixtures(doc, 3)[0]->m_nTeamA;
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Check([](CDialog& d) { EXPECT_FALSE(Ctl(d, IDC_FD_DELETE_POSITION).enabled); })
        .Click(IDC_FD_ADD_POSITION)
        .Check([](CDialog& d) {
            auto lines = ListLines(d);
            ASSERT_EQ(lines.size(), 6u);
            EXPECT_EQ((Texts{lines[2], lines[5]}),
                      (Texts{"Rnd 3 S Tue 21 Jan 2025 06:00 PM", "Rnd 6   Tue 11 Feb 2025 06:00 PM"}));
            EXPECT_TRUE(Ctl(d, IDC_FD_DELETE_POSITION).enabled);
        })
        .Click(IDC_FD_DELETE_POSITION).Click(IDC_FD_DELETE_POSITION).Click(IDC_FD_DELETE_FINAL)
        .Check([](CDialog& d) { EXPECT_EQ(ListLines(d).size(), 4u); })
        .OK();
    ui.OnDialog(IDD_ADD_POSITION_WEEK)
        .Check([](CDialog& d) { EXPECT_EQ(ChecksOf(d, {IDC_APW_HANDICAP, IDC_APW_SCRATCH}), (std::vector<int>{1, 0})); })
        .SetText(IDC_APW_ROUND, "3").Click(IDC_APW_SCRATCH)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_APW_HANDICAP).check, 0); })
        .OK();
    ui.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 3.  Click Yes to continue.");
    ui.AnswerMessageBox(IDNO, "Do you wish to delete Positional Round Number 3?");
    ui.AnswerMessageBox(IDYES, "Do you wish to delete Positional Round Number 3?");
    ui.AnswerMessageBox(IDYES, "This will delete Week 5 matches for ever!  Click Yes to continue.");
    doc.EditFixtureDates();
    EXPECT_EQ(Nums(doc.m_nRounds, Fixtures(doc).size(), Fixtures(doc, 3)[0]->m_nTeamA), Nums(4, 12, oldTeamA));
    EXPECT_FALSE(Fixtures(doc, 3)[0]->m_bPositionRound);
    EXPECT_EQ(Fixtures(doc, 4)[0]->m_timeDue, At(2025, 1, 28));
}

TEST_F(FixtureDatesTest, DeleteFinalRoundLeavesATrailingFreeDateAndCancelKeepsTheDates)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 3, At(2025, 1, 7));
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Select(IDC_FD_ROUNDS, 2).Click(IDC_FD_ADD_FREE_DATE).Click(IDC_FD_DELETE_FINAL)
        .Check([](CDialog& d) {
            EXPECT_EQ(ListLines(d), (Texts{"Rnd 1   Tue 07 Jan 2025 06:00 PM", "Rnd 2   Tue 14 Jan 2025 06:00 PM",
                                           "Free Date - Tue 28 Jan 2025"}));
        })
        .Cancel();
    ui.OnDialog(IDD_FREE_DATE_REASON).Click(IDC_FDR_INSERT_AFTER).OK();
    ui.AnswerMessageBox(IDYES, "This will delete Week 3 matches for ever!");
    doc.EditFixtureDates();
    EXPECT_EQ(Nums(doc.m_nRounds, Fixtures(doc).size()), Nums(2, 4));
    EXPECT_EQ(Fixtures(doc, 2)[0]->m_timeDue, At(2025, 1, 14));
}

// The round in hand goes with the rounds taken away: at the last round, Delete Final Round leaves
// it at the new last; a position round deleted before it moves it back with its matches; a
// round set past the season stays where the secretary set it.
TEST_F(FixtureDatesTest, TheRoundInHandIsARoundTheSeasonStillHas)
{
    struct Case { int nCurrent; bool bPosition; int nAfter; };
    for (const Case c : {Case{5, false, 4}, Case{3, false, 3}, Case{9, false, 9}, Case{6, true, 5}, Case{4, true, 3},
                         Case{2, true, 2}}) {
        SCOPED_TRACE(testing::Message() << "round " << c.nCurrent << (c.bPosition ? ", position round" : ""));
        CScriptedBackend ui;
        CBowlingDoc doc;
        MakeLeague(doc, 4, 5, At(2025, 1, 7));
        if (c.bPosition) {
            ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_ADD_POSITION).OK();
            ui.OnDialog(IDD_ADD_POSITION_WEEK).SetText(IDC_APW_ROUND, "3").OK();
            ui.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 3.  Click Yes to continue.");
            doc.EditFixtureDates();
            ASSERT_EQ(doc.m_nRounds, 6);
        }
        doc.m_nCurrentRound = static_cast<BYTE>(c.nCurrent);
        ui.OnDialog(IDD_FIXTURE_DATES).Click(c.bPosition ? IDC_FD_DELETE_POSITION : IDC_FD_DELETE_FINAL).OK();
        if (c.bPosition)
            ui.AnswerMessageBox(IDYES, "Do you wish to delete Positional Round Number 3?");
        else
            ui.AnswerMessageBox(IDYES, "This will delete Week 5 matches for ever!  Click Yes to continue.");
        doc.EditFixtureDates();
        EXPECT_EQ(Nums(doc.m_nRounds, doc.m_nCurrentRound), Nums(c.bPosition ? 5 : 4, c.nAfter));
    }
}

// Closed without "Finished", nothing is re-dated: a new position round still has its round's
// date, and a season extended after it goes on a week after that.
TEST_F(FixtureDatesTest, APositionRoundIsDatedEvenWhenTheDialogIsCancelled)
{
    struct Case { const char* round; CTime due; };
    for (const Case c : {Case{"2", At(2025, 9, 9, 19, 30)}, Case{"4", At(2025, 9, 23, 19, 30)}}) {
        CScriptedBackend ui;
        CBowlingDoc doc;
        MakeLeague(doc, 4, 3, At(2025, 9, 2, 19, 30));
        ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_ADD_POSITION).Cancel();
        ui.OnDialog(IDD_ADD_POSITION_WEEK).SetText(IDC_APW_ROUND, c.round).OK();
        ui.AnswerMessageBox(IDYES);
        doc.EditFixtureDates();
        const int nRound = std::atoi(c.round);
        ASSERT_EQ(Fixtures(doc, nRound).size(), 2u) << c.round;
        EXPECT_EQ(Fixtures(doc, nRound)[1]->m_timeDue, c.due) << c.round;
        EXPECT_EQ(Fixtures(doc, nRound)[1]->m_timePlayed[0], c.due) << c.round;
    }
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 3, At(2025, 9, 2, 19, 30));
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_ADD_POSITION).Cancel();
    ui.OnDialog(IDD_ADD_POSITION_WEEK).SetText(IDC_APW_ROUND, "4").OK();
    ui.AnswerMessageBox(IDYES);
    doc.EditFixtureDates();
    ui.AnswerMessageBox(IDYES, "Add another 3 rounds to your league?");
    doc.OnExtendSeason();
    EXPECT_EQ(Fixtures(doc, 5)[0]->m_timeDue, At(2025, 9, 30, 19, 30));
    EXPECT_TRUE(ui.AllUsed());
}

TEST_F(FixtureDatesTest, ChangedDatesMustStayInSequenceAndRoundsOfAnIntervalAreStaggered)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 6, At(2025, 1, 7), 0, 3);
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Check([](CDialog& d) {
            EXPECT_EQ(ListLines(d)[0], "Rnds 1-3   Tue 07 Jan 2025 06:00 PM");
            EXPECT_TRUE(Ctl(d, IDC_FD_MINUTES).enabled);
        })
        .DblClk(IDC_FD_ROUNDS, 0).DblClk(IDC_FD_ROUNDS, 0)
        .Select(IDC_FD_MINUTES, 2) // 20 minutes
        .OK();
    ui.OnDialog(IDD_CHANGE_DATE).Click(IDC_CD_PLUS_WEEK).Click(IDC_CD_PLUS_WEEK).OK();
    ui.AnswerMessageBox(IDOK, "That date would put the week out of sequence!");
    ui.OnDialog(IDD_CHANGE_DATE).Click(IDC_CD_MINUS_WEEK).OK();
    doc.EditFixtureDates();
    EXPECT_EQ(doc.m_nMinutesBetweenRounds, 20);
    EXPECT_EQ(Times({Fixtures(doc, 1)[0]->m_timeDue, Fixtures(doc, 2)[1]->m_timeDue, Fixtures(doc, 3)[0]->m_timeDue,
                     Fixtures(doc, 4)[0]->m_timeDue}),
              Times({At(2024, 12, 31), At(2024, 12, 31, 18, 20), At(2024, 12, 31, 18, 40), At(2025, 1, 14)}));
}

TEST_F(FixtureDatesTest, ChangeDateCoversEveryStorableYear)
{
    CScriptedBackend ui;
    CChangeDateDlg dlg;
    dlg.m_date = At(2030, 1, 31, 20, 15);
    ui.OnDialog(IDD_CHANGE_DATE)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_DATE_YEAR, IDC_DATE_HOUR}), (Texts{"2030", "08 pm"}));
            EXPECT_EQ(Items(d, IDC_DATE_YEAR).back(), "2038");
        })
        .SelectString(IDC_DATE_MONTH, "Feb") // 31 Feb runs on into March
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_DATE_DAY, IDC_DATE_MONTH, IDC_DATE_WEEKDAY}), (Texts{"3", "Mar", "Sunday"}));
        })
        .SelectString(IDC_DATE_YEAR, "2037")
        .OK();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_date, At(2037, 3, 3, 20, 15));

    // A week before the first week of 1970 is refused, saying which dates are taken.
    CChangeDateDlg first;
    first.m_date = At(1970, 1, 3, 12, 0);
    ui.OnDialog(IDD_CHANGE_DATE).Click(IDC_CD_MINUS_WEEK).OK();
    ui.AnswerMessageBox(IDOK, "Please enter a date between");
    ASSERT_EQ(first.DoModal(), IDOK);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(first.m_date, At(1970, 1, 3, 12, 0));
}
