#include "reports/stats/PlayerStatsList.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/layout/ItemText.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CRepItem_PlayerStats, CRepItem, 1)

namespace {

// Column positions by block: three-column layout, then two-column layout.
struct BlockColumns
{
    int name, hcp, avg, pinsHead, pins, gms;
};
constexpr BlockColumns kThree[3] = {
    {720, 2448, 3024, 3456, 3600, 3888},
    {4116, 5844, 6420, 6852, 6996, 7284},
    {7584, 9312, 9888, 10320, 10464, 10752},
};
constexpr BlockColumns kTwo[2] = {
    {720, 3744, 4464, 5112, 5112, 5616},
    {5904, 8928, 9648, 10296, 10296, 10800},
};

const BlockColumns& Block(BOOL bTwoColumns, int j)
{
    return bTwoColumns ? kTwo[j] : kThree[j];
}

constexpr BYTE kByTeamBit = 0x80;
constexpr BYTE kTwoColumnsBit = 0x40;

using ItemText::Left;
using ItemText::Right;

// A name cut short of the text that follows it, right-aligned at xNext.
void NameUpTo(CDC* pDC, int x, int y, const CString& name, int xNext, const CString& next)
{
    constexpr int kNameGap = 72;
    CPoint pt(x, y);
    DrawTextClipped(pDC, &pt, name, std::max(xNext - static_cast<int>(pDC->GetTextExtent(next).cx) - kNameGap - x, 1));
}

BOOL HasMark(const CBowlingDoc* pDoc, const CPlayer* p)
{
    return p->GetEnteringAverage(FALSE) != 0 && p->m_nGames[PASS_HANDICAP] < pDoc->m_nEnteringAvgGames;
}

BOOL InGroup(const CPlayer* p, int nGroup)
{
    switch (nGroup) {
    case PSG_MALE: return (p->m_wFlags & PF_MALE) != 0;
    case PSG_FEMALE: return (p->m_wFlags & PF_FEMALE) != 0;
    case PSG_JUNIOR: return (p->m_wFlags & PF_JUNIOR) != 0;
    default: return TRUE;
    }
}

void Write(CStdioFile& file, const char* psz)
{
    file.WriteString(psz);
}

void WriteEmptyPlace(CStdioFile& file, BOOL bHcp)
{
    for (int i = bHcp ? 5 : 4; i > 0; --i)
        Write(file, "<TD> </TD>\n");
}

void WriteCell(CStdioFile& file, const CString& text)
{
    Write(file, "<TD>");
    Write(file, HtmlEscape(text));
    Write(file, "</TD>\n");
}

void WritePlayerCells(CStdioFile& file, CBowlingDoc* pDoc, CPlayer* p, int nScoring, BOOL bHcp)
{
    if (!p) {
        WriteEmptyPlace(file, bHcp);
        return;
    }
    PlayerStatsTexts t = MakePlayerStatsTexts(pDoc, p, nScoring);
    WriteCell(file, p->m_strName);
    if (bHcp)
        WriteCell(file, t.hcp);
    WriteCell(file, t.avg);
    WriteCell(file, t.pins);
    WriteCell(file, t.games);
}

} // namespace

PlayerStatsTexts MakePlayerStatsTexts(CBowlingDoc* pDoc, CPlayer* p, int nScoring)
{
    PlayerStatsTexts t;
    const int nSet = nScoring ? PASS_HANDICAP : PASS_SCRATCH;
    t.bMark = HasMark(pDoc, p);
    t.hcp.Format(" %c%d", t.bMark ? 'e' : ' ', p->m_nHandicap);
    const long tenths = static_cast<long>(p->GetAverage(nScoring ? TRUE : FALSE, pDoc->m_nEnteringAvgGames) * 10.0);
    const char cCategory = " ABC"[p->m_nCategory <= 3 ? p->m_nCategory : 0];
    t.avg.Format(" %c%ld.%ld", cCategory, tenths / 10, tenths % 10);
    t.pins.Format("%u", static_cast<unsigned>(p->m_nPins[nSet]));
    t.games.Format("%d", static_cast<int>(p->m_nGames[nSet]));
    return t;
}

