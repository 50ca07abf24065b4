#include "view/ReportFlow.h"

#include "league/BowlingDoc.h"
#include "view/DisplayHooks.h"
#include "view/RepForm.h"

IMPLEMENT_DYNAMIC(CPageHeadingItem, CRepItem)

// --- the plain page heading ---------------------------------------------------------------

namespace {
constexpr int kHeadingLine = -240;
constexpr int kHeadingGap = -144;
} // namespace

CPageHeadingItem::CPageHeadingItem()
{
    m_nType = RIT_HEADING;
    m_x = PAGE_LEFT;
    m_y = PAGE_TOP;
}

int CPageHeadingItem::GetHeight(CDC* /*pDC*/)
{
    return 2 * kHeadingLine + kHeadingGap;
}

void CPageHeadingItem::Draw(CDC* pDC, const CPageInfo* pInfo)
{
    CStockFonts* pFonts = GetStockFonts(pDC);
    CFont* pOld = pDC->SelectObject(&pFonts->m_fontLargeBold);
    CString league = m_pDoc ? m_pDoc->m_strLeagueName : CString();
    CString title = m_pDoc ? m_pDoc->m_strReportTitle : CString();
    if (pInfo)
        title.AppendFormat("  (Page %d/%d)", pInfo->m_nPage, pInfo->m_nPageCount);
    CPoint pt(PAGE_CENTRE - pDC->GetTextExtent(league).cx / 2, m_y);
    if (!league.IsEmpty())
        DrawTextClipped(pDC, &pt, league, 0);
    pDC->SelectObject(&pFonts->m_fontLarge);
    pt = CPoint(PAGE_CENTRE - pDC->GetTextExtent(title).cx / 2, m_y + kHeadingLine);
    DrawTextClipped(pDC, &pt, title, 0);
    pDC->SelectObject(pOld);
}

// --- helpers for every flow ---------------------------------------------------------------

CRepItem* MakePageHeading(CBowlingDoc* pDoc, int nPage, DWORD dwTemporary)
{
    CRepItem* pHeading = CreateRepItemByClassName("CRepItem_Heading");
    if (!pHeading)
        pHeading = new CPageHeadingItem;
    pHeading->m_pDoc = pDoc;
    pHeading->m_nType = RIT_HEADING;
    pHeading->m_bTemporary = dwTemporary;
    pHeading->m_nPage = static_cast<WORD>(nPage);
    pHeading->m_x = PAGE_LEFT;
    pHeading->m_y = PAGE_TOP;
    return pHeading;
}

void DeleteTemporaryItems(CObList& list, DWORD dwTemporary)
{
    POSITION pos = list.GetHeadPosition();
    while (pos) {
        POSITION here = pos;
        CRepItem* pItem = static_cast<CRepItem*>(list.GetNext(pos));
        if (pItem->m_bTemporary == dwTemporary) {
            list.RemoveAt(here);
            delete pItem;
        }
    }
}

void DeleteItemList(CObList& list)
{
    POSITION pos = list.GetHeadPosition();
    while (pos)
        delete list.GetNext(pos);
    list.RemoveAll();
}

void DrawPageItems(CDC* pDC, const CObList& list, const CPageInfo* pInfo)
{
    int nPage = pInfo ? pInfo->m_nPage : 1;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        CRepItem* pItem = static_cast<CRepItem*>(list.GetNext(pos));
        if (pItem->m_nPage == nPage)
            pItem->Draw(pDC, pInfo);
    }
}

namespace {

WORD PageNumber(int nPage)
{
    return static_cast<WORD>(nPage > 0xFFFF ? 0xFFFF : nPage);
}

} // namespace

