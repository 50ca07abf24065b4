// The commands that reshape a season, on the sample league, leave every played match as it was:
// a position round goes after the last round with results, and rebuilt rounds are dated around
// the league's free dates.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "admin/PlayerSetup.h"
#include "ReloadedLeague.h"
#include "league/SampleLeague.h"
#include "reports/stats/RepItem_Standings.h"
#include "resources/CommandIds.h"

#include <string>
#include <tuple>

namespace {

const char* const kChristmas = "Free Date - Mon 22 Dec 2025";

// A played match as the secretary entered it.
using Played = std::tuple<int, int, int, int, CTime, CTime, std::vector<int>>;

std::vector<Played> PlayedMatches(const CBowlingDoc& doc)
{
    std::vector<Played> v;
    for (const CFixture* f : Fixtures(doc)) {
        if (!f->m_bPlayed[0] && !f->m_bPlayed[1])
            continue;
        std::vector<int> scores;
        for (int g = 0; g < f->m_nGames; ++g)
            for (int k = 0; k < SLOTS_PER_GAME; ++k)
                scores.push_back(f->m_nScore[g][k]);
        v.emplace_back(f->m_nRound, f->m_nMatch, f->m_nTeamA, f->m_nTeamB, f->m_timePlayed[0], f->m_timePlayed[1],
                       scores);
    }
    return v;
}

std::vector<std::string> CalendarLines(const CBowlingDoc& doc)
{
    std::vector<std::string> lines;
    for (const CFreeWeek* w : Weeks(doc)) {
        CString s;
        w->GetListText(s, ' ');
        lines.emplace_back(s.GetString());
    }
    return lines;
}

// Whether a match is due on the day.
bool AnyDueOn(const CBowlingDoc& doc, const char* pszDay)
{
    for (const CFixture* f : Fixtures(doc))
        if (f->m_timeDue.Format("%Y-%m-%d") == CString(pszDay))
            return true;
    return false;
}

// The sample league: 8 teams, 21 rounds a week apart from Mon 1 Sep 2025 at 7.30 pm, results in
// rounds 1 to 10, current round 11, Christmas week (22 Dec) free between rounds 16 and 17.
class PlayedRoundsTest : public ::testing::Test
{
protected:
    CScriptedBackend ui;
    CBowlingDoc doc;
    std::vector<Played> played;

    void SetUp() override
    {
        SetUpAdmin();
        PlayerSetup::Install();
        BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
        played = PlayedMatches(doc);
        ASSERT_EQ(played.size(), 40u);
    }

    BOOL Command(UINT nID) { return doc.OnCmdMsg(nID, CN_COMMAND, nullptr); }
};

} // namespace

// The secretary's road through Fixture Dates: Reset Dates From Start (before, the sample's free
// date stood last in its list and round 17 went on it), then Add Position Round, which offers
// round 11 and refuses round 4; later, with round 12 played, the position round cannot be taken
// out, which would move round 12 to 11.
TEST_F(PlayedRoundsTest, APositionRoundGoesAfterTheResultsAndResetDatesLeavesChristmasFree)
{
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Check([](CDialog& d) {
            EXPECT_EQ(EnabledOf(d, {IDC_FD_ADD_POSITION, IDC_FD_DELETE_POSITION, IDC_FD_DELETE_FINAL,
                                    IDC_FD_RESET_FROM_START, IDC_FD_SET_TIMES}),
                      "10111");
        })
        .Click(IDC_FD_RESET_FROM_START)
        .Check([](CDialog& d) {
            const auto lines = Items(d, IDC_FD_ROUNDS);
            ASSERT_EQ(lines.size(), 22u);
            EXPECT_EQ((std::vector<std::string>{lines[15], lines[16], lines[17]}),
                      (std::vector<std::string>{"Rnd 16   Mon 15 Dec 2025 07:30 PM", kChristmas,
                                                "Rnd 17   Mon 29 Dec 2025 07:30 PM"}));
        })
        .Click(IDC_FD_ADD_POSITION)
        .OK();
    ui.OnDialog(IDD_ADD_POSITION_WEEK)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_APW_ROUND).text, "11"); })
        .SetText(IDC_APW_ROUND, "4").OK()
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_APW_ROUND).text, "4"); }) // still open
        .SetText(IDC_APW_ROUND, "11").OK();
    ui.AnswerMessageBox(IDOK, "Results have been entered up to round 10, so a position round can go no earlier "
                              "than round 11.");
    ui.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 11.  Click Yes to continue.");
    ASSERT_TRUE(Command(ID_FIXTURE_AMEND_DATES));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(PlayedMatches(doc), played);
    ASSERT_EQ(Nums(doc.m_nRounds, Fixtures(doc, 11).size(), Fixtures(doc, 22).size()), Nums(22, 4, 4));
    const CFixture* pPosition = Fixtures(doc, 11)[0];
    EXPECT_EQ(Nums(pPosition->m_bPositionRound, pPosition->m_nTeamA), Nums(1, 0));
    // The position round on round 11's night, the rounds after it a week later, round 22 a week
    // after round 21.
    EXPECT_EQ((std::vector<CTime>{pPosition->m_timeDue, Fixtures(doc, 12)[0]->m_timeDue,
                                  Fixtures(doc, 17)[3]->m_timeDue, Fixtures(doc, 22)[0]->m_timeDue}),
              (std::vector<CTime>{At(2025, 11, 10, 19, 30), At(2025, 11, 17, 19, 30), At(2025, 12, 29, 19, 30),
                                  At(2026, 2, 2, 19, 30)}));
    EXPECT_FALSE(AnyDueOn(doc, "2025-12-22"));

    // Round 12 marked played as the scoresheet marks it.
    for (CFixture* f : Fixtures(doc, 12))
        EnterResult(f);
    played = PlayedMatches(doc);
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_DELETE_POSITION).OK();
    ui.AnswerMessageBox(IDOK, "Results have been entered up to round 12, so no position round before it can be "
                              "deleted.");
    ASSERT_TRUE(Command(ID_FIXTURE_AMEND_DATES));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(PlayedMatches(doc), played);
    EXPECT_EQ(Nums(doc.m_nRounds, Fixtures(doc, 11)[0]->m_bPositionRound), Nums(22, 1));
}

