#pragma once
// The team commands: Team > Edit Team Details (and the view's right-click Edit Team Details),
// Team > Set Team order > Resequence (Manually), and League > Miscellaneous Setup > Divisions
// and Association Membership Types.
#include "framework/ui/CmdTarget.h"
#include "league/Team.h"

class CBowlingDoc;

namespace TeamCommands {

// Puts the team commands in front of the document's set-up commands. Call once at start-up.
void Install();

// The team under the view's last click, for the right-click menu; set by the program, which
// knows the view.
extern CTeam* (*pfnClickedTeam)(CBowlingDoc* pDoc);

// Each returns TRUE after OK, when the league has been changed, marked and repainted.
// Edit Team Details on one team; after OK the league is recalculated and shows the standings.
BOOL EditTeam(CBowlingDoc* pDoc, CTeam* pTeam);
// Reorder players in team on one team.
BOOL ReorderPlayers(CBowlingDoc* pDoc, CTeam* pTeam);

// The orders of Team > Floating/Roving subs order (the league's floating-subs order byte).
constexpr BYTE FLOATING_SUBS_BY_AVERAGE = CTeam::ORDER_BY_AVERAGE;
constexpr BYTE FLOATING_SUBS_BY_NAME = CTeam::ORDER_BY_NAME;
// Puts the floating substitutes' team in the chosen order (installed by Install()).
void SortFloatingSubs(CBowlingDoc* pDoc, CTeam* pTeam);
// Divisions; after OK the league is recalculated.
BOOL EditDivisions(CBowlingDoc* pDoc);
// Bowling Assn. Membership Types.
BOOL EditMembershipTypes(CBowlingDoc* pDoc);

} // namespace TeamCommands
