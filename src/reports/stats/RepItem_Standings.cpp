#include "reports/stats/RepItem_Standings.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/PointsText.h"
#include "league/Team.h"
#include "reports/layout/ItemText.h"
#include "view/ReportDialogs.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRepItem_Standings, CRepItem, 1)

namespace {

constexpr int LINE = -240;
constexpr int HEADING_GAP = -360;

using ItemText::Left;
using ItemText::Right;

CString Number(long n)
{
    CString s;
    s.Format("%ld", n);
    return s;
}

CString Unsigned(unsigned n)
{
    CString s;
    s.Format("%u", n);
    return s;
}

CString Points(const CBowlingDoc* pDoc, long nValue)
{
    char sz[POINTS_TEXT_SIZE];
    FormatPoints(pDoc, nValue, sz);
    return sz;
}

CString Percent(int nWon, int nLost)
{
    const double dPct = (nWon + nLost) == 0 ? 0.0 : nWon * 100.0 / (static_cast<double>(nWon) + nLost);
    CString s;
    s.Format("%4.1f", dPct);
    return s;
}

// The team's name, drawn and recorded for the view's right-click. A long name is cut short of
// the position that follows it (right-aligned at xNext).
void DrawName(CDC* pDC, CTeam* pTeam, int x, int y, int xNext, const CString& next)
{
    constexpr int kNameGap = 72;
    const int nRoom = std::max(xNext - static_cast<int>(pDC->GetTextExtent(next).cx) - kNameGap - x, 1);
    CPoint pt(x, y);
    DrawTextClipped(pDC, &pt, pTeam->m_strName, nRoom);
    pTeam->AddHitRect(CRect(x, y, x + NAME_RECT_WIDTH, y + LINE));
}

void WriteLine(CStdioFile& file, const char* pszTag)
{
    file.WriteString(pszTag);
    file.WriteString("\n");
}

void PlainCell(CStdioFile& file, const CString& text)
{
    WriteLine(file, "<TD>");
    file.WriteString(HtmlEscape(text));
    WriteLine(file, "</TD>");
}

void PlainHeading(CStdioFile& file, const char* pszText)
{
    WriteLine(file, "<TD>");
    WriteLine(file, "<B>");
    file.WriteString(pszText);
    WriteLine(file, "</B>");
    WriteLine(file, "</TD>");
}

} // namespace

CRepItem_Standings::CRepItem_Standings() : m_nStyle(styleRegular), m_bHandicap(0)
{
    m_nType = RIT_STANDINGS;
}

void CRepItem_Standings::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nStyle << m_bHandicap;
    else
        ar >> m_nStyle >> m_bHandicap;
}

void CRepItem_Standings::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (other.IsKindOf(RUNTIME_CLASS(CRepItem_Standings))) {
        const auto& o = static_cast<const CRepItem_Standings&>(other);
        m_nStyle = o.m_nStyle;
        m_bHandicap = o.m_bHandicap;
    }
}

CString CRepItem_Standings::GetName() const
{
    return "Standings";
}

int CRepItem_Standings::GetHeight(CDC* /*pDC*/)
{
    int nTeams = 0, nDivisions = 0;
    if (m_pDoc) {
        nTeams = m_pDoc->m_nTeams;
        nDivisions = m_pDoc->m_bDivisions ? m_pDoc->m_nDivisions : 0;
    }
    const int nLines = nDivisions != 0 ? nTeams + nDivisions + 2 : nTeams + 3;
    return nLines * LINE - 72;
}

void CRepItem_Standings::BeforeLayout()
{
    if (!m_pDoc)
        return;
    if (!m_pDoc->m_bHandicapLeague)
        m_bHandicap = 0;
    if (!m_pDoc->m_bScratchLeague)
        m_bHandicap = 1;
}

void CRepItem_Standings::Edit()
{
    CSelectStandingReportDlg dlg(m_pDoc);
    dlg.m_nStyle = m_nStyle;
    dlg.m_nHandicap = m_bHandicap ? 1 : 0;
    dlg.DoModal();  // OK is its only button
    if (dlg.m_nStyle >= 0 && dlg.m_nStyle <= styleCombined)
        m_nStyle = static_cast<BYTE>(dlg.m_nStyle);
    m_bHandicap = dlg.m_nHandicap == 1 ? 1 : 0;
}

