#pragma once
// CIndexedFile: a table of fixed-length records (CRecordFile) with any number of
// named B+tree indexes over fields of its records (CIndexTreeFile).
//
// A derived table holds the current record's fields and moves them to and from
// the record bytes. Navigation works on the selected index:
//   First()       stands before the first entry; Next(1) then reads the first record.
//   Next(n)       steps n entries forward and reads the record there; -1 at the end.
//   Find()        searches for the key built from the current fields; 0 and the record
//                 read on a match (a prefix match where the index's search key is a
//                 prefix), -1 otherwise with the position before where the key would
//                 stand, so that ReadCurrent() reads the next greater record.
//   ReadCurrent() reads the record at the position; -1 when there is none.
// Add(), Rewrite() and Delete() change the file and keep every index in step;
// Rewrite() and Delete() act on the record last read or added.
//
// Crash safety: the data file is the truth. The index file records the data
// file's counts and update serial and carries a clean mark while it is not in
// use; an index that is missing, stale, not closed, damaged or not matching the
// data file entry for entry is rebuilt from the data file when the table is
// opened. Every record read through an index is checked against the entry that
// led to it; a mismatch rebuilds the index, with a notice, and the read is made
// again in the rebuilt index. A data file holding two live records under one key
// of a unique index is mended when the indexes are built: the record nearer the
// start of the file keeps the key and the table gives the other one a key of its
// own (GiveOwnKey), with a notice; both records' details stay.
//
// Shared use: several documents or programs may use one table at once. Every
// operation holds the operating system's lock on the data file, first takes the
// counts, free list and (when another user changed the file) the indexes from the
// files as they are now, and a change writes the indexes back before the lock is
// let go. Indexes that cannot be taken from the files again (the folder or the
// index file cannot be opened, the data file cannot be read, or the data file is no
// longer at its path: its folder moved away) close the table, as one that could not
// be opened: nothing runs on an index that is not the file's, and no index is made
// in a folder that holds another data file or none.
#include "playerdb/IndexTree.h"
#include "playerdb/RecordFile.h"

#include <functional>
#include <string>
#include <vector>

class CIndexedFile
{
public:
    // Appends the key of an index, built from a record's bytes, to key.
    using KeyBuilder = void (*)(const BYTE* pRecord, std::string& key);
    struct CIndexDef
    {
        const char* pszName;
        BOOL bUnique;
        KeyBuilder pfnKey;        // the stored key; bytewise order is the index's order
        KeyBuilder pfnSearchKey;  // what Find() looks for; a prefix of pfnKey's key
    };
    using MessageHook = std::function<void(const CString& strMessage)>;
    // One operation under the data file's lock, the table brought up to date first. Held around
    // several operations it makes them one: no other user comes between them, and the files are
    // looked at once. False when the table is closed or cannot be locked.
    class CUse;

    CIndexedFile(DWORD nRecordLength, std::vector<CIndexDef> indexes);
    virtual ~CIndexedFile();
    CIndexedFile(const CIndexedFile&) = delete;
    CIndexedFile& operator=(const CIndexedFile&) = delete;

    // Opens both files, creating them when missing (the data file only when bMakeData), and
    // rebuilds the indexes when they do not match the data file. FALSE with GetErrorText() when
    // the files cannot be used; nothing on the disk is changed then.
    BOOL Open(const char* pszDataPath, const char* pszIndexPath, BOOL bMakeData = TRUE);
    // The last Open found no data file (nor, it may be, its folder) and made none.
    BOOL WasDataMissing() const { return m_data.WasMissing(); }
    // Writes the index and marks it clean. Always safe to call.
    void Close();
    // Both files usable: a table whose indexes could not be taken from the files again is closed.
    BOOL IsOpen() const { return m_data.IsOpen() && m_index.IsOpen(); }
    // Writes the index and marks it clean, as Close() does, but stays open.
    BOOL Flush();
    const CString& GetErrorText() const { return m_strError; }
    // Receives the notices about repairs (a dropped torn record, a rebuilt index).
    void SetMessageHook(MessageHook hook) { m_hook = std::move(hook); }

    int SelectIndex(const char* pszName);
    void First();
    int Next(int n = 1);
    int Find();
    int ReadCurrent();
    // Reads the last record of the selected index; -1 when the index is empty.
    int Last();

    // 0 on success; -1 when a unique key would be repeated or the file cannot be written.
    int Add();
    int Rewrite();
    int Delete();
    BOOL RebuildIndexes();

