// The record and index engine, through a small table whose 16-byte records make
// the B+trees deep with few records.
#include "playerdb/ByteOrder.h"
#include "playerdb/IndexedFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sys/stat.h>

namespace
{
// u32 id (unique index "Id"), char[12] name (index "Name": name then id; Find a name prefix).
class CTinyFile : public CIndexedFile
{
public:
    CTinyFile() : CIndexedFile(16, {{"Id", TRUE, KeyOfId, KeyOfId}, {"Name", FALSE, KeyOfName, SearchOfName}}) {}

    DWORD m_nId = 0;
    CString m_strName;

protected:
    void StoreFields(BYTE* p) const override
    {
        std::memset(p, 0, 16);
        PutLE32(p, m_nId);
        std::memcpy(p + 4, m_strName.GetString(), std::min(12, m_strName.GetLength()));
    }
    void LoadFields(const BYTE* p) override
    {
        m_nId = GetLE32(p);
        m_strName = CString(reinterpret_cast<const char*>(p + 4), static_cast<int>(strnlen(reinterpret_cast<const char*>(p + 4), 12)));
    }
    // The next id above every id in the file.
    BOOL GiveOwnKey(const BYTE* pKeeper, CString& strNotice) override
    {
        std::vector<BYTE> last;
        const DWORD nWas = m_nId;
        m_nId = TakeSequence(PeekLast("Id", last) ? GetLE32(last.data()) + 1 : 1);
        if (m_nId != 0 && Rewrite() == 0)
        {
            strNotice.Format("%s kept %u; %s now has %u", NameAt(pKeeper).GetString(), nWas, m_strName.GetString(), m_nId);
            return TRUE;
        }
        m_nId = nWas;
        strNotice.Format("%s and %s both have %u", NameAt(pKeeper).GetString(), m_strName.GetString(), nWas);
        return FALSE;
    }

private:
    static CString NameAt(const BYTE* p)
    {
        return CString(reinterpret_cast<const char*>(p + 4), static_cast<int>(strnlen(reinterpret_cast<const char*>(p + 4), 12)));
    }
    static void KeyOfId(const BYTE* p, std::string& key) { AppendBE32(key, GetLE32(p)); }
    static void SearchOfName(const BYTE* p, std::string& key)
    {
        key.append(reinterpret_cast<const char*>(p + 4), strnlen(reinterpret_cast<const char*>(p + 4), 12));
    }
    static void KeyOfName(const BYTE* p, std::string& key)
    {
        SearchOfName(p, key);
        key += '\0';
        AppendBE32(key, GetLE32(p));
    }
};

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

CString NameOf(DWORD n)
{
    CString s;
    s.Format("N%06u", (n * 7919u) % 1000003u);
    return s;
}

class IndexedFileTest : public ::testing::Test
{
protected:
    TempDir dir;
    std::string dta = dir.File("T.DTA");
    std::string dtx = dir.File("T.DTX");
    std::vector<CString> messages;

    void Open(CTinyFile& f)
    {
        f.SetMessageHook([this](const CString& s) { messages.push_back(s); });
        ASSERT_TRUE(f.Open(dta.c_str(), dtx.c_str())) << f.GetErrorText().GetString();
    }
    // A table of ids 1..n, closed.
    void Fill(DWORD n)
    {
        CTinyFile f;
        Open(f);
        AddRange(f, 1, n);
    }
    static void AddRange(CTinyFile& f, DWORD first, DWORD last)
    {
        for (DWORD n = first; n <= last; ++n)
        {
            f.m_nId = n;
            f.m_strName = NameOf(n);
            ASSERT_EQ(0, f.Add());
        }
    }
    static std::vector<DWORD> WalkIds(CTinyFile& f, const char* pszIndex)
    {
        std::vector<DWORD> ids;
        f.SelectIndex(pszIndex);
        f.First();
        while (f.Next(1) == 0)
            ids.push_back(f.m_nId);
        return ids;
    }
    static int FindId(CTinyFile& f, DWORD id)
    {
        f.SelectIndex("Id");
        f.m_nId = id;
        return f.Find();
    }
    // The id Next(n) lands on, or -1 where it fails.
    static long long Step(CTinyFile& f, int n) { return f.Next(n) == 0 ? static_cast<long long>(f.m_nId) : -1; }
    static void Poke(const std::string& path, std::streamoff at, const char* bytes, std::streamsize n)
    {
        std::fstream io(path, std::ios::binary | std::ios::in | std::ios::out);
        io.seekp(at);
        io.write(bytes, n);
    }
    static void ExpectSound(CTinyFile& f)
    {
        CString why;
        EXPECT_TRUE(f.VerifyIndexes(why)) << why.GetString();
    }
};
}  // namespace

