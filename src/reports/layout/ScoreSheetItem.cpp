#include "reports/layout/ScoreSheetItem.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/layout/FixtureItems.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/NotesItem.h"
#include "reports/layout/ScoresheetStyleDlg.h"
#include "reports/stats/CustomPlayerStats.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

IMPLEMENT_SERIAL(CRepItem_ScoreSheet, CRepItem, 1)

namespace {

const char kNamesFailure[] = "System Error - Failed to create names font in ri_ressu.cpp";
const char kTinyFailure[] = "System Error - Failed to create Tiny font in ri_ressu.cpp";
const char kHeaderFailure[] = "System Error - Failed to create headder font in ri_ressu.cpp";
const char kPenFailure[] = "Major system error. Unable to create a pen.";

constexpr int kLeft = 720;
constexpr int kWidth = 10080;
constexpr int kRight = 10800;
constexpr int kRightHalf = 5760;
constexpr int kHalfWidth = 5040;
constexpr int kHatchStep = 72;

} // namespace

// The drawing objects of one sheet, made for the call.
struct CRepItem_ScoreSheet::SheetTools
{
    CFont names, tiny, header;
    CPen thick, thin;
    CFontData tinyData;
    int H = 0, q = 0, B = 0, R = 0, p = 0, D = 0;

    bool Make(const CFontData& hdr, const CFontData& nm)
    {
        tinyData.m_bBold = 1;
        CreateItemFont(names, nm, kNamesFailure);
        CreateItemFont(tiny, tinyData, kTinyFailure);
        CreateItemFont(header, hdr, kHeaderFailure);
        if (!thick.CreatePen(PS_SOLID, 18, RGB(0, 0, 0)) || !thin.CreatePen(PS_SOLID, 9, RGB(0, 0, 0))) {
            AfxMessageBox(kPenFailure);
            return false;
        }
        H = std::abs(hdr.GetLineHeight(0));
        q = H / 8;
        B = H + 2 * q;
        R = std::abs(nm.GetLineHeight(0));
        p = R / 8;
        D = R + 2 * p;
        return true;
    }
};

namespace {

// Diagonal lines both ways across a cell that is not to be filled in, kept inside it.
void DrawCrossHatch(CDC* pDC, int x, int yTop, int w, int h)
{
    for (int t = -h + kHatchStep / 2; t < w; t += kHatchStep) {
        const int u0 = std::max(0, -t);
        const int u1 = std::min(h, w - t);
        if (u0 >= u1)
            continue;
        pDC->MoveTo(x + t + u0, yTop - u0);
        pDC->LineTo(x + t + u1, yTop - u1);
        pDC->MoveTo(x + w - t - u0, yTop - u0);
        pDC->LineTo(x + w - t - u1, yTop - u1);
    }
}

void Use(CDC* pDC, CFont& font, COLORREF cr)
{
    pDC->SelectObject(&font);
    pDC->SetTextColor(cr);
}

void TextAt(CDC* pDC, int x, int y, const CString& s)
{
    CPoint pt(x, y);
    DrawTextClipped(pDC, &pt, s, 0);
}

void TextEndingAt(CDC* pDC, int x, int y, const CString& s)
{
    CPoint pt(x, y);
    DrawTextRightAligned(pDC, &pt, s, 0);
}

CString Fmt(const char* pszFormat, int n)
{
    CString s;
    s.Format(pszFormat, n);
    return s;
}

// The two lanes of the sheet's match: the override pair, else the league's (or venue's) table.
void MatchLanes(CBowlingDoc* pDoc, const CFixture* f, BYTE nOverride, int lanes[2])
{
    if (nOverride) {
        lanes[0] = nOverride;
        lanes[1] = nOverride + 1;
        return;
    }
    pDoc->BuildLaneTable(f->m_nVenue);
    for (int s = 0; s < 2; ++s)
        lanes[s] = std::max(0, FixtureLaneEntry(pDoc, f, s));
}

CString TitleDate(const CFixture* f)
{
    return f->m_timeDue.Format("%d %b %y  %I:%M %p");
}

// "Opponents next round: " with the team's opponent of the following round and its lane.
CString OpponentsText(CBowlingDoc* pDoc, const CTeam* pTeam, int nRound)
{
    CString s = "Opponents next round: ";
    CFixture* pNext = pTeam ? pDoc->FindTeamFixture(pTeam->m_nTeamNo, nRound + 1) : nullptr;
    if (!pNext)
        return s + "Unknown";
    const int nOpponentSide = pNext->m_nTeamA == pTeam->m_nTeamNo ? 1 : 0;
    CTeam* pOpponent = pNext->GetSideTeam(nOpponentSide);
    if (!pOpponent)
        return s + "Unknown";
    pDoc->BuildLaneTable(pNext->m_nVenue);
    CString t;
    t.Format("%s - Lane %d ", pOpponent->m_strName.GetString(), std::max(0, FixtureLaneEntry(pDoc, pNext, nOpponentSide)));
    return s + t;
}

// The sheet's own copy of the match with the rosters put in and the match averages worked
// out: the league's fixture is never written by drawing.
std::unique_ptr<CFixture> MakeAverageLineUp(CBowlingDoc* pDoc, const CFixture* f, CTeam* teams[2])
{
    auto pCopy = std::make_unique<CFixture>(*f);
    for (int s = 0; s < 2; ++s) {
        if (!teams[s])
            continue;
        for (int i = 0; i < pCopy->m_nPlayers && i < teams[s]->GetOrderCount(); ++i)
            if (CPlayer* pPlayer = pDoc->FindPlayer(teams[s]->GetOrderAt(i)))
                pCopy->SetPlayer(s, i, pPlayer);
    }
    pCopy->SetMatchAverages();
    for (int s = 0; s < 2; ++s) {
        DWORD nTotal = 0;
        for (int g = 0; g < pDoc->m_nGamesPerMatch && g < 4; ++g)
            nTotal += pCopy->m_nTeamHandicap[s][g];
        pCopy->m_nTeamHandicap[s][4] = nTotal;
    }
    return pCopy;
}

} // namespace

