#include "playerdb/IndexedFile.h"

#include "playerdb/ByteOrder.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

CIndexedFile::CIndexedFile(DWORD nRecordLength, std::vector<CIndexDef> indexes)
    : m_defs(std::move(indexes)), m_data(nRecordLength)
{
    ASSERT(!m_defs.empty());
}

CIndexedFile::~CIndexedFile()
{
    Close();
}

void CIndexedFile::Notify(const CString& str)
{
    if (m_hook)
        m_hook(str);
}

int CIndexedFile::Fail(const char* pszWhat)
{
    m_strError.Format("%s %s.", pszWhat, m_strDataPath.GetString());
    return -1;
}

CIndexTreeFile::CStamp CIndexedFile::Stamp() const
{
    return CIndexTreeFile::CStamp{m_data.GetRecordLength(), m_data.GetSlotCount(), m_data.GetLiveCount(),
                                  m_data.GetSerial()};
}

namespace
{
// A copy of a damaged file beside it, under a name not yet taken; empty when none could be made.
std::string KeepAside(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::string();
    for (int n = 1; n < 1000; ++n)
    {
        std::string aside = path + ".damaged";
        if (n > 1)
            aside += '-' + std::to_string(n);
        if (std::filesystem::exists(aside, ec))
            continue;
        if (std::filesystem::copy_file(path, aside, ec))
            return aside;
        return std::string();
    }
    return std::string();
}
}  // namespace

void CIndexedFile::KeepCutFileAside(DWORD nHeld, DWORD nHolds)
{
    const std::string dataAside = KeepAside(m_strDataPath.str());
    const std::string indexAside = KeepAside(m_strIndexPath.str());
    CString str;
    str.Format("%s has been cut short: it held %u record%s and now holds %u. ", m_strDataPath.GetString(), nHeld,
               nHeld == 1 ? "" : "s", nHolds);
    CString kept;
    if (!dataAside.empty())
        kept.Format("The damaged files have been kept as %s%s%s. ", dataAside.c_str(),
                    indexAside.empty() ? "" : " and ", indexAside.c_str());
    else
        kept = "The damaged file could not be copied aside. ";
    str += kept;
    str += nHolds == 0 ? "The database starts afresh." : "The database goes on with the records that remain.";
    Notify(str);
}

BOOL CIndexedFile::Open(const char* pszDataPath, const char* pszIndexPath, BOOL bMakeData)
{
    Close();
    m_strError.Empty();
    m_strRebuilt.Empty();
    m_strDataPath = pszDataPath;
    m_strIndexPath = pszIndexPath;

    // A data file cut to nothing: only the index remembers what it held.
    CIndexTreeFile::CStamp remembered;
    std::error_code ec;
    const bool bEmptyData = std::filesystem::is_regular_file(pszDataPath, ec) &&
                            std::filesystem::file_size(pszDataPath, ec) == 0 &&
                            CIndexTreeFile::ReadStamp(pszIndexPath, remembered) && remembered.nLive > 0;
    if (bEmptyData)
        KeepCutFileAside(remembered.nLive, 0);

    BOOL bTorn = FALSE;
    if (!m_data.Open(pszDataPath, bTorn, m_strError, bMakeData))
        return FALSE;
    // From here the data file's lock is held; Open lets it go at the end.
    m_nDepth = 1;
    if (bTorn)
    {
        CString str;
        str.Format("%s ended part-way through a record, left by a write that was cut short. "
                   "That record has been dropped; the other records are unharmed.",
                   pszDataPath);
        Notify(str);
    }
    if (m_data.GetClaimedSlotCount() > m_data.GetSlotCount() + (bTorn ? 1 : 0))
    {
        DWORD nHolds = 0;
        m_data.Scan([&nHolds](DWORD, const BYTE*) { ++nHolds; }, nullptr, FALSE);
        if (nHolds < m_data.GetLiveCount())
            KeepCutFileAside(m_data.GetLiveCount(), nHolds);
    }

    std::vector<CIndexTreeFile::CTreeDef> trees;
    for (const CIndexDef& def : m_defs)
        trees.push_back(CIndexTreeFile::CTreeDef{def.pszName, def.bUnique});
    CString strWhy;
    int r = m_index.Open(pszIndexPath, trees, Stamp(), strWhy, m_strError);
    if (r < 0)
    {
        m_data.Close();
        m_nDepth = 0;
        return FALSE;
    }
    // A clean index must still say what the data file says, entry for entry: a damaged
    // index would read one bowler's record for another's key, or miss one.
    CString strMismatch;
    if (r == 1 && !bTorn && !VerifyIndexes(strMismatch))
    {
        r = 0;
        strWhy.Format("the index file does not match the data file: %s", strMismatch.GetString());
    }
    if (r == 0 || bTorn)
    {
        m_strRebuilt = bTorn ? CString("the data file had been cut short") : strWhy;
        BOOL bHadRecords = m_data.GetSlotCount() > 0;
        if (!RebuildIndexes())
        {
            m_index.Close();
            m_data.Close();
            m_nDepth = 0;
            return FALSE;
        }
        if (bHadRecords)
        {
            CString str;
            str.Format("The index file %s has been rebuilt from %s (%s).", pszIndexPath, pszDataPath,
                       m_strRebuilt.GetString());
            Notify(str);
        }
    }
    m_nIndex = 0;
    m_nCurSlot = -1;
    First();
    Leave();
    return TRUE;
}

