#include "admin/DateCombos.h"

#include "framework/ui/Dialog.h"

void FillHourCombo(CComboBox* pCombo)
{
    pCombo->ResetContent();
    for (int h = 0; h < 24; ++h) {
        CString s;
        const int h12 = h % 12 == 0 ? 12 : h % 12;
        s.Format("%02d %s", h < 12 ? h : h12, h < 12 ? "am" : "pm");
        pCombo->AddString(s);
    }
}

void FillMinuteCombo(CComboBox* pCombo)
{
    pCombo->ResetContent();
    for (int m = 0; m < 60; m += 5) {
        CString s;
        s.Format("%02d", m);
        pCombo->AddString(s);
    }
}

void FillMonthCombo(CComboBox* pCombo)
{
    static const char* const months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jly", "Aug", "Sep", "Oct", "Nov", "Dec"};
    pCombo->ResetContent();
    for (const char* m : months)
        pCombo->AddString(m);
}

void FillYearCombo(CComboBox* pCombo)
{
    pCombo->ResetContent();
    for (int y = FIRST_STORABLE_YEAR; y <= LAST_STORABLE_YEAR; ++y) {
        CString s;
        s.Format("%d", y);
        pCombo->AddString(s);
    }
}

int YearIndex(int nYear)
{
    if (nYear < FIRST_STORABLE_YEAR || nYear > LAST_STORABLE_YEAR)
        return -1;
    return nYear - FIRST_STORABLE_YEAR;
}

bool IsDateInFileRange(CTime time)
{
    return time.GetTime() >= 0 && time.IsStorable();
}

void SayDateOutOfFileRange()
{
    CString strMsg;
    AfxFormatString2(strMsg, "Please enter a date between %1 and %2.", CTime(0).Format("%d %b %Y %I:%M %p"),
                     CTime::MaxStorable().Format("%d %b %Y %I:%M %p"));
    AfxMessageBox(strMsg, MB_OK | MB_ICONEXCLAMATION);
}

CTime MakeLocalTime(int nYear, int nMonth, int nDay, int nHour, int nMinute)
{
    return CTime(nYear, nMonth, nDay, nHour, nMinute, 0);
}

CTime WithTimeOfDay(CTime time, int nHour, int nMinute)
{
    return CTime(time.GetYear(), time.GetMonth(), time.GetDay(), nHour, nMinute, 0);
}

