// Figures the custom player table reads: the share of games played, the team order with its
// real bowlers first, and the floating substitutes dealt to the table's blocks.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"

#include <algorithm>
#include <vector>

double CPlayer::GetPctGamesPlayed(int bHandicapGames, int nRound) const
{
    const DWORD g = m_nGames[bHandicapGames ? PASS_HANDICAP : PASS_SCRATCH];
    long nMatches = 0;
    if (IsFloatingSub()) {
        nMatches = std::max(nRound, 0);
    } else if (m_pDoc && m_nTeamNo != 0) {
        // Team number 0 would match the unset teams of position rounds: a bowler without a
        // team has no matches of his own.
        for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
            const auto* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
            if (f->m_nRound <= nRound && !f->IsBye() && (f->m_nTeamA == m_nTeamNo || f->m_nTeamB == m_nTeamNo))
                ++nMatches;
        }
    }
    const long nGamesPerMatch = m_pDoc ? m_pDoc->m_nGamesPerMatch : 0;
    double p = static_cast<double>(nGamesPerMatch) * static_cast<double>(nMatches);
    // More games than the matches allow (a match moved, games added by hand): never above 100.
    if (p < g)
        p = g;
    if (g > 0 && p > 0)
        return g * 100.0 / p;
    return 0.0;
}

int CTeam::PackActivePlayers()
{
    const int n = GetOrderCount();
    std::vector<WORD> active;
    std::vector<WORD> others;
    for (int i = 0; i < n; ++i) {
        WORD nPlayerNo = m_arrTeamOrder[i];
        const CPlayer* p = m_pDoc ? m_pDoc->FindPlayer(nPlayerNo) : nullptr;
        (p && !p->IsRobot() ? active : others).push_back(nPlayerNo);
    }
    const int nActive = static_cast<int>(active.size());
    if (nActive != 0 && nActive != n) {
        int i = 0;
        for (WORD no : active)
            m_arrTeamOrder[i++] = no;
        for (WORD no : others)
            m_arrTeamOrder[i++] = no;
    }
    return nActive;
}

void CBowlingDoc::BuildFloatingSubsForStats(DWORD nBlocksLess1)
{
    const int nBlocks = static_cast<int>(std::min<DWORD>(nBlocksLess1, 2)) + 1;
    for (int i = 0; i < 3; ++i) {
        delete m_pPseudoTeams[i];
        m_pPseudoTeams[i] = new CTeam("Floating Subs", static_cast<WORD>(100 + i));
        m_pPseudoTeams[i]->m_pDoc = this;
    }
    BuildFloatingSubs();
    if (!m_pFloatingSubsTeam)
        return;
    for (int i = 0; i < m_pFloatingSubsTeam->GetOrderCount(); ++i)
        m_pPseudoTeams[i % nBlocks]->m_arrTeamOrder.Add(m_pFloatingSubsTeam->GetOrderAt(i));
}
