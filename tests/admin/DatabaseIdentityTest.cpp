// A league kept in the player database meets another database, an empty one, or a file whose
// bowler's key was damaged: through File > Open and the Player dialogs, every bowler keeps his own
// details, no record of another person is taken or written, and the secretary is told.
#include "AdminChecks.h"
#include "DatabaseLeagues.h"
#include "TempDir.h"
#include "admin/LeagueDetailsCommands.h"
#include "admin/PlayerSetup.h"
#include "framework/ui/Registry.h"
#include "league/Player.h"
#include "playerdb/BowlingDocDatabase.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/CommandIds.h"
#include "view/BowlingView.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Texts = std::vector<std::string>;

struct CBowlerDetails
{
    const char* pszFirst;
    const char* pszSurname;
    const char* pszStatus;  // as the status box lists it
    const char* pszAddress;
    const char* pszPhone;
    const char* pszWork = "";
    const char* pszMobile = "";
    const char* pszBirthYear = "";
    const char* pszMemberNo = "";
};

const CBowlerDetails kOwen{"Owen", "Fairweather", "Male", "5 Bridge St", "0113 4960000"};
const CBowlerDetails kAnn{"Ann", "Lee", "Female", "2 Mill Lane", "0113 4960001"};
const CBowlerDetails kJane{"Jane", "Smith", "Female", "1 Elm Row", "0161 4960002"};
const CBowlerDetails kBob{"Bob", "Ray", "Male", "3 Dock Rd", "0161 4960003"};

// What Monday's Jane Smith (1 Elm Row, 0161 4960002) meets under her key 1 in another database,
// where no stamp tells: another person of her name, or herself as she lives now, and what the
// notice says of the detail that record holds otherwise.
struct CUnderHerKey
{
    const char* pszRoad;
    CBowlerDetails mine;
    CBowlerDetails theirs;
    bool bHers;
    const char* pszKept;
};
const CUnderHerKey kUnderHerKey[] = {
    {"namesake", kJane, {"Jane", "Smith", "Female", "7 Far Lane", "0113 4960099"}, false, ""},
    {"moved house, kept her phone", kJane, {"Jane", "Smith", "Female", "7 Far Lane", "0161 4960002"}, true,
     "Jane Smith's address line 1 \"1 Elm Row\" (the record keeps \"7 Far Lane\")"},
    {"new phone, same house", kJane, {"Jane", "Smith", "Female", "1 Elm Row", "0113 4960099"}, true,
     "Jane Smith's home phone \"0161 4960002\" (the record keeps \"0113 4960099\")"},
    {"names and gender only", {"Jane", "Smith", "Female", "", ""},
     {"Jane", "Smith", "Female", "7 Far Lane", "0113 4960099"}, true, ""},
};


std::string Text(const CString& s)
{
    return s.GetString();
}

std::string Text(unsigned n)
{
    return std::to_string(n);
}

// Every detail a bowler shares with his record, and his gender and junior bits, in one line.
template <class D>
std::string Who(const D& d)
{
    std::string s;
    ForEachSharedDetail([&s](int, const auto& v) { s += Text(v) + "|"; }, d);
    return s + Text(static_cast<unsigned>(d.m_wFlags & PF_CATEGORY_MASK));
}

struct DatabaseIdentity : DatabaseLeagues
{
    std::unique_ptr<CBowlingDoc> DatabaseLeague() { return MakeDatabaseLeague(ui); }
    // Player > Add a New Player: "Add new Player" in Check Player Database, then his details.
    void Add(CBowlingDoc& doc, const CBowlerDetails& b)
    {
        ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
        auto& dialog = ui.OnDialog(IDD_NEW_PLAYER)
                           .SetText(IDC_PD_FORENAME_NEW, b.pszFirst).SetText(IDC_PD_SURNAME, b.pszSurname)
                           .SelectString(IDC_PD_STATUS, b.pszStatus)
                           .SetText(IDC_PD_ADDRESS[0], b.pszAddress).SetText(IDC_PD_PHONE_HOME, b.pszPhone)
                           .SetText(IDC_PD_PHONE_WORK, b.pszWork).SetText(IDC_PD_PHONE_MOBILE, b.pszMobile)
                           .SelectString(IDC_PD_TEAM, "Team_01");
        if (*b.pszBirthYear)
            dialog.SetText(IDC_PD_BIRTH_YEAR, b.pszBirthYear);
        if (*b.pszMemberNo)
            dialog.SetText(IDC_PD_MEMBER_NO, b.pszMemberNo);
        dialog.OK();
        ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ADD, CN_COMMAND, nullptr));
        ASSERT_TRUE(ui.AllUsed());
    }
    // A league of these bowlers in the database now set, saved as a file of that name.
    std::unique_ptr<CBowlingDoc> SavedLeague(const char* pszFile, std::initializer_list<CBowlerDetails> bowlers)
    {
        auto doc = DatabaseLeague();
        for (const CBowlerDetails& b : bowlers)
            Add(*doc, b);
        EXPECT_TRUE(doc->OnSaveDocument(dir.File(pszFile).c_str()));
        return doc;
    }
    // File > Open in a program started on the database now set.
    std::unique_ptr<CBowlingDoc> Open(const char* pszFile)
    {
        auto doc = std::make_unique<CBowlingDoc>();
        EXPECT_TRUE(doc->OnOpenDocument(dir.File(pszFile).c_str()));
        return doc;
    }
    static Texts Bowlers(const CBowlingDoc& doc)
    {
        Texts v;
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;)
            v.push_back(Who(*static_cast<const CPlayer*>(doc.m_listPlayers.GetNext(pos))));
        return v;
    }
    // His database key; a bowler the league lacks fails the case and has none.
    static DWORD KeyOf(CBowlingDoc& doc, const char* pszSurname)
    {
        const CPlayer* p = Bowler(doc, pszSurname);
        EXPECT_NE(p, nullptr) << "no bowler " << pszSurname;
        return p ? p->m_dwDbKey : 0;
    }
    // Every record of a database folder by key, as a third program reads it.
    std::map<DWORD, std::string> Records(const char* pszFolder)
    {
        CPlayerDatabase db;
        EXPECT_TRUE(db.Open(dir.File(pszFolder).c_str()));
        CPlayb003File& t = db.GetTable();
        std::map<DWORD, std::string> records;
        EXPECT_EQ(t.SelectIndex("Key"), 0);
        for (t.First(); t.Next(1) == 0;)
            records[t.m_dwKey] = Who(t);
        return records;
    }
    // The record of the key as a release from before stamps rewrote it: no stamp, no typing
    // time, and the surname and first address line it gave where they are.
    void AsAnEarlierReleaseLeftIt(const char* pszFolder, DWORD dwKey, const char* pszSurname = nullptr,
                                  const char* pszAddress = nullptr)
    {
        CPlayerDatabase db;
        ASSERT_TRUE(db.Open(dir.File(pszFolder).c_str()));
        ASSERT_EQ(db.FindDbasePlayer(dwKey), 0);
        CPlayb003File& t = db.GetTable();
        // Made again, as a rewrite never takes a record's typing time back.
        ASSERT_EQ(t.Delete(), 0);
        if (pszSurname)
            t.m_strSurname = pszSurname;
        if (pszAddress)
            t.m_strAddress[0] = pszAddress;
        t.m_qwStamp = 0;
        t.m_nTypedBy = 0;
        ASSERT_EQ(t.Add(), 0);
        ASSERT_EQ(db.FindDbasePlayer(dwKey), 0);
        ASSERT_EQ(Nums(t.m_qwStamp, t.m_nTypedBy), Nums(0, 0));
    }
    ULONGLONG StampOf(const char* pszFolder, DWORD dwKey)
    {
        CPlayerDatabase db;
        EXPECT_TRUE(db.Open(dir.File(pszFolder).c_str()));
        EXPECT_EQ(db.FindDbasePlayer(dwKey), 0);
        return db.GetTable().m_qwStamp;
    }
    // Player > Edit on a bowler: a new home phone, and OK.
    void EditPhone(CBowlingDoc& doc, const char* pszSurname, const char* pszPhone)
    {
        const CPlayer* p = Bowler(doc, pszSurname);
        ASSERT_NE(p, nullptr) << "no bowler " << pszSurname;
        ui.OnDialog(IDD_SELECT_PLAYER).SelectString(IDC_SP_LIST, p->m_strSurname + " " + p->m_strFirstName).OK();
        ui.OnDialog(IDD_EDIT_PLAYER).SetText(IDC_PD_PHONE_HOME, pszPhone).OK();
        ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_EDIT, CN_COMMAND, nullptr));
        ASSERT_TRUE(ui.AllUsed());
    }
    static std::string With(std::string who, const char* pszOld, const char* pszNew)
    {
        who.replace(who.find(pszOld), std::strlen(pszOld), pszNew);
        return who;
    }
    void ExpectMetOnlyWhereHers(const CUnderHerKey& c, const char* pszOther, CBowlingDoc& opened,
                                const Texts& monday, const std::map<DWORD, std::string>& before);
};

} // namespace

