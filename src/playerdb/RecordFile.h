#pragma once
// CRecordFile: the data half of an indexed file, a file of fixed-length records.
//
// Layout (little-endian):
//   header, 64 bytes
//     0  char[8] "TVDTA001"
//     8  u32     header size (64)
//    12  u32     record length (payload bytes)
//    16  u32     slot count when last written (the file size is what counts)
//    20  u32     head of the free list: slot number + 1, 0 when empty
//    24  u32     live record count
//    28  u32     update serial, bumped by every add, rewrite and delete
//    32  u32     next sequence number (the owner's counter for new keys)
//    36  u64     the file's identity: a random number given when it is made (or first
//                opened by a version that knows it), which tells it from a file made elsewhere
//    44  zeros
//   slots, each 5 + record length bytes, from offset 64
//     0  u8      state: 'L' a live record, 'F' a free slot; anything else is damage
//     1  u32     CRC-32 of the payload (live slots)
//     5  payload; a free slot holds the next free slot + 1 in its first four bytes
//
// The slots are the truth. The header's counts and free list are a cache that
// Scan() recomputes; a file that ends inside a slot is cut back to whole slots.
// Users of the file take turns through flock(); Reload() reads what the last one wrote.
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <functional>
#include <vector>

class CRecordFile
{
public:
    static constexpr DWORD kHeaderSize = 64;
    static constexpr DWORD kSlotOverhead = 5;
    static constexpr BYTE kLive = 'L';
    static constexpr BYTE kFree = 'F';

    explicit CRecordFile(DWORD nRecordLength);
    ~CRecordFile();
    CRecordFile(const CRecordFile&) = delete;
    CRecordFile& operator=(const CRecordFile&) = delete;

    // Opens the file, creating it when missing and bCreate. On a torn tail the file is cut back
    // to whole slots and bTornTail is set. FALSE with the reason in strError when the file cannot
    // be used; the file is then left as it was.
    BOOL Open(const char* pszPath, BOOL& bTornTail, CString& strError, BOOL bCreate = TRUE);
    void Close();
    BOOL IsOpen() const { return m_fd >= 0; }
    // The last Open found nothing at the path (no file, or no folder) and made nothing.
    BOOL WasMissing() const { return m_bMissing; }
    // The path still names the file held open: it has not been moved away with its folder, nor
    // another put in its place.
    BOOL IsAtPath() const;

    // Shared use: an exclusive operating-system lock on the file for one change (or look-up);
    // Open() returns with it held. Reload() then takes the counts, free list and size from the
    // file as it is now; bChanged says whether another user changed it since this one last
    // looked.
    BOOL Lock();
    void Unlock();
    BOOL Reload(BOOL& bChanged, CString& strError);
    // The slot count the header claimed when the file was opened: more than the file holds
    // means the file was cut short.
    DWORD GetClaimedSlotCount() const { return m_nClaimedSlots; }

    DWORD GetRecordLength() const { return m_nRecordLength; }
    DWORD GetSlotCount() const { return m_nSlots; }
    DWORD GetLiveCount() const { return m_nLive; }
    DWORD GetSerial() const { return m_nSerial; }
    DWORD GetSequence() const { return m_nSequence; }
    void SetSequence(DWORD n) { m_nSequence = n; }
    // Never 0 while open, but when the header of a file without one could not be written.
    ULONGLONG GetIdentity() const { return m_qwIdentity; }

    // 0 with the payload when the slot holds a sound live record; -1 otherwise.
    int ReadSlot(DWORD nSlot, BYTE* pPayload) const;
    // Writes a live record into a slot taken by Allocate or already live.
    BOOL WriteSlot(DWORD nSlot, const BYTE* pPayload);
    // A slot for a new record: the head of the free list, else a new one at the end.
    BOOL Allocate(DWORD& nSlot);
    BOOL Free(DWORD nSlot);
    BOOL WriteHeader();

    // Reads every slot in order, calling fn for each sound live record. With
    // bRepair it recomputes the free list and the counts, and damaged slots are
    // made free; fnDamaged hears of each damaged slot either way.
    BOOL Scan(const std::function<void(DWORD nSlot, const BYTE* pPayload)>& fn,
              const std::function<void(DWORD nSlot)>& fnDamaged, BOOL bRepair = TRUE);

    static DWORD Crc32(const BYTE* p, size_t n);

private:
    DWORD SlotSize() const { return kSlotOverhead + m_nRecordLength; }
    long long SlotOffset(DWORD nSlot) const { return kHeaderSize + static_cast<long long>(nSlot) * SlotSize(); }
    BOOL WriteAt(long long nOffset, const BYTE* p, size_t n);
    BOOL ReadAt(long long nOffset, BYTE* p, size_t n) const;
    BOOL RebuildFreeList();

    BOOL ReadHeader(const char* pszPath, long long nSize, BOOL& bTornTail, CString& strError);

    int m_fd = -1;
    BOOL m_bLocked = FALSE;
    BOOL m_bMissing = FALSE;
    DWORD m_nClaimedSlots = 0;
    DWORD m_nClaimedNow = 0;
    CString m_strPath;
    DWORD m_nRecordLength;
    DWORD m_nSlots = 0;
    DWORD m_nFreeHead = 0;
    DWORD m_nLive = 0;
    DWORD m_nSerial = 0;
    DWORD m_nSequence = 1;
    ULONGLONG m_qwIdentity = 0;
};
