// Monday's league, kept in the player database, has changes waiting for two bowlers' records,
// typed while the league was not kept there: Julie's address, home phone and membership number,
// and Alan's address. Then Thursday, sharing the records, types Denise's home phone, Alan's mobile
// and Julie's home phone. Monday's file, whole, writes its changes but Julie's phone, which
// Thursday changed after it and which is named. With any one byte of the parts that follow its
// league damaged (the details waiting, the stamps, what the copies were last in step with), in
// each file version that holds them, Monday is refused, or opens writing nothing over Thursday's
// changes, losing none of its own without a word (knowing when it typed them, keeping each it does
// not write waiting), saying nothing of another league's change that Thursday did not make, and
// adding no record.
#include "DatabaseLeagueTest.h"
#include "Version78File.h"
#include "framework/core/Archive.h"
#include "league/Player.h"
#include "league/SampleLeague.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

Bytes ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A text detail by its number.
std::string Text(const CSharedDetails& d, int nDetail)
{
    std::string str;
    ForEachSharedDetail(
        [&](int n, const auto& v) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, CString>)
                if (n == nDetail)
                    str = v.GetString();
        },
        d);
    return str;
}

// One league's change of one bowler's detail, as a notice names it.
struct Change
{
    int nBowler;  // the first non-robot bowler 0, ...
    int nDetail;
    const char* pszDetail;
    const char* pszValue;
};

const char* const kNames[] = {"Julie Jowett", "Denise Hallam", "Alan Ackroyd"};

std::string Named(const Change& c)
{
    return std::string(kNames[c.nBowler]) + "'s " + c.pszDetail;
}

const Change kMondays[] = {{0, SD_ADDRESS_1, "address line 1", "9 New Road"},
                           {0, SD_PHONE_HOME, "home phone", "0113 4962222"},
                           {0, SD_MEMBERSHIP_NO, "membership number", "B2002"},
                           {2, SD_ADDRESS_1, "address line 1", "14 Mill Lane"}};
const Change kThursdays[] = {{1, SD_PHONE_HOME, "home phone", "0113 4963333"},
                             {2, SD_PHONE_MOBILE, "mobile phone", "07700 555555"},
                             {0, SD_PHONE_HOME, "home phone", "0113 4969999"}};

// The sentence naming the changes another league's later ones stood over, and Julie's phone so named.
constexpr const char* kAnotherLeague = "since another league changed the same details meanwhile and the record "
                                       "keeps its own: ";
const std::string kPhoneNotKept = "Julie Jowett's home phone \"0113 4962222\" (the record keeps \"0113 4969999\")";
constexpr const char* kDamaged = "since the league file's entry of them was damaged";

bool Same(const Change& a, const Change& b)
{
    return a.nBowler == b.nBowler && a.nDetail == b.nDetail;
}

struct DatabaseDamage : DatabaseLeagueTest
{
    // Monday's file of each version, and where the parts after its league begin.
    Bytes v80, v79, v78;
    size_t nLeagueEnd = 0;
    // The database as Thursday left it: its files, the bowlers' keys and numbers, how many records.
    Bytes dta, dtx;
    DWORD dwKeys[3] = {};
    WORD nNumbers[3] = {};
    int nRecords = 0;
    // What the damaged files did, over a sweep.
    int nRefused = 0, nOpened = 0, nDamageTold = 0, nWaiting = 0;

    void SetUp() override
    {
        DatabaseLeagueTest::SetUp();
        if (!HasFatalFailure())
            Build();
    }

