#include "admin/FixtureDatesDlg.h"

#include "admin/AddPositionWeekDlg.h"
#include "admin/ChangeDateDlg.h"
#include "admin/DateCombos.h"
#include "admin/DatePlayedChangeDlg.h"
#include "admin/FixtureCalendar.h"
#include "admin/FreeDateReasonDlg.h"
#include "admin/StartTimeDlg.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/MatchWorking.h"
#include "league/RoundDates.h"
#include "league/Team.h"

#include <algorithm>
#include <vector>

namespace {

CString TeamName(const CFixture& match, int nSide)
{
    const CTeam* pTeam = nSide == 0 ? match.m_pTeamA : match.m_pTeamB;
    return pTeam ? pTeam->m_strName : CString();
}

const char* const DATE_PLAYED_FORMAT = "%a %d %b %I:%M %p %Y";

// "Change" gives the sides their matches' new due dates as their dates played: one side is
// asked about with its match, several together, with how many.
bool AskChangeDatePlayed(const std::vector<FixtureCalendar::PlayedSideMoved>& sides)
{
    if (sides.size() == 1) {
        const FixtureCalendar::PlayedSideMoved& side = sides.front();
        const CFixture& match = *side.pMatch;
        CDatePlayedChangeDlg dlg;
        dlg.m_strRound.Format("Round %d", match.m_nRound);
        dlg.m_strTeamA = TeamName(match, 0);
        dlg.m_strTeamB = TeamName(match, 1);
        dlg.m_strTeam = TeamName(match, side.nSide);
        dlg.m_strDatePlayed = match.m_timePlayed[side.nSide].Format(DATE_PLAYED_FORMAT);
        dlg.m_strOldDue = side.oldDue.Format(DATE_PLAYED_FORMAT);
        dlg.m_strNewDue = side.newDue.Format(DATE_PLAYED_FORMAT);
        return dlg.DoModal() == IDOK;
    }
    CDatesPlayedChangeDlg dlg;
    dlg.m_strCount.Format("%d teams bowled on another date than their match was due, and their matches are now due "
                          "on other dates.",
                          static_cast<int>(sides.size()));
    // The year would not fit beside the three dates; the question of one side shows it.
    const char* const pszShort = "%a %d %b %I:%M %p";
    for (const FixtureCalendar::PlayedSideMoved& side : sides) {
        const CFixture& match = *side.pMatch;
        CString strLine;
        strLine.Format("%d\t%s V %s\t%s\t%s\t%s\t%s", match.m_nRound, TeamName(match, 0).GetString(),
                       TeamName(match, 1).GetString(), TeamName(match, side.nSide).GetString(),
                       match.m_timePlayed[side.nSide].Format(pszShort).GetString(),
                       side.oldDue.Format(pszShort).GetString(), side.newDue.Format(pszShort).GetString());
        dlg.m_lines.push_back(strLine);
    }
    return dlg.DoModal() == IDOK;
}

// The minutes a row of the minutes combo stands for.
int MinutesOf(CComboBox* pMinutes, int nIndex)
{
    return static_cast<int>(pMinutes->GetItemData(nIndex));
}

} // namespace

BEGIN_MESSAGE_MAP(CFixtureDatesDlg, CDialog)
    ON_BN_CLICKED(IDC_FD_ADD_FREE_DATE, OnAddFreeDate)
    ON_BN_CLICKED(IDC_FD_DELETE_FREE_WEEK, OnDeleteFreeWeek)
    ON_BN_CLICKED(IDC_FD_RESET_FROM_START, OnResetDatesFromStart)
    ON_BN_CLICKED(IDC_FD_CHANGE_DATE, OnChangeSelectedDate)
    ON_BN_CLICKED(IDC_FD_ADD_POSITION, OnAddPositionRound)
    ON_BN_CLICKED(IDC_FD_DELETE_POSITION, OnDeletePositionRound)
    ON_BN_CLICKED(IDC_FD_DELETE_FINAL, OnDeleteFinalRound)
    ON_BN_CLICKED(IDC_FD_SET_TIMES, OnSetAllMatchTimes)
    ON_LBN_SELCHANGE(IDC_FD_ROUNDS, OnSelChangeRounds)
    ON_LBN_DBLCLK(IDC_FD_ROUNDS, OnDblClkRounds)
    ON_CBN_KILLFOCUS(IDC_FD_MINUTES, OnKillfocusMinutes)
