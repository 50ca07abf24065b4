#pragma once
// Checks on values read from a league file: a value that the program would use as an index
// or a size must lie in its range, or the file is refused as corrupt. A refusal names where
// in the league the value lies: the round and match, the team or the bowler being read.
#include "framework/core/Archive.h"

#include <vector>

// The place of the values being read, named by every refusal while it is set: the entry of
// the list being read ("the bonus rules, entry 2"), or a closer place that a check names
// when it refuses ("round 3, match 2", "bowler 17 (Ann Lee)"). Empty outside the lists.
void SetReadEntry(const char* pszList, unsigned nEntry);  // null: no list
void SetReadPlace(const CString& strPlace);
CString GetReadPlace();

// The read place as it stands, kept for a refusal that may come later; made into text only then.
struct CReadPlaceMark
{
    const char* pszList = nullptr;
    unsigned nEntry = 0;
    CString strPlace;

    CString GetText() const;
};
CReadPlaceMark MarkReadPlace();

// Throws the archive's corrupt-file exception: "The file holds <what> of <value>, outside
// <lo> to <hi>, in <place>."
[[noreturn]] void ThrowOutOfRange(const char* pszWhat, long long nValue, long long nLo, long long nHi);

template <class T>
inline void CheckRange(T value, long long nLo, long long nHi, const char* pszWhat)
{
    long long v = static_cast<long long>(value);
    if (v < nLo || v > nHi)
        ThrowOutOfRange(pszWhat, v, nLo, nHi);
}

// The same, naming a place made only when the value is refused (a closer one than the list
// entry being read: the position and game of a score, say).
template <class T, class PlaceFn>
inline void CheckRangeAt(T value, long long nLo, long long nHi, const char* pszWhat, PlaceFn place)
{
    long long v = static_cast<long long>(value);
    if (v < nLo || v > nHi) {
        SetReadPlace(place());
        ThrowOutOfRange(pszWhat, v, nLo, nHi);
    }
}

// Damage a read mends instead of refusing, kept for the one notice said after the read: the
// place of each mended value, by kind. Cleared when a league read starts.
enum class ReadMend { Splits, Points, BowlerHandicap, Font, BowlerDate, BowlerText, BowlerGenders, Count };
void NoteReadMend(ReadMend kind, const CString& strPlace);
const std::vector<CString>& GetReadMends(ReadMend kind);
void ClearReadMends();
// The one notice of all the read noted as mended, as the secretary reads it after the file's
// name; empty when nothing was.
CString MakeReadNotice();

// One whole read of a file (a league, a report layout): it starts with no place and no mend
// left over from an earlier read, and leaves none behind however it ends, read or refused.
class CFileReadScope
{
public:
    CFileReadScope() { Clear(); }
    ~CFileReadScope() { Clear(); }
    CFileReadScope(const CFileReadScope&) = delete;
    CFileReadScope& operator=(const CFileReadScope&) = delete;

private:
    static void Clear()
    {
        SetReadEntry(nullptr, 0);
        ClearReadMends();
    }
};
