// Whose game it is, as every reader of a bowler's games shows it: a season entered through the
// scoresheets, Substitutions, Blind Scores and the defaulted boxes, then each bowler's games,
// pins, high game and high series read from the statistics, the player page, the round's high
// scores, the best games, the score bands, the bowlers' table, the round analysis, the venue
// tables, the average buster and the results summary, against figures worked by hand; and
// the results summary and the venue tables with the league counting blind games in a series.
#include "DrawnText.h"
#include "WorkedLeague.h"
#include "admin/AverageBuster.h"
#include "admin/PlayerSetup.h"
#include "admin/RulesSetup.h"
#include "league/Venue.h"
#include "reports/layout/ResultCard.h"
#include "reports/layout/ResultSummary.h"
#include "reports/stats/BestGamesItem.h"
#include "reports/stats/CustomPlayerStats.h"
#include "reports/stats/HiPlayersItem.h"
#include "reports/stats/HiWeekItem.h"
#include "reports/stats/PlayerDetailsPage.h"
#include "reports/stats/PlayerItem.h"
#include "reports/stats/RoundAnalysisItem.h"
#include "reports/stats/RoundStats.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/RulesDialogs.h"

#include <gtest/gtest.h>

#include <memory>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using V = std::vector<int>;
using Scores = std::map<int, int>; // bowler number to value

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

bool Plays(const CFixture* f, int nTeam) { return f->m_nTeamA == nTeam || f->m_nTeamB == nTeam; }

// Each reader's {games, pins, high game, high series} of a bowler, scratch.
V Statistics(const CPlayer* p)
{
    return {int(p->m_nGames[PASS_HANDICAP]), int(p->m_nPins[PASS_HANDICAP]), p->GetHighGameScratch(),
            p->GetHighSeriesScratch()};
}

V PlayerPage(CBowlingDoc& doc, CPlayer* p)
{
    CRepItem_Player page;
    page.m_pDoc = &doc;
    page.m_pPlayer = p;
    V x(4);
    for (const auto& row : page.CollectRows()) {
        int nSeries = 0, nBowled = 0;
        for (const auto& game : page.GamesOf(row))
            if (game.nScore != 0) {
                ++x[0], ++nBowled;
                x[1] += game.nScore, nSeries += game.nScore;
                x[2] = std::max(x[2], game.nScore);
            }
        if (nBowled == doc.m_nGamesPerMatch)
            x[3] = std::max(x[3], nSeries);
    }
    return x;
}

// Every game and series of the season listed, so a bowler's games and pins show too.
V BestGames(CBowlingDoc& doc, const CPlayer* p)
{
    V x(4);
    for (BYTE nKind : {CRepItem_best::KIND_GAMES, CRepItem_best::KIND_SERIES}) {
        CRepItem_best item;
        item.m_pDoc = &doc;
        item.m_nKind = nKind, item.m_nGroup = 3, item.m_nCount = 100;
        item.m_nFirstRound = 1, item.m_nLastRound = doc.m_nCurrentRound;
        item.RebuildList();
        for (int i = 0; i < item.m_nCount; ++i)
            if (const CBestEntry* e = item.EntryAt(i); e && e->m_pPlayer == p) {
                if (nKind == CRepItem_best::KIND_SERIES) {
                    x[3] = std::max(x[3], e->m_nValue);
                    continue;
                }
                ++x[0], x[1] += e->m_nValue;
                x[2] = std::max(x[2], e->m_nValue);
            }
    }
    return x;
}

// The round's high scores of every round so far: each bowler's best game (0) or series (1).
Scores RoundHigh(CBowlingDoc& doc, int nStatistic)
{
    const BYTE nSaved = doc.m_nRoundsPerInterval;
    doc.m_nRoundsPerInterval = static_cast<BYTE>(doc.m_nCurrentRound);
    CRepItem_HiWeek item;
    item.m_nEntries = CRepItem_HiWeek::MAX_PLACES;
    item.m_nGroup[0] = 3, item.m_nStatistic[0] = static_cast<BYTE>(nStatistic);
    WORD numbers[CRepItem_HiWeek::MAX_PLACES];
    long values[CRepItem_HiWeek::MAX_PLACES];
    CollectWeeklyPlayerScores(doc, item, 0, numbers, values, 0);
    doc.m_nRoundsPerInterval = nSaved;
    Scores m;
    for (int i = 0; i < CRepItem_HiWeek::MAX_PLACES && numbers[i]; ++i)
        m[numbers[i]] = int(values[i]);
    return m;
}

V ScoreBands(const CBowlingDoc& doc, const CPlayer* p)
{
    DWORD nPins = 0;
    int nGames = 0, nGameBands[13], nSeriesBands[48];
    doc.CountPlayerScoreBands(p, nPins, nGames, nGameBands, nSeriesBands);
    return {nGames, int(nPins)};
}

std::string LastMatch(CBowlingDoc& doc, CPlayer* p)
{
    CRepItem_PlayerItem column;
    column.m_pDoc = &doc;
    column.m_nColumnType = PC_LAST_MATCH_SCR;
    column.m_pPlayer = p;
    return column.GetCellText(TRUE).GetString();
}

