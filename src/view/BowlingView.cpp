#include "view/BowlingView.h"

#include "framework/ui/Backend.h"
#include "framework/ui/CommonDialogs.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/Frame.h"
#include "league/Player.h"
#include "league/Team.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/Resource.h"
#include "results/ResultCommands.h"
#include "results/ResultsDisplay.h"
#include "view/DisplayHooks.h"
#include "view/DisplayPages.h"
#include "view/ExportFieldsDlg.h"
#include "view/Exports.h"
#include "view/MeasureDC.h"
#include "view/RepForm.h"
#include "view/ReportDialogs.h"
#include "view/ReportFlow.h"
#include "view/ReportLayoutDlg.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CBowlingView, CScrollView)

BEGIN_MESSAGE_MAP(CBowlingView, CScrollView)
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_VIEW_BACK, OnViewBack)
    ON_UPDATE_COMMAND_UI(ID_VIEW_BACK, OnUpdateViewBack)
    ON_COMMAND(ID_VIEW_PREV_PAGE, OnPrevPage)
    ON_UPDATE_COMMAND_UI(ID_VIEW_PREV_PAGE, OnUpdatePrevPage)
    ON_COMMAND(ID_VIEW_NEXT_PAGE, OnNextPage)
    ON_UPDATE_COMMAND_UI(ID_VIEW_NEXT_PAGE, OnUpdateNextPage)
    ON_COMMAND(ID_VIEW_REPORT, OnViewReport)
    ON_COMMAND(ID_VIEW_LEAGUE_DETAILS, OnViewLeagueDetails)
    ON_COMMAND(ID_VIEW_PLAYER_LIST, OnViewPlayerList)
    ON_COMMAND(ID_VIEW_ACCOUNTS, OnViewAccounts)
    ON_COMMAND(ID_VIEW_TREASURER, OnViewTreasurer)
    ON_UPDATE_COMMAND_UI(ID_VIEW_ACCOUNTS, OnUpdateViewAccounts)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TREASURER, OnUpdateViewTreasurer)
    ON_COMMAND(ID_TEAM_DISPLAY_SHORT, OnTeamDisplayShort)
    ON_UPDATE_COMMAND_UI(ID_TEAM_DISPLAY_SHORT, OnUpdateTeamDisplayShort)
    ON_COMMAND(ID_TEAM_DISPLAY_FULL, OnTeamDisplayFull)
    ON_UPDATE_COMMAND_UI(ID_TEAM_DISPLAY_FULL, OnUpdateTeamDisplayFull)
    ON_COMMAND(ID_TEAM_CAPTAINS, OnTeamCaptains)
    ON_UPDATE_COMMAND_UI(ID_TEAM_CAPTAINS, OnUpdateTeamCaptains)
    ON_COMMAND(ID_TEAM_REPORT, OnTeamReport)
    ON_UPDATE_COMMAND_UI(ID_TEAM_REPORT, OnUpdateTeamReport)
    ON_COMMAND(ID_FILE_HTML_REPORT, OnFileHtmlReport)
    ON_UPDATE_COMMAND_UI(ID_FILE_HTML_REPORT, OnUpdateFileHtmlReport)
    ON_COMMAND(ID_FILE_EXPORT_PLAYERS, OnFileExportPlayers)
    ON_COMMAND(ID_DBASE_EXPORT, OnDbaseExport)
    ON_UPDATE_COMMAND_UI(ID_DBASE_EXPORT, OnUpdateDbaseExport)
    ON_COMMAND(ID_REPORT_SELECT, OnReportSelect)
    ON_COMMAND(ID_REPORT_NEW, OnReportNew)
    ON_COMMAND(ID_REPORT_EDIT, OnReportEdit)
    ON_COMMAND(ID_REPORT_DELETE, OnReportDelete)
    ON_COMMAND(ID_REPORT_EXPORT, OnReportExport)
    ON_COMMAND(ID_REPORT_IMPORT, OnReportImport)
    ON_UPDATE_COMMAND_UI(ID_REPORT_SELECT, OnUpdateReportCommand)
    ON_UPDATE_COMMAND_UI(ID_REPORT_EDIT, OnUpdateReportCommand)
    ON_UPDATE_COMMAND_UI(ID_REPORT_DELETE, OnUpdateReportCommand)
    ON_UPDATE_COMMAND_UI(ID_REPORT_EXPORT, OnUpdateReportCommand)
    ON_COMMAND(ID_REPORT_SETUP_FONTS, OnReportSetupFonts)
    ON_COMMAND(ID_POPUP_TEAM_RESULTS, OnPopupTeamResults)
    ON_COMMAND(ID_VENUE_STATS, OnVenueStats)
    ON_COMMAND(ID_VENUE_DISPLAY_REPORT, OnVenueDisplayReport)
    ON_COMMAND(ID_VENUE_INDIVIDUAL_AVERAGES, OnVenueIndividualAverages)
    ON_COMMAND(ID_VENUE_DESIGN_REPORT, OnVenueDesignReport)
    ON_UPDATE_COMMAND_UI(ID_VENUE_STATS, OnUpdateVenueReport)
    ON_UPDATE_COMMAND_UI(ID_VENUE_DISPLAY_REPORT, OnUpdateVenueReport)
    ON_UPDATE_COMMAND_UI(ID_VENUE_INDIVIDUAL_AVERAGES, OnUpdateVenueReport)
    ON_UPDATE_COMMAND_UI(ID_VENUE_DESIGN_REPORT, OnUpdateVenueReport)
    ON_COMMAND(ID_RESULT_ENTER, OnResultEnterResults)
    ON_COMMAND(ID_RESULT_FIRST_UNPLAYED, OnResultFirstUnplayedMatch)
    ON_COMMAND(ID_RESULT_ENTER_INDIVIDUAL, OnResultEnterIndividualResult)
    ON_COMMAND(ID_RESULT_AMEND, OnResultAmendResults)
    ON_COMMAND(ID_RESULT_DISPLAY_BY_ROUND, OnResultDisplayByRound)
    ON_COMMAND(ID_RESULT_DISPLAY_BY_TEAM, OnDisplayResultsByTeam)
    ON_COMMAND(ID_FIXTURE_DISPLAY_BY_ROUND, OnFixtureDisplayByRound)
    ON_COMMAND(ID_FIXTURE_DISPLAY_BY_TEAM, OnFixtureDisplayByTeam)
    ON_COMMAND(ID_FIXTURE_DISPLAY_OUTSTANDING, OnFixtureDisplayOutstanding)
    ON_UPDATE_COMMAND_UI(ID_FIXTURE_DISPLAY_BY_ROUND, OnUpdateFixtureDisplay)
    ON_UPDATE_COMMAND_UI(ID_FIXTURE_DISPLAY_BY_TEAM, OnUpdateFixtureDisplay)
    ON_UPDATE_COMMAND_UI(ID_FIXTURE_DISPLAY_OUTSTANDING, OnUpdateFixtureDisplay)
    ON_COMMAND(ID_PLAYER_DISPLAY, OnPlayerDisplay)
    ON_COMMAND(ID_PLAYER_DISPLAY_BY_TEAM, OnPlayerDisplayByTeam)
    ON_COMMAND(ID_POPUP_PLAYER_DISPLAY, OnPopupPlayerDisplay)
    ON_UPDATE_COMMAND_UI(ID_PLAYER_DISPLAY, OnUpdatePlayerDisplay)
    ON_UPDATE_COMMAND_UI(ID_PLAYER_DISPLAY_BY_TEAM, OnUpdatePlayerDisplay)
    ON_COMMAND(ID_FIXTURE_SCORESHEETS_RECAP, OnScoresheetsRecap)
    ON_COMMAND(ID_FIXTURE_MAKEUP_SCORESHEETS, OnMakeupScoresheets)
    ON_UPDATE_COMMAND_UI(ID_FIXTURE_SCORESHEETS_RECAP, OnUpdateFixtureScoresheets)
    ON_UPDATE_COMMAND_UI(ID_FIXTURE_MAKEUP_SCORESHEETS, OnUpdateFixtureScoresheets)
    ON_COMMAND(ID_JUNIOR_REPORT_ADMIN, OnJuniorReportAdmin)
    ON_COMMAND(ID_JUNIOR_REPORT_DETAIL, OnJuniorReportDetail)
    ON_COMMAND(ID_JUNIOR_REPORT_FONTS, OnJuniorReportFonts)
    ON_UPDATE_COMMAND_UI(ID_JUNIOR_REPORT_ADMIN, OnUpdateJuniorReport)
    ON_UPDATE_COMMAND_UI(ID_JUNIOR_REPORT_DETAIL, OnUpdateJuniorReport)
    ON_UPDATE_COMMAND_UI(ID_JUNIOR_REPORT_FONTS, OnUpdateJuniorReport)
