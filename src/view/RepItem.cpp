#include "view/RepItem.h"

#include "framework/ui/Dialog.h"
#include "league/FontData.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CRepItem, CObject)

CRepItem::CRepItem() : m_pDoc(nullptr), m_x(0), m_y(0), m_nType(RIT_NONE), m_nPage(1), m_nFlag(0), m_bTemporary(TEMP_STORED)
{
}

CRepItem::~CRepItem() = default;

void CRepItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nType;
    else
        ar >> m_nType;
}

void CRepItem::CopyFrom(const CRepItem& other)
{
    m_nType = other.m_nType;
    m_nPage = other.m_nPage;
    m_nFlag = other.m_nFlag;
    m_pDoc = other.m_pDoc;
    m_x = other.m_x;
    m_y = other.m_y;
    m_bTemporary = other.m_bTemporary;
}

CString CRepItem::GetName() const
{
    return GetTypeName(m_nType);
}

int CRepItem::GetHeight(CDC* /*pDC*/)
{
    return -432;
}

void CRepItem::WriteHtml(CStdioFile& /*file*/) {}

void CRepItem::Draw(CDC* /*pDC*/, const CPageInfo* /*pInfo*/) {}

void CRepItem::Edit()
{
    AfxMessageBox("Nothing worth editing.");
}

void CRepItem::ApplyDefaultFonts() {}

void CRepItem::Expand(CObList& /*list*/) {}

CRepItem* CRepItem::Clone() const
{
    CObject* pOb = GetRuntimeClass()->CreateObject();
    CRepItem* pItem = AsRepItem(pOb);
    if (!pItem) {
        delete pOb;
        return nullptr;
    }
    pItem->CopyFrom(*this);
    return pItem;
}

CString CRepItem::GetTypeName(int nType)
{
    static const char* const names[] = {
        "Standings", "Players Stats", "Individual Hi Stats", "Team Hi Stats", "Prev Round Hi Stats",
        "Secretary's note", "New Page", "Line", "Fixtures for next round", "League Officers",
        "Results Summary", "SubHeading", "Floating Subs", "Awards", "Date", "Outstanding Matches",
        "Custom Standings", "Custom Player Stats", "Best Games/Series", "Round Analysis", "Average Busters",
    };
    if (nType >= 2 && nType <= 22)
        return names[nType - 2];
    return "Unknown";
}

// --- word wrap ----------------------------------------------------------------------------

namespace {

enum class WrapMode { Count, Left, Centred };

// The line breaking shared by the wrapped-text routines. A line ends before the first
// character whose right end passes the edge: it is cut at the last blank among the second
// to the (n + 1)-th character (the blank dropped), or, without one, after n characters.
int WrapText(CDC* pDC, const CPoint& at, const CString& text, int rightEdge, int lineHeight, WrapMode mode)
{
    if (text.IsEmpty())
        return 1;
    int nLines = 0;
    int y = at.y;
    CString rest = text;
    while (!rest.IsEmpty()) {
        int nLen = rest.GetLength();
        // n: characters up to and including the first that passes the edge (0: none does).
        int n = 0;
        for (int i = 1; i <= nLen; ++i) {
            if (at.x + pDC->GetTextExtent(rest.GetString(), i).cx > rightEdge) {
                n = i;
                break;
            }
        }
        CString line;
        CString next;
        if (n == 0 || n >= nLen) {
            line = rest;
        } else {
            int nBlank = -1;
            for (int i = std::min(n, nLen - 1); i >= 1; --i) {
                if (rest[i] == ' ') {
                    nBlank = i;
                    break;
                }
            }
            if (nBlank >= 0) {
                line = rest.Left(nBlank);
                next = rest.Mid(nBlank + 1);
            } else {
                line = rest.Left(n);
                next = rest.Mid(n);
            }
        }
        if (mode != WrapMode::Count) {
            CPoint pt(at.x, y);
            if (mode == WrapMode::Centred)
                pt.x = PAGE_CENTRE - pDC->GetTextExtent(line).cx / 2;
            DrawTextClipped(pDC, &pt, line, 0);
        }
        ++nLines;
        y += lineHeight;
        rest = next;
    }
    return nLines;
}

} // namespace