// ------------------------------------------------------------------ figures

BOOL CRepItem_Standings::ShowsHandicapPins() const
{
    if (!m_bHandicap)
        return FALSE;
    for (int k = 0; k < 3; ++k)
        if (m_pDoc->GetStandingsCriterion(TRUE, k) == 6)
            return TRUE;
    return FALSE;
}

CRepItem_Standings::Figures CRepItem_Standings::GetFigures(const CTeam* pTeam) const
{
    Figures f;
    if (ShowsHandicapPins())
        f.nPins = static_cast<long>(pTeam->m_nPins[PASS_HANDICAP]);
    else if (!m_bHandicap && m_pDoc->m_bScratchLeague)
        f.nPins = static_cast<long>(pTeam->m_nPins[PASS_SCRATCH]);
    else
        f.nPins = static_cast<long>(pTeam->m_nHcpScrPins);
    f.nGames = pTeam->m_nGames[m_bHandicap ? PASS_HANDICAP : PASS_SCRATCH];
    f.nAverage = (f.nPins == 0 || f.nGames == 0) ? 0u : static_cast<unsigned>(f.nPins / f.nGames);
    return f;
}

int CRepItem_Standings::CountListedTeams() const
{
    int nTeams = 0;
    for (POSITION pos = m_pDoc->m_listTeams.GetHeadPosition(); pos;)
        if (!static_cast<const CTeam*>(m_pDoc->m_listTeams.GetNext(pos))->IsRemoved())
            ++nTeams;
    return nTeams;
}

CString CRepItem_Standings::GetRoundDate() const
{
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        const CFixture* pFixture = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        if (pFixture->m_nRound == m_pDoc->m_nCurrentRound)
            return pFixture->m_timeDue.Format("%d %b %y");
    }
    // No match in the current round: no date rather than another round's.
    return "";
}

CString CRepItem_Standings::GetHeading() const
{
    if (!m_pDoc)
        return "";
    const CBowlingDoc& doc = *m_pDoc;
    const CString strDate = GetRoundDate();
    const char* pszKind = m_bHandicap ? "Handicap" : "Scratch";
    const int nRound = doc.m_nCurrentRound;
    const int nRounds = doc.m_nRounds;
    CString s;
    if (m_nStyle == stylePyramid) {
        if (doc.m_bAllResultsEntered)
            s.Format("Final Pyramid %s Standings on %s", pszKind, strDate.GetString());
        else
            s.Format("Pyramid %s Standings after Round %d of %d on %s", pszKind, nRound, nRounds, strDate.GetString());
        return s;
    }
    const bool bCombined = m_nStyle == styleCombined;
    const bool bFinal = doc.AreStandingsFinal() != FALSE;
    if (!doc.m_bSplitsActive) {
        if (bFinal) {
            if (bCombined)
                s.Format("Final Combined Standings. - %s", strDate.GetString());
            else
                s.Format("Final %s Standings. - %s", pszKind, strDate.GetString());
        } else if (bCombined) {
            s.Format("Combined Standings after Round %d of %d on %s", nRound, nRounds, strDate.GetString());
        } else {
            s.Format("%s Standings after Round %d of %d on %s", pszKind, nRound, nRounds, strDate.GetString());
        }
        return s;
    }
    const int nSplit = static_cast<int>(doc.m_nCurrentSplit);
    const int nSplits = static_cast<int>(doc.m_nSplitCount);
    if (bFinal) {
        if (bCombined)
            s.Format("Final Combined Standings. Split %d of %d on %s", nSplit, nSplits, strDate.GetString());
        else
            s.Format("Final %s Standings. Split %d of %d on %s", pszKind, nSplit, nSplits, strDate.GetString());
    } else if (bCombined) {
        s.Format("Combined Standings after Round %d of %d. Split %d of %d on  %s", nRound, nRounds, nSplit, nSplits,
                 strDate.GetString());
    } else {
        s.Format("%s Standings after Round %d of %d. Split %d of %d on  %s", pszKind, nRound, nRounds, nSplit, nSplits,
                 strDate.GetString());
    }
    return s;
}

