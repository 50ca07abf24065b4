// Fixture Dates after results are in: each button works again only the matches whose days it
// moves past what other matches count, and those that counted them, exactly as working every
// match again gives them; a season moved whole works nothing again. A doubles league of six
// teams, three games, a point a game and the series, its six rounds typed through Enter Results
// a week apart from Monday 2 September 2024 (round 4 on the 23rd, round 5 on the 30th). In
// the league with sides bowled off their day, Team 1 bowled its round-3 match late, on Tuesday
// the 24th, the day after its round-4 match, and Team 2 its round-5 match early, on Saturday
// the 28th.
#include "../league/WorkedLeague.h"
#include "AdminChecks.h"
#include "AdminTest.h"
#include "ReloadedLeague.h"
#include "league/MatchWorking.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using V = std::vector<int>;
using Texts = std::vector<std::string>;

// Scores that climb through the season, so that a round more or less counted moves an average.
int Score(int nBowler, int nRound, int nGame)
{
    return 100 + 12 * nRound + (nBowler * 37 + nRound * 53 + nGame * 29) % 80;
}

struct DatesLeague : WorkedLeague
{
    explicit DatesLeague(bool bOffDays) : WorkedLeague(6, 2, 3, 8)
    {
        LeagueSetup::Install();
        for (int t = 1; t <= 6; ++t)
            Player(t * 10 + 1)->SetEnteringAverage(static_cast<WORD>(1400 + 50 * t));
        PointAGameAndTheSeries();
        for (int r = 1; r <= 6; ++r) {
            std::map<int, Lineup> scores;
            for (int t = 1; t <= 6; ++t)
                for (int p = 1; p <= 2; ++p)
                    scores[t].push_back({Score(t * 10 + p, r, 0), Score(t * 10 + p, r, 1), Score(t * 10 + p, r, 2)});
            EnterRound(r, scores);
            // The side's date played corrected in Amend Results as soon as the round is in.
            if (bOffDays && (r == 3 || r == 5))
                AmendDatePlayed(r, r == 3 ? 1 : 2, r == 3 ? "24" : "28");
        }
    }

    // Result > Amend Results on team t's match of round r: Change Date Played of its side to
    // the day of the month given, then OK.
    void AmendDatePlayed(int nRound, int nTeam, const char* pszDay)
    {
        SetRound(nRound);
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).SelectString(IDC_SELECT_FIXTURE_LIST, MatchLine(nRound, nTeam)).OK();
        ui.OnDialog(SheetIDD()).Click(IDC_SS_CHANGE_DATE[SideOf(Match(nRound, nTeam), nTeam)]).OK();
        ui.OnDialog(IDD_ENTER_DATE_TIME).SetText(IDC_DT_DAY, pszDay).OK();
        OnResultAmendResults(doc);
        EXPECT_TRUE(ui.AllUsed());
        TakeMessages(ui, "amending round " + std::to_string(nRound));
    }

    std::vector<BYTE> Bytes()
    {
        std::vector<BYTE> bytes;
        doc.SaveToBytes(bytes);
        return bytes;
    }

    // Every match's stored figures: each cell's score, handicap and average, the team averages
    // and handicaps, the match points and every points cell.
    std::vector<V> Figures()
    {
        std::vector<V> all;
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
            const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
            V v;
            for (int g = 0; g < 3; ++g)
                for (int k : {CFixture::SlotOf(0, 0), CFixture::SlotOf(0, 1), CFixture::SlotOf(1, 0),
                              CFixture::SlotOf(1, 1)})
                    v.insert(v.end(), {f->m_nScore[g][k], f->m_nHandicap[g][k], int(f->m_nAverage[g][k])});
            for (int s = 0; s < 2; ++s) {
                for (int c = 0; c < POINTS_COLS; ++c)
                    v.insert(v.end(), {int(f->m_nTeamAverage[s][c]), int(f->m_nTeamHandicap[s][c])});
                v.push_back(f->m_nHandicapMatchPoints[s]);
                for (const auto& row : f->m_wHandicapPoints[s])
                    v.insert(v.end(), std::begin(row), std::end(row));
            }
            all.push_back(v);
        }
        return all;
    }

    // The matches (round, team A) whose figures differ from what working every match with both
    // results again gives, each as its scoresheet works it opened alone: worked on a copy.
    std::vector<std::pair<int, int>> NotAsWorkedAgain()
    {
        CBowlingDoc copy;
        EXPECT_TRUE(Reload(doc, copy));
        std::vector<std::pair<int, int>> differ;
        POSITION held = doc.m_listFixtures.GetHeadPosition();
        for (POSITION pos = copy.m_listFixtures.GetHeadPosition(); pos && held;) {
            auto* f = static_cast<CFixture*>(copy.m_listFixtures.GetNext(pos));
            const auto* pHeld = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(held));
            if (!f->m_bPlayed[0] || !f->m_bPlayed[1] || f->IsBye())
                continue;
            BOOL bHandicap = FALSE, bScratch = FALSE;
            CMatchWorking::ScoringSystems(copy, *f, bHandicap, bScratch);
            CMatchWorking working;
            working.Bind(&copy, f, copy.m_nPlayersPerTeam, bHandicap, bScratch);
            working.WorkPlayedMatch();
            if (!f->IsScoredAs(*pHeld))
                differ.emplace_back(f->m_nRound, f->m_nTeamA);
        }
        return differ;
    }

    // Where the match stands in the fixture list, as Figures lists them.
    size_t IndexOf(const CFixture* f) const
    {
        size_t i = 0;
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos && doc.m_listFixtures.GetNext(pos) != f;)
            ++i;
        return i;
    }

    // Fixture > Amend Fixture Dates, scripted by the caller.
    void AmendDates(CScriptedBackend& ui)
    {
        ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
    }
};

