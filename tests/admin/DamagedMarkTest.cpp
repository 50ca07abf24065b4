// Monday, not kept in the player database for a while, types Alan's address, work phone and
// membership expiry date, and Julie's home phone. Thursday's program, sharing Alan's record, then
// types his mobile and home phone. Monday's file with the mark of which details wait in Alan's entry
// (of a version-78 or a version-80 file) or of which details his copy typed (version 80) set to
// every value of each of its bytes: opened and kept in the database again, and Alan's user data
// typed through Player > Edit, nothing Thursday typed is written over, nothing Monday typed goes
// without a word, no value Monday never typed waits for the record, Alan stays one record, and
// what is named because of the damage is called so, never another league's doing.
#include "AdminChecks.h"
#include "DatabaseLeagues.h"
#include "Version78File.h"
#include "framework/core/Archive.h"
#include "league/Player.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/CommandIds.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Texts = std::vector<std::string>;
using Bytes = std::vector<BYTE>;

constexpr DWORD Bit(int n)
{
    return 1u << n;
}

constexpr DWORD kExpiry = Bit(SD_EXPIRY_DAY) | Bit(SD_EXPIRY_MONTH) | Bit(SD_EXPIRY_YEAR);
// What Monday typed of each: Alan's address, work phone and expiry date; Julie's home phone.
constexpr DWORD kAlanTyped = Bit(SD_ADDRESS_1) | Bit(SD_PHONE_WORK) | kExpiry;
constexpr DWORD kJulieTyped = Bit(SD_PHONE_HOME);

// A detail as the notices write its value: a text quoted, a date d/m/y.
std::string Value(const CSharedDetails& d, DWORD dwDetail)
{
    auto quoted = [](const CString& s) { return "\"" + std::string(s.GetString()) + "\""; };
    switch (dwDetail) {
    case Bit(SD_ADDRESS_1): return quoted(d.m_strAddress[0]);
    case Bit(SD_PHONE_HOME): return quoted(d.m_strPhoneHome);
    case Bit(SD_PHONE_WORK): return quoted(d.m_strPhoneWork);
    case Bit(SD_PHONE_MOBILE): return quoted(d.m_strPhoneMobile);
    case Bit(SD_USER_DATA_1): return quoted(d.m_strUserData1);
    default: break;
    }
    return std::to_string(d.m_nExpiryDay) + "/" + std::to_string(d.m_nExpiryMonth) + "/" +
           std::to_string(d.m_nExpiryYear);
}

// One value a league typed, and how a notice names the detail.
struct Typed
{
    const char* pszSurname;
    DWORD dwDetail;
    const char* pszDetail;  // "Alan Ackroyd's address line 1"
    const char* pszValue;   // as Value() writes it
};
const Typed kMondays[] = {
    {"Ackroyd", Bit(SD_ADDRESS_1), "Alan Ackroyd's address line 1", "\"14 Mill Lane\""},
    {"Ackroyd", Bit(SD_PHONE_WORK), "Alan Ackroyd's work phone", "\"0113 4960555\""},
    {"Ackroyd", kExpiry, "Alan Ackroyd's membership expiry date", "15/6/2025"},
    {"Jowett", Bit(SD_PHONE_HOME), "Julie Jowett's home phone", "\"0113 4962222\""},
};
const Typed kThursdays[] = {
    {"Ackroyd", Bit(SD_PHONE_MOBILE), "Alan Ackroyd's mobile phone", "\"07700 555555\""},
    {"Ackroyd", Bit(SD_PHONE_HOME), "Alan Ackroyd's home phone", "\"0113 4960009\""},
};

constexpr const char* kAnotherLeague = "since another league changed the same details meanwhile";
constexpr const char* kDamaged = "the league file's entry of them was damaged";
// The opening words of the sentences naming what it waits on, and what it does not show typed.
constexpr const char* kWaitsOn = "These changes were not written to the player database, since the league file's "
                                 "entry of them was damaged and what the record held";
constexpr const char* kUnproven = "These details were not written to the player database, since the league file's "
                                  "entry of them was damaged and does not show that the league typed them";

// Where Monday's file keeps the mark damaged.
enum class Mark
{
    Waiting78,  // the details waiting in Alan's entry, version 78
    Waiting80,  // the same, version 80
    Typed80     // the details his copy typed, version 80
};

