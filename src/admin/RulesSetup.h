#pragma once
// The league's rule commands (League > Handicap League Setup, Scratch League Setup and
// Miscellaneous Setup > Vacancy/Robot Scores) and the scoring steps of a new league.
#include "framework/ui/CmdTarget.h"

class CBowlingDoc;

namespace RulesSetup {

// Puts the rule commands in front of the document's set-up commands and gives File > New its
// scoring steps. Call once at start-up, after LeagueSetup::Install.
void Install();

// The hook itself, for tests that route commands without the rest of the program.
BOOL RulesCmdMsg(CBowlingDoc* pDoc, UINT nID, int nCode, CCmdUI* pCmdUI);

// A new league's scoring: for a handicap league the handicap details, points and standings
// sequence, then for a scratch league its points and standings sequence.
void NewLeagueScoringSetup(CBowlingDoc* pDoc);

// League > Miscellaneous Setup > Vacancy/Robot Scores: the dialog on working copies of the
// four rules; after OK the rules and the switch go back into the league and it is
// recalculated. TRUE after OK.
BOOL EditRobotScores(CBowlingDoc* pDoc);

// League > Miscellaneous Setup > Bonus Points: "Bonus Points List" edits the bonus rules in
// place; after "Finish" the settings the secretary changed go back (points doubled into half
// points), Escape leaves them as they were. Either way the league is recalculated, marked and
// repainted, the rules having been edited in place.
void EditBonusPoints(CBowlingDoc* pDoc);

} // namespace RulesSetup