// The last two texts of a team's line in the round's results summary, "Points + High Series":
// the match's high series bowler and his series.
std::vector<std::string> MatchHighSeries(CBowlingDoc& doc, int nRound, const char* pszTeam)
{
    CRepItem_ResultSummary item;
    item.m_pDoc = &doc;
    item.m_nRound = static_cast<BYTE>(nRound);
    item.m_nFormat = CRepItem_ResultSummary::FORMAT_POINTS_HI_SERIES;
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    const DrawCall* pTeam = dc.FindText(pszTeam);
    const std::vector<std::string> line = pTeam ? TextsAt(dc, pTeam->y1) : std::vector<std::string>{};
    return line.size() < 2 ? line : std::vector<std::string>(line.end() - 2, line.end());
}

// The texts the result card of team t's match in round r draws on a bowler's first row, on
// his side of the card (each side 5 040 twips wide).
std::vector<std::string> CardRow(WorkedLeague& L, int nRound, int nTeam, const char* pszBowler)
{
    CRepItem_Result card;
    card.m_pDoc = &L.doc;
    card.m_pFixture = L.Match(nRound, nTeam);
    card.m_x = 0;
    CRecordingDC dc;
    card.GetHeight(&dc);
    card.Draw(&dc, nullptr);
    const int x0 = WorkedLeague::SideOf(card.m_pFixture, nTeam) * 5040;
    const DrawCall* pName = dc.FindText(pszBowler);
    std::vector<std::string> texts;
    for (const DrawCall& c : dc.calls)
        if (pName && c.kind == DrawCall::Text && c.y1 == pName->y1 && c.x1 >= x0 && c.x1 < x0 + 5040)
            texts.push_back(c.text.GetString());
    return texts;
}

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
                     [this](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                         L.PaceGame1(ui, sheet, f, 1, 1, "Bowler 91");
                         if (Plays(f, 2)) {
                             sheet.Click(IDC_SS_SUBS[WorkedLeague::SideOf(f, 2)]);
                             ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[1]).OK();
                             ui.OnDialog(IDD_SUBSTITUTIONS)
                                 .Click(IDC_SUB_NONQUAL[1])
                                 .SetText(IDC_SUB_SCORE[1], "210")
                                 .OK();
                             ui.AnswerMessageBox(IDYES, "Score and handicap for non-qualifying results can only be "
                                                        "amended here.");
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
};

