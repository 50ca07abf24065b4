#pragma once
// CRepItem: the base of every report item, and the drawing, caption and HTML routines that
// the items share.
//
// Coordinates are twips with y negative downwards. An item is placed by a page flow (its x,
// y and page are set there) and then drawn with Draw for the page shown. Items that a
// preparation, a flow or a display command makes for one showing carry a non-zero temporary
// flag and are never stored.
#include "framework/core/Core.h"

class CBowlingDoc;
class CFontData;

// The page being drawn and the number of pages of the display.
struct CPageInfo
{
    int m_nPage = 1;
    int m_nPageCount = 1;
};

// Item type codes. 1 to 22 can stand in a report layout.
enum RepItemType : BYTE
{
    RIT_NONE = 0,
    RIT_HEADING = 1,
    RIT_STANDINGS = 2,
    RIT_PLAYER_STATS = 3,
    RIT_HI_PLAYERS = 4,
    RIT_HI_TEAM = 5,
    RIT_HI_WEEK = 6,
    RIT_NOTES = 7,
    RIT_NEW_PAGE = 8,
    RIT_LINE = 9,
    RIT_FIX_WEEK = 10,
    RIT_OFFICERS = 11,
    RIT_RESULT_SUMMARY = 12,
    RIT_SUB_HEADING = 13,
    RIT_FLOATERS = 14,
    RIT_AWARDS = 15,
    RIT_DATE = 16,
    RIT_LATE_GAMES = 17,
    RIT_CUSTOM_STANDINGS = 18,
    RIT_CUSTOM_PLAYER_STATS = 19,
    RIT_BEST = 20,
    RIT_ANALYSIS = 21,
    RIT_AVG_BUSTERS = 22,
    RIT_LAST_PLACEABLE = 22,
    RIT_TITLE = 24,
    RIT_RESULT = 25,
    RIT_FIX_TEAM = 26,
    RIT_SCORE_SHEET = 27,
    RIT_PLAYER = 28,
    RIT_TEAM_DETS = 29,
    RIT_LEAGUE_POINTS = 30,
    RIT_HANDICAP_TABLE = 31,
    RIT_VENUE_DETAILS = 32,
    RIT_ACC_TOT = 33,
    RIT_ACC_ITEM = 34,
    RIT_ACC_TOT_HEAD1 = 35,
    RIT_ACC_TOT_HEAD2 = 36,
    RIT_TREAS1 = 37,
    RIT_TREAS2 = 38,
    RIT_TREAS3 = 39,
    RIT_TEAM_FULL_DETS = 41,
    RIT_CAPTAINS = 42,
    RIT_TEXT_LINE = 44,
    RIT_VENUE_STATS = 45,
    RIT_VENUE_HI_STATS = 46,
};

// Values of the temporary flag.
constexpr DWORD TEMP_STORED = 0;   // part of a layout, stored
constexpr DWORD TEMP_SHOWING = 1;  // made for one showing
constexpr DWORD TEMP_FLOW = 2;     // inserted by a display's page flow, removed by the next one

// Page geometry in twips.
constexpr int PAGE_TOP = -720;
constexpr int PAGE_BREAK_Y = -15840;
constexpr int PAGE_LEFT = 720;
constexpr int PAGE_CENTRE = 5760;
constexpr int PAGE_RIGHT = 10800;
// The rectangle an item records for a drawn team or bowler name.
constexpr int NAME_RECT_WIDTH = 2000;

class CRepItem : public CObject
{
    DECLARE_DYNAMIC(CRepItem)
public:
    CRepItem();
    ~CRepItem() override;

    // Stores and reads the type code alone.
    void Serialize(CArchive& ar) override;

    // The item operations, in their fixed order.
    virtual void CopyFrom(const CRepItem& other);
    virtual CString GetName() const;
    virtual int GetHeight(CDC* pDC);
    virtual void WriteHtml(CStdioFile& file);
    virtual void Draw(CDC* pDC, const CPageInfo* pInfo);
    virtual void Edit();
    virtual void ApplyDefaultFonts();

    // Hooks of the report preparation and the page flows; the base does nothing.
    // Appends the item's temporary companions (rows, closing lines) to the tail of list,
    // right after the item itself.
    virtual void Expand(CObList& list);
    // Called by the report-layout flow before the item is measured.
    virtual void BeforeLayout() {}
    // Rounds handed out by the report-layout flow (types 10 and 12).
    virtual void SetRound(int /*nRound*/) {}
    // A result summary counts its rounds on the handicap counter when this is TRUE.
    virtual BOOL UsesHandicapPoints() const { return FALSE; }
    // A row that must be preceded by a header row when it opens a page returns a new,
    // temporary header here (owned by the caller).
    virtual CRepItem* CreatePageTopHeader() { return nullptr; }
    // A new item's settings for this league (after ApplyDefaultFonts, m_pDoc set): run by the
    // layout editor's Add and by the default layout of a new league.
    virtual void SetDefaults() {}

    // A copy of the item through its own class (run-time class + CopyFrom); null when the
    // class cannot be created.
    CRepItem* Clone() const;

