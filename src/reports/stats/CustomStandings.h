#pragma once
// The team standings table whose columns the secretary designs. The stored item draws the
// title line and the row of column headings; Expand ranks the teams by the item's kind and
// appends one temporary row per standings position.
#include "league/FontData.h"
#include "reports/stats/CustomItem.h"
#include "view/RepItem.h"

#include <vector>

class CTeam;

class CRepItem_CustomStandings : public CRepItem
{
    DECLARE_SERIAL(CRepItem_CustomStandings)
public:
    // The default fonts of a new table: heading and detail.
    static constexpr int HEADING_FONT = 2;
    static constexpr int DETAIL_FONT = 3;
    // Kind-word bits: the points a Combined table adds up.
    static constexpr WORD ADD_SCRATCH = 0x100;
    static constexpr WORD ADD_HANDICAP = 0x200;
    static constexpr WORD ADD_PYRAMID_SCRATCH = 0x400;
    static constexpr WORD ADD_PYRAMID_HANDICAP = 0x800;

    CRepItem_CustomStandings();
    ~CRepItem_CustomStandings() override;
    CRepItem_CustomStandings(const CRepItem_CustomStandings&) = delete;
    CRepItem_CustomStandings& operator=(const CRepItem_CustomStandings&) = delete;

    // Type, kind word, the two reserved words, the three colours, the columns as objects,
    // the heading and detail fonts. No version gate.
    void Serialize(CArchive& ar) override;
    // Everything but the reserved words; the columns are copied one by one.
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Custom Standings"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // The designer; anything but OK restores the table.
    void Edit() override;
    void ApplyDefaultFonts() override;
    // A new table: design pending, Scratch in a scratch-only league, else Handicap, and the
    // default design.
    void SetDefaults() override;
    void Expand(CObList& list) override;

    int GetStandingsKind() const { return m_wKind & 0x0F; }
    void SetStandingsKind(int nKind) { m_wKind = static_cast<WORD>((m_wKind & 0xFFF0) | (nKind & 0x0F)); }
    // "Handicap", "Scratch", "Combined", "Pyramid Scratch", "Pyramid Handicap"; "" beyond.
    CString GetStandingsKindName() const;
    BOOL IsScratch() const { return GetStandingsKind() == SK_SCRATCH || GetStandingsKind() == SK_PYRAMID_SCRATCH; }
    BOOL IsHandicap() const { return GetStandingsKind() == SK_HANDICAP || GetStandingsKind() == SK_PYRAMID_HANDICAP; }
    BOOL AddsScratchPoints() const { return (m_wKind & ADD_SCRATCH) != 0; }
    BOOL AddsHandicapPoints() const { return (m_wKind & ADD_HANDICAP) != 0; }
    BOOL AddsPyramidScratchPoints() const { return (m_wKind & ADD_PYRAMID_SCRATCH) != 0; }
    BOOL AddsPyramidHandicapPoints() const { return (m_wKind & ADD_PYRAMID_HANDICAP) != 0; }
    void SetPointKind(WORD wBit, BOOL bOn) { m_wKind = static_cast<WORD>(bOn ? (m_wKind | wBit) : (m_wKind & ~wBit)); }
    void ClearPointKinds() { m_wKind &= 0x0F; }
    int GetTotalWidth() const;
    // Replaces columns, colours and fonts by the default design while design pending is set.
    void SetDefaultDesign();
    // The title line: kind, round reached and its date, or the final standings.
    CString GetTitleText() const;
    BOOL IsRow() const { return m_nPosition != 0; }
    void DeleteColumns();
    // Takes ownership.
    void AddColumn(CRepItem_CustomItem* pColumn) { m_arrColumns.push_back(pColumn); }

    CString m_strTitle;             // copied, neither stored nor shown
    int m_nPosition;                // 1..N in a row, 0 in the stored table
    DWORD m_bDesignPending;
    DWORD m_bDivisionBreak;         // the row's team starts a new division
    DWORD m_dwReserved1;
    DWORD m_dwReserved2;
    COLORREF m_crFirst;
    COLORREF m_crSecond;
    COLORREF m_crThird;
    CTeam* m_pTeam;                 // the row's team; not owned
    CFontData m_fontHeading;
    CFontData m_fontDetail;
    std::vector<CRepItem_CustomItem*> m_arrColumns; // owned
    WORD m_wKind;

private:
    // The row's place within its division.
    int GetPlace() const;
    // Prepares a column for this row: font, position, header flag, kind, team, colour.
    void PrepareColumn(CRepItem_CustomItem& column, int x, int y, CFont* pFont) const;
    int NameRoom(CDC* pDC, size_t i, int x, int y, CFont* pFont) const;
    BOOL IsOmittedRow() const;
};

// Makes the stats items' classes known by name; called once at start-up.
void RegisterReportStatsItems();
