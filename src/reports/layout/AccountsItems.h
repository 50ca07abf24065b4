#pragma once
// The accounts page (display mode 14): the posted entries week by week with sub-totals and
// running balances, then the totals of every heading. Made afresh from the league's entries
// each time it is shown; never stored, never placed in a layout.
#include "view/RepItem.h"

class CBowlingDoc;

// A week's sub-totals and balances, or (totals flag) the season's totals. Two lines.
class CRepItem_AccTot : public CRepItem
{
    DECLARE_SERIAL(CRepItem_AccTot)
public:
    CRepItem_AccTot();
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void WriteHtml(CStdioFile& file) override;

    WORD m_nRound;
    DWORD m_bTotals;
    LONG m_nCarriedForward;   // cents
    LONG m_nBroughtForward;
    LONG m_nIncome;
    LONG m_nExpenses;
};

// One entry, or (round 999) one heading's total.
class CRepItem_AccItem : public CRepItem
{
    DECLARE_SERIAL(CRepItem_AccItem)
public:
    CRepItem_AccItem();
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void WriteHtml(CStdioFile& file) override;
    CString ItemText() const;   // "%03d : " and the heading's name

    WORD m_nTypeId;
    CString m_strComment;
    DWORD m_bIncome;
    WORD m_nRound;
    LONG m_nAmount;
};

// The column heads of a week's entries.
class CRepItem_AccTotHead1 : public CRepItem
{
    DECLARE_SERIAL(CRepItem_AccTotHead1)
public:
    CRepItem_AccTotHead1();
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void WriteHtml(CStdioFile& file) override;
};

// The column heads of the heading totals.
class CRepItem_AccTotHead2 : public CRepItem
{
    DECLARE_SERIAL(CRepItem_AccTotHead2)
public:
    CRepItem_AccTotHead2();
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void WriteHtml(CStdioFile& file) override;
};

// Rebuilds the document's accounts list from its posted entries.
void BuildAccountsReport(CBowlingDoc* pDoc);