// Round 1 of four teams of two, three games: Bowler 12 (entering average 170.0) is away and
// floating substitute 91 (160.0) bowls his position, game 1 as a pacer 250, then 180 and 175;
// Bowler 11 bowls his games beside them, every other bowler 150s.
void EnterPacedRound1(WorkedLeague& L, const Games& bowler11)
{
    L.Player(12)->SetEnteringAverage(1700);
    L.AddBowler(0, 91)->SetEnteringAverage(1600);
    L.doc.BuildFloatingSubs();
    L.doc.Recalculate();
    L.EnterRound(1, {{1, {bowler11, {250, 180, 175}}}}, [&L](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
        L.PaceGame1(ui, sheet, f, 1, 1, "Bowler 91");
    });
}

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
    const Scores games = RoundHigh(L.doc, 0), series = RoundHigh(L.doc, 1);
    auto of = [](const Scores& m, int no) { return m.count(no) ? m.at(no) : 0; };
    for (const auto& [no, expected] : byHand) {
        SCOPED_TRACE("Bowler " + std::to_string(no));
        CPlayer* p = L.Player(no);
        EXPECT_EQ(Statistics(p), expected);
        EXPECT_EQ(PlayerPage(L.doc, p), expected);
        EXPECT_EQ(BestGames(L.doc, p), expected);
        EXPECT_EQ((V{of(games, no), of(series, no)}), (V{expected[2], expected[3]}));
        EXPECT_EQ(ScoreBands(L.doc, p), (V{expected[0], expected[1]}));
    }
    // The results summary's match high series, with handicap (40 a game on 150.0, Bowler 91's 32):
    // round 1 Bowler 11 600 + 120 against Bowler 91's 605 + 96, Bowler 21 510 + 120 against
    // Bowler 32's 480 + 120; round 2 Bowler 12 (still on 150.0) 610 + 120, and the defaulted
    // positions have no series: Bowler 41 450 + 120.
    EXPECT_EQ(MatchHighSeries(L.doc, 1, "Team 1"), (std::vector<std::string>{"Bowler 11", "720"}));
    EXPECT_EQ(MatchHighSeries(L.doc, 1, "Team 2"), (std::vector<std::string>{"Bowler 21", "630"}));
    EXPECT_EQ(MatchHighSeries(L.doc, 2, "Team 1"), (std::vector<std::string>{"Bowler 12", "730"}));
    EXPECT_EQ(MatchHighSeries(L.doc, 2, "Team 2"), (std::vector<std::string>{"Bowler 41", "570"}));
    // The bowlers' table's last match is round 2's.
    EXPECT_EQ(LastMatch(L.doc, L.Player(12)), "200 220 190  610");
    EXPECT_EQ(LastMatch(L.doc, L.Player(21)), "165 175   0  340");
    EXPECT_EQ(LastMatch(L.doc, L.Player(91)), "");

    // The average buster, (score - match average) / 10 cut: round 1 on the entering averages,
    // round 2 on round 1's. Bowler 11 +5 +6 +4, then 180s on 200: -2 each: 9. Bowler 12 on
    // 150: +5 +7 +4 = 16. Bowler 91 on 160: +9 +2 +1 = 12. Bowler 21 +2 x 3, then on 170 0 0:
    // 6. Bowler 22 +1 0, then on 155 0 +1: 2. Bowler 31 +4 +3, then on 187 -3 x 3: -2.
    const std::map<int, int> points = {{11, 9}, {12, 16}, {91, 12}, {21, 6}, {22, 2}, {31, -2}, {32, 0}, {41, 0}};
    for (const auto& [no, n] : points)
        EXPECT_EQ(L.Player(no)->m_nAvgBusterSeason, n) << "Bowler " << no;

    // The round analysis of both rounds: the bowlers' 38 games and 6 490 pins, ten whole series
    // (five a round), the blind game and the vacancy's six, the Non Qual game, two defaulted.
    CRepItem_Analysis1 item;
    item.m_nFirstRound = 1, item.m_nLastRound = 2;
    CRoundStats stats(&L.doc, &item);
    EXPECT_EQ((V{int(stats.m_nGamesBowled), int(stats.m_nPinsScratch), int(stats.m_nCompleteSeries),
                 int(stats.m_nBlindGames), int(stats.m_nCompositeGames), int(stats.m_nDefaultedGames)}),
              (V{38, 6490, 10, 7, 1, 2}));

    // The venue's tables: the best game is the pacer's, the best series Bowler 12's own.
    L.doc.CalcVenueStatistics();
    const CVenue* v = static_cast<const CVenue*>(L.doc.m_listVenues.GetHead());
    const CVenueTopTen& topGames = v->m_topTen[VT_PLAYER_SCR_GAME];
    const CVenueTopTen& topSeries = v->m_topTen[VT_PLAYER_SCR_SERIES];
    EXPECT_EQ((V{topGames.m_nScore[0], topGames.m_nScore[1], topSeries.m_nScore[0], topSeries.m_nScore[1]}),
              (V{250, 220, 610, 605}));
    EXPECT_EQ((std::vector<const CObject*>{topGames.m_pWho[0], topGames.m_pWho[1], topSeries.m_pWho[0],
                                           topSeries.m_pWho[1]}),
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
    EnterPacedRound1(L, {150, 150, 150});
    CPlayer* p12 = L.Player(12);
    CPlayer* p91 = L.Player(91);
    EXPECT_EQ((V{p12->m_nAvgBusterSeason, p91->m_nAvgBusterSeason}), (V{0, 12}));
    EXPECT_EQ(RoundHigh(L.doc, 0), (Scores{{91, 250}, {11, 150}, {21, 150}, {22, 150}, {31, 150}, {32, 150},
                                          {41, 150}, {42, 150}}));
    EXPECT_EQ(RoundHigh(L.doc, 1).count(12), 0u);
    EXPECT_EQ(RoundHigh(L.doc, 1).at(91), 605);
    EXPECT_EQ(PlayerPage(L.doc, p12), (V{0, 0, 0, 0}));
    EXPECT_EQ(PlayerPage(L.doc, p91), (V{3, 605, 250, 605}));
    // The match's high series with handicap is Bowler 91's 605 + 3 x 32, not Bowler 12's.
    EXPECT_EQ(MatchHighSeries(L.doc, 1, "Team 1"), (std::vector<std::string>{"Bowler 91", "701"}));
    // The result card: Bowler 12's row holds no game; Bowler 91's row his games 2 and 3 on his
    // handicap 32 (180 + 175 = 355, 419), and his 250 (282) stands in the pacer rows below.
    EXPECT_EQ(CardRow(L, 1, 1, "Bowler 12"), (std::vector<std::string>{"Bowler 12"}));
    EXPECT_EQ(CardRow(L, 1, 1, "Bowler 91"),
              (std::vector<std::string>{"Bowler 91", "32", "180 ", "212", "175 ", "207", "355", "419"}));

    // League > Qualifying % for Individual Hi Awards, "Exclude Pacers Games".
    CScriptedBackend ui;
    ui.OnDialog(IDD_HI_AWARD_QUALIFY).Click(IDC_HAQ_EXCLUDE_PACERS).OK();
    ASSERT_TRUE(EditHiAwardQualifying(&L.doc));
    EXPECT_EQ((V{p12->m_nAvgBusterSeason, p91->m_nAvgBusterSeason}), (V{0, 3}));
    EXPECT_EQ(RoundHigh(L.doc, 0).at(91), 180);
    EXPECT_EQ(RoundHigh(L.doc, 0).count(12) + RoundHigh(L.doc, 1).count(91), 0u);
    for (CPlayer* p : {p12, p91}) {
        EXPECT_EQ(PlayerPage(L.doc, p), Statistics(p));
        EXPECT_EQ(BestGames(L.doc, p), Statistics(p));
    }
    EXPECT_EQ(Statistics(p91), (V{2, 355, 180, 0}));
    // Bowler 91 has no series now: Bowler 11's 150s on handicap 40 lead the tie at 570.
    EXPECT_EQ(MatchHighSeries(L.doc, 1, "Team 1"), (std::vector<std::string>{"Bowler 11", "570"}));
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

namespace {

// Both bowlers of the singles league entering at 150.0; blind games a flat 170 with handicap 5.
void EnterAt150WithFlatBlinds(WorkedLeague& L)
{
    for (int no : {11, 21})
        L.Player(no)->SetEnteringAverage(1500);
    CBlindScore& rule = L.doc.m_BlindScore[3];
    rule.m_nFlatScore = 170;
    rule.m_nFlatHandicap = 5;
}

} // namespace

// "Blind games count in a position's bowled series", a setting the league file keeps: the
// results summary's match high series then takes a bowler's blind game into his series. Singles,
// three games, 80 % of 200, both bowlers entering at 150.0 (handicap 40); blind games a flat 170
// with handicap 5. Bowler 11 bowls 200 and 210 and is put in blind for game 3; Bowler 21 bowls
// 180s: 540 + 120 = 660. Not counted, Bowler 11 has no series and Bowler 21's 660 is the match's;
// counted, Bowler 11's 200 + 210 + 170 + 40 + 40 + 5 = 665 beats it. His own figures keep two
// games either way.
TEST(WhoBowled, ABlindGameStandsInTheMatchHighSeriesWhereTheLeagueCountsIt)
{
    WorkedLeague L(2, 1, 3, 1);
    EnterAt150WithFlatBlinds(L);
    L.doc.Recalculate();
    L.EnterRound(1, {{1, {{200, 210, 0}}}, {2, {{180, 180, 180}}}}, [](CScriptedBackend& ui, Sheet& sheet, CFixture*) {
        sheet.Click(IDC_SS_BLINDS[0]);
        ui.OnDialog(IDD_SINGLES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][2]).OK();
    });
    const CFixture* f = L.Match(1, 1);
    ASSERT_EQ((V{f->m_nScore[2][0], f->m_nHandicap[2][0]}), (V{170, 5}));
    L.doc.m_listVenues.AddTail(new CVenue(1));
    static_cast<CFixture*>(L.doc.m_listFixtures.GetHead())->m_nVenue = 1;
    // The venue's bowler series, scratch then handicap: {bowler, series} of its first entries.
    auto VenueSeries = [&L] {
        L.doc.CalcVenueStatistics();
        const CVenue* v = static_cast<const CVenue*>(L.doc.m_listVenues.GetHead());
        V x;
        for (VenueTable t : {VT_PLAYER_SCR_SERIES, VT_PLAYER_HCP_SERIES})
            for (int i = 0; i < 2; ++i) {
                const auto* p = static_cast<const CPlayer*>(v->m_topTen[t].m_pWho[i]);
                x.push_back(p ? p->m_nPlayerNo : 0);
                x.push_back(v->m_topTen[t].m_nScore[i]);
            }
        return x;
    };
    EXPECT_EQ(MatchHighSeries(L.doc, 1, "Team 1"), (std::vector<std::string>{"Bowler 21", "660"}));
    EXPECT_EQ(VenueSeries(), (V{21, 540, 0, 0, 21, 660, 0, 0}));
    L.doc.m_bCountBlindGames = 1;
    EXPECT_EQ(MatchHighSeries(L.doc, 1, "Team 1"), (std::vector<std::string>{"Bowler 11", "665"}));
    EXPECT_EQ(VenueSeries(), (V{11, 580, 21, 540, 11, 665, 21, 660}));
    L.doc.Recalculate();
    EXPECT_EQ(Statistics(L.Player(11)), (V{2, 410, 210, 0}));
}