    static CPlayer* Nth(CBowlingDoc& doc, int n)
    {
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
            if (!p->IsRobot() && n-- == 0)
                return p;
        }
        return nullptr;
    }
    static void Name(CPlayer& p, const char* pszName, WORD wGender, const char* pszAddress, const char* pszPhone)
    {
        const std::string name = pszName;
        p.m_strFirstName = name.substr(0, name.find(' ')).c_str();
        p.m_strSurname = name.substr(name.find(' ') + 1).c_str();
        p.m_wFlags = static_cast<WORD>((p.m_wFlags & ~(PF_MALE | PF_FEMALE)) | wGender);
        p.m_strAddress[0] = pszAddress;
        p.m_strPhoneHome = pszPhone;
        p.m_strPhoneMobile.Empty();
        p.m_strMembershipNo.Empty();
        p.MakeDisplayName(FALSE);
    }
    // A league's changes of one bowler, given to his record when it can take them.
    static void Type(CBowlingDoc& doc, const Change* pFrom, const Change* pTo, int nBowler)
    {
        CPlayer* p = Nth(doc, nBowler);
        CPlayer before;
        before.CopyFrom(*p);
        for (const Change* c = pFrom; c != pTo; ++c)
            if (c->nBowler == nBowler)
                ForEachSharedDetail(
                    [c](int n, auto& v) {
                        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, CString>)
                            if (n == c->nDetail)
                                v = c->pszValue;
                    },
                    static_cast<CSharedDetails&>(*p));
        doc.PutDbaseChanges(before, p);
    }

    void Build()
    {
        Bytes made;
        {
            CBowlingDoc monday;
            BuildSampleLeague(monday, SampleLeagueShape{4, 2, 2, 2, 1});
            monday.m_bPlayerDatabase = 1;
            Name(*Nth(monday, 0), kNames[0], PF_FEMALE, "3 Elm Road", "0113 4961111");
            Nth(monday, 0)->m_strMembershipNo = "A1001";
            Name(*Nth(monday, 1), kNames[1], PF_FEMALE, "4 Old Lane", "0113 4960001");
            Name(*Nth(monday, 2), kNames[2], PF_MALE, "12 Mill Lane", "0113 4960002");
            for (POSITION pos = monday.m_listPlayers.GetHeadPosition(); pos;) {
                auto* p = static_cast<CPlayer*>(monday.m_listPlayers.GetNext(pos));
                if (!p->IsRobot()) {
                    ASSERT_EQ(monday.PutDbasePlayer(p), 0) << p->m_strName.GetString();
                    ++nRecords;
                }
            }
            monday.SaveToBytes(made);
        }
        // Thursday shares every record; Monday, not kept in the database for a while, types its
        // changes.
        CBowlingDoc thursday, monday;
        CString error;
        ASSERT_TRUE(thursday.LoadFromBytes(made, "Thursday.lgf", error)) << error.GetString();
        ASSERT_TRUE(monday.LoadFromBytes(made, "Monday.lgf", error)) << error.GetString();
        monday.m_bPlayerDatabase = 0;
        for (int n : {0, 2})
            Type(monday, std::begin(kMondays), std::end(kMondays), n);
        monday.m_bPlayerDatabase = 1;
        for (int n = 0; n < 3; ++n) {
            dwKeys[n] = Nth(monday, n)->m_dwDbKey;
            nNumbers[n] = Nth(monday, n)->m_nPlayerNo;
        }
        ASSERT_NE(Nth(monday, 0)->m_pDbPending, nullptr);
        ASSERT_NE(Nth(monday, 2)->m_pDbPending, nullptr);
        monday.SaveToBytes(v80);
        ASSERT_EQ(v80[0], LEAGUE_FILE_VERSION_IN_STEP);
        // Version 79: no marks of what the copies were in step with.
        for (POSITION pos = monday.m_listPlayers.GetHeadPosition(); pos;)
            static_cast<CPlayer*>(monday.m_listPlayers.GetNext(pos))->m_dbInStep = CDbInStep();
        monday.SaveToBytes(v79);
        ASSERT_EQ(v79[0], LEAGUE_FILE_VERSION_LINKS);
        // Version 78: the league as version 77 holds it, then the entries without their times.
        SaveAsVersion78(monday, v78, &nLeagueEnd);
        ASSERT_TRUE(std::equal(v78.begin() + 1, v78.begin() + static_cast<long>(nLeagueEnd), v80.begin() + 1));

        // Thursday types its changes after Monday's.
        for (int n : {1, 2, 0})
            Type(thursday, std::begin(kThursdays), std::end(kThursdays), n);
        ASSERT_EQ(Nth(thursday, 0)->m_pDbPending, nullptr);
        dta = ReadAll(dir.path() / "db" / CPlayb003File::kDataName);
        dtx = ReadAll(dir.path() / "db" / CPlayb003File::kIndexName);
    }

    // Monday's file opened by a program started with the database as Thursday left it.
    void Open(const Bytes& bytes, bool bWhole = false)
    {
        WriteAll(dir.path() / "db" / CPlayb003File::kDataName, dta);
        WriteAll(dir.path() / "db" / CPlayb003File::kIndexName, dtx);
        ui.ClearMessages();
        CBowlingDoc monday;
        CString error;
        if (!monday.LoadFromBytes(bytes, "Monday.lgf", error)) {
            ++nRefused;
            ASSERT_FALSE(bWhole) << error.GetString();
            EXPECT_EQ(std::string(error.GetString()).rfind("The league file \"Monday.lgf\" cannot be opened. ", 0), 0u)
                << error.GetString();
            return;
        }
        ++nOpened;
        std::string said;
        for (const std::string& t : ui.MessageTexts())
            said += t + "\n";
        nDamageTold += said.find(kDamaged) != std::string::npos ? 1 : 0;
        CPlayb003File& t = monday.m_pPlayerDb->GetTable();
        auto record = [&t](DWORD dwKey) {
            t.Clear();
            EXPECT_EQ(t.SelectIndex("Key"), 0);
            t.m_dwKey = dwKey;
            EXPECT_EQ(t.Find(), 0) << dwKey;
            return static_cast<CSharedDetails>(t);
        };
        const CSharedDetails records[3] = {record(dwKeys[0]), record(dwKeys[1]), record(dwKeys[2])};
        int nNow = 0;
        for (t.First(); t.Next(1) == 0;)
            ++nNow;
        EXPECT_EQ(nNow, nRecords) << said;
        // A file of an earlier version, not knowing what its copies were in step with, names what
        // differs at its first meeting: Denise's phone.
        const bool bKnowsInStep = bytes[0] >= LEAGUE_FILE_VERSION_IN_STEP;
        bool bWaits = false;

        // Thursday's changes stand, and Monday shows them, but Julie's phone, Monday's change too,
        // which it may hold if it names it.
        for (const Change& c : kThursdays) {
            const CPlayer* mine = monday.FindPlayer(nNumbers[c.nBowler]);
            EXPECT_EQ(Text(records[c.nBowler], c.nDetail), c.pszValue) << Named(c) << "\n" << said;
            if (Text(*mine, c.nDetail) != c.pszValue) {
                EXPECT_EQ(Named(c), Named(kMondays[1])) << said;
                EXPECT_NE(said.find(Named(c) + " \"" + kMondays[1].pszValue + "\""), std::string::npos) << said;
            }
        }
        // Monday's changes written, or named; knowing when its copies typed what, Monday keeps each
        // it does not write waiting. (A file of an earlier version whose entry went to another
        // bowler leaves his copy differing from his record, which keeps its own, named.)
        for (const Change& c : kMondays) {
            if (Same(c, kThursdays[2]) || Text(records[c.nBowler], c.nDetail) == c.pszValue)
                continue;
            const CPlayer* mine = monday.FindPlayer(nNumbers[c.nBowler]);
            EXPECT_NE(said.find(Named(c) + " \"" + c.pszValue + "\""), std::string::npos) << Named(c) << "\n" << said;
            if (bKnowsInStep) {
                EXPECT_EQ(Text(*mine, c.nDetail), c.pszValue) << Named(c) << "\n" << said;
                EXPECT_TRUE(mine->m_pDbPending && (mine->m_pDbPending->m_dwDetails & (1u << c.nDetail)))
                    << Named(c) << "\n" << said;
                bWaits = true;
            }
        }
        nWaiting += bWaits ? 1 : 0;
        // Another league's change is said only of a detail Thursday changed: Julie's phone, which
        // Monday changed too, or (an entry read as another bowler's by a file that cannot tell so)
        // another. A file that can tell says nothing of Denise, nor of Alan's mobile.
        const size_t nAnother = said.find(kAnotherLeague);
        if (nAnother != std::string::npos) {
            const size_t nList = nAnother + std::strlen(kAnotherLeague);
            // The list ends where its last value's bracket closes the sentence.
            const std::string list = said.substr(nList, said.find("\").", nList) + 2 - nList);
            if (bKnowsInStep) {
                EXPECT_EQ(list, kPhoneNotKept) << said;
            }
            for (const Change& c : kMondays) {
                if (!Same(c, kThursdays[2])) {
                    EXPECT_EQ(list.find(Named(c)), std::string::npos) << said;
                }
            }
        }
        if (bKnowsInStep) {
            EXPECT_EQ(said.find(Named(kThursdays[0])), std::string::npos) << said;
            EXPECT_EQ(said.find(Named(kThursdays[1])), std::string::npos) << said;
        }
        if (bWhole) {
            for (const Change& c : kMondays) {
                if (!Same(c, kThursdays[2])) {
                    EXPECT_EQ(Text(records[c.nBowler], c.nDetail), c.pszValue) << Named(c);
                }
            }
            const std::string dropped =
                "These changes were not written to the player database, " + std::string(kAnotherLeague) + kPhoneNotKept;
            EXPECT_EQ(said, dropped + (bKnowsInStep ? ".\n"
                                                    : ". Where the league's details differed from the record's, the "
                                                      "record keeps its own, which other leagues share: Denise "
                                                      "Hallam's home phone \"0113 4960001\" (the record keeps \"0113 "
                                                      "4963333\"). Save the league to keep its bowlers' details as "
                                                      "they now stand.\n"));
        }
    }

    // Every byte from the league's end on damaged one at a time, a few ways each: a bit of either
    // end, every bit, and the byte emptied or filled.
    void EveryByteDamaged(const Bytes& bytes)
    {
        Open(bytes, true);
        if (HasFatalFailure())
            return;
        for (size_t n = nLeagueEnd; n < bytes.size(); ++n)
            for (BYTE b : {BYTE(bytes[n] ^ 0x01), BYTE(bytes[n] ^ 0x80), BYTE(~bytes[n]), BYTE(0), BYTE(0xFF)}) {
                if (b == bytes[n])
                    continue;
                Bytes damaged = bytes;
                damaged[n] = b;
                SCOPED_TRACE(testing::Message() << "byte " << n - nLeagueEnd << " of " << bytes.size() - nLeagueEnd
                                                << " after the league, " << int(bytes[n]) << " made " << int(b));
                Open(damaged);
                if (HasFailure())
                    return;
            }
    }
};

} // namespace

