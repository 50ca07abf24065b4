#pragma once
// Result > Points Adjust: Adjustment, Report and Clear All. Each leaves the league
// recalculated (when it changed) and repainted.
#include "framework/core/Types.h"

class CBowlingDoc;
class CFixture;
class CObject;

namespace PointsCommands {

// Puts the points-adjustment commands in front of the document's commands. Call once at start-up.
void Install();

// Makes the report line of one adjusted match (the report items live above this folder); set by
// the program at start-up. Report is disabled while it is null.
extern CObject* (*pfnNewAdjustLine)(CBowlingDoc* pDoc, CFixture* pFixture);

// Adjustment: a round, a match of it and its adjustments. TRUE after OK.
BOOL AdjustPoints(CBowlingDoc* pDoc);
// The dialog on one match; after OK the values are in the match, the league is marked,
// recalculated and repainted. TRUE after OK.
BOOL AdjustFixture(CBowlingDoc* pDoc, CFixture* pFixture);
// Report: one line per adjusted match on the generated-report display; the number of lines.
int ReportAdjustments(CBowlingDoc* pDoc);
// Clear All, after the question; TRUE when the adjustments were removed.
BOOL ClearAllAdjustments(CBowlingDoc* pDoc);

// Whether either side has an adjustment of either kind.
bool HasAdjustment(const CFixture* pFixture);

} // namespace PointsCommands
