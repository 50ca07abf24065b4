#include "league/Team.h"

#include "framework/core/Archive.h"
#include "league/BowlingDoc.h"
#include "league/FileCheck.h"
#include "league/Player.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CTeam, CObject, 1)

CTeam::CTeam() : CTeam("", 0)
{
}

CTeam::CTeam(const char* pszName, WORD nTeamNo)
    : m_pDoc(nullptr), m_strName(pszName), m_nTeamNo(nTeamNo), m_nCaptain(0), m_nDivision(0), m_bRemoved(0),
      m_bOmitHiTeamStats(0), m_bOmitStandings(0), m_bBye(0), m_bFolded(0), m_nScoreToRound(0),
      m_bDeductFromOpponents(0), m_nVacancyStartRound(0), m_nStartPointsWon(0), m_nStartPointsLost(0), m_nArrears(0)
{
    ResetFigures();
    m_nScrPosition = m_nHcpPosition = m_nRankPosition = 0;
}

void CTeam::ResetFigures()
{
    for (WORD& r : m_nHiRank)
        r = 0;
    for (int s = 0; s < 2; ++s) {
        m_nGames[s] = 0;
        m_nPins[s] = 0;
        m_nPoints[s] = m_nPointsWon[s] = m_nPointsLost[s] = 0;
        m_nPyramidWon[s] = m_nPyramidLost[s] = 0;
        m_nGamesWon[s] = m_nGamesLost[s] = 0;
        m_nDrawn[s] = 0;
        m_nOppPins[s] = m_nOppGames[s] = 0;
        m_nBlindGames[s] = 0;
        m_dAverage[s] = 0.0;
        m_nHighGame[s] = m_nHighSeries[s] = 0;
        m_nGamesBeforeSplit[s] = 0;
    }
    m_nHcpScrPins = 0;
    m_nCombinedWon = m_nCombinedLost = m_nTotalPoints = 0;
}

void CTeam::RestartStandings(int nSet)
{
    m_nGamesBeforeSplit[nSet] = m_nGames[nSet];
    m_nGames[nSet] = 0;
    m_nPins[nSet] = 0;
    if (nSet == 1) // the handicap set keeps its scratch pins beside
        m_nHcpScrPins = 0;
    m_nPoints[nSet] = m_nPointsWon[nSet] = m_nPointsLost[nSet] = 0;
    m_nPyramidWon[nSet] = m_nPyramidLost[nSet] = 0;
    m_nGamesWon[nSet] = m_nGamesLost[nSet] = 0;
    m_nDrawn[nSet] = 0;
    m_nOppPins[nSet] = m_nOppGames[nSet] = 0;
}

void CTeam::CopyFrom(const CTeam& o)
{
    m_strName = o.m_strName;
    m_nTeamNo = o.m_nTeamNo;
    m_nCaptain = o.m_nCaptain;
    m_nDivision = o.m_nDivision;
    m_arrTeamOrder.Copy(o.m_arrTeamOrder);
    m_bRemoved = o.m_bRemoved;
    m_bOmitHiTeamStats = o.m_bOmitHiTeamStats;
    m_bOmitStandings = o.m_bOmitStandings;
    m_bBye = o.m_bBye;
    m_bFolded = o.m_bFolded;
    m_nScoreToRound = o.m_nScoreToRound;
    m_bDeductFromOpponents = o.m_bDeductFromOpponents;
    m_nVacancyStartRound = o.m_nVacancyStartRound;
    m_nStartPointsWon = o.m_nStartPointsWon;
    m_nStartPointsLost = o.m_nStartPointsLost;
    m_nArrears = o.m_nArrears;
}

bool CTeam::IsSameAs(const CTeam& o) const
{
    return m_strName == o.m_strName && m_nTeamNo == o.m_nTeamNo && m_nCaptain == o.m_nCaptain &&
           m_nDivision == o.m_nDivision && m_arrTeamOrder == o.m_arrTeamOrder && m_bRemoved == o.m_bRemoved &&
           m_bOmitHiTeamStats == o.m_bOmitHiTeamStats && m_bOmitStandings == o.m_bOmitStandings &&
           m_bBye == o.m_bBye && m_bFolded == o.m_bFolded && m_nScoreToRound == o.m_nScoreToRound &&
           m_bDeductFromOpponents == o.m_bDeductFromOpponents && m_nVacancyStartRound == o.m_nVacancyStartRound &&
           m_nStartPointsWon == o.m_nStartPointsWon && m_nStartPointsLost == o.m_nStartPointsLost &&
           m_nArrears == o.m_nArrears;
}

void CTeam::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strName << m_nTeamNo << m_nCaptain << m_nDivision;
        m_arrTeamOrder.Serialize(ar);
        ar << m_bRemoved << m_bOmitHiTeamStats << m_bOmitStandings << m_bBye << m_bFolded << m_nScoreToRound
           << m_bDeductFromOpponents << m_nVacancyStartRound << m_nStartPointsWon << m_nStartPointsLost << m_nArrears;
        return;
    }
    ar >> m_strName >> m_nTeamNo >> m_nCaptain >> m_nDivision;
    m_arrTeamOrder.Serialize(ar);
    ar >> m_bRemoved >> m_bOmitHiTeamStats >> m_bOmitStandings >> m_bBye >> m_bFolded >> m_nScoreToRound
       >> m_bDeductFromOpponents >> m_nVacancyStartRound >> m_nStartPointsWon >> m_nStartPointsLost >> m_nArrears;
    ResetFigures();
}

BOOL CTeam::IsFoldedBefore(BYTE nRound) const
{
    return m_bFolded && m_nScoreToRound < nRound;
}

BOOL CTeam::HitTest(CPoint pt) const
{
    for (int i = 0; i < m_arrNameRects.GetSize(); ++i)
        if (m_arrNameRects[i].PtInRect(pt))
            return TRUE;
    return FALSE;
}

void CTeam::SortPlayerOrder(BYTE nOrder)
{
    if (!m_pDoc || (nOrder != ORDER_BY_AVERAGE && nOrder != ORDER_BY_NAME))
        return;
    std::vector<std::pair<WORD, CPlayer*>> order;
    for (int i = 0; i < m_arrTeamOrder.GetSize(); ++i)
        order.emplace_back(m_arrTeamOrder[i], m_pDoc->FindPlayer(m_arrTeamOrder[i]));
    const BOOL bHcp = m_pDoc->m_bHandicapLeague ? TRUE : FALSE;
    std::stable_sort(order.begin(), order.end(), [&](const auto& x, const auto& y) {
        CPlayer* a = x.second;
        CPlayer* b = y.second;
        if (!a || !b)
            return a && !b;
        if (nOrder == ORDER_BY_AVERAGE)
            return a->GetAverage(bHcp) > b->GetAverage(bHcp);
        const int c = a->m_strSurname.CompareNoCase(b->m_strSurname);
        return c != 0 ? c < 0 : a->m_strFirstName.CompareNoCase(b->m_strFirstName) < 0;
    });
    for (int i = 0; i < static_cast<int>(order.size()); ++i)
        m_arrTeamOrder[i] = order[static_cast<size_t>(i)].first;
}
