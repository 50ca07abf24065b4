#include "admin/FixtureCalendar.h"

#include "admin/DateCombos.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/RoundDates.h"
#include "league/SeasonRounds.h"

#include <algorithm>
#include <array>
#include <vector>

namespace FixtureCalendar {

void MarkPositionRounds(CBowlingDoc& doc)
{
    // One walk over the fixtures, then one over the calendar: the lists are opened with every
    // change, in seasons of thousands of matches.
    enum : BYTE { HANDICAP = 1, SCRATCH = 2 };
    std::array<BYTE, 256> marks{}; // by round, a byte's every value
    for (POSITION fpos = doc.m_listFixtures.GetHeadPosition(); fpos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(fpos));
        if (f->m_nMatch < 2 && f->m_bPositionRound)
            marks[f->m_nRound] |= f->m_bPositionRoundScratch ? SCRATCH : HANDICAP;
    }
    for (POSITION pos = doc.m_listFreeWeeks.GetHeadPosition(); pos;) {
        auto* pWeek = static_cast<CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos));
        pWeek->m_bScratchPosition = 0;
        pWeek->m_bHandicapPosition = 0;
        if (pWeek->m_bFreeDate)
            continue;
        for (int r = pWeek->m_nFirstRound; r <= pWeek->m_nLastRound; ++r) {
            if (marks[static_cast<size_t>(r)] & SCRATCH)
                pWeek->m_bScratchPosition = 1;
            if (marks[static_cast<size_t>(r)] & HANDICAP)
                pWeek->m_bHandicapPosition = 1;
        }
    }
}

int LastRoundWithResults(const CBowlingDoc& doc)
{
    int nLast = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_bPlayed[0] || f->m_bPlayed[1])
            nLast = std::max<int>(nLast, f->m_nRound);
    }
    return nLast;
}

int FirstPositionRound(const CBowlingDoc& doc)
{
    return std::max(2, LastRoundWithResults(doc) + 1);
}

bool CanAddPositionRound(const CBowlingDoc& doc)
{
    if (doc.m_nRounds == 0)
        return false;
    for (POSITION pos = doc.m_listFreeWeeks.GetHeadPosition(); pos;)
        if (!static_cast<const CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos))->m_bFreeDate)
            return true;
    return false;
}

std::vector<int> DeletablePositionRounds(const CBowlingDoc& doc)
{
    const int nLastPlayed = LastRoundWithResults(doc);
    std::vector<int> rounds;
    for (int nRound : PositionRounds(doc))
        if (nRound >= nLastPlayed)
            rounds.push_back(nRound);
    return rounds;
}

int CountPlayedMatches(const CBowlingDoc& doc, int nFirst, int nLast)
{
    int nPlayed = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound >= nFirst && f->m_nRound <= nLast && (f->m_bPlayed[0] || f->m_bPlayed[1]))
            ++nPlayed;
    }
    return nPlayed;
}

bool ConfirmRemovingPlayed(int nPlayed)
{
    if (nPlayed == 0)
        return true;
    CString strAsk;
    strAsk.Format("This will remove %d matches already played!  Continue?", nPlayed);
    return AfxMessageBox(strAsk, MB_YESNO) == IDYES;
}

std::vector<int> PositionRounds(const CBowlingDoc& doc)
{
    std::vector<int> rounds;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nMatch == 1 && f->m_bPositionRound)
            rounds.push_back(f->m_nRound);
    }
    return rounds;
}

void AddRoundAtEnd(CBowlingDoc& doc, CTimeSpan interval)
{
    doc.m_nRounds = static_cast<BYTE>(doc.m_nRounds + 1);
    RoundDates::LayRounds(doc, doc.m_nRounds, doc.m_nRounds, std::nullopt, static_cast<int>(interval.GetDays()));
}

