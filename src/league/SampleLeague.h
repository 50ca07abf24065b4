#pragma once
// The sample leagues: built through the document's own API, for the program's first start,
// the tests and the benchmarks.
#include "framework/core/Types.h"

class CBowlingDoc;

struct SampleLeagueShape
{
    int nTeams;       // even
    int nPlayers;     // per team, 1..5
    int nGames;       // per match, 1..4
    int nRounds;
    int nRoundsPlayed;
};

// A handicap league of 8 teams of 4, 3 games, 21 rounds with results to round 10, robots,
// a blind game and a substitute; large: 40 teams of 5, 4 games, 52 rounds, all results.
SampleLeagueShape GetSampleLeagueShape(BOOL bLarge);

// Empties the document and builds the sample league of that shape into it. The schedule is
// a plain round robin (the circle method) until the schedule builder takes over.
void BuildSampleLeague(CBowlingDoc& doc, const SampleLeagueShape& shape, BOOL bWithExtras = TRUE);
