#pragma once
// The team details block (type 29) of Team > Display Team Details (Short): the team's league
// figures for each scoring system and a table of its bowlers. A display page only: never
// stored, nothing to edit, no HTML.
#include "framework/ui/Dialog.h"
#include "view/DisplayHooks.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/RepItem.h"

class CTeam;

class CRepItem_TeamDets : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_TeamDets)
public:
    CRepItem_TeamDets();

    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    CTeam* m_pTeam;   // not owned

private:
    int DrawSummaryLine(CDC* pDC, int y, const char* pszCaption, int nSet);
    void DrawBowlerTable(CDC* pDC, int y);
};

// "Printing Setup": how many teams' details go on a page.
class CPrintingSetupDlg : public CDialog
{
public:
    enum { IDD = IDD_PRINTING_SETUP };
    explicit CPrintingSetupDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_nTeamsPerPage = 4;   // 1..4

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// Replaces the display's items by one block per team of the document's selected teams.
// Returns the number of blocks.
int BuildTeamDetails(CBowlingDoc& doc);

// Team > Display Team Details (Short): the teams, then the teams per page; a TeamDisplayOutcome.
int RunTeamDetailsShort(CBowlingDoc* pDoc);
