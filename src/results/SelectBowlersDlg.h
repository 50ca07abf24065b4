#pragma once
// "Select Bowler(s) for Display/Printing": several bowlers of the league, left in the
// document's selected-bowlers array for the display that follows.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;

class CSelectBowlersDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_BOWLERS };
    explicit CSelectBowlersDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDblClkList() { OnOK(); }
    DECLARE_MESSAGE_MAP()
};
