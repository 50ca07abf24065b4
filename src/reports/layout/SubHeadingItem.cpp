#include "reports/layout/SubHeadingItem.h"

#include "league/BowlingDoc.h"
#include "reports/layout/EditSubheadingDlg.h"
#include "reports/layout/ItemFont.h"

IMPLEMENT_SERIAL(CRepItem_SubHeading, CRepItem, 1)

namespace {

// Hundredths of an inch in twips, truncated.
int Twips(int nHundredths)
{
    return nHundredths * 1440 / 100;
}

} // namespace

CRepItem_SubHeading::CRepItem_SubHeading()
    : m_strText("SubHeading"), m_nAlign(ALIGN_LEFT), m_nSpaceBefore(5), m_nSpaceAfter(5), m_nReserved1(0),
      m_nReserved2(0)
{
    m_nType = RIT_SUB_HEADING;
    m_nPage = 1;
}

void CRepItem_SubHeading::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strText << m_nReserved1 << m_nAlign << m_nReserved2 << m_nSpaceBefore << m_nSpaceAfter;
        m_font.Serialize(ar);
    } else {
        ar >> m_strText >> m_nReserved1 >> m_nAlign >> m_nReserved2 >> m_nSpaceBefore >> m_nSpaceAfter;
        if (ar.GetFileVersion() > 35)
            m_font.Serialize(ar);
    }
}

void CRepItem_SubHeading::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_SubHeading*>(&other)) {
        m_strText = p->m_strText;
        m_nAlign = p->m_nAlign;
        m_font.CopyFrom(p->m_font);
        m_nSpaceAfter = p->m_nSpaceAfter;
        m_nSpaceBefore = p->m_nSpaceBefore;
    }
}

void CRepItem_SubHeading::ApplyDefaultFonts()
{
    CopyDefaultFont(m_pDoc, DEFAULT_FONT, m_font);
}

int CRepItem_SubHeading::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_font);
    return m_font.GetLineHeight(0) - Twips(m_nSpaceBefore + m_nSpaceAfter);
}

void CRepItem_SubHeading::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    CFont font;
    CreateItemFont(font, m_font, "System Error - Failed to create font in ri_seche");
    pDC->SelectObject(&font);
    pDC->SetTextColor(m_font.m_crColour);
    CPoint pt(m_x, m_y - Twips(m_nSpaceBefore));
    if (m_nAlign == ALIGN_RIGHT) {
        pt.x = PAGE_RIGHT;
        DrawTextRightAligned(pDC, &pt, m_strText, 0);
        return;
    }
    if (m_nAlign == ALIGN_CENTRE)
        pt.x = PAGE_CENTRE - pDC->GetTextExtent(m_strText).cx / 2;
    DrawTextClipped(pDC, &pt, m_strText, 0);
}

void CRepItem_SubHeading::WriteHtml(CStdioFile& file)
{
    if (m_nAlign == ALIGN_CENTRE)
        HtmlDivCentre(&file, &m_font, m_strText);
    else if (m_nAlign == ALIGN_RIGHT)
        HtmlDivRight(&file, &m_font, m_strText);
    else
        HtmlDivLeft(&file, &m_font, m_strText);
}

void CRepItem_SubHeading::Edit()
{
    CEditSubheadingDlg dlg(this);
    dlg.m_nAlign = m_nAlign;
    dlg.m_strText = m_strText;
    dlg.m_nSpaceAfter = m_nSpaceAfter;
    dlg.m_nSpaceBefore = m_nSpaceBefore;
    if (dlg.DoModal() != IDOK)
        return;
    m_strText = dlg.m_strText;
    m_nSpaceBefore = static_cast<WORD>(dlg.m_nSpaceBefore);
    m_nSpaceAfter = static_cast<WORD>(dlg.m_nSpaceAfter);
    m_nAlign = static_cast<BYTE>(dlg.m_nAlign);
}
