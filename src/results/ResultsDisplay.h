#pragma once
// The results display's commands: the result cards of a round, or of one team over a span of
// rounds, in the document's display list. The cards themselves are report items; the report
// items install g_pfnMakeResultCard, and without them the display stays empty.
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CBowlingDoc;
class CFixture;
class CObject;
class CTeam;

// Makes the card of a match (temporary, not stored); null where there are no cards.
inline CObject* (*g_pfnMakeResultCard)(CBowlingDoc* pDoc, CFixture* pFixture) = nullptr;

// Replaces the display's items by a card for every match of the round that is not a bye;
// returns the number of cards.
int BuildRoundResults(CBowlingDoc& doc, int nRound);
// Replaces the display's items by a card for every match of rounds nFirst to nLast, in list
// order, that is not a bye and in which the team plays on a side whose result is entered.
int BuildTeamResults(CBowlingDoc& doc, const CTeam* pTeam, int nFirst, int nLast);

// Result > Display Results by Round: "Select a Round" (the current round offered), then the
// cards; strTitle receives the display's title. FALSE when the dialog is cancelled.
BOOL ChooseRoundResults(CBowlingDoc& doc, CString& strTitle);
// Result > Display Results by Team: "Select Team", then "Rounds to be displayed" with rounds
// 1 to the current round. FALSE when either is cancelled.
BOOL ChooseTeamResults(CBowlingDoc& doc, CString& strTitle);
// The title of a team's results display: "Results for <team>".
CString TeamResultsTitle(const CTeam* pTeam);
