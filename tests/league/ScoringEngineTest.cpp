// The scoring engine worked through by hand figures: averages, handicaps, blind and robot
// scores, whole matches' points. Each case is a worked example of docs/scoring.md.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Rules.h"
#include "league/Scoring.h"
#include "league/Team.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

namespace {

// A two-team league with one fixture, filled by hand.
struct Match
{
    CBowlingDoc doc;
    CTeam* pTeamA = nullptr;
    CTeam* pTeamB = nullptr;
    CFixture* pFixture = nullptr;
    WORD nNextPlayer = 1;

    Match(int nPlayers, int nGames, bool bHandicap)
    {
        doc.m_nPlayersPerTeam = static_cast<BYTE>(nPlayers);
        doc.m_nGamesPerMatch = static_cast<BYTE>(nGames);
        doc.m_bHandicapLeague = bHandicap ? 1 : 0;
        doc.m_bScratchLeague = bHandicap ? 0 : 1;
        doc.m_bHandicapPass = bHandicap ? PASS_HANDICAP : PASS_SCRATCH;
        doc.m_HcpRule[HCP_RULE_ALL] = CHandicapRule{200, 80, 0, 0, 0, 0};
        pTeamA = new CTeam("Alpha", 1);
        pTeamB = new CTeam("Bravo", 2);
        doc.AddTeam(pTeamA);
        doc.AddTeam(pTeamB);
        pFixture = AddFixture();
    }

    CFixture* AddFixture()
    {
        auto* f = new CFixture(1, 1, 2, doc.m_nPlayersPerTeam);
        doc.AddFixture(f);
        return f;
    }

    CPlayer* Bowler(int nSide, int nPos, int nAverage, int nHandicap, BYTE nRobot = 0, CFixture* f = nullptr)
    {
        auto* p = new CPlayer(nNextPlayer++);
        p->m_strName.Format("Bowler %d", p->m_nPlayerNo);
        p->m_wFlags = PF_MALE;
        p->m_nRobot = nRobot;
        p->m_nAverage = static_cast<WORD>(nAverage);
        p->m_nHandicap = nHandicap;
        doc.AddPlayer(p);
        (f ? f : pFixture)->SetPlayer(nSide, nPos, p);
        return p;
    }

    void Scores(int nSide, int nPos, std::initializer_list<int> scores, CFixture* f = nullptr)
    {
        int g = 0;
        for (int s : scores)
            (f ? f : pFixture)->m_nScore[g++][CFixture::SlotOf(nSide, nPos)] = static_cast<WORD>(s);
    }

    // Result entered on both sides and ready to score, as the scoresheet leaves it.
    void ReadyToScore(CFixture* f = nullptr)
    {
        f = f ? f : pFixture;
        f->m_bPlayed[0] = f->m_bPlayed[1] = 1;
        f->m_dwPointsEligible[0] = f->m_dwPointsEligible[1] = 1;
    }

    // The scoresheet's rule for a blind cell: its score, then its handicap.
    void FillBlind(int nSide, int nPos, int nGame, BYTE nDefaulted = 0)
    {
        const int k = CFixture::SlotOf(nSide, nPos);
        pFixture->m_dwPosFlags[k] |= PosBlind(nGame);
        pFixture->m_nScore[nGame][k] =
            static_cast<WORD>(doc.CalcBlindScore(pFixture, nSide, nPos, nGame, nDefaulted));
        pFixture->m_nHandicap[nGame][k] = doc.CalcBlindHandicap(pFixture, nSide, nPos, nGame, nDefaulted);
    }

    const int (&Points() const)[2][POINTS_ROWS][POINTS_COLS]
    {
        return doc.m_bHandicapPass ? pFixture->m_wHandicapPoints : pFixture->m_wScratchPoints;
    }
};

// The identity every scored match keeps: match points are the five column totals, the bonus
// points and the adjustment; each column total is its rows of points.
void ExpectMatchIdentity(const CFixture& f, int nPass)
{
    const bool bHcp = nPass == PASS_HANDICAP;
    for (int s = 0; s < 2; ++s) {
        int nSum = 0;
        for (int c = 0; c < POINTS_COLS; ++c) {
            int nColumn = 0;
            for (int r = 0; r < POINTS_ROWS - 1; ++r)
                nColumn += bHcp ? f.m_wHandicapPoints[s][r][c] : f.m_wScratchPoints[s][r][c];
            const int nTotal = bHcp ? f.m_nHandicapTotals[s][c] : f.m_nScratchTotals[s][c];
            EXPECT_EQ(nTotal, nColumn) << "side " << s << " column " << c;
            nSum += nTotal;
        }
        nSum += bHcp ? f.m_nHandicapBonusPoints[s] : f.m_nScratchBonusPoints[s];
        nSum += bHcp ? f.m_nHandicapAdjust[s] : f.m_nScratchAdjust[s];
        EXPECT_EQ(bHcp ? f.m_nHandicapMatchPoints[s] : f.m_nScratchMatchPoints[s], nSum) << "side " << s;
    }
}

// The points (or bonus) table's cells at {side, row, column}.
template <class T, size_t S, size_t R, size_t C>
std::vector<int> Cells(const T (&table)[S][R][C], std::initializer_list<std::array<int, 3>> at)
{
    std::vector<int> out;
    for (const auto& [s, r, c] : at)
        out.push_back(table[s][r][c]);
    return out;
}

CPlayer* Joined(CBowlingDoc& doc, CPlayer* p)
{
    doc.AddPlayer(p);
    return p;
}

void SetPoints(CPointsRule& rule, int nIndividual, int nIndividualSeries, int nTeam, int nTeamSeries)
{
    rule.m_bIndividual = nIndividual || nIndividualSeries;
    rule.m_bTeam = nTeam || nTeamSeries;
    for (int g = 0; g < 4; ++g) {
        rule.m_nIndividualGame[g] = static_cast<BYTE>(nIndividual);
        rule.m_nTeamGame[g] = static_cast<BYTE>(nTeam);
    }
    rule.m_nIndividualSeries = static_cast<BYTE>(nIndividualSeries);
    rule.m_nTeamSeries = static_cast<BYTE>(nTeamSeries);
}

} // namespace

// ---------------------------------------------------------------- averages

TEST(ScoringAverages, PinsOverGamesCutForTheFixtureFigure)
{
    CBowlingDoc doc;
    CPlayer* p = Joined(doc, new CPlayer(1));
    p->m_nGames[PASS_SCRATCH] = 9;
    p->m_nPins[PASS_SCRATCH] = 1627;
    EXPECT_NEAR(p->GetAverage(FALSE, 0), 180.777, 0.001);
    EXPECT_EQ(p->m_nAverage, 180);
}

TEST(ScoringAverages, EnteringAverageStandsInUntilTheGamesAreBowled)
{
    CBowlingDoc doc;
    doc.m_nEnteringAvgGames = 9;
    CPlayer* p = Joined(doc, new CPlayer(1));
    p->SetEnteringAverage(1654);
    for (int i = 0; i < 6; ++i)
        p->RecordBowledGame(PASS_HANDICAP, 170, 20);
    EXPECT_DOUBLE_EQ(p->GetAverage(TRUE, doc.m_nEnteringAvgGames), 165.4);
    EXPECT_EQ(p->m_nAverage, 165);
    for (int i = 0; i < 3; ++i)
        p->RecordBowledGame(PASS_HANDICAP, 170, 20);
    EXPECT_DOUBLE_EQ(p->GetAverage(TRUE, doc.m_nEnteringAvgGames), 170.0);
    EXPECT_EQ(p->m_nHcpPins, 9u * 190u);

    // The bowler's own flag, and the league's cut-off, switch the stand-in off.
    CPlayer* q = Joined(doc, new CPlayer(2));
    q->SetEnteringAverage(1500);
    q->RecordBowledGame(PASS_HANDICAP, 200, 0);
    q->m_wFlags |= PF_NO_ENTERING_GAMES;
    EXPECT_DOUBLE_EQ(q->GetAverage(TRUE, 9), 200.0);
    q->m_wFlags &= static_cast<WORD>(~PF_NO_ENTERING_GAMES);
    EXPECT_DOUBLE_EQ(q->GetAverage(TRUE, 9), 150.0);
    doc.m_bPastEnteringCutoff = 1;
    EXPECT_DOUBLE_EQ(q->GetAverage(TRUE, 9), 200.0);
}

