#include "reports/stats/FloatersItem.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "reports/stats/FloatingSubsFontsDlg.h"

IMPLEMENT_SERIAL(CRepItem_Floaters, CRepItem, 1)

CRepItem_Floaters::CRepItem_Floaters() : m_nColumns(0)
{
    m_nType = RIT_FLOATERS;
    m_nPage = 1;
}

void CRepItem_Floaters::Serialize(CArchive& ar)
{
    const BYTE nVersion = CBowlingDoc::GetFileVersion();
    if (nVersion > 39) {
        m_fontDetail.Serialize(ar);
        m_fontHeading.Serialize(ar);
        m_fontTitle.Serialize(ar);
    }
    if (nVersion > 53) {
        if (ar.IsStoring())
            ar << m_nColumns;
        else
            ar >> m_nColumns;
    }
}

void CRepItem_Floaters::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_Floaters*>(&other)) {
        m_nColumns = p->m_nColumns;
        m_fontTitle.CopyFrom(p->m_fontTitle);
        m_fontHeading.CopyFrom(p->m_fontHeading);
        m_fontDetail.CopyFrom(p->m_fontDetail);
    }
}

namespace {

struct Column
{
    const char* pszCaption;
    int x;
    bool bRight;
};

// The columns of the one-column layout, and those of each side of the two-column one.
const Column kOneColumn[] = {{"Name", 1008, false}, {"Eavg", 3024, true},  {"Avg", 3600, true},
                             {"Pins", 4464, true},  {"Gms", 5040, true},   {"Hcp", 5616, true},
                             {"Home", 7344, true},  {"Work", 9072, true},  {"Mobile", 10800, true}};
const Column kTwoColumns[] = {{"Name", 864, false}, {"Eavg", 3024, true}, {"Avg", 3600, true}, {"Phone", 3888, false}};
constexpr int kRightColumnShift = 5760;

void Text(CDC* pDC, int x, int y, const CString& text, bool bRight)
{
    CPoint pt(x, y);
    if (bRight)
        DrawTextRightAligned(pDC, &pt, text, 0);
    else
        DrawTextClipped(pDC, &pt, text, 0);
}

CString Number(const char* pszFormat, long n)
{
    CString s;
    s.Format(pszFormat, n);
    return s;
}

} // namespace

int CRepItem_Floaters::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_fontTitle);
    EnsureLineHeight(pDC, m_fontHeading);
    EnsureLineHeight(pDC, m_fontDetail);
    const int nTitle = m_fontTitle.GetLineHeight(0);
    const int nSubs = m_pDoc ? static_cast<int>(m_pDoc->m_nFloatingSubs) : 0;
    if (nSubs == 0)
        return nTitle;
    const int nLines = m_nColumns ? (nSubs + 1) / 2 : nSubs;
    return nTitle + m_fontHeading.GetLineHeight(0) + m_fontDetail.GetLineHeight(0) * nLines;
}

void CRepItem_Floaters::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc)
        return;
    CItemDrawState state(pDC);
    CFont fontTitle, fontHeading, fontDetail;
    CreateItemFont(fontTitle, m_fontTitle, "System Error - Failed to create Title font in ri_float");
    CreateItemFont(fontHeading, m_fontHeading, "System Error - Failed to create Hddr font in ri_float");
    CreateItemFont(fontDetail, m_fontDetail, "System Error - Failed to create Dets font in ri_float");

    pDC->SelectObject(&fontTitle);
    pDC->SetTextColor(m_fontTitle.m_crColour);
    const CString title("Floating Substitutes");
    int y = m_y;
    Text(pDC, PAGE_CENTRE - pDC->GetTextExtent(title).cx / 2, y, title, false);
    if (m_pDoc->m_nFloatingSubs == 0 || !m_pDoc->m_pFloatingSubsTeam)
        return;
    y += m_fontTitle.GetLineHeight(0);

    pDC->SelectObject(&fontHeading);
    pDC->SetTextColor(m_fontHeading.m_crColour);
    if (m_nColumns) {
        for (const Column& c : kTwoColumns) {
            Text(pDC, c.x, y, c.pszCaption, c.bRight);
            Text(pDC, c.x + kRightColumnShift, y, c.pszCaption, c.bRight);
        }
    } else {
        for (const Column& c : kOneColumn)
            Text(pDC, c.x, y, c.pszCaption, c.bRight);
    }
    y += m_fontHeading.GetLineHeight(0);

    pDC->SelectObject(&fontDetail);
    pDC->SetTextColor(m_fontDetail.m_crColour);
    const int nLine = m_fontDetail.GetLineHeight(0);
    const CTeam* pSubs = m_pDoc->m_pFloatingSubsTeam;
    bool bRight = false;
    for (int i = 0; i < pSubs->GetOrderCount(); ++i) {
        CPlayer* p = m_pDoc->FindPlayer(pSubs->GetOrderAt(i));
        if (!p || !p->IsFloatingSub())
            continue;
        DrawPlayer(pDC, p, y, bRight);
        if (m_nColumns && !bRight) {
            bRight = true;
            continue;
        }
        bRight = false;
        y += nLine;
    }
}

