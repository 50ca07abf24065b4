#include "reports/stats/TeamFullDetsItem.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/PointsText.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/ItemText.h"
#include "reports/stats/SelectedTeamPages.h"
#include "reports/stats/ScoreChart.h"
#include "results/SelectionCommands.h"
#include "view/DisplayHooks.h"
#include "view/ReportFlow.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CRepItem_TeamFullDets, CRepItem)

namespace {

constexpr int kMaxScores = 2048;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kGameX[MAX_GAMES] = {3180, 4260, 5340, 6420};

using ItemText::Left;
using ItemText::Right;
using ItemText::RightInRed;
using ItemText::Fmt;

CTime SortDate(const CFixture* f, int nSide)
{
    return f->m_bPlayed[nSide] ? f->m_timePlayed[nSide] : f->m_timeDue;
}

int TeamSide(const CFixture* f, const CTeam* pTeam)
{
    if (f->GetSideTeam(0) == pTeam)
        return 0;
    return f->GetSideTeam(1) == pTeam ? 1 : -1;
}

int RunTeamDetailsFull(CBowlingDoc* pDoc)
{
    if (!pDoc)
        return TEAM_DISPLAY_UNCHANGED;
    if (!ChooseTeamsForDisplay(pDoc) || pDoc->m_arrSelectedTeams.GetSize() == 0)
        return TEAM_DISPLAY_UNCHANGED;
    BuildTeamFullDetails(*pDoc);
    return TEAM_DISPLAY_SHOW;
}

[[maybe_unused]] const bool s_bInstalled = (g_pfnRunTeamDetailsFull = RunTeamDetailsFull, true);

} // namespace

CRepItem_TeamFullDets::CRepItem_TeamFullDets() : m_pTeam(nullptr)
{
    m_nType = RIT_TEAM_FULL_DETS;
    m_nPage = 1;
}

int CRepItem_TeamFullDets::GetHeight(CDC* /*pDC*/)
{
    return -16560;
}

std::vector<CFixture*> CRepItem_TeamFullDets::KeptMatches() const
{
    std::vector<CFixture*> kept;
    if (!m_pDoc || !m_pTeam)
        return kept;
    const int nCutRound = std::min<int>(m_pDoc->m_nCurrentRound + 1, m_pDoc->m_nRounds);
    const CFixture* pCut = nullptr;
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos && !pCut;) {
        auto* f = static_cast<CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound == nCutRound)
            pCut = f;
    }
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        const int nSide = TeamSide(f, m_pTeam);
        if (nSide < 0)
            continue;
        const CTime date = SortDate(f, nSide);
        if (pCut && date > pCut->m_timeDue)
            continue;
        auto later = std::find_if(kept.begin(), kept.end(),
                                  [&](CFixture* k) { return SortDate(k, TeamSide(k, m_pTeam)) > date; });
        kept.insert(later, f);
    }
    return kept;
}