void CRepItem_Standings::Rank() const
{
    switch (m_nStyle) {
    case styleRegular: m_pDoc->CalcStandingsPositions(); break;
    case styleCombined: m_pDoc->CalcCombinedStandings(0); break;
    case stylePyramid:
        if (m_bHandicap)
            m_pDoc->RankTeamsByPyramidHandicap();
        else
            m_pDoc->RankTeamsByPyramidScratch();
        break;
    default: break;
    }
}

CTeam* CRepItem_Standings::TeamAt(int nPosition, BOOL bMayReport) const
{
    const WORD nPlace = static_cast<WORD>(nPosition);
    CTeam* pTeam = nullptr;
    WORD CTeam::*pField = &CTeam::m_nRankPosition;
    if (m_nStyle == styleRegular) {
        pField = m_bHandicap ? &CTeam::m_nHcpPosition : &CTeam::m_nScrPosition;
        if (m_bHandicap)
            pTeam = m_pDoc->FindTeamByHcpPosition(nPlace);
        else if (bMayReport)
            pTeam = m_pDoc->FindTeamByScratchPosition(nPlace);  // says so once when a place is missing
        else {
            // While painting nothing may ask for attention: look without the message.
            for (POSITION pos = m_pDoc->m_listTeams.GetHeadPosition(); pos && !pTeam;) {
                CTeam* p = static_cast<CTeam*>(m_pDoc->m_listTeams.GetNext(pos));
                if (p->m_nScrPosition == nPlace)
                    pTeam = p;
            }
        }
    } else {
        pTeam = m_pDoc->FindTeamByRankPosition(nPlace);
    }
    // The look-ups fall back to the last team of the list: never print a team at a place it
    // does not hold.
    return pTeam && pTeam->*pField == nPlace ? pTeam : nullptr;
}

// ------------------------------------------------------------------ drawing

void CRepItem_Standings::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc)
        return;
    m_pDoc->m_bHandicapPass = m_bHandicap ? PASS_HANDICAP : PASS_SCRATCH;
    switch (m_nStyle) {
    case styleRegular: DrawRegular(pDC); break;
    case stylePyramid: DrawPyramid(pDC); break;
    case styleCombined: DrawCombined(pDC); break;
    default: break;  // a damaged style byte draws nothing
    }
}

namespace {

// Selects the stock bold font for the heading and column headings and puts the old font back
// at the end.
class CStandingsFonts
{
public:
    explicit CStandingsFonts(CDC* pDC) : m_pDC(pDC), m_pFonts(GetStockFonts(pDC))
    {
        m_pOld = pDC->SelectObject(&m_pFonts->m_fontLargeBold);
    }
    ~CStandingsFonts() { m_pDC->SelectObject(m_pOld); }
    CStandingsFonts(const CStandingsFonts&) = delete;
    CStandingsFonts& operator=(const CStandingsFonts&) = delete;
    void Rows() { m_pDC->SelectObject(&m_pFonts->m_fontLarge); }

private:
    CDC* m_pDC;
    CStockFonts* m_pFonts;
    CFont* m_pOld;
};

void DrawHeadingLine(CDC* pDC, const CString& heading, int y)
{
    const CSize size = pDC->GetTextExtent(heading, heading.GetLength());
    Left(pDC, PAGE_CENTRE - size.cx / 2, y, heading);
}

// Where the regular and the combined table put pins, average and games; the highs stand at
// the same places in both, the handicap highs in handicap standings only.
struct FigureColumns
{
    int xPins;
    int xAverage;
    int xGames;
};

void DrawFigureHeadings(CDC* pDC, const FigureColumns& at, int dx, int y, BOOL bHcpPins, BOOL bHcp)
{
    Right(pDC, at.xPins + dx, y, bHcpPins ? "Pins(H)" : "Pins(S)");
    Right(pDC, at.xAverage + dx, y, bHcpPins ? "Av(H)" : "Av(S)");
    Right(pDC, at.xGames + dx, y, "Gms");
    Right(pDC, 8496 + dx, y, "HGS");
    Right(pDC, 9216 + dx, y, "HSS");
    if (bHcp) {
        Right(pDC, 10080, y, "HGH");
        Right(pDC, 10800, y, "HSH");
    }
}

template <class Figs>
void DrawFigures(CDC* pDC, const FigureColumns& at, int dx, int y, const Figs& f, const CTeam* pTeam, BOOL bHcp)
{
    Right(pDC, at.xPins + dx, y, Number(f.nPins));
    Right(pDC, at.xAverage + dx, y, Unsigned(f.nAverage));
    Right(pDC, at.xGames + dx, y, Number(f.nGames));
    Right(pDC, 8496 + dx, y, Unsigned(pTeam->m_nHighGame[PASS_SCRATCH]));
    Right(pDC, 9216 + dx, y, Unsigned(pTeam->m_nHighSeries[PASS_SCRATCH]));
    if (bHcp) {
        Right(pDC, 10080, y, Unsigned(pTeam->m_nHighGame[PASS_HANDICAP]));
        Right(pDC, 10800, y, Unsigned(pTeam->m_nHighSeries[PASS_HANDICAP]));
    }
}

} // namespace

