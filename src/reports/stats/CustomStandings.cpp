#include "reports/stats/CustomStandings.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "reports/stats/CustomStandingsDesignerDlg.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRepItem_CustomStandings, CRepItem, 1)

void RegisterReportStatsItems()
{
    CRuntimeClass::Register(RUNTIME_CLASS(CRepItem_CustomItem));
    CRuntimeClass::Register(RUNTIME_CLASS(CRepItem_CustomStandings));
}

namespace {
constexpr int kRowExtra = 10;
constexpr int kHeaderExtra = 20;
constexpr int kTitleExtra = 50;
} // namespace

CRepItem_CustomStandings::CRepItem_CustomStandings()
    : m_nPosition(0), m_bDesignPending(0), m_bDivisionBreak(0), m_dwReserved1(0), m_dwReserved2(0), m_crFirst(0),
      m_crSecond(0), m_crThird(0), m_pTeam(nullptr), m_wKind(0)
{
    m_nType = RIT_CUSTOM_STANDINGS;
}

CRepItem_CustomStandings::~CRepItem_CustomStandings()
{
    DeleteColumns();
}

void CRepItem_CustomStandings::DeleteColumns()
{
    for (CRepItem_CustomItem* p : m_arrColumns)
        delete p;
    m_arrColumns.clear();
}

void CRepItem_CustomStandings::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_wKind << m_dwReserved1 << m_dwReserved2 << static_cast<DWORD>(m_crFirst)
           << static_cast<DWORD>(m_crSecond) << static_cast<DWORD>(m_crThird);
        ar.WriteCount(static_cast<DWORD>(m_arrColumns.size()));
        for (CRepItem_CustomItem* p : m_arrColumns)
            ar.WriteObject(p);
    } else {
        DWORD cr1 = 0, cr2 = 0, cr3 = 0;
        ar >> m_wKind >> m_dwReserved1 >> m_dwReserved2 >> cr1 >> cr2 >> cr3;
        m_crFirst = cr1;
        m_crSecond = cr2;
        m_crThird = cr3;
        DeleteColumns();
        DWORD n = ar.ReadCount(2);
        for (DWORD i = 0; i < n; ++i) {
            // The archive refuses any other class here; what was read so far is ours to delete.
            CObject* pOb = ar.ReadOwnedObject(RUNTIME_CLASS(CRepItem_CustomItem));
            auto* pColumn = dynamic_cast<CRepItem_CustomItem*>(pOb);
            if (!pColumn) {
                delete pOb;
                throw CArchiveException(CArchiveException::badClass, "A custom standings column is damaged.");
            }
            pColumn->m_pDoc = m_pDoc;
            m_arrColumns.push_back(pColumn);
        }
    }
    m_fontHeading.Serialize(ar);
    m_fontDetail.Serialize(ar);
}

void CRepItem_CustomStandings::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    const auto* p = dynamic_cast<const CRepItem_CustomStandings*>(&other);
    if (!p || p == this)
        return;
    m_pTeam = p->m_pTeam;
    m_wKind = p->m_wKind;
    m_crFirst = p->m_crFirst;
    m_crSecond = p->m_crSecond;
    m_crThird = p->m_crThird;
    m_strTitle = p->m_strTitle;
    m_nPosition = p->m_nPosition;
    m_bDesignPending = p->m_bDesignPending;
    m_bDivisionBreak = p->m_bDivisionBreak;
    m_fontHeading.CopyFrom(p->m_fontHeading);
    m_fontDetail.CopyFrom(p->m_fontDetail);
    DeleteColumns();
    for (const CRepItem_CustomItem* pColumn : p->m_arrColumns) {
        auto* pCopy = new CRepItem_CustomItem;
        pCopy->CopyFrom(*pColumn);
        m_arrColumns.push_back(pCopy);
    }
}