// A blind game a pacer bowled beside it: the team takes the blind score, the pacer his own game on
// his own figures in force. Singles, three games, 80 % of 200, two rounds; blind games a flat 170
// with handicap 5. Round 1: floating substitute 91 bowls Team 2's games. Round 2: Bowler 11 is
// blind in game 1 and 91 paces it with 210. Round 1 is then amended (91's games lowered), so his
// figures in force for round 2 change; round 2 amended without a change takes them, in the
// pacer's game as in any other, while the cell keeps the blind 170 and 5.
TEST(WhoBowled, APacedBlindGameIsThePacersOnHisFiguresInForce)
{
    WorkedLeague L(2, 1, 3, 2);
    EnterAt150WithFlatBlinds(L);
    L.AddBowler(0, 91)->SetEnteringAverage(1600);
    L.doc.BuildFloatingSubs();
    L.doc.Recalculate();
    L.EnterRound(1, {{1, {{150, 150, 150}}}, {2, {{250, 250, 250}}}}, [](CScriptedBackend& ui, Sheet& sheet, CFixture*) {
        sheet.Click(IDC_SS_SUBS[1]);
        ui.OnDialog(IDD_SUBSTITUTIONS)
            .Click(IDC_SUB_FROM_FLOATING)
            .Click(IDC_SUB_ASSIGN_ALL)
            .SelectString(IDC_SUB_PLAYER[0], "Bowler 91")
            .OK();
    });
    L.EnterRound(2, {{1, {{0, 200, 190}}}, {2, {{180, 180, 180}}}}, [](CScriptedBackend& ui, Sheet& sheet, CFixture*) {
        sheet.Click(IDC_SS_BLINDS[0]);
        ui.OnDialog(IDD_SINGLES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][0]).OK();
        sheet.Click(IDC_SS_SUBS[0]);
        ui.OnDialog(IDD_SUBSTITUTIONS)
            .Click(IDC_SUB_FROM_FLOATING)
            .SelectString(IDC_SUB_PLAYER[0], "Bowler 91")
            .Click(IDC_SUB_PACER[0])
            .SetText(IDC_SUB_SCORE[0], "210")
            .OK();
    });
    auto Game1 = [&L] {
        const CFixture* f = L.Match(2, 1);
        const CBowledGame cell = f->GetCellGame(0, 0, 0), paced = f->GetBowledGame(0, 0, 0);
        return V{cell.nScore, cell.nHandicap, paced.pBowler ? paced.pBowler->m_nPlayerNo : 0, paced.nScore,
                 paced.nHandicap, paced.nAverage};
    };
    // Result > Amend Results on a round's match; `type` types into its scoresheet. The pacer's
    // average and handicap as the sheet opened on them.
    auto Amend = [&L](int nRound, const std::function<void(CDialog&)>& type) {
        V inForce;
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, nRound - 1).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, 0).OK();
        ui.OnDialog(IDD_SINGLES_SCORESHEET)
            .Check([&](CDialog& d) {
                inForce = {L.Player(91)->m_nAverage, L.Player(91)->m_nHandicap};
                type(d);
            })
            .OK();
        OnResultAmendResults(L.doc);
        return inForce;
    };
    const V entered = Amend(2, [](CDialog&) {});
    const V before = Game1();
    EXPECT_EQ(before, (V{170, 5, 91, 210, entered[1], entered[0]}));
    Amend(1, [](CDialog& d) {
        for (int g = 0; g < 3; ++g)
            d.UserSetText(ScoreCell(1, 0, g), "120");
    });
    const V inForce = Amend(2, [](CDialog&) {});
    ASSERT_NE(inForce, entered); // 91's figures in force for round 2 moved with round 1
    EXPECT_EQ(Game1(), (V{170, 5, 91, 210, inForce[1], inForce[0]}));
}

