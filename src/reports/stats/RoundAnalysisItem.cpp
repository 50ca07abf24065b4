#include "reports/stats/RoundAnalysisItem.h"

#include "league/BowlingDoc.h"

#include <vector>
#include "reports/layout/ItemFont.h"
#include "reports/stats/RoundStatisticsDlg.h"
#include "reports/stats/RoundStats.h"

IMPLEMENT_SERIAL(CRepItem_Analysis1, CRepItem, 1)

namespace {

const char kHddrFailure[] = "System Error - Failed to create Hddr font in ri_anal1";
const char kDetsFailure[] = "System Error - Failed to create Dets font in ri_anal1";

struct GeneralLine
{
    const char* pszLabel;
    long CRoundStats::*pFigure;
};

// The general totals; the handicap pins only in a handicap league.
std::vector<GeneralLine> GeneralLines(const CBowlingDoc* pDoc)
{
    std::vector<GeneralLine> lines{{"Total Pins Scratch", &CRoundStats::m_nPinsScratch}};
    if (pDoc && pDoc->m_bHandicapLeague)
        lines.push_back({"Total Pins Handicap", &CRoundStats::m_nPinsHandicap});
    lines.push_back({"Total Games Bowled", &CRoundStats::m_nGamesBowled});
    lines.push_back({"Total Blind Games", &CRoundStats::m_nBlindGames});
    lines.push_back({"Total Defaulted Games", &CRoundStats::m_nDefaultedGames});
    lines.push_back({"Total Composite Games", &CRoundStats::m_nCompositeGames});
    return lines;
}

CString Figure(long n)
{
    CString s;
    s.Format("%ld", n);
    return s;
}

} // namespace

CRepItem_Analysis1::CRepItem_Analysis1()
{
    m_nType = RIT_ANALYSIS;
}

void CRepItem_Analysis1::Serialize(CArchive& ar)
{
    // The record has no type byte of its own.
    if (ar.IsStoring()) {
        ar << m_bAllRoundsToCurrent << m_bCurrentRoundOnly << m_bGeneralStats << m_nLeagueKind << m_nFirstRound
           << m_nLastRound << m_nStyle;
        for (int r = 0; r < ROWS; ++r)
            ar << m_bEnabled[r] << m_nClass[r] << m_nBasis[r] << m_nValueFrom[r] << m_nValueTo[r] << m_nMeasure[r]
               << m_nGroup[r] << m_nStatistic[r];
    } else {
        ar >> m_bAllRoundsToCurrent >> m_bCurrentRoundOnly >> m_bGeneralStats >> m_nLeagueKind >> m_nFirstRound >>
            m_nLastRound >> m_nStyle;
        for (int r = 0; r < ROWS; ++r)
            ar >> m_bEnabled[r] >> m_nClass[r] >> m_nBasis[r] >> m_nValueFrom[r] >> m_nValueTo[r] >> m_nMeasure[r] >>
                m_nGroup[r] >> m_nStatistic[r];
    }
    m_fontDetail.Serialize(ar);
    m_fontHeader.Serialize(ar);
    if (CBowlingDoc::GetFileVersion() > 56) {
        if (ar.IsStoring())
            ar << m_nGap;
        else
            ar >> m_nGap;
    } else if (!ar.IsStoring()) {
        m_nGap = 5;
    }
}

