#include "reports/layout/FixtureItems.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"
#include "league/Venue.h"
#include "reports/layout/FixturesByWeekDlg.h"
#include "reports/layout/ItemFont.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRepItem_FixWeek, CRepItem, 1)
IMPLEMENT_DYNAMIC(CRepItem_FreeDate, CRepItem)
IMPLEMENT_SERIAL(CRepItem_FixTeam, CRepItem, 1)

namespace {

const char kWeekHddrFailure[] = "System Error - Failed to create Hddr font in ri_fixsw";
const char kWeekDetsFailure[] = "System Error - Failed to create Dets font in ri_fixsw";
const char kFreeDateFailure[] = "System Error - Failed to create FD font in ri_fixsw";
const char kTeamHddrFailure[] = "System Error - Failed to create Hddr font in ri_fixsh";
const char kTeamDetsFailure[] = "System Error - Failed to create Dets font in ri_fixsh";

// Name gaps either side of a round list's column centre, and where its lane numbers end.
constexpr int kNameGap = 360;
constexpr int kLaneGap = 72;
// The columns of a team's fixture line.
constexpr int kHomeNameRight = 6120;
constexpr int kHomeLaneRight = 6390;
constexpr int kVersusRight = 6516;
constexpr int kAwayLaneLeft = 6570;
constexpr int kAwayNameLeft = 6840;
constexpr int kPositionRoundCentre = 6480;

CTeam* SideTeam(const CBowlingDoc* pDoc, const CFixture* f, int nSide)
{
    CTeam* pTeam = nSide == 0 ? f->m_pTeamA : f->m_pTeamB;
    if (!pTeam && pDoc)
        pTeam = pDoc->FindTeam(nSide == 0 ? f->m_nTeamA : f->m_nTeamB);
    return pTeam;
}

CString TeamName(const CTeam* pTeam)
{
    return pTeam ? pTeam->m_strName : CString();
}

BOOL IsByeTeam(const CTeam* pTeam)
{
    return pTeam && pTeam->IsBye();
}

// A damaged file can hold any column count; anything but 2 or 3 is one column.
int PrintColumns(const CBowlingDoc* pDoc)
{
    int n = pDoc ? pDoc->m_nFixturePrintColumns : 1;
    return n == 2 || n == 3 ? n : 1;
}

int FirstColumnCentre(int nColumns)
{
    return nColumns == 2 ? 3120 : nColumns == 3 ? 2400 : PAGE_CENTRE;
}

CString MatchDate(const CFixture* f, DWORD bOmitTime)
{
    return f->m_timeDue.Format(bOmitTime ? "%a %d %b %y" : "%a %d %b %y at %I:%M %p");
}

// The lane table holds the league's lanes (or a venue's) for the match being shown. A table
// left behind by another venue's round, or never built since the league was read, would
// give wrong lanes, so a match without a venue rebuilds it for the league's own lanes.
const CVenue* PrepareLanes(CBowlingDoc* pDoc, const CFixture* f)
{
    if (!pDoc)
        return nullptr;
    pDoc->BuildLaneTable(f->m_nVenue);
    return f->m_nVenue ? pDoc->FindVenue(f->m_nVenue) : nullptr;
}

CString LaneText(const CBowlingDoc* pDoc, const CFixture* f, int nSide)
{
    int nLane = FixtureLaneEntry(pDoc, f, nSide);
    CString s;
    if (nLane >= 0)
        s.Format("%d", nLane);
    return s;
}

// A lane number ending at x (bRight) or starting there; nothing for a match without a lane.
void DrawLane(CDC* pDC, int x, int y, const CString& lane, bool bRight)
{
    if (lane.IsEmpty())
        return;
    CPoint pt(x, y);
    if (bRight)
        DrawTextRightAligned(pDC, &pt, lane, 0);
    else
        DrawTextClipped(pDC, &pt, lane, 0);
}

void UseFont(CDC* pDC, CFont& font, const CFontData& data)
{
    pDC->SelectObject(&font);
    pDC->SetTextColor(data.m_crColour);
}

int TextWidth(CDC* pDC, const CString& text)
{
    return pDC->GetTextExtent(text).cx;
}

} // namespace

