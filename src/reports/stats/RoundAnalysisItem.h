#pragma once
// CRepItem_Analysis1 ("Round Analysis"): the statistics of the current round or a span of
// rounds: a title, the general totals (pins, games bowled, blind, defaulted and composite
// games) and up to ten rows, each a percentage, total or average of games or series of a group
// of bowlers within a range of values. CRoundStats works the figures out on every drawing.
#include "league/FontData.h"
#include "view/RepItem.h"

class CRepItem_Analysis1 : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Analysis1)
public:
    enum { HEADER_FONT = 42, DETAIL_FONT = 43 };
    static constexpr int ROWS = 10;
    enum Measure : BYTE { MEASURE_PERCENT = 0, MEASURE_TOTAL = 1, MEASURE_AVERAGE = 2 };
    enum Statistic : BYTE { STAT_GAMES = 0, STAT_SERIES = 1, STAT_GAME1 = 2 };

    CRepItem_Analysis1();

    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override;
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void Edit() override;
    void ApplyDefaultFonts() override;
    void SetDefaults() override;
    void Expand(CObList& list) override;

    // Fixes the round span from the two flags and the current round.
    void FixRoundSpan();
    // "Handicap League Statistics for Round 1 thru Round 7"
    CString TitleText() const;
    int CountEnabledRows() const;

    BYTE m_bAllRoundsToCurrent = 0;
    BYTE m_bCurrentRoundOnly = 1;
    BYTE m_bGeneralStats = 1;
    BYTE m_nLeagueKind = 0;       // 0 Scratch League, 1 Handicap League
    WORD m_nGap = 0;              // hundredths of an inch after the general totals
    WORD m_nFirstRound = 0;
    WORD m_nLastRound = 0;
    WORD m_nStyle = 0;            // kept as stored; drawn in one column whatever it holds
    WORD m_nValueFrom[ROWS] = {};
    WORD m_nValueTo[ROWS] = {};
    BYTE m_bEnabled[ROWS] = {};
    BYTE m_nClass[ROWS] = {};     // 0 any bowler, 1..3 category A..C
    BYTE m_nBasis[ROWS] = {};     // 0 scratch, 1 with handicap
    BYTE m_nMeasure[ROWS] = {};   // Measure
    BYTE m_nGroup[ROWS] = {};     // 0 men, 1 women, 2 juniors, 3 everybody
    BYTE m_nStatistic[ROWS] = {}; // 0 every game, 1 series, 2..5 game 1..4
    CFontData m_fontHeader;
    CFontData m_fontDetail;

private:
    int GeneralLineCount() const;
};
