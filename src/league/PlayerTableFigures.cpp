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
    auto isReal = [this](WORD nPlayerNo) {
        const CPlayer* p = m_pDoc ? m_pDoc->FindPlayer(nPlayerNo) : nullptr;
        return p && !p->IsRobot();
    };
    int nActive = 0;
    for (int i = 0; i < n; ++i)
        if (isReal(m_arrTeamOrder[i]))
            ++nActive;
    // Exchanging a robot with every real bowler below it, from the bottom up, brings the
    // nearest one up and shifts the others up one real place each; the order of the robots
    // that results is the one the league file keeps.
    if (nActive > 0 && nActive < n) {
        for (int i = 0; i < nActive; ++i) {
            if (isReal(m_arrTeamOrder[i]))
                continue;
            for (int j = n - 1; j > i; --j) {
                if (isReal(m_arrTeamOrder[j])) {
                    const WORD w = m_arrTeamOrder[i];
                    m_arrTeamOrder[i] = m_arrTeamOrder[j];
                    m_arrTeamOrder[j] = w;
                }
            }
        }
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
