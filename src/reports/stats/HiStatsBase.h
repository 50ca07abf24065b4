#pragma once
// What the three high-score items share: up to four side-by-side columns, each with its own
// statistic, basis, bowler group and class, a number of entries, and a heading and a detail
// font. The items keep settings only; the figures come from the document when they draw.
#include "league/FontData.h"
#include "view/RepItem.h"

class CHiStatsItem : public CRepItem
{
public:
    static constexpr int COLUMNS = 4;
    // The items never draw more rows than this, whatever a file holds.
    static constexpr int MAX_ENTRIES = 255;

    CHiStatsItem();

    // The columns and fonts as the individual and team items keep them; the round's item adds
    // its Teams flags and a later font version.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    // The heading of a column; "" for settings out of range.
    virtual CString ColumnCaption(int nColumn) const = 0;

    BYTE m_nEntries;          // rows per column
    BYTE m_nColumnsUsed;      // columns whose unused flag is clear, recounted by GetHeight
    BYTE m_bUnused[COLUMNS];
    BYTE m_nBasis[COLUMNS];   // 0 scratch, 1 handicap (2 over average: the round's item only)
    BYTE m_nStatistic[COLUMNS];
    BYTE m_nGroup[COLUMNS];   // 0 men, 1 women, 2 juniors, 3 all
    BYTE m_nClass[COLUMNS];   // 0 any, 1..3 category A..C
    CFontData m_fontHeading;
    CFontData m_fontDetail;

    // The used columns in order and where each starts on the page; returns their count.
    int GetUsedColumns(int nColumn[COLUMNS], int nX[COLUMNS]) const;
    int CountUsedColumns();

protected:
    void CopyHiStats(const CHiStatsItem& other);
    // Class, unused flag, basis, statistic and group of each column; with bTeamsBit the group
    // byte also carries the round item's Teams flag in bit 7.
    void SerializeColumns(CArchive& ar, DWORD* pTeams);
    void SerializeFonts(CArchive& ar, int nAfterVersion);
    void CopyDefaultFonts(int nHeading, int nDetail);
    // The fonts of this item go to every item of the same type in the layout editor's list.
    void ApplyFontsToEditorItems();
    // Height of the heading line (with nHeadingExtra percent) and of the rows.
    int MeasureHeight(CDC* pDC, int nHeadingExtra, int nRows);
    // Draws the captions of the used columns at m_y in the heading font, then selects the detail
    // font; returns the y of the first row. The fonts are the caller's so that they outlive the
    // rows drawn in them.
    int DrawColumnHeadings(CDC* pDC, const int nColumn[COLUMNS], const int nX[COLUMNS], int nUsed,
                           int nHeadingExtra, CFont& fontHeading, CFont& fontDetail,
                           const char* pszHeadingFailure, const char* pszDetailFailure);
    // The table row of the used columns' captions.
    void WriteHtmlHeadingRow(CStdioFile& file, const int nColumn[COLUMNS], int nUsed);
};

// Left x of the k-th of nUsed columns (twips).
int HiStatsColumnX(int nUsed, int k);
// Width in per cent of the HTML table of nUsed columns.
int HiStatsTableWidth(int nUsed);
// How wide a column's entry may be drawn: up to a small gap before the next column, or to the
// right margin for the last.
int HiStatsCellRoom(const int nX[], int k, int nUsed);
// Selects the device font made from data and takes its colour; FALSE when it could not be made.
BOOL UseHiStatsFont(CDC* pDC, CFont& font, const CFontData& data, const char* pszFailure);
