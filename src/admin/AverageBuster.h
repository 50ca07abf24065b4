#pragma once
// The average buster competition: League > Miscellaneous Setup > Specials > Average Buster and
// the recalculation step that scores and ranks it.
#include "framework/ui/CmdTarget.h"

class CBowlingDoc;

namespace AverageBuster {

// Puts the set-up command in front of the document's commands and has every recalculation
// score and rank the competition. Call once at start-up.
void Install();

// The recalculation step: the points of every bowler, then the ranks (100 places, every
// category).
void ScoreAndRank(CBowlingDoc* pDoc);

} // namespace AverageBuster
