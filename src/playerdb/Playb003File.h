#pragma once
// CPlayb003File: the player table of the player database, "PLAYB003.DTA" with its
// indexes in "PLAYB003.DTX".
//
// Record, 448 bytes, little-endian; texts are Windows-1252, padded with zeros and
// not terminated when they fill their field:
//     0  u32      database key (unique, never 0)
//     4  char[32] first name
//    36  char[32] surname
//    68  char[40] address lines 1-4
//   228  char[12] postcode
//   240  char[24] phone (home), phone (work), phone (mobile)
//   312  u16      flag word (gender and junior bits)
//   314  u8       birth day, u8 birth month, u16 birth year (0 = not recorded)
//   318  char[32] user data 1, user data 2
//   382  char[20] association membership number
//   402  u8       membership type, u8 expiry day, u8 expiry month, u8 0, u16 expiry year
//   408  u64      the record's stamp: a random number given when the record is made, which
//                 tells this person's record from another's under the same key (another
//                 database, a damaged key); 0 in a record made by an earlier version
//   416  i64      when the details it holds were typed, at the latest: milliseconds since
//                 1 January 1970 (UTC); 0 not known (an earlier version wrote it)
//   424  zeros
//
// Indexes (names compared without regard to case; keys end in the database key,
// so equal names stand in key order):
//   "Key"    the database key (unique; of two records found under one key, the second
//            is given a new key)
//   "Fname"  first name, surname
//   "Sname"  surname, first name; Find() looks for the surname, a prefix match
//   "Names"  surname, first name; Find() looks for the surname and, when one is
//            given, the start of the first name
#include "league/SharedDetails.h"
#include "playerdb/IndexedFile.h"

#include <functional>

// The current record's details are CSharedDetails' (the postcode is m_strAddress[4]).
class CPlayb003File : public CIndexedFile, public CSharedDetails
{
public:
    static constexpr DWORD kRecordLength = 448;
    static constexpr const char* kDataName = "PLAYB003.DTA";
    static constexpr const char* kIndexName = "PLAYB003.DTX";

    // Field widths; longer texts are cut to fit.
    enum
    {
        kNameWidth = 32,
        kAddressWidth = 40,
        kPostcodeWidth = 12,
        kPhoneWidth = 24,
        kUserWidth = 32,
        kMembershipWidth = 20
    };

    CPlayb003File();

    // Opens the two files in a directory. bMake: the secretary asked for a database there, and
    // one is made (the folder too) when it holds none. Otherwise a folder that is not there, or
    // holds no data file, is a database away (IsAway): nothing is made in its place.
    BOOL OpenIn(const char* pszDirectory, BOOL bMake = TRUE);
    // The last OpenIn found neither the data file nor, it may be, its folder, and made nothing.
    BOOL IsAway() const { return !IsOpen() && WasDataMissing(); }

    // Empties every text and zeroes every number of the current record.
    void Clear();
    // CIndexedFile's, but a detail that no bowler may hold (SharedDetails.h) is never written:
    // a record rewritten keeps the value it was read with, a new one takes the value mended. Nor
    // does a record's typing time go back (a computer whose clock is behind): it is when its
    // details were typed at the latest.
    int Add();
    int Rewrite();
    // A database key never handed out before and above every key in the file; 0 when the file
    // cannot be used.
    DWORD NewKey();

    // The records whose surname, blanks at its ends not counted, is strSurname (any case, its own
    // blanks not counted either), or with bPrefix begins with it: visit() is called on each, the
    // table positioned on it, until it returns false. The "Sname" index is left selected. A surname
    // another program or an import stored with blanks before it stands apart in the index, and is
    // met all the same (ForEachBlankLedSurname).
    void ForEachOfSurname(const CString& strSurname, bool bPrefix, const std::function<bool()>& visit);
    // Only those stored with blanks (or other characters no name begins with) before the surname:
    // they stand before every other in the index. false when visit() stopped the walk.
    bool ForEachBlankLedSurname(const CString& strSurname, bool bPrefix, const std::function<bool()>& visit);

    DWORD m_dwKey;
    ULONGLONG m_qwStamp;  // 0: none yet
    LONGLONG m_nTypedBy;  // 0: not known

protected:
    void StoreFields(BYTE* pRecord) const override;
    void LoadFields(const BYTE* pRecord) override;
    BOOL GiveOwnKey(const BYTE* pKeeper, CString& strNotice) override;

private:
    CSharedDetails m_read;  // the record's details as last read or written
    LONGLONG m_nReadTypedBy = 0;
};
