#pragma once
// CTime: seconds since 1 January 1970, broken down in local time. 64-bit in memory;
// the league file keeps 32-bit seconds, so IsStorable() says whether a time fits.
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <ctime>

class CTimeSpan
{
public:
    CTimeSpan() = default;
    explicit CTimeSpan(LONGLONG seconds) : m_span(seconds) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
        : m_span(((static_cast<LONGLONG>(lDays) * 24 + nHours) * 60 + nMins) * 60 + nSecs) {}

    LONGLONG GetDays() const { return m_span / (24 * 3600); }
    LONGLONG GetTotalHours() const { return m_span / 3600; }
    int GetHours() const { return static_cast<int>(GetTotalHours() - GetDays() * 24); }
    LONGLONG GetTotalMinutes() const { return m_span / 60; }
    int GetMinutes() const { return static_cast<int>(GetTotalMinutes() - GetTotalHours() * 60); }
    LONGLONG GetTotalSeconds() const { return m_span; }
    int GetSeconds() const { return static_cast<int>(m_span - GetTotalMinutes() * 60); }

    CTimeSpan operator+(CTimeSpan o) const { return CTimeSpan(m_span + o.m_span); }
    CTimeSpan operator-(CTimeSpan o) const { return CTimeSpan(m_span - o.m_span); }
    CTimeSpan& operator+=(CTimeSpan o) { m_span += o.m_span; return *this; }
    CTimeSpan& operator-=(CTimeSpan o) { m_span -= o.m_span; return *this; }
    auto operator<=>(const CTimeSpan&) const = default;

private:
    LONGLONG m_span = 0;
};

class CTime
{
public:
    CTime() = default;
    CTime(LONGLONG t) : m_time(t) {}
    // Local time; nDST < 0 lets the C library decide whether summer time applies.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

    static CTime GetCurrentTime();

    LONGLONG GetTime() const { return m_time; }
    bool GetLocalTm(struct tm* ptm) const;

    int GetYear() const;
    int GetMonth() const;     // 1..12
    int GetDay() const;       // 1..31
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday .. 7 = Saturday
    int GetDayOfYear() const; // 1..366

    // C time-format directives (%a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %x %X %y %Y %Z %%,
    // and the '#' flag that drops leading zeros) with English names in every locale.
    CString Format(const char* pszFormat) const;

    // The 32-bit signed seconds of the league file run out on 19 January 2038.
    bool IsStorable() const { return m_time >= INT32_MIN && m_time <= INT32_MAX; }
    static CTime MaxStorable() { return CTime(static_cast<LONGLONG>(INT32_MAX)); }

    CTimeSpan operator-(CTime o) const { return CTimeSpan(m_time - o.m_time); }
    CTime operator+(CTimeSpan s) const { return CTime(m_time + s.GetTotalSeconds()); }
    CTime operator-(CTimeSpan s) const { return CTime(m_time - s.GetTotalSeconds()); }
    CTime& operator+=(CTimeSpan s) { m_time += s.GetTotalSeconds(); return *this; }
    CTime& operator-=(CTimeSpan s) { m_time -= s.GetTotalSeconds(); return *this; }
    auto operator<=>(const CTime&) const = default;

private:
    LONGLONG m_time = 0;
};
