// Rounds that the league size commands and the Fixture Dates dialog rebuild or add keep the
// venues the secretary gave the rounds: a rebuilt round its own, a new round the one venue of
// the rounds before it; the rounds left without one are named.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "admin/PlayerSetup.h"
#include "admin/VenueCommands.h"
#include "league/SampleLeague.h"
#include "league/SeasonRounds.h"
#include "resources/CommandIds.h"

#include <set>
#include <string>

namespace {

const char* const kNoVenue2229 =
    "Rounds 22-29 have no venue.  Please give them one with Venue > Assign Venues to Rounds.";

// The sample league: 8 teams, 21 rounds, results to round 10, every match at "Calder Valley
// Bowl" (venue 1).
class RoundVenuesTest : public ::testing::Test
{
protected:
    CScriptedBackend ui;
    CBowlingDoc doc;

    void SetUp() override
    {
        SetUpAdmin();
        VenueCommands::Install();
        PlayerSetup::Install();
        BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
        doc.SetModifiedFlag(FALSE);
    }

    BOOL Command(UINT nID) { return doc.OnCmdMsg(nID, CN_COMMAND, nullptr); }

    // A second venue through Venue > Add a Venue, given to these rounds through Venue > Assign
    // Venues to Rounds.
    void SecondVenueFor(std::initializer_list<int> rounds)
    {
        ui.OnDialog(IDD_VENUE_DETAILS).SetText(IDC_VD_NAME, "Ryburn Lanes").OK();
        ASSERT_TRUE(Command(ID_VENUE_ADD));
        auto& assign = ui.OnDialog(IDD_ASSIGN_VENUES).SelectString(IDC_AV_VENUE, "Ryburn Lanes");
        const auto weeks = Weeks(doc);
        for (int nRound : rounds)
            for (size_t i = 0; i < weeks.size(); ++i)
                if (!weeks[i]->m_bFreeDate && weeks[i]->m_nFirstRound == nRound)
                    assign.SetSel(IDC_AV_ROUNDS, static_cast<int>(i));
        assign.Click(IDC_AV_ASSIGN).OK();
        ASSERT_TRUE(Command(ID_VENUE_ASSIGN_ROUNDS));
        ASSERT_TRUE(ui.AllUsed());
    }

    // One digit a round: the venue of its matches, '?' where they are at several, '-' for a
    // round without matches.
    std::string Venues(int nFirst, int nLast) const
    {
        std::string s;
        for (int r = nFirst; r <= nLast; ++r) {
            std::set<int> at;
            for (const CFixture* f : Fixtures(doc, r))
                at.insert(f->m_nVenue);
            s += at.empty() ? '-' : at.size() > 1 ? '?' : static_cast<char>('0' + *at.begin());
        }
        return s;
    }

    // Fixture > Fixtures Dates / League Size > Add extra Teams, Restart from the round shown,
    // with the nCycles-th choice of rounds; no bowlers entered yet.
    void AddExtraTeams(int nCycles)
    {
        ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
        ui.OnDialog(IDD_EXPAND_LEAGUE)
            .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_LSZ_START_ROUND).text, "12"); })
            .Select(IDC_LSZ_ROUNDS, nCycles - 1)
            .OK();
        ui.OnDialog(IDD_NEW_PLAYER).Cancel();
        ASSERT_TRUE(Command(ID_FIXTURE_ADD_EXTRA_TEAMS));
    }
};

} // namespace

TEST_F(RoundVenuesTest, AddExtraTeamsWithRestartKeepsCalderValleyForEveryRoundItRebuilds)
{
    ASSERT_EQ(Venues(1, 21), std::string(21, '1'));
    AddExtraTeams(1); // 9 rounds for 10 teams: rounds 12 to 20
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nRounds, Fixtures(doc, 12).size()), Nums(10, 20, 5));
    EXPECT_EQ(Venues(1, 21), std::string(20, '1') + "-");
    EXPECT_TRUE(ui.MessageTexts().empty());

    // Twice the cycle: the rounds past the old season follow the league's one venue.
    AddExtraTeams(2);
    EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nRounds), Nums(12, 33));
    EXPECT_EQ(Venues(1, 33), std::string(33, '1'));
    EXPECT_TRUE(ui.MessageTexts().empty());
}

