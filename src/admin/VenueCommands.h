#pragma once
// The Venue menu's set-up commands: Add a Venue, Edit Venue Details, Delete a Venue and
// Assign Venues to Rounds.
#include "framework/core/Types.h"

class CBowlingDoc;
class CObject;
class CVenue;

namespace VenueCommands {

// Puts the venue commands in front of the document's set-up commands. Call once at start-up.
void Install();

// Makes the venue details item of the venue pages; set by the report items, which know it.
extern CObject* (*pfnNewVenueDetails)(CBowlingDoc* pDoc, CVenue* pVenue);

// A number no venue of the league has, the lowest from 1; 0 when all 255 are taken.
BYTE FreeVenueNumber(const CBowlingDoc* pDoc);
// How many fixtures are bowled at the venue numbered nVenue.
int CountFixturesAt(const CBowlingDoc* pDoc, BYTE nVenue);

// Each returns TRUE when the league was changed, marked and repainted.
BOOL AddVenue(CBowlingDoc* pDoc);
BOOL EditVenue(CBowlingDoc* pDoc);
BOOL DeleteVenue(CBowlingDoc* pDoc);
// Always marks, recalculates and repaints: the dialog's buttons change the fixtures at once.
BOOL AssignVenues(CBowlingDoc* pDoc);
// Venue > Display Details: the chosen venue's details on the generated pages.
BOOL DisplayDetails(CBowlingDoc* pDoc);

} // namespace VenueCommands
