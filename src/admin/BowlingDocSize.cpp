// League size changes: teams added or dropped from a round on, the season extended, and the
// schedule rounds they build.
#include "admin/DateCombos.h"
#include "admin/FixtureCalendar.h"
#include "admin/LeagueSetup.h"
#include "admin/LeagueSizeDlg.h"
#include "admin/NewScheduleRuleDlg.h"
#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/MatchWorking.h"
#include "league/RoundDates.h"
#include "league/Schedule.h"
#include "league/SeasonRounds.h"
#include "league/Team.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int MAX_TEAMS = 50;
constexpr int MAX_ROUNDS = 255;

// Rounds nFirst..nLast from the pairing table after nRoundsBefore of its rounds, laid on the
// league's evenings (from firstEvening when given, RoundDates::LayRounds) around its free
// dates.
void BuildRounds(CBowlingDoc& doc, int nFirst, int nLast, int nRoundsBefore, std::optional<CTime> firstEvening)
{
    std::vector<CTeam*> teams;
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos && static_cast<int>(teams.size()) < doc.m_nTeams;)
        teams.push_back(static_cast<CTeam*>(doc.m_listTeams.GetNext(pos)));

    // The secretary's minutes between the rounds of a date stay.
    RoundDates::EnsureMinutesBetweenRounds(doc);
    nLast = std::min(nLast, MAX_ROUNDS);
    // Rounds that keep their matches stay inside the league, however few rounds are asked for.
    int nRounds = nLast;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;)
        nRounds = std::max<int>(nRounds, static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos))->m_nRound);
    doc.m_nRounds = static_cast<BYTE>(std::clamp(nRounds, 0, MAX_ROUNDS));

    RoundDates::LayRounds(doc, nFirst, nLast, firstEvening);
    CPairingWalk walk(static_cast<int>(teams.size()), nRoundsBefore);
    std::vector<CPairing> pairs;
    for (int r = nFirst; r <= nLast && walk.IsValid(); ++r) {
        walk.NextRound(pairs);
        int nMatch = 0;
        for (const CPairing& pair : pairs) {
            CTeam* pA = teams[static_cast<size_t>(pair.nSideA - 1)];
            CTeam* pB = teams[static_cast<size_t>(pair.nSideB - 1)];
            auto* f = new CFixture(r, pA->m_nTeamNo, pB->m_nTeamNo, doc.m_nPlayersPerTeam);
            f->m_nMatch = static_cast<BYTE>(++nMatch);
            f->m_nGames = doc.m_nGamesPerMatch;
            f->m_pTeamA = doc.FindTeam(pA->m_nTeamNo);
            f->m_pTeamB = doc.FindTeam(pB->m_nTeamNo);
            doc.AddFixture(f);
        }
    }
    // The new matches, not played, are due when the calendar has their rounds.
    FixtureCalendar::DateMatches(doc, nFirst);
    doc.SetModifiedFlag();
}

CFixture* FirstMatchOfRound(const CBowlingDoc& doc, int nRound)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound == nRound && f->m_nMatch == 1)
            return f;
    }
    return nullptr;
}

// The new rounds start on the start round's evening, where its first match is; a start round
// without one cannot be rebuilt.
bool CheckStartRound(const CBowlingDoc& doc, int nStart)
{
    if (FirstMatchOfRound(doc, nStart))
        return true;
    CString strMsg;
    strMsg.Format("Round %d has no matches to start the new schedule from. Please choose a round of the schedule.",
                  nStart);
    AfxMessageBox(strMsg);
    return false;
}

// The evening the rounds a size change builds from nStart begin on: where nStart opens its
// evening, that evening's date; where it lies in the middle of one, none, so that the new rounds
// go on after its earlier rounds (RoundDates::LayRounds). A round the calendar does not hold
// begins when its first match is due.
std::optional<CTime> NewRoundsStart(const CBowlingDoc& doc, int nStart)
{
    const CFreeWeek* pEvening = RoundDates::FindDatedRange(doc, nStart);
    if (!pEvening)
        return FirstMatchOfRound(doc, nStart)->m_timeDue;
    if (pEvening->m_nFirstRound < nStart)
        return std::nullopt;
    return pEvening->m_time;
}

// Step 1 of a size change: the played matches that would go. Their first round, nStart, or 0
// when none would go; -1 when the secretary keeps them.
int ConfirmPlayedMatches(const CBowlingDoc& doc, int nStart)
{
    const int nPlayed = FixtureCalendar::CountPlayedMatches(doc, nStart);
    if (!FixtureCalendar::ConfirmRemovingPlayed(nPlayed))
        return -1;
    return nPlayed > 0 ? nStart : 0;
}