TEST_F(IndexedFileTest, AddsFindsAndWalksInKeyOrder)
{
    CTinyFile f;
    Open(f);
    std::vector<DWORD> ids(3000);
    for (DWORD i = 0; i < ids.size(); ++i)
        ids[i] = i * 37 % 3001 + 1;
    for (DWORD id : ids)
    {
        f.m_nId = id;
        f.m_strName = NameOf(id);
        ASSERT_EQ(0, f.Add());
    }
    EXPECT_EQ(3000u, f.GetRecordCount());
    ExpectSound(f);

    std::vector<DWORD> sorted = ids;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, WalkIds(f, "Id"));

    std::vector<DWORD> byName = WalkIds(f, "Name");
    ASSERT_EQ(3000u, byName.size());
    for (size_t i = 1; i < byName.size(); ++i)
        EXPECT_LT(NameOf(byName[i - 1]), NameOf(byName[i]));

    for (DWORD id : {1u, 1500u, 3001u})
    {
        f.m_strName.Empty();
        ASSERT_EQ(0, FindId(f, id)) << id;
        EXPECT_EQ(NameOf(id), f.m_strName);
    }
    EXPECT_EQ(-1, f.SelectIndex("Nope"));
}

TEST_F(IndexedFileTest, NextCountsEntriesAndStopsAtTheEnds)
{
    CTinyFile f;
    Open(f);
    AddRange(f, 1, 500);
    ASSERT_EQ(0, f.SelectIndex("Id"));
    // Standing before the first entry, ReadCurrent reads it.
    f.First();
    ASSERT_EQ(0, f.ReadCurrent());
    EXPECT_EQ(1u, f.m_nId);
    f.First();
    std::vector<long long> got;
    for (int n : {1, 10, -5, 494, 1, 1})
        got.push_back(Step(f, n));
    EXPECT_EQ(got, (std::vector<long long>{1, 11, 6, 500, -1, -1}));
    EXPECT_EQ(-1, f.ReadCurrent());
    EXPECT_EQ(500, Step(f, -1));
    ASSERT_EQ(0, f.Last());
    EXPECT_EQ(500u, f.m_nId);

    f.First();
    EXPECT_EQ(-1, f.Next(501));
    f.First();
    EXPECT_EQ(500, Step(f, 500));
}

TEST_F(IndexedFileTest, FindMatchesPrefixesAndOtherwiseStandsWhereTheKeyWouldBe)
{
    CTinyFile f;
    Open(f);
    DWORD id = 10;
    for (const char* psz : {"ADAMS", "BAKER", "BAKERSON", "CLARK", "CLARKE", "EVANS"})
    {
        f.m_nId = id++;
        f.m_strName = psz;
        ASSERT_EQ(0, f.Add());
    }
    f.SelectIndex("Name");
    // What Find lands on, then what Next(1) (or else ReadCurrent) reads from there; nullptr: not read.
    const struct {
        const char* pszSought;
        int nFound;
        const char* pszFound;
        int nThen;
        const char* pszThen;
    } cases[] = {
        {"BAK", 0, "BAKER", 1, "BAKERSON"},
        {"CLARK", 0, "CLARK", 0, nullptr},
        {"A", 0, "ADAMS", 0, nullptr},
        {"ZZ", -1, nullptr, 2, nullptr},
        // A failed search followed by Next(1) also lands on the next greater record.
        {"BB", -1, nullptr, 1, "CLARK"},
        // No D...: the position stands before EVANS; a failed search leaves the fields alone.
        {"D", -1, "D", 2, "EVANS"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszSought);
        f.m_strName = c.pszSought;
        EXPECT_EQ(c.nFound, f.Find());
        if (c.pszFound) {
            EXPECT_EQ(c.pszFound, f.m_strName);
        }
        if (c.nThen) {
            EXPECT_EQ(c.pszThen ? 0 : -1, c.nThen == 1 ? f.Next(1) : f.ReadCurrent());
        }
        if (c.pszThen) {
            EXPECT_EQ(c.pszThen, f.m_strName);
        }
    }
    EXPECT_EQ(-1, f.Next(1));  // past EVANS
}

