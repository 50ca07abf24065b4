#include "reports/stats/PlayerDetailsPage.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/ItemText.h"
#include "reports/stats/ScoreChart.h"
#include "view/DisplayHooks.h"
#include "results/SelectionCommands.h"
#include "view/ReportFlow.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRepItem_Player, CRepItem, 1)

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

const char* MonthAbbrev(int nMonth)
{
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // A damaged month shows as unknown; the record is left for loading and editing to repair.
    return nMonth >= 1 && nMonth <= 12 ? months[nMonth - 1] : "???";
}

using ItemText::Left;
using ItemText::Right;
using ItemText::RightInRed;

CString Num(int n)
{
    CString s;
    s.Format("%d", n);
    return s;
}

// Where a match carries its own scoring system, its handicap figures follow that.
bool RowShowsHandicap(const CBowlingDoc* pDoc, const CFixture* pFixture)
{
    if (pDoc->m_bTeamHandicaps)
        return false;
    if (pFixture->m_bOneSystem)
        return !(pFixture->m_bOneSystemScratch && !pDoc->m_bOneSystemOverride);
    return pDoc->m_bHandicapLeague != 0;
}

} // namespace

CRepItem_Player::CRepItem_Player()
{
    m_nType = RIT_PLAYER;
    m_nPage = 1;
}

int CRepItem_Player::GetHeight(CDC* /*pDC*/)
{
    return -16560;
}

std::vector<CRepItem_Player::Row> CRepItem_Player::CollectRows() const
{
    std::vector<Row> rows;
    if (!m_pDoc || !m_pPlayer)
        return rows;
    const CBowlingDoc* pDoc = m_pDoc;

    // The cut-off: the last fixture of the round after the current one. A league without
    // that round has none: every entered match is listed and nobody is absent.
    int nCutRound = std::min<int>(pDoc->m_nCurrentRound + 1, pDoc->m_nRounds);
    const CFixture* pCut = nullptr;
    for (POSITION pos = pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound == nCutRound)
            pCut = f;
    }
    auto insertByDate = [&rows](const Row& row) {
        auto it = std::find_if(rows.begin(), rows.end(), [&row](const Row& r) { return row.date < r.date; });
        rows.insert(it, row);
    };

    CFixture* pPrev = nullptr;
    bool bListedInRound = false;
    for (POSITION pos = pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(pDoc->m_listFixtures.GetNext(pos));
        if (pPrev && f->m_nRound != pPrev->m_nRound) {
            if (!bListedInRound && pCut && pPrev->m_nRound < nCutRound) {
                Row absent;
                absent.pFixture = pPrev;
                absent.date = pPrev->m_timeDue;
                absent.bAbsence = TRUE;
                insertByDate(absent);
            }
            bListedInRound = false;
        }
        pPrev = f;
        const int nSide = f->GetSideCountingFor(m_pPlayer);
        if (nSide < 0 || !f->m_bPlayed[nSide])
            continue;
        if (pCut && pCut->m_timeDue < f->m_timePlayed[nSide])
            continue;
        Row row;
        row.pFixture = f;
        row.date = f->m_timePlayed[nSide];
        row.nSide = nSide;
        insertByDate(row);
        bListedInRound = true;
    }
    return rows;
}

std::vector<CRepItem_Player::Game> CRepItem_Player::GamesOf(const Row& row) const
{
    std::vector<Game> games;
    if (row.bAbsence || !m_pDoc || !m_pPlayer)
        return games;
    const CFixture* f = row.pFixture;
    const int nGames = std::clamp<int>(m_pDoc->m_nGamesPerMatch, 1, MAX_GAMES);
    for (int g = 0; g < nGames; ++g) {
        const CBowledGame b = f->GetBowledGameOf(m_pPlayer, row.nSide, g);
        games.push_back(Game{b.nScore, b.nHandicap});
    }
    return games;
}

