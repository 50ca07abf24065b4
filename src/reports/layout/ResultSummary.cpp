#include "reports/layout/ResultSummary.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/PointsText.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/ResultSummaryDlg.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CRepItem_ResultSummary, CRepItem, 1)

namespace {

// Default-font entries of the result summary.
constexpr int kFontTitle = 28;
constexpr int kFontDetail = 29;
constexpr int kFontWinners = 30;
constexpr int kFontLosers = 31;

// The option byte's meaning changed with this league-file version; fonts came with 39.
constexpr int kNewOptionsVersion = 66;
constexpr int kFontsVersion = 39;

// Original Format columns (absolute x).
constexpr int kOrigTeamA = 720;
constexpr int kOrigPtsA = 5472;
constexpr int kOrigTotA = 4752;
constexpr int kOrigPtsB = 6624;
constexpr int kOrigTotB = 9072;
constexpr int kOrigTeamB = 10800;
// Points + High Series columns.
constexpr int kHiTeamA = 720;
constexpr int kHiTotA = 3600;
constexpr int kHiPtsA = 4032;
constexpr int kHiTeamB = 4464;
constexpr int kHiTotB = 7344;
constexpr int kHiPtsB = 7776;
constexpr int kHiBowler = 10080;
constexpr int kHiSeries = 10368;

// Name widths: a line without a result, and a line of a match that scores the other system
// only (the Original Format's figures lines use the latter too).
constexpr int kNoResultWidthA = 1872;
constexpr int kNoResultWidthB = 1728;
constexpr int kOtherWidthA = 2052;
constexpr int kOtherWidthB = 1548;

int GamesOf(const CBowlingDoc* pDoc)
{
    return std::clamp<int>(pDoc->m_nGamesPerMatch, 0, MAX_GAMES);
}

// Side A's game columns, then side B's; G2 and G3 close up when four games are bowled.
int GameColumn(int nSide, int nGame, int nGames)
{
    static const int kThree[2][MAX_GAMES] = {{3024, 3528, 4032, 4320}, {7344, 7848, 8352, 8640}};
    static const int kFour[2][MAX_GAMES] = {{3024, 3456, 3888, 4320}, {7344, 7776, 8208, 8640}};
    return nGames > 3 ? kFour[nSide][nGame] : kThree[nSide][nGame];
}

bool HasDefaulted(const CFixture& f, int nSide, int nGames)
{
    for (int g = 0; g < nGames; ++g)
        if (f.m_nDefaulted[nSide] & DefaultedBit(g))
            return true;
    return false;
}

CString GameText(const CFixture& f, int nSide, int nGame, BOOL bHcp)
{
    CString s;
    s.Format("%d", f.GetGameScore(nSide, nGame, bHcp));
    if (f.m_nDefaulted[nSide] & DefaultedBit(nGame))
        s += "*";
    return s;
}

CString SeriesText(const CFixture& f, int nSide, BOOL bHcp, int nGames)
{
    CString s;
    s.Format("%d", f.GetSeriesScore(nSide, bHcp));
    if (HasDefaulted(f, nSide, nGames))
        s += "*";
    return s;
}

CString PointsText(const CBowlingDoc* pDoc, int nPoints)
{
    char text[POINTS_TEXT_SIZE];
    FormatPoints(pDoc, nPoints, text);
    return text;
}

// How a match line shows, by the first case that applies.
enum class LineCase { NoResult, HcpNotScored, ScrNotScored, Figures };

LineCase ClassifyMatch(const CRepItem_ResultSummary& item, const CFixture& f)
{
    if (!f.m_bPlayed[0] && !f.m_bPlayed[1])
        return LineCase::NoResult;
    const bool bOneSystem = f.m_bOneSystem && !item.m_pDoc->m_bOneSystemOverride;
    if (item.m_bHcpPoints && bOneSystem && f.m_bOneSystemScratch)
        return LineCase::HcpNotScored;
    if (!item.m_bHcpPoints && bOneSystem && !f.m_bOneSystemScratch)
        return LineCase::ScrNotScored;
    return LineCase::Figures;
}

CString TeamName(const CFixture& f, int nSide, bool bUnknown)
{
    if (CTeam* pTeam = f.GetSideTeam(nSide))
        return pTeam->m_strName;
    return bUnknown ? CString("Unknown") : CString();
}

std::vector<CFixture*> MatchesOf(const CBowlingDoc* pDoc, int nRound)
{
    std::vector<CFixture*> list;
    for (POSITION pos = pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound == nRound && !f->IsBye())
            list.push_back(f);
    }
    return list;
}

