// Handicaps: the rule sets, new bowlers' figures and the match averages with team handicaps.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Scoring.h"
#include "league/Team.h"

#include <algorithm>

const CHandicapRule& CBowlingDoc::GetHandicapRule(WORD wCategoryFlags) const
{
    if (m_bOneRuleForAll)
        return m_HcpRule[HCP_RULE_ALL];
    if (wCategoryFlags & PF_JUNIOR)
        return m_HcpRule[HCP_RULE_JUNIORS];
    if (wCategoryFlags & PF_FEMALE)
        return m_HcpRule[HCP_RULE_WOMEN];
    return m_HcpRule[HCP_RULE_MEN];
}

int CBowlingDoc::CalcHandicap(double dAverage, WORD wCategoryFlags, WORD nGamesBowled) const
{
    if (dAverage == 0.0)
        return 0;
    if (m_nGamesBeforeHandicap != 0 && m_nGamesBeforeHandicap > nGamesBowled)
        return 0;
    const CHandicapRule& rule = GetHandicapRule(wCategoryFlags);
    // Whole numbers throughout: the percentage is never taken as a fraction (0.70 x 90 cut
    // in floating point is 62, the secretary's figure 63).
    int nHandicap = (static_cast<int>(rule.m_nBasis) - static_cast<int>(WholePins(dAverage))) *
                    static_cast<int>(rule.m_nPercent) / 100;
    if (rule.m_bApplyMin && nHandicap < rule.m_nMin)
        nHandicap = rule.m_nMin;
    if (rule.m_bApplyMax && nHandicap > static_cast<int>(rule.m_nMax))
        nHandicap = rule.m_nMax;
    return nHandicap;
}

void CBowlingDoc::SetNewBowlerFiguresSideA(CFixture* pFixture) { SetNewBowlerFigures(pFixture, 0); }
void CBowlingDoc::SetNewBowlerFiguresSideB(CFixture* pFixture) { SetNewBowlerFigures(pFixture, 1); }

BOOL CBowlingDoc::GetFirstMatchFigures(const CFixture& f, const CPlayer& player, WORD& nAverage, int& nHandicap) const
{
    // No games bowled yet: with "games bowled scratch before a handicap" the match is scratch.
    const WORD nEntering = player.GetEnteringAverage(FALSE);
    if (nEntering != 0) {
        nAverage = static_cast<WORD>(nEntering / 10);
        nHandicap = CalcHandicap(nEntering / 10.0, player.m_wFlags, 0);
        return TRUE;
    }
    int nPins = 0, nCount = 0;
    const int nGames = f.GetLeagueGames();
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < std::min<int>(f.m_nPlayers, MAX_POSITIONS); ++p)
            for (int g = 0; g < nGames; ++g) {
                const CBowledGame b = f.GetBowledGame(s, p, g);
                if (b.bCounts && b.pBowler == &player) {
                    nPins += b.nScore;
                    ++nCount;
                }
            }
    if (nCount == 0 || nPins == 0)
        return FALSE;
    nAverage = static_cast<WORD>(nPins / nCount);
    nHandicap = CalcHandicap(nAverage, player.m_wFlags, 0);
    return TRUE;
}

void CBowlingDoc::SetNewBowlerFigures(CFixture* pFixture, int nSide)
{
    if (!pFixture || nSide < 0 || nSide > 1)
        return;
    CFixture& f = *pFixture;
    const int s = m_bHandicapPass ? PASS_HANDICAP : PASS_SCRATCH;
    const int nGames = f.GetLeagueGames();
    const int nPlayers = std::min<int>(f.m_nPlayers, MAX_POSITIONS);
    // The side's bowlers, pacers among them, each once.
    CPlayer* seen[MAX_POSITIONS * MAX_GAMES * 2];
    int nSeen = 0;
    for (int p = 0; p < nPlayers; ++p)
        for (int g = 0; g < nGames; ++g) {
            const int k = CFixture::SlotOf(nSide, p);
            for (CPlayer* pPlayer : {f.GetSlotPlayer(g, k), f.GetPacer(g, k)})
                if (pPlayer && !pPlayer->IsRobot() && pPlayer->m_nGames[s] == 0 &&
                    std::find(seen, seen + nSeen, pPlayer) == seen + nSeen)
                    seen[nSeen++] = pPlayer;
        }

    for (int i = 0; i < nSeen; ++i) {
        CPlayer* pPlayer = seen[i];
        WORD nAverage = 0;
        int nHandicap = 0;
        if (!GetFirstMatchFigures(f, *pPlayer, nAverage, nHandicap))
            continue;
        pPlayer->m_nAverage = nAverage;
        pPlayer->m_nHandicap = nHandicap;
        for (int p = 0; p < nPlayers; ++p) {
            const int k = CFixture::SlotOf(nSide, p);
            for (int g = 0; g < nGames; ++g) {
                if (f.GetPacer(g, k) == pPlayer)
                    f.SetPacerFigures(g, k);
                // A cell not the pacer's is its bowler's, a blind or Non Qual one beside a
                // pacer too. A Non Qual game keeps the handicap given with it, a blind game
                // its rule's.
                if (!f.IsCellPaced(g, k) && f.GetSlotPlayer(g, k) == pPlayer) {
                    f.m_nAverage[g][k] = nAverage;
                    if (!(f.m_dwPosFlags[k] & (PosNonQual(g) | PosBlind(g))))
                        f.m_nHandicap[g][k] = nHandicap;
                }
            }
        }
    }
}

