#pragma once
// The blank score sheet of one match for the lanes: a box per team with the bowlers' lines,
// the game columns and totals, side by side or one team above the other; below it, as
// chosen, the two teams' player table, the secretary's and treasurer's lanes and a note.
// The league keeps one as its score-sheet style; the score-sheet commands copy it per match.
#include "league/FontData.h"
#include "view/RepItem.h"

class CFixture;
class CTeam;
class CRepItem_Notes;
class CRepItem_CustomPlayerStats;

class CRepItem_ScoreSheet : public CRepItem
{
    DECLARE_SERIAL(CRepItem_ScoreSheet)
public:
    enum { PER_PAGE_ECONOMY = 0 };
    // File-flag bits.
    static constexpr BYTE FILE_FILL_NAMES = 1;
    static constexpr BYTE FILE_TEAM_AVERAGE = 2;

    // For loading: no document, no note and no table.
    CRepItem_ScoreSheet();
    // The league's style: a note and a two-column player table of the match's two teams.
    explicit CRepItem_ScoreSheet(CBowlingDoc* pDoc);
    ~CRepItem_ScoreSheet() override;
    CRepItem_ScoreSheet(const CRepItem_ScoreSheet&) = delete;
    CRepItem_ScoreSheet& operator=(const CRepItem_ScoreSheet&) = delete;

    // Twelve bytes, the two fonts, the note and the table; no class tag, no version gate.
    void Serialize(CArchive& ar) override;
    using CRepItem::CopyFrom;
    // A sheet made from the league's style: settings, fonts, note and table.
    void CopyFrom(const CRepItem_ScoreSheet& other);
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // The Scoresheet Style dialog; Cancel puts the whole style back, fonts, note and table too.
    void Edit() override;

    // The rows of bowlers each layout draws (per team side by side, both teams standard).
    int CountPlayerRows(BOOL bSideBySide) const;
    CTeam* SideTeam(int nSide) const;

    CFixture* m_pFixture;      // not owned; null in the style
    BYTE m_bPrintNote;
    BYTE m_bPrintPlayerStats;
    BYTE m_nReserved;
    BYTE m_bPrintNextOpponents;
    BYTE m_nFileFlags;
    DWORD m_bFillInNames;
    DWORD m_bPrintTeamAverage;
    BYTE m_nPlayerLines;
    BYTE m_bSpaceForAll;
    BYTE m_nSheetsPerPage;     // 0 economy, else sheets per page (1..4)
    BYTE m_bSecTreasLanes;
    BYTE m_bSideBySide;
    BYTE m_nLaneOverride;      // first lane of the pair, 0 = the league's lane table
    CFontData m_fontHeader;
    CFontData m_fontNames;
    CRepItem_Notes* m_pNote;                  // owned
    CRepItem_CustomPlayerStats* m_pPlayerStats; // owned

private:
    struct SheetTools;
    void DrawSheet(CDC* pDC);
    void DrawTitleBand(CDC* pDC, SheetTools& t, int y, const CString& strRight);
    void DrawSideBySide(CDC* pDC, SheetTools& t, CTeam* teams[2]);
    void DrawStandard(CDC* pDC, SheetTools& t, CTeam* teams[2]);
};

// Makes the league's score-sheet style; the document calls it through its prototype hook.
CObject* MakeScoreSheetPrototype(CBowlingDoc* pDoc);
