#include "reports/stats/AvgBustersItem.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "reports/layout/ItemFont.h"
#include "reports/stats/AvgBustersItemDlg.h"

IMPLEMENT_SERIAL(CRepItem_AvgBusters, CRepItem, 1)

CRepItem_AvgBusters::CRepItem_AvgBusters() : m_nDisplay(3), m_nShown(3), m_bCurrentRound(0)
{
    m_nType = RIT_AVG_BUSTERS;
    m_nPage = 1;
}

void CRepItem_AvgBusters::Serialize(CArchive& ar)
{
    m_fontDetail.Serialize(ar);
    m_fontHeader.Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<BYTE>((m_nDisplay & 0x7F) | (m_bCurrentRound ? 0x80 : 0));
    } else {
        BYTE nOptions = 0;
        ar >> nOptions;
        m_bCurrentRound = (nOptions & 0x80) ? 1 : 0;
        m_nDisplay = static_cast<BYTE>(nOptions & 0x7F);
    }
}

void CRepItem_AvgBusters::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_AvgBusters*>(&other)) {
        m_nDisplay = p->m_nDisplay;
        m_bCurrentRound = p->m_bCurrentRound;
        m_nShown = p->m_nShown;
        m_fontHeader.CopyFrom(p->m_fontHeader);
        m_fontDetail.CopyFrom(p->m_fontDetail);
    }
}

int CRepItem_AvgBusters::CountShown()
{
    int n = m_pDoc ? m_pDoc->RankAverageBusters(100, PF_CATEGORY_MASK, 0) : 0;
    if (n > m_nDisplay)
        n = m_nDisplay;
    m_nShown = static_cast<BYTE>(n);
    return n;
}

CString CRepItem_AvgBusters::Title(BOOL bWithRound) const
{
    CString title("Top Average Buster");
    if (m_nShown > 1)
        title += "s";
    if (bWithRound && m_bCurrentRound && m_pDoc) {
        CString round;
        round.Format(" for Round %d", static_cast<int>(m_pDoc->m_nCurrentRound));
        title += round;
    }
    return title;
}

int CRepItem_AvgBusters::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_fontHeader);
    EnsureLineHeight(pDC, m_fontDetail);
    const int nShown = CountShown();
    const int nHeader = m_fontHeader.GetLineHeight(0);
    if (nShown == 0)
        return nHeader;
    return nHeader + m_fontDetail.GetLineHeight(0) * ((nShown + 1) / 2);
}

void CRepItem_AvgBusters::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    CFont fontHeader, fontDetail;
    CreateItemFont(fontHeader, m_fontHeader, "System Error - Failed to create Hddr font in ri_float");
    CreateItemFont(fontDetail, m_fontDetail, "System Error - Failed to create Dets font in ri_float");
    pDC->SelectObject(&fontHeader);
    pDC->SetTextColor(m_fontHeader.m_crColour);
    const CString title = Title(TRUE);
    int y = m_y;
    CPoint pt(PAGE_CENTRE - pDC->GetTextExtent(title).cx / 2, y);
    DrawTextClipped(pDC, &pt, title, 0);
    if (m_nShown == 0 || !m_pDoc)
        return;
    y += m_fontHeader.GetLineHeight(0);
    pDC->SelectObject(&fontDetail);
    pDC->SetTextColor(m_fontDetail.m_crColour);
    const int nLine = m_fontDetail.GetLineHeight(0);
    for (int r = 1; r <= m_nShown; ++r) {
        const bool bLeft = (r % 2) == 1;
        const int xName = bLeft ? 1440 : 6480;
        CPlayer* p = m_bCurrentRound ? m_pDoc->FindAverageBusterByRoundRank(r) : m_pDoc->FindAverageBusterBySeasonRank(r);
        pt = CPoint(xName, y);
        if (p) {
            DrawTextClipped(pDC, &pt, p->m_strName, 0);
            p->AddHitRect(CRect(xName, y, xName + pDC->GetTextExtent(p->m_strName).cx, y + nLine));
            CString total;
            total.Format("%d", m_bCurrentRound ? p->m_nAvgBusterRound : p->m_nAvgBusterSeason);
            pt = CPoint(bLeft ? 5040 : 10080, y);
            DrawTextRightAligned(pDC, &pt, total, 0);
        } else {
            DrawTextClipped(pDC, &pt, "None", 0);
        }
        if (!bLeft || r == m_nShown)
            y += nLine;
    }
}

void CRepItem_AvgBusters::WriteHtml(CStdioFile& file)
{
    CountShown();
    HtmlDivCentre(&file, &m_fontHeader, Title(FALSE));
    if (m_nShown == 0 || !m_pDoc)
        return;
    file.WriteString("<CENTER><TABLE WIDTH=50%>\n");
    for (int r = 1; r <= m_nShown; ++r) {
        file.WriteString("<TR>");
        if (const CPlayer* p = m_pDoc->FindAverageBusterBySeasonRank(r)) {
            CString total;
            total.Format("%d", p->m_nAvgBusterSeason);
            HtmlCellRight(&file, &m_fontHeader, total);
            HtmlCellLeft(&file, &m_fontHeader, p->m_strName);
        } else {
            HtmlCellRight(&file, &m_fontHeader, "?");
            HtmlCellLeft(&file, &m_fontHeader, "None");
        }
        file.WriteString("</TR>");
    }
    file.WriteString("</CENTER></TABLE>\n");
}

void CRepItem_AvgBusters::Edit()
{
    CRepItem_AvgBusters before;
    before.CopyFrom(*this);
    CAvgBustersItemDlg dlg(m_pDoc, this);
    dlg.m_nDisplay = m_nDisplay;
    dlg.m_bCurrentRound = m_bCurrentRound ? 1 : 0;
    if (dlg.DoModal() != IDOK) {
        CopyFrom(before);
        return;
    }
    m_nDisplay = dlg.m_nDisplay;
    m_bCurrentRound = dlg.m_bCurrentRound ? 1 : 0;
}