// The drawing of both formats.
class CSummaryPainter
{
public:
    CSummaryPainter(CRepItem_ResultSummary& item, CDC* pDC) : m_item(item), m_pDC(pDC), m_pDoc(item.m_pDoc) {}
    void Draw(bool bHiSeries);

private:
    enum { TITLE, DETAIL, WIN, LOSE };
    void Use(int nFont)
    {
        if (m_bMade[nFont])
            m_pDC->SelectObject(&m_fonts[nFont]);
        m_pDC->SetTextColor(Data(nFont).m_crColour);
    }
    const CFontData& Data(int nFont) const
    {
        const CFontData* p[] = {&m_item.m_fontTitle, &m_item.m_fontDetail, &m_item.m_fontWin, &m_item.m_fontLose};
        return *p[nFont];
    }
    void Left(int x, int y, const CString& s, int nMax = 0)
    {
        CPoint pt(x, y);
        DrawTextClipped(m_pDC, &pt, s, nMax);
    }
    // Only names are given a width; one too long loses its end, as on the left side, rather
    // than its beginning.
    void Right(int x, int y, const CString& s, int nMax = 0)
    {
        CString text = s;
        while (nMax != 0 && !text.IsEmpty() && m_pDC->GetTextExtent(text).cx > nMax)
            text = text.Left(text.GetLength() - 1);
        CPoint pt(x, y);
        DrawTextRightAligned(m_pDC, &pt, text, 0);
    }
    void Centred(int y, const CString& s) { Left(PAGE_CENTRE - m_pDC->GetTextExtent(s).cx / 2, y, s); }
    // A team name of a figures line, with the rectangle the right-click menu finds it by.
    void Name(const CFixture& f, int nSide, int x, int y, bool bRight, int nMax)
    {
        CString name = TeamName(f, nSide, false);
        const int cx = m_pDC->GetTextExtent(name).cx;
        if (bRight)
            Right(x, y, name, nMax);
        else
            Left(x, y, name, nMax);
        if (CTeam* pTeam = f.GetSideTeam(nSide)) {
            const int left = bRight ? x - cx : x;
            pTeam->AddHitRect(CRect(left, y, left + cx, y + m_nRowStep));
        }
    }
    void Headings(int y, bool bHiSeries);
    void PlaceFigures(const std::vector<CFixture*>& matches);
    void OriginalLine(const CFixture& f, int y);
    void HiSeriesLine(const CFixture& f, int y);

    CRepItem_ResultSummary& m_item;
    CDC* m_pDC;
    CBowlingDoc* m_pDoc;
    CFont m_fonts[4];
    bool m_bMade[4] = {};
    int m_nRowStep = 0;
    // The Original Format's figure columns (right edges) and the room left for the names.
    int m_nGameX[2][MAX_GAMES] = {};
    int m_nTotX[2] = {kOrigTotA, kOrigTotB};
    int m_nNameWidth[2] = {kOtherWidthA, kOtherWidthB};
};

