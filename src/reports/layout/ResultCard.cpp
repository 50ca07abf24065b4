#include "reports/layout/ResultCard.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/PointsText.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "results/ResultsDisplay.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

IMPLEMENT_SERIAL(CRepItem_Result, CRepItem, 1)

namespace {

// Column x, relative to the card's left edge, of side A; side B is 5040 further right.
constexpr int kSideWidth = 5040;
constexpr int kCardWidth = 10080;
constexpr int kTeamName = 110;
constexpr int kWithdrawn = 3272;
constexpr int kStamp = 5018;
constexpr int kBowlerName = 72;
constexpr int kHandicap = 1652;     // a bowler's handicap, a side's points total
constexpr int kGame[MAX_GAMES] = {2027, 2687, 3347, 4007};
constexpr int kGameHcp[MAX_GAMES] = {2312, 2972, 3632, 4292};   // with handicap; points
constexpr int kSeries = 4718;
constexpr int kSeriesHcp = 5018;    // series with handicap; series points
constexpr int kTeamSeries = 4733;
constexpr int kTeamHcpShift = 142;  // the team handicap row stands left of the handicap columns
constexpr int kLabels = 5084;       // the points rows' labels, one for both sides
constexpr int kNote = 5062;
constexpr int kPacerName = 44;
constexpr int kGrid[] = {1655, 2315, 2975, 3635, 4295, 6695, 7355, 8015, 8675, 9335};
constexpr int kRow = 200;
constexpr int kGap = 22;
constexpr int kHeadingRow = 222;
constexpr int kBonusLift = 15;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

CString Num(const char* pszFormat, int n)
{
    CString s;
    s.Format(pszFormat, n);
    return s;
}

CString PlayerName(const CPlayer* pPlayer)
{
    return pPlayer ? pPlayer->m_strName : CString();
}

int GamesOf(const CFixture& f)
{
    return std::clamp(f.GetLeagueGames(), 0, MAX_GAMES);
}

int PositionsOf(const CFixture& f)
{
    return std::clamp<int>(f.m_nPlayers, 0, MAX_POSITIONS);
}

// A side's position as its bowlers' rows show it: the rows follow the position's own bowlers
// (CFixture::CountBowlersAtPosition), and a game a pacer bowled stands in the pacer's row,
// never in the absent bowler's. A marked game ("*": blind, Non Qual or defaulted) keeps its
// cell, a blind paced game the absent bowler's blind score.
struct CPositionRows
{
    int nLastRow = 0;               // the rows' count less one
    int nRow[MAX_GAMES] = {};       // each game's row; -1 for a pacer's game
    CBowledGame cell[MAX_GAMES];    // each game's cell as entered
    CPlayer* pBowler[MAX_GAMES] = {};
    int nHandicapGame[MAX_GAMES] = {}; // the game whose handicap a row shows; -1: none shown
    int nSeries = 0;                // of the games the rows show
    int nHandicaps = 0;
    bool bShown = false;            // any game shown
};

CPositionRows WorkPosition(CFixture& f, int nSide, int nPos, int nGames)
{
    CPositionRows rows;
    rows.nLastRow = f.CountBowlersAtPosition(nSide, nPos);
    for (int& n : rows.nHandicapGame)
        n = -1;
    int nMaxIndex = -1;
    for (int g = 0; g < nGames; ++g) {
        const CBowledGame& cell = rows.cell[g] = f.GetCellGame(nSide, nPos, g);
        const int i = f.GetBowlerIndex(nSide, g);
        if (i > nMaxIndex) {
            nMaxIndex = i;
            rows.pBowler[i] = cell.pBowler;
        }
        const bool bPaced = cell.bPacer && !cell.IsMarked();
        rows.nRow[g] = bPaced ? -1 : i;
        if (bPaced)
            continue;
        if (rows.nHandicapGame[i] < 0)
            rows.nHandicapGame[i] = g;
        rows.bShown = true;
        rows.nSeries += cell.nScore;
        rows.nHandicaps += cell.nHandicap;
    }
    return rows;
}

// One pacer's games at a side's position, in his own row: the first game he paced gives
// his handicap.
struct CPacerRow
{
    CPlayer* pPacer = nullptr;
    int nFirstGame = 0;
    CBowledGame game[MAX_GAMES]; // his games; the others not paced
    int nSeries = 0;
    int nHandicaps = 0;
};

std::vector<CPacerRow> WorkPacers(const CFixture& f, int nSide, int nPos, int nGames)
{
    std::vector<CPacerRow> rows;
    for (int g = 0; g < nGames; ++g) {
        const CBowledGame game = f.GetPacerGame(nSide, nPos, g);
        if (!game.bPacer)
            continue;
        auto it = std::find_if(rows.begin(), rows.end(), [&](const CPacerRow& r) { return r.pPacer == game.pBowler; });
        if (it == rows.end())
            it = rows.insert(rows.end(), CPacerRow{game.pBowler, g, {}, 0, 0});
        it->game[g] = game;
        it->nSeries += game.nScore;
        it->nHandicaps += game.nHandicap;
    }
    return rows;
}

// The points of the scratch rows: the side's scratch points of the column and its bonus.
int ScratchColumnPoints(const CFixture& f, int nSide, int nCol)
{
    return f.m_nScratchTotals[nSide][nCol] + f.m_wScratchBonus[nSide][POINTS_ROWS - 1][nCol];
}

// The bonus row: both copies the fixture keeps of it, halved.
int BonusColumnPoints(const CFixture& f, int nSide, int nCol)
{
    return (f.m_wScratchBonus[nSide][POINTS_ROWS - 1][nCol] + f.m_wHandicapBonus[nSide][POINTS_ROWS - 1][nCol]) / 2;
}

// The drawing of one card: positions are worked as the rows go down.
class CCardPainter
{
public:
    CCardPainter(CRepItem_Result& card, CDC* pDC)
        : m_card(card), m_pDC(pDC), m_f(*card.m_pFixture), m_pDoc(card.m_pDoc), m_sw(card.GetSwitches()),
          m_x0(card.m_x), m_y0(card.m_y), m_nGames(GamesOf(m_f)), m_nPos(PositionsOf(m_f))
    {
        CStockFonts* pFonts = GetStockFonts(pDC);
        m_pNormal = &pFonts->m_fontSmall;
        m_pBold = &pFonts->m_fontSmallBold;
    }

