#pragma once
// "Check Player Database": adding a bowler to a league kept in the player database, the
// secretary either takes a record found by its surname (OK, or a double click) or adds a new
// bowler ("Add new Player", which sets m_bAddNew; m_strSurname holds what was typed).
#include "admin/PlayerDatabaseDlg.h"

class CCheckPlayerDbDlg : public CPlayerDatabaseDlg
{
public:
    enum { IDD = IDD_CHECK_PLAYER_DB };
    explicit CCheckPlayerDbDlg(CWnd* pParent = nullptr);

    DWORD m_bAddNew = 0;

protected:
    void OnOK() override;
    void OnDblclkList();
    void OnAddNew();
    void OnDisplay();

    DECLARE_MESSAGE_MAP()
};
