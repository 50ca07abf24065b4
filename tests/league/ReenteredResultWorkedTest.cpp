// A result deleted in Result > Amend Results (its Played boxes unticked, OK) and typed in again
// through Result > Enter Results is entered as a new result: the sheet opens with nothing of the
// old one (no scores, marks, defaulted games, date or points), ticks each side Played by itself
// as its last score comes in, and takes the vacancy, blind games, defaulted games and date played
// chosen on it. A side deleted alone leaves the other as entered.
//
// A four-team trios season of four rounds from a new league's defaults (80 % of 200, no robot
// scores for a defaulted game), every bowler with an entering average, Team 2's reserve made its
// vacancy, a point a game to the better bowler and to the better team and one for the series.
// Team 2's round-2 match is the one deleted: as first typed, Team 2's third bowler is away and
// the vacancy bowls in his place, Team 2 defaults game 3, the other side's second bowler is blind
// in game 1 and that side bowled two days late. Deleted and typed in again, every stored figure,
// the standings and every bowler's figures are those of the season in which it was typed once.
// docs/scoring.md 2.6.
#include "RealDialogs.h"
#include "WorkedLeague.h"
#include "admin/PlayerSetup.h"
#include "admin/RulesSetup.h"
#include "league/MatchWorking.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/RulesDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using V = std::vector<int>;

constexpr int ROUND = 2;     // the round of the match deleted, Team 2's
constexpr int LATE_DAY = 11; // round 2 is due on Monday 9 September 2024

// What is typed on the scoresheet of Team 2's round-2 match: the vacancy, the blind game, the
// defaulted game and the late day, or none of them; the scores shifted from those first typed.
struct Entry
{
    bool bMarks = true;
    int nShift = 0;
};
const Entry FIRST{};                 // as the match was first typed
const Entry OTHER{false, 41};        // other scores, nothing marked

int Score(int nBowler, int nRound, int nGame, int nShift)
{
    return 120 + (nBowler * 37 + nRound * 53 + nGame * 29 + nShift) % 90;
}

std::string Notice(int nReworked) { return CLaterMatches::NoticeText(nReworked).GetString(); }

struct ReentryLeague : WorkedLeague
{
    ReentryLeague() : WorkedLeague(4, 3, 3, 4, 1)
    {
        for (int t = 1; t <= 4; ++t)
            for (int p = 1; p <= 3; ++p)
                Player(t * 10 + p)->SetEnteringAverage(static_cast<WORD>(1350 + 100 * p + 40 * t));
        CScriptedBackend ui;
        // Team 2's reserve made its vacancy, scored by rule 1: a new league's flat 120.
        ui.OnDialog(IDD_EDIT_PLAYER)
            .SetText(IDC_PD_FORENAME_EDIT, "Team 2")
            .SetText(IDC_PD_SURNAME, "Vacancy")
            .SelectString(IDC_PD_DESIGNATION, "Robot #1")
            .OK();
        EXPECT_TRUE(PlayerSetup::EditPlayer(&doc, Player(24)));
        ui.OnDialog(IDD_ROBOT_SCORES).OK();
        EXPECT_TRUE(RulesSetup::EditRobotScores(&doc));
        PointAGameAndTheSeries();
        doc.Recalculate();
    }

    CFixture* Deleted() { return Match(ROUND, 2); }
    int SideOf2() { return SideOf(Deleted(), 2); }

    using First = std::function<void(Sheet&)>;