int CRepItem::DrawWrappedText(CDC* pDC, CPoint* pPoint, CString text, int rightEdge, int lineHeight)
{
    return WrapText(pDC, *pPoint, text, rightEdge, lineHeight, WrapMode::Left);
}

int CRepItem::DrawWrappedTextCentred(CDC* pDC, CPoint* pPoint, CString text, int rightEdge, int lineHeight)
{
    return WrapText(pDC, *pPoint, text, rightEdge, lineHeight, WrapMode::Centred);
}

int CountWrappedLines(CDC* pDC, CPoint* pPoint, CString text, int rightEdge, int lineHeight)
{
    return WrapText(pDC, *pPoint, text, rightEdge, lineHeight, WrapMode::Count);
}

void DrawTextClipped(CDC* pDC, CPoint* pPoint, CString text, int maxWidth)
{
    if (maxWidth != 0) {
        while (!text.IsEmpty() && pDC->GetTextExtent(text).cx > maxWidth)
            text = text.Left(text.GetLength() - 1);
    }
    pDC->TextOut(pPoint->x, pPoint->y, text);
}

void DrawTextRightAligned(CDC* pDC, CPoint* pPoint, CString text, int maxWidth)
{
    if (maxWidth != 0) {
        while (!text.IsEmpty() && pDC->GetTextExtent(text).cx > maxWidth)
            text = text.Mid(1);
    }
    pDC->TextOut(pPoint->x - pDC->GetTextExtent(text).cx, pPoint->y, text);
}

void DrawLineOrBox(CDC* pDC, int x, int y, int width, int height)
{
    pDC->MoveTo(x, y);
    pDC->LineTo(x + width, y);
    if (height != 0) {
        pDC->LineTo(x + width, y - height);
        pDC->LineTo(x, y - height);
        pDC->LineTo(x, y);
    }
}

// --- captions -----------------------------------------------------------------------------

const char* GetTeamStatCaption(int nIndex)
{
    static const char* const captions[] = {"Game ", "Series ", "Average", "PinFall"};
    return nIndex >= 0 && nIndex < 4 ? captions[nIndex] : "";
}

const char* GetScoreBasisCaption(int nIndex)
{
    static const char* const captions[] = {"Scr ", "Hcp ", "> Avg"};
    return nIndex >= 0 && nIndex < 3 ? captions[nIndex] : "";
}

const char* GetPlayerStatCaption(int nIndex)
{
    static const char* const captions[] = {"Game ",    "Series ", "Average", "Improved", "Games > Av", "Wins ",
                                           "Pct Wins", "Game 1 ", "Game 2 ", "Game 3 ",  "Game 4 "};
    return nIndex >= 0 && nIndex < 11 ? captions[nIndex] : "";
}

const char* GetCategoryAbbrev(int nIndex)
{
    static const char* const abbrevs[] = {"M", "F", "J", "All"};
    return nIndex >= 0 && nIndex < 4 ? abbrevs[nIndex] : "";
}

WORD GetCategoryMask(int nGroup)
{
    static const WORD masks[] = {4, 2, 1, 7};
    return masks[nGroup & 3];
}

// --- HTML ---------------------------------------------------------------------------------

CString HtmlEscape(const char* pszText)
{
    CString out;
    for (const char* p = pszText ? pszText : ""; *p; ++p) {
        switch (*p) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += *p; break;
        }
    }
    return out;
}

