#include "reports/stats/TeamDetailsItem.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/PointsText.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "results/SelectionCommands.h"
#include "view/DisplayPages.h"
#include "view/ReportFlow.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CRepItem_TeamDets, CRepItem)

namespace {

constexpr int kLine = -200;
constexpr int kNameRight = 4160;   // the bowler's name rectangle: 2160 to 4160

void Left(CDC* pDC, int x, int y, const CString& text)
{
    CPoint pt(x, y);
    DrawTextClipped(pDC, &pt, text, 0);
}

void Right(CDC* pDC, int x, int y, const CString& text)
{
    CPoint pt(x, y);
    DrawTextRightAligned(pDC, &pt, text, 0);
}

CString Fmt(const char* pszFormat, auto... args)
{
    CString s;
    s.Format(pszFormat, args...);
    return s;
}

[[maybe_unused]] const bool s_bInstalled = (g_pfnRunTeamDetailsShort = RunTeamDetailsShort, true);

} // namespace

CRepItem_TeamDets::CRepItem_TeamDets() : m_pTeam(nullptr)
{
    m_nType = RIT_TEAM_DETS;
    m_nPage = 1;
    m_nFlag = 0;
}

int CRepItem_TeamDets::GetHeight(CDC* /*pDC*/)
{
    // The same count the layout places the blocks by, so that a block fills its slot.
    return -16560 / TeamDetailsPerPage(m_pDoc) + 720;
}

void CRepItem_TeamDets::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc || !m_pTeam)
        return;
    CStockFonts* pFonts = GetStockFonts(pDC);
    const int y0 = m_y;
    CFont* pOldFont = pDC->SelectObject(&pFonts->m_fontLargeBold);
    CString title = Fmt("[#%d] ", static_cast<int>(m_pTeam->m_nTeamNo)) + m_pTeam->m_strName;
    // The team centred, unless a long league name or team name would run into its neighbours:
    // then it moves aside, and where even that leaves no room the program's name gives way.
    constexpr int kGap = 144;
    const int nTitle = pDC->GetTextExtent(title).cx;
    const int lo = m_x + (m_pDoc->m_strLeagueName.IsEmpty() ? 0 : pDC->GetTextExtent(m_pDoc->m_strLeagueName).cx + kGap);
    int hi = PAGE_RIGHT - pDC->GetTextExtent(PRODUCT_TITLE).cx - kGap;
    const bool bProduct = lo + nTitle <= hi;
    if (!bProduct)
        hi = PAGE_RIGHT;
    const int xTitle = std::max(lo, std::min(PAGE_CENTRE - nTitle / 2, hi - nTitle));
    Left(pDC, m_x, y0, m_pDoc->m_strLeagueName);
    if (bProduct)
        Right(pDC, PAGE_RIGHT, y0, PRODUCT_TITLE);
    Left(pDC, xTitle, y0, title);
    m_pTeam->AddHitRect(CRect(xTitle, y0, xTitle + NAME_RECT_WIDTH, y0 - 240));

    int y = y0 - 360;
    pDC->SelectObject(&pFonts->m_fontSmallBold);
    Right(pDC, 3500, y, "Pos.");
    Right(pDC, 4500, y, "Avg.");
    Right(pDC, 5500, y, "Games");
    Right(pDC, 6500, y, "Pins");
    Right(pDC, 7500, y, "Hi Game");
    Right(pDC, 8500, y, "Hi Series");
    Right(pDC, 9500, y, "Points");

    pDC->SelectObject(&pFonts->m_fontSmall);
    y += kLine;
    if (m_pDoc->m_bHandicapLeague)
        y = DrawSummaryLine(pDC, y, "Handicap", PASS_HANDICAP);
    if (m_pDoc->m_bScratchLeague)
        y = DrawSummaryLine(pDC, y, "Scratch", PASS_SCRATCH);
    DrawBowlerTable(pDC, y - 400);
    pDC->SelectObject(pOldFont);
}

int CRepItem_TeamDets::DrawSummaryLine(CDC* pDC, int y, const char* pszCaption, int nSet)
{
    const CTeam* t = m_pTeam;
    Left(pDC, 1500, y, pszCaption);
    const int nPosition = nSet == PASS_HANDICAP ? t->m_nHcpPosition : t->m_nScrPosition;
    const double dDivisor = static_cast<double>(m_pDoc->m_nPlayersPerTeam) * t->m_nGames[nSet];
    const double dAverage = dDivisor > 0 ? t->m_nPins[nSet] / dDivisor : 0.0;
    char szPoints[64] = {};
    FormatPoints(m_pDoc, t->m_nPoints[nSet], szPoints);
    Right(pDC, 3500, y, Fmt("%d", nPosition));
    Right(pDC, 4500, y, Fmt("%5.1f", dAverage));
    Right(pDC, 5500, y, Fmt("%d", static_cast<int>(t->m_nGames[nSet])));
    Right(pDC, 6500, y, Fmt("%ld", static_cast<long>(t->m_nPins[nSet])));
    Right(pDC, 7500, y, Fmt("%d", static_cast<int>(t->m_nHighGame[nSet])));
    Right(pDC, 8500, y, Fmt("%d", static_cast<int>(t->m_nHighSeries[nSet])));
    Right(pDC, 9500, y, szPoints);
    return y + kLine;
}

