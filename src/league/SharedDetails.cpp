#include "league/SharedDetails.h"

#include "framework/core/Archive.h"
#include "league/BowlingDoc.h"
#include "league/FileCheck.h"
#include "league/Player.h"

#include <chrono>
#include <string>
#include <type_traits>

#include <climits>

namespace {

bool Waits(DWORD dwDetails, int n)
{
    return (dwDetails & (1u << n)) != 0;
}

} // namespace

bool CDbPending::operator==(const CDbPending& o) const
{
    if (m_dwDetails != o.m_dwDetails)
        return false;
    bool bSame = !Waits(m_dwDetails, SD_FLAGS) || m_base.m_wFlags == o.m_base.m_wFlags;
    for (int n = 0; n < SD_COUNT; ++n)
        bSame = bSame && (!Waits(m_dwDetails, n) || m_nTyped[n] == o.m_nTyped[n]);
    ForEachSharedDetail(
        [&](int n, const auto& a, const auto& b) { bSame = bSame && (!Waits(m_dwDetails, n) || a == b); }, m_base,
        o.m_base);
    return bSame;
}

void CDbPending::ForgetBase(DWORD dwDetails, const CSharedDetails& mine)
{
    ForEachSharedDetail(
        [dwDetails](int n, const auto& value, auto& base) {
            if (Waits(dwDetails, n))
                base = value;
        },
        mine, m_base);
    if (Waits(dwDetails, SD_FLAGS))
        m_base.m_wFlags = mine.m_wFlags;
}

void CDbPending::Write(CArchive& ar) const
{
    const bool bTimes = ar.GetFileVersion() >= LEAGUE_FILE_VERSION_LINKS;
    const DWORD dwKept = Kept();
    ar << dwKept;
    ForEachSharedDetail(
        [&](int n, const auto& v) {
            if (!Waits(dwKept, n))
                return;
            ar << v;
            if (bTimes)
                ar << m_nTyped[n];
        },
        m_base);
    if (Waits(dwKept, SD_FLAGS)) {
        ar << m_base.m_wFlags;
        if (bTimes)
            ar << m_nTyped[SD_FLAGS];
    }
}

void CDbPending::Read(CArchive& ar)
{
    const bool bTimes = ar.GetFileVersion() >= LEAGUE_FILE_VERSION_LINKS;
    ar >> m_dwDetails;
    CheckRange(m_dwDetails, 1, kAllDetails, "a mark of the details waiting");
    // A time no clock gave (beyond the i64 range, or not come yet) was damaged: not known, and
    // no sign that another league's change came first either.
    auto readTime = [&](int n) {
        if (!bTimes)
            return;
        ULONGLONG t = 0;
        ar >> t;
        m_nTyped[n] = t > static_cast<ULONGLONG>(LLONG_MAX) ? -1 : static_cast<LONGLONG>(t);
        if (m_nTyped[n] != 0 && !IsSoundTime(m_nTyped[n])) {
            m_nTyped[n] = 0;
            m_dwTimeUnsound |= 1u << n;
        }
    };
    ForEachSharedDetail(
        [&](int n, auto& v) {
            if (!Waits(m_dwDetails, n))
                return;
            ar >> v;
            readTime(n);
        },
        m_base);
    if (Waits(m_dwDetails, SD_FLAGS)) {
        ar >> m_base.m_wFlags;
        readTime(SD_FLAGS);
    }
}

LONGLONG LatestSoundTime()
{
    const LONGLONG nNow =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    return nNow + kClockLeewayMs;
}

bool OneByteApart(ULONGLONG a, ULONGLONG b)
{
    int nBytes = 0;
    for (ULONGLONG x = a ^ b; x != 0; x >>= 8)
        nBytes += (x & 0xFF) != 0 ? 1 : 0;
    return nBytes == 1;
}

DWORD CDbInStep::TypedDetails() const
{
    DWORD dw = 0;
    for (int n = 0; n < SD_COUNT; ++n)
        if (m_nTyped[n] != 0)
            dw |= 1u << n;
    return dw;
}

void CDbInStep::Write(CArchive& ar) const
{
    const DWORD dwTyped = TypedDetails();
    ar << m_qwDatabase << m_nRecordTypedBy << dwTyped;
    for (int n = 0; n < SD_COUNT; ++n)
        if (dwTyped & (1u << n))
            ar << m_nTyped[n];
}

void CDbInStep::Read(CArchive& ar)
{
    DWORD dwTyped = 0;
    ar >> m_qwDatabase >> m_nRecordTypedBy >> dwTyped;
    CheckRange(dwTyped, 0, CDbPending::kAllDetails, "a mark of the details typed");
    // A time that cannot be right (before 1970, or not come yet) is not known: the copy is then
    // taken for in step with the record as it stands. A detail's typing time is kept as it is read:
    // the detail was typed, and the time is weighed where it is used.
    if (!IsSoundTime(m_nRecordTypedBy))
        m_nRecordTypedBy = 0;
    for (int n = 0; n < SD_COUNT; ++n) {
        m_nTyped[n] = 0;
        if (dwTyped & (1u << n))
            ar >> m_nTyped[n];
    }
}