void CRepItem_Player::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc || !m_pPlayer)
        return;
    CBowlingDoc* pDoc = m_pDoc;
    CPlayer* pPlayer = m_pPlayer;
    CItemDrawState state(pDC);
    pDC->SetTextColor(kBlack);
    CStockFonts* pFonts = GetStockFonts(pDC);

    pDoc->m_bHandicapPass = pDoc->m_bHandicapLeague ? PASS_HANDICAP : PASS_SCRATCH;
    const BOOL bPass = pDoc->m_bHandicapPass == PASS_HANDICAP;
    const bool bHcpColumns = bPass && !pDoc->m_bTeamHandicaps;
    const int nThreshold = static_cast<int>(pDoc->m_nAverageLimit);
    const int nGamesPerMatch = std::clamp<int>(pDoc->m_nGamesPerMatch, 1, MAX_GAMES);
    const int nSeriesThreshold = nGamesPerMatch * (nThreshold + 1) - 1;
    const int y0 = m_y;
    CString s;

    // Heading line.
    pDC->SelectObject(&pFonts->m_fontLargeBold);
    if (y0 == PAGE_TOP)
        Right(pDC, PAGE_RIGHT, y0, PRODUCT_TITLE);
    CString strHead = pPlayer->m_strName;
    if (pPlayer->m_nPin != 0) {
        s.Format(" [%d] ", pPlayer->m_nPin);
        strHead += s;
    }
    if (pDoc->m_nPlayersPerTeam > 1) {
        const CTeam* pTeam = pPlayer->m_nTeamNo ? pDoc->FindTeam(pPlayer->m_nTeamNo) : nullptr;
        if (pTeam)
            strHead += " - " + pTeam->m_strName;
        else if (pPlayer->IsFloatingSub())
            strHead += " - Floating Sub.";
        else
            strHead += " - Unassigned.";
    }
    Left(pDC, m_x, y0, strHead);
    pPlayer->AddHitRect(CRect(m_x, y0, m_x + NAME_RECT_WIDTH, y0 - 200));

    // Details block.
    pDC->SelectObject(&pFonts->m_fontSmall);
    const int top = y0 - 480;
    const int bottom = top - 3000;
    int y = top;
    auto detail = [&](const char* pszLabel, const CString& value) {
        Left(pDC, 720, y, pszLabel);
        Right(pDC, 2448, y, value);
        y -= 200;
    };
    pPlayer->GetCategoryName(s);
    detail("Status", s);
    const int nEntering = pPlayer->GetEnteringAverage(TRUE);
    if (nEntering)
        s.Format("%3d.%d", nEntering / 10, nEntering % 10);
    else
        s = "n/a";
    detail("Starting Av.", s);
    const double dAverage = pPlayer->GetAverage(bPass, pDoc->m_nEnteringAvgGames);
    s.Format("%5.1f", dAverage);
    detail("Average", s);
    if (nEntering) {
        s.Format("%5.1f", dAverage - nEntering / 10.0);
        detail("Change", s);
    }
    const int nSet = bPass ? PASS_HANDICAP : PASS_SCRATCH;
    s.Format("%d", static_cast<int>(pPlayer->m_nGames[nSet]));
    detail("Games", s);
    s.Format("%u", static_cast<unsigned>(pPlayer->m_nPins[nSet]));
    detail("Pins", s);
    if (pDoc->m_bHandicapLeague && !pDoc->m_bTeamHandicaps) {
        detail("Hi Game(H)", Num(pPlayer->GetHighGameHcp()));
        detail("Hi Series(H)", Num(pPlayer->GetHighSeriesHcp()));
    }
    detail("Hi Game(S)", Num(pPlayer->GetHighGameScratch()));
    detail("Hi Series(S)", Num(pPlayer->GetHighSeriesScratch()));

    if (!pDoc->m_bPrivacy) {
        y -= 200;
        for (const CString& line : pPlayer->m_strAddress)
            if (!line.IsEmpty()) {
                Left(pDC, 720, y, line);
                y -= 200;
            }
        if (!pPlayer->m_strPhoneHome.IsEmpty())
            detail("Tel.", pPlayer->m_strPhoneHome);
        if (!pPlayer->m_strPhoneWork.IsEmpty())
            detail("Tel.(W)", pPlayer->m_strPhoneWork);
        if (!pPlayer->m_strPhoneMobile.IsEmpty())
            detail("Tel.(M)", pPlayer->m_strPhoneMobile);
        if (pPlayer->m_nBirthDay && pPlayer->m_nBirthMonth && pPlayer->m_nBirthYear) {
            s.Format("%d %s %d", pPlayer->m_nBirthDay, MonthAbbrev(pPlayer->m_nBirthMonth), pPlayer->m_nBirthYear);
            detail("DoB.", s);
        }
        if (!pPlayer->m_strMembershipNo.IsEmpty()) {
            y -= 100;
            Left(pDC, 720, y, "TBA No. " + pPlayer->m_strMembershipNo);
            y -= 200;
        }
    }

    // The season table's header.
    y = std::min(y, bottom - 200);
    pDC->SelectObject(&pFonts->m_fontSmallBold);
    Left(pDC, 720, y, "Rnd");
    Left(pDC, 1260, y, "Date");
    Left(pDC, 9220, y, "Opponents");
    if (bHcpColumns)
        Right(pDC, 2700, y, "Hcp");
    for (int g = 0; g < nGamesPerMatch; ++g) {
        s.Format("G%d", g + 1);
        Right(pDC, 3180 + 1080 * g, y, s);
        if (bHcpColumns)
            Right(pDC, 3660 + 1080 * g, y, "Hcp");
    }
    Right(pDC, 7500, y, "Ser");
    if (bHcpColumns)
        Right(pDC, 7980, y, "Hcp");
    Right(pDC, 8652, y, "Pins");
    y -= 200;

    // The rows.
    pDC->SelectObject(&pFonts->m_fontSmall);
    const std::vector<Row> rows = CollectRows();
    const int nStep = rows.size() > 60 ? 165 : 200;
    std::vector<int> scores;
    scores.reserve(static_cast<size_t>(nGamesPerMatch) * rows.size() + 24);
    int nRunning = 0;
    for (const Row& row : rows) {
        const CFixture* f = row.pFixture;
        if (row.bAbsence) {
            Left(pDC, 720, y, Num(f->m_nRound));
            Left(pDC, 1260, y, row.date.Format("%d %b %y"));
            y -= nStep;
            continue;
        }
        std::vector<Game> games = GamesOf(row);
        if (std::none_of(games.begin(), games.end(), [](const Game& g) { return g.nScore != 0; }))
            continue;
        const bool bRowHcp = RowShowsHandicap(pDoc, f);
        Left(pDC, 720, y, Num(f->m_nRound));
        Left(pDC, 1260, y, row.date.Format("%d %b %y"));
        const CTeam* pOpp = row.nSide == 0 ? f->m_pTeamB : f->m_pTeamA;
        Left(pDC, 9220, y, pOpp ? pOpp->m_strName : CString("<Unknown>"));
        if (bRowHcp)
            for (const Game& g : games)
                if (g.nScore) {
                    s.Format("(%d)", g.nHcp);
                    Right(pDC, 2700, y, s);
                    break;
                }
        int nSeries = 0, nHcpSeries = 0;
        for (int g = 0; g < static_cast<int>(games.size()); ++g) {
            const Game& game = games[static_cast<size_t>(g)];
            const int x = 3180 + 1080 * g;
            if (game.nScore == 0) {
                Right(pDC, x, y, "n/s");
                continue;
            }
            RightInRed(pDC, x, y, Num(game.nScore), game.nScore > nThreshold);
            if (bRowHcp) {
                Right(pDC, x + 480, y, Num(game.nScore + game.nHcp));
                nHcpSeries += game.nScore + game.nHcp;
            }
            nSeries += game.nScore;
            scores.push_back(game.nScore);
        }
        RightInRed(pDC, 7500, y, Num(nSeries), nSeries > nSeriesThreshold);
        if (bRowHcp)
            Right(pDC, 7980, y, Num(nHcpSeries));
        nRunning += nSeries;
        Right(pDC, 8652, y, Num(nRunning));
        y -= nStep;
    }

    if (rows.empty())
        return;

    // Games by 25-pin band: 325 and more count in the top band.
    int bands[SCORE_CHART_BANDS] = {};
    for (int nScore : scores)
        ++bands[std::clamp(nScore / 25, 0, SCORE_CHART_BANDS - 1)];
    DrawScoreChart(pDC, top, bottom, bands, 10120, 1, scores);
}

