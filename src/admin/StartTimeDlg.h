#pragma once
// "Start Time": the time of day of every round.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CStartTimeDlg : public CDialog
{
public:
    enum { IDD = IDD_START_TIME };
    explicit CStartTimeDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_nHourIndex = 0;    // the hour, 0..23
    int m_nMinuteIndex = 0;  // minute / 5

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnKillfocusHour();
    void OnKillfocusMinute();

    DECLARE_MESSAGE_MAP()
};
