#include "league/Schedule.h"

#include <array>

namespace {

// One cycle of a round robin for n = 2P positions by the circle method: position n stays put,
// the others turn one place each round. The sides are chosen so that every position changes
// side from round to round wherever a round robin allows it (n - 2 repeats in all, the least
// possible), which also leaves each position at most one match more on one side than on the
// other.
std::vector<BYTE> MakeTable(int nMatches)
{
    const int n = 2 * nMatches;
    const int m = n - 1; // rounds in a cycle, and positions on the circle
    std::vector<BYTE> table;
    table.reserve(static_cast<size_t>(n * m + 1));
    auto put = [&table](int a, int b) {
        table.push_back(static_cast<BYTE>(a + 1));
        table.push_back(static_cast<BYTE>(b + 1));
    };
    for (int r = 0; r < m; ++r) {
        if (r % 2 == 0)
            put(r, n - 1);
        else
            put(n - 1, r);
        for (int k = 1; k < nMatches; ++k) {
            const int a = (r + k) % m;
            const int b = (r - k + m) % m;
            if (k % 2 == 1)
                put(a, b);
            else
                put(b, a);
        }
    }
    table.push_back(PAIRING_END);
    return table;
}

const std::array<std::vector<BYTE>, PAIRING_MAX_MATCHES + 1>& Tables()
{
    static const auto tables = [] {
        std::array<std::vector<BYTE>, PAIRING_MAX_MATCHES + 1> t;
        for (int p = PAIRING_MIN_MATCHES; p <= PAIRING_MAX_MATCHES; ++p)
            t[static_cast<size_t>(p)] = MakeTable(p);
        return t;
    }();
    return tables;
}

} // namespace

const BYTE* GetPairingTable(int nMatches)
{
    if (nMatches < PAIRING_MIN_MATCHES || nMatches > PAIRING_MAX_MATCHES)
        return nullptr;
    return Tables()[static_cast<size_t>(nMatches)].data();
}

int GetPairingTableLength(int nMatches)
{
    if (nMatches < PAIRING_MIN_MATCHES || nMatches > PAIRING_MAX_MATCHES)
        return 0;
    return static_cast<int>(Tables()[static_cast<size_t>(nMatches)].size()) - 1;
}

CPairingWalk::CPairingWalk(int nTeams, int nRoundsBefore)
{
    if (nTeams < 3 || nTeams > 2 * PAIRING_MAX_MATCHES)
        return;
    m_nTeams = nTeams;
    m_nMatches = (nTeams + 1) / 2;
    m_pTable = GetPairingTable(m_nMatches);
    if (!m_pTable)
        return;
    const long long nLength = GetPairingTableLength(m_nMatches);
    const long long nStart = 2LL * m_nMatches * (nRoundsBefore > 0 ? nRoundsBefore : 0);
    m_bFlip = ((nStart / nLength) % 2) != 0;
    m_nPos = static_cast<int>(nStart % nLength);
}

void CPairingWalk::NextRound(std::vector<CPairing>& pairs, bool bSkipByes)
{
    pairs.clear();
    if (!m_pTable)
        return;
    for (int k = 0; k < m_nMatches; ++k) {
        if (m_pTable[m_nPos] == PAIRING_END) {
            m_nPos = 0;
            m_bFlip = !m_bFlip;
        }
        CPairing pair{m_pTable[m_nPos], m_pTable[m_nPos + 1]};
        m_nPos += 2;
        if (m_bFlip)
            pair = CPairing{pair.nSideB, pair.nSideA};
        if (bSkipByes && (pair.nSideA > m_nTeams || pair.nSideB > m_nTeams))
            continue;
        pairs.push_back(pair);
    }
}
