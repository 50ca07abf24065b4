#include "admin/EditScheduleDlg.h"

#include "admin/FixtureCalendar.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CEditScheduleDlg, CDialog)
    ON_BN_CLICKED(IDC_ES_PREV, OnPrevRound)
    ON_BN_CLICKED(IDC_ES_NEXT, OnNextRound)
    ON_BN_CLICKED(IDC_ES_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_ES_RESET, OnReset)
    ON_BN_CLICKED(IDC_ES_SELECT, OnSelectTeam)
    ON_LBN_DBLCLK(IDC_ES_TEAMS, OnSelectTeam)
    ON_EN_KILLFOCUS(IDC_ES_ROUND, OnKillfocusRound)
    ON_EN_RETURN(IDC_ES_ROUND, OnReturnRound)
END_MESSAGE_MAP()

namespace {

constexpr const char* NEXT_SLOT = "????????????";

// The grid slot of a fixture, or -1 for a match number the grid cannot hold.
int SlotOf(const CFixture* f)
{
    return f->m_nMatch >= 1 && f->m_nMatch <= CEditScheduleDlg::MAX_SLOTS / 2 ? 2 * f->m_nMatch - 2 : -1;
}

CString TeamName(const CBowlingDoc* pDoc, WORD nTeamNo)
{
    const CTeam* pTeam = pDoc->FindTeam(nTeamNo);
    return pTeam ? pTeam->m_strName : CString();
}

} // namespace

BOOL CEditScheduleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ResetControls();
    const int nTeams = m_pDoc->m_nTeams;
    for (int s = 0; s < MAX_SLOTS; ++s)
        if (s >= nTeams) {
            GetDlgItem(IDC_ES_SLOT + s)->EnableWindow(FALSE);
            GetDlgItem(IDC_ES_SLOT + s)->ShowWindow(SW_HIDE);
        }
    for (int k = 0; k < MAX_SLOTS / 2; ++k)
        if (k >= nTeams / 2) {
            GetDlgItem(IDC_ES_VERSUS + k)->EnableWindow(FALSE);
            GetDlgItem(IDC_ES_VERSUS + k)->ShowWindow(SW_HIDE);
        }
    m_nLastRound = 0;
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;)
        m_nLastRound = std::max<int>(m_nLastRound, static_cast<CFixture*>(m_pDoc->m_listFixtures.GetNext(pos))->m_nRound);
    m_bEditing = false;
    m_nRound = 1;
    ShowRound(1);
    return TRUE;
}

void CEditScheduleDlg::ShowSlot(int nSlot, const char* pszText)
{
    SetDlgItemText(IDC_ES_SLOT + nSlot, pszText);
    GetDlgItem(IDC_ES_SLOT + nSlot)->ShowWindow(SW_SHOW);
}

void CEditScheduleDlg::ShowRound(int nRound)
{
    CString strWeek;
    strWeek.Format("Week %d / %d", nRound, m_nLastRound);
    SetDlgItemText(IDC_ES_WEEK, strWeek);
    SetDlgItemInt(IDC_ES_ROUND, static_cast<UINT>(nRound));
    for (int s = 0; s < MAX_SLOTS; ++s) {
        GetDlgItem(IDC_ES_SLOT + s)->ShowWindow(SW_HIDE);
        m_nSlotTeam[s] = 0;
    }
    for (int k = 0; k < MAX_SLOTS / 2; ++k)
        GetDlgItem(IDC_ES_VERSUS + k)->ShowWindow(SW_HIDE);
    int nHighest = 0;
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        const int nSlot = SlotOf(f);
        if (f->m_nRound != nRound || nSlot < 0)
            continue;
        m_nSlotTeam[nSlot] = f->m_nTeamA;
        m_nSlotTeam[nSlot + 1] = f->m_nTeamB;
        ShowSlot(nSlot, TeamName(m_pDoc, f->m_nTeamA));
        ShowSlot(nSlot + 1, TeamName(m_pDoc, f->m_nTeamB));
        GetDlgItem(IDC_ES_VERSUS + nSlot / 2)->ShowWindow(SW_SHOW);
        nHighest = std::max<int>(nHighest, f->m_nMatch);
    }
    m_nSlots = 2 * nHighest;
    m_bEditing = m_bPending = false;
}

