// The average buster competition: the points of one game against hand-worked games, the
// season pass over entered sides (blind, Non Qual, defaulted, robots, earlier rounds), the
// ranking at its edges, the step every recalculation runs, and the sample's tables.
#include "../league/AverageBusterOn.h"
#include "../reports/layout/ReportTestHelpers.h"
#include "../reports/stats/CustomPlayerTestLeague.h"
#include "AdminChecks.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "admin/AverageBuster.h"
#include "league/SampleLeague.h"
#include "reports/stats/AvgBustersItem.h"
#include "resources/CommandIds.h"
#include "resources/Resource.h"
#include "resources/dialogs/RulesDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

void Averages(CFixture* f, int nSide, int nPos, int nAverage)
{
    for (int g = 0; g < MAX_GAMES; ++g)
        f->m_nAverage[g][CFixture::SlotOf(nSide, nPos)] = static_cast<DWORD>(nAverage);
}

void Entered(CFixture* f)
{
    for (int s = 0; s < 2; ++s) {
        f->m_bPlayed[s] = 1;
        f->m_dwScoresMarker[s] = 1;
    }
}

} // namespace

TEST(AverageBusterGame, UnitsAndPointsPerGame)
{
    struct Case
    {
        BYTE nUnit, bPerGame;
        int nScore, nAverage, nRound, nSeason, nRoundTotal;
    } cases[] = {
        {10, 0, 178, 160, 3, 1, 1},   // 18 over: one whole unit
        {10, 0, 151, 160, 3, 0, 0},   // 9 under: nothing
        {10, 0, 140, 160, 3, -2, -2},
        {5, 0, 169, 160, 3, 1, 1},    // 9 over with unit 5
        {5, 0, 151, 160, 3, -1, -1},  // cut towards zero under the average too
        {10, 0, 200, 160, 2, 4, 0},   // an earlier round: the season only
        {0, 0, 250, 160, 3, 0, 0},    // no unit: no competition
        {0, 1, 161, 160, 3, 2, 2},    // over 2, equal 1, under 1
        {0, 1, 160, 160, 3, 1, 1},
        {0, 1, 159, 160, 3, -1, -1},
        {7, 1, 100, 160, 2, -1, 0},   // points per game wins over the unit
    };
    for (const Case& c : cases) {
        CBowlingDoc doc;
        doc.m_nCurrentRound = 3;
        doc.m_nAvgBusterUnit = c.nUnit;
        doc.m_bAvgBusterPerGame = c.bPerGame;
        doc.m_nAvgBusterOver = 2;
        doc.m_nAvgBusterEqual = 1;
        doc.m_nAvgBusterUnder = 1;
        CPlayer* p = AddTestPlayer(doc, 1, "Ann", "Lee", 1);
        CFixture f(c.nRound, 1, 2, 1);
        p->AddAverageBusterGame(c.nScore, &f, c.nAverage);
        EXPECT_EQ(Nums(p->m_nAvgBusterSeason, p->m_nAvgBusterRound), Nums(c.nSeason, c.nRoundTotal))
            << c.nScore << " on " << c.nAverage << " unit " << int(c.nUnit);
    }
}

class AverageBusterSeason : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.m_nPlayersPerTeam = 2;
        doc.m_nGamesPerMatch = 3;
        doc.m_nCurrentRound = 2;
        doc.m_nAvgBusterUnit = 10;
        AddTestTeam(doc, 1, "Aces", {1, 2});
        AddTestTeam(doc, 2, "Kings", {3, 4});
        ann = AddTestPlayer(doc, 1, "Ann", "Lee", 1, PF_FEMALE);
        bob = AddTestPlayer(doc, 2, "Bob", "Cox", 1);
        cy = AddTestPlayer(doc, 3, "Cy", "Dunn", 2);
        robot = AddTestPlayer(doc, 4, "Vacant", "", 2);
        robot->m_nRobot = 1;

        first = AddTestFixture(doc, 1, 1, 2);
        PutBowler(first, 0, 0, ann, {185, 160, 160}, 0);   // +2
        PutBowler(first, 0, 1, bob, {170, 170, 170}, 0);
        PutBowler(first, 1, 0, cy, {160, 160, 160}, 0);
        PutBowler(first, 1, 1, robot, {200, 200, 200}, 0);
        round = AddTestFixture(doc, 2, 1, 2);
        PutBowler(round, 0, 0, ann, {178, 151, 140}, 0);   // +1, 0, -2
        PutBowler(round, 0, 1, bob, {200, 210, 165}, 0);   // +3, +4, 0 on 170
        PutBowler(round, 1, 0, cy, {190, 190, 190}, 0);    // +3 each on 160
        PutBowler(round, 1, 1, robot, {250, 250, 250}, 0);
        for (CFixture* f : {first, round}) {
            Entered(f);
            Averages(f, 0, 0, 160);
            Averages(f, 0, 1, 170);
            Averages(f, 1, 0, 160);
            Averages(f, 1, 1, 150);
        }
    }
    CBowlingDoc doc;
    CPlayer *ann = nullptr, *bob = nullptr, *cy = nullptr, *robot = nullptr;
    CFixture *first = nullptr, *round = nullptr;
};