CRepItem_PlayerStats::CRepItem_PlayerStats()
    : m_nScoring(0), m_nGroup(PSG_MALE), m_bByTeam(0), m_bTwoColumns(0), m_nEntries(0), m_wEntries{}
{
    m_nType = RIT_PLAYER_STATS;
    m_nPage = 1;
    m_nFlag = 0;
}

void CRepItem_PlayerStats::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring()) {
        BYTE packed = 0;
        if (m_bByTeam)
            packed |= kByTeamBit;
        else
            packed |= static_cast<BYTE>(m_nGroup & 0x0F);
        if (m_bTwoColumns)
            packed |= kTwoColumnsBit;
        ar << packed << m_nScoring;
    } else {
        BYTE packed = 0;
        BYTE scoring = 0;
        ar >> packed >> scoring;
        m_bByTeam = (packed & kByTeamBit) ? 1 : 0;
        m_bTwoColumns = (packed & kTwoColumnsBit) ? 1 : 0;
        // Only four groups exist; anything else lists everybody rather than nobody.
        m_nGroup = static_cast<BYTE>(packed & 0x0F);
        if (m_nGroup > PSG_COMBINED)
            m_nGroup = PSG_COMBINED;
        m_nScoring = scoring ? 1 : 0;
    }
}

void CRepItem_PlayerStats::CopyOptionsFrom(const CRepItem_PlayerStats& other)
{
    m_nType = other.m_nType;
    m_nPage = other.m_nPage;
    m_nFlag = other.m_nFlag;
    m_nScoring = other.m_nScoring;
    m_nGroup = other.m_nGroup;
    m_bByTeam = other.m_bByTeam;
    m_bTwoColumns = other.m_bTwoColumns;
    std::copy(&other.m_wEntries[0][0], &other.m_wEntries[0][0] + 15, &m_wEntries[0][0]);
    m_nEntries = other.m_nEntries;
}

void CRepItem_PlayerStats::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (other.IsKindOf(RUNTIME_CLASS(CRepItem_PlayerStats)))
        CopyOptionsFrom(static_cast<const CRepItem_PlayerStats&>(other));
}

CString CRepItem_PlayerStats::GetName() const
{
    return "Player's Stats";
}

BOOL CRepItem_PlayerStats::ApplyScoring()
{
    if (!m_pDoc)
        return FALSE;
    if (!m_pDoc->HasBothScoringSystems())
        m_nScoring = m_pDoc->m_bHandicapLeague ? 1 : 0;
    m_pDoc->m_bHandicapPass = m_nScoring ? PASS_HANDICAP : PASS_SCRATCH;
    return m_nScoring && !m_pDoc->m_bTeamHandicaps;
}

CTeam* CRepItem_PlayerStats::EntryTeam(int j) const
{
    if (!m_pDoc || j >= m_nEntries)
        return nullptr;
    if (CTeam* pTeam = m_pDoc->FindTeam(Entry(j)))
        return pTeam;
    // A number that names no team is the floating substitutes, when there are any.
    return m_pDoc->m_pFloatingSubsTeam;
}

int CRepItem_PlayerStats::GetHeight(CDC* /*pDC*/)
{
    const int h = LineHeight();
    if (!m_bByTeam)
        return IsClosing() ? 0 : h;
    if (IsTemplate() || IsClosing())
        return 0;
    int m = 0;
    for (int j = 0; j < std::min(m_nEntries, Columns()); ++j)
        if (CTeam* pTeam = EntryTeam(j))
            m = std::max(m, pTeam->PackActivePlayers());
    return (m + 2) * h;
}

// --- row expansion -----------------------------------------------------------------------

CRepItem_PlayerStats* CRepItem_PlayerStats::MakeRow() const
{
    auto* pRow = new CRepItem_PlayerStats;
    pRow->CopyOptionsFrom(*this);
    pRow->m_pDoc = m_pDoc;
    pRow->m_bTemporary = TEMP_SHOWING;
    pRow->m_nEntries = 0;
    std::fill(&pRow->m_wEntries[0][0], &pRow->m_wEntries[0][0] + 15, WORD(0));
    return pRow;
}