    // A match's scoresheet: what first does, then the sides named typed (Team 2's round-2 match
    // as the entry says), each side ticking Played by itself with its last score; the late day;
    // OK.
    void QueueMatch(CScriptedBackend& ui, CFixture* f, const Entry& entry, const std::vector<int>& sides = {0, 1},
                    const First& first = {})
    {
        Sheet& sheet = ui.OnDialog(IDD_THREES_SCORESHEET);
        if (first)
            first(sheet);
        const bool bDeleted = f == Deleted();
        const bool bMarks = bDeleted && entry.bMarks;
        const int nShift = bDeleted ? entry.nShift : 0;
        const int s2 = SideOf(f, 2), sOther = 1 - s2;
        const auto typed = [sides](int s) { return std::find(sides.begin(), sides.end(), s) != sides.end(); };
        if (bMarks && typed(s2)) {
            sheet.SelectString((s2 == 0 ? IDC_SS_PLAYER_A : IDC_SS_PLAYER_B)[2], "Team 2 Vacancy");
            sheet.Click(IDC_SS_DEFAULTED[s2][2]);
        }
        if (bMarks && typed(sOther)) {
            sheet.Click(IDC_SS_BLINDS[sOther]);
            ui.OnDialog(IDD_THREES_BLIND_SCORES).Click(IDC_BLIND_BOX[1][0]).OK();
        }
        const int nRound = f->m_nRound;
        const int nTeam[2] = {f->m_nTeamA, f->m_nTeamB};
        sheet.Check([=](CDialog& d) {
            for (int s = 0; s < 2; ++s)
                for (int p = 0; p < 3 && typed(s); ++p)
                    for (int g = 0; g < 3; ++g)
                        if (Ctl(d, ScoreCell(s, p, g)).enabled)
                            d.UserSetText(ScoreCell(s, p, g),
                                          std::to_string(Score(nTeam[s] * 10 + p + 1, nRound, g, nShift)).c_str());
        });
        // The last score stored: every side typed has ticked Played by itself.
        sheet.Focus(IDOK).Check([=](CDialog& d) {
            for (int s = 0; s < 2; ++s)
                if (typed(s)) {
                    EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[s]).check, 1) << "round " << nRound << ", side " << s;
                }
        });
        if (bMarks && typed(sOther)) {
            sheet.Click(IDC_SS_CHANGE_DATE[sOther]);
            ui.OnDialog(IDD_ENTER_DATE_TIME).SetText(IDC_DT_DAY, std::to_string(LATE_DAY).c_str()).OK();
        }
        sheet.OK();
    }

    // Result > Enter Results on a round: each match still to be entered; of Team 2's round-2
    // match the sides named, after what first does.
    void EnterResults(int nRound, const Entry& entry, const std::vector<int>& sides = {0, 1}, const First& first = {})
    {
        SetRound(nRound);
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).OK();
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
            auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
            if (f->m_nRound != nRound || f->IsBye() || (f->m_bPlayed[0] && f->m_bPlayed[1]))
                continue;
            if (f == Deleted())
                QueueMatch(ui, f, entry, sides, first);
            else
                QueueMatch(ui, f, entry);
        }
        OnResultEnterResults(doc);
        TakeMessages(ui, "round " + std::to_string(nRound));
    }

    // Result > Enter Individual Result: team t's match of round r alone.
    void EnterMatch(int nRound, int nTeam, const Entry& entry)
    {
        SetRound(nRound);
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).SelectString(IDC_SELECT_FIXTURE_LIST, MatchLine(nRound, nTeam)).OK();
        QueueMatch(ui, Match(nRound, nTeam), entry);
        OnResultEnterIndividualResult(doc);
        TakeMessages(ui, "round " + std::to_string(nRound) + ", team " + std::to_string(nTeam));
    }

    // The season, Team 2's round-2 match typed as the entry says, or left out.
    void EnterSeason(const Entry& entry, bool bLeaveOut = false)
    {
        for (int r = 1; r <= 4; ++r) {
            if (r != ROUND || !bLeaveOut) {
                EnterResults(r, entry);
                continue;
            }
            for (int t : {1, 3, 4})
                if (t != Deleted()->m_nTeamA && t != Deleted()->m_nTeamB && Match(r, t)->m_nTeamA == t)
                    EnterMatch(r, t, entry);
        }
    }

    // Result > Amend Results on Team 2's round-2 match: the Played boxes of the sides named
    // unticked, look at the sheet, OK or Cancel.
    void Delete(const std::vector<int>& sides, bool bOK = true, const std::function<void(CDialog&)>& look = {})
    {
        SetRound(ROUND);
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).SelectString(IDC_SELECT_FIXTURE_LIST, MatchLine(ROUND, 2)).OK();
        Sheet& sheet = ui.OnDialog(IDD_THREES_SCORESHEET);
        for (int s : sides)
            sheet.Click(IDC_SS_PLAYED[s]);
        if (look)
            sheet.Check(look);
        if (bOK)
            sheet.OK();
        else
            sheet.Cancel();
        OnResultAmendResults(doc);
        TakeMessages(ui, "deleting");
    }

    // Every stored figure of a match: whether and when each side bowled, its defaulted games,
    // marks, bowlers, every cell's score, handicap and average, the pacers, team averages and
    // handicaps, the match points and every points cell.
    static V Figures(const CFixture* f)
    {
        V v;
        for (int s = 0; s < 2; ++s)
            v.insert(v.end(), {f->m_bPlayed[s], f->m_nDefaulted[s], f->m_bPlayed[s] ? f->m_timePlayed[s].GetDay() : 0,
                               f->m_nHandicapMatchPoints[s]});
        for (int k = 0; k < SLOTS_PER_GAME; ++k) {
            v.push_back(static_cast<int>(f->m_dwPosFlags[k]));
            for (int g = 0; g < 3; ++g)
                v.insert(v.end(), {f->m_wPlayerNo[g][k], f->m_nScore[g][k], f->m_nHandicap[g][k],
                                   int(f->m_nAverage[g][k]), f->m_wPacerNo[g][k], f->m_nPacerScore[g][k]});
        }
        for (int s = 0; s < 2; ++s) {
            for (int c = 0; c < POINTS_COLS; ++c)
                v.insert(v.end(), {int(f->m_nTeamAverage[s][c]), int(f->m_nTeamHandicap[s][c])});
            for (const auto& row : f->m_wHandicapPoints[s])
                v.insert(v.end(), std::begin(row), std::end(row));
        }
        return v;
    }

    std::vector<V> Season()
    {
        std::vector<V> season;
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;)
            season.push_back(Figures(static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos))));
        return season;
    }

    // After round 4: each team's place, points won and lost and pins with handicap; each
    // bowler's games, pins, average, handicap and blind games.
    V Standings()
    {
        V v = HandicapStandings(4, 4);
        for (int t = 1; t <= 4; ++t)
            for (int p = 1; p <= 4; ++p) {
                const CPlayer* b = Player(t * 10 + p);
                v.insert(v.end(), {int(b->m_nGames[PASS_HANDICAP]), int(b->m_nPins[PASS_HANDICAP]), b->m_nAverage,
                                   b->m_nHandicap, b->m_nBlindGames[PASS_HANDICAP]});
            }
        return v;
    }
};

