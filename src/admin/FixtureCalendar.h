#pragma once
// Changes to the rounds of a league that the Fixture Dates dialog makes at once: position
// rounds put in and taken out, the last round dropped, and the markers of the rounds list;
// and how the calendar dates a season, which rebuilt and added rounds follow too.
#include "framework/core/String.h"
#include "framework/core/Time.h"
#include "league/RoundDates.h"

#include <functional>
#include <vector>

class CBowlingDoc;
class CFixture;
class CFreeWeek;

namespace FixtureCalendar {

constexpr int MAX_ROUNDS = 255;

// Sets the scratch and handicap position-round markers of every dated range from the
// position-round matches it holds (the first match of each round decides).
void MarkPositionRounds(CBowlingDoc& doc);
// The rounds whose first match is a position-round match, in fixture order.
std::vector<int> PositionRounds(const CBowlingDoc& doc);
// The last round in which a side has a result; 0 when none has.
int LastRoundWithResults(const CBowlingDoc& doc);
// The first round a position round can be put in: after the last round with results, so that
// no played match moves, and never round 1, which has no standings to set it from.
int FirstPositionRound(const CBowlingDoc& doc);
// A league without rounds has no calendar to put a position round in.
bool CanAddPositionRound(const CBowlingDoc& doc);
// The position rounds that can go without moving a played match: no later round has results.
std::vector<int> DeletablePositionRounds(const CBowlingDoc& doc);
// The matches of rounds nFirst..nLast with a result on either side.
int CountPlayedMatches(const CBowlingDoc& doc, int nFirst, int nLast = MAX_ROUNDS);
// Asks "This will remove %d matches already played!  Continue?" when played matches would go;
// true, unasked, when none would.
bool ConfirmRemovingPlayed(int nPlayed);

// The calendar grows by one round at its end, the league's number of rounds with it: the
// evening of the last round takes it while it has room, else a new evening does, interval
// after that one (RoundDates::LayRounds).
void AddRoundAtEnd(CBowlingDoc& doc, CTimeSpan interval);
// Round nRound becomes a position round of teams to be set; the rounds from it on move one
// later and the calendar grows by one round at its end, nInterval after its last entry. The
// matches from round nRound on take the dates the calendar gives their rounds, and the new ones
// the venue of the rounds before them when they had one (else the secretary is told the round
// has none).
// False, and nothing changed, when the league already has the most rounds it can hold, has no
// rounds, or the round comes before FirstPositionRound.
bool InsertPositionRound(CBowlingDoc& doc, int nRound, bool bScratch, CTimeSpan interval);
// Removes the matches of the round, moves the later rounds one earlier, with their dates and
// the round in hand, and drops the last round of the calendar.
void DeleteRound(CBowlingDoc& doc, int nRound);
// Removes the matches of the last round and drops it from the calendar.
void DeleteFinalRound(CBowlingDoc& doc);
// One round fewer: the last dated range loses its last round, or goes when it held one.
// Free dates after it stay.
void RemoveLastRound(CBowlingDoc& doc);
// Where a round lies on the calendar and when it is due (league/RoundDates.h).
using RoundDates::FindDatedRange;
using RoundDates::RoundDue;

// The free dates with no round after them, in calendar order.
std::vector<const CFreeWeek*> FreeDatesAfterLastRound(const CBowlingDoc& doc);
// "The free date Mon 22 Dec 2025 (Christmas) now falls after the last round ..."; empty for none.
CString FreeDatesAfterLastRoundText(const std::vector<const CFreeWeek*>& freeDates);

// Whether the league fits its file: every entry of the calendar, and the start of the last
// squad of every round it dates, no later than the last date a league file holds.
bool FitsFile(const CBowlingDoc& doc);
// Whether the league would still fit its file after change, which is run on a copy of the
// calendar: its entries, the number of rounds and teams, the rounds of a date and the minutes
// between them. The league is left as it was.
bool WouldFitFile(CBowlingDoc& doc, const std::function<void()>& change);
// WouldFitFile, and where the league would not fit, the secretary is told so (the message of
// DateCombos.h): each command that dates rounds asks it before it changes anything.
bool SeasonFitsFile(CBowlingDoc& doc, const std::function<void()>& change);

// A played side whose match moves, played on another day than its old due date.
struct PlayedSideMoved {
    CFixture* pMatch;
    int nSide;
    CTime oldDue;
    CTime newDue;
};
// Whether the played sides whose matches moved take their matches' new due dates as their dates
// played: one answer for all of them, asked once a change when there are any.
using AskDatePlayed = std::function<bool(const std::vector<PlayedSideMoved>& sides)>;
// Gives the matches of rounds nFirstRound on the dates of their rounds, each squad its delay. A
// side not played, or played when it was due, follows its match; a match whose round has no
// date keeps its own.
void DateMatches(CBowlingDoc& doc, int nFirstRound, const AskDatePlayed& askChange = {});
// Every match dated from the calendar, the start times of the squads and the matches of each
// round counted: what the league reads of its calendar follows it.
void DateSeason(CBowlingDoc& doc, const AskDatePlayed& askChange = {});

// After played matches of round nFrom on were taken away (rounds deleted, rebuilt or
// re-paired): the round in hand is one the season has, and no later than the first round from
// nFrom on left without a result.
void KeepRoundInHand(CBowlingDoc& doc, int nFrom);

} // namespace FixtureCalendar
