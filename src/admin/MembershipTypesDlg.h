#pragma once
// "Bowling Assn. Membership Types": the league's list of membership type names, added to,
// renamed in place and deleted; OK puts a changed list into the league.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CMembershipTypesDlg : public CDialog
{
public:
    enum { IDD = IDD_MEMBERSHIP_TYPES };
    explicit CMembershipTypesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    CString m_strEdit;
    int m_nSelected = -1;      // the entry being renamed
    BOOL m_bEditing = FALSE;
    BOOL m_bChanged = FALSE;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnAdd();
    void OnDelete();
    void OnRename();
    void OnKillFocusEdit();
    void EndRename();
    void StoreTypes();

    DECLARE_MESSAGE_MAP()
};
