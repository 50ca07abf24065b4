#pragma once
// A small league for the custom player table's tests, with figures set by hand so that every
// cell can be worked out on paper.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"

#include <initializer_list>

inline CTeam* AddTestTeam(CBowlingDoc& doc, WORD nTeamNo, const char* pszName, std::initializer_list<WORD> order)
{
    auto* pTeam = new CTeam(pszName, nTeamNo);
    for (WORD no : order)
        pTeam->m_arrTeamOrder.Add(no);
    doc.AddTeam(pTeam);
    return pTeam;
}

inline CPlayer* AddTestPlayer(CBowlingDoc& doc, WORD nPlayerNo, const char* pszFirst, const char* pszSurname,
                              WORD nTeamNo, WORD wFlags = PF_MALE)
{
    auto* p = new CPlayer(nPlayerNo);
    p->m_strFirstName = pszFirst;
    p->m_strSurname = pszSurname;
    p->m_strName = CString(pszFirst) + " " + pszSurname;
    p->m_nTeamNo = nTeamNo;
    p->m_wFlags = wFlags;
    doc.AddPlayer(p);
    return p;
}

// Handicap-set and scratch-set games and scratch pins.
inline void SetFigures(CPlayer* p, DWORD nHcpGames, DWORD nHcpPins, DWORD nScrGames, DWORD nScrPins)
{
    p->m_nGames[PASS_HANDICAP] = nHcpGames;
    p->m_nPins[PASS_HANDICAP] = nHcpPins;
    p->m_nGames[PASS_SCRATCH] = nScrGames;
    p->m_nPins[PASS_SCRATCH] = nScrPins;
}

inline CFixture* AddTestFixture(CBowlingDoc& doc, int nRound, int nTeamA, int nTeamB)
{
    auto* f = new CFixture(nRound, nTeamA, nTeamB, doc.m_nPlayersPerTeam);
    f->m_nGames = doc.m_nGamesPerMatch;
    doc.AddFixture(f);
    f->m_pTeamA = doc.FindTeam(static_cast<WORD>(nTeamA));
    f->m_pTeamB = doc.FindTeam(static_cast<WORD>(nTeamB));
    return f;
}

// The bowler at a side's position in every game, with his scores and handicap.
inline void PutBowler(CFixture* f, int nSide, int nPos, const CPlayer* p, std::initializer_list<int> scores,
                      int nHandicap)
{
    const int k = CFixture::SlotOf(nSide, nPos);
    int g = 0;
    for (int score : scores) {
        f->m_wPlayerNo[g][k] = p->m_nPlayerNo;
        f->m_nScore[g][k] = static_cast<WORD>(score);
        f->m_nHandicap[g][k] = nHandicap;
        ++g;
    }
    f->m_bPlayed[nSide] = 1;
}