// The figures stand in their usual columns as long as each clears the figure before it on its
// line: one as wide as the room to that figure's end would touch it. Only then (four-figure team
// games of five bowlers, in most fonts) do the columns spread out from the points in the middle.
// A long name of side A stops short of the widest first game either way.
void CSummaryPainter::PlaceFigures(const std::vector<CFixture*>& matches)
{
    const int nGames = GamesOf(m_pDoc);
    for (int s = 0; s < 2; ++s)
        for (int g = 0; g < nGames; ++g)
            m_nGameX[s][g] = GameColumn(s, g, nGames);
    if (nGames == 0)
        return;
    Use(DETAIL);
    const BOOL bHcp = m_item.m_bHcpPoints ? TRUE : FALSE;
    int nGameWidth[MAX_GAMES] = {}, nSeriesWidth = 0;
    for (const CFixture* f : matches) {
        if (ClassifyMatch(m_item, *f) != LineCase::Figures)
            continue;
        for (int s = 0; s < 2; ++s) {
            if (!f->m_bPlayed[s])
                continue;
            for (int g = 0; g < nGames; ++g)
                nGameWidth[g] = std::max(nGameWidth[g], static_cast<int>(m_pDC->GetTextExtent(GameText(*f, s, g, bHcp)).cx));
            nSeriesWidth = std::max(nSeriesWidth, static_cast<int>(m_pDC->GetTextExtent(SeriesText(*f, s, bHcp, nGames)).cx));
        }
    }
    constexpr int kGap = 72;
    // Both sides have the same steps; side B's first game follows its points.
    const int nTotStepUsual = kOrigTotA - m_nGameX[0][nGames - 1];
    bool bFits = nSeriesWidth < nTotStepUsual && nGameWidth[0] < m_nGameX[1][0] - kOrigPtsB;
    int nStep = nTotStepUsual;
    for (int g = 1; g < nGames; ++g) {
        const int nRoom = m_nGameX[0][g] - m_nGameX[0][g - 1];
        bFits = bFits && nGameWidth[g] < nRoom;
        nStep = std::min(nStep, nRoom);
    }
    if (!bFits) {
        const int nWidestGame = *std::max_element(nGameWidth, nGameWidth + nGames);
        const int nGameStep = std::max(nStep, nWidestGame + kGap);
        const int nTotStep = std::max(nTotStepUsual, nSeriesWidth + kGap);
        // Side A closes on its total, side B opens from its first game.
        m_nGameX[0][nGames - 1] = kOrigTotA - nTotStep;
        for (int g = nGames - 2; g >= 0; --g)
            m_nGameX[0][g] = m_nGameX[0][g + 1] - nGameStep;
        for (int g = 1; g < nGames; ++g)
            m_nGameX[1][g] = m_nGameX[1][g - 1] + nGameStep;
        m_nTotX[1] = m_nGameX[1][nGames - 1] + nTotStep;
        m_nNameWidth[1] = std::clamp(kOrigTeamB - m_nTotX[1] - kGap, 1, kOtherWidthB);
    }
    m_nNameWidth[0] = std::clamp(m_nGameX[0][0] - nGameWidth[0] - kGap - kOrigTeamA, 1, kOtherWidthA);
}

void CSummaryPainter::Draw(bool bHiSeries)
{
    static const char* const kFailures[] = {
        "System Error - Failed to create Hddr font in ri_ressu", "System Error - Failed to create Dets font in ri_ressu",
        "System Error - Failed to create Win font in ri_ressu", "System Error - Failed to create Lose font in ri_ressu"};
    for (int i = 0; i < 4; ++i)
        m_bMade[i] = CreateItemFont(m_fonts[i], Data(i), kFailures[i]) != FALSE;
    CItemDrawState state(m_pDC);
    m_item.GetHeight(m_pDC);   // the line heights
    const int nTitleStep = m_item.m_fontTitle.GetLineHeight(10);
    m_nRowStep = std::min({m_item.m_fontDetail.GetLineHeight(0), m_item.m_fontWin.GetLineHeight(0),
                           m_item.m_fontLose.GetLineHeight(0)});

    // A league without scratch scoring has only handicap summaries, and so does a summary
    // of handicap pyramid points.
    if (!m_pDoc->m_bScratchLeague || m_item.m_bHcpPyramid)
        m_item.m_bHcpPoints = 1;

    int y = m_item.m_y;
    Use(TITLE);
    Centred(y, m_item.GetHeadingText());
    y += nTitleStep;
    const std::vector<CFixture*> matches = MatchesOf(m_pDoc, m_item.m_nRound);
    if (!bHiSeries) {
        PlaceFigures(matches);
        Use(TITLE);
    }
    Headings(y, bHiSeries);
    y += nTitleStep;
    for (CFixture* f : matches) {
        if (bHiSeries)
            HiSeriesLine(*f, y);
        else
            OriginalLine(*f, y);
        y += m_nRowStep;
    }
    Use(TITLE);
    CString s;
    s.Format("League Average Game %6.2f", m_pDoc->GetLeagueAverage());
    Left(PAGE_LEFT, y, s);
    s.Format("Round %d Average Game %6.2f", m_item.m_nRound, m_pDoc->GetRoundAverage(m_item.m_nRound));
    Right(PAGE_RIGHT, y, s);
}

