#include "reports/stats/HiTeamItem.h"

#include "league/BowlingDoc.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "reports/stats/HiStatsDialogs.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRepItem_HiTeam, CRepItem, 1)

namespace {

const char kHddrFailure[] = "System Error - Failed to create Hddr font in ri_hi_t";
const char kDetsFailure[] = "System Error - Failed to create Dets font in ri_hi_t";

} // namespace

CRepItem_HiTeam::CRepItem_HiTeam()
{
    m_nType = RIT_HI_TEAM;
}

CString CRepItem_HiTeam::GetName() const
{
    return "Team Hi Stats";
}

void CRepItem_HiTeam::ApplyDefaultFonts()
{
    CopyDefaultFonts(HEADING_FONT, DETAIL_FONT);
}

int CRepItem_HiTeam::GetHeight(CDC* pDC)
{
    for (int c = 0; c < COLUMNS; ++c)
        if (m_nBasis[c] == 1 && m_pDoc && !m_pDoc->m_bHandicapLeague)
            m_nBasis[c] = 0;
    CountUsedColumns();
    return MeasureHeight(pDC, 0, m_nEntries);
}

CString CRepItem_HiTeam::ColumnCaption(int nColumn) const
{
    if (m_nBasis[nColumn] > 1)
        return "";
    CString s;
    s.Format("High Team %s %s", GetScoreBasisCaption(m_nBasis[nColumn]), GetTeamStatCaption(m_nStatistic[nColumn] & 3));
    return s;
}

namespace {

// The team at a rank of a high game or series table (HIGH_GAME_SCRATCH ...); null for a rank
// nobody holds, where the look-up gives the last team.
CTeam* PrizeTeam(CBowlingDoc& doc, int nTable, int nRank)
{
    CTeam* pTeam = nullptr;
    switch (nTable) {
    case HIGH_GAME_SCRATCH: pTeam = doc.FindTeamByHiGameScratchRank(nRank); break;
    case HIGH_GAME_HCP: pTeam = doc.FindTeamByHiGameHcpRank(nRank); break;
    case HIGH_SERIES_SCRATCH: pTeam = doc.FindTeamByHiSeriesScratchRank(nRank); break;
    default: pTeam = doc.FindTeamByHiSeriesHcpRank(nRank); break;
    }
    return pTeam && pTeam->m_nHiRank[nTable] == nRank ? pTeam : nullptr;
}

} // namespace

void CRepItem_HiTeam::PlacePrizes()
{
    for (int c = 0; c < COLUMNS; ++c) {
        m_bPrizeColumn[c] = false;
        m_prizePlaces[c].clear();
    }
    if (!m_pDoc || !m_pDoc->m_pAwardRestrictions || !m_pDoc->m_pAwardRestrictions->Limits(true))
        return;
    CBowlingDoc& doc = *m_pDoc;
    const CAwardRestrictions& rules = *doc.m_pAwardRestrictions;
    std::vector<std::pair<int, int>> columns;  // column, prize
    for (int c = 0; c < COLUMNS; ++c)
        if (!m_bUnused[c] && m_nBasis[c] <= 1 && (m_nStatistic[c] & 3) <= 1)
            columns.emplace_back(c, CAwardRestrictions::MakePrize((m_nStatistic[c] & 3) == 1, m_nBasis[c] == 1));
    std::stable_sort(columns.begin(), columns.end(), [&](const auto& a, const auto& b) {
        return rules.PrizeOrder(a.second, true) < rules.PrizeOrder(b.second, true);
    });
    std::vector<std::pair<int, const CTeam*>> taken;
    const int nTeams = doc.m_listTeams.GetCount();
    for (const auto& [c, nPrize] : columns) {
        m_bPrizeColumn[c] = true;
        // The prize tables are numbered as the recalculation's kinds are.
        for (int nRank = 1; nRank <= nTeams && static_cast<int>(m_prizePlaces[c].size()) < m_nEntries; ++nRank) {
            CTeam* pTeam = PrizeTeam(doc, nPrize, nRank);
            if (!pTeam)
                continue;
            const bool bBarred = std::any_of(taken.begin(), taken.end(), [&](const auto& t) {
                return t.second == pTeam && rules.Excludes(t.first, nPrize, true);
            });
            if (!bBarred)
                m_prizePlaces[c].push_back(pTeam);
        }
        for (const CTeam* pTeam : m_prizePlaces[c])
            taken.emplace_back(nPrize, pTeam);
    }
}

