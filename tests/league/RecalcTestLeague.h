#pragma once
// A small league built by hand for the recalculation, standings and ranking tests: teams
// numbered 1..N in list order, bowlers numbered team x 10 + position + 1.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"

#include <initializer_list>
#include <vector>

struct RecalcTestLeague
{
    CBowlingDoc doc;

    RecalcTestLeague(int nTeams, int nPlayers, int nGames)
    {
        doc.m_nTeams = static_cast<BYTE>(nTeams);
        doc.m_nPlayersPerTeam = static_cast<BYTE>(nPlayers);
        doc.m_nGamesPerMatch = static_cast<BYTE>(nGames);
        doc.m_nRounds = 10;
        doc.m_nCurrentRound = 1;
        for (int t = 1; t <= nTeams; ++t) {
            CString strName;
            strName.Format("Team %d", t);
            auto* pTeam = new CTeam(strName, static_cast<WORD>(t));
            doc.AddTeam(pTeam);
            for (int p = 0; p < nPlayers; ++p) {
                auto* pPlayer = new CPlayer(static_cast<WORD>(t * 10 + p + 1));
                pPlayer->m_nTeamNo = static_cast<WORD>(t);
                pPlayer->m_wFlags = PF_MALE;
                pPlayer->m_strSurname.Format("Surname%d", t * 10 + p + 1);
                pPlayer->m_strFirstName = "A";
                pPlayer->m_strName = pPlayer->m_strFirstName + " " + pPlayer->m_strSurname;
                doc.AddPlayer(pPlayer);
                pTeam->m_arrTeamOrder.Add(pPlayer->m_nPlayerNo);
            }
        }
    }

    CTeam* Team(int nTeamNo) { return doc.FindTeam(static_cast<WORD>(nTeamNo)); }
    CPlayer* Player(int nPlayerNo) { return doc.FindPlayer(static_cast<WORD>(nPlayerNo)); }

    // A match with the teams' bowlers in order; scores[side][pos][game]; an empty side is
    // left unplayed.
    CFixture* AddMatch(int nRound, int nTeamA, int nTeamB,
                       const std::vector<std::vector<int>>& scoresA = {},
                       const std::vector<std::vector<int>>& scoresB = {})
    {
        auto* f = new CFixture(nRound, nTeamA, nTeamB, doc.m_nPlayersPerTeam);
        f->m_nGames = doc.m_nGamesPerMatch;
        f->m_nMatch = static_cast<BYTE>(1 + CountMatches(nRound));
        f->m_pTeamA = Team(nTeamA);
        f->m_pTeamB = Team(nTeamB);
        doc.AddFixture(f);
        const int nTeam[2] = {nTeamA, nTeamB};
        const std::vector<std::vector<int>>* scores[2] = {&scoresA, &scoresB};
        for (int s = 0; s < 2; ++s) {
            for (int p = 0; p < doc.m_nPlayersPerTeam; ++p)
                f->SetPlayer(s, p, Player(nTeam[s] * 10 + p + 1));
            if (scores[s]->empty())
                continue;
            f->m_bPlayed[s] = 1;
            for (int p = 0; p < static_cast<int>(scores[s]->size()); ++p)
                for (int g = 0; g < static_cast<int>((*scores[s])[static_cast<size_t>(p)].size()); ++g)
                    f->m_nScore[g][CFixture::SlotOf(s, p)] = static_cast<WORD>((*scores[s])[static_cast<size_t>(p)][static_cast<size_t>(g)]);
        }
        return f;
    }

    int CountMatches(int nRound) const
    {
        int n = 0;
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;)
            n += static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos))->m_nRound == nRound;
        return n;
    }

    // Team numbers in order of a position field, places 1..n.
    std::vector<int> Order(WORD CTeam::*pField)
    {
        std::vector<int> order;
        for (WORD n = 1;; ++n) {
            CTeam* pFound = nullptr;
            for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;) {
                CTeam* t = static_cast<CTeam*>(doc.m_listTeams.GetNext(pos));
                if (t->*pField == n)
                    pFound = t;
            }
            if (!pFound)
                return order;
            order.push_back(pFound->m_nTeamNo);
        }
    }

    // Player numbers by rank number 1..n.
    std::vector<int> Ranked()
    {
        std::vector<int> order;
        for (int n = 1;; ++n) {
            CPlayer* p = doc.FindPlayerByRank(n);
            if (!p)
                return order;
            order.push_back(p->m_nPlayerNo);
        }
    }
};