CString CRepItem_CustomStandings::GetStandingsKindName() const
{
    static const char* const names[] = {"Handicap", "Scratch", "Combined", "Pyramid Scratch", "Pyramid Handicap"};
    int n = GetStandingsKind();
    return n < 5 ? names[n] : "";
}

int CRepItem_CustomStandings::GetTotalWidth() const
{
    int n = 0;
    for (const CRepItem_CustomItem* p : m_arrColumns)
        n += p->m_nWidth;
    return n;
}

void CRepItem_CustomStandings::ApplyDefaultFonts()
{
    if (!m_pDoc)
        return;
    CFontData* pHeading = m_pDoc->GetDefaultFont(HEADING_FONT);
    CFontData* pDetail = m_pDoc->GetDefaultFont(DETAIL_FONT);
    if (pHeading && pDetail) {
        m_fontHeading.CopyFrom(*pHeading);
        m_fontDetail.CopyFrom(*pDetail);
    }
}

void CRepItem_CustomStandings::SetDefaults()
{
    m_bDesignPending = 1;
    BOOL bScratchOnly = m_pDoc && m_pDoc->m_bScratchLeague && !m_pDoc->m_bHandicapLeague;
    SetStandingsKind(bScratchOnly ? SK_SCRATCH : SK_HANDICAP);
    SetDefaultDesign();
}

void CRepItem_CustomStandings::SetDefaultDesign()
{
    if (!m_bDesignPending)
        return;
    m_bDesignPending = 0;
    DeleteColumns();
    m_crFirst = RGB(128, 0, 0);
    m_crSecond = RGB(0, 0, 128);
    m_crThird = RGB(0, 128, 0);
    for (CFontData* pFont : {&m_fontHeading, &m_fontDetail}) {
        pFont->m_nScreenHeight = -15;
        pFont->m_nPrinterHeight = -220;
        pFont->m_nPointSize = 11;
        pFont->m_nLineHeight = 0;   // learnt again at the new size
    }
    m_fontHeading.m_bBold = 1;
    m_fontDetail.m_bBold = 0;

    struct ColumnDesign
    {
        BYTE nType;
        WORD nWidth;
        BYTE nJustify;
        const char* pszTitle;
    };
    const BYTE L = CRepItem_CustomItem::JUSTIFY_LEFT;
    const BYTE C = CRepItem_CustomItem::JUSTIFY_CENTRE;
    const BYTE R = CRepItem_CustomItem::JUSTIFY_RIGHT;
    static const ColumnDesign scratch[] = {
        {CC_POSITION, 40, L, "Pos"}, {CC_SPACE, 10, L, ""},         {CC_TEAM_NAME, 190, L, "Name"},
        {CC_POINTS_WON, 50, C, "Won"}, {CC_POINTS_LOST, 50, C, "Lost"}, {CC_GAMES, 50, C, "Gms"},
        {CC_SPACE, 70, R, ""},       {CC_SCRATCH_PINS, 60, R, "Pins"}, {CC_SPACE, 50, R, ""},
        {CC_HIGH_GAME_SCR, 40, R, "Hgs"}, {CC_SPACE, 50, R, ""},    {CC_HIGH_SERIES_SCR, 40, R, "Hss"},
    };
    // The scratch high game and series follow their handicap figures: a four-figure game or
    // series needs half an inch to stand clear of the one before (the name gives the room).
    static const ColumnDesign handicap[] = {
        {CC_POSITION, 40, L, "Pos"},     {CC_SPACE, 10, L, ""},           {CC_TEAM_NAME, 170, L, "Name"},
        {CC_POINTS_WON, 50, C, "Won"},   {CC_POINTS_LOST, 50, C, "Lost"}, {CC_GAMES, 50, C, "Gms"},
        {CC_HCP_PINS, 70, R, "PinsH"},   {CC_SCRATCH_PINS, 60, R, "PinsS"}, {CC_HIGH_GAME_HCP, 50, R, "Hgh"},
        {CC_HIGH_GAME_SCR, 50, R, "Hgs"}, {CC_HIGH_SERIES_HCP, 50, R, "Hsh"}, {CC_HIGH_SERIES_SCR, 50, R, "Hss"},
    };
    for (const ColumnDesign& d : IsScratch() ? scratch : handicap) {
        auto* p = new CRepItem_CustomItem;
        p->m_nColumnType = d.nType;
        p->m_nWidth = d.nWidth;
        p->m_nJustify = d.nJustify;
        p->m_strTitle = d.pszTitle;
        p->m_pDoc = m_pDoc;
        m_arrColumns.push_back(p);
    }
}