// Monday's league, kept in the first database with Owen under key 1, is opened by a program whose
// database is Thursday's, where key 1 is Jane Smith. Owen and Ann stay themselves, become records
// of that database under keys of their own, and the secretary is told; Jane's and Bob's records
// are untouched, by the opening and by Edit and OK on Owen afterwards. Saved and opened there
// again, nothing is said; opened on the first database again, they find their own records there.
TEST_F(DatabaseIdentity, ALeagueOpenedOnAnotherDatabaseKeepsItsBowlersAndWritesNoOneElsesRecord)
{
    UseDatabase("first");
    const Texts monday = Bowlers(*SavedLeague("Monday.lgf", {kOwen, kAnn}));
    ASSERT_EQ(monday.size(), 2u);
    UseDatabase("second");
    SavedLeague("Thursday.lgf", {kJane, kBob});
    const std::map<DWORD, std::string> second = Records("second");
    ASSERT_EQ(second.size(), 2u);
    ASSERT_NE(second.at(1).find("Jane"), std::string::npos);
    ui.ClearMessages();

    auto opened = Open("Monday.lgf");
    EXPECT_EQ(Bowlers(*opened), monday);
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"2 of the league's bowlers were not in the player database: a record was added to it for each, "
                    "with the league's details (Owen Fairweather and Ann Lee). Save the league to keep its bowlers' "
                    "new links."});
    EXPECT_TRUE(opened->IsModified());
    std::map<DWORD, std::string> records = Records("second");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ((Texts{records[1], records[2], records[3], records[4]}),
              (Texts{second.at(1), second.at(2), monday[0], monday[1]}));
    EXPECT_EQ(KeyOf(*opened, "Fairweather"), 3u);

    EditPhone(*opened, "Fairweather", "0113 4969999");
    records = Records("second");
    EXPECT_EQ((Texts{records[1], records[2], records[3]}),
              (Texts{second.at(1), second.at(2), With(monday[0], "0113 4960000", "0113 4969999")}));
    ASSERT_TRUE(opened->OnSaveDocument(dir.File("Monday.lgf").c_str()));
    opened.reset();
    ui.ClearMessages();

    auto again = Open("Monday.lgf");
    EXPECT_FALSE(again->IsModified());
    EXPECT_EQ(Bowlers(*again), (Texts{With(monday[0], "0113 4960000", "0113 4969999"), monday[1]}));
    auto thursday = Open("Thursday.lgf");
    const CPlayer* jane = Bowler(*thursday, "Smith");
    ASSERT_NE(jane, nullptr);
    EXPECT_EQ(Who(*jane), second.at(1));
    EXPECT_TRUE(ui.messages.empty());
    again.reset();

    // Back on the first database, under keys 3 and 4 there unknown: the stamps find 1 and 2.
    // Owen's phone typed on the second database was typed after his record here last changed: the
    // record takes it, and the notice says so. Ann's record stays as it was.
    UseDatabase("first");
    const std::map<DWORD, std::string> first = Records("first");
    auto home = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"2 of the league's bowlers were linked to their own records in the player database, found under "
                    "other keys (Owen Fairweather and Ann Lee). Where the league's details were typed after the "
                    "record's, they were written to it: Owen Fairweather's home phone \"0113 4969999\" (the record "
                    "held \"0113 4960000\"). Save the league to keep its bowlers' new links."});
    EXPECT_EQ(Nums(KeyOf(*home, "Fairweather"), KeyOf(*home, "Lee")), Nums(1, 2));
    const std::string owenTyped = With(monday[0], "0113 4960000", "0113 4969999");
    EXPECT_EQ(Bowlers(*home), (Texts{owenTyped, monday[1]}));
    EXPECT_EQ(Records("first"), (std::map<DWORD, std::string>{{1, owenTyped}, {2, first.at(2)}}));
}

// Monday's league moved to a computer with no database yet: asked, the secretary starts one there;
// its bowlers become its records under their own keys, the secretary is told once; Ann New added
// there takes a key of her own, and saved and opened again nobody is anybody else.
TEST_F(DatabaseIdentity, ALeagueOpenedOnAnEmptyDatabaseMakesItsRecordsAndABowlerAddedThereIsHerself)
{
    UseDatabase("first");
    const Texts monday = Bowlers(*SavedLeague("Monday.lgf", {kOwen, kAnn}));
    ASSERT_EQ(monday.size(), 2u);
    UseDatabase("new");
    ui.ClearMessages();
    ui.AnswerMessageBox(IDYES, "is not there, though this league's bowlers are linked to a player database");
    auto opened = Open("Monday.lgf");
    EXPECT_EQ(Bowlers(*opened), monday);
    ASSERT_EQ(ui.MessageTexts().size(), 2u);
    EXPECT_NE(ui.MessageTexts()[1].find("2 of the league's bowlers were not in the player database"), std::string::npos);
    EXPECT_EQ(Records("new"), (std::map<DWORD, std::string>{{1, monday[0]}, {2, monday[1]}}));
    // The stamp travelled with each: the record in the new database is the same person's.
    const CPlayer* owen = Bowler(*opened, "Fairweather");
    ASSERT_NE(owen, nullptr);
    EXPECT_EQ(StampOf("new", 1), owen->m_qwDbStamp);
    EXPECT_EQ(StampOf("new", 1), StampOf("first", 1));

    const CBowlerDetails annNew{"Ann", "New", "Female", "9 Hill Top", "0113 4960004"};
    Add(*opened, annNew);
    EXPECT_EQ(KeyOf(*opened, "New"), 3u);
    ASSERT_TRUE(opened->OnSaveDocument(dir.File("Monday.lgf").c_str()));
    const Texts three = Bowlers(*opened);
    ASSERT_EQ(three.size(), 3u);
    opened.reset();
    ui.ClearMessages();

    auto again = Open("Monday.lgf");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Bowlers(*again), three);
    EditPhone(*again, "Fairweather", "0113 4969999");
    const std::map<DWORD, std::string> records = Records("new");
    EXPECT_EQ((Texts{records.at(1), records.at(2), records.at(3)}),
              (Texts{With(monday[0], "0113 4960000", "0113 4969999"), monday[1], three[2]}));
    EXPECT_EQ(std::count_if(three.begin(), three.end(), [](const std::string& s) { return s.rfind("New|Ann|", 0) == 0; }),
              1);
}

namespace {

// Where a bowler's key lies in a league file: his body's display name and names follow it (the
// team, robot, flags and category between). The file's size when they are not there.
size_t KeyOffset(const std::vector<BYTE>& file, const CPlayer& p)
{
    std::string names;
    for (const CString* s : {&p.m_strName, &p.m_strSurname, &p.m_strFirstName}) {
        names += static_cast<char>(s->GetLength());
        names += s->GetString();
    }
    const auto it = std::search(file.begin(), file.end(), names.begin(), names.end());
    constexpr size_t kBefore = 1 + 2 + 1 + 2 + 4;
    const size_t nAt = static_cast<size_t>(it - file.begin());
    return it == file.end() || nAt < kBefore ? file.size() : nAt - kBefore;
}

} // namespace