END_MESSAGE_MAP()

void CFixtureDatesDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_FD_ROUNDS_PER_INTERVAL, m_nRoundsPerInterval);
    DDX_Check(pDX, IDC_FD_RESET_PLAYED, m_bResetDatePlayed);
}

BOOL CFixtureDatesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // 10 to 90 in steps of 5; minutes the league holds from elsewhere (an older file) are
    // offered too, in their place, so that they are shown and kept.
    auto* pMinutes = static_cast<CComboBox*>(GetDlgItem(IDC_FD_MINUTES));
    std::vector<int> offered;
    for (int m = 10; m <= 90; m += 5)
        offered.push_back(m);
    if (m_nMinutes > 0 && std::find(offered.begin(), offered.end(), m_nMinutes) == offered.end())
        offered.insert(std::upper_bound(offered.begin(), offered.end(), m_nMinutes), m_nMinutes);
    for (int m : offered) {
        CString s;
        s.Format("%d", m);
        pMinutes->SetItemData(pMinutes->AddString(s), static_cast<DWORD_PTR>(m));
    }
    auto* pWeeks = static_cast<CComboBox*>(GetDlgItem(IDC_FD_WEEKS));
    for (const char* s : {"1 Week Interval", "2 Week Interval", "4 Week Interval"})
        pWeeks->AddString(s);
    pMinutes->EnableWindow(m_nRoundsPerInterval > 1);
    FillRoundList(false);
    SelectRow(0);
    pWeeks->SetCurSel(0);
    // No minutes (a league of one round a date) choose no row: Finished keeps them.
    const auto shown = std::find(offered.begin(), offered.end(), m_nMinutes);
    pMinutes->SetCurSel(shown != offered.end() ? static_cast<int>(shown - offered.begin()) : -1);
    return TRUE;
}

void CFixtureDatesDlg::UpdateButtons()
{
    // What has nothing to work on is greyed, not a click that does nothing.
    const bool bDated = !m_pDoc->m_listFreeWeeks.IsEmpty();
    GetDlgItem(IDC_FD_ADD_POSITION)->EnableWindow(FixtureCalendar::CanAddPositionRound(*m_pDoc));
    GetDlgItem(IDC_FD_DELETE_POSITION)->EnableWindow(!FixtureCalendar::PositionRounds(*m_pDoc).empty());
    GetDlgItem(IDC_FD_DELETE_FINAL)->EnableWindow(m_pDoc->m_nRounds > 1);
    GetDlgItem(IDC_FD_RESET_FROM_START)->EnableWindow(bDated);
    GetDlgItem(IDC_FD_SET_TIMES)->EnableWindow(bDated);
}

CTimeSpan CFixtureDatesDlg::Interval() const
{
    const int nSel = static_cast<CComboBox*>(GetDlgItem(IDC_FD_WEEKS))->GetCurSel();
    const int nDays = nSel == 1 ? 14 : nSel == 2 ? 28 : 7;
    return CTimeSpan(nDays * SECONDS_PER_DAY);
}

void CFixtureDatesDlg::FillRoundList(bool bKeepSelection)
{
    UpdateButtons();
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_FD_ROUNDS));
    const int nSel = pList->GetCurSel();
    FixtureCalendar::MarkPositionRounds(*m_pDoc);
    pList->ResetContent();
    for (POSITION pos = m_pDoc->m_listFreeWeeks.GetHeadPosition(); pos;) {
        auto* pWeek = static_cast<CFreeWeek*>(m_pDoc->m_listFreeWeeks.GetNext(pos));
        CString strLine;
        pWeek->GetListText(strLine, 0);
        pList->SetItemDataPtr(pList->AddString(strLine), pWeek);
    }
    if (bKeepSelection)
        SelectRow(nSel);
}