    void Draw();

private:
    void Text(int x, int y, const CString& s, bool bBold, bool bRight, COLORREF cr, int nMaxWidth = 0)
    {
        m_pDC->SelectObject(bBold ? m_pBold : m_pNormal);
        COLORREF crOld = m_pDC->SetTextColor(cr);
        CPoint pt(m_x0 + x, y);
        if (bRight)
            DrawTextRightAligned(m_pDC, &pt, s, nMaxWidth);
        else
            DrawTextClipped(m_pDC, &pt, s, nMaxWidth);
        m_pDC->SetTextColor(crOld);
    }
    // A bowler's name stops short of the handicap beside it, or of the first game's line.
    void Name(int x, int y, const CString& s, COLORREF cr)
    {
        m_pDC->SelectObject(m_pNormal);
        const int nEnd = m_sw.bIndividualHcp ? kHandicap - m_pDC->GetTextExtent(CString("000 ")).cx
                                              : kGrid[0] - m_pDC->GetTextExtent(CString(" ")).cx;
        Text(x, y, s, false, false, cr, std::max(1, nEnd - x % kSideWidth));
    }
    void FullLine(int y) { DrawLineOrBox(m_pDC, m_x0, y, kCardWidth, 0); }
    void HalfLines(int y)
    {
        DrawLineOrBox(m_pDC, m_x0 + kGrid[0], y, kSideWidth - kGrid[0], 0);
        DrawLineOrBox(m_pDC, m_x0 + kSideWidth + kGrid[0], y, kSideWidth - kGrid[0], 0);
    }
    void VLine(int x, int yTop, int yBottom)
    {
        m_pDC->MoveTo(m_x0 + x, yTop);
        m_pDC->LineTo(m_x0 + x, yBottom);
    }
    void Heading();
    void Positions(int& y);
    void TeamTotals(int& y);
    void HandicapRows(int& y);
    void PointsRows(int& y);
    void Grid();
    void Pacers();
    COLORREF High(int nValue, int nThreshold, COLORREF crElse) const { return nValue > nThreshold ? kRed : crElse; }

