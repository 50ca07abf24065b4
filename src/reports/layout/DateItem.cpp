#include "reports/layout/DateItem.h"

#include "league/BowlingDoc.h"
#include "reports/layout/DateSetupDlg.h"
#include "reports/layout/ItemFont.h"

IMPLEMENT_SERIAL(CRepItem_Date, CRepItem, 1)

const char* const g_szDateStyleNames[5] = {"dd mm yy", "mm dd yy", "dd mth yy", "dd mth yyyy", "dd month yyyy"};

namespace {

// Hundredths of an inch in twips, truncated toward zero.
int Twips(int nHundredths)
{
    return nHundredths * 1440 / 100;
}

} // namespace

CString FormatDateByStyle(int nStyle, const CTime& date)
{
    static const char* const formats[] = {"%d %m %y", "%m %d %y", "%d %b %y", "%d %b %Y", "%d %B %Y"};
    return date.Format(formats[nStyle >= 0 && nStyle <= 3 ? nStyle : 4]);
}

CRepItem_Date::CRepItem_Date() : m_nStyle(0), m_nAlign(ALIGN_LEFT), m_nSpaceBefore(0), m_nSpaceAfter(0)
{
    m_nType = RIT_DATE;
    m_nPage = 1;
}

void CRepItem_Date::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nStyle << m_nAlign << m_nSpaceBefore << m_nSpaceAfter;
    else
        ar >> m_nStyle >> m_nAlign >> m_nSpaceBefore >> m_nSpaceAfter;
    m_font.Serialize(ar);
}

void CRepItem_Date::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_Date*>(&other)) {
        m_nStyle = p->m_nStyle;
        m_nAlign = p->m_nAlign;
        m_nSpaceBefore = p->m_nSpaceBefore;
        m_nSpaceAfter = p->m_nSpaceAfter;
        m_font.CopyFrom(p->m_font);
    }
}

void CRepItem_Date::ApplyDefaultFonts()
{
    CopyDefaultFont(m_pDoc, DEFAULT_FONT, m_font);
}

CString CRepItem_Date::GetText() const
{
    return m_pDoc ? FormatDateByStyle(m_nStyle, m_pDoc->m_timeCurrent) : CString();
}

int CRepItem_Date::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_font);
    // A negative space before lifts the date and shortens the item; a positive one only
    // moves the date down inside the line's room.
    int nSpaces = m_nSpaceBefore < 0 ? m_nSpaceAfter + m_nSpaceBefore : m_nSpaceAfter;
    return m_font.GetLineHeight(10) - Twips(nSpaces);
}

void CRepItem_Date::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    CFont font;
    CreateItemFont(font, m_font, nullptr);
    pDC->SelectObject(&font);
    pDC->SetTextColor(m_font.m_crColour);
    CString text = GetText();
    CPoint pt(PAGE_LEFT, m_y - Twips(m_nSpaceBefore));
    if (m_nAlign == ALIGN_RIGHT) {
        pt.x = PAGE_RIGHT;
        DrawTextRightAligned(pDC, &pt, text, 0);
        return;
    }
    if (m_nAlign == ALIGN_CENTRE)
        pt.x = PAGE_CENTRE - pDC->GetTextExtent(text).cx / 2;
    DrawTextClipped(pDC, &pt, text, 0);
}

void CRepItem_Date::WriteHtml(CStdioFile& file)
{
    CString text = GetText();
    if (m_nAlign == ALIGN_CENTRE)
        HtmlDivCentre(&file, &m_font, text);
    else if (m_nAlign == ALIGN_RIGHT)
        HtmlDivRight(&file, &m_font, text);
    else
        HtmlDivLeft(&file, &m_font, text);
}

void CRepItem_Date::Edit()
{
    CDateSetupDlg dlg(this);
    dlg.m_nSpaceAfter = m_nSpaceAfter;
    dlg.m_nSpaceBefore = m_nSpaceBefore;
    dlg.m_nAlign = m_nAlign;
    dlg.m_nStyle = m_nStyle;
    if (dlg.DoModal() != IDOK)
        return;
    m_nSpaceBefore = static_cast<short>(dlg.m_nSpaceBefore);
    m_nSpaceAfter = static_cast<short>(dlg.m_nSpaceAfter);
    m_nStyle = static_cast<BYTE>(dlg.m_nStyle);
    m_nAlign = static_cast<BYTE>(dlg.m_nAlign);
}