void CRepItem_PlayerStats::Expand(CObList& list)
{
    if (!m_pDoc || !IsTemplate())
        return;
    if (m_bByTeam)
        ExpandByTeam(list);
    else
        ExpandFlat(list);
    list.AddTail(MakeRow());
}

void CRepItem_PlayerStats::ExpandFlat(CObList& list)
{
    CBowlingDoc* pDoc = m_pDoc;
    const int c = Columns();
    pDoc->RankPlayersByAverage(pDoc->m_bHandicapLeague ? TRUE : FALSE, pDoc->CountActivePlayers(), 0xFFFF, 0, 0);
    std::vector<WORD> taken;
    const int nPlayers = static_cast<int>(pDoc->m_listPlayers.GetCount());
    for (int k = 1; k <= nPlayers; ++k) {
        const CPlayer* p = pDoc->FindPlayerByRank(k);
        if (p && !p->IsRobot() && !p->IsResigned() && InGroup(p, m_nGroup))
            taken.push_back(p->m_nPlayerNo);
    }
    const int n = static_cast<int>(taken.size());
    const int q = n / c;
    const int r = n % c;
    int lengths[3] = {(r == 1 || r == 2) ? q + 1 : q, r == 2 ? q + 1 : q, q};
    if (c == 2)
        lengths[2] = 0;
    int start[3] = {0, lengths[0], lengths[0] + lengths[1]};
    for (int i = 0; i < lengths[0]; ++i) {
        CRepItem_PlayerStats* pRow = MakeRow();
        for (int j = 0; j < c; ++j) {
            if (i < lengths[j]) {
                pRow->SetEntry(j, taken[static_cast<size_t>(start[j] + i)]);
                pRow->m_nEntries = j + 1;
            }
        }
        list.AddTail(pRow);
    }
}

void CRepItem_PlayerStats::ExpandByTeam(CObList& list)
{
    CBowlingDoc* pDoc = m_pDoc;
    const int c = Columns();
    CRepItem_PlayerStats* pRow = MakeRow();
    auto add = [&](WORD nTeamNo) {
        if (pRow->m_nEntries == c) {
            list.AddTail(pRow);
            pRow = MakeRow();
        }
        pRow->SetEntry(pRow->m_nEntries++, nTeamNo);
    };
    int nTaken = 0;
    for (POSITION pos = pDoc->m_listTeams.GetHeadPosition(); pos && nTaken < pDoc->m_nTeams;) {
        const CTeam* pTeam = static_cast<CTeam*>(pDoc->m_listTeams.GetNext(pos));
        ++nTaken;
        if (!pTeam->m_bFolded)
            add(pTeam->m_nTeamNo);
    }
    if (pDoc->m_bFloatingSubsAsTeam && pDoc->m_pFloatingSubsTeam)
        add(0);
    if (pRow->m_nEntries > 0)
        list.AddTail(pRow);
    else
        delete pRow;
}

// --- drawing -----------------------------------------------------------------------------

void CRepItem_PlayerStats::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc || IsClosing())
        return;
    const BOOL bHcp = ApplyScoring();
    if (m_bByTeam && IsTemplate())
        return;
    CStockFonts* pFonts = GetStockFonts(pDC);
    COLORREF crOld = pDC->GetTextColor();
    if (crOld != RGB(0, 0, 0))
        pDC->SetTextColor(RGB(0, 0, 0));
    CFont* pOldFont = pDC->SelectObject(m_bTwoColumns ? &pFonts->m_fontLargeBold : &pFonts->m_fontSmallBold);
    if (m_bByTeam) {
        DrawTeamRow(pDC, pFonts, bHcp);
    } else if (IsTemplate()) {
        for (int j = 0; j < Columns(); ++j) {
            const BlockColumns& b = Block(m_bTwoColumns, j);
            Left(pDC, b.name, m_y, "Name");
            if (bHcp)
                Right(pDC, b.hcp, m_y, "Hcp");
            Right(pDC, b.avg, m_y, "Avg");
            Right(pDC, b.pinsHead, m_y, "Pins");
            Right(pDC, b.gms, m_y, "Gms");
        }
    } else {
        DrawFlatRow(pDC, pFonts, bHcp);
    }
    pDC->SelectObject(pOldFont);
    if (crOld != RGB(0, 0, 0))
        pDC->SetTextColor(crOld);
}