    CRepItem_Result& m_card;
    CDC* m_pDC;
    CFixture& m_f;
    CBowlingDoc* m_pDoc;
    CRepItem_Result::Switches m_sw;
    int m_x0, m_y0;
    int m_nGames, m_nPos;
    int m_yBottom = 0;      // the box's bottom
    int m_nPacerRows = 0;
    bool m_bMarked = false;
    CFont* m_pNormal;
    CFont* m_pBold;
};

void CCardPainter::Draw()
{
    int nHeight = m_card.GetHeight(m_pDC);
    m_yBottom = m_y0 + nHeight + kRow;
    m_nPacerRows = 0;
    for (int s = 0; s < 2; ++s) {
        int n = 0;
        for (int p = 0; p < m_nPos; ++p)
            n += m_f.CountSubstitutions(s, p);
        m_nPacerRows = std::max(m_nPacerRows, n);
    }
    DrawLineOrBox(m_pDC, m_x0, m_y0, kCardWidth, m_y0 - m_yBottom);
    if (m_nPacerRows > 0)
        DrawLineOrBox(m_pDC, m_x0, m_y0, kCardWidth, m_y0 - (m_yBottom + kRow * m_nPacerRows));
    Heading();
    FullLine(m_y0 - kHeadingRow);
    if (!m_f.m_bPlayed[0] && !m_f.m_bPlayed[1]) {
        VLine(kSideWidth, m_y0, m_yBottom);
        return;
    }
    int y = m_y0 - kHeadingRow;
    Positions(y);
    y -= kGap;
    if (m_bMarked)
        Text(kNote, y, " * = Non Qualifying.", false, false, kBlack);
    VLine(kSideWidth, m_y0, m_yBottom);
    TeamTotals(y);
    if (m_sw.bHandicapShown)
        HandicapRows(y);
    PointsRows(y);
    Grid();
    if (m_nPacerRows > 0)
        Pacers();
    m_pDC->SetTextColor(kBlack);
}

void CCardPainter::Heading()
{
    int y = m_y0 - kGap;
    for (int s = 0; s < 2; ++s) {
        int dx = s * kSideWidth;
        CTeam* pTeam = m_f.GetSideTeam(s);
        Text(dx + kTeamName, y, pTeam ? pTeam->m_strName : CString(), true, false, kBlack);
        if (pTeam) {
            pTeam->AddHitRect(CRect(m_x0 + dx + kTeamName, y, m_x0 + dx + kTeamName + NAME_RECT_WIDTH, y - kRow));
            if (pTeam->IsFoldedBefore(m_f.m_nRound))
                Text(dx + kWithdrawn, y, " [Withdrawn]", false, true, kBlack);
        }
        if (m_f.m_bPlayed[s]) {
            CString stamp;
            stamp.Format("R%d %s", m_f.m_nRound, m_f.m_timePlayed[s].Format("%d %b %y %H:%M").GetString());
            Text(dx + kStamp, y, stamp, false, true, kBlack);
        }
    }
}

void CCardPainter::Positions(int& y)
{
    CPositionRows rows[2][MAX_POSITIONS];
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < m_nPos; ++p)
            rows[s][p] = WorkPosition(m_f, s, p, m_nGames);
    for (int p = 0; p < m_nPos; ++p) {
        y -= kGap;
        for (int s = 0; s < 2; ++s) {
            if (!m_f.m_bPlayed[s])
                continue;
            const CPositionRows& r = rows[s][p];
            int dx = s * kSideWidth;
            for (int i = 0; i <= r.nLastRow; ++i) {
                int yRow = y - kRow * i;
                Name(dx + kBowlerName, yRow, PlayerName(r.pBowler[i]), kBlack);
                if (r.pBowler[i])
                    r.pBowler[i]->AddHitRect(CRect(m_x0 + dx + kBowlerName, yRow,
                                                   m_x0 + dx + kBowlerName + NAME_RECT_WIDTH, yRow - kRow));
                if (m_sw.bIndividualHcp && r.nHandicapGame[i] >= 0)
                    Text(dx + kHandicap, yRow, Num("%d", r.cell[r.nHandicapGame[i]].nHandicap), false, true, kBlack);
            }
            for (int g = 0; g < m_nGames; ++g) {
                if (r.nRow[g] < 0)
                    continue;
                int yRow = y - kRow * r.nRow[g];
                int nScore = r.cell[g].nScore;
                bool bMarked = r.cell[g].IsMarked();
                m_bMarked = m_bMarked || bMarked;
                CString score;
                score.Format("%3d%c", nScore, bMarked ? '*' : ' ');
                Text(dx + kGame[g], yRow, score, true, true, High(nScore, m_sw.nRed, kBlack));
                if (m_sw.bIndividualHcp)
                    Text(dx + kGameHcp[g], yRow, Num("%d", nScore + r.cell[g].nHandicap), false, true, kBlack);
            }
            if (!r.bShown)
                continue;
            int yLast = y - kRow * r.nLastRow;
            Text(dx + kSeries, yLast, Num("%3d", r.nSeries), true, true, High(r.nSeries, m_sw.nSeriesRed, kBlack));
            if (m_sw.bIndividualHcp)
                Text(dx + kSeriesHcp, yLast, Num("%3d", r.nSeries + r.nHandicaps), false, true, kBlack);
        }
        y -= kRow * (1 + std::max(rows[0][p].nLastRow, rows[1][p].nLastRow));
        FullLine(y);
    }
}

