// The team standings and team rankings: each writes positions into the teams, and the report
// items then fetch the team at each position through the FindTeamBy... look-ups.
#include "league/BowlingDoc.h"

#include "framework/ui/Dialog.h"
#include "league/Scoring.h"
#include "league/Team.h"

#include <algorithm>
#include <vector>

namespace {

// Division grouping: a team of division d sorts above every team of a higher division number.
constexpr LONGLONG DIVISION_STEP = 1000000;

std::vector<CTeam*> TeamList(const CObList& list)
{
    std::vector<CTeam*> teams;
    teams.reserve(static_cast<size_t>(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos;)
        teams.push_back(static_cast<CTeam*>(list.GetNext(pos)));
    return teams;
}

LONGLONG Ratio(LONGLONG nNumerator, LONGLONG nDivisor)
{
    return nDivisor == 0 ? 0 : nNumerator / nDivisor;
}

// A team's sort keys, compared left to right, higher first.
struct CTeamKeys
{
    CTeam* pTeam;
    LONGLONG nKey[4];
};

// Stable, so teams equal on every key keep their team-list order.
void SortKeys(std::vector<CTeamKeys>& keys)
{
    std::stable_sort(keys.begin(), keys.end(), [](const CTeamKeys& a, const CTeamKeys& b) {
        for (int k = 0; k < 4; ++k)
            if (a.nKey[k] != b.nKey[k])
                return a.nKey[k] > b.nKey[k];
        return false;
    });
}

CTeam* FindTeamBy(const CObList& list, WORD nValue, WORD CTeam::*pField, bool& bFound)
{
    CTeam* pTeam = nullptr;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        pTeam = static_cast<CTeam*>(list.GetNext(pos));
        if (pTeam->*pField == nValue) {
            bFound = true;
            return pTeam;
        }
    }
    bFound = false;
    return pTeam; // the last team of the list, or null for an empty list
}

CTeam* FindTeamByHiRank(const CObList& list, int nKind, int nRank)
{
    CTeam* pTeam = nullptr;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        pTeam = static_cast<CTeam*>(list.GetNext(pos));
        if (pTeam->m_nHiRank[nKind] == nRank)
            return pTeam;
    }
    return pTeam;
}

} // namespace

// ------------------------------------------------------------------ standings values

LONGLONG CTeam::GetStandingsValue(BYTE nCriterion) const
{
    const CBowlingDoc* pDoc = m_pDoc;
    const int s = (pDoc && pDoc->m_bHandicapPass) ? PASS_HANDICAP : PASS_SCRATCH;
    LONGLONG nValue = 0;
    switch (nCriterion) {
    case 0: nValue = m_nTotalPoints; break;
    case 1: nValue = m_nPointsWon[s]; break;
    case 2: nValue = Ratio(10000LL * m_nPointsWon[s], static_cast<LONGLONG>(m_nPointsWon[s]) + m_nPointsLost[s]); break;
    case 3: nValue = s == PASS_HANDICAP ? m_nHcpScrPins : m_nPins[PASS_SCRATCH]; break;
    case 4: nValue = Ratio(1000LL * m_nPins[s], static_cast<LONGLONG>(pDoc ? pDoc->m_nPlayersPerTeam : 1) * m_nGames[s]); break;
    case 5: nValue = m_nGames[s]; break;
    case 6: nValue = m_nPins[s]; break;
    case 8: nValue = Ratio(10000LL * m_nCombinedWon, static_cast<LONGLONG>(m_nCombinedWon) + m_nCombinedLost); break;
    default: return 0;
    }
    return nValue + GetDivisionWeight() * DIVISION_STEP;
}

LONGLONG CTeam::GetDivisionWeight() const
{
    if (!m_pDoc || !m_pDoc->m_bDivisions)
        return 0;
    return static_cast<LONGLONG>(m_pDoc->m_nDivisions) - m_nDivision;
}

// ------------------------------------------------------------------ standings

int CBowlingDoc::GetStandingsCriterion(BOOL bHandicap, int nKey) const
{
    const int nValue = GetStandingsKey(bHandicap, nKey);
    return nValue != 0 ? nValue : nKey + 1;
}