// Two seasons alike: every match stored alike, field for field (a game the league does not bowl
// included), and the standings.
void ExpectSameSeason(ReentryLeague& a, ReentryLeague& b)
{
    EXPECT_EQ(a.Season(), b.Season());
    POSITION pa = a.doc.m_listFixtures.GetHeadPosition(), pb = b.doc.m_listFixtures.GetHeadPosition();
    while (pa && pb) {
        const auto* fa = static_cast<const CFixture*>(a.doc.m_listFixtures.GetNext(pa));
        const auto* fb = static_cast<const CFixture*>(b.doc.m_listFixtures.GetNext(pb));
        EXPECT_TRUE(fa->IsSameAs(*fb))
            << "round " << int(fa->m_nRound) << ", match " << int(fa->m_nMatch);
    }
    EXPECT_EQ(a.Standings(), b.Standings());
}

// How many matches other than Team 2's round-2 match moved from one season to the other.
int MatchesMoved(ReentryLeague& L, const std::vector<V>& before, const std::vector<V>& after)
{
    int n = 0, i = 0;
    for (POSITION pos = L.doc.m_listFixtures.GetHeadPosition(); pos; ++i)
        if (L.doc.m_listFixtures.GetNext(pos) != L.Deleted() && before[size_t(i)] != after[size_t(i)])
            ++n;
    return n;
}