CObject* MakeScoreSheetPrototype(CBowlingDoc* pDoc)
{
    return new CRepItem_ScoreSheet(pDoc);
}

namespace {
[[maybe_unused]] const bool s_bPrototypeInstalled =
    (CBowlingDoc::s_pfnMakeScoreSheetPrototype = MakeScoreSheetPrototype, true);
}

CRepItem_ScoreSheet::CRepItem_ScoreSheet()
    : m_pFixture(nullptr), m_bPrintNote(0), m_bPrintPlayerStats(0), m_nReserved(0), m_bPrintNextOpponents(0),
      m_nFileFlags(0), m_bFillInNames(0), m_bPrintTeamAverage(0), m_nPlayerLines(0), m_bSpaceForAll(0),
      m_nSheetsPerPage(2), m_bSecTreasLanes(0), m_bSideBySide(1), m_nLaneOverride(0), m_pNote(nullptr),
      m_pPlayerStats(nullptr)
{
    m_nType = RIT_SCORE_SHEET;
    m_nPage = 1;
}

CRepItem_ScoreSheet::CRepItem_ScoreSheet(CBowlingDoc* pDoc) : CRepItem_ScoreSheet()
{
    m_pDoc = pDoc;
    m_nPlayerLines = pDoc && pDoc->m_nPlayersPerTeam != 205 ? pDoc->m_nPlayersPerTeam : 0;
    m_pNote = new CRepItem_Notes;
    m_pNote->m_pDoc = pDoc;
    m_pNote->ApplyDefaultFonts();
    m_pPlayerStats = new CRepItem_CustomPlayerStats;
    m_pPlayerStats->m_pDoc = pDoc;
    m_pPlayerStats->m_bEmbedded = 1;
    m_pPlayerStats->m_nLayout = 1;
    m_pPlayerStats->m_bListByTeam = 1;
    m_pPlayerStats->m_nEntries = 2;
    m_pPlayerStats->m_bDesignPending = 1;
    m_pPlayerStats->m_bTemporary = TEMP_SHOWING;
    m_pPlayerStats->SetDefaultDesign();
    m_pPlayerStats->ApplyDefaultFonts();
}

CRepItem_ScoreSheet::~CRepItem_ScoreSheet()
{
    delete m_pNote;
    delete m_pPlayerStats;
}

void CRepItem_ScoreSheet::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_nFileFlags = static_cast<BYTE>((m_bFillInNames ? FILE_FILL_NAMES : 0) |
                                         (m_bPrintTeamAverage ? FILE_TEAM_AVERAGE : 0));
        ar << m_nType << m_bPrintPlayerStats << m_bPrintNote << m_nReserved << m_bPrintNextOpponents
           << m_nFileFlags << m_nPlayerLines << m_bSpaceForAll << m_nSheetsPerPage << m_bSideBySide
           << m_bSecTreasLanes << m_nSheetsPerPage;
    } else {
        ar >> m_nType >> m_bPrintPlayerStats >> m_bPrintNote >> m_nReserved >> m_bPrintNextOpponents >>
            m_nFileFlags >> m_nPlayerLines >> m_bSpaceForAll >> m_nSheetsPerPage >> m_bSideBySide >>
            m_bSecTreasLanes >> m_nSheetsPerPage;
        m_bFillInNames = (m_nFileFlags & FILE_FILL_NAMES) ? 1 : 0;
        m_bPrintTeamAverage = (m_nFileFlags & FILE_TEAM_AVERAGE) ? 1 : 0;
        // A damaged count is read as the default two to a page.
        if (m_nSheetsPerPage > 4)
            m_nSheetsPerPage = 2;
    }
    m_fontHeader.Serialize(ar);
    m_fontNames.Serialize(ar);
    // A sheet made for loading has neither; the file still holds them.
    if (!m_pNote)
        m_pNote = new CRepItem_Notes;
    if (!m_pPlayerStats) {
        m_pPlayerStats = new CRepItem_CustomPlayerStats;
        m_pPlayerStats->m_bEmbedded = 1;
        m_pPlayerStats->m_bTemporary = TEMP_SHOWING;
    }
    m_pNote->Serialize(ar);
    m_pPlayerStats->Serialize(ar);
}

