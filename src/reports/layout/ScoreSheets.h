#pragma once
// The score sheets of the Fixture menu: one sheet per match from the league's style, shown
// and printed in the score-sheets display.
#include "framework/core/Core.h"
#include "view/DisplayHooks.h"

class CBowlingDoc;


// Builds the sheets into the document's score-sheet list; returns how many were made.
int BuildScoreSheets(CBowlingDoc& doc, int nKind, int nRound);
BOOL RunScoreSheets(CBowlingDoc* pDoc, int nKind);
int LayoutScoreSheets(CBowlingDoc* pDoc, CDC* pDC);