TEST_F(AverageBusterSeason, BlindNonQualDefaultedAndUnenteredGamesAddNothing)
{
    const int k = CFixture::SlotOf(1, 0);
    round->m_dwPosFlags[k] = PosBlind(0) | PosNonQual(1);   // Cy's first two games
    round->m_nDefaulted[0] = DefaultedBit(2);              // side A's third game
    first->m_dwScoresMarker[1] = 0;                        // round 1's side B not entered
    doc.CalcAverageBusterPoints();
    // Ann: +2 in round 1, +1 and 0 in round 2.
    EXPECT_EQ(Nums(cy->m_nAvgBusterSeason, cy->m_nAvgBusterRound, ann->m_nAvgBusterSeason, ann->m_nAvgBusterRound,
                   bob->m_nAvgBusterRound),
              Nums(3, 3, 3, 1, 7));
    // Switched off: nothing at all.
    for (CPlayer* p : {ann, bob, cy})
        p->ResetFigures();
    doc.m_nAvgBusterUnit = 0;
    doc.CalcAverageBusterPoints();
    EXPECT_EQ(cy->m_nAvgBusterSeason, 0);
}

TEST_F(AverageBusterSeason, EveryRecalculationScoresAndRanks)
{
    CBowlingDoc::s_pfnAverageBusters = AverageBuster::ScoreAndRank;
    doc.Recalculate();
    EXPECT_EQ(Nums(ann->m_nAvgBusterSeason, ann->m_nAvgBusterRound, bob->m_nAvgBusterSeason, cy->m_nAvgBusterSeason,
                   robot->m_nAvgBusterSeason),
              Nums(1, -1, 7, 9, 0));
    // The robot is never ranked.
    EXPECT_EQ(Ptrs(doc.FindAverageBusterBySeasonRank(1), doc.FindAverageBusterBySeasonRank(2),
                   doc.FindAverageBusterBySeasonRank(3), doc.FindAverageBusterBySeasonRank(4),
                   doc.FindAverageBusterByRoundRank(3)),
              Ptrs(cy, bob, ann, nullptr, ann));
    CBowlingDoc::s_pfnAverageBusters = nullptr;
}

TEST(AverageBusterRanking, TiesEveryTotalFiltersAndThePlaceLimit)
{
    CBowlingDoc doc;
    CPlayer* p[7];
    const int totals[7] = {-400, 5, -399, 5, 9, 50, 0};
    for (int i = 0; i < 7; ++i) {
        p[i] = AddTestPlayer(doc, static_cast<WORD>(i + 1), "P", "Q", 1);
        p[i]->m_nAvgBusterSeason = totals[i];
        p[i]->m_nAvgBusterRound = totals[i];
        p[i]->m_nAvgBusterSeasonGames = p[i]->m_nAvgBusterRoundGames = 3;
    }
    p[5]->m_wFlags |= PF_RESIGNED;
    // The last bowled nothing at all; the third nothing this round (his total is the season's).
    p[6]->m_nAvgBusterSeasonGames = p[6]->m_nAvgBusterRoundGames = 0;
    p[2]->m_nAvgBusterRoundGames = 0;
    p[2]->m_nAvgBusterRound = 0;
    EXPECT_EQ(doc.RankAverageBusters(100, PF_CATEGORY_MASK, 0), 4);
    // 9, then the two fives in list order, then -399 and -400, however low; the resigned
    // bowler and the one who did not bowl stay out, and in the round the one absent from it.
    const WORD season[7] = {5, 2, 4, 3, 1, 0, 0};
    const WORD round[7] = {4, 2, 0, 3, 1, 0, 0};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Nums(p[i]->m_nAvgBusterSeasonRank, p[i]->m_nAvgBusterRoundRank), Nums(season[i], round[i])) << i;
    // Two places: a third rank is given, and the answer is the places.
    EXPECT_EQ(doc.RankAverageBusters(2, PF_CATEGORY_MASK, 0), 2);
    EXPECT_EQ(Nums(p[2]->m_nAvgBusterSeasonRank, p[3]->m_nAvgBusterSeasonRank), Nums(0, 3));
    // The mask and the category.
    p[3]->m_wFlags = PF_FEMALE;
    p[1]->m_nCategory = 2;
    EXPECT_EQ(doc.RankAverageBusters(100, PF_FEMALE, 0), 1);
    EXPECT_EQ(doc.FindAverageBusterByRoundRank(1), p[3]);
    EXPECT_EQ(doc.RankAverageBusters(100, PF_CATEGORY_MASK, 2), 1);
    EXPECT_EQ(Ptrs(doc.FindAverageBusterBySeasonRank(1), doc.FindAverageBusterBySeasonRank(2)), Ptrs(p[1], nullptr));
}

