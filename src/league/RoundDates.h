#pragma once
// How the rounds of a season lie on its calendar. Each dated range of the round-dates list is
// one evening of the league (one date), holding at most the rounds it bowls on a date, those
// rounds the minutes between rounds apart; the evenings stand in round order and in date
// order, the free dates among them. File > New, Extend Season, the size changes and the
// position rounds of Fixture Dates all lay their rounds through LayRounds.
#include "framework/core/Time.h"

#include <optional>

class CBowlingDoc;
class CFreeWeek;

// Whole days later (earlier when negative) at the same local time of day, so that a league
// bowling at seven keeps bowling at seven when the clocks change.
CTime AddDays(CTime time, int nDays);

namespace RoundDates {

// The rounds bowled on one date: 1 or more.
int RoundsPerEvening(const CBowlingDoc& doc);
// A league of several rounds a date without minutes between them takes a match's length
// (players per team x 10 + 5); a league that has minutes keeps them.
void EnsureMinutesBetweenRounds(CBowlingDoc& doc);

// The dated range holding the round, searched onward from pStart (null: the head), then
// from the head; null when no range holds it.
CFreeWeek* FindDatedRange(const CBowlingDoc& doc, int nRound, CFreeWeek* pStart = nullptr);
// When a round of the range is due: the range's date, each later round of one date the minutes
// between rounds after the one before.
CTime RoundDue(const CBowlingDoc& doc, const CFreeWeek& range, int nRound);

// The entries from pFrom to pTo (to the end of the list when null), in list order, one
// interval of nDays apart from start, at start's time of day; a free date takes its interval
// as an evening does.
void DateEntries(CBowlingDoc& doc, const CFreeWeek* pFrom, const CFreeWeek* pTo, CTime start, int nDays);
// A new dated range for rounds after the others goes into the calendar after every dated
// range and after the free dates up to its day: a free date on that day comes first.
void InsertDatedRange(CBowlingDoc& doc, CFreeWeek* pRange);
// Dates the ranges pFirstNew..pLastNew, just put in with InsertDatedRange, nDays apart from
// the first on, around the free dates among them.
void DateNewRanges(CBowlingDoc& doc, const CFreeWeek* pFirstNew, const CFreeWeek* pLastNew, int nDays = 7);

// Lays rounds nFirst..nLast on the calendar, the rounds before nFirst keeping their evenings;
// the calendar's dated ranges of rounds from nFirst on make way first. With a first evening
// given, round nFirst begins an evening on that date; without one, the rounds go on the
// evening of round nFirst - 1 while it has room. The rest go on new evenings of up to the
// rounds of a date, each nDays after the one before (the first nDays after the evening of
// round nFirst - 1 when none is given), around the free dates. The league's number of rounds
// is the caller's.
void LayRounds(CBowlingDoc& doc, int nFirst, int nLast, std::optional<CTime> firstEvening, int nDays = 7);

} // namespace RoundDates
