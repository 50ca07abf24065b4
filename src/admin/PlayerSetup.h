#pragma once
// The Player menu: adding bowlers, editing one, choosing one, the categories and the
// entering averages. The routines are also run from elsewhere (the scoresheet's New Player,
// Add extra Teams).
#include "framework/core/Types.h"

class CBowlingDoc;
class CPlayer;

namespace PlayerSetup {

// Puts the player commands among the document's commands. Call once at start-up.
void Install();

// Player > Add a New Player: "New Player Details" again and again while "Another New
// Player" is ticked; each OK adds a bowler with the next free player number, at the end of
// his team's order. In a league kept in the player database "Check Player Database" comes
// first, to take the bowler's record (the details then start from it) or to add a new one; each
// new bowler is written to the database, where "Similar Names" may link him to a record. The
// floating substitutes are rebuilt and the juniors placed in their age categories at the end.
// The number of bowlers added. The first picks the road by the league's player-database switch
// (CBowlingDoc::AddNewPlayerWithDatabase or CBowlingDoc::AddNewPlayer, which run the second).
int AddNewPlayers(CBowlingDoc* pDoc);
int AddNewPlayers(CBowlingDoc* pDoc, BOOL bWithDatabase);

// Player > Edit a Player's Details for one bowler: "Edit Player Details" on his fields (in a
// database league his record's details, which other leagues share); after OK they go back
// (moving him between team orders when his team changed), what was changed goes to his record,
// the junior categories are assigned and the league recalculated. TRUE after OK.
BOOL EditPlayer(CBowlingDoc* pDoc, CPlayer* pPlayer);

// "Select Player": the chosen bowler, or null on Cancel or with no bowlers.
CPlayer* SelectPlayer(CBowlingDoc* pDoc);

// Player > Player Categories: the thresholds and the average choice go back whichever way
// the dialog closes; then the league is recalculated.
void EditPlayerCategories(CBowlingDoc* pDoc);

// Player > Entering Averages: "Set Entering Average" for every real, not excluded bowler
// without one. The number of dialogs shown.
int SetEnteringAverages(CBowlingDoc* pDoc);

} // namespace PlayerSetup