// A position round put in after the results, its teams set from the standings and its four
// matches entered: Delete Position Round names the played matches before they go. No keeps
// them; Yes takes the round, and the standings lose its games at once.
TEST_F(PlayedRoundsTest, DeletingAPositionRoundWithResultsNamesThePlayedMatchesFirst)
{
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_ADD_POSITION).OK();
    ui.OnDialog(IDD_ADD_POSITION_WEEK).OK(); // round 11, the first after the results
    ui.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 11.");
    ASSERT_TRUE(Command(ID_FIXTURE_AMEND_DATES));
    ASSERT_TRUE(ui.AllUsed());
    doc.SetPositionWeek(11);
    for (CFixture* f : Fixtures(doc, 11)) {
        ASSERT_NE(f->m_nTeamA, 0);
        EnterResult(f);
    }
    doc.m_nCurrentRound = 12;
    doc.Recalculate();
    const CTeam* pTeam = Teams(doc)[0];
    ASSERT_EQ(Nums(PlayedMatches(doc).size(), pTeam->m_nGames[PASS_HANDICAP]), Nums(44, 33));
    const std::vector<Played> with11 = PlayedMatches(doc);

    ui.ClearMessages();
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_DELETE_POSITION).OK();
    ui.AnswerMessageBox(IDYES, "Do you wish to delete Positional Round Number 11?");
    ui.AnswerMessageBox(IDNO, "This will remove 4 matches already played!  Continue?");
    ASSERT_TRUE(Command(ID_FIXTURE_AMEND_DATES));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(PlayedMatches(doc), with11);
    EXPECT_EQ(Nums(doc.m_nRounds, Fixtures(doc, 11)[0]->m_bPositionRound, pTeam->m_nGames[PASS_HANDICAP]),
              Nums(22, 1, 33));

    ui.OnDialog(IDD_FIXTURE_DATES)
        .Click(IDC_FD_DELETE_POSITION)
        .Check([](CDialog& d) {
            // The position round is gone; the old round 11 is back in its place.
            EXPECT_FALSE(Ctl(d, IDC_FD_DELETE_POSITION).enabled);
            EXPECT_EQ(Items(d, IDC_FD_ROUNDS)[10], "Rnd 11   Mon 10 Nov 2025 07:30 PM");
        })
        .OK();
    ui.AnswerMessageBox(IDYES, "Do you wish to delete Positional Round Number 11?");
    ui.AnswerMessageBox(IDYES, "This will remove 4 matches already played!  Continue?");
    ASSERT_TRUE(Command(ID_FIXTURE_AMEND_DATES));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(PlayedMatches(doc), played);
    EXPECT_EQ(Nums(doc.m_nRounds, Fixtures(doc, 11)[0]->m_bPositionRound, Fixtures(doc, 21).size(),
                   pTeam->m_nGames[PASS_HANDICAP]),
              Nums(21, 0, 4, 30));
}

