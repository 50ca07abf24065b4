#include "reports/layout/TreasurerItems.h"

#include "league/Accounts.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "view/DisplayHooks.h"
#include "results/SelectRoundDlg.h"
#include "view/ReportFlow.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRepItem_Treas1, CRepItem, 1)
IMPLEMENT_SERIAL(CRepItem_Treas2, CRepItem, 1)
IMPLEMENT_SERIAL(CRepItem_Treas3, CRepItem, 1)

namespace {

constexpr int LINE = -240;
constexpr int BOWLER_LINE = -200;
constexpr int SIDE_OFFSET[2] = {54, 5094};
constexpr int RULE_LENGTH = 4320;

LONG Clamp(LONGLONG n)
{
    return static_cast<LONG>(std::clamp<LONGLONG>(n, -0x7FFFFFFFLL - 1, 0x7FFFFFFFLL));
}

// The bowlers of the team order who are real and not excluded, in that order (after packing).
std::vector<CPlayer*> ListedBowlers(const CBowlingDoc* pDoc, CTeam* pTeam)
{
    std::vector<CPlayer*> v;
    const int nReal = pTeam->PackActivePlayers();
    for (int i = 0; i < nReal; ++i)
        if (CPlayer* p = pDoc->FindPlayer(pTeam->GetOrderAt(i)); p && !p->IsResigned())
            v.push_back(p);
    return v;
}

// Team payment items are due once from the team, individual ones from each bowler.
LONGLONG Dues(const CBowlingDoc* pDoc, WORD nRound, int nBowlers)
{
    return static_cast<LONGLONG>(pDoc->SumIndividualPayments(nRound)) * nBowlers + pDoc->SumTeamPayments(nRound);
}

BOOL RunTreasurer(CBowlingDoc* pDoc)
{
    CSelectRoundDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_nRound = pDoc->m_nTreasurerRound ? pDoc->m_nTreasurerRound : pDoc->m_nCurrentRound;
    dlg.m_bAllRounds = 1;
    if (dlg.DoModal() != IDOK || dlg.m_nRound == 0)
        return FALSE;
    // The round asked last is offered next time; it is a preference, not a change of the league.
    pDoc->m_nTreasurerRound = static_cast<BYTE>(std::min<UINT>(dlg.m_nRound, 255));
    // Without both teams of every match the dues and the collection sheet would disagree.
    for (POSITION pos = pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound == dlg.m_nRound && f->IsUnsetPositionMatch()) {
            AfxMessageBox("Position week has not been set. No teams available for Treasurer report");
            return FALSE;
        }
    }
    BuildTreasurerSheet(pDoc, static_cast<WORD>(dlg.m_nRound));
    return TRUE;
}

const bool s_bTreasurerHook = (g_pfnRunTreasurer = RunTreasurer, true);

} // namespace

int ChargedBowlers(const CBowlingDoc* pDoc, CTeam* pTeam)
{
    return std::min(pTeam->PackActivePlayers(), static_cast<int>(pDoc->m_nPlayersPerTeam));
}

LONGLONG TeamArrears(const CBowlingDoc* pDoc, CTeam* pTeam)
{
    LONGLONG n = pTeam->m_nArrears;
    for (const CPlayer* p : ListedBowlers(pDoc, pTeam))
        n += p->m_nArrears;
    return n;
}

// ---------------------------------------------------------------- CRepItem_Treas1

CRepItem_Treas1::CRepItem_Treas1() : m_nRound(0)
{
    m_nType = RIT_TREAS1;
    m_nPage = 1;
}

int CRepItem_Treas1::GetHeight(CDC* /*pDC*/)
{
    return -480;
}

