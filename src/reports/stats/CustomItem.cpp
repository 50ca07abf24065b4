#include "reports/stats/CustomItem.h"

#include "league/BowlingDoc.h"
#include "league/PointsText.h"
#include "league/Team.h"
#include "reports/stats/TableColumn.h"

IMPLEMENT_SERIAL(CRepItem_CustomItem, CRepItem, 1)

const char* GetCustomColumnName(int nType)
{
    static const char* const names[CC_COUNT] = {
        "Space", "Position", "Team Name", "Points Won", "Points Lost", "Games", "Scratch Pinfall",
        "Hcap. Pinfall", "High Game Hcap.", "High Game Scr.", "High Series Hcp.", "High Series Scr.",
        "Drawn Matches", "Avg (Team Game Hcp)", "Avg (Team Game Scr)", "Avg (Plr Game Hcp)",
        "Avg (Plr Game Scr)", "Percentage Won", "Avg Plr H Game .0", "Avg Plr S Game .0", "Avg Plr H Game .00",
        "Avg Plr S Game .00", "Matches", "Team Avg Diff/Game S", "Team Avg Diff/Game H", "Opponents Average S",
        "Opponents Average H", "Games Won (Scr)", "Games Lost (Scr)", "Games Won (Hcp)", "Games Lost (Hcp)",
        "Avg Pts/Game (Hcp)", "Avg Pts/Game (Scr)", "Avg Pts/Game (All)", "Error",
    };
    return nType >= 0 && nType < CC_COUNT ? names[nType] : "";
}

namespace {

long RoundedAverage(long long nPins, long long nGames)
{
    if (nPins == 0 || nGames == 0)
        return 0;
    return static_cast<long>((nPins + nGames / 2) / nGames);
}

} // namespace

long GetTeamGameAverage(const CTeam& team, BOOL bScratch)
{
    int n = bScratch ? PASS_SCRATCH : PASS_HANDICAP;
    return RoundedAverage(team.m_nPins[n], team.m_nGames[n]);
}

long GetTeamOpponentsGameAverage(const CTeam& team, BOOL bScratch)
{
    int n = bScratch ? PASS_SCRATCH : PASS_HANDICAP;
    return RoundedAverage(team.m_nOppPins[n], team.m_nOppGames[n]);
}

CRepItem_CustomItem::CRepItem_CustomItem()
    : m_nJustify(JUSTIFY_RIGHT), m_nColumnType(CC_SPACE), m_nPosition(0), m_nWidth(50), m_bHeader(0),
      m_nKind(SK_HANDICAP), m_pTeam(nullptr), m_pFontObject(nullptr)
{
}

void CRepItem_CustomItem::Serialize(CArchive& ar)
{
    SerializeTableColumn(ar, m_nColumnType, m_strTitle, m_nJustify, m_nWidth);
}

void CRepItem_CustomItem::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    const auto* p = dynamic_cast<const CRepItem_CustomItem*>(&other);
    if (!p)
        return;
    m_pTeam = p->m_pTeam;
    m_nJustify = p->m_nJustify;
    m_strTitle = p->m_strTitle;
    m_nKind = p->m_nKind;
    m_nPosition = p->m_nPosition;
    m_nColumnType = p->m_nColumnType;
    m_bHeader = p->m_bHeader;
    m_nWidth = p->m_nWidth;
    m_font.CopyFrom(p->m_font);
}

long CRepItem_CustomItem::WonOfKind() const
{
    switch (m_nKind) {
    case SK_HANDICAP: return m_pTeam->m_nPointsWon[PASS_HANDICAP];
    case SK_SCRATCH: return m_pTeam->m_nPointsWon[PASS_SCRATCH];
    case SK_COMBINED: return m_pTeam->m_nCombinedWon;
    case SK_PYRAMID_SCRATCH: return m_pTeam->m_nPyramidWon[PASS_SCRATCH];
    case SK_PYRAMID_HANDICAP: return m_pTeam->m_nPyramidWon[PASS_HANDICAP];
    default: return 0;
    }
}

long CRepItem_CustomItem::LostOfKind() const
{
    switch (m_nKind) {
    case SK_HANDICAP: return m_pTeam->m_nPointsLost[PASS_HANDICAP];
    case SK_SCRATCH: return m_pTeam->m_nPointsLost[PASS_SCRATCH];
    case SK_COMBINED: return m_pTeam->m_nCombinedLost;
    case SK_PYRAMID_SCRATCH: return m_pTeam->m_nPyramidLost[PASS_SCRATCH];
    case SK_PYRAMID_HANDICAP: return m_pTeam->m_nPyramidLost[PASS_HANDICAP];
    default: return 0;
    }
}

