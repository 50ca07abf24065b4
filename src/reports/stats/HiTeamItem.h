#pragma once
// CRepItem_HiTeam ("Team Hi Stats"): the season's best teams, up to four columns of high
// game, high series, average or pinfall, scratch or handicap.
#include "reports/stats/HiStatsBase.h"

#include <vector>

class CTeam;

class CRepItem_HiTeam : public CHiStatsItem
{
    DECLARE_SERIAL(CRepItem_HiTeam)
public:
    enum { HEADING_FONT = 18, DETAIL_FONT = 19 };
    CRepItem_HiTeam();

    CString GetName() const override;
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void Edit() override;
    void ApplyDefaultFonts() override;

    // "High Team %s %s" with the basis and statistic captions; "" for a basis out of range.
    CString ColumnCaption(int nColumn) const override;
    // The text of rank nRank in a column and the team it names (null: the row stays blank).
    CString CellText(int nColumn, int nRank, CTeam** ppTeam);
    // With the multiple prize rules on for teams: the high game and series columns' places
    // given prize by prize, passing over a team a prize already taken bars; otherwise none.
    // Draw and WriteHtml make them first.
    void PlacePrizes();

private:
    bool m_bPrizeColumn[COLUMNS] = {};
    std::vector<CTeam*> m_prizePlaces[COLUMNS];
};