TEST(ScoringAverages, NoGamesKeepsTheRankingAverage)
{
    CBowlingDoc doc;
    CPlayer* p = Joined(doc, new CPlayer(1));
    EXPECT_EQ(p->GetAverage(TRUE, 0), 0.0);
    p->m_dRankAverage = 143.5;
    EXPECT_EQ(p->GetAverage(TRUE, 0), 143.5);  // sets the whole-pin figure
    EXPECT_EQ(p->m_nAverage, 143);
}

TEST(ScoringAverages, TruncatedRollingAverageTakesTheLastGames)
{
    CBowlingDoc doc;
    doc.m_bTruncatedRollingAvg = 1;
    doc.m_nRollingAvgGames = 3;
    CPlayer* p = Joined(doc, new CPlayer(1));
    p->m_bRollingAvg = 1;
    for (int s : {150, 160, 200, 210})
        p->RecordBowledGame(PASS_SCRATCH, s, 0);
    EXPECT_EQ(p->m_arrRolling[PASS_SCRATCH].GetSize(), 3);
    EXPECT_DOUBLE_EQ(p->GetAverage(FALSE, 0), 190.0);
    // The season average with the switch cleared around the call.
    p->m_bRollingAvg = 0;
    EXPECT_DOUBLE_EQ(p->GetAverage(FALSE, 0), 180.0);
}

TEST(ScoringAverages, Drop5FloorsTheHandicapAverageOnly)
{
    CBowlingDoc doc;
    doc.m_bDrop5 = 1;
    doc.m_nDrop5Games = 3;
    doc.m_nDrop5MaxPins = 5;
    CPlayer* p = Joined(doc, new CPlayer(1));
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < 3; ++i)
            p->RecordBowledGame(s, 180, 0);
    // Six games at 165 bring 9 games to 1530 pins: 170.0; the floor is 175.
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < 6; ++i)
            p->RecordBowledGame(s, 165, 0);
    EXPECT_DOUBLE_EQ(p->GetAverage(TRUE, 0), 175.0);
    EXPECT_EQ(p->m_nAverage, 175);  // set by the call before
    EXPECT_DOUBLE_EQ(p->GetAverage(FALSE, 0), 170.0);

    // A reset season establishes its average afresh.
    p->ResetFigures();
    for (int i = 0; i < 3; ++i)
        p->RecordBowledGame(PASS_HANDICAP, 120, 0);
    EXPECT_DOUBLE_EQ(p->GetAverage(TRUE, 0), 120.0);
}

TEST(ScoringAverages, ImprovementAndHighFigures)
{
    CBowlingDoc doc;
    doc.m_bHandicapPass = PASS_HANDICAP;
    CPlayer* p = Joined(doc, new CPlayer(1));
    p->m_nMostImprovedBase = 1500;
    p->m_nGames[PASS_HANDICAP] = 4;
    p->m_nPins[PASS_HANDICAP] = 650;
    EXPECT_DOUBLE_EQ(p->GetImprovement(), 12.5);
    p->m_nMostImprovedBase = 0;
    p->SetEnteringAverage(1600);
    EXPECT_DOUBLE_EQ(p->GetImprovement(), 2.5);

    std::tie(p->m_nHighGame[0], p->m_nHighGame2[0], p->m_nHighSeries[1], p->m_nHighSeries2[1]) =
        std::make_tuple(210, 224, 700, 650);
    EXPECT_EQ(std::make_pair(int{p->GetHighGameScratch()}, int{p->GetHighSeriesHcp()}), std::make_pair(224, 700));
    doc.m_bOmitSecondHighs = 1;
    EXPECT_EQ(p->GetHighGameScratch(), 210);
}

// ---------------------------------------------------------------- handicaps

TEST(ScoringHandicap, WholeNumberArithmeticWhereAFractionWouldCutWrongly)
{
    CBowlingDoc doc;
    doc.m_HcpRule[HCP_RULE_ALL] = CHandicapRule{200, 70, 0, 0, 0, 0};
    EXPECT_EQ(std::make_pair(doc.CalcHandicap(110.9, PF_MALE, 10), doc.CalcHandicap(110.0, PF_MALE, 10)),
              std::make_pair(63, 63));
    doc.m_HcpRule[HCP_RULE_ALL].m_nPercent = 29;
    EXPECT_EQ(doc.CalcHandicap(100.0, PF_MALE, 10), 29);
    // An average that came from tenths by a fraction sits a hair under 163.
    doc.m_HcpRule[HCP_RULE_ALL].m_nPercent = 100;
    EXPECT_EQ(doc.CalcHandicap(1630 * 0.1 - 1e-12, PF_MALE, 10), 37);
    EXPECT_EQ(doc.CalcHandicap(0.0, PF_MALE, 10), 0);
}

TEST(ScoringHandicap, MinimumThenMaximum)
{
    CBowlingDoc doc;
    // The last: the maximum is applied after the minimum.
    const struct { CHandicapRule rule; double dAverage; int nExpected; } cases[] = {
        {{200, 90, 0, 0, 0, 1}, 230.0, 0}, {{200, 90, 0, 0, 0, 0}, 230.0, -27},
        {{220, 100, 80, -10, 1, 1}, 120.0, 80}, {{220, 100, 5, 20, 1, 1}, 210.0, 5}};
    for (const auto& c : cases) {
        doc.m_HcpRule[HCP_RULE_ALL] = c.rule;
        EXPECT_EQ(doc.CalcHandicap(c.dAverage, PF_MALE, 10), c.nExpected) << c.dAverage;
    }
}

TEST(ScoringHandicap, RuleSetByCategoryAndGamesBeforeAHandicap)
{
    CBowlingDoc doc;
    doc.m_bOneRuleForAll = 0;
    doc.m_HcpRule[HCP_RULE_MEN] = CHandicapRule{200, 80, 0, 0, 0, 0};
    doc.m_HcpRule[HCP_RULE_WOMEN] = CHandicapRule{210, 80, 0, 0, 0, 0};
    doc.m_HcpRule[HCP_RULE_JUNIORS] = CHandicapRule{220, 80, 0, 0, 0, 0};
    EXPECT_EQ((std::vector<int>{doc.CalcHandicap(150.0, PF_MALE, 10), doc.CalcHandicap(150.0, PF_FEMALE, 10),
                                doc.CalcHandicap(150.0, PF_FEMALE | PF_JUNIOR, 10)}),
              (std::vector<int>{40, 48, 56}));
    doc.m_bOneRuleForAll = 1;
    doc.m_HcpRule[HCP_RULE_ALL] = CHandicapRule{200, 100, 0, 0, 0, 0};
    EXPECT_EQ(doc.CalcHandicap(150.0, PF_FEMALE | PF_JUNIOR, 10), 50);

    doc.m_nGamesBeforeHandicap = 3;
    EXPECT_EQ(std::make_pair(doc.CalcHandicap(150.0, PF_MALE, 2), doc.CalcHandicap(150.0, PF_MALE, 3)),
              std::make_pair(0, 50));
}

