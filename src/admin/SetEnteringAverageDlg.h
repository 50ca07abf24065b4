#pragma once
// "Set Entering Average": one bowler's average from the games and pins kept for it, offered
// as his entering average; "Ignore" leaves him as he was.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CPlayer;

class CSetEnteringAverageDlg : public CDialog
{
public:
    enum { IDD = IDD_SET_ENTERING_AVERAGE };
    explicit CSetEnteringAverageDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CPlayer* m_pPlayer = nullptr;
    WORD m_nEnteringAvg = 0;  // tenths
    int m_bNotEligible = TRUE;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnKillfocusEntering();

    DECLARE_MESSAGE_MAP()
};
