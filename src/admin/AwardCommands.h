#pragma once
// The League > Awards commands: Manual Award Categories, Automatic Award Categories and Edit
// Manual Award data; and the multiple prize rules and the most improved start point of
// League > Miscellaneous Setup.
#include "framework/core/Types.h"

class CBowlingDoc;

namespace AwardCommands {

// Puts the award commands in front of the document's set-up commands. Call once at start-up.
void Install();

// Each runs its dialog on the document; the category commands then recalculate, whatever
// the dialog's result (its buttons act at once), and every command repaints.
void EditManualCategories(CBowlingDoc* pDoc);
void EditAutomaticCategories(CBowlingDoc* pDoc);
void EditAwardsData(CBowlingDoc* pDoc);
// League > Miscellaneous Setup > High Score restrictions and Most Improved Rules: after OK the
// settings are written, the league recalculated, marked and repainted; TRUE then.
BOOL EditMultiplePrizeRules(CBowlingDoc* pDoc);
BOOL EditMostImprovedRule(CBowlingDoc* pDoc);

} // namespace AwardCommands