namespace {

unsigned long HtmlColour(COLORREF cr)
{
    return (static_cast<unsigned long>(GetRValue(cr)) << 16) | (static_cast<unsigned long>(GetGValue(cr)) << 8) |
           GetBValue(cr);
}

// The face and colour tags, "<font face='%s'><font color='#%06lX'>".
CString FaceTag(const CFontData* pFont)
{
    CString s;
    s.Format("<font face='%s'>", HtmlEscape(pFont->m_strFaceName).GetString());
    return s;
}

CString ColourTag(const CFontData* pFont)
{
    CString s;
    s.Format("<font color='#%06lX'>", HtmlColour(pFont->m_crColour));
    return s;
}

// The size tag, empty at 10 points.
CString SizeTag(const CFontData* pFont, const char* pszWord)
{
    CString s;
    int nDiff = static_cast<int>(pFont->m_nPointSize) - 10;
    if (nDiff > 0)
        s.Format("<font %s=+%d>", pszWord, nDiff);
    else if (nDiff < 0)
        s.Format("<font %s=%d>", pszWord, nDiff);
    return s;
}

void WriteCell(CStdioFile* pFile, const CFontData* pFont, const char* pszText, const char* pszOpen,
               const char* pszBoldClose, const char* pszClose)
{
    CString s = pszOpen;
    if (pFont->m_bBold)
        s += "<b>";
    s += FaceTag(pFont);
    s += ColourTag(pFont);
    CString size = SizeTag(pFont, "SIZE");
    s += size;
    s += HtmlEscape(pszText);
    if (!size.IsEmpty())
        s += "</font>";
    s += "</font></font>";
    if (pFont->m_bBold)
        s += pszBoldClose;
    s += pszClose;
    pFile->WriteString(s);
}

void WriteDiv(CStdioFile* pFile, const CFontData* pFont, const char* pszText, const char* pszAlign)
{
    CString s;
    s.Format("<div align=%s>\n", pszAlign);
    s += FaceTag(pFont);
    s += ColourTag(pFont);
    if (pFont->m_bBold)
        s += "<b>\n";
    CString size = SizeTag(pFont, "size");
    s += size;
    s += HtmlEscape(pszText);
    if (!size.IsEmpty())
        s += "</font>";
    s += "</font></font>";
    if (pFont->m_bBold)
        s += "</b>\n";
    s += "</div>\n";
    pFile->WriteString(s);
}

} // namespace

void CRepItem::HtmlCellLeft(CStdioFile* pFile, const CFontData* pFont, const char* pszText)
{
    WriteCell(pFile, pFont, pszText, "<td align=left>", "</b>", "</td>\n");
}

void CRepItem::HtmlCellCentre(CStdioFile* pFile, const CFontData* pFont, const char* pszText)
{
    // "</td\n>" is how these pages have always closed a centred cell; browsers read it.
    WriteCell(pFile, pFont, pszText, "<td align=center>", "</b>\n", "</td\n>");
}

void CRepItem::HtmlCellRight(CStdioFile* pFile, const CFontData* pFont, const char* pszText)
{
    WriteCell(pFile, pFont, pszText, "<td align=right>", "</b>\n", "</td>\n");
}

void CRepItem::HtmlDivLeft(CStdioFile* pFile, const CFontData* pFont, const char* pszText)
{
    WriteDiv(pFile, pFont, pszText, "left");
}

void CRepItem::HtmlDivCentre(CStdioFile* pFile, const CFontData* pFont, const char* pszText)
{
    WriteDiv(pFile, pFont, pszText, "center");
}

void CRepItem::HtmlDivRight(CStdioFile* pFile, const CFontData* pFont, const char* pszText)
{
    WriteDiv(pFile, pFont, pszText, "right");
}

// --- stock fonts --------------------------------------------------------------------------

namespace {

constexpr BYTE kStockPitchAndFamily = 16;

void MakeStockFont(CFont& font, int nHeight, int nWeight)
{
    font.CreateFont(-nHeight, 0, 0, 0, nWeight, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, kStockPitchAndFamily, "Arial");
}

CStockFonts MakeStockSet(int nSmallHeight)
{
    CStockFonts set;
    MakeStockFont(set.m_fontLargeBold, 200, FW_BOLD);
    MakeStockFont(set.m_fontLarge, 200, FW_NORMAL);
    MakeStockFont(set.m_fontSmallBold, nSmallHeight, FW_BOLD);
    MakeStockFont(set.m_fontSmall, nSmallHeight, FW_NORMAL);
    return set;
}

} // namespace

