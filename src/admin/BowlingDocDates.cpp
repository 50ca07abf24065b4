// The league's calendar: the Fixture Dates dialog and the dates and start times of the
// fixtures that follow from it.
#include "admin/DatePlayedChangeDlg.h"
#include "admin/FixtureCalendar.h"
#include "admin/FixtureDatesDlg.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/MatchWorking.h"
#include "league/Team.h"

#include <algorithm>

namespace {

CString TeamName(const CFixture* f, int nSide)
{
    const CTeam* pTeam = nSide == 0 ? f->m_pTeamA : f->m_pTeamB;
    return pTeam ? pTeam->m_strName : CString();
}

// "Change" gives the side the new due date as its date played.
bool AskChangeDatePlayed(const CFixture& match, int nSide, CTime oldDue, CTime newDue)
{
    const CFixture* f = &match;
    const char* pszFormat = "%a %d %b %I:%M %p %Y";
    CDatePlayedChangeDlg dlg;
    dlg.m_strRound.Format("Round %d", f->m_nRound);
    dlg.m_strTeamA = TeamName(f, 0);
    dlg.m_strTeamB = TeamName(f, 1);
    dlg.m_strTeam = TeamName(f, nSide);
    dlg.m_strDatePlayed = f->m_timePlayed[nSide].Format(pszFormat);
    dlg.m_strOldDue = oldDue.Format(pszFormat);
    dlg.m_strNewDue = newDue.Format(pszFormat);
    return dlg.DoModal() == IDOK;
}

} // namespace

void CBowlingDoc::EditFixtureDates()
{
    if (m_nRoundsPerInterval == 0)
        m_nRoundsPerInterval = 1;
    for (POSITION pos = m_listFreeWeeks.GetHeadPosition(); pos;) {
        POSITION here = pos;
        auto* pWeek = static_cast<CFreeWeek*>(m_listFreeWeeks.GetNext(pos));
        if (!pWeek->m_bFreeDate && pWeek->m_nFirstRound > m_nRounds) {
            m_listFreeWeeks.RemoveAt(here);
            delete pWeek;
        }
    }
    FixtureCalendar::MarkPositionRounds(*this);

    CFixtureDatesDlg dlg;
    dlg.m_nRoundsPerInterval = m_nRoundsPerInterval;
    dlg.m_pDoc = this;
    dlg.m_nMinutes = m_nMinutesBetweenRounds;
    if (dlg.DoModal() != IDOK)
        return;
    m_nMinutesBetweenRounds = static_cast<BYTE>(std::clamp(dlg.m_nMinutes, 0, 255));

    // New dates may move a side's day against the matches bowled around it. The buttons worked
    // again what counted the matches they took away.
    CLaterMatches later(*this);
    later.NoteAll();

    FixtureCalendar::AskDatePlayed ask;
    if (dlg.m_bResetDatePlayed)
        ask = AskChangeDatePlayed;
    FixtureCalendar::DateMatches(*this, 0, ask);
    SetFixtureStartTimes();
    CountMatchesPerRound();
    later.ReworkAndTell();
}

void CBowlingDoc::SetFixtureStartTimes()
{
    // The first match of every round; a round without one leaves its matches alone.
    const CFixture* pFirst[256] = {};
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
        if (f->m_nMatch == 1 && !pFirst[f->m_nRound])
            pFirst[f->m_nRound] = f;
    }
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
        const CFixture* pRoundFirst = pFirst[f->m_nRound];
        if (!pRoundFirst)
            continue;
        const CTime roundDue = pRoundFirst->m_timeDue;
        if (!m_bSplitSessions) {
            bool bKeep[2];
            for (int s = 0; s < 2; ++s)
                bKeep[s] = f->m_bPlayed[s] && f->m_timePlayed[s] != f->m_timeDue;
            f->m_timeDue = roundDue;
            for (int s = 0; s < 2; ++s)
                if (!bKeep[s])
                    f->m_timePlayed[s] = roundDue;
        } else {
            // A played squad keeps the day it bowled; one still to bowl is due with its squad.
            f->m_timeDue = roundDue + SquadDelay(f->m_nMatch);
            for (int s = 0; s < 2; ++s)
                if (!f->m_bPlayed[s])
                    f->m_timePlayed[s] = f->m_timeDue;
        }
    }
}

CTimeSpan CBowlingDoc::SquadDelay(int nMatch) const
{
    if (!m_bSplitSessions)
        return CTimeSpan();
    // Squads: fewer than two lanes, or no lane range at all, make one squad.
    const int nLanes = m_nLastLane - std::max<int>(m_nStartLane, 1) + 1;
    const int nPerSquad = nLanes >= 2 ? nLanes / 2 : 0;
    const int nSquad = nPerSquad > 0 && nMatch > 0 ? (nMatch - 1) / nPerSquad : 0;
    if (nSquad > 0 && nSquad < static_cast<int>(std::size(m_nSquadDelay)))
        return CTimeSpan(static_cast<LONGLONG>(m_nSquadDelay[nSquad]) * 60);
    return CTimeSpan();
}
