#pragma once
// The league's money: League > League Accounts with the operations of its "Accounts Control"
// dialog, and the arrears of a bowler or a team.
#include "framework/core/Types.h"

class CBowlingDoc;
class CPlayer;
class CTeam;

namespace AccountsCommands {

// Puts League > League Accounts among the document's commands. Call once at start-up.
void Install();

// The bowler under the view's last click, for the right-click menu; set by the program.
extern CPlayer* (*pfnClickedPlayer)(CBowlingDoc* pDoc);

// League > League Accounts: "Accounts Control"; the collection-sheet setting comes back
// however the dialog closes (the league is marked modified when it changed).
void LeagueAccounts(CBowlingDoc* pDoc);

// The operations of "Accounts Control"; each TRUE when it changed the league (and marked it).
BOOL AddHeading(CBowlingDoc* pDoc, BOOL bIncome);
BOOL AmendHeading(CBowlingDoc* pDoc, BOOL bIncome);
// Posts entries until "More?" is left clear or the dialog is cancelled; the number posted.
int PostEntries(CBowlingDoc* pDoc, BOOL bIncome);
BOOL AddPaymentItem(CBowlingDoc* pDoc);
BOOL AmendPaymentItem(CBowlingDoc* pDoc);

// "Player Arrears" and "Team Arrears"; on OK the amount is stored and the league marked and
// repainted. TRUE after OK.
BOOL EditPlayerArrears(CBowlingDoc* pDoc, CPlayer* pPlayer);
BOOL EditTeamArrears(CBowlingDoc* pDoc, CTeam* pTeam);

} // namespace AccountsCommands
