#pragma once
// The next season's teams: "New League Setup", a notice before anything changes, and "Select
// teams for new league.", where the secretary picks the teams one by one in their new order.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

#include <vector>

class CBowlingDoc;

class CNewLeagueSetupDlg : public CDialog
{
public:
    enum { IDD = IDD_NEW_LEAGUE_SETUP };
    explicit CNewLeagueSetupDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}
};

class CNewLeagueTeamsDlg : public CDialog
{
public:
    enum { IDD = IDD_NEW_LEAGUE_TEAMS };
    explicit CNewLeagueTeamsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    std::vector<WORD> m_arrChosen; // old team numbers, in the order chosen
    int m_nTarget = 0;             // teams of the new league
    int m_nAvailable = 0;          // teams offered
    int m_nChosen = 0;
    DWORD m_bMoveEnabled = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnResetLists();
    void OnSelChangeTeamList();
    void OnMove();
    void OnDblClkTeamList();
    void UpdateMoveButton();

    DECLARE_MESSAGE_MAP()
};
