// Whose game it is, as every reader of a bowler's games shows it: a season entered through the
// scoresheets, Substitutions, Blind Scores and the defaulted boxes, then each bowler's games,
// pins, high game and high series read from the statistics, the player page, the round's high
// scores, the best games, the score bands, the bowlers' table, the round analysis, the venue
// tables and the average buster, against figures worked by hand.
#include "WorkedLeague.h"
#include "admin/AverageBuster.h"
#include "league/Venue.h"
#include "reports/stats/BestGamesItem.h"
#include "reports/stats/HiWeekItem.h"
#include "reports/stats/PlayerDetailsPage.h"
#include "reports/stats/PlayerItem.h"
#include "reports/stats/RoundAnalysisItem.h"
#include "reports/stats/RoundStats.h"
#include "resources/dialogs/RulesDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using V = std::vector<int>;

// Games, pins, high game and high series, scratch.
struct Figures
{
    int nGames = 0, nPins = 0, nHighGame = 0, nHighSeries = 0;
    V Row() const { return {nGames, nPins, nHighGame, nHighSeries}; }
};

// The average buster at 10 pins a unit, set through its dialog, scored by every recalculation.
struct BusterHook
{
    explicit BusterHook(CBowlingDoc& doc)
    {
        CBowlingDoc::s_pfnAverageBusters = AverageBuster::ScoreAndRank;
        CScriptedBackend ui;
        ui.OnDialog(IDD_AVERAGE_BUSTER_SETUP).SetText(IDC_AB_UNIT, "10").OK();
        EXPECT_TRUE(AverageBuster::EditAverageBuster(&doc));
    }
    ~BusterHook() { CBowlingDoc::s_pfnAverageBusters = nullptr; }
};

// League > Qualifying % for Individual Hi Awards, "Exclude Pacers Games" ticked.
void ExcludePacers(CBowlingDoc& doc)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_HI_AWARD_QUALIFY).Click(IDC_HAQ_EXCLUDE_PACERS).OK();
    ASSERT_TRUE(EditHiAwardQualifying(&doc));
    ASSERT_EQ(doc.m_bExcludePacers, 1u);
}

// Team t's position (from 0) bowled by floating substitute 91: the games of paced ticked
// "Pacer", the other games his as a plain substitute unless he is given game 1 only.
void Substitute(CScriptedBackend& ui, Sheet& sheet, CFixture* f, int nTeam, int nPos, V paced, bool bGame1Only)
{
    sheet.Click(IDC_SS_SUBS[WorkedLeague::SideOf(f, nTeam)]);
    ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[nPos]).OK();
    Sheet& subs = ui.OnDialog(IDD_SUBSTITUTIONS).Click(IDC_SUB_FROM_FLOATING);
    if (bGame1Only)
        subs.Click(IDC_SUB_ASSIGN_ALL);
    subs.SelectString(IDC_SUB_PLAYER[0], "Bowler 91");
    for (int g : paced)
        subs.Click(IDC_SUB_PACER[g]);
    subs.OK();
}

bool Plays(const CFixture* f, int nTeam) { return f->m_nTeamA == nTeam || f->m_nTeamB == nTeam; }

// Doubles, four teams, three games, two rounds, a venue for every match. Entering averages 150.0
// (floating substitute 91: 160.0); Bowler 42 is a vacancy.
//   Round 1  Team 1: Bowler 11 200 210 190; Bowler 12 away, 91 bowls his position: game 1 as a
//            pacer 250, then 180 175 as a plain substitute.
//            Team 2: Bowler 21 170s; Bowler 22 160, "Non Qual" 210 (handicap 0), 150.
//            Team 3: Bowler 31 190 185 and blind in game 3; Bowler 32 150 160 170.
//            Team 4: Bowler 41 140 150 160; the vacancy.
//   Round 2  Team 1: Bowler 11 180s, Bowler 12 200 220 190. Team 2 defaults game 3 after 165 175
//            (21) and 155 165 (22). Teams 3 and 4 bowl 150s.
struct Season
{
    WorkedLeague L{4, 2, 3, 2};
    BusterHook buster{L.doc};

