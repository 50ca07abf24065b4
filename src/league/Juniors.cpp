#include "league/Juniors.h"

#include "framework/core/Archive.h"

IMPLEMENT_SERIAL(CJuniorCategory, CObject, 1)
IMPLEMENT_SERIAL(CJuniorReport, CObject, 1)

// ---------------------------------------------------------------- CJuniorCategory

CJuniorCategory::CJuniorCategory() : m_nId(0), m_nLowerAge(1), m_nUpperAge(6)
{
}

CJuniorCategory::CJuniorCategory(WORD nId) : m_nId(nId), m_nLowerAge(5), m_nUpperAge(21)
{
}

void CJuniorCategory::CopyFrom(const CJuniorCategory& o)
{
    m_nId = o.m_nId;
    m_strName = o.m_strName;
    m_nLowerAge = o.m_nLowerAge;
    m_nUpperAge = o.m_nUpperAge;
}

bool CJuniorCategory::IsSameAs(const CJuniorCategory& o) const
{
    return m_nId == o.m_nId && m_strName == o.m_strName && m_nLowerAge == o.m_nLowerAge &&
           m_nUpperAge == o.m_nUpperAge;
}

void CJuniorCategory::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nId << m_strName << m_nLowerAge << m_nUpperAge;
    else
        ar >> m_nId >> m_strName >> m_nLowerAge >> m_nUpperAge;
}

// ---------------------------------------------------------------- CJuniorReport

CJuniorReport::CJuniorReport()
    : m_pRunState(nullptr), m_nReportKind(0), m_bOrderByName(0), m_nSettingA(0), m_nSettingB(0), m_bTables{1, 1, 1, 1}
{
}

CJuniorReport::~CJuniorReport()
{
    delete m_pRunState;
}

CJuniorReport::CJuniorReport(const CJuniorReport& other) : CJuniorReport()
{
    CopyFrom(other);
}

CJuniorReport& CJuniorReport::operator=(const CJuniorReport& other)
{
    if (this != &other)
        CopyFrom(other);
    return *this;
}

CJuniorReport::RunState* CJuniorReport::GetRunState()
{
    if (!m_pRunState)
        m_pRunState = new RunState;
    return m_pRunState;
}

void CJuniorReport::CopyFrom(const CJuniorReport& o)
{
    m_bOrderByName = o.m_bOrderByName;
    m_nSettingA = o.m_nSettingA;
    m_nSettingB = o.m_nSettingB;
    for (int i = 0; i < 4; ++i)
        m_bTables[i] = o.m_bTables[i];
    m_fontTitle.CopyFrom(o.m_fontTitle);
    m_fontAdminHeading.CopyFrom(o.m_fontAdminHeading);
    m_fontAdminDetail.CopyFrom(o.m_fontAdminDetail);
    m_fontStatsHeading.CopyFrom(o.m_fontStatsHeading);
    m_fontStatsDetail.CopyFrom(o.m_fontStatsDetail);
}

bool CJuniorReport::IsSameAs(const CJuniorReport& o) const
{
    for (int i = 0; i < 4; ++i)
        if (m_bTables[i] != o.m_bTables[i])
            return false;
    return m_bOrderByName == o.m_bOrderByName && m_nSettingA == o.m_nSettingA && m_nSettingB == o.m_nSettingB &&
           m_fontTitle == o.m_fontTitle && m_fontAdminHeading == o.m_fontAdminHeading &&
           m_fontAdminDetail == o.m_fontAdminDetail && m_fontStatsHeading == o.m_fontStatsHeading &&
           m_fontStatsDetail == o.m_fontStatsDetail;
}

void CJuniorReport::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_bOrderByName << static_cast<WORD>(m_nSettingA) << static_cast<WORD>(m_nSettingB);
        for (BYTE b : m_bTables)
            ar << b;
        for (int i = 0; i < 4; ++i)
            ar << static_cast<DWORD>(0);
    } else {
        WORD wA = 0, wB = 0;
        ar >> m_bOrderByName >> wA >> wB;
        m_nSettingA = wA;
        m_nSettingB = wB;
        for (BYTE& b : m_bTables)
            ar >> b;
        DWORD dwReserved = 0;
        for (int i = 0; i < 4; ++i)
            ar >> dwReserved;
    }
    SerializeFontAt(ar, m_fontTitle, "the junior reports' title");
    SerializeFontAt(ar, m_fontAdminHeading, "the junior reports' admin heading");
    SerializeFontAt(ar, m_fontAdminDetail, "the junior reports' admin detail");
    SerializeFontAt(ar, m_fontStatsHeading, "the junior reports' stats heading");
    SerializeFontAt(ar, m_fontStatsDetail, "the junior reports' stats detail");
}
