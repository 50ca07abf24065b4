#include "admin/AccountsControlDlg.h"

#include "admin/AccountsCommands.h"
#include "league/BowlingDoc.h"

BEGIN_MESSAGE_MAP(CAccountsControlDlg, CDialog)
    ON_BN_CLICKED(IDC_AC_ADD_INCOME, OnAddIncome)
    ON_BN_CLICKED(IDC_AC_ADD_EXPENSE, OnAddExpense)
    ON_BN_CLICKED(IDC_AC_AMEND_INCOME, OnAmendIncome)
    ON_BN_CLICKED(IDC_AC_AMEND_EXPENSE, OnAmendExpense)
    ON_BN_CLICKED(IDC_AC_POST_INCOME, OnPostIncome)
    ON_BN_CLICKED(IDC_AC_POST_EXPENSE, OnPostExpense)
    ON_BN_CLICKED(IDC_AC_ADD_PAYMENT, OnAddPayment)
    ON_BN_CLICKED(IDC_AC_AMEND_PAYMENT, OnAmendPayment)
END_MESSAGE_MAP()

void CAccountsControlDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_AC_LIST_PLAYERS, m_bListPlayers);
}

void CAccountsControlDlg::OnAddIncome() { AccountsCommands::AddHeading(m_pDoc, TRUE); }
void CAccountsControlDlg::OnAddExpense() { AccountsCommands::AddHeading(m_pDoc, FALSE); }
void CAccountsControlDlg::OnAmendIncome() { AccountsCommands::AmendHeading(m_pDoc, TRUE); }
void CAccountsControlDlg::OnAmendExpense() { AccountsCommands::AmendHeading(m_pDoc, FALSE); }
void CAccountsControlDlg::OnPostIncome() { AccountsCommands::PostEntries(m_pDoc, TRUE); }
void CAccountsControlDlg::OnPostExpense() { AccountsCommands::PostEntries(m_pDoc, FALSE); }
void CAccountsControlDlg::OnAddPayment() { AccountsCommands::AddPaymentItem(m_pDoc); }
void CAccountsControlDlg::OnAmendPayment() { AccountsCommands::AmendPaymentItem(m_pDoc); }

void CAccountsControlDlg::OnOK()
{
    UpdateData(TRUE);
    // An accounts page on show follows what was just posted.
    m_pDoc->UpdateAllViews(nullptr, HINT_ACCOUNTS_CHANGED);
    EndDialog(IDOK);
}

void CAccountsControlDlg::OnCancel()
{
    // The close box keeps the check box as it stands, as "Finished" does.
    UpdateData(TRUE);
    EndDialog(IDCANCEL);
}
