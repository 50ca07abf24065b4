#pragma once
// The fixture lists of the Fixture menu: by round, by team and the outstanding fixtures, built
// into the document's display list as report items.
#include "framework/core/Core.h"
#include "view/DisplayHooks.h"

#include <vector>

class CBowlingDoc;
class CTeam;


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