void CSummaryPainter::Headings(int y, bool bHiSeries)
{
    if (bHiSeries) {
        Left(kHiTeamA, y, "Team");
        Right(kHiTotA, y, "Total");
        Right(kHiPtsA, y, "Pts");
        Left(kHiTeamB, y, "Team");
        Right(kHiTotB, y, "Total");
        Right(kHiPtsB, y, "Pts");
        Right(kHiBowler, y, "Match High Series");
        Left(kHiSeries, y, m_item.m_bHcpPoints ? "Hcp" : "Scr");
        return;
    }
    const int nGames = GamesOf(m_pDoc);
    static const char* const kGameHeads[] = {"G1", "G2", "G3", "G4"};
    Left(kOrigTeamA, y, "Team");
    for (int g = 0; g < nGames; ++g)
        Right(m_nGameX[0][g], y, kGameHeads[g]);
    Right(m_nTotX[0], y, "Tot");
    Right(kOrigPtsA, y, "Pts");
    Right(kOrigPtsB, y, "Pts");
    for (int g = 0; g < nGames; ++g)
        Right(m_nGameX[1][g], y, kGameHeads[g]);
    Right(m_nTotX[1], y, "Tot");
    Right(kOrigTeamB, y, "Team");
}

void CSummaryPainter::OriginalLine(const CFixture& f, int y)
{
    const LineCase c = ClassifyMatch(m_item, f);
    if (c != LineCase::Figures) {
        Use(DETAIL);
        const bool bNone = c == LineCase::NoResult;
        Left(kOrigTeamA, y, TeamName(f, 0, bNone), bNone ? kNoResultWidthA : kOtherWidthA);
        Right(kOrigTeamB, y, TeamName(f, 1, bNone), bNone ? kNoResultWidthB : kOtherWidthB);
        Centred(y, bNone ? "No Result yet." : (c == LineCase::HcpNotScored ? "Hcp N/A" : "N/A"));
        return;
    }
    const int nA = m_item.GetPointsSum(f, 0), nB = m_item.GetPointsSum(f, 1);
    Use(nB > nA ? LOSE : WIN);
    Name(f, 0, kOrigTeamA, y, false, m_nNameWidth[0]);
    Use(nA > nB ? LOSE : WIN);
    Name(f, 1, kOrigTeamB, y, true, m_nNameWidth[1]);
    Use(DETAIL);
    const int nGames = GamesOf(m_pDoc);
    const BOOL bHcp = m_item.m_bHcpPoints ? TRUE : FALSE;
    for (int s = 0; s < 2; ++s) {
        if (!f.m_bPlayed[s])
            continue;
        for (int g = 0; g < nGames; ++g)
            Right(m_nGameX[s][g], y, GameText(f, s, g, bHcp));
        Right(m_nTotX[s], y, SeriesText(f, s, bHcp, nGames));
        Right(s == 0 ? kOrigPtsA : kOrigPtsB, y, PointsText(m_pDoc, s == 0 ? nA : nB));
    }
}

void CSummaryPainter::HiSeriesLine(const CFixture& f, int y)
{
    const LineCase c = ClassifyMatch(m_item, f);
    if (c != LineCase::Figures) {
        Use(DETAIL);
        const bool bNone = c == LineCase::NoResult;
        Left(kHiTeamA, y, TeamName(f, 0, bNone), bNone ? kNoResultWidthA : kOtherWidthA);
        Left(kHiTeamB, y, TeamName(f, 1, bNone), bNone ? kNoResultWidthB : kOtherWidthB);
        return;
    }
    const int nA = m_item.GetPointsSum(f, 0), nB = m_item.GetPointsSum(f, 1);
    const int nGames = GamesOf(m_pDoc);
    const BOOL bHcp = m_item.m_bHcpPoints ? TRUE : FALSE;
    // A long name stops short of its side's total.
    Use(DETAIL);
    int nRoom[2];
    for (int s = 0; s < 2; ++s) {
        const int nTotal = f.m_bPlayed[s] ? static_cast<int>(m_pDC->GetTextExtent(SeriesText(f, s, bHcp, nGames)).cx) : 0;
        nRoom[s] = std::max((s == 0 ? kHiTotA - kHiTeamA : kHiTotB - kHiTeamB) - nTotal - 72, 1);
    }
    Use(nB > nA ? LOSE : WIN);
    Name(f, 0, kHiTeamA, y, false, nRoom[0]);
    Use(nA > nB ? LOSE : WIN);
    Name(f, 1, kHiTeamB, y, false, nRoom[1]);
    Use(DETAIL);
    CString bowler[2];
    int nBest[2] = {};
    for (int s = 0; s < 2; ++s) {
        if (!f.m_bPlayed[s])
            continue;
        Right(s == 0 ? kHiTotA : kHiTotB, y, SeriesText(f, s, bHcp, nGames));
        Right(s == 0 ? kHiPtsA : kHiPtsB, y, PointsText(m_pDoc, s == 0 ? nA : nB));
        nBest[s] = m_item.GetBestSeries(f, s, bowler[s]);
    }
    if (nBest[0] == 0 && nBest[1] == 0)
        return;
    const int s = nBest[1] > nBest[0] ? 1 : 0;
    Right(kHiBowler, y, bowler[s]);
    CString series;
    series.Format("%d", nBest[s]);
    Left(kHiSeries, y, series);
}

