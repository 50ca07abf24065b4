#include "playerdb/RecordFile.h"

#include "playerdb/ByteOrder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char kMagic[8] = {'T', 'V', 'D', 'T', 'A', '0', '0', '1'};
constexpr size_t kOffIdentity = 36;

// Drawn from the system each time, so that two programs never draw alike.
ULONGLONG NewIdentity()
{
    std::random_device device;
    ULONGLONG q = 0;
    while (q == 0)
        q = static_cast<ULONGLONG>(device()) << 32 | device();
    return q;
}

ULONGLONG GetLE64(const BYTE* p)
{
    return GetLE32(p) | static_cast<ULONGLONG>(GetLE32(p + 4)) << 32;
}
}

CRecordFile::CRecordFile(DWORD nRecordLength) : m_nRecordLength(nRecordLength) {}

CRecordFile::~CRecordFile()
{
    Close();
}

DWORD CRecordFile::Crc32(const BYTE* p, size_t n)
{
    static DWORD table[256];
    static bool bReady = false;
    if (!bReady)
    {
        for (DWORD i = 0; i < 256; ++i)
        {
            DWORD c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        bReady = true;
    }
    DWORD crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i)
        crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

BOOL CRecordFile::ReadAt(long long nOffset, BYTE* p, size_t n) const
{
    while (n > 0)
    {
        ssize_t got = ::pread(m_fd, p, n, nOffset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return FALSE;
        p += got;
        n -= static_cast<size_t>(got);
        nOffset += got;
    }
    return TRUE;
}

BOOL CRecordFile::WriteAt(long long nOffset, const BYTE* p, size_t n)
{
    while (n > 0)
    {
        ssize_t put = ::pwrite(m_fd, p, n, nOffset);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return FALSE;
        p += put;
        n -= static_cast<size_t>(put);
        nOffset += put;
    }
    return TRUE;
}

BOOL CRecordFile::Open(const char* pszPath, BOOL& bTornTail, CString& strError, BOOL bCreate)
{
    Close();
    bTornTail = FALSE;
    m_bMissing = FALSE;
    m_nClaimedSlots = 0;
    m_qwIdentity = 0;
    m_strPath = pszPath;
    int fd = ::open(pszPath, O_RDWR | (bCreate ? O_CREAT : 0) | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0)
    {
        m_bMissing = !bCreate && errno == ENOENT;
        strError.Format("Cannot open %s: %s.", pszPath, std::strerror(errno));
        return FALSE;
    }
    m_fd = fd;
    struct stat st{};
    if (::fstat(fd, &st) != 0)
    {
        strError.Format("Cannot read %s: %s.", pszPath, std::strerror(errno));
        Close();
        return FALSE;
    }
    if (!S_ISREG(st.st_mode))
    {
        strError.Format("%s is not a file that can hold records (it is a folder, a device or a pipe).", pszPath);
        Close();
        return FALSE;
    }
    (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // Another user may be changing the file: wait for the change to end, then look.
    if (!Lock() || ::fstat(fd, &st) != 0)
    {
        strError.Format("Cannot lock %s: %s.", pszPath, std::strerror(errno));
        Close();
        return FALSE;
    }
    if (st.st_size == 0)
    {
        m_nSlots = m_nFreeHead = m_nLive = m_nSerial = 0;
        m_nSequence = 1;
        m_qwIdentity = NewIdentity();
        if (!WriteHeader())
        {
            strError.Format("Cannot write %s: %s.", pszPath, std::strerror(errno));
            Close();
            return FALSE;
        }
        return TRUE;
    }
    if (!ReadHeader(pszPath, st.st_size, bTornTail, strError))
    {
        Close();
        return FALSE;
    }
    m_nClaimedSlots = m_nClaimedNow;
    // A file made by an earlier version is given its identity now, under the lock: the next
    // user reads it. Not written, it has none, and the file serves all the same.
    if (m_qwIdentity == 0)
    {
        m_qwIdentity = NewIdentity();
        if (!WriteHeader())
            m_qwIdentity = 0;
    }
    return TRUE;
}

BOOL CRecordFile::ReadHeader(const char* pszPath, long long nSize, BOOL& bTornTail, CString& strError)
{
    BYTE hdr[kHeaderSize];
    if (nSize < static_cast<long long>(kHeaderSize) || !ReadAt(0, hdr, kHeaderSize) ||
        std::memcmp(hdr, kMagic, sizeof kMagic) != 0 || GetLE32(hdr + 8) != kHeaderSize)
    {
        strError.Format("%s is not a record file of this program; it has been left as it is.", pszPath);
        return FALSE;
    }
    if (GetLE32(hdr + 12) != m_nRecordLength)
    {
        strError.Format("%s holds records of %u bytes where %u were expected; it has been left as it is.",
                        pszPath, GetLE32(hdr + 12), m_nRecordLength);
        return FALSE;
    }
    m_nClaimedNow = GetLE32(hdr + 16);
    m_nFreeHead = GetLE32(hdr + 20);
    m_nLive = GetLE32(hdr + 24);
    m_nSerial = GetLE32(hdr + 28);
    m_nSequence = GetLE32(hdr + 32);
    // A header an earlier version wrote again has lost it: this user's stands, and is written
    // with its next change.
    if (const ULONGLONG q = GetLE64(hdr + kOffIdentity); q != 0)
        m_qwIdentity = q;

    long long nBody = nSize - kHeaderSize;
    m_nSlots = static_cast<DWORD>(nBody / SlotSize());
    if (nBody % SlotSize() != 0)
    {
        // A record whose write was cut short: drop the partial slot so it can never be read.
        bTornTail = TRUE;
        if (::ftruncate(m_fd, SlotOffset(m_nSlots)) != 0)
        {
            strError.Format("Cannot repair %s: %s.", pszPath, std::strerror(errno));
            return FALSE;
        }
    }
    if (m_nFreeHead > m_nSlots)
        m_nFreeHead = 0;
    return TRUE;
}

BOOL CRecordFile::IsAtPath() const
{
    struct stat held{}, named{};
    return m_fd >= 0 && ::fstat(m_fd, &held) == 0 && ::stat(m_strPath.GetString(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

BOOL CRecordFile::Lock()
{
    if (m_fd < 0)
        return FALSE;
    if (m_bLocked)
        return TRUE;
    while (::flock(m_fd, LOCK_EX) != 0)
        if (errno != EINTR)
            return FALSE;
    m_bLocked = TRUE;
    return TRUE;
}

void CRecordFile::Unlock()
{
    if (m_fd >= 0 && m_bLocked)
        ::flock(m_fd, LOCK_UN);
    m_bLocked = FALSE;
}

BOOL CRecordFile::Reload(BOOL& bChanged, CString& strError)
{
    bChanged = FALSE;
    struct stat st{};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
    {
        strError.Format("Cannot read %s.", m_strPath.GetString());
        return FALSE;
    }
    const DWORD nSlots = m_nSlots, nLive = m_nLive, nSerial = m_nSerial, nFree = m_nFreeHead;
    BOOL bTorn = FALSE;
    if (!ReadHeader(m_strPath, st.st_size, bTorn, strError))
        return FALSE;
    bChanged = bTorn || nSlots != m_nSlots || nLive != m_nLive || nSerial != m_nSerial || nFree != m_nFreeHead;
    return TRUE;
}

void CRecordFile::Close()
{
    m_bLocked = FALSE;
    m_bMissing = FALSE;
    if (m_fd >= 0)
    {
        ::close(m_fd);
        m_fd = -1;
    }
}

BOOL CRecordFile::WriteHeader()
{
    BYTE hdr[kHeaderSize] = {};
    std::memcpy(hdr, kMagic, sizeof kMagic);
    PutLE32(hdr + 8, kHeaderSize);
    PutLE32(hdr + 12, m_nRecordLength);
    PutLE32(hdr + 16, m_nSlots);
    PutLE32(hdr + 20, m_nFreeHead);
    PutLE32(hdr + 24, m_nLive);
    PutLE32(hdr + 28, m_nSerial);
    PutLE32(hdr + 32, m_nSequence);
    PutLE32(hdr + kOffIdentity, static_cast<DWORD>(m_qwIdentity));
    PutLE32(hdr + kOffIdentity + 4, static_cast<DWORD>(m_qwIdentity >> 32));
    return WriteAt(0, hdr, kHeaderSize);
}

int CRecordFile::ReadSlot(DWORD nSlot, BYTE* pPayload) const
{
    if (m_fd < 0 || nSlot >= m_nSlots)
        return -1;
    std::vector<BYTE> buf(SlotSize());
    if (!ReadAt(SlotOffset(nSlot), buf.data(), buf.size()))
        return -1;
    if (buf[0] != kLive || GetLE32(&buf[1]) != Crc32(&buf[kSlotOverhead], m_nRecordLength))
        return -1;
    std::memcpy(pPayload, &buf[kSlotOverhead], m_nRecordLength);
    return 0;
}

BOOL CRecordFile::WriteSlot(DWORD nSlot, const BYTE* pPayload)
{
    if (m_fd < 0 || nSlot >= m_nSlots)
        return FALSE;
    std::vector<BYTE> buf(SlotSize());
    buf[0] = kLive;
    PutLE32(&buf[1], Crc32(pPayload, m_nRecordLength));
    std::memcpy(&buf[kSlotOverhead], pPayload, m_nRecordLength);
    if (!WriteAt(SlotOffset(nSlot), buf.data(), buf.size()))
        return FALSE;
    ++m_nSerial;
    return WriteHeader();
}

BOOL CRecordFile::Allocate(DWORD& nSlot)
{
    if (m_fd < 0)
        return FALSE;
    if (m_nFreeHead != 0)
    {
        BYTE head[kSlotOverhead + 4];
        DWORD nCandidate = m_nFreeHead - 1;
        if (ReadAt(SlotOffset(nCandidate), head, sizeof head) && head[0] == kFree &&
            GetLE32(head + kSlotOverhead) <= m_nSlots)
        {
            m_nFreeHead = GetLE32(head + kSlotOverhead);
            ++m_nLive;
            nSlot = nCandidate;
            return TRUE;
        }
        // The chain is not what the header says (a crash between two writes):
        // find the free slots again and carry on.
        if (!RebuildFreeList())
            return FALSE;
        if (m_nFreeHead != 0)
            return Allocate(nSlot);
    }
    // A new slot at the end; it stays free until WriteSlot fills it.
    std::vector<BYTE> buf(SlotSize(), 0);
    buf[0] = kFree;
    if (!WriteAt(SlotOffset(m_nSlots), buf.data(), buf.size()))
        return FALSE;
    nSlot = m_nSlots++;
    ++m_nLive;
    return TRUE;
}

BOOL CRecordFile::Free(DWORD nSlot)
{
    if (m_fd < 0 || nSlot >= m_nSlots)
        return FALSE;
    std::vector<BYTE> buf(SlotSize(), 0);
    buf[0] = kFree;
    PutLE32(&buf[kSlotOverhead], m_nFreeHead);
    if (!WriteAt(SlotOffset(nSlot), buf.data(), buf.size()))
        return FALSE;
    m_nFreeHead = nSlot + 1;
    if (m_nLive > 0)
        --m_nLive;
    ++m_nSerial;
    return WriteHeader();
}

BOOL CRecordFile::Scan(const std::function<void(DWORD, const BYTE*)>& fn,
                       const std::function<void(DWORD)>& fnDamaged, BOOL bRepair)
{
    if (m_fd < 0)
        return FALSE;
    const DWORD nSize = SlotSize();
    const DWORD nPerChunk = std::max<DWORD>(1, (1u << 20) / nSize);
    std::vector<BYTE> chunk(static_cast<size_t>(nPerChunk) * nSize);
    std::vector<DWORD> free;
    std::vector<DWORD> damaged;
    DWORD nLive = 0;
    for (DWORD first = 0; first < m_nSlots; first += nPerChunk)
    {
        DWORD n = std::min(nPerChunk, m_nSlots - first);
        if (!ReadAt(SlotOffset(first), chunk.data(), static_cast<size_t>(n) * nSize))
            return FALSE;
        for (DWORD i = 0; i < n; ++i)
        {
            const BYTE* p = &chunk[static_cast<size_t>(i) * nSize];
            DWORD nSlot = first + i;
            if (p[0] == kLive && GetLE32(p + 1) == Crc32(p + kSlotOverhead, m_nRecordLength))
            {
                ++nLive;
                if (fn)
                    fn(nSlot, p + kSlotOverhead);
            }
            else if (p[0] == kFree)
                free.push_back(nSlot);
            else
                damaged.push_back(nSlot);
        }
    }
    for (DWORD nSlot : damaged)
    {
        if (fnDamaged)
            fnDamaged(nSlot);
        free.push_back(nSlot);
    }
    if (!bRepair)
        return TRUE;
    // Chain the free slots lowest first, so reuse starts at the front of the file.
    std::sort(free.begin(), free.end());
    std::vector<BYTE> buf(nSize, 0);
    buf[0] = kFree;
    DWORD nNext = 0;
    for (auto it = free.rbegin(); it != free.rend(); ++it)
    {
        PutLE32(&buf[kSlotOverhead], nNext);
        if (!WriteAt(SlotOffset(*it), buf.data(), buf.size()))
            return FALSE;
        nNext = *it + 1;
    }
    m_nFreeHead = nNext;
    m_nLive = nLive;
    return WriteHeader();
}

BOOL CRecordFile::RebuildFreeList()
{
    return Scan(nullptr, nullptr);
}