void CRepItem_TeamDets::DrawBowlerTable(CDC* pDC, int y)
{
    CBowlingDoc* pDoc = m_pDoc;
    CStockFonts* pFonts = GetStockFonts(pDC);
    const BOOL bHcpLeague = pDoc->m_bHandicapLeague ? TRUE : FALSE;
    const bool bHcap = bHcpLeague && !pDoc->m_bTeamHandicaps;
    const int nSet = bHcpLeague ? PASS_HANDICAP : PASS_SCRATCH;

    pDC->SelectObject(&pFonts->m_fontSmallBold);
    Left(pDC, 720, y, "PIN");
    if (bHcap)
        Right(pDC, 1872, y, "Hcap");
    Left(pDC, 2160, y, "Players");
    Right(pDC, 5184, y, "Avg");
    Right(pDC, 6048, y, "Ent. Avg");
    Right(pDC, 6624, y, "Diff");
    Right(pDC, 7344, y, "Games");
    Right(pDC, 8064, y, "Pins");
    Right(pDC, 8928, y, "Hi Gme.");
    Right(pDC, 9792, y, "Hi Ser");
    Right(pDC, PAGE_RIGHT, y, pDoc->HasBothScoringSystems() ? "% Played(H)" : "% Played");

    y += kLine;
    for (int i = 0; i < m_pTeam->GetOrderCount(); ++i) {
        CPlayer* p = pDoc->FindPlayer(m_pTeam->GetOrderAt(i));
        if (!p || p->IsRobot())
            continue;
        pDC->SelectObject(&pFonts->m_fontSmall);
        Left(pDC, 720, y, p->m_nPin ? Fmt("%d", static_cast<int>(p->m_nPin)) : CString("__"));
        CString name = p->m_strName;
        if (m_pTeam->m_nCaptain != 0 && m_pTeam->m_nCaptain == p->m_nPlayerNo)
            name = "*" + name;
        if (!p->m_strPhoneHome.IsEmpty())
            name += " (" + p->m_strPhoneHome + " )";
        Left(pDC, 2160, y, name);
        p->AddHitRect(CRect(2160, y, kNameRight, y + kLine));
        const double dAverage = p->GetAverage(bHcpLeague, pDoc->m_nEnteringAvgGames);
        Right(pDC, 5184, y, Fmt("%5.1f", dAverage));
        const int nEntering = p->GetEnteringAverage(TRUE);
        Right(pDC, 6048, y, Fmt("%3d.%d", nEntering / 10, nEntering % 10));
        if (const WORD nCounting = p->GetEnteringAverage(FALSE))
            Right(pDC, 6624, y, Fmt("%5.1f", dAverage - nCounting / 10.0));
        Right(pDC, 7344, y, Fmt("%d", static_cast<int>(p->m_nGames[nSet])));
        Right(pDC, 8064, y, Fmt("%d", static_cast<int>(p->m_nPins[nSet])));
        Right(pDC, 8928, y, Fmt("%d", static_cast<int>(p->GetHighGameScratch())));
        Right(pDC, 9792, y, Fmt("%d", static_cast<int>(p->GetHighSeriesScratch())));
        Right(pDC, PAGE_RIGHT, y, Fmt("%4.1f", p->GetPctGamesPlayed(bHcpLeague, pDoc->m_nCurrentRound)));
        if (bHcap) {
            pDC->SelectObject(&pFonts->m_fontSmallBold);
            Right(pDC, 1872, y, Fmt("%d", p->m_nHandicap));
            if (p->GetEnteringAverage(FALSE) != 0 && p->m_nGames[PASS_HANDICAP] < pDoc->m_nEnteringAvgGames)
                Left(pDC, 1872, y, "e");
        }
        y += kLine;
    }
}

// --- the command -------------------------------------------------------------------------

void CPrintingSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_TEAMS_PER_PAGE, m_nTeamsPerPage);
    DDV_MinMaxInt(pDX, m_nTeamsPerPage, 1, 4);
}

int BuildTeamDetails(CBowlingDoc& doc)
{
    DeleteItemList(doc.m_listDisplayItems);
    int n = 0;
    for (INT_PTR i = 0; i < doc.m_arrSelectedTeams.GetSize(); ++i) {
        auto* pTeam = static_cast<CTeam*>(doc.m_arrSelectedTeams[i]);
        if (!pTeam)
            continue;
        auto* pItem = new CRepItem_TeamDets;
        pItem->m_pDoc = &doc;
        pItem->m_pTeam = pTeam;
        pItem->m_bTemporary = TEMP_SHOWING;
        doc.m_listDisplayItems.AddTail(pItem);
        ++n;
    }
    return n;
}

int RunTeamDetailsShort(CBowlingDoc* pDoc)
{
    if (!pDoc)
        return TEAM_DISPLAY_UNCHANGED;
    if (!ChooseTeamsForDisplay(pDoc) || pDoc->m_arrSelectedTeams.GetSize() == 0)
        return pDoc->m_nDisplayMode == MODE_TEAM_DETAILS ? TEAM_DISPLAY_BACK_TO_REPORT : TEAM_DISPLAY_UNCHANGED;
    CPrintingSetupDlg dlg;
    // A file may hold up to 8; the dialog offers 1 to 4.
    dlg.m_nTeamsPerPage = std::clamp(static_cast<int>(pDoc->m_nTeamsPerPage), 1, 4);
    if (dlg.DoModal() != IDOK)
        return TEAM_DISPLAY_UNCHANGED;
    if (pDoc->m_nTeamsPerPage != dlg.m_nTeamsPerPage) {
        pDoc->m_nTeamsPerPage = static_cast<BYTE>(dlg.m_nTeamsPerPage);
        pDoc->SetModifiedFlag();
    }
    BuildTeamDetails(*pDoc);
    return TEAM_DISPLAY_SHOW;
}