void CIndexedFile::Close()
{
    if (m_index.IsOpen() && m_data.IsOpen())
    {
        // Written only over an index as current as the file's: another user may have moved on.
        // One that cannot be brought up to date is left as the last user wrote it.
        CUse use(*this);
        if (use && !m_index.Flush(Stamp(), TRUE))
        {
            CString str;
            str.Format("The index file %s could not be written; it will be rebuilt when next opened.",
                       m_strIndexPath.GetString());
            Notify(str);
        }
    }
    m_index.Close();
    m_data.Close();
    m_nCurSlot = -1;
    m_nDepth = 0;
}

BOOL CIndexedFile::Flush()
{
    CUse use(*this);
    return use && m_index.Flush(Stamp(), TRUE);
}

DWORD CIndexedFile::GetRecordCount()
{
    CUse use(*this);
    return m_data.GetLiveCount();
}

BOOL CIndexedFile::Enter()
{
    if (!IsOpen())
        return FALSE;
    if (m_nDepth > 0)
    {
        ++m_nDepth;
        return TRUE;
    }
    if (!m_data.Lock())
    {
        m_strError.Format("Cannot lock %s.", m_strDataPath.GetString());
        return FALSE;
    }
    m_nDepth = 1;
    BOOL bChanged = FALSE;
    if (!m_data.Reload(bChanged, m_strError) || (bChanged && !ReloadIndexes()))
    {
        // The data file's new counts may be taken while the indexes are not: no look-up or
        // change may run on them. The table is closed, as one that could not be opened.
        Leave();
        Lose();
        return FALSE;
    }
    return TRUE;
}

void CIndexedFile::Lose()
{
    m_index.Close();
    m_data.Close();
    m_nCurSlot = -1;
    First();
}

void CIndexedFile::Leave()
{
    if (m_nDepth > 0 && --m_nDepth == 0)
        m_data.Unlock();
}

