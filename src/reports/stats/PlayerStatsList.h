#pragma once
// The players' statistics list (type 3): the bowlers with handicap, average, pins and games,
// either ranked down two or three newspaper columns or team by team, two or three teams
// across. The stored item is a template; report preparation puts one temporary row copy per
// printed line (or row of teams) behind it, then a closing copy, so that pages break between
// rows only.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/RepItem.h"

class CPlayer;
class CTeam;

enum PlayerStatsGroup : BYTE
{
    PSG_MALE = 0,
    PSG_FEMALE = 1,
    PSG_JUNIOR = 2,
    PSG_COMBINED = 3,
};

class CRepItem_PlayerStats : public CRepItem
{
    DECLARE_SERIAL(CRepItem_PlayerStats)
public:
    CRepItem_PlayerStats();

    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override;
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void Edit() override;
    void Expand(CObList& list) override;

    // Copies the options and the entries (not the document, position or temporary flag).
    void CopyOptionsFrom(const CRepItem_PlayerStats& other);

    BOOL IsTemplate() const { return m_bTemporary == TEMP_STORED; }
    BOOL IsClosing() const { return m_bTemporary != TEMP_STORED && m_nEntries == 0; }
    int Columns() const { return m_bTwoColumns ? 2 : 3; }
    int LineHeight() const { return m_bTwoColumns ? -240 : -200; }

    // Puts the scoring system in force: the league's own when it scores only one, and the
    // document's switch set to it. TRUE when the Hcp column is shown.
    BOOL ApplyScoring();
    // The team of entry j (0-based) of a row of teams: the floating substitutes for a number
    // that names no team; null when there is neither.
    CTeam* EntryTeam(int j) const;

    BYTE m_nScoring;        // 0 scratch figures, 1 handicap figures
    BYTE m_nGroup;          // PlayerStatsGroup
    DWORD m_bByTeam;
    DWORD m_bTwoColumns;    // 0: three columns (or teams) across
    int m_nEntries;         // used entries of a row copy, 0 in the template and closing copy
    WORD m_wEntries[5][3];  // only the first three places are used: player or team numbers

private:
    void DrawFlatRow(CDC* pDC, const CStockFonts* pFonts, BOOL bHcp);
    void DrawTeamRow(CDC* pDC, const CStockFonts* pFonts, BOOL bHcp);
    void ExpandFlat(CObList& list);
    void ExpandByTeam(CObList& list);
    CRepItem_PlayerStats* MakeRow() const;
    WORD Entry(int j) const { return m_wEntries[0][j]; }
    void SetEntry(int j, WORD n) { m_wEntries[0][j] = n; }
};

// The texts of a bowler's figures, shared by the drawing and the HTML.
struct PlayerStatsTexts
{
    CString hcp;   // " %c%d": 'e' or a blank, then the handicap
    CString avg;   // " %c%d.%d": category letter, average cut to tenths
    CString pins;
    CString games;
    BOOL bMark = FALSE;
};
PlayerStatsTexts MakePlayerStatsTexts(CBowlingDoc* pDoc, CPlayer* pPlayer, int nScoring);

// "Select Players to be Listed": group, scoring system, list by team and two or three columns.
// Has only OK; the check boxes go into the members as they are clicked.
class CSelectPlayersListedDlg : public CDialog
{
public:
    enum { IDD = IDD_SELECT_PLAYERS_LISTED };
    explicit CSelectPlayersListedDlg(CBowlingDoc* pDoc, CWnd* pParent = nullptr);

    int m_nGroup = 0;
    int m_nScoring = 0;
    int m_bByTeam = 0;
    int m_bTwoColumns = 0;
    int m_bThreeColumns = 1;
    CBowlingDoc* m_pDoc;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnGroupChange();
    void OnScoringChange();
    void OnByTeam();
    void OnTwoColumns();
    void OnThreeColumns();
    CComboBox* Combo(UINT nID) { return static_cast<CComboBox*>(GetDlgItem(nID)); }

    DECLARE_MESSAGE_MAP()
};