TEST_F(IndexedFileTest, UniqueKeysAreRefusedAndDuplicateNamesKept)
{
    CTinyFile f;
    Open(f);
    for (DWORD id : {5u, 3u, 9u})
    {
        f.m_nId = id;
        f.m_strName = "SAME";
        ASSERT_EQ(0, f.Add());
    }
    f.m_nId = 3;
    f.m_strName = "OTHER";
    EXPECT_EQ(-1, f.Add());
    EXPECT_FALSE(f.GetErrorText().IsEmpty());
    EXPECT_EQ(3u, f.GetRecordCount());
    EXPECT_EQ((std::vector<DWORD>{3, 5, 9}), WalkIds(f, "Name"));

    // A rewrite onto another record's key is refused and changes nothing.
    ASSERT_EQ(0, FindId(f, 9));
    f.m_nId = 5;
    EXPECT_EQ(-1, f.Rewrite());
    EXPECT_EQ((std::vector<DWORD>{3, 5, 9}), WalkIds(f, "Id"));
    ExpectSound(f);
}

TEST_F(IndexedFileTest, RewriteMovesEveryIndexAndKeepsThePosition)
{
    CTinyFile f;
    Open(f);
    AddRange(f, 1, 400);
    ASSERT_EQ(0, FindId(f, 200));
    f.m_strName = "AAAA";
    ASSERT_EQ(0, f.Rewrite());
    EXPECT_EQ(201, Step(f, 1));  // still on record 200, in the Id order

    f.SelectIndex("Name");
    f.First();
    EXPECT_EQ(200, Step(f, 1));
    EXPECT_EQ("AAAA", f.m_strName);
    f.m_strName = NameOf(200);
    EXPECT_EQ(-1, f.Find());

    // Changing the unique key itself.
    ASSERT_EQ(0, FindId(f, 200));
    f.m_nId = 9000;
    ASSERT_EQ(0, f.Rewrite());
    EXPECT_EQ(-1, FindId(f, 200));
    ASSERT_EQ(0, FindId(f, 9000));
    EXPECT_EQ("AAAA", f.m_strName);
    ExpectSound(f);
}

TEST_F(IndexedFileTest, DeletedRecordsLeaveTheIndexesAndTheirSlotsAreReused)
{
    CTinyFile f;
    Open(f);
    AddRange(f, 1, 1000);
    f.Flush();
    auto size = std::filesystem::file_size(dta);

    f.SelectIndex("Id");
    f.First();
    // Delete every odd record while walking: after a delete, Next(1) reads the follower.
    int nDeleted = 0;
    while (f.Next(1) == 0)
    {
        if (f.m_nId % 2 == 1)
        {
            ASSERT_EQ(0, f.Delete());
            EXPECT_EQ(-1, f.Delete());  // nothing is current after a delete
            ++nDeleted;
        }
    }
    EXPECT_EQ(500, nDeleted);
    EXPECT_EQ(500u, f.GetRecordCount());
    const std::vector<DWORD> ids = WalkIds(f, "Name");
    EXPECT_EQ(500u, ids.size());
    EXPECT_TRUE(std::all_of(ids.begin(), ids.end(), [](DWORD n) { return n % 2 == 0; }));
    ExpectSound(f);

    // 500 new records fill the freed slots: the data file does not grow.
    AddRange(f, 2001, 2500);
    f.Flush();
    EXPECT_EQ(size, std::filesystem::file_size(dta));
    EXPECT_EQ(1000u, f.GetRecordCount());
    ExpectSound(f);

    // Deleting everything empties the trees; they work again afterwards.
    f.SelectIndex("Name");
    f.First();
    while (f.Next(1) == 0)
        ASSERT_EQ(0, f.Delete());
    EXPECT_EQ(0u, f.GetRecordCount());
    ExpectSound(f);
    f.First();
    EXPECT_EQ(-1, f.Next(1));
    AddRange(f, 1, 3);
    EXPECT_EQ((std::vector<DWORD>{1, 2, 3}), WalkIds(f, "Id"));
}

