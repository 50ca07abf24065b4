#include "reports/stats/HiPlayersItem.h"

#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/PointsText.h"
#include "reports/layout/ItemFont.h"
#include "reports/stats/HiStatsDialogs.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_SERIAL(CRepItem_HiPlayers, CRepItem, 1)

namespace {

const char kHddrFailure[] = "System Error - Failed to create Hddr font in ri_hiplr";
const char kDetsFailure[] = "System Error - Failed to create Dets font in ri_hiplr";

// Hundredths as "%3d.%02d  "; a value between -1 and 0 keeps its minus sign.
CString TwoDecimals(long v)
{
    CString s;
    if (v < 0 && v > -100)
        s.Format("%3s.%02ld  ", "-0", -v);
    else
        s.Format("%3ld.%02ld  ", v / 100, std::labs(v) % 100);
    return s;
}

} // namespace

long HiStatsWinPercent(DWORD nHalfWins, DWORD nGames)
{
    if (nGames == 0)
        return 0;
    // 64 bits: a long season's half wins times 50000 would not fit in 32.
    const long long n = (static_cast<long long>(nHalfWins) * 50000 / nGames + 5) / 10;
    return static_cast<long>(n);
}

CRepItem_HiPlayers::CRepItem_HiPlayers()
{
    m_nType = RIT_HI_PLAYERS;
}

CString CRepItem_HiPlayers::GetName() const
{
    return "Individual Hi Stats";
}

void CRepItem_HiPlayers::ApplyDefaultFonts()
{
    CopyDefaultFonts(HEADING_FONT, DETAIL_FONT);
}

int CRepItem_HiPlayers::GetHeight(CDC* pDC)
{
    CountUsedColumns();
    if (m_pDoc && !m_pDoc->m_bHandicapLeague)
        for (BYTE& b : m_nBasis)
            b = 0;
    return MeasureHeight(pDC, 0, m_nEntries);
}

BOOL CRepItem_HiPlayers::IsColumnValid(int nColumn) const
{
    // A damaged file may hold anything; such a column stays empty.
    return m_nStatistic[nColumn] < STATISTICS && m_nBasis[nColumn] <= 1 && m_nGroup[nColumn] <= 3 &&
           m_nClass[nColumn] <= 3;
}

CString CRepItem_HiPlayers::ColumnGroupCaption(int nColumn) const
{
    if (m_nGroup[nColumn] > 3)
        return "";
    CString s;
    if (m_nClass[nColumn] != 0)
        s.Format("(%s%d)", GetCategoryAbbrev(m_nGroup[nColumn]), m_nClass[nColumn]);
    else
        s.Format("(%s)", GetCategoryAbbrev(m_nGroup[nColumn]));
    return s;
}

CString CRepItem_HiPlayers::ColumnCaption(int nColumn) const
{
    if (!IsColumnValid(nColumn))
        return "";
    const int s = m_nStatistic[nColumn];
    const BOOL bBoth = m_pDoc && m_pDoc->HasBothScoringSystems();
    const BOOL bHcpLeague = m_pDoc && m_pDoc->m_bHandicapLeague;
    const char* pszStat = GetPlayerStatCaption(s);
    const char* pszBasis = GetScoreBasisCaption(m_nBasis[nColumn]);
    CString caption;
    if (s >= 3 && s <= 5) {
        if (bBoth)
            caption.Format("Most %s %s", pszStat, s == 3 ? "" : pszBasis);
        else
            caption.Format("Most %s", pszStat);
    } else if (s <= 1 && (bBoth || bHcpLeague)) {
        caption.Format("High %s %s", pszStat, pszBasis);
    } else {
        caption.Format("High %s", pszStat);
    }
    return caption + " " + ColumnGroupCaption(nColumn);
}

