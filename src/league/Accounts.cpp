#include "league/Accounts.h"

#include "framework/core/Archive.h"
#include "league/BowlingDoc.h"

#include <cctype>
#include <limits>

bool ParseMoney(const char* pszText, LONG& nCents)
{
    const char* p = pszText ? pszText : "";
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p == '\0') {
        nCents = 0; // a cleared field
        return true;
    }
    bool bNegative = false;
    if (*p == '-' || *p == '+')
        bNegative = *p++ == '-';
    LONGLONG nWhole = 0;
    int nDigits = 0;
    // Ten digits already pass the largest amount: more is refused, not wrapped.
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p, ++nDigits) {
        if (nDigits >= 10)
            return false;
        nWhole = nWhole * 10 + (*p - '0');
    }
    int nFraction = 0; // hundredths, then the rounding digit
    int nFractionDigits = 0;
    if (*p == '.') {
        for (++p; std::isdigit(static_cast<unsigned char>(*p)); ++p, ++nFractionDigits) {
            if (nFractionDigits < 3)
                nFraction = nFraction * 10 + (*p - '0');
        }
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p != '\0')
        return false;
    if (nDigits == 0 && nFractionDigits == 0)
        return false; // a lone sign or point
    for (int i = nFractionDigits; i < 3; ++i)
        nFraction *= 10;
    LONGLONG n = nWhole * 100 + nFraction / 10 + (nFraction % 10 >= 5 ? 1 : 0);
    if (bNegative)
        n = -n;
    if (n < std::numeric_limits<LONG>::min() || n > std::numeric_limits<LONG>::max())
        return false;
    nCents = static_cast<LONG>(n);
    return true;
}

CString FormatMoney(LONG nCents, int nWholeWidth)
{
    const long long n = nCents;
    const long long nAbs = n < 0 ? -n : n;
    CString whole;
    whole.Format("%s%lld", n < 0 ? "-" : "", nAbs / 100);
    CString text;
    text.Format("%*s.%02lld", nWholeWidth, whole.GetString(), nAbs % 100);
    return text;
}

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

BOOL CPaymentItem::AppliesToRound(WORD nRound) const
{
    if (m_nAmount == 0)
        return FALSE;
    if (m_nFromRound != 0 && m_nFromRound > nRound)
        return FALSE;
    return m_nToRound == 0 || m_nToRound >= nRound;
}

void CPaymentItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nFlags << m_nFromRound << m_nToRound << m_nAmount << m_strDescription;
    else
        ar >> m_nFlags >> m_nFromRound >> m_nToRound >> m_nAmount >> m_strDescription;
}

// ---------------------------------------------------------------- the document's accounts

namespace {

LONG SumPayments(const CBowlingDoc& doc, WORD nRound, bool bIndividual)
{
    LONGLONG nSum = 0;
    for (POSITION pos = doc.m_listPaymentItems.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPaymentItem*>(doc.m_listPaymentItems.GetNext(pos));
        if ((p->IsIndividual() != FALSE) == bIndividual && p->AppliesToRound(nRound))
            nSum += p->m_nAmount;
    }
    // A damaged file's amounts must not wrap the sum.
    if (nSum > std::numeric_limits<LONG>::max())
        return std::numeric_limits<LONG>::max();
    if (nSum < std::numeric_limits<LONG>::min())
        return std::numeric_limits<LONG>::min();
    return static_cast<LONG>(nSum);
}

// Income before expenses within a round, each by heading id.
int SortKey(const CAccountItem& item)
{
    return item.m_nTypeId + (item.m_bIncome ? 0 : 1000);
}

} // namespace

LONG CBowlingDoc::SumIndividualPayments(WORD nRound) const
{
    return SumPayments(*this, nRound, true);
}

LONG CBowlingDoc::SumTeamPayments(WORD nRound) const
{
    return SumPayments(*this, nRound, false);
}

CString CBowlingDoc::GetAccountItemTypeName(WORD nId, BOOL bIncome) const
{
    const CObList& list = bIncome ? m_listIncomeTypes : m_listExpenseTypes;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CAccountItemType*>(list.GetNext(pos));
        if (p->m_nId == nId)
            return p->m_strName;
    }
    return "Unknown Item";
}

void CBowlingDoc::InsertAccountItem(CAccountItem* pItem)
{
    const int nKey = SortKey(*pItem);
    POSITION pos = m_listAccountItems.GetHeadPosition();
    while (pos) {
        POSITION here = pos;
        const auto* p = static_cast<const CAccountItem*>(m_listAccountItems.GetNext(pos));
        if (p->m_nRound > pItem->m_nRound || (p->m_nRound == pItem->m_nRound && SortKey(*p) > nKey)) {
            m_listAccountItems.InsertBefore(here, pItem);
            SetModifiedFlag();
            return;
        }
    }
    m_listAccountItems.AddTail(pItem);
    SetModifiedFlag();
}