BOOL CIndexedFile::ReloadIndexes()
{
    // Another user changed the file: take its indexes as it left them, the cursor kept.
    const CState state = m_state;
    const std::string cursor = m_cursorKey;
    // The index beside the data file held open, or none: its folder may have moved away.
    if (!m_data.IsAtPath())
    {
        m_strError.Format("%s is no longer where it was opened (its folder has gone or been moved), so the index "
                          "%s cannot be read again.",
                          m_strDataPath.GetString(), m_strIndexPath.GetString());
        return FALSE;
    }
    std::vector<CIndexTreeFile::CTreeDef> trees;
    for (const CIndexDef& def : m_defs)
        trees.push_back(CIndexTreeFile::CTreeDef{def.pszName, def.bUnique});
    CString strWhy;
    int r = m_index.Open(m_strIndexPath, trees, Stamp(), strWhy, m_strError);
    if (r < 0)
        return FALSE;
    if (r == 0)
    {
        // Left unfinished by a user that stopped half way: the data file is the truth.
        CString str;
        str.Format("The index file %s has been rebuilt from %s (%s).", m_strIndexPath.GetString(),
                   m_strDataPath.GetString(), strWhy.GetString());
        Notify(str);
        if (!RebuildIndexes())
            return FALSE;
    }
    m_state = state;
    m_cursorKey = cursor;
    m_nPosVersion = m_index.GetVersion() - 1;
    return TRUE;
}

BOOL CIndexedFile::CurrentRecordUnchanged()
{
    std::vector<BYTE> now(m_data.GetRecordLength());
    if (m_nCurSlot >= 0 && m_data.ReadSlot(static_cast<DWORD>(m_nCurSlot), now.data()) == 0 && now == m_curRecord)
        return TRUE;
    m_strError = "The record has been changed by another user of the database since it was read; read it again.";
    return FALSE;
}

BOOL CIndexedFile::BeginChange()
{
    if (!IsOpen())
        return FALSE;
    return m_index.MarkInUse();
}

void CIndexedFile::BuildKey(int t, const BYTE* pRecord, DWORD nSlot, std::string& key) const
{
    key.clear();
    m_defs[static_cast<size_t>(t)].pfnKey(pRecord, key);
    if (key.size() > CIndexTreeFile::kMaxKey - 4)
        key.resize(CIndexTreeFile::kMaxKey - 4);
    AppendBE32(key, nSlot);
}

void CIndexedFile::BuildSearchKey(int t, const BYTE* pRecord, std::string& key) const
{
    key.clear();
    m_defs[static_cast<size_t>(t)].pfnSearchKey(pRecord, key);
    if (key.size() > CIndexTreeFile::kMaxKey - 4)
        key.resize(CIndexTreeFile::kMaxKey - 4);
}

int CIndexedFile::SelectIndex(const char* pszName)
{
    for (size_t t = 0; t < m_defs.size(); ++t)
    {
        if (std::strcmp(m_defs[t].pszName, pszName) != 0)
            continue;
        m_nIndex = static_cast<int>(t);
        // Keep the record last read current in the new order.
        if (m_nCurSlot >= 0)
        {
            std::string key;
            BuildKey(m_nIndex, m_curRecord.data(), static_cast<DWORD>(m_nCurSlot), key);
            SetAt(key);
        }
        else
            SetBefore(std::string());
        return 0;
    }
    return -1;
}

void CIndexedFile::SetAt(const std::string& key)
{
    m_state = CState::At;
    m_cursorKey = key;
    m_nPosVersion = m_index.GetVersion() - 1;  // sought on the next use
}

void CIndexedFile::SetBefore(const std::string& key)
{
    m_state = CState::Before;
    m_cursorKey = key;
    m_nPosVersion = m_index.GetVersion() - 1;
}

CIndexTreeFile::CPos CIndexedFile::Seek()
{
    if (m_nPosVersion == m_index.GetVersion())
        return m_pos;
    m_nPosVersion = m_index.GetVersion();
    if (!IsOpen() || m_state == CState::End)
        return m_pos = CIndexTreeFile::CPos{};
    m_pos = m_index.LowerBound(m_nIndex, m_cursorKey);
    // The entry stood on has gone: stand before the one that followed it.
    if (m_state == CState::At && (m_pos.IsEnd() || m_index.KeyAt(m_pos) != m_cursorKey))
        m_state = CState::Before;
    return m_pos;
}