    Season()
    {
        for (int no : {11, 12, 21, 22, 31, 32, 41})
            L.Player(no)->SetEnteringAverage(1500);
        L.Player(42)->m_nRobot = 1;
        L.AddBowler(0, 91)->SetEnteringAverage(1600);
        L.doc.BuildFloatingSubs();
        L.doc.m_listVenues.AddTail(new CVenue(1));
        for (POSITION pos = L.doc.m_listFixtures.GetHeadPosition(); pos;)
            static_cast<CFixture*>(L.doc.m_listFixtures.GetNext(pos))->m_nVenue = 1;
        L.doc.Recalculate();
        L.EnterRound(1,
                     {{1, {{200, 210, 190}, {250, 180, 175}}},
                      {2, {{170, 170, 170}, {160, 0, 150}}},
                      {3, {{190, 185, 0}, {150, 160, 170}}},
                      {4, {{140, 150, 160}, {}}}},
                     [](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                         if (Plays(f, 1))
                             Substitute(ui, sheet, f, 1, 1, {0}, false);
                         if (Plays(f, 2)) {
                             sheet.Click(IDC_SS_SUBS[WorkedLeague::SideOf(f, 2)]);
                             ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[1]).OK();
                             ui.OnDialog(IDD_SUBSTITUTIONS).Click(IDC_SUB_NONQUAL[1]).SetText(IDC_SUB_SCORE[1], "210").OK();
                             ui.AnswerMessageBox(IDYES, "Score and handicap for non-qualifying results can only be amended here.");
                         }
                         if (Plays(f, 3)) {
                             sheet.Click(IDC_SS_BLINDS[WorkedLeague::SideOf(f, 3)]);
                             ui.OnDialog(IDD_DOUBLES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][2]).OK();
                         }
                     });
        L.EnterRound(2, {{1, {{180, 180, 180}, {200, 220, 190}}}, {2, {{165, 175, 0}, {155, 165, 0}}}},
                     [](CScriptedBackend&, Sheet& sheet, CFixture* f) {
                         if (Plays(f, 2))
                             sheet.Click(IDC_SS_DEFAULTED[WorkedLeague::SideOf(f, 2)][2]);
                     });
    }

    // Each reader's figures of a bowler.
    Figures Statistics(const CPlayer* p) const
    {
        return {int(p->m_nGames[PASS_HANDICAP]), int(p->m_nPins[PASS_HANDICAP]), p->GetHighGameScratch(),
                p->GetHighSeriesScratch()};
    }

    Figures PlayerPage(CPlayer* p)
    {
        CRepItem_Player page;
        page.m_pDoc = &L.doc;
        page.m_pPlayer = p;
        Figures x;
        for (const auto& row : page.CollectRows()) {
            int nSeries = 0, nBowled = 0;
            for (const auto& game : page.GamesOf(row))
                if (game.nScore != 0) {
                    ++x.nGames, ++nBowled;
                    x.nPins += game.nScore;
                    nSeries += game.nScore;
                    x.nHighGame = std::max(x.nHighGame, game.nScore);
                }
            if (nBowled == L.doc.m_nGamesPerMatch)
                x.nHighSeries = std::max(x.nHighSeries, nSeries);
        }
        return x;
    }

    // Best games and series of the season: every game listed, so the bowler's games and pins too.
    Figures BestGames(const CPlayer* p)
    {
        Figures x;
        for (BYTE nKind : {CRepItem_best::KIND_GAMES, CRepItem_best::KIND_SERIES}) {
            CRepItem_best item;
            item.m_pDoc = &L.doc;
            item.m_nKind = nKind, item.m_nGroup = 3, item.m_nCount = 100;
            item.m_nFirstRound = 1, item.m_nLastRound = 2;
            item.RebuildList();
            for (int i = 0; i < item.m_nCount; ++i)
                if (const CBestEntry* e = item.EntryAt(i); e && e->m_pPlayer == p) {
                    if (nKind == CRepItem_best::KIND_SERIES) {
                        x.nHighSeries = std::max(x.nHighSeries, e->m_nValue);
                        continue;
                    }
                    ++x.nGames;
                    x.nPins += e->m_nValue;
                    x.nHighGame = std::max(x.nHighGame, e->m_nValue);
                }
        }
        return x;
    }

    // The round's high scores over both rounds: the bowler's best game and series, or 0.
    V RoundHighScores(const CPlayer* p, int nBasis = 0)
    {
        const BYTE nSaved = L.doc.m_nRoundsPerInterval;
        L.doc.m_nRoundsPerInterval = 2;
        V v;
        for (BYTE nStatistic : {0, 1}) {
            CRepItem_HiWeek item;
            item.m_nEntries = CRepItem_HiWeek::MAX_PLACES;
            item.m_nGroup[0] = 3, item.m_nStatistic[0] = nStatistic, item.m_nBasis[0] = static_cast<BYTE>(nBasis);
            WORD numbers[CRepItem_HiWeek::MAX_PLACES];
            long values[CRepItem_HiWeek::MAX_PLACES];
            CollectWeeklyPlayerScores(L.doc, item, 0, numbers, values, 0);
            const WORD* at = std::find(numbers, numbers + CRepItem_HiWeek::MAX_PLACES, p->m_nPlayerNo);
            v.push_back(at == numbers + CRepItem_HiWeek::MAX_PLACES ? 0 : int(values[at - numbers]));
        }
        L.doc.m_nRoundsPerInterval = nSaved;
        return v;
    }

    V ScoreBands(const CPlayer* p) const
    {
        DWORD nPins = 0;
        int nGames = 0, nGameBands[13], nSeriesBands[48];
        L.doc.CountPlayerScoreBands(p, nPins, nGames, nGameBands, nSeriesBands);
        return {nGames, int(nPins)};
    }

    std::string LastMatch(CPlayer* p)
    {
        CRepItem_PlayerItem column;
        column.m_pDoc = &L.doc;
        column.m_nColumnType = PC_LAST_MATCH_SCR;
        column.m_pPlayer = p;
        return column.GetCellText(TRUE).GetString();
    }
};

} // namespace

