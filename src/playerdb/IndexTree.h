#pragma once
// CIndexTreeFile: the index half of an indexed file, one B+tree per index in a
// file of 4096-byte pages. Keys are byte strings compared bytewise; every key
// ends in the big-endian slot number of its record, so keys are unique within a
// tree even where the index allows duplicates.
//
// Layout (little-endian):
//   page 0, the header
//     0  char[8] "TVIDX001"
//     8  u32     page size (4096)
//    12  u32     page count
//    16  u32     record length of the data file
//    20  u32     data file slot count    (these three as they were when
//    24  u32     data file live count     the index was last written)
//    28  u32     data file update serial
//    32  u32     clean mark: 1 when the file was written whole and closed, 0 while in use
//    36  u32     index count
//    40  u32     first free page, 0 when none
//    64  per index 32 bytes: char[16] name, u32 root page, u32 entry count, u32 flags (1 unique), u32 0
//   node pages
//     0  u8      1 leaf, 2 inner node, 0 free page
//     2  u16     key count
//     4  u32     previous leaf (leaves)
//     8  u32     next leaf (leaves), next free page (free pages)
//    12  leaves: keys as u8 length + bytes
//        inner nodes: u32 first child, then u8 length + key bytes + u32 child per key;
//        a key is the lower bound of the child after it.
// The whole index is held in memory while open; changed pages are written back
// when the file is flushed or closed.
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <string>
#include <vector>

class CIndexTreeFile
{
public:
    static constexpr DWORD kPageSize = 4096;
    static constexpr size_t kMaxKey = 255;

    struct CStamp
    {
        DWORD nRecordLength = 0;
        DWORD nSlots = 0;
        DWORD nLive = 0;
        DWORD nSerial = 0;
        bool operator==(const CStamp&) const = default;
    };
    struct CTreeDef
    {
        CString strName;
        BOOL bUnique = FALSE;
    };
    // A position in a tree: a leaf and an entry in it; leaf 0 is past the end.
    struct CPos
    {
        DWORD nLeaf = 0;
        int nEntry = 0;
        bool IsEnd() const { return nLeaf == 0; }
    };

    CIndexTreeFile() = default;
    ~CIndexTreeFile();
    CIndexTreeFile(const CIndexTreeFile&) = delete;
    CIndexTreeFile& operator=(const CIndexTreeFile&) = delete;

    // 1: the file was loaded and matches the data file; 0: it is missing, stale,
    // not closed cleanly or damaged (strWhy says which), the trees are empty and
    // the caller must rebuild them; -1: the file cannot be opened (strError).
    int Open(const char* pszPath, const std::vector<CTreeDef>& defs, const CStamp& stamp, CString& strWhy,
             CString& strError);
    // The data file's counts as the index file last recorded them; FALSE when it holds none.
    static BOOL ReadStamp(const char* pszPath, CStamp& stamp);
    // Writes what changed; with bClean the header claims the file whole.
    // bSync waits for the disk first; without it the pages are at least in the system's cache,
    // where another user of the file reads them.
    BOOL Flush(const CStamp& stamp, BOOL bClean, BOOL bSync = TRUE);
    // Called before every change: once per flush, writes the header without the clean mark.
    BOOL MarkInUse();
    void Close();
    BOOL IsOpen() const { return m_fd >= 0; }

    int GetTreeCount() const { return static_cast<int>(m_trees.size()); }
    DWORD GetEntryCount(int t) const { return m_trees[t].nCount; }
    DWORD GetPageCount() const { return static_cast<DWORD>(m_pages.size()); }
    // Bumped by every change; positions taken before a change must be sought again.
    DWORD GetVersion() const { return m_nVersion; }

    bool Insert(int t, const std::string& key);
    bool Erase(int t, const std::string& key);
    CPos LowerBound(int t, const std::string& key) const;
    CPos Begin(int t) const;
    CPos Last(int t) const;
    // Moves n entries (negative: backwards); false, and the end, when it runs off either end.
    bool Step(CPos& pos, int n) const;
    const std::string& KeyAt(const CPos& pos) const { return m_pages[pos.nLeaf].keys[static_cast<size_t>(pos.nEntry)]; }

    // Empties every tree, then fills tree t from keys in ascending order.
    void ResetAll();
    void BulkLoad(int t, const std::vector<std::string>& sorted);

    // Checks the shape of tree t: levels, leaf chain, order and count, and that a unique tree
    // holds each key once.
    BOOL Verify(int t, CString& strWhy) const;

private:
    enum : BYTE
    {
        kFreePage = 0,
        kLeaf = 1,
        kInner = 2
    };
    struct CNode
    {
        BYTE nType = kFreePage;
        DWORD nPrev = 0;
        DWORD nNext = 0;
        std::vector<std::string> keys;
        std::vector<DWORD> children;
    };
    struct CTree
    {
        CString strName;
        BOOL bUnique = FALSE;
        DWORD nRoot = 0;
        DWORD nCount = 0;
    };

    size_t EncodedSize(const CNode& node) const;
    DWORD NewPage(BYTE nType);
    void FreePage(DWORD nPage);
    void Touch(DWORD nPage);
    void SplitLeaf(DWORD nPage, std::string& sep, DWORD& nRight);
    void SplitInner(DWORD nPage, std::string& sep, DWORD& nRight);
    // The leaf where key belongs; pPath, when given, gets each inner page passed and the
    // child taken there, root first.
    DWORD FindLeaf(int t, const std::string& key, std::vector<std::pair<DWORD, size_t>>* pPath = nullptr) const;
    BOOL Decode(DWORD nPage, const BYTE* p);
    void Encode(DWORD nPage, BYTE* p) const;
    BOOL WritePage(DWORD nPage, const BYTE* p);
    BOOL WriteHeader(const CStamp& stamp, BOOL bClean);
    void FreeSubtree(DWORD nPage);

    int m_fd = -1;
    std::vector<CNode> m_pages;  // [0] stands for the header
    std::vector<bool> m_dirty;
    std::vector<CTree> m_trees;
    DWORD m_nFreeHead = 0;
    DWORD m_nVersion = 0;
    DWORD m_nRecordLength = 0;
    BOOL m_bInUseOnDisk = FALSE;
    BOOL m_bTruncate = FALSE;
};