// --- HTML -------------------------------------------------------------------------------------

constexpr const char* kEmptyCell = "<TD></TD>\n";

class CSummaryHtml
{
public:
    CSummaryHtml(CRepItem_ResultSummary& item, CStdioFile& file) : m_item(item), m_file(file), m_pDoc(item.m_pDoc) {}
    void Write(bool bHiSeries);

private:
    void Left(const CFontData& font, const CString& s) { CRepItem::HtmlCellLeft(&m_file, &font, s); }
    void Right(const CFontData& font, const CString& s) { CRepItem::HtmlCellRight(&m_file, &font, s); }
    void Empty(int n)
    {
        for (int i = 0; i < n; ++i)
            m_file.WriteString(kEmptyCell);
    }
    void OriginalRow(const CFixture& f);
    void HiSeriesRow(const CFixture& f);
    // The name cells of a figures row: the lose font for a side with fewer points.
    const CFontData& NameFont(int nMine, int nTheirs) const { return nMine < nTheirs ? m_item.m_fontLose : m_item.m_fontWin; }

    CRepItem_ResultSummary& m_item;
    CStdioFile& m_file;
    CBowlingDoc* m_pDoc;
};

void CSummaryHtml::Write(bool bHiSeries)
{
    CString title;
    title.Format("%s Results Summary for Round %d.", m_item.m_bHcpPoints ? "Hcp" : "Scr", m_item.m_nRound);
    CRepItem::HtmlDivCentre(&m_file, &m_item.m_fontTitle, title);
    // Written as it stands: both percent signs reach the page, as they always have.
    m_file.WriteString("<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=100%% ALIGN=center>\n");
    m_file.WriteString("<TR>\n");
    const CFontData& t = m_item.m_fontTitle;
    if (bHiSeries) {
        for (const char* psz : {"Team", "Tot", "Pts", "Team", "Tot", "Pts"})
            Left(t, psz);
        Right(t, "Match Hi Series");
        Right(t, m_item.m_bHcpPoints ? "Hcp" : "Scr");
    } else {
        static const char* const kGameHeads[] = {"G1", "G2", "G3", "G4"};
        for (int s = 0; s < 2; ++s) {
            Left(t, "Team");
            for (int g = 0; g < GamesOf(m_pDoc); ++g)
                Left(t, kGameHeads[g]);
            Left(t, "Tot");
            Left(t, "Pts");
        }
    }
    m_file.WriteString("</TR>");
    for (CFixture* f : MatchesOf(m_pDoc, m_item.m_nRound)) {
        m_file.WriteString("<TR>\n");
        if (bHiSeries)
            HiSeriesRow(*f);
        else
            OriginalRow(*f);
        m_file.WriteString("</TR>");
    }
    m_file.WriteString("</CENTER></TABLE>\n");
    // The averages the printed page ends with.
    CString s;
    s.Format("League Average Game %6.2f", m_pDoc->GetLeagueAverage());
    CRepItem::HtmlDivLeft(&m_file, &m_item.m_fontTitle, s);
    s.Format("Round %d Average Game %6.2f", m_item.m_nRound, m_pDoc->GetRoundAverage(m_item.m_nRound));
    CRepItem::HtmlDivRight(&m_file, &m_item.m_fontTitle, s);
}

