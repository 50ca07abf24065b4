#include "reports/stats/VenueReportItems.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "league/Venue.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/ItemText.h"
#include "view/DisplayHooks.h"
#include "view/ReportFlow.h"

#include <algorithm>
#include <iterator>
#include <vector>

IMPLEMENT_DYNAMIC(CRepItem_VenueStats, CRepItem)
IMPLEMENT_DYNAMIC(CRepItem_VenueHiStats, CRepItem)

namespace {

constexpr int kVenuePageHeight = -8280;
constexpr int kBandLow[VENUE_SCORE_BANDS] = {1, 100, 125, 150, 175, 200, 225, 250};
constexpr int kBandHigh[VENUE_SCORE_BANDS] = {99, 124, 149, 174, 199, 224, 249, 300};
const char* const kBandCaption[VENUE_SCORE_BANDS] = {
    "Percentage of games under 100", "Percentage of games 100 - 124", "Percentage of games 125 - 149",
    "Percentage of games 150 - 174", "Percentage of games 175 - 199", "Percentage of games 200 - 224",
    "Percentage of games 225 - 249", "Percentage of games 250 - 300"};

using ItemText::Left;
using ItemText::Right;
using ItemText::Fmt;
using ItemText::Centred;

// A bar row: the caption, the bar in its colour inside a 6000-twip box, the figure at the right.
void BarRow(CDC* pDC, int y, const CString& caption, CBrush* pBrush, int nLength, const CString& figure)
{
    Left(pDC, 720, y, caption);
    if (nLength > 0) {
        const CRect rc(2760, y, 2760 + nLength, y - 200);
        pDC->FillRect(&rc, pBrush);
        DrawLineOrBox(pDC, 2760, y, nLength, 200);
    }
    DrawLineOrBox(pDC, 2760, y, 6000, 200);
    Right(pDC, PAGE_RIGHT, y, figure);
}

double Ratio(int nPart, int nWhole)
{
    return nWhole ? static_cast<double>(nPart) / nWhole : 0.0;
}

std::vector<CVenue*> Venues(CBowlingDoc& doc)
{
    std::vector<CVenue*> venues;
    for (POSITION pos = doc.m_listVenues.GetHeadPosition(); pos;)
        venues.push_back(static_cast<CVenue*>(doc.m_listVenues.GetNext(pos)));
    return venues;
}

BOOL RunVenueCommand(CBowlingDoc* pDoc, int nKind)
{
    if (!pDoc || pDoc->m_listVenues.IsEmpty())
        return FALSE;
    BuildVenueReport(*pDoc, nKind);
    return TRUE;
}

[[maybe_unused]] const bool s_bInstalled =
    (g_pfnRunVenueReport = RunVenueCommand, g_pfnRunVenueReportStyle = RunVenueReportStyle, true);

} // namespace

int GetVenueAverage(const CPlayer* pPlayer, BYTE nVenue)
{
    // The bowler keeps 32 venues' figures.
    if (!pPlayer || nVenue >= 32 || pPlayer->m_nVenueGames[nVenue] <= 0)
        return 0;
    return static_cast<int>(pPlayer->m_nVenuePins[nVenue] * 10 / static_cast<DWORD>(pPlayer->m_nVenueGames[nVenue]));
}

// --- the venue statistics page ---------------------------------------------------------------

CRepItem_VenueStats::CRepItem_VenueStats()
    : m_nLeagueGames(0), m_nLeaguePins(0), m_nVenueGames(0), m_nVenuePins(0), m_nVenueMatches(0), m_nLeagueBands{},
      m_nVenueBands{}, m_pVenue(nullptr)
{
    m_nType = RIT_VENUE_STATS;
    m_nPage = 1;
}

void CRepItem_VenueStats::CollectStats()
{
    m_nLeagueGames = m_nLeaguePins = m_nVenueGames = m_nVenuePins = m_nVenueMatches = 0;
    std::fill(std::begin(m_nLeagueBands), std::end(m_nLeagueBands), 0);
    std::fill(std::begin(m_nVenueBands), std::end(m_nVenueBands), 0);
    if (!m_pDoc)
        return;
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        const int g = f->CountSeriesInRangeSideA(1, 300) + f->CountSeriesInRangeSideB(1, 300);
        const int p = f->GetSeriesBowledSideA(FALSE) + f->GetSeriesBowledSideB(FALSE);
        int c[VENUE_SCORE_BANDS];
        for (int b = 0; b < VENUE_SCORE_BANDS; ++b)
            c[b] = f->CountSeriesInRangeSideA(kBandLow[b], kBandHigh[b]) +
                   f->CountSeriesInRangeSideB(kBandLow[b], kBandHigh[b]);
        m_nLeagueGames += g;
        m_nLeaguePins += p;
        for (int b = 0; b < VENUE_SCORE_BANDS; ++b)
            m_nLeagueBands[b] += c[b];
        if (m_pVenue && f->m_nVenue == m_pVenue->m_nVenueNo) {
            if (g != 0)
                ++m_nVenueMatches;
            m_nVenueGames += g;
            m_nVenuePins += p;
            for (int b = 0; b < VENUE_SCORE_BANDS; ++b)
                m_nVenueBands[b] += c[b];
        }
    }
}

