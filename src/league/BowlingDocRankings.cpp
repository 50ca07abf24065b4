// Bowler rankings, the high-score tables of the recalculation, floating substitutes and the
// league and round averages.
//
// Every ranking numbers the eligible bowlers 1, 2, ... best first into their rank numbers;
// equal figures keep player-list order. It gives at most places + 1 ranks (the bowler after
// the last place is numbered too, as the award lists expect) and returns the places filled.
#include "league/BowlingDoc.h"

#include "league/Awards.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<CPlayer*> PlayerList(const CObList& list)
{
    std::vector<CPlayer*> players;
    players.reserve(static_cast<size_t>(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos;)
        players.push_back(static_cast<CPlayer*>(list.GetNext(pos)));
    return players;
}

// Mask 7 (all three category bits) takes every bowler, also one without a category bit.
bool InMask(const CPlayer* p, WORD wMask)
{
    if ((wMask & PF_CATEGORY_MASK) == PF_CATEGORY_MASK)
        return true;
    return (p->m_wFlags & wMask & PF_CATEGORY_MASK) != 0;
}

LONGLONG PerGames(LONGLONG nValue, LONGLONG nScale, LONGLONG nGames)
{
    return nGames == 0 ? 0 : nValue * nScale / nGames;
}

} // namespace

// ------------------------------------------------------------------ the common ranking

bool CBowlingDoc::IsRankable(const CPlayer* p, WORD wMask, int nMinGames, int nClass, bool bHighScore) const
{
    if (!InMask(p, wMask))
        return false;
    if (nClass != 0 && p->m_nCategory != nClass)
        return false;
    const int s = m_bHandicapPass ? PASS_HANDICAP : PASS_SCRATCH;
    // A high-score list reset each split asks its minimum of the split's games.
    const DWORD nGames = bHighScore ? p->GetHighScoreGames(s) : p->m_nGames[s];
    return nMinGames <= 0 || nGames >= static_cast<DWORD>(nMinGames);
}