void CRepItem_Treas1::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc)
        return;
    CString text = "Individual Payment = " + FormatMoney(m_pDoc->SumIndividualPayments(m_nRound)) + "  [";
    const char* pszSeparator = "";
    for (POSITION pos = m_pDoc->m_listPaymentItems.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPaymentItem*>(m_pDoc->m_listPaymentItems.GetNext(pos));
        // The bracket adds up to the sum before it: the team items are charged on the teams' lines.
        if (!p->IsIndividual() || !p->AppliesToRound(m_nRound))
            continue;
        text += pszSeparator + p->m_strDescription + " (" + FormatMoney(p->m_nAmount) + ")";
        pszSeparator = " + ";
    }
    text += "]";
    CFont* pOld = pDC->SelectObject(&GetStockFonts(pDC)->m_fontLarge);
    pDC->TextOut(m_x, m_y, text);
    pDC->SelectObject(pOld);
}

// ---------------------------------------------------------------- CRepItem_Treas2

CRepItem_Treas2::CRepItem_Treas2() : m_nRound(0), m_bListPlayers(0), m_pFixture(nullptr)
{
    m_nType = RIT_TREAS2;
    m_nPage = 1;
}

CTeam* CRepItem_Treas2::Side(int nSide) const
{
    // The sheet outlives a change of the schedule until it is asked for again: a match that is
    // gone draws nothing.
    if (!m_pDoc || !m_pFixture || !m_pDoc->m_listFixtures.Find(m_pFixture))
        return nullptr;
    const BYTE nTeam = nSide == 0 ? m_pFixture->m_nTeamA : m_pFixture->m_nTeamB;
    return nTeam ? m_pDoc->FindTeam(nTeam) : nullptr;
}

int CRepItem_Treas2::GetHeight(CDC* /*pDC*/)
{
    if (!m_bListPlayers || !Side(0) || !Side(1))
        return -480;
    int nMost = 0;
    for (int s = 0; s < 2; ++s)
        if (CTeam* pTeam = Side(s))
            nMost = std::max(nMost, pTeam->PackActivePlayers());
    return -480 + BOWLER_LINE * nMost;
}

void CRepItem_Treas2::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CStockFonts* pFonts = GetStockFonts(pDC);
    CFont* pOld = pDC->SelectObject(&pFonts->m_fontLargeBold);
    bool bDrawn[2] = {false, false};
    int nListed = 0;
    for (int s = 0; s < 2; ++s) {
        CTeam* pTeam = Side(s);
        if (!pTeam || pTeam->IsFoldedBefore(static_cast<BYTE>(std::min<WORD>(m_nRound, 255))))
            continue;
        bDrawn[s] = true;
        const int x = m_x + SIDE_OFFSET[s];
        int y = m_y;
        const LONG nDues = Clamp(Dues(m_pDoc, m_nRound, ChargedBowlers(m_pDoc, pTeam)));
        const LONG nArrears = Clamp(TeamArrears(m_pDoc, pTeam));
        pDC->SelectObject(&pFonts->m_fontLargeBold);
        pDC->TextOut(x, y, pTeam->m_strName);
        const int nNameWidth = pDC->GetTextExtent(pTeam->m_strName).cx;
        pTeam->AddHitRect(CRect(x, y, x + nNameWidth, y + LINE));
        CString owed = "  " + FormatMoney(Clamp(static_cast<LONGLONG>(nDues) + nArrears));
        if (nArrears != 0)
            owed += " (" + FormatMoney(nDues) + " + " + FormatMoney(nArrears) + ")";
        pDC->TextOut(x + nNameWidth + 54, y, owed);
        y += LINE;
        if (m_bListPlayers) {
            pDC->SelectObject(&pFonts->m_fontSmall);
            const std::vector<CPlayer*> bowlers = ListedBowlers(m_pDoc, pTeam);
            nListed = std::max(nListed, static_cast<int>(bowlers.size()));
            for (CPlayer* p : bowlers) {
                CString line = p->m_strName;
                if (p->m_nArrears != 0)
                    line += " (" + FormatMoney(p->m_nArrears) + ")";
                pDC->TextOut(x, y, line);
                p->AddHitRect(CRect(x, y, x + pDC->GetTextExtent(line).cx, y + LINE));
                y += BOWLER_LINE;
            }
        }
    }
    const int yRule = m_y + LINE - 72 + BOWLER_LINE * nListed;
    for (int s = 0; s < 2; ++s) {
        if (!bDrawn[s])
            continue;
        pDC->MoveTo(m_x + SIDE_OFFSET[s], yRule);
        pDC->LineTo(m_x + SIDE_OFFSET[s] + RULE_LENGTH, yRule);
    }
    pDC->SelectObject(pOld);
}

