#include "reports/stats/BestGamesItem.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/ItemText.h"
#include "reports/stats/BestGamesDlg.h"

#include <algorithm>
#include <climits>

IMPLEMENT_SERIAL(CRepItem_best, CRepItem, 1)

namespace {

const char kFontFailure[] = "System Error - Failed to create Best font in ri_best";

// Page positions of the number, name, value and date of a line: one column, then the left and
// right halves of two columns.
constexpr int kOneColumn[4] = {3456, 3600, 6192, 7488};
constexpr int kLeftHalf[4] = {1152, 1296, 3888, 5184};
constexpr int kRightHalf[4] = {6480, 6624, 9216, 10512};

CString EntryName(const CBestEntry& e)
{
    return e.m_pPlayer ? e.m_pPlayer->m_strName : e.m_pTeam->m_strName;
}

// Each played side of the matches in rounds nFirst to nLast, in list order.
template <class Fn>
void ForPlayedSides(const CBowlingDoc& doc, int nFirst, int nLast, Fn fn)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto& f = *static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f.m_nRound < nFirst || f.m_nRound > nLast)
            continue;
        for (int nSide = 0; nSide < 2; ++nSide)
            if (f.m_bPlayed[nSide])
                fn(f, nSide);
    }
}

} // namespace

CRepItem_best::CRepItem_best()
{
    m_nType = RIT_BEST;
}

void CRepItem_best::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring()) {
        const BYTE nFlags = static_cast<BYTE>((m_nBasis & 0x0F) | (m_bTeams ? 0x40 : 0) | (m_bCurrentRoundOnly ? 0x20 : 0));
        const WORD wKindCount = static_cast<WORD>(((m_nKind & 3) << 14) | (m_nCount & MAX_COUNT));
        ar << m_nColumns << nFlags << m_nGroup << wKindCount << m_nFirstRound << m_nLastRound;
    } else {
        BYTE nFlags = 0;
        WORD wKindCount = 0;
        ar >> m_nColumns >> nFlags >> m_nGroup >> wKindCount >> m_nFirstRound >> m_nLastRound;
        m_nBasis = static_cast<BYTE>(nFlags & 0x0F);
        m_bTeams = (nFlags & 0x40) ? 1 : 0;
        m_bCurrentRoundOnly = (nFlags & 0x20) ? 1 : 0;
        m_nKind = static_cast<BYTE>(wKindCount >> 14);
        m_nCount = static_cast<WORD>(wKindCount & MAX_COUNT);
    }
    m_fontHeader.Serialize(ar);
    m_fontDetail.Serialize(ar);
}

void CRepItem_best::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    const auto* p = dynamic_cast<const CRepItem_best*>(&other);
    if (!p)
        return;
    m_nRow = p->m_nRow;
    m_nColumns = p->m_nColumns;
    m_nBasis = p->m_nBasis;
    m_bTeams = p->m_bTeams;
    m_bCurrentRoundOnly = p->m_bCurrentRoundOnly;
    m_nGroup = p->m_nGroup;
    m_nKind = p->m_nKind;
    m_nFirstRound = p->m_nFirstRound;
    m_nLastRound = p->m_nLastRound;
    m_nCount = p->m_nCount;
    m_fontHeader.CopyFrom(p->m_fontHeader);
    m_fontDetail.CopyFrom(p->m_fontDetail);
}

CString CRepItem_best::GetName() const
{
    return "Best Game/Series";
}

void CRepItem_best::ApplyDefaultFonts()
{
    if (!m_pDoc)
        return;
    CopyDefaultFont(m_pDoc, HEADER_FONT, m_fontHeader);
    CopyDefaultFont(m_pDoc, DETAIL_FONT, m_fontDetail);
}

int CRepItem_best::RowCount() const
{
    return m_nColumns ? (m_nCount + 1) / 2 : m_nCount;
}

void CRepItem_best::Expand(CObList& list)
{
    const int nRows = RowCount();
    for (int r = 0; r < nRows; ++r) {
        auto* pRow = new CRepItem_best;
        pRow->CopyFrom(*this);
        pRow->m_bTemporary = TEMP_SHOWING;
        pRow->m_nRow = r;
        list.AddTail(pRow);
    }
}

int CRepItem_best::GetHeight(CDC* pDC)
{
    if (IsTemporary()) {
        EnsureLineHeight(pDC, m_fontDetail);
        return m_fontDetail.GetLineHeight(0);
    }
    EnsureLineHeight(pDC, m_fontHeader);
    return m_fontHeader.GetLineHeight(10);
}

