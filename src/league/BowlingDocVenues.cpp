// The venues' statistics: the matches bowled at each venue and its top-ten tables of bowlers'
// and teams' games and series, scratch and handicap.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "league/Venue.h"

#include <algorithm>

namespace {

void ShiftTopTen(int nPos, WORD* pScores, CObject** pWho, CFixture** pFixtures)
{
    if (nPos < 0 || nPos >= 10)
        return;
    for (int i = 9; i > nPos; --i) {
        pScores[i] = pScores[i - 1];
        pWho[i] = pWho[i - 1];
        pFixtures[i] = pFixtures[i - 1];
    }
    pScores[nPos] = 0;
    pWho[nPos] = nullptr;
    pFixtures[nPos] = nullptr;
}

WORD ScoreWord(int n)
{
    return static_cast<WORD>(std::clamp(n, 0, 0xFFFF));
}

// One side's entries for the venue: each game and series as its bowler's high figures take
// it. A handicap figure enters only beside a bowled score.
void AddSide(CVenue& v, CFixture* f, int nSide, int nPlayers, int nGames, bool bHandicap)
{
    CBowledGame games[MAX_POSITIONS][MAX_GAMES];
    CBowledSeries positions[MAX_POSITIONS];
    f->GetBowledSide(nSide, games, positions);
    for (int p = 0; p < nPlayers && p < std::min<int>(f->m_nPlayers, MAX_POSITIONS); ++p) {
        // A position's series as a match's high series takes it, blind games in it where the
        // league counts them.
        const CBowledSeries series = f->GetPositionHighSeries(nSide, p);
        if (series.bHighFigures) {
            InsertTopTen(v.m_topTen[VT_PLAYER_SCR_SERIES], ScoreWord(series.nScratch), series.pBowler, f);
            if (bHandicap && series.nScratch > 0)
                InsertTopTen(v.m_topTen[VT_PLAYER_HCP_SERIES], ScoreWord(series.nHandicap), series.pBowler, f);
        }
        for (int g = 0; g < nGames && g < MAX_GAMES; ++g) {
            const CBowledGame& game = games[p][g];
            if (!game.bHighFigures)
                continue;
            InsertTopTen(v.m_topTen[VT_PLAYER_SCR_GAME], ScoreWord(game.nScore), game.pBowler, f);
            if (bHandicap && game.nScore > 0)
                InsertTopTen(v.m_topTen[VT_PLAYER_HCP_GAME], ScoreWord(game.Value(1)), game.pBowler, f);
        }
    }
    CObject* pTeam = nSide == 0 ? f->m_pTeamA : f->m_pTeamB;
    if (!pTeam)
        return;
    const int nSeries = f->GetSeriesBowled(nSide, FALSE);
    InsertTopTen(v.m_topTen[VT_TEAM_SCR_SERIES], ScoreWord(nSeries), pTeam, f);
    if (bHandicap && nSeries > 0)
        InsertTopTen(v.m_topTen[VT_TEAM_HCP_SERIES], ScoreWord(f->GetSeriesBowled(nSide, TRUE)), pTeam, f);
    for (int g = 0; g < nGames && g < 4; ++g) {
        const int nGame = f->GetGameBowled(nSide, g, FALSE);
        InsertTopTen(v.m_topTen[VT_TEAM_SCR_GAME], ScoreWord(nGame), pTeam, f);
        if (bHandicap && nGame > 0)
            InsertTopTen(v.m_topTen[VT_TEAM_HCP_GAME], ScoreWord(f->GetGameBowled(nSide, g, TRUE)), pTeam, f);
    }
}

} // namespace

void ShiftPlayerTopTen(int nPos, WORD* pScores, CObject** pBowlers, CFixture** pFixtures)
{
    ShiftTopTen(nPos, pScores, pBowlers, pFixtures);
}

void ShiftTeamTopTen(int nPos, WORD* pScores, CObject** pTeams, CFixture** pFixtures)
{
    ShiftTopTen(nPos, pScores, pTeams, pFixtures);
}

void InsertTopTen(CVenueTopTen& t, WORD nScore, CObject* pWho, CFixture* pFixture)
{
    for (int i = 0; i < 10; ++i) {
        if (t.m_nScore[i] < nScore) {
            ShiftTopTen(i, t.m_nScore, t.m_pWho, t.m_pFixture);
            t.m_nScore[i] = nScore;
            t.m_pWho[i] = pWho;
            t.m_pFixture[i] = pFixture;
            return;
        }
    }
}

void CBowlingDoc::CalcVenueStatistics()
{
    for (POSITION vpos = m_listVenues.GetHeadPosition(); vpos;) {
        auto* v = static_cast<CVenue*>(m_listVenues.GetNext(vpos));
        v->m_nMatchesPlayed = 0;
        for (CVenueTopTen& t : v->m_topTen)
            t = CVenueTopTen{};
        for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
            auto* f = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
            if (f->m_nVenue != v->m_nVenueNo)
                continue;
            // A position round set from the scratch standings is a scratch match.
            const bool bHandicap = m_bHandicapLeague && !(f->m_bPositionRound && f->m_bPositionRoundScratch);
            if (f->m_bPlayed[0]) {
                ++v->m_nMatchesPlayed;
                AddSide(*v, f, 0, m_nPlayersPerTeam, m_nGamesPerMatch, bHandicap);
            }
            if (f->m_bPlayed[1])
                AddSide(*v, f, 1, m_nPlayersPerTeam, m_nGamesPerMatch, bHandicap);
        }
    }
}