CStockFonts* GetStockFonts(const CDC* pDC)
{
    // Font descriptors cost nothing to keep: both sets live as long as the program.
    static CStockFonts s_screen = MakeStockSet(172);
    static CStockFonts s_printer = MakeStockSet(160);
    return pDC && pDC->IsPrinting() ? &s_printer : &s_screen;
}

// --- the item classes ---------------------------------------------------------------------

namespace {

const RepItemClassInfo kItemClasses[] = {
    {"CRepItem_CustomItem", 0},        {"CRepItem_PlayerItem", 0},       {"CRepItem_Heading", 1},
    {"CRepItem_Standings", 2},         {"CRepItem_PlayerStats", 3},      {"CRepItem_HiPlayers", 4},
    {"CRepItem_HiTeam", 5},            {"CRepItem_HiWeek", 6},           {"CRepItem_Notes", 7},
    {"CRepItem_Page", 8},              {"CRepItem_line", 9},             {"CRepItem_FixWeek", 10},
    {"CRepItem_Officers", 11},         {"CRepItem_ResultSummary", 12},   {"CRepItem_SubHeading", 13},
    {"CRepItem_Floaters", 14},         {"CRepItem_Awards", 15},          {"CRepItem_Date", 16},
    {"CRepItem_LateGames", 17},        {"CRepItem_CustomStandings", 18}, {"CRepItem_CustomPlayerStats", 19},
    {"CRepItem_best", 20},             {"CRepItem_Analysis1", 21},       {"CRepItem_AvgBusters", 22},
    {"CRepItem_FreeDate", 10},         {"CRepItem_PointsAdjust", 11},    {"CRepItem_AwardHeading", -1},
    {"CRepItem_AwardLine", -1},        {"CRepItem_Title", 24},           {"CRepItem_Result", 25},
    {"CRepItem_FixTeam", 26},          {"CRepItem_ScoreSheet", 27},      {"CRepItem_Player", 28},
    {"CRepItem_PlayerList", 28},       {"CRepItem_TeamReport", 28},      {"CRepItem_TeamDets", 29},
    {"CRepItem_LeaguePoints", 30},     {"CRepItem_HandicapTable", 31},   {"CRepItem_VenueDetails", 32},
    {"CRepItem_AccTot", 33},           {"CRepItem_AccItem", 34},         {"CRepItem_AccTotHead1", 35},
    {"CRepItem_AccTotHead2", 36},      {"CRepItem_Treas1", 37},          {"CRepItem_Treas2", 38},
    {"CRepItem_Treas3", 39},           {"CRepItem_TeamFullDets", 41},    {"CRepItem_Captains", 42},
    {"CRepItem_TextLine", 44},         {"CRepItem_VenueStats", 45},      {"CRepItem_VenueHiStats", 46},
};

} // namespace

const RepItemClassInfo* GetRepItemClassTable(int* pnCount)
{
    *pnCount = static_cast<int>(sizeof(kItemClasses) / sizeof(kItemClasses[0]));
    return kItemClasses;
}

const RepItemClassInfo* FindRepItemClassInfo(const char* pszClassName)
{
    for (const RepItemClassInfo& info : kItemClasses)
        if (std::strcmp(info.pszClassName, pszClassName) == 0)
            return &info;
    return nullptr;
}

CRepItem* CreateRepItemByClassName(const char* pszClassName)
{
    const CRuntimeClass* pClass = CRuntimeClass::FromName(pszClassName);
    if (!pClass || !pClass->IsDerivedFrom(RUNTIME_CLASS(CRepItem)))
        return nullptr;
    CObject* pOb = pClass->CreateObject();
    CRepItem* pItem = AsRepItem(pOb);
    if (!pItem)
        delete pOb;
    return pItem;
}

CRepItem* CreateRepItemOfType(int nType)
{
    if (nType < RIT_HEADING || nType > RIT_LAST_PLACEABLE)
        return nullptr;
    // The placeable classes come first in the table, in type order after the two columns.
    for (const RepItemClassInfo& info : kItemClasses)
        if (info.nType == nType)
            return CreateRepItemByClassName(info.pszClassName);
    return nullptr;
}
