// The player table: its record, its four indexes and a large random workout.
#include "playerdb/ByteOrder.h"
#include "playerdb/Playb003File.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <tuple>

namespace
{
struct CBowler
{
    DWORD key;
    std::string first, surname;
};

std::string Upper(std::string s)
{
    CString c(s);
    c.MakeUpper();
    return c.str();
}

class Playb003FileTest : public ::testing::Test
{
protected:
    TempDir dir;
    CPlayb003File db;

    void SetUp() override { ASSERT_TRUE(db.OpenIn((dir.path() / "db").string().c_str())) << db.GetErrorText().GetString(); }

    void Add(DWORD key, const char* pszFirst, const char* pszSurname)
    {
        db.Clear();
        db.m_dwKey = key;
        db.m_strFirstName = pszFirst;
        db.m_strSurname = pszSurname;
        ASSERT_EQ(0, db.Add()) << key;
    }
    // Find along an index from a cleared record: the key found, or -1.
    long long Seek(const char* pszIndex, const char* pszSurname, const char* pszFirst = "", DWORD key = 0)
    {
        db.SelectIndex(pszIndex);
        db.Clear();
        db.m_strSurname = pszSurname;
        db.m_strFirstName = pszFirst;
        db.m_dwKey = key;
        return db.Find() == 0 ? static_cast<long long>(db.m_dwKey) : -1;
    }
    void Reopen()
    {
        db.Close();
        ASSERT_TRUE(db.OpenIn((dir.path() / "db").string().c_str()));
    }
    // "first surname" of each record along an index.
    std::vector<std::string> Walk(const char* pszIndex)
    {
        std::vector<std::string> out;
        db.SelectIndex(pszIndex);
        db.First();
        while (db.Next(1) == 0)
            out.push_back(std::string(db.m_strFirstName) + " " + db.m_strSurname.GetString());
        return out;
    }
};
}  // namespace

TEST_F(Playb003FileTest, EveryFieldRoundTripsAndClearEmptiesThem)
{
    db.Clear();
    db.m_dwKey = 0xCAFE0001;
    db.m_strFirstName = "Ren\xE9";  // Windows-1252 e acute
    db.m_strSurname = "O'Neill-Smythe";
    for (int i = 0; i < 4; ++i)
        db.m_strAddress[i].Format("%d Lane Street, line %d", 10 + i, i + 1);
    db.m_strAddress[4] = "AB1 2CD";
    db.m_strPhoneHome = "01234 567890";
    db.m_strPhoneWork = "020 7946 0000";
    db.m_strPhoneMobile = "07700 900123";
    db.m_wFlags = 0x0103;
    db.m_nBirthDay = 29;
    db.m_nBirthMonth = 2;
    db.m_nBirthYear = 2008;
    db.m_strUserData1 = "left-handed";
    db.m_strUserData2 = "lane 7";
    db.m_strMembershipNo = "M-000123";
    db.m_nMembershipType = 3;
    db.m_nExpiryDay = 31;
    db.m_nExpiryMonth = 12;
    db.m_nExpiryYear = 2026;
    ASSERT_EQ(0, db.Add());

    // Read it back through a fresh opening.
    Reopen();
    db.Clear();
    EXPECT_EQ(std::make_tuple(0u, true, 0),
              std::make_tuple(db.m_dwKey, db.m_strSurname.IsEmpty(), int{db.m_nExpiryYear}));
    ASSERT_EQ(0xCAFE0001, Seek("Key", "", "", 0xCAFE0001));
    EXPECT_EQ((std::vector<CString>{db.m_strFirstName, db.m_strSurname, db.m_strAddress[3], db.m_strAddress[4],
                                    db.m_strPhoneHome, db.m_strPhoneWork, db.m_strPhoneMobile, db.m_strUserData1,
                                    db.m_strUserData2, db.m_strMembershipNo}),
              (std::vector<CString>{"Ren\xE9", "O'Neill-Smythe", "13 Lane Street, line 4", "AB1 2CD", "01234 567890",
                                    "020 7946 0000", "07700 900123", "left-handed", "lane 7", "M-000123"}));
    EXPECT_EQ((std::vector<int>{db.m_wFlags, db.m_nBirthDay, db.m_nBirthMonth, db.m_nBirthYear, db.m_nMembershipType,
                                db.m_nExpiryDay, db.m_nExpiryMonth, db.m_nExpiryYear}),
              (std::vector<int>{0x0103, 29, 2, 2008, 3, 31, 12, 2026}));

    // The stored record: key little-endian at 0, surname at 36, expiry year at 406.
    db.Close();
    std::ifstream in((dir.path() / "db" / "PLAYB003.DTA").string(), std::ios::binary);
    std::vector<BYTE> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(64u + 5 + 448, b.size());
    const BYTE* rec = &b[69];
    EXPECT_EQ(0xCAFE0001u, GetLE32(rec));
    EXPECT_EQ(0, std::memcmp(rec + 36, "O'Neill-Smythe\0", 15));
    EXPECT_EQ(2026, GetLE16(rec + 406));
}