// One byte of Ann's key damaged names Owen's record. Whether the file holds the stamps or not (a
// file of an earlier version, its bowlers' records stamped or not), Ann's doubtful link is cut and
// she is named; she takes her own record, Owen keeps his, and Edit and OK on each writes his own.
TEST_F(DatabaseIdentity, ADamagedKeyNamingAnotherBowlersRecordIsCutAndNamed)
{
    UseDatabase("first");
    auto monday = SavedLeague("Monday.lgf", {kOwen, kAnn, kBob});
    const Texts before = Bowlers(*monday);
    const std::map<DWORD, std::string> records = Records("first");
    CPlayer* ann = Bowler(*monday, "Lee");
    ASSERT_NE(ann, nullptr);
    ASSERT_EQ(ann->m_dwDbKey, 2u);
    std::vector<BYTE> marked, stamped, plain;
    monday->SaveToBytes(marked);
    // As earlier versions wrote it: stamps without what the copies were in step with, or neither.
    for (POSITION pos = monday->m_listPlayers.GetHeadPosition(); pos;)
        static_cast<CPlayer*>(monday->m_listPlayers.GetNext(pos))->m_dbInStep = CDbInStep();
    monday->SaveToBytes(stamped);
    for (POSITION pos = monday->m_listPlayers.GetHeadPosition(); pos;)
        static_cast<CPlayer*>(monday->m_listPlayers.GetNext(pos))->m_qwDbStamp = 0;
    monday->SaveToBytes(plain);
    ASSERT_EQ(Nums(marked[0], stamped[0], plain[0]), Nums(80, 79, 77));
    const std::string said = "The league file links bowler 2 (Ann Lee) to the player database record of bowler 1 "
                             "(Owen Fairweather), whose record it is: that link was cut. Ann Lee was linked to the "
                             "bowler's own record in the player database, found under another key. Save the league "
                             "to keep its bowlers' new links.";

    for (std::vector<BYTE>* pFile : {&marked, &stamped, &plain}) {
        std::vector<BYTE> damaged = *pFile;
        const size_t nKey = KeyOffset(damaged, *ann);
        ASSERT_LT(nKey, damaged.size());
        damaged[nKey] = 1;
        WriteFile("Damaged.lgf", damaged);
        ui.ClearMessages();
        auto opened = Open("Damaged.lgf");
        EXPECT_EQ(ui.MessageTexts(), Texts{said});
        EXPECT_EQ(Bowlers(*opened), before);
        EXPECT_EQ(Nums(KeyOf(*opened, "Fairweather"), KeyOf(*opened, "Lee")), Nums(1, 2));
        EXPECT_EQ(Records("first"), records);
        EditPhone(*opened, "Lee", "0113 4968888");
        EditPhone(*opened, "Fairweather", "0113 4969999");
        const std::map<DWORD, std::string> now = Records("first");
        EXPECT_EQ((Texts{now.at(1), now.at(2), now.at(3)}),
                  (Texts{With(records.at(1), "0113 4960000", "0113 4969999"),
                         With(records.at(2), "0113 4960001", "0113 4968888"), records.at(3)}));
        // Put back for the next round.
        opened.reset();
        monday->OnOpenDocument(dir.File("Monday.lgf").c_str());
        ann = Bowler(*monday, "Lee");
        ASSERT_NE(ann, nullptr);
        EditPhone(*monday, "Lee", "0113 4960001");
        EditPhone(*monday, "Fairweather", "0113 4960000");
        ASSERT_EQ(Records("first"), records);
    }
}

namespace {

// A file of version 78: the league as version 77 holds it, then one bowler's home phone waiting
// for his record (no time it was typed, no stamps).
std::vector<BYTE> WithPhoneWaiting(std::vector<BYTE> plain, const CPlayer& p, const char* pszRecordPhone)
{
    plain[0] = 78;
    const BYTE part[] = {1, 0, static_cast<BYTE>(p.m_nPlayerNo), static_cast<BYTE>(p.m_nPlayerNo >> 8), 1u << 7, 0, 0, 0,
                         static_cast<BYTE>(std::strlen(pszRecordPhone))};
    plain.insert(plain.end(), std::begin(part), std::end(part));
    plain.insert(plain.end(), pszRecordPhone, pszRecordPhone + std::strlen(pszRecordPhone));
    return plain;
}

} // namespace

// A version-78 file whose Ann has a new phone waiting for her record, and one byte of her key
// damaged to name Owen's: the phone goes to her own record, never to Owen's. On another database,
// where her record is not, it goes to the record she becomes there.
TEST_F(DatabaseIdentity, ADetailWaitingBehindADamagedKeyNeverReachesAnotherPersonsRecord)
{
    UseDatabase("first");
    auto monday = SavedLeague("Monday.lgf", {kOwen, kAnn});
    const std::map<DWORD, std::string> records = Records("first");
    CPlayer* ann = Bowler(*monday, "Lee");
    ASSERT_NE(ann, nullptr);
    for (POSITION pos = monday->m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(monday->m_listPlayers.GetNext(pos));
        p->m_qwDbStamp = 0;
        p->m_dbInStep = CDbInStep();
    }
    ann->m_strPhoneHome = "0113 4967777";  // typed while the database was away
    std::vector<BYTE> plain;
    monday->SaveToBytes(plain);
    std::vector<BYTE> file = WithPhoneWaiting(plain, *ann, kAnn.pszPhone);
    const size_t nKey = KeyOffset(file, *ann);
    ASSERT_LT(nKey, file.size());
    file[nKey] = 1;
    WriteFile("Damaged.lgf", file);
    monday.reset();
    ui.ClearMessages();

    auto opened = Open("Damaged.lgf");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.MessageTexts()[0].find("bowler 2 (Ann Lee) to the player database record of bowler 1"),
              std::string::npos);
    EXPECT_EQ(Records("first"), (std::map<DWORD, std::string>{
                                    {1, records.at(1)}, {2, With(records.at(2), kAnn.pszPhone, "0113 4967777")}}));
    const CPlayer* annOpened = Bowler(*opened, "Lee");
    ASSERT_NE(annOpened, nullptr);
    EXPECT_EQ(annOpened->m_pDbPending, nullptr);
    ui.OnDialog(IDD_SELECT_PLAYER).SelectString(IDC_SP_LIST, "Lee Ann").OK();
    ui.OnDialog(IDD_EDIT_PLAYER).OK();
    ASSERT_TRUE(opened->OnCmdMsg(ID_PLAYER_EDIT, CN_COMMAND, nullptr));
    EXPECT_EQ(Records("first").at(1), records.at(1));
    opened.reset();

    UseDatabase("other");
    auto elsewhere = std::make_unique<CBowlingDoc>();
    ui.ClearMessages();
    ui.AnswerMessageBox(IDYES, "is not there, though this league's bowlers are linked to a player database");
    ASSERT_TRUE(elsewhere->OnOpenDocument(dir.File("Damaged.lgf").c_str()));
    const std::map<DWORD, std::string> other = Records("other");
    ASSERT_EQ(other.size(), 2u);
    EXPECT_EQ(other.at(1), records.at(1));
    EXPECT_EQ(other.at(2), With(records.at(2), kAnn.pszPhone, "0113 4967777"));
    EXPECT_EQ(Nums(KeyOf(*elsewhere, "Lee"), KeyOf(*elsewhere, "Fairweather")), Nums(2, 1));
}

namespace {

// Alan is told by his phone alone, Carl by nothing but his names.
const CBowlerDetails kAlan{"Alan", "Ackroyd", "Male", "", "0113 4960005"};
const CBowlerDetails kCarl{"Carl", "Dyson", "Male", "", ""};
constexpr const char* kAlansNewPhone = "0113 4967777";

CPlayer Named(const char* pszFirst, const char* pszSurname)
{
    CPlayer p;
    p.m_strFirstName = pszFirst, p.m_strSurname = pszSurname;
    p.MakeDisplayName(FALSE);
    return p;
}

} // namespace

// Monday kept in the first database: Owen, Alan and Carl, and Alan's new phone typed while
// printing had the database closed, waiting for his record in the file saved then (with the
// links' stamps), and as an earlier version wrote it (version 78: no stamps). Opened with one byte damaged on the
// database as it was, Alan is one record, and his change reaches it.
struct DamagedIdentity : DatabaseIdentity
{
    std::vector<BYTE> stamped, v78;
    std::map<DWORD, std::string> records;
    ULONGLONG qwAlan = 0;