void CRepItem_CustomStandings::Expand(CObList& list)
{
    if (!m_pDoc)
        return;
    CBowlingDoc* pDoc = m_pDoc;
    WORD CTeam::*pPosition = &CTeam::m_nRankPosition;
    switch (GetStandingsKind()) {
    case SK_SCRATCH:
        pDoc->m_bHandicapPass = PASS_SCRATCH;
        pDoc->CalcScratchStandings();
        pPosition = &CTeam::m_nScrPosition;
        break;
    case SK_COMBINED:
        pDoc->CalcCombinedStandings(m_wKind & 0x0F00);
        break;
    case SK_PYRAMID_SCRATCH:
        pDoc->m_bHandicapPass = PASS_SCRATCH;
        pDoc->RankTeamsByPyramidScratch();
        break;
    case SK_PYRAMID_HANDICAP:
        pDoc->m_bHandicapPass = PASS_HANDICAP;
        pDoc->RankTeamsByPyramidHandicap();
        break;
    default:
        pDoc->m_bHandicapPass = PASS_HANDICAP;
        pDoc->CalcHandicapStandings();
        pPosition = &CTeam::m_nHcpPosition;
        break;
    }
    // Only a team that holds the position gets its row: a gap in the ranking shows no row
    // rather than some other team twice.
    auto lookup = [&](int nPosition) -> CTeam* {
        for (POSITION pos = pDoc->m_listTeams.GetHeadPosition(); pos;) {
            auto* pTeam = static_cast<CTeam*>(pDoc->m_listTeams.GetNext(pos));
            if (pTeam->*pPosition == nPosition)
                return pTeam;
        }
        return nullptr;
    };

    CTeam* pFirst = lookup(1);
    int nDivision = pFirst ? pFirst->m_nDivision : 0;
    int nRows = pDoc->m_listTeams.GetCount() - pDoc->m_nExtraTeams;
    for (int p = 1; p <= nRows; ++p) {
        CTeam* pTeam = lookup(p);
        if (!pTeam)
            continue;
        auto* pRow = new CRepItem_CustomStandings;
        pRow->CopyFrom(*this);
        pRow->m_pDoc = pDoc;
        pRow->m_nPosition = p;
        pRow->m_bTemporary = TEMP_SHOWING;
        pRow->m_bDivisionBreak = 0;
        pRow->m_pTeam = pTeam;
        if (pDoc->m_bDivisions && pTeam->m_nDivision != nDivision) {
            pRow->m_bDivisionBreak = 1;
            nDivision = pTeam->m_nDivision;
        }
        if (pTeam->IsBye())
            delete pRow;
        else
            list.AddTail(pRow);
    }
}

BOOL CRepItem_CustomStandings::IsOmittedRow() const
{
    return m_pTeam && m_pTeam->m_bOmitStandings;
}

int CRepItem_CustomStandings::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_fontDetail);
    EnsureLineHeight(pDC, m_fontHeading);
    if (IsOmittedRow())
        return 0;
    if (IsRow()) {
        int h = m_fontDetail.GetLineHeight(kRowExtra);
        return m_bDivisionBreak ? 2 * h : h;
    }
    return m_fontHeading.GetLineHeight(kHeaderExtra) + m_fontHeading.GetLineHeight(kTitleExtra);
}