// Knowing when its copies typed each detail, a damaged byte anywhere in the parts leaves a change
// not written waiting (some because the entry was found damaged, so said), and refuses some files.
TEST_F(DatabaseDamage, AVersion80FileDamagedInItsDatabasePartsOverwritesAndDropsNothing)
{
    EveryByteDamaged(v80);
    EXPECT_GT(nRefused, 0);
    EXPECT_GT(nOpened, nRefused);
    EXPECT_GT(nDamageTold, 0);
    EXPECT_GT(nWaiting, 0);
}

TEST_F(DatabaseDamage, AVersion79FileDamagedInItsDatabasePartsOverwritesAndDropsNothing)
{
    EveryByteDamaged(v79);
    EXPECT_GT(nRefused, 0);
    EXPECT_GT(nOpened, 0);
}

TEST_F(DatabaseDamage, AVersion78FileDamagedInItsDatabasePartsOverwritesAndDropsNothing)
{
    EveryByteDamaged(v78);
    EXPECT_GT(nRefused, 0);
    EXPECT_GT(nOpened, 0);
    EXPECT_GT(nDamageTold, 0);
}

// A version-78 entry whose detail mark is damaged so that Julie's surname and first name are read
// from her address's and phone's bytes (her surname "3 Elm Road") never makes her a second record,
// nor names her changes another league's doing.
TEST_F(DatabaseDamage, AVersion78EntryReadOutOfStepNeverMakesTheBowlerASecondRecord)
{
    Bytes damaged = v78;
    // Two entries (2), Julie's number (2), her mark: address line 1 and home phone (bits 2 and 7).
    ASSERT_EQ(damaged[nLeagueEnd + 4], 0x84);
    damaged[nLeagueEnd + 4] = 0x03;  // surname and first name
    Open(damaged);
    EXPECT_EQ(nOpened, 1);
}
