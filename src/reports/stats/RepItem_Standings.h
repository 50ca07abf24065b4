#pragma once
// CRepItem_Standings: the league table of the current round, in one of three styles, on the
// page and in the HTML page. It keeps only its style and scoring system; every drawing ranks
// the teams again through the document.
#include "view/RepItem.h"

class CTeam;

class CRepItem_Standings : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Standings)
public:
    enum Style : BYTE
    {
        styleRegular = 0,
        stylePyramid = 1,
        styleCombined = 2,  // "Hcp + Scr"
    };

    CRepItem_Standings();

    // Stored: the type byte, the style byte, the handicap byte.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override;
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void Edit() override;
    // A league of one scoring system shows that system's standings whatever was chosen.
    void BeforeLayout() override;

    BYTE m_nStyle;     // Style; any other value draws and writes nothing
    BYTE m_bHandicap;  // 0 scratch standings, 1 handicap standings

    // The heading line of the item's style (the date from the current round's first match).
    CString GetHeading() const;

private:
    struct Figures
    {
        long nPins = 0;
        long nGames = 0;
        unsigned nAverage = 0;
    };
    Figures GetFigures(const CTeam* pTeam) const;
    BOOL ShowsHandicapPins() const;
    int CountListedTeams() const;
    CString GetRoundDate() const;
    // The team that holds the place in the ranking the style uses, or null when none does.
    CTeam* TeamAt(int nPosition, BOOL bMayReport) const;
    void Rank() const;

    void DrawRegular(CDC* pDC);
    void DrawCombined(CDC* pDC);
    void DrawPyramid(CDC* pDC);
    void WriteRegularHtml(CStdioFile& file);
    void WriteCombinedHtml(CStdioFile& file);
    void WritePyramidHtml(CStdioFile& file);
};
