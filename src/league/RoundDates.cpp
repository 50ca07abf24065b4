#include "league/RoundDates.h"

#include "league/BowlingDoc.h"
#include "league/FreeWeek.h"

#include <algorithm>

CTime AddDays(CTime time, int nDays)
{
    return CTime(time.GetYear(), time.GetMonth(), time.GetDay() + nDays, time.GetHour(), time.GetMinute(),
                 time.GetSecond());
}

namespace RoundDates {

namespace {

// Calendar days, whatever the time of day: a free date is held at any hour.
int DayNumber(CTime t)
{
    return t.GetYear() * 10000 + t.GetMonth() * 100 + t.GetDay();
}

} // namespace

int RoundsPerEvening(const CBowlingDoc& doc)
{
    return std::max<int>(doc.m_nRoundsPerInterval, 1);
}

void EnsureMinutesBetweenRounds(CBowlingDoc& doc)
{
    if (RoundsPerEvening(doc) > 1 && doc.m_nMinutesBetweenRounds == 0)
        doc.m_nMinutesBetweenRounds = static_cast<BYTE>(doc.m_nPlayersPerTeam * 10 + 5);
}

CFreeWeek* FindDatedRange(const CBowlingDoc& doc, int nRound, CFreeWeek* pStart)
{
    auto holds = [nRound](const CFreeWeek* w) {
        return !w->m_bFreeDate && w->m_nFirstRound <= nRound && nRound <= w->m_nLastRound;
    };
    POSITION pos = pStart ? doc.m_listFreeWeeks.Find(pStart) : nullptr;
    for (POSITION p = pos; p;) {
        auto* w = static_cast<CFreeWeek*>(doc.m_listFreeWeeks.GetNext(p));
        if (holds(w))
            return w;
    }
    for (POSITION p = doc.m_listFreeWeeks.GetHeadPosition(); p;) {
        auto* w = static_cast<CFreeWeek*>(doc.m_listFreeWeeks.GetNext(p));
        if (holds(w))
            return w;
    }
    return nullptr;
}

CTime RoundDue(const CBowlingDoc& doc, const CFreeWeek& range, int nRound)
{
    CTime due = range.m_time;
    if (doc.m_nRoundsPerInterval > 1 && nRound > range.m_nFirstRound)
        due += CTimeSpan(static_cast<LONGLONG>(nRound - range.m_nFirstRound) * doc.m_nMinutesBetweenRounds * 60);
    return due;
}

void DateEntries(CBowlingDoc& doc, const CFreeWeek* pFrom, const CFreeWeek* pTo, CTime start, int nDays)
{
    POSITION pos = pFrom ? doc.m_listFreeWeeks.Find(pFrom) : nullptr;
    for (int k = 0; pos; ++k) {
        auto* pWeek = static_cast<CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos));
        pWeek->m_time = AddDays(start, k * nDays);
        if (pWeek == pTo)
            break;
    }
}

void InsertDatedRange(CBowlingDoc& doc, CFreeWeek* pRange)
{
    POSITION pos = doc.m_listFreeWeeks.GetTailPosition();
    while (pos) {
        const auto* pWeek = static_cast<const CFreeWeek*>(doc.m_listFreeWeeks.GetAt(pos));
        if (!pWeek->m_bFreeDate || DayNumber(pWeek->m_time) <= DayNumber(pRange->m_time))
            break;
        doc.m_listFreeWeeks.GetPrev(pos);
    }
    if (pos)
        doc.m_listFreeWeeks.InsertAfter(pos, pRange);
    else
        doc.m_listFreeWeeks.AddHead(pRange);
}

void DateNewRanges(CBowlingDoc& doc, const CFreeWeek* pFirstNew, const CFreeWeek* pLastNew, int nDays)
{
    if (!pFirstNew)
        return;
    // A free date on the day the new rounds start takes that evening; those before it stay.
    POSITION pos = doc.m_listFreeWeeks.Find(pFirstNew);
    const CFreeWeek* pFrom = pFirstNew;
    if (pos)
        doc.m_listFreeWeeks.GetPrev(pos);
    while (pos) {
        const auto* pWeek = static_cast<const CFreeWeek*>(doc.m_listFreeWeeks.GetPrev(pos));
        if (!pWeek->m_bFreeDate || DayNumber(pWeek->m_time) < DayNumber(pFirstNew->m_time))
            break;
        pFrom = pWeek;
    }
    DateEntries(doc, pFrom, pLastNew, pFirstNew->m_time, nDays);
}

void LayRounds(CBowlingDoc& doc, int nFirst, int nLast, std::optional<CTime> firstEvening, int nDays)
{
    // The evenings of the rounds from nFirst on make way; one that began earlier keeps its
    // earlier rounds.
    for (POSITION pos = doc.m_listFreeWeeks.GetHeadPosition(); pos;) {
        POSITION here = pos;
        auto* w = static_cast<CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos));
        if (w->m_bFreeDate || w->m_nLastRound < nFirst)
            continue;
        if (w->m_nFirstRound >= nFirst) {
            doc.m_listFreeWeeks.RemoveAt(here);
            delete w;
        } else {
            w->m_nLastRound = static_cast<BYTE>(nFirst - 1);
        }
    }
    if (nLast < nFirst)
        return;

    const int nPerEvening = RoundsPerEvening(doc);
    int nRound = nFirst;
    CFreeWeek* pBefore = nFirst > 1 ? FindDatedRange(doc, nFirst - 1) : nullptr;
    if (!firstEvening && pBefore) {
        // The evening of the round before bowls the first of them while it has room.
        const int nRoom = nPerEvening - (pBefore->m_nLastRound - pBefore->m_nFirstRound + 1);
        if (nRoom > 0) {
            pBefore->m_nLastRound = static_cast<BYTE>(std::min(nLast, nFirst - 1 + nRoom));
            nRound = pBefore->m_nLastRound + 1;
        }
    }
    if (nRound > nLast)
        return;

    CTime evening;
    if (firstEvening)
        evening = *firstEvening;
    else if (pBefore)
        evening = AddDays(pBefore->m_time, nDays);
    else if (!doc.m_listFreeWeeks.IsEmpty())
        evening = AddDays(static_cast<const CFreeWeek*>(doc.m_listFreeWeeks.GetTail())->m_time, nDays);
    CFreeWeek* pFirstNew = nullptr;
    CFreeWeek* pLastNew = nullptr;
    for (; nRound <= nLast; nRound += nPerEvening) {
        auto* pRange = new CFreeWeek(nRound);
        pRange->m_nFirstRound = static_cast<BYTE>(nRound);
        pRange->m_nLastRound = static_cast<BYTE>(std::min(nRound + nPerEvening - 1, nLast));
        pRange->m_time = evening;
        InsertDatedRange(doc, pRange);
        if (!pFirstNew)
            pFirstNew = pRange;
        pLastNew = pRange;
        evening = AddDays(evening, nDays);
    }
    DateNewRanges(doc, pFirstNew, pLastNew, nDays);
}

} // namespace RoundDates
