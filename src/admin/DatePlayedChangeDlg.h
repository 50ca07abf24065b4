#pragma once
// "Date Played Change Confirmation": a side played on another date than its match was due.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CDatePlayedChangeDlg : public CDialog
{
public:
    enum { IDD = IDD_DATE_PLAYED_CHANGE };
    explicit CDatePlayedChangeDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strRound;
    CString m_strTeamA;
    CString m_strTeamB;
    CString m_strTeam;
    CString m_strDatePlayed;
    CString m_strOldDue;
    CString m_strNewDue;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_DPC_ROUND, m_strRound);
        DDX_Text(pDX, IDC_DPC_TEAM_A, m_strTeamA);
        DDX_Text(pDX, IDC_DPC_TEAM_B, m_strTeamB);
        DDX_Text(pDX, IDC_DPC_TEAM, m_strTeam);
        DDX_Text(pDX, IDC_DPC_PLAYED, m_strDatePlayed);
        DDX_Text(pDX, IDC_DPC_OLD_DUE, m_strOldDue);
        DDX_Text(pDX, IDC_DPC_NEW_DUE, m_strNewDue);
    }
};