TEST_F(Playb003FileTest, LongTextsAreCutToTheirFields)
{
    db.Clear();
    db.m_dwKey = 1;
    db.m_strSurname = CString('S', 40);
    db.m_strFirstName = "Al";
    db.m_strAddress[4] = "TOO LONG FOR THE FIELD";
    ASSERT_EQ(0, db.Add());
    ASSERT_EQ(1, Seek("Key", "", "", 1));
    EXPECT_EQ((std::vector<CString>{CString('S', 32), "TOO LONG FOR", "Al"}),
              (std::vector<CString>{db.m_strSurname, db.m_strAddress[4], db.m_strFirstName}));
}

TEST_F(Playb003FileTest, EachIndexFindsAndOrdersWithoutRegardToCase)
{
    Add(30, "John", "Smith");
    Add(10, "anne", "smith");
    Add(20, "Zoe", "Smithson");
    Add(40, "Anne", "SMITH");
    Add(5, "Bob", "Jones");
    Add(50, "Carl", "Adams");

    // Equal surnames stand by first name, then key.
    EXPECT_EQ((std::vector<std::string>{"Carl Adams", "Bob Jones", "anne smith", "Anne SMITH", "John Smith",
                                        "Zoe Smithson"}),
              Walk("Sname"));
    EXPECT_EQ(Walk("Sname"), Walk("Names"));
    EXPECT_EQ((std::vector<std::string>{"anne smith", "Anne SMITH", "Bob Jones", "Carl Adams", "John Smith",
                                        "Zoe Smithson"}),
              Walk("Fname"));
    EXPECT_EQ((std::vector<std::string>{"Bob Jones", "anne smith", "Zoe Smithson", "John Smith", "Anne SMITH",
                                        "Carl Adams"}),
              Walk("Key"));

    // The key each search finds (-1: none), then the surname it reads or ReadCurrent reads after a miss.
    const struct {
        const char* pszIndex;
        const char* pszSurname;
        const char* pszFirst;
        DWORD key;
        long long nFound;
        const char* pszRead;
    } cases[] = {
        {"Sname", "Smi", "", 0, 10, nullptr},  // a surname prefix, any case
        {"Sname", "SMITHS", "", 0, 20, nullptr},
        {"Sname", "Kelly", "", 0, -1, "smith"},
        {"Names", "smith", "j", 0, 30, nullptr},  // the whole surname and the start of the first name
        {"Names", "Smit", "John", 0, -1, nullptr},  // the surname must be whole once a first name is given
        {"Names", "Smith", "", 0, 10, nullptr},
        {"Fname", "", "CA", 0, 50, "Adams"},
        {"Key", "", "", 40, 40, "SMITH"},  // exact
        {"Key", "", "", 41, -1, nullptr},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.pszIndex) + " " + c.pszSurname + " " + c.pszFirst);
        EXPECT_EQ(c.nFound, Seek(c.pszIndex, c.pszSurname, c.pszFirst, c.key));
        if (c.nFound < 0 && c.pszRead) {
            ASSERT_EQ(0, db.ReadCurrent());
        }
        if (c.pszRead) {
            EXPECT_EQ(c.pszRead, db.m_strSurname);
        }
    }
    ASSERT_EQ(0, db.ReadCurrent());  // after key 41: the next key
    EXPECT_EQ(50u, db.m_dwKey);

    // The key is unique.
    db.Clear();
    db.m_dwKey = 40;
    db.m_strSurname = "Other";
    EXPECT_EQ(-1, db.Add());
}

