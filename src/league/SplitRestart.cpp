#include "league/SplitRestart.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Scoring.h"
#include "league/Team.h"

#include <algorithm>

CSplitRestart::CSplitRestart(CBowlingDoc& doc, int nSet) : m_doc(doc), m_nSet(nSet)
{
    if (!doc.ResetsHighScores())
        return;
    int nLast = 0;
    doc.GetSplitRounds(std::max<int>(doc.m_nCurrentRound, 1), m_nFirstRound, nLast);
    if (m_nFirstRound <= 1) { // the first split: nothing comes before it
        m_nFirstRound = 0;
        return;
    }
    m_bStandings = doc.ResetsStandings() != FALSE;
    m_players.reserve(static_cast<size_t>(doc.m_listPlayers.GetCount()));
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPlayer*>(doc.m_listPlayers.GetNext(pos));
        CPlayerHighs h;
        std::copy_n(p->m_nHighGame, 2, h.nGame);
        std::copy_n(p->m_nHighSeries, 2, h.nSeries);
        std::copy_n(p->m_nHighGame2, 2, h.nGame2);
        std::copy_n(p->m_nHighSeries2, 2, h.nSeries2);
        std::copy_n(&p->m_nBestGame[0][0], 8, &h.nBest[0][0]);
        m_players.push_back(h);
    }
    m_teams.reserve(static_cast<size_t>(doc.m_listTeams.GetCount()));
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;) {
        const auto* t = static_cast<const CTeam*>(doc.m_listTeams.GetNext(pos));
        CTeamHighs h;
        std::copy_n(t->m_nHighGame, 2, h.nGame);
        std::copy_n(t->m_nHighSeries, 2, h.nSeries);
        m_teams.push_back(h);
    }
}

void CSplitRestart::Restart()
{
    const int s = m_nSet;
    size_t i = 0;
    for (POSITION pos = m_doc.m_listPlayers.GetHeadPosition(); pos && i < m_players.size(); ++i) {
        auto* p = static_cast<CPlayer*>(m_doc.m_listPlayers.GetNext(pos));
        const CPlayerHighs& h = m_players[i];
        std::copy_n(h.nGame, 2, p->m_nHighGame);
        std::copy_n(h.nSeries, 2, p->m_nHighSeries);
        std::copy_n(h.nGame2, 2, p->m_nHighGame2);
        std::copy_n(h.nSeries2, 2, p->m_nHighSeries2);
        std::copy_n(&h.nBest[0][0], 8, &p->m_nBestGame[0][0]);
        p->m_nGamesOverAvg[s] = 0;
        p->m_nWins[s] = 0;
        // Games, pins and the rolling window stay: they are the average's.
        p->m_nGamesBeforeSplit[s] = p->m_nGames[s];
    }
    i = 0;
    for (POSITION pos = m_doc.m_listTeams.GetHeadPosition(); pos && i < m_teams.size(); ++i) {
        auto* t = static_cast<CTeam*>(m_doc.m_listTeams.GetNext(pos));
        std::copy_n(m_teams[i].nGame, 2, t->m_nHighGame);
        std::copy_n(m_teams[i].nSeries, 2, t->m_nHighSeries);
        if (!m_bStandings)
            continue;
        t->RestartStandings(s);
        // A vacancy-filled team's starting points belong to the split its start round is in.
        if (t->m_nVacancyStartRound != 0 && t->m_nVacancyStartRound >= m_nFirstRound) {
            AddClamped(t->m_nPointsWon[s], t->m_nStartPointsWon);
            AddClamped(t->m_nPointsLost[s], t->m_nStartPointsLost);
        }
    }
    m_nFirstRound = 0;
}