CString CRepItem_CustomItem::GetCellText(BOOL bHtml) const
{
    CString s;
    int nType = GetEffectiveType();
    if (nType == CC_ERROR) {
        if (bHtml)
            s.Format("%02d?", m_nKind);
        else
            s = "???";
        return s;
    }
    if (!m_pTeam || nType == CC_SPACE)
        return s;
    const CTeam& t = *m_pTeam;
    const bool bScr = IsScratchSide() != FALSE;
    const int nSide = bScr ? PASS_SCRATCH : PASS_HANDICAP;
    const long long G = t.m_nGames[nSide];
    const long long S = bScr ? t.m_nPins[PASS_SCRATCH] : t.m_nHcpScrPins;
    const long long H = t.m_nPins[PASS_HANDICAP];
    const long long Gh = t.m_nGames[PASS_HANDICAP];
    const long long Gs = t.m_nGames[PASS_SCRATCH];
    const long long P = m_pDoc ? m_pDoc->m_nPlayersPerTeam : 0;
    const long long M = m_pDoc ? m_pDoc->m_nGamesPerMatch : 0;
    char buf[POINTS_TEXT_SIZE];

    // Pins per player game, scaled: 0 when there are no pins or no games.
    auto perPlayer = [&](long long nPins, long long nGames, long long nScale) -> unsigned {
        if (nPins == 0 || nGames == 0 || P == 0)
            return 0;
        return static_cast<WORD>(nPins * nScale / (P * nGames));
    };
    auto pointsPerMatch = [&](long long nGames, long nWon) {
        long long m = M ? nGames / M : 0;
        FormatPoints(m_pDoc, m ? static_cast<long>(nWon / m) : 0, buf);
        return CString(buf);
    };
    auto diff = [&](BOOL bScratch) {
        long d = GetTeamGameAverage(t, bScratch) - GetTeamOpponentsGameAverage(t, bScratch);
        CString r;
        r.Format(d > 0 ? "+%ld" : "%ld", d);
        return r;
    };

    switch (nType) {
    case CC_POSITION: {
        int p = m_nPosition;
        if (m_pDoc && m_pDoc->m_bDivisions && t.m_nDivision < 16)
            p -= m_pDoc->m_nDivisionOffset[t.m_nDivision];
        s.Format("%d", p);
        break;
    }
    case CC_TEAM_NAME: s = t.m_strName; break;
    case CC_POINTS_WON: FormatPoints(m_pDoc, WonOfKind(), buf); s = buf; break;
    case CC_POINTS_LOST: FormatPoints(m_pDoc, LostOfKind(), buf); s = buf; break;
    case CC_GAMES: s.Format("%d", static_cast<int>(G)); break;
    case CC_SCRATCH_PINS: s.Format("%ld", static_cast<long>(S)); break;
    case CC_HCP_PINS: s.Format("%ld", static_cast<long>(H)); break;
    case CC_HIGH_GAME_HCP: s.Format("%d", t.m_nHighGame[PASS_HANDICAP]); break;
    case CC_HIGH_GAME_SCR: s.Format("%d", t.m_nHighGame[PASS_SCRATCH]); break;
    case CC_HIGH_SERIES_HCP: s.Format("%d", t.m_nHighSeries[PASS_HANDICAP]); break;
    case CC_HIGH_SERIES_SCR: s.Format("%d", t.m_nHighSeries[PASS_SCRATCH]); break;
    case CC_DRAWN: s.Format("%d", t.m_nDrawn[nSide]); break;
    case CC_AVG_TEAM_HCP: s.Format("%ld", GetTeamGameAverage(t, FALSE)); break;
    case CC_AVG_TEAM_SCR: s.Format("%ld", GetTeamGameAverage(t, TRUE)); break;
    case CC_AVG_PLAYER_HCP: s.Format("%u", perPlayer(H, Gh, 1)); break;
    case CC_AVG_PLAYER_SCR: {
        unsigned v = 0;
        if (S != 0 && G != 0 && P != 0)
            v = static_cast<unsigned>((S + (P * G) / 2) / (P * G));
        s.Format("%u", v);
        break;
    }
    case CC_PCT_WON: {
        double d = 0.0;
        long long W = WonOfKind();
        long long L = LostOfKind();
        // Games bowled without a point won or lost read as 0.00.
        if (G != 0 && W + L != 0) {
            double pct = static_cast<double>(W) * 100.0 / static_cast<double>(W + L);
            d = static_cast<double>(static_cast<long long>(pct * 100.0)) * 0.01;
        }
        s.Format("%5.02f", d);
        break;
    }
    case CC_AVG_PLAYER_HCP_1: { unsigned v = perPlayer(H, Gh, 10); s.Format("%u.%d", v / 10, static_cast<int>(v % 10)); break; }
    case CC_AVG_PLAYER_SCR_1: { unsigned v = perPlayer(S, G, 10); s.Format("%u.%d", v / 10, static_cast<int>(v % 10)); break; }
    case CC_AVG_PLAYER_HCP_2: { unsigned v = perPlayer(H, Gh, 100); s.Format("%u.%02d", v / 100, static_cast<int>(v % 100)); break; }
    case CC_AVG_PLAYER_SCR_2: { unsigned v = perPlayer(S, G, 100); s.Format("%u.%02d", v / 100, static_cast<int>(v % 100)); break; }
    case CC_MATCHES: s.Format("%d", static_cast<int>(M ? G / M : 0)); break;
    case CC_DIFF_SCR: s = diff(TRUE); break;
    case CC_DIFF_HCP: s = diff(FALSE); break;
    case CC_OPP_AVG_SCR: s.Format("%ld", GetTeamOpponentsGameAverage(t, TRUE)); break;
    case CC_OPP_AVG_HCP: s.Format("%ld", GetTeamOpponentsGameAverage(t, FALSE)); break;
    case CC_GAMES_WON_SCR: FormatSignedHalfPoints(t.m_nGamesWon[PASS_SCRATCH], buf); s = buf; break;
    case CC_GAMES_LOST_SCR: FormatSignedHalfPoints(t.m_nGamesLost[PASS_SCRATCH], buf); s = buf; break;
    case CC_GAMES_WON_HCP: FormatSignedHalfPoints(t.m_nGamesWon[PASS_HANDICAP], buf); s = buf; break;
    case CC_GAMES_LOST_HCP: FormatSignedHalfPoints(t.m_nGamesLost[PASS_HANDICAP], buf); s = buf; break;
    case CC_PTS_PER_MATCH_HCP:
        s = pointsPerMatch(Gh, t.m_nPyramidWon[PASS_HANDICAP] + t.m_nPointsWon[PASS_HANDICAP]);
        break;
    case CC_PTS_PER_MATCH_SCR:
        s = pointsPerMatch(Gs, t.m_nPyramidWon[PASS_SCRATCH] + t.m_nPointsWon[PASS_SCRATCH]);
        break;
    case CC_PTS_PER_MATCH_ALL:
        s = pointsPerMatch(Gh + Gs, t.m_nPyramidWon[PASS_SCRATCH] + t.m_nPointsWon[PASS_SCRATCH] +
                                        t.m_nPyramidWon[PASS_HANDICAP] + t.m_nPointsWon[PASS_HANDICAP]);
        break;
    default: break;
    }
    return s;
}

