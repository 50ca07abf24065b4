#pragma once
// Who a bowler is, as every league that keeps him in the player database shares it with his
// record: names, address, phones, association membership, birth date, user data and the flag
// word (whose PF_LEAGUE_OWN bits are each league's own, never the record's to give).
//
// A league's change to these that the record has not taken yet (the write failed, or the
// league was not kept in the database at the time) waits in a CDbPending beside the bowler
// and in the league file, until the record can take it.
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <vector>

class CArchive;

struct CSharedDetails
{
    CString m_strSurname;
    CString m_strFirstName;
    CString m_strAddress[5];    // four address lines and the postcode
    CString m_strPhoneHome;
    CString m_strPhoneWork;
    CString m_strPhoneMobile;
    CString m_strMembershipNo;
    BYTE m_nMembershipType = 0; // 1-based into the league's list, 0 none
    BYTE m_nExpiryDay = 0;
    BYTE m_nExpiryMonth = 0;
    WORD m_nExpiryYear = 0;
    BYTE m_nBirthDay = 0;       // 0 = not recorded
    BYTE m_nBirthMonth = 0;
    WORD m_nBirthYear = 0;
    CString m_strUserData1;
    CString m_strUserData2;
    WORD m_wFlags = 0;          // PlayerFlag bits
};

// The shared details by number: the order of ForEachSharedDetail, then the flag word's shared
// bits (those outside PF_LEAGUE_OWN). Bit 1 << n of a pending change is detail n; the league
// file keeps these numbers.
enum SharedDetail : int
{
    SD_SURNAME,
    SD_FIRST_NAME,
    SD_ADDRESS_1,
    SD_POSTCODE = SD_ADDRESS_1 + 4,
    SD_PHONE_HOME,
    SD_PHONE_WORK,
    SD_PHONE_MOBILE,
    SD_MEMBERSHIP_NO,
    SD_MEMBERSHIP_TYPE,
    SD_EXPIRY_DAY,
    SD_EXPIRY_MONTH,
    SD_EXPIRY_YEAR,
    SD_BIRTH_DAY,
    SD_BIRTH_MONTH,
    SD_BIRTH_YEAR,
    SD_USER_DATA_1,
    SD_USER_DATA_2,
    SD_FLAGS,
    SD_COUNT
};

// Calls f(n, x.detail, y.detail...) with detail n of each object given, for every detail but
// the flag word, in number order. The objects hold the details under CSharedDetails' names.
template <class F, class... D>
void ForEachSharedDetail(F f, D&... d)
{
    f(SD_SURNAME, d.m_strSurname...);
    f(SD_FIRST_NAME, d.m_strFirstName...);
    for (int i = 0; i < 5; ++i)
        f(SD_ADDRESS_1 + i, d.m_strAddress[i]...);
    f(SD_PHONE_HOME, d.m_strPhoneHome...);
    f(SD_PHONE_WORK, d.m_strPhoneWork...);
    f(SD_PHONE_MOBILE, d.m_strPhoneMobile...);
    f(SD_MEMBERSHIP_NO, d.m_strMembershipNo...);
    f(SD_MEMBERSHIP_TYPE, d.m_nMembershipType...);
    f(SD_EXPIRY_DAY, d.m_nExpiryDay...);
    f(SD_EXPIRY_MONTH, d.m_nExpiryMonth...);
    f(SD_EXPIRY_YEAR, d.m_nExpiryYear...);
    f(SD_BIRTH_DAY, d.m_nBirthDay...);
    f(SD_BIRTH_MONTH, d.m_nBirthMonth...);
    f(SD_BIRTH_YEAR, d.m_nBirthYear...);
    f(SD_USER_DATA_1, d.m_strUserData1...);
    f(SD_USER_DATA_2, d.m_strUserData2...);
}

// A linked bowler's shared details changed in this league that his record has not taken yet.
struct CDbPending
{
    static constexpr DWORD kAllDetails = (1u << SD_COUNT) - 1;

    DWORD m_dwDetails = 0;  // bit n: detail n waits to be written
    // The waiting details as the record held them when the league made its change: a record that
    // holds another value by the time it can be written was changed by another league since, and
    // that later change stands. The other details' values here mean nothing. One holding the
    // league's own value is not known (ForgetBase).
    CSharedDetails m_base;
    // When the league's value of each waiting detail was last typed: milliseconds since 1 January
    // 1970 (UTC), 0 not known (a file of version 78). Typed after the record's details were, it is
    // the later change, and goes to the record though another league changed that detail.
    LONGLONG m_nTyped[SD_COUNT] = {};
    // Not kept in the league file. The details whose time as read told nothing (a time no clock
    // gives, or one the bowler's copy does not mark): which change is later cannot be told by it.
    DWORD m_dwTimeUnsound = 0;
    // The details the secretary was told wait on because their entry was damaged: told once.
    DWORD m_dwDamageTold = 0;
    // What the league file's reading could not settle alone, weighed against the record by the
    // first write after it (CPlayerDatabase's Exchange), then cleared; a detail typed anew leaves it.
    // A detail waits only where the file shows the league typed it: the entry and the copy's marks
    // agreeing, or the one of them that the other's damage leaves standing. Until then the entry
    // stands as it was read, and a league file saved meanwhile keeps both as they were.
    struct CAsRead
    {
        DWORD dwEntry = 0;       // what his entry named, where it is to be weighed
        bool bUnwitnessed = false;  // no marks of his copy date it (a file before version 80)
        DWORD dwEntryAlone = 0;  // named by it, not dated by the marks it disagrees with (nor its times)
        DWORD dwMarksAlone = 0;  // dated by those marks, not named by it: not written in it
        bool Any() const { return dwEntry != 0; }
    } m_asRead;
    // The details the league file's entry holds: those waiting on the copy's marks alone, the
    // marks carry.
    DWORD Kept() const { return m_dwDetails & ~m_asRead.dwMarksAlone; }