// ---------------------------------------------------------------- CFixture

CPlayer* CFixture::FindSlotPlayer(int nGame, int nSlot) const
{
    if (nGame < 0 || nGame >= MAX_GAMES || nSlot < 0 || nSlot >= SLOTS_PER_GAME)
        return nullptr;
    if (m_pPlayer[nGame][nSlot])
        return m_pPlayer[nGame][nSlot];
    if (m_pDoc && m_wPlayerNo[nGame][nSlot])
        return m_pDoc->FindPlayer(m_wPlayerNo[nGame][nSlot]);
    return nullptr;
}

CPlayer* CFixture::GetPacer(int nGame, int nSlot) const
{
    if (nGame < 0 || nGame >= MAX_GAMES || nSlot < 0 || nSlot >= SLOTS_PER_GAME ||
        !(m_dwPosFlags[nSlot] & PosPacer(nGame)))
        return nullptr;
    if (m_pPacer[nGame][nSlot])
        return m_pPacer[nGame][nSlot];
    return m_pDoc ? m_pDoc->FindPlayer(m_wPacerNo[nGame][nSlot]) : nullptr;
}

void CFixture::SetPacerFigures(int nGame, int nSlot)
{
    if (nGame < 0 || nGame >= MAX_GAMES || nSlot < 0 || nSlot >= SLOTS_PER_GAME ||
        !(m_dwPosFlags[nSlot] & PosPacer(nGame)))
        return;
    const CPlayer* pPacer = GetPacer(nGame, nSlot);
    m_nPacerAverage[nGame][nSlot] = pPacer ? pPacer->m_nAverage : 0;
    m_nPacerHandicap[nGame][nSlot] = pPacer ? pPacer->m_nHandicap : 0;
    if (IsCellPaced(nGame, nSlot)) {
        m_nHandicap[nGame][nSlot] = m_nPacerHandicap[nGame][nSlot];
        m_nAverage[nGame][nSlot] = m_nPacerAverage[nGame][nSlot];
    }
}

CTeam* CFixture::GetSideTeam(int nSide) const
{
    CTeam* pTeam = nSide == 0 ? m_pTeamA : m_pTeamB;
    const BYTE nTeamNo = nSide == 0 ? m_nTeamA : m_nTeamB;
    if (!pTeam && m_pDoc && nTeamNo)
        pTeam = m_pDoc->FindTeam(nTeamNo);
    return pTeam;
}

BOOL CFixture::IsBowledGame(int nSide, int nPos, int nGame) const
{
    if (nSide < 0 || nSide > 1 || nPos < 0 || nPos >= MAX_POSITIONS || nGame < 0 || nGame >= MAX_GAMES)
        return FALSE;
    if (m_nDefaulted[nSide] & DefaultedBit(nGame))
        return FALSE;
    return (m_dwPosFlags[SlotOf(nSide, nPos)] & (PosBlind(nGame) | PosNonQual(nGame))) == 0;
}

const CRobot* CFixture::GetScoringRobot(int nSide, int nPos, int nGame) const
{
    if (!m_pDoc || nSide < 0 || nSide > 1 || nPos < 0 || nPos >= MAX_POSITIONS || nGame < 0 || nGame >= MAX_GAMES)
        return nullptr;
    if (m_pDoc->m_dwRobotIfDefault && (m_nDefaulted[nSide] & DefaultedBit(nGame)))
        if (const CRobot* pRule = m_pDoc->GetRobot(m_pDoc->GetDefaultedRobotNumber()))
            return pRule;
    const CPlayer* pPlayer = GetSlotPlayer(nGame, SlotOf(nSide, nPos));
    return pPlayer && pPlayer->IsRobot() ? m_pDoc->GetRobot(pPlayer->m_nRobot) : nullptr;
}

int CFixture::GetOpponentPosition(int nSide, int nPos, int nGame) const
{
    const int n = std::clamp<int>(m_nPlayers, 1, MAX_POSITIONS);
    if (!m_pDoc || !m_pDoc->m_bCycleOpponent || nGame <= 0)
        return nPos;
    // Side A's position k meets side B's (k + g) mod n; side B's looks back the same step.
    const int g = nGame % n;
    return nSide == 0 ? (nPos + g) % n : (nPos - g + n) % n;
}

namespace {

// The average a vacancy or robot rule gives, on its opponent's average.
int RobotAverage(const CRobot& robot, int nOpponentAverage)
{
    switch (robot.m_nKind) {
    case CRobot::kindFlatScore: return ToGameFigure(robot.m_nFlatScore);
    case CRobot::kindAverageLessPercent:
        return ToGameFigure(static_cast<long long>(nOpponentAverage) * robot.m_nPercent / 100);
    case CRobot::kindAverageLessPins: return ToGameFigure(static_cast<long long>(nOpponentAverage) - robot.m_nPins);
    default: return nOpponentAverage;
    }
}

} // namespace