TEST_F(IndexedFileTest, StoredBytesFollowTheDocumentedLayout)
{
    {
        CTinyFile f;
        Open(f);
        f.m_nId = 0x01020304;
        f.m_strName = "AB";
        ASSERT_EQ(0, f.Add());
    }
    std::ifstream in(dta, std::ios::binary);
    std::vector<BYTE> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(64u + 5 + 16, b.size());
    EXPECT_EQ(0, std::memcmp(b.data(), "TVDTA001", 8));
    // Header length, record length, slots, no free slot, live records.
    EXPECT_EQ((std::vector<DWORD>{64, 16, 1, 0, 1}),
              (std::vector<DWORD>{GetLE32(&b[8]), GetLE32(&b[12]), GetLE32(&b[16]), GetLE32(&b[20]), GetLE32(&b[24])}));
    EXPECT_EQ('L', b[64]);
    EXPECT_EQ(CRecordFile::Crc32(&b[69], 16), GetLE32(&b[65]));
    const BYTE payload[16] = {0x04, 0x03, 0x02, 0x01, 'A', 'B'};
    EXPECT_EQ(0, std::memcmp(&b[69], payload, 16));

    std::ifstream ix(dtx, std::ios::binary);
    std::vector<BYTE> x((std::istreambuf_iterator<char>(ix)), std::istreambuf_iterator<char>());
    ASSERT_EQ(3u * 4096, x.size());  // header and one leaf per index
    EXPECT_EQ(0, std::memcmp(x.data(), "TVIDX001", 8));
    // The data file's slot count, closed cleanly, two indexes.
    EXPECT_EQ((std::vector<DWORD>{1, 1, 2}), (std::vector<DWORD>{GetLE32(&x[20]), GetLE32(&x[32]), GetLE32(&x[36])}));
    EXPECT_EQ(0, std::memcmp(&x[64], "Id", 3));
    EXPECT_EQ(1u, GetLE32(&x[64 + 24]));  // unique
    EXPECT_EQ(0, std::memcmp(&x[96], "Name", 5));
    DWORD nLeaf = GetLE32(&x[96 + 16]);
    const BYTE* leaf = &x[nLeaf * 4096];
    EXPECT_EQ(std::make_pair(BYTE{1}, BYTE{1}), std::make_pair(leaf[0], leaf[2]));
    // "AB", 0, the id, then the slot, big-endian.
    const BYTE key[] = {11, 'A', 'B', 0, 1, 2, 3, 4, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(leaf + 12, key, sizeof key));
}

TEST_F(IndexedFileTest, MissingStaleOrUnfinishedIndexesAreRebuiltOnOpen)
{
    Fill(700);
    std::string oldIndex = dir.File("old.DTX");
    std::filesystem::copy_file(dtx, oldIndex);

    // Missing.
    std::filesystem::remove(dtx);
    {
        CTinyFile f;
        Open(f);
        EXPECT_FALSE(f.GetRebuildReason().IsEmpty());
        EXPECT_EQ(700u, WalkIds(f, "Name").size());
        ExpectSound(f);
        AddRange(f, 701, 900);
        ASSERT_EQ(0, FindId(f, 100));
        f.m_strName = "RENAMED";
        ASSERT_EQ(0, f.Rewrite());
    }
    ASSERT_EQ(1u, messages.size());
    EXPECT_NE(-1, messages[0].Find("rebuilt"));

    // Clean again: no rebuild.
    {
        CTinyFile f;
        Open(f);
        EXPECT_TRUE(f.GetRebuildReason().IsEmpty());
        EXPECT_EQ(900u, WalkIds(f, "Id").size());
    }

    // Stale: an index left from before the last 200 records and the rename.
    std::filesystem::copy_file(oldIndex, dtx, std::filesystem::copy_options::overwrite_existing);
    {
        CTinyFile f;
        Open(f);
        EXPECT_EQ("the index file is out of date", f.GetRebuildReason());
        EXPECT_EQ(900u, WalkIds(f, "Name").size());
        f.SelectIndex("Name");
        f.m_strName = "RENAMED";
        ASSERT_EQ(0, f.Find());
        EXPECT_EQ(100u, f.m_nId);
        ExpectSound(f);
    }

    // Unfinished: the files as a crash would leave them, taken while still open.
    std::string crashDta = dir.File("C.DTA"), crashDtx = dir.File("C.DTX");
    {
        CTinyFile f;
        Open(f);
        ASSERT_EQ(0, FindId(f, 5));
        ASSERT_EQ(0, f.Delete());
        AddRange(f, 1001, 1010);
        std::filesystem::copy_file(dta, crashDta);
        std::filesystem::copy_file(dtx, crashDtx);
    }
    // Every change ends with the index written whole; a crash inside one leaves it marked.
    Poke(crashDtx, 32, "\0\0\0\0", 4);
    {
        CTinyFile f;
        f.SetMessageHook([this](const CString& s) { messages.push_back(s); });
        ASSERT_TRUE(f.Open(crashDta.c_str(), crashDtx.c_str()));
        EXPECT_EQ("the index file was not closed properly", f.GetRebuildReason());
        std::vector<DWORD> ids = WalkIds(f, "Id");
        EXPECT_EQ(909u, ids.size());
        EXPECT_FALSE(std::binary_search(ids.begin(), ids.end(), 5u));
        EXPECT_TRUE(std::binary_search(ids.begin(), ids.end(), 1010u));
        ExpectSound(f);
    }

    // Garbage in place of an index.
    std::ofstream(dtx, std::ios::binary | std::ios::trunc) << std::string(4096 * 3, '\x5A');
    {
        CTinyFile f;
        Open(f);
        EXPECT_EQ("the index file is damaged", f.GetRebuildReason());
        EXPECT_EQ(909u, WalkIds(f, "Id").size());
        ExpectSound(f);
    }
}