// The matches, by their place in the fixture list, whose figures differ.
std::vector<size_t> Moved(const std::vector<V>& before, const std::vector<V>& after)
{
    std::vector<size_t> moved;
    for (size_t i = 0; i < before.size() && i < after.size(); ++i)
        if (before[i] != after[i])
            moved.push_back(i);
    return moved;
}

std::string Notice(int n) { return CLaterMatches::NoticeText(n).GetString(); }

} // namespace

// Every side bowled on its day. The first row's free date moves the season a week on, and Set All
// Match Times to 8 o'clock: every match keeps its figures and points and nothing is said. A week
// back on the first row, Reset Dates From Start and half past seven again: the dialog closed with
// Escape leaves the league byte for byte as it was.
TEST(FixtureDatesRework, ASeasonMovedWholeWorksNothingAgainAndComesBackByteForByte)
{
    DatesLeague L(false);
    const std::vector<BYTE> bytes = L.Bytes();
    const std::vector<V> figures = L.Figures();
    const V standings = L.HandicapStandings(6, 6);
    std::vector<std::string> shown;
    CScriptedBackend ui;
    auto same = [&](const char* pszAfter) {
        return [&, pszAfter](CDialog&) {
            SCOPED_TRACE(pszAfter);
            EXPECT_EQ(L.Figures(), figures);
            EXPECT_EQ(ui.MessageTexts(), Texts{});
            L.doc.Recalculate();
            EXPECT_EQ(L.HandicapStandings(6, 6), standings);
        };
    };
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Select(IDC_FD_ROUNDS, 0).Click(IDC_FD_ADD_FREE_DATE)
        .Check([&](CDialog& d) { shown.push_back(Items(d, IDC_FD_ROUNDS)[5]); })
        .Check(same("the season a week on"))
        .Click(IDC_FD_SET_TIMES)
        .Check(same("at eight"))
        .Click(IDC_FD_CHANGE_DATE)
        .Click(IDC_FD_RESET_FROM_START)
        .Click(IDC_FD_SET_TIMES)
        .Check([&](CDialog& d) { shown.push_back(Items(d, IDC_FD_ROUNDS)[5]); })
        .Cancel();
    ui.OnDialog(IDD_START_TIME).Select(IDC_DATE_HOUR, 20).Select(IDC_DATE_MINUTE, 0).OK();
    ui.OnDialog(IDD_CHANGE_DATE).Click(IDC_CD_MINUS_WEEK).OK();
    ui.OnDialog(IDD_START_TIME).Select(IDC_DATE_HOUR, 19).Select(IDC_DATE_MINUTE, 6).OK();
    L.AmendDates(ui);
    EXPECT_EQ(shown, (Texts{"Rnd 6   Mon 14 Oct 2024 07:30 PM", "Rnd 6   Mon 07 Oct 2024 07:30 PM"}));
    EXPECT_EQ(L.Bytes(), bytes);
}