void CBowlingDoc::CalcStandingsPositions()
{
    if (m_bHandicapPass)
        CalcHandicapStandings();
    else
        CalcScratchStandings();
}

void CBowlingDoc::CalcHandicapStandings()
{
    const BYTE c[3] = {static_cast<BYTE>(GetStandingsCriterion(TRUE, 0)),
                       static_cast<BYTE>(GetStandingsCriterion(TRUE, 1)),
                       static_cast<BYTE>(GetStandingsCriterion(TRUE, 2))};
    NumberTeamsByCriteria(&CTeam::m_nHcpPosition, c);
}

void CBowlingDoc::CalcScratchStandings()
{
    const BYTE c[3] = {static_cast<BYTE>(GetStandingsCriterion(FALSE, 0)),
                       static_cast<BYTE>(GetStandingsCriterion(FALSE, 1)),
                       static_cast<BYTE>(GetStandingsCriterion(FALSE, 2))};
    NumberTeamsByCriteria(&CTeam::m_nScrPosition, c);
    m_bScratchSequenceReported = FALSE;
}

// Removed teams get no position; "Vacancy (Omit from Standings)" teams take the last places,
// the first of them met the very last; the rest rank by the three criteria, division first.
// The division is compared on its own before the criteria, so a division's teams stay
// together even when a figure such as the pinfall runs past the division step.
void CBowlingDoc::NumberTeamsByCriteria(WORD CTeam::*pPosition, const BYTE nCriteria[3])
{
    std::vector<CTeam*> teams = TeamList(m_listTeams);
    std::vector<CTeamKeys> ranked;
    std::vector<CTeam*> omitted;
    for (CTeam* pTeam : teams) {
        pTeam->*pPosition = 0;
        if (pTeam->IsRemoved())
            continue;
        if (pTeam->m_bOmitStandings) {
            omitted.push_back(pTeam);
            continue;
        }
        const LONGLONG nDivision = pTeam->GetDivisionWeight() * DIVISION_STEP;
        CTeamKeys k{pTeam, {pTeam->GetDivisionWeight(), 0, 0, 0}};
        for (int i = 0; i < 3; ++i)
            k.nKey[i + 1] = pTeam->GetStandingsValue(nCriteria[i]) - nDivision;
        ranked.push_back(k);
    }
    SortKeys(ranked);
    const int nCount = static_cast<int>(ranked.size() + omitted.size());
    for (size_t i = 0; i < ranked.size(); ++i)
        ranked[i].pTeam->*pPosition = static_cast<WORD>(i + 1);
    for (size_t i = 0; i < omitted.size(); ++i)
        omitted[i]->*pPosition = static_cast<WORD>(nCount - static_cast<int>(i));
}

void CBowlingDoc::CalcCombinedStandings(DWORD dwKinds)
{
    if (dwKinds == 0)
        dwKinds = COMBINE_SCRATCH | COMBINE_HANDICAP;
    for (CTeam* pTeam : TeamList(m_listTeams)) {
        int nWon = 0, nLost = 0;
        if (dwKinds & COMBINE_SCRATCH) {
            AddClamped(nWon, pTeam->m_nPointsWon[PASS_SCRATCH]);
            AddClamped(nLost, pTeam->m_nPointsLost[PASS_SCRATCH]);
        }
        if (dwKinds & COMBINE_HANDICAP) {
            AddClamped(nWon, pTeam->m_nPointsWon[PASS_HANDICAP]);
            AddClamped(nLost, pTeam->m_nPointsLost[PASS_HANDICAP]);
        }
        if (dwKinds & COMBINE_PYRAMID_SCRATCH) {
            AddClamped(nWon, pTeam->m_nPyramidWon[PASS_SCRATCH]);
            AddClamped(nLost, pTeam->m_nPyramidLost[PASS_SCRATCH]);
        }
        if (dwKinds & COMBINE_PYRAMID_HANDICAP) {
            AddClamped(nWon, pTeam->m_nPyramidWon[PASS_HANDICAP]);
            AddClamped(nLost, pTeam->m_nPyramidLost[PASS_HANDICAP]);
        }
        pTeam->m_nCombinedWon = nWon;
        pTeam->m_nCombinedLost = nLost;
        pTeam->m_nTotalPoints = nWon;
    }
    // The handicap sequence, with points scored read as the combined total and percentage
    // won as the combined percentage.
    BYTE c[3];
    for (int i = 0; i < 3; ++i) {
        int n = GetStandingsCriterion(TRUE, i);
        c[i] = static_cast<BYTE>(n == 1 ? 0 : n == 2 ? 8 : n);
    }
    NumberTeamsByCriteria(&CTeam::m_nRankPosition, c);
}