    void SetUp() override
    {
        DatabaseIdentity::SetUp();
        UseDatabase("first");
        auto monday = SavedLeague("Monday.lgf", {kOwen, kAlan, kCarl});
        records = Records("first");
        CPlayer* alan = Bowler(*monday, "Ackroyd");
        ASSERT_NE(alan, nullptr);
        qwAlan = alan->m_qwDbStamp;
        CBowlingView view;
        view.AttachTo(monday.get(), nullptr);
        CRecordingDC dc(true);
        CPrintInfo info;
        view.OnBeginPrinting(&dc, &info);
        EditPhone(*monday, "Ackroyd", kAlansNewPhone);
        monday->SaveToBytes(stamped);
        view.AttachTo(nullptr, nullptr);
        ASSERT_EQ(Records("first"), records);
        std::filesystem::copy(dir.File("first"), dir.File("kept"));
        for (POSITION pos = monday->m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(monday->m_listPlayers.GetNext(pos));
            p->m_qwDbStamp = 0;
            p->m_dbInStep = CDbInStep();
        }
        alan->m_pDbPending.reset();
        std::vector<BYTE> plain;
        monday->SaveToBytes(plain);
        v78 = WithPhoneWaiting(plain, *alan, kAlan.pszPhone);
    }
    std::unique_ptr<CBowlingDoc> OpenDamaged(const std::vector<BYTE>& damaged)
    {
        std::filesystem::remove_all(dir.File("first"));
        std::filesystem::copy(dir.File("kept"), dir.File("first"));
        WriteFile("Damaged.lgf", damaged);
        ui.ClearMessages();
        return Open("Damaged.lgf");
    }
};

// Any byte of Alan's stamp, of his key (to name no record), or of his names damaged: his record is
// found by its key, or by his phone as the record held it when his change was typed. He is told
// of once, his record takes the change, no second record of him is made, he shows his record's
// names and stamp, and the league saved opens without a word.
TEST_F(DamagedIdentity, OneDamagedByteOfABowlersLinkOrNameLeavesHimOneRecordTakingHisChange)
{
    const std::string met = "Alan Ackroyd was linked again to the bowler's own record in the player database, under "
                            "the same key: the league file's link did not show it, but the bowler's details do. Save "
                            "the league to keep its bowlers' new links.";
    const std::string found = "Alan Ackroyd was linked to the bowler's own record in the player database, found under "
                              "another key. Save the league to keep its bowlers' new links.";
    std::vector<BYTE> stamp(8);
    for (int i = 0; i < 8; ++i)
        stamp[i] = static_cast<BYTE>(qwAlan >> (8 * i));
    const auto at = std::search(stamped.begin(), stamped.end(), stamp.begin(), stamp.end());
    const size_t nStamp = static_cast<size_t>(at - stamped.begin());
    const size_t nKey = KeyOffset(v78, Named("Alan", "Ackroyd"));
    ASSERT_LT(nStamp, stamped.size());
    ASSERT_LT(nKey, v78.size());
    struct CDamage
    {
        const std::vector<BYTE>* pFile;
        size_t nAt;
        BYTE value;
        const std::string* pSaid;
    };
    std::vector<CDamage> damages;
    for (size_t i = 0; i < 8; ++i)
        damages.push_back({&stamped, nStamp + i, static_cast<BYTE>(stamped[nStamp + i] ^ 0x5A), &met});
    for (size_t i = 0; i < 4; ++i)
        damages.push_back({&v78, nKey + i, 0x40, &found});
    // His surname's letters, and his first name's after its length (the display name before).
    const size_t nNames = nKey + 1 + 2 + 1 + 2 + 4 + 1 + std::strlen("Alan Ackroyd");
    for (size_t i : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12})
        damages.push_back({&v78, nNames + i, static_cast<BYTE>(v78[nNames + i] == 'x' ? 'z' : 'x'), &met});
    for (const CDamage& d : damages) {
        SCOPED_TRACE(testing::Message() << "version " << int((*d.pFile)[0]) << ", byte " << d.nAt);
        std::vector<BYTE> damaged = *d.pFile;
        damaged[d.nAt] = d.value;
        auto opened = OpenDamaged(damaged);
        EXPECT_EQ(ui.MessageTexts(), Texts{*d.pSaid});
        const std::map<DWORD, std::string> now = Records("first");
        EXPECT_EQ(now, (std::map<DWORD, std::string>{{1, records.at(1)},
                                                      {2, With(records.at(2), kAlan.pszPhone, kAlansNewPhone)},
                                                      {3, records.at(3)}}));
        ASSERT_TRUE(opened->OnSaveDocument(dir.File("Damaged.lgf").c_str()));
        opened.reset();
        ui.ClearMessages();
        auto again = Open("Damaged.lgf");
        EXPECT_TRUE(ui.messages.empty());
        const CPlayer* alan = Bowler(*again, "Ackroyd");
        ASSERT_NE(alan, nullptr);
        EXPECT_EQ(Who(*alan), now.at(2));
        EXPECT_EQ(alan->m_pDbPending, nullptr);
        EXPECT_EQ(Nums(alan->m_dwDbKey, alan->m_qwDbStamp), Nums(2, StampOf("first", 2)));
    }
}

// Carl, told by nothing but his names, with a byte of his key or surname damaged: he is added,
// and the record that may be his is named, untouched.
TEST_F(DamagedIdentity, ABowlerWhomOnlyHisNamesTellIsAddedAndHisProbableRecordNamed)
{
    const size_t nKey = KeyOffset(v78, Named("Carl", "Dyson"));
    ASSERT_LT(nKey, v78.size());
    for (size_t nAt : {nKey, nKey + 1 + 2 + 1 + 2 + 4 + 1 + std::strlen("Carl Dyson") + 2}) {
        std::vector<BYTE> damaged = v78;
        damaged[nAt] = nAt == nKey ? 0x40 : 'i';  // key 64, or "Dison"
        auto opened = OpenDamaged(damaged);
        EXPECT_EQ(ui.MessageTexts(),
                  Texts{"Carl Dyson was not in the player database: a record was added to it for the bowler, with the "
                        "league's details. The player database already holds a record that may be Carl Dyson's, "
                        "unique ref. 00000003: nothing else shows whose it is. Save the league to keep its bowlers' "
                        "new links."});
        const std::map<DWORD, std::string> now = Records("first");
        EXPECT_EQ(now.size(), 4u);
        EXPECT_EQ(now.at(3), records.at(3));
    }
}

// An earlier version gave Jane's record, in the database Monday shares, a new surname and no
// stamp (as it rewrites any): Monday's Jane is met there by her key, first name, gender and phone,
// and takes the new surname; nothing is added, and Edit and OK writes her record. Another
// database's key 1, an earlier version's Jane Brown living elsewhere, is never hers.
TEST_F(DatabaseIdentity, ARecordAnEarlierVersionRewroteWithANewSurnameIsMetNotAdded)
{
    auto rewriteAsEarlierVersion = [this](const char* pszFolder) { AsAnEarlierReleaseLeftIt(pszFolder, 1, "Brown"); };
    UseDatabase("first");
    SavedLeague("Monday.lgf", {kJane, kOwen});
    rewriteAsEarlierVersion("first");
    const std::map<DWORD, std::string> first = Records("first");
    ui.ClearMessages();
    auto opened = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"Jane Smith (now Jane Brown) was linked again to the bowler's own record in the player database, "
                    "under the same key: the league file's link did not show it, but the bowler's details do. Save "
                    "the league to keep its bowlers' new links."});
    const CPlayer* jane = Bowler(*opened, "Brown");
    ASSERT_NE(jane, nullptr);
    EXPECT_EQ(Nums(jane->m_dwDbKey, jane->m_qwDbStamp), Nums(1, StampOf("first", 1)));
    EXPECT_NE(jane->m_qwDbStamp, 0u);
    EditPhone(*opened, "Brown", "0161 4969999");
    EXPECT_EQ(Records("first"), (std::map<DWORD, std::string>{{1, With(first.at(1), kJane.pszPhone, "0161 4969999")},
                                                               {2, first.at(2)}}));
    opened.reset();

    UseDatabase("second");
    SavedLeague("Thursday.lgf", {{"Jane", "Smith", "Female", "4 Low Rd", "0161 4960077"}});
    rewriteAsEarlierVersion("second");
    const std::map<DWORD, std::string> second = Records("second");
    ui.ClearMessages();
    auto elsewhere = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"2 of the league's bowlers were not in the player database: a record was added to it for each, "
                    "with the league's details (Jane Smith and Owen Fairweather). Save the league to keep its "
                    "bowlers' new links."});
    EXPECT_EQ(KeyOf(*elsewhere, "Smith"), 2u);
    EXPECT_EQ(Records("second").at(1), second.at(1));
}

