#pragma once
// "Enter date and Time": the date and time one side of a match was bowled, in five boxes
// and in steps of five minutes. The caller sets m_time and m_strLine2 (the team name) and,
// after OK, reads m_time and m_bBothTeams.
#include "framework/core/Time.h"
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CEnterDateTimeDlg : public CDialog {
public:
    enum { IDD = IDD_ENTER_DATE_TIME };
    explicit CEnterDateTimeDlg(CWnd* pParent = nullptr);

    CComboBox m_comboMinute;
    CComboBox m_comboHour;
    CComboBox m_comboMonth;
    int m_nDay = 0;
    int m_nYear = 0;
    CString m_strLine1;
    CString m_strLine2;
    CString m_strLine3;
    CString m_strWeekday;
    int m_bBothTeams = FALSE;
    CTime m_time;

    // m_time into the boxes.
    void ShowTime();
    // The boxes into m_time. A date the league file cannot store (its seconds are 32-bit)
    // is refused with a message and m_time keeps its value: FALSE.
    BOOL ReadTime();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnKillFocusDay() { OnChange(); }
    void OnKillFocusYear() { OnChange(); }
    void OnSelChangeHour() { OnChange(); }
    void OnSelChangeMinute() { OnChange(); }
    void OnSelChangeMonth() { OnChange(); }
    void OnBothTeams();

    DECLARE_MESSAGE_MAP()

private:
    void OnChange();
    // Whether the boxes still show m_time as ShowTime put it there.
    bool BoxesShowTime() const;
};