int CIndexedFile::ReadAtPos(const CIndexTreeFile::CPos& pos)
{
    const std::string& key = m_index.KeyAt(pos);
    DWORD nSlot = GetBE32(key.data() + key.size() - 4);
    m_state = CState::At;
    m_cursorKey = key;
    m_pos = pos;
    m_nPosVersion = m_index.GetVersion();
    std::vector<BYTE> rec(m_data.GetRecordLength());
    std::string found;
    if (m_data.ReadSlot(nSlot, rec.data()) == 0)
        BuildKey(m_nIndex, rec.data(), nSlot, found);
    if (found != key)
    {
        // The index points at a slot that holds another record, or none: it is not to be
        // trusted. The data file is the truth.
        CString str;
        str.Format("The index file %s does not match %s; it has been rebuilt from the data file.",
                   m_strIndexPath.GetString(), m_strDataPath.GetString());
        Notify(str);
        RebuildIndexes();
        return kIndexRebuilt;
    }
    LoadFields(rec.data());
    m_curRecord.swap(rec);
    m_nCurSlot = nSlot;
    return 0;
}

void CIndexedFile::First()
{
    SetBefore(std::string());
}

int CIndexedFile::Next(int n)
{
    CUse use(*this);
    if (!use)
        return -1;
    const CState state = m_state;
    const std::string cursor = m_cursorKey;
    int r = NextOnce(n);
    if (r != kIndexRebuilt)
        return r;
    // Step again in the rebuilt index from where the cursor stood.
    if (state == CState::End)
        m_state = CState::End;
    else
        state == CState::At ? SetAt(cursor) : SetBefore(cursor);
    r = NextOnce(n);
    return r == kIndexRebuilt ? -1 : r;
}

int CIndexedFile::NextOnce(int n)
{
    if (!IsOpen())
        return -1;
    CIndexTreeFile::CPos pos = Seek();
    if (m_state != CState::At)
    {
        if (pos.IsEnd() || m_state == CState::End)
        {
            // From past the end only a step back leads anywhere.
            if (n >= 0)
                return -1;
            pos = m_index.Last(m_nIndex);
            if (pos.IsEnd())
                return -1;
            ++n;
        }
        else if (n > 0)
            --n;  // standing before an entry, the first step lands on it
    }
    if (!m_index.Step(pos, n))
    {
        if (n > 0)
        {
            m_state = CState::End;
            m_pos = CIndexTreeFile::CPos{};
            m_nPosVersion = m_index.GetVersion();
        }
        else
            First();
        return -1;
    }
    return ReadAtPos(pos);
}

int CIndexedFile::ReadCurrent()
{
    CUse use(*this);
    if (!use)
        return -1;
    for (int nTry = 0; nTry < 2; ++nTry)
    {
        if (!IsOpen())
            return -1;
        const CState state = m_state;
        const std::string cursor = m_cursorKey;
        CIndexTreeFile::CPos pos = Seek();
        if (m_state == CState::End || pos.IsEnd())
            return -1;
        int r = ReadAtPos(pos);
        if (r != kIndexRebuilt)
            return r;
        // Seek again in the rebuilt index from where the cursor stood.
        state == CState::At ? SetAt(cursor) : SetBefore(cursor);
    }
    return -1;
}

int CIndexedFile::Last()
{
    CUse use(*this);
    if (!use)
        return -1;
    for (int nTry = 0; nTry < 2; ++nTry)
    {
        if (!IsOpen())
            return -1;
        CIndexTreeFile::CPos pos = m_index.Last(m_nIndex);
        if (pos.IsEnd())
            return -1;
        int r = ReadAtPos(pos);
        if (r != kIndexRebuilt)
            return r;
    }
    return -1;
}

