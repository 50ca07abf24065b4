#pragma once
// CFreeWeek: one entry of the round-dates list: a round or range of rounds bowled on a date,
// or a free date (no matches) with its reason.
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Time.h"
#include "framework/core/Types.h"

class CArchive;
class CObList;

class CFreeWeek : public CObject
{
    DECLARE_SERIAL(CFreeWeek)
public:
    CFreeWeek();
    explicit CFreeWeek(int nRound); // the two further round bytes hold n and n + 1

    void CopyFrom(const CFreeWeek& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CFreeWeek& other) const;

    // The line of the Fixture Dates list; a non-zero marker replaces the position-round mark.
    void GetListText(CString& strText, char chMarker) const;

    BYTE m_nFirstRound;
    BYTE m_nLastRound;            // equal to the first for a range of one round
    BYTE m_nExtraRound[2];        // kept beside the first and last round
    DWORD m_bFreeDate;
    DWORD m_bScratchPosition;     // position-round markers, only while Fixture Dates runs
    DWORD m_bHandicapPosition;
    CTime m_time;
    CString m_strReason;          // of a free date, at most 48 characters
};

// A round-dates list in calendar order: each free date among the dated ranges by its date (before
// a range dated the same), the ranges keeping their order. A list already in calendar order is
// left as it is; true when the list changed.
bool PutFreeDatesInOrder(CObList& list);
