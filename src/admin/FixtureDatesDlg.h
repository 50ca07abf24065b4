#pragma once
// "Fixture Dates": the league's calendar of rounds and free dates. Its buttons change the
// document at once; only the minutes between rounds wait for "Finished".
#include "framework/core/Time.h"
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CFreeWeek;

class CFixtureDatesDlg : public CDialog
{
public:
    enum { IDD = IDD_FIXTURE_DATES };
    explicit CFixtureDatesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strSelected;
    int m_nRoundsPerInterval = 1;
    int m_bResetDatePlayed = 0;
    CBowlingDoc* m_pDoc = nullptr;
    int m_nMinutes = 0;

    void FillRoundList(bool bKeepSelection = true);
    void SetAllDateTimes(int nHour, int nMinute);
    void RemoveLastRound();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnAddFreeDate();
    void OnDeleteFreeWeek();
    void OnResetDatesFromStart();
    void OnChangeSelectedDate();
    void OnAddPositionRound();
    void OnDeletePositionRound();
    void OnDeleteFinalRound();
    void OnSetAllMatchTimes();
    void OnSelChangeRounds();
    void OnDblClkRounds();
    void OnKillfocusMinutes();

    CTimeSpan Interval() const;
    // The selected row's entry; says "Nothing selected." when there is none.
    CFreeWeek* Selected(int* pnIndex = nullptr);
    // Every entry after pFrom moves by the span.
    void ShiftAfter(const CFreeWeek* pFrom, CTimeSpan span);
    void SelectRow(int nIndex);
    void UpdateButtons();

    DECLARE_MESSAGE_MAP()
};