int CBowlingDoc::RankPlayers(int nPlaces, const std::function<bool(const CPlayer*)>& eligible,
                             const std::function<double(CPlayer*)>& value)
{
    std::vector<std::pair<CPlayer*, double>> ranked;
    for (CPlayer* p : PlayerList(m_listPlayers)) {
        p->m_nRank = 0;
        if (eligible(p))
            ranked.emplace_back(p, value(p));
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    const size_t nMost = static_cast<size_t>(std::max(nPlaces, 0));
    const size_t nRanked = std::min(ranked.size(), nMost + 1);
    for (size_t i = 0; i < nRanked; ++i)
        ranked[i].first->m_nRank = static_cast<DWORD>(i + 1);
    return static_cast<int>(std::min(ranked.size(), nMost));
}

// ------------------------------------------------------------------ the rankings

int CBowlingDoc::RankPlayersByAverage(BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass)
{
    const int s = bHandicap ? PASS_HANDICAP : PASS_SCRATCH;
    return RankPlayers(
        nPlaces,
        [&](const CPlayer* p) {
            return !p->IsRobot() && !p->IsResigned() && !(m_bExcludeFloatingSubs && p->IsFloatingSub()) &&
                   IsRankable(p, wMask, nMinGames, nClass);
        },
        [&](CPlayer* p) {
            const double dAverage = p->GetAverage(bHandicap, m_nEnteringAvgGames);
            p->m_dRankAverage = dAverage;
            // Without games of his own a bowler ranks below everybody who has bowled.
            return p->m_nGames[s] == 0 ? dAverage * 0.01 : dAverage;
        });
}

int CBowlingDoc::RankPlayersByImprovement(int nPlaces, WORD wMask, int nClass)
{
    // Improvement needs a base to improve on; without one it would be the whole average.
    return RankPlayers(
        nPlaces,
        [&](const CPlayer* p) {
            return !p->IsRobot() && !p->IsResigned() && !(m_bExcludeFloatingSubs && p->IsFloatingSub()) &&
                   !p->m_bNotEligibleMostImproved &&
                   p->GetMostImprovedBase(m_bHandicapPass ? PASS_HANDICAP : PASS_SCRATCH) != 0 &&
                   IsRankable(p, wMask, 0, nClass);
        },
        [](CPlayer* p) { return p->GetImprovement(); });
}

int CBowlingDoc::RankPlayersByImprovementOnEntering(BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass)
{
    return RankPlayers(
        nPlaces,
        [&](const CPlayer* p) {
            return !p->IsRobot() && !p->IsResigned() && !(m_bExcludeFloatingSubs && p->IsFloatingSub()) &&
                   p->GetEnteringAverage(TRUE) != 0 && IsRankable(p, wMask, nMinGames, nClass);
        },
        [&](CPlayer* p) {
            return p->GetAverage(bHandicap, m_nEnteringAvgGames) - p->GetEnteringAverage(TRUE) / 10.0;
        });
}

int CBowlingDoc::RankPlayersByGamesOverAverage(BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass)
{
    const int s = bHandicap ? PASS_HANDICAP : PASS_SCRATCH;
    return RankPlayers(
        nPlaces,
        [&](const CPlayer* p) {
            return !p->IsRobot() && !p->IsResigned() && p->GetEnteringAverage(TRUE) != 0 &&
                   IsRankable(p, wMask, nMinGames, nClass, true);
        },
        [s](CPlayer* p) { return static_cast<double>(p->m_nGamesOverAvg[s]); });
}

int CBowlingDoc::RankPlayersByWins(int nPass, int nPlaces, WORD wMask, int nMinGames, int nClass, BOOL bByPercent)
{
    // The percentage keys differ (x 5000 scratch, x 10000 handicap); they only order.
    const LONGLONG nScale = nPass == PASS_HANDICAP ? 10000 : 5000;
    return RankPlayers(
        nPlaces,
        [&](const CPlayer* p) {
            return !p->IsRobot() && !p->IsResigned() && IsRankable(p, wMask, nMinGames, nClass, true);
        },
        [&](CPlayer* p) {
            return static_cast<double>(bByPercent ? PerGames(p->m_nWins[nPass], nScale, p->GetHighScoreGames(nPass))
                                                  : static_cast<LONGLONG>(p->m_nWins[nPass]));
        });
}

int CBowlingDoc::RankPlayersByScratchWins(int nPlaces, WORD wMask, int nMinGames, int nClass, BOOL bByPercent)
{
    return RankPlayersByWins(PASS_SCRATCH, nPlaces, wMask, nMinGames, nClass, bByPercent);
}

int CBowlingDoc::RankPlayersByHandicapWins(int nPlaces, WORD wMask, int nMinGames, int nClass, BOOL bByPercent)
{
    return RankPlayersByWins(PASS_HANDICAP, nPlaces, wMask, nMinGames, nClass, bByPercent);
}

int CBowlingDoc::RankPlayersByGameHigh(int nGame, BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass)
{
    const int s = bHandicap ? PASS_HANDICAP : PASS_SCRATCH;
    return RankPlayers(
        nPlaces,
        [&](const CPlayer* p) {
            return !p->IsRobot() && !p->IsResigned() && IsRankable(p, wMask, nMinGames, nClass, true);
        },
        [&](CPlayer* p) { return static_cast<double>(p->m_nBestGame[s][nGame]); });
}

int CBowlingDoc::RankPlayersByGame1High(BOOL bHcp, int nPlaces, WORD wMask, int nMinGames, int nClass) { return RankPlayersByGameHigh(0, bHcp, nPlaces, wMask, nMinGames, nClass); }
int CBowlingDoc::RankPlayersByGame2High(BOOL bHcp, int nPlaces, WORD wMask, int nMinGames, int nClass) { return RankPlayersByGameHigh(1, bHcp, nPlaces, wMask, nMinGames, nClass); }
int CBowlingDoc::RankPlayersByGame3High(BOOL bHcp, int nPlaces, WORD wMask, int nMinGames, int nClass) { return RankPlayersByGameHigh(2, bHcp, nPlaces, wMask, nMinGames, nClass); }
int CBowlingDoc::RankPlayersByGame4High(BOOL bHcp, int nPlaces, WORD wMask, int nMinGames, int nClass) { return RankPlayersByGameHigh(3, bHcp, nPlaces, wMask, nMinGames, nClass); }

int CBowlingDoc::RankPlayersByPinfall(int nPlaces, WORD wMask, int nMinGames, int nClass)
{
    const bool bHandicap = m_bHandicapPass != 0;
    return RankPlayers(
        nPlaces,
        [&](const CPlayer* p) { return !p->IsResigned() && IsRankable(p, wMask, nMinGames, nClass); },
        [&](CPlayer* p) { return static_cast<double>(bHandicap ? p->m_nHcpPins : p->m_nPins[PASS_SCRATCH]); });
}

int CBowlingDoc::RankPlayersByHighFigure(int nKind, int nPlaces, WORD wMask, int nMinGames, int nClass)
{
    const int nFilled = RankPlayers(
        nPlaces,
        [&](const CPlayer* p) { return !p->IsResigned() && IsRankable(p, wMask, nMinGames, nClass, true); },
        [&](CPlayer* p) { return static_cast<double>(GetHighFigure(p, nKind)); });
    for (CPlayer* p : PlayerList(m_listPlayers))
        p->m_nHighRank[nKind] = static_cast<WORD>(p->m_nRank);
    return nFilled;
}

int CBowlingDoc::RankPlayersByHighGameScratch(int nPlaces, WORD wMask, int nMinGames, int nClass) { return RankPlayersByHighFigure(HIGH_GAME_SCRATCH, nPlaces, wMask, nMinGames, nClass); }
int CBowlingDoc::RankPlayersByHighGameHcp(int nPlaces, WORD wMask, int nMinGames, int nClass) { return RankPlayersByHighFigure(HIGH_GAME_HCP, nPlaces, wMask, nMinGames, nClass); }
int CBowlingDoc::RankPlayersByHighSeriesScratch(int nPlaces, WORD wMask, int nMinGames, int nClass) { return RankPlayersByHighFigure(HIGH_SERIES_SCRATCH, nPlaces, wMask, nMinGames, nClass); }
int CBowlingDoc::RankPlayersByHighSeriesHcp(int nPlaces, WORD wMask, int nMinGames, int nClass) { return RankPlayersByHighFigure(HIGH_SERIES_HCP, nPlaces, wMask, nMinGames, nClass); }

int CBowlingDoc::RankPlayersByAwardCount(WORD nCategoryId, WORD wMask, int nPlaces)
{
    std::vector<CPlayer*> players = PlayerList(m_listPlayers);
    for (CPlayer* p : players) {
        p->m_nRank = 0;
        p->m_nAwardCount = 0;
    }
    for (POSITION pos = m_listAwardData.GetHeadPosition(); pos;) {
        const auto* pRecord = static_cast<const CAwardData*>(m_listAwardData.GetNext(pos));
        if (pRecord->m_nCategory != nCategoryId || pRecord->m_nRound == 0)
            continue;
        if (CPlayer* p = FindPlayer(pRecord->m_nPlayerNo))
            ++p->m_nAwardCount;
    }
    std::vector<CPlayer*> ranked;
    for (CPlayer* p : players)
        if (p->m_nAwardCount > 0 && InMask(p, wMask))
            ranked.push_back(p);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const CPlayer* a, const CPlayer* b) { return a->m_nAwardCount > b->m_nAwardCount; });
    const size_t n = std::min(ranked.size(), static_cast<size_t>(std::max(nPlaces, 0)));
    for (size_t i = 0; i < n; ++i)
        ranked[i]->m_nRank = static_cast<DWORD>(i + 1);
    return static_cast<int>(n);
}