// The position rounds before the start round, which stay.
int PositionRoundsBefore(const CBowlingDoc& doc, int nStart)
{
    int nPositionRounds = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound < nStart && f->m_nMatch == 1 && f->m_bPositionRound)
            ++nPositionRounds;
    }
    return nPositionRounds;
}

// Steps 2 to 4: the matches from the start round on go (their evenings make way when the new
// rounds are laid, the free dates stay); returns the number of position rounds left.
int RemoveScheduleFrom(CBowlingDoc& doc, int nStart)
{
    const int nPositionRounds = PositionRoundsBefore(doc, nStart);
    while (!doc.m_listFixtures.IsEmpty()) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetTail());
        if (f->m_nRound < nStart)
            break;
        doc.m_listFixtures.RemoveTail();
        delete f;
    }
    return nPositionRounds;
}

// The last of the rounds a size change builds from the start round on.
int LastNewRound(const CLeagueSizeDlg& dlg, int nStart, int nPositionRounds)
{
    return std::min(dlg.m_bSynchronize ? nPositionRounds + dlg.m_nRounds : nStart + dlg.m_nTotal - 1, MAX_ROUNDS);
}

// Whether the rounds a size change builds from the start round on, for nTeams teams, would
// still fit the league file; the secretary is told when they would not, and nothing changes.
bool NewRoundsFitFile(CBowlingDoc& doc, const CLeagueSizeDlg& dlg, int nStart, int nTeams)
{
    const std::optional<CTime> start = NewRoundsStart(doc, nStart);
    const int nLast = LastNewRound(dlg, nStart, PositionRoundsBefore(doc, nStart));
    return FixtureCalendar::SeasonFitsFile(doc, [&doc, nStart, nTeams, nLast, start] {
        doc.m_nTeams = static_cast<BYTE>(nTeams);
        RoundDates::EnsureMinutesBetweenRounds(doc);
        RoundDates::LayRounds(doc, nStart, nLast, start);
    });
}

// Common step 5. The rounds rebuilt keep the venues of the schedule as it was before the
// change; returns the rounds left without one.
std::vector<int> BuildNewRounds(CBowlingDoc& doc, const CLeagueSizeDlg& dlg, int nStart, int nPositionRounds,
                                std::optional<CTime> start, const CRoundVenues& venues)
{
    if (dlg.m_bSynchronize)
        doc.AddScheduleRounds(nStart, nPositionRounds + dlg.m_nRounds, nPositionRounds, start);
    else
        doc.AddScheduleRoundsForTeams(nStart, dlg.m_nTotal, start);
    return venues.Give(doc, nStart, MAX_ROUNDS);
}

// The end of every size change: the splits that no longer fit the rounds go, the round in hand
// comes back to the rounds rebuilt when played matches went with them (nPlayedFrom, their first
// round), the matches that counted a played match taken away (noted in later before the
// change) are worked again, the league is recalculated and shown, and the secretary learns how
// many matches were worked again, which rounds have no venue and which free dates the season no
// longer reaches (freeBefore: those it did not reach before the change).
void FinishSizeChange(CBowlingDoc& doc, CLaterMatches& later, int nPlayedFrom, const std::vector<int>& noVenue,
                      const std::vector<const CFreeWeek*>& freeBefore)
{
    doc.FitSplitsToRounds();
    doc.CountMatchesPerRound();
    if (nPlayedFrom > 0)
        FixtureCalendar::KeepRoundInHand(doc, nPlayedFrom);
    later.ReworkAndRecalculate();
    doc.SetModifiedFlag();
    doc.UpdateAllViews(nullptr);
    CRoundVenues::SayNoVenue(noVenue);
    std::vector<const CFreeWeek*> freeAfter = FixtureCalendar::FreeDatesAfterLastRound(doc);
    std::erase_if(freeAfter, [&freeBefore](const CFreeWeek* w) {
        return std::find(freeBefore.begin(), freeBefore.end(), w) != freeBefore.end();
    });
    if (!freeAfter.empty())
        AfxMessageBox(FixtureCalendar::FreeDatesAfterLastRoundText(freeAfter));
}

// "Team_%02d" with the first number whose name no team of the league bears, the dropped
// teams included, whatever its case or spaces.
CString FreeTeamName(const CBowlingDoc& doc)
{
    for (int n = 1;; ++n) {
        CString strName;
        strName.Format("Team_%02d", n);
        bool bTaken = false;
        for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos && !bTaken;) {
            CString strTeam = static_cast<const CTeam*>(doc.m_listTeams.GetNext(pos))->m_strName;
            bTaken = strTeam.Trim().CompareNoCase(strName) == 0;
        }
        if (!bTaken)
            return strName;
    }
}