void CSummaryHtml::OriginalRow(const CFixture& f)
{
    const int nGames = GamesOf(m_pDoc);
    const LineCase c = ClassifyMatch(m_item, f);
    if (c != LineCase::Figures) {
        const bool bNone = c == LineCase::NoResult;
        for (int s = 0; s < 2; ++s) {
            Left(m_item.m_fontDetail, TeamName(f, s, bNone));
            Empty(nGames + 2);
        }
        return;
    }
    const int nPts[2] = {m_item.GetPointsSum(f, 0), m_item.GetPointsSum(f, 1)};
    const BOOL bHcp = m_item.m_bHcpPoints ? TRUE : FALSE;
    for (int s = 0; s < 2; ++s) {
        Left(NameFont(nPts[s], nPts[1 - s]), TeamName(f, s, false));
        if (!f.m_bPlayed[s]) {
            Empty(nGames + 2);
            continue;
        }
        for (int g = 0; g < nGames; ++g)
            Left(m_item.m_fontDetail, GameText(f, s, g, bHcp));
        Left(m_item.m_fontDetail, SeriesText(f, s, bHcp, nGames));
        Left(m_item.m_fontDetail, PointsText(m_pDoc, nPts[s]));
    }
}

void CSummaryHtml::HiSeriesRow(const CFixture& f)
{
    const LineCase c = ClassifyMatch(m_item, f);
    if (c != LineCase::Figures) {
        const bool bNone = c == LineCase::NoResult;
        Left(m_item.m_fontDetail, TeamName(f, 0, bNone));
        Empty(2);
        Left(m_item.m_fontDetail, TeamName(f, 1, bNone));
        Empty(4);
        return;
    }
    const int nGames = GamesOf(m_pDoc);
    const int nPts[2] = {m_item.GetPointsSum(f, 0), m_item.GetPointsSum(f, 1)};
    const BOOL bHcp = m_item.m_bHcpPoints ? TRUE : FALSE;
    CString bowler[2];
    int nBest[2] = {};
    for (int s = 0; s < 2; ++s) {
        Left(NameFont(nPts[s], nPts[1 - s]), TeamName(f, s, false));
        if (!f.m_bPlayed[s]) {
            Empty(2);
            continue;
        }
        Left(m_item.m_fontDetail, SeriesText(f, s, bHcp, nGames));
        Left(m_item.m_fontDetail, PointsText(m_pDoc, nPts[s]));
        nBest[s] = m_item.GetBestSeries(f, s, bowler[s]);
    }
    if (nBest[0] == 0 && nBest[1] == 0) {
        Empty(2);
        return;
    }
    const int s = nBest[1] > nBest[0] ? 1 : 0;
    CString series;
    series.Format("%d", nBest[s]);
    Right(m_item.m_fontDetail, bowler[s]);
    Right(m_item.m_fontDetail, series);
}

} // namespace

CRepItem_ResultSummary::CRepItem_ResultSummary()
    : m_nRound(0), m_bHcpPoints(0), m_bScrPoints(0), m_bHcpPyramid(0), m_bScrPyramid(0), m_bHcpPetersen(0),
      m_bScrPetersen(0), m_nFormat(FORMAT_ORIGINAL)
{
    m_nType = RIT_RESULT_SUMMARY;
}

BYTE CRepItem_ResultSummary::GetOptionByte() const
{
    BYTE n = 0;
    if (m_bHcpPoints)
        n |= OPT_HCP_POINTS;
    if (m_bHcpPyramid)
        n |= OPT_HCP_PYRAMID;
    if (m_bScrPyramid)
        n |= OPT_SCR_PYRAMID;
    if (m_bScrPoints)
        n |= OPT_SCR_POINTS;
    if (m_bHcpPetersen)
        n |= OPT_HCP_PETERSEN;
    if (m_bScrPetersen)
        n |= OPT_SCR_PETERSEN;
    if (m_nFormat)
        n |= OPT_POINTS_HI_SERIES;
    return n;
}