// The scoresheet of a side never entered: every cell 0 and open, Played, Defaulted, the date and
// the points empty.
void ExpectSideAsNew(CDialog& d, int s)
{
    for (int p = 0; p < 3; ++p)
        for (int g = 0; g < 3; ++g) {
            EXPECT_EQ(Ctl(d, ScoreCell(s, p, g)).text, "0") << "side " << s << ", position " << p << ", game " << g;
            EXPECT_TRUE(Ctl(d, ScoreCell(s, p, g)).enabled);
        }
    EXPECT_EQ((V{Ctl(d, IDC_SS_PLAYED[s]).check, Ctl(d, IDC_SS_DEFAULTED[s][0]).check,
                 Ctl(d, IDC_SS_DEFAULTED[s][1]).check, Ctl(d, IDC_SS_DEFAULTED[s][2]).check}),
              (V{0, 0, 0, 0}));
    EXPECT_EQ(Ctl(d, IDC_SS_DATE_PLAYED[s]).text, "");
    EXPECT_EQ(Ctl(d, IDC_SS_POINTS_HCP[s]).text, "");
}

}  // namespace

// Deleted, the match holds nothing: the season is the one in which it was never entered, the
// later matches that counted it worked again and the secretary told how many; Enter Results
// opens it as a new match; typed in again as first typed (the vacancy, the blind game, the
// defaulted game, the late day), the season is the one in which it was typed once, and the
// secretary is told again.
TEST(ReenteredResult, DeletedAndTypedInAgainAsBeforeIsTheSeasonTypedOnce)
{
    ReentryLeague once, never, L;
    once.EnterSeason(FIRST);
    never.EnterSeason(FIRST, true);
    L.EnterSeason(FIRST);
    ASSERT_EQ(L.Deleted()->m_timeDue.GetDay(), 9);
    ASSERT_EQ(L.Match(3, 1)->m_timeDue.GetDay(), 16);
    EXPECT_EQ(L.Deleted()->m_timePlayed[1 - L.SideOf2()].GetDay(), LATE_DAY);
    const std::vector<V> entered = L.Season();
    const size_t nNotices = L.notices.size();

    L.Delete({0, 1});
    const std::vector<V> deleted = L.Season();
    EXPECT_EQ(deleted, never.Season());
    EXPECT_EQ(L.Standings(), never.Standings());
    const int nMoved = MatchesMoved(L, entered, deleted);
    EXPECT_GT(nMoved, 0);
    ASSERT_EQ(L.notices.size(), nNotices + 1);
    EXPECT_EQ(L.notices.back(), Notice(nMoved));

    L.LookAtSheet(ROUND, 2, [](CDialog& d, CFixture*) {
        ExpectSideAsNew(d, 0);
        ExpectSideAsNew(d, 1);
    });

    L.EnterResults(ROUND, FIRST);
    ASSERT_EQ(L.notices.size(), nNotices + 2);
    EXPECT_EQ(L.notices.back(), Notice(MatchesMoved(L, deleted, L.Season())));
    ExpectSameSeason(L, once);
}

// Typed in again with other scores and nothing marked: Team 2's own third bowler bowls, no
// game is defaulted or blind and both sides bowled on the day due; nothing of the vacancy, the
// blind game, the defaulted game or the late day comes back. The season is the one in which the
// match was typed once that way.
TEST(ReenteredResult, TypedInAgainWithOtherScoresKeepsNoneOfTheOldMarks)
{
    ReentryLeague once, L;
    once.EnterSeason(OTHER);
    L.EnterSeason(FIRST);
    L.Delete({0, 1});
    L.EnterResults(ROUND, OTHER);
    ExpectSameSeason(L, once);
    const CFixture* f = L.Deleted();
    EXPECT_EQ((V{f->m_wPlayerNo[0][CFixture::SlotOf(L.SideOf2(), 2)], f->m_nDefaulted[0], f->m_nDefaulted[1],
                 f->m_timePlayed[0].GetDay(), f->m_timePlayed[1].GetDay()}),
              (V{23, 0, 0, 9, 9}));
}

