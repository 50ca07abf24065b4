#include "playerdb/IndexTree.h"

#include "playerdb/ByteOrder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char kMagic[8] = {'T', 'V', 'I', 'D', 'X', '0', '0', '1'};
constexpr DWORD kTreeTable = 64;
constexpr DWORD kTreeEntry = 32;
constexpr DWORD kNameLength = 16;
constexpr size_t kNodeHeader = 12;
// Bulk loading leaves room in each page so the first inserts do not split at once.
constexpr size_t kBulkFill = CIndexTreeFile::kPageSize * 4 / 5;

// The shortest key that still divides left (all below) from right (all at or above).
std::string Separator(const std::string& leftLast, const std::string& rightFirst)
{
    for (size_t n = 1; n < rightFirst.size(); ++n)
    {
        std::string s = rightFirst.substr(0, n);
        if (s > leftLast)
            return s;
    }
    return rightFirst;
}

size_t EntrySize(const std::string& key, bool bInner)
{
    return 1 + key.size() + (bInner ? 4 : 0);
}

BOOL ReadAll(int fd, std::vector<BYTE>& buf)
{
    size_t done = 0;
    while (done < buf.size())
    {
        ssize_t got = ::pread(fd, buf.data() + done, buf.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return FALSE;
        done += static_cast<size_t>(got);
    }
    return TRUE;
}
}  // namespace

CIndexTreeFile::~CIndexTreeFile()
{
    Close();
}

void CIndexTreeFile::Close()
{
    if (m_fd >= 0)
    {
        ::close(m_fd);
        m_fd = -1;
    }
    m_pages.clear();
    m_dirty.clear();
    m_trees.clear();
    m_nFreeHead = 0;
}

