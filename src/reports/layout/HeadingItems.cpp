#include "reports/layout/HeadingItems.h"

#include "league/BowlingDoc.h"
#include "reports/layout/ItemFont.h"

IMPLEMENT_SERIAL(CRepItem_Heading, CRepItem, 1)
IMPLEMENT_SERIAL(CRepItem_Title, CRepItem, 1)
IMPLEMENT_SERIAL(CRepItem_Page, CRepItem, 1)

namespace {

const char kHddrFailure[] = "System Error - Failed to create Hddr font in ri_head";

// The report-title font of the document; items without a document measure a default font.
CFontData& TitleFont(CBowlingDoc* pDoc)
{
    static CFontData s_default;
    return pDoc ? pDoc->m_fontReportTitle : s_default;
}

CFontData* Page1Font(CBowlingDoc* pDoc)
{
    return pDoc ? pDoc->GetDefaultFont(CRepItem_Heading::PAGE1_TITLE_FONT) : nullptr;
}

// Larger than 10 points: the first page shows the league name alone in this font.
bool IsLargePage1Font(const CFontData* pFont)
{
    return pFont && pFont->m_nPrinterHeight < -200;
}

CString LeagueName(CBowlingDoc* pDoc)
{
    return pDoc ? pDoc->m_strLeagueName : CString();
}

void DrawCentred(CDC* pDC, int y, const CString& text)
{
    CPoint pt(PAGE_CENTRE - pDC->GetTextExtent(text).cx / 2, y);
    DrawTextClipped(pDC, &pt, text, 0);
}

// Title centred, league name on the left, the program's name on the right.
void DrawTitleLine(CDC* pDC, int y, const CString& title, const CString& league)
{
    DrawCentred(pDC, y, title);
    CPoint pt(PAGE_LEFT, y);
    DrawTextClipped(pDC, &pt, league, 0);
    pt = CPoint(PAGE_RIGHT, y);
    DrawTextRightAligned(pDC, &pt, PRODUCT_TITLE, 0);
}

} // namespace

// --- heading ------------------------------------------------------------------------------

CRepItem_Heading::CRepItem_Heading()
{
    m_nType = RIT_HEADING;
    m_nPage = 1;
}

int CRepItem_Heading::GetHeight(CDC* pDC)
{
    CFontData* pPage1 = Page1Font(m_pDoc);
    if (IsLargePage1Font(pPage1) && m_nPage == 1) {
        EnsureLineHeight(pDC, *pPage1);
        return pPage1->GetLineHeight(10);
    }
    CFontData& title = TitleFont(m_pDoc);
    EnsureLineHeight(pDC, title);
    return 2 * title.GetLineHeight(25);
}

void CRepItem_Heading::Draw(CDC* pDC, const CPageInfo* pInfo)
{
    int nPage = pInfo ? pInfo->m_nPage : m_nPage;
    int nPageCount = pInfo ? pInfo->m_nPageCount : 1;
    CItemDrawState state(pDC);
    CFont font;

    CFontData* pPage1 = Page1Font(m_pDoc);
    if (IsLargePage1Font(pPage1) && nPage == 1) {
        CreateItemFont(font, *pPage1, kHddrFailure);
        pDC->SelectObject(&font);
        pDC->SetTextColor(pPage1->m_crColour);
        DrawCentred(pDC, m_y, LeagueName(m_pDoc));
        return;
    }

    CFontData& title = TitleFont(m_pDoc);
    CreateItemFont(font, title, kHddrFailure);
    pDC->SelectObject(&font);
    pDC->SetTextColor(title.m_crColour);
    DrawTitleLine(pDC, m_y, m_pDoc ? m_pDoc->m_strReportTitle : CString(), LeagueName(m_pDoc));

    int y = m_y + title.GetLineHeight(5);
    CString page;
    page.Format("  (Page %d/%d)", nPage, nPageCount);
    DrawCentred(pDC, y, page);

    if (m_pDoc && (!m_pDoc->m_strSanctionedBy.IsEmpty() || !m_pDoc->m_strSanctionNumber.IsEmpty())) {
        CString sanction = m_pDoc->m_strSanctionedBy;
        if (!m_pDoc->m_strSanctionNumber.IsEmpty()) {
            if (!sanction.IsEmpty())
                sanction += " ";
            sanction += "Sanction Number  ";
            sanction += m_pDoc->m_strSanctionNumber;
        }
        CPoint pt(PAGE_LEFT, y);
        DrawTextClipped(pDC, &pt, sanction, 0);
    }
}

// --- title --------------------------------------------------------------------------------

CRepItem_Title::CRepItem_Title()
{
    m_nType = RIT_TITLE;
    m_nPage = 1;
}

void CRepItem_Title::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* pOther = dynamic_cast<const CRepItem_Title*>(&other))
        m_strTitle = pOther->m_strTitle;
}

int CRepItem_Title::GetHeight(CDC* pDC)
{
    CFontData& title = TitleFont(m_pDoc);
    EnsureLineHeight(pDC, title);
    return title.GetLineHeight(25);
}

void CRepItem_Title::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    CFontData& title = TitleFont(m_pDoc);
    EnsureLineHeight(pDC, title);
    CFont font;
    CreateItemFont(font, title, kHddrFailure);
    pDC->SelectObject(&font);
    pDC->SetTextColor(title.m_crColour);
    DrawTitleLine(pDC, m_y, m_strTitle, LeagueName(m_pDoc));
}

// --- page break ---------------------------------------------------------------------------

CRepItem_Page::CRepItem_Page()
{
    m_nType = RIT_NEW_PAGE;
    m_nPage = 1;
}

int CRepItem_Page::GetHeight(CDC* /*pDC*/)
{
    return -16560;
}
