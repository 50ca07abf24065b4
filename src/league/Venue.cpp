#include "league/Venue.h"

#include "framework/core/Archive.h"

IMPLEMENT_SERIAL(CVenue, CObject, 1)

CVenue::CVenue() : CVenue(0)
{
}

CVenue::CVenue(BYTE nVenueNo)
    : m_nVenueNo(nVenueNo), m_nStartLane(1), m_nLastLane(0), m_nSplitStartLane(0), m_nLanesBeforeSplit(0),
      m_bSplitLanes(0)
{
}

void CVenue::CopyFrom(const CVenue& o)
{
    m_nVenueNo = o.m_nVenueNo;
    m_strName = o.m_strName;
    for (int i = 0; i < 4; ++i)
        m_strAddress[i] = o.m_strAddress[i];
    m_strPostcode = o.m_strPostcode;
    m_strPhone = o.m_strPhone;
    m_strDirections = o.m_strDirections;
    m_nStartLane = o.m_nStartLane;
    m_nLastLane = o.m_nLastLane;
    m_nSplitStartLane = o.m_nSplitStartLane;
    m_nLanesBeforeSplit = o.m_nLanesBeforeSplit;
    m_bSplitLanes = o.m_bSplitLanes;
}

bool CVenue::IsSameAs(const CVenue& o) const
{
    for (int i = 0; i < 4; ++i)
        if (m_strAddress[i] != o.m_strAddress[i])
            return false;
    return m_nVenueNo == o.m_nVenueNo && m_strName == o.m_strName && m_strPostcode == o.m_strPostcode &&
           m_strPhone == o.m_strPhone && m_strDirections == o.m_strDirections && m_nStartLane == o.m_nStartLane &&
           m_nLastLane == o.m_nLastLane && m_nSplitStartLane == o.m_nSplitStartLane &&
           m_nLanesBeforeSplit == o.m_nLanesBeforeSplit && m_bSplitLanes == o.m_bSplitLanes;
}

void CVenue::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nVenueNo << m_strName << m_strAddress[0] << m_strAddress[1] << m_strAddress[2] << m_strAddress[3]
           << m_strPostcode << m_strPhone << m_strDirections;
        if (ar.GetFileVersion() > 21)
            ar << m_nStartLane << m_nLastLane << m_nSplitStartLane << m_nLanesBeforeSplit;
        return;
    }
    ar >> m_nVenueNo >> m_strName >> m_strAddress[0] >> m_strAddress[1] >> m_strAddress[2] >> m_strAddress[3]
       >> m_strPostcode >> m_strPhone >> m_strDirections;
    if (ar.GetFileVersion() > 21)
        ar >> m_nStartLane >> m_nLastLane >> m_nSplitStartLane >> m_nLanesBeforeSplit;
    // The switch is not stored: split lanes are on exactly when both split fields are set,
    // so that editing the venue does not silently drop a stored split.
    if (m_nSplitStartLane == 0 || m_nLanesBeforeSplit == 0) {
        m_nSplitStartLane = 0;
        m_nLanesBeforeSplit = 0;
        m_bSplitLanes = 0;
    } else {
        m_bSplitLanes = 1;
    }
}
