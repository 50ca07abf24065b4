// The full recalculation and its statistics passes.
//
// Nothing that the passes accumulate is stored: a loaded league is recalculated at once, and
// every figure of bowlers and teams is rebuilt from the fixtures. The fixtures' own points are
// stored, and each pass clears and works them again, so that a league read from a file ends
// with the same standings it was saved with.
#include "league/BowlingDoc.h"

#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Scoring.h"
#include "league/SplitRestart.h"
#include "league/Team.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>

void (*CBowlingDoc::s_pfnAutomaticAwards)(CBowlingDoc* pDoc, int nRound) = [](CBowlingDoc* pDoc, int nRound) {
    pDoc->CalcAutomaticAwards(nRound);
};
void (*CBowlingDoc::s_pfnAverageBusters)(CBowlingDoc* pDoc) = nullptr;
void (*CBowlingDoc::s_pfnCountJuniors)(CBowlingDoc* pDoc) = nullptr;
void (*CBowlingDoc::s_pfnSplits)(CBowlingDoc* pDoc) = nullptr;
void (*CBowlingDoc::s_pfnSortFloatingSubs)(CBowlingDoc* pDoc, CTeam* pTeam) = nullptr;

namespace {

// Kept as a max, not a branch: early in a season a new high comes often and at random.
template <class T>
void Raise(T& nHigh, int nValue)
{
    nHigh = static_cast<T>(std::max(static_cast<int>(nHigh), nValue));
}

// Half wins of a score against another: 2 won, 1 drawn. Worked as numbers, not branches:
// scores fall either way at random.
int HalfWins(int nOwn, int nTheirs) { return 2 * (nOwn > nTheirs) + (nOwn == nTheirs); }

// The bowlers met in a pass, each once, in the order first met: an open-addressed table of
// pointers, as a pass inserts every bowler of every match.
class CPlayerSet
{
public:
    void Insert(CPlayer* p)
    {
        if ((m_members.size() + 1) * 2 > m_table.size())
            Grow();
        const size_t nMask = m_table.size() - 1;
        for (size_t i = Hash(p) & nMask;; i = (i + 1) & nMask) {
            if (m_table[i] == p)
                return;
            if (!m_table[i]) {
                m_table[i] = p;
                m_members.push_back(p);
                return;
            }
        }
    }
    const std::vector<CPlayer*>& Members() const { return m_members; }

private:
    static size_t Hash(const CPlayer* p)
    {
        return static_cast<size_t>((reinterpret_cast<std::uintptr_t>(p) >> 4) * 0x9E3779B97F4A7C15ull >> 20);
    }
    void Grow()
    {
        m_table.assign(std::max<size_t>(64, m_table.size() * 2), nullptr);
        const size_t nMask = m_table.size() - 1;
        for (CPlayer* p : m_members) {
            size_t i = Hash(p) & nMask;
            while (m_table[i])
                i = (i + 1) & nMask;
            m_table[i] = p;
        }
    }
    std::vector<CPlayer*> m_table;
    std::vector<CPlayer*> m_members;
};

bool SameDay(CTime a, CTime b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

} // namespace

// ------------------------------------------------------------------ reset

void CBowlingDoc::ResetStatistics(int nRound)
{
    if (nRound == 0)
        nRound = m_nCurrentRound;
    m_bPastEnteringCutoff = (m_nEnteringAvgCutoff != 0 && nRound > m_nEnteringAvgCutoff) ? 1 : 0;
    m_nLeaguePins = m_nLeagueGames = 0;
    m_nJuniorCount = 0;
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;)
        static_cast<CTeam*>(m_listTeams.GetNext(pos))->ResetFigures();
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;) {
        CPlayer* p = static_cast<CPlayer*>(m_listPlayers.GetNext(pos));
        p->ResetFigures();
        // A bowler starts the season on his entering average, or on nothing.
        const WORD nEntering = p->GetEnteringAverage(FALSE);
        p->m_nAverage = static_cast<WORD>(nEntering / 10);
        p->m_nHandicap = nEntering != 0 ? CalcHandicap(nEntering / 10.0, p->m_wFlags, 0) : 0;
        if (!p->IsRobot() && !p->IsResigned() && (p->m_wFlags & PF_JUNIOR))
            ++m_nJuniorCount;
    }
}

// ------------------------------------------------------------------ the statistics pass