bool InsertPositionRound(CBowlingDoc& doc, int nRound, bool bScratch, CTimeSpan interval)
{
    if (doc.m_nRounds >= MAX_ROUNDS || nRound < FirstPositionRound(doc) || !CanAddPositionRound(doc))
        return false;
    const int nOldRounds = doc.m_nRounds;
    // The new round is bowled where the rounds before it were; they do not move.
    const CRoundVenues venues(doc, nRound);
    AddRoundAtEnd(doc, interval);

    auto makeMatch = [&doc, nRound, bScratch](int nMatch) {
        auto* f = new CFixture(nRound, 0, 0, doc.m_nPlayersPerTeam);
        f->m_nMatch = static_cast<BYTE>(nMatch);
        f->m_nGames = doc.m_nGamesPerMatch;
        f->m_bPositionRound = 1;
        f->m_bPositionRoundScratch = bScratch ? 1 : 0;
        f->m_pDoc = &doc;
        return f;
    };
    const int nMatches = doc.m_nTeams / 2;
    POSITION posFirstMoved = nullptr;
    if (nRound <= nOldRounds) {
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
            POSITION here = pos;
            auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
            if (f->m_nRound >= nRound) {
                if (!posFirstMoved)
                    posFirstMoved = here;
                ++f->m_nRound;
            }
        }
    }
    for (int m = 1; m <= nMatches; ++m) {
        if (posFirstMoved)
            doc.m_listFixtures.InsertBefore(posFirstMoved, makeMatch(m));
        else
            doc.m_listFixtures.AddTail(makeMatch(m));
    }
    // The new round and the rounds moved on take their dates from the calendar.
    DateMatches(doc, nRound);
    CRoundVenues::SayNoVenue(venues.Give(doc, nRound, nRound, true));
    return true;
}

void RemoveLastRound(CBowlingDoc& doc)
{
    const int nOld = doc.m_nRounds;
    if (doc.m_nRounds > 0)
        --doc.m_nRounds;
    // The round in hand was the last: the season's new last is, never a round it no longer has.
    if (doc.m_nCurrentRound == nOld && doc.m_nRounds > 0)
        doc.m_nCurrentRound = doc.m_nRounds;
    for (POSITION pos = doc.m_listFreeWeeks.GetTailPosition(); pos;) {
        POSITION here = pos;
        auto* pWeek = static_cast<CFreeWeek*>(doc.m_listFreeWeeks.GetPrev(pos));
        if (pWeek->m_bFreeDate)
            continue;
        if (pWeek->m_nLastRound > pWeek->m_nFirstRound) {
            --pWeek->m_nLastRound;
        } else {
            doc.m_listFreeWeeks.RemoveAt(here);
            delete pWeek;
        }
        return;
    }
}

void DeleteRound(CBowlingDoc& doc, int nRound)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        POSITION here = pos;
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound == nRound) {
            doc.m_listFixtures.RemoveAt(here);
            delete f;
        } else if (f->m_nRound > nRound) {
            --f->m_nRound;
        }
    }
    // The round in hand moves back with its matches.
    if (doc.m_nCurrentRound > nRound)
        --doc.m_nCurrentRound;
    RemoveLastRound(doc);
    // The rounds moved back take the dates of theirs.
    DateMatches(doc, nRound);
}

void DeleteFinalRound(CBowlingDoc& doc)
{
    const int nLast = doc.m_nRounds;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        POSITION here = pos;
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound >= nLast) {
            doc.m_listFixtures.RemoveAt(here);
            delete f;
        }
    }
    RemoveLastRound(doc);
}

std::vector<const CFreeWeek*> FreeDatesAfterLastRound(const CBowlingDoc& doc)
{
    std::vector<const CFreeWeek*> after;
    for (POSITION pos = doc.m_listFreeWeeks.GetTailPosition(); pos;) {
        const auto* pWeek = static_cast<const CFreeWeek*>(doc.m_listFreeWeeks.GetPrev(pos));
        if (!pWeek->m_bFreeDate)
            break;
        after.insert(after.begin(), pWeek);
    }
    return after;
}

CString FreeDatesAfterLastRoundText(const std::vector<const CFreeWeek*>& freeDates)
{
    CString strList;
    for (size_t i = 0; i < freeDates.size(); ++i) {
        if (i > 0)
            strList += i + 1 == freeDates.size() ? " and " : ", ";
        strList += freeDates[i]->m_time.Format("%a %d %b %Y");
        if (!freeDates[i]->m_strReason.IsEmpty())
            strList.AppendFormat(" (%s)", freeDates[i]->m_strReason.GetString());
    }
    CString strText;
    if (freeDates.size() == 1)
        strText.Format("The free date %s now falls after the last round.  It stays in the fixture dates for rounds "
                       "added later.",
                       strList.GetString());
    else if (freeDates.size() > 1)
        strText.Format("The free dates %s now fall after the last round.  They stay in the fixture dates for rounds "
                       "added later.",
                       strList.GetString());
    return strText;
}

bool FitsFile(const CBowlingDoc& doc)
{
    CTimeSpan lastSquad;
    for (int m = 1; m <= (doc.m_nTeams + 1) / 2; ++m)
        lastSquad = std::max(lastSquad, doc.SquadDelay(m));
    for (POSITION pos = doc.m_listFreeWeeks.GetHeadPosition(); pos;) {
        const auto* pWeek = static_cast<const CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos));
        if (!pWeek->m_time.IsStorable())
            return false;
        if (!pWeek->m_bFreeDate && !(RoundDue(doc, *pWeek, pWeek->m_nLastRound) + lastSquad).IsStorable())
            return false;
    }
    return true;
}

