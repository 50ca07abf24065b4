#include "reports/stats/PlayerItem.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/PointsText.h"
#include "league/Team.h"
#include "reports/stats/TableColumn.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRepItem_PlayerItem, CRepItem, 1)

const char* GetPlayerColumnName(int nType)
{
    static const char* const names[PC_COUNT] = {
        "Space", "Name", "Handicap", "Avg (Playing)", "Entering Avg.", "Difference", "Games", "Scratch Pinfall",
        "Hcap. Pinfall", "High Game Hcap.", "High Game Scr.", "High Series Hcp.", "High Series Scr.", "Wins (Scr)",
        "Category", "P.I.N.", "LGFA No.", "Avg. (Integer)", "Avg (Real)", "Position", "E. Avg (Integer)",
        "Scr % Wins .00", "Scr % Wins .0", "Hcp % Wins .00", "Hcp % Wins .0", "Last Match Scr", "Last Match Hcp",
        "Wins (Hcp)", "Pinfall (Hcap Calc)", "Real Average", "Average Buster", "Pct Games Played", "Error",
    };
    return nType >= 0 && nType < PC_COUNT ? names[nType] : "";
}

namespace {

// A percentage of wins (half wins over games) with nDigits decimals, rounded on the last one:
// the quotient is taken to one digit more, 5 added and the digit dropped. Worked in floating
// point so that a long season's wins cannot overflow.
CString PercentWins(DWORD nWins, DWORD nGames, int nDigits)
{
    long v = 0;
    if (nGames != 0) {
        const double dScale = nDigits == 2 ? 50000.0 : 5000.0;
        v = (static_cast<long>(nWins * dScale / nGames) + 5) / 10;
    }
    CString s;
    if (nDigits == 2)
        s.Format("%ld.%02ld", v / 100, v % 100);
    else
        s.Format("%ld.%ld", v / 10, v % 10);
    return s;
}

CString Tenths(long v)
{
    CString s;
    s.Format("%ld.%ld", v / 10, v % 10);
    return s;
}

} // namespace

CRepItem_PlayerItem::CRepItem_PlayerItem()
    : m_nJustify(JUSTIFY_RIGHT), m_nKind(PK_HANDICAP), m_nColumnType(PC_SPACE), m_nWidthTwips(0), m_nWidth(15),
      m_bHeader(0), m_bTeamMode(0), m_bMark(0), m_pPlayer(nullptr), m_nListNo(0), m_pTeam(nullptr),
      m_pFontObject(nullptr)
{
}

void CRepItem_PlayerItem::Serialize(CArchive& ar)
{
    SerializeTableColumn(ar, m_nColumnType, m_strTitle, m_nJustify, m_nWidth);
}

void CRepItem_PlayerItem::CopyFrom(const CRepItem& other)
{
    const auto* p = dynamic_cast<const CRepItem_PlayerItem*>(&other);
    if (!p || p == this)
        return;
    // The column copies the document only; its place and type byte are the owner's business.
    m_pDoc = p->m_pDoc;
    m_pPlayer = p->m_pPlayer;
    m_nListNo = p->m_nListNo;
    m_bTeamMode = p->m_bTeamMode;
    m_pTeam = p->m_pTeam;
    m_bHeader = p->m_bHeader;
    m_nJustify = p->m_nJustify;
    m_strTitle = p->m_strTitle;
    m_nKind = p->m_nKind;
    m_nWidthTwips = p->m_nWidthTwips;
    m_nWidth = p->m_nWidth;
    m_bMark = p->m_bMark;
    m_nColumnType = p->m_nColumnType;
    m_font.CopyFrom(p->m_font);
}

int CRepItem_PlayerItem::AverageTenths(BOOL bSeasonAverage) const
{
    CPlayer* p = m_pPlayer;
    const WORD nMinGames = m_pDoc ? m_pDoc->m_nEnteringAvgGames : 0;
    const DWORD bRolling = p->m_bRollingAvg;
    const WORD nPlaying = p->m_nAverage;
    if (bSeasonAverage)
        p->m_bRollingAvg = 0;
    const double a = p->GetAverage(!IsScratchSet(), nMinGames);
    p->m_bRollingAvg = bRolling;
    // The season's figure is for the cell: the bowler keeps bowling on his playing average.
    if (bSeasonAverage)
        p->m_nAverage = nPlaying;
    return static_cast<int>(a * 10.0);
}