void CRepItem_Standings::DrawRegular(CDC* pDC)
{
    CBowlingDoc& doc = *m_pDoc;
    Rank();
    const BOOL bHcp = m_bHandicap != 0;
    const int dx = bHcp ? 0 : 1008;
    const BOOL bHcpPins = ShowsHandicapPins();
    const int pass = bHcp ? PASS_HANDICAP : PASS_SCRATCH;
    static constexpr FigureColumns kRegular{5472, 6480, 7344};

    CStandingsFonts fonts(pDC);
    int y = m_y;
    DrawHeadingLine(pDC, GetHeading(), y);
    y += HEADING_GAP;
    Left(pDC, 720 + dx, y, "Team");
    Right(pDC, 3600 + dx, y, "Pos");
    Right(pDC, 4464 + dx, y, "Points");
    DrawFigureHeadings(pDC, kRegular, dx, y, bHcpPins, bHcp);
    y += LINE;
    fonts.Rows();

    int nDivision = 1;
    const int nTeams = CountListedTeams();
    for (int nPos = 1; nPos <= nTeams; ++nPos, y += LINE) {
        CTeam* pTeam = TeamAt(nPos, FALSE);
        if (!pTeam)
            continue;
        if (doc.m_bDivisions && pTeam->m_nDivision != nDivision) {
            y += LINE;
            nDivision = pTeam->m_nDivision;
        }
        DrawName(pDC, pTeam, 720 + dx, y, 3600 + dx, Number(nPos));
        Right(pDC, 3600 + dx, y, Number(nPos));
        Right(pDC, 4464 + dx, y, Points(&doc, pTeam->m_nPointsWon[pass]));
        DrawFigures(pDC, kRegular, dx, y, GetFigures(pTeam), pTeam, bHcp);
    }
}

void CRepItem_Standings::DrawCombined(CDC* pDC)
{
    CBowlingDoc& doc = *m_pDoc;
    Rank();
    const BOOL bHcp = m_bHandicap != 0;
    const int dx = bHcp ? 0 : 1008;
    const BOOL bHcpPins = ShowsHandicapPins();
    static constexpr FigureColumns kCombined{6336, 7056, 7632};

    CStandingsFonts fonts(pDC);
    int y = m_y;
    DrawHeadingLine(pDC, GetHeading(), y);
    y += HEADING_GAP;
    Left(pDC, 720 + dx, y, "Team");
    Right(pDC, 3312 + dx, y, "Pos");
    Right(pDC, 4032 + dx, y, "Won");
    Right(pDC, 4752 + dx, y, "Lost");
    Right(pDC, 5472 + dx, y, "Pct");
    DrawFigureHeadings(pDC, kCombined, dx, y, bHcpPins, bHcp);
    y += LINE;
    fonts.Rows();

    const int nTeams = CountListedTeams();
    for (int nPos = 1; nPos <= nTeams; ++nPos, y += LINE) {
        CTeam* pTeam = TeamAt(nPos, FALSE);
        if (!pTeam)
            continue;
        const int nWon = pTeam->m_nPointsWon[PASS_SCRATCH] + pTeam->m_nPointsWon[PASS_HANDICAP];
        const int nLost = pTeam->m_nPointsLost[PASS_SCRATCH] + pTeam->m_nPointsLost[PASS_HANDICAP];
        DrawName(pDC, pTeam, 720 + dx, y, 3312 + dx, Number(nPos));
        Right(pDC, 3312 + dx, y, Number(nPos));
        Right(pDC, 4032 + dx, y, Points(&doc, nWon));
        Right(pDC, 4752 + dx, y, Points(&doc, nLost));
        Right(pDC, 5472 + dx, y, Percent(nWon, nLost));
        DrawFigures(pDC, kCombined, dx, y, GetFigures(pTeam), pTeam, bHcp);
    }
}

