#include "reports/layout/AccountsItems.h"

#include "framework/core/File.h"
#include "league/Accounts.h"
#include "league/BowlingDoc.h"
#include "view/DisplayHooks.h"
#include "reports/layout/LineItems.h"
#include "view/ReportFlow.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRepItem_AccTot, CRepItem, 1)
IMPLEMENT_SERIAL(CRepItem_AccItem, CRepItem, 1)
IMPLEMENT_SERIAL(CRepItem_AccTotHead1, CRepItem, 1)
IMPLEMENT_SERIAL(CRepItem_AccTotHead2, CRepItem, 1)

namespace {

constexpr int COMMENT_X = 4320;
constexpr int INCOME_RIGHT = 9360;
constexpr int BALANCE_X = 2160;
constexpr int CARRIED_X = 7200;
constexpr int LINE_GAP = -200;
constexpr int MAX_HEADINGS = 99;
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLACK = RGB(0, 0, 0);

// The page's own x positions follow the item when it stands elsewhere than the margin.
int At(const CRepItem* p, int x)
{
    return x + p->m_x - PAGE_LEFT;
}

void Text(CDC* pDC, int x, int y, const CString& text, COLORREF cr = BLACK)
{
    pDC->SetTextColor(cr);
    CPoint pt(x, y);
    DrawTextClipped(pDC, &pt, text, 0);
}

void RightText(CDC* pDC, int x, int y, const CString& text, COLORREF cr = BLACK)
{
    pDC->SetTextColor(cr);
    CPoint pt(x, y);
    DrawTextRightAligned(pDC, &pt, text, 0);
}

// The HTML rows share one table per run of accounts items (see the export); these fonts give
// the cells the page's sizes and colours.
CFontData HtmlFont(bool bBold, bool bRed)
{
    CFontData font;
    font.m_nPointSize = 8;
    font.m_bBold = bBold ? 1 : 0;
    font.m_crColour = bRed ? RED : BLACK;
    return font;
}

void HtmlRow(CStdioFile& file, const CString& item, const CString& comment, const CString& income,
             const CString& expenses, bool bBold, bool bIncomeRed = false, bool bExpensesRed = false)
{
    const CFontData plain = HtmlFont(bBold, false);
    file.WriteString("<TR>\n");
    CRepItem::HtmlCellLeft(&file, &plain, item);
    CRepItem::HtmlCellLeft(&file, &plain, comment);
    const CFontData in = HtmlFont(bBold, bIncomeRed);
    const CFontData out = HtmlFont(bBold, bExpensesRed);
    CRepItem::HtmlCellRight(&file, &in, income);
    CRepItem::HtmlCellRight(&file, &out, expenses);
    file.WriteString("</TR>\n");
}

CRepItem* MakeLine(CBowlingDoc* pDoc, BYTE nThickness, WORD nAbove, WORD nBelow)
{
    auto* p = new CRepItem_line;
    p->m_pDoc = pDoc;
    p->m_bTemporary = TEMP_SHOWING;
    p->m_nWidth = 100;
    p->m_nThickness = nThickness;
    p->m_nSpaceAbove = nAbove;
    p->m_nSpaceBelow = nBelow;
    return p;
}

template <class T>
T* Append(CBowlingDoc* pDoc, T* p)
{
    p->m_pDoc = pDoc;
    p->m_bTemporary = TEMP_SHOWING;
    pDoc->m_listAccountsItems.AddTail(p);
    return p;
}

void AppendBlockTotal(CBowlingDoc* pDoc, WORD nRound, LONG nBroughtForward, LONG nCarriedForward, LONG nIncome,
                      LONG nExpenses)
{
    auto* p = Append(pDoc, new CRepItem_AccTot);
    p->m_nRound = nRound;
    p->m_nBroughtForward = nBroughtForward;
    p->m_nCarriedForward = nCarriedForward;
    p->m_nIncome = nIncome;
    p->m_nExpenses = nExpenses;
}

// View > Accounts shows a freshly built list.
const bool s_bAccountsHook = (g_pfnRunAccounts = [](CBowlingDoc* pDoc) -> BOOL {
    BuildAccountsReport(pDoc);
    return TRUE;
}, true);

} // namespace

// ---------------------------------------------------------------- CRepItem_AccTot

CRepItem_AccTot::CRepItem_AccTot()
    : m_nRound(0), m_bTotals(0), m_nCarriedForward(0), m_nBroughtForward(0), m_nIncome(0), m_nExpenses(0)
{
    m_nType = RIT_ACC_TOT;
    m_nPage = 1;
}

int CRepItem_AccTot::GetHeight(CDC* /*pDC*/)
{
    return -440;
}

