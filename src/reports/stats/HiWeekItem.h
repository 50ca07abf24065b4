#pragma once
// CRepItem_HiWeek ("Round's Hi Stats"): the best games or series of the latest round, or of
// the rounds bowled on the latest date, gathered afresh from the fixtures; each bowler or
// team stands once in a column, with its best figure.
#include "reports/stats/HiStatsBase.h"

class CBowlingDoc;

class CRepItem_HiWeek : public CHiStatsItem
{
    DECLARE_SERIAL(CRepItem_HiWeek)
public:
    enum { HEADING_FONT = 20, DETAIL_FONT = 21 };
    // The collectors fill at most this many places a column.
    static constexpr int MAX_PLACES = 10;
    CRepItem_HiWeek();

    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override;
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void Edit() override;
    void ApplyDefaultFonts() override;

    // The heading of a column for the round in m_nRound; "" for settings out of range.
    CString ColumnCaption(int nColumn) const override;
    // The rows shown: the entry count, never above MAX_PLACES.
    int GetRows() const;

    BYTE m_nRound;                // set to the current round before the headings are made
    DWORD m_bTeams[COLUMNS];      // the column lists teams

    // The text of each place of a column (empty: a blank place) and what it names.
    struct Place
    {
        CObject* pNamed = nullptr;  // CPlayer or CTeam
        CString strText;
    };
    void GatherColumn(int nColumn, Place places[MAX_PLACES]);

private:
    BOOL IsColumnValid(int nColumn) const;
};

// The round span of the item: the current round, or the rounds bowled on its date; of those only
// the current split's when the league resets its high scores each split.
void GetWeeklyRoundSpan(const CBowlingDoc& doc, int& nFirst, int& nLast);
// The best nPlaces figures of one column, each bowler or team once; places past the
// candidates get number 0 and value 0.
void CollectWeeklyPlayerScores(const CBowlingDoc& doc, const CRepItem_HiWeek& item, int nColumn, WORD* pNumbers,
                               long* pValues, int nClass);
void CollectWeeklyTeamScores(const CBowlingDoc& doc, const CRepItem_HiWeek& item, int nColumn, WORD* pNumbers,
                             long* pValues, int nClass);