void CRepItem_ScoreSheet::CopyFrom(const CRepItem_ScoreSheet& other)
{
    m_nType = other.m_nType;
    m_nPage = other.m_nPage;
    m_nFlag = other.m_nFlag;
    m_fontHeader.CopyFrom(other.m_fontHeader);
    m_fontNames.CopyFrom(other.m_fontNames);
    m_pDoc = other.m_pDoc;
    m_pFixture = other.m_pFixture;
    m_bPrintNote = other.m_bPrintNote;
    m_bPrintPlayerStats = other.m_bPrintPlayerStats;
    m_nReserved = other.m_nReserved;
    m_bPrintNextOpponents = other.m_bPrintNextOpponents;
    m_nFileFlags = other.m_nFileFlags;
    m_bFillInNames = other.m_bFillInNames;
    m_bPrintTeamAverage = other.m_bPrintTeamAverage;
    m_nPlayerLines = other.m_nPlayerLines;
    m_bSpaceForAll = other.m_bSpaceForAll;
    m_nSheetsPerPage = other.m_nSheetsPerPage;
    m_bSecTreasLanes = other.m_bSecTreasLanes;
    m_bSideBySide = other.m_bSideBySide;
    m_nLaneOverride = other.m_nLaneOverride;
    if (m_pNote && other.m_pNote)
        m_pNote->CopyFrom(*other.m_pNote);
    if (m_pPlayerStats && other.m_pPlayerStats)
        m_pPlayerStats->CopyFrom(*other.m_pPlayerStats);
}

CTeam* CRepItem_ScoreSheet::SideTeam(int nSide) const
{
    if (!m_pFixture)
        return nullptr;
    CTeam* pTeam = nSide == 0 ? m_pFixture->m_pTeamA : m_pFixture->m_pTeamB;
    if (!pTeam && m_pDoc)
        pTeam = m_pDoc->FindTeam(nSide == 0 ? m_pFixture->m_nTeamA : m_pFixture->m_nTeamB);
    return pTeam;
}

int CRepItem_ScoreSheet::CountPlayerRows(BOOL bSideBySide) const
{
    if (!m_bSpaceForAll)
        return bSideBySide ? m_nPlayerLines : 2 * m_nPlayerLines;
    const CTeam* a = SideTeam(0);
    const CTeam* b = SideTeam(1);
    const int na = a ? a->GetOrderCount() : 0;
    const int nb = b ? b->GetOrderCount() : 0;
    return bSideBySide ? std::max(na, nb) : na + nb;
}

int CRepItem_ScoreSheet::GetHeight(CDC* pDC)
{
    if (m_fontHeader.m_nLineHeight == 0)
        EnsureLineHeight(pDC, m_fontHeader);
    if (m_fontNames.m_nLineHeight == 0)
        EnsureLineHeight(pDC, m_fontNames);
    const BOOL bSide = m_bSideBySide != 0;
    int rows = CountPlayerRows(bSide);
    if (m_pDoc && m_pDoc->HasBothScoringSystems())
        rows += bSide ? 5 : 10;
    else if (m_pDoc && m_pDoc->m_bHandicapLeague)
        rows += bSide ? 4 : 8;
    else
        rows += bSide ? 2 : 4;
    if (m_bSecTreasLanes)
        ++rows;
    int nExtra = 0;
    const bool bOpponents =
        m_bPrintNextOpponents && m_pFixture && m_pDoc && m_pFixture->m_nRound < m_pDoc->m_nRounds;
    if (bOpponents)
        rows += 1;
    else
        nExtra = -72;
    // The standard sheet steps down a row under each team whether or not it names the
    // opponents, so both rows are always counted.
    if (!bSide)
        rows += bOpponents ? 1 : 2;
    const int R = m_fontNames.GetLineHeight(0);
    const int H = m_fontHeader.GetLineHeight(0);
    const int nRow = R + R / 4;
    const int nHeaderRow = H + H / 4;
    int h = nExtra + rows * nRow + 2 * nHeaderRow + (bSide ? 0 : nHeaderRow);
    if (m_bPrintNote && m_pNote) {
        m_pNote->m_pDoc = m_pDoc;
        h += m_pNote->GetHeight(pDC);
    }
    if (m_bPrintPlayerStats && m_pPlayerStats) {
        m_pPlayerStats->m_pDoc = m_pDoc;
        h += m_pPlayerStats->GetHeight(pDC);
    }
    return h;
}