TEST(AverageBusterRanking, HundredAndFiveBowlersGetHundredAndOneRanks)
{
    CBowlingDoc doc;
    for (int i = 0; i < 105; ++i) {
        CPlayer* p = AddTestPlayer(doc, static_cast<WORD>(i + 1), "P", "Q", 1);
        p->m_nAvgBusterSeason = i;
        p->m_nAvgBusterSeasonGames = p->m_nAvgBusterRoundGames = 1;
    }
    EXPECT_EQ(doc.RankAverageBusters(100, PF_CATEGORY_MASK, 0), 100);
    EXPECT_EQ(Nums(doc.FindAverageBusterBySeasonRank(1)->m_nPlayerNo, doc.FindAverageBusterBySeasonRank(101)->m_nPlayerNo),
              Nums(105, 5));
    EXPECT_EQ(doc.FindAverageBusterBySeasonRank(102), nullptr);
}

TEST_F(AverageBusterSeason, SetupCommandShowsRefusesAndWritesBackTheSettings)
{
    RegisterResources();
    AverageBuster::Install();
    doc.m_nAvgBusterUnit = 25;
    doc.m_nAvgBusterUnder = 3;
    doc.SetModifiedFlag(FALSE);
    CScriptedBackend ui;
    // Cancel leaves everything as it was.
    ui.OnDialog(IDD_AVERAGE_BUSTER_SETUP).SetText(IDC_AB_UNIT, "5").Cancel();
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_AVERAGE_BUSTER, CN_COMMAND, nullptr));
    EXPECT_EQ(doc.m_nAvgBusterUnit, 25);
    EXPECT_FALSE(doc.IsModified());

    ui.OnDialog(IDD_AVERAGE_BUSTER_SETUP)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetCaption(), "Average Buster Setup");
            EXPECT_EQ(TextsOf(d, {IDC_AB_UNIT, IDC_AB_UNDER}), (std::vector<std::string>{"25", "3"}));
            EXPECT_EQ(Ctl(d, IDC_AB_PER_GAME).check, 0);
        })
        .SetText(IDC_AB_UNIT, "101").OK().SetText(IDC_AB_UNIT, "10").SetText(IDC_AB_OVER, "256").OK()
        .SetText(IDC_AB_OVER, "2").SetText(IDC_AB_EQUAL, "1").SetText(IDC_AB_UNDER, "1")
        .Click(IDC_AB_PER_GAME)
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 100.");
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 255.");
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_AVERAGE_BUSTER, CN_COMMAND, nullptr));
    EXPECT_EQ(Nums(doc.m_nAvgBusterUnit, doc.m_bAvgBusterPerGame, doc.m_nAvgBusterOver, doc.m_nAvgBusterEqual,
                   doc.m_nAvgBusterUnder),
              Nums(10, 1, 2, 1, 1));
    EXPECT_TRUE(doc.IsModified());
    // Recalculated with points per game: Cy's three games on and three over his average.
    EXPECT_EQ(cy->m_nAvgBusterSeason, 9);
    CBowlingDoc::s_pfnAverageBusters = nullptr;
}

// The sample with points per game (1 over, 0 level, 50 under), nearly every bowler far below
// -400 after ten rounds, and an item of forty: the season's table lists the 31 team bowlers and
// the floater who bowled one game, each in his place, and not the floater who never bowled; the
// round to come, which nobody has bowled, lists nobody.
TEST(AverageBusterSample, EveryBowlerOfTheSeasonInHisPlace)
{
    RegisterResources();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    { AverageBusterOn buster(doc, "1", "0", "50"); }

    CRepItem_AvgBusters item;
    item.m_pDoc = &doc;
    item.m_nDisplay = 40;
    CRecordingDC dc;
    item.GetHeight(&dc);
    item.Draw(&dc, nullptr);
    const std::vector<std::string> drawn = dc.Texts();
    ASSERT_EQ(drawn.size(), 1u + 2 * 32);
    // Best first, each total no higher than the one before; the lowest, -940, last.
    EXPECT_EQ(std::vector<std::string>(drawn.begin(), drawn.begin() + 3),
              (std::vector<std::string>{"Top Average Busters", "Sandra Ellery-2", "1"}));
    EXPECT_EQ(drawn.back(), "-940");
    for (size_t i = 4; i < drawn.size(); i += 2)
        EXPECT_LE(std::stoi(drawn[i]), std::stoi(drawn[i - 2])) << drawn[i - 1];
    for (const char* text : {"None", "Alan Lunt-2", "Vacancy"})
        EXPECT_EQ(std::count(drawn.begin(), drawn.end(), text), 0) << text;
    const std::string html = HtmlOf(item);
    size_t nRows = 0;
    for (size_t at = html.find("<TR>"); at != std::string::npos; at = html.find("<TR>", at + 1))
        ++nRows;
    EXPECT_EQ(nRows, 32u);
    EXPECT_EQ(html.find("None"), std::string::npos);

    item.m_bCurrentRound = 1;
    CRecordingDC round;
    item.GetHeight(&round);
    item.Draw(&round, nullptr);
    EXPECT_EQ(round.Texts(), std::vector<std::string>{"Top Average Buster for Round 11"});
}
