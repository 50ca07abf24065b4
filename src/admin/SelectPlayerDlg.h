#pragma once
// "Select Player": picks one bowler of the league from a sorted list; robots and resigned
// bowlers, marked with a tilde, sort after the others.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CPlayer;

class CSelectPlayerDlg : public CDialog
{
public:
    enum { IDD = IDD_SELECT_PLAYER };
    explicit CSelectPlayerDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    int m_bSortBySurname = TRUE;
    CPlayer* m_pPlayer = nullptr;  // the choice; null when the list was empty

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnSortBySurname();
    void OnDblclkList() { OnOK(); }

    DECLARE_MESSAGE_MAP()

private:
    void FillList();
};
