#include "league/SharedDetails.h"

#include "framework/core/Archive.h"
#include "league/BowlingDoc.h"
#include "league/FileCheck.h"

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

void CDbPending::Write(CArchive& ar) const
{
    const bool bTimes = ar.GetFileVersion() >= LEAGUE_FILE_VERSION_LINKS;
    ar << m_dwDetails;
    ForEachSharedDetail(
        [&](int n, const auto& v) {
            if (!Waits(m_dwDetails, n))
                return;
            ar << v;
            if (bTimes)
                ar << m_nTyped[n];
        },
        m_base);
    if (Waits(m_dwDetails, SD_FLAGS)) {
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
    // A time that cannot be read right is not known: the record's value then stands, as for a
    // change from a file without times.
    auto readTime = [&](int n) {
        if (!bTimes)
            return;
        ULONGLONG t = 0;
        ar >> t;
        m_nTyped[n] = t > static_cast<ULONGLONG>(LLONG_MAX) ? 0 : static_cast<LONGLONG>(t);
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