TEST(ScoringHandicap, NewBowlersTakeEnteringOrFirstMatchFigures)
{
    Match m(2, 3, true);
    CPlayer* pNew = m.Bowler(0, 0, 0, 0);
    CPlayer* pEntering = m.Bowler(0, 1, 0, 0);
    CPlayer* pEstablished = m.Bowler(1, 0, 170, 24);
    pEntering->SetEnteringAverage(1600);
    pEstablished->m_nGames[PASS_HANDICAP] = 12;
    m.Scores(0, 0, {140, 150, 166});
    m.Scores(0, 1, {150, 150, 150});
    m.Scores(1, 0, {200, 200, 200});

    m.doc.SetNewBowlerFiguresSideA(m.pFixture);
    m.doc.SetNewBowlerFiguresSideB(m.pFixture);
    const CFixture& f = *m.pFixture;
    // The last: an established bowler is left alone.
    for (int g = 0; g < 3; ++g)
        EXPECT_EQ((std::vector<int>{int(f.m_nAverage[g][0]), f.m_nHandicap[g][0], int(f.m_nAverage[g][1]),
                                    f.m_nHandicap[g][1], f.m_nHandicap[g][5]}),
                  (std::vector<int>{152, 38, 160, 32, 24})) << "game " << g;
    EXPECT_EQ(std::make_pair(int{pNew->m_nHandicap}, int{pNew->m_nAverage}), std::make_pair(38, 152));
}

TEST(ScoringHandicap, TeamHandicapsZeroBasedAndCombined)
{
    Match m(4, 3, true);
    m.doc.m_bTeamHandicaps = 1;
    m.doc.m_bZeroBasedPctDiff = 1;
    const int a[4] = {170, 160, 150, 140}, b[4] = {180, 175, 165, 160};
    for (int p = 0; p < 4; ++p) {
        m.Bowler(0, p, a[p], 0);
        m.Bowler(1, p, b[p], 0);
    }
    m.pFixture->SetMatchAverages();
    const CFixture& f = *m.pFixture;
    EXPECT_EQ((std::vector<DWORD>{f.m_nTeamAverage[0][0], f.m_nTeamAverage[1][2], f.m_nTeamAverage[0][4],
                                  f.m_nTeamHandicap[0][1], f.m_nTeamHandicap[1][1], f.m_nTeamHandicap[0][4]}),
              (std::vector<DWORD>{620, 680, 1860, 48, 0, 144}));

    m.doc.m_bZeroBasedPctDiff = 0;
    m.pFixture->SetMatchAverages();
    EXPECT_EQ((std::vector<DWORD>{f.m_nTeamHandicap[0][0], f.m_nTeamHandicap[1][0]}), (std::vector<DWORD>{144, 96}));

    // The team handicap goes on the team game once.
    m.Scores(0, 0, {150, 150, 150});
    m.pFixture->m_bPlayed[0] = 1;
    EXPECT_EQ(m.pFixture->GetGameScore(0, 0, TRUE), 150 + 144);

    m.doc.m_bRound1Scratch = 1;
    m.pFixture->SetMatchAverages();
    EXPECT_EQ(m.pFixture->m_nTeamHandicap[0][0], 0u);
}

// ---------------------------------------------------------------- blind and robot scores

TEST(ScoringBlind, MethodsFlatFallbackAndCap)
{
    Match m(2, 3, true);
    CPlayer* p = m.Bowler(0, 0, 160, 36);
    m.Bowler(1, 0, 170, 20);
    CBlindScore& rule = m.doc.m_BlindScore[3];
    rule.m_nFlatScore = 120;

    rule.m_nMethod = CBlindScore::methodAverageLessPercent;
    rule.m_nPercent = 10;
    EXPECT_EQ(m.doc.CalcBlindScore(m.pFixture, 0, 0, 0, 0), 144);
    rule.m_nMethod = CBlindScore::methodAverageLessPins;
    rule.m_nPins = 10;
    EXPECT_EQ(m.doc.CalcBlindScore(m.pFixture, 0, 0, 0, 0), 150);
    rule.m_nMethod = CBlindScore::methodIncremental;
    rule.m_nStep = 10;
    p->m_nBlindGames[PASS_HANDICAP] = 2;
    EXPECT_EQ(m.doc.CalcBlindScore(m.pFixture, 0, 0, 0, 0), 130);
    // Counted per team: the team's counter of the pass decides.
    m.doc.m_bBlindGamesPerTeam = 1;
    m.pTeamA->m_nBlindGames[PASS_HANDICAP] = 0;
    EXPECT_EQ(m.doc.CalcBlindScore(m.pFixture, 0, 0, 0, 0), 150);
    m.doc.m_bHandicapPass = PASS_SCRATCH;
    m.pTeamA->m_nBlindGames[PASS_SCRATCH] = 4;
    EXPECT_EQ(m.doc.CalcBlindScore(m.pFixture, 0, 0, 0, 0), 110);
    m.doc.m_bHandicapPass = PASS_HANDICAP;

    // Below 1 the flat score; the league maximum caps.
    rule.m_nMethod = CBlindScore::methodAverageLessPins;
    rule.m_nPins = 170;
    EXPECT_EQ(m.doc.CalcBlindScore(m.pFixture, 0, 0, 0, 0), 120);
    rule.m_nMethod = CBlindScore::methodFlat;
    rule.m_nFlatScore = 150;
    m.doc.m_nMaxBlindScore = 140;
    EXPECT_EQ(m.doc.CalcBlindScore(m.pFixture, 0, 0, 0, 0), 140);
}

TEST(ScoringBlind, RuleByCategoryAndHandicapMethods)
{
    Match m(2, 3, true);
    CPlayer* p = m.Bowler(0, 0, 160, 36);
    m.Bowler(1, 0, 170, 20);
    m.doc.m_bOneBlindRuleForAll = 0;
    const WORD flags[3] = {PF_MALE, PF_FEMALE, PF_FEMALE | PF_JUNIOR}, flat[3] = {100, 110, 90};
    for (int i = 0; i < 3; ++i)
        m.doc.m_BlindScore[i].m_nFlatScore = flat[i];
    for (int i = 0; i < 3; ++i) {
        p->m_wFlags = flags[i];
        EXPECT_EQ(m.doc.CalcBlindScore(m.pFixture, 0, 0, 0, 0), flat[i]) << "category " << i;
    }

    CBlindScore& rule = m.doc.m_BlindScore[2];
    rule.m_nHandicapMethod = CBlindScore::hcpOwnAdjusted;
    rule.m_nHandicapAdjust = -10;
    EXPECT_EQ(m.doc.CalcBlindHandicap(m.pFixture, 0, 0, 1, 0), 26);
    // Asked again (every refresh), the figure does not drift.
    m.pFixture->m_nHandicap[1][0] = 26;
    EXPECT_EQ(m.doc.CalcBlindHandicap(m.pFixture, 0, 0, 1, 0), 26);
    rule.m_nHandicapMethod = CBlindScore::hcpOpponents;
    EXPECT_EQ(m.doc.CalcBlindHandicap(m.pFixture, 0, 0, 1, 0), 20);
    rule.m_nHandicapMethod = CBlindScore::hcpFlat;
    rule.m_nFlatHandicap = 15;
    EXPECT_EQ(m.doc.CalcBlindHandicap(m.pFixture, 0, 0, 1, 0), 15);
    m.doc.m_bHandicapLeague = 0;
    EXPECT_EQ(m.doc.CalcBlindHandicap(m.pFixture, 0, 0, 1, 0), 0);
}

