#pragma once
// A small league for the fixture-list tests, every figure worked by hand: teams named by
// number, rounds on Mondays from 1 September 2025 at 7.30 pm, matches added one by one.
#include "framework/core/Core.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/Team.h"
#include "league/Venue.h"

#include <string>
#include <vector>

class FixtureTestLeague
{
public:
    // Names of different lengths, so that right-aligned names show their widths.
    static const char* Name(int nTeam)
    {
        static const char* const names[] = {"",     "Aces",  "Kings", "Owls",  "Pins", "Reds",
                                            "Stars", "Tigers", "Vikings", "Wasps", "Zebras"};
        return nTeam >= 1 && nTeam <= 10 ? names[nTeam] : "";
    }
    // 7.30 pm local time also after the clocks go back.
    static CTime RoundDate(int nRound)
    {
        CTime day = CTime(2025, 9, 1, 12, 0, 0) + CTimeSpan(7 * (nRound - 1), 0, 0, 0);
        return CTime(day.GetYear(), day.GetMonth(), day.GetDay(), 19, 30, 0);
    }

    explicit FixtureTestLeague(int nTeams = 4)
    {
        doc.m_nTeams = static_cast<BYTE>(nTeams);
        doc.m_nPlayersPerTeam = 3;
        doc.m_nGamesPerMatch = 3;
        doc.m_nStartLane = 1;
        doc.m_nLastLane = 0;
        for (int t = 1; t <= nTeams; ++t)
            doc.AddTeam(new CTeam(Name(t), static_cast<WORD>(t)));
    }

    CFixture* Match(int nRound, int nMatch, int nHome, int nAway)
    {
        auto* f = new CFixture(nRound, nHome, nAway, doc.m_nPlayersPerTeam);
        f->m_nMatch = static_cast<BYTE>(nMatch);
        f->m_timeDue = RoundDate(nRound);
        doc.AddFixture(f);
        if (nRound > doc.m_nRounds)
            doc.m_nRounds = static_cast<BYTE>(nRound);
        return f;
    }
    // Rounds 1..n of four teams: (3 v 1, 4 v 2) in even rounds, (1 v 2, 3 v 4) in odd ones.
    void FourTeamRounds(int nRounds)
    {
        for (int r = 1; r <= nRounds; ++r) {
            if (r % 2 == 0) {
                Match(r, 1, 3, 1);
                Match(r, 2, 4, 2);
            } else {
                Match(r, 1, 1, 2);
                Match(r, 2, 3, 4);
            }
        }
    }
    void DatedRound(int nRound)
    {
        auto* w = new CFreeWeek(nRound);
        w->m_nFirstRound = w->m_nLastRound = static_cast<BYTE>(nRound);
        w->m_time = RoundDate(nRound);
        doc.m_listFreeWeeks.AddTail(w);
    }
    void FreeDate(CTime when, const char* pszReason)
    {
        auto* w = new CFreeWeek;
        w->m_bFreeDate = 1;
        w->m_time = when;
        w->m_strReason = pszReason;
        doc.m_listFreeWeeks.AddTail(w);
    }
    CVenue* Venue(int nNo, const char* pszName, int nStart, int nLast)
    {
        auto* v = new CVenue(static_cast<BYTE>(nNo));
        v->m_strName = pszName;
        v->m_nStartLane = static_cast<BYTE>(nStart);
        v->m_nLastLane = static_cast<BYTE>(nLast);
        doc.m_listVenues.AddTail(v);
        return v;
    }
    CTeam* Team(int nTeam) const { return doc.FindTeam(static_cast<WORD>(nTeam)); }

    CBowlingDoc doc;
};