void CFixtureDatesDlg::SelectRow(int nIndex)
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_FD_ROUNDS));
    if (nIndex >= pList->GetCount())
        nIndex = pList->GetCount() - 1;
    pList->SetCurSel(nIndex);
    OnSelChangeRounds();
}

CFreeWeek* CFixtureDatesDlg::Selected(int* pnIndex)
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_FD_ROUNDS));
    const int nSel = pList->GetCurSel();
    if (nSel < 0) {
        AfxMessageBox("Nothing selected.");
        return nullptr;
    }
    if (pnIndex)
        *pnIndex = nSel;
    return static_cast<CFreeWeek*>(pList->GetItemDataPtr(nSel));
}

CFreeWeek* CFixtureDatesDlg::EntryAt(int nIndex) const
{
    POSITION pos = m_pDoc->m_listFreeWeeks.FindIndex(nIndex);
    return pos ? static_cast<CFreeWeek*>(m_pDoc->m_listFreeWeeks.GetAt(pos)) : nullptr;
}

void CFixtureDatesDlg::Apply(const std::function<void()>& change, int nPlayedFrom)
{
    CLaterMatches later(*m_pDoc);
    later.NoteAll();
    change();
    FixtureCalendar::AskDatePlayed ask;
    if (IsDlgButtonChecked(IDC_FD_RESET_PLAYED))
        ask = AskChangeDatePlayed;
    FixtureCalendar::DateSeason(*m_pDoc, ask);
    m_pDoc->SetModifiedFlag();
    if (nPlayedFrom == 0) {
        later.ReworkAndTell();
        return;
    }
    // The rework reads the splits the rounds left still hold, to the round in hand.
    m_pDoc->FitSplitsToRounds();
    FixtureCalendar::KeepRoundInHand(*m_pDoc, nPlayedFrom);
    later.ReworkAndRecalculate();
}

bool CFixtureDatesDlg::ChangeCalendar(const std::function<void()>& change)
{
    if (!FixtureCalendar::SeasonFitsFile(*m_pDoc, change))
        return false;
    Apply(change);
    return true;
}

void CFixtureDatesDlg::ShiftAfter(const CFreeWeek* pFrom, CTimeSpan span)
{
    POSITION pos = m_pDoc->m_listFreeWeeks.Find(pFrom);
    if (!pos)
        return;
    m_pDoc->m_listFreeWeeks.GetNext(pos);
    while (pos) {
        auto* pWeek = static_cast<CFreeWeek*>(m_pDoc->m_listFreeWeeks.GetNext(pos));
        pWeek->m_time += span;
    }
}

void CFixtureDatesDlg::SetAllDateTimes(int nHour, int nMinute)
{
    for (POSITION pos = m_pDoc->m_listFreeWeeks.GetHeadPosition(); pos;) {
        auto* pWeek = static_cast<CFreeWeek*>(m_pDoc->m_listFreeWeeks.GetNext(pos));
        pWeek->m_time = WithTimeOfDay(pWeek->m_time, nHour, nMinute);
    }
}

void CFixtureDatesDlg::OnSelChangeRounds()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_FD_ROUNDS));
    const int nSel = pList->GetCurSel();
    const auto* pWeek = nSel >= 0 ? static_cast<const CFreeWeek*>(pList->GetItemDataPtr(nSel)) : nullptr;
    GetDlgItem(IDC_FD_DELETE_FREE_WEEK)->EnableWindow(pWeek && pWeek->m_bFreeDate);
    if (nSel >= 0)
        m_strSelected = pList->ItemText(nSel);
}

void CFixtureDatesDlg::MoveStart(CTimeSpan interval)
{
    CFreeWeek* pFirst = EntryAt(0);
    const int nOldHour = pFirst->m_time.GetHour();
    pFirst->m_time += interval;
    const int nNewHour = pFirst->m_time.GetHour();
    if (nNewHour > nOldHour)
        pFirst->m_time -= CTimeSpan(3600);
    else if (nNewHour < nOldHour)
        pFirst->m_time += CTimeSpan(3600);
}