void CRepItem_Standings::DrawPyramid(CDC* pDC)
{
    CBowlingDoc& doc = *m_pDoc;
    Rank();
    const int pass = m_bHandicap ? PASS_HANDICAP : PASS_SCRATCH;

    CStandingsFonts fonts(pDC);
    int y = m_y;
    DrawHeadingLine(pDC, GetHeading(), y);
    y += HEADING_GAP;
    Left(pDC, 3800, y, "Team");
    Right(pDC, 5800, y, "Pos");
    Right(pDC, 6800, y, "Points");
    Right(pDC, 7800, y, "Games");
    y += LINE;
    fonts.Rows();

    const int nTeams = CountListedTeams();
    for (int nPos = 1; nPos <= nTeams; ++nPos, y += LINE) {
        CTeam* pTeam = TeamAt(nPos, FALSE);
        if (!pTeam)
            continue;
        DrawName(pDC, pTeam, 3800, y, 5800, Number(nPos));
        Right(pDC, 5800, y, Number(nPos));
        Right(pDC, 6800, y, Points(&doc, pTeam->m_nPyramidWon[pass]));
        Right(pDC, 7800, y, Unsigned(pTeam->m_nGames[pass]));
    }
}

// ------------------------------------------------------------------ HTML

void CRepItem_Standings::WriteHtml(CStdioFile& file)
{
    if (!m_pDoc)
        return;
    m_pDoc->m_bHandicapPass = m_bHandicap ? PASS_HANDICAP : PASS_SCRATCH;
    switch (m_nStyle) {
    case styleRegular: WriteRegularHtml(file); break;
    case stylePyramid: WritePyramidHtml(file); break;
    case styleCombined: WriteCombinedHtml(file); break;
    default: break;
    }
}

namespace {
const char* TableTag(BOOL bHandicap)
{
    return bHandicap ? "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=100% ALIGN=center>"
                     : "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=90% ALIGN=center>";
}

// The headings after Pos and Team in both pages of points and figures.
template <class Cell>
void FigureHeadingCells(BOOL bHcpPins, BOOL bHcp, Cell cell)
{
    for (const char* pszHeading : {"Won", "Lost", bHcpPins ? "Pins(H)" : "Pins(S)", "Gms", bHcpPins ? "Av(H)" : "Av(S)",
                                   "HGS", "HSS"})
        cell(pszHeading);
    if (bHcp) {
        cell("HGH");
        cell("HSH");
    }
}

// A row's cells after its points.
template <class Figs, class Cell>
void FigureCells(const Figs& f, const CTeam* pTeam, BOOL bHcp, Cell cell)
{
    cell(Number(f.nPins));
    cell(Number(f.nGames));
    cell(Unsigned(f.nAverage));
    cell(Unsigned(pTeam->m_nHighGame[PASS_SCRATCH]));
    cell(Unsigned(pTeam->m_nHighSeries[PASS_SCRATCH]));
    if (bHcp) {
        cell(Unsigned(pTeam->m_nHighGame[PASS_HANDICAP]));
        cell(Unsigned(pTeam->m_nHighSeries[PASS_HANDICAP]));
    }
}
} // namespace