// --- the commands ---------------------------------------------------------------------------

void BuildPlayerPages(CBowlingDoc& doc, const std::vector<CPlayer*>& players)
{
    DeleteItemList(doc.m_listDisplayItems);
    for (CPlayer* pPlayer : players) {
        auto* pItem = new CRepItem_Player;
        pItem->m_pDoc = &doc;
        pItem->m_pPlayer = pPlayer;
        pItem->m_bTemporary = TEMP_SHOWING;
        doc.m_listDisplayItems.AddTail(pItem);
    }
}

std::vector<CPlayer*> PlayersOfSelectedTeams(CBowlingDoc& doc)
{
    std::vector<CPlayer*> players;
    for (int i = 0; i < doc.m_arrSelectedTeams.GetSize(); ++i) {
        auto* pTeam = static_cast<CTeam*>(doc.m_arrSelectedTeams[i]);
        if (!pTeam)
            continue;
        for (int k = 0; k < pTeam->GetOrderCount(); ++k) {
            CPlayer* pPlayer = doc.FindPlayer(pTeam->GetOrderAt(k));
            if (pPlayer && !pPlayer->IsRobot())
                players.push_back(pPlayer);
        }
    }
    return players;
}

namespace {

BOOL RunPlayerDisplay(CBowlingDoc* pDoc, int nKind, CPlayer* pPlayer)
{
    std::vector<CPlayer*> players;
    if (nKind == PLAYER_DISPLAY_ONE) {
        if (!pPlayer)
            return FALSE;
        players.push_back(pPlayer);
    } else if (nKind == PLAYER_DISPLAY_BY_TEAM) {
        if (!ChooseTeamsForDisplay(pDoc))
            return FALSE;
        players = PlayersOfSelectedTeams(*pDoc);
    } else {
        if (!SelectBowlersForDisplay(pDoc))
            return FALSE;
        for (int i = 0; i < pDoc->m_arrSelectedPlayers.GetSize(); ++i)
            if (auto* p = static_cast<CPlayer*>(pDoc->m_arrSelectedPlayers[i]))
                players.push_back(p);
    }
    BuildPlayerPages(*pDoc, players);
    pDoc->m_strReportTitle = "Player Details";
    return TRUE;
}

[[maybe_unused]] const bool s_bInstalled = (g_pfnRunPlayerDisplay = RunPlayerDisplay, true);

} // namespace