void CFixtureDatesDlg::InsertFreeDate(int nIndex, CTimeSpan interval, bool bAfter, const CString& strReason)
{
    CFreeWeek* pSel = EntryAt(nIndex);
    const int nHour = pSel->m_time.GetHour();
    const int nMinute = pSel->m_time.GetMinute();
    auto* pFree = new CFreeWeek();
    pFree->m_bFreeDate = 1;
    pFree->m_strReason = strReason;
    POSITION posSel = m_pDoc->m_listFreeWeeks.Find(pSel);
    if (bAfter) {
        pFree->m_time = pSel->m_time + interval;
        ShiftAfter(pSel, interval);
        m_pDoc->m_listFreeWeeks.InsertAfter(posSel, pFree);
    } else {
        pFree->m_time = pSel->m_time;
        ShiftAfter(pSel, interval);
        pSel->m_time += interval;
        m_pDoc->m_listFreeWeeks.InsertBefore(posSel, pFree);
    }
    // The shift may have crossed a change of summer time.
    SetAllDateTimes(nHour, nMinute);
}

void CFixtureDatesDlg::OnAddFreeDate()
{
    int nIndex = 0;
    if (!Selected(&nIndex))
        return;
    const CTimeSpan interval = Interval();
    if (nIndex == 0) {
        // The whole season starts one interval later.
        if (ChangeCalendar([this, interval] {
                MoveStart(interval);
                ResetDates();
            }))
            FillRoundList();
        return;
    }
    CFreeDateReasonDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    const bool bAfter = dlg.m_bInsertAfter != 0;
    const CString strReason = dlg.m_strReason;
    if (!ChangeCalendar([this, nIndex, interval, bAfter, strReason] {
            InsertFreeDate(nIndex, interval, bAfter, strReason);
        }))
        return;
    FillRoundList(false);
    SelectRow(nIndex);
}

void CFixtureDatesDlg::DeleteFreeDate(int nIndex, CTimeSpan interval)
{
    CFreeWeek* pFree = EntryAt(nIndex);
    ShiftAfter(pFree, CTimeSpan(0) - interval);
    m_pDoc->m_listFreeWeeks.RemoveAt(m_pDoc->m_listFreeWeeks.Find(pFree));
    delete pFree;
    if (!m_pDoc->m_listFreeWeeks.IsEmpty()) {
        const auto* pFirst = static_cast<const CFreeWeek*>(m_pDoc->m_listFreeWeeks.GetHead());
        SetAllDateTimes(pFirst->m_time.GetHour(), pFirst->m_time.GetMinute());
    }
}

void CFixtureDatesDlg::OnDeleteFreeWeek()
{
    int nIndex = 0;
    CFreeWeek* pSel = Selected(&nIndex);
    if (!pSel || !pSel->m_bFreeDate)
        return;
    // Earlier dates, but every entry takes the first one's time of day.
    const CTimeSpan interval = Interval();
    if (!ChangeCalendar([this, nIndex, interval] { DeleteFreeDate(nIndex, interval); }))
        return;
    FillRoundList(false);
    SelectRow(nIndex);
}

void CFixtureDatesDlg::ResetDates()
{
    if (m_pDoc->m_listFreeWeeks.IsEmpty())
        return;
    // Each entry is one date, however many rounds it holds.
    const auto* pFirst = static_cast<const CFreeWeek*>(m_pDoc->m_listFreeWeeks.GetHead());
    const CTime start = pFirst->m_time;
    RoundDates::DateEntries(*m_pDoc, pFirst, nullptr, start, static_cast<int>(Interval().GetDays()));
    SetAllDateTimes(start.GetHour(), start.GetMinute());
}

void CFixtureDatesDlg::OnResetDatesFromStart()
{
    if (m_pDoc->m_listFreeWeeks.IsEmpty())
        return;
    if (ChangeCalendar([this] { ResetDates(); }))
        FillRoundList();
}