// A game ticked in "Exclude Games from Hi Game/Series" counts for the bowler's games and pins but
// for none of his high figures in any reader: Bowler 11 bowls 200, [250], 190 (3 games, 640
// pins): high game 200, no series, in the statistics, the round's high scores, the best games
// and the venue's tables.
TEST(WhoBowled, AnExcludedGameIsInNoHighFigure)
{
    WorkedLeague L(4, 2, 3, 3);
    L.doc.m_listVenues.AddTail(new CVenue(1));
    for (POSITION pos = L.doc.m_listFixtures.GetHeadPosition(); pos;)
        static_cast<CFixture*>(L.doc.m_listFixtures.GetNext(pos))->m_nVenue = 1;
    L.EnterRound(1, {{1, {{200, 250, 190}, {150, 150, 150}}}}, [](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
        if (!Plays(f, 1))
            return;
        sheet.Click(IDC_SS_EXCLUDE[WorkedLeague::SideOf(f, 1)]);
        ui.OnDialog(IDD_EXCLUDE_GAMES).Click(IDC_EXCL_BOX[0][1]).OK();
    });
    CPlayer* p = L.Player(11);
    EXPECT_EQ(Statistics(p), (V{3, 640, 200, 0}));
    EXPECT_EQ(PlayerPage(L.doc, p), (V{3, 640, 250, 640})); // the page lists every game he bowled
    EXPECT_EQ((V{RoundHigh(L.doc, 0).at(11), int(RoundHigh(L.doc, 1).count(11))}), (V{200, 0}));
    EXPECT_EQ(BestGames(L.doc, p), (V{2, 390, 200, 0}));
    L.doc.CalcVenueStatistics();
    const CVenueTopTen& top = static_cast<const CVenue*>(L.doc.m_listVenues.GetHead())->m_topTen[VT_PLAYER_SCR_GAME];
    EXPECT_EQ((V{top.m_nScore[0]}), (V{200}));
}

// ------------------------------------------------------------------ individual wins

