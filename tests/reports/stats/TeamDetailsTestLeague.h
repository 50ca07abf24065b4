#pragma once
// Two teams of a handicap league, every figure set by hand so that each cell of the players'
// statistics list and of the team details can be worked on paper.
//
//   Aces  (1): Al Brown 1, *Bo Cole 2 (captain), a vacancy entry 90, Cy Dunn 3
//   Kings (2): Di Eve 4, Ed Fox 5 (resigned)
//   3 bowlers a team, 3 games a match, "Games played with entering average" 3, round 2 of 2,
//   both rounds Aces v Kings, so each bowler could have bowled 6 games.
//
//   bowler  flags          games  pins  average        entering  hcp
//   Al      male            6     1000  166.666..       -         30
//   Bo      female, cat A   2      260  145.5 (ent.)   145.5      40   ("e": 2 < 3 games)
//   Cy      male, junior    3      603  201.0          190.0       0   PIN 1234
//   Di      female          9     1350  150.0           -         35
//   Ed      male, resigned  9     1800  200.0           -         10
// Ranked by average (handicap figures): Cy 1, Al 2, Di 3, Bo 4; Ed is not ranked.
#include "CustomPlayerTestLeague.h"

class TeamDetailsTestLeague
{
public:
    TeamDetailsTestLeague()
    {
        doc.m_strLeagueName = "Tuesday Trios";
        doc.m_nPlayersPerTeam = doc.m_nGamesPerMatch = doc.m_nEnteringAvgGames = 3;
        doc.m_nTeams = doc.m_nRounds = doc.m_nCurrentRound = 2;
        doc.m_bHandicapLeague = 1, doc.m_bScratchLeague = 0, doc.m_bFloatingSubsAsTeam = 0;
        aces = AddTestTeam(doc, 1, "Aces", {1, 2, 90, 3});
        kings = AddTestTeam(doc, 2, "Kings", {4, 5});
        aces->m_nCaptain = 2;
        al = AddTestPlayer(doc, 1, "Al", "Brown", 1, PF_MALE);
        bo = AddTestPlayer(doc, 2, "Bo", "Cole", 1, PF_FEMALE);
        AddTestPlayer(doc, 90, "Vacant", "", 1, PF_MALE)->m_nRobot = 1;
        cy = AddTestPlayer(doc, 3, "Cy", "Dunn", 1, PF_MALE | PF_JUNIOR);
        di = AddTestPlayer(doc, 4, "Di", "Eve", 2, PF_FEMALE);
        ed = AddTestPlayer(doc, 5, "Ed", "Fox", 2, PF_MALE | PF_RESIGNED);
        for (auto [p, nGames, nPins, nHcp] : {std::tuple(al, 6, 1000, 30), std::tuple(bo, 2, 260, 40),
                                               std::tuple(cy, 3, 603, 0), std::tuple(di, 9, 1350, 35),
                                               std::tuple(ed, 9, 1800, 10)}) {
            SetFigures(p, static_cast<WORD>(nGames), static_cast<DWORD>(nPins), static_cast<WORD>(nGames),
                       static_cast<DWORD>(nPins));
            p->m_nHandicap = nHcp;
        }
        bo->m_nCategory = 1;
        bo->SetEnteringAverage(1455);
        cy->SetEnteringAverage(1900);
        cy->m_nPin = 1234;
        al->m_strPhoneHome = "555 0101", al->m_nHighGame[PASS_SCRATCH] = 210, al->m_nHighSeries[PASS_SCRATCH] = 560;
        AddTestFixture(doc, 1, 1, 2);
        AddTestFixture(doc, 2, 1, 2);
        // The Aces' league figures of the handicap system.
        // Pins 3126 / (3 x 6) = 173.67 with handicap, 2934 / 18 = 163.0 scratch.
        aces->m_nHcpPosition = 2, aces->m_nScrPosition = 1;
        for (auto [p, nPins, nGame, nSeries, nPoints] :
             {std::tuple(PASS_HANDICAP, 3126, 600, 1700, 14), std::tuple(PASS_SCRATCH, 2934, 550, 1590, 9)}) {
            aces->m_nGames[p] = 6, aces->m_nPins[p] = static_cast<DWORD>(nPins);
            aces->m_nHighGame[p] = static_cast<WORD>(nGame), aces->m_nHighSeries[p] = static_cast<WORD>(nSeries);
            aces->m_nPoints[p] = nPoints;
        }
    }
    CBowlingDoc doc;
    CTeam* aces;
    CTeam* kings;
    CPlayer* al;
    CPlayer* bo;
    CPlayer* cy;
    CPlayer* di;
    CPlayer* ed;
};
