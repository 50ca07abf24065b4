#pragma once
// The average buster competition: League > Miscellaneous Setup > Specials > Average Buster and
// the recalculation step that scores and ranks it.
#include "framework/ui/CmdTarget.h"

class CBowlingDoc;

namespace AverageBuster {

// Puts the set-up command in front of the document's commands and has every recalculation
// score and rank the competition. Call once at start-up.
void Install();

// League > Miscellaneous Setup > Specials > Average Buster: the five settings in "Average
// Buster Setup"; after OK they go back into the league, which is marked, recalculated and
// repainted. TRUE after OK.
BOOL EditAverageBuster(CBowlingDoc* pDoc);

// The recalculation step: the points of every bowler, then the ranks (100 places, every
// category).
void ScoreAndRank(CBowlingDoc* pDoc);

} // namespace AverageBuster