TEST(ScoringRobot, EachKindAgainstItsOpponent)
{
    Match m(4, 3, true);
    const BYTE kinds[4] = {CRobot::kindFlatScore, CRobot::kindAverageLessPercent, CRobot::kindAverageLessPins,
                           CRobot::kindOpponentsScore};
    for (int r = 0; r < 4; ++r) {
        m.doc.m_Robot[r].m_nKind = kinds[r];
        m.doc.m_Robot[r].m_nFlatHandicap = 30 + r;
        m.Bowler(0, r, 170, 24);
        m.Scores(0, r, {185, 185, 185});
        m.Bowler(1, r, 0, 0, static_cast<BYTE>(r + 1));
    }
    // A robot's place is blind in every game of the match.
    EXPECT_TRUE(m.pFixture->m_dwPosFlags[CFixture::SlotOf(1, 0)] & PosBlind(2));
    const int expected[4] = {120, 153, 160, 185};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(m.doc.CalcBlindScore(m.pFixture, 1, r, 0, 0), expected[r]) << "kind " << r;
        EXPECT_EQ(m.doc.CalcBlindHandicap(m.pFixture, 1, r, 0, 0), 30 + r);
    }
    m.pFixture->SetMatchAverages();
    const DWORD averages[4] = {120, 153, 160, 170};
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(m.pFixture->m_nAverage[1][CFixture::SlotOf(1, r)], averages[r]);
    EXPECT_EQ(m.pFixture->m_nTeamAverage[1][0], 120u + 153u + 160u + 170u);
}

// Robot scores facing robot scores. Fours, one game; the league's four rules are a flat 130,
// 90 % of the opponent's average, that average less 10 pins and the opponent's score. Side A's
// places are robots on rules 1 to 4; side B's place 1 a bowler (170.0, bowling 185), places 2 to
// 4 robots on rules 1 to 3.
//   A1 (flat) faces the bowler: 130. A2 (90 %) faces B2's flat 130: 117 on 117, whatever the
//   bowlers' figures. A3 (less 10 pins) and B3 (90 %) each work from the other: both stand on 0.
//   A4 (opponent's score) faces B4 (less 10 pins), which works from A4's average in turn: B4
//   stands on 0 and scores 0, and A4 takes that score.
// Each cell records the average it is scored on, and the team averages take them: 247 and 300.
TEST(ScoringRobot, FacingRobotScoresTheirRulesAverage)
{
    Match m(4, 1, true);
    const BYTE kinds[4] = {CRobot::kindFlatScore, CRobot::kindAverageLessPercent, CRobot::kindAverageLessPins,
                           CRobot::kindOpponentsScore};
    for (int r = 0; r < 4; ++r)
        m.doc.m_Robot[r].m_nKind = kinds[r];
    m.doc.m_Robot[0].m_nFlatScore = 130;
    m.Bowler(1, 0, 170, 24);
    m.Scores(1, 0, {185});
    for (int r = 0; r < 4; ++r)
        m.Bowler(0, r, 0, 0, static_cast<BYTE>(r + 1));
    for (int p = 1; p < 4; ++p)
        m.Bowler(1, p, 0, 0, static_cast<BYTE>(p));
    for (int p = 1; p < 4; ++p)
        m.FillBlind(1, p, 0);
    for (int p = 0; p < 4; ++p)
        m.FillBlind(0, p, 0);
    CFixture& f = *m.pFixture;
    auto cells = [&](int nSide) {
        std::vector<int> v;
        for (int p = 0; p < 4; ++p)
            v.push_back(f.m_nScore[0][CFixture::SlotOf(nSide, p)]);
        for (int p = 0; p < 4; ++p)
            v.push_back(static_cast<int>(f.m_nAverage[0][CFixture::SlotOf(nSide, p)]));
        return v;
    };
    EXPECT_EQ(cells(0), (std::vector<int>{130, 117, 0, 0, 130, 117, 0, 0}));
    EXPECT_EQ(cells(1), (std::vector<int>{185, 130, 0, 0, 170, 130, 0, 0}));
    f.SetMatchAverages();
    EXPECT_EQ(cells(0), (std::vector<int>{130, 117, 0, 0, 130, 117, 0, 0}));
    EXPECT_EQ((std::vector<int>{int(f.m_nTeamAverage[0][0]), int(f.m_nTeamAverage[1][0])}),
              (std::vector<int>{247, 300}));
}

// A game a side defaulted without robot scores scores 0 with handicap 0 in every total, whatever
// its cells hold (a file of an earlier build kept the bowlers' handicaps and the team handicap
// there). Doubles, two games, handicap, individual points 1 a game and 1 for the series, team
// points 1 a game and 2 for the series. Side A bowls 170 and 180 twice on handicap 0. Side B
// (handicaps 20 and 30) bowls 150 and 160 in game 1 and defaults game 2, its cells holding 100
// and 100 with their handicaps.
//   Side B: game 1 310 + 50 = 360, game 2 0 (not 250), series 360; B1's series 170 (not 290).
//   Team points: game 1 side B's, 360 to 350; game 2 side A's outright; the series side A's.
//   Individual: game 1 A1's 170 ties B1's, B2's 190 beats A2's 180; game 2 side A's outright;
//   the series A1's 340 against 170 and A2's 360 against 190.
// With team handicaps the team handicap stored for the game counts for nothing either; against
// robot scores the game is the robots', its cells and handicaps counting.
TEST(ScoringMatch, AGameDefaultedWithoutRobotScoresScoresNothing)
{
    Match m(2, 2, true);
    SetPoints(m.doc.m_HcpPoints, 2, 2, 2, 4);
    m.Bowler(0, 0, 200, 0);
    m.Bowler(0, 1, 200, 0);
    m.Bowler(1, 0, 175, 20);
    m.Bowler(1, 1, 162, 30);
    m.Scores(0, 0, {170, 170});
    m.Scores(0, 1, {180, 180});
    m.Scores(1, 0, {150, 100});
    m.Scores(1, 1, {160, 100});
    CFixture& f = *m.pFixture;
    f.m_nDefaulted[1] = DefaultedBit(1);
    m.ReadyToScore();
    EXPECT_EQ(f.GetScorelessGames(1), DefaultedBit(1));
    EXPECT_EQ(f.GetScorelessGames(0), 0);
    EXPECT_EQ((std::vector<int>{f.GetGameScore(1, 0, TRUE), f.GetGameScore(1, 1, TRUE), f.GetGameHandicap(1, 1),
                                f.GetSeriesScore(1, TRUE), f.GetSeriesScore(1, FALSE), f.GetPositionSeries(1, 0, TRUE),
                                f.GetGameScore(0, 1, TRUE)}),
              (std::vector<int>{360, 0, 0, 360, 310, 170, 350}));
    m.doc.CalcMatchPoints(&f);
    EXPECT_EQ(Cells(f.m_wHandicapPoints, {{0, 5, 0}, {1, 5, 0}, {0, 5, 1}, {0, 5, 4}, {1, 5, 4}}),
              (std::vector<int>{0, 2, 2, 4, 0}));
    EXPECT_EQ(Cells(f.m_wHandicapPoints, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 1}, {0, 1, 1}, {0, 0, 4}, {0, 1, 4}}),
              (std::vector<int>{1, 1, 2, 2, 2, 2, 2}));
    ExpectMatchIdentity(f, PASS_HANDICAP);

    m.doc.m_bTeamHandicaps = 1;
    f.m_nTeamHandicap[1][0] = f.m_nTeamHandicap[1][1] = 40;
    EXPECT_EQ((std::vector<int>{f.GetGameScore(1, 0, TRUE), f.GetGameScore(1, 1, TRUE), f.GetSeriesScore(1, TRUE)}),
              (std::vector<int>{350, 0, 350}));
    m.doc.m_bTeamHandicaps = 0;

    m.doc.m_dwRobotIfDefault = 1;
    EXPECT_EQ(f.GetScorelessGames(1), 0);
    EXPECT_EQ((std::vector<int>{f.GetGameScore(1, 1, TRUE), f.GetGameHandicap(1, 1)}), (std::vector<int>{250, 50}));
}

