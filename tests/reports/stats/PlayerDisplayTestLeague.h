#pragma once
// A two-team league for the player pages and the player list, every figure worked by hand:
// Aces (Alice Archer, Bob Baker) and Kings (Carl Cole, Dan Dale), two a side, three games,
// four rounds on Mondays from 1 September 2025; rounds 1 to 3 bowled.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"

class PlayerDisplayTestLeague
{
public:
    static CTime RoundDate(int nRound)
    {
        CTime day = CTime(2025, 9, 1, 12, 0, 0) + CTimeSpan(7 * (nRound - 1), 0, 0, 0);
        return CTime(day.GetYear(), day.GetMonth(), day.GetDay(), 19, 30, 0);
    }

    PlayerDisplayTestLeague()
    {
        doc.m_nTeams = doc.m_nPlayersPerTeam = 2;
        doc.m_nGamesPerMatch = 3, doc.m_bHandicapLeague = 1, doc.m_nAverageLimit = 199;
        doc.AddTeam(new CTeam("Aces", 1));
        doc.AddTeam(new CTeam("Kings", 2));
        alice = Player(1, "Archer", "Alice", 1);
        bob = Player(2, "Baker", "Bob", 1);
        carl = Player(3, "Cole", "Carl", 2);
        dan = Player(4, "Dale", "Dan", 2);
        // Round 1: Aces v Kings; Alice 150 210 and no third game, handicap 20.
        CFixture* f = Match(1, 1, 2);
        Line(f, 0, 0, alice, {150, 210, 0}, 20);
        Line(f, 0, 1, bob, {160, 160, 160}, 10);
        Line(f, 1, 0, carl, {170, 170, 170}, 5);
        Line(f, 1, 1, dan, {140, 140, 140}, 30);
        Played(f, RoundDate(1));
        // Round 2: Kings v Aces without Alice.
        f = Match(2, 2, 1);
        Line(f, 0, 0, carl, {180, 180, 180}, 5);
        Line(f, 0, 1, dan, {150, 150, 150}, 30);
        Line(f, 1, 0, bob, {170, 170, 170}, 10);
        Played(f, RoundDate(2));
        // Round 3: Aces v Kings, entered a day early.
        f = Match(3, 1, 2);
        Line(f, 0, 0, alice, {180, 190, 170}, 18);
        Line(f, 0, 1, bob, {150, 150, 150}, 10);
        Line(f, 1, 0, carl, {200, 200, 200}, 5);
        Line(f, 1, 1, dan, {150, 150, 150}, 30);
        Played(f, RoundDate(3) - CTimeSpan(1, 0, 0, 0));
        Match(4, 2, 1);
        doc.m_nCurrentRound = 3;
    }

    CPlayer* Player(int nNo, const char* pszSurname, const char* pszFirst, int nTeam)
    {
        auto* p = new CPlayer(static_cast<WORD>(nNo));
        p->m_strSurname = pszSurname;
        p->m_strFirstName = pszFirst;
        p->m_strName = CString(pszFirst) + " " + pszSurname;
        p->m_nTeamNo = static_cast<WORD>(nTeam);
        p->m_wFlags = 4;  // male; the test sets what it needs
        doc.AddPlayer(p);
        doc.FindTeam(static_cast<WORD>(nTeam))->m_arrTeamOrder.Add(static_cast<WORD>(nNo));
        return p;
    }
    CFixture* Match(int nRound, int nHome, int nAway)
    {
        auto* f = new CFixture(nRound, nHome, nAway, doc.m_nPlayersPerTeam);
        f->m_nMatch = 1, f->m_nGames = doc.m_nGamesPerMatch, f->m_timeDue = RoundDate(nRound);
        f->m_pTeamA = doc.FindTeam(static_cast<WORD>(nHome)), f->m_pTeamB = doc.FindTeam(static_cast<WORD>(nAway));
        doc.AddFixture(f);
        if (nRound > doc.m_nRounds)
            doc.m_nRounds = static_cast<BYTE>(nRound);
        return f;
    }
    static void Line(CFixture* f, int nSide, int nPos, CPlayer* p, std::initializer_list<int> scores, int nHcp)
    {
        f->SetPlayer(nSide, nPos, p);
        int slot = CFixture::SlotOf(nSide, nPos);
        int g = 0;
        for (int s : scores) {
            f->m_nScore[g][slot] = static_cast<WORD>(s);
            f->m_nHandicap[g][slot] = nHcp;
            ++g;
        }
    }
    static void Played(CFixture* f, CTime when)
    {
        for (int s = 0; s < 2; ++s) {
            f->m_bPlayed[s] = 1;
            f->m_timePlayed[s] = when;
        }
    }

    CBowlingDoc doc;
    CPlayer* alice = nullptr;
    CPlayer* bob = nullptr;
    CPlayer* carl = nullptr;
    CPlayer* dan = nullptr;
};