// --- the lists ------------------------------------------------------------------------------

CObArray& CRepItem_best::List() const
{
    return m_bTeams ? m_pDoc->m_arrBestTeams : m_pDoc->m_arrBestPlayers;
}

const CBestEntry* CRepItem_best::EntryAt(int i) const
{
    // The list may be empty or rebuilt since by an item with fewer places.
    if (!m_pDoc || i < 0 || i >= m_nCount || i >= List().GetSize())
        return nullptr;
    const auto* p = static_cast<const CBestEntry*>(List().GetAt(i));
    return p && !p->IsEmpty() ? p : nullptr;
}

void CRepItem_best::ResetList(CObArray& list) const
{
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        delete list.GetAt(i);
    list.RemoveAll();
    list.SetSize(m_nCount);
    for (int i = 0; i < m_nCount; ++i)
        list.SetAt(i, new CBestEntry);
}

int CRepItem_best::Insert(CObArray& list, int nValue, CPlayer* pPlayer, CTeam* pTeam, const CTime& time) const
{
    const int n = static_cast<int>(list.GetSize());
    if (n == 0)
        return INT_MAX;
    auto at = [&list](int i) { return static_cast<CBestEntry*>(list.GetAt(i)); };
    int i = 0;
    while (i < n && at(i)->m_nValue >= nValue)
        ++i;
    if (i < n) {
        CBestEntry* pTaken = at(n - 1);
        for (int j = n - 1; j > i; --j)
            list.SetAt(j, list.GetAt(j - 1));
        list.SetAt(i, pTaken);
        pTaken->m_nValue = nValue;
        pTaken->m_pPlayer = pPlayer;
        pTaken->m_pTeam = pTeam;
        pTaken->m_time = time;
    }
    return at(n - 1)->m_nValue;
}

BOOL CRepItem_best::InGroup(const CPlayer* pPlayer) const
{
    return pPlayer && (pPlayer->m_wFlags & GetCategoryMask(m_nGroup)) != 0;
}

void CRepItem_best::CollectPlayerBest()
{
    CBowlingDoc& doc = *m_pDoc;
    CObArray& list = doc.m_arrBestPlayers;
    ResetList(list);
    const int nGames = std::min<int>(doc.m_nGamesPerMatch, MAX_GAMES);
    const int nPositions = std::min<int>(doc.m_nPlayersPerTeam, MAX_POSITIONS);
    int T = 0;
    int nFirst = 0, nLast = 0;
    if (!CountedSpan(nFirst, nLast))
        return;
    // Who bowled a game, and whether it counts, is asked only for a value that would be listed.
    ForPlayedSides(doc, nFirst, nLast, [&](const CFixture& f, int nSide) {
        const CTime& time = f.m_timePlayed[nSide];
        for (int p = 0; p < std::min<int>(nPositions, f.m_nPlayers); ++p) {
            if (m_nKind == KIND_GAMES) {
                for (int g = 0; g < nGames; ++g) {
                    if (f.GetBowledValue(nSide, p, g, m_nBasis) <= T)
                        continue;
                    const CBowledGame game = f.GetBowledGame(nSide, p, g);
                    if (game.bHighFigures && InGroup(game.pBowler))
                        T = Insert(list, game.Value(m_nBasis), game.pBowler, nullptr, time);
                }
                continue;
            }
            int v = 0;
            for (int g = 0; g < nGames; ++g)
                v += f.GetBowledValue(nSide, p, g, m_nBasis);
            if (v <= T)
                continue;
            const CBowledSeries series = f.GetBowledSeries(nSide, p);
            if (series.bHighFigures && InGroup(series.pBowler))
                T = Insert(list, series.Value(m_nBasis), series.pBowler, nullptr, time);
        }
    });
}

void CRepItem_best::CollectTeamBest()
{
    CBowlingDoc& doc = *m_pDoc;
    CObArray& list = doc.m_arrBestTeams;
    ResetList(list);
    const int nGames = std::min<int>(doc.m_nGamesPerMatch, MAX_GAMES);
    const BOOL bHcp = m_nBasis != 0;
    int T = 0; // the last place's value: no lower value enters the list
    int nFirst = 0, nLast = 0;
    if (!CountedSpan(nFirst, nLast))
        return;
    ForPlayedSides(doc, nFirst, nLast, [&](const CFixture& f, int nSide) {
        CTeam* pTeam = f.GetSideTeam(nSide);
        if (!pTeam)
            return;
        auto offer = [&](int v) {
            if (v > T)
                T = Insert(list, v, nullptr, pTeam, f.m_timePlayed[nSide]);
        };
        if (m_nKind == KIND_GAMES) {
            for (int g = 0; g < nGames; ++g)
                offer(f.GetGameScore(nSide, g, bHcp));
        } else {
            offer(f.GetSeriesScore(nSide, bHcp));
        }
    });
}