// A blind game with a pacer beside it is its absent bowler's, on the model's own calls as on
// the scoresheet, whichever cell is worked first. The pacer (133.0, handicap 53) is put in
// before the game is marked blind, so the cell starts on his figures.
//   Singles, blind games a flat 120 on the opponent's handicap; Bowler A (100.0, handicap 80)
//   and Bowler B (110.0, 72) both blind, the pacer beside B: A takes B's 72, B takes A's 80.
//   Doubles, three games: B's second bowler is new and bowls 180, 180, blind in game 3 on his
//   average less 10 pins; his first match gives 180 (handicap 16) to every cell of his, the
//   blind one beside the pacer too: blind score 170, and the vacancy facing him on 90 % of his
//   average scores 162.
TEST(ScoringBlind, BesideAPacerTheBlindGameIsItsBowlers)
{
    using V = std::vector<int>;
    auto PaceBeside = [](Match& m, int nSide, int nPos, int g) {
        auto* pPacer = new CPlayer(91);
        pPacer->m_wFlags = PF_MALE;
        pPacer->SetEnteringAverage(1330);
        pPacer->m_nAverage = 133;
        pPacer->m_nHandicap = 53;
        m.doc.AddPlayer(pPacer);
        CFixture& f = *m.pFixture;
        const int k = CFixture::SlotOf(nSide, nPos);
        f.m_dwPosFlags[k] |= PosPacer(g);
        f.m_wPacerNo[g][k] = pPacer->m_nPlayerNo;
        f.m_pPacer[g][k] = pPacer;
        f.m_nPacerScore[g][k] = f.m_nScore[g][k] = 150;
        f.SetPacerFigures(g, k);
        ASSERT_EQ((V{f.m_nHandicap[g][k], int(f.m_nAverage[g][k])}), (V{53, 133}));
    };
    for (bool bSideBFirst : {false, true}) {
        SCOPED_TRACE(bSideBFirst ? "side B worked first" : "side A worked first");
        Match m(1, 1, true);
        m.Bowler(0, 0, 100, 80);
        m.Bowler(1, 0, 110, 72);
        PaceBeside(m, 1, 0, 0);
        m.doc.m_BlindScore[3].m_nHandicapMethod = CBlindScore::hcpOpponents;
        for (int s : {bSideBFirst ? 1 : 0, bSideBFirst ? 0 : 1})
            m.FillBlind(s, 0, 0);
        for (int s : {0, 1}) // and again, as every refresh works them
            m.FillBlind(s, 0, 0);
        EXPECT_EQ((V{m.pFixture->m_nHandicap[0][0], m.pFixture->m_nHandicap[0][MAX_POSITIONS],
                     m.pFixture->m_nPacerHandicap[0][MAX_POSITIONS]}),
                  (V{72, 80, 53}));
    }

    Match m(2, 3, true);
    m.doc.m_Robot[0].m_nKind = CRobot::kindAverageLessPercent;
    m.doc.m_Robot[0].m_nPercent = 90;
    m.doc.m_BlindScore[3].m_nMethod = CBlindScore::methodAverageLessPins;
    m.doc.m_BlindScore[3].m_nPins = 10;
    m.Bowler(0, 0, 150, 40);
    m.Bowler(0, 1, 0, 0, 1); // the vacancy
    m.Bowler(1, 0, 150, 40);
    CPlayer* pNew = m.Bowler(1, 1, 0, 0);
    m.Scores(1, 1, {180, 180});
    PaceBeside(m, 1, 1, 2);
    m.pFixture->m_dwPosFlags[CFixture::SlotOf(1, 1)] |= PosBlind(2);
    m.doc.SetNewBowlerFigures(m.pFixture, 1);
    const int k = CFixture::SlotOf(1, 1);
    EXPECT_EQ((V{pNew->m_nAverage, pNew->m_nHandicap, int(m.pFixture->m_nAverage[2][k]), m.pFixture->m_nHandicap[0][k],
                 m.pFixture->m_nPacerHandicap[2][k]}),
              (V{180, 16, 180, 16, 53}));
    m.FillBlind(1, 1, 2);
    EXPECT_EQ((V{m.pFixture->m_nScore[2][k], m.doc.CalcBlindScore(m.pFixture, 0, 1, 2, 0)}), (V{170, 162}));
}

TEST(ScoringRobot, RobotsThatCannotGainPointsAndExcludedScores)
{
    Match m(1, 1, false);
    SetPoints(m.doc.m_ScrPoints, 2, 0, 4, 0);
    m.doc.m_Robot[0].m_nKind = CRobot::kindOpponentsScore;
    m.Bowler(0, 0, 170, 0);
    m.Bowler(1, 0, 0, 0, 1);
    m.Scores(0, 0, {185});
    m.ReadyToScore();
    m.FillBlind(1, 0, 0);
    ASSERT_EQ(m.pFixture->m_nScore[0][5], 185);

    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(Cells(m.pFixture->m_wScratchPoints, {{0, 0, 0}, {1, 0, 0}}), (std::vector<int>{1, 1}));
    EXPECT_EQ(m.pFixture->m_nScratchMatchPoints[1], 3);

    // Robots cannot gain points: the bowler must beat the robot; a tie gives nothing.
    m.doc.m_bRobotsCannotGainPoints = 1;
    m.pFixture->ClearPoints(PASS_SCRATCH);
    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(Cells(m.pFixture->m_wScratchPoints, {{0, 0, 0}, {1, 0, 0}}), (std::vector<int>{0, 0}));
    // The team game is the robot's too, unless its rule excludes it from team scores.
    EXPECT_EQ(m.pFixture->m_nScratchMatchPoints[1], 2);
    m.doc.m_Robot[0].m_bExclude = 1;
    m.pFixture->ClearPoints(PASS_SCRATCH);
    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(m.pFixture->m_wScratchPoints[0][5][0], 4);
    EXPECT_EQ(m.pFixture->m_nScratchMatchPoints[1], 0);
}

// ---------------------------------------------------------------- the blind game limit

namespace {
std::vector<CString> g_questions;
BOOL g_bAnswer = FALSE;
BOOL RecordAndAnswer(const char* psz)
{
    g_questions.push_back(psz);
    return g_bAnswer;
}
} // namespace

TEST(ScoringBlind, BlindGameLimitAsksToChangePlayer)
{
    AskYesNoFn pfnOld = g_pfnScoringAskYesNo;
    g_pfnScoringAskYesNo = RecordAndAnswer;
    g_questions.clear();

    Match m(2, 3, true);
    CPlayer* p = m.Bowler(0, 1, 160, 30);
    p->m_strName = "Ann Smith";
    m.Bowler(0, 0, 160, 30);
    m.ReadyToScore();
    m.pFixture->m_dwPosFlags[CFixture::SlotOf(0, 1)] |= PosBlind(2);
    p->m_nBlindGames[PASS_SCRATCH] = 3;

    m.doc.m_nBlindGameLimit = 0;
    EXPECT_FALSE(m.pFixture->ExceedsBlindGameLimit());
    EXPECT_TRUE(g_questions.empty());

    m.doc.m_nBlindGameLimit = 4;
    EXPECT_FALSE(m.pFixture->ExceedsBlindGameLimit());
    m.doc.m_nBlindGameLimit = 3;
    g_bAnswer = TRUE;
    EXPECT_TRUE(m.pFixture->ExceedsBlindGameLimit());
    ASSERT_EQ(g_questions.size(), 1u);
    EXPECT_EQ(g_questions[0], CString("Ann Smith has exceeded the blind game limit. Click 'Yes' to change player."));
    g_bAnswer = FALSE;
    EXPECT_FALSE(m.pFixture->ExceedsBlindGameLimit());

    // Blind places standing in for a defaulted game are not the bowler's blind games.
    g_questions.clear();
    m.pFixture->m_nDefaulted[0] = DefaultedBit(2);
    EXPECT_FALSE(m.pFixture->ExceedsBlindGameLimit());
    EXPECT_TRUE(g_questions.empty());
    // Nor is a side whose result is not entered asked about.
    m.pFixture->m_nDefaulted[0] = 0;
    m.pFixture->m_bPlayed[0] = 0;
    EXPECT_FALSE(m.pFixture->ExceedsBlindGameLimit());
    EXPECT_TRUE(g_questions.empty());

    g_pfnScoringAskYesNo = pfnOld;
}

