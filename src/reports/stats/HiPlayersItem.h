#pragma once
// CRepItem_HiPlayers ("Individual Hi Stats"): the season's best bowlers, up to four columns,
// each one statistic of one bowler group and class.
#include "reports/stats/HiStatsBase.h"

#include <vector>

class CPlayer;

class CRepItem_HiPlayers : public CHiStatsItem
{
    DECLARE_SERIAL(CRepItem_HiPlayers)
public:
    enum { HEADING_FONT = 22, DETAIL_FONT = 23 };
    static constexpr int STATISTICS = 11;
    CRepItem_HiPlayers();

    CString GetName() const override;
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void Edit() override;
    void ApplyDefaultFonts() override;

    // "(M)", "(F2)": the group and, when set, the class; "" for a group out of range.
    CString ColumnGroupCaption(int nColumn) const;
    // The caption, a blank and the group caption; "" for a column whose settings are out of range.
    CString ColumnCaption(int nColumn) const override;

    struct Entry
    {
        CPlayer* pPlayer = nullptr;   // null: an empty place
        CString strText;
    };
    // The places of every column (index by column), worked out as the drawing and the page do.
    void GatherEntries(std::vector<Entry> entries[COLUMNS], BOOL bForPrint);

private:
    BOOL IsColumnValid(int nColumn) const;
    // The high game and series columns again, in the order the multiple prize rules give
    // the prizes, each passing over the bowlers a prize already taken bars from it.
    void ApplyPrizeRules(std::vector<Entry> entries[COLUMNS], BOOL bForPrint);
    void GatherColumn(int nColumn, std::vector<Entry>& entries, BOOL bForPrint);
    CString ValueText(int nColumn, CPlayer* pPlayer, BOOL bForPrint) const;
};

// The percentage of wins in hundredths of a per cent, from half wins and games.
long HiStatsWinPercent(DWORD nHalfWins, DWORD nGames);
