#pragma once
// CRoundStats: the figures of a round analysis item over its span of rounds: the general
// totals and, for each of the item's ten rows, how many values it took, their sum and the
// text printed. Made on the stack for one drawing or HTML write.
#include "framework/core/String.h"
#include "framework/core/Types.h"
#include "league/Fixture.h"

class CBowlingDoc;
class CPlayer;
class CRepItem_Analysis1;

class CRoundStats
{
public:
    static constexpr int ROWS = 10;

    CRoundStats(CBowlingDoc* pDoc, const CRepItem_Analysis1* pItem);

    // "Percentage Male Scratch Games 200 - 300.", "Average Hcap Series."; a setting out of
    // range leaves its word out.
    static CString RowLabel(const CRepItem_Analysis1& item, int nRow);
    // Every index of the row is one the tables know; other rows count nothing.
    static BOOL IsRowValid(const CRepItem_Analysis1& item, int nRow);

    long m_nPinsScratch = 0;
    long m_nPinsHandicap = 0;
    long m_nCompositeGames = 0;
    long m_nGamesBowled = 0;
    long m_nBlindGames = 0;
    long m_nCompleteSeries = 0;
    long m_nDefaultedGames = 0;
    CString m_strRow[ROWS];
    long m_nRowCount[ROWS] = {};
    long m_nRowSum[ROWS] = {};

private:
    void Compute();
    void AddSide(const CFixture& f, int nSide);
    void AddValue(int nRow, int nValue, const CPlayer* pPlayer);
    void FormatRow(int nRow);

    CBowlingDoc* m_pDoc;
    const CRepItem_Analysis1* m_pItem;
    // The rows that take each game, and those that take series, worked out once.
    int m_nGameRows[4][ROWS] = {};
    int m_nGameRowCount[4] = {};
    int m_nSeriesRows[ROWS] = {};
    int m_nSeriesRowCount = 0;
    int m_nFirstRound = 0;
    int m_nLastRound = 0;
    // One side's games and series at a time (AddSide): made once for the span, not cleared
    // again for every side of the season, which cost more than the reading.
    CBowledGame m_games[MAX_POSITIONS][MAX_GAMES];
    CBowledSeries m_positions[MAX_POSITIONS];
};