// Two programs open copies of Monday's league on one new database at the same moment: each bowler
// becomes one record, which both leagues name by the same key and stamp.
TEST_F(DatabaseIdentity, TwoProgramsOpeningALeagueOnANewDatabaseAtOnceMakeEachRecordOnce)
{
    UseDatabase("first");
    auto monday = SavedLeague("Monday.lgf", {kOwen, kAnn, kBob});
    const Texts bowlers = Bowlers(*monday);
    ASSERT_EQ(bowlers.size(), 3u);
    monday.reset();
    UseDatabase("new");
    {
        CPlayerDatabase made;  // made before the two start, as the first program's start-up would
        ASSERT_TRUE(made.Open(dir.File("new").c_str()));
    }
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    pid_t children[2];
    for (int n = 0; n < 2; ++n) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            CBowlingDoc doc;  // the program's league, its database open
            char c = 0;
            int nFailed = read(go[0], &c, 1) != 1;
            nFailed += !doc.OnOpenDocument(dir.File("Monday.lgf").c_str());
            const std::string saved = dir.File(n == 0 ? "A.lgf" : "B.lgf");
            nFailed += !doc.OnSaveDocument(saved.c_str());
            _exit(nFailed);
        }
        children[n] = pid;
    }
    ASSERT_EQ(write(go[1], "GO", 2), 2);
    close(go[0]);
    close(go[1]);
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    const std::map<DWORD, std::string> records = Records("new");
    EXPECT_EQ(records, (std::map<DWORD, std::string>{{1, bowlers[0]}, {2, bowlers[1]}, {3, bowlers[2]}}));
    auto a = Open("A.lgf");
    auto b = Open("B.lgf");
    for (const char* pszSurname : {"Fairweather", "Lee", "Ray"}) {
        const CPlayer* pa = Bowler(*a, pszSurname);
        const CPlayer* pb = Bowler(*b, pszSurname);
        ASSERT_TRUE(pa && pb) << pszSurname;
        EXPECT_EQ(pa->m_dwDbKey, pb->m_dwDbKey) << pszSurname;
        EXPECT_EQ(pa->m_qwDbStamp, pb->m_qwDbStamp) << pszSurname;
        EXPECT_EQ(pa->m_qwDbStamp, StampOf("new", pa->m_dwDbKey)) << pszSurname;
    }
    EXPECT_EQ(Bowlers(*a), bowlers);
    EXPECT_EQ(Bowlers(*b), bowlers);
}

// Thursday's database already holds Owen, added there by Thursday under a key of its own: Monday's
// league opened on it links its Owen to that record, the same person (his phone agrees), and he
// shows the record's details as any shared bowler does, the address Monday held otherwise named
// as not kept; Ann, not there, becomes a record of her own. Nobody else's record is written, and
// Edit and OK on Owen writes to his record there.
TEST_F(DatabaseIdentity, ABowlerPlainlyTheSamePersonAsARecordOfTheOtherDatabaseIsLinkedToIt)
{
    UseDatabase("first");
    const Texts monday = Bowlers(*SavedLeague("Monday.lgf", {kOwen, kAnn}));
    ASSERT_EQ(monday.size(), 2u);
    UseDatabase("second");
    CBowlerDetails owenThere = kOwen;
    owenThere.pszAddress = "7 Mill Rd";
    SavedLeague("Thursday.lgf", {kJane, owenThere});
    const std::map<DWORD, std::string> second = Records("second");
    ui.ClearMessages();

    auto opened = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"Ann Lee was not in the player database: a record was added to it for the bowler, with the "
                    "league's details. Owen Fairweather was linked to the bowler's own record in the player "
                    "database, found under another key. Where the league's details differed from the record's, the "
                    "record keeps its own, which other leagues share: Owen Fairweather's address line 1 \"5 Bridge "
                    "St\" (the record keeps \"7 Mill Rd\"). Save the league to keep its bowlers' new links."});
    EXPECT_EQ(Bowlers(*opened), (Texts{second.at(2), monday[1]}));
    EXPECT_EQ(Nums(KeyOf(*opened, "Fairweather"), KeyOf(*opened, "Lee")), Nums(2, 3));
    const CPlayer* owen = Bowler(*opened, "Fairweather");
    ASSERT_NE(owen, nullptr);
    EXPECT_EQ(owen->m_qwDbStamp, StampOf("second", 2));
    EditPhone(*opened, "Fairweather", "0113 4969999");
    const std::map<DWORD, std::string> now = Records("second");
    EXPECT_EQ(now, (std::map<DWORD, std::string>{{1, second.at(1)},
                                                  {2, With(second.at(2), "0113 4960000", "0113 4969999")},
                                                  {3, monday[1]}}));
}

// Computer A's Monday keeps Owen Gillow with a mobile; computer B's database, another league's,
// holds its own record of him (the same address) with a work phone and another home phone. Monday
// opened on B links him to that record: it takes his mobile, he takes its work phone, and the home
// phone it keeps is named with Monday's. Saved there and opened on A again, the same the other way:
// A's record takes the work phone and keeps its home phone, named. Nobody else's record changes.
TEST_F(DatabaseIdentity, ALeagueOnAnotherComputerKeepsItsDetailsAndTheRecordsAndNamesWhatWasNotKept)
{
    const CBowlerDetails owenA{"Owen", "Gillow", "Male", "16 Mill Lane", "01422 300222", "", "07700 900111"};
    const CBowlerDetails owenB{"Owen", "Gillow", "Male", "16 Mill Lane", "01422 300999", "01422 555000"};
    auto phones = [](const CPlayer& p) {
        return Strs(p.m_strPhoneHome, p.m_strPhoneWork, p.m_strPhoneMobile);
    };
    UseDatabase("a");
    SavedLeague("Monday.lgf", {kAnn, owenA});
    const std::map<DWORD, std::string> a = Records("a");
    UseDatabase("b");
    SavedLeague("Thursday.lgf", {kJane, owenB, kBob});
    const std::map<DWORD, std::string> b = Records("b");
    ui.ClearMessages();

    auto opened = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"Ann Lee was not in the player database: a record was added to it for the bowler, with the "
                    "league's details. Owen Gillow was linked to the bowler's own record in the player database, "
                    "found under another key. Where the league's details differed from the record's, the record "
                    "keeps its own, which other leagues share: Owen Gillow's home phone \"01422 300222\" (the record "
                    "keeps \"01422 300999\"). Save the league to keep its bowlers' new links."});
    CPlayer* owen = Bowler(*opened, "Gillow");
    ASSERT_NE(owen, nullptr);
    EXPECT_EQ(owen->m_dwDbKey, 2u);
    EXPECT_EQ(phones(*owen), (Texts{"01422 300999", "01422 555000", "07700 900111"}));
    EXPECT_EQ(owen->m_pDbPending, nullptr);
    const CPlayer* ann = Bowler(*opened, "Lee");
    ASSERT_NE(ann, nullptr);
    const std::map<DWORD, std::string> now = Records("b");
    EXPECT_EQ((Texts{now.at(1), now.at(2), now.at(3), now.at(4)}),
              (Texts{b.at(1), With(b.at(2), "01422 555000||", "01422 555000|07700 900111|"),
                     b.at(3), Who(*ann)}));
    EXPECT_EQ(now.at(2), Who(*owen));
    // Thursday, sharing the record, shows the mobile Monday brought.
    const auto thursday = Open("Thursday.lgf");
    const CPlayer* owenThursday = Bowler(*thursday, "Gillow");
    ASSERT_NE(owenThursday, nullptr);
    EXPECT_EQ(phones(*owenThursday), phones(*owen));
    ASSERT_TRUE(opened->OnSaveDocument(dir.File("Monday.lgf").c_str()));
    opened.reset();

    UseDatabase("a");
    ui.ClearMessages();
    auto home = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"2 of the league's bowlers were linked to their own records in the player database, found under "
                    "other keys (Ann Lee and Owen Gillow). Where the league's details differed from the record's, the "
                    "record keeps its own, which other leagues share: Owen Gillow's home phone \"01422 300999\" (the "
                    "record keeps \"01422 300222\"). Save the league to keep its bowlers' new links."});
    owen = Bowler(*home, "Gillow");
    ASSERT_NE(owen, nullptr);
    EXPECT_EQ(phones(*owen), (Texts{"01422 300222", "01422 555000", "07700 900111"}));
    const std::string owenOnA = Who(*owen);
    EXPECT_EQ(Records("a"), (std::map<DWORD, std::string>{{1, a.at(1)}, {2, owenOnA}}));
    EditPhone(*home, "Gillow", "01422 300333");
    EXPECT_EQ(Records("a").at(2), With(owenOnA, "01422 300222", "01422 300333"));
    EXPECT_EQ(Records("b").at(2), With(b.at(2), "01422 555000||", "01422 555000|07700 900111|"));
}

