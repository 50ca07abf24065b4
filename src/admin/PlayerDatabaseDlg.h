#pragma once
// "Player Database": finds a record of the player database by the surname typed, for
// D'base > Delete a Player. OK fills m_player from the record chosen.
#include "admin/DatabasePlayerList.h"
#include "framework/ui/Dialog.h"
#include "league/Player.h"
#include "resources/dialogs/AdminDialogs.h"

#include <vector>

class CBowlingDoc;

class CPlayerDatabaseDlg : public CDialog
{
public:
    enum { IDD = IDD_PLAYER_DATABASE };
    explicit CPlayerDatabaseDlg(CWnd* pParent = nullptr) : CPlayerDatabaseDlg(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    CString m_strSurname;
    CPlayer m_player;  // after OK: the record chosen, with its key
    CString m_strApart;  // after OK: what told it from others of its name, if there were any

protected:
    CPlayerDatabaseDlg(UINT nIDD, CWnd* pParent) : CDialog(nIDD, pParent) {}

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnChangeSurname();
    // Fills m_player from the selected line; FALSE (after pszFailure) when it cannot be read.
    BOOL TakeSelected(const char* pszFailure);
    void FillPlayerList();
    CListBox* List() const;

    // An excluded league bowler's record is offered again here, not when adding a bowler.
    BOOL m_bExcludedNotInLeague = TRUE;
    BOOL m_bUnreadSaid = FALSE;  // that the database could not be read
    std::vector<CDatabaseListLine> m_lines;  // as listed

    DECLARE_MESSAGE_MAP()
};
