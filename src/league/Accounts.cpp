#include "league/Accounts.h"

#include "framework/core/Archive.h"

IMPLEMENT_SERIAL(CAccountItemType, CObject, 1)
IMPLEMENT_SERIAL(CAccountItem, CObject, 1)
IMPLEMENT_SERIAL(CPaymentItem, CObject, 1)

// ---------------------------------------------------------------- CAccountItemType

CAccountItemType::CAccountItemType() : m_nId(0), m_bIncome(FALSE), m_nDefaultAmount(0)
{
}

void CAccountItemType::CopyFrom(const CAccountItemType& o)
{
    m_nId = o.m_nId;
    m_bIncome = o.m_bIncome;
    m_nDefaultAmount = o.m_nDefaultAmount;
    m_strName = o.m_strName;
}

bool CAccountItemType::IsSameAs(const CAccountItemType& o) const
{
    return m_nId == o.m_nId && (m_bIncome != 0) == (o.m_bIncome != 0) && m_nDefaultAmount == o.m_nDefaultAmount &&
           m_strName == o.m_strName;
}

void CAccountItemType::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nId << static_cast<WORD>(m_bIncome ? 1 : 0) << m_nDefaultAmount << m_strName;
    } else {
        WORD wIncome = 0;
        ar >> m_nId >> wIncome >> m_nDefaultAmount >> m_strName;
        m_bIncome = (wIncome & 1) ? TRUE : FALSE;
    }
}

// ---------------------------------------------------------------- CAccountItem

CAccountItem::CAccountItem() : CAccountItem(0, FALSE)
{
}

CAccountItem::CAccountItem(WORD nTypeId, BOOL bIncome) : m_nTypeId(nTypeId), m_nRound(0), m_bIncome(bIncome), m_nAmount(0)
{
}

void CAccountItem::CopyFrom(const CAccountItem& o)
{
    m_nTypeId = o.m_nTypeId;
    m_nRound = o.m_nRound;
    m_bIncome = o.m_bIncome;
    m_nAmount = o.m_nAmount;
    m_strComment = o.m_strComment;
}

bool CAccountItem::IsSameAs(const CAccountItem& o) const
{
    return m_nTypeId == o.m_nTypeId && m_nRound == o.m_nRound && (m_bIncome != 0) == (o.m_bIncome != 0) &&
           m_nAmount == o.m_nAmount && m_strComment == o.m_strComment;
}

void CAccountItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nTypeId << m_nRound << static_cast<BYTE>(m_bIncome ? 1 : 0) << m_nAmount << m_strComment;
    } else {
        BYTE bIncome = 0;
        ar >> m_nTypeId >> m_nRound >> bIncome >> m_nAmount >> m_strComment;
        m_bIncome = bIncome ? TRUE : FALSE;
    }
}

// ---------------------------------------------------------------- CPaymentItem

CPaymentItem::CPaymentItem() : m_nFlags(0), m_nFromRound(0), m_nToRound(0), m_nAmount(0)
{
}

void CPaymentItem::CopyFrom(const CPaymentItem& o)
{
    m_nFlags = o.m_nFlags;
    m_nFromRound = o.m_nFromRound;
    m_nToRound = o.m_nToRound;
    m_nAmount = o.m_nAmount;
    m_strDescription = o.m_strDescription;
}

bool CPaymentItem::IsSameAs(const CPaymentItem& o) const
{
    return m_nFlags == o.m_nFlags && m_nFromRound == o.m_nFromRound && m_nToRound == o.m_nToRound &&
           m_nAmount == o.m_nAmount && m_strDescription == o.m_strDescription;
}

void CPaymentItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nFlags << m_nFromRound << m_nToRound << m_nAmount << m_strDescription;
    else
        ar >> m_nFlags >> m_nFromRound >> m_nToRound >> m_nAmount >> m_strDescription;
}