END_MESSAGE_MAP()

namespace {

constexpr int kScrollWidth = 11520;
constexpr int kScrollHeight = 16560;
const char kRepFilter[] = "Report Files (*.rep) | *.rep | All Files (*.*) | *.* ||";
const char kHtmlFilter[] = "HTML Files (*.htm) | *.htm | All Files (*.*) | *.* ||";
const char kTextFilter[] = "Text Files (*.txt) | *.txt | All Files (*.*) | *.* ||";

} // namespace

CBowlingView::CBowlingView() = default;
CBowlingView::~CBowlingView() = default;

// --- drawing and pages ----------------------------------------------------------------------

void CBowlingView::OnInitialUpdate()
{
    SetScrollSizes(MM_TWIPS, CSize(kScrollWidth, kScrollHeight), CSize(kScrollWidth, kScrollHeight / 2),
                   CSize(1440 / 4, 1440 / 4));
    ForgetLeagueShown();
    CScrollView::OnInitialUpdate();
}

void CBowlingView::ForgetLeagueShown()
{
    m_back.clear();
    m_nPage = 1;
    m_pClickedTeam = nullptr;
    m_pClickedPlayer = nullptr;
    ScrollToPosition(CPoint(0, 0));
}

void CBowlingView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    // The standings display is the current report layout: a league without one (a new
    // league, a file written without layouts) gets the default layout, else its first.
    if (lHint == HINT_NEW_LEAGUE)
        ForgetLeagueShown();
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && !pDoc->m_bSetupInProgress && pDoc->IsLeagueSetUp() && !pDoc->m_pCurrentRepForm) {
        if (pDoc->m_listRepForms.IsEmpty())
            pDoc->CreateDefaultReportForm();
        else
            pDoc->m_pCurrentRepForm = static_cast<CRepForm*>(pDoc->m_listRepForms.GetHead());
    }
    // The accounts display is built from the accounts; another display waits until asked for.
    if (pDoc && lHint == HINT_ACCOUNTS_CHANGED && pDoc->m_nDisplayMode == MODE_ACCOUNTS && g_pfnRunAccounts)
        g_pfnRunAccounts(pDoc);
    Relayout();
    CScrollView::OnUpdate(pSender, lHint, pHint);
}

