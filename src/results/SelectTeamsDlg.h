#pragma once
// "Select Teams": several teams of the league, left in the document's selected-teams array
// for the display that follows.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;
class CListBox;
class CPtrArray;

class CSelectTeamsDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_TEAMS };
    explicit CSelectTeamsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;

protected:
    CSelectTeamsDlg(UINT nIDD, CWnd* pParent) : CDialog(nIDD, pParent) {}
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDblClkList() { OnOK(); }

    CListBox* List();
    // The selected teams in list order; false when nothing is selected.
    bool GetSelectedTeams(CPtrArray& arr);
    // Makes arr the document's selection, its first team the current one.
    void StoreSelection(const CPtrArray& arr);
    DECLARE_MESSAGE_MAP()
};