    // As the file holds them now, other users' changes included.
    DWORD GetRecordCount();
    // The data file's identity (RecordFile.h): what tells this table from one made elsewhere (a
    // copy of its files carries it too). 0 while closed.
    ULONGLONG GetIdentity() const { return m_data.IsOpen() ? m_data.GetIdentity() : 0; }
    // Why the last Open() rebuilt the indexes; empty when it did not.
    const CString& GetRebuildReason() const { return m_strRebuilt; }
    // Structural check of every index against the data file, for tests and diagnostics.
    BOOL VerifyIndexes(CString& strWhy);

protected:
    virtual void StoreFields(BYTE* pRecord) const = 0;
    virtual void LoadFields(const BYTE* pRecord) = 0;
    // The current record (its fields loaded) holds a unique key that pKeeper, a record before it
    // in the data file, holds too: give it a key of its own with Rewrite(), and say in strNotice
    // what was done. FALSE when it could not be done (strNotice says so); both then stay in the
    // index and a search finds pKeeper's record.
    virtual BOOL GiveOwnKey(const BYTE* pKeeper, CString& strNotice) = 0;
    // The data file's own counter, for tables that hand out keys. Returns a number
    // at least nAtLeast and never handed out before; 0 when the file cannot be used.
    DWORD TakeSequence(DWORD nAtLeast);
    // The bytes of the last record of an index, leaving the position and fields alone.
    BOOL PeekLast(const char* pszIndex, std::vector<BYTE>& rec);
    void SetErrorText(const CString& str) { m_strError = str; }

private:
    enum class CState
    {
        Before,  // before the entry at or after m_cursorKey (or the end)
        At,      // on the entry m_cursorKey
        End
    };

    // Take the lock and bring the table to the files' current state; Leave lets it go.
    BOOL Enter();
    void Leave();
    BOOL ReloadIndexes();
    // Closes both files without writing the index, the reason kept in the error text.
    void Lose();
    // After the indexes were built from the data file: each record that repeats a unique key of
    // a record before it is given one of its own. keys are the built indexes' sorted keys.
    void MendRepeatedKeys(const std::vector<std::vector<std::string>>& keys);
    // The record last read as it stands in the file now; FALSE (with the error text) when
    // another user has changed or removed it since.
    BOOL CurrentRecordUnchanged();
    int EndChange();
    // Notes a data file cut short (it held nHeld records, holds nHolds) and copies both files aside.
    void KeepCutFileAside(DWORD nHeld, DWORD nHolds);
    // A read found the index pointing at another record, or none, and rebuilt it.
    static constexpr int kIndexRebuilt = -2;
    int FindOnce();
    int NextOnce(int n);
    void BuildKey(int t, const BYTE* pRecord, DWORD nSlot, std::string& key) const;

    void BuildSearchKey(int t, const BYTE* pRecord, std::string& key) const;
    CIndexTreeFile::CPos Seek();
    void SetAt(const std::string& key);
    void SetBefore(const std::string& key);
    int ReadAtPos(const CIndexTreeFile::CPos& pos);
    BOOL UniqueClash(const std::vector<BYTE>& rec, const std::vector<BYTE>* pOld) const;
    BOOL BeginChange();
    CIndexTreeFile::CStamp Stamp() const;
    void Notify(const CString& str);
    int Fail(const char* pszWhat);

    std::vector<CIndexDef> m_defs;
    CRecordFile m_data;
    CIndexTreeFile m_index;
    CString m_strDataPath;
    CString m_strIndexPath;
    CString m_strError;
    CString m_strRebuilt;
    MessageHook m_hook;

    int m_nDepth = 0;  // nested Enter() calls
    int m_nIndex = 0;
    CState m_state = CState::Before;
    std::string m_cursorKey;
    CIndexTreeFile::CPos m_pos;
    DWORD m_nPosVersion = 0;
    long long m_nCurSlot = -1;         // the record last read or written
    std::vector<BYTE> m_curRecord;     // its bytes as stored
};

class CIndexedFile::CUse
{
public:
    explicit CUse(CIndexedFile& f) : m_f(f), m_bOk(f.Enter()) {}
    ~CUse()
    {
        if (m_bOk)
            m_f.Leave();
    }
    CUse(const CUse&) = delete;
    CUse& operator=(const CUse&) = delete;
    explicit operator bool() const { return m_bOk != FALSE; }

private:
    CIndexedFile& m_f;
    BOOL m_bOk;
};