void CRepItem_Analysis1::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    const auto* p = dynamic_cast<const CRepItem_Analysis1*>(&other);
    if (!p)
        return;
    m_bAllRoundsToCurrent = p->m_bAllRoundsToCurrent;
    m_bCurrentRoundOnly = p->m_bCurrentRoundOnly;
    m_bGeneralStats = p->m_bGeneralStats;
    m_nLeagueKind = p->m_nLeagueKind;
    m_nGap = p->m_nGap;
    m_nFirstRound = p->m_nFirstRound;
    m_nLastRound = p->m_nLastRound;
    m_nStyle = p->m_nStyle;
    for (int r = 0; r < ROWS; ++r) {
        m_nValueFrom[r] = p->m_nValueFrom[r];
        m_nValueTo[r] = p->m_nValueTo[r];
        m_bEnabled[r] = p->m_bEnabled[r];
        m_nClass[r] = p->m_nClass[r];
        m_nBasis[r] = p->m_nBasis[r];
        m_nMeasure[r] = p->m_nMeasure[r];
        m_nGroup[r] = p->m_nGroup[r];
        m_nStatistic[r] = p->m_nStatistic[r];
    }
    m_fontHeader.CopyFrom(p->m_fontHeader);
    m_fontDetail.CopyFrom(p->m_fontDetail);
}

CString CRepItem_Analysis1::GetName() const
{
    return "Round Analysis";
}

void CRepItem_Analysis1::ApplyDefaultFonts()
{
    if (!m_pDoc)
        return;
    CopyDefaultFont(m_pDoc, HEADER_FONT, m_fontHeader);
    CopyDefaultFont(m_pDoc, DETAIL_FONT, m_fontDetail);
}

void CRepItem_Analysis1::SetDefaults()
{
    m_bAllRoundsToCurrent = 0;
    m_bCurrentRoundOnly = 1;
    m_bGeneralStats = 1;
    if (m_pDoc && !m_pDoc->HasBothScoringSystems())
        m_nLeagueKind = m_pDoc->m_bHandicapLeague ? 1 : 0;
    m_nFirstRound = m_nLastRound = m_nStyle = 0;
    for (int r = 0; r < ROWS; ++r)
        m_nValueFrom[r] = m_nValueTo[r] = m_bEnabled[r] = m_nClass[r] = m_nBasis[r] = m_nMeasure[r] = m_nGroup[r] =
            m_nStatistic[r] = 0;
    m_bEnabled[0] = 1;
    m_nMeasure[0] = MEASURE_AVERAGE;
    m_nGroup[0] = 3;
    m_nStatistic[0] = STAT_GAMES;
}

void CRepItem_Analysis1::FixRoundSpan()
{
    if (!m_pDoc)
        return;
    const WORD nCurrent = m_pDoc->m_nCurrentRound;
    if (m_bAllRoundsToCurrent) {
        m_nFirstRound = 1;
        m_nLastRound = nCurrent;
    }
    if (m_bCurrentRoundOnly)
        m_nFirstRound = m_nLastRound = nCurrent;
    if (m_nFirstRound == 0)
        m_nFirstRound = 1;
    if (m_nLastRound == 0)
        m_nLastRound = nCurrent;
}

void CRepItem_Analysis1::Expand(CObList& /*list*/)
{
    FixRoundSpan();
}

int CRepItem_Analysis1::CountEnabledRows() const
{
    int n = 0;
    for (BYTE b : m_bEnabled)
        if (b)
            ++n;
    return n;
}

int CRepItem_Analysis1::GeneralLineCount() const
{
    if (!m_bGeneralStats)
        return 0;
    return m_pDoc && m_pDoc->m_bHandicapLeague ? 6 : 5;
}

int CRepItem_Analysis1::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_fontHeader);
    EnsureLineHeight(pDC, m_fontDetail);
    // Whatever the stored style, the rows are drawn in one column; the gap is drawn too.
    int h = m_fontHeader.GetLineHeight(10) + m_fontDetail.GetLineHeight(0) * (CountEnabledRows() + GeneralLineCount());
    if (m_bGeneralStats)
        h -= m_nGap * 1440 / 100;
    return h;
}

CString CRepItem_Analysis1::TitleText() const
{
    CString title;
    title.Format("%s League Statistics for Round %d", m_nLeagueKind == 1 ? "Handicap" : "Scratch", m_nFirstRound);
    if (m_nFirstRound < m_nLastRound) {
        CString more;
        more.Format(" thru Round %d", m_nLastRound);
        title += more;
    }
    return title;
}

