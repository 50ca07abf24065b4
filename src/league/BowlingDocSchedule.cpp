// Building the season's fixtures, and setting the teams of a position round.
#include "league/BowlingDoc.h"

#include "framework/ui/Dialog.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/RoundDates.h"
#include "league/Schedule.h"
#include "league/Team.h"

#include <algorithm>
#include <vector>

BOOL (*CBowlingDoc::s_pfnRunFixtureListDlg)(CBowlingDoc* pDoc, CFixtureListRequest& request) = nullptr;

namespace {

int FrequencyDays(int nFrequency)
{
    switch (nFrequency) {
    case 1: return 14;
    case 2: return 28;
    default: return 7;
    }
}

} // namespace

int CBowlingDoc::BuildFixtureList()
{
    CFixtureListRequest request;
    request.nTeams = m_nTeams;
    request.nRoundsPerInterval = m_nRoundsPerInterval;
    if (!s_pfnRunFixtureListDlg || !s_pfnRunFixtureListDlg(this, request))
        return 0;
    return BuildFixtureList(request);
}

std::vector<CTime> CBowlingDoc::DateNewSeason(const CFixtureListRequest& request)
{
    while (!m_listFreeWeeks.IsEmpty())
        delete m_listFreeWeeks.RemoveHead();

    const int nRounds = std::clamp(request.nRounds, 0, 255);
    m_nRoundsPerInterval = static_cast<BYTE>(std::max(request.nRoundsPerInterval, 1));
    m_nRounds = static_cast<BYTE>(nRounds);
    RoundDates::EnsureMinutesBetweenRounds(*this);
    RoundDates::LayRounds(*this, 1, nRounds, request.timeStart, FrequencyDays(request.nFrequency));

    std::vector<CTime> due;
    CFreeWeek* pRange = nullptr;
    for (int r = 1; r <= nRounds; ++r) {
        pRange = RoundDates::FindDatedRange(*this, r, pRange);
        due.push_back(pRange ? RoundDates::RoundDue(*this, *pRange, r) : request.timeStart);
    }
    return due;
}

int CBowlingDoc::BuildFixtureList(const CFixtureListRequest& request)
{
    // The playing teams are the first entries of the team list; table position k is the k-th.
    std::vector<CTeam*> teams;
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos && static_cast<int>(teams.size()) < m_nTeams;)
        teams.push_back(static_cast<CTeam*>(m_listTeams.GetNext(pos)));
    CPairingWalk walk(static_cast<int>(teams.size()));
    if (!walk.IsValid() || std::clamp(request.nRounds, 0, 255) == 0)
        return 0;

    while (!m_listFixtures.IsEmpty())
        delete m_listFixtures.RemoveHead();
    const std::vector<CTime> due = DateNewSeason(request);

    std::vector<CPairing> pairs;
    for (int r = 1; r <= static_cast<int>(due.size()); ++r) {
        const CTime current = due[static_cast<size_t>(r - 1)];
        walk.NextRound(pairs);
        int nMatch = 0;
        for (const CPairing& pair : pairs) {
            CTeam* pA = teams[static_cast<size_t>(pair.nSideA - 1)];
            CTeam* pB = teams[static_cast<size_t>(pair.nSideB - 1)];
            auto* f = new CFixture(r, pA->m_nTeamNo, pB->m_nTeamNo, m_nPlayersPerTeam);
            f->m_nMatch = static_cast<BYTE>(++nMatch);
            f->m_nGames = m_nGamesPerMatch;
            f->m_timeDue = current;
            f->m_timePlayed[0] = f->m_timePlayed[1] = current;
            f->m_pTeamA = pA;
            f->m_pTeamB = pB;
            AddFixture(f);
        }
    }
    CountMatchesPerRound();
    SetModifiedFlag();
    return 1;
}

void CBowlingDoc::SetPositionWeek(int nRound)
{
    std::vector<CFixture*> round;
    int nOutstanding = 0;
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        CFixture* f = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
        if (f->m_nRound == nRound)
            round.push_back(f);
        else if (f->m_nRound < nRound && !f->IsBye() && !(f->m_bPlayed[0] && f->m_bPlayed[1]))
            ++nOutstanding;
    }
    if (round.empty())
        return;

    // (1) The standings after the round before, in the system the round is set from.
    const int nPass = round.front()->m_bPositionRoundScratch ? PASS_SCRATCH : PASS_HANDICAP;
    m_nCurrentRound = static_cast<BYTE>(std::max(nRound - 1, 0));
    Recalculate();
    m_bHandicapPass = nPass == PASS_HANDICAP ? 1 : 0;

    // (2) Only a round of position-round matches is set.
    for (const CFixture* f : round)
        if (!f->m_bPositionRound)
            return;
    // (3)
    if (nOutstanding > 0) {
        CString strAsk;
        strAsk.Format("There are %d Outstanding matches. Click YES to set position week matches anyway", nOutstanding);
        if (AfxMessageBox(strAsk, MB_YESNO) != IDYES)
            return;
    }
    // (4)
    for (const CFixture* f : round)
        if (f->m_bPlayed[0] || f->m_bPlayed[1]) {
            AfxMessageBox("Position week already played.");
            return;
        }
    for (const CFixture* f : round)
        if (f->m_nTeamA != 0 || f->m_nTeamB != 0) {
            if (AfxMessageBox("Positions already set. Reset them?", MB_YESNO) != IDYES)
                return;
            break;
        }

    // The teams in standings order; removed teams have no place.
    std::vector<CTeam*> order;
    for (WORD nPlace = 1;; ++nPlace) {
        CTeam* pTeam = nullptr;
        for (POSITION pos = m_listTeams.GetHeadPosition(); pos && !pTeam;) {
            CTeam* t = static_cast<CTeam*>(m_listTeams.GetNext(pos));
            if ((nPass == PASS_HANDICAP ? t->m_nHcpPosition : t->m_nScrPosition) == nPlace)
                pTeam = t;
        }
        if (!pTeam)
            break;
        order.push_back(pTeam);
    }
    // (5)
    if (order.size() >= 2) {
        const int nMax = nPass == PASS_HANDICAP ? m_nMaxHandicapPoints : m_nMaxScratchPoints;
        if (order[0]->m_nPointsWon[nPass] - order[1]->m_nPointsWon[nPass] > nMax &&
            AfxMessageBox("Top team cannot be caught.  Place them at the bottom?", MB_YESNO) == IDYES)
            std::rotate(order.begin(), order.begin() + 1, order.end());
    }
    // (6)
    for (size_t k = 0; k < round.size(); ++k) {
        CFixture* f = round[k];
        CTeam* pA = 2 * k < order.size() ? order[2 * k] : nullptr;
        CTeam* pB = 2 * k + 1 < order.size() ? order[2 * k + 1] : nullptr;
        f->m_pTeamA = pA;
        f->m_pTeamB = pB;
        f->m_nTeamA = static_cast<BYTE>(pA ? pA->m_nTeamNo : 0);
        f->m_nTeamB = static_cast<BYTE>(pB ? pB->m_nTeamNo : 0);
    }
    SetModifiedFlag();
}