void CCardPainter::TeamTotals(int& y)
{
    if (m_nPos > 1) {
        for (int s = 0; s < 2; ++s) {
            if (!m_f.m_bPlayed[s])
                continue;
            int dx = s * kSideWidth, nSum = 0;
            for (int g = 0; g < m_nGames; ++g) {
                int n = m_f.GetGameScore(s, g, FALSE);
                nSum += n;
                Text(dx + kGame[g], y, Num("%d", n), true, true, kBlack);
            }
            Text(dx + kTeamSeries, y, Num("%d", nSum), true, true, kBlack);
        }
    }
    if (m_nPos > 1 || !m_pDoc->m_bHandicapLeague) {
        y -= kRow;
        HalfLines(y);
        y -= kGap;
    }
}

void CCardPainter::HandicapRows(int& y)
{
    for (int s = 0; s < 2; ++s) {
        if (!m_f.m_bPlayed[s])
            continue;
        int dx = s * kSideWidth, nSum = 0;
        for (int g = 0; g < m_nGames; ++g) {
            int n = m_f.GetGameHandicap(s, g);
            nSum += n;
            Text(dx + kGameHcp[g] - kTeamHcpShift, y, Num("%d", n), false, true, kBlack);
        }
        Text(dx + kSeriesHcp - kTeamHcpShift, y, Num("%d", nSum), false, true, kBlack);
    }
    y -= kRow;
    HalfLines(y);
    y -= kGap;
    for (int s = 0; s < 2; ++s) {
        if (!m_f.m_bPlayed[s])
            continue;
        int dx = s * kSideWidth, nSum = 0;
        for (int g = 0; g < m_nGames; ++g) {
            int n = m_f.GetGameScore(s, g, TRUE);
            nSum += n;
            Text(dx + kGameHcp[g], y, Num("%d", n), true, true, kBlack);
        }
        Text(dx + kSeriesHcp, y, Num("%d", nSum), true, true, kBlack);
    }
    y -= kRow;
    HalfLines(y);
    y -= kGap;
}

void CCardPainter::PointsRows(int& y)
{
    const bool bBothEntered = m_f.m_bPlayed[0] && m_f.m_bPlayed[1];
    char text[POINTS_TEXT_SIZE];
    auto points = [&](bool bHcp, long n) {
        if (bHcp)
            FormatHandicapPoints(m_pDoc, n, text);
        else
            FormatScratchPoints(m_pDoc, n, text);
        return CString(text);
    };
    if (m_sw.bHandicapShown) {
        m_pDoc->m_bHandicapPass = PASS_HANDICAP;
        Text(kLabels, y, "Handicap", true, false, kBlack);
        if (bBothEntered)
            for (int s = 0; s < 2; ++s) {
                int dx = s * kSideWidth;
                Text(dx + kHandicap, y, points(true, m_f.m_nHandicapMatchPoints[s] + m_f.m_nHandicapPyramidPoints[s]),
                     true, true, kBlack);
                for (int g = 0; g < m_nGames; ++g)
                    Text(dx + kGameHcp[g], y, points(true, m_f.m_nHandicapTotals[s][g]), true, true, kBlack);
                Text(dx + kSeriesHcp, y, points(true, m_f.m_nHandicapTotals[s][MAX_GAMES]), true, true, kBlack);
            }
        y -= kRow;
    }
    if (!(m_sw.bHandicapShown && !m_sw.bBothSystems && !m_pDoc->m_bPositionBothWays)) {
        m_pDoc->m_bHandicapPass = PASS_SCRATCH;
        Text(kLabels, y, "Scratch", true, false, kBlack);
        if (bBothEntered)
            for (int s = 0; s < 2; ++s) {
                int dx = s * kSideWidth;
                Text(dx + kHandicap, y, points(false, m_f.m_nScratchMatchPoints[s] + m_f.m_nScratchPyramidPoints[s]),
                     true, true, kBlack);
                for (int g = 0; g < m_nGames; ++g)
                    Text(dx + kGameHcp[g], y, points(false, ScratchColumnPoints(m_f, s, g)), true, true, kBlack);
                Text(dx + kSeriesHcp, y, points(false, ScratchColumnPoints(m_f, s, MAX_GAMES)), true, true, kBlack);
            }
        y -= kRow;
    }
    if (!m_pDoc->m_listBonusPts.IsEmpty()) {
        int yb = m_yBottom + kRow * (m_nPacerRows + 1) + kBonusLift;
        Text(kLabels, yb, "Bonus Points.", true, false, kBlack);
        for (int s = 0; s < 2; ++s) {
            int dx = s * kSideWidth;
            for (int g = 0; g < m_nGames; ++g)
                Text(dx + kGameHcp[g], yb, points(false, BonusColumnPoints(m_f, s, g)), true, true, kBlack);
            Text(dx + kSeriesHcp, yb, points(false, BonusColumnPoints(m_f, s, MAX_GAMES)), true, true, kBlack);
        }
    }
}