int FixtureLaneEntry(const CBowlingDoc* pDoc, const CFixture* pFixture, int nSide)
{
    if (!pDoc || !pFixture)
        return -1;
    int nIndex = 2 * (static_cast<int>(pFixture->m_nMatch) - 1) + (nSide ? 1 : 0);
    if (pFixture->m_nMatch == 0 || nIndex >= static_cast<int>(sizeof(pDoc->m_nLaneTable)))
        return -1;
    return pDoc->m_nLaneTable[nIndex];
}

// --- the round's matches ------------------------------------------------------------------

CRepItem_FixWeek::CRepItem_FixWeek() : m_nRound(1), m_nItemVersion(1), m_bOmitLanes(0), m_bOmitTime(0)
{
    m_nType = RIT_FIX_WEEK;
    m_nPage = 1;
}

void CRepItem_FixWeek::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<BYTE>(1);
        if (CBowlingDoc::GetFileVersion() > 41) {
            m_fontDetail.Serialize(ar);
            m_fontHeading.Serialize(ar);
        }
        return;
    }
    ar >> m_nItemVersion;
    if (CBowlingDoc::GetFileVersion() > 41) {
        m_fontDetail.Serialize(ar);
        m_fontHeading.Serialize(ar);
    } else {
        m_fontDetail = CFontData();
        m_fontHeading = CFontData();
    }
}

void CRepItem_FixWeek::CopyFixWeek(const CRepItem_FixWeek& other)
{
    m_nRound = other.m_nRound;
    m_bOmitLanes = other.m_bOmitLanes;
    m_bOmitTime = other.m_bOmitTime;
    m_fontHeading.CopyFrom(other.m_fontHeading);
    m_fontDetail.CopyFrom(other.m_fontDetail);
}

void CRepItem_FixWeek::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_FixWeek*>(&other))
        CopyFixWeek(*p);
}

void CRepItem_FixWeek::ApplyDefaultFonts()
{
    CopyDefaultFont(m_pDoc, HEADING_FONT, m_fontHeading);
    CopyDefaultFont(m_pDoc, DETAIL_FONT, m_fontDetail);
}

int CRepItem_FixWeek::GetHeight(CDC* pDC)
{
    if (m_nRound == 0)
        return 0;
    EnsureLineHeight(pDC, m_fontHeading);
    EnsureLineHeight(pDC, m_fontDetail);
    const CFixture* pFirst = nullptr;
    int nMatches = 0;
    if (m_pDoc) {
        for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
            const auto* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
            if (f->m_nRound != m_nRound)
                continue;
            if (!pFirst)
                pFirst = f;
            ++nMatches;
        }
    }
    int nHeight = m_fontHeading.GetLineHeight(0);
    if (pFirst && pFirst->m_nTeamA && pFirst->m_nTeamB) {
        int nColumns = PrintColumns(m_pDoc);
        int nRows = (nMatches + nColumns - 1) / nColumns;
        nHeight += nRows * m_fontDetail.GetLineHeight(0);
    }
    return nHeight;
}