void CBowlingView::Relayout()
{
    CBowlingDoc* pDoc = GetDocument();
    if (!pDoc)
        return;
    CMeasureDC dc(false);
    m_nPageCount = LayoutDisplayPages(pDoc, &dc);
    m_nPage = std::clamp(m_nPage, 1, m_nPageCount);
    ShowPageInStatusBar();
}

void CBowlingView::OnDraw(CDC* pDC)
{
    CBowlingDoc* pDoc = GetDocument();
    if (!pDoc)
        return;
    if (pDoc->m_bSetupInProgress && pDoc->m_nDisplayMode != MODE_WELCOME)
        return;
    pDoc->ClearHitRects();
    m_nPageCount = LayoutDisplayPages(pDoc, pDC);
    m_nPage = std::clamp(m_nPage, 1, m_nPageCount);
    CPageInfo info{m_nPage, m_nPageCount};
    DrawDisplayPage(pDoc, pDC, info);
    ShowPageInStatusBar();
}

void CBowlingView::ShowPageInStatusBar()
{
    if (CFrameWnd* pFrame = GetParentFrame()) {
        CString text;
        text.Format("Page %d of %d", m_nPage, m_nPageCount);
        pFrame->SetMessageText(text);
    }
}

void CBowlingView::Repaint()
{
    Relayout();
    Invalidate();
}

void CBowlingView::GoToPage(int nPage)
{
    int nNew = std::clamp(nPage, 1, std::max(1, m_nPageCount));
    if (nNew == m_nPage)
        return;
    m_nPage = nNew;
    ScrollToPosition(CPoint(0, 0));
    ShowPageInStatusBar();
    Invalidate();
}

void CBowlingView::SetDisplayMode(BYTE nMode, const char* pszTitle, int nPage, BOOL bRemember)
{
    CBowlingDoc* pDoc = GetDocument();
    if (!pDoc)
        return;
    if (bRemember)
        m_back.push_back({pDoc->m_nDisplayMode, m_nPage, GetScrollPosition(), pDoc->m_strReportTitle});
    pDoc->m_nDisplayMode = nMode;
    if (pszTitle)
        pDoc->m_strReportTitle = pszTitle;
    m_nPage = std::max(1, nPage);
    ScrollToPosition(CPoint(0, 0));
    Repaint();
}

// --- printing -------------------------------------------------------------------------------

BOOL CBowlingView::OnPreparePrinting(CPrintInfo* pInfo)
{
    CBowlingDoc* pDoc = GetDocument();
    if (!pDoc)
        return FALSE;
    CMeasureDC dc(true);
    m_nPrintPageCount = LayoutDisplayPages(pDoc, &dc);
    pInfo->SetMaxPage(static_cast<UINT>(m_nPrintPageCount));
    return DoPreparePrinting(pInfo);
}