struct DamagedMarks : DatabaseLeagues
{
    const std::string kData = std::string("home/") + CPlayb003File::kDataName;
    const std::string kIndex = std::string("home/") + CPlayb003File::kIndexName;
    Mark mark = Mark::Typed80;
    Bytes v80, v78;
    Bytes dta, dtx;  // the database as Thursday left it
    DWORD dwAlan = 0;
    WORD nAlan = 0;
    ULONGLONG qwHome = 0;  // the database's identity
    int nRecords = 0;
    int nOpened = 0, nRefused = 0, nDamageTold = 0, nUnproven = 0;

    void SetUp() override
    {
        DatabaseLeagues::SetUp();
        UseDatabase("home");
        Leagues();
    }
    void Add(CBowlingDoc& doc, const char* pszFirst, const char* pszSurname, const char* pszStatus,
             const char* pszAddress, const char* pszPhone)
    {
        ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
        ui.OnDialog(IDD_NEW_PLAYER)
            .SetText(IDC_PD_FORENAME_NEW, pszFirst).SetText(IDC_PD_SURNAME, pszSurname)
            .SelectString(IDC_PD_STATUS, pszStatus)
            .SetText(IDC_PD_ADDRESS[0], pszAddress).SetText(IDC_PD_PHONE_HOME, pszPhone)
            .SelectString(IDC_PD_TEAM, "Team_01")
            .OK();
        Run(doc, ID_PLAYER_ADD);
    }
    // Player > Edit on a bowler: these boxes typed, the expiry month chosen (0 none), and OK.
    void Edit(CBowlingDoc& doc, const char* pszListed, std::initializer_list<std::pair<UINT, const char*>> typed,
              int nExpiryMonth = 0)
    {
        ui.OnDialog(IDD_SELECT_PLAYER).SelectString(IDC_SP_LIST, pszListed).OK();
        auto& dialog = ui.OnDialog(IDD_EDIT_PLAYER);
        for (const auto& [nID, pszText] : typed)
            dialog.SetText(nID, pszText);
        if (nExpiryMonth != 0)
            dialog.Select(IDC_PD_EXPIRY_MONTH, nExpiryMonth - 1);
        dialog.OK();
        Run(doc, ID_PLAYER_EDIT);
    }
    // The records as a third program reads them, by surname; how many there are.
    std::map<std::string, CSharedDetails> Records(int* pCount = nullptr)
    {
        CPlayerDatabase d;
        EXPECT_TRUE(d.Open(dir.File("home").c_str()));
        CPlayb003File& t = d.GetTable();
        std::map<std::string, CSharedDetails> records;
        EXPECT_EQ(t.SelectIndex("Key"), 0);
        int nCount = 0;
        for (t.First(); t.Next(1) == 0; ++nCount)
            records[t.m_strSurname.GetString()] = t;
        if (pCount)
            *pCount = nCount;
        return records;
    }
    // Monday adds Alan and Julie, Thursday takes Alan's record; Monday, out of the database, types
    // its changes and is saved; Thursday's program then types Alan's mobile and home phone.
    void Leagues()
    {
        auto mon = MakeDatabaseLeague(ui);
        Add(*mon, "Alan", "Ackroyd", "Male", "12 Mill Lane", "0113 4960002");
        Add(*mon, "Julie", "Jowett", "Female", "3 Elm Road", "0113 4961111");
        auto thu = MakeDatabaseLeague(ui);
        ui.OnDialog(IDD_CHECK_PLAYER_DB).SetText(IDC_DB_SURNAME, "Ackroyd").Select(IDC_DB_LIST, 0).OK();
        ui.OnDialog(IDD_NEW_PLAYER).OK();
        Run(*thu, ID_PLAYER_ADD);
        dwAlan = Bowler(*mon, "Ackroyd")->m_dwDbKey;
        nAlan = Bowler(*mon, "Ackroyd")->m_nPlayerNo;
        qwHome = Bowler(*mon, "Ackroyd")->m_dbInStep.m_qwDatabase;
        ASSERT_EQ(Bowler(*thu, "Ackroyd")->m_dwDbKey, dwAlan);
        EXPECT_TRUE(thu->OnSaveDocument(dir.File("Thursday.lgf").c_str()));
        thu.reset();

        ClickDatabaseBox(*mon);
        ASSERT_FALSE(mon->m_bPlayerDatabase);
        Edit(*mon, "Ackroyd Alan",
             {{IDC_PD_ADDRESS[0], "14 Mill Lane"}, {IDC_PD_PHONE_WORK, "0113 4960555"}, {IDC_PD_EXPIRY_DAY, "15"},
              {IDC_PD_EXPIRY_YEAR, "2025"}},
             6);
        Edit(*mon, "Jowett Julie", {{IDC_PD_PHONE_HOME, "0113 4962222"}});
        ASSERT_NE(Bowler(*mon, "Ackroyd")->m_pDbPending, nullptr);
        ASSERT_EQ(Bowler(*mon, "Ackroyd")->m_pDbPending->m_dwDetails, kAlanTyped);
        ASSERT_EQ(Bowler(*mon, "Jowett")->m_pDbPending->m_dwDetails, kJulieTyped);
        mon->SaveToBytes(v80);
        ASSERT_EQ(v80[0], LEAGUE_FILE_VERSION_IN_STEP);
        V78(*mon);

        // Thursday's own program, after Monday's typing.
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            auto doc = std::make_unique<CBowlingDoc>();
            EXPECT_TRUE(doc->OnOpenDocument(dir.File("Thursday.lgf").c_str()));
            Edit(*doc, "Ackroyd Alan", {{IDC_PD_PHONE_MOBILE, "07700 555555"}, {IDC_PD_PHONE_HOME, "0113 4960009"}});
            _exit(::testing::Test::HasFailure() ? 1 : 0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

        dta = FileBytes(kData);
        dtx = FileBytes(kIndex);
        const auto records = Records(&nRecords);
        ASSERT_EQ(nRecords, 2);
        for (const Typed& c : kThursdays)
            ASSERT_EQ(Value(records.at(c.pszSurname), c.dwDetail), c.pszValue);
    }
    // Monday's file as version 78 wrote it: the league as version 77 holds it, then the entries of
    // the details waiting, without their times.
    void V78(CBowlingDoc& mon) { SaveAsVersion78(mon, v78); }
    // The file, and where its mark lies: after Alan's number in his entry of the details waiting, or
    // after his number, the database and the record's time in his entry of what his copy knew.
    std::pair<Bytes, size_t> Marked()
    {
        const Bytes& bytes = mark == Mark::Waiting78 ? v78 : v80;
        if (mark != Mark::Typed80)
            return {bytes, Find(bytes, {{nAlan, 2}, {kAlanTyped, 4}}) + 2};
        return {bytes, Find(bytes, {{nAlan, 2}, {qwHome, 8}}) + 18};
    }

    // Monday's file opened by a program started on the database as Thursday left it, and kept in the
    // database again; null when it is refused. What was said, into said.
    std::unique_ptr<CBowlingDoc> OpenKept(const Bytes& bytes, std::string& said)
    {
        WriteFile(kData, dta);
        WriteFile(kIndex, dtx);
        WriteFile("Monday.lgf", bytes);
        ui.ClearMessages();
        auto mon = std::make_unique<CBowlingDoc>();
        if (!mon->OnOpenDocument(dir.File("Monday.lgf").c_str()))
            return nullptr;
        EXPECT_FALSE(mon->m_bPlayerDatabase);
        ClickDatabaseBox(*mon);
        said = Said();
        return mon;
    }
    // The file with one byte of the mark made another value.
    Bytes Damaged(size_t nByte, BYTE value)
    {
        auto [bytes, nMark] = Marked();
        bytes[nMark + nByte] = value;
        return bytes;
    }
    // Opened, kept in the database again, then Alan's user data typed: checked at each step.
    void Open(const Bytes& bytes, bool bWhole)
    {
        std::string said;
        auto mon = OpenKept(bytes, said);
        if (!mon) {
            ++nRefused;
            EXPECT_FALSE(bWhole);
            return;
        }
        ++nOpened;
        CPlayer* alan = Bowler(*mon, "Ackroyd");
        CPlayer* julie = Bowler(*mon, "Jowett");
        ASSERT_TRUE(alan && julie);
        // Nothing waits for the record that Monday never typed.
        const DWORD dwAlanWaits = alan->m_pDbPending ? alan->m_pDbPending->m_dwDetails : 0;
        const DWORD dwJulieWaits = julie->m_pDbPending ? julie->m_pDbPending->m_dwDetails : 0;
        EXPECT_EQ(dwAlanWaits & ~kAlanTyped, 0u) << std::hex << dwAlanWaits;
        EXPECT_EQ(dwJulieWaits & ~kJulieTyped, 0u) << std::hex << dwJulieWaits;
        Check(*mon, said, bWhole);
        // His user data typed, and only that: OK writes nothing else over Thursday's.
        Edit(*mon, "Ackroyd Alan", {{IDC_PD_USER1, "Left-handed"}});
        said += Said();
        Check(*mon, said, bWhole);
        EXPECT_EQ(Value(Records().at("Ackroyd"), Bit(SD_USER_DATA_1)), "\"Left-handed\"") << said;
        nDamageTold += said.find(kDamaged) != std::string::npos ? 1 : 0;
        nUnproven += said.find(kUnproven) != std::string::npos ? 1 : 0;
    }
    std::string Said()
    {
        std::string said;
        for (const std::string& s : ui.MessageTexts())
            said += s + "\n";
        ui.ClearMessages();
        return said;
    }
    // Thursday's values stand in the records and Monday shows them; every value Monday typed reached
    // its record or was named, and in a file that marks what its copies typed, named as damaged:
    // still Monday's and waiting, or the record's now. Nobody was made a second record.
    void Check(CBowlingDoc& mon, const std::string& said, bool bWhole)
    {
        int nCount = 0;
        const auto records = Records(&nCount);
        EXPECT_EQ(nCount, nRecords) << said;
        EXPECT_EQ(Bowler(mon, "Ackroyd")->m_dwDbKey, dwAlan);
        for (const Typed& c : kThursdays) {
            EXPECT_EQ(Value(records.at(c.pszSurname), c.dwDetail), c.pszValue) << c.pszDetail << "\n" << said;
            EXPECT_EQ(Value(*Bowler(mon, c.pszSurname), c.dwDetail), c.pszValue) << c.pszDetail << "\n" << said;
        }
        const std::string waiting = Sentence(said, kWaitsOn), unproven = Sentence(said, kUnproven);
        for (const Typed& c : kMondays) {
            if (Value(records.at(c.pszSurname), c.dwDetail) == c.pszValue)
                continue;
            EXPECT_FALSE(bWhole) << c.pszDetail << "\n" << said;
            const std::string named = std::string(c.pszDetail) + " " + c.pszValue;
            const CPlayer* p = Bowler(mon, c.pszSurname);
            if (mark == Mark::Waiting78) {
                EXPECT_NE(said.find(named), std::string::npos) << named << " neither written nor named\n" << said;
            } else if (waiting.find(named) != std::string::npos) {
                EXPECT_EQ(Value(*p, c.dwDetail), c.pszValue) << said;
                EXPECT_TRUE(p->m_pDbPending && (p->m_pDbPending->m_dwDetails & c.dwDetail) == c.dwDetail) << said;
            } else {
                EXPECT_NE(unproven.find(named), std::string::npos) << named << " not named as damaged\n" << said;
                EXPECT_EQ(Value(*p, c.dwDetail), Value(records.at(c.pszSurname), c.dwDetail)) << said;
            }
        }
        EXPECT_EQ(said.find(kAnotherLeague), std::string::npos) << said;
        // A file of an earlier version, not knowing what its copies typed, names at its first
        // meeting the values of Thursday's its copy of Alan holds otherwise.
        if (bWhole) {
            EXPECT_EQ(said, mark != Mark::Waiting78
                                ? ""
                                : "Where the league's details differed from the record's, the record keeps its own, "
                                  "which other leagues share: Alan Ackroyd's home phone \"0113 4960002\" (the record "
                                  "keeps \"0113 4960009\"). Save the league to keep its bowlers' details as they now "
                                  "stand.\n");
        }
    }
    // The sentence of the notice that opens with these words, empty when none does.
    static std::string Sentence(const std::string& said, const char* pszOpening)
    {
        const size_t nAt = said.find(pszOpening);
        return nAt == std::string::npos ? std::string() : said.substr(nAt, said.find(").", nAt) + 2 - nAt);
    }

    void EveryValueOfTheMark()
    {
        auto [bytes, nMark] = Marked();
        Open(bytes, true);
        if (HasFatalFailure())
            return;
        for (size_t n = nMark; n < nMark + 4; ++n)
            for (int b = 0; b < 256; ++b) {
                if (b == bytes[n])
                    continue;
                Bytes damaged = bytes;
                damaged[n] = static_cast<BYTE>(b);
                SCOPED_TRACE(testing::Message() << "byte " << n - nMark << " of the mark made " << b);
                Open(damaged, false);
                if (HasFailure())
                    return;
            }
    }
};

struct DamagedMark : DamagedMarks, ::testing::WithParamInterface<Mark>
{
    void SetUp() override
    {
        mark = GetParam();
        DamagedMarks::SetUp();
    }
};

} // namespace