void CRepItem_ScoreSheet::Draw(CDC* pDC, const CPageInfo* pInfo)
{
    const int x0 = m_x;
    const int y0 = m_y;
    if (!m_pDoc || !m_pFixture)
        return;
    DrawSheet(pDC);
    int y = m_y;
    if (!m_bPrintNextOpponents)
        y -= 72;
    if (m_bPrintPlayerStats && m_pPlayerStats) {
        m_pPlayerStats->m_pDoc = m_pDoc;
        m_pPlayerStats->m_x = x0;
        m_pPlayerStats->m_y = y;
        y += m_pPlayerStats->GetHeight(pDC);
        m_pPlayerStats->Draw(pDC, pInfo);
    }
    if (m_bSecTreasLanes) {
        CItemDrawState state(pDC);
        CFont font;
        CreateItemFont(font, m_fontNames, kNamesFailure);
        Use(pDC, font, m_fontNames.m_crColour);
        CString s;
        if (m_pDoc->m_nSecretaryTeam)
            s.Format("Secretary on lane %d ", m_pDoc->GetTeamLane(m_pDoc->m_nSecretaryTeam, m_pFixture->m_nRound, 0));
        else
            s = "Secretary's lane unknown!";
        TextAt(pDC, kLeft, y, s);
        if (m_pDoc->m_nTreasurerTeam)
            s.Format("Treasurer on lane %d ", m_pDoc->GetTeamLane(m_pDoc->m_nTreasurerTeam, m_pFixture->m_nRound, 0));
        else
            s = "Treasurer's lane unknown!";
        TextEndingAt(pDC, kRight, y, s);
        y += m_fontNames.GetLineHeight(0);
    }
    if (m_bPrintNote && m_pNote) {
        m_pNote->m_pDoc = m_pDoc;
        m_pNote->m_x = x0;
        m_pNote->m_y = y;
        m_pNote->Draw(pDC, pInfo);
    }
    m_x = x0;
    m_y = y0;
}

void CRepItem_ScoreSheet::Edit()
{
    CRepItem_ScoreSheet saved(m_pDoc);
    saved.CopyFrom(*this);
    CScoresheetStyleDlg dlg(this);
    dlg.m_bFillInNames = m_bFillInNames ? 1 : 0;
    dlg.m_bTeamAverage = m_bPrintTeamAverage ? 1 : 0;
    dlg.m_bNextOpponents = m_bPrintNextOpponents ? 1 : 0;
    dlg.m_bSpaceForAll = m_bSpaceForAll ? 1 : 0;
    dlg.m_nPlayerLines = m_nPlayerLines;
    dlg.m_bSideBySide = m_bSideBySide ? 1 : 0;
    dlg.m_bPlayerStats = m_bPrintPlayerStats ? 1 : 0;
    dlg.m_bNote = m_bPrintNote ? 1 : 0;
    dlg.m_bSecTreasLanes = m_bSecTreasLanes ? 1 : 0;
    dlg.m_nSheetsPerPage = m_nSheetsPerPage;
    dlg.m_bTeamHandicaps = m_pDoc && m_pDoc->m_bTeamHandicaps;
    // A style made before the league had its team size starts from the league's.
    if (m_nPlayerLines == 0 && m_pDoc) {
        dlg.m_nPlayerLines = m_pDoc->m_nPlayersPerTeam;
        if (m_pNote)
            m_pNote->ApplyDefaultFonts();
        if (m_pPlayerStats) {
            m_pPlayerStats->m_bDesignPending = 1;
            m_pPlayerStats->SetDefaultDesign();
            m_pPlayerStats->ApplyDefaultFonts();
            m_pPlayerStats->m_bEmbedded = 1;
        }
    }
    if (dlg.DoModal() != IDOK) {
        CopyFrom(saved);
        return;
    }
    m_bFillInNames = dlg.m_bFillInNames ? 1 : 0;
    m_bPrintTeamAverage = dlg.m_bTeamAverage ? 1 : 0;
    m_bPrintNextOpponents = dlg.m_bNextOpponents ? 1 : 0;
    m_bSpaceForAll = dlg.m_bSpaceForAll ? 1 : 0;
    m_nPlayerLines = dlg.m_nPlayerLines;
    m_bSideBySide = dlg.m_bSideBySide ? 1 : 0;
    m_bPrintPlayerStats = dlg.m_bPlayerStats ? 1 : 0;
    m_bPrintNote = dlg.m_bNote ? 1 : 0;
    m_bSecTreasLanes = dlg.m_bSecTreasLanes ? 1 : 0;
    m_nSheetsPerPage = static_cast<BYTE>(dlg.m_nSheetsPerPage);
    if (m_pDoc)
        m_pDoc->SetModifiedFlag();
}