namespace {

// A cell of the bowlers' table for a bowler.
std::string PlayerCell(CBowlingDoc& doc, CPlayer* p, int nType)
{
    CRepItem_PlayerItem column;
    column.m_pDoc = &doc;
    column.m_nColumnType = static_cast<BYTE>(nType);
    column.m_pPlayer = p;
    return column.GetCellText(TRUE).GetString();
}

// The first bowler of "Most Wins" of a basis (0 scratch, 1 handicap), every bowler.
const CPlayer* MostWinsLeader(CBowlingDoc& doc, int nBasis)
{
    CRepItem_HiPlayers item;
    item.m_pDoc = &doc;
    item.m_nEntries = 1;
    item.m_nStatistic[0] = 5, item.m_nBasis[0] = static_cast<BYTE>(nBasis), item.m_nGroup[0] = 3;
    std::vector<CRepItem_HiPlayers::Entry> entries[CRepItem_HiPlayers::COLUMNS];
    item.GatherEntries(entries, FALSE);
    return entries[0].empty() ? nullptr : entries[0][0].pPlayer;
}

// The first bowler of the custom player table ranked by wins, handicap kind.
const CPlayer* TableRankedByWins(CBowlingDoc& doc)
{
    CRepItem_CustomPlayerStats item;
    item.m_pDoc = &doc;
    item.m_nKind = PK_HANDICAP;
    item.m_nRankKey = PRK_WINS;
    CObList rows;
    item.Expand(rows);
    const CPlayer* pFirst = nullptr;
    for (POSITION pos = rows.GetHeadPosition(); pos;) {
        std::unique_ptr<CRepItem_CustomPlayerStats> row(static_cast<CRepItem_CustomPlayerStats*>(rows.GetNext(pos)));
        if (!pFirst)
            pFirst = row->m_pPlayers[0];
    }
    return pFirst;
}

// Every bowler's wins of a pass, half wins, summed.
int LeagueWins(CBowlingDoc& doc, int nPass)
{
    int n = 0;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;)
        n += int(static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos))->m_nWins[nPass]);
    return n;
}

} // namespace

// Four teams of two, three games. Bowler 12 (170.0) is away in round 1; floating substitute 91
// (160.0, handicap 32) paces his game 1 with 250, then bowls 180 and 175. The opposing position,
// Bowler 42 with no entering average, bowls 150s on his own handicap 40: 282, 212 and 207
// against 190, so Bowler 91 won all three games: 6 half wins, 100 %. Bowler 12 and Bowler 42
// have none. At positions 1 Bowler 11 (150.0) bowls 150, 150, 160 against Bowler 41's 150s,
// both on 40: two ties and a win, 4 half wins to 2, so Bowler 91 leads "Most Wins" and the
// bowlers' table ranked by wins only with his paced game. The league's 2 x 2 x 3 games hold
// 24 half wins. With one individual point a game and "'Most Wins' counts points won" the
// three points (6 half points) are Bowler 91's too.
TEST(WhoBowled, APacersWinIsThePacers)
{
    WorkedLeague L(4, 2, 3, 3);
    L.Player(11)->SetEnteringAverage(1500);
    EnterPacedRound1(L, {150, 150, 160});
    auto wins = [&L](std::initializer_list<int> numbers) {
        V v;
        for (int no : numbers)
            v.push_back(int(L.Player(no)->m_nWins[PASS_HANDICAP]));
        return v;
    };
    EXPECT_EQ(wins({91, 12, 42, 11, 41}), (V{6, 0, 0, 4, 2}));
    EXPECT_EQ(LeagueWins(L.doc, PASS_HANDICAP), 24);
    EXPECT_EQ(PlayerCell(L.doc, L.Player(91), PC_WINS_HCP), "3 ");
    EXPECT_EQ(PlayerCell(L.doc, L.Player(91), PC_HCP_PCT_WINS_2), "100.00");
    EXPECT_EQ(PlayerCell(L.doc, L.Player(12), PC_WINS_HCP), "0 ");
    EXPECT_EQ(MostWinsLeader(L.doc, 1), L.Player(91));
    EXPECT_EQ(TableRankedByWins(L.doc), L.Player(91));

    // League > Scoring > Handicap: one individual point a game, "'Most Wins' counts points won".
    CScriptedBackend ui;
    auto& dlg = ui.OnDialog(IDD_HANDICAP_SCORING).Click(IDC_SC_INDIVIDUAL);
    for (int g = 0; g < 3; ++g)
        dlg.SetText(IDC_SC_IND_GAME[g], "1");
    dlg.Click(IDC_SC_MOST_WINS).OK();
    ASSERT_TRUE(L.doc.EditHandicapScoring());
    EXPECT_EQ(wins({91, 12, 42, 11, 41}), (V{6, 0, 0, 4, 2}));
    EXPECT_EQ(LeagueWins(L.doc, PASS_HANDICAP), 24);
}

