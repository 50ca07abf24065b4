#include "reports/layout/OfficersItem.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/PointsText.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "results/PointsCommands.h"
#include "view/RepForm.h"

IMPLEMENT_SERIAL(CRepItem_Officers, CRepItem, 1)
IMPLEMENT_DYNAMIC(CRepItem_PointsAdjust, CRepItem)

namespace {

constexpr int kLabelGap = 144;

// "Name  (phone)", or the name alone without a telephone number.
CString OfficialText(const CString& name, const CString& phone)
{
    CString s = name;
    if (!phone.IsEmpty()) {
        s += "  (";
        s += phone;
        s += ")";
    }
    return s;
}

// The label on the left with its text after it, and the label on the right with its text
// before it.
void DrawOfficialsLine(CDC* pDC, int y, const char* pszLeft, const CString& left, const char* pszRight,
                       const CString& right)
{
    CPoint pt(PAGE_LEFT, y);
    DrawTextClipped(pDC, &pt, pszLeft, 0);
    pt.x = pDC->GetTextExtent(pszLeft).cx + PAGE_LEFT + kLabelGap;
    DrawTextClipped(pDC, &pt, left, 0);
    pt.x = PAGE_RIGHT;
    DrawTextRightAligned(pDC, &pt, pszRight, 0);
    pt.x = PAGE_RIGHT - kLabelGap - pDC->GetTextExtent(pszRight).cx;
    DrawTextRightAligned(pDC, &pt, right, 0);
}

// The cell writers escape their whole text; these cells join a fixed entity to a name, so
// the name is escaped here and the cell written in the writers' exact form.
void WriteRawCell(CStdioFile& file, const CFontData& font, const CString& html, bool bRight)
{
    CString s = bRight ? "<td align=right>" : "<td align=left>";
    if (font.m_bBold)
        s += "<b>";
    CString tag;
    tag.Format("<font face='%s'>", HtmlEscape(font.m_strFaceName).GetString());
    s += tag;
    tag.Format("<font color='#%02X%02X%02X'>", GetRValue(font.m_crColour), GetGValue(font.m_crColour),
               GetBValue(font.m_crColour));
    s += tag;
    int nDiff = static_cast<int>(font.m_nPointSize) - 10;
    if (nDiff > 0)
        tag.Format("<font SIZE=+%d>", nDiff);
    else if (nDiff < 0)
        tag.Format("<font SIZE=%d>", nDiff);
    else
        tag.Empty();
    s += tag;
    s += html;
    if (!tag.IsEmpty())
        s += "</font>";
    s += "</font></font>";
    if (font.m_bBold)
        s += bRight ? "</b>\n" : "</b>";
    s += "</td>\n";
    file.WriteString(s);
}

} // namespace

// --- officials ------------------------------------------------------------------------------

CRepItem_Officers::CRepItem_Officers()
{
    m_nType = RIT_OFFICERS;
    m_nPage = 1;
}

CFontData& CRepItem_Officers::GetFont() const
{
    static CFontData s_default;
    if (!m_pDoc)
        return s_default;
    if (m_pDoc->m_pCurrentRepForm)
        return m_pDoc->m_pCurrentRepForm->m_fontTitle;
    return m_pDoc->m_fontLayoutTitle;
}

int CRepItem_Officers::GetHeight(CDC* pDC)
{
    CFontData& font = GetFont();
    EnsureLineHeight(pDC, font);
    return 2 * font.GetLineHeight(25);
}

void CRepItem_Officers::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CFontData& data = GetFont();
    EnsureLineHeight(pDC, data);
    CItemDrawState state(pDC);
    CFont font;
    CreateItemFont(font, data, "System Error - Failed to create Hddr font in ri_cst");
    pDC->SelectObject(&font);
    pDC->SetTextColor(data.m_crColour);
    CLeagueSettings empty;
    const CLeagueSettings& s = m_pDoc ? static_cast<const CLeagueSettings&>(*m_pDoc) : empty;
    DrawOfficialsLine(pDC, m_y, "President", OfficialText(s.m_strPresident, s.m_strPresidentPhone), "Secretary",
                      OfficialText(s.m_strSecretary, s.m_strSecretaryPhone));
    DrawOfficialsLine(pDC, m_y + data.GetLineHeight(15), "Vice President",
                      OfficialText(s.m_strVicePresident, s.m_strVicePresidentPhone), "Treasurer",
                      OfficialText(s.m_strTreasurer, s.m_strTreasurerPhone));
}

