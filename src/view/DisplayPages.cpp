#include "view/DisplayPages.h"

#include "league/BowlingDoc.h"
#include "view/DisplayHooks.h"
#include "view/RepForm.h"
#include "view/ReportFlow.h"

#include <algorithm>
#include <memory>

namespace {

struct DisplayInfo
{
    BYTE nMode;
    const char* pszTitle;
    CObList CBowlingDoc::*pList;  // null: the display has its own routines
    BOOL bOnePerPage;
    BOOL bHeadings;
    int nHeadingGap = 0;  // twips between the page heading and the first item
};

// A result card keeps a row free under its box; the first card of a page stands as far below
// the heading, whose page line would otherwise rest on the card's frame.
constexpr int kResultCardGap = 200;

// The displays made of a list of page items, flowed with a heading at every page top.
const DisplayInfo kDisplays[] = {
    {MODE_TEAM_DETAILS, "Team Details", &CBowlingDoc::m_listDisplayItems, FALSE, TRUE},
    {MODE_PLAYERS, "Player Details", &CBowlingDoc::m_listDisplayItems, TRUE, TRUE},
    {MODE_FIXTURES, "Fixtures", &CBowlingDoc::m_listDisplayItems, FALSE, TRUE},
    {MODE_LEAGUE_DETAILS, "League Details", &CBowlingDoc::m_listDisplayItems, FALSE, TRUE},
    {MODE_PLAYER_LIST, "Player Details", &CBowlingDoc::m_listDisplayItems, FALSE, TRUE},
    {MODE_RESULTS, "Results", &CBowlingDoc::m_listDisplayItems, FALSE, TRUE, kResultCardGap},
    {MODE_REPORT, "Report", nullptr, FALSE, TRUE},
    {MODE_TEAM_REPORT, "Teams Report", &CBowlingDoc::m_listTeamReportItems, FALSE, TRUE},
    {MODE_SCORE_SHEETS, "Score Sheets", &CBowlingDoc::m_listScoreSheetItems, FALSE, FALSE},
    {MODE_TREASURER, "Treasurer", &CBowlingDoc::m_listTreasurerItems, FALSE, TRUE},
    // A team's history page carries its own heading.
    {MODE_TEAM_FULL_DETAILS, "Team Details", &CBowlingDoc::m_listDisplayItems, TRUE, FALSE},
    {MODE_WELCOME, "", nullptr, FALSE, FALSE},
    {MODE_GENERATED, "Report", nullptr, FALSE, TRUE},
    {MODE_ACCOUNTS, "Accounts", &CBowlingDoc::m_listAccountsItems, FALSE, TRUE},
    {MODE_CAPTAINS, "Team Captains", &CBowlingDoc::m_listCaptainsItems, FALSE, TRUE},
    {MODE_JUNIORS, "Junior Reports", &CBowlingDoc::m_listJuniorItems, FALSE, TRUE},
};

const DisplayInfo* FindDisplay(BYTE nMode)
{
    for (const DisplayInfo& d : kDisplays)
        if (d.nMode == nMode)
            return &d;
    return nullptr;
}

// The heading alone, for a display that has nothing on it yet.
void DrawEmptyPage(CBowlingDoc* pDoc, CDC* pDC, const CPageInfo& info)
{
    std::unique_ptr<CRepItem> pHeading(MakePageHeading(pDoc, 1, TEMP_FLOW));
    pHeading->Draw(pDC, &info);
}

bool HasNoItems(CBowlingDoc* pDoc, const DisplayInfo* pInfo)
{
    if (pInfo && pInfo->pList)
        return (pDoc->*(pInfo->pList)).IsEmpty();
    if (pDoc->m_nDisplayMode == MODE_REPORT)
        return !pDoc->m_pCurrentRepForm || pDoc->m_pCurrentRepForm->m_listItems.IsEmpty();
    if (pDoc->m_nDisplayMode == MODE_GENERATED)
        return pDoc->m_listGeneratedItems.IsEmpty();
    return true;
}

} // namespace

const char* GetDisplayTitle(BYTE nMode)
{
    const DisplayInfo* p = FindDisplay(nMode);
    return p ? p->pszTitle : "";
}

int TeamDetailsPerPage(const CBowlingDoc* pDoc)
{
    const int n = pDoc ? pDoc->m_nTeamsPerPage : 1;
    return n >= 2 && n <= 4 ? n : 1;
}

