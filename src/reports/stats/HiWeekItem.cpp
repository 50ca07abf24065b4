#include "reports/stats/HiWeekItem.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "reports/stats/HiStatsDialogs.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CRepItem_HiWeek, CRepItem, 1)

namespace {

const char kHddrFailure[] = "System Error - Failed to create Hddr font in ri_hi_w";
const char kDetsFailure[] = "System Error - Failed to create Dets font in ri_hi_w";

struct Candidate
{
    WORD nNumber;
    long nValue;
};

// Highest first; equal values keep the order they were met in. Each number stands once.
void ChooseEntries(std::vector<Candidate>& list, int nPlaces, WORD* pNumbers, long* pValues)
{
    std::stable_sort(list.begin(), list.end(), [](const Candidate& a, const Candidate& b) { return a.nValue > b.nValue; });
    int n = 0;
    for (const Candidate& c : list) {
        if (n >= nPlaces)
            break;
        if (std::find(pNumbers, pNumbers + n, c.nNumber) != pNumbers + n)
            continue;
        pNumbers[n] = c.nNumber;
        pValues[n] = c.nValue;
        ++n;
    }
    for (; n < nPlaces; ++n) {
        pNumbers[n] = 0;
        pValues[n] = 0;
    }
}

bool InSpan(const CFixture* f, int nFirst, int nLast)
{
    return f->m_nRound >= nFirst && f->m_nRound <= nLast;
}

} // namespace

void GetWeeklyRoundSpan(const CBowlingDoc& doc, int& nFirst, int& nLast)
{
    nLast = doc.m_nCurrentRound;
    nFirst = nLast;
    const int n = doc.m_nRoundsPerInterval;
    if (n >= 2)
        nFirst = std::max(1, nLast - n + 1);
    // A date's rounds reaching back into the split before, when its high scores are not counted.
    doc.ClipToHighScoreRounds(nFirst, nLast);
}

void CollectWeeklyPlayerScores(const CBowlingDoc& doc, const CRepItem_HiWeek& item, int nColumn, WORD* pNumbers,
                               long* pValues, int nClass)
{
    const int nPlaces = item.GetRows();
    std::vector<Candidate> list;
    const WORD wMask = GetCategoryMask(item.m_nGroup[nColumn]);
    const int nBasis = item.m_nBasis[nColumn];
    auto inColumn = [&](const CPlayer* p) {
        return p && (p->m_wFlags & wMask) != 0 && (nClass == 0 || nClass == p->m_nCategory);
    };
    int nFirst = 0, nLast = 0;
    GetWeeklyRoundSpan(doc, nFirst, nLast);
    const int nGames = std::min<int>(doc.m_nGamesPerMatch, MAX_GAMES);
    const int nPositions = std::min<int>(doc.m_nPlayersPerTeam, MAX_POSITIONS);
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (!InSpan(f, nFirst, nLast) || !f->m_bPlayed[0] || !f->m_bPlayed[1])
            continue;
        for (int nPos = 0; nPos < nPositions; ++nPos) {
            for (int nSide = 0; nSide < 2; ++nSide) {
                if (item.m_nStatistic[nColumn] == 0) {
                    for (int g = 0; g < nGames; ++g) {
                        const CBowledGame game = f->GetBowledGame(nSide, nPos, g);
                        if (!game.bHighFigures || !inColumn(game.pBowler))
                            continue;
                        list.push_back({game.pBowler->m_nPlayerNo, game.Value(nBasis)});
                    }
                } else {
                    const CBowledSeries series = f->GetBowledSeries(nSide, nPos);
                    if (!series.bHighFigures || !inColumn(series.pBowler))
                        continue;
                    list.push_back({series.pBowler->m_nPlayerNo, series.Value(nBasis)});
                }
            }
        }
    }
    ChooseEntries(list, nPlaces, pNumbers, pValues);
}

void CollectWeeklyTeamScores(const CBowlingDoc& doc, const CRepItem_HiWeek& item, int nColumn, WORD* pNumbers,
                             long* pValues, int /*nClass*/)
{
    const int nPlaces = item.GetRows();
    std::vector<Candidate> list;
    const int nBasis = item.m_nBasis[nColumn];
    int nFirst = 0, nLast = 0;
    GetWeeklyRoundSpan(doc, nFirst, nLast);
    const int nGames = std::min<int>(doc.m_nGamesPerMatch, MAX_GAMES);
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (!InSpan(f, nFirst, nLast))
            continue;
        if (item.m_nStatistic[nColumn] == 0) {
            if (!f->m_bPlayed[0])
                continue;
            for (int nSide = 0; nSide < 2; ++nSide) {
                if (!f->m_bPlayed[nSide] || (f->m_nDefaulted[nSide] & DefaultedBit(0)))
                    continue;
                const WORD nTeam = static_cast<WORD>(nSide == 0 ? f->m_nTeamA : f->m_nTeamB);
                for (int g = 0; g < nGames; ++g) {
                    if (g > 0 && (f->m_nDefaulted[nSide] & DefaultedBit(g)))
                        continue;
                    long v = f->GetGameScore(nSide, g, nBasis == 1);
                    if (nBasis == 2)
                        v -= static_cast<long>(f->m_nTeamAverage[nSide][g]);
                    list.push_back({nTeam, v});
                }
            }
        } else {
            if (f->IsBye() || !f->m_bPlayed[0] || !f->m_bPlayed[1])
                continue;
            for (int nSide = 0; nSide < 2; ++nSide) {
                const WORD nTeam = static_cast<WORD>(nSide == 0 ? f->m_nTeamA : f->m_nTeamB);
                const CTeam* pTeam = doc.FindTeam(nTeam);
                long v = f->GetSeriesScore(nSide, nBasis == 1);
                if (pTeam && pTeam->m_bOmitHiTeamStats) {
                    v = 0;
                } else if (nBasis == 2) {
                    for (int g = 0; g < nGames; ++g)
                        v -= static_cast<long>(f->m_nTeamAverage[nSide][g]);
                }
                list.push_back({nTeam, v});
            }
        }
    }
    ChooseEntries(list, nPlaces, pNumbers, pValues);
}

