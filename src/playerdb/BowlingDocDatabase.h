#pragma once
// Joins the player database to the league document: every document the program makes opens
// the database in the "Database path" folder and closes it when it goes.
#include "framework/core/Types.h"

class CBowlingDoc;
class CDWordArray;
class CString;

namespace PlayerDatabase {

// Call once at start-up, before the first document is made.
void Install();

// The "Similar Names" question put when a new bowler's name is like names already in the
// database, set by whoever owns that dialog; without it a new record is added.
extern int (*pfnAskSimilarNames)(CBowlingDoc* pDoc, const CString& strName, const CDWordArray& keys,
                                 DWORD& bStopReporting);

} // namespace PlayerDatabase