// ------------------------------------------------------------------ team rankings

void CBowlingDoc::RankTeamsByPyramid(int nPass)
{
    const BYTE nSecond = static_cast<BYTE>(GetStandingsCriterion(nPass == PASS_HANDICAP, 1));
    std::vector<CTeamKeys> ranked;
    for (CTeam* pTeam : TeamList(m_listTeams)) {
        pTeam->m_nRankPosition = 0;
        if (!pTeam->IsRemoved())
            ranked.push_back({pTeam, {pTeam->m_nPyramidWon[nPass], pTeam->GetStandingsValue(nSecond), 0, 0}});
    }
    SortKeys(ranked);
    // The handicap ranking places the league's teams only.
    size_t nPlaces = ranked.size();
    if (nPass == PASS_HANDICAP)
        nPlaces = std::min(nPlaces, static_cast<size_t>(m_nTeams));
    for (size_t i = 0; i < nPlaces; ++i)
        ranked[i].pTeam->m_nRankPosition = static_cast<WORD>(i + 1);
}

void CBowlingDoc::RankTeamsByPyramidScratch() { RankTeamsByPyramid(PASS_SCRATCH); }
void CBowlingDoc::RankTeamsByPyramidHandicap() { RankTeamsByPyramid(PASS_HANDICAP); }

