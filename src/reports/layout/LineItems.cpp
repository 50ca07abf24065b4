#include "reports/layout/LineItems.h"

#include "framework/ui/Dialog.h"
#include "reports/layout/EditLineDlg.h"
#include "reports/layout/ItemFont.h"

IMPLEMENT_SERIAL(CRepItem_line, CRepItem, 1)
IMPLEMENT_DYNAMIC(CRepItem_TextLine, CRepItem)

// --- line ---------------------------------------------------------------------------------

CRepItem_line::CRepItem_line() : m_nWidth(75), m_nThickness(1), m_nSpaceAbove(5), m_nSpaceBelow(5)
{
    m_nType = RIT_LINE;
    m_nPage = 1;
}

void CRepItem_line::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nWidth << m_nThickness << m_nSpaceAbove << m_nSpaceBelow;
    else
        ar >> m_nWidth >> m_nThickness >> m_nSpaceAbove >> m_nSpaceBelow;
}

void CRepItem_line::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_line*>(&other)) {
        m_nWidth = p->m_nWidth;
        m_nThickness = p->m_nThickness;
        m_nSpaceAbove = p->m_nSpaceAbove;
        m_nSpaceBelow = p->m_nSpaceBelow;
    }
}

int CRepItem_line::GetHeight(CDC* /*pDC*/)
{
    return (m_nSpaceAbove + m_nSpaceBelow) * -1440 / 100 - 72;
}

void CRepItem_line::WriteHtml(CStdioFile& file)
{
    int nWidth = m_nWidth > 100 ? 100 : m_nWidth;
    if (nWidth == 0)
        nWidth = 1;
    int nThickness = m_nThickness >= 1 && m_nThickness <= 4 ? m_nThickness : 1;
    CString s;
    // The closing tags without openers are what these pages have always held.
    s.Format("<HR SIZE=%d WIDTH=%d%%></P></CENTER>\n", nThickness, nWidth);
    file.WriteString(s);
}

void CRepItem_line::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (m_nWidth == 0)
        return;
    int nLength = static_cast<int>(m_nWidth * 0.01 * 10080);
    int x = PAGE_CENTRE - nLength / 2;
    int y = m_y - m_nSpaceAbove * 1440 / 100;
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, m_nThickness * 14, RGB(0, 0, 0))) {
        AfxMessageBox("Major system error. Unable to create a pen.");
        return;
    }
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(x, y);
    pDC->LineTo(x + nLength, y);
    pDC->SelectObject(pOld);
}

void CRepItem_line::Edit()
{
    if (m_nWidth > 100)
        m_nWidth = 100;
    if (m_nThickness < 1 || m_nThickness > 4)
        m_nThickness = 1;
    CEditLineDlg dlg;
    dlg.m_nSpaceBefore = m_nSpaceAbove;
    dlg.m_nWidth = m_nWidth;
    dlg.m_nSpaceAfter = m_nSpaceBelow;
    dlg.m_nThickness = m_nThickness;
    if (dlg.DoModal() != IDOK)
        return;
    m_nSpaceAbove = static_cast<WORD>(dlg.m_nSpaceBefore);
    m_nWidth = static_cast<BYTE>(dlg.m_nWidth);
    m_nSpaceBelow = static_cast<WORD>(dlg.m_nSpaceAfter);
    m_nThickness = static_cast<BYTE>(dlg.m_nThickness);
}

// --- text line ----------------------------------------------------------------------------

CRepItem_TextLine::CRepItem_TextLine() : m_bAdvance(0), m_nX(PAGE_LEFT), m_nAlign(ALIGN_LEFT)
{
    m_nType = RIT_TEXT_LINE;
    m_nPage = 1;
}

void CRepItem_TextLine::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_TextLine*>(&other)) {
        m_font.CopyFrom(p->m_font);
        m_strText = p->m_strText;
        m_bAdvance = p->m_bAdvance;
        m_nX = p->m_nX;
        m_nAlign = p->m_nAlign;
    }
}

int CRepItem_TextLine::GetHeight(CDC* pDC)
{
    if (!m_bAdvance)
        return 0;
    EnsureLineHeight(pDC, m_font);
    return m_font.GetLineHeight(0);
}

void CRepItem_TextLine::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (m_strText.IsEmpty())
        return;
    CItemDrawState state(pDC);
    CFont font;
    CreateItemFont(font, m_font, "System Error - Failed to create Hddr font in ri_head");
    pDC->SelectObject(&font);
    pDC->SetTextColor(m_font.m_crColour);
    CPoint pt(m_nX, m_y);
    if (m_nAlign == ALIGN_CENTRE) {
        pt.x = m_nX - pDC->GetTextExtent(m_strText).cx / 2;
        DrawTextClipped(pDC, &pt, m_strText, 0);
    } else if (m_nAlign == ALIGN_RIGHT) {
        DrawTextRightAligned(pDC, &pt, m_strText, 0);
    } else {
        DrawTextClipped(pDC, &pt, m_strText, 0);
    }
}
