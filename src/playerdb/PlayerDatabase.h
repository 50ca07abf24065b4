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

class CPlayer;

class CPlayerDatabase
{
public:
    // Asked when a new bowler's name is like names already in the table: the name,
    // the keys of the similar records and the league's stop-reporting flag (which the
    // answer may set). 0 adds a new record; n links the bowler to the n-th key.
    using SimilarNamesHook = std::function<int(const CString& strName, const CDWordArray& keys, DWORD& bStopReporting)>;

    CPlayerDatabase();

    // Opens the table in the folder, making the folder when missing.
    BOOL Open(const char* pszDirectory);
    void Close();
    BOOL IsOpen() const { return m_file.IsOpen(); }
    // Around printing: the files are closed, and opened again in the same folder.
    void CloseForPrinting();
    BOOL ReopenAfterPrinting();
    // Not open because it could not be, at first or after printing, though the league still
    // wants it: ReopenLost tries its folder again (TRUE when it opened).
    BOOL IsLost() const { return m_bWanted && !m_file.IsOpen() && !m_bClosedForPrinting; }
    BOOL ReopenLost();
    const CString& GetErrorText() const { return m_file.GetErrorText(); }

    // Copies the record of the bowler's database key into the bowler; the league's own
    // flag bits (PF_LEAGUE_OWN) are kept, the display name made in the league's name order.
    // 0 on success, -1 when the record cannot be read.
    int GetDbasePlayer(CPlayer* pPlayer, BOOL bSurnameFirst);
    // Positions the table on a key, fields cleared first. 0 found, -1 not.
    int FindDbasePlayer(DWORD dwKey);
    // Writes a bowler to the table: a linked bowler's record is rewritten (added when
    // its key has gone); a new bowler is given a new key, or linked to a similar
    // record when the hook says so (taking its names, and its details where he has
    // none). Nothing of his waits afterwards. 0 on success, -1 when the table cannot be written.
    int PutDbasePlayer(CPlayer* pPlayer, DWORD& bStopReporting);
    // The league's change to a bowler: the details in which he differs from `before` (what the
    // league held or showed before its change) wait for his record (NoteChanges), and a linked
    // bowler's record then takes what waits (SyncPlayer). An unlinked bowler, or one whose record
    // has gone, is written whole (PutDbasePlayer). 0 on success, -1 when the table cannot be
    // written: the change waits.
    int PutDbaseChanges(const CPlayer& before, CPlayer* pPlayer, DWORD& bStopReporting);
    // The details in which a linked bowler differs from `before` wait for his record, with what
    // the record held when they were changed: read from the table when it is open (pDb may be
    // null), else what the league last knew of it.
    static void NoteChanges(const CPlayer& before, CPlayer& player, CPlayerDatabase* pDb);
    // A linked bowler's record takes the details waiting for it, but a detail that it no longer
    // holds as it did when the league made its change: another league changed it later, and that
    // stands. Then the bowler takes the record's details but those still waiting. A record that
    // has gone leaves him as he is. 0 on success, -1 when the record cannot be read or written:
    // what waits waits on.
    int SyncPlayer(CPlayer& player);
    // SyncPlayer for every linked bowler of the list, or only those with details waiting, in one
    // pass under one lock; their display names made again. 0 when all went, -1 otherwise.
    int SyncPlayers(const CObList& players, BOOL bWaitingOnly, BOOL bSurnameFirst);

    void SetSimilarNamesHook(SimilarNamesHook hook) { m_similarHook = std::move(hook); }
    // Keys of records with the same surname (any case) and the same first initial.
    void FindSimilarNames(const CString& strFirstName, const CString& strSurname, CDWordArray& keys);

    CPlayb003File& GetTable() { return m_file; }

private:
    // The record's details into the bowler, but those of the bits in dwKeep.
    void CopyFromRecord(CPlayer& player, DWORD dwKeep = 0) const;
    void CopyToRecord(const CPlayer& player);
    void TakeFromLinkedRecord(CPlayer& player) const;

    CPlayb003File m_file;
    CString m_strDirectory;
    BOOL m_bWanted = FALSE;  // between Open and Close
    BOOL m_bClosedForPrinting = FALSE;
    SimilarNamesHook m_similarHook;
};