void CCardPainter::Grid()
{
    for (int x : kGrid)
        VLine(x, m_y0 - kHeadingRow, m_yBottom);
    DrawLineOrBox(m_pDC, m_x0, m_y0, kCardWidth, m_y0 - m_yBottom);
}

void CCardPainter::Pacers()
{
    const int yTop = m_yBottom + kRow * m_nPacerRows;
    for (int s = 0; s < 2; ++s) {
        int dx = s * kSideWidth, nRow = 0;
        for (int p = 0; p < m_nPos; ++p) {
            for (const CPacerRow& r : WorkPacers(m_f, s, p, m_nGames)) {
                int y = yTop - kRow * nRow++;
                Name(dx + kPacerName, y, PlayerName(r.pPacer), kBlue);
                if (m_sw.bIndividualHcp)
                    Text(dx + kHandicap, y, Num("%d", r.game[r.nFirstGame].nHandicap), false, true, kBlue);
                for (int g = 0; g < m_nGames; ++g) {
                    if (!r.game[g].bPacer)
                        continue;
                    int nScore = r.game[g].nScore;
                    Text(dx + kGame[g], y, Num("%3d ", nScore), true, true, High(nScore, m_sw.nRed, kBlue));
                    if (m_sw.bIndividualHcp)
                        Text(dx + kGameHcp[g], y, Num("%d", nScore + r.game[g].nHandicap), false, true, kBlue);
                }
                Text(dx + kSeries, y, Num("%3d", r.nSeries), true, true, High(r.nSeries, m_sw.nSeriesRed, kBlue));
                if (m_sw.bIndividualHcp)
                    Text(dx + kSeriesHcp, y, Num("%3d", r.nSeries + r.nHandicaps), false, true, kBlue);
            }
        }
    }
    DrawLineOrBox(m_pDC, m_x0, m_y0, kCardWidth, m_y0 - (m_yBottom + kRow * m_nPacerRows));
}

// The results display asks the report items for its cards through this.
CObject* MakeResultCard(CBowlingDoc* pDoc, CFixture* pFixture)
{
    auto* pCard = new CRepItem_Result;
    pCard->m_pDoc = pDoc;
    pCard->m_pFixture = pFixture;
    pCard->m_bTemporary = TEMP_SHOWING;
    return pCard;
}

[[maybe_unused]] const bool s_bCardMaker = (g_pfnMakeResultCard = MakeResultCard, true);

} // namespace

CRepItem_Result::CRepItem_Result() : m_pFixture(nullptr)
{
    m_nType = RIT_RESULT;
}

CRepItem_Result::Switches CRepItem_Result::GetSwitches() const
{
    Switches sw{};
    const CBowlingDoc* pDoc = m_pDoc;
    const CFixture* f = m_pFixture;
    sw.bHandicapShown = pDoc->m_bHandicapLeague &&
                        !(f->m_bPositionRound && f->m_bPositionRoundScratch && !pDoc->m_bPositionBothWays);
    sw.bBothSystems = pDoc->HasBothScoringSystems() && !f->m_bPositionRound;
    sw.bIndividualHcp = sw.bHandicapShown && !pDoc->m_bTeamHandicaps;
    sw.nRed = pDoc->m_bFivePinRules ? 249 : 199;
    sw.nSeriesRed = GamesOf(*f) * (sw.nRed + 1) - 1;
    return sw;
}

int CRepItem_Result::CountPacerRows()
{
    int n[2] = {};
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < PositionsOf(*m_pFixture); ++p)
            n[s] += m_pFixture->CountSubstitutions(s, p);
    return std::max(n[0], n[1]);
}

int CRepItem_Result::GetEstimatedHeight()
{
    CFixture& f = *m_pFixture;
    const Switches sw = GetSwitches();
    const int nPos = PositionsOf(f);
    int nHeadings = nPos + 4;
    if (sw.bHandicapShown)
        nHeadings = nPos == 1 ? nPos + 5 : nPos + 6;
    if (!m_pDoc->m_listBonusPts.IsEmpty())
        ++nHeadings;
    int nRows = m_pDoc->HasBothScoringSystems() && (!f.m_bPositionRound || m_pDoc->m_bPositionBothWays) ? 1 : 0;
    for (int p = 0; p < nPos; ++p) {
        nRows += std::max(f.CountBowlersAtPositionSideA(p), f.CountBowlersAtPositionSideB(p));
        nRows += std::max(f.CountSubstitutionsSideA(p), f.CountSubstitutionsSideB(p));
    }
    return -(kRow * nRows + kHeadingRow * nHeadings);
}