void CBowlingDoc::AccumulatePlayersHcpMode() { AccumulatePass(PASS_HANDICAP, m_nCurrentRound); }
void CBowlingDoc::AccumulatePlayersScrMode() { AccumulatePass(PASS_SCRATCH, m_nCurrentRound); }

void CBowlingDoc::AccumulatePass(int nPass, int nLastRound, const CFixture* pBefore)
{
    m_bHandicapPass = nPass == PASS_HANDICAP ? 1 : 0;
    // League totals, venue figures and the bowlers' current averages are taken once, in the
    // pass of the league's main system.
    const bool bMainPass = nPass == (m_bHandicapLeague ? PASS_HANDICAP : PASS_SCRATCH);
    const int nRecalcEvery = std::clamp<int>(m_nRecalcFrequency, 1, 99);

    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;) {
        CTeam* pTeam = static_cast<CTeam*>(m_listTeams.GetNext(pos));
        if (pTeam->m_nVacancyStartRound != 0) {
            AddClamped(pTeam->m_nPointsWon[nPass], pTeam->m_nStartPointsWon);
            AddClamped(pTeam->m_nPointsLost[nPass], pTeam->m_nStartPointsLost);
        }
    }

    std::optional<CBowledBefore> before;
    if (pBefore)
        before.emplace(*pBefore, m_timeStats);

    struct CRoundsBowled
    {
        int nRounds = 0;
        int nLastRound = 0;
    };
    std::unordered_map<CPlayer*, CRoundsBowled> roundsBowled;
    std::vector<CPlayer*> bowled;
    CPlayerSet bowledInPass;
    CSplitRestart split(*this, nPass);
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        CFixture* f = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
        int nSides = BOTH_SIDES;
        if (f->m_nRound == 0 || (pBefore ? (nSides = SidesBowledBefore(*f, *pBefore, *before)) == 0
                                         : f->m_nRound > nLastRound))
            continue;
        split.Reach(f->m_nRound);
        // Worked again from nothing, so that stored points never count twice. A match of which
        // one side bowled after the day worked to has no points yet and keeps its stored ones.
        if (nSides == BOTH_SIDES) {
            f->ClearPoints(nPass);
            f->m_dwPointsEligible[0] = f->m_dwPointsEligible[1] = 0;
        }
        if (!ScoresInPass(f, nPass))
            continue;
        bowled.clear();
        AccumulateFixture(f, nPass, bMainPass, bowled, nSides);
        if (!bMainPass)
            continue;
        // Averages and handicaps are refreshed after every N rounds a bowler has bowled.
        // Refreshed after every round, a bowler's figures are those after his last match:
        // nothing in the pass reads them in between, so each is worked once, at the end.
        if (nRecalcEvery == 1) {
            for (CPlayer* p : bowled)
                bowledInPass.Insert(p);
            continue;
        }
        std::sort(bowled.begin(), bowled.end());
        bowled.erase(std::unique(bowled.begin(), bowled.end()), bowled.end());
        for (CPlayer* p : bowled) {
            // Two matches in one round count once; the refresh follows his last of them.
            CRoundsBowled& r = roundsBowled[p];
            const bool bNewRound = r.nLastRound != f->m_nRound;
            if (bNewRound) {
                r.nLastRound = f->m_nRound;
                ++r.nRounds;
            }
            WORD nAverage = 0;
            int nHandicap = 0;
            if (r.nRounds % nRecalcEvery == 0) {
                RefreshPlayerFigures(p, nPass);
            } else if (r.nRounds == 1 && bNewRound && GetFirstMatchFigures(*f, *p, nAverage, nHandicap)) {
                // Until the first refresh, his first match's figures, as its scoresheet gave
                // them: no rolling window or drop-5 floor reworks them.
                p->m_nAverage = nAverage;
                p->m_nHandicap = nHandicap;
            }
        }
    }

    split.Finish();
    for (CPlayer* p : bowledInPass.Members())
        RefreshPlayerFigures(p, nPass);

    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;) {
        CTeam* pTeam = static_cast<CTeam*>(m_listTeams.GetNext(pos));
        pTeam->m_nPoints[nPass] = pTeam->m_nPointsWon[nPass];
    }
}