void CBowlingView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    // The layout is run again on the printer, whose fonts measure differently.
    CBowlingDoc* pDoc = GetDocument();
    pDC->SetMapMode(MM_TWIPS);
    m_nPrintPageCount = LayoutDisplayPages(pDoc, pDC);
    pInfo->SetMaxPage(static_cast<UINT>(m_nPrintPageCount));
    // The player database's files stay closed while the pages go out.
    if (pDoc->m_pPlayerDb && pDoc->m_pPlayerDb->IsOpen()) {
        pDoc->m_pPlayerDb->CloseForPrinting();
        pInfo->m_lpUserData = pDoc->m_pPlayerDb;
    }
}

void CBowlingView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CBowlingDoc* pDoc = GetDocument();
    pDoc->ClearHitRects();
    CPageInfo info{static_cast<int>(pInfo->m_nCurPage), m_nPrintPageCount};
    DrawDisplayPage(pDoc, pDC, info);
}

void CBowlingView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* pInfo)
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && pDoc->m_pPlayerDb && pInfo && pInfo->m_lpUserData == pDoc->m_pPlayerDb) {
        pInfo->m_lpUserData = nullptr;
        pDoc->ReopenPlayerDbAfterPrinting();
    } else if (pDoc)
        pDoc->PlayerDbReady(FALSE);  // one that could not be opened before is tried again
    // Back to the screen's layout; the name rectangles are the screen's again at the next draw.
    Repaint();
}

// --- keyboard and mouse ---------------------------------------------------------------------

void CBowlingView::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    switch (nChar) {
    case VK_NEXT: GoToPage(m_nPage + 1); break;
    case VK_PRIOR: GoToPage(m_nPage - 1); break;
    case VK_HOME: GoToPage(1); break;
    case VK_END: GoToPage(m_nPageCount); break;
    default: break;
    }
}

void CBowlingView::HitTest(CPoint pt, CTeam** ppTeam, CPlayer** ppPlayer) const
{
    *ppTeam = nullptr;
    *ppPlayer = nullptr;
    CBowlingDoc* pDoc = GetDocument();
    if (!pDoc)
        return;
    for (POSITION pos = pDoc->m_listTeams.GetHeadPosition(); pos && !*ppTeam;) {
        CTeam* pTeam = static_cast<CTeam*>(pDoc->m_listTeams.GetNext(pos));
        if (pTeam->HitTest(pt))
            *ppTeam = pTeam;
    }
    for (POSITION pos = pDoc->m_listPlayers.GetHeadPosition(); pos && !*ppPlayer;) {
        CPlayer* pPlayer = static_cast<CPlayer*>(pDoc->m_listPlayers.GetNext(pos));
        if (pPlayer->HitTest(pt))
            *ppPlayer = pPlayer;
    }
}

void CBowlingView::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    HitTest(DPtoLP(point), &m_pClickedTeam, &m_pClickedPlayer);
}

void CBowlingView::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    CPoint pt = DPtoLP(point);
    HitTest(pt, &m_pClickedTeam, &m_pClickedPlayer);
    // A bowler's name lies inside its team's block more often than the other way round.
    int nSubMenu = m_pClickedPlayer ? 1 : (m_pClickedTeam ? 0 : -1);
    if (nSubMenu < 0)
        return;
    UINT nCmd = AfxGetBackend()->TrackPopupMenu(*this, IDR_VIEW_POPUP, nSubMenu, pt.x, pt.y);
    if (nCmd != 0)
        OnCmdMsg(nCmd, CN_COMMAND, nullptr);
}

// --- display commands -----------------------------------------------------------------------

void CBowlingView::OnViewBack()
{
    if (m_back.empty())
        return;
    BackState state = m_back.back();
    m_back.pop_back();
    CBowlingDoc* pDoc = GetDocument();
    pDoc->m_nDisplayMode = state.nMode;
    pDoc->m_strReportTitle = state.strTitle;
    m_nPage = state.nPage;
    Relayout();
    ScrollToPosition(state.ptScroll);
    Invalidate();
}

void CBowlingView::OnUpdateViewBack(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_back.empty());
}

void CBowlingView::OnPrevPage()
{
    GoToPage(m_nPage - 1);
}

void CBowlingView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nPage > 1);
}

void CBowlingView::OnNextPage()
{
    GoToPage(m_nPage + 1);
}

void CBowlingView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nPage < m_nPageCount);
}

void CBowlingView::OnViewReport()
{
    SetDisplayMode(MODE_REPORT);
}

void CBowlingView::OnViewLeagueDetails()
{
    // The shared page list holds another display's items; this display's own come with
    // the league details items.
    DeleteItemList(GetDocument()->m_listDisplayItems);
    if (g_pfnBuildLeagueDetails)
        g_pfnBuildLeagueDetails(GetDocument());
    SetDisplayMode(MODE_LEAGUE_DETAILS, GetDisplayTitle(MODE_LEAGUE_DETAILS));
}