void CRepItem_AccTot::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CFont* pOld = pDC->SelectObject(&GetStockFonts(pDC)->m_fontSmallBold);
    Text(pDC, At(this, COMMENT_X), m_y, "Sub Totals");
    RightText(pDC, At(this, INCOME_RIGHT), m_y, FormatMoney(m_nIncome, 7), m_nIncome < 0 ? RED : BLACK);
    RightText(pDC, At(this, PAGE_RIGHT), m_y, FormatMoney(m_nExpenses, 7), m_nExpenses >= 0 ? RED : BLACK);
    const int y = m_y + LINE_GAP;
    // Balances of more than 32 bits' worth of cents are not met; the difference is kept in range.
    const LONGLONG nBalance = static_cast<LONGLONG>(m_nIncome) - m_nExpenses;
    const LONG nShown = static_cast<LONG>(std::max<LONGLONG>(std::min<LONGLONG>(nBalance, 0x7FFFFFFF), -0x7FFFFFFF - 1));
    if (m_bTotals) {
        Text(pDC, At(this, COMMENT_X), y, "Balance " + FormatMoney(nShown, 7), nShown < 0 ? RED : BLACK);
    } else {
        CString week;
        week.Format("Week %2d", m_nRound);
        Text(pDC, m_x, y, week);
        Text(pDC, At(this, BALANCE_X), y, "Balance " + FormatMoney(nShown, 7), nShown < 0 ? RED : BLACK);
        Text(pDC, At(this, COMMENT_X), y, "Balance B/F " + FormatMoney(m_nBroughtForward, 7),
             m_nBroughtForward < 0 ? RED : BLACK);
        Text(pDC, At(this, CARRIED_X), y, "Balance C/F " + FormatMoney(m_nCarriedForward, 8),
             m_nCarriedForward < 0 ? RED : BLACK);
    }
    pDC->SetTextColor(BLACK);
    pDC->SelectObject(pOld);
}

void CRepItem_AccTot::WriteHtml(CStdioFile& file)
{
    HtmlRow(file, "", "Sub Totals", FormatMoney(m_nIncome), FormatMoney(m_nExpenses), true, m_nIncome < 0,
            m_nExpenses >= 0);
    const LONG nBalance = static_cast<LONG>(static_cast<LONGLONG>(m_nIncome) - m_nExpenses);
    CString week;
    if (!m_bTotals)
        week.Format("Week %d", m_nRound);
    CString balances = "Balance " + FormatMoney(nBalance);
    if (!m_bTotals)
        balances += "  Balance B/F " + FormatMoney(m_nBroughtForward) + "  Balance C/F " + FormatMoney(m_nCarriedForward);
    HtmlRow(file, week, balances, "", "", true);
}

// ---------------------------------------------------------------- CRepItem_AccItem

CRepItem_AccItem::CRepItem_AccItem() : m_nTypeId(0), m_bIncome(0), m_nRound(0), m_nAmount(0)
{
    m_nType = RIT_ACC_ITEM;
    m_nPage = 1;
}

int CRepItem_AccItem::GetHeight(CDC* /*pDC*/)
{
    return LINE_GAP;
}

CString CRepItem_AccItem::ItemText() const
{
    CString text;
    text.Format("%03d : ", m_nTypeId);
    return m_pDoc ? text + m_pDoc->GetAccountItemTypeName(m_nTypeId, m_bIncome ? TRUE : FALSE) : text;
}

void CRepItem_AccItem::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CFont* pOld = pDC->SelectObject(&GetStockFonts(pDC)->m_fontSmall);
    Text(pDC, m_x, m_y, ItemText());
    Text(pDC, At(this, COMMENT_X), m_y, m_strComment);
    const bool bRed = m_bIncome ? m_nAmount < 0 : m_nAmount >= 0;
    RightText(pDC, At(this, m_bIncome ? INCOME_RIGHT : PAGE_RIGHT), m_y, FormatMoney(m_nAmount, 8), bRed ? RED : BLACK);
    pDC->SetTextColor(BLACK);
    pDC->SelectObject(pOld);
}

void CRepItem_AccItem::WriteHtml(CStdioFile& file)
{
    const CString amount = FormatMoney(m_nAmount);
    if (m_bIncome)
        HtmlRow(file, ItemText(), m_strComment, amount, "", false, m_nAmount < 0);
    else
        HtmlRow(file, ItemText(), m_strComment, "", amount, false, false, m_nAmount >= 0);
}

// ---------------------------------------------------------------- the column heads

CRepItem_AccTotHead1::CRepItem_AccTotHead1()
{
    m_nType = RIT_ACC_TOT_HEAD1;
    m_nPage = 1;
}

int CRepItem_AccTotHead1::GetHeight(CDC* /*pDC*/)
{
    return -240;
}

void CRepItem_AccTotHead1::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CFont* pOld = pDC->SelectObject(&GetStockFonts(pDC)->m_fontSmallBold);
    Text(pDC, m_x, m_y, "Item");
    Text(pDC, At(this, COMMENT_X), m_y, "Comment");
    RightText(pDC, At(this, INCOME_RIGHT), m_y, "Income");
    RightText(pDC, At(this, PAGE_RIGHT), m_y, "Expenses");
    pDC->SelectObject(pOld);
}

void CRepItem_AccTotHead1::WriteHtml(CStdioFile& file)
{
    HtmlRow(file, "Item", "Comment", "Income", "Expenses", true);
}

