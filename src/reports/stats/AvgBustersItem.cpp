#include "reports/stats/AvgBustersItem.h"

#include "league/BowlingDoc.h"

IMPLEMENT_SERIAL(CRepItem_AvgBusters, CRepItem, 1)

CRepItem_AvgBusters::CRepItem_AvgBusters() : m_nDisplay(3), m_nShown(3), m_bCurrentRound(0)
{
    m_nType = RIT_AVG_BUSTERS;
    m_nPage = 1;
}

void CRepItem_AvgBusters::Serialize(CArchive& ar)
{
    m_fontDetail.Serialize(ar);
    m_fontHeader.Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<BYTE>((m_nDisplay & 0x7F) | (m_bCurrentRound ? 0x80 : 0));
    } else {
        BYTE nOptions = 0;
        ar >> nOptions;
        m_bCurrentRound = (nOptions & 0x80) ? 1 : 0;
        m_nDisplay = static_cast<BYTE>(nOptions & 0x7F);
    }
}

void CRepItem_AvgBusters::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_AvgBusters*>(&other)) {
        m_nDisplay = p->m_nDisplay;
        m_bCurrentRound = p->m_bCurrentRound;
        m_nShown = p->m_nShown;
        m_fontHeader.CopyFrom(p->m_fontHeader);
        m_fontDetail.CopyFrom(p->m_fontDetail);
    }
}