int FlowPageItems(CBowlingDoc* pDoc, CDC* pDC, CObList& list, const FlowOptions& options)
{
    DeleteTemporaryItems(list, TEMP_FLOW);
    int nPage = 1;
    int y = PAGE_TOP;
    bool bPageEmpty = true;
    bool bNeedHeading = options.bHeadings != FALSE;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        POSITION here = pos;
        CRepItem* pItem = static_cast<CRepItem*>(list.GetNext(pos));
        pItem->m_pDoc = pDoc;
        int h = pItem->GetHeight(pDC);
        bool bBreak = options.bOnePerPage || pItem->m_nType == RIT_NEW_PAGE || y + h < PAGE_BREAK_Y;
        if (bBreak && !bPageEmpty) {
            ++nPage;
            y = PAGE_TOP;
            bPageEmpty = true;
            bNeedHeading = options.bHeadings != FALSE;
        }
        if (pItem->m_nType == RIT_NEW_PAGE)
            h = 0;
        if (bNeedHeading && pItem->m_nType != RIT_NEW_PAGE) {
            if (pItem->m_nType != RIT_HEADING) {
                CRepItem* pHeading = MakePageHeading(pDoc, nPage, TEMP_FLOW);
                pHeading->m_nPage = PageNumber(nPage);
                pHeading->m_y = y;
                list.InsertBefore(here, pHeading);
                y += pHeading->GetHeight(pDC);
                if (CRepItem* pHeader = pItem->CreatePageTopHeader()) {
                    pHeader->m_pDoc = pDoc;
                    pHeader->m_bTemporary = TEMP_FLOW;
                    pHeader->m_x = PAGE_LEFT;
                    pHeader->m_y = y;
                    pHeader->m_nPage = PageNumber(nPage);
                    list.InsertBefore(here, pHeader);
                    y += pHeader->GetHeight(pDC);
                }
                y -= options.nHeadingGap;
            }
            bNeedHeading = false;
        }
        pItem->m_x = PAGE_LEFT;
        pItem->m_y = y;
        pItem->m_nPage = PageNumber(nPage);
        y += h;
        // A break item alone does not fill a page.
        if (pItem->m_nType != RIT_NEW_PAGE)
            bPageEmpty = false;
    }
    return nPage;
}

// --- the report layout (display mode 7) ----------------------------------------------------

void CBowlingDoc::PrepareReportItems()
{
    CRepForm* pForm = m_pCurrentRepForm;
    if (!pForm)
        return;
    m_strReportTitle = pForm->m_strTitle;
    pForm->DeleteTemporaryItems();
    // The floating substitutes' items read the team made here.
    BuildFloatingSubs();
    CObList taken;
    taken.AddTail(&pForm->m_listItems);
    pForm->m_listItems.RemoveAll();
    for (POSITION pos = taken.GetHeadPosition(); pos;) {
        CRepItem* pItem = static_cast<CRepItem*>(taken.GetNext(pos));
        pItem->m_pDoc = this;
        POSITION itemPos = pForm->m_listItems.AddTail(pItem);
        pItem->Expand(pForm->m_listItems);
        // What an item adds for the showing is never stored, whatever the item says.
        POSITION added = itemPos;
        pForm->m_listItems.GetNext(added);
        while (added) {
            CRepItem* pAdded = static_cast<CRepItem*>(pForm->m_listItems.GetNext(added));
            pAdded->m_pDoc = this;
            if (pAdded->m_bTemporary == TEMP_STORED)
                pAdded->m_bTemporary = TEMP_SHOWING;
        }
    }
}

int CBowlingDoc::LayoutReportForm(CDC* pDC)
{
    CRepForm* pForm = m_pCurrentRepForm;
    if (!pForm)
        return 1;
    m_strReportTitle = pForm->m_strTitle;
    m_fontReportTitle.CopyFrom(pForm->m_fontTitle);
    PrepareReportItems();

    int nCurrent = m_nCurrentRound;
    int nRounds = m_nRounds;
    int nNextFixtureRound = nCurrent + 1;
    int nHandicapRound = nCurrent;
    int nScratchRound = nCurrent;
    CObList& list = pForm->m_listItems;

    int nPage = 1;
    int y = PAGE_TOP;
    bool bPageEmpty = true;
    bool bNeedHeading = true;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        POSITION here = pos;
        CRepItem* pItem = static_cast<CRepItem*>(list.GetNext(pos));
        pItem->m_pDoc = this;
        pItem->BeforeLayout();
        if (pItem->m_nType == RIT_FIX_WEEK) {
            int nRound = nNextFixtureRound++;
            pItem->SetRound(nCurrent >= nRounds || nRound > nRounds ? 0 : nRound);
        } else if (pItem->m_nType == RIT_RESULT_SUMMARY) {
            int& nCounter = pItem->UsesHandicapPoints() ? nHandicapRound : nScratchRound;
            int nRound = nCounter--;
            pItem->SetRound(nRound < 1 || nRound > nRounds ? 0 : nRound);
        }
        int h = pItem->GetHeight(pDC);
        bool bNewPage = pItem->m_nType == RIT_NEW_PAGE;
        // A page that holds nothing yet is never closed: no blank pages for a New Page item
        // or an over-tall item at the top.
        if ((bNewPage || y + h < PAGE_BREAK_Y) && !bPageEmpty) {
            ++nPage;
            y = PAGE_TOP;
            bPageEmpty = true;
            bNeedHeading = true;
        }
        if (bNewPage)
            h = 0;
        if (bNeedHeading && !bNewPage) {
            if (pItem->m_nType != RIT_HEADING) {
                CRepItem* pHeading = MakePageHeading(this, nPage, TEMP_SHOWING);
                pHeading->m_nPage = PageNumber(nPage);
                list.InsertBefore(here, pHeading);
                y += pHeading->GetHeight(pDC);
            }
            bNeedHeading = false;
        }
        pItem->m_x = PAGE_LEFT;
        pItem->m_y = y;
        pItem->m_nPage = PageNumber(nPage);
        y += h;
        // A break item alone does not fill a page.
        if (pItem->m_nType != RIT_NEW_PAGE)
            bPageEmpty = false;
    }
    return nPage;
}