TEST(WhoBowled, EveryReaderGivesEachBowlerHisOwnGames)
{
    Season S;
    WorkedLeague& L = S.L;
    // By hand: {games, pins, high game, high series}; the blind, Non Qual, defaulted and
    // vacancy games are nobody's, the pacer's 250 is Bowler 91's, and a series needs every game.
    const std::map<int, V> byHand = {
        {11, {6, 1140, 210, 600}}, {12, {3, 610, 220, 610}}, {91, {3, 605, 250, 605}},
        {21, {5, 850, 175, 510}},  {22, {4, 630, 165, 0}},   {31, {5, 825, 190, 450}},
        {32, {6, 930, 170, 480}},  {41, {6, 900, 160, 450}}, {42, {0, 0, 0, 0}}};
    for (const auto& [no, expected] : byHand) {
        SCOPED_TRACE("Bowler " + std::to_string(no));
        CPlayer* p = L.Player(no);
        EXPECT_EQ(S.Statistics(p).Row(), expected);
        EXPECT_EQ(S.PlayerPage(p).Row(), expected);
        EXPECT_EQ(S.BestGames(p).Row(), expected);
        EXPECT_EQ(S.RoundHighScores(p), (V{expected[2], expected[3]}));
        EXPECT_EQ(S.ScoreBands(p), (V{expected[0], expected[1]}));
    }
    // The bowlers' table's last match is round 2's.
    EXPECT_EQ(S.LastMatch(L.Player(12)), "200 220 190  610");
    EXPECT_EQ(S.LastMatch(L.Player(21)), "165 175   0  340");
    EXPECT_EQ(S.LastMatch(L.Player(91)), "");

    // The average buster, (score - match average) / 10 cut: round 1 on the entering averages,
    // round 2 on round 1's. Bowler 11 +5 +6 +4, then 180s on 200: -2 each: 9. Bowler 12 on
    // 150: +5 +7 +4 = 16. Bowler 91 on 160: +9 +2 +1 = 12. Bowler 21 +2 x 3, then on 170 0 0:
    // 6. Bowler 22 +1 0, then on 155 0 +1: 2. Bowler 31 +4 +3, then on 187 -3 x 3: -2.
    const std::map<int, int> points = {{11, 9}, {12, 16}, {91, 12}, {21, 6}, {22, 2}, {31, -2}, {32, 0}, {41, 0}};
    for (const auto& [no, n] : points)
        EXPECT_EQ(L.Player(no)->m_nAvgBusterSeason, n) << "Bowler " << no;

    // The round analysis of both rounds: its totals are the bowlers' own.
    CRepItem_Analysis1 item;
    item.m_nFirstRound = 1, item.m_nLastRound = 2;
    CRoundStats stats(&L.doc, &item);
    EXPECT_EQ((V{int(stats.m_nGamesBowled), int(stats.m_nPinsScratch), int(stats.m_nCompleteSeries),
                 int(stats.m_nBlindGames), int(stats.m_nCompositeGames), int(stats.m_nDefaultedGames)}),
              (V{38, 6490, 10, 7, 1, 2}));

    // The venue's tables: the best game is the pacer's, the best series Bowler 12's own.
    L.doc.CalcVenueStatistics();
    const CVenue* v = static_cast<const CVenue*>(L.doc.m_listVenues.GetHead());
    const CVenueTopTen& games = v->m_topTen[VT_PLAYER_SCR_GAME];
    const CVenueTopTen& series = v->m_topTen[VT_PLAYER_SCR_SERIES];
    EXPECT_EQ((V{games.m_nScore[0], games.m_nScore[1], series.m_nScore[0], series.m_nScore[1]}),
              (V{250, 220, 610, 605}));
    EXPECT_EQ((std::vector<const CObject*>{games.m_pWho[0], games.m_pWho[1], series.m_pWho[0], series.m_pWho[1]}),
              (std::vector<const CObject*>{L.Player(91), L.Player(12), L.Player(12), L.Player(91)}));
}