namespace {

// While it lives, the league's calendar is a copy, free to be changed; then the calendar the
// league had is back, entry for entry, with the counts a change of the calendar touches.
class CCalendarTrial
{
public:
    explicit CCalendarTrial(CBowlingDoc& doc)
        : m_doc(doc), m_nRounds(doc.m_nRounds), m_nTeams(doc.m_nTeams),
          m_nRoundsPerInterval(doc.m_nRoundsPerInterval), m_nMinutesBetweenRounds(doc.m_nMinutesBetweenRounds)
    {
        CObList& calendar = doc.m_listFreeWeeks;
        while (!calendar.IsEmpty())
            m_kept.push_back(calendar.RemoveHead());
        for (CObject* p : m_kept) {
            auto* pCopy = new CFreeWeek;
            pCopy->CopyFrom(*static_cast<const CFreeWeek*>(p));
            calendar.AddTail(pCopy);
        }
    }
    ~CCalendarTrial()
    {
        CObList& calendar = m_doc.m_listFreeWeeks;
        while (!calendar.IsEmpty())
            delete static_cast<CFreeWeek*>(calendar.RemoveHead());
        for (CObject* p : m_kept)
            calendar.AddTail(p);
        m_doc.m_nRounds = m_nRounds;
        m_doc.m_nTeams = m_nTeams;
        m_doc.m_nRoundsPerInterval = m_nRoundsPerInterval;
        m_doc.m_nMinutesBetweenRounds = m_nMinutesBetweenRounds;
    }
    CCalendarTrial(const CCalendarTrial&) = delete;
    CCalendarTrial& operator=(const CCalendarTrial&) = delete;

private:
    CBowlingDoc& m_doc;
    std::vector<CObject*> m_kept;
    BYTE m_nRounds, m_nTeams, m_nRoundsPerInterval, m_nMinutesBetweenRounds;
};

} // namespace

bool WouldFitFile(CBowlingDoc& doc, const std::function<void()>& change)
{
    const CCalendarTrial trial(doc);
    change();
    return FitsFile(doc);
}

bool SeasonFitsFile(CBowlingDoc& doc, const std::function<void()>& change)
{
    if (WouldFitFile(doc, change))
        return true;
    AfxMessageBox(SEASON_PAST_LAST_DATE);
    return false;
}

void DateMatches(CBowlingDoc& doc, int nFirstRound, const AskDatePlayed& askChange)
{
    CFreeWeek* pRange = nullptr;
    std::vector<PlayedSideMoved> moved;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        const int nRound = f->m_nRound;
        if (nRound < nFirstRound)
            continue;
        if (!pRange || pRange->m_nFirstRound > nRound || nRound > pRange->m_nLastRound)
            pRange = FindDatedRange(doc, nRound, pRange);
        // A match whose round has no date keeps the date it has.
        if (!pRange)
            continue;
        const CTime newDue = RoundDue(doc, *pRange, nRound) + doc.SquadDelay(f->m_nMatch);
        const CTime oldDue = f->m_timeDue;
        f->m_timeDue = newDue;
        for (int s = 0; s < 2; ++s) {
            if (!f->m_bPlayed[s] || f->m_timePlayed[s] == oldDue)
                f->m_timePlayed[s] = newDue;
            else if (newDue != oldDue && askChange)
                moved.push_back({f, s, oldDue, newDue});
        }
    }
    if (!moved.empty() && askChange(moved))
        for (const PlayedSideMoved& side : moved)
            side.pMatch->m_timePlayed[side.nSide] = side.newDue;
}

void DateSeason(CBowlingDoc& doc, const AskDatePlayed& askChange)
{
    DateMatches(doc, 0, askChange);
    doc.SetFixtureStartTimes();
    doc.CountMatchesPerRound();
}

void KeepRoundInHand(CBowlingDoc& doc, int nFrom)
{
    std::vector<bool> bResults(MAX_ROUNDS + 1, false);
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_bPlayed[0] || f->m_bPlayed[1])
            bResults[f->m_nRound] = true;
    }
    int nLast = doc.m_nRounds;
    for (int r = std::max(nFrom, 1); r <= nLast; ++r)
        if (!bResults[static_cast<size_t>(r)]) {
            nLast = r;
            break;
        }
    if (doc.m_nCurrentRound > nLast)
        doc.m_nCurrentRound = static_cast<BYTE>(std::max(nLast, 1));
}

} // namespace FixtureCalendar