// Two people of one name: B's Owen Gillow lives elsewhere with another phone, no birth date known
// of either; or he has Monday's address and phone, but another birth year. Monday's Owen is never
// joined to him: he becomes a record of his own on B with Monday's details, B's record untouched,
// and Edit and OK on him writes his own.
TEST_F(DatabaseIdentity, TwoPeopleOfOneNameAreNeverJoined)
{
    const CBowlerDetails owenA{"Owen", "Gillow", "Male", "16 Mill Lane", "01422 300222", "", "", "1970"};
    const CBowlerDetails others[] = {{"Owen", "Gillow", "Male", "3 Dock Rd", "0161 4960009"},
                                     {"Owen", "Gillow", "Male", "16 Mill Lane", "01422 300222", "", "", "1998"}};
    CBowlerDetails plain = owenA;
    plain.pszBirthYear = "";
    for (const CBowlerDetails& mine : {plain, owenA}) {
        const std::string strFile = std::string(mine.pszBirthYear) + "Monday.lgf";
        UseDatabase(("a" + std::string(mine.pszBirthYear)).c_str());
        const Texts monday = Bowlers(*SavedLeague(strFile.c_str(), {mine}));
        ASSERT_EQ(monday.size(), 1u);
        for (const CBowlerDetails& other : others) {
            if (*mine.pszBirthYear == 0 && *other.pszBirthYear != 0)
                continue;  // the same address and phone, no birth date to tell them apart: one person
            const std::string strFolder = std::string(mine.pszBirthYear) + other.pszAddress;
            UseDatabase(strFolder.c_str());
            SavedLeague("Thursday.lgf", {other});
            const std::map<DWORD, std::string> b = Records(strFolder.c_str());
            ui.ClearMessages();
            auto opened = Open(strFile.c_str());
            // Of no birth date told apart, the record may be his, and is named.
            const std::string probable = *other.pszBirthYear ? "" : "The player database already holds a record "
                                                                    "that may be Owen Gillow's, unique ref. 00000001: "
                                                                    "nothing else shows whose it is. ";
            EXPECT_EQ(ui.MessageTexts(),
                      Texts{"Owen Gillow was not in the player database: a record was added to it for the bowler, "
                            "with the league's details. " +
                            probable + "Save the league to keep its bowlers' new links."})
                << strFolder;
            EXPECT_EQ(Bowlers(*opened), monday);
            EditPhone(*opened, "Gillow", "01422 300333");
            EXPECT_EQ(Records(strFolder.c_str()),
                      (std::map<DWORD, std::string>{{1, b.at(1)}, {2, With(monday[0], "01422 300222", "01422 300333")}}))
                << strFolder;
        }
    }
}

// Monday's Jane Smith is key 1 of the first database. The second database is another club's,
// kept by a release from before stamps: its key 1 is Jane Brown, living elsewhere, who shares with
// Jane Smith her first name, her gender and her birth year, or membership number "1" (clubs number
// their members from 1, as databases their keys); its key 2 is Peter Quint. Monday opened on that
// other database keeps Jane Smith herself: she becomes a record of her own, Jane Brown's record is
// named as one that may be hers and is never written, by the opening nor by Edit and OK on her.
TEST_F(DatabaseIdentity, ARecordUnderHerKeySharingOnlyHerFirstNameGenderAndBirthYearOrMemberNumberIsNotHers)
{
    const CBowlerDetails peter{"Peter", "Quint", "Male", "9 High St", "0161 4960088"};
    const CBowlerDetails roads[][2] = {
        {{"Jane", "Smith", "Female", "1 Elm Row", "0161 4960002", "", "", "1975"},
         {"Jane", "Brown", "Female", "4 Low Rd", "0161 4960077", "", "", "1975"}},
        {{"Jane", "Smith", "Female", "1 Elm Row", "0161 4960002", "", "", "", "1"},
         {"Jane", "Brown", "Female", "4 Low Rd", "0161 4960077", "", "", "", "1"}},
    };
    for (const auto& [smith, brown] : roads) {
        const std::string road = *smith.pszBirthYear ? "born" : "member";
        SCOPED_TRACE(road);
        const std::string first = road + "-first", second = road + "-second", file = road + "-Monday.lgf";
        UseDatabase(first.c_str());
        const Texts monday = Bowlers(*SavedLeague(file.c_str(), {smith}));
        ASSERT_EQ(monday.size(), 1u);
        UseDatabase(second.c_str());
        SavedLeague((road + "-Thursday.lgf").c_str(), {brown, peter});
        AsAnEarlierReleaseLeftIt(second.c_str(), 1);
        const std::map<DWORD, std::string> before = Records(second.c_str());
        ASSERT_EQ(before.size(), 2u);
        ASSERT_EQ(before.at(1).rfind("Brown|Jane|4 Low Rd|", 0), 0u) << before.at(1);
        ui.ClearMessages();

        auto opened = Open(file.c_str());
        EXPECT_EQ(ui.MessageTexts(),
                  Texts{"Jane Smith was not in the player database: a record was added to it for the bowler, with the "
                        "league's details. The player database already holds a record that may be Jane Smith's, "
                        "unique ref. 00000001: nothing else shows whose it is. Save the league to keep its bowlers' "
                        "new links."});
        EXPECT_EQ(Bowlers(*opened), monday);
        EXPECT_EQ(KeyOf(*opened, "Smith"), 3u);
        EXPECT_EQ(Records(second.c_str()),
                  (std::map<DWORD, std::string>{{1, before.at(1)}, {2, before.at(2)}, {3, monday[0]}}));

        EditPhone(*opened, "Smith", "0161 4969999");
        EXPECT_EQ(Records(second.c_str()), (std::map<DWORD, std::string>{{1, before.at(1)},
                                                                          {2, before.at(2)},
                                                                          {3, With(monday[0], "0161 4960002",
                                                                                   "0161 4969999")}}));
        EXPECT_EQ(StampOf(second.c_str(), 1), 0u);  // never taken, so never stamped
    }
}