TEST_F(Playb003FileTest, ARenamedBowlerMovesInTheNameIndexes)
{
    Add(1, "Mary", "Brown");
    Add(2, "Ian", "Green");
    Add(3, "Sue", "White");
    ASSERT_EQ(1, Seek("Key", "", "", 1));
    db.m_strSurname = "Young";
    ASSERT_EQ(0, db.Rewrite());
    EXPECT_EQ((std::vector<std::string>{"Ian Green", "Sue White", "Mary Young"}), Walk("Sname"));
    EXPECT_EQ((std::vector<std::string>{"Ian Green", "Sue White", "Mary Young"}), Walk("Names"));
    EXPECT_EQ(-1, Seek("Sname", "Brown"));
    EXPECT_EQ(1, Seek("Sname", "Young"));
    EXPECT_EQ("Mary", db.m_strFirstName);
}

TEST_F(Playb003FileTest, NewKeysAreNeverHandedOutTwice)
{
    DWORD a = db.NewKey();
    DWORD b = db.NewKey();
    EXPECT_GE(a, 1u);
    EXPECT_GT(b, a);
    Add(b, "Pat", "Hill");
    // Deleting the highest key does not free it for reuse, even across a reopening.
    ASSERT_EQ(b, Seek("Key", "", "", b));
    ASSERT_EQ(0, db.Delete());
    Reopen();
    EXPECT_GT(db.NewKey(), b);
    // A key put in by hand above the counter is stepped over.
    Add(1000, "Max", "Key");
    EXPECT_EQ(1001u, db.NewKey());
}

