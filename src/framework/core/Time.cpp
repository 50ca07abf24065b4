#include "framework/core/Time.h"

namespace {

const char* const kDayShort[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kDayLong[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonShort[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kMonLong[] = {"January", "February", "March", "April", "May", "June",
                                "July", "August", "September", "October", "November", "December"};

struct tm Broken(LONGLONG t)
{
    struct tm out {};
    time_t tt = static_cast<time_t>(t);
    if (!localtime_r(&tt, &out))
        out = {};
    return out;
}

void AppendNumber(CString& out, int value, int width, bool noPad)
{
    CString n;
    if (noPad)
        n.Format("%d", value);
    else
        n.Format("%0*d", width, value);
    out += n;
}

} // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm t {};
    t.tm_year = nYear - 1900;
    t.tm_mon = nMonth - 1;
    t.tm_mday = nDay;
    t.tm_hour = nHour;
    t.tm_min = nMin;
    t.tm_sec = nSec;
    t.tm_isdst = nDST;
    time_t r = mktime(&t);
    m_time = r == static_cast<time_t>(-1) ? 0 : static_cast<LONGLONG>(r);
}

CTime CTime::GetCurrentTime()
{
    return CTime(static_cast<LONGLONG>(time(nullptr)));
}

bool CTime::GetLocalTm(struct tm* ptm) const
{
    time_t tt = static_cast<time_t>(m_time);
    return ptm && localtime_r(&tt, ptm) != nullptr;
}

int CTime::GetYear() const { return Broken(m_time).tm_year + 1900; }
int CTime::GetMonth() const { return Broken(m_time).tm_mon + 1; }
int CTime::GetDay() const { return Broken(m_time).tm_mday; }
int CTime::GetHour() const { return Broken(m_time).tm_hour; }
int CTime::GetMinute() const { return Broken(m_time).tm_min; }
int CTime::GetSecond() const { return Broken(m_time).tm_sec; }
int CTime::GetDayOfWeek() const { return Broken(m_time).tm_wday + 1; }
int CTime::GetDayOfYear() const { return Broken(m_time).tm_yday + 1; }

CString CTime::Format(const char* pszFormat) const
{
    struct tm t = Broken(m_time);
    CString out;
    if (!pszFormat)
        return out;
    for (const char* p = pszFormat; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        bool noPad = false;
        if (*p == '#') {
            noPad = true;
            ++p;
        }
        int hour12 = t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12;
        switch (*p) {
        case '\0': return out;
        case '%': out += '%'; break;
        case 'a': out += kDayShort[t.tm_wday % 7]; break;
        case 'A': out += kDayLong[t.tm_wday % 7]; break;
        case 'b': out += kMonShort[t.tm_mon % 12]; break;
        case 'B': out += kMonLong[t.tm_mon % 12]; break;
        case 'c':
            out += CTime(m_time).Format(noPad ? "%A, %B %#d, %Y %H:%M:%S" : "%m/%d/%y %H:%M:%S");
            break;
        case 'd': AppendNumber(out, t.tm_mday, 2, noPad); break;
        case 'H': AppendNumber(out, t.tm_hour, 2, noPad); break;
        case 'I': AppendNumber(out, hour12, 2, noPad); break;
        case 'j': AppendNumber(out, t.tm_yday + 1, 3, noPad); break;
        case 'm': AppendNumber(out, t.tm_mon + 1, 2, noPad); break;
        case 'M': AppendNumber(out, t.tm_min, 2, noPad); break;
        case 'p': out += t.tm_hour < 12 ? "AM" : "PM"; break;
        case 'S': AppendNumber(out, t.tm_sec, 2, noPad); break;
        case 'U': AppendNumber(out, (t.tm_yday + 7 - t.tm_wday) / 7, 2, noPad); break;
        case 'W': AppendNumber(out, (t.tm_yday + 7 - (t.tm_wday + 6) % 7) / 7, 2, noPad); break;
        case 'w': AppendNumber(out, t.tm_wday, 1, noPad); break;
        case 'x': out += CTime(m_time).Format(noPad ? "%A, %B %#d, %Y" : "%m/%d/%y"); break;
        case 'X': out += CTime(m_time).Format("%H:%M:%S"); break;
        case 'y': AppendNumber(out, (t.tm_year + 1900) % 100, 2, noPad); break;
        case 'Y': AppendNumber(out, t.tm_year + 1900, 4, noPad); break;
        case 'z':
        case 'Z': out += t.tm_zone ? t.tm_zone : ""; break;
        default:
            out += '%';
            out += *p;
            break;
        }
    }
    return out;
}
