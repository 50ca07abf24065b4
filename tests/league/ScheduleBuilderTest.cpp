#include "RecalcTestLeague.h"
#include "ScriptedBackend.h"

#include "league/FreeWeek.h"
#include "league/Schedule.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using V = std::vector<int>;

std::vector<CFixture*> Fixtures(CBowlingDoc& doc, int nRound = 0)
{
    std::vector<CFixture*> v;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (nRound == 0 || f->m_nRound == nRound)
            v.push_back(f);
    }
    return v;
}

std::vector<CFreeWeek*> Dates(CBowlingDoc& doc)
{
    std::vector<CFreeWeek*> v;
    for (POSITION pos = doc.m_listFreeWeeks.GetHeadPosition(); pos;)
        v.push_back(static_cast<CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos)));
    return v;
}

} // namespace

TEST(ScheduleBuilder, BuildsEveryRoundFromTheTableWithWeeklyDates)
{
    RecalcTestLeague league(6, 3, 3);
    CBowlingDoc& doc = league.doc;
    // Team numbers need not follow list positions: position k is the k-th team of the list.
    league.Team(6)->m_nTeamNo = 60;
    CFixtureListRequest request;
    request.nRounds = 10;
    request.nFrequency = 0;
    request.timeStart = CTime(2025, 9, 1, 19, 0, 0);
    ASSERT_EQ(doc.BuildFixtureList(request), 1);
    EXPECT_EQ(doc.m_nRounds, 10);
    EXPECT_TRUE(doc.IsModified());
    auto all = Fixtures(doc);
    ASSERT_EQ(all.size(), 30u);
    CPairingWalk walk(6);
    std::vector<CPairing> pairs;
    const int nNumber[7] = {0, 1, 2, 3, 4, 5, 60};
    for (int r = 1; r <= 10; ++r) {
        auto round = Fixtures(doc, r);
        ASSERT_EQ(round.size(), 3u);
        walk.NextRound(pairs);
        for (size_t m = 0; m < 3; ++m) {
            const CFixture* f = round[m];
            ASSERT_NE(f->m_pTeamA, nullptr);
            // Match, teams, the first team's own number, players, games; a week apart, at the
            // same time of day also after the clocks go back (26 October).
            EXPECT_EQ((V{f->m_nMatch, f->m_nTeamA, f->m_nTeamB, f->m_pTeamA->m_nTeamNo, f->m_nPlayers, f->m_nGames,
                         f->m_timeDue.GetHour()}),
                      (V{int(m) + 1, nNumber[pairs[m].nSideA], nNumber[pairs[m].nSideB], f->m_nTeamA, 3, 3, 19}))
                << "round " << r;
            EXPECT_EQ(f->m_timeDue, CTime(2025, 9, 1 + 7 * (r - 1), 19, 0, 0));
        }
    }
    auto dates = Dates(doc);
    ASSERT_EQ(dates.size(), 10u);
    EXPECT_EQ(
        (V{dates[3]->m_nFirstRound, dates[3]->m_nLastRound, int(dates[3]->m_bFreeDate), doc.m_nAllMatchesPerRound[10]}),
        (V{4, 4, 0, 3}));

    // Built again: the old schedule is replaced, not added to.
    request.nRounds = 5;
    ASSERT_EQ(doc.BuildFixtureList(request), 1);
    EXPECT_EQ(std::make_pair(Fixtures(doc).size(), Dates(doc).size()), std::make_pair(size_t{15}, size_t{5}));
}

TEST(ScheduleBuilder, RoundsPerIntervalShareADateStaggered)
{
    RecalcTestLeague league(4, 2, 3);
    CBowlingDoc& doc = league.doc;
    CFixtureListRequest request;
    request.nRounds = 5;
    request.nRoundsPerInterval = 2;
    request.nFrequency = 1; // fortnightly
    request.timeStart = CTime(2025, 1, 6, 18, 0, 0);
    ASSERT_EQ(doc.BuildFixtureList(request), 1);
    EXPECT_EQ((V{doc.m_nRoundsPerInterval, doc.m_nMinutesBetweenRounds}), (V{2, 25}));  // players x 10 + 5
    auto dates = Dates(doc);
    ASSERT_EQ(dates.size(), 3u);
    // The last date is cut at the last round.
    EXPECT_EQ((V{dates[0]->m_nFirstRound, dates[0]->m_nLastRound, dates[2]->m_nFirstRound, dates[2]->m_nLastRound}),
              (V{1, 2, 5, 5}));
    EXPECT_EQ(dates[1]->m_time, CTime(2025, 1, 20, 18, 0, 0));
    EXPECT_EQ(Fixtures(doc, 2)[0]->m_timeDue, CTime(2025, 1, 6, 18, 25, 0));
    EXPECT_EQ(Fixtures(doc, 3)[0]->m_timeDue, CTime(2025, 1, 20, 18, 0, 0));
}

