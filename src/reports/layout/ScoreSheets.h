#pragma once
// The score sheets of the Fixture menu: one sheet per match from the league's style, shown
// and printed in the score-sheets display.
#include "framework/core/Core.h"

class CBowlingDoc;

enum ScoreSheetKind
{
    SCORE_SHEETS_RECAP = 0,    // the unplayed matches of the round to come
    SCORE_SHEETS_MAKEUP = 1,   // every match up to the current round not entered for both sides
};

// The command: replaces the score-sheet items; TRUE when there is at least one sheet to show.
// Installed by the report items; null where they are not part of the program.
inline BOOL (*g_pfnRunScoreSheets)(CBowlingDoc* pDoc, int nKind) = nullptr;
// Places the sheets on their pages by the style's sheets per page; returns the page count.
inline int (*g_pfnLayoutScoreSheets)(CBowlingDoc* pDoc, CDC* pDC) = nullptr;

// Builds the sheets into the document's score-sheet list; returns how many were made.
int BuildScoreSheets(CBowlingDoc& doc, int nKind, int nRound);
BOOL RunScoreSheets(CBowlingDoc* pDoc, int nKind);
int LayoutScoreSheets(CBowlingDoc* pDoc, CDC* pDC);
