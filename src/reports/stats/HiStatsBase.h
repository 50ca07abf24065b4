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
};

// Left x of the k-th of nUsed columns (twips).
int HiStatsColumnX(int nUsed, int k);
// Width in per cent of the HTML table of nUsed columns.
int HiStatsTableWidth(int nUsed);
// Selects the device font made from data and takes its colour; FALSE when it could not be made.
BOOL UseHiStatsFont(CDC* pDC, CFont& font, const CFontData& data, const char* pszFailure);