void CRepItem_ResultSummary::SetOptionByte(BYTE n, int nFileVersion)
{
    if (nFileVersion >= kNewOptionsVersion) {
        m_bHcpPoints = (n & OPT_HCP_POINTS) ? 1 : 0;
        m_bHcpPyramid = (n & OPT_HCP_PYRAMID) ? 1 : 0;
        m_bScrPyramid = (n & OPT_SCR_PYRAMID) ? 1 : 0;
        m_bScrPoints = (n & OPT_SCR_POINTS) ? 1 : 0;
        m_bHcpPetersen = (n & OPT_HCP_PETERSEN) ? 1 : 0;
        m_bScrPetersen = (n & OPT_SCR_PETERSEN) ? 1 : 0;
        m_nFormat = (n & OPT_POINTS_HI_SERIES) ? FORMAT_POINTS_HI_SERIES : FORMAT_ORIGINAL;
        return;
    }
    // Older files: bit 0 chose handicap or scratch points, bit 1 the handicap pyramid points
    // and bit 2 the scratch pyramid points alone.
    m_bHcpPoints = (n & 0x01) ? 1 : 0;
    m_bScrPoints = (n & 0x01) ? 0 : 1;
    m_bHcpPyramid = (n & 0x02) ? 1 : 0;
    m_bScrPyramid = 0;
    if (n & 0x04) {
        m_bScrPyramid = 1;
        m_bHcpPoints = m_bScrPoints = m_bHcpPyramid = 0;
    }
    m_bHcpPetersen = m_bScrPetersen = 0;
    m_nFormat = FORMAT_ORIGINAL;
}

void CRepItem_ResultSummary::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    const int nVersion = ar.GetFileVersion();
    if (ar.IsStoring()) {
        ar << m_nRound << GetOptionByte();
    } else {
        BYTE nOptions = 0;
        ar >> m_nRound >> nOptions;
        SetOptionByte(nOptions, nVersion);
    }
    if (nVersion >= kFontsVersion) {
        m_fontDetail.Serialize(ar);
        m_fontTitle.Serialize(ar);
        m_fontLose.Serialize(ar);
        m_fontWin.Serialize(ar);
    }
}

void CRepItem_ResultSummary::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (!other.IsKindOf(RUNTIME_CLASS(CRepItem_ResultSummary)))
        return;
    // The pinfall flags stay with the item they were set on.
    const auto& o = static_cast<const CRepItem_ResultSummary&>(other);
    m_nRound = o.m_nRound;
    m_bHcpPoints = o.m_bHcpPoints;
    m_bScrPoints = o.m_bScrPoints;
    m_bHcpPyramid = o.m_bHcpPyramid;
    m_bScrPyramid = o.m_bScrPyramid;
    m_nFormat = o.m_nFormat;
    m_fontTitle.CopyFrom(o.m_fontTitle);
    m_fontDetail.CopyFrom(o.m_fontDetail);
    m_fontWin.CopyFrom(o.m_fontWin);
    m_fontLose.CopyFrom(o.m_fontLose);
}

void CRepItem_ResultSummary::ApplyDefaultFonts()
{
    CopyDefaultFont(m_pDoc, kFontTitle, m_fontTitle);
    CopyDefaultFont(m_pDoc, kFontDetail, m_fontDetail);
    CopyDefaultFont(m_pDoc, kFontWinners, m_fontWin);
    CopyDefaultFont(m_pDoc, kFontLosers, m_fontLose);
}

void CRepItem_ResultSummary::SetDefaults()
{
    if (!m_pDoc)
        return;
    if (m_pDoc->m_bHandicapLeague)
        m_bHcpPoints = 1;
    else
        m_bScrPoints = 1;
}

int CRepItem_ResultSummary::CountMatches() const
{
    return m_pDoc ? static_cast<int>(MatchesOf(m_pDoc, m_nRound).size()) : 0;
}

int CRepItem_ResultSummary::GetHeight(CDC* pDC)
{
    if (m_nRound == 0 || !m_pDoc)
        return 0;
    for (CFontData* p : {&m_fontTitle, &m_fontDetail, &m_fontWin, &m_fontLose})
        EnsureLineHeight(pDC, *p);
    const int nTitleStep = m_fontTitle.GetLineHeight(10);
    const int nRowStep = std::min({m_fontDetail.GetLineHeight(0), m_fontWin.GetLineHeight(0), m_fontLose.GetLineHeight(0)});
    // The lines drawn: the matches are counted as the drawing walks them.
    return 3 * nTitleStep + CountMatches() * nRowStep;
}

int CRepItem_ResultSummary::GetPointsSum(const CFixture& f, int s) const
{
    int n = 0;
    if (m_bHcpPoints)
        n += f.m_nHandicapMatchPoints[s];
    if (m_bScrPoints)
        n += f.m_nScratchMatchPoints[s];
    if (m_bHcpPyramid)
        n += f.m_nHandicapPyramidPoints[s];
    if (m_bScrPyramid)
        n += f.m_nScratchPyramidPoints[s];
    return n;
}

