#pragma once
// CBowlingView: the one scrolling view. It shows the document's display mode page by page
// (the scroll area is one page, 11520 x 16560 twips), prints and previews through the same
// drawing, and takes the report-layout and export commands.
#include "framework/ui/View.h"
#include "league/BowlingDoc.h"

#include <vector>

class CTeam;
class CPlayer;

class CBowlingView : public CScrollView
{
    DECLARE_DYNCREATE(CBowlingView)
public:
    CBowlingView();
    ~CBowlingView() override;

    CBowlingDoc* GetDocument() const { return static_cast<CBowlingDoc*>(m_pDocument); }

    // Shows a display from its first page (or nPage). With bRemember the display shown
    // before is kept for View > Back. A null title keeps the document's report title.
    void SetDisplayMode(BYTE nMode, const char* pszTitle = nullptr, int nPage = 1, BOOL bRemember = FALSE);
    int GetCurrentPage() const { return m_nPage; }
    int GetPageCount() const { return m_nPageCount; }
    void GoToPage(int nPage);
    BOOL CanGoBack() const { return !m_back.empty(); }

    // The team or bowler under the last click, or null.
    CTeam* m_pClickedTeam = nullptr;
    CPlayer* m_pClickedPlayer = nullptr;

    // CView
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;

    // Finds the team or bowler whose name rectangle holds the point (twips).
    void HitTest(CPoint ptTwips, CTeam** ppTeam, CPlayer** ppPlayer) const;

    // Commands
    afx_msg void OnViewBack();
    afx_msg void OnUpdateViewBack(CCmdUI* pCmdUI);
    afx_msg void OnPrevPage();
    afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
    afx_msg void OnNextPage();
    afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
    afx_msg void OnViewReport();
    afx_msg void OnViewLeagueDetails();
    afx_msg void OnViewPlayerList();
    afx_msg void OnViewAccounts();
    afx_msg void OnViewTreasurer();
    afx_msg void OnUpdateViewAccounts(CCmdUI* pCmdUI);
    afx_msg void OnUpdateViewTreasurer(CCmdUI* pCmdUI);
    // Team details display (view/DisplayHooks.h)
    afx_msg void OnTeamDisplayShort();
    afx_msg void OnUpdateTeamDisplayShort(CCmdUI* pCmdUI);
    afx_msg void OnTeamDisplayFull();
    afx_msg void OnUpdateTeamDisplayFull(CCmdUI* pCmdUI);
    afx_msg void OnTeamCaptains();
    afx_msg void OnUpdateTeamCaptains(CCmdUI* pCmdUI);
    afx_msg void OnTeamReport();
    afx_msg void OnUpdateTeamReport(CCmdUI* pCmdUI);
    afx_msg void OnFileHtmlReport();
    afx_msg void OnUpdateFileHtmlReport(CCmdUI* pCmdUI);
    afx_msg void OnFileExportPlayers();
    afx_msg void OnDbaseExport();
    afx_msg void OnUpdateDbaseExport(CCmdUI* pCmdUI);
    afx_msg void OnReportSelect();
    afx_msg void OnReportNew();
    afx_msg void OnReportEdit();
    afx_msg void OnReportDelete();
    afx_msg void OnReportExport();
    afx_msg void OnReportImport();
    afx_msg void OnUpdateReportCommand(CCmdUI* pCmdUI);
    afx_msg void OnReportSetupFonts();
    afx_msg void OnPopupTeamResults();
    // The Venue menu's reports (view/DisplayHooks.h)
    afx_msg void OnVenueStats();
    afx_msg void OnVenueDisplayReport();
    afx_msg void OnVenueIndividualAverages();
    afx_msg void OnVenueDesignReport();
    afx_msg void OnUpdateVenueReport(CCmdUI* pCmdUI);
    // Result entry (src/results/ResultCommands.h)
    afx_msg void OnResultEnterResults();
    afx_msg void OnResultFirstUnplayedMatch();
    afx_msg void OnResultEnterIndividualResult();
    afx_msg void OnResultAmendResults();
    // Results display (src/results/ResultsDisplay.h)
    afx_msg void OnResultDisplayByRound();
    afx_msg void OnDisplayResultsByTeam();
    // Fixture lists (view/DisplayHooks.h)
    afx_msg void OnFixtureDisplayByRound();
    afx_msg void OnFixtureDisplayByTeam();
    afx_msg void OnFixtureDisplayOutstanding();
    afx_msg void OnUpdateFixtureDisplay(CCmdUI* pCmdUI);
    // Player pages and the player list (view/DisplayHooks.h)
    afx_msg void OnPlayerDisplay();
    afx_msg void OnPlayerDisplayByTeam();
    afx_msg void OnPopupPlayerDisplay();
    afx_msg void OnUpdatePlayerDisplay(CCmdUI* pCmdUI);
    afx_msg void OnScoresheetsRecap();
    afx_msg void OnMakeupScoresheets();
    afx_msg void OnUpdateFixtureScoresheets(CCmdUI* pCmdUI);
    // Junior reports (view/DisplayHooks.h)
    afx_msg void OnJuniorReportAdmin();
    afx_msg void OnJuniorReportDetail();
    afx_msg void OnJuniorReportFonts();
    afx_msg void OnUpdateJuniorReport(CCmdUI* pCmdUI);

private:
    struct BackState
    {
        BYTE nMode;
        int nPage;
        CPoint ptScroll;
        CString strTitle;
    };
    // The pages, the place and the way back of the league shown before: another is shown now.
    void ForgetLeagueShown();
    void Relayout();
    void ShowPageInStatusBar();
    void Repaint();
    void ShowFixtureList(int nKind);
    void ShowPlayerPages(int nKind, CPlayer* pPlayer);
    void ShowScoreSheets(int nKind);
    void ShowVenueReport(int nKind);
    void ShowJuniorReport(DWORD nKind);

    int m_nPage = 1;
    int m_nPageCount = 1;
    int m_nPrintPageCount = 1;
    std::vector<BackState> m_back;
    DECLARE_MESSAGE_MAP()
};