void CRepItem_FixWeek::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (m_nRound == 0 || !m_pDoc)
        return;
    CItemDrawState state(pDC);
    EnsureLineHeight(pDC, m_fontHeading);
    EnsureLineHeight(pDC, m_fontDetail);
    CFont fontHeading;
    CFont fontDetail;
    CreateItemFont(fontHeading, m_fontHeading, kWeekHddrFailure);
    CreateItemFont(fontDetail, m_fontDetail, kWeekDetsFailure);

    const int nColumns = PrintColumns(m_pDoc);
    const int nDetailLine = m_fontDetail.GetLineHeight(0);
    int y = m_y;
    int c = FirstColumnCentre(nColumns);
    bool bHeadingDrawn = false;
    int k = 0;  // matches drawn so far
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound != m_nRound)
            continue;
        if (!bHeadingDrawn) {
            bHeadingDrawn = true;
            UseFont(pDC, fontHeading, m_fontHeading);
            CString heading;
            heading.Format("Round %d   ", m_nRound);
            heading += MatchDate(f, m_bOmitTime);
            if (f->m_bPositionRound) {
                heading += "  Position Round ";
                heading += f->m_bPositionRoundScratch ? "(Scratch)" : "(Handicap)";
            }
            CPoint pt(PAGE_LEFT, y);
            DrawTextClipped(pDC, &pt, heading, 0);
            if (const CVenue* pVenue = PrepareLanes(m_pDoc, f)) {
                pt = CPoint(PAGE_RIGHT, y);
                DrawTextRightAligned(pDC, &pt, pVenue->m_strName, 0);
            }
            UseFont(pDC, fontDetail, m_fontDetail);
            y += m_fontHeading.GetLineHeight(0);
        }
        CTeam* pHome = SideTeam(m_pDoc, f, 0);
        CTeam* pAway = SideTeam(m_pDoc, f, 1);
        if (f->IsUnsetPositionMatch() || IsByeTeam(pHome) || IsByeTeam(pAway))
            continue;

        CString home = TeamName(pHome);
        CString away = TeamName(pAway);
        CPoint pt(c - kNameGap, y);
        DrawTextRightAligned(pDC, &pt, home, 0);
        if (m_bOmitLanes) {
            pt = CPoint(c - TextWidth(pDC, "v") / 2, y);
            DrawTextClipped(pDC, &pt, "v", 0);
        } else {
            DrawLane(pDC, c - kLaneGap, y, LaneText(m_pDoc, f, 0), true);
            DrawLane(pDC, c + kLaneGap, y, LaneText(m_pDoc, f, 1), false);
        }
        pt = CPoint(c + kNameGap, y);
        DrawTextClipped(pDC, &pt, away, 0);
        if (pHome)
            pHome->AddHitRect(CRect(c - kNameGap - TextWidth(pDC, home), y, c - kNameGap, y + nDetailLine));
        if (pAway)
            pAway->AddHitRect(CRect(c + kNameGap, y, c + kNameGap + TextWidth(pDC, away), y + nDetailLine));

        if (nColumns == 1) {
            if (m_pDoc->m_bSplitSessions) {
                pt = CPoint(PAGE_LEFT, y);
                DrawTextClipped(pDC, &pt, MatchDate(f, m_bOmitTime), 0);
            }
            y += nDetailLine;
        } else if (nColumns == 2) {
            if (k % 2 == 0) {
                c = 8400;
            } else {
                c = 3120;
                y += nDetailLine;
            }
        } else {
            if (k % 3 == 0) {
                c = 5760;
            } else if (k % 3 == 1) {
                c = 9120;
            } else {
                c = 2400;
                y += nDetailLine;
            }
        }
        ++k;
    }
}

