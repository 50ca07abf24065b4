#pragma once
// "Rounds to be displayed": the first and last round of a team's results display.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CRoundsDisplayedDlg : public CDialog
{
public:
    enum { IDD = IDD_ROUNDS_DISPLAYED };
    explicit CRoundsDisplayedDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    BYTE m_nLastRound = 0;    // 0..255
    BYTE m_nStartRound = 0;   // 1..255

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