BOOL CIndexTreeFile::ReadStamp(const char* pszPath, CStamp& stamp)
{
    int fd = ::open(pszPath, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return FALSE;
    BYTE h[32];
    struct stat st{};
    const bool bRead = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::pread(fd, h, sizeof h, 0) == static_cast<ssize_t>(sizeof h);
    ::close(fd);
    if (!bRead || std::memcmp(h, kMagic, sizeof kMagic) != 0)
        return FALSE;
    stamp = CStamp{GetLE32(h + 16), GetLE32(h + 20), GetLE32(h + 24), GetLE32(h + 28)};
    return TRUE;
}

int CIndexTreeFile::Open(const char* pszPath, const std::vector<CTreeDef>& defs, const CStamp& stamp, CString& strWhy,
                         CString& strError)
{
    Close();
    strWhy.Empty();
    int fd = ::open(pszPath, O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0)
    {
        strError.Format("Cannot open %s: %s.", pszPath, std::strerror(errno));
        return -1;
    }
    struct stat stKind{};
    if (::fstat(fd, &stKind) != 0 || !S_ISREG(stKind.st_mode))
    {
        strError.Format("%s is not a file that can hold an index (it is a folder, a device or a pipe).", pszPath);
        ::close(fd);
        return -1;
    }
    (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
    m_nRecordLength = stamp.nRecordLength;
    for (const CTreeDef& def : defs)
        m_trees.push_back(CTree{def.strName, def.bUnique, 0, 0});
    ++m_nVersion;

    auto fail = [&](const char* pszWhy) {
        strWhy = pszWhy;
        ResetAll();
        return 0;
    };

    struct stat st{};
    if (::fstat(fd, &st) != 0 || st.st_size == 0)
        return fail("the index file is missing");
    if (st.st_size % kPageSize != 0)
        return fail("the index file has been cut short");
    std::vector<BYTE> file(static_cast<size_t>(st.st_size));
    if (!ReadAll(fd, file))
        return fail("the index file cannot be read");
    const BYTE* h = file.data();
    DWORD nPages = static_cast<DWORD>(file.size() / kPageSize);
    if (std::memcmp(h, kMagic, sizeof kMagic) != 0 || GetLE32(h + 8) != kPageSize || GetLE32(h + 12) != nPages)
        return fail("the index file is damaged");
    if (GetLE32(h + 16) != stamp.nRecordLength || GetLE32(h + 36) != defs.size())
        return fail("the index file belongs to another kind of file");
    for (size_t t = 0; t < defs.size(); ++t)
    {
        const BYTE* e = h + kTreeTable + t * kTreeEntry;
        CString strName(reinterpret_cast<const char*>(e), static_cast<int>(strnlen(reinterpret_cast<const char*>(e), kNameLength)));
        if (strName != defs[t].strName || (GetLE32(e + 24) & 1) != (defs[t].bUnique ? 1u : 0u))
            return fail("the index file belongs to another kind of file");
    }
    if (GetLE32(h + 32) != 1)
        return fail("the index file was not closed properly");
    CStamp onDisk{GetLE32(h + 16), GetLE32(h + 20), GetLE32(h + 24), GetLE32(h + 28)};
    if (!(onDisk == stamp))
        return fail("the index file is out of date");

    m_pages.assign(nPages, CNode());
    m_dirty.assign(nPages, false);
    for (DWORD p = 1; p < nPages; ++p)
        if (!Decode(p, h + static_cast<size_t>(p) * kPageSize))
            return fail("the index file is damaged");
    m_nFreeHead = GetLE32(h + 40);
    for (size_t t = 0; t < defs.size(); ++t)
    {
        const BYTE* e = h + kTreeTable + t * kTreeEntry;
        m_trees[t].nRoot = GetLE32(e + 16);
        m_trees[t].nCount = GetLE32(e + 20);
        CString strBad;
        if (!Verify(static_cast<int>(t), strBad))
            return fail("the index file is damaged");
    }
    // The free chain must hold free pages only and end.
    DWORD nSeen = 0;
    for (DWORD p = m_nFreeHead; p != 0; p = m_pages[p].nNext)
        if (p >= nPages || m_pages[p].nType != kFreePage || ++nSeen > nPages)
            return fail("the index file is damaged");
    m_bInUseOnDisk = FALSE;
    return 1;
}

BOOL CIndexTreeFile::Decode(DWORD nPage, const BYTE* p)
{
    CNode& node = m_pages[nPage];
    node = CNode();
    node.nType = p[0];
    DWORD nCount = GetLE16(p + 2);
    node.nPrev = GetLE32(p + 4);
    node.nNext = GetLE32(p + 8);
    const DWORD nPages = static_cast<DWORD>(m_pages.size());
    if (node.nType == kFreePage)
        return TRUE;
    if (node.nType != kLeaf && node.nType != kInner)
        return FALSE;
    size_t off = kNodeHeader;
    if (node.nType == kInner)
    {
        node.children.push_back(GetLE32(p + off));
        off += 4;
    }
    node.keys.reserve(nCount);
    for (DWORD i = 0; i < nCount; ++i)
    {
        if (off >= kPageSize)
            return FALSE;
        size_t len = p[off++];
        if (off + len + (node.nType == kInner ? 4 : 0) > kPageSize)
            return FALSE;
        node.keys.emplace_back(reinterpret_cast<const char*>(p + off), len);
        off += len;
        if (node.nType == kInner)
        {
            node.children.push_back(GetLE32(p + off));
            off += 4;
        }
    }
    for (DWORD c : node.children)
        if (c == 0 || c >= nPages)
            return FALSE;
    if (node.nPrev >= nPages || node.nNext >= nPages)
        return FALSE;
    return TRUE;
}

void CIndexTreeFile::Encode(DWORD nPage, BYTE* p) const
{
    std::memset(p, 0, kPageSize);
    const CNode& node = m_pages[nPage];
    p[0] = node.nType;
    PutLE16(p + 2, static_cast<WORD>(node.keys.size()));
    PutLE32(p + 4, node.nPrev);
    PutLE32(p + 8, node.nNext);
    size_t off = kNodeHeader;
    if (node.nType == kInner)
    {
        PutLE32(p + off, node.children[0]);
        off += 4;
    }
    for (size_t i = 0; i < node.keys.size(); ++i)
    {
        const std::string& k = node.keys[i];
        p[off++] = static_cast<BYTE>(k.size());
        std::memcpy(p + off, k.data(), k.size());
        off += k.size();
        if (node.nType == kInner)
        {
            PutLE32(p + off, node.children[i + 1]);
            off += 4;
        }
    }
}

BOOL CIndexTreeFile::Verify(int t, CString& strWhy) const
{
    const DWORD nPages = static_cast<DWORD>(m_pages.size());
    const CTree& tree = m_trees[static_cast<size_t>(t)];
    if (tree.nRoot == 0 || tree.nRoot >= nPages)
    {
        strWhy = "root out of range";
        return FALSE;
    }
    // Walk level by level: every node reached once, each level of one kind.
    std::vector<bool> seen(nPages, false);
    std::vector<DWORD> level{tree.nRoot};
    std::vector<DWORD> leaves;
    for (int depth = 0; !level.empty(); ++depth)
    {
        if (depth > 40)
        {
            strWhy = "too deep";
            return FALSE;
        }
        BYTE nType = m_pages[level[0]].nType;
        std::vector<DWORD> next;
        for (DWORD p : level)
        {
            const CNode& node = m_pages[p];
            if (seen[p] || node.nType != nType || (nType != kLeaf && nType != kInner))
            {
                strWhy = "pages shared or of mixed kinds";
                return FALSE;
            }
            seen[p] = true;
            if (nType == kInner)
            {
                if (node.children.size() != node.keys.size() + 1)
                {
                    strWhy = "inner node malformed";
                    return FALSE;
                }
                next.insert(next.end(), node.children.begin(), node.children.end());
            }
        }
        if (nType == kLeaf)
            leaves = level;
        level.swap(next);
    }
    // The leaf chain must run through the same leaves in the same order, keys ascending.
    DWORD nCount = 0;
    DWORD nPrev = 0;
    const std::string* pLast = nullptr;
    for (size_t i = 0; i < leaves.size(); ++i)
    {
        const CNode& leaf = m_pages[leaves[i]];
        DWORD nExpectNext = i + 1 < leaves.size() ? leaves[i + 1] : 0;
        if (leaf.nPrev != nPrev || leaf.nNext != nExpectNext || (leaf.keys.empty() && leaves.size() > 1))
        {
            strWhy = "leaf chain broken";
            return FALSE;
        }
        for (const std::string& k : leaf.keys)
        {
            if (k.size() < 4 || (pLast && !(*pLast < k)))
            {
                strWhy = "keys out of order";
                return FALSE;
            }
            // The record's slot ends every key; a unique index holds each key before it once.
            if (tree.bUnique && pLast && pLast->size() == k.size() && pLast->compare(0, k.size() - 4, k, 0, k.size() - 4) == 0)
            {
                strWhy = "one key stands for two records";
                return FALSE;
            }
            pLast = &k;
            ++nCount;
        }
        nPrev = leaves[i];
    }
    if (nCount != tree.nCount)
    {
        strWhy = "entry count differs";
        return FALSE;
    }
    return TRUE;
}

BOOL CIndexTreeFile::WritePage(DWORD nPage, const BYTE* p)
{
    size_t done = 0;
    off_t off = static_cast<off_t>(nPage) * kPageSize;
    while (done < kPageSize)
    {
        ssize_t put = ::pwrite(m_fd, p + done, kPageSize - done, off + static_cast<off_t>(done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return FALSE;
        done += static_cast<size_t>(put);
    }
    return TRUE;
}

BOOL CIndexTreeFile::WriteHeader(const CStamp& stamp, BOOL bClean)
{
    BYTE h[kPageSize] = {};
    std::memcpy(h, kMagic, sizeof kMagic);
    PutLE32(h + 8, kPageSize);
    PutLE32(h + 12, static_cast<DWORD>(m_pages.size()));
    PutLE32(h + 16, stamp.nRecordLength);
    PutLE32(h + 20, stamp.nSlots);
    PutLE32(h + 24, stamp.nLive);
    PutLE32(h + 28, stamp.nSerial);
    PutLE32(h + 32, bClean ? 1 : 0);
    PutLE32(h + 36, static_cast<DWORD>(m_trees.size()));
    PutLE32(h + 40, m_nFreeHead);
    for (size_t t = 0; t < m_trees.size(); ++t)
    {
        BYTE* e = h + kTreeTable + t * kTreeEntry;
        std::memcpy(e, m_trees[t].strName.GetString(), std::min<size_t>(kNameLength, m_trees[t].strName.GetLength()));
        PutLE32(e + 16, m_trees[t].nRoot);
        PutLE32(e + 20, m_trees[t].nCount);
        PutLE32(e + 24, m_trees[t].bUnique ? 1 : 0);
    }
    return WritePage(0, h);
}

BOOL CIndexTreeFile::MarkInUse()
{
    if (m_bInUseOnDisk || m_fd < 0)
        return TRUE;
    // Only the clean mark matters here: a crash from now on makes the next open rebuild.
    BYTE mark[4] = {};
    if (::pwrite(m_fd, mark, 4, 32) != 4)
        return FALSE;
    m_bInUseOnDisk = TRUE;
    return TRUE;
}

BOOL CIndexTreeFile::Flush(const CStamp& stamp, BOOL bClean, BOOL bSync)
{
    if (m_fd < 0)
        return FALSE;
    if (!MarkInUse())
        return FALSE;
    std::vector<BYTE> page(kPageSize);
    for (DWORD p = 1; p < m_pages.size(); ++p)
    {
        if (!m_dirty[p])
            continue;
        Encode(p, page.data());
        if (!WritePage(p, page.data()))
            return FALSE;
        m_dirty[p] = false;
    }
    if (m_bTruncate)
    {
        if (::ftruncate(m_fd, static_cast<off_t>(m_pages.size()) * kPageSize) != 0)
            return FALSE;
        m_bTruncate = FALSE;
    }
    if (bSync && ::fdatasync(m_fd) != 0 && errno != EINVAL)
        return FALSE;
    // The clean mark goes down only once every page it vouches for is on the disk.
    if (!WriteHeader(stamp, bClean))
        return FALSE;
    m_bInUseOnDisk = !bClean;
    return TRUE;
}

size_t CIndexTreeFile::EncodedSize(const CNode& node) const
{
    bool bInner = node.nType == kInner;
    size_t n = kNodeHeader + (bInner ? 4 : 0);
    for (const std::string& k : node.keys)
        n += EntrySize(k, bInner);
    return n;
}

void CIndexTreeFile::Touch(DWORD nPage)
{
    m_dirty[nPage] = true;
}

DWORD CIndexTreeFile::NewPage(BYTE nType)
{
    DWORD p;
    if (m_nFreeHead != 0)
    {
        p = m_nFreeHead;
        m_nFreeHead = m_pages[p].nNext;
        m_pages[p] = CNode();
    }
    else
    {
        p = static_cast<DWORD>(m_pages.size());
        m_pages.emplace_back();
        m_dirty.push_back(true);
    }
    m_pages[p].nType = nType;
    Touch(p);
    return p;
}

void CIndexTreeFile::FreePage(DWORD nPage)
{
    m_pages[nPage] = CNode();
    m_pages[nPage].nNext = m_nFreeHead;
    m_nFreeHead = nPage;
    Touch(nPage);
}

void CIndexTreeFile::SplitLeaf(DWORD nPage, std::string& sep, DWORD& nRight)
{
    nRight = NewPage(kLeaf);
    CNode& left = m_pages[nPage];
    CNode& right = m_pages[nRight];
    size_t total = EncodedSize(left), acc = kNodeHeader, m = 0;
    while (m + 1 < left.keys.size() && acc + EntrySize(left.keys[m], false) <= total / 2)
        acc += EntrySize(left.keys[m++], false);
    m = std::max<size_t>(m, 1);
    right.keys.assign(std::make_move_iterator(left.keys.begin() + static_cast<long>(m)),
                      std::make_move_iterator(left.keys.end()));
    left.keys.resize(m);
    right.nPrev = nPage;
    right.nNext = left.nNext;
    if (left.nNext != 0)
    {
        m_pages[left.nNext].nPrev = nRight;
        Touch(left.nNext);
    }
    left.nNext = nRight;
    sep = Separator(left.keys.back(), right.keys.front());
    Touch(nPage);
}

void CIndexTreeFile::SplitInner(DWORD nPage, std::string& sep, DWORD& nRight)
{
    nRight = NewPage(kInner);
    CNode& left = m_pages[nPage];
    CNode& right = m_pages[nRight];
    size_t total = EncodedSize(left), acc = kNodeHeader + 4, m = 0;
    while (m + 2 < left.keys.size() && acc + EntrySize(left.keys[m], true) <= total / 2)
        acc += EntrySize(left.keys[m++], true);
    m = std::max<size_t>(m, 1);
    sep = std::move(left.keys[m]);
    right.keys.assign(std::make_move_iterator(left.keys.begin() + static_cast<long>(m) + 1),
                      std::make_move_iterator(left.keys.end()));
    right.children.assign(left.children.begin() + static_cast<long>(m) + 1, left.children.end());
    left.keys.resize(m);
    left.children.resize(m + 1);
    Touch(nPage);
}

DWORD CIndexTreeFile::FindLeaf(int t, const std::string& key, std::vector<std::pair<DWORD, size_t>>* pPath) const
{
    DWORD p = m_trees[static_cast<size_t>(t)].nRoot;
    while (m_pages[p].nType == kInner)
    {
        const CNode& node = m_pages[p];
        size_t ci = static_cast<size_t>(std::upper_bound(node.keys.begin(), node.keys.end(), key) - node.keys.begin());
        if (pPath)
            pPath->emplace_back(p, ci);
        p = node.children[ci];
    }
    return p;
}

bool CIndexTreeFile::Insert(int t, const std::string& key)
{
    CTree& tree = m_trees[static_cast<size_t>(t)];
    std::vector<std::pair<DWORD, size_t>> path;
    const DWORD p = FindLeaf(t, key, &path);
    CNode& leaf = m_pages[p];
    auto it = std::lower_bound(leaf.keys.begin(), leaf.keys.end(), key);
    if (it != leaf.keys.end() && *it == key)
        return false;
    leaf.keys.insert(it, key);
    Touch(p);
    ++tree.nCount;
    ++m_nVersion;

    DWORD cur = p;
    while (EncodedSize(m_pages[cur]) > kPageSize)
    {
        std::string sep;
        DWORD nRight;
        if (m_pages[cur].nType == kLeaf)
            SplitLeaf(cur, sep, nRight);
        else
            SplitInner(cur, sep, nRight);
        if (path.empty())
        {
            DWORD r = NewPage(kInner);
            m_pages[r].keys.push_back(std::move(sep));
            m_pages[r].children = {cur, nRight};
            m_trees[static_cast<size_t>(t)].nRoot = r;
            break;
        }
        auto [pp, ci] = path.back();
        path.pop_back();
        CNode& parent = m_pages[pp];
        parent.keys.insert(parent.keys.begin() + static_cast<long>(ci), std::move(sep));
        parent.children.insert(parent.children.begin() + static_cast<long>(ci) + 1, nRight);
        Touch(pp);
        cur = pp;
    }
    return true;
}

bool CIndexTreeFile::Erase(int t, const std::string& key)
{
    CTree& tree = m_trees[static_cast<size_t>(t)];
    std::vector<std::pair<DWORD, size_t>> path;
    const DWORD p = FindLeaf(t, key, &path);
    CNode& leaf = m_pages[p];
    auto it = std::lower_bound(leaf.keys.begin(), leaf.keys.end(), key);
    if (it == leaf.keys.end() || *it != key)
        return false;
    leaf.keys.erase(it);
    Touch(p);
    --tree.nCount;
    ++m_nVersion;
    if (!leaf.keys.empty() || path.empty())
        return true;

    // An empty leaf leaves the chain and its parent; emptied parents follow it up.
    if (leaf.nPrev != 0)
    {
        m_pages[leaf.nPrev].nNext = leaf.nNext;
        Touch(leaf.nPrev);
    }
    if (leaf.nNext != 0)
    {
        m_pages[leaf.nNext].nPrev = leaf.nPrev;
        Touch(leaf.nNext);
    }
    FreePage(p);
    while (!path.empty())
    {
        auto [pp, ci] = path.back();
        path.pop_back();
        CNode& parent = m_pages[pp];
        parent.children.erase(parent.children.begin() + static_cast<long>(ci));
        if (!parent.keys.empty())
            parent.keys.erase(parent.keys.begin() + static_cast<long>(ci > 0 ? ci - 1 : 0));
        Touch(pp);
        if (!parent.children.empty())
            break;
        if (path.empty())
        {
            // Cannot happen while the root keeps a child, but an empty root becomes an empty leaf.
            parent = CNode();
            parent.nType = kLeaf;
            break;
        }
        FreePage(pp);
    }
    // A root with a single child hands the root over to it.
    while (m_pages[tree.nRoot].nType == kInner && m_pages[tree.nRoot].children.size() == 1)
    {
        DWORD old = tree.nRoot;
        tree.nRoot = m_pages[old].children[0];
        FreePage(old);
    }
    return true;
}

CIndexTreeFile::CPos CIndexTreeFile::LowerBound(int t, const std::string& key) const
{
    const DWORD p = FindLeaf(t, key);
    const CNode& leaf = m_pages[p];
    CPos pos{p, static_cast<int>(std::lower_bound(leaf.keys.begin(), leaf.keys.end(), key) - leaf.keys.begin())};
    if (static_cast<size_t>(pos.nEntry) >= leaf.keys.size())
    {
        pos.nLeaf = leaf.nNext;
        pos.nEntry = 0;
    }
    return pos;
}

CIndexTreeFile::CPos CIndexTreeFile::Begin(int t) const
{
    DWORD p = m_trees[static_cast<size_t>(t)].nRoot;
    while (m_pages[p].nType == kInner)
        p = m_pages[p].children.front();
    return m_pages[p].keys.empty() ? CPos{} : CPos{p, 0};
}

CIndexTreeFile::CPos CIndexTreeFile::Last(int t) const
{
    DWORD p = m_trees[static_cast<size_t>(t)].nRoot;
    while (m_pages[p].nType == kInner)
        p = m_pages[p].children.back();
    return m_pages[p].keys.empty() ? CPos{} : CPos{p, static_cast<int>(m_pages[p].keys.size()) - 1};
}

bool CIndexTreeFile::Step(CPos& pos, int n) const
{
    if (pos.IsEnd())
        return false;
    long i = static_cast<long>(pos.nEntry) + n;
    DWORD p = pos.nLeaf;
    while (p != 0 && i >= static_cast<long>(m_pages[p].keys.size()))
    {
        i -= static_cast<long>(m_pages[p].keys.size());
        p = m_pages[p].nNext;
    }
    while (p != 0 && i < 0)
    {
        p = m_pages[p].nPrev;
        if (p != 0)
            i += static_cast<long>(m_pages[p].keys.size());
    }
    if (p == 0)
    {
        pos = CPos{};
        return false;
    }
    pos = CPos{p, static_cast<int>(i)};
    return true;
}

void CIndexTreeFile::ResetAll()
{
    m_pages.assign(1, CNode());
    m_dirty.assign(1, false);
    m_nFreeHead = 0;
    for (CTree& tree : m_trees)
    {
        tree.nRoot = NewPage(kLeaf);
        tree.nCount = 0;
    }
    m_bTruncate = TRUE;
    ++m_nVersion;
}

void CIndexTreeFile::FreeSubtree(DWORD nPage)
{
    if (m_pages[nPage].nType == kInner)
        for (DWORD c : std::vector<DWORD>(m_pages[nPage].children))
            FreeSubtree(c);
    FreePage(nPage);
}

void CIndexTreeFile::BulkLoad(int t, const std::vector<std::string>& sorted)
{
    CTree& tree = m_trees[static_cast<size_t>(t)];
    FreeSubtree(tree.nRoot);
    ++m_nVersion;
    struct CBuilt
    {
        DWORD nPage;
        std::string first, last;
    };
    std::vector<CBuilt> level;
    size_t i = 0;
    DWORD nPrev = 0;
    do
    {
        DWORD p = NewPage(kLeaf);
        size_t size = kNodeHeader;
        CNode& leaf = m_pages[p];
        while (i < sorted.size() && (leaf.keys.empty() || size + EntrySize(sorted[i], false) <= kBulkFill))
        {
            size += EntrySize(sorted[i], false);
            leaf.keys.push_back(sorted[i++]);
        }
        leaf.nPrev = nPrev;
        if (nPrev != 0)
            m_pages[nPrev].nNext = p;
        nPrev = p;
        level.push_back(CBuilt{p, leaf.keys.empty() ? std::string() : leaf.keys.front(),
                               leaf.keys.empty() ? std::string() : leaf.keys.back()});
    } while (i < sorted.size());

    while (level.size() > 1)
    {
        std::vector<CBuilt> upper;
        size_t j = 0;
        while (j < level.size())
        {
            DWORD p = NewPage(kInner);
            CNode& node = m_pages[p];
            node.children.push_back(level[j].nPage);
            CBuilt built{p, level[j].first, level[j].last};
            size_t size = kNodeHeader + 4;
            ++j;
            // Take at least one more child so that no inner node is left with one.
            while (j < level.size())
            {
                std::string sep = Separator(level[j - 1].last, level[j].first);
                bool bMust = node.children.size() < 2 || level.size() - j == 1;
                if (!bMust && size + EntrySize(sep, true) > kBulkFill)
                    break;
                size += EntrySize(sep, true);
                node.keys.push_back(std::move(sep));
                node.children.push_back(level[j].nPage);
                built.last = level[j].last;
                ++j;
            }
            upper.push_back(std::move(built));
        }
        level.swap(upper);
    }
    tree.nRoot = level[0].nPage;
    tree.nCount = static_cast<DWORD>(sorted.size());
}