TEST(ScheduleBuilder, OddTeamsByesDialogAndRefusals)
{
    RecalcTestLeague league(7, 1, 1);
    CBowlingDoc& doc = league.doc;
    CFixtureListRequest request;
    request.nRounds = 7;
    request.timeStart = CTime(2025, 1, 6, 18, 0, 0);
    ASSERT_EQ(doc.BuildFixtureList(request), 1);
    std::map<int, int> played;
    for (int r = 1; r <= 7; ++r) {
        auto round = Fixtures(doc, r);
        ASSERT_EQ(round.size(), 3u);
        std::set<int> teams;
        for (const CFixture* f : round) {
            teams.insert(f->m_nTeamA);
            teams.insert(f->m_nTeamB);
        }
        EXPECT_EQ(teams.size(), 6u);
        for (int t : teams)
            ++played[t];
    }
    for (const auto& [t, n] : played)
        EXPECT_EQ(n, 6) << "team " << t << " sits out one round of seven";

    // Without the dialog (or on Cancel) nothing is built.
    EXPECT_EQ(doc.BuildFixtureList(), 0);
    EXPECT_EQ(Fixtures(doc).size(), 21u);
    CBowlingDoc::s_pfnRunFixtureListDlg = [](CBowlingDoc*, CFixtureListRequest& r) -> BOOL {
        EXPECT_EQ(r.nTeams, 7);
        r.nRounds = 14;
        r.timeStart = CTime(2025, 1, 6, 18, 0, 0);
        return TRUE;
    };
    EXPECT_EQ(doc.BuildFixtureList(), 1);
    CBowlingDoc::s_pfnRunFixtureListDlg = nullptr;
    EXPECT_EQ(Fixtures(doc).size(), 42u);

    RecalcTestLeague tiny(2, 1, 1);
    EXPECT_EQ(tiny.doc.BuildFixtureList(request), 0) << "no table for two teams";
    request.nRounds = 0;
    EXPECT_EQ(doc.BuildFixtureList(request), 0);
    EXPECT_EQ(Fixtures(doc).size(), 42u);
}

namespace {

// Four teams, round 1 played, round 2 a position round set from the handicap standings.
struct PositionWeek : ::testing::Test
{
    RecalcTestLeague league{4, 1, 1};
    std::vector<CFixture*> round2;
    void SetUp() override
    {
        CBowlingDoc& doc = league.doc;
        doc.m_HcpPoints.m_bTeam = 1;
        doc.m_HcpPoints.m_nTeamGame[0] = doc.m_HcpPoints.m_nTeamSeries = 2;
        // Kept below the 4 a match can give, so that a two-win lead cannot be caught.
        doc.m_nMaxHandicapPoints = 2;
        doc.m_nCurrentRound = 2;
        // Round 1: 3 beats 1, 4 beats 2.
        league.AddMatch(1, 1, 3, {{150}}, {{180}});
        league.AddMatch(1, 2, 4, {{140}}, {{190}});
        for (int m = 0; m < 2; ++m) {
            auto* f = new CFixture(2, 0, 0, 1);
            f->m_nMatch = static_cast<BYTE>(m + 1);
            f->m_bPositionRound = 1;
            doc.AddFixture(f);
            round2.push_back(f);
        }
    }
    V Teams()
    {
        V v;
        for (const CFixture* f : round2) {
            v.push_back(f->m_nTeamA);
            v.push_back(f->m_nTeamB);
        }
        return v;
    }
};

} // namespace

TEST_F(PositionWeek, SetsTheRoundFromTheStandingsBefore)
{
    CScriptedBackend ui;
    league.doc.SetModifiedFlag(FALSE);
    league.doc.SetPositionWeek(2);
    // Standings after round 1: 4 (190 pins) and 3 (180) on 4 points, then 1 (150), 2 (140).
    EXPECT_EQ(Teams(), (V{4, 3, 1, 2}));
    EXPECT_EQ(round2[0]->m_pTeamA, league.Team(4));
    EXPECT_EQ(league.doc.m_nCurrentRound, 1);
    EXPECT_TRUE(league.doc.IsModified() && ui.messages.empty());

    // Set again: asked once whether to reset.
    ui.AnswerMessageBox(IDNO, "Positions already set. Reset them?");
    round2[0]->m_nTeamA = 9;
    league.doc.SetPositionWeek(2);
    EXPECT_EQ(round2[0]->m_nTeamA, 9);
}

TEST_F(PositionWeek, OutstandingPlayedAndUncatchableQuestions)
{
    CScriptedBackend ui;
    CBowlingDoc& doc = league.doc;
    CFixture* pLate = league.AddMatch(1, 3, 4);
    doc.m_listFixtures.RemoveTail();
    doc.m_listFixtures.AddHead(pLate);
    ui.AnswerMessageBox(IDNO, "There are 1 Outstanding matches. Click YES to set position week matches anyway");
    doc.SetPositionWeek(2);
    EXPECT_EQ(Teams(), (V{0, 0, 0, 0}));

    // Yes; and team 4 leads by more than the most a match can give: asked to drop it.
    pLate->m_bPlayed[0] = pLate->m_bPlayed[1] = 1;
    pLate->m_nScore[0][CFixture::SlotOf(0, 0)] = 100;
    pLate->m_nScore[0][CFixture::SlotOf(1, 0)] = 200;
    ui.AnswerMessageBox(IDYES, "Top team cannot be caught.  Place them at the bottom?");
    doc.SetPositionWeek(2);
    // 4 on 8 points, 3 on 4, 1 and 2 on 0 (1 ahead on pinfall): 4 goes to the bottom.
    EXPECT_EQ(Teams(), (V{3, 1, 2, 4}));

    ui.AnswerMessageBox(IDOK, "Position week already played.");
    round2[1]->m_bPlayed[0] = 1;
    doc.SetPositionWeek(2);
    EXPECT_EQ(Teams(), (V{3, 1, 2, 4}));

    // A round that is not a position round is left alone.
    round2[1]->m_bPlayed[0] = 0;
    round2[1]->m_bPositionRound = 0;
    round2[0]->m_nTeamA = 0;
    doc.SetPositionWeek(2);
    EXPECT_EQ(round2[0]->m_nTeamA, 0);
}