int CRepItem_ResultSummary::GetBestSeries(const CFixture& f, int s, CString& strBowler) const
{
    strBowler.Empty();
    if (!f.m_bPlayed[s])
        return 0;
    int nBest = 0;
    const int nPos = std::clamp<int>(f.m_nPlayers, 0, MAX_POSITIONS);
    for (int p = 0; p < nPos; ++p) {
        const CBowledSeries series = f.GetPositionHighSeries(s, p);
        const int n = series.Value(m_bHcpPoints ? 1 : 0);
        if (series.bHighFigures && n > nBest) {
            nBest = n;
            strBowler = series.pBowler->m_strName;
        }
    }
    return nBest;
}

CString CRepItem_ResultSummary::GetHeadingText() const
{
    CString s;
    const char* pszKind = m_bHcpPoints ? "Hcp" : "Scr";
    const CFixture* pFirst = nullptr;
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos && !pFirst;) {
        auto* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound == m_nRound)
            pFirst = f;
    }
    // A round with no match has no date to show.
    if (!pFirst) {
        s.Format("%s Results Summary for Round %d.", pszKind, m_nRound);
        return s;
    }
    s.Format("%s Results Summary for Round %d on %s", pszKind, m_nRound,
             pFirst->m_timeDue.Format("%d %b %y %H:%M.").GetString());
    return s;
}

void CRepItem_ResultSummary::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (m_nFormat == FORMAT_ORIGINAL)
        DrawOriginal(pDC);
    else
        DrawPointsHiSeries(pDC);
}

void CRepItem_ResultSummary::DrawOriginal(CDC* pDC)
{
    if (m_nRound == 0 || !m_pDoc)
        return;
    CSummaryPainter(*this, pDC).Draw(false);
}

void CRepItem_ResultSummary::DrawPointsHiSeries(CDC* pDC)
{
    if (m_nRound == 0 || !m_pDoc)
        return;
    CSummaryPainter(*this, pDC).Draw(true);
}

void CRepItem_ResultSummary::WriteHtml(CStdioFile& file)
{
    if (m_nFormat == FORMAT_ORIGINAL)
        WriteOriginalHtml(file);
    else
        WritePointsHiSeriesHtml(file);
}

void CRepItem_ResultSummary::WriteOriginalHtml(CStdioFile& file)
{
    if (m_nRound == 0 || !m_pDoc)
        return;
    CSummaryHtml(*this, file).Write(false);
}

void CRepItem_ResultSummary::WritePointsHiSeriesHtml(CStdioFile& file)
{
    if (m_nRound == 0 || !m_pDoc)
        return;
    CSummaryHtml(*this, file).Write(true);
}

void CRepItem_ResultSummary::Edit()
{
    CResultsSummaryDlg dlg(m_pDoc, this);
    dlg.m_bHcpPoints = m_bHcpPoints ? 1 : 0;
    dlg.m_bScrPoints = m_bScrPoints ? 1 : 0;
    if (m_pDoc && m_pDoc->m_bPyramidScoring) {
        dlg.m_bHcpPyramid = m_bHcpPyramid ? 1 : 0;
        dlg.m_bScrPyramid = m_bScrPyramid ? 1 : 0;
    }
    dlg.m_fontTitle.CopyFrom(m_fontTitle);
    dlg.m_fontDetail.CopyFrom(m_fontDetail);
    dlg.m_fontWin.CopyFrom(m_fontWin);
    dlg.m_fontLose.CopyFrom(m_fontLose);
    dlg.m_nFormat = m_nFormat ? 1 : 0;
    if (dlg.DoModal() != IDOK)
        return;
    m_bHcpPyramid = dlg.m_bHcpPyramid ? 1 : 0;
    m_bScrPyramid = dlg.m_bScrPyramid ? 1 : 0;
    m_bHcpPoints = dlg.m_bHcpPoints ? 1 : 0;
    m_bScrPoints = dlg.m_bScrPoints ? 1 : 0;
    m_nFormat = dlg.m_nFormat ? FORMAT_POINTS_HI_SERIES : FORMAT_ORIGINAL;
    m_fontTitle.CopyFrom(dlg.m_fontTitle);
    m_fontDetail.CopyFrom(dlg.m_fontDetail);
    m_fontWin.CopyFrom(dlg.m_fontWin);
    m_fontLose.CopyFrom(dlg.m_fontLose);
}