int CIndexedFile::Find()
{
    CUse use(*this);
    if (!use)
        return -1;
    int r = FindOnce();
    return r == kIndexRebuilt ? FindOnce() : r;
}

int CIndexedFile::FindOnce()
{
    if (!IsOpen())
        return -1;
    std::vector<BYTE> rec(m_data.GetRecordLength(), 0);
    StoreFields(rec.data());
    std::string search;
    BuildSearchKey(m_nIndex, rec.data(), search);
    CIndexTreeFile::CPos pos = m_index.LowerBound(m_nIndex, search);
    if (!pos.IsEnd())
    {
        const std::string& key = m_index.KeyAt(pos);
        if (key.size() - 4 >= search.size() && key.compare(0, search.size(), search) == 0)
            return ReadAtPos(pos);
    }
    SetBefore(search);
    return -1;
}

BOOL CIndexedFile::UniqueClash(const std::vector<BYTE>& rec, const std::vector<BYTE>* pOld) const
{
    for (size_t t = 0; t < m_defs.size(); ++t)
    {
        if (!m_defs[t].bUnique)
            continue;
        std::string key, old;
        BuildKey(static_cast<int>(t), rec.data(), 0, key);
        key.resize(key.size() - 4);
        if (pOld)
        {
            BuildKey(static_cast<int>(t), pOld->data(), 0, old);
            old.resize(old.size() - 4);
            if (old == key)
                continue;
        }
        CIndexTreeFile::CPos pos = m_index.LowerBound(static_cast<int>(t), key);
        if (!pos.IsEnd())
        {
            const std::string& found = m_index.KeyAt(pos);
            if (found.size() == key.size() + 4 && found.compare(0, key.size(), key) == 0)
                return TRUE;
        }
    }
    return FALSE;
}

int CIndexedFile::Add()
{
    CUse use(*this);
    if (!use)
        return -1;
    std::vector<BYTE> rec(m_data.GetRecordLength(), 0);
    StoreFields(rec.data());
    if (UniqueClash(rec, nullptr))
    {
        m_strError = "A record with the same key is already in the file.";
        return -1;
    }
    DWORD nSlot = 0;
    if (!BeginChange() || !m_data.Allocate(nSlot) || !m_data.WriteSlot(nSlot, rec.data()))
        return Fail("Cannot write to");
    std::string key;
    for (size_t t = 0; t < m_defs.size(); ++t)
    {
        BuildKey(static_cast<int>(t), rec.data(), nSlot, key);
        m_index.Insert(static_cast<int>(t), key);
    }
    m_curRecord.swap(rec);
    m_nCurSlot = nSlot;
    BuildKey(m_nIndex, m_curRecord.data(), nSlot, key);
    SetAt(key);
    return EndChange();
}

int CIndexedFile::Rewrite()
{
    CUse use(*this);
    if (!use || m_nCurSlot < 0 || !CurrentRecordUnchanged())
        return -1;
    std::vector<BYTE> rec(m_data.GetRecordLength(), 0);
    StoreFields(rec.data());
    if (UniqueClash(rec, &m_curRecord))
    {
        m_strError = "A record with the same key is already in the file.";
        return -1;
    }
    DWORD nSlot = static_cast<DWORD>(m_nCurSlot);
    if (!BeginChange() || !m_data.WriteSlot(nSlot, rec.data()))
        return Fail("Cannot write to");
    std::string oldKey, newKey;
    for (size_t t = 0; t < m_defs.size(); ++t)
    {
        BuildKey(static_cast<int>(t), m_curRecord.data(), nSlot, oldKey);
        BuildKey(static_cast<int>(t), rec.data(), nSlot, newKey);
        if (oldKey == newKey)
            continue;
        m_index.Erase(static_cast<int>(t), oldKey);
        m_index.Insert(static_cast<int>(t), newKey);
    }
    m_curRecord.swap(rec);
    BuildKey(m_nIndex, m_curRecord.data(), nSlot, newKey);
    SetAt(newKey);
    return EndChange();
}

