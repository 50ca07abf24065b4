#pragma once
// The bowlers' table whose columns the secretary designs. Either a ranked list, printed in
// one, two or three blocks side by side (the stored item draws the column headings, each
// temporary row one bowler per block), or a list by team (each temporary row holds one team
// per block: a heading line, its bowlers and optionally a team-average line).
#include "league/FontData.h"
#include "reports/stats/PlayerItem.h"
#include "view/RepItem.h"

#include <vector>

class CPlayer;
class CTeam;

// Keys of the ranked list.
enum PlayerRankKey : BYTE
{
    PRK_AVERAGE = 0, PRK_PINFALL, PRK_WINS, PRK_HIGH_GAME_HCP, PRK_HIGH_GAME_SCR, PRK_HIGH_SERIES_HCP,
    PRK_HIGH_SERIES_SCR, PRK_GAMES_OVER_AVERAGE, PRK_DIFFERENCE, PRK_SURNAME,
    PRK_COUNT = 10,
};

// Styles of the team-average line.
enum TeamTotalStyle : BYTE
{
    TTS_AVERAGE_OF_FIRST = 0,   // entering average and average of the first listed members
    TTS_TOP_MALE_FEMALE = 1,    // entering averages of the best, a woman among them
    TTS_TEAM_AVERAGE = 2,       // the members' average figures added up
};

class CRepItem_CustomPlayerStats : public CRepItem
{
    DECLARE_SERIAL(CRepItem_CustomPlayerStats)
public:
    static constexpr int MAX_BLOCKS = 3;
    // Group-mask bits of the listed bowlers.
    static constexpr WORD GROUP_MALE = 4;
    static constexpr WORD GROUP_FEMALE = 2;
    static constexpr WORD GROUP_JUNIOR = 1;

    CRepItem_CustomPlayerStats();
    ~CRepItem_CustomPlayerStats() override;
    CRepItem_CustomPlayerStats(const CRepItem_CustomPlayerStats&) = delete;
    CRepItem_CustomPlayerStats& operator=(const CRepItem_CustomPlayerStats&) = delete;

    // Type, kind, three packed bytes of flags and small numbers, the rank key, the packed
    // group word, the columns as objects, the heading and detail fonts. No version gate.
    void Serialize(CArchive& ar) override;
    // Everything but the row's entry count and the embedded mark; the columns one by one.
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Custom Player Stats"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // The designer; anything but OK restores the table and the league's default fonts. With
    // "Apply to all" ticked the fonts go to every other such table of the open layout editor.
    void Edit() override;
    // The league's default fonts of the layout (entries 4/5, 6/7 or 8/9).
    void ApplyDefaultFonts() override;
    // A new table: design pending, Scratch in a scratch-only league, else Handicap, listed
    // by team and the default design; the heading is bold only in a league's first layout, not
    // in a table the layout editor adds.
    void SetDefaults() override;
    void Expand(CObList& list) override;

    int GetBlockCount() const { return (m_nLayout <= 2 ? m_nLayout : 0) + 1; }
    // 10080, 5040 or 3360 twips.
    int GetBlockWidth() const { return 10080 / GetBlockCount(); }
    // The league's default heading font of the layout (4, 6 or 8); the detail font follows it.
    int GetDefaultFontEntry() const { return 2 + 2 * GetBlockCount(); }
    int GetTotalWidth() const;
    // Replaces columns and fonts by the default design of the layout and kind while design
    // pending is set.
    void SetDefaultDesign();
    BOOL IsRow() const { return m_bTemporary != TEMP_STORED; }
    // The rank key in use: a key beyond the list (from a damaged file) ranks by average.
    int GetEffectiveRankKey() const { return m_nRankKey < PRK_COUNT ? int(m_nRankKey) : int(PRK_AVERAGE); }
    void DeleteColumns();
    // Takes ownership.
    void AddColumn(CRepItem_PlayerItem* pColumn) { m_arrColumns.push_back(pColumn); }

    // The two figures of a team's average line; nCount receives the bowlers counted. With
    // style 1 the entering-average total marks the bowlers it counts.
    long GetTeamEnteringAverageTotal(CTeam* pTeam, int nStyle, int& nCount);
    long GetTeamAverageTotal(CTeam* pTeam, int nStyle, int& nCount);
    // The team-average line of a block's team.
    CString GetTeamAverageText(CTeam* pTeam);

    BYTE m_bEmbedded;          // inside a score sheet; neither stored nor copied
    BYTE m_nKind;              // PlayerTableKind
    BYTE m_nLayout;            // blocks less 1
    BYTE m_nRankKey;           // PlayerRankKey
    WORD m_wGroupMask;         // GROUP_... bits listed in a ranked list
    BYTE m_bListByTeam;
    BYTE m_nGap;               // below each team row, hundredths of an inch
    DWORD m_bDesignPending;
    DWORD m_bSubsOnly;         // by team: the floating substitutes only
    DWORD m_bTeamAverages;     // by team: a team-average line under each team
    BYTE m_nTeamTotalStyle;    // TeamTotalStyle
    CFontData m_fontHeading;
    CFontData m_fontDetail;
    CString m_strTitle;        // copied, neither stored nor shown
    int m_nEntries;            // teams or bowlers of a row, 0..3
    CTeam* m_pTeams[MAX_BLOCKS];       // by team; not owned
    CPlayer* m_pPlayers[MAX_BLOCKS];   // ranked; not owned
    int m_nListNos[MAX_BLOCKS];
    std::vector<CRepItem_PlayerItem*> m_arrColumns; // owned

private:
    void ExpandRanked(CObList& list);
    void ExpandByTeam(CObList& list);
    CRepItem_CustomPlayerStats* MakeRow() const;
    // Prepares a column for one cell of block nBlock at (x, y).
    void PrepareColumn(CRepItem_PlayerItem& column, int x, int y, BOOL bHeader, CFont* pFont) const;
    int NameRoom(CDC* pDC, size_t i, int x, int y, CFont* pFont) const;
    // The largest number of real bowlers among the row's teams (their orders packed).
    int CountRowLines() const;
    // The next real bowler of the team order from nCursor on; nCursor moves past it.
    CPlayer* NextBowler(const CTeam* pTeam, int& nCursor) const;
    // The real bowlers among the first nFirst entries of the team order.
    std::vector<CPlayer*> ActiveBowlers(const CTeam* pTeam, int nFirst) const;
    // Style 1's chosen bowlers: the best entering averages, a woman among them.
    std::vector<CPlayer*> ChooseTopBowlers(CTeam* pTeam, BOOL bClearMarks);
    double AverageOf(CPlayer* pPlayer) const;
};

// Makes the player table's classes known by name; the stats items' registration calls it.
void RegisterCustomPlayerStatsItems();
