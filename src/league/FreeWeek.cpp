#include "league/FreeWeek.h"

#include "framework/core/Archive.h"
#include "framework/core/Collections.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CFreeWeek, CObject, 1)

CFreeWeek::CFreeWeek()
    : m_nFirstRound(0), m_nLastRound(0), m_nExtraRound{0, 0}, m_bFreeDate(0), m_bScratchPosition(0),
      m_bHandicapPosition(0)
{
}

CFreeWeek::CFreeWeek(int nRound) : CFreeWeek()
{
    m_nExtraRound[0] = static_cast<BYTE>(nRound);
    m_nExtraRound[1] = static_cast<BYTE>(nRound + 1);
}

void CFreeWeek::CopyFrom(const CFreeWeek& o)
{
    m_nFirstRound = o.m_nFirstRound;
    m_nLastRound = o.m_nLastRound;
    m_nExtraRound[0] = o.m_nExtraRound[0];
    m_nExtraRound[1] = o.m_nExtraRound[1];
    m_bFreeDate = o.m_bFreeDate;
    m_bScratchPosition = o.m_bScratchPosition;
    m_bHandicapPosition = o.m_bHandicapPosition;
    m_time = o.m_time;
    m_strReason = o.m_strReason;
}

bool CFreeWeek::IsSameAs(const CFreeWeek& o) const
{
    return m_nFirstRound == o.m_nFirstRound && m_nLastRound == o.m_nLastRound &&
           m_nExtraRound[0] == o.m_nExtraRound[0] && m_nExtraRound[1] == o.m_nExtraRound[1] &&
           m_bFreeDate == o.m_bFreeDate && m_time == o.m_time && m_strReason == o.m_strReason;
}

void CFreeWeek::GetListText(CString& strText, char chMarker) const
{
    if (m_bFreeDate) {
        strText.Format("Free Date - %s", m_time.Format("%a %d %b %Y").GetString());
        return;
    }
    char ch = ' ';
    if (m_bScratchPosition && m_bHandicapPosition)
        ch = '*';
    else if (m_bHandicapPosition)
        ch = 'H';
    else if (m_bScratchPosition)
        ch = 'S';
    if (chMarker)
        ch = chMarker;
    CString strDate = m_time.Format("%a %d %b %Y %I:%M %p");
    if (m_nFirstRound != m_nLastRound)
        strText.Format("Rnds %d-%d %c %s", m_nFirstRound, m_nLastRound, ch, strDate.GetString());
    else
        strText.Format("Rnd %d %c %s", m_nFirstRound, ch, strDate.GetString());
}

void CFreeWeek::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nFirstRound << m_nLastRound << m_nExtraRound[0] << m_nExtraRound[1] << m_bFreeDate << m_time
           << m_strReason;
    } else {
        ar >> m_nFirstRound >> m_nLastRound >> m_nExtraRound[0] >> m_nExtraRound[1] >> m_bFreeDate >> m_time
           >> m_strReason;
        m_bScratchPosition = 0;
        m_bHandicapPosition = 0;
    }
}

bool PutFreeDatesInOrder(CObList& list)
{
    std::vector<CFreeWeek*> entries;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        entries.push_back(static_cast<CFreeWeek*>(list.GetNext(pos)));
    const auto earlier = [](const CFreeWeek* a, const CFreeWeek* b) { return a->m_time < b->m_time; };
    if (std::is_sorted(entries.begin(), entries.end(), earlier))
        return false;
    std::vector<CFreeWeek*> freeDates;
    for (CFreeWeek* w : entries)
        if (w->m_bFreeDate)
            freeDates.push_back(w);
    std::stable_sort(freeDates.begin(), freeDates.end(), earlier);
    std::vector<CFreeWeek*> ordered;
    auto next = freeDates.begin();
    for (CFreeWeek* w : entries) {
        if (w->m_bFreeDate)
            continue;
        for (; next != freeDates.end() && (*next)->m_time <= w->m_time; ++next)
            ordered.push_back(*next);
        ordered.push_back(w);
    }
    ordered.insert(ordered.end(), next, freeDates.end());
    if (ordered == entries)
        return false;
    list.RemoveAll();
    for (CFreeWeek* w : ordered)
        list.AddTail(w);
    return true;
}