void CBowlingView::OnViewPlayerList()
{
    CBowlingDoc* pDoc = GetDocument();
    if (g_pfnRunPlayerList) {
        // The list's own command asks what to show and builds it; Cancel changes nothing.
        if (pDoc && g_pfnRunPlayerList(pDoc))
            SetDisplayMode(MODE_PLAYER_LIST);
        return;
    }
    DeleteItemList(pDoc->m_listDisplayItems);
    SetDisplayMode(MODE_PLAYER_LIST, GetDisplayTitle(MODE_PLAYER_LIST));
}

void CBowlingView::OnViewAccounts()
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && g_pfnRunAccounts && g_pfnRunAccounts(pDoc))
        SetDisplayMode(MODE_ACCOUNTS, GetDisplayTitle(MODE_ACCOUNTS));
}

void CBowlingView::OnViewTreasurer()
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && g_pfnRunTreasurer && g_pfnRunTreasurer(pDoc))
        SetDisplayMode(MODE_TREASURER, GetDisplayTitle(MODE_TREASURER));
}

// Without the items that draw them the pages would come up blank: off, not a blank page.
void CBowlingView::OnUpdateViewAccounts(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(g_pfnRunAccounts && pDoc && pDoc->IsLeagueSetUp());
}

void CBowlingView::OnUpdateViewTreasurer(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(g_pfnRunTreasurer && pDoc && pDoc->IsLeagueSetUp());
}

void CBowlingView::ShowJuniorReport(DWORD nKind)
{
    CBowlingDoc* pDoc = GetDocument();
    if (!pDoc)
        return;
    CJuniorReport::RunState* pState = pDoc->m_JuniorReport.GetRunState();
    pDoc->m_JuniorReport.m_nReportKind = nKind;
    pState->bRebuild = 1;
    // Each showing numbers the juniors again.
    pState->bJuniorsOrdered = 0;
    SetDisplayMode(MODE_JUNIORS, GetDisplayTitle(MODE_JUNIORS));
}

void CBowlingView::OnJuniorReportAdmin()
{
    ShowJuniorReport(1);
}

void CBowlingView::OnJuniorReportDetail()
{
    ShowJuniorReport(2);
}

void CBowlingView::OnJuniorReportFonts()
{
    if (CBowlingDoc* pDoc = GetDocument(); pDoc && g_pfnJuniorReportFonts)
        g_pfnJuniorReportFonts(pDoc);
}

void CBowlingView::OnUpdateJuniorReport(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(g_pfnBuildJuniorReport && pDoc && pDoc->IsLeagueSetUp());
}

void CBowlingView::OnTeamDisplayShort()
{
    CBowlingDoc* pDoc = GetDocument();
    if (!pDoc || !g_pfnRunTeamDetailsShort)
        return;
    switch (g_pfnRunTeamDetailsShort(pDoc)) {
    case TEAM_DISPLAY_SHOW:
        SetDisplayMode(MODE_TEAM_DETAILS, GetDisplayTitle(MODE_TEAM_DETAILS));
        break;
    case TEAM_DISPLAY_BACK_TO_REPORT:
        SetDisplayMode(MODE_REPORT);
        break;
    default:
        break;
    }
}

void CBowlingView::OnUpdateTeamDisplayShort(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(g_pfnRunTeamDetailsShort && pDoc && pDoc->IsLeagueSetUp());
}

void CBowlingView::OnTeamDisplayFull()
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && g_pfnRunTeamDetailsFull && g_pfnRunTeamDetailsFull(pDoc) == TEAM_DISPLAY_SHOW)
        SetDisplayMode(MODE_TEAM_FULL_DETAILS, GetDisplayTitle(MODE_TEAM_FULL_DETAILS));
}

void CBowlingView::OnUpdateTeamDisplayFull(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(g_pfnRunTeamDetailsFull && pDoc && pDoc->IsLeagueSetUp());
}

void CBowlingView::OnTeamCaptains()
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && g_pfnRunCaptainsList && g_pfnRunCaptainsList(pDoc))
        SetDisplayMode(MODE_CAPTAINS, GetDisplayTitle(MODE_CAPTAINS));
}

void CBowlingView::OnUpdateTeamCaptains(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(g_pfnRunCaptainsList && pDoc && pDoc->IsLeagueSetUp());
}

void CBowlingView::OnTeamReport()
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && g_pfnRunTeamReport && g_pfnRunTeamReport(pDoc))
        SetDisplayMode(MODE_TEAM_REPORT, GetDisplayTitle(MODE_TEAM_REPORT));
}

void CBowlingView::OnUpdateTeamReport(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(g_pfnRunTeamReport && pDoc && pDoc->IsLeagueSetUp());
}