void CRepItem_PlayerStats::DrawFlatRow(CDC* pDC, const CStockFonts* pFonts, BOOL bHcp)
{
    pDC->SelectObject(const_cast<CFont*>(m_bTwoColumns ? &pFonts->m_fontLarge : &pFonts->m_fontSmall));
    const int h = LineHeight();
    for (int j = 0; j < std::min(m_nEntries, Columns()); ++j) {
        CPlayer* p = m_pDoc->FindPlayer(Entry(j));
        if (!p)
            continue;
        const BlockColumns& b = Block(m_bTwoColumns, j);
        PlayerStatsTexts t = MakePlayerStatsTexts(m_pDoc, p, m_nScoring);
        NameUpTo(pDC, b.name, m_y, p->m_strName, bHcp ? b.hcp : b.avg, bHcp ? t.hcp : t.avg);
        p->AddHitRect(CRect(b.name, m_y, b.name + NAME_RECT_WIDTH, m_y + h));
        if (bHcp)
            Right(pDC, b.hcp, m_y, t.hcp);
        Right(pDC, b.avg, m_y, t.avg);
        Right(pDC, b.pins, m_y, t.pins);
        Right(pDC, b.gms, m_y, t.games);
    }
}

void CRepItem_PlayerStats::DrawTeamRow(CDC* pDC, const CStockFonts* pFonts, BOOL bHcp)
{
    const int h = LineHeight();
    const int nPlaces = std::min(m_nEntries, Columns());
    for (int j = 0; j < nPlaces; ++j) {
        const BlockColumns& b = Block(m_bTwoColumns, j);
        if (CTeam* pTeam = EntryTeam(j)) {
            NameUpTo(pDC, b.name, m_y, pTeam->m_strName, bHcp ? b.hcp : b.avg, bHcp ? "Hcp" : "Avg");
            pTeam->AddHitRect(CRect(b.name, m_y, b.name + NAME_RECT_WIDTH, m_y + h));
        }
        if (bHcp)
            Right(pDC, b.hcp, m_y, "Hcp");
        Right(pDC, b.avg, m_y, "Avg");
        Right(pDC, b.pinsHead, m_y, "Pins");
        Right(pDC, b.gms, m_y, "Gms");
    }
    pDC->SelectObject(const_cast<CFont*>(m_bTwoColumns ? &pFonts->m_fontLarge : &pFonts->m_fontSmall));
    for (int j = 0; j < nPlaces; ++j) {
        CTeam* pTeam = EntryTeam(j);
        if (!pTeam)
            continue;
        const BlockColumns& b = Block(m_bTwoColumns, j);
        const int nActive = pTeam->PackActivePlayers();
        int y = m_y + h;
        for (int i = 0; i < nActive; ++i, y += h) {
            CPlayer* p = m_pDoc->FindPlayer(pTeam->GetOrderAt(i));
            if (!p)
                continue;
            PlayerStatsTexts t = MakePlayerStatsTexts(m_pDoc, p, m_nScoring);
            CString name = p->m_strName;
            if (pTeam->m_nCaptain != 0 && pTeam->m_nCaptain == p->m_nPlayerNo)
                name = "*" + name;
            CString hcp;
            hcp.Format("  %d", p->m_nHandicap);
            NameUpTo(pDC, b.name, y, name, bHcp ? b.hcp : b.avg, bHcp ? hcp : t.avg);
            p->AddHitRect(CRect(b.name, y, b.name + NAME_RECT_WIDTH, y + h));
            if (bHcp) {
                Right(pDC, b.hcp, y, hcp);
                if (t.bMark)
                    Left(pDC, b.hcp, y, "e");
            }
            Right(pDC, b.avg, y, t.avg);
            Right(pDC, b.pins, y, t.pins);
            Right(pDC, b.gms, y, t.games);
        }
    }
}