// ---------------------------------------------------------------- whole matches

// docs/scoring.md, a handicap fours match with a blind bowler.
TEST(ScoringMatch, HandicapFoursWithABlindBowler)
{
    Match m(4, 3, true);
    SetPoints(m.doc.m_HcpPoints, 2, 2, 4, 6);
    m.doc.UpdateMaxMatchPoints();
    ASSERT_EQ(m.doc.m_nMaxHandicapPoints, 50);
    CBlindScore& blind = m.doc.m_BlindScore[3];
    blind.m_nMethod = CBlindScore::methodAverageLessPins;
    blind.m_nPins = 10;
    blind.m_nHandicapMethod = CBlindScore::hcpOwnAdjusted;
    blind.m_nHandicapAdjust = -8;

    const int averages[2][4] = {{170, 160, 150, 140}, {180, 175, 165, 155}};
    for (int p = 0; p < 8; ++p)
        m.Bowler(p / 4, p % 4, averages[p / 4][p % 4], (200 - averages[p / 4][p % 4]) * 80 / 100);
    m.Scores(0, 0, {180, 170, 160});
    m.Scores(0, 1, {150, 175, 160});
    m.Scores(0, 2, {160, 140, 150});
    m.Scores(1, 0, {185, 160, 178});
    m.Scores(1, 1, {170, 150, 176});
    m.Scores(1, 2, {150, 180, 150});
    m.Scores(1, 3, {140, 150, 134});
    for (int g = 0; g < 3; ++g)
        m.FillBlind(0, 3, g);
    EXPECT_EQ(std::make_pair(int{m.pFixture->m_nScore[0][3]}, m.pFixture->m_nHandicap[2][3]), std::make_pair(130, 40));
    m.ReadyToScore();

    m.doc.CalcMatchPoints(m.pFixture);
    const CFixture& f = *m.pFixture;
    // Game 1 with handicap: 204-201, 182-190, 200-178, 170-176; team 756-745.
    // Game 3: the blind 170 ties B4's 134 + 36, half each; team 736-738 to B.
    // Series: 582-571, 581-556, 570-564, 510-532; team 2243-2223.
    EXPECT_EQ(Cells(f.m_wHandicapPoints, {{0, 0, 0}, {1, 1, 0}, {0, 2, 0}, {1, 3, 0}, {0, 5, 0},
                                          {0, 3, 2}, {1, 3, 2}, {1, 5, 2}, {0, 0, 4}, {1, 3, 4}, {0, 5, 4}}),
              (std::vector<int>{2, 2, 2, 2, 4, 1, 1, 4, 2, 2, 6}));
    EXPECT_EQ((std::vector<int>(f.m_nHandicapTotals[0], f.m_nHandicapTotals[0] + 5)),
              (std::vector<int>{8, 8, 3, 0, 12}));
    EXPECT_EQ((std::vector<int>(f.m_nHandicapTotals[1], f.m_nHandicapTotals[1] + 5)),
              (std::vector<int>{4, 4, 9, 0, 2}));
    EXPECT_EQ(std::make_pair(f.m_nHandicapMatchPoints[0], f.m_nHandicapMatchPoints[1]), std::make_pair(31, 19));
    EXPECT_EQ(f.m_bHandicapPointsDone, 1u);
    ExpectMatchIdentity(f, PASS_HANDICAP);
    EXPECT_EQ((std::vector<int>{m.pTeamA->m_nPointsWon[PASS_HANDICAP], m.pTeamA->m_nPointsLost[PASS_HANDICAP],
                                m.pTeamB->m_nPointsWon[PASS_HANDICAP], m.pTeamB->m_nPointsLost[PASS_HANDICAP]}),
              (std::vector<int>{31, 19, 19, 31}));

    // Once done, a second call books nothing more.
    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(m.pTeamA->m_nPointsWon[PASS_HANDICAP], 31);

    // Blind scores that cannot win: A4 must beat B4 and the tie of game 3 gives nothing.
    m.doc.m_HcpPoints.m_bBlindCannotWin = 1;
    m.pFixture->ClearPoints(PASS_HANDICAP);
    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(Cells(f.m_wHandicapPoints, {{0, 3, 2}, {1, 3, 2}}), (std::vector<int>{0, 0}));
    EXPECT_EQ(f.m_nHandicapMatchPoints[0], 30);
}

TEST(ScoringMatch, DefaultedGameAgainstRobotScoresOrOutright)
{
    Match m(2, 2, false);
    SetPoints(m.doc.m_ScrPoints, 2, 0, 4, 0);
    m.doc.m_Robot[0].m_nKind = CRobot::kindFlatScore;
    m.doc.m_Robot[0].m_nFlatScore = 150;
    m.doc.m_dwRobotIfDefault = 1;
    for (int p = 0; p < 4; ++p)
        m.Bowler(p / 2, p % 2, p % 2 ? 150 : 170, 0);
    m.Scores(0, 0, {160, 160});
    m.Scores(0, 1, {150, 140});
    m.Scores(1, 0, {150, 0});
    m.Scores(1, 1, {160, 0});
    // Side B defaults game 2: every place takes the defaulted-match robot's score.
    m.pFixture->m_nDefaulted[1] = DefaultedBit(1);
    const BYTE nFlag = static_cast<BYTE>((m.doc.m_dwRobotIfDefault & 0xFF) + 1);
    m.FillBlind(1, 0, 1, nFlag);
    m.FillBlind(1, 1, 1, nFlag);
    EXPECT_EQ(m.pFixture->m_nScore[1][5], 150);
    m.ReadyToScore();
    m.doc.CalcMatchPoints(m.pFixture);
    const CFixture& f = *m.pFixture;
    // Game 2: 160 beats the robot's 150; 140 does not, and the robot takes nothing; the team
    // game's 300 against the robots' 300 is not beaten.
    EXPECT_EQ(Cells(f.m_wScratchPoints, {{0, 0, 1}, {0, 1, 1}, {1, 1, 1}, {0, 5, 1}, {1, 5, 1}}),
              (std::vector<int>{2, 0, 0, 0, 0}));
    // Game 1 as usual: 160-150 to A, 150-160 to B, team 310-310 half each.
    EXPECT_EQ(Cells(f.m_wScratchPoints, {{0, 0, 0}, {1, 1, 0}, {0, 5, 0}}), (std::vector<int>{2, 2, 2}));
    EXPECT_EQ(std::make_pair(f.m_nScratchMatchPoints[0], f.m_nScratchMatchPoints[1]), std::make_pair(6, 4));
    ExpectMatchIdentity(f, PASS_SCRATCH);

    // Without robot scores the side that turned up takes the game outright.
    m.doc.m_dwRobotIfDefault = 0;
    for (int p = 0; p < 2; ++p) {
        m.pFixture->m_dwPosFlags[CFixture::SlotOf(1, p)] &= ~PosBlind(1);
        m.pFixture->m_nScore[1][CFixture::SlotOf(1, p)] = 0;
    }
    m.pFixture->m_nScore[1][CFixture::SlotOf(0, 1)] = 0; // even a bowler who scored nothing
    m.pFixture->ClearPoints(PASS_SCRATCH);
    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(Cells(f.m_wScratchPoints, {{0, 0, 1}, {0, 1, 1}, {0, 5, 1}}), (std::vector<int>{2, 2, 4}));
    EXPECT_EQ(std::make_pair(f.m_nScratchMatchPoints[0], f.m_nScratchMatchPoints[1]), std::make_pair(12, 4));

    // Both sides defaulted the game: nobody scores it.
    m.pFixture->m_nDefaulted[0] = DefaultedBit(1);
    m.pFixture->ClearPoints(PASS_SCRATCH);
    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(std::make_pair(f.m_nScratchTotals[0][1], f.m_nScratchTotals[1][1]), std::make_pair(0, 0));
}