void CFixtureDatesDlg::OnChangeSelectedDate()
{
    int nIndex = 0;
    CFreeWeek* pSel = Selected(&nIndex);
    if (!pSel)
        return;
    CChangeDateDlg dlg(this);
    dlg.m_date = pSel->m_time;
    if (dlg.DoModal() != IDOK)
        return;
    POSITION pos = m_pDoc->m_listFreeWeeks.Find(pSel);
    POSITION prev = pos, next = pos;
    m_pDoc->m_listFreeWeeks.GetPrev(prev);
    m_pDoc->m_listFreeWeeks.GetNext(next);
    const auto* pPrev = prev ? static_cast<const CFreeWeek*>(m_pDoc->m_listFreeWeeks.GetAt(prev)) : nullptr;
    const auto* pNext = next ? static_cast<const CFreeWeek*>(m_pDoc->m_listFreeWeeks.GetAt(next)) : nullptr;
    // A date of several rounds lies after the last round of the date before, and its own last
    // round before the date after.
    auto lastDue = [this](const CFreeWeek& w) {
        return w.m_bFreeDate ? w.m_time : RoundDates::RoundDue(*m_pDoc, w, w.m_nLastRound);
    };
    CFreeWeek moved;
    moved.CopyFrom(*pSel);
    moved.m_time = dlg.m_date;
    if ((pPrev && dlg.m_date <= lastDue(*pPrev)) || (pNext && lastDue(moved) >= pNext->m_time)) {
        AfxMessageBox("That date would put the week out of sequence!");
        return;
    }
    // The later rounds of its date, and their squads, follow it.
    const CTime date = dlg.m_date;
    if (ChangeCalendar([this, nIndex, date] { EntryAt(nIndex)->m_time = date; }))
        FillRoundList();
}

void CFixtureDatesDlg::OnDblClkRounds()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_FD_ROUNDS));
    const int nSel = pList->GetCurSel();
    if (nSel < 0)
        return;
    auto* pWeek = static_cast<CFreeWeek*>(pList->GetItemDataPtr(nSel));
    if (!pWeek->m_bFreeDate) {
        OnChangeSelectedDate();
        return;
    }
    CFreeDateReasonDlg dlg(this);
    dlg.m_strReason = pWeek->m_strReason;
    if (dlg.DoModal() == IDOK && dlg.m_strReason != pWeek->m_strReason) {
        pWeek->m_strReason = dlg.m_strReason;
        m_pDoc->SetModifiedFlag();
    }
    FillRoundList();
}

void CFixtureDatesDlg::OnSetAllMatchTimes()
{
    if (m_pDoc->m_listFreeWeeks.IsEmpty())
        return;
    const CTime first = static_cast<CFreeWeek*>(m_pDoc->m_listFreeWeeks.GetHead())->m_time;
    CStartTimeDlg dlg(this);
    dlg.m_nHourIndex = first.GetHour();
    dlg.m_nMinuteIndex = first.GetMinute() / 5;
    if (dlg.DoModal() != IDOK || !Selected())
        return;
    const int nHour = dlg.m_nHourIndex;
    const int nMinute = dlg.m_nMinuteIndex * 5;
    if (ChangeCalendar([this, nHour, nMinute] { SetAllDateTimes(nHour, nMinute); }))
        FillRoundList();
}

void CFixtureDatesDlg::OnAddPositionRound()
{
    if (!FixtureCalendar::CanAddPositionRound(*m_pDoc))
        return;
    if (m_pDoc->m_nRounds >= FixtureCalendar::MAX_ROUNDS) {
        AfxMessageBox("A league cannot have more than 255 rounds.");
        return;
    }
    // Wherever the position round goes, the calendar grows by a round at its end.
    if (!FixtureCalendar::SeasonFitsFile(*m_pDoc, [this] { FixtureCalendar::AddRoundAtEnd(*m_pDoc, Interval()); }))
        return;
    CAddPositionWeekDlg dlg(this);
    dlg.m_pDoc = m_pDoc;
    if (dlg.DoModal() != IDOK)
        return;
    CString strAsk;
    strAsk.Format("This will Insert a Positional Round at Round %d.  Click Yes to continue.", dlg.m_nRound);
    if (AfxMessageBox(strAsk, MB_YESNO) != IDYES)
        return;
    const int nRound = dlg.m_nRound;
    const bool bScratch = dlg.m_bScratch != 0;
    const CTimeSpan interval = Interval();
    Apply([this, nRound, bScratch, interval] {
        FixtureCalendar::InsertPositionRound(*m_pDoc, nRound, bScratch, interval);
    });
    FillRoundList();
}

