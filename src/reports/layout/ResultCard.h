#pragma once
// The result card: one match of the results display, both sides next to each other with
// each bowler's games, series and handicap, the team totals, the points of each game and the
// series, the bonus points and the pacer games. Made by the results commands for one showing;
// never stored in a layout.
#include "view/RepItem.h"

class CFixture;

class CRepItem_Result : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Result)
public:
    CRepItem_Result();
    CString GetName() const override { return "Result"; }
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void WriteHtml(CStdioFile& file) override;

    CFixture* m_pFixture;   // the match shown; the document owns it

    // What the card shows of its match, worked from the league's options.
    struct Switches
    {
        BOOL bHandicapShown;    // handicap figures and the handicap points row
        BOOL bBothSystems;      // both systems, and not a position round
        BOOL bIndividualHcp;    // bowler handicaps (no team handicaps)
        int nRed;               // a game above it is a high score
        int nSeriesRed;         // a series above it is a high series
    };
    Switches GetSwitches() const;
    // The height the league has always reserved for a card: 200 twips a bowler row and 222 a
    // heading row.
    int GetEstimatedHeight();
    // The space the drawn rows need, the bottom block (bonus row, pacers) and the gap below
    // the box included.
    int GetDrawnHeight();

private:
    int CountPacerRows();   // the larger of the two sides' pacer rows
};