// Monday's database, kept on by a release from before stamps, rewrote Jane's record under her key
// with her names, gender and birth year as they were (no stamp, no typing time): she is plainly
// herself there, met without a word, and Edit and OK writes her record.
TEST_F(DatabaseIdentity, ARecordUnderHerKeyThatIsPlainlyHerIsStillMet)
{
    const CBowlerDetails jane{"Jane", "Smith", "Female", "1 Elm Row", "0161 4960002", "", "", "1975"};
    UseDatabase("first");
    const Texts monday = Bowlers(*SavedLeague("Monday.lgf", {jane, kOwen}));
    ASSERT_EQ(monday.size(), 2u);
    AsAnEarlierReleaseLeftIt("first", 1);
    const std::map<DWORD, std::string> first = Records("first");
    ui.ClearMessages();
    auto opened = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(), Texts{});
    EXPECT_EQ(Bowlers(*opened), monday);
    EXPECT_EQ(KeyOf(*opened, "Smith"), 1u);
    EditPhone(*opened, "Smith", "0161 4969999");
    EXPECT_EQ(Records("first"),
              (std::map<DWORD, std::string>{{1, With(first.at(1), "0161 4960002", "0161 4969999")}, {2, first.at(2)}}));
    const CPlayer* smith = Bowler(*opened, "Smith");
    ASSERT_NE(smith, nullptr);
    EXPECT_EQ(smith->m_qwDbStamp, StampOf("first", 1));
}

// Jane's record, under her key in the database Monday shares, was given another surname and a new
// address line by a release from before stamps; her phone still tells her. Peter Quint, added by
// Thursday, is the table's last record. The notice names Jane by her record and, of the league's
// values the record keeps otherwise, only hers: never another record's names.
TEST_F(DatabaseIdentity, TheNoticeOfARecordMetUnderHerKeyNamesThatRecordsValues)
{
    UseDatabase("first");
    SavedLeague("Monday.lgf", {kJane});
    SavedLeague("Thursday.lgf", {{"Peter", "Quint", "Male", "9 High St", "0161 4960088"}});
    AsAnEarlierReleaseLeftIt("first", 1, "Brown", "6 New St");
    const std::map<DWORD, std::string> first = Records("first");
    ui.ClearMessages();
    auto opened = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"Jane Smith (now Jane Brown) was linked again to the bowler's own record in the player database, "
                    "under the same key: the league file's link did not show it, but the bowler's details do. Where "
                    "the league's details differed from the record's, the record keeps its own, which other leagues "
                    "share: Jane Smith's address line 1 \"1 Elm Row\" (the record keeps \"6 New St\"). Save the "
                    "league to keep its bowlers' new links."});
    const CPlayer* jane = Bowler(*opened, "Brown");
    ASSERT_NE(jane, nullptr);
    EXPECT_EQ(Who(*jane), first.at(1));
    EXPECT_EQ(Records("first"), first);
}

// Monday's league (Jane, then Owen) opened on the other database, whose key 1 is the record c
// names and key 2 Bob: a namesake is never taken, nor written by Edit and OK on Jane; Jane is met
// under her key, and Edit and OK writes her record.
void DatabaseIdentity::ExpectMetOnlyWhereHers(const CUnderHerKey& c, const char* pszOther, CBowlingDoc& opened,
                                              const Texts& monday, const std::map<DWORD, std::string>& before)
{
    const CPlayer* jane = Bowler(opened, "Smith");
    ASSERT_NE(jane, nullptr);
    std::map<DWORD, std::string> records = Records(pszOther);
    if (!c.bHers) {
        EXPECT_EQ(ui.MessageTexts(),
                  Texts{"2 of the league's bowlers were not in the player database: a record was added to it for "
                        "each, with the league's details (Jane Smith and Owen Fairweather). The player database "
                        "already holds a record that may be Jane Smith's, unique ref. 00000001: nothing else shows "
                        "whose it is. Save the league to keep its bowlers' new links."});
        EXPECT_EQ(Bowlers(opened), monday);
        EXPECT_EQ(jane->m_dwDbKey, 3u);
        EXPECT_EQ(records, (std::map<DWORD, std::string>{
                               {1, before.at(1)}, {2, before.at(2)}, {3, monday[0]}, {4, monday[1]}}));
        EditPhone(opened, "Smith", "0161 4969999");
        records = Records(pszOther);
        EXPECT_EQ(records.at(1), before.at(1));
        EXPECT_EQ(records.at(3), With(monday[0], "0161 4960002", "0161 4969999"));
        return;
    }
    const std::string kept = *c.pszKept ? std::string("Where the league's details differed from the record's, the "
                                                      "record keeps its own, which other leagues share: ") +
                                              c.pszKept + ". "
                                        : "";
    EXPECT_EQ(ui.MessageTexts(), Texts{"Owen Fairweather was not in the player database: a record was added to it "
                                       "for the bowler, with the league's details. " +
                                       kept + "Save the league to keep its bowlers' new links."});
    EXPECT_EQ(Nums(jane->m_dwDbKey, jane->m_qwDbStamp), Nums(1, StampOf(pszOther, 1)));
    EXPECT_NE(jane->m_qwDbStamp, 0u);
    EXPECT_EQ(Who(*jane), before.at(1));
    EXPECT_EQ(records, (std::map<DWORD, std::string>{{1, before.at(1)}, {2, before.at(2)}, {3, monday[1]}}));
    EditPhone(opened, "Smith", "0161 4969999");
    EXPECT_EQ(Records(pszOther).at(1), With(before.at(1), c.theirs.pszPhone, "0161 4969999"));
}

// A database kept by a release from before stamps: under key 1 it holds a Jane Smith of its own
// (no stamp, no typing time) beside Bob. Monday's league of this version, its Jane key 1 of the
// first database, is opened on that other database. A namesake living elsewhere with another
// phone is never taken: Monday's Jane keeps her details and becomes a record of her own, the
// namesake is named as a record that may be hers and is written by nothing, Edit and OK on Jane
// included. Jane as she lives now (moved house but kept her phone, or the other way), or a Jane
// the league knows only by names and gender, is met under her key as before.
TEST_F(DatabaseIdentity, UnderHerKeyInADatabaseOfAnEarlierReleaseANamesakeOfAnotherAddressAndPhoneIsNotHers)
{
    for (const CUnderHerKey& c : kUnderHerKey) {
        SCOPED_TRACE(c.pszRoad);
        const std::string road = c.pszRoad, first = road + "-first", other = road + "-other";
        const std::string file = road + "-Monday.lgf";
        UseDatabase(first.c_str());
        const Texts monday = Bowlers(*SavedLeague(file.c_str(), {c.mine, kOwen}));
        ASSERT_EQ(monday.size(), 2u);
        UseDatabase(other.c_str());
        SavedLeague((road + "-Thursday.lgf").c_str(), {c.theirs, kBob});
        AsAnEarlierReleaseLeftIt(other.c_str(), 1);
        const std::map<DWORD, std::string> before = Records(other.c_str());
        ui.ClearMessages();
        auto opened = Open(file.c_str());
        ExpectMetOnlyWhereHers(c, other.c_str(), *opened, monday, before);
        if (!c.bHers) {
            EXPECT_EQ(StampOf(other.c_str(), 1), 0u);  // never taken, so never stamped
        }
    }
}

// The other road: Monday's league file of a release from before stamps (version 77), made on
// another computer's database, is opened on the club's own database of this version, whose key 1
// is the Jane Smith of Thursday's league. A namesake of another address and phone is not Monday's
// Jane: Thursday's record is not shown her nor written by Edit and OK on her, and Thursday opened
// afterwards shows its Jane as she was, without a word. Jane as she lives now is met.
TEST_F(DatabaseIdentity, ALeagueFileOfAnEarlierReleaseTakesNoNamesakeOfAnotherAddressAndPhoneUnderItsKey)
{
    for (const CUnderHerKey& c : kUnderHerKey) {
        SCOPED_TRACE(c.pszRoad);
        const std::string road = c.pszRoad, club = road + "-club", away = road + "-away";
        const std::string file = road + "-Monday.lgf", thursdayFile = road + "-Thursday.lgf";
        UseDatabase(club.c_str());
        const Texts thursday = Bowlers(*SavedLeague(thursdayFile.c_str(), {c.theirs, kBob}));
        const std::map<DWORD, std::string> before = Records(club.c_str());
        UseDatabase(away.c_str());
        auto made = SavedLeague(file.c_str(), {c.mine, kOwen});
        const Texts monday = Bowlers(*made);
        for (POSITION pos = made->m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(made->m_listPlayers.GetNext(pos));
            p->m_qwDbStamp = 0;
            p->m_dbInStep = CDbInStep();
        }
        std::vector<BYTE> v77;
        made->SaveToBytes(v77);
        ASSERT_EQ(v77[0], 77);
        WriteFile(file.c_str(), v77);
        made.reset();

        UseDatabase(club.c_str());
        ui.ClearMessages();
        auto opened = Open(file.c_str());
        ExpectMetOnlyWhereHers(c, club.c_str(), *opened, monday, before);
        opened.reset();
        if (c.bHers)
            continue;
        ui.ClearMessages();
        auto thursdayAgain = Open(thursdayFile.c_str());
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(Bowlers(*thursdayAgain), thursday);
    }
}

