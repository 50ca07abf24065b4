#pragma once
// "Player Arrears" and "Team Arrears": what one bowler or team owes, typed, cleared or raised
// by the amount of a payment item. One implementation; each keeps its own class and dialog.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CArrearsDlg : public CDialog
{
public:
    CBowlingDoc* m_pDoc = nullptr;
    CString m_strName;
    LONG m_nAmount = 0;     // cents; negative is a credit

protected:
    explicit CArrearsDlg(UINT nIDD, CWnd* pParent) : CDialog(nIDD, pParent) {}
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnSelchangeItems();
    void OnAddItem();
    void OnClear();
    void OnKillfocusAmount();
    LONG SelectedItemAmount() const;

    DECLARE_MESSAGE_MAP()
};

class CPlayerArrearsDlg : public CArrearsDlg
{
public:
    enum { IDD = IDD_PLAYER_ARREARS };
    explicit CPlayerArrearsDlg(CWnd* pParent = nullptr) : CArrearsDlg(IDD, pParent) {}
};

class CTeamArrearsDlg : public CArrearsDlg
{
public:
    enum { IDD = IDD_TEAM_ARREARS };
    explicit CTeamArrearsDlg(CWnd* pParent = nullptr) : CArrearsDlg(IDD, pParent) {}
};
