// The league's calendar: the Fixture Dates dialog and the dates and start times of the
// fixtures that follow from it.
#include "admin/FixtureCalendar.h"
#include "admin/FixtureDatesDlg.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"

#include <algorithm>

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
            SetModifiedFlag();
        }
    }
    FixtureCalendar::MarkPositionRounds(*this);

    // Each button, and Finished with the minutes between rounds, dates the matches as it acts:
    // closed either way, the league is as the dialog left it.
    CFixtureDatesDlg dlg;
    dlg.m_nRoundsPerInterval = m_nRoundsPerInterval;
    dlg.m_pDoc = this;
    dlg.m_nMinutes = m_nMinutesBetweenRounds;
    dlg.DoModal();
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
