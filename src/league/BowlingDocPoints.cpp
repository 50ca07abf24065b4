// The scoring engine: blind, vacancy and robot scores, the blind game limit, match points with
// bonus and pinfall points, and the maximum points of a match.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Scoring.h"
#include "league/Team.h"

#include "framework/ui/Dialog.h"

#include <algorithm>

namespace {

BOOL AskWithMessageBox(const char* pszQuestion)
{
    return AfxMessageBox(pszQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

int PassOf(const CBowlingDoc& doc) { return doc.m_bHandicapPass ? PASS_HANDICAP : PASS_SCRATCH; }

} // namespace

AskYesNoFn g_pfnScoringAskYesNo = AskWithMessageBox;

// ---------------------------------------------------------------- team scores

void GetTeamGameScores(const CFixture& f, int nSide, int nScratch[MAX_GAMES], int nWithHandicap[MAX_GAMES])
{
    for (int g = 0; g < MAX_GAMES; ++g)
        nScratch[g] = nWithHandicap[g] = 0;
    const CBowlingDoc* pDoc = f.m_pDoc;
    if (nSide < 0 || nSide > 1 || !f.m_bPlayed[nSide])
        return;
    // Every position counts unless a robot rule leaves its scores out of the team's; with
    // such a rule, or a fixture outside a league, the scores are GetGameScore's own.
    const int n = f.m_nPlayers;
    bool bEveryPosition = pDoc && n <= MAX_POSITIONS;
    for (int r = 1; r <= 4 && bEveryPosition; ++r)
        bEveryPosition = !pDoc->m_Robot[r - 1].m_bExclude; // GetRobot(r)
    const int nGames = f.GetLeagueGames();
    if (!bEveryPosition) {
        for (int g = 0; g < nGames; ++g) {
            nScratch[g] = f.GetGameScore(nSide, g, FALSE);
            nWithHandicap[g] = f.GetGameScore(nSide, g, TRUE);
        }
        return;
    }
    const bool bTeamHcp = pDoc->m_bTeamHandicaps != 0;
    const BYTE nScoreless = f.GetScorelessGames(nSide);
    for (int g = 0; g < nGames; ++g) {
        if (nScoreless & DefaultedBit(g))
            continue; // 0 with handicap 0
        int nPins = 0, nHandicap = 0;
        for (int p = 0; p < MAX_POSITIONS; ++p) // a fixed count, unrolled
            if (p < n) {
                const int k = CFixture::SlotOf(nSide, p);
                nPins += f.m_nScore[g][k];
                nHandicap += f.m_nHandicap[g][k];
            }
        nScratch[g] = nPins;
        nWithHandicap[g] = nPins + (bTeamHcp ? static_cast<int>(f.m_nTeamHandicap[nSide][g]) : nHandicap);
    }
}

// ---------------------------------------------------------------- blind and robot scores

const CBlindScore& CBowlingDoc::GetBlindRule(WORD wCategoryFlags) const
{
    if (m_bOneBlindRuleForAll)
        return m_BlindScore[3];
    if (wCategoryFlags & PF_JUNIOR)
        return m_BlindScore[2];
    if (wCategoryFlags & PF_FEMALE)
        return m_BlindScore[1];
    return m_BlindScore[0];
}

namespace {

struct SlotRef
{
    CFixture* pFixture;
    int nSide, nPos, nGame, k, kOpp;
};

SlotRef MakeSlotRef(CFixture* pFixture, int nSide, int nPos, int nGame)
{
    SlotRef r{pFixture, nSide, nPos, nGame, CFixture::SlotOf(nSide, nPos), 0};
    r.kOpp = CFixture::SlotOf(1 - nSide, pFixture->GetOpponentPosition(nSide, nPos, nGame));
    return r;
}

// A vacancy's or robot's score, and the average it is scored on, which its cell records.
int RobotScore(const CRobot& robot, const SlotRef& r)
{
    CFixture& f = *r.pFixture;
    const int nAverage = f.GetRobotAverage(robot, r.nSide, r.nPos, r.nGame);
    f.m_nAverage[r.nGame][r.k] = static_cast<DWORD>(nAverage);
    return robot.m_nKind == CRobot::kindOpponentsScore ? f.m_nScore[r.nGame][r.kOpp] : nAverage;
}

bool ValidSlot(const CFixture* pFixture, int nSide, int nPos, int nGame)
{
    return pFixture && nSide >= 0 && nSide <= 1 && nPos >= 0 && nPos < MAX_POSITIONS && nGame >= 0 &&
           nGame < MAX_GAMES;
}

} // namespace

int CBowlingDoc::CalcBlindScore(CFixture* pFixture, int nSide, int nPos, int nGame, BYTE nDefaulted)
{
    if (!ValidSlot(pFixture, nSide, nPos, nGame))
        return 0;
    const SlotRef r = MakeSlotRef(pFixture, nSide, nPos, nGame);
    CPlayer* pPlayer = pFixture->GetSlotPlayer(nGame, r.k);
    const CRobot* pRobot = nullptr;
    if (nDefaulted != 0)
        pRobot = GetRobot(GetDefaultedRobotNumber());
    else if (pPlayer && pPlayer->IsRobot())
        pRobot = GetRobot(pPlayer->m_nRobot);
    if (nDefaulted != 0 || (pPlayer && pPlayer->IsRobot()))
        return pRobot ? RobotScore(*pRobot, r) : 0;

    const CBlindScore& rule = GetBlindRule(pPlayer ? pPlayer->m_wFlags : 0);
    int nAverage = static_cast<int>(pFixture->m_nAverage[nGame][r.k]);
    if (nAverage == 0 && pPlayer)
        nAverage = pPlayer->m_nAverage;
    int nScore = rule.m_nFlatScore;
    switch (rule.m_nMethod) {
    case CBlindScore::methodAverageLessPercent:
        nScore = ToGameFigure(nAverage - static_cast<long long>(nAverage) * rule.m_nPercent / 100);
        break;
    case CBlindScore::methodAverageLessPins:
        nScore = nAverage - static_cast<int>(rule.m_nPins);
        break;
    case CBlindScore::methodIncremental: {
        const int pass = PassOf(*this);
        int nEarlier = 0;
        if (m_bBlindGamesPerTeam) {
            if (const CTeam* pTeam = pFixture->GetSideTeam(nSide))
                nEarlier = pTeam->m_nBlindGames[pass];
        } else if (pPlayer) {
            // His blind games of the pass so far, and those earlier in this match, which the
            // pass has not counted yet (the team's count runs on as the scoresheet goes).
            nEarlier = pPlayer->m_nBlindGames[pass];
            for (int e = 0; e < nGame; ++e)
                for (int p = 0; p < std::min<int>(pFixture->m_nPlayers, MAX_POSITIONS); ++p) {
                    const int k = CFixture::SlotOf(nSide, p);
                    nEarlier += (pFixture->m_dwPosFlags[k] & PosBlind(e)) &&
                                !(pFixture->m_nDefaulted[nSide] & DefaultedBit(e)) &&
                                pFixture->GetSlotPlayer(e, k) == pPlayer;
                }
        }
        nScore = ToGameFigure(nAverage - static_cast<long long>(rule.m_nStep) * (static_cast<long long>(nEarlier) + 1));
        break;
    }
    default:
        break;
    }
    if (nScore < 1)
        nScore = rule.m_nFlatScore;
    if (m_nMaxBlindScore != 0 && nScore > m_nMaxBlindScore)
        nScore = m_nMaxBlindScore;
    return nScore;
}

int CBowlingDoc::CalcBlindHandicap(CFixture* pFixture, int nSide, int nPos, int nGame, BYTE nDefaulted)
{
    if (!m_bHandicapLeague || !ValidSlot(pFixture, nSide, nPos, nGame))
        return 0;
    const SlotRef r = MakeSlotRef(pFixture, nSide, nPos, nGame);
    const CPlayer* pPlayer = pFixture->GetSlotPlayer(nGame, r.k);
    if (nDefaulted != 0 || (pPlayer && pPlayer->IsRobot())) {
        const CRobot* pRobot = GetRobot(nDefaulted != 0 ? GetDefaultedRobotNumber() : pPlayer->m_nRobot);
        return pRobot ? ToHandicap(pRobot->m_nFlatHandicap) : 0;
    }
    const CBlindScore& rule = GetBlindRule(pPlayer ? pPlayer->m_wFlags : 0);
    switch (rule.m_nHandicapMethod) {
    case CBlindScore::hcpOwnAdjusted:
        // From the bowler, not the slot: a refresh must not adjust an adjusted figure again.
        return ToHandicap(static_cast<long long>(pPlayer ? pPlayer->m_nHandicap : 0) + rule.m_nHandicapAdjust);
    case CBlindScore::hcpOpponents: {
        // Two blind games on each other's handicap: each takes the other absent bowler's own,
        // whatever a pacer beside him bowled on.
        const int nOppPos = pFixture->GetOpponentPosition(nSide, nPos, nGame);
        const CBowledGame opp = pFixture->GetCellGame(1 - nSide, nOppPos, nGame);
        if (opp.bBlind && !opp.bDefaulted && opp.pBowler && !opp.pBowler->IsRobot() &&
            GetBlindRule(opp.pBowler->m_wFlags).m_nHandicapMethod == CBlindScore::hcpOpponents)
            return opp.pBowler->m_nHandicap;
        return pFixture->m_nHandicap[nGame][r.kOpp];
    }
    default:
        return ToHandicap(rule.m_nFlatHandicap);
    }
}

// ---------------------------------------------------------------- blind game limit

BOOL CPlayer::CheckBlindGameLimit()
{
    if (IsRobot() || !m_pDoc || m_pDoc->m_nBlindGameLimit == 0)
        return FALSE;
    const WORD nLimit = m_pDoc->m_nBlindGameLimit;
    if (m_nBlindGames[PASS_HANDICAP] < nLimit && m_nBlindGames[PASS_SCRATCH] < nLimit)
        return FALSE;
    CString strQuestion = m_strName + " has exceeded the blind game limit. Click 'Yes' to change player.";
    return g_pfnScoringAskYesNo && g_pfnScoringAskYesNo(strQuestion);
}

BOOL CFixture::ExceedsBlindGameLimit(const CFixture* pAnswered)
{
    if (!m_pDoc || m_pDoc->m_nBlindGameLimit == 0)
        return FALSE;
    // The bowler whose blind game a cell of an entered side holds; a defaulted game's blind
    // places are the robot's, not the bowler's blind games.
    const auto blindBowler = [](const CFixture& f, int s, int k, int g) -> CPlayer* {
        if (!f.m_bPlayed[s] || !(f.m_dwPosFlags[k] & PosBlind(g)) || (f.m_nDefaulted[s] & DefaultedBit(g)))
            return nullptr;
        return f.GetSlotPlayer(g, k);
    };
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < std::min<int>(m_nPlayers, MAX_POSITIONS); ++p) {
            const int k = SlotOf(s, p);
            for (int g = 0; g < std::min<int>(m_nGames, MAX_GAMES); ++g) {
                CPlayer* pPlayer = blindBowler(*this, s, k, g);
                // A blind game the match already held was answered when it was entered.
                if (!pPlayer || (pAnswered && blindBowler(*pAnswered, s, k, g) == pPlayer))
                    continue;
                if (pPlayer->CheckBlindGameLimit())
                    return TRUE;
            }
        }
    return FALSE;
}

// ---------------------------------------------------------------- maximum points

BOOL CBowlingDoc::WorksBonusRules(int nPass) const
{
    return !HasBothScoringSystems() || nPass == PASS_SCRATCH;
}

DWORD CBowlingDoc::GetMaxBonusPointsPerMatch(int nPass) const
{
    const DWORD nGames = std::clamp<int>(m_nGamesPerMatch, 0, MAX_GAMES);
    DWORD nMax = 0;
    // A rule marked handicap is never worked, so it can win nothing.
    for (POSITION pos = m_listBonusPts.GetHeadPosition(); pos && WorksBonusRules(nPass);) {
        const CBonusPts* pRule = static_cast<const CBonusPts*>(m_listBonusPts.GetNext(pos));
        if (!pRule || pRule->m_bHandicap)
            continue;
        nMax += static_cast<DWORD>(pRule->m_nPoints) * (pRule->m_bSeries ? 1 : nGames) * m_nPlayersPerTeam;
    }
    if (nPass == PASS_HANDICAP ? m_bBonusHiTeamGameHcp : m_bBonusHiTeamGameScr)
        nMax += nPass == PASS_HANDICAP ? m_nBonusHiTeamGameHcpPts : m_nBonusHiTeamGameScrPts;
    return nMax;
}

namespace {

DWORD MaxPointsOf(const CBowlingDoc& doc, int nPass)
{
    const CPointsRule& rule = nPass == PASS_HANDICAP ? doc.m_HcpPoints : doc.m_ScrPoints;
    const int nGames = std::clamp<int>(doc.m_nGamesPerMatch, 0, MAX_GAMES);
    DWORD nMax = 0;
    if (rule.m_bTeam) {
        for (int g = 0; g < nGames; ++g)
            nMax += rule.m_nTeamGame[g];
        nMax += rule.m_nTeamSeries;
    }
    if (rule.m_bIndividual) {
        DWORD nOne = rule.m_nIndividualSeries;
        for (int g = 0; g < nGames; ++g)
            nOne += rule.m_nIndividualGame[g];
        nMax += nOne * doc.m_nPlayersPerTeam;
    }
    return nMax + doc.GetMaxBonusPointsPerMatch(nPass);
}

} // namespace

DWORD CBowlingDoc::GetMaxHandicapPointsPerMatch() const { return MaxPointsOf(*this, PASS_HANDICAP); }
DWORD CBowlingDoc::GetMaxScratchPointsPerMatch() const { return MaxPointsOf(*this, PASS_SCRATCH); }

void CBowlingDoc::UpdateMaxMatchPoints()
{
    // Kept within what a league file holds: many bonus rules at their most would pass it.
    m_nMaxHandicapPoints = static_cast<int>(std::min<DWORD>(GetMaxHandicapPointsPerMatch(), kMaxMatchPointsStored));
    m_nMaxScratchPoints = static_cast<int>(std::min<DWORD>(GetMaxScratchPointsPerMatch(), kMaxMatchPointsStored));
}

BOOL CBowlingDoc::UsesPinfallPoints(int nPass) const
{
    return nPass == PASS_HANDICAP ? m_Petersen.m_bHandicap != 0 : m_Petersen.m_bScratch != 0;
}

int CBowlingDoc::GetMaxMatchPointsInUnits(int nPass) const
{
    int nMax = nPass == PASS_HANDICAP ? m_nMaxHandicapPoints : m_nMaxScratchPoints;
    // A league whose maximum was never kept (0) would book every match as a gain.
    if (nMax == 0)
        nMax = static_cast<int>(nPass == PASS_HANDICAP ? GetMaxHandicapPointsPerMatch() : GetMaxScratchPointsPerMatch());
    return UsesPinfallPoints(nPass) ? nMax * 50 : nMax;
}

// ---------------------------------------------------------------- match points

BOOL CBowlingDoc::ScoresInPass(const CFixture* pFixture, int nPass) const
{
    if (!pFixture)
        return FALSE;
    // A position-round match follows its round alone: a one-system mark naming the other
    // system would leave it scoring nowhere.
    if (pFixture->m_bPositionRound)
        return m_bPositionBothWays || (pFixture->m_bPositionRoundScratch ? PASS_SCRATCH : PASS_HANDICAP) == nPass;
    if (pFixture->m_bOneSystem && !m_bOneSystemOverride) {
        const int nOnly = pFixture->m_bOneSystemScratch ? PASS_SCRATCH : PASS_HANDICAP;
        if (nOnly != nPass)
            return FALSE;
    }
    return TRUE;
}

namespace {

// Who takes nPoints between scores a and b. A side that cannot win takes nothing, and the
// other must beat its score; bOutright gives the points to the side that can win whatever
// the scores (a game the opponents defaulted without robot scores).
// The scores fall either way at random, so the comparisons are worked as numbers, not
// branches: a full recalculation awards every game of every match.
void Award(int a, int b, bool bCanA, bool bCanB, bool bOutright, int nPoints, int& nA, int& nB)
{
    const int nWinA = a > b, nWinB = b > a, nTie = a == b;
    if (bCanA && bCanB) {
        nA = nWinA * nPoints + nTie * (nPoints / 2);
        nB = nWinB * nPoints + nTie * (nPoints / 2);
    } else {
        nA = bCanA * (bOutright | nWinA) * nPoints;
        nB = bCanB * (bOutright | nWinB) * nPoints;
    }
}

int PinfallPoints(int nPins, int nPinsPerPoint, DWORD nMode)
{
    if (nPinsPerPoint <= 0 || nPins <= 0)
        return 0;
    const int nWhole = nPins / nPinsPerPoint;
    const int nLeft = nPins % nPinsPerPoint;
    return nWhole * 100 + (nMode ? nLeft * 100 / nPinsPerPoint : nLeft);
}

// The individual bonus rules of one match into rows 1-5 of both bonus tables (the same
// values), with the column sums in row 7.
void CalcIndividualBonus(const CBowlingDoc& doc, CFixture& f, int nUnit)
{
    const int nGames = f.GetLeagueGames();
    const int n = std::clamp<int>(f.m_nPlayers, 0, MAX_POSITIONS);
    const int BONUS_ROW = POINTS_ROWS - 1;
    POSITION pos = doc.m_listBonusPts.GetHeadPosition();
    while (pos) {
        const CBonusPts* pRule = static_cast<const CBonusPts*>(doc.m_listBonusPts.GetNext(pos));
        if (!pRule || pRule->m_bHandicap)
            continue;
        // Reaching the mark of an over-average rule is enough with "accept equal scores".
        auto Earns = [&](int nScore, int nAverage) {
            if (pRule->m_nKind == CBonusPts::kindEqualsAverage)
                return nScore == nAverage;
            const int nMark = nAverage + pRule->m_nPins;
            return doc.m_bBonusAcceptEqual ? nScore >= nMark : nScore > nMark;
        };
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < n; ++p) {
                int nSeries = 0, nAverages = 0;
                bool bWholeSeries = nGames > 0;
                for (int g = 0; g < nGames; ++g) {
                    // A pacer's game is judged on the pacer: his category and his average, even
                    // where pacers' games are left out of his own figures.
                    const CBowledGame b = f.GetBowledGame(s, p, g);
                    const bool bCounts = b.pBowler && f.IsBowledGame(s, p, g) &&
                                         (b.pBowler->m_wFlags & pRule->m_wCategoryMask) != 0 && b.nAverage != 0;
                    if (!bCounts) {
                        bWholeSeries = false;
                        continue;
                    }
                    nSeries += b.nScore;
                    nAverages += b.nAverage;
                    if (!pRule->m_bSeries && Earns(b.nScore, b.nAverage)) {
                        int& nCell = f.m_wScratchBonus[s][p][g];
                        nCell = ToPointsFigure(static_cast<long long>(nCell) + pRule->m_nPoints * nUnit);
                        f.m_wHandicapBonus[s][p][g] = f.m_wScratchBonus[s][p][g];
                    }
                }
                if (pRule->m_bSeries && bWholeSeries && Earns(nSeries, nAverages)) {
                    int& nCell = f.m_wScratchBonus[s][p][4];
                    nCell = ToPointsFigure(static_cast<long long>(nCell) + pRule->m_nPoints * nUnit);
                    f.m_wHandicapBonus[s][p][4] = f.m_wScratchBonus[s][p][4];
                }
            }
    }
    for (int s = 0; s < 2; ++s)
        for (int c = 0; c < POINTS_COLS; ++c) {
            long long nSum = 0;
            for (int p = 0; p < MAX_POSITIONS; ++p)
                nSum += f.m_wScratchBonus[s][p][c];
            f.m_wScratchBonus[s][BONUS_ROW][c] = ToPointsFigure(nSum);
            f.m_wHandicapBonus[s][BONUS_ROW][c] = ToPointsFigure(nSum);
        }
}

} // namespace

