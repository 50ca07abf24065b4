#pragma once
// The fixture lists of the Fixture menu: by round, by team and the outstanding fixtures, built
// into the document's display list as report items.
#include "framework/core/Core.h"

#include <vector>

class CBowlingDoc;
class CTeam;

enum FixtureListKind
{
    FIXTURE_LIST_BY_ROUND = 0,
    FIXTURE_LIST_BY_TEAM = 1,
    FIXTURE_LIST_OUTSTANDING = 2,
};

// The command of a fixture list: asks what the list needs, builds it, sets the report title.
// TRUE when the fixtures display is to be shown; FALSE when the user cancelled. Installed by
// the report items; null where they are not part of the program.
inline BOOL (*g_pfnRunFixtureList)(CBowlingDoc* pDoc, int nKind) = nullptr;

struct FixtureListRange
{
    int nFirstRound = 1;
    int nLastRound = 1;
    BOOL bOmitLanes = FALSE;
    BOOL bOmitTime = FALSE;
};

// Each replaces the display's items and returns the number of rounds or match lines made.
// A round of the range with matches gets its item, with the free dates that stand between
// the range's rounds in the round-dates list.
int BuildFixturesByRound(CBowlingDoc& doc, const FixtureListRange& range);
// A title (after a page break, from the second team on) and the team's matches of the range.
int BuildFixturesByTeam(CBowlingDoc& doc, const std::vector<CTeam*>& teams, const FixtureListRange& range);
// Every match up to the current round that a side has not yet played.
int BuildOutstandingFixtures(CBowlingDoc& doc);

// Fixture > Display Fixtures by Round / by Teams / Outstanding Fixtures.
BOOL RunFixtureList(CBowlingDoc* pDoc, int nKind);
