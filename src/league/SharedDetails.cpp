#include "league/SharedDetails.h"

#include "framework/core/Archive.h"
#include "league/FileCheck.h"

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
    ForEachSharedDetail(
        [&](int n, const auto& a, const auto& b) { bSame = bSame && (!Waits(m_dwDetails, n) || a == b); }, m_base,
        o.m_base);
    return bSame;
}

void CDbPending::Write(CArchive& ar) const
{
    ar << m_dwDetails;
    ForEachSharedDetail(
        [&](int n, const auto& v) {
            if (Waits(m_dwDetails, n))
                ar << v;
        },
        m_base);
    if (Waits(m_dwDetails, SD_FLAGS))
        ar << m_base.m_wFlags;
}

void CDbPending::Read(CArchive& ar)
{
    ar >> m_dwDetails;
    CheckRange(m_dwDetails, 1, kAllDetails, "a mark of the details waiting");
    ForEachSharedDetail(
        [&](int n, auto& v) {
            if (Waits(m_dwDetails, n))
                ar >> v;
        },
        m_base);
    if (Waits(m_dwDetails, SD_FLAGS))
        ar >> m_base.m_wFlags;
}
