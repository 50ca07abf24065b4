#pragma once
// "Select Team": one team of the league; removed teams show with a leading tilde.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CTeam;

class CSelectTeamDlg : public CDialog
{
public:
    enum { IDD = IDD_SELECT_TEAM };
    explicit CSelectTeamDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    CTeam* m_pTeam = nullptr;   // the result

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDblclkList() { OnOK(); }

    DECLARE_MESSAGE_MAP()
};
