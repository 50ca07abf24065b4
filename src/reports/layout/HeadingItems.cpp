#include "reports/layout/HeadingItems.h"

#include <algorithm>

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

// Space kept between two texts of a heading line.
constexpr int kHeadingGap = 144;

// Where a heading line's centred text goes when the texts on its left and right leave it room:
// centred, else moved aside just enough; without room, on a line of its own below. The right
// text goes below too when the left one reaches it. Nothing is drawn over anything else.
struct CLinePlace
{
    int xCentre = 0;  // for a text of the width measured
    bool bCentreBelow = false;
    bool bRightBelow = false;
    int ExtraLines() const { return (bCentreBelow || bRightBelow) ? 1 : 0; }
};

CLinePlace PlaceLine(CDC* pDC, const CString& left, int nCentreWidth, const CString& right)
{
    CLinePlace place;
    int lo = left.IsEmpty() ? PAGE_LEFT : PAGE_LEFT + pDC->GetTextExtent(left).cx + kHeadingGap;
    int nRight = right.IsEmpty() ? 0 : pDC->GetTextExtent(right).cx;
    place.bRightBelow = nRight > 0 && lo > PAGE_RIGHT - nRight;
    int hi = (nRight == 0 || place.bRightBelow) ? PAGE_RIGHT : PAGE_RIGHT - nRight - kHeadingGap;
    int x = std::max(lo, std::min(PAGE_CENTRE - nCentreWidth / 2, hi - nCentreWidth));
    place.bCentreBelow = nCentreWidth > 0 && x + nCentreWidth > hi;
    place.xCentre = place.bCentreBelow ? PAGE_CENTRE - nCentreWidth / 2 : x;
    return place;
}

// A line's texts as placed; nLineStep is the distance to the line below (negative).
void DrawLine(CDC* pDC, int y, int nLineStep, const CString& left, const CString& centre, const CString& right,
              const CLinePlace& place)
{
    CPoint pt(place.xCentre, place.bCentreBelow ? y + nLineStep : y);
    DrawTextClipped(pDC, &pt, centre, 0);
    if (!left.IsEmpty()) {
        pt = CPoint(PAGE_LEFT, y);
        DrawTextClipped(pDC, &pt, left, 0);
    }
    if (!right.IsEmpty()) {
        pt = CPoint(PAGE_RIGHT, place.bRightBelow ? y + nLineStep : y);
        DrawTextRightAligned(pDC, &pt, right, 0);
    }
}

// Title centred, league name on the left, the program's name on the right.
CLinePlace PlaceTitleLine(CDC* pDC, const CString& title, const CString& league)
{
    return PlaceLine(pDC, league, title.IsEmpty() ? 0 : pDC->GetTextExtent(title).cx, PRODUCT_TITLE);
}

void DrawTitleLine(CDC* pDC, int y, int nLineStep, const CString& title, const CString& league)
{
    DrawLine(pDC, y, nLineStep, league, title, PRODUCT_TITLE, PlaceTitleLine(pDC, title, league));
}

CString SanctionText(CBowlingDoc* pDoc)
{
    if (!pDoc)
        return CString();
    CString sanction = pDoc->m_strSanctionedBy;
    if (!pDoc->m_strSanctionNumber.IsEmpty()) {
        if (!sanction.IsEmpty())
            sanction += " ";
        sanction += "Sanction Number  ";
        sanction += pDoc->m_strSanctionNumber;
    }
    return sanction;
}

// The page line is placed for the widest page text a report has, so its place and the
// heading's height are the same on every page.
constexpr const char* kWidestPageText = "  (Page 999/999)";

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
    // Texts that would run into one another take one more line each.
    CFont font;
    CreateItemFont(font, title, kHddrFailure);
    CFont* pOld = pDC->SelectObject(&font);
    int nExtra = PlaceTitleLine(pDC, m_pDoc ? m_pDoc->m_strReportTitle : CString(), LeagueName(m_pDoc)).ExtraLines() +
                 PlaceLine(pDC, SanctionText(m_pDoc), pDC->GetTextExtent(kWidestPageText).cx, CString()).ExtraLines();
    pDC->SelectObject(pOld);
    return 2 * title.GetLineHeight(25) + nExtra * title.GetLineHeight(5);
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
    const int nStep = title.GetLineHeight(5);
    CString reportTitle = m_pDoc ? m_pDoc->m_strReportTitle : CString();
    CLinePlace top = PlaceTitleLine(pDC, reportTitle, LeagueName(m_pDoc));
    DrawLine(pDC, m_y, nStep, LeagueName(m_pDoc), reportTitle, PRODUCT_TITLE, top);

    int y = m_y + nStep * (1 + top.ExtraLines());
    CString page;
    page.Format("  (Page %d/%d)", nPage, nPageCount);
    CString sanction = SanctionText(m_pDoc);
    int nWidest = pDC->GetTextExtent(kWidestPageText).cx;
    CLinePlace second = PlaceLine(pDC, sanction, nWidest, CString());
    // Centred as ever while nothing is near; moved aside, it starts where the widest would.
    second.xCentre = (second.xCentre == PAGE_CENTRE - nWidest / 2) ? PAGE_CENTRE - pDC->GetTextExtent(page).cx / 2
                                                                    : second.xCentre;
    DrawLine(pDC, y, nStep, sanction, page, CString(), second);
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
    CFont font;
    CreateItemFont(font, title, kHddrFailure);
    CFont* pOld = pDC->SelectObject(&font);
    int nExtra = PlaceTitleLine(pDC, m_strTitle, LeagueName(m_pDoc)).ExtraLines();
    pDC->SelectObject(pOld);
    return title.GetLineHeight(25) + nExtra * title.GetLineHeight(5);
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
    DrawTitleLine(pDC, m_y, title.GetLineHeight(5), m_strTitle, LeagueName(m_pDoc));
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
