#include "admin/AverageBuster.h"

#include "admin/AverageBusterSetupDlg.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "resources/CommandIds.h"

#include <algorithm>

void CPlayer::AddAverageBusterGame(int nScore, const CFixture* pFixture, int nAverage)
{
    if (!m_pDoc || !pFixture)
        return;
    const CBowlingDoc& doc = *m_pDoc;
    int nPoints = 0;
    if (doc.m_bAvgBusterPerGame) {
        if (nScore > nAverage)
            nPoints = doc.m_nAvgBusterOver;
        else if (nScore == nAverage)
            nPoints = doc.m_nAvgBusterEqual;
        else
            nPoints = -static_cast<int>(doc.m_nAvgBusterUnder);
    } else {
        if (doc.m_nAvgBusterUnit == 0)
            return;
        // Whole units only, cut towards zero on both sides of the average.
        nPoints = (nScore - nAverage) / static_cast<int>(doc.m_nAvgBusterUnit);
    }
    // A game without points was bowled all the same: it puts him in the tables.
    m_nAvgBusterSeason += nPoints;
    ++m_nAvgBusterSeasonGames;
    if (pFixture->m_nRound == doc.m_nCurrentRound) {
        m_nAvgBusterRound += nPoints;
        ++m_nAvgBusterRoundGames;
    }
}

void CBowlingDoc::CalcAverageBusterPoints()
{
    if (m_nAvgBusterUnit == 0 && !m_bAvgBusterPerGame)
        return;
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;)
        static_cast<CPlayer*>(m_listPlayers.GetNext(pos))->m_nAvgBusterSeasonRank = 0;
    const int nGames = std::min<int>(m_nGamesPerMatch, MAX_GAMES);
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(m_listFixtures.GetNext(pos));
        const int nPositions = std::min<int>(f->m_nPlayers, MAX_POSITIONS);
        for (int nSide = 0; nSide < 2; ++nSide) {
            if (!f->m_dwScoresMarker[nSide] || !f->m_bPlayed[nSide])
                continue;
            for (int nPos = 0; nPos < nPositions; ++nPos) {
                for (int g = 0; g < nGames; ++g) {
                    const CBowledGame game = f->GetBowledGame(nSide, nPos, g);
                    if (game.bCounts)
                        game.pBowler->AddAverageBusterGame(game.nScore, f, game.nAverage);
                }
            }
        }
    }
}

namespace {

// One ranking: the total, the games behind it and the rank it writes are chosen by the
// members. Every bowler who bowled a game in it is ranked, however low his total; one who
// bowled none has no place in it, rather than a place among those who bowled level.
int RankBy(CObList& players, int CPlayer::*pTotal, int CPlayer::*pGames, WORD CPlayer::*pRank, int nPlaces,
           WORD wMask, int nCategory)
{
    int nBowlers = 0;
    for (POSITION pos = players.GetHeadPosition(); pos; ++nBowlers)
        static_cast<CPlayer*>(players.GetNext(pos))->*pRank = 0;
    int nLast = 0;
    for (int nRank = 1; nRank <= nBowlers; ++nRank) {
        CPlayer* pBest = nullptr;
        int nBest = 0;
        for (POSITION pos = players.GetHeadPosition(); pos;) {
            CPlayer* p = static_cast<CPlayer*>(players.GetNext(pos));
            if (p->*pRank != 0 || p->*pGames == 0 || p->IsRobot() || p->IsResigned() || (p->m_wFlags & wMask) == 0 ||
                (nCategory != 0 && p->m_nCategory != nCategory))
                continue;
            if (!pBest || p->*pTotal > nBest) {
                pBest = p;
                nBest = p->*pTotal;
            }
        }
        if (!pBest)
            break;
        pBest->*pRank = static_cast<WORD>(nRank);
        nLast = nRank;
        if (nRank > nPlaces)
            return nPlaces;
    }
    return nLast;
}

CPlayer* FindByRank(const CObList& players, WORD CPlayer::*pRank, int nRank)
{
    if (nRank <= 0)
        return nullptr;
    for (POSITION pos = players.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(players.GetNext(pos));
        if (p->*pRank == nRank)
            return p;
    }
    return nullptr;
}

} // namespace

int CBowlingDoc::RankAverageBusters(int nPlaces, WORD wMask, int nCategory)
{
    RankBy(m_listPlayers, &CPlayer::m_nAvgBusterSeason, &CPlayer::m_nAvgBusterSeasonGames,
           &CPlayer::m_nAvgBusterSeasonRank, nPlaces, wMask, nCategory);
    return RankBy(m_listPlayers, &CPlayer::m_nAvgBusterRound, &CPlayer::m_nAvgBusterRoundGames,
                  &CPlayer::m_nAvgBusterRoundRank, nPlaces, wMask, nCategory);
}

CPlayer* CBowlingDoc::FindAverageBusterBySeasonRank(int nRank) const
{
    return FindByRank(m_listPlayers, &CPlayer::m_nAvgBusterSeasonRank, nRank);
}

CPlayer* CBowlingDoc::FindAverageBusterByRoundRank(int nRank) const
{
    return FindByRank(m_listPlayers, &CPlayer::m_nAvgBusterRoundRank, nRank);
}

namespace AverageBuster {

namespace {

class CAverageBusterCommands : public CCmdTarget
{
public:
    explicit CAverageBusterCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnAverageBuster() { EditAverageBuster(m_pDoc); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAverageBusterCommands, CCmdTarget)
    ON_COMMAND(ID_LEAGUE_AVERAGE_BUSTER, OnAverageBuster)
END_MESSAGE_MAP()

} // namespace

BOOL EditAverageBuster(CBowlingDoc* pDoc)
{
    CAverageBusterSetupDlg dlg;
    dlg.m_nUnit = pDoc->m_nAvgBusterUnit;
    dlg.m_bPerGame = pDoc->m_bAvgBusterPerGame ? 1 : 0;
    dlg.m_nOver = pDoc->m_nAvgBusterOver;
    dlg.m_nEqual = pDoc->m_nAvgBusterEqual;
    dlg.m_nUnder = pDoc->m_nAvgBusterUnder;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pDoc->m_nAvgBusterUnit = dlg.m_nUnit;
    pDoc->m_bAvgBusterPerGame = dlg.m_bPerGame ? 1 : 0;
    pDoc->m_nAvgBusterOver = dlg.m_nOver;
    pDoc->m_nAvgBusterEqual = dlg.m_nEqual;
    pDoc->m_nAvgBusterUnder = dlg.m_nUnder;
    pDoc->SetModifiedFlag();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

void ScoreAndRank(CBowlingDoc* pDoc)
{
    pDoc->CalcAverageBusterPoints();
    pDoc->RankAverageBusters(100, PF_CATEGORY_MASK, 0);
}

void Install()
{
    CBowlingDoc::InstallCommandSet<CAverageBusterCommands>();
    CBowlingDoc::s_pfnAverageBusters = ScoreAndRank;
}

} // namespace AverageBuster