int CIndexedFile::Delete()
{
    CUse use(*this);
    if (!use || m_nCurSlot < 0 || !CurrentRecordUnchanged())
        return -1;
    DWORD nSlot = static_cast<DWORD>(m_nCurSlot);
    if (!BeginChange() || !m_data.Free(nSlot))
        return Fail("Cannot write to");
    std::string key;
    for (size_t t = 0; t < m_defs.size(); ++t)
    {
        BuildKey(static_cast<int>(t), m_curRecord.data(), nSlot, key);
        m_index.Erase(static_cast<int>(t), key);
    }
    BuildKey(m_nIndex, m_curRecord.data(), nSlot, key);
    SetBefore(key);
    m_nCurSlot = -1;
    return EndChange();
}

int CIndexedFile::EndChange()
{
    // The next user takes the indexes from the file: they go down whole before the lock does.
    // Not waiting for the disk: after a crash the open compares the index with the data file.
    if (!m_index.Flush(Stamp(), TRUE, FALSE))
        return Fail("Cannot write the index of");
    return 0;
}

BOOL CIndexedFile::RebuildIndexes()
{
    CUse use(*this);
    if (!use)
        return FALSE;
    std::vector<std::vector<std::string>> keys(m_defs.size());
    DWORD nDamaged = 0;
    std::string key;
    BOOL bRead = m_data.Scan(
        [&](DWORD nSlot, const BYTE* p) {
            for (size_t t = 0; t < m_defs.size(); ++t)
            {
                BuildKey(static_cast<int>(t), p, nSlot, key);
                keys[t].push_back(key);
            }
        },
        [&](DWORD) { ++nDamaged; });
    if (!bRead)
    {
        // The indexes are known not to match the file and cannot be made to: closed.
        m_strError.Format("Cannot read %s.", m_strDataPath.GetString());
        Lose();
        return FALSE;
    }
    if (nDamaged > 0)
    {
        CString str;
        str.Format("%u damaged record%s in %s could not be read and %s been dropped.", nDamaged,
                   nDamaged == 1 ? "" : "s", m_strDataPath.GetString(), nDamaged == 1 ? "has" : "have");
        Notify(str);
    }
    m_index.ResetAll();
    for (size_t t = 0; t < m_defs.size(); ++t)
    {
        std::sort(keys[t].begin(), keys[t].end());
        m_index.BulkLoad(static_cast<int>(t), keys[t]);
    }
    MendRepeatedKeys(keys);
    m_nCurSlot = -1;
    First();
    if (m_index.Flush(Stamp(), TRUE))
        return TRUE;
    m_strError.Format("Cannot write the index file %s.", m_strIndexPath.GetString());
    Lose();
    return FALSE;
}

void CIndexedFile::MendRepeatedKeys(const std::vector<std::vector<std::string>>& keys)
{
    // Each record that repeats a key, with the record before it in the file that keeps it. A
    // key ends in its record's slot, so of the records under one key the first in the file
    // comes first.
    std::vector<std::pair<DWORD, DWORD>> repeats;
    for (size_t t = 0; t < m_defs.size(); ++t)
    {
        if (!m_defs[t].bUnique)
            continue;
        const std::vector<std::string>& k = keys[t];
        size_t nKeeper = 0;
        for (size_t i = 1; i < k.size(); ++i)
        {
            if (k[i].compare(0, k[i].size() - 4, k[nKeeper], 0, k[nKeeper].size() - 4) != 0)
            {
                nKeeper = i;
                continue;
            }
            repeats.emplace_back(GetBE32(k[i].data() + k[i].size() - 4),
                                 GetBE32(k[nKeeper].data() + k[nKeeper].size() - 4));
        }
    }
    if (repeats.empty())
        return;
    std::sort(repeats.begin(), repeats.end());
    repeats.erase(std::unique(repeats.begin(), repeats.end(),
                              [](const auto& a, const auto& b) { return a.first == b.first; }),
                  repeats.end());
    // The table's fields are the caller's (a search key, a record to add): they come back after.
    std::vector<BYTE> fields(m_data.GetRecordLength());
    StoreFields(fields.data());
    std::vector<BYTE> keeper(m_data.GetRecordLength());
    for (const auto& [nSlot, nKeeperSlot] : repeats)
    {
        std::vector<BYTE> rec(m_data.GetRecordLength());
        if (m_data.ReadSlot(nSlot, rec.data()) != 0 || m_data.ReadSlot(nKeeperSlot, keeper.data()) != 0)
            continue;
        LoadFields(rec.data());
        m_curRecord.swap(rec);
        m_nCurSlot = nSlot;
        CString str;
        GiveOwnKey(keeper.data(), str);
        Notify(str);
    }
    LoadFields(fields.data());
}

