#pragma once
// Player > Add a New Player, and the same routine where league set-up asks for new bowlers
// (after teams are added). Until the full player details dialog lands, both run the names-and-
// team dialog that the scoresheet's New Player runs.
#include "framework/ui/CmdTarget.h"

class CBowlingDoc;

namespace PlayerCommands {

// Puts the player commands in front of the document's set-up commands. Call once at start-up,
// after LeagueSetup::Install.
void Install();

BOOL PlayerCmdMsg(CBowlingDoc* pDoc, UINT nID, int nCode, CCmdUI* pCmdUI);

} // namespace PlayerCommands