namespace {

// Four teams of two, three games, two rounds, both systems, every bowler entering at 150.0
// (handicap 40), floating substitute 91 too. Round 1 (1 v 4, 2 v 3): Team 1's position 2 bowls
// 220 140 230 against Bowler 42's 160s; Bowler 22 is away and Bowler 91 bowls his position as a
// plain substitute, 210 210 100 against Bowler 32's 150s. Round 2 (3 v 1, 4 v 2): Team 1's
// position 2 bowls 200s against Bowler 32's 150s. Bowler 11 bowls 200s; the others 150s.
// Team 1's position 2 is Bowler 12, or with bPaced every game of it is paced by Bowler 91.
struct WinsSeason
{
    WorkedLeague L{4, 2, 3, 2};
    explicit WinsSeason(bool bPaced)
    {
        L.doc.m_bScratchLeague = 1;
        for (int no : {11, 12, 21, 22, 31, 32, 41, 42})
            L.Player(no)->SetEnteringAverage(1500);
        L.AddBowler(0, 91)->SetEnteringAverage(1500);
        L.doc.BuildFloatingSubs();
        L.doc.Recalculate();
        auto subs = [this, bPaced](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
            for (int t : {1, 2}) {
                if (!Plays(f, t) || (t == 1 && !bPaced))
                    continue;
                sheet.Click(IDC_SS_SUBS[WorkedLeague::SideOf(f, t)]);
                ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[1]).OK();
                // "Assign for ALL Games." is ticked when the dialog opens.
                auto& dlg = ui.OnDialog(IDD_SUBSTITUTIONS)
                                .Click(IDC_SUB_FROM_FLOATING)
                                .SelectString(IDC_SUB_PLAYER[0], "Bowler 91");
                for (int g = 0; g < 3 && t == 1; ++g)
                    dlg.Click(IDC_SUB_PACER[g]);
                dlg.OK();
            }
        };
        L.EnterRound(1,
                     {{1, {{200, 200, 200}, {220, 140, 230}}},
                      {4, {{150, 150, 150}, {160, 160, 160}}},
                      {2, {{150, 150, 150}, {210, 210, 100}}}},
                     subs);
        L.EnterRound(2, {{1, {{200, 200, 200}, {200, 200, 200}}}},
                     [this, subs](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                         if (Plays(f, 1))
                             subs(ui, sheet, f);
                     });
    }
    int Wins(int no, int nPass) { return int(L.Player(no)->m_nWins[nPass]); }
};

} // namespace

// Every game of Bowler 12 paced by Bowler 91: Bowler 12 has no win, Bowler 91 his own plus
// every one of those games, and nobody else's wins change, scratch or handicap. By hand, in
// half wins: scratch, Team 1's position 2 takes games 1 and 3 of round 1 (220, 230 against 160)
// and all of round 2: 4 + 6 = 10; Bowler 91's own 210 210 100 against 150s: 4. With handicap
// round 1 is bowled on 40 a side (260 180 270 against 200; 250 250 140 against 190) and round 2
// on at least 190 against 150 + 40: the same. So Bowler 91 has 4 + 10 = 14 either way, and the
// league's 2 rounds x 2 matches x 2 positions x 3 games hold 48 half wins in each pass.
TEST(WhoBowled, EveryGameOfABowlerPacedGivesHisWinsToThePacer)
{
    WinsSeason plain(false), paced(true);
    for (int nPass : {PASS_HANDICAP, PASS_SCRATCH}) {
        SCOPED_TRACE(nPass == PASS_HANDICAP ? "handicap" : "scratch");
        EXPECT_EQ((V{plain.Wins(12, nPass), plain.Wins(91, nPass)}), (V{10, 4}));
        EXPECT_EQ((V{paced.Wins(12, nPass), paced.Wins(91, nPass)}), (V{0, 14}));
        EXPECT_EQ((V{LeagueWins(plain.L.doc, nPass), LeagueWins(paced.L.doc, nPass)}), (V{48, 48}));
        for (int no : {11, 21, 22, 31, 32, 41, 42})
            EXPECT_EQ(paced.Wins(no, nPass), plain.Wins(no, nPass)) << "Bowler " << no;
    }
    // Bowler 12 bowled no game of the paced season at all.
    EXPECT_EQ(Statistics(paced.L.Player(12)), (V{0, 0, 0, 0}));
}

namespace {

// League > Scoring > Handicap: one individual point a game of three, and the boxes named.
void OneIndividualPointAGame(CBowlingDoc& doc, const std::vector<UINT>& boxes)
{
    CScriptedBackend ui;
    auto& dlg = ui.OnDialog(IDD_HANDICAP_SCORING).Click(IDC_SC_INDIVIDUAL);
    for (int g = 0; g < 3; ++g)
        dlg.SetText(IDC_SC_IND_GAME[g], "1");
    for (UINT nBox : boxes)
        dlg.Click(nBox);
    dlg.OK();
    ASSERT_TRUE(doc.EditHandicapScoring());
}

// Bowler 21 made a vacancy through Edit Player Details (named, as two bowlers may not share a
// blank name), scored by vacancy/robot rule 1: a new league's flat 120 with handicap 30; with
// bBarred "Robots cannot gain points." is ticked.
void MakeVacancy(WorkedLeague& L, bool bBarred)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_EDIT_PLAYER)
        .SetText(IDC_PD_FORENAME_EDIT, "Team 2")
        .SetText(IDC_PD_SURNAME, "Vacancy")
        .SelectString(IDC_PD_DESIGNATION, "Robot #1")
        .OK();
    ASSERT_TRUE(PlayerSetup::EditPlayer(&L.doc, L.Player(21)));
    ASSERT_TRUE(L.Player(21)->IsRobot());
    auto& robots = ui.OnDialog(IDD_ROBOT_SCORES);
    if (bBarred)
        robots.Click(IDC_RB_NO_POINTS);
    robots.OK();
    ASSERT_TRUE(RulesSetup::EditRobotScores(&L.doc));
}

void DefaultGame2(CScriptedBackend&, Sheet& sheet, CFixture*) { sheet.Click(IDC_SS_DEFAULTED[1][1]); }