void CRepItem_best::RebuildList()
{
    if (!m_pDoc)
        return;
    if (m_bCurrentRoundOnly)
        m_nFirstRound = m_nLastRound = m_pDoc->m_nCurrentRound;
    if (m_bTeams)
        CollectTeamBest();
    else
        CollectPlayerBest();
}

bool CRepItem_best::CountedSpan(int& nFirst, int& nLast) const
{
    nFirst = m_nFirstRound;
    nLast = m_nLastRound;
    return !m_pDoc || m_pDoc->ClipToHighScoreRounds(nFirst, nLast);
}

CString CRepItem_best::HeadingText() const
{
    static const char* const kBasis[] = {"Scratch", "Handicap", "Over Avg."};
    static const char* const kGroup[] = {" by Male Bowlers", " by Female Bowlers", " by Junior Bowlers", " by any Bowler"};
    CString text;
    text.Format("Best %d ", m_nCount);
    if (m_nBasis <= BASIS_OVER_AVERAGE)
        text += kBasis[m_nBasis];
    text += m_nKind == KIND_GAMES ? " Games" : " Series";
    if (m_bTeams)
        text += " by Team";
    else if (m_nGroup <= 3)
        text += kGroup[m_nGroup];
    // The rounds counted; a span wholly in another split is named as it was set.
    int nFirst = 0, nLast = 0;
    CountedSpan(nFirst, nLast);
    CString span;
    if (nFirst == nLast)
        span.Format("  in round %d.", nLast);
    else
        span.Format("  from round %d to round %d.", nFirst, nLast);
    return text + span;
}

// --- drawing and HTML -----------------------------------------------------------------------

void CRepItem_best::DrawEntry(CDC* pDC, const CBestEntry* pEntry, int nPlace, int y, const int x[4])
{
    if (!pEntry) {
        CPoint pt(x[2], y);
        DrawTextRightAligned(pDC, &pt, "No Data!", 0);
        return;
    }
    CString s;
    s.Format("%d", nPlace + 1);
    CPoint pt(x[0], y);
    DrawTextRightAligned(pDC, &pt, s, 0);
    pt = CPoint(x[1], y);
    DrawTextClipped(pDC, &pt, EntryName(*pEntry), 0);
    const CRect rc(x[1], y, x[1] + NAME_RECT_WIDTH, y + m_fontDetail.GetLineHeight(0));
    if (pEntry->m_pPlayer)
        pEntry->m_pPlayer->AddHitRect(rc);
    else
        pEntry->m_pTeam->AddHitRect(rc);
    s.Format("  %d", pEntry->m_nValue);
    pt = CPoint(x[2], y);
    DrawTextRightAligned(pDC, &pt, s, 0);
    pt = CPoint(x[3], y);
    DrawTextRightAligned(pDC, &pt, pEntry->m_time.Format("%b %d %y"), 0);
}

void CRepItem_best::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc)
        return;
    CItemDrawState state(pDC);
    const CFontData& data = IsTemporary() ? m_fontDetail : m_fontHeader;
    EnsureLineHeight(pDC, IsTemporary() ? m_fontDetail : m_fontHeader);
    CFont font;
    if (CreateItemFont(font, data, kFontFailure))
        pDC->SelectObject(&font);
    pDC->SetTextColor(data.m_crColour);
    if (!IsTemporary()) {
        RebuildList();
        const CString text = HeadingText();
        ItemText::Centred(pDC, m_y, text);
        return;
    }
    if (!m_nColumns) {
        DrawEntry(pDC, EntryAt(m_nRow), m_nRow, m_y, kOneColumn);
        return;
    }
    DrawEntry(pDC, EntryAt(m_nRow), m_nRow, m_y, kLeftHalf);
    const int nRight = m_nRow + (m_nCount + 1) / 2;
    DrawEntry(pDC, EntryAt(nRight), nRight, m_y, kRightHalf);
}

