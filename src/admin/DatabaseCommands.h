#pragma once
// The D'base menu's own commands and the player database's questions: D'base > Delete a
// Player, and "Similar Names" when a new bowler is written to the database.
#include "framework/core/Types.h"

class CBowlingDoc;

namespace DatabaseCommands {

// Installs the commands into the league document and the "Similar Names" question into every
// document's database. Call once at start-up.
void Install();

// D'base > Delete a Player: the record chosen in "Player Database" is deleted after a Yes to a
// question that names it as the list told it from others of its name. An
// excluded bowler of the open league who was linked to it is linked no more, so that editing
// him does not bring the record back. TRUE when a record was deleted.
BOOL DeleteDatabasePlayer(CBowlingDoc* pDoc);

} // namespace DatabaseCommands
