#include "admin/MoneyField.h"

#include "framework/ui/Dialog.h"
#include "league/Accounts.h"

void ShowMoneyField(CDialog* pDlg, UINT nID, LONG nCents, const char* pszLead)
{
    pDlg->SetDlgItemText(nID, CString(pszLead) + FormatMoney(nCents));
}

BOOL ReadMoneyField(CDialog* pDlg, UINT nID, LONG& nCents, const char* pszLead)
{
    const BOOL bRead = ParseMoney(pDlg->GetDlgItemText(nID).GetString(), nCents) ? TRUE : FALSE;
    if (!bRead)
        AfxMessageBox("Please enter an amount of money, such as 12.50.");
    ShowMoneyField(pDlg, nID, nCents, pszLead);
    // Back to the box, so that the button that took the focus does not act on the old amount.
    if (!bRead)
        pDlg->GotoDlgCtrl(pDlg->GetDlgItem(nID));
    return bRead;
}
