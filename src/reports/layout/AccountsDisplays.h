#pragma once
// The league's money pages as the view sees them: the accounts (display mode 14) and the
// treasurer sheet (display mode 10). The report items build them; the view only shows them.
#include "framework/core/Core.h"

class CBowlingDoc;

// View > Accounts: rebuilds the accounts list; TRUE when it is ready to show. Installed by
// the report items; null where they are not part of the program.
inline BOOL (*g_pfnRunAccounts)(CBowlingDoc* pDoc) = nullptr;
// View > Treasurer: asks for the round and builds the sheet; FALSE when cancelled.
inline BOOL (*g_pfnRunTreasurer)(CBowlingDoc* pDoc) = nullptr;
