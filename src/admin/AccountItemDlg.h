#pragma once
// "Account Item": the name and default amount of one income or expense heading.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CAccountItemDlg : public CDialog
{
public:
    enum { IDD = IDD_ACCOUNT_ITEM };
    explicit CAccountItemDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strLabel;         // "Income Item" or "Expenditure Item"
    CString m_strDescription;
    LONG m_nAmount = 0;         // cents

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnKillfocusDefault();

    DECLARE_MESSAGE_MAP()
};
