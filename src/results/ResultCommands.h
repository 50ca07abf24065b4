#pragma once
// The Result menu's entry commands. The view's handlers call these and redraw afterwards;
// each leaves the league recalculated and the results display selected.
class CBowlingDoc;

// Result > Enter Results: every unplayed match of a chosen round, one after the other.
void OnResultEnterResults(CBowlingDoc& doc);
// Result > First Unplayed Match: every match not yet entered, from the start of the season.
void OnResultFirstUnplayedMatch(CBowlingDoc& doc);
// Result > Enter Individual Result: one match of a chosen round.
void OnResultEnterIndividualResult(CBowlingDoc& doc);
// Result > Amend Results: one match already entered, with the statistics as they were then.
void OnResultAmendResults(CBowlingDoc& doc);