CString CRepItem_HiPlayers::ValueText(int nColumn, CPlayer* p, BOOL bForPrint) const
{
    const int s = m_nStatistic[nColumn];
    BOOL bHcp = m_nBasis[nColumn] == 1;
    if (s >= 2 && s <= 6 && !m_pDoc->HasBothScoringSystems())
        bHcp = m_pDoc->m_bHandicapLeague ? TRUE : FALSE;
    const int k = bHcp ? PASS_HANDICAP : PASS_SCRATCH;
    CString text;
    switch (s) {
    case 0:
        text.Format("%3d  ", p->m_nHighGame[k]);
        break;
    case 1:
        text.Format("%3d  ", p->m_nHighSeries[k]);
        break;
    case 2:
    case 3: {
        const double d = (s == 2 ? p->m_dRankAverage : p->GetImprovement()) * 100.0;
        text = TwoDecimals(static_cast<long>(bForPrint ? d + 0.5 : d));
        break;
    }
    case 4:
        text.Format("%3d  ", static_cast<int>(p->m_nGamesOverAvg[k]));
        break;
    case 5: {
        // Wins are half wins whatever points the league keeps.
        char sz[POINTS_TEXT_SIZE];
        FormatPoints(nullptr, static_cast<long>(p->m_nWins[k]), sz);
        text = sz;
        if (!bForPrint)
            text += " ";
        break;
    }
    case 6: {
        const long pct = HiStatsWinPercent(p->m_nWins[k], p->GetHighScoreGames(k));
        text.Format("%3ld.%02ld  ", pct / 100, pct % 100);
        break;
    }
    default:
        text.Format("%3d  ", p->m_nBestGame[k][s - 7]);
        break;
    }
    return text + p->m_strName;
}

void CRepItem_HiPlayers::GatherColumn(int nColumn, std::vector<Entry>& entries, BOOL bForPrint)
{
    entries.assign(m_nEntries, Entry());
    if (!IsColumnValid(nColumn))
        return;
    CBowlingDoc& doc = *m_pDoc;
    const int s = m_nStatistic[nColumn];
    const WORD wMask = GetCategoryMask(m_nGroup[nColumn]);
    const BYTE nClass = m_nClass[nColumn];
    BOOL bHcp = m_nBasis[nColumn] == 1;
    if (s >= 2 && s <= 6 && !doc.HasBothScoringSystems())
        bHcp = doc.m_bHandicapLeague ? TRUE : FALSE;
    const int nEntries = m_nEntries;

    auto take = [&](int nPlaces) {
        for (int p = 1; p <= nPlaces && p <= nEntries; ++p)
            if (CPlayer* pPlayer = doc.FindPlayerByRank(p)) {
                entries[p - 1].pPlayer = pPlayer;
                entries[p - 1].strText = ValueText(nColumn, pPlayer, bForPrint);
            }
    };

    switch (s) {
    case 0:
    case 1:
        for (int p = 1; p <= nEntries; ++p) {
            CPlayer* pPlayer = s == 0 ? (bHcp ? doc.FindPlayerByHighGameHcpRank(p, wMask, nClass)
                                              : doc.FindPlayerByHighGameScratchRank(p, wMask, nClass))
                                      : (bHcp ? doc.FindPlayerByHighSeriesHcpRank(p, wMask, nClass)
                                              : doc.FindPlayerByHighSeriesScratchRank(p, wMask, nClass));
            if (pPlayer) {
                entries[p - 1].pPlayer = pPlayer;
                entries[p - 1].strText = ValueText(nColumn, pPlayer, bForPrint);
            }
        }
        break;
    case 2: {
        // Both switches on: the high averages are over every game, not the rolling window.
        const BOOL bWhole = doc.m_bTruncatedRollingAvg && doc.m_bFullAverageForHiAvg;
        std::vector<CPlayer*> rolling;
        if (bWhole)
            for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
                auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
                if (p->m_bRollingAvg) {
                    rolling.push_back(p);
                    p->m_bRollingAvg = 0;
                }
            }
        const int n = doc.RankPlayersByAverage(bHcp, nEntries, wMask, static_cast<int>(doc.m_nMinGames[0]), nClass);
        take(n);
        for (CPlayer* p : rolling)
            p->m_bRollingAvg = 1;
        break;
    }
    case 3: {
        const DWORD nPass = doc.m_bHandicapPass;
        doc.m_bHandicapPass = bHcp ? PASS_HANDICAP : PASS_SCRATCH;
        take(doc.RankPlayersByImprovement(nEntries, wMask, nClass));
        doc.m_bHandicapPass = nPass;
        break;
    }
    case 4:
        take(doc.RankPlayersByGamesOverAverage(bHcp, nEntries, wMask, static_cast<int>(doc.m_nMinGames[4]), nClass));
        break;
    case 5:
    case 6: {
        doc.m_bHandicapPass = bHcp ? PASS_HANDICAP : PASS_SCRATCH;
        const int nMin = static_cast<int>(doc.m_nMinGames[0]);
        take(bHcp ? doc.RankPlayersByHandicapWins(nEntries, wMask, nMin, nClass, s == 6)
                  : doc.RankPlayersByScratchWins(nEntries, wMask, nMin, nClass, s == 6));
        break;
    }
    default: {
        const int nMin = static_cast<int>(doc.m_nMinGames[0]);
        int n = 0;
        switch (s) {
        case 7: n = doc.RankPlayersByGame1High(bHcp, nEntries, wMask, nMin, nClass); break;
        case 8: n = doc.RankPlayersByGame2High(bHcp, nEntries, wMask, nMin, nClass); break;
        case 9: n = doc.RankPlayersByGame3High(bHcp, nEntries, wMask, nMin, nClass); break;
        default: n = doc.RankPlayersByGame4High(bHcp, nEntries, wMask, nMin, nClass); break;
        }
        take(n);
        break;
    }
    }
}