TEST_F(IndexedFileTest, ADataFileCutInsideARecordLosesOnlyThatRecord)
{
    Fill(300);
    // The last record's write was cut short 7 bytes into its slot.
    std::filesystem::resize_file(dta, 64 + 299 * 21 + 7);
    {
        CTinyFile f;
        Open(f);
        EXPECT_EQ(299u, f.GetRecordCount());
        std::vector<DWORD> ids = WalkIds(f, "Id");
        ASSERT_EQ(299u, ids.size());
        EXPECT_EQ(299u, ids.back());
        ExpectSound(f);
        // The file is whole again and takes new records.
        EXPECT_EQ(64u + 299 * 21, std::filesystem::file_size(dta));
        AddRange(f, 300, 300);
    }
    ASSERT_GE(messages.size(), 1u);
    EXPECT_NE(-1, messages[0].Find("part-way through a record"));
    messages.clear();
    {
        CTinyFile f;
        Open(f);
        EXPECT_EQ(300u, WalkIds(f, "Id").size());
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(IndexedFileTest, ADamagedRecordIsNeverReadAsARecord)
{
    Fill(50);
    // Zero bytes over record 20's name, as a half-finished write would leave.
    Poke(dta, 64 + 19 * 21 + 9, "\0\0\0", 3);
    {
        // The index no longer matches the data file: rebuilt at once, the record dropped.
        CTinyFile f;
        Open(f);
        EXPECT_EQ(49u, f.GetRecordCount());
        ASSERT_EQ(2u, messages.size());
        EXPECT_NE(-1, messages[0].Find("1 damaged record"));
        EXPECT_NE(-1, messages[1].Find("rebuilt"));
        EXPECT_EQ(-1, FindId(f, 20));
        EXPECT_EQ(21, Step(f, 1));  // the walk goes on past it
        ExpectSound(f);
    }
    messages.clear();
    {
        CTinyFile f;
        Open(f);
        EXPECT_EQ(49u, WalkIds(f, "Id").size());
        EXPECT_TRUE(messages.empty());
    }
}

// Single-bit damage anywhere in the index pages: every key still finds its own record, and
// an index found wrong is rebuilt with a notice.
TEST_F(IndexedFileTest, AnIndexDamagedByOneBitNeverGivesAnotherRecord)
{
    Fill(400);
    const std::string good = dir.File("good.DTX");
    std::filesystem::copy_file(dtx, good);
    const auto nBytes = std::filesystem::file_size(good);
    std::mt19937 rng(19);
    std::uniform_int_distribution<size_t> where(4096, nBytes - 1);
    int nRebuilt = 0;
    for (int trial = 0; trial < 60; ++trial)
    {
        std::filesystem::copy_file(good, dtx, std::filesystem::copy_options::overwrite_existing);
        const auto at = static_cast<std::streamoff>(where(rng));
        const char c = static_cast<char>(FileBytes(dtx)[static_cast<size_t>(at)] ^ (1 << (trial % 8)));
        Poke(dtx, at, &c, 1);
        messages.clear();
        CTinyFile f;
        Open(f);
        nRebuilt += messages.empty() ? 0 : 1;
        for (DWORD n = 1; n <= 400; n += 7)
        {
            ASSERT_EQ(0, FindId(f, n)) << "trial " << trial << " id " << n;
            ASSERT_EQ(NameOf(n), f.m_strName) << "trial " << trial;
            f.SelectIndex("Name");
            f.m_strName = NameOf(n);
            ASSERT_EQ(0, f.Find()) << "trial " << trial << " name of " << n;
            ASSERT_EQ(n, f.m_nId) << "trial " << trial;
        }
        ASSERT_EQ(400u, WalkIds(f, "Name").size()) << "trial " << trial;
    }
    EXPECT_GT(nRebuilt, 0);
}

// A data file cut short by whole records (to nothing, to its header, half way): said, and
// both files kept aside before the table goes on with what remains.
TEST_F(IndexedFileTest, ADataFileCutShortIsReportedAndKeptAside)
{
    const struct
    {
        std::uintmax_t nSize;
        DWORD nLeft;
        const char* pszTail;
    } cuts[] = {
        {0, 0, "The database starts afresh."},
        {64, 0, "The database starts afresh."},
        {64 + 20 * 21, 20, "The database goes on with the records that remain."},
    };
    for (const auto& cut : cuts)
    {
        SCOPED_TRACE(cut.nSize);
        std::filesystem::remove_all(dir.path());
        std::filesystem::create_directories(dir.path());
        Fill(50);
        const std::string whole = FileBytes(dta);
        std::filesystem::resize_file(dta, cut.nSize);
        messages.clear();
        {
            CTinyFile f;
            Open(f);
            EXPECT_EQ(cut.nLeft, f.GetRecordCount());
            EXPECT_EQ(cut.nLeft, WalkIds(f, "Id").size());
            AddRange(f, 100, 100);
        }
        ASSERT_GE(messages.size(), 1u);
        CString expected;
        expected.Format("%s has been cut short: it held 50 records and now holds %u. The damaged files have been "
                        "kept as %s.damaged and %s.damaged. %s",
                        dta.c_str(), cut.nLeft, dta.c_str(), dtx.c_str(), cut.pszTail);
        EXPECT_EQ(expected, messages[0]);
        EXPECT_EQ(whole.substr(0, cut.nSize), FileBytes(dta + ".damaged"));
        EXPECT_TRUE(std::filesystem::exists(dtx + ".damaged"));
        // Said once: the next open finds the table whole.
        messages.clear();
        CTinyFile again;
        Open(again);
        EXPECT_EQ(cut.nLeft + 1, again.GetRecordCount());
        EXPECT_TRUE(messages.empty());
    }
    // Cut again, the first copies stay as they were and the second go by the next name.
    const std::string firstCopy = FileBytes(dta + ".damaged");
    const std::string cutAgain = FileBytes(dta).substr(0, 64);
    std::filesystem::resize_file(dta, 64);
    messages.clear();
    {
        CTinyFile f;
        Open(f);
        EXPECT_EQ(0u, f.GetRecordCount());
    }
    ASSERT_GE(messages.size(), 1u);
    CString expected;
    expected.Format("%s has been cut short: it held 21 records and now holds 0. The damaged files have been kept "
                    "as %s.damaged-2 and %s.damaged-2. The database starts afresh.",
                    dta.c_str(), dta.c_str(), dtx.c_str());
    EXPECT_EQ(expected, messages[0]);
    EXPECT_EQ(firstCopy, FileBytes(dta + ".damaged"));
    EXPECT_EQ(cutAgain, FileBytes(dta + ".damaged-2"));
}

// Random damage to either file, or a cut: the table opens or says why, and whatever it reads
// is a whole record under its own key.
TEST_F(IndexedFileTest, RandomDamageToEitherFileNeverMixesRecords)
{
    Fill(150);
    const std::string goodData = FileBytes(dta), goodIndex = FileBytes(dtx);
    std::mt19937 rng(8);
    for (int trial = 0; trial < 100; ++trial)
    {
        std::string data = goodData, index = goodIndex;
        std::string& target = trial % 2 ? index : data;
        for (int i = 0; i <= trial % 4; ++i)
            target[rng() % target.size()] = static_cast<char>(rng());
        if (trial % 5 == 0)
            target.resize(rng() % target.size());
        for (const auto& [path, bytes] : {std::pair{dta, data}, std::pair{dtx, index}})
            std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        std::filesystem::remove(dta + ".damaged");
        std::filesystem::remove(dtx + ".damaged");
        CTinyFile f;
        f.SetMessageHook([](const CString&) {});
        if (!f.Open(dta.c_str(), dtx.c_str()))
        {
            ASSERT_FALSE(f.GetErrorText().IsEmpty());
            continue;
        }
        f.SelectIndex("Name");
        f.First();
        std::vector<std::pair<DWORD, CString>> seen;
        while (f.Next(1) == 0)
            seen.emplace_back(f.m_nId, f.m_strName);
        for (const auto& [id, name] : seen)
        {
            ASSERT_EQ(0, FindId(f, id)) << "trial " << trial;
            ASSERT_EQ(name, f.m_strName) << "trial " << trial;
        }
        ExpectSound(f);
    }
}

TEST_F(IndexedFileTest, FilesOfAnotherKindAreRefusedAndLeftAsTheyAre)
{
    std::ofstream(dta, std::ios::binary) << "This is a letter, not a table of records.";
    auto size = std::filesystem::file_size(dta);
    CTinyFile f;
    EXPECT_FALSE(f.Open(dta.c_str(), dtx.c_str()));
    EXPECT_NE(-1, f.GetErrorText().Find("not a record file"));
    EXPECT_EQ(size, std::filesystem::file_size(dta));
    EXPECT_EQ(-1, f.Next(1));
    EXPECT_EQ(-1, f.Add());

    // A record file with records of another length.
    std::filesystem::remove(dta);
    {
        CRecordFile other(20);
        BOOL bTorn;
        CString err;
        ASSERT_TRUE(other.Open(dta.c_str(), bTorn, err));
    }
    EXPECT_FALSE(f.Open(dta.c_str(), dtx.c_str()));
    EXPECT_NE(-1, f.GetErrorText().Find("20 bytes"));

    // A pipe or a folder in place of either file: refused at once, never waited on.
    std::filesystem::remove(dta);
    ASSERT_EQ(0, ::mkfifo(dta.c_str(), 0600));
    EXPECT_FALSE(f.Open(dta.c_str(), dtx.c_str()));
    EXPECT_NE(-1, f.GetErrorText().Find("is not a file that can hold records"));
    std::filesystem::remove(dta);
    std::filesystem::create_directory(dtx);
    EXPECT_FALSE(f.Open(dta.c_str(), dtx.c_str()));
    EXPECT_NE(-1, f.GetErrorText().Find(dtx.c_str())) << f.GetErrorText().GetString();
    ASSERT_EQ(0, ::mkfifo(dir.File("P.DTX").c_str(), 0600));
    EXPECT_FALSE(f.Open(dta.c_str(), dir.File("P.DTX").c_str()));
    EXPECT_NE(-1, f.GetErrorText().Find("is not a file that can hold an index"));
}

TEST_F(IndexedFileTest, RandomChangesKeepTheTreesInStepWithAModel)
{
    CTinyFile f;
    Open(f);
    std::mt19937 rng(8);
    std::map<DWORD, CString> model;
    DWORD nNextId = 1;
    for (int op = 0; op < 20000; ++op)
    {
        int what = static_cast<int>(rng() % 10);
        if (what < 5 || model.empty())
        {
            f.m_nId = nNextId++;
            f.m_strName.Format("K%u", static_cast<unsigned>(rng() % 500));
            ASSERT_EQ(0, f.Add());
            model[f.m_nId] = f.m_strName;
            continue;
        }
        auto it = model.lower_bound(static_cast<DWORD>(rng() % nNextId));
        if (it == model.end())
            it = model.begin();
        ASSERT_EQ(0, FindId(f, it->first));
        ASSERT_EQ(it->second, f.m_strName);
        if (what < 8)
        {
            ASSERT_EQ(0, f.Delete());
            model.erase(it);
        }
        else
        {
            f.m_strName.Format("K%u", static_cast<unsigned>(rng() % 500));
            ASSERT_EQ(0, f.Rewrite());
            it->second = f.m_strName;
        }
    }
    ExpectSound(f);
    f.Close();
    Open(f);
    EXPECT_TRUE(f.GetRebuildReason().IsEmpty());
    std::vector<DWORD> byId;
    std::vector<std::pair<std::string, DWORD>> byName;
    for (const auto& [id, name] : model)
    {
        byId.push_back(id);
        byName.emplace_back(name.str(), id);
    }
    EXPECT_EQ(byId, WalkIds(f, "Id"));
    std::sort(byName.begin(), byName.end());
    std::vector<DWORD> nameOrder;
    for (const auto& entry : byName)
        nameOrder.push_back(entry.second);
    EXPECT_EQ(nameOrder, WalkIds(f, "Name"));
}

// Two programs on one table; the folder goes for a moment (a plain file in its place), while
// both hold their files open. The first writes on; the second, whose indexes the files must
// give again, closes its table: nothing is looked up, added or changed on indexes that are not
// the files', whatever is asked of it, even once the folder is back. Opened again, it has every
// record once.
TEST_F(IndexedFileTest, IndexesThatCannotBeTakenFromTheFilesAgainCloseTheTable)
{
    const std::filesystem::path folder = dir.path() / "shared", aside = dir.path() / "shared.aside";
    std::filesystem::create_directory(folder);
    const std::string sharedDta = (folder / "T.DTA").string(), sharedDtx = (folder / "T.DTX").string();
    CTinyFile first, second;
    for (CTinyFile* f : {&first, &second})
    {
        f->SetMessageHook([this](const CString& s) { messages.push_back(s); });
        ASSERT_TRUE(f->Open(sharedDta.c_str(), sharedDtx.c_str()));
    }
    AddRange(first, 1, 300);
    ASSERT_EQ(0, FindId(second, 7));

    std::filesystem::rename(folder, aside);
    std::ofstream(folder) << "not a folder";
    AddRange(first, 301, 310);
    EXPECT_EQ(-1, FindId(second, 305));
    EXPECT_FALSE(second.IsOpen());
    EXPECT_NE(-1, second.GetErrorText().Find("T.DTX")) << second.GetErrorText().GetString();
    std::filesystem::remove(folder);
    std::filesystem::rename(aside, folder);

    second.m_nId = 7;
    second.m_strName = "AGAIN";
    CString why;
    EXPECT_EQ((std::vector<long long>{-1, -1, -1, -1, -1, -1, -1, -1, -1}),
              (std::vector<long long>{FindId(second, 7), second.Add(), second.Rewrite(), second.Delete(),
                                      second.Next(1), second.ReadCurrent(), second.Last(),
                                      second.RebuildIndexes() ? 0 : -1, second.VerifyIndexes(why) ? 0 : -1}));
    EXPECT_TRUE(WalkIds(second, "Id").empty());
    EXPECT_EQ(310u, first.GetRecordCount());

    ASSERT_TRUE(second.Open(sharedDta.c_str(), sharedDtx.c_str()));
    std::vector<DWORD> all(310);
    for (DWORD n = 1; n <= 310; ++n)
        all[n - 1] = n;
    EXPECT_EQ(all, WalkIds(second, "Id"));
    ASSERT_EQ(0, FindId(second, 305));
    EXPECT_EQ(NameOf(305), second.m_strName);
    second.m_nId = 7;
    EXPECT_EQ(-1, second.Add());
    AddRange(second, 311, 311);
    EXPECT_EQ(0, FindId(first, 311));
    ExpectSound(first);
    ExpectSound(second);
    EXPECT_TRUE(messages.empty()) << messages[0].GetString();
}

// A program that did not see another's record wrote a second record under its id: the slot of
// id 4 holds id 2, whole. The table is mended when its indexes are built from the data file,
// whether its index holds the one record or both: the record nearer the start of the file keeps
// the id, the other takes one of its own above every id, both with their names, and it is said.
// Opened again, it stays mended.
TEST_F(IndexedFileTest, TwoRecordsUnderOneUniqueKeyAreMendedWithBothKept)
{
    const long long nSlot3 = 64 + 3 * 21;
    for (const bool bIndexHoldsBoth : {false, true})
    {
        SCOPED_TRACE(bIndexHoldsBoth ? "index holding both" : "index holding one");
        std::filesystem::remove(dta);
        std::filesystem::remove(dtx);
        messages.clear();
        Fill(5);
        std::string bytes = FileBytes(dta);
        BYTE slot[21];
        std::memcpy(slot, bytes.data() + nSlot3, sizeof slot);
        PutLE32(slot + 5, 2);
        PutLE32(slot + 1, CRecordFile::Crc32(slot + 5, 16));
        Poke(dta, nSlot3, reinterpret_cast<const char*>(slot), sizeof slot);
        if (bIndexHoldsBoth)
        {
            // As a program that let the second record into the index would have left it: clean,
            // and matching the data file entry for entry.
            CIndexTreeFile::CStamp stamp;
            ASSERT_TRUE(CIndexTreeFile::ReadStamp(dtx.c_str(), stamp));
            CIndexTreeFile index;
            CString why, error;
            ASSERT_EQ(1, index.Open(dtx.c_str(), {{"Id", TRUE}, {"Name", FALSE}}, stamp, why, error));
            bytes = FileBytes(dta);
            std::vector<std::string> ids, names;
            for (DWORD n = 0; n < 5; ++n)
            {
                const BYTE* p = reinterpret_cast<const BYTE*>(bytes.data()) + 64 + n * 21 + 5;
                std::string id, name(reinterpret_cast<const char*>(p + 4), strnlen(reinterpret_cast<const char*>(p + 4), 12));
                AppendBE32(id, GetLE32(p));
                AppendBE32(id, n);
                name += '\0';
                name += id;
                ids.push_back(id);
                names.push_back(name);
            }
            std::sort(ids.begin(), ids.end());
            std::sort(names.begin(), names.end());
            index.BulkLoad(0, ids);
            index.BulkLoad(1, names);
            ASSERT_TRUE(index.Flush(stamp, TRUE));
        }
        for (int nOpen = 0; nOpen < 2; ++nOpen)
        {
            CTinyFile f;
            Open(f);
            EXPECT_EQ((std::vector<DWORD>{1, 2, 3, 5, 6}), WalkIds(f, "Id"));
            std::vector<CString> byName;
            for (DWORD n : {1u, 2u, 3u, 5u, 6u})
            {
                ASSERT_EQ(0, FindId(f, n));
                byName.push_back(f.m_strName);
            }
            EXPECT_EQ((std::vector<CString>{NameOf(1), NameOf(2), NameOf(3), NameOf(5), NameOf(4)}), byName);
            EXPECT_EQ(5u, WalkIds(f, "Name").size());
            f.m_nId = 2;
            f.m_strName = "AGAIN";
            EXPECT_EQ(-1, f.Add());
            ExpectSound(f);
        }
        const CString said = NameOf(2) + " kept 2; " + NameOf(4) + " now has 6";
        EXPECT_EQ(1, std::count(messages.begin(), messages.end(), said));
        EXPECT_EQ(2u, messages.size());  // and the index rebuilt, once
    }
}
