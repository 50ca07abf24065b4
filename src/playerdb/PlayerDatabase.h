#pragma once
// CPlayerDatabase: a league document's use of the shared player database: the
// player table opened in the database folder, and the copies of a bowler between
// the league and the table.
//
// The document holds one while it lives (open when it is made, closed when it is
// destroyed, closed and reopened around printing); CBowlingDoc's GetDbasePlayer,
// FindDbasePlayer, PutDbasePlayer and PutDbaseChanges are these members.
#include "playerdb/Playb003File.h"

#include "framework/core/Collections.h"

#include <functional>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CPlayer;

// What the database did with a league's bowlers beyond taking and giving their details, for the
// secretary to hear: links made again, and waiting details their records did not take. Bowlers
// are named as the league shows them.
struct CDbReport
{
    // A waiting change the record did not take: another league changed those details since, and
    // the change was not typed later than that (or when cannot be told).
    struct CDropped
    {
        CString strBowler;
        DWORD dwDetails = 0;     // bit n: detail n
        CSharedDetails mine;     // the league's values
        CSharedDetails theirs;   // the record's
    };
    // The record under a bowler's key was not his: another database, a record deleted, a damaged
    // key. Added: made a record of this database with the league's details. Relinked: his own
    // record was found under another key (its stamp, or the same person by his details).
    std::vector<CString> added, relinked;
    // A relinked bowler's details that his record held otherwise, or those of a bowler whose copy
    // was last in step with another record than his record here (another database's, or this
    // one's as it stood later): the record keeps its own, which other leagues share (mine: the
    // league's values, not kept).
    std::vector<CDropped> notKept;
    // Such a bowler's values that the league typed after every value his record held: written to
    // it (theirs: what it held).
    std::vector<CDropped> typedLater;
    // "bowler 7 (Ann Lee)", "bowler 3 (Bob Ray)": her key named the record of another bowler of
    // the league, which stays his; her link to it was cut (and she is among the added or relinked).
    std::vector<std::pair<CString, CString>> sharedWith;
    // A bowler and a record. Met: the record under his key, which his link did not show his (its
    // stamp damaged, his name damaged, an earlier version's record under another surname) but his
    // details did, with its name where that is not his. Probable: for an added bowler, a record of
    // his name, or under his key one that may be his, that nothing else showed his or another's.
    struct CNamedRecord
    {
        CString strBowler;
        CString strRecord;
        DWORD dwKey = 0;
    };
    std::vector<CNamedRecord> met, probable;
    std::vector<CDropped> dropped;
    // Waiting details the record did not take because their entry in the league file was damaged:
    // what the record held when the league made them, or when, cannot be told, and the record's
    // time does not show another league's change since. They wait on in the league (theirs: what
    // the record holds). Each is told once.
    std::vector<CDropped> damaged;
    // Waiting details whose entry in the league file was damaged and does not show that the league
    // typed them (the entry and the copy's marks disagreeing, or an entry without marks showing its
    // damage): never written; the bowler takes the record's value (theirs).
    std::vector<CDropped> unproven;
    // A new bowler linked to the record the secretary chose for him ("Similar Names"): the
    // details typed for him that the record held otherwise. The record keeps its own.
    std::vector<CDropped> chosenKept;
    int nWritten = 0;  // waiting details the records took

    bool LinksRemade() const { return !added.empty() || !relinked.empty() || !sharedWith.empty() || !met.empty(); }
    bool IsEmpty() const
    {
        return !LinksRemade() && dropped.empty() && damaged.empty() && unproven.empty() && notKept.empty() &&
               chosenKept.empty() && typedLater.empty() && nWritten == 0;
    }
};

class CPlayerDatabase
{
public:
    // Asked when a new bowler's name is like names already in the table: the name,
    // the keys of the similar records and the league's stop-reporting flag (which the
    // answer may set). 0 adds a new record; n links the bowler to the n-th key.
    using SimilarNamesHook = std::function<int(const CString& strName, const CDWordArray& keys, DWORD& bStopReporting)>;

    CPlayerDatabase();

