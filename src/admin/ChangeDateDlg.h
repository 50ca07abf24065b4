#pragma once
// "Change Date": one date and time, a week at a time or by its parts.
#include "framework/core/Time.h"
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CChangeDateDlg : public CDialog
{
public:
    enum { IDD = IDD_CHANGE_DATE };
    explicit CChangeDateDlg(CWnd* pParent = nullptr);

    DWORD m_bDateOnly = 0;
    CTime m_date;
    int m_nHour = 0;
    int m_nMinute = 0;

protected:
    BOOL OnInitDialog() override;
    void OnSelchangeCombo();
    void OnPlusWeek();
    void OnMinusWeek();
    void ShowDate();
    // Only dates a league file can hold are taken; another is refused, saying so.
    void SetDate(CTime date);

    DECLARE_MESSAGE_MAP()
};
