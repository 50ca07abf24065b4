#pragma once
// League set-up as the rest of the program reaches it: the hooks the document's commands go
// through, and the steps of a new league that other set-up work provides.
#include "framework/ui/CmdTarget.h"

class CBowlingDoc;

namespace LeagueSetup {

// Installs the set-up commands (File > New, fixture dates, lanes, league size) and the Set
// Fixture List dialog into the league document. Call once at start-up.
void Install();

// The scoring set-up of a new league (handicap details, points and standings sequences):
// run by File > New after the fixture dates; null skips it.
extern void (*pfnScoringSetup)(CBowlingDoc* pDoc);
// Player > Add a New Player, run after teams are added; null skips it.
extern void (*pfnAddNewPlayer)(CBowlingDoc* pDoc);

// The hook itself, for tests that route commands without the rest of the program.
BOOL SetupCmdMsg(CBowlingDoc* pDoc, UINT nID, int nCode, CCmdUI* pCmdUI);

} // namespace LeagueSetup