// Every database has an identity of its own in its data file's header (offset 36), kept when it
// is opened again; a file of an earlier version, with none, is given one when first opened, which
// the next program to open it reads. A copy of the files carries it.
TEST_F(Playb003FileTest, EachDatabaseHasAnIdentityOfItsOwnKeptInItsHeader)
{
    const std::filesystem::path dta = dir.path() / "db" / CPlayb003File::kDataName;
    auto stored = [](const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        BYTE b[44] = {};
        in.read(reinterpret_cast<char*>(b), sizeof b);
        return GetLE32(b + 36) | static_cast<ULONGLONG>(GetLE32(b + 40)) << 32;
    };
    const ULONGLONG qwMine = db.GetIdentity();
    ASSERT_NE(qwMine, 0u);
    EXPECT_EQ(stored(dta), qwMine);
    Add(1, "Ann", "Lee");
    Reopen();
    EXPECT_EQ(db.GetIdentity(), qwMine);
    CPlayb003File other;
    ASSERT_TRUE(other.OpenIn((dir.path() / "other").string().c_str()));
    EXPECT_NE(other.GetIdentity(), qwMine);
    EXPECT_NE(other.GetIdentity(), 0u);
    other.Close();
    std::filesystem::copy(dir.path() / "db", dir.path() / "copy");
    ASSERT_TRUE(other.OpenIn((dir.path() / "copy").string().c_str()));
    EXPECT_EQ(other.GetIdentity(), qwMine);
    other.Close();

    // As an earlier version left it: no identity.
    db.Close();
    {
        std::fstream f(dta, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(36);
        const char zeros[8] = {};
        f.write(zeros, sizeof zeros);
    }
    ASSERT_EQ(stored(dta), 0u);
    ASSERT_TRUE(db.OpenIn((dir.path() / "db").string().c_str()));
    const ULONGLONG qwGiven = db.GetIdentity();
    EXPECT_NE(qwGiven, 0u);
    EXPECT_EQ(stored(dta), qwGiven);
    ASSERT_TRUE(other.OpenIn((dir.path() / "db").string().c_str()));
    EXPECT_EQ(other.GetIdentity(), qwGiven);
    EXPECT_EQ(Walk("Key"), (std::vector<std::string>{"Ann Lee"}));
}

// A record's typing time is when its details were typed at the latest: rewritten with an earlier
// time (a computer whose clock is behind), it keeps its own.
TEST_F(Playb003FileTest, ARecordsTypingTimeNeverGoesBack)
{
    Add(1, "Ann", "Lee");
    ASSERT_EQ(1, Seek("Key", "", "", 1));
    db.m_nTypedBy = 5000;
    ASSERT_EQ(0, db.Rewrite());
    ASSERT_EQ(1, Seek("Key", "", "", 1));
    db.m_nTypedBy = 4000;
    db.m_strPhoneHome = "0113 4960000";
    ASSERT_EQ(0, db.Rewrite());
    Reopen();
    ASSERT_EQ(1, Seek("Key", "", "", 1));
    EXPECT_EQ(db.m_nTypedBy, 5000);
    EXPECT_EQ(db.m_strPhoneHome, "0113 4960000");
    db.m_nTypedBy = 6000;
    ASSERT_EQ(0, db.Rewrite());
    ASSERT_EQ(1, Seek("Key", "", "", 1));
    EXPECT_EQ(db.m_nTypedBy, 6000);
}

TEST_F(Playb003FileTest, AFolderThatCannotBeMadeIsReported)
{
    std::string blocker = (dir.path() / "file").string();
    std::ofstream(blocker) << "x";
    CPlayb003File other;
    EXPECT_FALSE(other.OpenIn((blocker + "/db").c_str()));
    EXPECT_NE(-1, other.GetErrorText().Find("cannot be made"));
    EXPECT_FALSE(other.OpenIn(""));
}

// 100 000 random bowlers (40 000 in the sanitizer build, to stay quick), changed at
// random, checked against a model after every kind of operation and again after the
// files are closed and reopened.
TEST_F(Playb003FileTest, ALargeDatabaseStaysInStepWithAModel)
{
#ifdef NDEBUG
    const int nBowlers = 100000, nChanges = 60000;
#else
    const int nBowlers = 40000, nChanges = 10000;
#endif
    static const char* surnames[] = {"Smith", "Jones", "Taylor", "Brown", "Williams", "Wilson", "Johnson", "Davies",
                                     "Robinson", "Wright", "Thompson", "Evans", "Walker", "White", "Roberts", "Green",
                                     "Hall", "Wood", "Jackson", "Clarke", "Patel", "Khan", "Lewis", "O'Brien"};
    static const char* firsts[] = {"Oliver", "Amelia", "Jack", "Olivia", "Harry", "Isla", "George", "Ava",
                                   "Noah", "Emily", "Charlie", "Mia", "Jacob", "Sophie", "Alfie", "Grace"};
    std::mt19937 rng(2024);
    auto pick = [&](auto& arr) { return std::string(arr[rng() % (sizeof arr / sizeof arr[0])]); };
    auto randomSurname = [&] {
        std::string s = pick(surnames);
        if (rng() % 3 == 0)
            s += static_cast<char>('a' + rng() % 26);  // near-misses: Smithx, Jonesq
        if (rng() % 7 == 0)
            s = Upper(s);
        return s;
    };

    std::map<DWORD, CBowler> model;
    // The same bowlers in the order of the name indexes.
    using CNameKey = std::tuple<std::string, std::string, DWORD>;
    std::set<CNameKey> ordered;
    auto nameKey = [](const CBowler& b) { return CNameKey(Upper(b.surname), Upper(b.first), b.key); };
    auto put = [&](DWORD key, const std::string& first, const std::string& surname) {
        db.Clear();
        db.m_dwKey = key;
        db.m_strFirstName = first.c_str();
        db.m_strSurname = surname.c_str();
        db.m_strAddress[0].Format("%u High Street", key % 997);
    };
    for (int i = 0; i < nBowlers; ++i)
    {
        DWORD key = db.NewKey();
        CBowler b{key, pick(firsts), randomSurname()};
        put(key, b.first, b.surname);
        ASSERT_EQ(0, db.Add());
        model[key] = b;
        ordered.insert(nameKey(b));
    }
    ASSERT_EQ(static_cast<DWORD>(nBowlers), db.GetRecordCount());

    auto randomKey = [&] {
        auto it = model.lower_bound(1 + static_cast<DWORD>(rng() % (model.rbegin()->first)));
        return it == model.end() ? model.begin()->first : it->first;
    };

    for (int op = 0; op < nChanges; ++op)
    {
        int what = static_cast<int>(rng() % 100);
        if (what < 30)
        {
            DWORD key = db.NewKey();
            CBowler b{key, pick(firsts), randomSurname()};
            put(key, b.first, b.surname);
            ASSERT_EQ(0, db.Add());
            model[key] = b;
            ordered.insert(nameKey(b));
        }
        else if (what < 55)
        {
            DWORD key = randomKey();
            ASSERT_EQ(key, Seek("Key", "", "", key));
            ASSERT_EQ(model[key].surname, db.m_strSurname.str());
            ASSERT_EQ(0, db.Delete());
            ordered.erase(nameKey(model[key]));
            model.erase(key);
        }
        else if (what < 80)
        {
            DWORD key = randomKey();
            db.SelectIndex(rng() % 2 ? "Key" : "Sname");
            CBowler& b = model[key];
            db.Clear();
            db.m_dwKey = key;
            db.m_strSurname = b.surname.c_str();
            if (rng() % 2)
            {
                db.SelectIndex("Key");
                ASSERT_EQ(0, db.Find());
            }
            else
            {
                // By name: walk the equal surnames to the bowler.
                db.SelectIndex("Names");
                db.m_strFirstName = b.first.c_str();
                ASSERT_EQ(0, db.Find());
                while (db.m_dwKey != key)
                    ASSERT_EQ(0, db.Next(1));
            }
            ordered.erase(nameKey(b));
            b.surname = randomSurname();
            b.first = pick(firsts);
            ordered.insert(nameKey(b));
            db.m_strSurname = b.surname.c_str();
            db.m_strFirstName = b.first.c_str();
            ASSERT_EQ(0, db.Rewrite());
        }
        else if (what < 98)
        {
            DWORD key = randomKey();
            ASSERT_EQ(key, Seek("Key", "", "", key));
            ASSERT_EQ(model[key].first, db.m_strFirstName.str());
            ASSERT_EQ(model[key].surname, db.m_strSurname.str());
        }
        else
        {
            // A surname look-up lists exactly the model's bowlers with that prefix, in order.
            std::string prefix = pick(surnames);
            prefix = rng() % 20 == 0 ? prefix.substr(0, 3) : prefix + static_cast<char>('a' + rng() % 26);
            std::string up = Upper(prefix);
            db.SelectIndex("Sname");
            db.Clear();
            db.m_strSurname = prefix.c_str();
            auto it = ordered.lower_bound(CNameKey(up, "", 0));
            if (db.Find() == 0)
            {
                do
                {
                    if (Upper(db.m_strSurname.str()).compare(0, up.size(), up) != 0)
                        break;
                    ASSERT_NE(it, ordered.end());
                    ASSERT_EQ(std::get<2>(*it), db.m_dwKey);
                    ASSERT_EQ(model[db.m_dwKey].surname, db.m_strSurname.str());
                    ++it;
                } while (db.Next(1) == 0);
            }
            ASSERT_TRUE(it == ordered.end() || std::get<0>(*it).compare(0, up.size(), up) != 0) << prefix;
        }
    }
    CString why;
    ASSERT_TRUE(db.VerifyIndexes(why)) << why.GetString();
    ASSERT_EQ(model.size(), db.GetRecordCount());

    Reopen();
    EXPECT_TRUE(db.GetRebuildReason().IsEmpty());
    db.SelectIndex("Key");
    db.First();
    auto it = model.begin();
    while (db.Next(1) == 0)
    {
        ASSERT_NE(it, model.end());
        ASSERT_EQ(it->first, db.m_dwKey);
        ASSERT_EQ(it->second.first, db.m_strFirstName.str());
        ASSERT_EQ(it->second.surname, db.m_strSurname.str());
        ++it;
    }
    EXPECT_EQ(it, model.end());

    // Rebuilt from the data file alone, the indexes come out the same.
    db.Close();
    std::filesystem::remove(dir.path() / "db" / "PLAYB003.DTX");
    ASSERT_TRUE(db.OpenIn((dir.path() / "db").string().c_str()));
    EXPECT_FALSE(db.GetRebuildReason().IsEmpty());
    ASSERT_TRUE(db.VerifyIndexes(why)) << why.GetString();
    std::vector<CNameKey> expected(ordered.begin(), ordered.end());
    db.SelectIndex("Names");
    db.First();
    size_t n = 0;
    while (db.Next(1) == 0)
    {
        ASSERT_LT(n, expected.size());
        ASSERT_EQ(std::get<2>(expected[n]), db.m_dwKey);
        ++n;
    }
    EXPECT_EQ(expected.size(), n);
}

// Owen's record, and a second record under his key written by a program that could not find
// the first: opened, the table keeps the first under his key (what leagues linked to him read)
// and gives the second a new key, with a notice naming him; every detail of both is kept.
TEST_F(Playb003FileTest, ASecondRecordUnderOneKeyIsGivenAKeyOfItsOwn)
{
    ASSERT_EQ(1u, db.NewKey());
    Add(1, "Owen", "Fairweather");
    db.m_strPhoneHome = "0113 4960000";
    ASSERT_EQ(0, db.Rewrite());
    Add(db.NewKey(), "Owen", "Fairweather");
    db.m_strPhoneMobile = "07700 900123";
    ASSERT_EQ(0, db.Rewrite());
    db.Close();
    const std::string dta = (dir.path() / "db" / CPlayb003File::kDataName).string();
    const std::streamoff nSlot1 = 64 + CRecordFile::kSlotOverhead + CPlayb003File::kRecordLength;
    std::string bytes;
    {
        std::ifstream in(dta, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    BYTE* slot = reinterpret_cast<BYTE*>(bytes.data()) + nSlot1;
    PutLE32(slot + CRecordFile::kSlotOverhead, 1);
    PutLE32(slot + 1, CRecordFile::Crc32(slot + CRecordFile::kSlotOverhead, CPlayb003File::kRecordLength));
    std::ofstream(dta, std::ios::binary | std::ios::trunc) << bytes;

    std::vector<CString> said;
    db.SetMessageHook([&said](const CString& s) { said.push_back(s); });
    Reopen();
    ASSERT_FALSE(said.empty());
    EXPECT_EQ("Two records of the player database had the key 1: Owen Fairweather and Owen Fairweather. The "
              "first keeps the key, and the bowlers linked to it stay linked to the first; the second now has "
              "the key 3. Both records' details are kept.",
              said[0]);
    auto details = [this](DWORD key) {
        EXPECT_EQ(static_cast<long long>(key), Seek("Key", "", "", key));
        return std::vector<std::string>{db.m_strFirstName.str(), db.m_strPhoneHome.str(), db.m_strPhoneMobile.str()};
    };
    EXPECT_EQ((std::vector<std::string>{"Owen", "0113 4960000", ""}), details(1));
    EXPECT_EQ((std::vector<std::string>{"Owen", "", "07700 900123"}), details(3));
    EXPECT_EQ((std::vector<std::string>{"Owen Fairweather", "Owen Fairweather"}), Walk("Key"));
    EXPECT_EQ(4u, db.NewKey());
    said.clear();
    Reopen();
    EXPECT_TRUE(said.empty());
}

// A table closed because its index could not be read again hands out no key: a key taken
// without the file's counter may be another program's already.
TEST_F(Playb003FileTest, ATableThatCouldNotReadItsIndexAgainHandsOutNoKey)
{
    CPlayb003File other;
    ASSERT_TRUE(other.OpenIn((dir.path() / "db").string().c_str()));
    Add(db.NewKey(), "Ann", "New");
    const std::filesystem::path folder = dir.path() / "db", aside = dir.path() / "db.aside";
    std::filesystem::rename(folder, aside);
    std::ofstream(folder) << "not a folder";
    EXPECT_EQ(0u, other.NewKey());
    EXPECT_FALSE(other.IsOpen());
    std::filesystem::remove(folder);
    std::filesystem::rename(aside, folder);
    EXPECT_EQ(0u, other.NewKey());
    EXPECT_EQ(2u, db.NewKey());
}
