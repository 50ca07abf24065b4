#pragma once
// "Select an Account Item": one income or expense heading, by name.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CAccountItemType;

class CSelectAccountItemDlg : public CDialog
{
public:
    enum { IDD = IDD_SELECT_ACCOUNT_ITEM };
    explicit CSelectAccountItemDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    BOOL m_bIncome = TRUE;
    CAccountItemType* m_pType = nullptr;    // the result

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDblclkList() { OnOK(); }

    DECLARE_MESSAGE_MAP()
};