CString CRepItem_CustomStandings::GetTitleText() const
{
    if (!m_pDoc)
        return CString();
    const CBowlingDoc& d = *m_pDoc;
    // The date of the current round's first match, else of the last match; none without one.
    CString date;
    const CFixture* pFixture = nullptr;
    for (POSITION pos = d.m_listFixtures.GetHeadPosition(); pos;) {
        pFixture = static_cast<const CFixture*>(d.m_listFixtures.GetNext(pos));
        if (pFixture->m_nRound == d.m_nCurrentRound)
            break;
    }
    if (pFixture)
        date = pFixture->m_timeDue.Format("%d %b %y");

    CString kind = GetStandingsKindName();
    CString s;
    const BOOL bFinal = d.AreStandingsFinal();
    if (!d.m_bSplitsActive) {
        if (bFinal)
            s.Format("Final %s Standings. - %s", kind.GetString(), date.GetString());
        else
            s.Format("%s Standings after Round %d of %d on %s", kind.GetString(), d.m_nCurrentRound, d.m_nRounds,
                     date.GetString());
        return s;
    }
    if (bFinal)
        s.Format("Final %s Standings. Split %lu of %lu on %s", kind.GetString(),
                 static_cast<unsigned long>(d.m_nCurrentSplit), static_cast<unsigned long>(d.m_nSplitCount),
                 date.GetString());
    else
        s.Format("%s Standings after Round %d of %d. Split %lu of %lu on  %s", kind.GetString(), d.m_nCurrentRound,
                 d.m_nRounds, static_cast<unsigned long>(d.m_nCurrentSplit),
                 static_cast<unsigned long>(d.m_nSplitCount), date.GetString());
    return s;
}

int CRepItem_CustomStandings::GetPlace() const
{
    int p = m_nPosition;
    if (m_pDoc && m_pDoc->m_bDivisions && m_pTeam && m_pTeam->m_nDivision < 16)
        p -= m_pDoc->m_nDivisionOffset[m_pTeam->m_nDivision];
    return p;
}

void CRepItem_CustomStandings::PrepareColumn(CRepItem_CustomItem& column, int x, int y, CFont* pFont) const
{
    column.m_font.CopyFrom(IsRow() ? m_fontDetail : m_fontHeading);
    column.m_x = x;
    column.m_y = y;
    if (IsRow() && m_bDivisionBreak)
        column.m_y += column.m_font.GetLineHeight(kRowExtra);
    if (!column.m_pDoc)
        column.m_pDoc = m_pDoc;
    column.m_bHeader = IsRow() ? 0 : 1;
    column.m_nKind = static_cast<BYTE>(m_wKind & 0xFF);
    column.m_nPosition = m_nPosition;
    column.m_pTeam = m_pTeam;
    column.m_pFontObject = pFont;
    if (IsRow()) {
        switch (GetPlace()) {
        case 1: column.m_font.m_crColour = m_crFirst; break;
        case 2: column.m_font.m_crColour = m_crSecond; break;
        case 3: column.m_font.m_crColour = m_crThird; break;
        default: break;
        }
    }
}

