#pragma once
// Changes to the rounds of a league that the Fixture Dates dialog makes at once: position
// rounds put in and taken out, the last round dropped, and the markers of the rounds list.
#include "framework/core/Time.h"

#include <vector>

class CBowlingDoc;
class CFreeWeek;

namespace FixtureCalendar {

constexpr int MAX_ROUNDS = 255;

// Sets the scratch and handicap position-round markers of every dated range from the
// position-round matches it holds (the first match of each round decides).
void MarkPositionRounds(CBowlingDoc& doc);
// The rounds whose first match is a position-round match, in fixture order.
std::vector<int> PositionRounds(const CBowlingDoc& doc);
// Round nRound becomes a position round of teams to be set; the rounds from it on move one
// later and the calendar grows by one round at its end, nInterval after its last entry. The new
// matches take the date the calendar gives their round, and the venue of the rounds before it
// when they had one (else the secretary is told the round has none).
// False when the league already has the most rounds it can hold.
bool InsertPositionRound(CBowlingDoc& doc, int nRound, bool bScratch, CTimeSpan interval);
// Removes the matches of the round, moves the later rounds one earlier and drops the last
// round of the calendar.
void DeleteRound(CBowlingDoc& doc, int nRound);
// Removes the matches of the last round and drops it from the calendar.
void DeleteFinalRound(CBowlingDoc& doc);
// One round fewer: the last dated range loses its last round, or goes when it held one.
// Free dates after it stay.
void RemoveLastRound(CBowlingDoc& doc);
// The dated range holding the round, searched onward from pStart (null: the head), then
// from the head; null when no range holds it.
CFreeWeek* FindDatedRange(const CBowlingDoc& doc, int nRound, CFreeWeek* pStart = nullptr);

} // namespace FixtureCalendar