// --- HTML --------------------------------------------------------------------------------

void CRepItem_PlayerStats::WriteHtml(CStdioFile& file)
{
    if (!m_pDoc)
        return;
    const BOOL bHcp = ApplyScoring();
    if (IsClosing()) {
        Write(file, "</TABLE></CENTER>\n");
        return;
    }
    const int c = Columns();
    if (IsTemplate()) {
        if (m_bByTeam && m_bTwoColumns) {
            Write(file, "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=90% ALIGN=center>\n");
            return;
        }
        Write(file, "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=100% ALIGN=center>\n");
        if (m_bByTeam)
            return;
        Write(file, "<TR>\n");
        for (int j = 0; j < c; ++j) {
            for (const char* psz : {"Name", "Hcp", "Avg", "Pins", "Gms"}) {
                if (!bHcp && CString(psz) == "Hcp")
                    continue;
                Write(file, "<TD>");
                Write(file, "<B>\n");
                Write(file, psz);
                Write(file, "</B>\n");
                Write(file, "</TD>\n");
            }
        }
        Write(file, "</TR>\n");
        return;
    }
    if (!m_bByTeam) {
        Write(file, "<TR>\n");
        for (int j = 0; j < c; ++j)
            WritePlayerCells(file, m_pDoc, j < m_nEntries ? m_pDoc->FindPlayer(Entry(j)) : nullptr, m_nScoring, bHcp);
        Write(file, "</TR>\n");
        return;
    }
    CTeam* teams[3] = {};
    int nActive[3] = {};
    int m = 0;
    Write(file, "<TR>\n");
    for (int j = 0; j < c; ++j) {
        teams[j] = EntryTeam(j);
        if (!teams[j]) {
            WriteEmptyPlace(file, bHcp);
            continue;
        }
        nActive[j] = teams[j]->PackActivePlayers();
        m = std::max(m, nActive[j]);
        Write(file, "<TD><B>\n");
        Write(file, HtmlEscape(teams[j]->m_strName));
        Write(file, "</B></TD>\n");
        if (bHcp)
            Write(file, "<TD><B>Hcp</B></TD>\n");
        Write(file, "<TD><B>Avg</B></TD>\n");
        Write(file, "<TD><B>Pins</B></TD>\n");
        Write(file, "<TD><B>Gms</B></TD>\n");
    }
    Write(file, "</TR>\n");
    for (int i = 0; i < m; ++i) {
        Write(file, "<TR>\n");
        for (int j = 0; j < c; ++j) {
            CPlayer* p = teams[j] && nActive[j] > i ? m_pDoc->FindPlayer(teams[j]->GetOrderAt(i)) : nullptr;
            WritePlayerCells(file, m_pDoc, p, m_nScoring, bHcp);
        }
        Write(file, "</TR>\n");
    }
    Write(file, "<TR>");
    Write(file, "<TD>.</TD>");
    Write(file, "</TR>\n");
}

// --- options -----------------------------------------------------------------------------

void CRepItem_PlayerStats::Edit()
{
    CSelectPlayersListedDlg dlg(m_pDoc);
    dlg.m_nGroup = m_nGroup;
    dlg.m_nScoring = m_nScoring;
    dlg.m_bByTeam = m_bByTeam ? 1 : 0;
    dlg.m_bTwoColumns = m_bTwoColumns ? 1 : 0;
    dlg.m_bThreeColumns = m_bTwoColumns ? 0 : 1;
    dlg.DoModal();
    m_nGroup = static_cast<BYTE>(std::clamp(dlg.m_nGroup, 0, 3));
    m_nScoring = dlg.m_nScoring ? 1 : 0;
    m_bByTeam = dlg.m_bByTeam ? 1 : 0;
    m_bTwoColumns = dlg.m_bTwoColumns ? 1 : 0;
}