    // Opens the table in the folder. bMake: the secretary asked for a database there, and one is
    // made (the folder too) when it holds none; otherwise a folder without one leaves the
    // database away (IsAway), lost till its files are back.
    BOOL Open(const char* pszDirectory, BOOL bMake = TRUE);
    void Close();
    BOOL IsOpen() const { return m_file.IsOpen(); }
    // Around printing: the files are closed, and opened again in the same folder; they are
    // never made again there.
    void CloseForPrinting();
    BOOL ReopenAfterPrinting();
    // Not open because it could not be, at first or after printing, though the league still
    // wants it: ReopenLost tries its folder again (TRUE when it opened). A database is made there
    // only when bMake, the secretary's word.
    BOOL IsLost() const { return m_bWanted && !m_file.IsOpen() && !m_bClosedForPrinting; }
    BOOL ReopenLost(BOOL bMake = FALSE);
    // Lost because its folder, or the data file in it, is not there: a drive or network share
    // not connected, a folder moved away, or a database never made there.
    BOOL IsAway() const { return IsLost() && m_file.IsAway(); }
    // A database may be made in the folder at the league's first need of it (the program never
    // opened one there: its first use, or a folder newly set). Once opened, never.
    BOOL MayMake() const { return m_bMayMake; }
    void AllowMaking(BOOL bMay) { m_bMayMake = bMay; }
    const CString& GetDirectory() const { return m_strDirectory; }
    // Open, or lost: the league wants it (not closed around printing, nor closed).
    BOOL IsWanted() const { return m_bWanted && !m_bClosedForPrinting; }
    // The table taken from its files as they are now, as every operation takes it first: FALSE when
    // it cannot be (not open, not lockable, or its indexes not readable again: then it is lost).
    BOOL Reach();
    const CString& GetErrorText() const { return m_file.GetErrorText(); }

    // A bowler's link, m_dwDbKey and m_qwDbStamp, names his record only when the record under the
    // key carries his stamp, or, where either has none (a record or a league file of an earlier
    // version), when it is the same person (SamePersonAtKey). Every call below that takes a record
    // into a bowler or writes one from him asks this first. A link found not to be his is made
    // again (SettleLinks) before anything is taken or written. Plainly the same person by name: the
    // same first name and surname (in any case, blanks at their ends not counted), the same
    // gender, and the same birth date where both have one.
    static bool PlainlySamePerson(const CSharedDetails& a, const CSharedDetails& b);
    // A record found under another key is a bowler's only on more than that: plainly the same
    // person, and a detail that tells one person from another across databases held by both and
    // alike: a phone number (its digits, in any of the three boxes), the first address line (any
    // case and spacing), or a full birth date (day, month and year). Two people of one name are
    // told apart so; a birth year or a membership number tells nobody (clubs number their members
    // from 1, as databases number their keys).
    static bool SamePersonByDetails(const CSharedDetails& a, const CSharedDetails& b);
    // The record under a bowler's key, where no stamp tells (either has none, or one damaged byte
    // sets them apart), is his when plainly the same person and the two do not disagree on what
    // tells a person: where both hold a phone number or a first address line, one of those (or a
    // full birth date) is alike. One who moved house but kept his phone, or the other way, is
    // met; a namesake of another address and phone is not. It is his too, the gender and any birth
    // date both hold alike and a phone number or the first address line agreeing, when the first
    // names agree under another surname (an earlier version rewrote the record without its stamp),
    // or the names but for one character (a damaged byte). Another database's record under his
    // key (its keys number from 1 too) is another person's unless it holds him so.
    static bool SamePersonAtKey(const CSharedDetails& a, const CSharedDetails& b);
    // The record under his key, not his by SamePersonAtKey, may yet be his: the gender and any
    // birth date alike, and his names, or his names but for one character, or his surname with a
    // phone number or the first address line alike (another first name: Owain for Owen), or his
    // first name with a birth date or membership number both hold alike. Named to the secretary,
    // never taken.
    static bool MayBeSamePersonAtKey(const CSharedDetails& a, const CSharedDetails& b);
    // One byte of one stamp damaged gives the other: a record's random stamp is never so near.
    static bool OneByteApart(ULONGLONG a, ULONGLONG b);
    // A bowler as the league last knew his record: his details, but each one waiting for it as the
    // record held it when the league made its change.
    static CSharedDetails KnownOfRecord(const CPlayer& p);

