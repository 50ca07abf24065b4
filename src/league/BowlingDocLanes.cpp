// The lane table, a team's lane in a round and a bowler's score bands: figures the report
// items read from the document.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Venue.h"

#include <algorithm>

namespace {

BYTE LaneByte(int nLane)
{
    return static_cast<BYTE>(std::clamp(nLane, 0, 255));
}

} // namespace

void CBowlingDoc::BuildLaneTable(BYTE nVenue)
{
    constexpr int nEntries = static_cast<int>(sizeof(m_nLaneTable));
    if (m_bCustomLanes) {
        for (int i = 0; i < nEntries; ++i)
            m_nLaneTable[i] = m_nCustomLanes[i];
        return;
    }
    int nStart = m_nStartLane;
    int nLast = m_nLastLane;
    int nSplitStart = m_nSplitStartLane;
    int nBeforeSplit = m_nLanesBeforeSplit;
    bool bSplit = m_bSplitLanes != 0;
    if (nVenue != 0) {
        if (const CVenue* pVenue = FindVenue(nVenue)) {
            nStart = pVenue->m_nStartLane;
            nLast = pVenue->m_nLastLane;
            nSplitStart = pVenue->m_nSplitStartLane;
            nBeforeSplit = pVenue->m_nLanesBeforeSplit;
            bSplit = nSplitStart != 0 && nBeforeSplit != 0;
        }
    }
    if (nStart == 0)
        nStart = 1;
    for (int i = 0; i < nEntries; ++i) {
        int nLane;
        if (nLast >= nStart && nLast != 0)
            nLane = nStart + i % (nLast - nStart + 1);
        else if (bSplit && nSplitStart != 0 && nBeforeSplit > 0 && i >= nBeforeSplit)
            // The lanes before the split run on from the start lane; the rest from the split.
            nLane = nSplitStart + (i - nBeforeSplit);
        else
            nLane = nStart + i;
        m_nLaneTable[i] = LaneByte(nLane);
    }
}

int CBowlingDoc::GetTeamLane(WORD nTeam, int nRound, int nMatchOffset) const
{
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        const CFixture* pFix = static_cast<const CFixture*>(m_listFixtures.GetNext(pos));
        if (pFix->m_nRound != nRound)
            continue;
        int nSecond;
        if (pFix->m_nTeamA == nTeam)
            nSecond = 0;
        else if (pFix->m_nTeamB == nTeam)
            nSecond = 1;
        else
            continue;
        int nIndex = 2 * (pFix->m_nMatch - nMatchOffset - 1) + nSecond;
        if (nIndex < 0 || nIndex >= static_cast<int>(sizeof(m_nLaneTable)))
            return 99;
        return m_nLaneTable[nIndex];
    }
    return 99;
}

void CBowlingDoc::CountPlayerScoreBands(const CPlayer* pPlayer, DWORD& nPins, int& nGames, int nGameBands[13],
                                        int nSeriesBands[48]) const
{
    nPins = 0;
    nGames = 0;
    std::fill(nGameBands, nGameBands + 13, 0);
    std::fill(nSeriesBands, nSeriesBands + 48, 0);
    if (!pPlayer || pPlayer->m_nPlayerNo == 0)
        return;
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        const CFixture* pFix = static_cast<const CFixture*>(m_listFixtures.GetNext(pos));
        const int nMatchGames = pFix->GetLeagueGames();
        for (int nSide = 0; nSide < 2; ++nSide) {
            if (!pFix->m_bPlayed[nSide])
                continue;
            int nSeries = 0;
            int nSeriesGames = 0;
            for (int g = 0; g < nMatchGames; ++g) {
                const CBowledGame game = pFix->GetBowledGameOf(pPlayer, nSide, g);
                if (!game.bCounts)
                    continue;
                nPins += static_cast<DWORD>(game.nScore);
                ++nGames;
                // Scores past the last band (450 leagues) count in the last band.
                ++nGameBands[std::min(game.nScore / 25, 12)];
                nSeries += game.nScore;
                ++nSeriesGames;
            }
            if (nSeriesGames > 0)
                ++nSeriesBands[std::min(nSeries / 25, 47)];
        }
    }
}