int CRepItem_VenueStats::GetHeight(CDC* /*pDC*/)
{
    return kVenuePageHeight;
}

void CRepItem_VenueStats::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pVenue)
        return;
    // The page stays on show while matches change venue or are entered: it draws them as they are.
    CollectStats();
    CItemDrawState state(pDC);
    CStockFonts* pFonts = GetStockFonts(pDC);
    const int Y = m_y;
    pDC->SelectObject(&pFonts->m_fontLargeBold);
    Centred(pDC, Y - 360, m_pVenue->m_strName);
    pDC->SelectObject(&pFonts->m_fontSmall);
    Centred(pDC, Y - 800, Fmt("%d matches played.", m_nVenueMatches));
    if (m_nVenueMatches == 0)
        return;
    CBrush black(RGB(0, 0, 0));
    CBrush red(RGB(255, 0, 0));
    CBrush green(RGB(0, 128, 0));
    CBrush blue(RGB(0, 0, 255));
    const double La = Ratio(m_nLeaguePins, m_nLeagueGames);
    const double Va = Ratio(m_nVenuePins, m_nVenueGames);
    Centred(pDC, Y - 1100, "Average Game Bowled.");
    BarRow(pDC, Y - 1400, "League", &black, static_cast<int>(20 * La), Fmt("%6.2f", La));
    BarRow(pDC, Y - 1650, Va > La ? Fmt("Venue (+%5.2f)", Va - La) : Fmt("Venue (%5.2f)", Va - La),
           Va >= La ? &green : &red, static_cast<int>(20 * Va), Fmt("%6.2f", Va));
    for (int b = 0; b < VENUE_SCORE_BANDS; ++b) {
        const int T = Y - 2050 - 950 * b;
        Centred(pDC, T, kBandCaption[b]);
        const double dLeague = Ratio(m_nLeagueBands[b], m_nLeagueGames) * 100;
        const double dVenue = Ratio(m_nVenueBands[b], m_nVenueGames) * 100;
        BarRow(pDC, T - 300, "League", &black, 60 * static_cast<int>(dLeague), Fmt("%6.2f%%", dLeague));
        BarRow(pDC, T - 550, "Venue", &blue, 60 * static_cast<int>(dVenue), Fmt("%6.2f%%", dVenue));
    }
}

// --- the venue high scores and the averages by venue ----------------------------------------

CRepItem_VenueHiStats::CRepItem_VenueHiStats()
    : m_bAveragesRow(0), m_nNumberToList(10), m_pVenue(nullptr), m_pPlayer(nullptr)
{
    m_nType = RIT_VENUE_HI_STATS;
    m_nPage = 1;
}

int CRepItem_VenueHiStats::GetHeight(CDC* pDC)
{
    if (m_pDoc) {
        m_fontHeader = m_pDoc->m_fontVenueHeader;
        m_fontDetail = m_pDoc->m_fontVenueDetail;
        m_nNumberToList = m_pDoc->m_nVenueReportNumber;
    }
    if (!m_bAveragesRow)
        return kVenuePageHeight;
    CFontData& font = m_pPlayer ? m_fontDetail : m_fontHeader;
    EnsureLineHeight(pDC, font);
    return font.GetLineHeight(0);
}

CRepItem* CRepItem_VenueHiStats::CreatePageTopHeader()
{
    if (!m_bAveragesRow || !m_pPlayer)
        return nullptr;
    auto* pHeader = new CRepItem_VenueHiStats;
    pHeader->m_pDoc = m_pDoc;
    pHeader->m_bAveragesRow = 1;
    pHeader->m_fontHeader = m_fontHeader;
    pHeader->m_fontDetail = m_fontDetail;
    return pHeader;
}

void CRepItem_VenueHiStats::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc)
        return;
    CItemDrawState state(pDC);
    CFont header;
    CFont detail;
    CreateItemFont(header, m_fontHeader, "System Error - Failed to create Title font in ri_venue");
    CreateItemFont(detail, m_fontDetail, "System Error - Failed to create Detail font in ri_venue");
    EnsureLineHeight(pDC, m_fontHeader);
    EnsureLineHeight(pDC, m_fontDetail);
    if (m_bAveragesRow)
        DrawAveragesRow(pDC, header, detail);
    else
        DrawHighScores(pDC, header, detail);
}