int CRepItem_Result::GetDrawnHeight()
{
    CFixture& f = *m_pFixture;
    const Switches sw = GetSwitches();
    const int nPos = PositionsOf(f);
    int n = kHeadingRow;
    if (f.m_bPlayed[0] || f.m_bPlayed[1]) {
        for (int p = 0; p < nPos; ++p)
            n += kGap + kRow * (1 + std::max(f.CountBowlersAtPositionSideA(p), f.CountBowlersAtPositionSideB(p)));
        n += kGap;
        if (nPos > 1 || !m_pDoc->m_bHandicapLeague)
            n += kRow + kGap;
        if (sw.bHandicapShown)
            n += 2 * (kRow + kGap) + kRow;
        if (!(sw.bHandicapShown && !sw.bBothSystems && !m_pDoc->m_bPositionBothWays))
            n += kRow;
    }
    // The bottom block: the bonus row's text stands just below the last points row.
    if (!m_pDoc->m_listBonusPts.IsEmpty())
        n += kRow + kBonusLift;
    n += kRow * CountPacerRows();
    return -(n + kRow);
}

int CRepItem_Result::GetHeight(CDC* /*pDC*/)
{
    if (!m_pDoc || !m_pFixture)
        return 0;
    // The reserved height, unless the rows drawn need more: the bottom block never rides up
    // over the points rows.
    return std::min(GetEstimatedHeight(), GetDrawnHeight());
}

void CRepItem_Result::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc || !m_pFixture)
        return;
    CItemDrawState state(pDC);
    pDC->SetTextColor(kBlack);
    CCardPainter(*this, pDC).Draw();
}

// --- HTML -------------------------------------------------------------------------------------

namespace {

constexpr int kFontHeader = 35;
constexpr int kFontTeamNames = 36;
constexpr int kFontHiScores = 37;
constexpr int kFontDetail = 38;
constexpr int kFontTotals = 39;

constexpr const char* kEmpty = "<TD></TD>";

class CCardHtml
{
public:
    CCardHtml(CRepItem_Result& card, CStdioFile& file)
        : m_card(card), m_file(file), m_f(*card.m_pFixture), m_pDoc(card.m_pDoc), m_sw(card.GetSwitches()),
          m_nGames(GamesOf(m_f)), m_nPos(PositionsOf(m_f))
    {
    }
    void Write();

private:
    const CFontData* Font(int n) { return m_pDoc->GetDefaultFont(n); }
    void Left(int nFont, const CString& s) { CRepItem::HtmlCellLeft(&m_file, Font(nFont), s); }
    void Right(int nFont, const CString& s) { CRepItem::HtmlCellRight(&m_file, Font(nFont), s); }
    void Empty(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            m_file.WriteString(kEmpty);
    }
    void HeadingSide(int s);
    void Grid();
    void ScratchTotals();
    void HandicapRows();
    void PointsRows();
    CString Points(bool bHcp, long n)
    {
        char text[POINTS_TEXT_SIZE];
        if (bHcp)
            FormatHandicapPoints(m_pDoc, n, text);
        else
            FormatScratchPoints(m_pDoc, n, text);
        return text;
    }

