#pragma once
// The league's awards in a report layout. Two styles: the hi-award listing, up to four
// columns of the bowlers with the most awards of one category each; and the individual
// award report, which each report preparation expands into a heading and one line per award
// record (CRepItem_AwardHeading, CRepItem_AwardLine, both temporary).
#include "league/FontData.h"
#include "view/RepItem.h"

#include <vector>

class CAwardData;
class CPlayer;

class CRepItem_Awards : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Awards)
public:
    static constexpr int COLUMNS = 4;
    static constexpr int MAX_TO_LIST = 25;
    // The default fonts of the awards items: heading and detail.
    static constexpr int HEADING_FONT = 10;
    static constexpr int DETAIL_FONT = 11;

    CRepItem_Awards();
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    void CopyFrom(const CRepItem_Awards& other);
    CString GetName() const override { return "Awards"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // "Awards Report Items."; OK takes the settings. Fonts chosen there stay.
    void Edit() override;
    void ApplyDefaultFonts() override;
    // The individual report's heading and lines; the hi-award listing adds nothing.
    void Expand(CObList& list) override;

    // The records the individual report lists, in its order.
    std::vector<CAwardData*> SelectRecords() const;
    // The first and last round of the individual report.
    void GetRoundRange(int& nFrom, int& nTo) const;
    // The title line of the individual report.
    CString GetIndividualTitle() const;

    // One row of a hi-award column: the bowler and his count of awards.
    struct Ranked
    {
        CPlayer* pPlayer;
        int nCount;
    };
    // The used columns' indexes, and for each the bowlers ranked by their awards.
    std::vector<int> UsedColumns() const;
    std::vector<std::vector<Ranked>> RankColumns() const;
    CString ColumnCaption(int nColumn) const;

    WORD m_nColumnAward[COLUMNS];   // category ids
    BYTE m_nIndividualFilter;       // 0 "Male", 1 "Female", 2 "Junior", 3 "All"
    BYTE m_nColumnFilter[COLUMNS];
    WORD m_nIndividualAward;        // the category listed without "All Awards"
    DWORD m_bAllAwards;
    DWORD m_bIndividual;            // "Individual Award Report", else the hi-award listing
    DWORD m_bAllRounds;
    DWORD m_bFirstOnly;             // "Report 1st award only per player."
    DWORD m_bHighestOnly;           // "Report Highest award only per player."
    WORD m_nRoundFrom;
    WORD m_nRoundTo;
    WORD m_nToList;                 // rows of the hi-award listing
    DWORD m_bColumnNotUsed[COLUMNS];
    DWORD m_bTitle;
    DWORD m_bCurrentWeek;
    DWORD m_bExcludeResigned;
    CFontData m_fontHeading;        // "Hddr Font"
    CFontData m_fontDetail;         // "Detail Font"
};

// The individual report's title line (title mode) or its column captions.
class CRepItem_AwardHeading : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_AwardHeading)
public:
    CRepItem_AwardHeading();
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    CString m_strTitle;
    WORD m_bTitle;      // 1 the title line, 0 the captions
    CFontData m_font;
};

// One award record of the individual report.
class CRepItem_AwardLine : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_AwardLine)
public:
    CRepItem_AwardLine();
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    // The five texts of the line: name, award, date, score, average.
    void GetTexts(CString texts[5]) const;

    CAwardData* m_pRecord;  // not owned
    CFontData m_font;
};
