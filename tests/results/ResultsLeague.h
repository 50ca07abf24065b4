#pragma once
// A league for result-entry tests: teams numbered 1..N in list order, bowlers numbered
// team x 10 + place (1-based) in each team's order, one round of matches 1 v 2, 3 v 4, ...
// per round, and the dialogs' templates registered.
#include "DialogControls.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "resources/Resource.h"
#include "resources/dialogs/ResultDialogs.h"

#include <functional>
#include <stdexcept>
#include <string>
#include "results/ResultEntry.h"
#include "results/ScoresheetDlg.h"
#include "results/SubstitutionsDlg.h"

struct ResultsLeague {
    CBowlingDoc doc;

    ResultsLeague(int nTeams, int nPlayers, int nGames, int nRounds = 2, int nReserves = 0)
    {
        RegisterResources();
        doc.m_nTeams = static_cast<BYTE>(nTeams);
        doc.m_nPlayersPerTeam = static_cast<BYTE>(nPlayers);
        doc.m_nGamesPerMatch = static_cast<BYTE>(nGames);
        doc.m_nRounds = static_cast<BYTE>(nRounds);
        doc.m_nCurrentRound = 1;
        for (int t = 1; t <= nTeams; ++t) {
            CString name;
            name.Format("Team %d", t);
            auto* pTeam = new CTeam(name, static_cast<WORD>(t));
            doc.AddTeam(pTeam);
            for (int p = 1; p <= nPlayers + nReserves; ++p) {
                auto* pPlayer = new CPlayer(static_cast<WORD>(t * 10 + p));
                pPlayer->m_nTeamNo = static_cast<WORD>(t);
                pPlayer->m_wFlags = PF_MALE;
                pPlayer->m_strName.Format("Bowler %d", t * 10 + p);
                // Entering at 150 + place: 80% of 200 gives handicaps 39, 38, 37, 36, 36.
                pPlayer->SetEnteringAverage(static_cast<WORD>((150 + p) * 10));
                pPlayer->m_nAverage = static_cast<WORD>(150 + p);
                pPlayer->m_nHandicap = doc.CalcHandicap(150 + p, PF_MALE, 0);
                doc.AddPlayer(pPlayer);
                pTeam->m_arrTeamOrder.Add(pPlayer->m_nPlayerNo);
            }
        }
        for (int r = 1; r <= nRounds; ++r)
            for (int t = 1; t + 1 <= nTeams; t += 2) {
                auto* f = new CFixture(r, t, t + 1, nPlayers);
                f->m_nMatch = static_cast<BYTE>((t + 1) / 2);
                f->m_nGames = static_cast<BYTE>(nGames);
                f->m_timeDue = CTime(2024, 9, 2 + 7 * (r - 1), 19, 30, 0);
                doc.AddFixture(f);
            }
    }

    // Two handicap team points for each game and two for the series.
    void HandicapTeamPoints()
    {
        doc.m_HcpPoints.m_bTeam = 1;
        for (BYTE& g : doc.m_HcpPoints.m_nTeamGame)
            g = 2;
        doc.m_HcpPoints.m_nTeamSeries = 2;
        doc.UpdateMaxMatchPoints();
    }

    // A match entered and played: each bowler of side A scored a in every game, of side B b.
    void Play(CFixture* f, int a, int b);

    CTeam* Team(int n) { return doc.FindTeam(static_cast<WORD>(n)); }
    CPlayer* Player(int n) { return doc.FindPlayer(static_cast<WORD>(n)); }
    CFixture* Match(int nRound, int nMatch = 1) { return doc.FindFixtureByRoundMatch(nRound, nMatch); }
};

inline CScoresheetDlg& Sheet(CDialog& d) { return static_cast<CScoresheetDlg&>(d); }

inline bool Removed(CDialog& d, UINT id)
{
    const CControlState& s = Ctl(d, id);
    return !s.visible && !s.enabled;
}

// The id of the score cell of side (0 A), position and game counted from 0.
inline UINT Cell(int nSide, int nPos, int nGame)
{
    return (nSide == 0 ? IDC_SS_SCORE_A : IDC_SS_SCORE_B)[nPos] + static_cast<UINT>(nGame);
}

inline void ResultsLeague::Play(CFixture* f, int a, int b)
{
    FillLineUp(&doc, f);
    for (int p = 0; p < doc.m_nPlayersPerTeam; ++p)
        for (int g = 0; g < doc.m_nGamesPerMatch; ++g) {
            f->m_nScore[g][CFixture::SlotOf(0, p)] = static_cast<WORD>(a);
            f->m_nScore[g][CFixture::SlotOf(1, p)] = static_cast<WORD>(b);
        }
    f->m_bPlayed[0] = f->m_bPlayed[1] = 1;
}

// In a league of one bowler and one reserve a team: the reserve Bowler 12 made new (no
// average yet, entering at 187.5), and the record of team 1's position with Bowler 11 in
// every game.
inline SubstitutionRecord NewReserveRecord(ResultsLeague& L)
{
    CPlayer* pNew = L.Player(12);
    pNew->SetEnteringAverage(1875);
    pNew->m_nAverage = 0;
    SubstitutionRecord rec;
    rec.nTeam = 1;
    for (WORD& n : rec.nPlayerNo)
        n = 11;
    return rec;
}
