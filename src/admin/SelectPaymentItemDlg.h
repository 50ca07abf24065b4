#pragma once
// "Select a Payment Item.": one weekly payment item, with its amount and rounds.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CPaymentItem;

class CSelectPaymentItemDlg : public CDialog
{
public:
    enum { IDD = IDD_SELECT_PAYMENT_ITEM };
    explicit CSelectPaymentItemDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    CPaymentItem* m_pItem = nullptr;    // the result

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDblclkList() { OnOK(); }

    DECLARE_MESSAGE_MAP()
};
