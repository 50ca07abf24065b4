#include "league/FileCheck.h"

namespace {

CString& ReadPlace()
{
    static CString s_strPlace;
    return s_strPlace;
}

} // namespace

void SetReadPlace(const CString& strPlace)
{
    ReadPlace() = strPlace;
}

const CString& GetReadPlace()
{
    return ReadPlace();
}

void ThrowOutOfRange(const char* pszWhat, long long nValue, long long nLo, long long nHi)
{
    CString reason;
    reason.Format("The file holds %s of %lld, outside %lld to %lld", pszWhat, nValue, nLo, nHi);
    if (!GetReadPlace().IsEmpty())
        reason += ", in " + GetReadPlace();
    reason += ".";
    CArchive::ThrowCorrupt(reason);
}