int CFixture::GetRobotAverage(const CRobot& rule, int nSide, int nPos, int nGame) const
{
    if (rule.m_nKind == CRobot::kindFlatScore)
        return RobotAverage(rule, 0);
    if (nSide < 0 || nSide > 1 || nPos < 0 || nPos >= MAX_POSITIONS || nGame < 0 || nGame >= MAX_GAMES)
        return 0;
    const int nOpp = GetOpponentPosition(nSide, nPos, nGame);
    const int kOpp = SlotOf(1 - nSide, nOpp);
    int nOppAvg = static_cast<int>(m_nAverage[nGame][kOpp]);
    const CRobot* pOppRule = GetScoringRobot(1 - nSide, nOpp, nGame);
    const CPlayer* pOpp = GetSlotPlayer(nGame, kOpp);
    // Robot scores opposite, a defaulted game's or a vacancy's, stand at their own rule's
    // average, never an absent bowler's: a flat score, or nothing where that rule rests on
    // this one's average in turn.
    if (pOppRule || (pOpp && pOpp->IsRobot()))
        nOppAvg = pOppRule && pOppRule->m_nKind == CRobot::kindFlatScore ? RobotAverage(*pOppRule, 0) : 0;
    return RobotAverage(rule, nOppAvg);
}

void CFixture::SetMatchAverages()
{
    const int nGames = GetLeagueGames();
    const int n = std::clamp<int>(m_nPlayers, 0, MAX_POSITIONS);
    for (int s = 0; s < 2; ++s)
        for (int c = 0; c < POINTS_COLS; ++c) {
            m_nTeamAverage[s][c] = 0;
            if (m_pDoc && m_pDoc->m_bTeamHandicaps)
                m_nTeamHandicap[s][c] = 0;
        }
    for (int g = 0; g < nGames; ++g) {
        // A game a side defaulted against robot scores is the robots': their averages stand in
        // the side's team average, as a vacancy's do.
        const CRobot* pRobot[2][MAX_POSITIONS] = {};
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < n; ++p)
                pRobot[s][p] = GetScoringRobot(s, p, g);
        // Bowlers first: a robot's average may rest on its opponent's.
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < n; ++p) {
                const int k = SlotOf(s, p);
                const CPlayer* pPlayer = GetSlotPlayer(g, k);
                if (pRobot[s][p] || (pPlayer && pPlayer->IsRobot()))
                    continue;
                // An average not yet set is that of the bowler the cell is scored on.
                const CPlayer* pScored = IsCellPaced(g, k) ? GetPacer(g, k) : pPlayer;
                if (m_nAverage[g][k] == 0 && pScored)
                    m_nAverage[g][k] = pScored->m_nAverage;
            }
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < n; ++p)
                if (pRobot[s][p])
                    m_nAverage[g][SlotOf(s, p)] = static_cast<DWORD>(GetRobotAverage(*pRobot[s][p], s, p, g));
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < n; ++p)
                m_nTeamAverage[s][g] += m_nAverage[g][SlotOf(s, p)];
    }
    for (int s = 0; s < 2; ++s)
        for (int g = 0; g < nGames; ++g)
            m_nTeamAverage[s][4] += m_nTeamAverage[s][g];

    if (!m_pDoc || !m_pDoc->m_bTeamHandicaps)
        return;
    if (m_pDoc->m_bRound1Scratch && m_nRound == 1)
        return;
    const CHandicapRule& rule = m_pDoc->m_HcpRule[HCP_RULE_ALL];
    for (int g = 0; g < nGames; ++g) {
        const int a = static_cast<int>(m_nTeamAverage[0][g]);
        const int b = static_cast<int>(m_nTeamAverage[1][g]);
        int h[2] = {0, 0};
        if (m_pDoc->m_bZeroBasedPctDiff) {
            const int nDiff = (std::max(a, b) - std::min(a, b)) * static_cast<int>(rule.m_nPercent) / 100;
            h[a < b ? 0 : 1] = a == b ? 0 : nDiff;
        } else {
            const int nBasis = static_cast<int>(rule.m_nBasis) * n;
            for (int s = 0; s < 2; ++s) {
                h[s] = std::max(0, (nBasis - (s == 0 ? a : b)) * static_cast<int>(rule.m_nPercent) / 100);
                if (rule.m_bApplyMax)
                    h[s] = std::min(h[s], static_cast<int>(rule.m_nMax) * n);
            }
        }
        for (int s = 0; s < 2; ++s) {
            // A game the side defaulted without robot scores adds no handicap to anything.
            if (IsScorelessGame(s, g))
                h[s] = 0;
            m_nTeamHandicap[s][g] = static_cast<DWORD>(h[s]);
            m_nTeamHandicap[s][4] += static_cast<DWORD>(h[s]);
        }
    }
}
