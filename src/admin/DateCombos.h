#pragma once
// The date and time pickers the set-up dialogs share, and the range of dates a league file
// can hold: dates are stored as 32-bit seconds, which run out on 19 January 2038 at 03:14:07
// Greenwich time. The dialogs offer 2038 and refuse its dates past that second.
#include "framework/core/Time.h"
#include "framework/ui/Wnd.h"

constexpr int FIRST_STORABLE_YEAR = 1970;
constexpr int LAST_STORABLE_YEAR = 2038;
constexpr LONGLONG SECONDS_PER_DAY = 86400;
constexpr LONGLONG SECONDS_PER_WEEK = 7 * SECONDS_PER_DAY;
// Said when a season would run past the last date the file holds (CTime::IsStorable).
constexpr const char* SEASON_PAST_LAST_DATE =
    "The season would end after 19 Jan 2038, the last date a league file can hold.";

// "00 am" .. "11 am", "12 pm", "01 pm" .. "11 pm": index = hour.
void FillHourCombo(CComboBox* pCombo);
// "00", "05" .. "55": index = minute / 5.
void FillMinuteCombo(CComboBox* pCombo);
// "Jan" .. "Dec" ("Jly" for July): index = month - 1.
void FillMonthCombo(CComboBox* pCombo);
// "1970" .. "2038": index = year - FIRST_STORABLE_YEAR.
void FillYearCombo(CComboBox* pCombo);
// The year combo's index of a year; -1 outside the list.
int YearIndex(int nYear);

// Whether a date dialog takes a date: from the first second of 1970 (Greenwich time) to the
// last second the league file holds.
bool IsDateInFileRange(CTime time);
// "Please enter a date between <first> and <last>.": a date dialog refuses a date out of range.
void SayDateOutOfFileRange();

// A local date and time; the calendar carries an impossible day into the next month.
CTime MakeLocalTime(int nYear, int nMonth, int nDay, int nHour, int nMinute);
// The same calendar day at another time of day (seconds 0).
CTime WithTimeOfDay(CTime time, int nHour, int nMinute);
