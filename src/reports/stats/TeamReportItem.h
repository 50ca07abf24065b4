#pragma once
// Team > Team Report: a block per team with each bowler's pins, games and how many of the
// bowler's games and series fell between consecutive score thresholds; and "Team Stats Setup",
// the dialog that sets the thresholds. A display page only: never stored, no HTML.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/RepItem.h"

class CTeam;

constexpr int TEAM_REPORT_COLUMNS = 16;

class CRepItem_TeamReport : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_TeamReport)
public:
    CRepItem_TeamReport();

    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    // The counts of the columns for one bowler's bands: column i counts the games (a column
    // before nSplit) or series whose band lies from the column's band up to the next column's
    // band, the last column of each kind up to the top band.
    static void CountColumns(const int nThresholds[TEAM_REPORT_COLUMNS], int nSplit, const int nGameBands[13],
                             const int nSeriesBands[48], int nCounts[TEAM_REPORT_COLUMNS]);

    CTeam* m_pTeam;   // not owned
    int m_nThresholds[TEAM_REPORT_COLUMNS];
    int m_nBands[TEAM_REPORT_COLUMNS];
    DWORD m_bSuppressZeros;
};

// "Team Stats Setup": sixteen thresholds, the row where the series columns begin and
// "Don't print zero's".
class CTeamStatsSetupDlg : public CDialog
{
public:
    enum { IDD = IDD_TEAM_STATS_SETUP };
    explicit CTeamStatsSetupDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_nValues[TEAM_REPORT_COLUMNS] = {};
    int m_nSplit = 7;              // 0..16: the first series row; 16 = all game rows
    BOOL m_bSuppressZeros = TRUE;

    BOOL OnInitDialog() override;

protected:
    void OnOK() override;
    void OnValueKillFocus(UINT nID);
    void OnSplitClicked(UINT nID);

private:
    void ShowValues();
    void ShowSplit();
    BOOL ReadValues();
    DECLARE_MESSAGE_MAP()
};

// Replaces the team-report items by a block per playing team (and the floating substitutes'
// team when the league keeps one); returns the blocks made.
int BuildTeamReport(CBowlingDoc& doc, BOOL bSuppressZeros);
// Team > Team Report: the dialog on the league's thresholds, then the blocks. FALSE on Cancel.
BOOL RunTeamReport(CBowlingDoc* pDoc);
