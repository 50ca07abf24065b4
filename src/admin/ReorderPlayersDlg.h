#pragma once
// "Reorder players in team": the team's bowlers in playing order, moved up and down one place at
// a time; OK writes the new order over the team's.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CTeam;

class CReorderPlayersDlg : public CDialog
{
public:
    enum { IDD = IDD_REORDER_PLAYERS };
    explicit CReorderPlayersDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    CTeam* m_pTeam = nullptr;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnMoveUp();
    void OnMoveDown();
    void Move(int nFrom, int nTo);

    DECLARE_MESSAGE_MAP()
};