// ---------------------------------------------------------------- what a bowler may hold

namespace {

constexpr WORD kGenders = PF_MALE | PF_FEMALE;

const char* const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The texts by detail number, as a notice names them.
const char* TextName(int n)
{
    static const char* const names[] = {"surname", "first name", "address line 1", "address line 2",
                                        "address line 3", "address line 4", "postcode", "home phone",
                                        "work phone", "mobile phone", "membership number"};
    if (n >= 0 && n <= SD_MEMBERSHIP_NO)
        return names[n];
    return n == SD_USER_DATA_1 ? "user data 1" : "user data 2";
}

// A date's three parts, numbered as the details are.
struct DateParts
{
    BYTE CSharedDetails::*pDay;
    BYTE CSharedDetails::*pMonth;
    WORD CSharedDetails::*pYear;
    int nDay;  // the day's detail number; the month and year follow it
    DateKind kind;
    const char* pszName;
};
const DateParts kDates[] = {
    {&CSharedDetails::m_nBirthDay, &CSharedDetails::m_nBirthMonth, &CSharedDetails::m_nBirthYear, SD_BIRTH_DAY,
     DateKind::Birth, "birth"},
    {&CSharedDetails::m_nExpiryDay, &CSharedDetails::m_nExpiryMonth, &CSharedDetails::m_nExpiryYear, SD_EXPIRY_DAY,
     DateKind::Expiry, "membership expiry"},
};

constexpr DWORD Bit(int n)
{
    return 1u << n;
}

DWORD DateBits(const DateParts& date)
{
    return Bit(date.nDay) | Bit(date.nDay + 1) | Bit(date.nDay + 2);
}

bool IsSoundDay(int nDay) { return nDay >= 0 && nDay <= 31; }
bool IsSoundMonth(int nMonth) { return nMonth >= 0 && nMonth <= 12; }
bool IsSoundYear(int nYear, DateKind kind)
{
    return nYear == 0 || (nYear >= (kind == DateKind::Birth ? 1900 : 1) && nYear <= 9999);
}

// "28 Feb 2099", "Feb 2099", "2099": the parts given.
CString DateText(int nDay, int nMonth, int nYear)
{
    CString str;
    if (nDay != 0 && nMonth >= 1 && nMonth <= 12)
        str.Format("%d ", nDay);
    if (nMonth >= 1 && nMonth <= 12)
        str.AppendFormat("%s ", kMonthNames[nMonth - 1]);
    str.AppendFormat("%d", nYear);
    return str;
}

bool IsSoundDate(const CSharedDetails& d, const DateParts& date)
{
    return IsSoundDate(d.*date.pDay, d.*date.pMonth, d.*date.pYear, date.kind);
}

// Clears the parts no date holds, judging together the parts of dwWhich; names each cleared.
// Whether any was.
bool MendDate(CSharedDetails& d, const DateParts& date, DWORD dwWhich, std::vector<CString>& mends)
{
    const size_t nBefore = mends.size();
    auto clear = [&](auto& part, const char* pszPart, const CString& strWhy) {
        CString mend;
        mend.Format("the %s %s %u", date.pszName, pszPart, static_cast<unsigned>(part));
        mends.push_back(mend + strWhy);
        part = 0;
    };
    BYTE& nDay = d.*date.pDay;
    BYTE& nMonth = d.*date.pMonth;
    WORD& nYear = d.*date.pYear;
    if ((dwWhich & Bit(date.nDay)) && !IsSoundDay(nDay))
        clear(nDay, "day", "");
    if ((dwWhich & Bit(date.nDay + 1)) && !IsSoundMonth(nMonth))
        clear(nMonth, "month", "");
    if ((dwWhich & Bit(date.nDay + 2)) && !IsSoundYear(nYear, date.kind))
        clear(nYear, "year", "");
    // Nobody is born after today: the year is the slip (without it no date is after today). The
    // parts not judged here tell nothing.
    if (date.kind == DateKind::Birth && (dwWhich & Bit(date.nDay + 2)) && nYear != 0) {
        const int nJudgedDay = (dwWhich & Bit(date.nDay)) ? nDay : 0;
        const int nJudgedMonth = (dwWhich & Bit(date.nDay + 1)) ? nMonth : 0;
        if (PartAfterToday(nJudgedDay, nJudgedMonth, nYear) >= 0)
            clear(nYear, "year", " (" + DateText(nJudgedDay, nJudgedMonth, nYear) + " is after today)");
    }
    // Whether the day or the month was damaged cannot be told: the day goes.
    const bool bWhole = (dwWhich & DateBits(date)) == DateBits(date);
    if (bWhole && nDay != 0 && nMonth != 0 && nDay > DaysInMonth(nMonth, nYear)) {
        CString why;
        why.Format(" (%s", kMonthNames[nMonth - 1]);
        if (nYear != 0)
            why.AppendFormat(" %u", static_cast<unsigned>(nYear));
        why.AppendFormat(" has %d days)", DaysInMonth(nMonth, nYear));
        clear(nDay, "day", why);
    }
    return mends.size() > nBefore;
}

void MendGenders(WORD& wFlags)
{
    wFlags = static_cast<WORD>(wFlags & ~PF_MALE);
}

} // namespace

