#include "reports/stats/AvgBustersItem.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/ItemText.h"
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

CPlayer* CRepItem_AvgBusters::Holder(BOOL bRound, int nRank) const
{
    if (!m_pDoc)
        return nullptr;
    return bRound ? m_pDoc->FindAverageBusterByRoundRank(nRank) : m_pDoc->FindAverageBusterBySeasonRank(nRank);
}

int CRepItem_AvgBusters::CountRanked(BOOL bRound) const
{
    if (!m_pDoc)
        return 0;
    // The two tables rank different bowlers: each counts its own.
    m_pDoc->RankAverageBusters(100, PF_CATEGORY_MASK, 0);
    int n = 0;
    while (n < m_nDisplay && Holder(bRound, n + 1))
        ++n;
    return n;
}

CString CRepItem_AvgBusters::Title(int nShown, BOOL bWithRound) const
{
    CString title("Top Average Buster");
    if (nShown > 1)
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
    const int nShown = CountRanked(m_bCurrentRound);
    m_nShown = static_cast<BYTE>(nShown);
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
    const CString title = Title(m_nShown, TRUE);
    int y = m_y;
    ItemText::Centred(pDC, y, title);
    if (m_nShown == 0 || !m_pDoc)
        return;
    y += m_fontHeader.GetLineHeight(0);
    pDC->SelectObject(&fontDetail);
    pDC->SetTextColor(m_fontDetail.m_crColour);
    const int nLine = m_fontDetail.GetLineHeight(0);
    for (int r = 1; r <= m_nShown; ++r) {
        const bool bLeft = (r % 2) == 1;
        const int xName = bLeft ? 1440 : 6480;
        if (CPlayer* p = Holder(m_bCurrentRound, r)) {
            ItemText::Left(pDC, xName, y, p->m_strName);
            p->AddHitRect(CRect(xName, y, xName + pDC->GetTextExtent(p->m_strName).cx, y + nLine));
            ItemText::Right(pDC, bLeft ? 5040 : 10080, y,
                            ItemText::Fmt("%d", m_bCurrentRound ? p->m_nAvgBusterRound : p->m_nAvgBusterSeason));
        } else {
            ItemText::Left(pDC, xName, y, "None");
        }
        if (!bLeft || r == m_nShown)
            y += nLine;
    }
}

void CRepItem_AvgBusters::WriteHtml(CStdioFile& file)
{
    const int nShown = CountRanked(FALSE);
    HtmlDivCentre(&file, &m_fontHeader, Title(nShown, FALSE));
    if (nShown == 0)
        return;
    file.WriteString("<CENTER><TABLE WIDTH=50%>\n");
    // Every rank counted is held.
    for (int r = 1; r <= nShown; ++r) {
        const CPlayer* p = Holder(FALSE, r);
        CString total;
        total.Format("%d", p->m_nAvgBusterSeason);
        file.WriteString("<TR>");
        HtmlCellRight(&file, &m_fontHeader, total);
        HtmlCellLeft(&file, &m_fontHeader, p->m_strName);
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