void CRepItem_FixWeek::WriteHtml(CStdioFile& file)
{
    if (m_nRound == 0 || !m_pDoc)
        return;
    const int nColumns = PrintColumns(m_pDoc);
    int nCount = 0;
    bool bHeadingWritten = false;
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound != m_nRound)
            continue;
        if (!bHeadingWritten) {
            bHeadingWritten = true;
            file.WriteString("<CENTER><TABLE WIDTH=99%>\n");
            CString heading;
            heading.Format("Round %d   ", m_nRound);
            heading += MatchDate(f, m_bOmitTime);
            if (f->m_bPositionRound) {
                heading += "  Position Round ";
                heading += f->m_bPositionRoundScratch ? "(Scratch)" : "(Handicap)";
            }
            const CVenue* pVenue = PrepareLanes(m_pDoc, f);
            if (f->m_nVenue) {
                HtmlCellLeft(&file, &m_fontHeading, heading);
                HtmlCellRight(&file, &m_fontHeading, pVenue ? pVenue->m_strName.GetString() : "Unknown Venue");
            } else {
                HtmlCellCentre(&file, &m_fontHeading, heading);
            }
            file.WriteString("</TABLE></CENTER>\n");
            file.WriteString(nColumns == 3   ? "<CENTER><TABLE WIDTH=99% COLS=6>\n"
                             : nColumns == 2 ? "<CENTER><TABLE WIDTH=99% COLS=4>\n"
                                             : "<CENTER><TABLE WIDTH=99% COLS=2>\n");
        }
        if (f->IsUnsetPositionMatch())
            continue;
        CString home = TeamName(SideTeam(m_pDoc, f, 0));
        CString away = TeamName(SideTeam(m_pDoc, f, 1));
        if (!m_bOmitLanes) {
            CString lane = LaneText(m_pDoc, f, 0);
            if (!lane.IsEmpty())
                home += " " + lane;
            lane = LaneText(m_pDoc, f, 1);
            if (!lane.IsEmpty())
                away = lane + " " + away;
        }
        HtmlCellRight(&file, &m_fontDetail, home);
        HtmlCellLeft(&file, &m_fontDetail, away);
        ++nCount;
        if (nCount % nColumns == 0)
            file.WriteString("</TR>\n");
    }
    while (nCount % nColumns != 0) {
        file.WriteString("<TD><TD>\n");
        ++nCount;
    }
    file.WriteString("</TR>\n");
    file.WriteString("</TABLE></CENTER>\n");
}

void CRepItem_FixWeek::Edit()
{
    CRepItem_FixWeek saved;
    saved.CopyFixWeek(*this);
    CFixturesByWeekDlg dlg(this);
    if (dlg.DoModal() != IDOK) {
        // Cancel leaves the item as it was, even after a font button.
        CopyFixWeek(saved);
        return;
    }
    if (!dlg.m_bApplyToAll || !m_pDoc || !m_pDoc->m_pEditorItems)
        return;
    for (POSITION pos = m_pDoc->m_pEditorItems->GetHeadPosition(); pos;) {
        auto* p = dynamic_cast<CRepItem_FixWeek*>(m_pDoc->m_pEditorItems->GetNext(pos));
        if (p && p != this && p->m_nType == RIT_FIX_WEEK) {
            p->m_fontHeading.CopyFrom(m_fontHeading);
            p->m_fontDetail.CopyFrom(m_fontDetail);
        }
    }
}

// --- a free date --------------------------------------------------------------------------

CRepItem_FreeDate::CRepItem_FreeDate()
{
    m_nType = RIT_FIX_WEEK;
    m_nPage = 1;
}

void CRepItem_FreeDate::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_FreeDate*>(&other)) {
        m_time = p->m_time;
        m_strReason = p->m_strReason;
        m_fontLine.CopyFrom(p->m_fontLine);
        m_fontSecond.CopyFrom(p->m_fontSecond);
    }
}

void CRepItem_FreeDate::ApplyDefaultFonts()
{
    CopyDefaultFont(m_pDoc, CRepItem_FixWeek::HEADING_FONT, m_fontLine);
    CopyDefaultFont(m_pDoc, CRepItem_FixWeek::DETAIL_FONT, m_fontSecond);
}

int CRepItem_FreeDate::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_fontLine);
    return m_fontLine.GetLineHeight(10);
}

void CRepItem_FreeDate::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    CFont font;
    CreateItemFont(font, m_fontLine, kFreeDateFailure);
    UseFont(pDC, font, m_fontLine);
    CString text = "Free Date - ";
    text += m_time.Format("%a %d %b %Y");
    text += "    ";
    text += m_strReason;
    CPoint pt(PAGE_LEFT, m_y);
    DrawTextClipped(pDC, &pt, text, 0);
}

// --- a team's fixture line ----------------------------------------------------------------

CRepItem_FixTeam::CRepItem_FixTeam() : m_pFixture(nullptr), m_nTeamNo(0), m_bOmitLanes(0), m_bOmitTime(0)
{
    m_nType = RIT_FIX_TEAM;
    m_nPage = 1;
}

