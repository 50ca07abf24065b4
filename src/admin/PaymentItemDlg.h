#pragma once
// "Add Payment Item.": one weekly payment item, due from each bowler or from the team.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CPaymentItemDlg : public CDialog
{
public:
    enum { IDD = IDD_PAYMENT_ITEM };
    explicit CPaymentItemDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    LONG m_nAmount = 0;         // cents, never negative
    CString m_strDescription;
    int m_nFromRound = 0;
    int m_nToRound = 0;
    int m_bIndividual = TRUE;
    int m_bTeam = FALSE;
    int m_bOptional = FALSE;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnIndividual();
    void OnTeam();
    void OnKillfocusAmount();
    BOOL ReadAmount();

    DECLARE_MESSAGE_MAP()
};