void CRepItem_VenueHiStats::DrawHighScores(CDC* pDC, CFont& header, CFont& detail)
{
    if (!m_pVenue)
        return;
    const int HL = m_fontHeader.GetLineHeight(0);
    const int DL = m_fontDetail.GetLineHeight(0);
    auto useHeader = [&] {
        pDC->SelectObject(&header);
        pDC->SetTextColor(m_fontHeader.m_crColour);
    };
    auto useDetail = [&] {
        pDC->SelectObject(&detail);
        pDC->SetTextColor(m_fontDetail.m_crColour);
    };
    int y = m_y - 144;
    useHeader();
    Centred(pDC, y, m_pVenue->m_strName);
    y += HL;
    if (m_pVenue->m_nMatchesPlayed == 0) {
        Centred(pDC, y, "No matches played.");
        return;
    }
    struct Section {
        int nLeft, nRight;
        const char* pszLeft;
        const char* pszRight;
        bool bTeam;
        const char* pszDate;
    };
    static const Section kSections[4] = {
        {VT_TEAM_SCR_GAME, VT_TEAM_SCR_SERIES, "Hi Team Game Scratch", "Hi Team Series Scratch", true, "(%d %b %y)"},
        {VT_PLAYER_SCR_GAME, VT_PLAYER_SCR_SERIES, "Hi Game Scratch", "Hi Series Scratch", false, "(%d %b %y)"},
        {VT_TEAM_HCP_GAME, VT_TEAM_HCP_SERIES, "Hi Team Game Handicap", "Hi Team Series Handicap", true, "%d %b %y"},
        {VT_PLAYER_HCP_GAME, VT_PLAYER_HCP_SERIES, "Hi Game Handicap", "Hi Series Handicap", false, "(%d %b %y)"},
    };
    // A league that never chose a length lists three, as the style dialog first offers; a
    // number beyond the lists' ten entries can only come from a damaged file.
    const int N = m_nNumberToList <= 0 ? 3 : std::min(m_nNumberToList, 10);
    const int nSections = m_pDoc->m_bHandicapLeague ? 4 : 2;
    for (int s = 0; s < nSections; ++s) {
        const Section& sec = kSections[s];
        useHeader();
        Left(pDC, 1584, y, sec.pszLeft);
        Left(pDC, 6624, y, sec.pszRight);
        y += HL;
        useDetail();
        for (int i = 0; i < N; ++i, y += DL) {
            const int nTables[2] = {sec.nLeft, sec.nRight};
            const int nScoreX[2] = {1440, 6480};
            for (int side = 0; side < 2; ++side) {
                const CVenueTopTen& t = m_pVenue->m_topTen[nTables[side]];
                if (t.m_nScore[i] == 0 || !t.m_pWho[i])
                    continue;
                const CString name = sec.bTeam ? static_cast<const CTeam*>(t.m_pWho[i])->m_strName
                                               : static_cast<const CPlayer*>(t.m_pWho[i])->m_strName;
                const CString date = t.m_pFixture[i] ? t.m_pFixture[i]->m_timeDue.Format(sec.pszDate) : CString();
                Right(pDC, nScoreX[side], y, Fmt("%d", static_cast<int>(t.m_nScore[i])));
                Left(pDC, nScoreX[side] + 144, y, Fmt("%s  %s", name.GetString(), date.GetString()));
            }
        }
        y += HL;
    }
}

void CRepItem_VenueHiStats::DrawAveragesRow(CDC* pDC, CFont& header, CFont& detail)
{
    const std::vector<CVenue*> venues = Venues(*m_pDoc);
    // The venues may have gone since the rows were made.
    if (venues.empty())
        return;
    const int W = 7200 / static_cast<int>(venues.size());
    if (!m_pPlayer) {
        pDC->SelectObject(&header);
        pDC->SetTextColor(m_fontHeader.m_crColour);
        for (size_t k = 0; k < venues.size(); ++k) {
            CString name = venues[k]->m_strName;
            while (!name.IsEmpty() && pDC->GetTextExtent(name).cx > W - 72)
                name = name.Left(name.GetLength() - 1);
            Right(pDC, 3600 + static_cast<int>(k + 1) * W, m_y, name);
        }
        return;
    }
    pDC->SelectObject(&detail);
    pDC->SetTextColor(m_fontDetail.m_crColour);
    Left(pDC, m_x, m_y, m_pPlayer->m_strName);
    for (size_t k = 0; k < venues.size(); ++k) {
        const int a = GetVenueAverage(m_pPlayer, venues[k]->m_nVenueNo);
        if (a != 0)
            Right(pDC, 3600 + static_cast<int>(k + 1) * W, m_y, Fmt("%03d.%d", a / 10, a % 10));
    }
}

// --- the style dialog -------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CVenueHiStatsStyleDlg, CDialog)
    ON_BN_CLICKED(IDC_VHS_HEADER_FONT, OnHeaderFont)
    ON_BN_CLICKED(IDC_VHS_DETAIL_FONT, OnDetailFont)