    // Copies the record of the bowler's database key into the bowler; the league's own
    // flag bits (PF_LEAGUE_OWN) are kept, the display name made in the league's name order.
    // A bowler without a stamp is being linked to the record chosen: he takes its stamp. One
    // with a stamp takes only his own record. 0 on success, -1 when the record cannot be read.
    int GetDbasePlayer(CPlayer* pPlayer, BOOL bSurnameFirst);
    // Positions the table on a key, fields cleared first. 0 found, -1 not.
    int FindDbasePlayer(DWORD dwKey);
    // Writes a bowler to the table: a linked bowler's own record is rewritten (his link made again
    // first when the record under his key is not his); a new bowler is given a new key, or linked
    // to a similar record when the hook says so (TakeChosenRecord). Nothing of his waits
    // afterwards but what the record chosen could not take. 0 on success, -1 when the table cannot
    // be written. pLeague: the bowler's league, whose other bowlers' records are never his.
    // dwDefaulted: the details (bit n: detail n) that hold only what a dialog starts with, which
    // the secretary did not set: a record chosen for him never hears of them.
    int PutDbasePlayer(CPlayer* pPlayer, DWORD& bStopReporting, const CObList* pLeague = nullptr,
                       DWORD dwDefaulted = 0);
    // The league's change to a bowler: the details in which he differs from `before` (what the
    // league held or showed before its change) wait for his record (NoteChanges), and a linked
    // bowler's record then takes what waits (SyncPlayer). An unlinked bowler is written whole
    // (PutDbasePlayer). 0 on success, -1 when the table cannot be written: the change waits.
    // dwConfirmed: details waiting that the secretary confirmed as they stand, typed now too.
    int PutDbaseChanges(const CPlayer& before, CPlayer* pPlayer, DWORD& bStopReporting,
                        const CObList* pLeague = nullptr, DWORD dwConfirmed = 0);
    // The details in which a linked bowler differs from `before` wait for his record, with what
    // the record held when they were changed and when they were typed: read from his record when
    // the table is open (pDb may be null), else what the league last knew of it.
    static void NoteChanges(const CPlayer& before, CPlayer& player, CPlayerDatabase* pDb, DWORD dwConfirmed = 0);
    // A linked bowler's record takes the details waiting for it, but a detail that it no longer
    // holds as it did when the league made its change: another league changed it since, and that
    // stands unless the league's value was typed after every detail the record holds (a value the
    // record does not take is in the report). Then the bowler takes the record's details but those
    // still waiting. His link is made again first when the record under his key is not his. 0 on
    // success, -1 when the record cannot be read or written: what waits waits on.
    int SyncPlayer(CPlayer& player, const CObList* pLeague = nullptr);
    // SyncPlayer for every linked bowler of the list, or only those with details waiting, in one
    // pass under one lock; their display names made again. 0 when all went, -1 otherwise.
    int SyncPlayers(const CObList& players, BOOL bWaitingOnly, BOOL bSurnameFirst);
    // What the calls since the last TakeReport did beyond taking and giving details.
    CDbReport TakeReport();

    void SetSimilarNamesHook(SimilarNamesHook hook) { m_similarHook = std::move(hook); }
    // Keys of records with the same surname (any case) and the same first initial.
    void FindSimilarNames(const CString& strFirstName, const CString& strSurname, CDWordArray& keys);

    CPlayb003File& GetTable() { return m_file; }

    // A record's unique reference as the secretary reads it everywhere: its key in eight
    // hexadecimal digits, upper case ("0000002A").
    static CString UniqueRef(DWORD dwKey);

