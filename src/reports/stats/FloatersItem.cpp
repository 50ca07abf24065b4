#include "reports/stats/FloatersItem.h"

#include "league/BowlingDoc.h"

IMPLEMENT_SERIAL(CRepItem_Floaters, CRepItem, 1)

CRepItem_Floaters::CRepItem_Floaters() : m_nColumns(0)
{
    m_nType = RIT_FLOATERS;
    m_nPage = 1;
}

void CRepItem_Floaters::Serialize(CArchive& ar)
{
    const BYTE nVersion = CBowlingDoc::GetFileVersion();
    if (nVersion > 39) {
        m_fontDetail.Serialize(ar);
        m_fontHeading.Serialize(ar);
        m_fontTitle.Serialize(ar);
    }
    if (nVersion > 53) {
        if (ar.IsStoring())
            ar << m_nColumns;
        else
            ar >> m_nColumns;
    }
}

void CRepItem_Floaters::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_Floaters*>(&other)) {
        m_nColumns = p->m_nColumns;
        m_fontTitle.CopyFrom(p->m_fontTitle);
        m_fontHeading.CopyFrom(p->m_fontHeading);
        m_fontDetail.CopyFrom(p->m_fontDetail);
    }
}
