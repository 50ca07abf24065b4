#include "reports/layout/OutstandingItem.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/OutstandingMatchesDlg.h"

IMPLEMENT_SERIAL(CRepItem_LateGames, CRepItem, 1)

namespace {

constexpr int kHomeRight = 5400;
constexpr int kAwayLeft = 6120;
const char kUnknownTeam[] = "??? Team not known! ???";

bool IsOutstanding(const CFixture* f)
{
    return !f->m_bPlayed[0] || !f->m_bPlayed[1];
}

CString TeamName(const CBowlingDoc* pDoc, WORD nTeamNo)
{
    const CTeam* pTeam = pDoc ? pDoc->FindTeam(nTeamNo) : nullptr;
    return pTeam ? pTeam->m_strName : CString(kUnknownTeam);
}

CString RoundAndDate(const CFixture* f)
{
    CString text;
    text.Format("Rnd %2d - ", f->m_nRound);
    return text + f->m_timeDue.Format("%b %d %y");
}

} // namespace

int CountOutstandingMatches(const CBowlingDoc* pDoc)
{
    if (!pDoc)
        return 0;
    int nCount = 0;
    for (POSITION pos = pDoc->GetFirstFixturePosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound > pDoc->m_nCurrentRound)
            break;
        if (IsOutstanding(f))
            ++nCount;
    }
    return nCount;
}

CRepItem_LateGames::CRepItem_LateGames()
    : m_strTitle("Outstanding Matches."), m_bPrintAlways(0), m_nOutstanding(0), m_pFixture(nullptr),
      m_nAlign(ALIGN_LEFT)
{
    m_nType = RIT_LATE_GAMES;
    m_nPage = 1;
    m_fontHeading.m_bBold = 1;
}

void CRepItem_LateGames::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_strTitle << m_bPrintAlways << m_nAlign;
    else
        ar >> m_strTitle >> m_bPrintAlways >> m_nAlign;
    m_fontHeading.Serialize(ar);
    m_fontDetail.Serialize(ar);
}

void CRepItem_LateGames::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_LateGames*>(&other)) {
        m_strTitle = p->m_strTitle;
        m_bPrintAlways = p->m_bPrintAlways;
        m_nAlign = p->m_nAlign;
        m_nOutstanding = p->m_nOutstanding;
        m_fontHeading.CopyFrom(p->m_fontHeading);
        m_fontDetail.CopyFrom(p->m_fontDetail);
    }
}

void CRepItem_LateGames::ApplyDefaultFonts()
{
    CopyDefaultFont(m_pDoc, HEADING_FONT, m_fontHeading);
    CopyDefaultFont(m_pDoc, DETAIL_FONT, m_fontDetail);
}

void CRepItem_LateGames::Expand(CObList& list)
{
    m_nOutstanding = static_cast<DWORD>(CountOutstandingMatches(m_pDoc));
    if (m_nOutstanding == 0)
        return;
    for (POSITION pos = m_pDoc->GetFirstFixturePosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound > m_pDoc->m_nCurrentRound)
            break;
        if (f->IsBye() || !IsOutstanding(f))
            continue;
        auto* pLine = new CRepItem_LateGames;
        pLine->m_bTemporary = TEMP_SHOWING;
        pLine->m_pDoc = m_pDoc;
        pLine->m_nPage = m_nPage;
        pLine->m_fontDetail.CopyFrom(m_fontDetail);
        pLine->m_pFixture = f;
        list.AddTail(pLine);
    }
}

int CRepItem_LateGames::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_fontHeading);
    EnsureLineHeight(pDC, m_fontDetail);
    if (IsLine())
        return m_fontDetail.GetLineHeight(0);
    return IsHeadingHidden() ? 0 : m_fontHeading.GetLineHeight(5);
}

void CRepItem_LateGames::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (IsHeadingHidden())
        return;
    CItemDrawState state(pDC);
    CFont font;
    if (!IsLine()) {
        CreateItemFont(font, m_fontHeading, "System Error - Failed to create Hddr font in ri_lates");
        pDC->SelectObject(&font);
        pDC->SetTextColor(m_fontHeading.m_crColour);
        CPoint pt(PAGE_LEFT, m_y);
        if (m_nAlign == ALIGN_RIGHT) {
            pt.x = PAGE_RIGHT;
            DrawTextRightAligned(pDC, &pt, m_strTitle, 0);
            return;
        }
        if (m_nAlign == ALIGN_CENTRE)
            pt.x = PAGE_CENTRE - pDC->GetTextExtent(m_strTitle).cx / 2;
        DrawTextClipped(pDC, &pt, m_strTitle, 0);
        return;
    }
    CreateItemFont(font, m_fontDetail, "System Error - Failed to create Dets font in ri_lates");
    pDC->SelectObject(&font);
    pDC->SetTextColor(m_fontDetail.m_crColour);
    const CFixture* f = m_pFixture;
    CPoint pt(kHomeRight, m_y);
    DrawTextRightAligned(pDC, &pt, TeamName(m_pDoc, f->m_nTeamA), 0);
    pt = CPoint(kAwayLeft, m_y);
    DrawTextClipped(pDC, &pt, TeamName(m_pDoc, f->m_nTeamB), 0);
    pt = CPoint(PAGE_CENTRE - pDC->GetTextExtent(CString("v")).cx / 2, m_y);
    DrawTextClipped(pDC, &pt, "v", 0);
    pt = CPoint(PAGE_LEFT, m_y);
    DrawTextClipped(pDC, &pt, RoundAndDate(f), 0);
}

void CRepItem_LateGames::WriteHtml(CStdioFile& file)
{
    if (IsHeadingHidden())
        return;
    if (!IsLine()) {
        if (m_nAlign == ALIGN_CENTRE)
            HtmlDivCentre(&file, &m_fontHeading, m_strTitle);
        else if (m_nAlign == ALIGN_RIGHT)
            HtmlDivRight(&file, &m_fontHeading, m_strTitle);
        else
            HtmlDivLeft(&file, &m_fontHeading, m_strTitle);
        return;
    }
    const CFixture* f = m_pFixture;
    file.WriteString("<CENTER><TABLE WIDTH=90%>");
    file.WriteString("<TR>");
    HtmlCellLeft(&file, &m_fontDetail, RoundAndDate(f));
    CString teams = TeamName(m_pDoc, f->m_nTeamA) + " v " + TeamName(m_pDoc, f->m_nTeamB);
    HtmlCellLeft(&file, &m_fontDetail, teams);
    file.WriteString("</TR>");
    file.WriteString("</TABLE></CENTER>");
}

void CRepItem_LateGames::Edit()
{
    COutstandingMatchesDlg dlg(this);
    dlg.m_bPrintAlways = m_bPrintAlways;
    dlg.m_strTitle = m_strTitle;
    dlg.m_nAlign = m_nAlign;
    if (dlg.DoModal() != IDOK)
        return;
    m_bPrintAlways = static_cast<BYTE>(dlg.m_bPrintAlways ? 1 : 0);
    m_strTitle = dlg.m_strTitle;
    m_nAlign = static_cast<BYTE>(dlg.m_nAlign);
}
