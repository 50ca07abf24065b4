#pragma once
// League > Miscellaneous Setup > General Details: the league's name, officials, scoring systems
// and league-wide options, edited after the league is made.
#include "framework/ui/CmdTarget.h"

class CBowlingDoc;
class CEditLeagueDlg;

namespace LeagueDetailsCommands {

// Puts the league details command in front of the document's other command sets. Call once
// at start-up.
void Install();

// Copies the league's details into the dialog, runs it and, after OK only, writes them back,
// marks the league modified, recalculates and repaints. TRUE after OK.
BOOL EditLeagueDetails(CBowlingDoc* pDoc);

// The two halves of the command, for callers that run the dialog their own way.
void LoadEditLeagueDlg(const CBowlingDoc& doc, CEditLeagueDlg& dlg);
void StoreEditLeagueDlg(const CEditLeagueDlg& dlg, CBowlingDoc& doc);

} // namespace LeagueDetailsCommands