void CFixtureDatesDlg::OnDeletePositionRound()
{
    // Taking out a round before the last round with results would move played matches.
    const std::vector<int> rounds = FixtureCalendar::DeletablePositionRounds(*m_pDoc);
    if (rounds.empty() && !FixtureCalendar::PositionRounds(*m_pDoc).empty()) {
        CString strMsg;
        strMsg.Format("Results have been entered up to round %d, so no position round before it can be deleted.",
                      FixtureCalendar::LastRoundWithResults(*m_pDoc));
        AfxMessageBox(strMsg);
        return;
    }
    for (int nRound : rounds) {
        CString strAsk;
        strAsk.Format("Do you wish to delete Positional Round Number %d?", nRound);
        if (AfxMessageBox(strAsk, MB_YESNO) != IDYES)
            continue;
        // The results entered in the round would go with it.
        const int nPlayed = FixtureCalendar::CountPlayedMatches(*m_pDoc, nRound, nRound);
        if (!FixtureCalendar::ConfirmRemovingPlayed(nPlayed))
            return;
        Apply([this, nRound] { FixtureCalendar::DeleteRound(*m_pDoc, nRound); }, nPlayed > 0 ? nRound : 0);
        FillRoundList();
        return;
    }
}

void CFixtureDatesDlg::RemoveLastRound()
{
    FixtureCalendar::RemoveLastRound(*m_pDoc);
}

void CFixtureDatesDlg::OnDeleteFinalRound()
{
    if (m_pDoc->m_nRounds <= 1)
        return;
    CString strAsk;
    strAsk.Format("This will delete Week %d matches for ever!  Click Yes to continue.", m_pDoc->m_nRounds);
    if (AfxMessageBox(strAsk, MB_YESNO) != IDYES)
        return;
    // The results entered in the round would go with it.
    const int nPlayed = FixtureCalendar::CountPlayedMatches(*m_pDoc, m_pDoc->m_nRounds);
    if (!FixtureCalendar::ConfirmRemovingPlayed(nPlayed))
        return;
    const int nLast = m_pDoc->m_nRounds;
    Apply([this] { FixtureCalendar::DeleteFinalRound(*m_pDoc); }, nPlayed > 0 ? nLast : 0);
    FillRoundList();
}

void CFixtureDatesDlg::OnKillfocusMinutes()
{
    auto* pMinutes = static_cast<CComboBox*>(GetDlgItem(IDC_FD_MINUTES));
    const int nSel = pMinutes->GetCurSel();
    if (nSel >= 0)
        m_nMinutes = MinutesOf(pMinutes, nSel);
}

void CFixtureDatesDlg::OnOK()
{
    auto* pMinutes = static_cast<CComboBox*>(GetDlgItem(IDC_FD_MINUTES));
    const int nSel = pMinutes->GetCurSel();
    const int nMinutes = nSel >= 0 ? MinutesOf(pMinutes, nSel) : m_pDoc->m_nMinutesBetweenRounds;
    // The rounds of a date follow each other by these minutes: the last must fit the file too.
    // Minutes as they were change nothing.
    if (nMinutes != m_pDoc->m_nMinutesBetweenRounds &&
        !ChangeCalendar([this, nMinutes] { m_pDoc->m_nMinutesBetweenRounds = static_cast<BYTE>(nMinutes); }))
        return;
    m_nMinutes = nMinutes;
    m_bResetDatePlayed = IsDlgButtonChecked(IDC_FD_RESET_PLAYED) ? 1 : 0;
    EndDialog(IDOK);
}