    BOOL IsTemporary() const { return m_bTemporary != TEMP_STORED; }

    // The type-name list of the layout editor: 2 "Standings" ... 22 "Average Busters",
    // "Unknown" for any other code.
    static CString GetTypeName(int nType);

    // Word-wrapped text from pPoint's x and y; returns the line count (1 for an empty
    // text, which draws nothing). lineHeight is negative.
    static int DrawWrappedText(CDC* pDC, CPoint* pPoint, CString text, int rightEdge, int lineHeight);
    // The same line breaks, each line centred on 5760 twips.
    static int DrawWrappedTextCentred(CDC* pDC, CPoint* pPoint, CString text, int rightEdge, int lineHeight);

    // HTML: one table cell or one division in the font's face, colour, size and weight.
    // The text is escaped here.
    static void HtmlCellLeft(CStdioFile* pFile, const CFontData* pFont, const char* pszText);
    static void HtmlCellCentre(CStdioFile* pFile, const CFontData* pFont, const char* pszText);
    static void HtmlCellRight(CStdioFile* pFile, const CFontData* pFont, const char* pszText);
    static void HtmlDivLeft(CStdioFile* pFile, const CFontData* pFont, const char* pszText);
    static void HtmlDivCentre(CStdioFile* pFile, const CFontData* pFont, const char* pszText);
    static void HtmlDivRight(CStdioFile* pFile, const CFontData* pFont, const char* pszText);

    CBowlingDoc* m_pDoc;   // set by the flows; not owned
    int m_x;               // twips
    int m_y;               // twips, negative downwards
    BYTE m_nType;          // RepItemType
    WORD m_nPage;          // from 1; never stored, so wider than a byte for long displays
    BYTE m_nFlag;          // the item's own byte, copied with it
    DWORD m_bTemporary;    // TEMP_STORED, TEMP_SHOWING or TEMP_FLOW
};

// --- text and lines (text measured on the device drawn on) ---------------------------------
// Top-left at the point; with maxWidth other than 0 the last characters are dropped until
// the text fits.
void DrawTextClipped(CDC* pDC, CPoint* pPoint, CString text, int maxWidth);
// Ends at the point's x; with maxWidth other than 0 the first characters are dropped until
// the text fits.
void DrawTextRightAligned(CDC* pDC, CPoint* pPoint, CString text, int maxWidth);
// The number of lines CRepItem::DrawWrappedText would draw, drawing nothing.
int CountWrappedLines(CDC* pDC, CPoint* pPoint, CString text, int rightEdge, int lineHeight);
// With the current pen: a line from (x, y) to (x + width, y), or with a height other than 0
// the box down to y - height, edges top, right, bottom, left.
void DrawLineOrBox(CDC* pDC, int x, int y, int width, int height);

// --- captions and masks (out-of-range indexes give "" and 0) ------------------------------
const char* GetTeamStatCaption(int nIndex);    // "Game ", "Series ", "Average", "PinFall"
const char* GetScoreBasisCaption(int nIndex);  // "Scr ", "Hcp ", "> Avg"
const char* GetPlayerStatCaption(int nIndex);  // 0..10
const char* GetCategoryAbbrev(int nIndex);     // "M", "F", "J", "All"
WORD GetCategoryMask(int nGroup);              // by group & 3: 4, 2, 1, 7

// --- HTML text --------------------------------------------------------------------------
// &, <, > and the quotes written as entities; other bytes (the page is windows-1252) kept.
CString HtmlEscape(const char* pszText);

// --- the view's stock report fonts --------------------------------------------------------
// Arial, pitch and family 16: large 200 twips; small 172 twips on the screen, 160 on paper.
struct CStockFonts
{
    CFont m_fontLargeBold;
    CFont m_fontLarge;
    CFont m_fontSmallBold;
    CFont m_fontSmall;
};
// The set for the device: the printer set when it is printing.
CStockFonts* GetStockFonts(const CDC* pDC);

// --- the font and colour choosers ---------------------------------------------------------
// The font dialog on a report font; TRUE when the font was changed.
BOOL ChooseReportFont(CFontData* pFont);
// The Select Colour dialog; the chosen colour after OK, else the initial one.
COLORREF SelectColour(COLORREF crInitial);

// --- the item classes a report can hold ----------------------------------------------------
struct RepItemClassInfo
{
    const char* pszClassName;
    int nType;   // -1 where the type code is not fixed
};
// Every report item class, whether or not it is built into this program.
const RepItemClassInfo* FindRepItemClassInfo(const char* pszClassName);
const RepItemClassInfo* GetRepItemClassTable(int* pnCount);
// A new item of a placeable type (1 to 22) by its class, or null when that class is not
// part of this program.
CRepItem* CreateRepItemOfType(int nType);
// The object as a report item, or null when it is none.
inline CRepItem* AsRepItem(CObject* pOb)
{
    return pOb && pOb->IsKindOf(RUNTIME_CLASS(CRepItem)) ? static_cast<CRepItem*>(pOb) : nullptr;
}
// A new item by class name, or null.
CRepItem* CreateRepItemByClassName(const char* pszClassName);