    // Milliseconds since 1 January 1970 (UTC), never the same twice in a program: what a change
    // typed now is dated.
    static LONGLONG Now();
    // A random stamp for a record being made, never 0.
    static ULONGLONG NewStamp();

private:
    // The record positioned on is the bowler's: it carries his stamp, or no stamp tells and it is
    // the same person (SamePersonAtKey, as the league knew the record, or as he is now). Plainly
    // him by name, it is his too where what a damaged waiting entry knew of a record tells it: his
    // own entry read out of step, or one a damaged bowler number gave another bowler of pLeague.
    bool IsHisRecord(const CPlayer& p, const CObList* pLeague = nullptr) const;
    // Links each bowler of `check` to his own record: the one under his key when it is his; else
    // his record found under another key (its stamp, or the one record of his person by his
    // details), met as MeetRecord says; else a record made of the league's details of him, under
    // his key when it is free. His own record under his key that his copy was not last in step
    // with (IsInStep) is met as MeetRecord says too. A record
    // another bowler of pLeague holds is never his. Under the table's lock. FALSE when a bowler
    // could not be settled (the table could not be written): his link is left as it was, and
    // every later call asks again.
    BOOL SettleLinks(const std::vector<CPlayer*>& check, const CObList* pLeague, std::vector<CPlayer*>& settled);
    // The key of the record carrying the stamp, 0 when none does (one walk of the table, kept
    // for the pass).
    DWORD KeyOfStamp(ULONGLONG qwStamp);
    // The key of the only record of the bowler's person by his details (SamePersonByDetails, as the
    // league knew his record) that no other bowler holds; 0 when none or more than one is. Into
    // pProbable, failing that, a record no other bowler holds that is plainly him, or under his key
    // one that may be his (MayBeSamePersonAtKey; his own key's first): named to the secretary,
    // never taken.
    DWORD FindSamePerson(const CPlayer& p, const std::unordered_map<DWORD, CPlayer*>& held,
                         CDbReport::CNamedRecord* pProbable = nullptr);
    // The league's copy of him was last in step with the record positioned on, as it stands: the
    // same database's (by its identity), and not gone back to an older state since.
    bool IsInStep(const CPlayer& p) const;
    // His copy was last in step with this database (its identity, or one damaged byte of it).
    bool InStepWithThisDatabase(const CPlayer& p) const;
    // He and the record positioned on are in step now.
    void MarkInStep(CPlayer& p) const;
    // The league's copy of him did not follow the record positioned on: he was linked to it found
    // under another key (bFoundElsewhere), or it is not the record his copy was last in step with.
    // Where they differ, the league's value typed after every value the record holds waits for it
    // (written by Exchange, and in the report, typedLater); found elsewhere, so does what the
    // record lacks; what he lacks and never typed he takes from it; otherwise the record keeps its
    // own and the league's is in the report (notKept). His details already waiting are Exchange's
    // to settle. bByStamp: the record under his key carries his stamp (or one a damaged byte away).
    void MeetRecord(CPlayer& p, bool bFoundElsewhere, bool bByStamp = false);
    // The bowler's link is to the record under the key: stamps given where missing.
    void TakeStamp(CPlayer& p, DWORD dwKey);
    // A record of the bowler's details: under his key when bOwnKey and it is free, else a new one,
    // dated as typed by nTypedBy (0: not known).
    BOOL AddAsRecord(CPlayer& p, BOOL bOwnKey, LONGLONG nTypedBy);
    // When the values a linked bowler's copy holds were typed, at the latest, as far as the copy
    // knows: the record it was last in step with, and what the league typed since. A record made
    // again from the copy is dated so, and no later: a value another league typed after them, which
    // the copy never had, is still the later one where that league meets the record. 0: none known.
    static LONGLONG KnownTypedBy(const CPlayer& p);
    // His record (positioned on) takes what waits for it, and he the record's details.
    int Exchange(CPlayer& p);
    // What the league file's reading left unsettled (CDbPending::m_asRead), weighed against the
    // record positioned on: a waiting detail the file does not show the league typed waits no
    // longer, and where the league holds another value than the record it is named (unproven).
    void WeighAsRead(CPlayer& p);
    // Of an entry no marks of the copy date (dwEntry: what it named), the details it does not show
    // the league typed: none where its bases show no damage.
    DWORD UnprovenWithoutMarks(const CPlayer& p, DWORD dwEntry) const;
    // The record's details into the bowler, but those of the bits in dwKeep.
    void CopyFromRecord(CPlayer& player, DWORD dwKeep = 0) const;
    void CopyToRecord(const CPlayer& player);
    // The secretary chose the record of the key for a bowler without one: it is his person's,
    // which other leagues may share. He takes its names and every detail he was not given (a
    // blank, or one of dwDefaulted); what he was given meets the record as a relinked bowler's
    // details do (MeetRecord): what it lacks is written to it, what it holds otherwise it keeps,
    // and that is in the report (chosenKept). 0 linked and written; -1 when the record cannot be
    // read (he stays without one) or written (linked, what it lacks waits for it).
    int TakeChosenRecord(CPlayer& player, DWORD dwKey, DWORD dwDefaulted);

    CPlayb003File m_file;
    CString m_strDirectory;
    BOOL m_bWanted = FALSE;  // between Open and Close
    BOOL m_bClosedForPrinting = FALSE;
    BOOL m_bMayMake = FALSE;
    SimilarNamesHook m_similarHook;
    CDbReport m_report;
    std::optional<std::unordered_map<ULONGLONG, DWORD>> m_stamps;  // during SettleLinks
    std::unordered_set<const CPlayer*> m_met;  // met by the last SettleLinks (MeetRecord)
    // What MeetRecord found typed later, for the report once Exchange has written it.
    std::unordered_map<const CPlayer*, CDbReport::CDropped> m_typedLater;
};