END_MESSAGE_MAP()

void CVenueHiStatsStyleDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_VHS_HEADER_DESC, m_strHeaderDesc);
    DDX_Text(pDX, IDC_VHS_DETAIL_DESC, m_strDetailDesc);
    DDX_Text(pDX, IDC_VHS_NUMBER, m_nNumberToList);
    DDV_MinMaxByte(pDX, m_nNumberToList, 1, 10);
}

BOOL CVenueHiStatsStyleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_fontHeader.GetDescription(m_strHeaderDesc);
    m_fontDetail.GetDescription(m_strDetailDesc);
    if (m_nNumberToList > 10)
        m_nNumberToList = 10;
    UpdateData(FALSE);
    return TRUE;
}

void CVenueHiStatsStyleDlg::OnHeaderFont()
{
    // The number typed so far stays; only the description changes.
    const CString number = GetDlgItemText(IDC_VHS_NUMBER);
    ChooseReportFont(&m_fontHeader);
    m_fontHeader.GetDescription(m_strHeaderDesc);
    SetDlgItemText(IDC_VHS_HEADER_DESC, m_strHeaderDesc);
    SetDlgItemText(IDC_VHS_NUMBER, number);
}

void CVenueHiStatsStyleDlg::OnDetailFont()
{
    const CString number = GetDlgItemText(IDC_VHS_NUMBER);
    ChooseReportFont(&m_fontDetail);
    m_fontDetail.GetDescription(m_strDetailDesc);
    SetDlgItemText(IDC_VHS_DETAIL_DESC, m_strDetailDesc);
    SetDlgItemText(IDC_VHS_NUMBER, number);
}

// --- the commands -----------------------------------------------------------------------------

int BuildVenueReport(CBowlingDoc& doc, int nKind)
{
    DeleteItemList(doc.m_listGeneratedItems);
    int n = 0;
    auto add = [&](CRepItem* pItem) {
        pItem->m_pDoc = &doc;
        pItem->m_bTemporary = TEMP_SHOWING;
        doc.m_listGeneratedItems.AddTail(pItem);
        ++n;
    };
    if (nKind == VENUE_REPORT_STATS) {
        for (CVenue* pVenue : Venues(doc)) {
            auto* pItem = new CRepItem_VenueStats;
            pItem->m_pDoc = &doc;
            pItem->m_pVenue = pVenue;
            pItem->CollectStats();
            add(pItem);
        }
        doc.m_strReportTitle = "Venue Report.";
    } else if (nKind == VENUE_REPORT_HI_STATS) {
        doc.CalcVenueStatistics();
        for (CVenue* pVenue : Venues(doc)) {
            auto* pItem = new CRepItem_VenueHiStats;
            pItem->m_pVenue = pVenue;
            pItem->m_fontHeader = doc.m_fontVenueHeader;
            pItem->m_fontDetail = doc.m_fontVenueDetail;
            pItem->m_nNumberToList = doc.m_nVenueReportNumber;
            add(pItem);
        }
        doc.m_strReportTitle = "Venue Hi Stats.";
    } else {
        doc.NumberPlayersAlphabetically();
        std::vector<CPlayer*> players;
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
            if (p->m_nRank > 0 && !p->IsRobot() && !p->IsResigned())
                players.push_back(p);
        }
        std::sort(players.begin(), players.end(), [](CPlayer* a, CPlayer* b) { return a->m_nRank < b->m_nRank; });
        for (CPlayer* p : players) {
            auto* pItem = new CRepItem_VenueHiStats;
            pItem->m_bAveragesRow = 1;
            pItem->m_pPlayer = p;
            pItem->m_nNumberToList = 0;
            pItem->m_fontHeader = doc.m_fontVenueHeader;
            pItem->m_fontDetail = doc.m_fontVenueDetail;
            add(pItem);
        }
        doc.m_strReportTitle = "Individual Averages by Venue.";
    }
    return n;
}

BOOL RunVenueReportStyle(CBowlingDoc* pDoc)
{
    if (!pDoc)
        return FALSE;
    if (pDoc->m_nVenueReportNumber == 0)
        pDoc->m_nVenueReportNumber = 3;
    CVenueHiStatsStyleDlg dlg;
    dlg.m_fontHeader = pDoc->m_fontVenueHeader;
    dlg.m_fontDetail = pDoc->m_fontVenueDetail;
    dlg.m_nNumberToList = pDoc->m_nVenueReportNumber;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pDoc->m_fontVenueHeader = dlg.m_fontHeader;
    pDoc->m_fontVenueDetail = dlg.m_fontDetail;
    pDoc->m_nVenueReportNumber = dlg.m_nNumberToList;
    pDoc->SetModifiedFlag();
    return TRUE;
}