void CRepItem_CustomItem::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (m_nColumnType == CC_SPACE || (!m_bHeader && !m_pTeam))
        return;
    int nWidth = GetWidthTwips();
    COLORREF crOld = pDC->GetTextColor();
    CFont* pOldFont = pDC->GetCurrentFont();
    int nLine = m_font.GetLineHeight(0);
    if (m_pFontObject)
        pDC->SelectObject(m_pFontObject);
    pDC->SetTextColor(m_font.m_crColour);
    CString text = m_bHeader ? m_strTitle : GetCellText(FALSE);
    int nTextWidth = pDC->GetTextExtent(text).cx;
    CPoint pt(m_x, m_y);
    if (m_nJustify == JUSTIFY_CENTRE)
        pt.x += (nWidth - nTextWidth) / 2;
    else if (m_nJustify == JUSTIFY_RIGHT)
        pt.x += nWidth;
    if (m_nJustify == JUSTIFY_RIGHT)
        DrawTextRightAligned(pDC, &pt, text, 0);
    else
        DrawTextClipped(pDC, &pt, text, m_nJustify == JUSTIFY_LEFT ? m_nMaxWidth : 0);
    if (m_pTeam && m_nColumnType == CC_TEAM_NAME) {
        int nLeft = m_nJustify == JUSTIFY_RIGHT ? pt.x - nTextWidth : pt.x;
        m_pTeam->AddHitRect(CRect(nLeft, m_y, nLeft + nTextWidth, m_y + nLine));
    }
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(crOld);
}

void CRepItem_CustomItem::WriteHtml(CStdioFile& file)
{
    if (m_nColumnType == CC_SPACE)
        return;
    CString text;
    if (m_bHeader)
        text = m_strTitle;
    else if (!m_pTeam)
        return;
    else
        text = GetCellText(TRUE);
    WriteJustifiedHtmlCell(file, m_font, text, m_nJustify);
}