void CRepItem_FixTeam::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_FixTeam*>(&other)) {
        m_pFixture = p->m_pFixture;
        m_nTeamNo = p->m_nTeamNo;
        m_fontDetail.CopyFrom(p->m_fontDetail);
        m_fontHeading.CopyFrom(p->m_fontHeading);
        m_bOmitLanes = p->m_bOmitLanes;
        m_bOmitTime = p->m_bOmitTime;
    }
}

void CRepItem_FixTeam::ApplyDefaultFonts()
{
    CopyDefaultFont(m_pDoc, HEADING_FONT, m_fontHeading);
    CopyDefaultFont(m_pDoc, DETAIL_FONT, m_fontDetail);
}

int CRepItem_FixTeam::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_fontDetail);
    EnsureLineHeight(pDC, m_fontHeading);
    // Heights are negative: the taller line is the smaller number.
    return std::min(m_fontDetail.GetLineHeight(0), m_fontHeading.GetLineHeight(0));
}

void CRepItem_FixTeam::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pFixture)
        return;
    const CFixture* f = m_pFixture;
    CItemDrawState state(pDC);
    EnsureLineHeight(pDC, m_fontDetail);
    EnsureLineHeight(pDC, m_fontHeading);
    CFont fontHeading;
    CFont fontDetail;
    CreateItemFont(fontHeading, m_fontHeading, kTeamHddrFailure);
    CreateItemFont(fontDetail, m_fontDetail, kTeamDetsFailure);
    UseFont(pDC, fontDetail, m_fontDetail);

    CString when;
    when.Format("Rnd %2d ", f->m_nRound);
    when += f->m_timeDue.Format("%a ");
    when += f->m_timeDue.Format(m_bOmitTime ? "%d %b %y" : "%d %b %y at %I:%M %p");
    CPoint pt(PAGE_LEFT, m_y);
    DrawTextClipped(pDC, &pt, when, 0);

    const CVenue* pVenue = PrepareLanes(m_pDoc, f);
    if (f->m_bPositionRound) {
        UseFont(pDC, fontHeading, m_fontHeading);
        const char* pszText = f->m_bPositionRoundScratch ? "Scratch Position Round." : "Handicap Position Round.";
        pt = CPoint(kPositionRoundCentre - TextWidth(pDC, pszText) / 2, m_y);
        DrawTextClipped(pDC, &pt, pszText, 0);
    } else {
        if (m_bOmitLanes) {
            pt = CPoint(kVersusRight, m_y);
            DrawTextRightAligned(pDC, &pt, "v", 0);
        } else {
            DrawLane(pDC, kHomeLaneRight, m_y, LaneText(m_pDoc, f, 0), true);
            DrawLane(pDC, kAwayLaneLeft, m_y, LaneText(m_pDoc, f, 1), false);
        }
        for (int nSide = 0; nSide < 2; ++nSide) {
            CTeam* pTeam = SideTeam(m_pDoc, f, nSide);
            WORD nTeamNo = nSide == 0 ? f->m_nTeamA : f->m_nTeamB;
            bool bOwn = m_nTeamNo == ALL_TEAMS || m_nTeamNo == nTeamNo;
            const CFontData& data = bOwn ? m_fontDetail : m_fontHeading;
            UseFont(pDC, bOwn ? fontDetail : fontHeading, data);
            CString name = TeamName(pTeam);
            int x = nSide == 0 ? kHomeNameRight - TextWidth(pDC, name) : kAwayNameLeft;
            pt = CPoint(x, m_y);
            DrawTextClipped(pDC, &pt, name, 0);
            if (pTeam)
                pTeam->AddHitRect(CRect(x, m_y, x + NAME_RECT_WIDTH, m_y + data.GetLineHeight(0)));
        }
    }
    if (pVenue) {
        UseFont(pDC, fontDetail, m_fontDetail);
        pt = CPoint(PAGE_RIGHT, m_y);
        DrawTextRightAligned(pDC, &pt, pVenue->m_strName, 0);
    }
}
