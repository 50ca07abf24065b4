#include "league/FileCheck.h"

namespace {

// Kept as the list's name and the entry's number: made into text only for a refusal.
struct CReadPlaceState
{
    const char* pszList = nullptr;
    unsigned nEntry = 0;
    CString strPlace;
    std::vector<CString> mends[static_cast<int>(ReadMend::Count)];
};

CReadPlaceState& State()
{
    static CReadPlaceState s_state;
    return s_state;
}

} // namespace

void SetReadEntry(const char* pszList, unsigned nEntry)
{
    State().pszList = pszList;
    State().nEntry = nEntry;
    State().strPlace.Empty();
}

void SetReadPlace(const CString& strPlace)
{
    State().strPlace = strPlace;
}

CString GetReadPlace()
{
    return MarkReadPlace().GetText();
}

CReadPlaceMark MarkReadPlace()
{
    const CReadPlaceState& s = State();
    return {s.pszList, s.nEntry, s.strPlace};
}

CString CReadPlaceMark::GetText() const
{
    if (!strPlace.IsEmpty() || !pszList)
        return strPlace;
    CString place;
    place.Format("the %s, entry %u", pszList, nEntry);
    return place;
}

void ThrowOutOfRange(const char* pszWhat, long long nValue, long long nLo, long long nHi)
{
    CString reason;
    reason.Format("The file holds %s of %lld, outside %lld to %lld", pszWhat, nValue, nLo, nHi);
    const CString place = GetReadPlace();
    if (!place.IsEmpty())
        reason += ", in " + place;
    reason += ".";
    CArchive::ThrowCorrupt(reason);
}

void NoteReadMend(ReadMend kind, const CString& strPlace)
{
    State().mends[static_cast<int>(kind)].push_back(strPlace);
}

const std::vector<CString>& GetReadMends(ReadMend kind)
{
    return State().mends[static_cast<int>(kind)];
}

void ClearReadMends()
{
    for (std::vector<CString>& list : State().mends)
        list.clear();
}