// A position round without results goes with the one question.
TEST_F(PlayedRoundsTest, APositionRoundWithoutResultsGoesWithTheOneQuestion)
{
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_ADD_POSITION).OK();
    ui.OnDialog(IDD_ADD_POSITION_WEEK).SetText(IDC_APW_ROUND, "15").OK();
    ui.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 15.");
    ASSERT_TRUE(Command(ID_FIXTURE_AMEND_DATES));
    ui.ClearMessages();
    ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_DELETE_POSITION).OK();
    ui.AnswerMessageBox(IDYES, "Do you wish to delete Positional Round Number 15?");
    ASSERT_TRUE(Command(ID_FIXTURE_AMEND_DATES));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Do you wish to delete Positional Round Number 15?"});
    EXPECT_EQ(Nums(doc.m_nRounds, Fixtures(doc, 15)[0]->m_bPositionRound), Nums(21, 0));
    EXPECT_EQ(PlayedMatches(doc), played);
}

// Two teams more from round 12 (current round 11 + 1), either rule: the rounds rebuilt keep
// Christmas free and go on a week later after it, at half past seven.
TEST_F(PlayedRoundsTest, AddExtraTeamsKeepsChristmasFreeWithEitherRule)
{
    struct Case { bool synchronize; int choice; int lastRound; CTime lastDue; };
    // Restart, twice nine rounds for ten teams: 12 to 29. Synchronize, "18 Rounds": 12 to 18.
    for (const Case c : {Case{false, 1, 29, At(2026, 3, 23, 19, 30)}, Case{true, 0, 18, At(2026, 1, 5, 19, 30)}}) {
        SetUp();
        ui.ClearMessages();
        auto& rule = ui.OnDialog(IDD_NEW_SCHEDULE_RULE);
        if (c.synchronize)
            rule.Click(IDC_NSR_SYNCHRONIZE);
        rule.OK();
        ui.OnDialog(IDD_EXPAND_LEAGUE).Select(IDC_LSZ_ROUNDS, c.choice).OK();
        ui.OnDialog(IDD_NEW_PLAYER).Cancel();
        ASSERT_TRUE(Command(ID_FIXTURE_ADD_EXTRA_TEAMS));
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_TRUE(ui.MessageTexts().empty()) << c.synchronize;

        EXPECT_EQ(PlayedMatches(doc), played);
        ASSERT_EQ(Nums(doc.m_nTeams, doc.m_nRounds, Fixtures(doc, 12).size(), Fixtures(doc, c.lastRound).size()),
                  Nums(10, c.lastRound, 5, 5));
        const auto lines = CalendarLines(doc);
        ASSERT_EQ(lines.size(), static_cast<size_t>(c.lastRound + 1));
        EXPECT_EQ((std::vector<std::string>{lines[11], lines[15], lines[16], lines[17]}),
                  (std::vector<std::string>{"Rnd 12   Mon 17 Nov 2025 07:30 PM", "Rnd 16   Mon 15 Dec 2025 07:30 PM",
                                            kChristmas, "Rnd 17   Mon 29 Dec 2025 07:30 PM"}))
            << c.synchronize;
        EXPECT_FALSE(AnyDueOn(doc, "2025-12-22"));
        EXPECT_EQ(Fixtures(doc, c.lastRound)[4]->m_timeDue, c.lastDue) << c.synchronize;
    }
}