    CRepItem_Result& m_card;
    CStdioFile& m_file;
    CFixture& m_f;
    CBowlingDoc* m_pDoc;
    CRepItem_Result::Switches m_sw;
    int m_nGames, m_nPos;
    bool m_bMarked = false;
};

void CCardHtml::HeadingSide(int s)
{
    CTeam* pTeam = m_f.GetSideTeam(s);
    CString name = pTeam ? pTeam->m_strName : CString();
    if (pTeam && pTeam->IsFoldedBefore(m_f.m_nRound))
        name += " [Out]";
    Left(kFontTeamNames, name);
    if (!m_f.m_bPlayed[s]) {
        Empty(6);
        return;
    }
    Left(kFontHeader, Num("Rnd %d", m_f.m_nRound));
    Empty(3);
    const CTime& t = m_f.m_timePlayed[s];
    if (m_nPos > 1) {
        Right(kFontHeader, t.Format("%d") + " ");
        Left(kFontHeader, t.Format("%b"));
    } else {
        Right(kFontHeader, t.Format("%d %b") + " ");
        Empty();
    }
}

void CCardHtml::Grid()
{
    struct Row
    {
        CString cell[2][7];
    };
    std::vector<Row> rows;
    // The series of a row, where the side's series stands.
    auto series = [&](Row& row, int s, int nSeries, int nHandicaps) {
        if (m_nPos > 1) {
            row.cell[s][5] = Num("%3d", nSeries);
            if (m_sw.bIndividualHcp)
                row.cell[s][6] = Num("[%3d]", nSeries + nHandicaps);
        } else {
            row.cell[s][6] = Num("%3d", nSeries);
        }
    };
    for (int p = 0; p < m_nPos; ++p) {
        // With no pacer block, each pacer's games stand in a row of his own under the bowlers'.
        CPositionRows pos[2];
        std::vector<CPacerRow> pacers[2];
        size_t nRows = 0;
        for (int s = 0; s < 2; ++s) {
            pos[s] = WorkPosition(m_f, s, p, m_nGames);
            pacers[s] = WorkPacers(m_f, s, p, m_nGames);
            nRows = std::max(nRows, 1 + pos[s].nLastRow + pacers[s].size());
        }
        const size_t base = rows.size();
        rows.resize(base + nRows);
        for (int s = 0; s < 2; ++s) {
            if (!m_f.m_bPlayed[s])
                continue;
            const CPositionRows& r = pos[s];
            for (int i = 0; i <= r.nLastRow; ++i) {
                CString& name = rows[base + i].cell[s][0];
                name = PlayerName(r.pBowler[i]);
                if (m_sw.bIndividualHcp && r.nHandicapGame[i] >= 0)
                    name += Num(" (%d)", r.cell[r.nHandicapGame[i]].nHandicap);
            }
            for (int g = 0; g < m_nGames; ++g) {
                if (r.nRow[g] < 0)
                    continue;
                const bool bMarked = r.cell[g].IsMarked();
                m_bMarked = m_bMarked || bMarked;
                rows[base + r.nRow[g]].cell[s][1 + g].Format("%c%3d", bMarked ? '*' : ' ', r.cell[g].nScore);
            }
            if (r.bShown)
                series(rows[base + r.nLastRow], s, r.nSeries, r.nHandicaps);
            size_t i = base + r.nLastRow + 1;
            for (const CPacerRow& pacer : pacers[s]) {
                Row& row = rows[i++];
                row.cell[s][0] = "Pacer: " + PlayerName(pacer.pPacer);
                if (m_sw.bIndividualHcp)
                    row.cell[s][0] += Num(" (%d)", pacer.game[pacer.nFirstGame].nHandicap);
                for (int g = 0; g < m_nGames; ++g)
                    if (pacer.game[g].bPacer)
                        row.cell[s][1 + g] = Num(" %3d", pacer.game[g].nScore);
                series(row, s, pacer.nSeries, pacer.nHandicaps);
            }
        }
    }
    for (const Row& row : rows) {
        m_file.WriteString("\n\n<TR>");
        for (int s = 0; s < 2; ++s) {
            if (s == 1)
                Empty();
            for (int c = 0; c < 7; ++c) {
                const CString& text = row.cell[s][c];
                if (text.IsEmpty()) {
                    Empty();
                    continue;
                }
                if (c == 0) {
                    Left(kFontDetail, text);
                    continue;
                }
                // A marked game reads as 0, so it never counts as a high score.
                const int n = text[0] == '*' ? 0 : std::atoi(text);
                const bool bHigh = (c <= 4 && n > m_sw.nRed) || (c == 5 && n > m_sw.nSeriesRed);
                Right(bHigh ? kFontHiScores : kFontDetail, text);
            }
        }
        m_file.WriteString("</TR>");
    }
}

void CCardHtml::ScratchTotals()
{
    if (m_nPos <= 1)
        return;
    m_file.WriteString("<TR>\n");
    for (int s = 0; s < 2; ++s) {
        if (s == 0) {
            Left(kFontTotals, "Scratch totals");
        } else {
            m_file.WriteString("\n<TD></TD>\n");
            if (m_bMarked)
                Left(kFontDetail, "* = Non Qualifying.");
            else
                m_file.WriteString("\n<TD></TD>\n");
        }
        if (!m_f.m_bPlayed[s]) {
            Empty(6);
            continue;
        }
        int nSum = 0;
        for (int g = 0; g < MAX_GAMES; ++g) {
            if (g < m_nGames) {
                const int n = m_f.GetGameScore(s, g, FALSE);
                Right(kFontTotals, Num("%d", n));
                nSum += n;
            } else {
                Empty();
            }
        }
        Right(kFontTotals, Num("%d", nSum));
        Empty();
    }
    m_file.WriteString("</TR>\n");
}

void CCardHtml::HandicapRows()
{
    // Per game, then the series: one right cell and an empty one for a singles match, the
    // other way round otherwise.
    auto sixCells = [&](int s, bool bTotals, bool bSeriesLeft) {
        int nSum = 0;
        for (int g = 0; g < MAX_GAMES; ++g) {
            if (g >= m_nGames) {
                Empty();
                continue;
            }
            int n = bTotals ? m_f.GetGameScore(s, g, TRUE) : m_f.GetGameHandicap(s, g);
            nSum += n;
            Right(kFontDetail, Num("%d", n));
        }
        if (m_nPos == 1) {
            Right(kFontDetail, Num("%d", nSum));
            Empty();
        } else {
            Empty();
            if (bSeriesLeft)
                Left(kFontDetail, Num("%d", nSum));
            else
                Right(kFontDetail, Num("%d", nSum));
        }
    };
    for (int nRow = 0; nRow < 2; ++nRow) {
        const bool bTotals = nRow == 1;
        m_file.WriteString("<TR>\n");
        for (int s = 0; s < 2; ++s) {
            if (s == 1)
                m_file.WriteString("\n<TD></TD>\n");
            if (!m_f.m_bPlayed[s]) {
                // The handicap row keeps its label on side A; everything else is empty.
                if (s == 0 && !bTotals) {
                    Left(kFontDetail, "Handicap");
                    Empty(6);
                } else {
                    Empty(7);
                }
                continue;
            }
            if (s == 0)
                Left(kFontDetail, bTotals ? "Totals" : "Handicap");
            else
                Empty();
            sixCells(s, bTotals, !bTotals);
        }
        m_file.WriteString("</TR>\n");
    }
}

void CCardHtml::PointsRows()
{
    const bool bBothEntered = m_f.m_bPlayed[0] && m_f.m_bPlayed[1];
    if (m_sw.bHandicapShown && bBothEntered) {
        m_pDoc->m_bHandicapPass = PASS_HANDICAP;
        m_file.WriteString("<TR>\n");
        for (int s = 0; s < 2; ++s) {
            if (s == 1)
                m_file.WriteString("\n<TD></TD>\n");
            Left(kFontDetail, "Points (Hcp) " + Points(true, m_f.m_nHandicapMatchPoints[s]));
            for (int g = 0; g < MAX_GAMES; ++g) {
                if (g < m_nGames)
                    Right(kFontDetail, Points(true, m_f.m_nHandicapTotals[s][g]));
                else
                    Empty();
            }
            CString series = m_nGames > 1 ? Points(true, m_f.m_nHandicapTotals[s][MAX_GAMES]) : CString();
            auto seriesCell = [&] {
                if (series.IsEmpty())
                    Empty();
                else
                    Right(kFontDetail, series);
            };
            if (m_nPos == 1) {
                seriesCell();
                Empty();
            } else {
                Empty();
                seriesCell();
            }
        }
        m_file.WriteString("</TR>");
    }
    if (m_sw.bBothSystems || m_pDoc->m_bPositionBothWays || (!m_sw.bHandicapShown && bBothEntered)) {
        m_pDoc->m_bHandicapPass = PASS_SCRATCH;
        m_file.WriteString("<TR>\n");
        for (int s = 0; s < 2; ++s) {
            if (s == 1)
                m_file.WriteString("\n<TD></TD>\n");
            Left(kFontDetail, "Points (Scr) " + Points(false, m_f.m_nScratchMatchPoints[s]));
            for (int g = 0; g < MAX_GAMES; ++g) {
                if (g < m_nGames)
                    Right(kFontDetail, Points(false, ScratchColumnPoints(m_f, s, g)));
                else
                    Empty();
            }
            if (m_nGames > 1)
                Right(kFontDetail, Points(false, ScratchColumnPoints(m_f, s, MAX_GAMES)));
            else
                Empty();
            Empty();
        }
        m_file.WriteString("</TR>");
    }
}

void CCardHtml::Write()
{
    m_file.WriteString("<TR>");
    HeadingSide(0);
    m_file.WriteString("\n<TD></TD>\n");
    HeadingSide(1);
    m_file.WriteString("</TR>\n");
    if (!m_f.m_bPlayed[0] && !m_f.m_bPlayed[1])
        return;
    Grid();
    ScratchTotals();
    if (m_sw.bHandicapShown)
        HandicapRows();
    PointsRows();
    for (int i = 0; i < 2; ++i) {
        m_file.WriteString("\n<TR>\n");
        Empty(15);
        m_file.WriteString("\n</TR>\n");
    }
}

} // namespace

void CRepItem_Result::WriteHtml(CStdioFile& file)
{
    if (!m_pDoc || !m_pFixture)
        return;
    CCardHtml(*this, file).Write();
}
