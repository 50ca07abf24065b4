#pragma once
// "Date Played Change Confirmation": a side played on another date than its match was due.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

#include <vector>

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

// "Date Played Change Confirmation" for several teams at once: how many, a line for each (its
// round, match and name, the date it bowled, the match's old and new dates due, parted by tabs
// under the dialog's headings) and one answer for them all, "Change" (OK) or "Leave" (Cancel).
class CDatesPlayedChangeDlg : public CDialog
{
public:
    enum { IDD = IDD_DATES_PLAYED_CHANGE };
    explicit CDatesPlayedChangeDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strCount;
    std::vector<CString> m_lines;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_DPS_SIDES));
        const int stops[5] = {24, 142, 212, 292, 372};
        pList->SetTabStops(5, stops);
        for (const CString& strLine : m_lines)
            pList->AddString(strLine);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_DPS_COUNT, m_strCount); }
};
