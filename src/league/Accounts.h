#pragma once
// The league accounts: income and expense headings, posted entries and weekly payment
// items. Money is a signed 32-bit count of cents.
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CArchive;

// Typed money: an optional sign, whole units and up to any number of decimals, blanks around;
// the cents are rounded half away from zero at the third decimal, in whole numbers. Empty text
// is 0. Returns false, leaving nCents alone, for text that is no amount or does not fit in
// 32-bit cents.
bool ParseMoney(const char* pszText, LONG& nCents);
// Cents as "%ld.%02ld" with the sign always shown, also for -0.99 to -0.01; the whole part with
// its sign right-aligned in nWholeWidth characters when that is wider.
CString FormatMoney(LONG nCents, int nWholeWidth = 0);

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
    // Due in round nRound: a non-zero amount inside the from/to range (0 leaves a side open).
    BOOL AppliesToRound(WORD nRound) const;
    BOOL IsIndividual() const { return (m_nFlags & flagIndividual) != 0; }

    BYTE m_nFlags;
    BYTE m_nFromRound;      // 0 = from the first round
    BYTE m_nToRound;        // 0 = no end
    LONG m_nAmount;         // cents per round
    CString m_strDescription;
};
