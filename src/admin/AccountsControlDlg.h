#pragma once
// "Accounts Control": the league's accounts set-up, each button running one operation of
// AccountsCommands on the document at once; closing it never undoes them.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CAccountsControlDlg : public CDialog
{
public:
    enum { IDD = IDD_ACCOUNTS_CONTROL };
    explicit CAccountsControlDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    int m_bListPlayers = FALSE;     // "List players on Collection Sheet"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void OnAddIncome();
    void OnAddExpense();
    void OnAmendIncome();
    void OnAmendExpense();
    void OnPostIncome();
    void OnPostExpense();
    void OnAddPayment();
    void OnAmendPayment();

    DECLARE_MESSAGE_MAP()
};