// Four teams of two, three games, average buster unit 10. Bowler 12 (entering average 170.0)
// is away in round 1; floating substitute 91 (160.0) bowls his position: game 1 as a pacer 250,
// then 180 and 175. Bowler 91 earns (250 - 160) / 10 + (180 - 160) / 10 + (175 - 160) / 10 =
// 9 + 2 + 1 = 12, Bowler 12 nothing, and the 250 is Bowler 91's in the round's high scores.
// With "Exclude Pacers Games" the 250 counts for nobody: Bowler 91 2 + 1 = 3.
TEST(WhoBowled, APacersGameIsNeverTheAbsentBowlers)
{
    WorkedLeague L(4, 2, 3, 3);
    BusterHook buster(L.doc);
    L.Player(12)->SetEnteringAverage(1700);
    L.AddBowler(0, 91)->SetEnteringAverage(1600);
    L.doc.BuildFloatingSubs();
    L.doc.Recalculate();
    L.EnterRound(1, {{1, {{150, 150, 150}, {250, 180, 175}}}}, [](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
        if (Plays(f, 1))
            Substitute(ui, sheet, f, 1, 1, {0}, false);
    });
    auto busters = [&] { return V{L.Player(12)->m_nAvgBusterSeason, L.Player(91)->m_nAvgBusterSeason}; };
    auto roundHigh = [&](int nStatistic) {
        CRepItem_HiWeek item;
        item.m_nEntries = CRepItem_HiWeek::MAX_PLACES;
        item.m_nGroup[0] = 3, item.m_nStatistic[0] = static_cast<BYTE>(nStatistic);
        WORD numbers[CRepItem_HiWeek::MAX_PLACES];
        long values[CRepItem_HiWeek::MAX_PLACES];
        CollectWeeklyPlayerScores(L.doc, item, 0, numbers, values, 0);
        std::map<int, int> m;
        for (int i = 0; i < CRepItem_HiWeek::MAX_PLACES && numbers[i]; ++i)
            m[numbers[i]] = int(values[i]);
        return m;
    };
    EXPECT_EQ(busters(), (V{0, 12}));
    for (int nStatistic : {0, 1})
        EXPECT_EQ(roundHigh(nStatistic).count(12), 0u) << nStatistic;
    EXPECT_EQ(roundHigh(0).at(91), 250);
    EXPECT_EQ(roundHigh(1).at(91), 605);

    ExcludePacers(L.doc);
    EXPECT_EQ(busters(), (V{0, 3}));
    EXPECT_EQ(roundHigh(0).count(12), 0u);
    EXPECT_EQ(roundHigh(0).at(91), 180);
    EXPECT_EQ(roundHigh(1).count(91), 0u);
    for (int no : {12, 91}) {
        CRepItem_Player page;
        page.m_pDoc = &L.doc;
        page.m_pPlayer = L.Player(no);
        V games;
        for (const auto& row : page.CollectRows())
            for (const auto& game : page.GamesOf(row))
                games.push_back(game.nScore);
        EXPECT_EQ(games, (no == 12 ? V{} : V{0, 180, 175})) << "Bowler " << no;
    }
}

