#pragma once
// "Specify Squad Times": how long after the first squad each later squad starts.
#include "framework/core/Time.h"
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CSquadTimesDlg : public CDialog
{
public:
    enum { IDD = IDD_SQUAD_TIMES };
    explicit CSquadTimesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_nDays = 0;
    int m_nHours = 0;
    int m_nMinutes = 0;
    CString m_strSummary;
    CString m_strFirstTime;
    CString m_strSquadTime;
    int m_nSquads = 2;
    int m_nSelected = 1;       // the squad shown, counted from 0 (1 = squad 2)
    int m_nDelays[40] = {};    // minutes after the first squad; entry 0 unused
    CTime m_timeFirst;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSelchangeSquad();
    void OnKillfocusTime();
    void ShowSelected();
    void ShowTimes();
    bool StoreShown();

    DECLARE_MESSAGE_MAP()
};