void CRepItem_HiPlayers::GatherEntries(std::vector<Entry> entries[COLUMNS], BOOL bForPrint)
{
    if (!m_pDoc)
        return;
    CBowlingDoc& doc = *m_pDoc;
    if (bForPrint) {
        const double dGames = static_cast<double>(doc.GetStatsRound()) * doc.m_nGamesPerMatch;
        for (int k = 0; k < 5; ++k)
            doc.m_nMinGames[k] = static_cast<DWORD>(dGames * doc.m_dMinGamesFraction[k]);
    }
    // A league of one system ranks on that system's figures; the selector is left so.
    if (!doc.HasBothScoringSystems())
        doc.m_bHandicapPass = doc.m_bHandicapLeague ? PASS_HANDICAP : PASS_SCRATCH;
    for (int c = 0; c < COLUMNS; ++c)
        if (!m_bUnused[c])
            GatherColumn(c, entries[c], bForPrint);
    if (doc.m_pAwardRestrictions && doc.m_pAwardRestrictions->Limits(false))
        ApplyPrizeRules(entries, bForPrint);
}

void CRepItem_HiPlayers::ApplyPrizeRules(std::vector<Entry> entries[COLUMNS], BOOL bForPrint)
{
    CBowlingDoc& doc = *m_pDoc;
    const CAwardRestrictions& rules = *doc.m_pAwardRestrictions;
    struct PrizeColumn
    {
        int nColumn;
        int nPrize;
    };
    std::vector<PrizeColumn> columns;
    for (int c = 0; c < COLUMNS; ++c)
        if (!m_bUnused[c] && IsColumnValid(c) && (m_nStatistic[c] == 0 || m_nStatistic[c] == 1))
            columns.push_back({c, CAwardRestrictions::MakePrize(m_nStatistic[c] == 1, m_nBasis[c] == 1)});
    std::stable_sort(columns.begin(), columns.end(), [&](const PrizeColumn& a, const PrizeColumn& b) {
        return rules.PrizeOrder(a.nPrize, false) < rules.PrizeOrder(b.nPrize, false);
    });
    std::vector<std::pair<int, const CPlayer*>> taken;
    for (const PrizeColumn& col : columns) {
        const int c = col.nColumn;
        const WORD wMask = GetCategoryMask(m_nGroup[c]);
        const BYTE nClass = m_nClass[c];
        entries[c].assign(m_nEntries, Entry());
        int nFilled = 0;
        for (DWORD nPlace = 1; nFilled < m_nEntries; ++nPlace) {
            CPlayer* p = nullptr;
            switch (col.nPrize) {
            case CAwardRestrictions::PRIZE_GAME_SCRATCH: p = doc.FindPlayerByHighGameScratchRank(nPlace, wMask, nClass); break;
            case CAwardRestrictions::PRIZE_GAME_HCP: p = doc.FindPlayerByHighGameHcpRank(nPlace, wMask, nClass); break;
            case CAwardRestrictions::PRIZE_SERIES_SCRATCH: p = doc.FindPlayerByHighSeriesScratchRank(nPlace, wMask, nClass); break;
            default: p = doc.FindPlayerByHighSeriesHcpRank(nPlace, wMask, nClass); break;
            }
            if (!p)
                break;
            const bool bBarred = std::any_of(taken.begin(), taken.end(), [&](const auto& t) {
                return t.second == p && rules.Excludes(t.first, col.nPrize, false);
            });
            if (bBarred)
                continue;
            entries[c][static_cast<size_t>(nFilled)].pPlayer = p;
            entries[c][static_cast<size_t>(nFilled)].strText = ValueText(c, p, bForPrint);
            ++nFilled;
        }
        for (int i = 0; i < nFilled; ++i)
            taken.emplace_back(col.nPrize, entries[c][static_cast<size_t>(i)].pPlayer);
    }
}

