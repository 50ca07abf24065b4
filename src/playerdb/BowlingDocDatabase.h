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

// The profile remembers the folder where the program last had the database open: a database is
// made without asking only in a folder it does not name (its first use, or "Database path" newly
// set), and only at a league's first need of it.
inline constexpr const char* kProfileSection = "Settings";
inline constexpr const char* kOpenedInEntry = "DatabaseOpenedIn";

// The "Similar Names" question put when a new bowler's name is like names already in the
// database, set by whoever owns that dialog; without it a new record is added.
extern int (*pfnAskSimilarNames)(CBowlingDoc* pDoc, const CString& strName, const CDWordArray& keys,
                                 DWORD& bStopReporting);

} // namespace PlayerDatabase