// A new bowler's first match is bowled on his own games, not on a pacer's. Singles, three games,
// a point a game, 80 % of 200: Bowler 11 (no entering average) has floating substitute 91 (160.0, handicap 32)
// pace his game 1 with 82, then bowls 180 and 180; his opponent (180.0, handicap 16) bowls 180s.
// Bowler 11 bowls on 180, handicap 16: games 2 and 3 halved at 196, game 1 (82 + 32 against
// 196) to the opponent: 2 half points to 4. On (82 + 180 + 180) / 3 = 147 he would have had 42
// and won games 2 and 3.
TEST(WhoBowled, APacersGameIsNotInANewBowlersFirstMatch)
{
    WorkedLeague L(4, 1, 3, 3);
    // A point a game for the team, in half points.
    L.doc.m_HcpPoints.m_bTeam = 1;
    for (int g = 0; g < 3; ++g)
        L.doc.m_HcpPoints.m_nTeamGame[g] = 2;
    L.doc.UpdateMaxMatchPoints();
    for (int no : {21, 31, 41})
        L.Player(no)->SetEnteringAverage(1800);
    L.AddBowler(0, 91)->SetEnteringAverage(1600);
    L.doc.BuildFloatingSubs();
    L.doc.Recalculate();
    L.EnterRound(
        1, {{1, {{82, 180, 180}}}},
        [](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
            if (!Plays(f, 1))
                return;
            sheet.Click(IDC_SS_SUBS[WorkedLeague::SideOf(f, 1)]);
            ui.OnDialog(IDD_SUBSTITUTIONS)
                .Click(IDC_SUB_FROM_FLOATING)
                .Click(IDC_SUB_ASSIGN_ALL)
                .SelectString(IDC_SUB_PLAYER[0], "Bowler 91")
                .Click(IDC_SUB_PACER[0])
                .OK();
        },
        180);
    CFixture* f = L.Match(1, 1);
    const int s = WorkedLeague::SideOf(f, 1);
    const int k = CFixture::SlotOf(s, 0);
    EXPECT_EQ((V{int(f->m_nAverage[1][k]), f->m_nHandicap[0][k], f->m_nHandicap[1][k], f->m_nHandicap[2][k]}),
              (V{180, 32, 16, 16}));
    EXPECT_EQ((V{f->m_nHandicapMatchPoints[s], f->m_nHandicapMatchPoints[1 - s]}), (V{2, 4}));
    // After the round his figures are his two games.
    EXPECT_EQ((V{int(L.Player(11)->m_nGames[PASS_HANDICAP]), L.Player(11)->m_nAverage}), (V{2, 180}));
}