int LayoutTeamDetails(CBowlingDoc* pDoc)
{
    static const int kSlots[4][4] = {
        {-720}, {-720, -9000}, {-720, -6240, -11760}, {-720, -4860, -9000, -13140}};
    const int n = TeamDetailsPerPage(pDoc);
    int i = 0;
    for (POSITION pos = pDoc->m_listDisplayItems.GetHeadPosition(); pos; ++i) {
        CRepItem* pItem = static_cast<CRepItem*>(pDoc->m_listDisplayItems.GetNext(pos));
        pItem->m_pDoc = pDoc;
        pItem->m_x = PAGE_LEFT;
        pItem->m_y = kSlots[n - 1][i % n];
        pItem->m_nPage = static_cast<WORD>(std::min(i / n + 1, 0xFFFF));
    }
    return i == 0 ? 1 : (i - 1) / n + 1;
}

int LayoutDisplayPages(CBowlingDoc* pDoc, CDC* pDC)
{
    BYTE nMode = pDoc->m_nDisplayMode;
    // The blocks carry their own league name and sit in fixed slots: no flowing, no headings.
    if (nMode == MODE_TEAM_DETAILS)
        return LayoutTeamDetails(pDoc);
    if (nMode == MODE_REPORT)
        return std::max(1, pDoc->LayoutReportForm(pDC));
    if (nMode == MODE_GENERATED)
        return std::max(1, pDoc->LayoutGeneratedReport(pDC));
    if (nMode == MODE_JUNIORS)
        return std::max(1, pDoc->LayoutJuniorReports(pDC));
    if (nMode == MODE_ACCOUNTS)
        return std::max(1, pDoc->LayoutAccountsReport(pDC));
    if (nMode == MODE_CAPTAINS)
        return std::max(1, pDoc->LayoutCaptainsListPages(pDC));
    // Score sheets stand in the slots of the league's sheets per page.
    if (nMode == MODE_SCORE_SHEETS && g_pfnLayoutScoreSheets)
        return std::max(1, g_pfnLayoutScoreSheets(pDoc, pDC));
    const DisplayInfo* pInfo = FindDisplay(nMode);
    if (!pInfo || !pInfo->pList)
        return 1;
    FlowOptions options;
    options.bHeadings = pInfo->bHeadings;
    options.bOnePerPage = pInfo->bOnePerPage;
    options.nHeadingGap = pInfo->nHeadingGap;
    return std::max(1, FlowPageItems(pDoc, pDC, pDoc->*(pInfo->pList), options));
}

void DrawDisplayPage(CBowlingDoc* pDoc, CDC* pDC, const CPageInfo& info)
{
    BYTE nMode = pDoc->m_nDisplayMode;
    if (pDoc->m_bSetupInProgress && nMode != MODE_WELCOME)
        return;
    const DisplayInfo* pInfo = FindDisplay(nMode);
    if (nMode == MODE_WELCOME)
        return;
    if (HasNoItems(pDoc, pInfo)) {
        DrawEmptyPage(pDoc, pDC, info);
        return;
    }
    if (nMode == MODE_REPORT) {
        pDoc->DrawReportPage(pDC, &info);
    } else if (nMode == MODE_GENERATED) {
        pDoc->DrawGeneratedReportPage(pDC, &info);
    } else if (nMode == MODE_JUNIORS) {
        pDoc->DrawJuniorReportPage(pDC, &info);
    } else if (nMode == MODE_ACCOUNTS) {
        pDoc->DrawAccountsPage(pDC, &info);
    } else if (nMode == MODE_CAPTAINS) {
        pDoc->DrawCaptainsListPage(pDC, &info);
    } else if (nMode == MODE_SCORE_SHEETS) {
        pDoc->DrawScoreSheetsPage(pDC, &info);
    } else if (nMode == MODE_RESULTS) {
        // Result cards switch the scoring system as they draw.
        DWORD bPass = pDoc->m_bHandicapPass;
        DrawPageItems(pDC, pDoc->m_listDisplayItems, &info);
        pDoc->m_bHandicapPass = bPass;
    } else if (pInfo && pInfo->pList) {
        DrawPageItems(pDC, pDoc->*(pInfo->pList), &info);
    }
}