CRepItem_HiWeek::CRepItem_HiWeek() : m_nRound(0)
{
    m_nType = RIT_HI_WEEK;
    for (DWORD& b : m_bTeams)
        b = 0;
}

void CRepItem_HiWeek::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    SerializeColumns(ar, m_bTeams);
    SerializeFonts(ar, 39);
    // A damaged count would run past the places the collectors fill.
    if (!ar.IsStoring() && m_nEntries > MAX_PLACES)
        m_nEntries = MAX_PLACES;
}

void CRepItem_HiWeek::CopyFrom(const CRepItem& other)
{
    CHiStatsItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_HiWeek*>(&other)) {
        for (int c = 0; c < COLUMNS; ++c)
            m_bTeams[c] = p->m_bTeams[c];
    }
}

CString CRepItem_HiWeek::GetName() const
{
    return "Round's Hi Stats";
}

void CRepItem_HiWeek::ApplyDefaultFonts()
{
    CopyDefaultFonts(HEADING_FONT, DETAIL_FONT);
}

int CRepItem_HiWeek::GetRows() const
{
    return std::min<int>(m_nEntries, MAX_PLACES);
}

int CRepItem_HiWeek::GetHeight(CDC* pDC)
{
    CountUsedColumns();
    if (m_pDoc && !m_pDoc->m_bHandicapLeague)
        for (BYTE& b : m_nBasis)
            if (b == 1)
                b = 0;
    return MeasureHeight(pDC, 10, GetRows());
}

BOOL CRepItem_HiWeek::IsColumnValid(int nColumn) const
{
    return m_nStatistic[nColumn] <= 1 && m_nBasis[nColumn] <= 2 && m_nGroup[nColumn] <= 3 && m_nClass[nColumn] <= 3;
}

CString CRepItem_HiWeek::ColumnCaption(int nColumn) const
{
    if (!IsColumnValid(nColumn))
        return "";
    const char* pszStat = GetPlayerStatCaption(m_nStatistic[nColumn]);
    const char* pszBasis = GetScoreBasisCaption(m_nBasis[nColumn]);
    const char* pszGroup = GetCategoryAbbrev(m_nGroup[nColumn]);
    const int nClass = m_nClass[nColumn];
    CString s;
    if (m_pDoc && m_pDoc->m_nRoundsPerInterval >= 2) {
        int nFirst = 0, nLast = 0;
        GetWeeklyRoundSpan(*m_pDoc, nFirst, nLast);
        if (nClass != 0)
            s.Format("Rnd %d-%d Hi %s %s (%s%d)", nFirst, nLast, pszStat, pszBasis, pszGroup, nClass);
        else
            s.Format("Rnd %d-%d Hi %s %s (%s)", nFirst, nLast, pszStat, pszBasis, pszGroup);
    } else if (nClass != 0) {
        s.Format("Rnd %d Hi %s %s (%s%d)", m_nRound, pszStat, pszBasis, pszGroup, nClass);
    } else if (m_bTeams[nColumn]) {
        s.Format("Rnd %d Hi Team %s %s.", m_nRound, pszStat, pszBasis);
    } else {
        s.Format("Rnd %d Hi %s %s (%s)", m_nRound, pszStat, pszBasis, pszGroup);
    }
    return s;
}

void CRepItem_HiWeek::GatherColumn(int nColumn, Place places[MAX_PLACES])
{
    for (int i = 0; i < MAX_PLACES; ++i)
        places[i] = Place();
    if (!m_pDoc || !IsColumnValid(nColumn))
        return;
    WORD nNumbers[MAX_PLACES];
    long nValues[MAX_PLACES];
    const BOOL bTeams = m_bTeams[nColumn] != 0;
    if (bTeams)
        CollectWeeklyTeamScores(*m_pDoc, *this, nColumn, nNumbers, nValues, m_nClass[nColumn]);
    else
        CollectWeeklyPlayerScores(*m_pDoc, *this, nColumn, nNumbers, nValues, m_nClass[nColumn]);
    for (int i = 0; i < GetRows(); ++i) {
        if (nNumbers[i] == 0)
            continue;
        CString value;
        value.Format("%ld ", nValues[i]);
        if (bTeams) {
            if (CTeam* pTeam = m_pDoc->FindTeam(nNumbers[i])) {
                places[i].pNamed = pTeam;
                places[i].strText = value + pTeam->m_strName;
            }
        } else if (CPlayer* pPlayer = m_pDoc->FindPlayer(nNumbers[i])) {
            places[i].pNamed = pPlayer;
            places[i].strText = value + pPlayer->m_strName;
        }
    }
}

