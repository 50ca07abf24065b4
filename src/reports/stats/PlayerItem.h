#pragma once
// One column of a custom player table: a heading, a justification, a width in percent of its
// block and the bowler figure it shows, picked from a fixed catalogue. The owning table hands
// it the bowler (or the team of a team heading), the list number, the kind, the font and the
// header, team-mode and mark flags before each cell.
#include "league/FontData.h"
#include "view/RepItem.h"

class CPlayer;
class CTeam;

// Kinds of a custom player table: which set of figures its columns and rankings use.
enum PlayerTableKind : BYTE
{
    PK_HANDICAP = 0,
    PK_SCRATCH = 1,
};

// The column catalogue.
enum PlayerColumnType : BYTE
{
    PC_SPACE = 0, PC_NAME, PC_HANDICAP, PC_AVG_PLAYING, PC_ENTERING_AVG, PC_DIFFERENCE, PC_GAMES,
    PC_SCRATCH_PINS, PC_HCP_PINS, PC_HIGH_GAME_HCP, PC_HIGH_GAME_SCR, PC_HIGH_SERIES_HCP, PC_HIGH_SERIES_SCR,
    PC_WINS_SCR, PC_CATEGORY, PC_PIN, PC_MEMBERSHIP_NO, PC_AVG_INTEGER, PC_AVG_REAL, PC_POSITION,
    PC_ENTERING_AVG_INTEGER, PC_SCR_PCT_WINS_2, PC_SCR_PCT_WINS_1, PC_HCP_PCT_WINS_2, PC_HCP_PCT_WINS_1,
    PC_LAST_MATCH_SCR, PC_LAST_MATCH_HCP, PC_WINS_HCP, PC_PINS_HCP_CALC, PC_REAL_AVERAGE, PC_AVG_BUSTER,
    PC_PCT_GAMES_PLAYED, PC_ERROR,
    PC_COUNT = 33,
};

// The catalogue's names; PC_ERROR's is "Error". The designer offers the first 32.
const char* GetPlayerColumnName(int nType);

class CRepItem_PlayerItem : public CRepItem
{
    DECLARE_SERIAL(CRepItem_PlayerItem)
public:
    enum { JUSTIFY_LEFT = 0, JUSTIFY_CENTRE = 1, JUSTIFY_RIGHT = 2 };
    CRepItem_PlayerItem();
    // Column type, title, justification and width; no type byte and no version gate.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void WriteHtml(CStdioFile& file) override;

    // The cell's text for the bowler (the catalogue). On the screen (bScreen) a name counted
    // in its team's total gets its leading "*" when the mark flag is set.
    CString GetCellText(BOOL bScreen) const;
    // The bowler's games in the current round, scratch or with handicap: the games and the
    // series, empty when he did not bowl.
    void GetLastMatchScratch(CString& strText) const;
    void GetLastMatchHandicap(CString& strText) const;

    BOOL IsScratchSet() const { return m_nKind == PK_SCRATCH; }

    CString m_strTitle;
    BYTE m_nJustify;        // JUSTIFY_...
    BYTE m_nKind;           // PlayerTableKind, set by the owner
    BYTE m_nColumnType;     // PlayerColumnType
    int m_nWidthTwips;      // set by the owner
    WORD m_nWidth;          // percent of the block
    DWORD m_bHeader;        // the cell shows the heading
    DWORD m_bTeamMode;      // the table lists by team
    DWORD m_bMark;          // names counted in a team total get "*"
    CPlayer* m_pPlayer;     // not owned
    int m_nListNo;          // the bowler's number in the ranked list
    CTeam* m_pTeam;         // the block's team in team mode; not owned
    CFontData m_font;
    CFont* m_pFontObject;   // the owner's drawing font; not owned
    int m_nMaxWidth = 0;    // set by the owner: the room a left-aligned cell has, 0 for no limit

private:
    // The average of the kind's set (with the league's minimum games) x 10, truncated.
    int AverageTenths(BOOL bSeasonAverage) const;
    CString GetHeaderText() const;
    void GetLastMatch(BOOL bHandicap, CString& strText) const;
};
