#pragma once
// A money box of the accounts and arrears dialogs: typed as an amount, shown again in the
// dialog's own form the moment it is read.
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CDialog;

// Shows nCents in box nID after the lead (blanks some dialogs put before the amount).
void ShowMoneyField(CDialog* pDlg, UINT nID, LONG nCents, const char* pszLead = "");
// Reads box nID into nCents and shows it again. Text that is no amount is refused with a
// message, the box shows nCents as it was and keeps the focus; FALSE then.
BOOL ReadMoneyField(CDialog* pDlg, UINT nID, LONG& nCents, const char* pszLead = "");
