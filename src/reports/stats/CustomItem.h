#pragma once
// One column of a custom standings table: a heading, a justification, a width and the team
// figure it shows, picked from a fixed catalogue. The owning table hands it the row's team,
// position, standings kind and font before each cell.
#include "league/FontData.h"
#include "view/RepItem.h"

class CTeam;

// Standings kinds of a custom standings table.
enum StandingsKind : BYTE
{
    SK_HANDICAP = 0,
    SK_SCRATCH = 1,
    SK_COMBINED = 2,
    SK_PYRAMID_SCRATCH = 3,
    SK_PYRAMID_HANDICAP = 4,
};

// The column catalogue.
enum CustomColumnType : BYTE
{
    CC_SPACE = 0, CC_POSITION, CC_TEAM_NAME, CC_POINTS_WON, CC_POINTS_LOST, CC_GAMES, CC_SCRATCH_PINS,
    CC_HCP_PINS, CC_HIGH_GAME_HCP, CC_HIGH_GAME_SCR, CC_HIGH_SERIES_HCP, CC_HIGH_SERIES_SCR, CC_DRAWN,
    CC_AVG_TEAM_HCP, CC_AVG_TEAM_SCR, CC_AVG_PLAYER_HCP, CC_AVG_PLAYER_SCR, CC_PCT_WON, CC_AVG_PLAYER_HCP_1,
    CC_AVG_PLAYER_SCR_1, CC_AVG_PLAYER_HCP_2, CC_AVG_PLAYER_SCR_2, CC_MATCHES, CC_DIFF_SCR, CC_DIFF_HCP,
    CC_OPP_AVG_SCR, CC_OPP_AVG_HCP, CC_GAMES_WON_SCR, CC_GAMES_LOST_SCR, CC_GAMES_WON_HCP, CC_GAMES_LOST_HCP,
    CC_PTS_PER_MATCH_HCP, CC_PTS_PER_MATCH_SCR, CC_PTS_PER_MATCH_ALL, CC_ERROR,
    CC_COUNT = 35,
};

// The catalogue's names; CC_ERROR's is "Error". The designer offers the first 34.
const char* GetCustomColumnName(int nType);

// A team's game average, rounded: pins with handicap over the handicap pass's games, or
// scratch pins over the scratch pass's games with bScratch; 0 without pins or games.
long GetTeamGameAverage(const CTeam& team, BOOL bScratch);
// The same over the opponents' pins and games of that pass.
long GetTeamOpponentsGameAverage(const CTeam& team, BOOL bScratch);

class CRepItem_CustomItem : public CRepItem
{
    DECLARE_SERIAL(CRepItem_CustomItem)
public:
    enum { JUSTIFY_LEFT = 0, JUSTIFY_CENTRE = 1, JUSTIFY_RIGHT = 2 };
    CRepItem_CustomItem();
    // Column type, title, justification and width; no type byte and no version gate.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void WriteHtml(CStdioFile& file) override;

    // The cell's text for the team (the catalogue); bHtml picks the page form of "Error".
    CString GetCellText(BOOL bHtml) const;
    // Any type beyond the catalogue is shown as "Error".
    int GetEffectiveType() const { return m_nColumnType < CC_ERROR ? int(m_nColumnType) : int(CC_ERROR); }
    BOOL IsScratchSide() const { return m_nKind == SK_SCRATCH || m_nKind == SK_PYRAMID_SCRATCH; }
    int GetWidthTwips() const { return m_nWidth * 1440 / 100; }

    CString m_strTitle;
    BYTE m_nJustify;        // JUSTIFY_...
    BYTE m_nColumnType;     // CustomColumnType
    int m_nPosition;        // the row's standings position
    WORD m_nWidth;          // hundredths of an inch
    DWORD m_bHeader;        // the cell shows the title
    BYTE m_nKind;           // StandingsKind
    CTeam* m_pTeam;         // not owned; null in the header row
    CFontData m_font;
    CFont* m_pFontObject;   // the owner's drawing font; not owned
    int m_nMaxWidth = 0;    // set by the owner: the room a left-aligned cell has, 0 for no limit

private:
    long WonOfKind() const;
    long LostOfKind() const;
};