TEST(ScoringMatch, ATieSharesEveryPointAndTheAdjustmentCounts)
{
    Match m(3, 3, false);
    SetPoints(m.doc.m_ScrPoints, 2, 2, 4, 6);
    m.doc.UpdateMaxMatchPoints();
    ASSERT_EQ(m.doc.m_nMaxScratchPoints, (2 * 3 + 2) * 3 + 4 * 3 + 6);
    for (int p = 0; p < 3; ++p) {
        m.Bowler(0, p, 160, 0);
        m.Bowler(1, p, 160, 0);
        m.Scores(0, p, {150 + p, 160, 170});
        m.Scores(1, p, {150 + p, 160, 170});
    }
    m.pFixture->m_nScratchAdjust[1] = -3;
    m.ReadyToScore();
    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(std::make_pair(m.pFixture->m_nScratchMatchPoints[0], m.pFixture->m_nScratchMatchPoints[1]),
              std::make_pair(21, 18));
    ExpectMatchIdentity(*m.pFixture, PASS_SCRATCH);
    EXPECT_EQ(m.pTeamB->m_nPointsLost[PASS_SCRATCH], 42 - 18);
}

TEST(ScoringMatch, CycleOpponentEachGame)
{
    Match m(4, 3, false);
    m.doc.m_bCycleOpponent = 1;
    SetPoints(m.doc.m_ScrPoints, 2, 2, 0, 0);
    for (int p = 0; p < 4; ++p) {
        m.Bowler(0, p, 150, 0);
        m.Bowler(1, p, 150, 0);
    }
    EXPECT_EQ((std::vector<int>{m.pFixture->GetOpponentPosition(0, 0, 1), m.pFixture->GetOpponentPosition(0, 3, 1),
                                m.pFixture->GetOpponentPosition(0, 3, 2), m.pFixture->GetOpponentPosition(1, 1, 1)}),
              (std::vector<int>{1, 0, 1, 0}));
    // B's bowlers score 110, 120, 130, 140 every game; A1 125, the others 100.
    for (int p = 0; p < 4; ++p) {
        m.Scores(1, p, {110 + 10 * p, 110 + 10 * p, 110 + 10 * p});
        m.Scores(0, p, {p ? 100 : 125, p ? 100 : 125, p ? 100 : 125});
    }
    m.ReadyToScore();
    m.doc.CalcMatchPoints(m.pFixture);
    const CFixture& f = *m.pFixture;
    // A1 meets B1 (110) in game 1, B2 (120) in game 2, B3 (130) in game 3; in game 2 B1 meets
    // A4, in game 3 A3; the series keeps the game-1 pairing: A1 375 against B1 330.
    EXPECT_EQ(Cells(f.m_wScratchPoints,
                    {{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {1, 2, 2}, {1, 0, 1}, {1, 0, 2}, {0, 0, 4}, {1, 0, 4}}),
              (std::vector<int>{2, 2, 0, 2, 2, 2, 2, 0}));
    ExpectMatchIdentity(f, PASS_SCRATCH);
}

TEST(ScoringMatch, PinfallPointsInBothRemainingPinsModes)
{
    Match m(3, 2, false);
    SetPoints(m.doc.m_ScrPoints, 0, 0, 0, 2);
    m.doc.m_Petersen.m_bScratch = 1;
    m.doc.m_Petersen.m_bColumn[PASS_SCRATCH][4] = 1;
    m.doc.m_Petersen.m_nPinsPerPoint[PASS_SCRATCH][4] = 50;
    m.doc.m_Petersen.m_bColumn[PASS_SCRATCH][0] = 1;
    m.doc.m_Petersen.m_nPinsPerPoint[PASS_SCRATCH][0] = 100;
    for (int p = 0; p < 3; ++p) {
        m.Bowler(0, p, 200, 0);
        m.Bowler(1, p, 200, 0);
    }
    // Side A: games of 617, series 1234. Side B: 600 and 500, series 1100.
    const int scores[6][2] = {{206, 206}, {205, 205}, {206, 206}, {200, 200}, {200, 150}, {200, 150}};
    for (int p = 0; p < 6; ++p)
        m.Scores(p / 3, p % 3, {scores[p][0], scores[p][1]});
    m.ReadyToScore();

    m.doc.CalcMatchPoints(m.pFixture);
    const CFixture& f = *m.pFixture;
    // Series 1234 at 50 pins a point: 24 points and 34 pins at 0.01 each; team series 1 point.
    // Game 1 at 100 pins a point: 6.17 and 6.00.
    EXPECT_EQ(Cells(f.m_wScratchPoints, {{0, 5, 4}, {1, 5, 4}, {0, 5, 0}, {1, 5, 0}}),
              (std::vector<int>{2434 + 100, 2200, 617, 600}));
    EXPECT_EQ(f.m_nScratchMatchPoints[0], 617 + 2534);
    ExpectMatchIdentity(f, PASS_SCRATCH);

    m.doc.m_Petersen.m_nRemainderMode = 1;
    m.pFixture->ClearPoints(PASS_SCRATCH);
    m.doc.CalcMatchPoints(m.pFixture);
    // 34 pins of 50 are 0.68 of a point.
    EXPECT_EQ(Cells(f.m_wScratchPoints, {{0, 5, 4}, {0, 5, 0}}), (std::vector<int>{2468 + 100, 617}));
    // Points lost are in hundredths too, and never below 0: the maximum (1 point, 100) leaves
    // pinfall points out, so B's 28.00 a match lose nothing.
    EXPECT_EQ((std::vector<int>{m.pTeamB->m_nPointsWon[PASS_SCRATCH], m.pTeamB->m_nPointsLost[PASS_SCRATCH]}),
              (std::vector<int>{2 * 2800, 0}));
}

TEST(ScoringMatch, BonusRulesOverAndEqualsAverage)
{
    Match m(2, 3, false);
    SetPoints(m.doc.m_ScrPoints, 0, 0, 4, 0);
    // Kind, series, handicap, pins, points; a new rule is "over average" by 0, every category.
    auto addRule = [&](BYTE nKind, BYTE bSeries, BYTE bHandicap, WORD nPins, BYTE nPoints) {
        auto* p = new CBonusPts;
        std::tie(p->m_nKind, p->m_bSeries, p->m_bHandicap, p->m_nPins, p->m_nPoints) =
            std::make_tuple(nKind, bSeries, bHandicap, nPins, nPoints);
        m.doc.m_listBonusPts.AddTail(p);
    };
    addRule(CBonusPts::kindOverAverage, 0, 0, 25, 2);
    addRule(CBonusPts::kindEqualsAverage, 0, 0, 0, 1);
    addRule(CBonusPts::kindOverAverage, 1, 0, 30, 4);
    addRule(CBonusPts::kindOverAverage, 0, 1, 0, 8);
    m.doc.m_bBonusHiTeamGameScr = 1;
    m.doc.m_nBonusHiTeamGameScrPts = 2;

    EXPECT_EQ(m.doc.GetMaxBonusPointsPerMatch(PASS_SCRATCH), (2u * 3 + 1u * 3 + 4u) * 2 + 2u);

    const int averages[4] = {160, 150, 170, 140};
    for (int p = 0; p < 4; ++p)
        m.Bowler(p / 2, p % 2, averages[p], 0);
    m.Scores(0, 0, {186, 185, 160});   // 186 earns the over rule, 185 not, 160 equals
    m.Scores(0, 1, {150, 150, 150});
    m.Scores(1, 0, {170, 210, 140});   // series 520 against 510 + 30: no series bonus
    m.Scores(1, 1, {200, 100, 100});
    m.ReadyToScore();
    m.doc.CalcMatchPoints(m.pFixture);
    const CFixture& f = *m.pFixture;
    // A1's series 531 beats 480 + 30. Row 7 holds the column sums, row 6 stays 0.
    EXPECT_EQ(Cells(f.m_wScratchBonus, {{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 4}, {0, 1, 1}, {1, 0, 1}, {1, 0, 0},
                                        {1, 1, 0}, {1, 0, 4}, {0, 6, 0}, {0, 5, 0}}),
              (std::vector<int>{2, 0, 1, 4, 1, 2, 1, 2, 0, 2 + 1, 0}));
    // Both tables agree.
    for (int s = 0; s < 2; ++s)
        for (int r = 0; r < POINTS_ROWS; ++r)
            for (int c = 0; c < POINTS_COLS; ++c)
                EXPECT_EQ(f.m_wScratchBonus[s][r][c], f.m_wHandicapBonus[s][r][c]);
    // Team games 336-370, 335-310, 310-240: best 336 against 370, the bonus to B.
    const int nBonusA = 2 + 1 + 1 + 1 + 1 + 4, nBonusB = 1 + 2 + 2;
    EXPECT_EQ(std::make_pair(f.m_nScratchBonusPoints[0], f.m_nScratchBonusPoints[1]),
              std::make_pair(nBonusA, nBonusB + 2));
    ExpectMatchIdentity(f, PASS_SCRATCH);

    // "Accept equal scores": reaching the mark is enough.
    m.doc.m_bBonusAcceptEqual = 1;
    m.Scores(0, 0, {185, 184, 185});
    m.pFixture->ClearPoints(PASS_SCRATCH);
    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(Cells(f.m_wScratchBonus, {{0, 0, 0}, {0, 0, 1}, {0, 0, 2}}), (std::vector<int>{2, 0, 2}));
}

TEST(ScoringMatch, WhichPassAMatchScoresIn)
{
    Match m(1, 1, true);
    m.doc.m_bScratchLeague = 1;
    SetPoints(m.doc.m_HcpPoints, 0, 0, 4, 0);
    SetPoints(m.doc.m_ScrPoints, 0, 0, 4, 0);
    m.Bowler(0, 0, 150, 10);
    m.Bowler(1, 0, 150, 10);
    m.Scores(0, 0, {160});
    m.Scores(1, 0, {150});
    m.pFixture->m_bPositionRound = 1;
    m.pFixture->m_bPositionRoundScratch = 1;

    // Not eligible, or one side not entered: nothing.
    m.pFixture->m_bPlayed[0] = m.pFixture->m_bPlayed[1] = 1;
    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(m.pFixture->m_bHandicapPointsDone, 0u);
    m.ReadyToScore();
    m.doc.CalcMatchPoints(m.pFixture);   // a scratch position round in the handicap pass
    EXPECT_EQ(m.pFixture->m_bHandicapPointsDone, 0u);
    EXPECT_EQ(m.pTeamA->m_nPointsWon[PASS_HANDICAP], 0);
    m.doc.m_bPositionBothWays = 1;
    m.doc.CalcMatchPoints(m.pFixture);
    EXPECT_EQ(m.pTeamA->m_nPointsWon[PASS_HANDICAP], 4);

    EXPECT_TRUE(m.doc.ScoresInPass(m.pFixture, PASS_SCRATCH));
    m.pFixture->m_bPositionRound = 0;
    m.pFixture->m_bOneSystem = 1;
    m.pFixture->m_bOneSystemScratch = 0;
    EXPECT_FALSE(m.doc.ScoresInPass(m.pFixture, PASS_SCRATCH));
    m.doc.m_bOneSystemOverride = 1;
    EXPECT_TRUE(m.doc.ScoresInPass(m.pFixture, PASS_SCRATCH));
}

TEST(ScoringMatch, PointsWonAndLostAddUpToMatchesTimesTheMaximum)
{
    Match m(2, 3, true);
    SetPoints(m.doc.m_HcpPoints, 2, 2, 4, 6);
    m.doc.UpdateMaxMatchPoints();
    const int nMax = m.doc.m_nMaxHandicapPoints;
    ASSERT_EQ(nMax, (2 * 3 + 2) * 2 + 4 * 3 + 6);
    CFixture* fixtures[3] = {m.pFixture, m.AddFixture(), m.AddFixture()};
    const int scores[3][4] = {{150, 160, 170, 180}, {200, 100, 150, 150}, {170, 170, 170, 170}};
    for (int i = 0; i < 3; ++i) {
        CFixture* f = fixtures[i];
        f->m_nRound = static_cast<BYTE>(i + 1);
        for (int p = 0; p < 2; ++p) {
            m.Bowler(0, p, 160, 30 + 5 * i, 0, f);
            m.Bowler(1, p, 165, 28, 0, f);
            m.Scores(0, p, {scores[i][p], scores[i][p + 1], scores[i][p + 2]}, f);
            m.Scores(1, p, {scores[i][3 - p], scores[i][2 - p], scores[i][1]}, f);
        }
        f->m_nHandicapAdjust[0] = i == 1 ? 3 : 0;
        m.ReadyToScore(f);
        m.doc.CalcMatchPoints(f);
        ExpectMatchIdentity(*f, PASS_HANDICAP);
    }
    for (CTeam* t : {m.pTeamA, m.pTeamB})
        EXPECT_EQ(t->m_nPointsWon[PASS_HANDICAP] + t->m_nPointsLost[PASS_HANDICAP], 3 * nMax);
}

TEST(ScoringMatch, MaximumPointsPerMatch)
{
    CBowlingDoc doc;
    doc.m_nPlayersPerTeam = 4;
    doc.m_nGamesPerMatch = 3;
    SetPoints(doc.m_HcpPoints, 2, 2, 4, 6);
    doc.m_HcpPoints.m_nIndividualGame[3] = 10; // beyond the games per match: not counted
    EXPECT_EQ(doc.GetMaxHandicapPointsPerMatch(), 50u);
    doc.m_HcpPoints.m_bTeam = 0;
    EXPECT_EQ(doc.GetMaxHandicapPointsPerMatch(), 32u);
    SetPoints(doc.m_ScrPoints, 0, 0, 2, 2);
    // Each system's highest-team-game bonus goes to its own most only.
    doc.m_bBonusHiTeamGameHcp = 1;
    doc.m_nBonusHiTeamGameHcpPts = 4;
    EXPECT_EQ(doc.GetMaxScratchPointsPerMatch(), 8u);
    doc.UpdateMaxMatchPoints();
    EXPECT_EQ(std::make_pair(int{doc.m_nMaxHandicapPoints}, int{doc.m_nMaxScratchPoints}), std::make_pair(36, 8));
}

// Blind scores barred: a series with a blind game in it cannot win, and the other side must beat
// its total. A1 180, 170 and a blind 150 (500); B1 160 three times (480).
TEST(ScoringMatch, ASeriesWithABarredBlindGameMustBeBeaten)
{
    Match m(1, 3, false);
    SetPoints(m.doc.m_ScrPoints, 2, 4, 0, 0);
    m.doc.m_ScrPoints.m_bBlindCannotWin = 1;
    m.doc.m_BlindScore[3].m_nFlatScore = 150;
    m.Bowler(0, 0, 170, 0);
    m.Bowler(1, 0, 160, 0);
    m.Scores(0, 0, {180, 170});
    m.Scores(1, 0, {160, 160, 160});
    m.FillBlind(0, 0, 2);
    m.ReadyToScore();
    m.doc.CalcMatchPoints(m.pFixture);
    // A1 takes games 1 and 2; B1 game 3 by beating 150; nobody the series.
    EXPECT_EQ(Cells(m.pFixture->m_wScratchPoints, {{0, 0, 0}, {0, 0, 1}, {1, 0, 2}, {0, 0, 2}, {0, 0, 4}, {1, 0, 4}}),
              (std::vector<int>{2, 2, 2, 0, 0, 0}));
}