// ---- shared pieces of the two layouts ------------------------------------------------------

namespace {

// The bowler of roster line r of a team, when the roster has one and the bowler is known.
CPlayer* RosterPlayer(CBowlingDoc* pDoc, const CTeam* pTeam, int r)
{
    if (!pTeam || r >= pTeam->GetOrderCount())
        return nullptr;
    return pDoc->FindPlayer(pTeam->GetOrderAt(r));
}

// "%c%d": the average a bowler's line shows, marked 'e' while it still rests on the entering
// average before the league's cut-off round.
CString AverageText(CBowlingDoc* pDoc, CPlayer* pPlayer, const CFixture* pLineUp, int nSide, int r)
{
    char cMark = ' ';
    const BYTE nPass = pDoc->m_bHandicapLeague ? 1 : 0;
    if (pDoc->m_bHandicapLeague && pPlayer->GetEnteringAverage(FALSE) != 0 &&
        pPlayer->m_nGames[nPass] < pDoc->m_nEnteringAvgGames && pDoc->m_nEnteringAvgCutoff != 0 &&
        pDoc->m_nEnteringAvgCutoff > pDoc->m_nScoreSheetRound)
        cMark = 'e';
    int nAverage;
    if (pDoc->m_bTeamHandicaps && pLineUp && r < pDoc->m_nPlayersPerTeam && r < MAX_POSITIONS)
        nAverage = static_cast<int>(pLineUp->m_nAverage[0][CFixture::SlotOf(nSide, r)]);
    else
        nAverage = static_cast<int>(pPlayer->GetAverage(pDoc->m_bHandicapLeague, pDoc->m_nEnteringAvgGames));
    CString s;
    s.Format("%c%d", cMark, nAverage);
    return s;
}

void AddNameRect(CTeam* pTeam, int x, int y, int h)
{
    if (pTeam)
        pTeam->AddHitRect(CRect(x, y, x + NAME_RECT_WIDTH, y - h));
}

void AddNameRect(CPlayer* pPlayer, int x, int y, int h)
{
    if (pPlayer)
        pPlayer->AddHitRect(CRect(x, y, x + NAME_RECT_WIDTH, y - h));
}

struct SummaryRow
{
    const char* pszLeft;   // null: none
    const char* pszRight;
    bool bPoints;
};

// The summary rows of a sheet by the league's scoring systems; the standard layout names the
// points rows by system.
std::vector<SummaryRow> SummaryRows(const CBowlingDoc* pDoc, bool bStandard)
{
    const char* pszPtsScr = bStandard ? "Pts SCR" : "Pts";
    const char* pszPtsHcp = bStandard ? "Pts HCP" : "Pts";
    if (pDoc->HasBothScoringSystems())
        return {{"Signed", "Total Scr", false}, {nullptr, "Total Hcp", false}, {nullptr, "Total H+S", false},
                {pszPtsScr, "Points Scr", true}, {pszPtsHcp, "Points Hcp", true}};
    if (pDoc->m_bHandicapLeague)
        return {{"Signed", "Total Scr", false}, {nullptr, "Total Hcp", false}, {nullptr, "Total H+S", false},
                {pszPtsHcp, "Points Hcp", true}};
    return {{"Signed", "Total Scr", false}, {pszPtsScr, "Points Scr", true}};
}

} // namespace

// The sheet of the two teams in either style, with the fonts and pens both styles draw with.
void CRepItem_ScoreSheet::DrawSheet(CDC* pDC)
{
    CTeam* teams[2] = {SideTeam(0), SideTeam(1)};
    if (!teams[0] || !teams[1])
        return;
    CItemDrawState state(pDC);
    SheetTools t;
    if (!t.Make(m_fontHeader, m_fontNames))
        return;
    CPen* pOldPen = pDC->SelectObject(&t.thick);
    if (m_bSideBySide)
        DrawSideBySide(pDC, t, teams);
    else
        DrawStandard(pDC, t, teams);
    pDC->SelectObject(pOldPen);
}

// The band across the top: the league in the middle, the date on the left, strRight on the right.
void CRepItem_ScoreSheet::DrawTitleBand(CDC* pDC, SheetTools& t, int y, const CString& strRight)
{
    Use(pDC, t.header, m_fontHeader.m_crColour);
    DrawLineOrBox(pDC, kLeft, y, kWidth, t.B);
    const CString& strLeague = m_pDoc->m_strLeagueName;
    TextAt(pDC, PAGE_CENTRE - pDC->GetTextExtent(strLeague).cx / 2, y - t.q, strLeague);
    TextAt(pDC, kLeft + t.q, y - t.q, TitleDate(m_pFixture));
    TextEndingAt(pDC, kRight - t.q, y - t.q, strRight);
}

