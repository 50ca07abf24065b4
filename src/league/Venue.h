#pragma once
// CVenue: a bowling centre the league bowls at, with its own lane layout. Fixtures refer to
// it by number (0 = none).
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CArchive;

class CVenue : public CObject
{
    DECLARE_SERIAL(CVenue)
public:
    CVenue();
    explicit CVenue(BYTE nVenueNo);

    void CopyFrom(const CVenue& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CVenue& other) const;

    BYTE m_nVenueNo;
    CString m_strName;
    CString m_strAddress[4];
    CString m_strPostcode;
    CString m_strPhone;
    CString m_strDirections;      // may hold several lines
    BYTE m_nStartLane;            // 1
    BYTE m_nLastLane;             // lane numbers wrap after it
    BYTE m_nSplitStartLane;
    BYTE m_nLanesBeforeSplit;
    DWORD m_bSplitLanes;          // not stored: derived from the two split fields on reading
};