void CBowlingDoc::DrawReportPage(CDC* pDC, const CPageInfo* pInfo)
{
    if (m_pCurrentRepForm)
        DrawPageItems(pDC, m_pCurrentRepForm->m_listItems, pInfo);
}

// --- the generated report (display mode 13) -------------------------------------------------

int CBowlingDoc::LayoutGeneratedReport(CDC* pDC)
{
    return FlowPageItems(this, pDC, m_listGeneratedItems);
}

void CBowlingDoc::DrawGeneratedReportPage(CDC* pDC, const CPageInfo* pInfo)
{
    // The venue pages show figures of the fixtures as they are now.
    CalcVenueStatistics();
    DrawPageItems(pDC, m_listGeneratedItems, pInfo);
}

// --- the junior reports (display mode 16) ---------------------------------------------------

int CBowlingDoc::LayoutJuniorReports(CDC* pDC)
{
    CJuniorReport::RunState* pState = m_JuniorReport.m_pRunState;
    if (pState && pState->bRebuild && g_pfnBuildJuniorReport) {
        pState->bRebuild = 0;
        g_pfnBuildJuniorReport(this);
    }
    // No page headings: the report's own title heads the first page. A line without the
    // new-line flag has no height and shares the running y of the line before it.
    int nPage = 1;
    int y = PAGE_TOP;
    for (POSITION pos = m_listJuniorItems.GetHeadPosition(); pos;) {
        CRepItem* pItem = static_cast<CRepItem*>(m_listJuniorItems.GetNext(pos));
        pItem->m_pDoc = this;
        pItem->m_y = y;
        y += pItem->GetHeight(pDC);
        if (y < PAGE_BREAK_Y) {
            y = PAGE_TOP;
            pItem->m_y = PAGE_TOP;
            ++nPage;
        }
        pItem->m_nPage = PageNumber(nPage);
        pItem->m_x = PAGE_LEFT;
    }
    return nPage;
}

void CBowlingDoc::DrawJuniorReportPage(CDC* pDC, const CPageInfo* pInfo)
{
    DrawPageItems(pDC, m_listJuniorItems, pInfo);
}

// --- the accounts (display mode 14), the captains list (15), the score sheets (9) -----------

int CBowlingDoc::LayoutAccountsReport(CDC* pDC)
{
    return FlowPageItems(this, pDC, m_listAccountsItems);
}

void CBowlingDoc::DrawAccountsPage(CDC* pDC, const CPageInfo* pInfo)
{
    DrawPageItems(pDC, m_listAccountsItems, pInfo);
}

int CBowlingDoc::LayoutCaptainsListPages(CDC* pDC)
{
    return FlowPageItems(this, pDC, m_listCaptainsItems);
}

void CBowlingDoc::DrawCaptainsListPage(CDC* pDC, const CPageInfo* pInfo)
{
    DrawPageItems(pDC, m_listCaptainsItems, pInfo);
}

void CBowlingDoc::DrawScoreSheetsPage(CDC* pDC, const CPageInfo* pInfo)
{
    DrawPageItems(pDC, m_listScoreSheetItems, pInfo);
}

// --- a new league's layout ------------------------------------------------------------------

CRepForm* CBowlingDoc::CreateDefaultReportForm()
{
    CRepForm* pForm = new CRepForm;
    for (int nType : {RIT_OFFICERS, RIT_CUSTOM_STANDINGS, RIT_CUSTOM_PLAYER_STATS}) {
        if (CRepItem* pItem = CreateRepItemOfType(nType)) {
            pItem->m_pDoc = this;
            pItem->ApplyDefaultFonts();
            pItem->SetDefaults();
            pForm->AddItem(pItem);
        }
    }
    m_listRepForms.AddTail(pForm);
    m_pCurrentRepForm = pForm;
    return pForm;
}