void CBowlingDoc::RefreshPlayerFigures(CPlayer* p, int nPass)
{
    const double dAverage = p->GetAverage(nPass == PASS_HANDICAP, m_nEnteringAvgGames);
    p->m_nAverage = static_cast<WORD>(std::clamp(dAverage, 0.0, 65535.0));
    p->m_nHandicap = CalcHandicap(dAverage, p->m_wFlags, static_cast<WORD>(std::min<DWORD>(p->m_nGames[nPass], 65535)));
}

void CBowlingDoc::AccumulateFixture(CFixture* f, int nPass, bool bMainPass, std::vector<CPlayer*>& bowled, int nSides)
{
    CTeam* pTeam[2] = {f->GetSideTeam(0), f->GetSideTeam(1)};
    // A position-round match not yet set, or a BYE, is not bowled.
    if (!pTeam[0] || !pTeam[1] || pTeam[0]->IsBye() || pTeam[1]->IsBye())
        return;
    const bool bHcp = nPass == PASS_HANDICAP;
    const int nGames = std::clamp<int>(m_nGamesPerMatch, 0, MAX_GAMES);
    const int nPlayers = std::clamp<int>(f->m_nPlayers, 1, MAX_POSITIONS);
    // A side left out of nSides bowled after the day the figures are worked to: not yet.
    const bool bPlayed[2] = {f->m_bPlayed[0] != 0 && (nSides & 1) != 0,
                             f->m_bPlayed[1] != 0 && (nSides & 2) != 0};
    const bool bBothPlayed = bPlayed[0] && bPlayed[1];
    // A vacancy-filled team's figures begin at its start round, from its starting points.
    bool bCounts[2];
    for (int s = 0; s < 2; ++s)
        bCounts[s] = pTeam[s]->m_nVacancyStartRound == 0 || f->m_nRound >= pTeam[s]->m_nVacancyStartRound;

    // --- match points
    if (bBothPlayed) {
        f->m_dwPointsEligible[0] = f->m_dwPointsEligible[1] = 1;
        int nWon[2], nLost[2];
        for (int s = 0; s < 2; ++s) {
            nWon[s] = pTeam[s]->m_nPointsWon[nPass];
            nLost[s] = pTeam[s]->m_nPointsLost[nPass];
        }
        CalcMatchPoints(f);
        for (int s = 0; s < 2; ++s)
            if (!bCounts[s]) {
                pTeam[s]->m_nPointsWon[nPass] = nWon[s];
                pTeam[s]->m_nPointsLost[nPass] = nLost[s];
            }
        const int* pMatch = bHcp ? f->m_nHandicapMatchPoints : f->m_nScratchMatchPoints;
        const int* pPyramid = bHcp ? f->m_nHandicapPyramidPoints : f->m_nScratchPyramidPoints;
        for (int s = 0; s < 2; ++s) {
            if (!bCounts[s])
                continue;
            AddClamped(pTeam[s]->m_nPyramidWon[nPass], pPyramid[s]);
            AddClamped(pTeam[s]->m_nPyramidLost[nPass], pPyramid[1 - s]);
            if (pMatch[0] == pMatch[1] && (pMatch[0] != 0))
                ++pTeam[s]->m_nDrawn[nPass];
        }
    }

    // --- team figures
    // [side][game][0 scratch, 1 with handicap]; the handicap scores serve the handicap pass
    // and the teams' handicap high scores, which the scratch pass leaves to the handicap one.
    const bool bWithHcp = bHcp || !m_bHandicapLeague;
    int nGameScore[2][MAX_GAMES][2];
    for (int s = 0; s < 2; ++s) {
        int nScratch[MAX_GAMES], nWithHcp[MAX_GAMES];
        GetTeamGameScores(*f, s, nScratch, nWithHcp);
        for (int g = 0; g < nGames; ++g) {
            nGameScore[s][g][0] = nScratch[g];
            nGameScore[s][g][1] = bWithHcp ? nWithHcp[g] : nScratch[g];
        }
    }
    for (int s = 0; s < 2; ++s) {
        if (!bPlayed[s] || !bCounts[s])
            continue;
        CTeam* t = pTeam[s];
        const int o = 1 - s;
        int nSeries[2] = {0, 0};
        for (int g = 0; g < nGames; ++g) {
            if (f->m_nDefaulted[s] & DefaultedBit(g))
                continue;
            const int nScr = nGameScore[s][g][0];
            const int nWithHcp = nGameScore[s][g][1];
            ++t->m_nGames[nPass];
            if (bHcp) {
                t->m_nPins[PASS_HANDICAP] += static_cast<DWORD>(nWithHcp);
                t->m_nHcpScrPins += static_cast<DWORD>(nScr);
            } else {
                t->m_nPins[PASS_SCRATCH] += static_cast<DWORD>(nScr);
            }
            Raise(t->m_nHighGame[PASS_SCRATCH], nScr);
            if (bWithHcp)
                Raise(t->m_nHighGame[PASS_HANDICAP], nWithHcp);
            nSeries[0] += nScr;
            nSeries[1] += nWithHcp;
            if (bPlayed[o] && !(f->m_nDefaulted[o] & DefaultedBit(g))) {
                t->m_nOppPins[nPass] += static_cast<DWORD>(nGameScore[o][g][bHcp ? 1 : 0]);
                ++t->m_nOppGames[nPass];
            }
            if (bBothPlayed) {
                const int nOwn = nGameScore[s][g][bHcp ? 1 : 0];
                const int nTheirs = nGameScore[o][g][bHcp ? 1 : 0];
                const int nWon = HalfWins(nOwn, nTheirs);
                t->m_nGamesWon[nPass] += nWon;
                t->m_nGamesLost[nPass] += 2 - nWon; // as HalfWins(nTheirs, nOwn)
            }
        }
        Raise(t->m_nHighSeries[PASS_SCRATCH], nSeries[0]);
        if (bWithHcp)
            Raise(t->m_nHighSeries[PASS_HANDICAP], nSeries[1]);
    }

    // --- bowlers' figures
    const bool bVenue = bMainPass && f->m_nVenue != 0 && f->m_nVenue < 32;
    DWORD nLeaguePins = 0, nLeagueGames = 0;
    // The most improved start point is taken game by game too.
    const bool bPlainRecord = RollingWindowGames() == 0 && !m_bDrop5 &&
                              (m_nMostImprovedGames == 0 || (!m_bMostImprovedAfterGames && !m_bMostImprovedBoth));
    const bool bOverEntering = m_bGamesOverEntering != 0;
    int nPlainSlots = 0; // positions taken in one go below
    CPlayer* plain[2][MAX_POSITIONS] = {};
    for (int s = 0; s < 2; ++s) {
        if (!bPlayed[s])
            continue;
        for (int nPos = 0; nPos < nPlayers; ++nPos) {
            const int k = CFixture::SlotOf(s, nPos);
            // The usual position, one bowler every game with no marks, in one go: what the
            // game-by-game walk below does for it, without the per-game questions.
            if (bPlainRecord) {
                CPlayer* p = f->GetPlainBowler(s, nPos, nGames);
                if (p && p->m_pDoc == this) {
                    const int nEnteringBase = bOverEntering ? p->GetEnteringAverage(TRUE) / 10 : 0;
                    if (p->m_nGames[nPass] == 0)
                        p->m_nEstablishedAvg[nPass] = 0;
                    DWORD nPins = 0, nHcpPins = 0, nOver = 0;
                    int nSeries = 0, nSeriesHcp = 0;
                    for (int g = 0; g < nGames; ++g) {
                        const int nScore = f->m_nScore[g][k];
                        const int nWithHcp = nScore + f->m_nHandicap[g][k];
                        nPins += static_cast<DWORD>(nScore);
                        nHcpPins += static_cast<DWORD>(std::max(nWithHcp, 0));
                        Raise(p->m_nHighGame[PASS_SCRATCH], nScore);
                        Raise(p->m_nHighGame[PASS_HANDICAP], nWithHcp);
                        Raise(p->m_nBestGame[PASS_SCRATCH][g], nScore);
                        Raise(p->m_nBestGame[PASS_HANDICAP][g], nWithHcp);
                        const int nBase = bOverEntering ? nEnteringBase : static_cast<int>(f->m_nAverage[g][k]);
                        nOver += static_cast<DWORD>((nBase > 0) & (nScore > nBase));
                        nSeries += nScore;
                        nSeriesHcp += nWithHcp;
                    }
                    p->m_nGames[nPass] += static_cast<DWORD>(nGames);
                    p->m_nPins[nPass] += nPins;
                    if (bHcp)
                        p->m_nHcpPins += nHcpPins;
                    p->m_nGamesOverAvg[nPass] += nOver;
                    if (bMainPass) {
                        nLeaguePins += nPins;
                        nLeagueGames += static_cast<DWORD>(nGames);
                        if (bVenue) {
                            p->m_nVenuePins[f->m_nVenue] += nPins;
                            p->m_nVenueGames[f->m_nVenue] = static_cast<short>(p->m_nVenueGames[f->m_nVenue] + nGames);
                        }
                    }
                    bowled.push_back(p);
                    plain[s][nPos] = p;
                    ++nPlainSlots;
                    Raise(p->m_nHighSeries[PASS_SCRATCH], nSeries);
                    Raise(p->m_nHighSeries[PASS_HANDICAP], nSeriesHcp);
                    continue;
                }
            }
            for (int g = 0; g < nGames; ++g) {
                const CBowledGame game = f->GetBowledGame(s, nPos, g);
                if (game.bDefaulted)
                    continue;
                if (game.bBlind) {
                    // The absent bowler's blind game, whoever paced it.
                    CPlayer* pAbsent = f->GetCellGame(s, nPos, g).pBowler;
                    if (pAbsent && !pAbsent->IsRobot())
                        ++pAbsent->m_nBlindGames[nPass];
                    if (bCounts[s])
                        ++pTeam[s]->m_nBlindGames[nPass];
                }
                if (!game.bCounts)
                    continue;
                CPlayer* p = game.pBowler;
                const int nScore = game.nScore;
                if (bPlainRecord && p->m_pDoc == this) {
                    // RecordBowledGame with neither a rolling window nor drop-5 to keep.
                    if (p->m_nGames[nPass] == 0)
                        p->m_nEstablishedAvg[nPass] = 0;
                    ++p->m_nGames[nPass];
                    p->m_nPins[nPass] += static_cast<DWORD>(std::max(nScore, 0));
                    if (bHcp)
                        p->m_nHcpPins += static_cast<DWORD>(std::max(nScore + game.nHandicap, 0));
                } else {
                    p->RecordBowledGame(nPass, nScore, game.nHandicap, f->m_nRound);
                }
                if (game.bHighFigures) {
                    Raise(p->m_nHighGame[PASS_SCRATCH], nScore);
                    Raise(p->m_nHighGame[PASS_HANDICAP], nScore + game.nHandicap);
                    Raise(p->m_nBestGame[PASS_SCRATCH][g], nScore);
                    Raise(p->m_nBestGame[PASS_HANDICAP][g], nScore + game.nHandicap);
                }
                const int nBase = m_bGamesOverEntering ? p->GetEnteringAverage(TRUE) / 10 : game.nAverage;
                p->m_nGamesOverAvg[nPass] += static_cast<DWORD>((nBase > 0) & (nScore > nBase));
                if (bMainPass) {
                    nLeaguePins += static_cast<DWORD>(nScore);
                    ++nLeagueGames;
                    if (bVenue) {
                        p->m_nVenuePins[f->m_nVenue] += static_cast<DWORD>(nScore);
                        ++p->m_nVenueGames[f->m_nVenue];
                    }
                }
                bowled.push_back(p);
            }
            const CBowledSeries series = f->GetBowledSeries(s, nPos);
            if (series.bHighFigures) {
                Raise(series.pBowler->m_nHighSeries[PASS_SCRATCH], series.nScratch);
                Raise(series.pBowler->m_nHighSeries[PASS_HANDICAP], series.nHandicap);
            }
        }
    }

    m_nLeaguePins += nLeaguePins;
    m_nLeagueGames += nLeagueGames;

    if (!bBothPlayed)
        return;
    // With every position of both sides taken in one go, each pair is the same two bowlers
    // facing each other all match: AccumulateWins would sum their half wins just so.
    const CPointsRule& rule = bHcp ? m_HcpPoints : m_ScrPoints;
    const bool bCycle = f->m_pDoc && f->m_pDoc->m_bCycleOpponent;
    if (nPlainSlots != 2 * nPlayers || bCycle || rule.m_bMostWinsCountsPoints) {
        AccumulateWins(f, nPass, nGames, nPlayers);
        return;
    }
    const bool bWinsWithHcp = bHcp && !m_bTeamHandicaps;
    for (int nPos = 0; nPos < nPlayers; ++nPos) {
        const int k[2] = {CFixture::SlotOf(0, nPos), CFixture::SlotOf(1, nPos)};
        int nWins = 0;
        for (int g = 0; g < nGames; ++g) {
            int nScore[2];
            for (int s = 0; s < 2; ++s)
                nScore[s] = f->m_nScore[g][k[s]] + (bWinsWithHcp ? f->m_nHandicap[g][k[s]] : 0);
            nWins += HalfWins(nScore[0], nScore[1]);
        }
        plain[0][nPos]->m_nWins[nPass] += static_cast<DWORD>(nWins);
        plain[1][nPos]->m_nWins[nPass] += static_cast<DWORD>(2 * nGames - nWins);
    }
}