void CBowlingView::OnPopupTeamResults()
{
    if (!m_pClickedTeam)
        return;
    // The results display takes the team from the document, without asking for one.
    CBowlingDoc* pDoc = GetDocument();
    pDoc->m_pSelectedTeam = m_pClickedTeam;
    BuildTeamResults(*pDoc, m_pClickedTeam, 1, pDoc->m_nCurrentRound);
    SetDisplayMode(MODE_RESULTS, TeamResultsTitle(m_pClickedTeam), 1, TRUE);
}

// --- exports --------------------------------------------------------------------------------

void CBowlingView::OnUpdateFileHtmlReport(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(pDoc && pDoc->IsLeagueSetUp() && HasHtmlReport(pDoc->m_nDisplayMode));
}

void CBowlingView::OnFileHtmlReport()
{
    CBowlingDoc* pDoc = GetDocument();
    if (!HasHtmlReport(pDoc->m_nDisplayMode))
        return;
    CString title = pDoc->m_strReportTitle;
    if (pDoc->m_nDisplayMode == MODE_REPORT && pDoc->m_pCurrentRepForm)
        title = pDoc->m_pCurrentRepForm->m_strTitle;
    CFileDialog dlg(FALSE, "htm", SuggestFileName(title, ".htm", "Report.htm"),
                    OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kHtmlFilter);
    if (dlg.DoModal() != IDOK)
        return;
    CString strError;
    if (!WriteHtmlReport(pDoc, dlg.GetPathName(), strError))
        AfxMessageBox("The HTML page could not be written: " + strError);
    Repaint();
}

namespace {

// The fields first, then the file: "Export File Fields", then where to write it.
void ExportPlayers(CBowlingDoc* pDoc, BOOL bDatabase)
{
    // Nothing is asked of the secretary for a database that cannot be read.
    if (bDatabase && !pDoc->ReachPlayerDb())
        return;
    CExportFieldsDlg fields;
    fields.m_bDatabase = bDatabase ? 1 : 0;
    fields.m_bDoubleQuotes = TRUE;
    if (fields.DoModal() != IDOK)
        return;
    if (fields.m_fields.empty()) {
        AfxMessageBox("No fields were chosen, so nothing was exported.");
        return;
    }
    CFileDialog dlg(FALSE, "txt", "EXPORT.TXT", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kTextFilter);
    if (dlg.DoModal() != IDOK)
        return;
    CString strError;
    const int nFields = static_cast<int>(fields.m_fields.size());
    const BOOL bOk = bDatabase ? WriteDatabaseExport(pDoc, dlg.GetPathName(), fields.m_fields.data(), nFields,
                                                     fields.m_bDoubleQuotes, strError)
                               : WritePlayersExport(pDoc, dlg.GetPathName(), fields.m_fields.data(), nFields,
                                                    fields.m_bDoubleQuotes, strError);
    if (!bOk)
        AfxMessageBox((bDatabase ? "The database could not be exported: " : "The players could not be exported: ") +
                      strError);
}

} // namespace

void CBowlingView::OnFileExportPlayers()
{
    ExportPlayers(GetDocument(), FALSE);
}

void CBowlingView::OnDbaseExport()
{
    ExportPlayers(GetDocument(), TRUE);
}

void CBowlingView::OnUpdateDbaseExport(CCmdUI* pCmdUI)
{
    // A database lost for a moment is tried again when the command is chosen.
    const CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(pDoc && pDoc->PlayerDbWanted());
}

// --- report layouts -------------------------------------------------------------------------

void CBowlingView::OnUpdateReportCommand(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    BOOL bEnable = pDoc != nullptr;
    if (bEnable && (pCmdUI->m_nID == ID_REPORT_SELECT || pCmdUI->m_nID == ID_REPORT_DELETE))
        bEnable = !pDoc->m_listRepForms.IsEmpty();
    if (bEnable && pCmdUI->m_nID == ID_REPORT_EXPORT)
        bEnable = pDoc->m_pCurrentRepForm != nullptr;
    pCmdUI->Enable(bEnable);
}

void CBowlingView::OnReportSelect()
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc->m_listRepForms.IsEmpty())
        return;
    CSelectReportLayoutDlg dlg(pDoc, "Select Report Layout");
    POSITION cur = pDoc->m_pCurrentRepForm ? pDoc->m_listRepForms.Find(pDoc->m_pCurrentRepForm) : nullptr;
    int nIndex = 0;
    for (POSITION pos = pDoc->m_listRepForms.GetHeadPosition(); pos && pos != cur; pDoc->m_listRepForms.GetNext(pos))
        ++nIndex;
    dlg.m_nSelected = cur ? nIndex : 0;
    if (dlg.DoModal() != IDOK)
        return;
    POSITION pos = pDoc->m_listRepForms.FindIndex(dlg.m_nSelected);
    if (!pos)
        return;
    pDoc->m_pCurrentRepForm = static_cast<CRepForm*>(pDoc->m_listRepForms.GetAt(pos));
    SetDisplayMode(MODE_REPORT);
}

