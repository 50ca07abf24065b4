#pragma once
// A small league for the result card and result summary tests: two teams of two, three games,
// with every figure set by hand so that each row can be worked out on paper.
#include "RecordingDC.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"

#include <initializer_list>
#include <string>

inline CTeam* AddResultTeam(CBowlingDoc& doc, WORD nTeamNo, const char* pszName)
{
    auto* pTeam = new CTeam(pszName, nTeamNo);
    doc.AddTeam(pTeam);
    return pTeam;
}

inline CPlayer* AddResultPlayer(CBowlingDoc& doc, WORD nPlayerNo, const char* pszName, WORD nTeamNo)
{
    auto* p = new CPlayer(nPlayerNo);
    p->m_strName = pszName;
    p->m_nTeamNo = nTeamNo;
    doc.AddPlayer(p);
    if (CTeam* pTeam = doc.FindTeam(nTeamNo))
        pTeam->m_arrTeamOrder.Add(nPlayerNo);
    return p;
}

inline CFixture* AddResultFixture(CBowlingDoc& doc, int nRound, int nTeamA, int nTeamB)
{
    auto* f = new CFixture(nRound, nTeamA, nTeamB, doc.m_nPlayersPerTeam);
    f->m_nGames = doc.m_nGamesPerMatch;
    doc.AddFixture(f);
    f->m_pTeamA = doc.FindTeam(static_cast<WORD>(nTeamA));
    f->m_pTeamB = doc.FindTeam(static_cast<WORD>(nTeamB));
    f->m_timeDue = CTime(2009, 3, 3, 19, 30, 0);
    return f;
}

// One game of a side's position: its bowler, score and handicap.
inline void PutGame(CFixture* f, int nSide, int nPos, int nGame, const CPlayer* p, int nScore, int nHandicap)
{
    const int k = CFixture::SlotOf(nSide, nPos);
    f->m_wPlayerNo[nGame][k] = p->m_nPlayerNo;
    f->m_nScore[nGame][k] = static_cast<WORD>(nScore);
    f->m_nHandicap[nGame][k] = nHandicap;
    f->m_bPlayed[nSide] = 1;
}

inline void PutBowler(CFixture* f, int nSide, int nPos, const CPlayer* p, std::initializer_list<int> scores,
                      int nHandicap)
{
    int g = 0;
    for (int score : scores)
        PutGame(f, nSide, nPos, g++, p, score, nHandicap);
}

// The text calls of a recording, found by their text.
inline const DrawCall& TextCall(const CRecordingDC& dc, const char* psz)
{
    static const DrawCall none(DrawCall::Text);
    const DrawCall* p = dc.FindText(psz);
    return p ? *p : none;
}

inline int CountTexts(const CRecordingDC& dc, const char* psz)
{
    int n = 0;
    for (const std::string& s : dc.Texts())
        n += s == psz;
    return n;
}
