#pragma once
// The Player menu (served from src/admin) and the view's right-click "Edit a Player's
// Details", which needs the bowler the view found under the mouse.
#include "framework/ui/CmdTarget.h"

class CBowlingDoc;

namespace PlayerCommands {

// Installs the Player menu's commands and the right-click edit. Call once at start-up,
// after LeagueSetup::Install.
void Install();

} // namespace PlayerCommands
