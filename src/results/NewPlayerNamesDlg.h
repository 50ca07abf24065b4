#pragma once
// "New Player Details" with the names and the team only: Player > Add a New Player as the
// scoresheet's New Player runs it, until the full player details dialog replaces it.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;

class CNewPlayerNamesDlg : public CDialog {
public:
    enum { IDD = IDD_NEW_PLAYER_NAMES };
    explicit CNewPlayerNamesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CComboBox m_comboTeam;
    CString m_strForename;
    CString m_strSurname;
    int m_bAnotherNewPlayer = FALSE;
    WORD m_nTeamNo = 0;  // 0 = " Unassigned "
    CBowlingDoc* m_pDoc = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};

// Adds bowlers through the dialog, one per OK while "Another New Player" is ticked: each gets
// the next free player number and, when a team is chosen, the end of its team order. Marks
// the document modified and rebuilds the floating substitutes. The number of bowlers added.
int AddNewPlayer(CBowlingDoc* pDoc);
// The routine the scoresheet's New Player runs; null runs AddNewPlayer. The full player
// details (with the player database when the league uses it) install theirs here.
extern int (*g_pfnScoresheetAddNewPlayer)(CBowlingDoc* pDoc);
