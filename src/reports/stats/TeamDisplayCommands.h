#pragma once
// The Team menu's team details display, as the view sees it: the report items build the
// display; the view only shows what they made.
#include "framework/core/Core.h"

class CBowlingDoc;

enum TeamDisplayOutcome
{
    TEAM_DISPLAY_UNCHANGED = 0,   // cancelled: leave the display as it is
    TEAM_DISPLAY_SHOW = 1,        // the team details display was rebuilt: show it
    TEAM_DISPLAY_BACK_TO_REPORT = 2,
};

// Team > Display Team Details (Short). Installed by the report items; null where they are not
// part of the program.
inline int (*g_pfnRunTeamDetailsShort)(CBowlingDoc* pDoc) = nullptr;