void CRepItem_TeamFullDets::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc || !m_pTeam)
        return;
    CBowlingDoc* pDoc = m_pDoc;
    CTeam* pTeam = m_pTeam;
    CItemDrawState state(pDC);
    pDC->SetTextColor(kBlack);
    // The rows switch the scoring pass; the document gets its own back.
    struct PassGuard {
        CBowlingDoc* p;
        DWORD n;
        ~PassGuard() { p->m_bHandicapPass = n; }
    } guard{pDoc, pDoc->m_bHandicapPass};
    CStockFonts* pFonts = GetStockFonts(pDC);
    const int P = std::max<int>(1, pDoc->m_nPlayersPerTeam);
    const int G = std::clamp<int>(pDoc->m_nGamesPerMatch, 1, MAX_GAMES);

    int y = m_y;
    pDC->SelectObject(&pFonts->m_fontLargeBold);
    Left(pDC, 720, y, pDoc->m_strLeagueName);
    Right(pDC, PAGE_RIGHT, y, PRODUCT_TITLE);
    ItemText::Centred(pDC, y, pTeam->m_strName);
    y -= 480;
    const int T = y;
    const int B = T - 3000;

    const BOOL bHcpLeague = pDoc->m_bHandicapLeague != 0;
    pDoc->m_bHandicapPass = bHcpLeague ? PASS_HANDICAP : PASS_SCRATCH;
    const int nSet = bHcpLeague ? PASS_HANDICAP : PASS_SCRATCH;
    pDC->SelectObject(&pFonts->m_fontSmall);
    auto total = [&](const char* pszLabel, const CString& value) {
        Left(pDC, 720, y, pszLabel);
        Right(pDC, 2448, y, value);
        y -= 200;
    };
    total("Games", Fmt("%d", static_cast<int>(pTeam->m_nGames[nSet])));
    total("Pins", Fmt("%ld", static_cast<long>(pTeam->m_nPins[nSet])));
    if (bHcpLeague) {
        total("Hi Game(H)", Fmt("%d", static_cast<int>(pTeam->m_nHighGame[PASS_HANDICAP])));
        total("Hi Series(H)", Fmt("%d", static_cast<int>(pTeam->m_nHighSeries[PASS_HANDICAP])));
    }
    total("Hi Game(S)", Fmt("%d", static_cast<int>(pTeam->m_nHighGame[PASS_SCRATCH])));
    total("Hi Series(S)", Fmt("%d", static_cast<int>(pTeam->m_nHighSeries[PASS_SCRATCH])));
    if (pTeam->m_nGames[nSet] == 0)
        return;

    y = std::min(y, B - 200);
    pDC->SelectObject(&pFonts->m_fontSmallBold);
    Left(pDC, 720, y, "Rnd");
    Left(pDC, 1260, y, "Date");
    Right(pDC, 2700, y, "Pts");
    static const char* const kGameCaption[MAX_GAMES] = {"G1", "G2", "G3", "G4"};
    for (int g = 0; g < G; ++g) {
        Right(pDC, kGameX[g], y, kGameCaption[g]);
        if (pDoc->m_bHandicapPass)
            Right(pDC, kGameX[g] + 480, y, "Hcp");
    }
    Right(pDC, 7500, y, "Ser");
    if (pDoc->m_bHandicapPass)
        Right(pDC, 7980, y, "Hcp");
    Right(pDC, 8652, y, "Pins");
    Right(pDC, PAGE_RIGHT, y, "Opponents");
    y -= 200;
    pDC->SelectObject(&pFonts->m_fontSmall);

    const std::vector<CFixture*> kept = KeptMatches();
    const int nStep = kept.size() > 60 ? 165 : 200;
    std::vector<int> scores;
    int bands[SCORE_CHART_BANDS] = {};
    long nRunning = 0;
    for (CFixture* f : kept) {
        const int s = TeamSide(f, pTeam);
        pDoc->m_bHandicapPass = f->m_bOneSystem ? ((f->m_bOneSystemScratch && !pDoc->m_bOneSystemOverride) ? 0 : 1)
                                                : (bHcpLeague ? 1 : 0);
        const BOOL bHcp = pDoc->m_bHandicapPass != 0;
        CTeam* pOpponent = f->GetSideTeam(1 - s);
        const int nGames = std::min(G, std::min<int>(f->GetLeagueGames(), MAX_GAMES));
        int nScr[MAX_GAMES] = {};
        int nWithHcp[MAX_GAMES] = {};
        bool bAny = false;
        for (int g = 0; g < nGames; ++g) {
            if (f->m_nDefaulted[s] & DefaultedBit(g))
                continue;
            nScr[g] = f->GetGameScore(s, g, FALSE);
            nWithHcp[g] = f->GetGameScore(s, g, TRUE);
            bAny = bAny || nScr[g] != 0 || nWithHcp[g] != 0;
        }
        if (!f->m_bPlayed[s]) {
            Left(pDC, 720, y, Fmt("%d", static_cast<int>(f->m_nRound)));
            Left(pDC, 1260, y, SortDate(f, s).Format("%d %b %y"));
            Left(pDC, 2700, y, "Not Played");
            y -= nStep;
            continue;
        }
        if (bAny) {
            Left(pDC, 720, y, Fmt("%d", static_cast<int>(f->m_nRound)));
            Left(pDC, 1260, y, SortDate(f, s).Format("%d %b %y"));
            Right(pDC, 2700, y,
                  FormatPassPoints(pDoc, bHcp ? 1 : 0, bHcp ? f->m_nHandicapMatchPoints[s] : f->m_nScratchMatchPoints[s]));
            int nSeries = 0;
            int nSeriesHcp = 0;
            for (int g = 0; g < nGames; ++g) {
                if (f->m_nDefaulted[s] & DefaultedBit(g)) {
                    Right(pDC, kGameX[g], y, "Def");
                    continue;
                }
                nSeries += nScr[g];
                nSeriesHcp += nWithHcp[g];
                RightInRed(pDC, kGameX[g], y, nScr[g] ? Fmt("%d", nScr[g]) : CString("n/s"), nScr[g] >= 200 * P);
                if (bHcp)
                    Right(pDC, kGameX[g] + 480, y, Fmt("%d", nWithHcp[g]));
            }
            RightInRed(pDC, 7500, y, Fmt("%d", nSeries), nSeries >= G * (200 * P - 1));
            if (bHcp)
                Right(pDC, 7980, y, Fmt("%d", nSeriesHcp));
            nRunning += nSeries;
            Right(pDC, 8652, y, Fmt("%ld", nRunning));
            if (pOpponent)
                Right(pDC, PAGE_RIGHT, y, pOpponent->m_strName);
            y -= nStep;
        }
        // An entered side of nothing but zeros has no row and, read once, adds only zeros.
        for (int g = 0; g < nGames; ++g) {
            if (f->m_nDefaulted[s] & DefaultedBit(g))
                continue;
            if (static_cast<int>(scores.size()) < kMaxScores)
                scores.push_back(nScr[g]);
            const int nBand = nScr[g] / (25 * P);
            if (nBand < SCORE_CHART_BANDS)
                ++bands[nBand];
        }
    }

    // The chart is of the season, also when the standings count a split only.
    const size_t n = std::min<size_t>(scores.size(), pTeam->m_nGames[nSet] + pTeam->m_nGamesBeforeSplit[nSet]);
    DrawScoreChart(pDC, T, B, bands, 10270, P, std::span(scores).first(n));
}

int BuildTeamFullDetails(CBowlingDoc& doc)
{
    return BuildSelectedTeamPages<CRepItem_TeamFullDets>(doc);
}