CRepItem_AccTotHead2::CRepItem_AccTotHead2()
{
    m_nType = RIT_ACC_TOT_HEAD2;
    m_nPage = 1;
}

int CRepItem_AccTotHead2::GetHeight(CDC* /*pDC*/)
{
    return LINE_GAP;
}

void CRepItem_AccTotHead2::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CFont* pOld = pDC->SelectObject(&GetStockFonts(pDC)->m_fontSmallBold);
    Text(pDC, m_x, m_y, "Item Totals to date.");
    RightText(pDC, At(this, INCOME_RIGHT), m_y, "Income");
    RightText(pDC, At(this, PAGE_RIGHT), m_y, "Expenses");
    pDC->SelectObject(pOld);
}

void CRepItem_AccTotHead2::WriteHtml(CStdioFile& file)
{
    HtmlRow(file, "Item Totals to date.", "", "Income", "Expenses", true);
}

// ---------------------------------------------------------------- building the page

void BuildAccountsReport(CBowlingDoc* pDoc)
{
    DeleteItemList(pDoc->m_listAccountsItems);
    // Sums in 64 bits: a season of large amounts must not wrap a balance.
    LONGLONG nIncomeByHeading[MAX_HEADINGS] = {};
    LONGLONG nExpensesByHeading[MAX_HEADINGS] = {};
    LONGLONG nTotalIncome = 0, nTotalExpenses = 0, nBlockIncome = 0, nBlockExpenses = 0, nOpening = 0;
    WORD nBlockRound = 0;
    auto clamp = [](LONGLONG n) {
        return static_cast<LONG>(std::max<LONGLONG>(std::min<LONGLONG>(n, 0x7FFFFFFF), -0x7FFFFFFF - 1));
    };
    Append(pDoc, new CRepItem_AccTotHead1);
    for (POSITION pos = pDoc->m_listAccountItems.GetHeadPosition(); pos;) {
        const auto* e = static_cast<const CAccountItem*>(pDoc->m_listAccountItems.GetNext(pos));
        if (e->m_nRound != nBlockRound) {
            if (nBlockRound != 0) {
                const LONGLONG nCarried = nTotalIncome - nTotalExpenses;
                AppendBlockTotal(pDoc, nBlockRound, clamp(nOpening), clamp(nCarried), clamp(nBlockIncome),
                                 clamp(nBlockExpenses));
                nBlockIncome = nBlockExpenses = 0;
                nOpening = nCarried;
                Append(pDoc, MakeLine(pDoc, 1, 5, 5));
                Append(pDoc, new CRepItem_AccTotHead1);
            }
            nBlockRound = e->m_nRound;
        }
        (e->m_bIncome ? nBlockIncome : nBlockExpenses) += e->m_nAmount;
        (e->m_bIncome ? nTotalIncome : nTotalExpenses) += e->m_nAmount;
        if (e->m_nTypeId < MAX_HEADINGS)
            (e->m_bIncome ? nIncomeByHeading : nExpensesByHeading)[e->m_nTypeId] += e->m_nAmount;
        auto* p = Append(pDoc, new CRepItem_AccItem);
        p->m_nTypeId = e->m_nTypeId;
        p->m_bIncome = e->m_bIncome ? 1 : 0;
        p->m_strComment = e->m_strComment;
        p->m_nAmount = e->m_nAmount;
        p->m_nRound = e->m_nRound;
    }
    AppendBlockTotal(pDoc, nBlockRound, clamp(nOpening), clamp(nTotalIncome - nTotalExpenses), clamp(nBlockIncome),
                     clamp(nBlockExpenses));
    Append(pDoc, MakeLine(pDoc, 1, 5, 0));
    Append(pDoc, MakeLine(pDoc, 2, 25, 5));
    Append(pDoc, new CRepItem_AccTotHead2);
    auto headingTotals = [pDoc](const CObList& headings, const LONGLONG* pTotals, BOOL bIncome, auto clampFn) {
        const int n = static_cast<int>(std::min(headings.GetCount(), MAX_HEADINGS));
        for (int id = 0; id < n; ++id) {
            auto* p = Append(pDoc, new CRepItem_AccItem);
            p->m_nTypeId = static_cast<WORD>(id);
            p->m_bIncome = bIncome ? 1 : 0;
            p->m_nAmount = clampFn(pTotals[id]);
            p->m_nRound = 999;
        }
    };
    headingTotals(pDoc->m_listIncomeTypes, nIncomeByHeading, TRUE, clamp);
    Append(pDoc, MakeLine(pDoc, 0, 5, 0));
    headingTotals(pDoc->m_listExpenseTypes, nExpensesByHeading, FALSE, clamp);
    auto* pTotals = Append(pDoc, new CRepItem_AccTot);
    pTotals->m_bTotals = 1;
    pTotals->m_nIncome = clamp(nTotalIncome);
    pTotals->m_nExpenses = clamp(nTotalExpenses);
    pTotals->m_nRound = nBlockRound;
}