void CRepItem_HiWeek::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    int nColumn[COLUMNS], nX[COLUMNS];
    const int nUsed = GetUsedColumns(nColumn, nX);
    if (nUsed == 0 || !m_pDoc)
        return;
    CItemDrawState state(pDC);
    m_nRound = m_pDoc->m_nCurrentRound;
    CFont fontHeading, fontDetail;
    int y = DrawColumnHeadings(pDC, nColumn, nX, nUsed, 10, fontHeading, fontDetail, kHddrFailure, kDetsFailure);
    Place places[COLUMNS][MAX_PLACES];
    for (int k = 0; k < nUsed; ++k)
        GatherColumn(nColumn[k], places[k]);
    const int nLine = m_fontDetail.GetLineHeight(0);
    for (int r = 0; r < GetRows(); ++r) {
        for (int k = 0; k < nUsed; ++k) {
            const Place& p = places[k][r];
            if (!p.pNamed)
                continue;
            const CRect rc(nX[k], y, nX[k] + NAME_RECT_WIDTH, y - 200);
            if (auto* pTeam = dynamic_cast<CTeam*>(p.pNamed))
                pTeam->AddHitRect(rc);
            else if (auto* pPlayer = dynamic_cast<CPlayer*>(p.pNamed))
                pPlayer->AddHitRect(rc);
            CPoint pt(nX[k], y);
            DrawTextClipped(pDC, &pt, p.strText, HiStatsCellRoom(nX, k, nUsed));
        }
        y += nLine;
    }
}

void CRepItem_HiWeek::WriteHtml(CStdioFile& file)
{
    int nColumn[COLUMNS], nX[COLUMNS];
    const int nUsed = GetUsedColumns(nColumn, nX);
    if (nUsed == 0 || !m_pDoc)
        return;
    CString s;
    s.Format("<TABLE WIDTH=%d%%><CENTER>\n", HiStatsTableWidth(nUsed));
    file.WriteString(s);
    m_nRound = m_pDoc->m_nCurrentRound;
    WriteHtmlHeadingRow(file, nColumn, nUsed);
    Place places[COLUMNS][MAX_PLACES];
    for (int k = 0; k < nUsed; ++k)
        GatherColumn(nColumn[k], places[k]);
    for (int r = 0; r < GetRows(); ++r) {
        file.WriteString("<TR>\n");
        for (int k = 0; k < nUsed; ++k) {
            if (!places[k][r].pNamed)
                file.WriteString("<TD></TD>\n");
            else
                HtmlCellLeft(&file, &m_fontDetail, places[k][r].strText);
        }
        file.WriteString("</TR>\n");
    }
    file.WriteString("</TABLE></CENTER>\n");
}

void CRepItem_HiWeek::Edit()
{
    CWeeklyHiStatsDlg dlg(m_pDoc, this);
    dlg.m_nEntries = GetRows();
    for (int c = 0; c < COLUMNS; ++c) {
        dlg.m_bUnused[c] = m_bUnused[c] ? 1 : 0;
        dlg.m_bTeams[c] = m_bTeams[c] ? 1 : 0;
        dlg.m_nGroup[c] = m_nGroup[c] <= 3 ? m_nGroup[c] : 3;
        dlg.m_nStatistic[c] = m_nStatistic[c] <= 1 ? m_nStatistic[c] : 0;
        dlg.m_nBasis[c] = m_nBasis[c] <= 2 ? m_nBasis[c] : 0;
        dlg.m_nClass[c] = m_nClass[c] <= 3 ? m_nClass[c] : 0;
    }
    dlg.DoModal();  // OK is its only button; the values hold whichever way it closes
    m_nEntries = static_cast<BYTE>(std::clamp(dlg.m_nEntries, 0, MAX_PLACES));
    for (int c = 0; c < COLUMNS; ++c) {
        m_bUnused[c] = dlg.m_bUnused[c] ? 1 : 0;
        m_bTeams[c] = dlg.m_bTeams[c] ? 1 : 0;
        m_nGroup[c] = static_cast<BYTE>(dlg.m_nGroup[c]);
        m_nStatistic[c] = static_cast<BYTE>(dlg.m_nStatistic[c]);
        m_nBasis[c] = static_cast<BYTE>(dlg.m_nBasis[c]);
        m_nClass[c] = static_cast<BYTE>(dlg.m_nClass[c]);
    }
    if (dlg.m_bApplyFonts)
        ApplyFontsToEditorItems();
}