// Individual wins in half wins: position k against the opposing position of the game (the
// next one along each game with "cycle opponent each game"); with "'Most Wins' counts points
// won" the individual points the position took instead. A game's win is whoever bowled it,
// the pacer in a paced game (CFixture::GetMatchedGame).
void CBowlingDoc::AccumulateWins(CFixture* f, int nPass, int nGames, int nPlayers)
{
    const bool bHcp = nPass == PASS_HANDICAP;
    const CPointsRule& rule = bHcp ? m_HcpPoints : m_ScrPoints;
    const auto& points = bHcp ? f->m_wHandicapPoints : f->m_wScratchPoints;
    const bool bCycle = f->m_pDoc && f->m_pDoc->m_bCycleOpponent; // else each meets his own position
    // Settings taken once: the compiler cannot tell the bowlers' counters from them.
    const int nBasis = bHcp && !m_bTeamHandicaps ? 1 : 0;
    const bool bPointsWon = rule.m_bMostWinsCountsPoints != 0;
    bool bGameByGame[MAX_POSITIONS] = {};
    bool bAnyGameByGame = false;
    for (int nPos = 0; nPos < nPlayers; ++nPos) {
        // The usual pair, the same two bowlers facing each other every game: their wins
        // summed first, then counted once each.
        CPlayer* pPair[2] = {nullptr, nullptr};
        if (!bCycle && !bPointsWon) {
            pPair[0] = f->GetPlainBowler(0, nPos, nGames);
            pPair[1] = pPair[0] ? f->GetPlainBowler(1, nPos, nGames) : nullptr;
        }
        if (!pPair[0] || !pPair[1]) {
            bGameByGame[nPos] = bAnyGameByGame = true;
            continue;
        }
        const int k[2] = {CFixture::SlotOf(0, nPos), CFixture::SlotOf(1, nPos)};
        int nWins[2] = {0, 0};
        for (int g = 0; g < nGames; ++g) {
            int nScore[2];
            for (int s = 0; s < 2; ++s)
                nScore[s] = f->m_nScore[g][k[s]] + (nBasis ? f->m_nHandicap[g][k[s]] : 0);
            // The other side's half wins are what is left of two: worked from one
            // comparison, which the compiler keeps free of branches.
            const int nWon = HalfWins(nScore[0], nScore[1]);
            nWins[0] += nWon;
            nWins[1] += 2 - nWon;
        }
        pPair[0]->m_nWins[nPass] += static_cast<DWORD>(nWins[0]);
        pPair[1]->m_nWins[nPass] += static_cast<DWORD>(nWins[1]);
    }

    for (int g = 0; g < nGames && bAnyGameByGame; ++g) {
        for (int nPos = 0; nPos < nPlayers; ++nPos) {
            if (!bGameByGame[nPos])
                continue;
            const int nOpp = bCycle ? f->GetOpponentPosition(0, nPos, g) : nPos;
            const CBowledGame games[2] = {f->GetMatchedGame(0, nPos, g), f->GetMatchedGame(1, nOpp, g)};
            // A game either side defaulted is nobody's win.
            if (games[0].bDefaulted || games[1].bDefaulted)
                continue;
            const int nWon = bPointsWon ? 0 : HalfWins(games[0].Value(nBasis), games[1].Value(nBasis));
            for (int s = 0; s < 2; ++s) {
                CPlayer* p = games[s].pBowler;
                if (!p)
                    continue;
                if (bPointsWon)
                    p->m_nWins[nPass] += static_cast<DWORD>(std::max(points[s][s == 0 ? nPos : nOpp][g], 0));
                else
                    p->m_nWins[nPass] += static_cast<DWORD>(s == 0 ? nWon : 2 - nWon);
            }
        }
    }
}

