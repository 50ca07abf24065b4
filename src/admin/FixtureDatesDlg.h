#pragma once
// "Fixture Dates": the league's calendar of rounds and free dates. Its buttons change the
// document at once, and its matches take their dates there and then; only the minutes between
// rounds wait for "Finished".
#include "framework/core/Time.h"
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

#include <functional>

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
    // The calendar's entry on a row of the list, which shows the entries in their order.
    CFreeWeek* EntryAt(int nIndex) const;
    // Every change the dialog makes to the league goes through here: the matches take their
    // dates from the calendar there and then (a played side not played when its match was due
    // is asked about while "Reset date played." is ticked), so that whichever way the dialog
    // closes, what the league shows and works reads the calendar the dialog shows. A match
    // whose side's day moves against the matches around it is worked again, with those that
    // count it, and the secretary told. nPlayedFrom: played matches of that round on went, so
    // every match that counted them is worked again, the league recalculated and the round
    // in hand kept to the rounds left.
    void Apply(const std::function<void()>& change, int nPlayedFrom = 0);
    // Applies the change to the calendar, unless the season it leaves would run past the last date a league file holds: then the secretary is told so
    // and nothing changes. The change finds its entries by row (EntryAt): it is tried first
    // on a copy of the calendar.
    bool ChangeCalendar(const std::function<void()>& change);
    // Every entry after pFrom moves by the span.
    void ShiftAfter(const CFreeWeek* pFrom, CTimeSpan span);
    // The first entry moves one interval later, at the same hour across a change of summer time.
    void MoveStart(CTimeSpan interval);
    // Reset Dates From Start without its list: the entries dated one interval apart from the first.
    void ResetDates();
    // A free date with its reason before or after the entry of a row; the entries after it move
    // one interval later and take that entry's time of day.
    void InsertFreeDate(int nIndex, CTimeSpan interval, bool bAfter, const CString& strReason);
    // The free date of a row goes; the entries after it move one interval earlier.
    void DeleteFreeDate(int nIndex, CTimeSpan interval);
    void SelectRow(int nIndex);
    void UpdateButtons();

    DECLARE_MESSAGE_MAP()
};