// Team 2's opponent's result deleted alone: Team 2's side stays as entered, the vacancy, its
// defaulted game and its scores included, and the match holds no points until the other side is
// typed in again; Enter Results opens it with Team 2's side ticked and the other as new.
TEST(ReenteredResult, OneSideDeletedLeavesTheOtherAsEntered)
{
    ReentryLeague once, L;
    once.EnterSeason(FIRST);
    L.EnterSeason(FIRST);
    const int s2 = L.SideOf2(), sOther = 1 - s2;
    const V entered = ReentryLeague::Figures(L.Deleted());
    L.Delete({sOther});

    const CFixture* f = L.Deleted();
    EXPECT_EQ((V{f->m_bPlayed[s2], f->m_bPlayed[sOther], f->m_nDefaulted[s2], f->m_nHandicapMatchPoints[0],
                 f->m_nHandicapMatchPoints[1]}),
              (V{1, 0, 2, 0, 0}));
    for (int p = 0; p < 3; ++p)
        for (int g = 0; g < 3; ++g) {
            const int k = CFixture::SlotOf(s2, p);
            EXPECT_EQ((V{f->m_wPlayerNo[g][k], f->m_nScore[g][k], f->m_nHandicap[g][k]}),
                      (V{once.Deleted()->m_wPlayerNo[g][k], once.Deleted()->m_nScore[g][k],
                         once.Deleted()->m_nHandicap[g][k]}));
        }
    EXPECT_NE(ReentryLeague::Figures(f), entered);

    L.LookAtSheet(ROUND, 2, [s2, sOther](CDialog& d, CFixture*) {
        ExpectSideAsNew(d, sOther);
        EXPECT_EQ((V{Ctl(d, IDC_SS_PLAYED[s2]).check, Ctl(d, IDC_SS_DEFAULTED[s2][2]).check}), (V{1, 1}));
        EXPECT_EQ(Ctl(d, ScoreCell(s2, 2, 0)).text, "120");  // the vacancy's
    });
    L.EnterResults(ROUND, FIRST, {sOther});
    ExpectSameSeason(L, once);
}

// Unticking both Played boxes takes the points off the open sheet; Cancel then puts the match
// back exactly, and nothing else moves.
TEST(ReenteredResult, UntickedThePointsGoAndCancelPutsTheMatchBack)
{
    ReentryLeague L;
    L.EnterSeason(FIRST);
    const CFixture before(*L.Deleted());
    const std::vector<V> season = L.Season();
    const V standings = L.Standings();
    const size_t nNotices = L.notices.size();
    ASSERT_GT(before.m_nHandicapMatchPoints[0] + before.m_nHandicapMatchPoints[1], 0);
    L.Delete({0, 1}, false, [](CDialog& d) {
        for (int s = 0; s < 2; ++s)
            EXPECT_EQ((std::vector<std::string>{Ctl(d, IDC_SS_POINTS_HCP[s]).text.GetString(),
                                                Ctl(d, IDC_SS_DATE_PLAYED[s]).text.GetString()}),
                      (std::vector<std::string>{"", ""}));
        const CFixture* f = static_cast<CScoresheetDlg&>(d).m_pFixture;
        EXPECT_EQ((V{f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}), (V{0, 0}));
    });
    EXPECT_TRUE(L.Deleted()->IsSameAs(before));
    EXPECT_EQ(L.Season(), season);
    EXPECT_EQ(L.Standings(), standings);
    EXPECT_EQ(L.notices.size(), nNotices);
}

