#pragma once
// "Set Round Number": one whole number from 1 to 255, the most a stored round can hold.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CSetRoundDlg : public CDialog {
public:
    enum { IDD = IDD_SET_ROUND };
    explicit CSetRoundDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_nRound = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_SET_ROUND_NUMBER, m_nRound);
        DDV_MinMaxInt(pDX, m_nRound, 1, 255);
    }
};