BOOL CIndexedFile::VerifyIndexes(CString& strWhy)
{
    CUse use(*this);
    if (!use)
    {
        strWhy = "not open";
        return FALSE;
    }
    std::vector<std::vector<std::string>> keys(m_defs.size());
    std::string key;
    m_data.Scan(
        [&](DWORD nSlot, const BYTE* p) {
            for (size_t t = 0; t < m_defs.size(); ++t)
            {
                BuildKey(static_cast<int>(t), p, nSlot, key);
                keys[t].push_back(key);
            }
        },
        nullptr, FALSE);
    for (size_t t = 0; t < m_defs.size(); ++t)
    {
        if (!m_index.Verify(static_cast<int>(t), strWhy))
            return FALSE;
        std::sort(keys[t].begin(), keys[t].end());
        CIndexTreeFile::CPos pos = m_index.Begin(static_cast<int>(t));
        for (const std::string& k : keys[t])
        {
            if (pos.IsEnd() || m_index.KeyAt(pos) != k)
            {
                strWhy.Format("index %s does not match the data file", m_defs[t].pszName);
                return FALSE;
            }
            m_index.Step(pos, 1);
        }
        if (!pos.IsEnd())
        {
            strWhy.Format("index %s holds more entries than the data file", m_defs[t].pszName);
            return FALSE;
        }
        // The inner nodes must lead a search to every entry.
        for (const std::string& k : keys[t])
        {
            CIndexTreeFile::CPos at = m_index.LowerBound(static_cast<int>(t), k);
            if (at.IsEnd() || m_index.KeyAt(at) != k)
            {
                strWhy.Format("index %s does not lead to all its entries", m_defs[t].pszName);
                return FALSE;
            }
        }
    }
    return TRUE;
}

DWORD CIndexedFile::TakeSequence(DWORD nAtLeast)
{
    // Only under the lock, from the file's own counter: a number taken otherwise may be another
    // user's already.
    CUse use(*this);
    if (!use)
        return 0;
    DWORD n = std::max(m_data.GetSequence(), nAtLeast);
    m_data.SetSequence(n + 1);
    return m_data.WriteHeader() ? n : 0;
}

BOOL CIndexedFile::PeekLast(const char* pszIndex, std::vector<BYTE>& rec)
{
    CUse use(*this);
    if (!use)
        return FALSE;
    for (size_t t = 0; t < m_defs.size(); ++t)
    {
        if (std::strcmp(m_defs[t].pszName, pszIndex) != 0)
            continue;
        CIndexTreeFile::CPos pos = m_index.Last(static_cast<int>(t));
        if (pos.IsEnd())
            return FALSE;
        const std::string& key = m_index.KeyAt(pos);
        rec.resize(m_data.GetRecordLength());
        return m_data.ReadSlot(GetBE32(key.data() + key.size() - 4), rec.data()) == 0;
    }
    return FALSE;
}