// A side whose every game is a vacancy's has nothing to type: it ticks itself played as its
// sheet opens.
void VacancyPlayed(CScriptedBackend&, Sheet& sheet, CFixture*)
{
    sheet.Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[1]).check, 1); });
}

} // namespace

// The smallest league, two teams of one bowler, three games, 80 % of 200: Bowlers 11 and 21
// enter at 150.0 (handicap 40); one individual point a game. Wins and points in half units.
//   Team 2 defaults game 2. Bowler 11 170 180 160 (210 220 200), Bowler 21 150 - 170 (190 -
//   210): game 1 Bowler 11's, game 2 nobody's win, game 3 Bowler 21's: 2 half wins each, over 3
//   games (33.33 %) and 2 games (50.00 %). Game 2's point is Team 1's outright without robot
//   scores, and with them (flat 120 + 30) for beating 150: points 4 to 2 either way, and with
//   "'Most Wins' counts points won" Bowler 11 still counts only game 1's point.
//   Bowler 21 a vacancy (120 + 30 = 150 a game): Bowler 11 bowls 120 100 110 (160 140 150),
//   beats it, loses to it and ties it: 2 + 0 + 1 = 3 half wins, the vacancy none. The points
//   2 + 0 + 1 to 0 + 2 + 1; with "Robots cannot gain points." 2 to 0, the tie still half a win.
//   Bowler 21 blind in game 2 (flat 120, handicap 0), "Individual blind scores can NOT win
//   points": Bowler 11's 80 + 40 ties it, half a win and no point; 170 and 160 as above.
TEST(WhoBowled, ADefaultedGameIsNobodysWinAndAScoreThatCannotWinCanBeBeatenOrTied)
{
    struct Case
    {
        const char* name;
        std::vector<UINT> scoringBoxes; // ticked in League > Scoring > Handicap
        std::function<void(WorkedLeague&)> rules;
        Games team1, team2;
        WorkedLeague::Before before;
        // Half wins of Bowlers 11 and 21, their handicap games, half points of Teams 1 and 2.
        V figures;
        std::vector<std::string> percentages; // "Hcp % Wins .00" of Bowlers 11 and 21
    };
    auto robotScores = [](WorkedLeague& L) { L.doc.m_dwRobotIfDefault = 1; }; // no dialog sets it
    const Games defaulting = {150, 0, 170};
    const Case cases[] = {
        {"a default without robot scores", {}, {}, {170, 180, 160}, defaulting, DefaultGame2, V{2, 2, 3, 2, 4, 2},
         {"33.33", "50.00"}},
        {"a default with robot scores", {}, robotScores, {170, 180, 160}, defaulting, DefaultGame2,
         V{2, 2, 3, 2, 4, 2}, {"33.33", "50.00"}},
        {"a default with robot scores, points counted as wins", {IDC_SC_MOST_WINS}, robotScores, {170, 180, 160},
         defaulting, DefaultGame2, V{2, 2, 3, 2, 4, 2}, {"33.33", "50.00"}},
        {"a vacancy", {}, [](WorkedLeague& L) { MakeVacancy(L, false); }, {120, 100, 110}, {}, VacancyPlayed,
         V{3, 0, 3, 0, 3, 3}, {"50.00", "0.00"}},
        {"a vacancy that cannot gain points", {}, [](WorkedLeague& L) { MakeVacancy(L, true); }, {120, 100, 110},
         {}, VacancyPlayed, V{3, 0, 3, 0, 2, 0}, {"50.00", "0.00"}},
        {"a blind score that cannot win", {IDC_SC_BLIND}, {}, {170, 80, 160}, defaulting,
         [](CScriptedBackend& ui, Sheet& sheet, CFixture*) {
             sheet.Click(IDC_SS_BLINDS[1]);
             ui.OnDialog(IDD_SINGLES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][1]).OK();
         },
         V{3, 2, 3, 2, 2, 2}, {"50.00", "50.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WorkedLeague L(2, 1, 3, 1);
        L.Player(11)->SetEnteringAverage(1500);
        L.Player(21)->SetEnteringAverage(1500);
        OneIndividualPointAGame(L.doc, c.scoringBoxes);
        if (c.rules)
            c.rules(L);
        L.EnterRound(1, {{1, {c.team1}}, {2, {c.team2}}}, c.before);
        CPlayer* p11 = L.Player(11);
        CPlayer* p21 = L.Player(21);
        EXPECT_EQ((V{int(p11->m_nWins[PASS_HANDICAP]), int(p21->m_nWins[PASS_HANDICAP]),
                     int(p11->m_nGames[PASS_HANDICAP]), int(p21->m_nGames[PASS_HANDICAP]),
                     L.Team(1)->m_nPointsWon[PASS_HANDICAP], L.Team(2)->m_nPointsWon[PASS_HANDICAP]}),
                  c.figures);
        EXPECT_EQ((std::vector<std::string>{PlayerCell(L.doc, p11, PC_HCP_PCT_WINS_2),
                                            PlayerCell(L.doc, p21, PC_HCP_PCT_WINS_2)}),
                  c.percentages);
    }
}
