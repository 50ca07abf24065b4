// CPlayer's averages, high figures and rolling and drop-5 figures.
#include "league/BowlingDoc.h"
#include "league/Player.h"

#include <algorithm>
#include <cmath>

namespace {

int SetIndex(BOOL bHandicapSet) { return bHandicapSet ? PASS_HANDICAP : PASS_SCRATCH; }

} // namespace

WORD WholePins(double dAverage)
{
    // An average held as a double can sit a hair under a whole number when it came from
    // tenths; cut it as the secretary would.
    if (dAverage <= 0.0)
        return 0;
    double d = std::floor(dAverage + 1e-9);
    return d >= 65535.0 ? 65535 : static_cast<WORD>(d);
}

double CPlayer::GetAverage(BOOL bHandicapSet, WORD nMinimumGames)
{
    const int s = SetIndex(bHandicapSet);
    if (m_wFlags & PF_NO_ENTERING_GAMES)
        nMinimumGames = 0;

    double dAverage = 0.0;
    const WORD nEntering = GetEnteringAverage(FALSE);
    if (nEntering != 0 && m_nGames[s] < nMinimumGames) {
        dAverage = nEntering / 10.0;
    } else {
        DWORD nPins = m_nPins[s];
        DWORD nGames = m_nGames[s];
        if (m_bRollingAvg && m_arrRolling[s].GetSize() > 0) {
            nPins = 0;
            nGames = static_cast<DWORD>(m_arrRolling[s].GetSize());
            for (int i = 0; i < m_arrRolling[s].GetSize(); ++i)
                nPins += m_arrRolling[s][i];
        }
        dAverage = (nPins != 0 && nGames != 0) ? static_cast<double>(nPins) / nGames : m_dRankAverage;
    }

    if (s == PASS_HANDICAP && m_pDoc && m_pDoc->m_bDrop5 && m_nGames[s] != 0 && m_nEstablishedAvg[s] != 0) {
        const int nFloor = static_cast<int>(m_nEstablishedAvg[s]) - m_pDoc->m_nDrop5MaxPins;
        if (dAverage < nFloor)
            dAverage = nFloor;
    }

    m_nAverage = WholePins(dAverage);
    return dAverage;
}

double CPlayer::GetImprovement()
{
    const BOOL bHandicap = m_pDoc ? m_pDoc->m_bHandicapPass : FALSE;
    const WORD nBase = GetMostImprovedBase(bHandicap ? PASS_HANDICAP : PASS_SCRATCH);
    // With a rolling average the improvement is the whole season's, unless the league measures
    // it on the playing average; the figure the fixtures take stays the playing one.
    const DWORD bRolling = m_bRollingAvg;
    const WORD nPlaying = m_nAverage;
    if (m_pDoc && !m_pDoc->m_bPlayingAvgForMostImproved)
        m_bRollingAvg = 0;
    const double dImprovement = GetAverage(bHandicap, 0) - nBase / 10.0;
    m_bRollingAvg = bRolling;
    m_nAverage = nPlaying;
    return dImprovement;
}

WORD CPlayer::GetMostImprovedBase(int nSet) const
{
    if (m_nMostImprovedBase != 0)
        return m_nMostImprovedBase;
    const WORD nEntering = GetEnteringAverage(TRUE);
    const CBowlingDoc* pDoc = m_pDoc;
    if (!pDoc || pDoc->m_nMostImprovedGames == 0 || (!pDoc->m_bMostImprovedAfterGames && !pDoc->m_bMostImprovedBoth))
        return nEntering;
    if (pDoc->m_bMostImprovedBoth && nEntering != 0)
        return nEntering;
    return (nSet == PASS_SCRATCH || nSet == PASS_HANDICAP) ? m_nImprovedStart[nSet] : 0;
}

void CPlayer::RecordBowledGame(int nSet, int nScore, int nHandicap, int nRound)
{
    if (nSet != PASS_SCRATCH && nSet != PASS_HANDICAP)
        return;
    // A new accumulation (after the figures were reset) establishes its own drop-5 average.
    if (m_nGames[nSet] == 0) {
        m_nEstablishedAvg[nSet] = 0;
        m_nImprovedStart[nSet] = 0;
    }
    ++m_nGames[nSet];
    m_nPins[nSet] += static_cast<DWORD>(std::max(nScore, 0));
    if (nSet == PASS_HANDICAP)
        m_nHcpPins += static_cast<DWORD>(std::max(nScore + nHandicap, 0));

    const int nWindow = m_pDoc ? m_pDoc->RollingWindowGames() : 0;
    if (nWindow > 0) {
        m_arrRolling[nSet].Add(static_cast<WORD>(std::clamp(nScore, 0, 65535)));
        while (m_arrRolling[nSet].GetSize() > nWindow)
            m_arrRolling[nSet].RemoveAt(0);
    }

    // The most improved start point: the average once the rule's games are bowled.
    if (m_pDoc && m_pDoc->m_nMostImprovedGames != 0 && m_nGames[nSet] == m_pDoc->m_nMostImprovedGames)
        m_nImprovedStart[nSet] = static_cast<WORD>(std::min<DWORD>(m_nPins[nSet] * 10 / m_nGames[nSet], 65535));

    // The drop-5 floor rests on the average in force once the set number of games is bowled:
    // an entering average of the game's round, though the cut-off has passed since.
    if (m_pDoc && m_pDoc->m_bDrop5 && m_nEstablishedAvg[nSet] == 0) {
        const DWORD nNeeded = std::max<DWORD>(1, m_pDoc->m_nDrop5Games);
        if (m_nGames[nSet] >= nNeeded) {
            const WORD nEntering = GetEnteringAverageInRound(nRound);
            m_nEstablishedAvg[nSet] = nEntering != 0 ? static_cast<WORD>(nEntering / 10)
                                                     : static_cast<WORD>(m_nPins[nSet] / m_nGames[nSet]);
        }
    }
}

namespace {

WORD HigherUnlessOmitted(const CPlayer& p, WORD nFirst, WORD nSecond)
{
    if (p.m_pDoc && p.m_pDoc->m_bOmitSecondHighs)
        return nFirst;
    return std::max(nFirst, nSecond);
}

} // namespace

WORD CPlayer::GetHighGameScratch() const { return HigherUnlessOmitted(*this, m_nHighGame[0], m_nHighGame2[0]); }
WORD CPlayer::GetHighGameHcp() const { return HigherUnlessOmitted(*this, m_nHighGame[1], m_nHighGame2[1]); }
WORD CPlayer::GetHighSeriesScratch() const { return HigherUnlessOmitted(*this, m_nHighSeries[0], m_nHighSeries2[0]); }
WORD CPlayer::GetHighSeriesHcp() const { return HigherUnlessOmitted(*this, m_nHighSeries[1], m_nHighSeries2[1]); }