// Runs New Schedule Rule with Restart ticked; false on Cancel.
bool ChooseRule(DWORD& bSynchronize)
{
    CNewScheduleRuleDlg rule;
    rule.m_bRestart = 1;
    if (rule.DoModal() != IDOK)
        return false;
    bSynchronize = rule.m_bSynchronize ? 1 : 0;
    return true;
}

} // namespace

void CBowlingDoc::AddScheduleRounds(int nFirst, int nLast, int nSkipped, std::optional<CTime> timeStart)
{
    BuildRounds(*this, nFirst, nLast, nFirst - nSkipped - 1, timeStart);
}

void CBowlingDoc::AddScheduleRoundsForTeams(int nFirst, int nCount, std::optional<CTime> timeStart)
{
    BuildRounds(*this, nFirst, nFirst + nCount - 1, 0, timeStart);
}

void CBowlingDoc::OnAddExtraTeams()
{
    if (m_nTeams >= MAX_TEAMS)
        return;
    CExpandLeagueDlg dlg;
    dlg.m_pDoc = this;
    if (!ChooseRule(dlg.m_bSynchronize) || dlg.DoModal() != IDOK)
        return;
    const int nStart = dlg.m_nStartRound;
    // Two teams more: the new rounds are dated before the played matches are asked about.
    if (!CheckStartRound(*this, nStart) || !NewRoundsFitFile(*this, dlg, nStart, m_nTeams + 2))
        return;
    const int nPlayedFrom = ConfirmPlayedMatches(*this, nStart);
    if (nPlayedFrom < 0)
        return;
    const CRoundVenues venues(*this);
    const std::vector<const CFreeWeek*> freeBefore = FixtureCalendar::FreeDatesAfterLastRound(*this);
    CLaterMatches later(*this);
    later.NoteAll();
    const std::optional<CTime> start = NewRoundsStart(*this, nStart);
    const int nPositionRounds = RemoveScheduleFrom(*this, nStart);

    auto makeTeam = [this, nStart](int nTeamNo) {
        auto* pTeam = new CTeam(FreeTeamName(*this), static_cast<WORD>(nTeamNo));
        pTeam->m_nVacancyStartRound = static_cast<BYTE>(nStart);
        pTeam->m_nStartPointsWon = pTeam->m_nStartPointsLost = 0;
        return pTeam;
    };
    if (m_nExtraTeams == 0) {
        for (int i = 0; i < 2; ++i) {
            ++m_nTeams;
            CTeam* pTeam = makeTeam(m_nTeams);
            pTeam->m_nScrPosition = pTeam->m_nHcpPosition = pTeam->m_nRankPosition = m_nTeams;
            AddTeam(pTeam);
        }
    } else {
        // The new teams join the playing teams, ahead of the removed ones, whose names they
        // do not take.
        const int nCount = m_listTeams.GetCount();
        for (int i = 1; i <= 2; ++i)
            AddTeam(makeTeam(nCount + i));
        std::vector<CObject*> teams;
        while (!m_listTeams.IsEmpty())
            teams.push_back(m_listTeams.RemoveHead());
        const auto active = teams.begin() + std::min<size_t>(m_nTeams, teams.size());
        const auto added = teams.end() - 2;
        for (auto it = teams.begin(); it != active; ++it)
            m_listTeams.AddTail(*it);
        for (auto it = added; it != teams.end(); ++it)
            m_listTeams.AddTail(*it);
        for (auto it = active; it != added; ++it)
            m_listTeams.AddTail(*it);
        m_nTeams = static_cast<BYTE>(m_nTeams + 2);
    }
    const std::vector<int> noVenue = BuildNewRounds(*this, dlg, nStart, nPositionRounds, start, venues);
    SetFixtureStartTimes();
    if (LeagueSetup::pfnAddNewPlayer)
        LeagueSetup::pfnAddNewPlayer(this);
    FinishSizeChange(*this, later, nPlayedFrom, noVenue, freeBefore);
}