void CBowlingDoc::CalcMatchPoints(CFixture* pFixture)
{
    if (!pFixture)
        return;
    const int pass = PassOf(*this);
    CFixture& f = *pFixture;
    if (!f.m_bPlayed[0] || !f.m_bPlayed[1] || !f.m_dwPointsEligible[0] || !f.m_dwPointsEligible[1])
        return;
    if ((pass == PASS_HANDICAP ? f.m_bHandicapPointsDone : f.m_bScratchPointsDone) || !ScoresInPass(pFixture, pass))
        return;

    const bool bHcp = pass == PASS_HANDICAP;
    auto& points = bHcp ? f.m_wHandicapPoints : f.m_wScratchPoints;
    auto& totals = bHcp ? f.m_nHandicapTotals : f.m_nScratchTotals;
    int* pMatchPoints = bHcp ? f.m_nHandicapMatchPoints : f.m_nScratchMatchPoints;
    int* pBonusPoints = bHcp ? f.m_nHandicapBonusPoints : f.m_nScratchBonusPoints;
    const int* pAdjust = bHcp ? f.m_nHandicapAdjust : f.m_nScratchAdjust;
    for (int s = 0; s < 2; ++s)
        for (int r = 0; r < POINTS_ROWS; ++r)
            for (int c = 0; c < POINTS_COLS; ++c) {
                points[s][r][c] = 0;
                f.m_wScratchBonus[s][r][c] = 0;
                f.m_wHandicapBonus[s][r][c] = 0;
            }

    const CPointsRule& rule = bHcp ? m_HcpPoints : m_ScrPoints;
    const bool bPinfall = UsesPinfallPoints(pass) != 0;
    const int nUnit = bPinfall ? 50 : 1; // half points to hundredths
    const int nGames = f.GetLeagueGames();
    const int n = std::clamp<int>(f.m_nPlayers, 0, MAX_POSITIONS);
    const bool bRobotScores = m_dwRobotIfDefault != 0;
    const bool bIndividualHcp = bHcp && !m_bTeamHandicaps;
    const bool bCycle = f.m_pDoc && f.m_pDoc->m_bCycleOpponent; // else each meets his own position

    auto Defaulted = [&](int s, int g) { return (f.m_nDefaulted[s] & DefaultedBit(g)) != 0; };
    auto AllDefaulted = [&](int s) {
        for (int g = 0; g < nGames; ++g)
            if (!Defaulted(s, g))
                return false;
        return nGames > 0;
    };
    // Individual points.
    if (rule.m_bIndividual) {
        // Each position's score and whether it may take points, worked once: robots may not
        // when they cannot gain points, blind scores when those cannot win.
        int nPosScore[2][MAX_POSITIONS][MAX_GAMES];
        bool bPosCanWin[2][MAX_POSITIONS][MAX_GAMES] = {};
        const bool bRobotsBarred = m_bRobotsCannotGainPoints != 0;
        const bool bBlindBarred = rule.m_bBlindCannotWin != 0;
        const bool bAnyBarred = bRobotsBarred || bBlindBarred; // else no bowler to look up
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < n; ++p) {
                const int k = CFixture::SlotOf(s, p);
                const BYTE nScoreless = f.GetScorelessGames(s);
                for (int g = 0; g < nGames; ++g)
                    nPosScore[s][p][g] = (nScoreless & DefaultedBit(g))
                                             ? 0
                                             : f.m_nScore[g][k] + (bIndividualHcp ? f.m_nHandicap[g][k] : 0);
                if (!bAnyBarred)
                    continue;
                const DWORD dwFlags = f.m_dwPosFlags[k];
                for (int g = 0; g < nGames; ++g) {
                    const CPlayer* pPlayer = f.GetSlotPlayer(g, k);
                    const bool bRobot = pPlayer && pPlayer->IsRobot();
                    bPosCanWin[s][p][g] = !(bRobot && bRobotsBarred) && !(bBlindBarred && (dwFlags & PosBlind(g)) && !bRobot);
                }
            }
        auto PositionCanWin = [&](int s, int p, int g) { return !bAnyBarred || bPosCanWin[s][p][g]; };
        auto GameScore = [&](int s, int p, int g) { return nPosScore[s][p][g]; };

        BYTE nGamesMask = 0;
        for (int g = 0; g < nGames; ++g)
            nGamesMask |= DefaultedBit(g);
        // The usual match, each position against its own opposite with nobody barred and
        // nothing defaulted, awarded straight; the walk below gives the same points.
        const bool bPlain = !bCycle && !bAnyBarred && !((f.m_nDefaulted[0] | f.m_nDefaulted[1]) & nGamesMask);
        for (int p = 0; p < n && bPlain; ++p) {
            int a = 0, b = 0, nA, nB;
            for (int g = 0; g < nGames; ++g) {
                Award(nPosScore[0][p][g], nPosScore[1][p][g], true, true, false, rule.m_nIndividualGame[g] * nUnit, nA, nB);
                points[0][p][g] += nA;
                points[1][p][g] += nB;
                a += nPosScore[0][p][g];
                b += nPosScore[1][p][g];
            }
            Award(a, b, true, true, false, rule.m_nIndividualSeries * nUnit, nA, nB);
            points[0][p][4] += nA;
            points[1][p][4] += nB;
        }

        for (int g = 0; g < nGames && !bPlain; ++g) {
            const int nPts = rule.m_nIndividualGame[g] * nUnit;
            const bool bDefA = Defaulted(0, g), bDefB = Defaulted(1, g);
            for (int p = 0; p < n; ++p) {
                const int q = bCycle ? f.GetOpponentPosition(0, p, g) : p;
                int nA, nB;
                Award(GameScore(0, p, g), GameScore(1, q, g), !bDefA && PositionCanWin(0, p, g),
                      !bDefB && PositionCanWin(1, q, g), (bDefA || bDefB) && !bRobotScores, nPts, nA, nB);
                points[0][p][g] += nA;
                points[1][q][g] += nB;
            }
        }
        const int nPts = rule.m_nIndividualSeries * nUnit;
        const bool bDefA = AllDefaulted(0), bDefB = AllDefaulted(1);
        for (int p = 0; p < n && !bPlain; ++p) {
            bool bCanA = !bDefA, bCanB = !bDefB;
            int a = 0, b = 0;
            for (int g = 0; g < nGames; ++g) {
                a += GameScore(0, p, g);
                b += GameScore(1, p, g);
                bCanA = bCanA && PositionCanWin(0, p, g);
                bCanB = bCanB && PositionCanWin(1, p, g);
            }
            int nA, nB;
            Award(a, b, bCanA, bCanB, (bDefA || bDefB) && !bRobotScores, nPts, nA, nB);
            points[0][p][4] += nA;
            points[1][p][4] += nB;
        }
    }

    // Team points, and pinfall points on the team row. Each side's games and series are
    // taken once: [side][game], [side][4] the series.
    int nTeamScore[2][POINTS_COLS] = {};
    for (int s = 0; s < 2; ++s) {
        int nScratch[MAX_GAMES], nWithHcp[MAX_GAMES];
        GetTeamGameScores(f, s, nScratch, nWithHcp);
        for (int g = 0; g < nGames; ++g) {
            nTeamScore[s][g] = bHcp ? nWithHcp[g] : nScratch[g];
            nTeamScore[s][4] += nTeamScore[s][g];
        }
    }
    const int TEAM_ROW = 5;
    for (int c = 0; c < POINTS_COLS; ++c) {
        if (c < 4 && c >= nGames)
            continue;
        const bool bSeries = c == 4;
        const int a = nTeamScore[0][c];
        const int b = nTeamScore[1][c];
        if (rule.m_bTeam) {
            const bool bDefA = bSeries ? AllDefaulted(0) : Defaulted(0, c);
            const bool bDefB = bSeries ? AllDefaulted(1) : Defaulted(1, c);
            const int nPts = (bSeries ? rule.m_nTeamSeries : rule.m_nTeamGame[c]) * nUnit;
            int nA, nB;
            Award(a, b, !bDefA, !bDefB, (bDefA || bDefB) && !bRobotScores, nPts, nA, nB);
            points[0][TEAM_ROW][c] += nA;
            points[1][TEAM_ROW][c] += nB;
        }
        if (bPinfall && m_Petersen.m_bColumn[pass][c]) {
            points[0][TEAM_ROW][c] += PinfallPoints(a, m_Petersen.m_nPinsPerPoint[pass][c], m_Petersen.m_nRemainderMode);
            points[1][TEAM_ROW][c] += PinfallPoints(b, m_Petersen.m_nPinsPerPoint[pass][c], m_Petersen.m_nRemainderMode);
        }
    }

    // Individual bonus rules: in the scratch pass, or the only pass of a one-system league.
    if (!m_listBonusPts.IsEmpty() && WorksBonusRules(pass))
        CalcIndividualBonus(*this, f, nUnit);

    // Sums held within the figures a league file keeps (only rules and handicaps at their
    // limits come near), so that a league saved always opens again.
    for (int s = 0; s < 2; ++s) {
        for (int c = 0; c < POINTS_COLS; ++c) {
            long long nTotal = 0;
            for (int r = 0; r <= TEAM_ROW; ++r)
                nTotal += points[s][r][c];
            totals[s][c] = ToPointsFigure(nTotal);
        }
        const auto& bonus = bHcp ? f.m_wHandicapBonus : f.m_wScratchBonus;
        long long nBonus = 0;
        for (int c = 0; c < POINTS_COLS; ++c)
            nBonus += bonus[s][POINTS_ROWS - 1][c];
        pBonusPoints[s] = ToPointsFigure(nBonus);
    }

    // The highest team game of the match.
    if (bHcp ? m_bBonusHiTeamGameHcp : m_bBonusHiTeamGameScr) {
        int nBest[2] = {-1, -1};
        for (int s = 0; s < 2; ++s)
            for (int g = 0; g < nGames; ++g)
                if (!Defaulted(s, g))
                    nBest[s] = std::max(nBest[s], nTeamScore[s][g]);
        int nA, nB;
        Award(nBest[0], nBest[1], nBest[0] >= 0, nBest[1] >= 0, false,
              (bHcp ? m_nBonusHiTeamGameHcpPts : m_nBonusHiTeamGameScrPts) * nUnit, nA, nB);
        pBonusPoints[0] = ToPointsFigure(static_cast<long long>(pBonusPoints[0]) + nA);
        pBonusPoints[1] = ToPointsFigure(static_cast<long long>(pBonusPoints[1]) + nB);
    }

    const int nMax = GetMaxMatchPointsInUnits(pass);
    for (int s = 0; s < 2; ++s) {
        long long nMatch = static_cast<long long>(pBonusPoints[s]) + pAdjust[s];
        for (int c = 0; c < POINTS_COLS; ++c)
            nMatch += totals[s][c];
        pMatchPoints[s] = ToPointsFigure(nMatch);
        if (CTeam* pTeam = f.GetSideTeam(s)) {
            AddClamped(pTeam->m_nPointsWon[pass], pMatchPoints[s]);
            // Pinfall points, an adjustment or bonus rules past the most a file keeps can win
            // more than the most: such a match loses nothing.
            AddClamped(pTeam->m_nPointsLost[pass], std::max(0LL, static_cast<long long>(nMax) - pMatchPoints[s]));
        }
    }
    if (bHcp)
        f.m_bHandicapPointsDone = 1;
    else
        f.m_bScratchPointsDone = 1;
}