void CBowlingDoc::NumberPlayersAlphabetically()
{
    std::vector<std::pair<CString, CPlayer*>> named;
    for (CPlayer* p : PlayerList(m_listPlayers)) {
        p->m_nRank = 0;
        if (p->IsResigned() || p->IsRobot())
            continue;
        CString strKey = p->m_strSurname + " " + p->m_strFirstName;
        strKey.MakeUpper();
        named.emplace_back(strKey, p);
    }
    std::stable_sort(named.begin(), named.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < named.size(); ++i)
        named[i].second->m_nRank = static_cast<DWORD>(i + 1);
}

// ------------------------------------------------------------------ high-score tables

WORD CBowlingDoc::GetHighFigure(const CPlayer* p, int nKind) const
{
    switch (nKind) {
    case HIGH_GAME_SCRATCH: return p->GetHighGameScratch();
    case HIGH_GAME_HCP: return p->GetHighGameHcp();
    case HIGH_SERIES_SCRATCH: return p->GetHighSeriesScratch();
    case HIGH_SERIES_HCP: return p->GetHighSeriesHcp();
    default: return 0;
    }
}

int CBowlingDoc::HighTableMaskIndex(WORD wMask)
{
    switch (wMask) {
    case 1: return 0;
    case 2: return 1;
    case 4: return 2;
    case 7: case 0xFFFF: return 3;
    default: return -1;
    }
}