void CRepItem_Officers::WriteHtml(CStdioFile& file)
{
    const CFontData& font = GetFont();
    CLeagueSettings empty;
    const CLeagueSettings& s = m_pDoc ? static_cast<const CLeagueSettings&>(*m_pDoc) : empty;
    file.WriteString("<CENTER><TABLE COLS=2 WIDTH=100% >\n");
    file.WriteString("<TR>");
    WriteRawCell(file, font, "President&nbsp;&nbsp;" + HtmlEscape(s.m_strPresident), false);
    WriteRawCell(file, font, HtmlEscape(s.m_strSecretary) + "&nbsp;&nbsp;Secretary", true);
    file.WriteString("</TR>\n");
    file.WriteString("<TR>");
    WriteRawCell(file, font, "Vice Pres&nbsp;&nbsp;" + HtmlEscape(s.m_strVicePresident), false);
    WriteRawCell(file, font, HtmlEscape(s.m_strTreasurer) + "&nbsp;&nbsp;Treasurer", true);
    file.WriteString("</TR>\n");
    file.WriteString("</TABLE></CENTER>\n");
}

// --- points adjustments ----------------------------------------------------------------------

CRepItem_PointsAdjust::CRepItem_PointsAdjust() : m_pFixture(nullptr)
{
    m_nType = RIT_OFFICERS;
    m_nPage = 1;
}

void CRepItem_PointsAdjust::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_PointsAdjust*>(&other))
        m_pFixture = p->m_pFixture;
}

int CRepItem_PointsAdjust::GetHeight(CDC* /*pDC*/)
{
    return -200;
}

CString CRepItem_PointsAdjust::GetText() const
{
    if (!m_pFixture)
        return CString();
    const CFixture& f = *m_pFixture;
    CString s;
    s.Format("Round %d  ", f.m_nRound);
    // A side without its team shows an empty name.
    if (f.m_pTeamA)
        s += f.m_pTeamA->m_strName;
    s += " v ";
    if (f.m_pTeamB)
        s += f.m_pTeamB->m_strName;
    char a[POINTS_TEXT_SIZE];
    char b[POINTS_TEXT_SIZE];
    if (f.m_nHandicapAdjust[0] != 0 || f.m_nHandicapAdjust[1] != 0) {
        FormatPoints(m_pDoc, f.m_nHandicapAdjust[0], a);
        FormatPoints(m_pDoc, f.m_nHandicapAdjust[1], b);
        s.AppendFormat("        Hcp %s : %s", a, b);
    }
    if (f.m_nScratchAdjust[0] != 0 || f.m_nScratchAdjust[1] != 0) {
        FormatPoints(m_pDoc, f.m_nScratchAdjust[0], a);
        FormatPoints(m_pDoc, f.m_nScratchAdjust[1], b);
        s.AppendFormat("        Scr %s : %s", a, b);
    }
    return s;
}

void CRepItem_PointsAdjust::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    pDC->SelectObject(&GetStockFonts(pDC)->m_fontSmall);
    CPoint pt(m_x, m_y);
    DrawTextClipped(pDC, &pt, GetText(), 0);
}

// The points-adjustment report (a results command) makes its lines here.
namespace {
const bool s_bAdjustLineMaker = (PointsCommands::pfnNewAdjustLine = [](CBowlingDoc* pDoc, CFixture* pFixture) -> CObject* {
    auto* pLine = new CRepItem_PointsAdjust;
    pLine->m_pDoc = pDoc;
    pLine->m_pFixture = pFixture;
    return pLine;
}, true);
} // namespace
