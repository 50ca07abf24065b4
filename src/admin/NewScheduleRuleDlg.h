#pragma once
// "New Schedule Rule": continue the pairings as if the league had always had its new size
// (Synchronize), or start them again from their first round (Restart).
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CNewScheduleRuleDlg : public CDialog
{
public:
    enum { IDD = IDD_NEW_SCHEDULE_RULE };
    explicit CNewScheduleRuleDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_bSynchronize = 0;
    int m_bRestart = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Check(pDX, IDC_NSR_SYNCHRONIZE, m_bSynchronize);
        DDX_Check(pDX, IDC_NSR_RESTART, m_bRestart);
    }
    void OnSynchronize()
    {
        UpdateData(TRUE);
        m_bRestart = !m_bSynchronize;
        UpdateData(FALSE);
    }
    void OnRestart()
    {
        UpdateData(TRUE);
        m_bSynchronize = !m_bRestart;
        UpdateData(FALSE);
    }

    DECLARE_MESSAGE_MAP()
};