TEST_F(RoundVenuesTest, RebuiltRoundsKeepTheirOwnVenueAndNewRoundsAfterSeveralVenuesAreNamed)
{
    SecondVenueFor({3, 14, 15});
    ASSERT_EQ(Venues(1, 21), "112111111111122111111");
    AddExtraTeams(2); // 18 rounds: 12 to 21 rebuilt, 22 to 29 new
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(doc.m_nRounds, 29);
    EXPECT_EQ(Venues(1, 29), "112111111111122111111" "00000000");
    EXPECT_EQ(Fixtures(doc, 14).size(), 5u); // the new teams' match at Ryburn Lanes too
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{kNoVenue2229}));
}

TEST_F(RoundVenuesTest, ReduceLeagueSizeKeepsTheVenueOfEachRoundItRebuilds)
{
    SecondVenueFor({13});
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    // From round 11, the first after the results, ten rounds for six teams: 11 to 20.
    ui.OnDialog(IDD_CONTRACT_LEAGUE).SetText(IDC_LSZ_START_ROUND, "11").Select(IDC_LSZ_ROUNDS, 1).OK();
    ASSERT_TRUE(Command(ID_FIXTURE_REDUCE_LEAGUE_SIZE));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_nTeams, doc.m_nRounds, Fixtures(doc, 13).size()), Nums(6, 20, 3));
    EXPECT_EQ(Venues(1, 21), "111111111111" "2" "1111111" "-");
    EXPECT_TRUE(ui.MessageTexts().empty());
}

TEST_F(RoundVenuesTest, ExtendSeasonFollowsTheOneVenueOrNamesTheNewRounds)
{
    ui.AnswerMessageBox(IDYES, "Add another 7 rounds to your league?");
    ASSERT_TRUE(Command(ID_FIXTURE_EXTEND_SEASON));
    EXPECT_EQ(Venues(1, 28), std::string(28, '1'));
    EXPECT_EQ(ui.MessageTexts().size(), 1u); // the question alone

    // Round 28 at another venue: the league has bowled at two, so the next cycle has none.
    SecondVenueFor({28});
    ui.ClearMessages();
    ui.AnswerMessageBox(IDYES, "Add another 7 rounds to your league?");
    ASSERT_TRUE(Command(ID_FIXTURE_EXTEND_SEASON));
    EXPECT_EQ(Venues(22, 35), "1111112" "0000000");
    EXPECT_EQ(ui.MessageTexts(),
              (std::vector<std::string>{"Add another 7 rounds to your league?",
                                        "Rounds 29-35 have no venue.  Please give them one with Venue > Assign "
                                        "Venues to Rounds."}));
}

TEST_F(RoundVenuesTest, APositionRoundPutInTakesTheVenueOfTheRoundsBeforeIt)
{
    SecondVenueFor({13});
    // After the results: before round 12 every round was at Calder Valley; before round 15, not.
    for (const char* pszRound : {"12", "15"}) {
        ui.OnDialog(IDD_FIXTURE_DATES).Click(IDC_FD_ADD_POSITION).OK();
        ui.OnDialog(IDD_ADD_POSITION_WEEK).SetText(IDC_APW_ROUND, pszRound).OK();
        ui.AnswerMessageBox(IDYES, "This will Insert a Positional Round");
        ASSERT_TRUE(Command(ID_FIXTURE_AMEND_DATES));
    }
    EXPECT_TRUE(ui.AllUsed());
    // Round 13 at Ryburn Lanes is round 14 now; the rounds after it moved with their venues.
    EXPECT_EQ(Venues(1, 23), "111111111111" "120" "11111111");
    EXPECT_EQ(ui.MessageTexts().back(),
              "Round 15 has no venue.  Please give it one with Venue > Assign Venues to Rounds.");
}

TEST(RoundListText, RoundsInOrderWithRunsAsRanges)
{
    const std::pair<std::vector<int>, const char*> cases[] = {
        {{22}, "22"},
        {{18, 12}, "12 and 18"},
        {{3, 4}, "3 and 4"},
        {{22, 23, 24, 25, 12, 15}, "12, 15 and 22-25"},
        {{1, 2, 3, 5, 6, 7, 9}, "1-3, 5-7 and 9"},
    };
    for (const auto& [rounds, pszText] : cases)
        EXPECT_EQ(std::string(RoundListText(rounds).GetString()), pszText);
}