// ---- side by side ------------------------------------------------------------------------

void CRepItem_ScoreSheet::DrawSideBySide(CDC* pDC, SheetTools& t, CTeam* teams[2])
{
    CBowlingDoc* pDoc = m_pDoc;
    const CFixture* f = m_pFixture;
    const int g = std::clamp<int>(pDoc->m_nGamesPerMatch, 1, 4);
    const int q = t.q, p = t.p, B = t.B, D = t.D;
    const BOOL bTeamHcp = pDoc->m_bTeamHandicaps != 0;
    const BOOL bSplitHcp = pDoc->m_bHandicapLeague && !bTeamHcp;
    const int wName = 4020 - 540 * g;
    // Column edges of a half from its left edge.
    auto hcpLeft = [&](int L) { return L + wName; };
    auto gameLeft = [&](int L, int k) { return L + wName + 480 + 540 * k; };
    auto avgEdge = [&](int L) { return bTeamHcp ? hcpLeft(L) + 480 : hcpLeft(L); };
    auto boxColumns = [&](int L, int y, int h) {
        if (bSplitHcp) {
            DrawLineOrBox(pDC, L, y, wName, h);
            DrawLineOrBox(pDC, hcpLeft(L), y, 480, h);
        } else {
            DrawLineOrBox(pDC, L, y, wName + 480, h);
        }
        for (int k = 0; k <= g; ++k)
            DrawLineOrBox(pDC, gameLeft(L, k), y, 540, h);
    };
    const int halves[2] = {kLeft, kRightHalf};
    int y = m_y;

    std::unique_ptr<CFixture> pLineUp;
    const bool bTeamAverages = bTeamHcp && m_bPrintTeamAverage;
    if (bTeamHcp)
        pLineUp = MakeAverageLineUp(pDoc, f, teams);

    // Title band.
    int lanes[2];
    MatchLanes(pDoc, f, m_nLaneOverride, lanes);
    CString s;
    s.Format("Round %d/%d  Lanes %d/%d", f->m_nRound, pDoc->m_nRounds, lanes[0], lanes[1]);
    DrawTitleBand(pDC, t, y, s);
    y -= B;

    // Heading band.
    for (int h = 0; h < 2; ++h) {
        const int L = halves[h];
        boxColumns(L, y, B);
        CString name = teams[h]->m_strName;
        if (bTeamAverages)
            name += Fmt(" [Avg %d]", static_cast<int>(pLineUp->m_nTeamAverage[h][4]));
        Use(pDC, t.header, m_fontHeader.m_crColour);
        TextAt(pDC, L + q, y - q, name);
        AddNameRect(teams[h], L + q, y - q, t.H);
        Use(pDC, t.tiny, t.tinyData.m_crColour);
        if (bSplitHcp)
            TextEndingAt(pDC, hcpLeft(L) + 480 - q, y - q, "hcp");
        if (m_bFillInNames)
            TextEndingAt(pDC, avgEdge(L) - q, y - q, "Avg");
        for (int k = 0; k < g; ++k)
            TextEndingAt(pDC, gameLeft(L, k) + 540 - q, y - q, Fmt("Gm %d", k + 1));
        TextEndingAt(pDC, gameLeft(L, g) + 540 - q, y - q, "Ser");
    }
    y -= B;

    // The bowlers' lines.
    int rows = m_nPlayerLines;
    if (m_bSpaceForAll)
        rows = std::max(teams[0]->GetOrderCount(), teams[1]->GetOrderCount());
    Use(pDC, t.names, m_fontNames.m_crColour);
    DrawLineOrBox(pDC, kLeft, y, kHalfWidth, rows * D);
    DrawLineOrBox(pDC, kLeft, y, kWidth, rows * D);
    pDC->SelectObject(&t.thin);
    for (int r = 0; r < rows; ++r) {
        for (int h = 0; h < 2; ++h) {
            const int L = halves[h];
            boxColumns(L, y, D);
            CPlayer* pPlayer = RosterPlayer(pDoc, teams[h], r);
            if (!m_bFillInNames || !pPlayer)
                continue;
            TextAt(pDC, L + p, y - p, pPlayer->m_strName);
            AddNameRect(pPlayer, L + p, y - p, t.R);
            if (bSplitHcp)
                TextEndingAt(pDC, hcpLeft(L) + 480 - p, y - p, Fmt("%d", pPlayer->m_nHandicap));
            TextEndingAt(pDC, avgEdge(L) - p, y - p, AverageText(pDoc, pPlayer, pLineUp.get(), h, r));
        }
        y -= D;
    }

    // Totals, points and signatures.
    const std::vector<SummaryRow> summary = SummaryRows(pDoc, false);
    const int n = static_cast<int>(summary.size());
    Use(pDC, t.tiny, t.tinyData.m_crColour);
    pDC->SelectObject(&t.thick);
    DrawLineOrBox(pDC, kLeft, y, kWidth, n * D);
    for (int r = 0; r < n; ++r) {
        for (int h = 0; h < 2; ++h) {
            const int L = halves[h];
            for (int k = 0; k <= g; ++k)
                DrawLineOrBox(pDC, gameLeft(L, k), y, 540, D);
            TextEndingAt(pDC, hcpLeft(L) + 480 - p, y - p, summary[r].pszRight);
            const char* pszLeft = summary[r].pszLeft;
            if (r == 0 && f->m_bPlayed[h])
                pszLeft = "Match Played";
            if (summary[r].bPoints) {
                DrawLineOrBox(pDC, L, y, 540, D);
                TextAt(pDC, L + 540 + p, y - p, pszLeft);
            } else if (pszLeft) {
                TextAt(pDC, L + p, y - p, pszLeft);
            }
            if (r == 1 && bTeamAverages) {
                for (int k = 0; k < g; ++k)
                    TextAt(pDC, gameLeft(L, k), y, Fmt(" %d", static_cast<int>(pLineUp->m_nTeamHandicap[h][k])));
                TextAt(pDC, gameLeft(L, g), y, Fmt(" %d", static_cast<int>(pLineUp->m_nTeamHandicap[h][4])));
            }
        }
        y -= D;
    }

    // Next round's opponents.
    if (m_bPrintNextOpponents && f->m_nRound < pDoc->m_nRounds) {
        Use(pDC, t.names, m_fontNames.m_crColour);
        for (int h = 0; h < 2; ++h)
            TextAt(pDC, halves[h] + p, y - p, OpponentsText(pDoc, teams[h], f->m_nRound));
        y -= D;
    }
    m_x = kLeft;
    m_y = y;
}