// ------------------------------------------------------------------ entry points

CBowlingDoc::CBowledBefore::CBowledBefore(const CFixture& match, CTime day)
    : CBowledBefore(match.m_nRound, match.m_timeDue, day)
{
}

CBowlingDoc::CBowledBefore::CBowledBefore(int nRound, CTime due, CTime day) : m_nRound(nRound)
{
    // The rework asks this of every match it passes: the day's bounds are taken from one
    // broken-down time, the next day's start by the calendar (a day lasts 23 to 25 hours).
    struct tm t {};
    (day.GetTime() != 0 ? day : due).GetLocalTm(&t);
    t.tm_hour = t.tm_min = t.tm_sec = 0;
    t.tm_isdst = -1;
    struct tm next = t;
    m_dayStart = CTime(static_cast<LONGLONG>(mktime(&t)));
    ++next.tm_mday;
    m_nextDayStart = CTime(static_cast<LONGLONG>(mktime(&next)));
    m_bDueDay = m_dayStart <= due && due < m_nextDayStart;
}

int CBowlingDoc::CBowledBefore::DayOf(CTime t)
{
    struct tm b {};
    t.GetLocalTm(&b);
    return (b.tm_year + 1900) * 10000 + (b.tm_mon + 1) * 100 + b.tm_mday;
}

