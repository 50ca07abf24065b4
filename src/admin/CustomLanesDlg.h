#pragma once
// "Customize lanes for matches.": the first lane of each match; the second is the next one.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CCustomLanesDlg : public CDialog
{
public:
    enum { IDD = IDD_CUSTOM_LANES };
    explicit CCustomLanesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_nFirstLane[25] = {};
    int m_nMatches = 0;   // the matches shown (number of teams / 2)

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCycleLeft();
    void OnCycleRight();
    void Cycle(bool bLeft);

    DECLARE_MESSAGE_MAP()
};