void CBowlingDoc::OnReduceLeagueSize()
{
    // The smallest pairing table is for four teams.
    if (m_nTeams <= 4) {
        AfxMessageBox("A league must keep at least 4 teams.");
        return;
    }
    CContractLeagueDlg dlg;
    dlg.m_pDoc = this;
    if (!ChooseRule(dlg.m_bSynchronize))
        return;
    m_nExtraTeams = static_cast<BYTE>(m_nExtraTeams + 2);
    auto giveUp = [this] {
        m_nExtraTeams = static_cast<BYTE>(m_nExtraTeams - 2);
        UpdateAllViews(nullptr);
    };
    if (dlg.DoModal() != IDOK) {
        giveUp();
        return;
    }
    if (dlg.m_nDropTeam1 == dlg.m_nDropTeam2) {
        AfxMessageBox("You cannot remove the same team twice!");
        giveUp();
        return;
    }
    const int nStart = dlg.m_nStartRound;
    if (!CheckStartRound(*this, nStart)) {
        giveUp();
        return;
    }
    int nUnplayed = 0;
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
        if (f->m_nRound >= nStart)
            break;
        // A bye is never played; it does not hold the league up.
        if (!f->m_bPlayed[0] && !f->m_bPlayed[1] && !f->IsBye())
            ++nUnplayed;
    }
    if (nUnplayed > 0) {
        CString strMsg;
        strMsg.Format("There are %d unplayed matches beford round %d.  NO ACTION CAN BE TAKEN.", nUnplayed, nStart);
        AfxMessageBox(strMsg);
        giveUp();
        return;
    }
    m_nTeams = static_cast<BYTE>(m_nTeams - 2);
    const int nPlayedFrom = NewRoundsFitFile(*this, dlg, nStart, m_nTeams) ? ConfirmPlayedMatches(*this, nStart) : -1;
    if (nPlayedFrom < 0) {
        m_nTeams = static_cast<BYTE>(m_nTeams + 2);
        giveUp();
        return;
    }
    const CRoundVenues venues(*this);
    const std::vector<const CFreeWeek*> freeBefore = FixtureCalendar::FreeDatesAfterLastRound(*this);
    CLaterMatches later(*this);
    later.NoteAll();
    const std::optional<CTime> start = NewRoundsStart(*this, nStart);
    const int nPositionRounds = RemoveScheduleFrom(*this, nStart);

    CTeam* pDrop1 = FindTeam(dlg.m_nDropTeam1);
    CTeam* pDrop2 = FindTeam(dlg.m_nDropTeam2);
    std::vector<CObject*> keep;
    while (!m_listTeams.IsEmpty()) {
        CObject* p = m_listTeams.RemoveHead();
        if (p != pDrop1 && p != pDrop2)
            keep.push_back(p);
    }
    for (CObject* p : keep)
        m_listTeams.AddTail(p);
    for (CTeam* p : {pDrop1, pDrop2}) {
        if (p) {
            p->m_bRemoved = 1;
            m_listTeams.AddTail(p);
        }
    }
    const std::vector<int> noVenue = BuildNewRounds(*this, dlg, nStart, nPositionRounds, start, venues);
    SetFixtureStartTimes();
    FinishSizeChange(*this, later, nPlayedFrom, noVenue, freeBefore);
}

void CBowlingDoc::OnExtendSeason()
{
    if (m_listFixtures.IsEmpty())
        return;
    const auto* pLast = static_cast<const CFixture*>(m_listFixtures.GetTail());
    const int nLastRound = pLast->m_nRound;
    const int nAdd = m_nTeams - 1;
    if (nLastRound + nAdd > MAX_ROUNDS) {
        AfxMessageBox("A league cannot have more than 255 rounds.");
        return;
    }
    // A league that could not be saved any more is not made. The new rounds follow the last on
    // its evening while it has room, then a week apart.
    if (!FixtureCalendar::SeasonFitsFile(*this, [this, nLastRound, nAdd] {
            RoundDates::EnsureMinutesBetweenRounds(*this);
            RoundDates::LayRounds(*this, nLastRound + 1, nLastRound + nAdd, std::nullopt);
        }))
        return;
    CString strAsk;
    strAsk.Format("Add another %d rounds to your league?", nAdd);
    if (AfxMessageBox(strAsk, MB_YESNO) != IDYES)
        return;
    int nPositionRounds = 0;
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
        if (f->m_nMatch == 1 && f->m_bPositionRound)
            ++nPositionRounds;
    }
    const CRoundVenues venues(*this);
    AddScheduleRounds(nLastRound + 1, nLastRound + nAdd, nPositionRounds, std::nullopt);
    const std::vector<int> noVenue = venues.Give(*this, nLastRound + 1, MAX_ROUNDS);
    // More rounds only ever make room for the splits; the rule is checked all the same.
    if (FitSplitsToRounds())
        Recalculate();
    CountMatchesPerRound();
    UpdateAllViews(nullptr);
    CRoundVenues::SayNoVenue(noVenue);
}