int CBowlingDoc::SidesBowledBefore(const CFixture& other, const CFixture& match, const CBowledBefore& before)
{
    if (&other == &match)
        return 0;
    // Each side by its own day: a bowler's games count by the day his side bowled them.
    return (before.Counts(other.m_nRound, other.GetDayBowled(0)) ? 1 : 0) |
           (before.Counts(other.m_nRound, other.GetDayBowled(1)) ? 2 : 0);
}

bool CBowlingDoc::SameFiguresDay(CTime a, CTime b) { return SameDay(a, b); }

void CBowlingDoc::RecalculateFixture(CTime date, const CFixture& match)
{
    m_timeStats = date.GetTime() != 0 ? date : match.m_timeDue;
    const DWORD bSavedPass = m_bHandicapPass;
    ResetStatistics(match.m_nRound);
    if (m_bHandicapLeague)
        AccumulatePass(PASS_HANDICAP, 0, &match);
    if (m_bScratchLeague)
        AccumulatePass(PASS_SCRATCH, 0, &match);
    m_bHandicapPass = bSavedPass;
}

void CBowlingDoc::UpdateCurrentSplit()
{
    m_nCurrentSplit = 0;
    if (!m_bSplitsActive)
        return;
    const int nRound = m_nCurrentRound;
    DWORD nSplit = 1;
    if (m_bCustomSplits) {
        for (int i = 1; i < 12; ++i)
            if (m_nCustomSplitStart[i] != 0 && m_nCustomSplitStart[i] <= nRound)
                nSplit = static_cast<DWORD>(i + 1);
    } else if (m_nRoundsPerSplit > 0) {
        nSplit = static_cast<DWORD>((nRound - 1) / m_nRoundsPerSplit + 1);
        if (m_nSplits > 0)
            nSplit = std::min<DWORD>(nSplit, m_nSplits);
    }
    m_nCurrentSplit = nSplit;
}