void CRepItem_PlayerItem::GetLastMatch(BOOL bHandicap, CString& strText) const
{
    strText.Empty();
    if (!m_pDoc || !m_pPlayer)
        return;
    int games[MAX_GAMES] = {};
    const CFixture* pTaken = nullptr;
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos && !pTaken;) {
        const auto* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        const int nSide = f->m_nRound == m_pDoc->m_nCurrentRound ? f->GetSideCountingFor(m_pPlayer) : -1;
        if (nSide < 0 || !f->m_bPlayed[nSide])
            continue;
        for (int g = 0; g < std::clamp<int>(f->m_nGames, 1, MAX_GAMES); ++g)
            games[g] = f->GetBowledGameOf(m_pPlayer, nSide, g).Value(bHandicap ? 1 : 0);
        pTaken = f;
    }
    if (!pTaken)
        return;
    const int s = games[0] + games[1] + games[2] + games[3];
    if (s == 0)
        return;
    switch (std::clamp<int>(pTaken->m_nGames, 1, MAX_GAMES)) {
    case 1: strText.Format("%3d %4d", games[0], s); break;
    case 2: strText.Format("%3d %3d %4d", games[0], games[1], s); break;
    case 3: strText.Format("%3d %3d %3d %4d", games[0], games[1], games[2], s); break;
    default: strText.Format("%3d %3d %3d %3d %4d", games[0], games[1], games[2], games[3], s); break;
    }
}

void CRepItem_PlayerItem::GetLastMatchScratch(CString& strText) const
{
    GetLastMatch(FALSE, strText);
}

void CRepItem_PlayerItem::GetLastMatchHandicap(CString& strText) const
{
    GetLastMatch(TRUE, strText);
}

CString CRepItem_PlayerItem::GetCellText(BOOL bScreen) const
{
    CString s;
    if (!m_pPlayer)
        return s;
    CPlayer& p = *m_pPlayer;
    const int nSet = IsScratchSet() ? PASS_SCRATCH : PASS_HANDICAP;
    char buf[POINTS_TEXT_SIZE];
    switch (m_nColumnType) {
    case PC_SPACE:
        break;
    case PC_NAME:
        if (bScreen && m_bMark && p.m_bCountedInTeamTotal)
            s = "*";
        s += p.m_strName;
        if (m_bTeamMode) {
            const bool bReserve = (p.m_wFlags & PF_TEAM_RESERVE) != 0;
            if (m_pTeam && m_pTeam->m_nCaptain == p.m_nPlayerNo)
                s += bReserve ? " (cr)" : " (c)";
            else if (bReserve)
                s += " (r)";
        }
        break;
    case PC_HANDICAP: s.Format("%d", p.m_nHandicap); break;
    case PC_AVG_PLAYING: s = Tenths(AverageTenths(FALSE)); break;
    case PC_ENTERING_AVG: {
        const int e = p.GetEnteringAverage(TRUE);
        if (e != 0)
            s = Tenths(e);
        break;
    }
    case PC_DIFFERENCE: {
        const int e = p.GetEnteringAverage(TRUE);
        if (e == 0)
            break;
        int d = AverageTenths(TRUE) - e;
        const char* pszSign = d < 0 ? "-" : "+";
        d = std::abs(d);
        s.Format("%s%d.%d", pszSign, d / 10, d % 10);
        break;
    }
    case PC_GAMES: s.Format("%lu", static_cast<unsigned long>(p.m_nGames[nSet])); break;
    case PC_SCRATCH_PINS: s.Format("%lu", static_cast<unsigned long>(p.m_nPins[nSet])); break;
    case PC_HCP_PINS: s.Format("%lu", static_cast<unsigned long>(p.m_nHcpPins)); break;
    case PC_HIGH_GAME_HCP: s.Format("%d", p.GetHighGameHcp()); break;
    case PC_HIGH_GAME_SCR: s.Format("%d", p.GetHighGameScratch()); break;
    case PC_HIGH_SERIES_HCP: s.Format("%d", p.GetHighSeriesHcp()); break;
    case PC_HIGH_SERIES_SCR: s.Format("%d", p.GetHighSeriesScratch()); break;
    case PC_WINS_SCR: FormatPoints(m_pDoc, static_cast<long>(p.m_nWins[PASS_SCRATCH]), buf); s = buf; break;
    case PC_CATEGORY:
        if (p.m_nCategory != 0)
            s.Format("%c", p.m_nCategory + 64);
        break;
    case PC_PIN: s.Format("%d", p.m_nPin); break;
    case PC_MEMBERSHIP_NO: s = p.m_strMembershipNo; break;
    case PC_AVG_INTEGER: s.Format("%d", AverageTenths(FALSE) / 10); break;
    case PC_AVG_REAL: {
        const DWORD nGames = p.m_nGames[nSet];
        s.Format("%5.2f", nGames ? static_cast<double>(p.m_nPins[nSet]) / nGames : 0.0);
        break;
    }
    case PC_POSITION:
        if (m_bTeamMode)
            s = "n/a";
        else
            s.Format("%d", m_nListNo);
        break;
    case PC_ENTERING_AVG_INTEGER: s.Format("%d", p.GetEnteringAverage(TRUE) / 10); break;
    case PC_SCR_PCT_WINS_2: s = PercentWins(p.m_nWins[PASS_SCRATCH], p.GetHighScoreGames(PASS_SCRATCH), 2); break;
    case PC_SCR_PCT_WINS_1: s = PercentWins(p.m_nWins[PASS_SCRATCH], p.GetHighScoreGames(PASS_SCRATCH), 1); break;
    case PC_HCP_PCT_WINS_2: s = PercentWins(p.m_nWins[PASS_HANDICAP], p.GetHighScoreGames(PASS_HANDICAP), 2); break;
    case PC_HCP_PCT_WINS_1: s = PercentWins(p.m_nWins[PASS_HANDICAP], p.GetHighScoreGames(PASS_HANDICAP), 1); break;
    case PC_LAST_MATCH_SCR: GetLastMatchScratch(s); break;
    case PC_LAST_MATCH_HCP: GetLastMatchHandicap(s); break;
    case PC_WINS_HCP: FormatPoints(m_pDoc, static_cast<long>(p.m_nWins[PASS_HANDICAP]), buf); s = buf; break;
    case PC_PINS_HCP_CALC: {
        long nPins = 0;
        if (p.m_bRollingAvg) {
            const CWordArray& window = p.m_arrRolling[nSet];
            for (int i = 0; i < window.GetSize(); ++i)
                nPins += window[i];
        } else {
            nPins = static_cast<long>(p.m_nPins[nSet]);
        }
        s.Format("%ld", nPins);
        break;
    }
    case PC_REAL_AVERAGE: s = Tenths(AverageTenths(TRUE)); break;
    case PC_AVG_BUSTER: s.Format("%d", p.m_nAvgBusterSeason); break;
    case PC_PCT_GAMES_PLAYED:
        s.Format("%4.1f", p.GetPctGamesPlayed(m_pDoc ? static_cast<int>(m_pDoc->m_bHandicapLeague) : 1,
                                              m_pDoc ? m_pDoc->m_nCurrentRound : 0));
        break;
    default:
        s = "??";
        break;
    }
    return s;
}