// A free date before round 4 puts rounds 4 on a week later, to the 30th, while the sides bowled
// off their day keep it. Team 1's late round-3 side and Team 2's early round-5 side no longer
// count round 4, and round 4, where Teams 1 and 2 meet, now counts both, bowled before its new
// day. Those three matches come out otherwise, and the secretary is told so; every match is what
// working it again gives. Delete Free Week puts them
// back as they were, and the dialog closed with Escape leaves the league byte for byte as before.
TEST(FixtureDatesRework, AFreeDateMovingARoundPastSidesBowledOffTheirDayWorksTheMatchesThatCountThem)
{
    DatesLeague L(true);
    ASSERT_EQ(L.NotAsWorkedAgain(), (std::vector<std::pair<int, int>>{}));
    const std::vector<BYTE> bytes = L.Bytes();
    const std::vector<V> figures = L.Figures();
    std::vector<V> moved;
    std::vector<std::pair<int, int>> notAsWorked;
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Select(IDC_FD_ROUNDS, 3).Click(IDC_FD_ADD_FREE_DATE)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_FD_ROUNDS)[4], "Rnd 4   Mon 30 Sep 2024 07:30 PM");
            moved = L.Figures();
            notAsWorked = L.NotAsWorkedAgain();
        })
        .Select(IDC_FD_ROUNDS, 3).Click(IDC_FD_DELETE_FREE_WEEK)
        .Cancel();
    ui.OnDialog(IDD_FREE_DATE_REASON).OK();
    L.AmendDates(ui);
    ASSERT_EQ(L.Match(4, 1), L.Match(4, 2));
    std::vector<size_t> expected = {L.IndexOf(L.Match(3, 1)), L.IndexOf(L.Match(4, 1)), L.IndexOf(L.Match(5, 2))};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Moved(figures, moved), expected);
    EXPECT_EQ(notAsWorked, (std::vector<std::pair<int, int>>{}));
    EXPECT_EQ(ui.MessageTexts(), (Texts{Notice(3), Notice(3)}));
    EXPECT_EQ(L.Figures(), figures);
    EXPECT_EQ(L.Bytes(), bytes);
}

// Round 4 moved to Wednesday the 25th, after Team 1's late round-3 side of the 24th: that side
// no longer counts round 4, and Team 1's round 4 now counts it; Team 2's early round-5 side, on
// the 28th, counts round 4 as before. The two matches are worked again as working every match
// again gives them. Eight o'clock for every round moves no day and works nothing more; Reset
// Dates From Start puts round 4 back on the 23rd and every figure with it.
TEST(FixtureDatesRework, ARoundMovedPastALateSideWorksBothAndComesBack)
{
    DatesLeague L(true);
    const std::vector<V> figures = L.Figures();
    std::vector<V> moved, atEight;
    std::vector<std::pair<int, int>> notAsWorked;
    size_t nNotices = 0;
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Select(IDC_FD_ROUNDS, 3).Click(IDC_FD_CHANGE_DATE)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_FD_ROUNDS)[3], "Rnd 4   Wed 25 Sep 2024 07:30 PM");
            moved = L.Figures();
            notAsWorked = L.NotAsWorkedAgain();
            nNotices = ui.messages.size();
        })
        .Click(IDC_FD_SET_TIMES)
        .Check([&](CDialog&) {
            atEight = L.Figures();
            EXPECT_EQ(ui.messages.size(), nNotices);
        })
        .Click(IDC_FD_RESET_FROM_START)
        .Cancel();
    ui.OnDialog(IDD_CHANGE_DATE).Select(IDC_DATE_DAY, 24).OK();
    ui.OnDialog(IDD_START_TIME).Select(IDC_DATE_HOUR, 20).Select(IDC_DATE_MINUTE, 0).OK();
    L.AmendDates(ui);
    std::vector<size_t> expected = {L.IndexOf(L.Match(3, 1)), L.IndexOf(L.Match(4, 1))};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Moved(figures, moved), expected);
    EXPECT_EQ(notAsWorked, (std::vector<std::pair<int, int>>{}));
    EXPECT_EQ(atEight, moved);
    EXPECT_EQ(ui.MessageTexts(), (Texts{Notice(2), Notice(2)}));
    EXPECT_EQ(L.Figures(), figures);
    EXPECT_EQ(L.NotAsWorkedAgain(), (std::vector<std::pair<int, int>>{}));
}