void CBowlingDoc::BuildHighScoreTables()
{
    static const WORD s_masks[4] = {1, 2, 4, 7};
    const std::vector<CPlayer*> players = PlayerList(m_listPlayers);
    for (int nKind = 0; nKind < 4; ++nKind) {
        // One order per kind; each table is that order filtered by mask and class.
        std::vector<std::pair<CPlayer*, WORD>> order;
        for (CPlayer* p : players) {
            if (p->IsResigned() || p->IsRobot() || (m_bExcludeFloatingSubs && p->IsFloatingSub()))
                continue;
            const WORD nFigure = GetHighFigure(p, nKind);
            if (nFigure > 0)
                order.emplace_back(p, nFigure);
        }
        std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
        for (int m = 0; m < 4; ++m)
            for (int c = 0; c < 4; ++c) {
                CWordArray& table = m_arrHighTables[nKind][m][c];
                table.RemoveAll();
                for (const auto& [p, nFigure] : order)
                    if (InMask(p, s_masks[m]) && (c == 0 || p->m_nCategory == c))
                        table.Add(p->m_nPlayerNo);
            }
    }
}

CPlayer* CBowlingDoc::FindPlayerByHighRank(int nKind, DWORD nPlace, WORD wMask, BYTE nClass) const
{
    const int m = HighTableMaskIndex(wMask);
    if (m < 0 || nClass > 3 || nKind < 0 || nKind > 3 || nPlace == 0)
        return nullptr;
    const CWordArray& table = m_arrHighTables[nKind][m][nClass];
    if (nPlace > static_cast<DWORD>(table.GetSize()))
        return nullptr;
    CPlayer* p = FindPlayer(table[static_cast<int>(nPlace - 1)]);
    return (p && !p->IsResigned()) ? p : nullptr;
}

CPlayer* CBowlingDoc::FindPlayerByHighGameScratchRank(DWORD nPlace, WORD wMask, BYTE nClass) const { return FindPlayerByHighRank(HIGH_GAME_SCRATCH, nPlace, wMask, nClass); }
CPlayer* CBowlingDoc::FindPlayerByHighGameHcpRank(DWORD nPlace, WORD wMask, BYTE nClass) const { return FindPlayerByHighRank(HIGH_GAME_HCP, nPlace, wMask, nClass); }
CPlayer* CBowlingDoc::FindPlayerByHighSeriesScratchRank(DWORD nPlace, WORD wMask, BYTE nClass) const { return FindPlayerByHighRank(HIGH_SERIES_SCRATCH, nPlace, wMask, nClass); }
CPlayer* CBowlingDoc::FindPlayerByHighSeriesHcpRank(DWORD nPlace, WORD wMask, BYTE nClass) const { return FindPlayerByHighRank(HIGH_SERIES_HCP, nPlace, wMask, nClass); }

// ------------------------------------------------------------------ floating substitutes

int CBowlingDoc::BuildFloatingSubs()
{
    delete m_pFloatingSubsTeam;
    m_pFloatingSubsTeam = nullptr;
    int nCount = 0;
    for (CPlayer* p : PlayerList(m_listPlayers)) {
        if (!p->IsFloatingSub())
            continue;
        if (!m_pFloatingSubsTeam) {
            m_pFloatingSubsTeam = new CTeam("Floating Subs", 0);
            m_pFloatingSubsTeam->m_pDoc = this;
        }
        m_pFloatingSubsTeam->m_arrTeamOrder.Add(p->m_nPlayerNo);
        ++nCount;
    }
    if (m_pFloatingSubsTeam && m_bFloatingSubsAsTeam)
        m_pFloatingSubsTeam->m_nTeamNo = 999;
    if (m_pFloatingSubsTeam && s_pfnSortFloatingSubs)
        s_pfnSortFloatingSubs(this, m_pFloatingSubsTeam);
    m_nFloatingSubs = static_cast<DWORD>(nCount);
    return nCount;
}

// ------------------------------------------------------------------ averages

double CBowlingDoc::GetLeagueAverage() const
{
    LONGLONG nPins = 0, nGames = 0;
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(m_listFixtures.GetNext(pos));
        if (f->IsBye())
            continue;
        for (int nSide = 0; nSide < 2; ++nSide)
            if (f->m_bPlayed[nSide]) {
                nPins += f->GetSeriesBowled(nSide, FALSE);
                nGames += f->CountSeriesInRange(nSide, 1, 300);
            }
    }
    return nGames == 0 ? 0.0 : static_cast<double>(nPins) / static_cast<double>(nGames);
}

double CBowlingDoc::GetRoundAverage(int nRound) const
{
    LONGLONG nPins = 0, nGames = 0;
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(m_listFixtures.GetNext(pos));
        if (f->m_nRound != nRound)
            continue;
        for (int nSide = 0; nSide < 2; ++nSide) {
            nPins += f->GetSeriesBowled(nSide, FALSE);
            nGames += f->CountSeriesInRange(nSide, 1, 300);
        }
    }
    return nGames == 0 ? 0.0 : static_cast<double>(nPins) / static_cast<double>(nGames);
}