void CRepItem_HiPlayers::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    int nColumn[COLUMNS], nX[COLUMNS];
    const int nUsed = GetUsedColumns(nColumn, nX);
    if (nUsed == 0 || !m_pDoc)
        return;
    CItemDrawState state(pDC);
    CFont fontHeading, fontDetail;
    int y = DrawColumnHeadings(pDC, nColumn, nX, nUsed, 0, fontHeading, fontDetail, kHddrFailure, kDetsFailure);
    std::vector<Entry> entries[COLUMNS];
    GatherEntries(entries, TRUE);
    const int nLine = m_fontDetail.GetLineHeight(0);
    for (int r = 0; r < m_nEntries; ++r) {
        for (int k = 0; k < nUsed; ++k) {
            const Entry& e = entries[nColumn[k]][r];
            if (!e.pPlayer)
                continue;
            CPoint pt(nX[k], y);
            DrawTextClipped(pDC, &pt, e.strText, HiStatsCellRoom(nX, k, nUsed));
            e.pPlayer->AddHitRect(CRect(nX[k], y, nX[k] + NAME_RECT_WIDTH, y - 200));
        }
        y += nLine;
    }
}

void CRepItem_HiPlayers::WriteHtml(CStdioFile& file)
{
    int nColumn[COLUMNS], nX[COLUMNS];
    const int nUsed = GetUsedColumns(nColumn, nX);
    if (nUsed == 0 || !m_pDoc)
        return;
    CString s;
    s.Format("<CENTER><TABLE COLS=%d WIDTH=%d%%>\n", nUsed, HiStatsTableWidth(nUsed));
    file.WriteString(s);
    WriteHtmlHeadingRow(file, nColumn, nUsed);
    std::vector<Entry> entries[COLUMNS];
    GatherEntries(entries, FALSE);
    for (int r = 0; r < m_nEntries; ++r) {
        file.WriteString("<TR>\n");
        for (int k = 0; k < nUsed; ++k) {
            const Entry& e = entries[nColumn[k]][r];
            if (!e.pPlayer)
                file.WriteString("<TD></TD>\n");
            else
                HtmlCellLeft(&file, &m_fontDetail, e.strText);
        }
        file.WriteString("</TR>\n");
    }
    file.WriteString("</TABLE></CENTER>\n\n");
}

void CRepItem_HiPlayers::Edit()
{
    CIndividualHiStatsDlg dlg(m_pDoc, this);
    dlg.m_nEntries = m_nEntries;
    for (int c = 0; c < COLUMNS; ++c) {
        dlg.m_bUnused[c] = m_bUnused[c] ? 1 : 0;
        dlg.m_nGroup[c] = m_nGroup[c] <= 3 ? m_nGroup[c] : 3;
        dlg.m_nStatistic[c] = m_nStatistic[c] < STATISTICS ? m_nStatistic[c] : 0;
        dlg.m_nBasis[c] = m_nBasis[c] <= 1 ? m_nBasis[c] : 0;
        dlg.m_nClass[c] = m_nClass[c] <= 3 ? m_nClass[c] : 0;
    }
    dlg.DoModal();  // OK is its only button; the values hold whichever way it closes
    m_nEntries = static_cast<BYTE>(dlg.m_nEntries);
    for (int c = 0; c < COLUMNS; ++c) {
        m_bUnused[c] = dlg.m_bUnused[c] ? 1 : 0;
        m_nGroup[c] = static_cast<BYTE>(dlg.m_nGroup[c]);
        m_nStatistic[c] = static_cast<BYTE>(dlg.m_nStatistic[c]);
        m_nBasis[c] = static_cast<BYTE>(dlg.m_nBasis[c]);
        m_nClass[c] = static_cast<BYTE>(dlg.m_nClass[c]);
    }
    if (dlg.m_bApplyFonts)
        ApplyFontsToEditorItems();
}