// ---- one team above the other -------------------------------------------------------------

void CRepItem_ScoreSheet::DrawStandard(CDC* pDC, SheetTools& t, CTeam* teams[2])
{
    CBowlingDoc* pDoc = m_pDoc;
    const CFixture* f = m_pFixture;
    const int g = std::clamp<int>(pDoc->m_nGamesPerMatch, 1, 4);
    static const int kGameWidths[4] = {1080, 864, 720, 576};
    const int c = kGameWidths[g - 1];
    const int q = t.q, p = t.p, B = t.B, D = t.D;
    const BOOL bTeamHcp = pDoc->m_bTeamHandicaps != 0;
    const BOOL bSplitHcp = pDoc->m_bHandicapLeague && !bTeamHcp;
    const int wName = 9540 - (2 * g + 3) * c;
    const int xHcp = kLeft + wName;
    auto colLeft = [&](int k) { return xHcp + 540 + c * k; };   // k: game 1 = 0 .. Total = 2g + 2
    const int kScr = 2 * g, kHcp = 2 * g + 1, kTotal = 2 * g + 2;
    const int avgEdge = bSplitHcp ? xHcp : xHcp + 540;
    int y = m_y;

    std::unique_ptr<CFixture> pLineUp;
    const bool bTeamAverages = bTeamHcp && m_bPrintTeamAverage;
    if (bTeamHcp)
        pLineUp = MakeAverageLineUp(pDoc, f, teams);

    CString s;
    s.Format("Round %d/%d", f->m_nRound, pDoc->m_nRounds);
    DrawTitleBand(pDC, t, y, s);
    int lanes[2];
    MatchLanes(pDoc, f, m_nLaneOverride, lanes);
    y -= B;

    CPen hatchPen(PS_SOLID, 0, RGB(0, 0, 0));
    const std::vector<SummaryRow> summary = SummaryRows(pDoc, true);
    const int n = static_cast<int>(summary.size());
    for (int side = 0; side < 2; ++side) {
        CTeam* pTeam = teams[side];
        // Heading band.
        pDC->SelectObject(&t.thick);
        if (pDoc->m_bHandicapLeague) {
            DrawLineOrBox(pDC, kLeft, y, wName, B);
            DrawLineOrBox(pDC, xHcp, y, 540, B);
        } else {
            DrawLineOrBox(pDC, kLeft, y, wName + 540, B);
        }
        for (int k = 0; k <= kTotal; ++k)
            DrawLineOrBox(pDC, colLeft(k), y, c, B);
        CString name;
        name.Format("Lane %d  %s", lanes[side], pTeam->m_strName.GetString());
        if (bTeamAverages)
            name += Fmt(" [Avg %d]", static_cast<int>(pLineUp->m_nTeamAverage[side][4]));
        Use(pDC, t.header, m_fontHeader.m_crColour);
        TextAt(pDC, kLeft + q, y - q, name);
        AddNameRect(pTeam, kLeft + q, y - q, t.H);
        Use(pDC, t.tiny, t.tinyData.m_crColour);
        if (bSplitHcp)
            TextEndingAt(pDC, xHcp + 540 - q, y - q, " Hcp");
        if (m_bFillInNames)
            TextEndingAt(pDC, avgEdge - q, y - q, "Avg");
        for (int k = 0; k < g; ++k)
            TextEndingAt(pDC, colLeft(k) + c - c / 3 - q, y - q, Fmt("%d", k + 1));
        TextEndingAt(pDC, colLeft(kScr) + c - q, y - q, "SCR ");
        TextEndingAt(pDC, colLeft(kHcp) + c - q, y - q, "HCP ");
        TextEndingAt(pDC, colLeft(kTotal) + c - q, y - q, "Total");
        y -= B;

        // The bowlers' lines.
        const int rows = m_bSpaceForAll ? pTeam->GetOrderCount() : m_nPlayerLines;
        Use(pDC, t.names, m_fontNames.m_crColour);
        DrawLineOrBox(pDC, kLeft, y, kWidth, rows * D);
        pDC->SelectObject(&t.thin);
        for (int r = 0; r < rows; ++r) {
            DrawLineOrBox(pDC, kLeft, y, wName, D);
            DrawLineOrBox(pDC, xHcp, y, 540, D);
            for (int k = 0; k <= kTotal; ++k)
                DrawLineOrBox(pDC, colLeft(k), y, c, D);
            CPlayer* pPlayer = RosterPlayer(pDoc, pTeam, r);
            if (m_bFillInNames && pPlayer) {
                TextAt(pDC, kLeft + p, y - p, pPlayer->m_strName);
                AddNameRect(pPlayer, kLeft + p, y - p, t.R);
                if (bSplitHcp) {
                    TextEndingAt(pDC, xHcp + 540 - p, y - p, Fmt("%d", pPlayer->m_nHandicap));
                    TextEndingAt(pDC, colLeft(kHcp) + c - p, y - p, Fmt("%d", g * pPlayer->m_nHandicap));
                }
                TextEndingAt(pDC, avgEdge - p, y - p, AverageText(pDoc, pPlayer, pLineUp.get(), side, r));
            }
            y -= D;
        }

        // Totals, points and signatures; the cells not filled in are shaded.
        Use(pDC, t.tiny, t.tinyData.m_crColour);
        pDC->SelectObject(&t.thick);
        DrawLineOrBox(pDC, kLeft, y, kWidth, n * D);
        for (int r = 0; r < n; ++r) {
            const SummaryRow& row = summary[r];
            if (row.bPoints) {
                const bool bScr = std::string(row.pszLeft) == "Pts SCR";
                for (int k = 0; k < g; ++k)
                    DrawLineOrBox(pDC, colLeft(k) + 4 * p, y - p, c - 8 * p, D - 2 * p);
                DrawLineOrBox(pDC, colLeft(bScr ? kScr : kTotal) + 4 * p, y - p, c - 8 * p, D - 2 * p);
                DrawLineOrBox(pDC, kLeft, y, c, D);
                TextAt(pDC, kLeft + c + p, y - p, row.pszLeft);
            } else {
                int shaded[2] = {-1, -1};
                if (r == 0)
                    shaded[0] = kHcp, shaded[1] = kTotal;
                else if (r == 1)
                    shaded[0] = kScr, shaded[1] = kTotal;
                else if (r == 2)
                    shaded[0] = kScr, shaded[1] = kHcp;
                pDC->SelectObject(&hatchPen);
                for (int k : shaded)
                    if (k >= 0)
                        DrawCrossHatch(pDC, colLeft(k), y, c, D);
                pDC->SelectObject(&t.thick);
                for (int k = 0; k <= kTotal; ++k)
                    DrawLineOrBox(pDC, colLeft(k), y, c, D);
                if (r == 1 && bTeamAverages) {
                    for (int k = 0; k < g; ++k)
                        TextEndingAt(pDC, colLeft(k) + c, y - p,
                                     Fmt(" %d ", static_cast<int>(pLineUp->m_nTeamHandicap[side][k])));
                    TextEndingAt(pDC, colLeft(kHcp) + c, y - p,
                                 Fmt(" %d ", static_cast<int>(pLineUp->m_nTeamHandicap[side][4])));
                }
                const char* pszLeft = r == 0 && f->m_bPlayed[side] ? "Match Played" : row.pszLeft;
                if (pszLeft)
                    TextAt(pDC, kLeft + p, y - p, pszLeft);
            }
            TextEndingAt(pDC, xHcp + 540 - p, y - p, row.pszRight);
            y -= D;
        }

        if (m_bPrintNextOpponents && f->m_nRound < pDoc->m_nRounds) {
            Use(pDC, t.names, m_fontNames.m_crColour);
            TextAt(pDC, kLeft + p, y - p, OpponentsText(pDoc, pTeam, f->m_nRound));
        }
        y -= D;
    }
    m_x = kLeft;
    m_y = y;
}