void CRepItem_Standings::WriteRegularHtml(CStdioFile& file)
{
    CBowlingDoc& doc = *m_pDoc;
    Rank();
    const BOOL bHcp = m_bHandicap != 0;
    const BOOL bHcpPins = ShowsHandicapPins();
    const int pass = bHcp ? PASS_HANDICAP : PASS_SCRATCH;
    const CFontData* pHead = doc.GetDefaultFont(1);
    const CFontData* pRow = doc.GetDefaultFont(0);

    CRepItem::HtmlDivCentre(&file, pHead, GetHeading());
    WriteLine(file, TableTag(bHcp));
    WriteLine(file, "<TR>");
    CRepItem::HtmlCellCentre(&file, pHead, "Pos");
    CRepItem::HtmlCellLeft(&file, pHead, "Team");
    FigureHeadingCells(bHcpPins, bHcp, [&](const char* psz) { CRepItem::HtmlCellRight(&file, pHead, psz); });
    WriteLine(file, "</TR>");

    const int nTeams = CountListedTeams();
    for (int nPos = 1; nPos <= nTeams; ++nPos) {
        const CTeam* pTeam = TeamAt(nPos, TRUE);
        if (!pTeam)
            continue;
        WriteLine(file, "<TR>");
        CRepItem::HtmlCellCentre(&file, pRow, Number(nPos));
        CRepItem::HtmlCellLeft(&file, pRow, pTeam->m_strName);
        CRepItem::HtmlCellRight(&file, pRow, Points(&doc, pTeam->m_nPointsWon[pass]));
        CRepItem::HtmlCellRight(&file, pRow, Points(&doc, pTeam->m_nPointsLost[pass]));
        FigureCells(GetFigures(pTeam), pTeam, bHcp,
                    [&](const CString& text) { CRepItem::HtmlCellRight(&file, pRow, text); });
        WriteLine(file, "</TR>");
    }
    WriteLine(file, "</TABLE></CENTER>");
}

void CRepItem_Standings::WriteCombinedHtml(CStdioFile& file)
{
    CBowlingDoc& doc = *m_pDoc;
    Rank();
    const BOOL bHcp = m_bHandicap != 0;
    const BOOL bHcpPins = ShowsHandicapPins();

    file.WriteString("<CENTER><H2>");
    file.WriteString(HtmlEscape(GetHeading()));
    WriteLine(file, "</H2></CENTER>");
    WriteLine(file, TableTag(bHcp));
    WriteLine(file, "<TR>");
    PlainHeading(file, "Pos");
    PlainHeading(file, "Team");
    FigureHeadingCells(bHcpPins, bHcp, [&](const char* psz) { PlainHeading(file, psz); });
    WriteLine(file, "</TR>");

    const int nTeams = CountListedTeams();
    for (int nPos = 1; nPos <= nTeams; ++nPos) {
        const CTeam* pTeam = TeamAt(nPos, TRUE);
        if (!pTeam)
            continue;
        const int nWon = pTeam->m_nPointsWon[PASS_SCRATCH] + pTeam->m_nPointsWon[PASS_HANDICAP];
        const int nLost = pTeam->m_nPointsLost[PASS_SCRATCH] + pTeam->m_nPointsLost[PASS_HANDICAP];
        WriteLine(file, "<TR>");
        PlainCell(file, Number(nPos));
        PlainCell(file, pTeam->m_strName);
        PlainCell(file, Points(&doc, nWon));
        PlainCell(file, Points(&doc, nLost));
        FigureCells(GetFigures(pTeam), pTeam, bHcp, [&](const CString& text) { PlainCell(file, text); });
        WriteLine(file, "</TR>");
    }
    WriteLine(file, "</TABLE></CENTER>");
}

void CRepItem_Standings::WritePyramidHtml(CStdioFile& file)
{
    CBowlingDoc& doc = *m_pDoc;
    Rank();
    const int pass = m_bHandicap ? PASS_HANDICAP : PASS_SCRATCH;

    file.WriteString("<CENTER><H2>");
    file.WriteString(HtmlEscape(GetHeading()));
    WriteLine(file, "</H2></CENTER>");
    WriteLine(file, "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=70% ALIGN=center>");
    WriteLine(file, "<TR>");
    for (const char* pszHeading : {"Pos", "Team", "Pts", "Gms"})
        PlainHeading(file, pszHeading);
    WriteLine(file, "</TR>");

    const int nTeams = CountListedTeams();
    for (int nPos = 1; nPos <= nTeams; ++nPos) {
        const CTeam* pTeam = TeamAt(nPos, TRUE);
        if (!pTeam)
            continue;
        WriteLine(file, "<TR>");
        PlainCell(file, Number(nPos));
        PlainCell(file, pTeam->m_strName);
        PlainCell(file, Points(&doc, pTeam->m_nPyramidWon[pass]));
        PlainCell(file, Number(pTeam->m_nGames[pass]));
        WriteLine(file, "</TR>");
    }
    WriteLine(file, "</TABLE></CENTER>");
}