TEST_P(DamagedMark, NothingTypedIsWrittenOverNorLostAndNothingUntypedWaits)
{
    EveryValueOfTheMark();
    EXPECT_GT(nOpened, 1);
    EXPECT_GT(nDamageTold, 0);
    if (mark != Mark::Waiting78) {
        EXPECT_GT(nUnproven, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Marks, DamagedMark, ::testing::Values(Mark::Waiting78, Mark::Waiting80, Mark::Typed80),
                         [](const ::testing::TestParamInfo<Mark>& info) {
                             switch (info.param) {
                             case Mark::Waiting78: return std::string("Waiting78");
                             case Mark::Waiting80: return std::string("Waiting80");
                             case Mark::Typed80: break;
                             }
                             return std::string("Typed80");
                         });

// The mark of what Alan's copy typed damaged so that it names his mobile, not his work phone: his
// entry, whole (the record still holds the work phone it says it held), shows the marks damaged.
// Monday writes what it typed, and names the mobile it never typed, which Alan now shows as his
// record holds it; OK on his details, his user data typed, writes nothing over Thursday's mobile.
TEST_F(DamagedMarks, AValueHisCopyNeverTypedIsNamedNeverWrittenAndHeShowsTheRecords)
{
    mark = Mark::Typed80;
    std::string said;
    auto mon = OpenKept(Damaged(1, 0x72), said);
    ASSERT_NE(mon, nullptr);
    EXPECT_EQ(said, "These details were not written to the player database, since the league file's entry of them "
                    "was damaged and does not show that the league typed them: the league now holds the record's "
                    "values: Alan Ackroyd's mobile phone blank (the record holds \"07700 555555\").\n");
    const CPlayer& alan = *Bowler(*mon, "Ackroyd");
    EXPECT_EQ(Value(alan, Bit(SD_PHONE_MOBILE)), "\"07700 555555\"");
    EXPECT_EQ(alan.m_pDbPending, nullptr);
    Edit(*mon, "Ackroyd Alan", {{IDC_PD_USER1, "Left-handed"}});
    EXPECT_EQ(Said(), "");
    const CSharedDetails record = Records().at("Ackroyd");
    for (const Typed& c : kMondays) {
        if (std::string(c.pszSurname) == "Ackroyd") {
            EXPECT_EQ(Value(record, c.dwDetail), c.pszValue) << c.pszDetail;
        }
    }
    for (const Typed& c : kThursdays)
        EXPECT_EQ(Value(record, c.dwDetail), c.pszValue) << c.pszDetail;
    EXPECT_EQ(Value(record, Bit(SD_USER_DATA_1)), "\"Left-handed\"");
}

// The same damage in the mark of the details waiting in Alan's entry: the entry names the mobile
// with a value the record does not hold, so it is the entry that was damaged. The mobile is named
// as above; what his copy marks as typed waits in Monday, what the record held then not known, said
// once, and OK on his details writes it, Thursday's mobile and home phone kept.
TEST_F(DamagedMarks, AValueTheEntryAloneNamesIsNamedAndWhatTheMarksDateWaits)
{
    mark = Mark::Waiting80;
    std::string said;
    auto mon = OpenKept(Damaged(1, 0x72), said);
    ASSERT_NE(mon, nullptr);
    EXPECT_EQ(said, std::string(kWaitsOn) +
                        " when they were made cannot be told: they are kept in the league, waiting for it, and OK on "
                        "the bowler's details (Player > Edit a Player's Details) writes them: Alan Ackroyd's address "
                        "line 1 \"14 Mill Lane\" (the record holds \"12 Mill Lane\"); Alan Ackroyd's work phone "
                        "\"0113 4960555\" (the record holds blank) and Alan Ackroyd's membership expiry date "
                        "15/6/2025 (the record holds blank). " +
                        kUnproven +
                        ": the league now holds the record's values: Alan Ackroyd's mobile phone blank (the record "
                        "holds \"07700 555555\").\n");
    const CPlayer& alan = *Bowler(*mon, "Ackroyd");
    EXPECT_EQ(Value(alan, Bit(SD_PHONE_MOBILE)), "\"07700 555555\"");
    ASSERT_NE(alan.m_pDbPending, nullptr);
    EXPECT_EQ(alan.m_pDbPending->m_dwDetails, kAlanTyped);
    Edit(*mon, "Ackroyd Alan", {{IDC_PD_USER1, "Left-handed"}});
    EXPECT_EQ(Said(), "");
    EXPECT_EQ(alan.m_pDbPending, nullptr);
    const CSharedDetails record = Records().at("Ackroyd");
    for (const Typed& c : kMondays) {
        if (std::string(c.pszSurname) == "Ackroyd") {
            EXPECT_EQ(Value(record, c.dwDetail), c.pszValue) << c.pszDetail;
        }
    }
    for (const Typed& c : kThursdays)
        EXPECT_EQ(Value(record, c.dwDetail), c.pszValue) << c.pszDetail;
}

// A version-78 entry whose mark names the expiry day and month of Alan's date but not its year,
// the year he holds not his record's: the date, one detail, is named for the damage and is not
// written, and Monday shows the record's; what the entry shows in step with the record (his
// address and work phone) is written. Nothing is said to be another league's doing.
TEST_F(DamagedMarks, AVersion78EntryNamingPartOfADateNamesTheDateAndWritesTheRest)
{
    mark = Mark::Waiting78;
    std::string said;
    auto mon = OpenKept(Damaged(1, 61), said);
    ASSERT_NE(mon, nullptr);
    EXPECT_EQ(said, std::string(kUnproven) +
                        ": the league now holds the record's values: Alan Ackroyd's membership expiry date 15/6/2025 "
                        "(the record holds blank). Where the league's details differed from the record's, the record "
                        "keeps its own, which other leagues share: Alan Ackroyd's home phone \"0113 4960002\" (the "
                        "record keeps \"0113 4960009\"). Save the league to keep its bowlers' details as they now "
                        "stand.\n");
    const CSharedDetails record = Records().at("Ackroyd");
    EXPECT_EQ(Value(record, Bit(SD_ADDRESS_1)), "\"14 Mill Lane\"");
    EXPECT_EQ(Value(record, Bit(SD_PHONE_WORK)), "\"0113 4960555\"");
    EXPECT_EQ(Value(record, kExpiry), "0/0/0");
    EXPECT_EQ(Value(*Bowler(*mon, "Ackroyd"), kExpiry), "0/0/0");
    EXPECT_EQ(Bowler(*mon, "Ackroyd")->m_pDbPending, nullptr);
}

// The same damaged file opened while Monday is still out of the database: Alan's user data typed
// and the league saved before the record is met. Opened again and kept in the database, the
// league weighs the file as at first: the mobile it never typed is named and not written, what it
// typed (the user data too) reaches the record, and Thursday's values stand.
TEST_F(DamagedMarks, ALeagueSavedBeforeTheDamageIsWeighedWeighsItWhenItMeetsTheRecord)
{
    mark = Mark::Typed80;
    WriteFile(kData, dta);
    WriteFile(kIndex, dtx);
    WriteFile("Monday.lgf", Damaged(1, 0x72));
    {
        auto mon = std::make_unique<CBowlingDoc>();
        ASSERT_TRUE(mon->OnOpenDocument(dir.File("Monday.lgf").c_str()));
        ASSERT_FALSE(mon->m_bPlayerDatabase);
        Edit(*mon, "Ackroyd Alan", {{IDC_PD_USER1, "Left-handed"}});
        ASSERT_TRUE(mon->OnSaveDocument(dir.File("Monday.lgf").c_str()));
    }
    EXPECT_EQ(Said(), "");
    auto mon = std::make_unique<CBowlingDoc>();
    ASSERT_TRUE(mon->OnOpenDocument(dir.File("Monday.lgf").c_str()));
    ClickDatabaseBox(*mon);
    EXPECT_EQ(Said(), std::string(kUnproven) + ": the league now holds the record's values: Alan Ackroyd's mobile "
                                               "phone blank (the record holds \"07700 555555\").\n");
    const CSharedDetails record = Records().at("Ackroyd");
    for (const Typed& c : kMondays) {
        if (std::string(c.pszSurname) == "Ackroyd") {
            EXPECT_EQ(Value(record, c.dwDetail), c.pszValue) << c.pszDetail;
        }
    }
    for (const Typed& c : kThursdays)
        EXPECT_EQ(Value(record, c.dwDetail), c.pszValue) << c.pszDetail;
    EXPECT_EQ(Value(record, Bit(SD_USER_DATA_1)), "\"Left-handed\"");
    EXPECT_EQ(Value(*Bowler(*mon, "Ackroyd"), Bit(SD_PHONE_MOBILE)), "\"07700 555555\"");
}