    // Every detail waiting, its base and its time (not what was told of it).
    bool operator==(const CDbPending& o) const;
    // What the record held of the details of dwDetails when the league changed them is not known
    // (their entry in the league file was damaged): their base holds the league's own value.
    void ForgetBase(DWORD dwDetails, const CSharedDetails& mine);
    // The league file's form: the detail bits, then the base value of each detail waiting (from
    // version 79 each followed by when it was typed).
    void Write(CArchive& ar) const;
    void Read(CArchive& ar);
};

// The latest time a league file or a record may hold: now, with five minutes more for the clocks
// of computers sharing a database, which may differ a little. A later time no clock gave: it is a
// damaged one, and tells nothing of when a detail was typed.
constexpr LONGLONG kClockLeewayMs = 5 * 60 * 1000;
LONGLONG LatestSoundTime();
inline bool IsSoundTime(LONGLONG t)
{
    return t > 0 && t <= LatestSoundTime();
}
// Two numbers one byte apart: what one damaged byte makes of a number of eight.
bool OneByteApart(ULONGLONG a, ULONGLONG b);

// What a linked bowler's copy in the league was last in step with, and when the league typed each
// value it holds. A record met that is not the one the copy was last in step with (another
// database's, or this one's as it stood before, a copy of its files put back) is settled detail
// by detail by these times (docs/architecture.md, playerdb).
struct CDbInStep
{
    ULONGLONG m_qwDatabase = 0;     // the database's identity (RecordFile.h), 0 none known
    LONGLONG m_nRecordTypedBy = 0;  // the record's typing time then (Playb003File.h)
    // When the league typed its value of each detail, milliseconds since 1 January 1970 (UTC); 0
    // for a value it did not type (taken from a record, or given when the bowler was added). A
    // time no clock gives (IsSoundTime) was damaged: typed, when not known.
    LONGLONG m_nTyped[SD_COUNT] = {};

    bool operator==(const CDbInStep& o) const = default;
    DWORD TypedDetails() const;  // bit n: detail n has a time
    bool IsEmpty() const { return m_qwDatabase == 0 && m_nRecordTypedBy == 0 && TypedDetails() == 0; }
    // The league file's form: the identity, the record's time, the detail bits, then the time of
    // each detail typed.
    void Write(CArchive& ar) const;
    void Read(CArchive& ar);
};

// ---------------------------------------------------------------- what a bowler may hold
// One rule for every way the shared details enter: typed into the player dialogs, read from a
// league file (the bowler and what waits for his record), read from his record and written to it.
//
// A date is held in parts, each 0 when not given (a secretary may know a birth year alone): a day
// of 1-31 that its month holds (29 February in a leap year, or with no year given), a month of
// 1-12, a year of 1-9999 (a birth year above 1899, as the dialogs take it). Nobody is born after
// today (a slip of the year: 2099 for 1999). Texts hold no control characters. A bowler is male or
// female, not both.
enum class DateKind { Birth, Expiry };
int DaysInMonth(int nMonth, int nYear);  // nYear 0: any year, 29 for February
bool IsSoundDate(int nDay, int nMonth, int nYear, DateKind kind);
// The part of a date (SD_BIRTH_YEAR, SD_BIRTH_MONTH or SD_BIRTH_DAY, as the dialog's boxes) that
// puts it after today, the parts not given counting as early as they may; -1 when it is not. A
// date without a year is never after today.
int PartAfterToday(int nDay, int nMonth, int nYear);
bool IsControlChar(char c);  // below a blank, DEL, and the bytes Windows-1252 leaves undefined
bool HasControlChars(const CString& str);
CString WithoutControlChars(const CString& str);
bool IsBothGenders(WORD wFlags);

// The details of d that a bowler cannot hold: bit n for detail n (a date's three bits together,
// SD_FLAGS for both genders).
DWORD FindUnsoundDetails(const CSharedDetails& d);
// Each detail of d that a bowler cannot hold takes fallback's where that holds a sound value (a
// text, a date or a gender given); otherwise it is mended as MendDetails does. The details changed.
DWORD KeepSoundDetails(CSharedDetails& d, const CSharedDetails& fallback);

// What a mend changed, named for a notice: "the birth day 31 (Sep 1980 has 30 days)", "surname".
struct CDetailMends
{
    DWORD dwDetails = 0;          // the details mended (a date's three bits when any part was)
    std::vector<CString> dates;   // each part cleared
    std::vector<CString> texts;   // each text control characters were left out of
    bool bGenders = false;        // both genders, now female
    bool Any() const { return !dates.empty() || !texts.empty() || bGenders; }
};
// Mends the details of dwWhich (a waiting change's base holds only the details waiting): a date's
// part that no date holds is cleared, and a day its month does not hold; control characters are
// left out; both genders become female, as the handicap and blind rules already take such a bowler.
CDetailMends MendDetails(CSharedDetails& d, DWORD dwWhich = CDbPending::kAllDetails);