// Six teams from round 11, one cycle of five rounds, ends before Christmas: the free date stays
// and the secretary is told; a season extended later goes round it.
TEST_F(PlayedRoundsTest, ReduceLeagueSizeNamesAFreeDateAfterTheLastRoundAndExtendSeasonGoesRoundIt)
{
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_CONTRACT_LEAGUE).SetText(IDC_LSZ_START_ROUND, "11").Select(IDC_LSZ_ROUNDS, 0).OK();
    ASSERT_TRUE(Command(ID_FIXTURE_REDUCE_LEAGUE_SIZE));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(),
              (std::vector<std::string>{"The free date Mon 22 Dec 2025 (Christmas) now falls after the last round.  It "
                                        "stays in the fixture dates for rounds added later."}));
    EXPECT_EQ(PlayedMatches(doc), played);
    ASSERT_EQ(Nums(doc.m_nTeams, doc.m_nRounds, Fixtures(doc, 15).size()), Nums(6, 15, 3));
    EXPECT_EQ(CalendarLines(doc).back(), kChristmas);

    ui.ClearMessages();
    ui.AnswerMessageBox(IDYES, "Add another 5 rounds to your league?");
    ASSERT_TRUE(Command(ID_FIXTURE_EXTEND_SEASON));
    const auto lines = CalendarLines(doc);
    ASSERT_EQ(Nums(lines.size(), Fixtures(doc, 20).size()), Nums(21, 3));
    EXPECT_EQ((std::vector<std::string>{lines[15], lines[16], lines[17], lines[20]}),
              (std::vector<std::string>{"Rnd 16   Mon 15 Dec 2025 07:30 PM", kChristmas,
                                        "Rnd 17   Mon 29 Dec 2025 07:30 PM", "Rnd 20   Mon 19 Jan 2026 07:30 PM"}));
    EXPECT_FALSE(AnyDueOn(doc, "2025-12-22"));
    EXPECT_EQ(Fixtures(doc, 20)[2]->m_timeDue, At(2026, 1, 19, 19, 30));
    EXPECT_EQ(PlayedMatches(doc), played);
}

// The sample grown or cut from round 5 (restart rule, one cycle), Yes to the 24 played matches
// of rounds 5 to 10: rounds 1 to 4 keep their results, and the round in hand is round 5, the
// first rebuilt, of a season of 4 + 9 rounds for ten teams or 4 + 5 for six, in the standings'
// heading too, and so saved and opened again.
TEST_F(PlayedRoundsTest, AResizedSeasonIsInHandAtItsFirstRebuiltRound)
{
    for (bool bGrow : {true, false}) {
        SCOPED_TRACE(bGrow ? "Add extra Teams" : "Reduce League Size");
        SetUp();
        ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
        ui.OnDialog(bGrow ? IDD_EXPAND_LEAGUE : IDD_CONTRACT_LEAGUE)
            .SetText(IDC_LSZ_START_ROUND, "5").Select(IDC_LSZ_ROUNDS, 0).OK();
        ui.AnswerMessageBox(IDYES, "This will remove 24 matches already played!  Continue?");
        if (bGrow)
            ui.OnDialog(IDD_NEW_PLAYER).Cancel();
        ASSERT_TRUE(Command(bGrow ? ID_FIXTURE_ADD_EXTRA_TEAMS : ID_FIXTURE_REDUCE_LEAGUE_SIZE));
        EXPECT_TRUE(ui.AllUsed());
        played.resize(16);
        EXPECT_EQ(PlayedMatches(doc), played);

        const int nRounds = bGrow ? 13 : 9;
        CBowlingDoc reloaded;
        ASSERT_TRUE(Reload(doc, reloaded));
        for (CBowlingDoc* p : {&doc, &reloaded}) {
            EXPECT_EQ(Nums(p->m_nRounds, p->m_nCurrentRound), Nums(nRounds, 5));
            CRepItem_Standings standings;
            standings.m_pDoc = p;
            standings.m_bHandicap = 1;
            const std::string heading = standings.GetHeading().GetString();
            EXPECT_EQ(heading.rfind("Handicap Standings after Round 5 of " + std::to_string(nRounds) + " on ", 0), 0u)
                << heading;
        }
    }
}

// File > New with the fixture list cancelled leaves teams and no rounds: Fixture Dates then
// offers no position round, which would otherwise be a round dated 1 Jan 1970, and greys what
// has no round to work on.
TEST(PlayedRounds, ALeagueWithoutRoundsHasNoPositionRoundToAdd)
{
    SetUpAdmin();
    CScriptedBackend ui;
    CBowlingDoc doc;
    ui.OnDialog(IDD_NEW_LEAGUE).OK();
    ui.AnswerMessageBox(IDYES, "You have defined a league consisting of 4 teams");
    ui.OnDialog(IDD_SET_FIXTURE_LIST).Cancel();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
    ASSERT_EQ(Nums(doc.m_listTeams.GetCount(), doc.m_nRounds), Nums(4, 0));

    ui.OnDialog(IDD_FIXTURE_DATES)
        .Check([](CDialog& d) {
            EXPECT_EQ(EnabledOf(d, {IDC_FD_ADD_POSITION, IDC_FD_DELETE_POSITION, IDC_FD_DELETE_FINAL,
                                    IDC_FD_RESET_FROM_START, IDC_FD_SET_TIMES}),
                      "00000");
        })
        .OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_nRounds, doc.m_listFixtures.GetCount(), doc.m_listFreeWeeks.GetCount()), Nums(0, 0, 0));
}