CString CRepItem_PlayerItem::GetHeaderText() const
{
    if (m_bTeamMode && m_nColumnType == PC_NAME && m_pTeam)
        return m_pTeam->m_strName;
    return m_strTitle;
}

void CRepItem_PlayerItem::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (m_nColumnType == PC_SPACE || (!m_bHeader && !m_pPlayer) || (m_bHeader && m_bTeamMode && !m_pTeam))
        return;
    const COLORREF crOld = pDC->GetTextColor();
    CFont* pOldFont = pDC->GetCurrentFont();
    const int nLine = m_font.GetLineHeight(0);
    if (m_pFontObject)
        pDC->SelectObject(m_pFontObject);
    pDC->SetTextColor(m_font.m_crColour);
    const CString text = m_bHeader ? GetHeaderText() : GetCellText(TRUE);
    const int w = pDC->GetTextExtent(text).cx;
    CPoint pt(m_x, m_y);
    if (m_nJustify == JUSTIFY_CENTRE)
        pt.x += m_nWidthTwips / 2 - w / 2;
    else if (m_nJustify == JUSTIFY_RIGHT)
        pt.x += m_nWidthTwips;
    if (m_nJustify == JUSTIFY_RIGHT)
        DrawTextRightAligned(pDC, &pt, text, 0);
    else
        DrawTextClipped(pDC, &pt, text, m_nJustify == JUSTIFY_LEFT ? m_nMaxWidth : 0);
    if (m_nColumnType == PC_NAME) {
        const int nLeft = m_nJustify == JUSTIFY_RIGHT ? pt.x - w : pt.x;
        const CRect rc(nLeft, m_y, nLeft + w, m_y + nLine);
        if (!m_bHeader)
            m_pPlayer->AddHitRect(rc);
        else if (m_bTeamMode && m_pTeam)
            m_pTeam->AddHitRect(rc);
    }
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(crOld);
}

void CRepItem_PlayerItem::WriteHtml(CStdioFile& file)
{
    if (m_nColumnType == PC_SPACE)
        return;
    CString text;
    if (m_bHeader) {
        if (m_bTeamMode && !m_pTeam) {
            file.WriteString("<TD></TD>\n");
            return;
        }
        text = GetHeaderText();
    } else {
        if (!m_pPlayer) {
            file.WriteString("<TD></TD>\n");
            return;
        }
        text = GetCellText(FALSE);
    }
    WriteJustifiedHtmlCell(file, m_font, text, m_nJustify);
}
