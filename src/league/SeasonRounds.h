#pragma once
// What the season keeps when its rounds are rebuilt or added: the venue of each round, and
// the splits that still fit its rounds (CBowlingDoc::FitSplitsToRounds, SeasonRounds.cpp).
#include "framework/core/String.h"
#include "league/BowlingDoc.h"

#include <map>
#include <vector>

// "22", "12 and 18", "12, 15 and 22-28": rounds in order, runs of three or more as a range.
CString RoundListText(const std::vector<int>& rounds);

// What reading a league took from its split settings, for the read's notice: "the season's
// split setting could not be used with its 12 rounds: the split from round 14 was removed and
// the season is no longer split".
CString SplitsDroppedOnReading(const CLeagueSettings& settings, const CLeagueSettings::CSplitsDropped& dropped);

// The venue of each round of the schedule, taken before rounds are rebuilt or added. Venues
// are assigned to rounds: a round keeps its venue when its matches are made again, and a new
// round is bowled where the league has bowled every round so far, when that is one venue.
class CRoundVenues
{
public:
    // The rounds of the schedule below nBefore, as they stand.
    explicit CRoundVenues(const CBowlingDoc& doc, int nBefore = 256);

    // Gives every match of rounds nFirst..nLast a venue. A round taken here keeps the venue its
    // matches had (none when they were at several), unless bAllNew; a new round takes the venue
    // of the rounds taken before it (every round taken, with bAllNew) when they had one venue,
    // else none. Returns the rounds left without a venue in a league whose rounds had venues.
    std::vector<int> Give(CBowlingDoc& doc, int nFirst, int nLast, bool bAllNew = false) const;

    // Tells the secretary which rounds have no venue; nothing when there are none.
    static void SayNoVenue(const std::vector<int>& rounds);
    static CString NoVenueText(const std::vector<int>& rounds);

private:
    static constexpr int SEVERAL = -1;
    int VenueOfNewRound(int nRound, bool bAllNew) const;

    std::map<int, int> m_venue; // round -> venue number (0 none), SEVERAL
};