void CRepItem_Floaters::DrawPlayer(CDC* pDC, CPlayer* p, int y, bool bRightColumn)
{
    const CBowlingDoc& doc = *m_pDoc;
    const BOOL bHcp = doc.m_bHandicapLeague ? TRUE : FALSE;
    const int nSet = bHcp ? PASS_HANDICAP : PASS_SCRATCH;
    const CString eavg = Number("%d", p->GetEnteringAverage(TRUE) / 10);
    const CString avg = Number("%d", static_cast<int>(p->GetAverage(bHcp, doc.m_nEnteringAvgGames)));
    const Column* pColumns = m_nColumns ? kTwoColumns : kOneColumn;
    const int nShift = bRightColumn ? kRightColumnShift : 0;
    const int xName = pColumns[0].x + nShift;
    Text(pDC, xName, y, p->m_strName, false);
    p->AddHitRect(CRect(xName, y, xName + pDC->GetTextExtent(p->m_strName).cx, y + m_fontTitle.GetLineHeight(0)));
    Text(pDC, pColumns[1].x + nShift, y, eavg, true);
    Text(pDC, pColumns[2].x + nShift, y, avg, true);
    if (m_nColumns) {
        Text(pDC, pColumns[3].x + nShift, y, p->m_strPhoneHome, false);
        return;
    }
    CString pins, games;
    pins.Format("%u", static_cast<unsigned>(p->m_nPins[nSet]));
    games.Format("%u", static_cast<unsigned>(p->m_nGames[nSet]));
    Text(pDC, kOneColumn[3].x, y, pins, true);
    Text(pDC, kOneColumn[4].x, y, games, true);
    Text(pDC, kOneColumn[5].x, y, bHcp ? Number("%d", p->m_nHandicap) : CString("n/a"), true);
    Text(pDC, kOneColumn[6].x, y, p->m_strPhoneHome, true);
    Text(pDC, kOneColumn[7].x, y, p->m_strPhoneWork, true);
    Text(pDC, kOneColumn[8].x, y, p->m_strPhoneMobile, true);
}

void CRepItem_Floaters::WriteHtml(CStdioFile& file)
{
    HtmlDivCentre(&file, &m_fontTitle, "Floating Substitutes");
    if (!m_pDoc || m_pDoc->m_nFloatingSubs == 0)
        return;
    const CBowlingDoc& doc = *m_pDoc;
    file.WriteString("<CENTER><TABLE WIDTH=100%>\n");
    file.WriteString("<TR>");
    HtmlCellLeft(&file, &m_fontHeading, "Name");
    for (const char* psz : {"Average", "Pins", "Gms", "Hcp", "Home", "Work", "Mobile"})
        HtmlCellRight(&file, &m_fontHeading, psz);
    file.WriteString("</TR>");
    // The table asks for the handicap figures only where the bowlers carry handicaps.
    const BOOL bHcp = doc.m_bHandicapLeague && !doc.m_bTeamHandicaps ? TRUE : FALSE;
    const int nSet = bHcp ? PASS_HANDICAP : PASS_SCRATCH;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        if (!p->IsFloatingSub())
            continue;
        const bool bEntering = p->m_nGames[nSet] < doc.m_nEnteringAvgGames && !doc.m_bPastEnteringCutoff;
        CString avg, pins, games;
        avg.Format("%c%5.1f", bEntering ? 'e' : ' ', p->GetAverage(bHcp, doc.m_nEnteringAvgGames));
        pins.Format("%u", static_cast<unsigned>(p->m_nPins[nSet]));
        games.Format("%u", static_cast<unsigned>(p->m_nGames[nSet]));
        file.WriteString("<TR>");
        HtmlCellLeft(&file, &m_fontDetail, p->m_strName);
        HtmlCellRight(&file, &m_fontDetail, avg);
        HtmlCellRight(&file, &m_fontDetail, pins);
        HtmlCellRight(&file, &m_fontDetail, games);
        HtmlCellRight(&file, &m_fontDetail, bHcp ? Number("%d", p->m_nHandicap) : CString("n/a"));
        HtmlCellRight(&file, &m_fontDetail, p->m_strPhoneHome);
        HtmlCellRight(&file, &m_fontDetail, p->m_strPhoneWork);
        HtmlCellRight(&file, &m_fontDetail, p->m_strPhoneMobile);
        file.WriteString("</TR>");
    }
    file.WriteString("</CENTER></TABLE>\n");
}

void CRepItem_Floaters::Edit()
{
    CRepItem_Floaters before;
    before.CopyFrom(*this);
    CFloatingSubsFontsDlg dlg(m_pDoc, this);
    if (dlg.DoModal() != IDOK)
        CopyFrom(before);
}