BEGIN_MESSAGE_MAP(CSelectPlayersListedDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_SPL_GROUP, OnGroupChange)
    ON_CBN_SELCHANGE(IDC_SPL_SCORING, OnScoringChange)
    ON_BN_CLICKED(IDC_SPL_BY_TEAM, OnByTeam)
    ON_BN_CLICKED(IDC_SPL_TWO_COLUMN, OnTwoColumns)
    ON_BN_CLICKED(IDC_SPL_THREE_COLUMN, OnThreeColumns)
END_MESSAGE_MAP()

CSelectPlayersListedDlg::CSelectPlayersListedDlg(CBowlingDoc* pDoc, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDoc(pDoc)
{
}

BOOL CSelectPlayersListedDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    CComboBox* pGroup = Combo(IDC_SPL_GROUP);
    for (const char* psz : {"Male", "Female", "Junior", "Combined"})
        pGroup->AddString(psz);
    CComboBox* pScoring = Combo(IDC_SPL_SCORING);
    pScoring->AddString("Scratch");
    pScoring->AddString("Handicap");
    if (m_bByTeam)
        m_nGroup = PSG_COMBINED;
    if (m_pDoc && !m_pDoc->HasBothScoringSystems()) {
        m_nScoring = m_pDoc->m_bHandicapLeague ? 1 : 0;
        pScoring->EnableWindow(FALSE);
    }
    pGroup->SetCurSel(std::clamp(m_nGroup, 0, 3));
    pScoring->SetCurSel(m_nScoring ? 1 : 0);
    CheckDlgButton(IDC_SPL_BY_TEAM, m_bByTeam ? 1 : 0);
    CheckDlgButton(IDC_SPL_TWO_COLUMN, m_bTwoColumns ? 1 : 0);
    CheckDlgButton(IDC_SPL_THREE_COLUMN, m_bThreeColumns ? 1 : 0);
    return TRUE;
}

void CSelectPlayersListedDlg::OnGroupChange()
{
    if (Combo(IDC_SPL_GROUP)->GetCurSel() != PSG_COMBINED) {
        m_bByTeam = 0;
        CheckDlgButton(IDC_SPL_BY_TEAM, 0);
    }
}

void CSelectPlayersListedDlg::OnScoringChange()
{
    if (!m_pDoc)
        return;
    CComboBox* pScoring = Combo(IDC_SPL_SCORING);
    int nSel = pScoring->GetCurSel();
    if (nSel == 1 && !m_pDoc->m_bHandicapLeague)
        pScoring->SetCurSel(0);
    else if (nSel == 0 && !m_pDoc->m_bScratchLeague)
        pScoring->SetCurSel(1);
}

void CSelectPlayersListedDlg::OnByTeam()
{
    m_bByTeam = IsDlgButtonChecked(IDC_SPL_BY_TEAM) ? 1 : 0;
    if (m_bByTeam)
        Combo(IDC_SPL_GROUP)->SetCurSel(PSG_COMBINED);
}

void CSelectPlayersListedDlg::OnTwoColumns()
{
    m_bTwoColumns = IsDlgButtonChecked(IDC_SPL_TWO_COLUMN) ? 1 : 0;
    m_bThreeColumns = m_bTwoColumns ? 0 : 1;
    CheckDlgButton(IDC_SPL_THREE_COLUMN, m_bThreeColumns);
}

void CSelectPlayersListedDlg::OnThreeColumns()
{
    // The two boxes are one choice: either one picks the other's opposite.
    m_bThreeColumns = IsDlgButtonChecked(IDC_SPL_THREE_COLUMN) ? 1 : 0;
    m_bTwoColumns = m_bThreeColumns ? 0 : 1;
    CheckDlgButton(IDC_SPL_TWO_COLUMN, m_bTwoColumns);
}

void CSelectPlayersListedDlg::OnOK()
{
    int nGroup = Combo(IDC_SPL_GROUP)->GetCurSel();
    int nScoring = Combo(IDC_SPL_SCORING)->GetCurSel();
    if (nGroup >= 0)
        m_nGroup = nGroup;
    if (nScoring >= 0)
        m_nScoring = nScoring;
    CDialog::OnOK();
}