CString CRepItem_HiTeam::CellText(int nColumn, int nRank, CTeam** ppTeam)
{
    *ppTeam = nullptr;
    if (!m_pDoc || m_nBasis[nColumn] > 1)
        return "";
    CBowlingDoc& doc = *m_pDoc;
    m_nStatistic[nColumn] &= 3;
    const BOOL bHcp = m_nBasis[nColumn] == 1;
    const int s = bHcp ? PASS_HANDICAP : PASS_SCRATCH;
    CTeam* pTeam = nullptr;
    CString value;
    switch (m_nStatistic[nColumn]) {
    case 0: {
        pTeam = PrizeTeam(doc, bHcp ? HIGH_GAME_HCP : HIGH_GAME_SCRATCH, nRank);
        if (m_bPrizeColumn[nColumn])
            pTeam = nRank <= static_cast<int>(m_prizePlaces[nColumn].size()) ? m_prizePlaces[nColumn][nRank - 1] : nullptr;
        if (pTeam)
            value.Format("%4d  ", pTeam->m_nHighGame[s]);
        break;
    }
    case 1: {
        pTeam = PrizeTeam(doc, bHcp ? HIGH_SERIES_HCP : HIGH_SERIES_SCRATCH, nRank);
        if (m_bPrizeColumn[nColumn])
            pTeam = nRank <= static_cast<int>(m_prizePlaces[nColumn].size()) ? m_prizePlaces[nColumn][nRank - 1] : nullptr;
        if (pTeam)
            value.Format("%4d  ", pTeam->m_nHighSeries[s]);
        break;
    }
    case 2:
        if (bHcp)
            doc.RankTeamsByAverageHcpLeague();
        else
            doc.RankTeamsByAverageScrLeague();
        pTeam = doc.FindTeamByRankPosition(static_cast<WORD>(nRank));
        if (pTeam && pTeam->m_nRankPosition != nRank)
            pTeam = nullptr;
        if (pTeam)
            value.Format("%4.1f  ", pTeam->m_dAverage[s]);
        break;
    default: {
        if (bHcp)
            doc.RankTeamsByHandicapPinfall();
        else
            doc.RankTeamsByPinfall();
        pTeam = doc.FindTeamByRankPosition(static_cast<WORD>(nRank));
        if (pTeam && pTeam->m_nRankPosition != nRank)
            pTeam = nullptr;
        if (pTeam) {
            long nPins = bHcp ? static_cast<long>(pTeam->m_nPins[PASS_HANDICAP])
                              : static_cast<long>(doc.m_bScratchLeague ? pTeam->m_nPins[PASS_SCRATCH] : pTeam->m_nHcpScrPins);
            value.Format("%5ld  ", nPins);
        }
        break;
    }
    }
    if (!pTeam)
        return "";
    *ppTeam = pTeam;
    if (pTeam->m_bOmitHiTeamStats || pTeam->IsBye())
        return "None Qualified";
    return value + pTeam->m_strName;
}

void CRepItem_HiTeam::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    int nColumn[COLUMNS], nX[COLUMNS];
    const int nUsed = GetUsedColumns(nColumn, nX);
    if (nUsed == 0)
        return;
    PlacePrizes();
    CItemDrawState state(pDC);
    CFont fontHeading, fontDetail;
    int y = DrawColumnHeadings(pDC, nColumn, nX, nUsed, 0, fontHeading, fontDetail, kHddrFailure, kDetsFailure);
    const int nLine = m_fontDetail.GetLineHeight(0);
    for (int r = 1; r <= m_nEntries; ++r) {
        for (int k = 0; k < nUsed; ++k) {
            CTeam* pTeam = nullptr;
            const CString text = CellText(nColumn[k], r, &pTeam);
            if (!pTeam)
                continue;
            CPoint pt(nX[k], y);
            DrawTextClipped(pDC, &pt, text, 0);
            pTeam->AddHitRect(CRect(nX[k], y, nX[k] + NAME_RECT_WIDTH, y + nLine));
        }
        y += nLine;
    }
}

void CRepItem_HiTeam::WriteHtml(CStdioFile& file)
{
    int nColumn[COLUMNS], nX[COLUMNS];
    const int nUsed = GetUsedColumns(nColumn, nX);
    if (nUsed == 0)
        return;
    PlacePrizes();
    CString s;
    s.Format("<CENTER><TABLE COLS=%d WIDTH=%d%%>\n", nUsed, HiStatsTableWidth(nUsed));
    file.WriteString(s);
    WriteHtmlHeadingRow(file, nColumn, nUsed);
    for (int r = 1; r <= m_nEntries; ++r) {
        file.WriteString("<TR>\n");
        for (int k = 0; k < nUsed; ++k) {
            CTeam* pTeam = nullptr;
            HtmlCellLeft(&file, &m_fontDetail, CellText(nColumn[k], r, &pTeam));
        }
        file.WriteString("</TR>\n");
    }
    file.WriteString("</TABLE></CENTER>\n");
}

void CRepItem_HiTeam::Edit()
{
    CTeamStatsDlg dlg(m_pDoc, this);
    dlg.m_nEntries = m_nEntries;
    for (int c = 0; c < COLUMNS; ++c) {
        dlg.m_bUnused[c] = m_bUnused[c] ? 1 : 0;
        dlg.m_nStatistic[c] = m_nStatistic[c] & 3;
        dlg.m_nBasis[c] = m_nBasis[c] > 1 ? 0 : m_nBasis[c];
    }
    dlg.DoModal();  // OK is its only button; the values hold whichever way it closes
    m_nEntries = static_cast<BYTE>(dlg.m_nEntries);
    for (int c = 0; c < COLUMNS; ++c) {
        m_bUnused[c] = dlg.m_bUnused[c] ? 1 : 0;
        m_nStatistic[c] = static_cast<BYTE>(dlg.m_nStatistic[c] & 3);
        m_nBasis[c] = dlg.m_nBasis[c] == 1 ? 1 : 0;
    }
    if (dlg.m_bApplyFonts)
        ApplyFontsToEditorItems();
}