void CBowlingView::OnReportNew()
{
    CBowlingDoc* pDoc = GetDocument();
    auto* pForm = new CRepForm;
    CReportLayoutDlg dlg(pDoc, pForm);
    if (dlg.DoModal() != IDOK) {
        delete pForm;
        return;
    }
    pDoc->m_listRepForms.AddTail(pForm);
    pDoc->m_pCurrentRepForm = pForm;
    pDoc->SetModifiedFlag();
    SetDisplayMode(MODE_REPORT);
}

void CBowlingView::OnReportEdit()
{
    CBowlingDoc* pDoc = GetDocument();
    if (!pDoc->m_pCurrentRepForm) {
        OnReportNew();
        return;
    }
    CReportLayoutDlg dlg(pDoc, pDoc->m_pCurrentRepForm);
    if (dlg.DoModal() == IDOK)
        SetDisplayMode(MODE_REPORT);
}

void CBowlingView::OnReportDelete()
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc->m_listRepForms.IsEmpty())
        return;
    CSelectReportLayoutDlg dlg(pDoc, "Delete Report Layout");
    if (dlg.DoModal() != IDOK)
        return;
    POSITION pos = pDoc->m_listRepForms.FindIndex(dlg.m_nSelected);
    if (!pos)
        return;
    auto* pForm = static_cast<CRepForm*>(pDoc->m_listRepForms.GetAt(pos));
    CString question;
    question.Format("Delete the report layout \"%s\"?", pForm->m_strTitle.GetString());
    if (AfxMessageBox(question, MB_YESNO) != IDYES)
        return;
    pDoc->m_listRepForms.RemoveAt(pos);
    if (pDoc->m_pCurrentRepForm == pForm)
        pDoc->m_pCurrentRepForm =
            pDoc->m_listRepForms.IsEmpty() ? nullptr : static_cast<CRepForm*>(pDoc->m_listRepForms.GetHead());
    if (pDoc->m_pEditorItems == &pForm->m_listItems)
        pDoc->m_pEditorItems = nullptr;
    delete pForm;
    pDoc->SetModifiedFlag();
    Repaint();
}

void CBowlingView::OnReportExport()
{
    CBowlingDoc* pDoc = GetDocument();
    CRepForm* pForm = pDoc->m_pCurrentRepForm;
    if (!pForm)
        return;
    CFileDialog dlg(FALSE, "rep", SuggestFileName(pForm->m_strTitle, ".rep", "Report.rep"),
                    OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kRepFilter);
    if (dlg.DoModal() != IDOK)
        return;
    CString strError;
    if (!ExportRepForm(*pForm, dlg.GetPathName(), strError))
        AfxMessageBox("The report layout could not be written: " + strError);
}

void CBowlingView::OnReportImport()
{
    CBowlingDoc* pDoc = GetDocument();
    CFileDialog dlg(TRUE, "rep", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kRepFilter);
    if (dlg.DoModal() != IDOK)
        return;
    CString strError;
    CString strNotice;
    CRepForm* pForm = ImportRepForm(dlg.GetPathName(), pDoc, strError, strNotice);
    if (!pForm) {
        AfxMessageBox("The report layout could not be read: " + strError);
        return;
    }
    pDoc->m_listRepForms.AddTail(pForm);
    pDoc->m_pCurrentRepForm = pForm;
    pDoc->SetModifiedFlag();
    SetDisplayMode(MODE_REPORT);
    // Said over the layout it speaks of, as opening a mended league is.
    if (!strNotice.IsEmpty())
        AfxMessageBox(strNotice);
}

void CBowlingView::OnReportSetupFonts()
{
    CReportFontsDlg dlg(GetDocument());
    dlg.DoModal();
}

// ---- Result entry: the commands live in src/results; the view shows what they leave. ----

void CBowlingView::OnResultEnterResults()
{
    if (CBowlingDoc* pDoc = GetDocument()) {
        ::OnResultEnterResults(*pDoc);
        Repaint();
    }
}

void CBowlingView::OnResultFirstUnplayedMatch()
{
    if (CBowlingDoc* pDoc = GetDocument()) {
        ::OnResultFirstUnplayedMatch(*pDoc);
        Repaint();
    }
}

void CBowlingView::OnResultEnterIndividualResult()
{
    if (CBowlingDoc* pDoc = GetDocument()) {
        ::OnResultEnterIndividualResult(*pDoc);
        Repaint();
    }
}

void CBowlingView::OnResultAmendResults()
{
    if (CBowlingDoc* pDoc = GetDocument()) {
        ::OnResultAmendResults(*pDoc);
        Repaint();
    }
}

