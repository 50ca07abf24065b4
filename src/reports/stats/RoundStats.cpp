#include "reports/stats/RoundStats.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "reports/stats/RoundAnalysisItem.h"

namespace {

// The flag bit a bowler needs for each group; everybody for 3.
constexpr WORD kGroupBit[4] = {PF_MALE, PF_FEMALE, PF_JUNIOR, 0};

} // namespace

CRoundStats::CRoundStats(CBowlingDoc* pDoc, const CRepItem_Analysis1* pItem) : m_pDoc(pDoc), m_pItem(pItem)
{
    Compute();
}

BOOL CRoundStats::IsRowValid(const CRepItem_Analysis1& item, int r)
{
    return item.m_nMeasure[r] <= CRepItem_Analysis1::MEASURE_AVERAGE && item.m_nGroup[r] <= 3 &&
           item.m_nClass[r] <= 3 && item.m_nBasis[r] <= 1 && item.m_nStatistic[r] <= 5;
}

void CRoundStats::Compute()
{
    m_nFirstRound = m_pItem->m_nFirstRound;
    m_nLastRound = m_pItem->m_nLastRound;
    const CRepItem_Analysis1& item = *m_pItem;
    for (int r = 0; r < ROWS; ++r) {
        if (!item.m_bEnabled[r] || !IsRowValid(item, r))
            continue;
        const int s = item.m_nStatistic[r];
        if (s == CRepItem_Analysis1::STAT_SERIES)
            m_nSeriesRows[m_nSeriesRowCount++] = r;
        for (int g = 0; g < MAX_GAMES; ++g)
            if (s == CRepItem_Analysis1::STAT_GAMES || s == CRepItem_Analysis1::STAT_GAME1 + g)
                m_nGameRows[g][m_nGameRowCount[g]++] = r;
    }
    if (m_pDoc)
        for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
            const auto& f = *static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
            if (f.m_nRound < m_nFirstRound)
                continue;
            // The list is in round order.
            if (f.m_nRound > m_nLastRound)
                break;
            for (int nSide = 0; nSide < 2; ++nSide)
                if (f.m_bPlayed[nSide])
                    AddSide(f, nSide);
        }
    for (int r = 0; r < ROWS; ++r)
        FormatRow(r);
}

void CRoundStats::AddSide(const CFixture& f, int nSide)
{
    const CRepItem_Analysis1& item = *m_pItem;
    const int nGames = std::min<int>(m_pDoc->m_nGamesPerMatch, MAX_GAMES);
    const int nPositions = std::min<int>(m_pDoc->m_nPlayersPerTeam, MAX_POSITIONS);
    f.GetBowledSide(nSide, m_games, m_positions);
    for (int p = 0; p < std::min<int>(nPositions, f.m_nPlayers); ++p) {
        for (int g = 0; g < nGames; ++g) {
            const CBowledGame& game = m_games[p][g];
            if (game.bDefaulted) {
                ++m_nDefaultedGames;
                continue;
            }
            // A blind game paced by a substitute is his game as well.
            if (game.bBlind)
                ++m_nBlindGames;
            else if (game.bNonQual)
                ++m_nCompositeGames;
            if (!game.bCounts)
                continue;
            ++m_nGamesBowled;
            m_nPinsScratch += game.nScore;
            if (m_pDoc->m_bHandicapLeague)
                m_nPinsHandicap += game.Value(1);
            for (int i = 0; i < m_nGameRowCount[g]; ++i) {
                const int r = m_nGameRows[g][i];
                AddValue(r, game.Value(item.m_nBasis[r]), game.pBowler);
            }
        }
        const CBowledSeries& series = m_positions[p];
        if (!series.pBowler)
            continue;
        ++m_nCompleteSeries;
        for (int i = 0; i < m_nSeriesRowCount; ++i) {
            const int r = m_nSeriesRows[i];
            AddValue(r, series.Value(item.m_nBasis[r]), series.pBowler);
        }
    }
}

void CRoundStats::AddValue(int r, int nValue, const CPlayer* pPlayer)
{
    const CRepItem_Analysis1& item = *m_pItem;
    if (!pPlayer)
        return;
    if (item.m_nClass[r] != 0 && pPlayer->m_nCategory != item.m_nClass[r])
        return;
    const WORD wBit = kGroupBit[item.m_nGroup[r]];
    if (wBit && !(pPlayer->m_wFlags & wBit))
        return;
    if (item.m_nMeasure[r] != CRepItem_Analysis1::MEASURE_AVERAGE) {
        const WORD w = static_cast<WORD>(nValue);
        if (w < item.m_nValueFrom[r] || w > item.m_nValueTo[r])
            return;
    }
    ++m_nRowCount[r];
    m_nRowSum[r] += nValue;
}

void CRoundStats::FormatRow(int r)
{
    const CRepItem_Analysis1& item = *m_pItem;
    if (!item.m_bEnabled[r])
        return;
    switch (item.m_nMeasure[r]) {
    case CRepItem_Analysis1::MEASURE_PERCENT: {
        const long nDivisor = item.m_nStatistic[r] == CRepItem_Analysis1::STAT_GAMES ? m_nGamesBowled : m_nCompleteSeries;
        // Nothing to divide by: no percentage of anything.
        m_strRow[r].Format("%5.2f", nDivisor ? m_nRowCount[r] * 100.0 / nDivisor : 0.0);
        break;
    }
    case CRepItem_Analysis1::MEASURE_TOTAL:
        m_strRow[r].Format("%ld", m_nRowCount[r]);
        break;
    case CRepItem_Analysis1::MEASURE_AVERAGE: {
        const long q = m_nRowCount[r] ? m_nRowSum[r] * 10 / m_nRowCount[r] : 0;
        m_strRow[r].Format("%ld.%ld", q / 10, q % 10);
        break;
    }
    default:
        m_strRow[r] = "???";
        break;
    }
}

CString CRoundStats::RowLabel(const CRepItem_Analysis1& item, int r)
{
    static const char* const kMeasure[] = {"Percentage ", "Total ", "Average "};
    static const char* const kGroup[] = {"Male ", "Female ", "Junior ", ""};
    static const char* const kClass[] = {"", "Category-A ", "Category-B ", "Category-C "};
    static const char* const kBasis[] = {"Scratch ", "Hcap "};
    static const char* const kStatistic[] = {"Games", "Series", "1st Game", "2nd Game", "3rd Game", "4th Game"};
    auto word = [](const char* const* table, int nSize, int i) { return i >= 0 && i < nSize ? table[i] : ""; };
    const int nMeasure = item.m_nMeasure[r];
    CString s;
    s += word(kMeasure, 3, nMeasure);
    s += word(kGroup, 4, item.m_nGroup[r]);
    s += word(kClass, 4, item.m_nClass[r]);
    s += word(kBasis, 2, item.m_nBasis[r]);
    s += word(kStatistic, 6, item.m_nStatistic[r]);
    if (nMeasure == CRepItem_Analysis1::MEASURE_PERCENT || nMeasure == CRepItem_Analysis1::MEASURE_TOTAL) {
        CString range;
        range.Format(" %d - %d", item.m_nValueFrom[r], item.m_nValueTo[r]);
        s += range;
    }
    return s + ".";
}