// A side closed with OK before it was complete keeps the scores typed for its bowlers, and
// only those: Team 2's vacancy (picked in the combo) and its defaulted game 3 do not come back
// when Enter Results opens the match again, its third place goes back to Bowler 23 with empty,
// open cells, and typed in full the match is the one typed once.
TEST(ReenteredResult, ASideLeftIncompleteKeepsOnlyTheScoresTypedForItsBowlers)
{
    ReentryLeague once, L;
    once.EnterSeason(FIRST);
    L.EnterResults(1, FIRST);
    const int s2 = L.SideOf2(), sOther = 1 - s2;
    L.EnterResults(ROUND, FIRST, {sOther}, [s2](Sheet& sheet) {
        sheet.SelectString((s2 == 0 ? IDC_SS_PLAYER_A : IDC_SS_PLAYER_B)[2], "Team 2 Vacancy")
            .Click(IDC_SS_DEFAULTED[s2][2])
            .SetText(ScoreCell(s2, 0, 0), "171")
            .SetText(ScoreCell(s2, 0, 1), "172")
            .Check([s2](CDialog& d) {
                EXPECT_EQ(Ctl(d, ScoreCell(s2, 2, 0)).text, "120");
                EXPECT_FALSE(Ctl(d, ScoreCell(s2, 2, 0)).enabled);
            });
    });
    const CFixture* f = L.Deleted();
    ASSERT_EQ((V{f->m_bPlayed[s2], f->m_bPlayed[sOther], f->m_nDefaulted[s2]}), (V{0, 1, 2}));

    L.LookAtSheet(ROUND, 2, [s2](CDialog& d, CFixture*) {
        V shown;
        for (int p = 0; p < 3; ++p)
            for (int g = 0; g < 3; ++g) {
                shown.push_back(std::stoi(Ctl(d, ScoreCell(s2, p, g)).text.GetString()));
                EXPECT_TRUE(Ctl(d, ScoreCell(s2, p, g)).enabled);
            }
        EXPECT_EQ(shown, (V{171, 172, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(Ctl(d, (s2 == 0 ? IDC_SS_PLAYER_A : IDC_SS_PLAYER_B)[2]).text, "Bowler 23");
        EXPECT_EQ((V{Ctl(d, IDC_SS_PLAYED[s2]).check, Ctl(d, IDC_SS_DEFAULTED[s2][2]).check}), (V{0, 0}));
    });
    L.EnterResults(ROUND, FIRST, {s2});
    L.EnterResults(3, FIRST);
    L.EnterResults(4, FIRST);
    ExpectSameSeason(L, once);
}

// On the real widgets: the deleted match typed in again key by key through Enter Results. Each
// side's Played box stays clear while its scores come in and ticks itself with its last score,
// dated the day the match was due; OK works the later matches again and says so once.
TEST(ReenteredResult, OnTheRealSheetTheLastScoreOfASideTicksItsPlayedBox)
{
    ReentryLeague once, L;
    once.EnterSeason(OTHER);
    L.EnterSeason(FIRST);
    L.Delete({0, 1});
    const std::vector<V> deleted = L.Season();
    L.SetRound(ROUND);
    const CFixture* f = L.Deleted();
    std::vector<std::string> messages;
    {
        CRealUi ui;
        ui.OnDialog(IDD_SELECT_ROUND, [](CRealDialog& d) { d.Enter(); });
        ui.OnDialog(IDD_THREES_SCORESHEET, [&](CRealDialog& d) {
            for (int s = 0; s < 2; ++s) {
                const int nTeam = s == 0 ? f->m_nTeamA : f->m_nTeamB;
                for (int p = 0; p < 3; ++p)
                    for (int g = 0; g < 3; ++g) {
                        ASSERT_EQ(d.FocusID(), ScoreCell(s, p, g));
                        EXPECT_EQ(d.Text(IDC_SS_PLAYED[s]), "0");
                        d.Type(std::to_string(Score(nTeam * 10 + p + 1, ROUND, g, OTHER.nShift)).c_str()).Tab();
                    }
                EXPECT_EQ((std::vector<std::string>{d.Text(IDC_SS_PLAYED[0]), d.Text(IDC_SS_PLAYED[1])}),
                          (std::vector<std::string>{"1", s == 0 ? "0" : "1"}));
                EXPECT_EQ(d.Text(IDC_SS_DATE_PLAYED[s]), "09 Sep 24 07:30PM");
            }
            d.Click(IDOK);
        });
        OnResultEnterResults(L.doc);
        messages = ui.messages;
    }
    EXPECT_EQ(messages, std::vector<std::string>{Notice(MatchesMoved(L, deleted, L.Season()))});
    ExpectSameSeason(L, once);
}