void CBowlingDoc::Recalculate()
{
    if (m_nCurrentRound == 0)
        m_nCurrentRound = 1;
    ResetStatistics();
    if (s_pfnCountJuniors)
        s_pfnCountJuniors(this);
    CountTeamsPerDivision();
    UpdateCurrentSplit();
    if (s_pfnSplits)
        s_pfnSplits(this);

    const DWORD bSavedPass = m_bHandicapPass;
    if (m_bHandicapLeague) {
        AccumulatePlayersHcpMode();
        CalcHandicapStandings();
    }
    if (m_bScratchLeague) {
        AccumulatePlayersScrMode();
        CalcScratchStandings();
    }
    m_bHandicapPass = bSavedPass;

    // Every match of the season, byes left out, has both results.
    m_bAllResultsEntered = 1;
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        const CFixture* f = static_cast<const CFixture*>(m_listFixtures.GetNext(pos));
        if (!f->IsBye() && !(f->m_bPlayed[0] && f->m_bPlayed[1])) {
            m_bAllResultsEntered = 0;
            break;
        }
    }

    if (s_pfnAutomaticAwards)
        s_pfnAutomaticAwards(this, m_nCurrentRound);
    BuildHighScoreTables();
    RankTeamHighScores();
    if (s_pfnAverageBusters)
        s_pfnAverageBusters(this);
}
