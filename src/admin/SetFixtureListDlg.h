#pragma once
// "Set Fixture List": how many rounds, how often, from which date and time.
#include "framework/core/Time.h"
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CSetFixtureListDlg : public CDialog
{
public:
    enum { IDD = IDD_SET_FIXTURE_LIST };
    explicit CSetFixtureListDlg(CWnd* pParent = nullptr);

    int m_nStartDay = 1;
    int m_nStartYear = 1970;
    CString m_strWeekday;
    int m_nRoundsPerInterval = 0;
    int m_nTeams = 0;            // set by the caller
    CBowlingDoc* m_pDoc = nullptr; // the league the season is for: its dates must fit its file
    int m_nFrequency = 0;        // result: 0 weekly, 1 fortnightly, 2 four weekly
    int m_nMatches = 0;          // result: the number of rounds
    CTime m_timeStart;
    int m_nHour = 0;
    int m_nMinute = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnChangeDay();
    void OnSelchangeMonth();
    void OnKillfocusYear();
    void OnSelchangeTime();
    void RebuildStart();

    DECLARE_MESSAGE_MAP()
};