void CEditScheduleDlg::ResetControls()
{
    GetDlgItem(IDC_ES_SELECT)->EnableWindow(FALSE);
    GetDlgItem(IDC_ES_RESET)->EnableWindow(m_bPending ? TRUE : FALSE);
    for (UINT nID : {IDC_ES_EDIT, IDC_ES_NEXT, IDC_ES_PREV, IDC_ES_ROUND})
        GetDlgItem(nID)->EnableWindow(TRUE);
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_ES_TEAMS));
    pList->ResetContent();
    pList->EnableWindow(FALSE);
    pList->ShowWindow(SW_HIDE);
}

void CEditScheduleDlg::OnEdit()
{
    if (m_nSlots == 0)
        return;
    // Slots the picking does not reach keep their teams.
    std::copy(std::begin(m_nSlotTeam), std::end(m_nSlotTeam), m_nNewPair);
    m_bEditing = true;
    m_bPending = false;
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_ES_TEAMS));
    pList->ResetContent();
    for (int s = 0; s < m_nSlots; ++s)
        if (m_nSlotTeam[s] != 0)
            pList->SetItemData(pList->AddString(TeamName(m_pDoc, m_nSlotTeam[s])), static_cast<DWORD_PTR>(s));
    pList->EnableWindow(TRUE);
    pList->ShowWindow(SW_SHOW);
    pList->SetCurSel(0);
    m_nPicked = 0;
    ShowSlot(0, NEXT_SLOT);
    GetDlgItem(IDC_ES_SELECT)->EnableWindow(TRUE);
    GetDlgItem(IDC_ES_RESET)->EnableWindow(TRUE);
    for (UINT nID : {IDC_ES_EDIT, IDC_ES_NEXT, IDC_ES_PREV, IDC_ES_ROUND})
        GetDlgItem(nID)->EnableWindow(FALSE);
}

void CEditScheduleDlg::OnSelectTeam()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_ES_TEAMS));
    const int nSel = pList->GetCurSel();
    if (!m_bEditing || nSel < 0 || m_nPicked >= MAX_SLOTS)
        return;
    auto take = [&](int nRow) {
        const int nSlot = static_cast<int>(pList->GetItemData(nRow));
        pList->DeleteString(static_cast<UINT>(nRow));
        m_nNewPair[m_nPicked] = m_nSlotTeam[nSlot];
        ShowSlot(m_nPicked, TeamName(m_pDoc, m_nSlotTeam[nSlot]));
        ++m_nPicked;
    };
    take(nSel);
    if (pList->GetCount() == 1 && m_nPicked < MAX_SLOTS)
        take(0);
    if (pList->GetCount() == 0) {
        m_bEditing = false;
        m_bPending = true;
        ResetControls();
    } else if (m_nPicked < MAX_SLOTS) {
        ShowSlot(m_nPicked, NEXT_SLOT);
    }
}

void CEditScheduleDlg::OnReset()
{
    ShowRound(m_nRound);
    ResetControls();
}

void CEditScheduleDlg::StoreRound(int nRound)
{
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        const int nSlot = SlotOf(f);
        if (f->m_nRound != nRound || nSlot < 0)
            continue;
        const WORD nTeamA = m_nNewPair[nSlot];
        const WORD nTeamB = m_nNewPair[nSlot + 1];
        // A match that keeps its two sides keeps its result; only a rearranged one loses it.
        if (nTeamA == f->m_nTeamA && nTeamB == f->m_nTeamB)
            continue;
        if ((f->m_bPlayed[0] || f->m_bPlayed[1]) && (m_nFirstErased == 0 || nRound < m_nFirstErased))
            m_nFirstErased = nRound;
        CFixture fresh(f->m_nRound, nTeamA, nTeamB, f->m_nPlayers);
        fresh.m_pDoc = f->m_pDoc;
        fresh.m_nMatch = f->m_nMatch;
        fresh.m_nGames = f->m_nGames;
        fresh.m_nVenue = f->m_nVenue;
        fresh.m_timeDue = f->m_timeDue;
        fresh.m_timeDisplay = f->m_timeDisplay;
        fresh.m_bPositionRound = f->m_bPositionRound;
        fresh.m_bPositionRoundScratch = f->m_bPositionRoundScratch;
        fresh.m_bOneSystem = f->m_bOneSystem;
        fresh.m_bOneSystemScratch = f->m_bOneSystemScratch;
        fresh.m_pTeamA = m_pDoc->FindTeam(nTeamA);
        fresh.m_pTeamB = m_pDoc->FindTeam(nTeamB);
        *f = fresh;
    }
    m_pDoc->SetModifiedFlag();
    m_bEditing = m_bPending = false;
}