void CRepItem_Analysis1::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    EnsureLineHeight(pDC, m_fontHeader);
    EnsureLineHeight(pDC, m_fontDetail);
    CFont fontHeader, fontDetail;
    if (CreateItemFont(fontHeader, m_fontHeader, kHddrFailure))
        pDC->SelectObject(&fontHeader);
    pDC->SetTextColor(m_fontHeader.m_crColour);
    const CString title = TitleText();
    int y = m_y;
    CPoint pt(PAGE_CENTRE - pDC->GetTextExtent(title).cx / 2, y);
    DrawTextClipped(pDC, &pt, title, 0);
    y += m_fontHeader.GetLineHeight(10);

    if (CreateItemFont(fontDetail, m_fontDetail, kDetsFailure))
        pDC->SelectObject(&fontDetail);
    pDC->SetTextColor(m_fontDetail.m_crColour);
    const int nLine = m_fontDetail.GetLineHeight(0);
    const CRoundStats stats(m_pDoc, this);
    if (m_bGeneralStats) {
        for (const GeneralLine& line : GeneralLines(m_pDoc)) {
            pt = CPoint(3456, y);
            DrawTextClipped(pDC, &pt, line.pszLabel, 0);
            pt = CPoint(8064, y);
            DrawTextRightAligned(pDC, &pt, Figure(stats.*line.pFigure), 0);
            y += nLine;
        }
        y -= m_nGap * 1440 / 100;
    }
    for (int r = 0; r < ROWS; ++r) {
        if (!m_bEnabled[r])
            continue;
        pt = CPoint(2880, y);
        DrawTextClipped(pDC, &pt, CRoundStats::RowLabel(*this, r), 0);
        pt = CPoint(8640, y);
        DrawTextRightAligned(pDC, &pt, stats.m_strRow[r], 0);
        y += nLine;
    }
}

void CRepItem_Analysis1::WriteHtml(CStdioFile& file)
{
    file.WriteString("<CENTER><TABLE BORDER=0 COLS=1 WIDTH=100% >");
    file.WriteString("<TR>\n");
    HtmlCellCentre(&file, &m_fontHeader, TitleText());
    file.WriteString("</TR>\n");
    file.WriteString("</TABLE></CENTER>\n");
    const CRoundStats stats(m_pDoc, this);
    file.WriteString("<CENTER><TABLE BORDER=0 COLS=2 WIDTH=50% >");
    if (m_bGeneralStats)
        for (const GeneralLine& line : GeneralLines(m_pDoc)) {
            file.WriteString("<TR>\n");
            // The page has always spelt the last label so.
            HtmlCellLeft(&file, &m_fontDetail,
                         line.pFigure == &CRoundStats::m_nCompositeGames ? "Total Composite games" : line.pszLabel);
            HtmlCellRight(&file, &m_fontDetail, Figure(stats.*line.pFigure));
            file.WriteString("</TR>\n");
        }
    if (CountEnabledRows() > 0) {
        file.WriteString("</TABLE></CENTER>\n");
        file.WriteString("<CENTER><TABLE BORDER=0 COLS=2 WIDTH=80% >");
        for (int r = 0; r < ROWS; ++r) {
            if (!m_bEnabled[r])
                continue;
            file.WriteString("<TR>\n");
            HtmlCellLeft(&file, &m_fontDetail, CRoundStats::RowLabel(*this, r));
            HtmlCellRight(&file, &m_fontDetail, stats.m_strRow[r]);
            file.WriteString("</TR>\n");
        }
    }
    file.WriteString("</TABLE></CENTER>\n");
}

void CRepItem_Analysis1::Edit()
{
    // The dialog writes the league kind and the fonts at once; Cancel puts them back.
    CRepItem_Analysis1 kept;
    kept.CopyFrom(*this);
    CRoundStatisticsDlg dlg(m_pDoc, this);
    if (dlg.DoModal() != IDOK)
        CopyFrom(kept);
}
