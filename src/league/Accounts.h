#pragma once
// The league accounts: income and expense headings, posted entries and weekly payment
// items. Money is a signed 32-bit count of cents.
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CArchive;

class CAccountItemType : public CObject
{
    DECLARE_SERIAL(CAccountItemType)
public:
    CAccountItemType();
    void CopyFrom(const CAccountItemType& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CAccountItemType& other) const;

    WORD m_nId;             // position in its list when added
    BOOL m_bIncome;
    LONG m_nDefaultAmount;  // cents
    CString m_strName;
};

class CAccountItem : public CObject
{
    DECLARE_SERIAL(CAccountItem)
public:
    CAccountItem();
    CAccountItem(WORD nTypeId, BOOL bIncome);
    void CopyFrom(const CAccountItem& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CAccountItem& other) const;

    WORD m_nTypeId;
    WORD m_nRound;
    BOOL m_bIncome;
    LONG m_nAmount;         // cents, may be negative
    CString m_strComment;
};

class CPaymentItem : public CObject
{
    DECLARE_SERIAL(CPaymentItem)
public:
    enum Flag : BYTE
    {
        flagOptional = 0x01,
        flagIndividual = 0x02, // due from each bowler; clear: a team payment
    };

    CPaymentItem();
    void CopyFrom(const CPaymentItem& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CPaymentItem& other) const;

    BYTE m_nFlags;
    BYTE m_nFromRound;      // 0 = from the first round
    BYTE m_nToRound;        // 0 = no end
    LONG m_nAmount;         // cents per round
    CString m_strDescription;
};
