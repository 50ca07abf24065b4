#pragma once
// The commands that ask for a set of teams or bowlers before a display, and the individual
// award percentages.
#include "framework/ui/CmdTarget.h"

class CBowlingDoc;

// Fixture > Display Fixtures by Teams: "Select Teams". After OK (TRUE) the document's
// selected-teams array holds the chosen teams in list order, the first one current.
BOOL ChooseTeamsForFixtureDisplay(CBowlingDoc* pDoc);

// Team > Display Team Details (Short), Team > Display Team details (Full) and Player >
// Display by Team: "Select Team(s) for Display/Printing". After OK (TRUE) the selected-teams
// array holds the chosen teams, in list order or in the match order of the week asked for.
BOOL ChooseTeamsForDisplay(CBowlingDoc* pDoc);

// Player > Display: "Select Bowler(s) for Display/Printing". After OK (TRUE) the document's
// selected-bowlers array holds the chosen bowlers in list order.
BOOL SelectBowlersForDisplay(CBowlingDoc* pDoc);

// League > Miscellaneous Setup > Individual Award Percentages: the five qualifying
// percentages and the three rules; after OK they go back into the league, which is marked
// modified, recalculated and repainted. TRUE after OK.
BOOL EditHiAwardQualifying(CBowlingDoc* pDoc);
// Result > Set Round No.: the round the league's figures run to; recalculates after OK.
BOOL SetCurrentRound(CBowlingDoc* pDoc);

namespace SelectionCommands {

// Puts Individual Award Percentages in front of the document's set-up commands. Call once at
// start-up, after the other set-up hooks are installed.
void Install();

// The hook itself, for tests that route commands without the rest of the program.
BOOL SelectionCmdMsg(CBowlingDoc* pDoc, UINT nID, int nCode, CCmdUI* pCmdUI);

}  // namespace SelectionCommands