// Monday's Jane moved house and changed her phone, typed while printing had the database closed:
// both wait for her record. The club's second database, a copy kept on by a release from before
// stamps, holds her record as Monday knew it (no stamp). Monday opened there: her own waiting
// change does not make her record a stranger's; it is met under her key and takes both, and no
// record is added.
TEST_F(DatabaseIdentity, HerOwnChangeOfAddressAndPhoneWaitingLeavesHerRecordHers)
{
    UseDatabase("first");
    auto monday = SavedLeague("Monday.lgf", {kJane, kOwen});
    {
        CBowlingView view;
        view.AttachTo(monday.get(), nullptr);
        CRecordingDC dc(true);
        CPrintInfo info;
        view.OnBeginPrinting(&dc, &info);
        ui.OnDialog(IDD_SELECT_PLAYER).SelectString(IDC_SP_LIST, "Smith Jane").OK();
        ui.OnDialog(IDD_EDIT_PLAYER).SetText(IDC_PD_ADDRESS[0], "7 Far Lane").SetText(IDC_PD_PHONE_HOME, "0113 4960099").OK();
        ASSERT_TRUE(monday->OnCmdMsg(ID_PLAYER_EDIT, CN_COMMAND, nullptr));
        ASSERT_TRUE(ui.AllUsed());
        const CPlayer* jane = Bowler(*monday, "Smith");
        ASSERT_NE(jane, nullptr);
        ASSERT_NE(jane->m_pDbPending, nullptr);
        std::vector<BYTE> bytes;
        monday->SaveToBytes(bytes);
        WriteFile("Monday.lgf", bytes);
        view.AttachTo(nullptr, nullptr);
    }
    const std::string moved = Who(*Bowler(*monday, "Smith"));
    monday.reset();
    std::filesystem::copy(dir.File("first"), dir.File("second"));
    AsAnEarlierReleaseLeftIt("second", 1);
    const std::map<DWORD, std::string> second = Records("second");
    ASSERT_EQ(second.at(1), With(With(moved, "7 Far Lane", kJane.pszAddress), "0113 4960099", kJane.pszPhone));
    UseDatabase("second");
    ui.ClearMessages();

    auto opened = Open("Monday.lgf");
    const CPlayer* jane = Bowler(*opened, "Smith");
    ASSERT_NE(jane, nullptr);
    EXPECT_EQ(Nums(jane->m_dwDbKey, jane->m_qwDbStamp), Nums(1, StampOf("second", 1)));
    EXPECT_EQ(jane->m_pDbPending, nullptr);
    EXPECT_EQ(Who(*jane), moved);
    EXPECT_EQ(Records("second"), (std::map<DWORD, std::string>{{1, moved}, {2, second.at(2)}}));
    for (const std::string& said : ui.MessageTexts())
        EXPECT_EQ(said.find("was not in the player database"), std::string::npos) << said;
}

// A release from before stamps rewrote Owen's record under his key on the second database with
// another first name, Owain, his surname, address and phone as they were: it may be his, and the
// secretary is told so, but it is not taken nor written; Owen becomes a record of his own.
TEST_F(DatabaseIdentity, ARecordUnderHisKeyOfHisSurnameAndPhoneButAnotherFirstNameIsNamedNotTaken)
{
    UseDatabase("first");
    const Texts monday = Bowlers(*SavedLeague("Monday.lgf", {kOwen}));
    ASSERT_EQ(monday.size(), 1u);
    UseDatabase("second");
    CBowlerDetails owain = kOwen;
    owain.pszFirst = "Owain";
    SavedLeague("Thursday.lgf", {owain});
    AsAnEarlierReleaseLeftIt("second", 1);
    const std::map<DWORD, std::string> second = Records("second");
    ui.ClearMessages();

    auto opened = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"Owen Fairweather was not in the player database: a record was added to it for the bowler, with "
                    "the league's details. The player database already holds a record that may be Owen Fairweather's, "
                    "unique ref. 00000001: nothing else shows whose it is. Save the league to keep its bowlers' new "
                    "links."});
    EXPECT_EQ(Bowlers(*opened), monday);
    EXPECT_EQ(KeyOf(*opened, "Fairweather"), 2u);
    EditPhone(*opened, "Fairweather", "0113 4969999");
    EXPECT_EQ(Records("second"), (std::map<DWORD, std::string>{
                                     {1, second.at(1)}, {2, With(monday[0], kOwen.pszPhone, "0113 4969999")}}));
    EXPECT_EQ(StampOf("second", 1), 0u);
}

// Another program (or an import) stored Ann's surname in the second database with blanks before or
// after it. Check Player Database lists her for "Lee" typed, and Similar Names would offer her for
// a new Ann Lee. Monday's Ann, whose key 2 there is Bob's, is met by her details all the same:
// linked to that record, found under another key (its surname named as the record keeps it), and
// Edit and OK writes it, the name tidied as the dialog tidies every name.
TEST_F(DatabaseIdentity, ASurnameStoredWithBlanksIsMetByItsBowlersDetailsUnderAnotherKey)
{
    UseDatabase("first");
    SavedLeague("Monday.lgf", {kOwen, kAnn});
    int nFolder = 0;
    for (const char* pszStored : {"  Lee", "Lee  ", " Lee "}) {
        SCOPED_TRACE(std::string("\"") + pszStored + "\"");
        const std::string folder = "second" + std::to_string(++nFolder);
        UseDatabase(folder.c_str());
        SavedLeague("Thursday.lgf", {kJane, kBob, kAnn});
        {
            CPlayerDatabase db;
            ASSERT_TRUE(db.Open(dir.File(folder.c_str()).c_str()));
            ASSERT_EQ(db.FindDbasePlayer(3), 0);
            db.GetTable().m_strSurname = pszStored;
            ASSERT_EQ(db.GetTable().Rewrite(), 0);
            CDWordArray similar;
            db.FindSimilarNames("Ann", "Lee", similar);
            ASSERT_EQ(similar.GetSize(), 1);
            EXPECT_EQ(similar[0], 3u);
        }
        const std::map<DWORD, std::string> before = Records(folder.c_str());
        auto fresh = DatabaseLeague();
        ui.OnDialog(IDD_CHECK_PLAYER_DB)
            .SetText(IDC_DB_SURNAME, "Lee")
            .Check([&](CDialog& d) { EXPECT_EQ(Items(d, IDC_DB_LIST), Texts{std::string("Ann ") + pszStored}); })
            .Cancel();
        ASSERT_TRUE(fresh->OnCmdMsg(ID_PLAYER_ADD, CN_COMMAND, nullptr));
        ASSERT_TRUE(ui.AllUsed());
        fresh.reset();

        ui.ClearMessages();
        auto opened = Open("Monday.lgf");
        EXPECT_EQ(ui.MessageTexts(),
                  Texts{"Owen Fairweather was not in the player database: a record was added to it for the bowler, "
                        "with the league's details. Ann Lee was linked to the bowler's own record in the player "
                        "database, found under another key. Where the league's details differed from the record's, "
                        "the record keeps its own, which other leagues share: Ann Lee's surname \"Lee\" (the record "
                        "keeps \"" + std::string(pszStored) + "\"). Save the league to keep its bowlers' new links."});
        EXPECT_EQ(KeyOf(*opened, pszStored), 3u);
        ASSERT_EQ(Records(folder.c_str()).size(), 4u);
        EditPhone(*opened, pszStored, "0113 4968888");
        EXPECT_EQ(Records(folder.c_str()).at(3),
                  With(With(before.at(3), kAnn.pszPhone, "0113 4968888"), pszStored, "Lee"));
    }
}