// ---------------------------------------------------------------- CRepItem_Treas3

CRepItem_Treas3::CRepItem_Treas3() : m_nRound(0)
{
    m_nType = RIT_TREAS3;
    m_nPage = 1;
}

int CRepItem_Treas3::GetHeight(CDC* /*pDC*/)
{
    int nDue = 0;
    if (m_pDoc)
        for (POSITION pos = m_pDoc->m_listPaymentItems.GetHeadPosition(); pos;)
            if (static_cast<const CPaymentItem*>(m_pDoc->m_listPaymentItems.GetNext(pos))->AppliesToRound(m_nRound))
                ++nDue;
    return LINE * (nDue + 1);
}

void CRepItem_Treas3::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc)
        return;
    int nBowlers = 0;
    int nTeams = 0;
    const BYTE nRound = static_cast<BYTE>(std::min<WORD>(m_nRound, 255));
    for (POSITION pos = m_pDoc->m_listTeams.GetHeadPosition(); pos;) {
        auto* pTeam = static_cast<CTeam*>(m_pDoc->m_listTeams.GetNext(pos));
        if (pTeam->IsFoldedBefore(nRound) || pTeam->IsRemoved())
            continue;
        nBowlers += ChargedBowlers(m_pDoc, pTeam);
        ++nTeams;
    }
    CFont* pOld = pDC->SelectObject(&GetStockFonts(pDC)->m_fontLargeBold);
    int y = m_y + LINE;
    for (POSITION pos = m_pDoc->m_listPaymentItems.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPaymentItem*>(m_pDoc->m_listPaymentItems.GetNext(pos));
        if (!p->AppliesToRound(m_nRound))
            continue;
        pDC->TextOut(m_x, y, p->m_strDescription);
        const LONG nDue = Clamp(static_cast<LONGLONG>(p->m_nAmount) * (p->IsIndividual() ? nBowlers : nTeams));
        CPoint pt(PAGE_RIGHT + m_x - PAGE_LEFT, y);
        DrawTextRightAligned(pDC, &pt,
                             FormatMoney(nDue) + " Due.            Collected_________                        ______________",
                             0);
        y += LINE;
    }
    pDC->SelectObject(pOld);
}

// ---------------------------------------------------------------- building the sheet

void BuildTreasurerSheet(CBowlingDoc* pDoc, WORD nRound)
{
    DeleteItemList(pDoc->m_listTreasurerItems);
    auto add = [pDoc](CRepItem* p) {
        p->m_pDoc = pDoc;
        p->m_bTemporary = TEMP_SHOWING;
        pDoc->m_listTreasurerItems.AddTail(p);
    };
    auto* pHead = new CRepItem_Treas1;
    pHead->m_nRound = nRound;
    add(pHead);
    for (POSITION pos = pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound != nRound)
            continue;
        auto* pMatch = new CRepItem_Treas2;
        pMatch->m_nRound = nRound;
        pMatch->m_bListPlayers = pDoc->m_bListPlayersOnCollectionSheet ? 1 : 0;
        pMatch->m_pFixture = f;
        add(pMatch);
    }
    auto* pSheet = new CRepItem_Treas3;
    pSheet->m_nRound = nRound;
    add(pSheet);
}
