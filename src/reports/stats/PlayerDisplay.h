#pragma once
// The commands of the player pages and the player list, as the view reaches them. The report
// items install them; null where the items are not part of the program.
#include "framework/core/Core.h"

class CBowlingDoc;
class CPlayer;

enum PlayerDisplayKind
{
    PLAYER_DISPLAY_CHOSEN = 0,   // Player > Display: the bowler chooser
    PLAYER_DISPLAY_BY_TEAM = 1,  // Player > Display by Team: the team chooser
    PLAYER_DISPLAY_ONE = 2,      // the bowler clicked on
};

// Builds the player pages and sets the report title; TRUE when they are to be shown, FALSE
// when the user cancelled (the display is left alone).
inline BOOL (*g_pfnRunPlayerDisplay)(CBowlingDoc* pDoc, int nKind, CPlayer* pPlayer) = nullptr;
// View > Player List: the options dialog, then the list built anew; FALSE after Cancel.
inline BOOL (*g_pfnRunPlayerList)(CBowlingDoc* pDoc) = nullptr;