void CRepItem_CustomStandings::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    const bool bPrinting = pDC->IsPrinting() != FALSE;
    CFont fontHeading;
    CFont fontDetail;
    CreateItemFont(fontHeading, m_fontHeading,
                   bPrinting ? "Major system error. Unable to create printer Font for Custom Standings Hddr."
                             : "Major system error. Unable to create screen Font for Custom Standings Hddr.");
    CreateItemFont(fontDetail, m_fontDetail,
                   bPrinting ? "Major system error. Unable to create printer Font for Custom Standings Dets."
                             : "Major system error. Unable to create screen Font for Custom Standings Dets.");
    CItemDrawState state(pDC);
    int x = m_x;
    int y = m_y;
    if (!IsRow()) {
        pDC->SetTextColor(m_fontHeading.m_crColour);
        pDC->SelectObject(&fontHeading);
        CString title = GetTitleText();
        CPoint pt(PAGE_CENTRE - pDC->GetTextExtent(title).cx / 2, y);
        DrawTextClipped(pDC, &pt, title, 0);
        x = PAGE_LEFT;
        y += m_fontHeading.GetLineHeight(kTitleExtra);
    }
    if (IsOmittedRow())
        return;
    CFont* pFont = IsRow() ? &fontDetail : &fontHeading;
    for (size_t i = 0; i < m_arrColumns.size(); ++i) {
        CRepItem_CustomItem* pColumn = m_arrColumns[i];
        PrepareColumn(*pColumn, x, y, pFont);
        pColumn->m_nMaxWidth = IsRow() ? NameRoom(pDC, i, x, y, pFont) : 0;
        if (pColumn->m_nColumnType != CC_SPACE)
            pColumn->Draw(pDC, nullptr);
        pColumn->m_nMaxWidth = 0;
        x += pColumn->GetWidthTwips();
    }
}

// A team's name reaches over the spaces after it up to where the next column's text begins,
// so that a long name is cut short instead of running into the figures.
int CRepItem_CustomStandings::NameRoom(CDC* pDC, size_t i, int x, int y, CFont* pFont) const
{
    const CRepItem_CustomItem& name = *m_arrColumns[i];
    if (name.m_nColumnType != CC_TEAM_NAME || name.m_nJustify != CRepItem_CustomItem::JUSTIFY_LEFT || !name.m_pTeam)
        return 0;
    int nRoom = name.GetWidthTwips();
    size_t j = i + 1;
    for (; j < m_arrColumns.size() && m_arrColumns[j]->m_nColumnType == CC_SPACE; ++j)
        nRoom += m_arrColumns[j]->GetWidthTwips();
    if (j == m_arrColumns.size())
        return 0;
    CRepItem_CustomItem& next = *m_arrColumns[j];
    PrepareColumn(next, x + nRoom, y, pFont);
    if (next.m_nJustify == CRepItem_CustomItem::JUSTIFY_LEFT)
        return std::max(nRoom, 1);
    CFont* pOld = pDC->SelectObject(pFont);
    const int nText = pDC->GetTextExtent(next.GetCellText(FALSE)).cx;
    pDC->SelectObject(pOld);
    const int nWidth = next.GetWidthTwips();
    const int nStart = next.m_nJustify == CRepItem_CustomItem::JUSTIFY_RIGHT ? nWidth - nText : (nWidth - nText) / 2;
    constexpr int kNameGap = 40;
    return std::max(nRoom + nStart - kNameGap, 1);
}

void CRepItem_CustomStandings::WriteHtml(CStdioFile& file)
{
    if (!IsRow()) {
        file.WriteString("<CENTER><TABLE WIDTH=100%>\n");
        file.WriteString("<TR>");
        HtmlCellCentre(&file, &m_fontHeading, GetTitleText());
        file.WriteString("</TR>");
        file.WriteString("</TABLE></CENTER>\n");
        // The table of the headings and the rows; the page writer closes it after the last row.
        file.WriteString("<CENTER><TABLE WIDTH=100%>\n");
    }
    if (IsOmittedRow())
        return;
    file.WriteString("<TR>");
    for (CRepItem_CustomItem* pColumn : m_arrColumns) {
        if (pColumn->m_nColumnType == CC_SPACE)
            continue;
        PrepareColumn(*pColumn, m_x, m_y, nullptr);
        pColumn->WriteHtml(file);
    }
    file.WriteString("</TR>");
}

void CRepItem_CustomStandings::Edit()
{
    CRepItem_CustomStandings saved;
    saved.CopyFrom(*this);
    CCustomStandingsDesignerDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        CopyFrom(saved);
}