void CBowlingView::OnResultDisplayByRound()
{
    CString title;
    if (ChooseRoundResults(*GetDocument(), title))
        SetDisplayMode(MODE_RESULTS, title);
}

void CBowlingView::OnDisplayResultsByTeam()
{
    CString title;
    if (ChooseTeamResults(*GetDocument(), title))
        SetDisplayMode(MODE_RESULTS, title);
    else
        SetDisplayMode(MODE_REPORT);
}

// ---- Fixture lists: the report items build them; the view shows them. ----

void CBowlingView::ShowFixtureList(int nKind)
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && g_pfnRunFixtureList && g_pfnRunFixtureList(pDoc, nKind))
        SetDisplayMode(MODE_FIXTURES);
}

void CBowlingView::OnFixtureDisplayByRound()
{
    ShowFixtureList(FIXTURE_LIST_BY_ROUND);
}

void CBowlingView::OnFixtureDisplayByTeam()
{
    ShowFixtureList(FIXTURE_LIST_BY_TEAM);
}

void CBowlingView::OnFixtureDisplayOutstanding()
{
    ShowFixtureList(FIXTURE_LIST_OUTSTANDING);
}

void CBowlingView::OnUpdateFixtureDisplay(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(g_pfnRunFixtureList && pDoc && pDoc->IsLeagueSetUp());
}

// ---- Score sheets: the report items make them from the league's style; the view shows them. ----

void CBowlingView::ShowScoreSheets(int nKind)
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && g_pfnRunScoreSheets && g_pfnRunScoreSheets(pDoc, nKind))
        SetDisplayMode(MODE_SCORE_SHEETS);
}

void CBowlingView::OnScoresheetsRecap()
{
    ShowScoreSheets(SCORE_SHEETS_RECAP);
}

void CBowlingView::OnMakeupScoresheets()
{
    ShowScoreSheets(SCORE_SHEETS_MAKEUP);
}

void CBowlingView::OnUpdateFixtureScoresheets(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(g_pfnRunScoreSheets && pDoc && pDoc->IsLeagueSetUp());
}

// ---- Player pages: the report items build them; the view shows them. ----

void CBowlingView::ShowPlayerPages(int nKind, CPlayer* pPlayer)
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && g_pfnRunPlayerDisplay && g_pfnRunPlayerDisplay(pDoc, nKind, pPlayer))
        SetDisplayMode(MODE_PLAYERS, nullptr, 1, nKind == PLAYER_DISPLAY_ONE);
}

void CBowlingView::OnPlayerDisplay()
{
    ShowPlayerPages(PLAYER_DISPLAY_CHOSEN, nullptr);
}

void CBowlingView::OnPlayerDisplayByTeam()
{
    ShowPlayerPages(PLAYER_DISPLAY_BY_TEAM, nullptr);
}

void CBowlingView::OnPopupPlayerDisplay()
{
    if (m_pClickedPlayer)
        ShowPlayerPages(PLAYER_DISPLAY_ONE, m_pClickedPlayer);
}

void CBowlingView::OnUpdatePlayerDisplay(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    pCmdUI->Enable(g_pfnRunPlayerDisplay && pDoc && pDoc->IsLeagueSetUp());
}

// ---- The Venue menu's reports: the report items build the generated pages; the view shows them. ----

void CBowlingView::ShowVenueReport(int nKind)
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && g_pfnRunVenueReport && g_pfnRunVenueReport(pDoc, nKind))
        SetDisplayMode(MODE_GENERATED);
}

void CBowlingView::OnVenueStats()
{
    ShowVenueReport(VENUE_REPORT_STATS);
}

void CBowlingView::OnVenueDisplayReport()
{
    ShowVenueReport(VENUE_REPORT_HI_STATS);
}

void CBowlingView::OnVenueIndividualAverages()
{
    ShowVenueReport(VENUE_REPORT_AVERAGES);
}

void CBowlingView::OnVenueDesignReport()
{
    CBowlingDoc* pDoc = GetDocument();
    if (pDoc && g_pfnRunVenueReportStyle && g_pfnRunVenueReportStyle(pDoc))
        Repaint();
}

void CBowlingView::OnUpdateVenueReport(CCmdUI* pCmdUI)
{
    CBowlingDoc* pDoc = GetDocument();
    const bool bHook = pCmdUI->m_nID == ID_VENUE_DESIGN_REPORT ? g_pfnRunVenueReportStyle != nullptr
                                                                : g_pfnRunVenueReport != nullptr;
    pCmdUI->Enable(bHook && pDoc && pDoc->IsLeagueSetUp() && !pDoc->m_listVenues.IsEmpty());
}