// Ranks by one figure, best first; teams flagged "Vacancy (Omit from Hi Team Stats)" and BYE
// teams take the bottom places in list order. Removed teams get no place.
template <class Figure>
void CBowlingDoc::RankTeamsByFigure(WORD CTeam::*pPosition, Figure figure)
{
    std::vector<std::pair<CTeam*, double>> ranked;
    std::vector<CTeam*> flagged;
    for (CTeam* pTeam : TeamList(m_listTeams)) {
        pTeam->*pPosition = 0;
        if (pTeam->IsRemoved())
            continue;
        if (pTeam->m_bOmitHiTeamStats || pTeam->IsBye())
            flagged.push_back(pTeam);
        else
            ranked.emplace_back(pTeam, figure(pTeam));
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    WORD nPlace = 0;
    for (const auto& r : ranked)
        r.first->*pPosition = ++nPlace;
    for (CTeam* pTeam : flagged)
        pTeam->*pPosition = ++nPlace;
}

void CBowlingDoc::RankTeamsByAverage(int nPass)
{
    for (CTeam* pTeam : TeamList(m_listTeams)) {
        const bool bFlagged = pTeam->m_bOmitHiTeamStats || pTeam->IsBye();
        pTeam->m_dAverage[nPass] = (bFlagged || pTeam->m_nGames[nPass] == 0)
                                       ? 0.0
                                       : static_cast<double>(pTeam->m_nPins[nPass]) / pTeam->m_nGames[nPass];
    }
    RankTeamsByFigure(&CTeam::m_nRankPosition, [nPass](const CTeam* t) { return t->m_dAverage[nPass]; });
}

void CBowlingDoc::RankTeamsByAverageScrLeague() { RankTeamsByAverage(PASS_SCRATCH); }
void CBowlingDoc::RankTeamsByAverageHcpLeague() { RankTeamsByAverage(PASS_HANDICAP); }

void CBowlingDoc::RankTeamsByPinfall()
{
    const bool bScratch = m_bScratchLeague != 0;
    RankTeamsByFigure(&CTeam::m_nRankPosition, [bScratch](const CTeam* t) {
        return static_cast<double>(bScratch ? t->m_nPins[PASS_SCRATCH] : t->m_nHcpScrPins);
    });
}

void CBowlingDoc::RankTeamsByHandicapPinfall()
{
    RankTeamsByFigure(&CTeam::m_nRankPosition,
                      [](const CTeam* t) { return static_cast<double>(t->m_nPins[PASS_HANDICAP]); });
}

void CBowlingDoc::RankTeamHighScores()
{
    // m_nHiRank: high game scratch, high game handicap, high series scratch, high series hcp.
    for (int nKind = 0; nKind < 4; ++nKind) {
        const int s = nKind % 2 == 0 ? PASS_SCRATCH : PASS_HANDICAP;
        const bool bSeries = nKind >= 2;
        std::vector<std::pair<CTeam*, double>> ranked;
        std::vector<CTeam*> flagged;
        for (CTeam* pTeam : TeamList(m_listTeams)) {
            pTeam->m_nHiRank[nKind] = 0;
            if (pTeam->IsRemoved())
                continue;
            if (pTeam->m_bOmitHiTeamStats || pTeam->IsBye())
                flagged.push_back(pTeam);
            else
                ranked.emplace_back(pTeam, bSeries ? pTeam->m_nHighSeries[s] : pTeam->m_nHighGame[s]);
        }
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        WORD nPlace = 0;
        for (const auto& r : ranked)
            r.first->m_nHiRank[nKind] = ++nPlace;
        for (CTeam* pTeam : flagged)
            pTeam->m_nHiRank[nKind] = ++nPlace;
    }
}

// ------------------------------------------------------------------ look-ups

CTeam* CBowlingDoc::FindTeamByHcpPosition(WORD nPosition) const
{
    bool bFound = false;
    return FindTeamBy(m_listTeams, nPosition, &CTeam::m_nHcpPosition, bFound);
}

CTeam* CBowlingDoc::FindTeamByScratchPosition(WORD nPosition)
{
    bool bFound = false;
    CTeam* pTeam = FindTeamBy(m_listTeams, nPosition, &CTeam::m_nScrPosition, bFound);
    // Said once per standings calculation: a report asks for every place in turn.
    if (!bFound && pTeam && !m_bScratchSequenceReported) {
        m_bScratchSequenceReported = TRUE;
        AfxMessageBox("Internal Error. Incomplete Scratch team sequence");
    }
    return pTeam;
}

CTeam* CBowlingDoc::FindTeamByRankPosition(WORD nPosition) const
{
    bool bFound = false;
    return FindTeamBy(m_listTeams, nPosition, &CTeam::m_nRankPosition, bFound);
}

CTeam* CBowlingDoc::FindTeamByHiGameScratchRank(int nRank) const { return FindTeamByHiRank(m_listTeams, 0, nRank); }
CTeam* CBowlingDoc::FindTeamByHiGameHcpRank(int nRank) const { return FindTeamByHiRank(m_listTeams, 1, nRank); }
CTeam* CBowlingDoc::FindTeamByHiSeriesScratchRank(int nRank) const { return FindTeamByHiRank(m_listTeams, 2, nRank); }
CTeam* CBowlingDoc::FindTeamByHiSeriesHcpRank(int nRank) const { return FindTeamByHiRank(m_listTeams, 3, nRank); }

// ------------------------------------------------------------------ divisions

void CBowlingDoc::CountTeamsPerDivision()
{
    std::fill(std::begin(m_nTeamsPerDivision), std::end(m_nTeamsPerDivision), BYTE(0));
    std::fill(std::begin(m_nDivisionOffset), std::end(m_nDivisionOffset), BYTE(0));
    if (!m_bDivisions)
        return;
    int nLeft = m_nTeams;
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos && nLeft > 0; --nLeft) {
        const CTeam* pTeam = static_cast<const CTeam*>(m_listTeams.GetNext(pos));
        // The tables have 16 entries; a damaged division number is left out.
        if (pTeam->m_nDivision < 16)
            ++m_nTeamsPerDivision[pTeam->m_nDivision];
    }
    for (int d = 1; d <= 14; ++d)
        m_nDivisionOffset[d + 1] = static_cast<BYTE>(m_nDivisionOffset[d] + m_nTeamsPerDivision[d]);
}
