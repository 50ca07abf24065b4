#include "reports/layout/VenueDetailsItem.h"

#include "admin/VenueCommands.h"
#include "league/Venue.h"

namespace {

constexpr int LINE_STEP = -240;
constexpr int LEFT_MARGIN = 720;
constexpr int RIGHT_EDGE = 10800;
constexpr int MAX_PARTS = 20;

// Venue > Display Details makes its item here.
const bool s_bVenueDetailsMaker = (VenueCommands::pfnNewVenueDetails = [](CBowlingDoc* pDoc, CVenue* pVenue) -> CObject* {
    auto* pItem = new CRepItem_VenueDetails;
    pItem->m_pDoc = pDoc;
    pItem->m_pVenue = pVenue;
    return pItem;
}, true);

} // namespace

CRepItem_VenueDetails::CRepItem_VenueDetails() : m_pVenue(nullptr)
{
    m_nType = RIT_VENUE_DETAILS;
    m_nPage = 1;
}

std::vector<CString> CRepItem_VenueDetails::DirectionParts(const CString& directions)
{
    std::vector<CString> parts;
    const std::string text = directions.GetString();
    size_t start = 0;
    while (static_cast<int>(parts.size()) < MAX_PARTS) {
        const size_t nBreak = text.find("\r\n", start);
        if (nBreak == std::string::npos) {
            parts.emplace_back(text.substr(start).c_str());
            break;
        }
        parts.emplace_back(text.substr(start, nBreak - start).c_str());
        start = nBreak + 2;
        if (text.size() - start < 3)
            break;
    }
    return parts;
}

int CRepItem_VenueDetails::GetHeight(CDC* pDC)
{
    int nHeight = LINE_STEP;
    if (!m_pVenue || m_pVenue->m_strDirections.IsEmpty())
        return nHeight;
    // Measured in the font the directions are drawn in, so that the page flow leaves room
    // for exactly the lines Draw makes.
    CFont* pOld = pDC->SelectObject(&GetStockFonts(pDC)->m_fontSmall);
    for (const CString& part : DirectionParts(m_pVenue->m_strDirections)) {
        CPoint pt(LEFT_MARGIN, 0);
        nHeight += LINE_STEP * CountWrappedLines(pDC, &pt, part, RIGHT_EDGE, LINE_STEP);
    }
    pDC->SelectObject(pOld);
    return nHeight;
}

void CRepItem_VenueDetails::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pVenue)
        return;
    const CVenue& v = *m_pVenue;
    CStockFonts* pFonts = GetStockFonts(pDC);
    CFont* pOld = pDC->SelectObject(&pFonts->m_fontLargeBold);
    int x = m_x;
    const CString title = v.m_strName + ".    ";
    pDC->TextOut(x, m_y, title);
    x += pDC->GetTextExtent(title).cx;

    pDC->SelectObject(&pFonts->m_fontSmall);
    const CString* const details[] = {&v.m_strPhone,      &v.m_strAddress[0], &v.m_strAddress[1],
                                      &v.m_strAddress[2], &v.m_strAddress[3], &v.m_strPostcode};
    for (const CString* pText : details) {
        if (pText->IsEmpty())
            continue;
        const CString text = *pText + ",  ";
        pDC->TextOut(x, m_y - 40, text);
        x += pDC->GetTextExtent(text).cx;
    }

    if (!v.m_strDirections.IsEmpty()) {
        int y = m_y + LINE_STEP;
        for (const CString& part : DirectionParts(v.m_strDirections)) {
            CPoint pt(LEFT_MARGIN, y);
            y += LINE_STEP * DrawWrappedText(pDC, &pt, part, RIGHT_EDGE, LINE_STEP);
        }
    }
    pDC->SelectObject(pOld);
}