bool CEditScheduleDlg::AskSetPositionRound(int nRound)
{
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound > nRound)
            break;
        if (f->m_nRound != nRound || (f->m_nTeamA != 0 && f->m_nTeamB != 0))
            continue;
        CString strAsk;
        strAsk.Format("Round %d ", nRound);
        strAsk += "is a position round. Would you like the Teams set using available data?";
        if (AfxMessageBox(strAsk, MB_YESNO) != IDYES)
            return true;
        m_pDoc->SetPositionWeek(nRound);
        break;
    }
    return false;
}

int CEditScheduleDlg::NextRound(int nRound)
{
    for (int r = nRound + 1; r <= m_nLastRound; ++r)
        if (!AskSetPositionRound(r))
            return r;
    return 0;
}

int CEditScheduleDlg::PrevRound(int nRound)
{
    for (int r = nRound - 1; r >= 1; --r)
        if (!AskSetPositionRound(r))
            return r;
    return 0;
}

void CEditScheduleDlg::LeaveRound()
{
    if (m_bPending && !m_bEditing)
        StoreRound(m_nRound);
}

void CEditScheduleDlg::OnNextRound()
{
    LeaveRound();
    if (const int r = NextRound(m_nRound))
        m_nRound = r;
    ShowRound(m_nRound);
    ResetControls();
}

void CEditScheduleDlg::OnPrevRound()
{
    LeaveRound();
    if (const int r = PrevRound(m_nRound))
        m_nRound = r;
    ShowRound(m_nRound);
    ResetControls();
}

void CEditScheduleDlg::OnKillfocusRound() { GoToTypedRound(); }

// Enter in the week box goes to the round typed, and the editor stays open.
void CEditScheduleDlg::OnReturnRound()
{
    GoToTypedRound();
    // The box keeps the focus, its round selected for the next one typed.
    GotoDlgCtrl(GetDlgItem(IDC_ES_ROUND));
}

void CEditScheduleDlg::GoToTypedRound()
{
    BOOL bNumber = FALSE;
    const int nTyped = static_cast<int>(GetDlgItemInt(IDC_ES_ROUND, &bNumber, FALSE));
    // Passing through the box without changing the round keeps a pairing that waits to be stored.
    if (bNumber && nTyped == m_nRound)
        return;
    // A round the season does not have is said: the round stays, and so does its pairing.
    if (!bNumber || nTyped < 1 || nTyped > m_nLastRound) {
        SetDlgItemInt(IDC_ES_ROUND, static_cast<UINT>(m_nRound));
        CString strLast, strSay;
        strLast.Format("%d", m_nLastRound);
        AfxFormatString2(strSay, "Please enter a round between %1 and %2.", "1", strLast);
        AfxMessageBox(strSay, MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(GetDlgItem(IDC_ES_ROUND));
        return;
    }
    LeaveRound();
    if (AskSetPositionRound(nTyped))
        AfxMessageBox("This is a position week!");
    else
        m_nRound = nTyped;
    ShowRound(m_nRound);
    ResetControls();
}

void CEditScheduleDlg::OnOK()
{
    LeaveRound();
    EndDialog(IDOK);
}

// The dialog has no Cancel: Escape closes it as Finished does.
void CEditScheduleDlg::OnCancel()
{
    LeaveRound();
    EndDialog(IDCANCEL);
}

void CBowlingDoc::EditLeagueSchedule()
{
    // Setting a position round from the standings moves the round in hand to the round before
    // it: the secretary's comes back, unless the results it followed were taken away.
    const BYTE nRoundInHand = m_nCurrentRound;
    CEditScheduleDlg dlg;
    dlg.m_pDoc = this;
    dlg.DoModal();
    m_nCurrentRound = nRoundInHand;
    if (dlg.m_nFirstErased > 0)
        FixtureCalendar::KeepRoundInHand(*this, dlg.m_nFirstErased);
}
