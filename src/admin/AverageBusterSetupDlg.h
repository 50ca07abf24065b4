#pragma once
// "Average Buster Setup": the unit of pins a point stands for, or fixed points per game over,
// on and under average.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/RulesDialogs.h"

class CAverageBusterSetupDlg : public CDialog
{
public:
    enum { IDD = IDD_AVERAGE_BUSTER_SETUP };
    explicit CAverageBusterSetupDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    BYTE m_nUnit = 0;
    int m_bPerGame = 0;
    BYTE m_nOver = 0;
    BYTE m_nEqual = 0;
    BYTE m_nUnder = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