int DaysInMonth(int nMonth, int nYear)
{
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    if (nMonth == 2 && nYear != 0 && !(nYear % 4 == 0 && (nYear % 100 != 0 || nYear % 400 == 0)))
        return 28;
    return days[nMonth - 1];
}

bool IsSoundDate(int nDay, int nMonth, int nYear, DateKind kind)
{
    if (!IsSoundDay(nDay) || !IsSoundMonth(nMonth) || !IsSoundYear(nYear, kind))
        return false;
    if (kind == DateKind::Birth && PartAfterToday(nDay, nMonth, nYear) >= 0)
        return false;
    return nDay == 0 || nMonth == 0 || nDay <= DaysInMonth(nMonth, nYear);
}

int PartAfterToday(int nDay, int nMonth, int nYear)
{
    const CTime today = CTime::GetCurrentTime();
    if (nYear == 0 || nYear < today.GetYear())
        return -1;
    if (nYear > today.GetYear())
        return SD_BIRTH_YEAR;
    if (nMonth == 0 || nMonth < today.GetMonth())
        return -1;
    if (nMonth > today.GetMonth())
        return SD_BIRTH_MONTH;
    return nDay > today.GetDay() ? SD_BIRTH_DAY : -1;
}


bool IsControlChar(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

bool HasControlChars(const CString& str)
{
    for (int i = 0; i < str.GetLength(); ++i)
        if (IsControlChar(str[i]))
            return true;
    return false;
}

CString WithoutControlChars(const CString& str)
{
    std::string kept;
    for (int i = 0; i < str.GetLength(); ++i)
        if (!IsControlChar(str[i]))
            kept += str[i];
    return CString(std::move(kept));
}

bool IsBothGenders(WORD wFlags)
{
    return (wFlags & kGenders) == kGenders;
}

DWORD FindUnsoundDetails(const CSharedDetails& d)
{
    DWORD dwUnsound = 0;
    for (const DateParts& date : kDates)
        if (!IsSoundDate(d, date))
            dwUnsound |= DateBits(date);
    ForEachSharedDetail(
        [&](int n, const auto& v) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, CString>)
                if (HasControlChars(v))
                    dwUnsound |= Bit(n);
        },
        d);
    if (IsBothGenders(d.m_wFlags))
        dwUnsound |= Bit(SD_FLAGS);
    return dwUnsound;
}

DWORD KeepSoundDetails(CSharedDetails& d, const CSharedDetails& fallback)
{
    const DWORD dwUnsound = FindUnsoundDetails(d);
    if (!dwUnsound)
        return 0;
    // The fallback's detail stands in where it holds a sound value; else d's is mended.
    const DWORD dwFallbackUnsound = FindUnsoundDetails(fallback);
    for (const DateParts& date : kDates) {
        if (!(dwUnsound & DateBits(date)))
            continue;
        const bool bGiven = fallback.*date.pDay != 0 || fallback.*date.pMonth != 0 || fallback.*date.pYear != 0;
        if (bGiven && !(dwFallbackUnsound & DateBits(date))) {
            d.*date.pDay = fallback.*date.pDay;
            d.*date.pMonth = fallback.*date.pMonth;
            d.*date.pYear = fallback.*date.pYear;
        } else {
            std::vector<CString> unused;
            MendDate(d, date, DateBits(date), unused);
        }
    }
    ForEachSharedDetail(
        [&](int n, auto& v, const auto& theirs) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, CString>)
                if (dwUnsound & Bit(n))
                    v = !theirs.IsEmpty() && !(dwFallbackUnsound & Bit(n)) ? theirs : WithoutControlChars(v);
        },
        d, fallback);
    if (dwUnsound & Bit(SD_FLAGS)) {
        const WORD wTheirs = fallback.m_wFlags & kGenders;
        if (wTheirs != 0 && wTheirs != kGenders)
            d.m_wFlags = static_cast<WORD>((d.m_wFlags & ~kGenders) | wTheirs);
        else
            MendGenders(d.m_wFlags);
    }
    return dwUnsound;
}

CDetailMends MendDetails(CSharedDetails& d, DWORD dwWhich)
{
    CDetailMends mends;
    for (const DateParts& date : kDates)
        if (MendDate(d, date, dwWhich, mends.dates))
            mends.dwDetails |= DateBits(date);
    ForEachSharedDetail(
        [&](int n, auto& v) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, CString>)
                if ((dwWhich & Bit(n)) && HasControlChars(v)) {
                    v = WithoutControlChars(v);
                    mends.texts.push_back(TextName(n));
                    mends.dwDetails |= Bit(n);
                }
        },
        d);
    if ((dwWhich & Bit(SD_FLAGS)) && IsBothGenders(d.m_wFlags)) {
        MendGenders(d.m_wFlags);
        mends.bGenders = true;
        mends.dwDetails |= Bit(SD_FLAGS);
    }
    return mends;
}
