#pragma once
// "Assign Venues to Rounds": the chosen venue given at once to every match of the selected
// dated rounds, or every venue cleared; Finished and Cancel only close.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CAssignVenuesDlg : public CDialog
{
public:
    enum { IDD = IDD_ASSIGN_VENUES };
    explicit CAssignVenuesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    BYTE m_nVenue = 0;   // the venue chosen in the drop-down list

protected:
    BOOL OnInitDialog() override;
    void OnKillfocusVenue() { TakeVenue(); }
    void OnAssign();
    void OnClear();
    void TakeVenue();

    DECLARE_MESSAGE_MAP()
};