void CRepItem_best::WriteEntryCells(CStdioFile& file, const CBestEntry* pEntry, int nPlace, const char* pszEmpty)
{
    if (!pEntry) {
        HtmlCellRight(&file, &m_fontDetail, "");
        HtmlCellLeft(&file, &m_fontDetail, "");
        HtmlCellRight(&file, &m_fontDetail, pszEmpty);
        HtmlCellRight(&file, &m_fontDetail, "");
        return;
    }
    CString s;
    s.Format("%d", nPlace + 1);
    HtmlCellRight(&file, &m_fontDetail, s);
    HtmlCellLeft(&file, &m_fontDetail, EntryName(*pEntry));
    s.Format("  %d", pEntry->m_nValue);
    HtmlCellRight(&file, &m_fontDetail, s);
    HtmlCellRight(&file, &m_fontDetail, pEntry->m_time.Format("%b %d %y"));
}

void CRepItem_best::WriteHtml(CStdioFile& file)
{
    if (!m_pDoc)
        return;
    if (!IsTemporary()) {
        RebuildList();
        HtmlDivCentre(&file, &m_fontHeader, HeadingText());
        file.WriteString(m_nColumns ? "<center><table width=90%>\n" : "<center><table width=60%>\n");
        // An item without places closes its table at once.
        if (m_nCount == 0)
            file.WriteString("</TABLE></CENTER>\n");
        return;
    }
    file.WriteString("<tr>\n");
    const CBestEntry* pEntry = EntryAt(m_nRow);
    if (!m_nColumns) {
        if (pEntry) {
            WriteEntryCells(file, pEntry, m_nRow, "");
        } else {
            HtmlCellCentre(&file, &m_fontDetail, "");
            HtmlCellCentre(&file, &m_fontDetail, "");
            HtmlCellCentre(&file, &m_fontDetail, "No Data!");
            HtmlCellCentre(&file, &m_fontDetail, "");
        }
    } else {
        WriteEntryCells(file, pEntry, m_nRow, "No Team Data!");
        file.WriteString("<td><bsp></td>");
        file.WriteString("<td><bsp></td>");
        const int nRight = m_nRow + (m_nCount + 1) / 2;
        WriteEntryCells(file, EntryAt(nRight), nRight, "No Data!");
    }
    file.WriteString("</tr>\n");
    if (m_nRow == RowCount() - 1)
        file.WriteString("</TABLE></CENTER>\n");
}

void CRepItem_best::Edit()
{
    const WORD nCurrent = m_pDoc ? m_pDoc->m_nCurrentRound : 0;
    CBestGamesSeriesDlg dlg(m_pDoc, this);
    dlg.m_nFirstRound = m_nFirstRound ? m_nFirstRound : 1;
    dlg.m_nLastRound = m_nLastRound ? m_nLastRound : nCurrent;
    if (m_bCurrentRoundOnly)
        dlg.m_nFirstRound = dlg.m_nLastRound = nCurrent;
    dlg.m_nBasis = m_nBasis <= BASIS_OVER_AVERAGE ? m_nBasis : 0;
    dlg.m_nGroup = m_nGroup <= 3 ? m_nGroup : 3;
    dlg.m_nKind = m_nKind == KIND_GAMES ? 1 : 0;
    dlg.m_nColumns = m_nColumns ? 1 : 0;
    dlg.m_nWho = m_bTeams ? 1 : 0;
    dlg.m_nCount = m_nCount;
    dlg.m_bCurrentRoundOnly = m_bCurrentRoundOnly ? 1 : 0;
    dlg.m_nCurrentRound = nCurrent;
    // The font buttons work on the item; Cancel puts the fonts back too.
    const CFontData fontHeader(m_fontHeader), fontDetail(m_fontDetail);
    if (dlg.DoModal() != IDOK) {
        m_fontHeader.CopyFrom(fontHeader);
        m_fontDetail.CopyFrom(fontDetail);
        return;
    }
    m_nFirstRound = static_cast<WORD>(dlg.m_nFirstRound);
    m_nLastRound = static_cast<WORD>(dlg.m_nLastRound);
    m_bTeams = dlg.m_nWho == 1 ? 1 : 0;
    m_nBasis = static_cast<BYTE>(dlg.m_nBasis);
    m_nColumns = static_cast<BYTE>(dlg.m_nColumns);
    m_nGroup = static_cast<BYTE>(dlg.m_nGroup);
    m_nCount = static_cast<WORD>(dlg.m_nCount);
    m_nKind = static_cast<BYTE>(dlg.m_nKind);
    m_bCurrentRoundOnly = dlg.m_bCurrentRoundOnly ? 1 : 0;
}
