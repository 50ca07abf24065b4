// The player database's own dialogs: taking a record when a bowler is added, "Similar Names",
// the look-up list, and D'base > Delete a Player on a database of a few thousand bowlers.
#include "AdminTest.h"
#include "AdminChecks.h"
#include "TempDir.h"
#include "admin/DatabaseCommands.h"
#include "admin/DatabasePlayerList.h"
#include "admin/PlayerSetup.h"
#include "framework/ui/Registry.h"
#include "league/Player.h"
#include "playerdb/BowlingDocDatabase.h"
#include "playerdb/PlayerDatabase.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <type_traits>

namespace {

using Texts = std::vector<std::string>;

struct DatabaseLeague : ::testing::Test
{
    TempDir dir;
    std::unique_ptr<CBowlingDoc> doc;
    CScriptedBackend ui;

    void SetUp() override
    {
        SetUpAdmin();
        PlayerSetup::Install();
        DatabaseCommands::Install();
        PlayerDatabase::Install();
        CRegistryKey key;
        ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, dir.File("db").c_str());
        doc = std::make_unique<CBowlingDoc>();
        ASSERT_TRUE(doc->m_pPlayerDb && doc->PlayerDbReady());  // made at its first need
        MakeLeague(*doc, 4, 6, At(2024, 9, 2));
        doc->m_bPlayerDatabase = 1;
    }
    void TearDown() override
    {
        doc.reset();
        CBowlingDoc::s_pfnOpenPlayerDb = nullptr;
        CBowlingDoc::s_pfnClosePlayerDb = nullptr;
    }
    CPlayb003File& Table() { return doc->m_pPlayerDb->GetTable(); }
    DWORD Record(const char* first, const char* surname, const char* address = "")
    {
        CPlayb003File& t = Table();
        t.Clear();
        t.m_dwKey = t.NewKey();
        t.m_strFirstName = first;
        t.m_strSurname = surname;
        t.m_strAddress[0] = address;
        t.m_wFlags = PF_MALE;
        EXPECT_EQ(t.Add(), 0);
        return t.m_dwKey;
    }
    CPlayer* InLeague(const char* first, const char* surname, DWORD dwKey)
    {
        auto* p = new CPlayer(static_cast<WORD>(doc->GetNextPlayerNumber()));
        p->m_strFirstName = first;
        p->m_strSurname = surname;
        p->m_dwDbKey = dwKey;
        doc->AddPlayer(p);
        return p;
    }
    CPlayer* Last() { return static_cast<CPlayer*>(doc->m_listPlayers.GetTail()); }
};

} // namespace

// ------------------------------------------------------------------ adding a bowler

TEST_F(DatabaseLeague, TheSimilarNamesRuleWorkedByHand)
{
    // Similar: the same surname in any case and the same first initial in any case.
    const DWORD john = Record("John", "Smith");
    const DWORD james = Record("james", "SMITH");
    Record("Mary", "Smith");        // another initial
    Record("Jo", "Smithson");       // another surname that only begins alike
    Record("Jane", "Smyth");        // spelt otherwise
    const DWORD jill = Record("Jill", "smith");
    CDWordArray keys;
    doc->m_pPlayerDb->FindSimilarNames("Jim", "Smith", keys);
    std::vector<DWORD> got(keys.GetData(), keys.GetData() + keys.GetSize());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<DWORD>{john, james, jill}));
    doc->m_pPlayerDb->FindSimilarNames("", "Smyth", keys);
    EXPECT_EQ(keys.GetSize(), 0);  // no initial is like no other
    doc->m_pPlayerDb->FindSimilarNames("Ann", "Jones", keys);
    EXPECT_EQ(keys.GetSize(), 0);
}

TEST_F(DatabaseLeague, ANewBowlerLikeARecordIsLinkedToItInsteadOfADuplicate)
{
    const DWORD john = Record("John", "Smith", "1 Mill Lane");
    Record("Mary", "Smith");
    const DWORD nBefore = Table().GetRecordCount();

    ui.OnDialog(IDD_CHECK_PLAYER_DB)
        .SetText(IDC_DB_SURNAME, "Smith")
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_DB_LIST), (Texts{"John Smith", "Mary Smith"})); })
        .Click(IDC_DB_ADD_NEW);
    ui.OnDialog(IDD_NEW_PLAYER)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PD_SURNAME).text, "Smith"); })  // what was typed
        .SetText(IDC_PD_FORENAME_NEW, "Jon").SelectString(IDC_PD_TEAM, "Team_01")
        .OK();
    ui.OnDialog(IDD_SIMILAR_NAMES)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_SN_LIST), (Texts{"Add Player to the Database", "John Smith"}));
            EXPECT_EQ(Selected(d, IDC_SN_LIST), "Add Player to the Database");
            EXPECT_EQ(TextsOf(d, {IDC_SN_ACTION, IDC_SN_NAME}), (Texts{"Adding", "Jon Smith"}));
        })
        .Select(IDC_SN_LIST, 1)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SN_ACTION).text, "Using"); })
        .Click(IDC_SN_DISPLAY)
        .OK();
    CString ref;
    ref.Format("%08lX", static_cast<unsigned long>(john));
    ui.OnDialog(IDD_DATABASE_DETAILS)
        .Check([&](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_DD_FIRST_NAME, IDC_DD_ADDRESS[0], IDC_DD_UNIQUE_REF}),
                      (Texts{"John", "1 Mill Lane", ref.GetString()}));
        })
        .OK();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(doc.get()), 1);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Last()->m_dwDbKey, john);
    EXPECT_EQ(Table().GetRecordCount(), nBefore);  // no duplicate
    // The bowler is the record's John: its names and the address the secretary did not type
    // again are his, and the record is not renamed after what was typed.
    CPlayer stored;
    stored.m_dwDbKey = john;
    ASSERT_EQ(doc->GetDbasePlayer(&stored), 0);
    EXPECT_EQ(Strs(Last()->m_strFirstName, Last()->m_strName, Last()->m_strAddress[0], stored.m_strFirstName,
                   stored.m_strAddress[0]),
              (Texts{"John", "John Smith", "1 Mill Lane", "John", "1 Mill Lane"}));

    // The first line adds a record; with "Stop reporting" ticked nobody is asked again.
    ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
    ui.OnDialog(IDD_NEW_PLAYER).SetText(IDC_PD_FORENAME_NEW, "Mo").SetText(IDC_PD_SURNAME, "smith").OK();
    ui.OnDialog(IDD_SIMILAR_NAMES).Click(IDC_SN_STOP).OK();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(doc.get()), 1);
    EXPECT_EQ(Table().GetRecordCount(), nBefore + 1);
    EXPECT_NE(Last()->m_dwDbKey, john);
    EXPECT_EQ(doc->m_bStopDbReporting, 1u);
    ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
    ui.OnDialog(IDD_NEW_PLAYER).SetText(IDC_PD_FORENAME_NEW, "Max").SetText(IDC_PD_SURNAME, "Smith").OK();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(doc.get()), 1);
    EXPECT_EQ(Table().GetRecordCount(), nBefore + 2);
}

// Two Jane Smiths are in the database: Similar Names tells them apart by their first address
// lines, as the look-up lists do. The Oak Lane line chosen, the new bowler is that record's Jane,
// with its key and address; no record is added, Elm Row's is untouched. A namesake the league
// holds is not offered, but the record offered is still told from it.
TEST_F(DatabaseLeague, SimilarNamesTellsRecordsOfOneNameApart)
{
    const DWORD elm = Record("Jane", "Smith", "1 Elm Row");
    const DWORD oak = Record("Jane", "Smith", " 2 Oak Lane ");
    const DWORD nBefore = Table().GetRecordCount();
    auto add = [&](const char* pszFirst, const char* pszSurname, const Texts& offered, const char* pszChosen) {
        ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
        ui.OnDialog(IDD_NEW_PLAYER)
            .SetText(IDC_PD_FORENAME_NEW, pszFirst).SetText(IDC_PD_SURNAME, pszSurname)
            .SelectString(IDC_PD_TEAM, "Team_01")
            .OK();
        ui.OnDialog(IDD_SIMILAR_NAMES)
            .Check([&](CDialog& d) {
                Texts lines = Items(d, IDC_SN_LIST);
                ASSERT_FALSE(lines.empty());
                EXPECT_EQ(lines[0], "Add Player to the Database");
                std::sort(lines.begin() + 1, lines.end());
                EXPECT_EQ(Texts(lines.begin() + 1, lines.end()), offered);
            })
            .SelectString(IDC_SN_LIST, pszChosen)
            .OK();
        ASSERT_EQ(PlayerSetup::AddNewPlayers(doc.get()), 1);
        EXPECT_TRUE(ui.AllUsed());
    };
    add("Jane", "Smith", {"Jane Smith (1 Elm Row)", "Jane Smith (2 Oak Lane)"}, "Jane Smith (2 Oak Lane)");
    EXPECT_EQ(Nums(Last()->m_dwDbKey, Table().GetRecordCount()), Nums(oak, nBefore));
    EXPECT_EQ(Last()->m_strAddress[0], " 2 Oak Lane ");
    ASSERT_EQ(doc->FindDbasePlayer(elm), 0);
    EXPECT_EQ(Strs(Table().m_strFirstName, Table().m_strAddress[0]), (Texts{"Jane", "1 Elm Row"}));

    const DWORD held = Record("ruth", "COLE");
    InLeague("ruth", "COLE", held);
    Record("Ruth", "Cole", "3 Bank Rd");
    add("Ruth", "Cole", {"Ruth Cole (3 Bank Rd)"}, "Add Player to the Database");
    EXPECT_EQ(Table().GetRecordCount(), nBefore + 3);
}

TEST_F(DatabaseLeague, RecordsHeldByTheLeaguesBowlersAreNotOfferedAsSimilar)
{
    const DWORD jim = Record("Jim", "Hall");
    InLeague("Jim", "Hall", jim);
    const DWORD jo = Record("Jo", "Hall");

    // Jim's record is his: only Jo's is offered, and taking it links to Jo's record.
    ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
    ui.OnDialog(IDD_NEW_PLAYER).SetText(IDC_PD_FORENAME_NEW, "Jack").SetText(IDC_PD_SURNAME, "Hall").OK();
    ui.OnDialog(IDD_SIMILAR_NAMES)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_SN_LIST), (Texts{"Add Player to the Database", "Jo Hall"})); })
        .Select(IDC_SN_LIST, 1)
        .OK();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(doc.get()), 1);
    EXPECT_EQ(Last()->m_dwDbKey, jo);

    // Both held now: nobody is asked, and the next one gets a record of his own.
    ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
    ui.OnDialog(IDD_NEW_PLAYER).SetText(IDC_PD_FORENAME_NEW, "Jed").SetText(IDC_PD_SURNAME, "Hall").OK();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(doc.get()), 1);
    EXPECT_TRUE(Last()->m_dwDbKey != jim && Last()->m_dwDbKey != jo) << Last()->m_dwDbKey;
    EXPECT_EQ(Table().GetRecordCount(), 3u);
}

TEST_F(DatabaseLeague, ARecordFoundBySurnameBecomesTheNewBowler)
{
    const DWORD ann = Record("Ann", "Baker", "3 Bank Road");
    Record("Bob", "Bakewell");
    const DWORD cy = Record("Cy", "Baker");
    InLeague("Cy", "Baker", cy);  // already in the league: never offered
    const DWORD nBefore = Table().GetRecordCount();

    ui.OnDialog(IDD_CHECK_PLAYER_DB)
        .OK()  // nothing chosen yet
        .SetText(IDC_DB_SURNAME, "bak")
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_DB_LIST), (Texts{"Ann Baker", "Bob Bakewell"})); })
        .Select(IDC_DB_LIST, 0).Click(IDC_DB_DISPLAY)
        .OK();
    ui.AnswerMessageBox(IDOK, "No selection made!");
    CString ref;
    ref.Format("%08lX", static_cast<unsigned long>(ann));
    ui.OnDialog(IDD_DATABASE_DETAILS).Check([&](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_DD_UNIQUE_REF).text, ref); }).OK();
    ui.OnDialog(IDD_NEW_PLAYER)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_PD_FORENAME_NEW, IDC_PD_SURNAME, IDC_PD_ADDRESS[0]}),
                      (Texts{"Ann", "Baker", "3 Bank Road"}));
        })
        .SelectString(IDC_PD_TEAM, "Team_02").SetText(IDC_PD_PHONE_HOME, "0161 555").Click(IDC_PD_ANOTHER)
        .OK();
    // The next one is cancelled at the look-up: adding ends.
    ui.OnDialog(IDD_CHECK_PLAYER_DB).Cancel();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(doc.get()), 1);
    EXPECT_EQ(Nums(Last()->m_dwDbKey, Last()->m_nTeamNo, Table().GetRecordCount()), Nums(ann, 2, nBefore));
    CPlayer stored;
    stored.m_dwDbKey = ann;
    ASSERT_EQ(doc->GetDbasePlayer(&stored), 0);
    // The league's copy went back.
    EXPECT_EQ(Strs(stored.m_strPhoneHome, stored.m_strAddress[0]), (Texts{"0161 555", "3 Bank Road"}));
}

// ------------------------------------------------------------------ a record chosen is the person's

namespace {

// League O (the fixture's league) added Jane Smith, female and a "Social" member, with her address
// and home phone, and was saved. League F shares the database and knows one membership type.
struct ChosenRecord : DatabaseLeague
{
    std::unique_ptr<CBowlingDoc> f;
    DWORD jane = 0;
    Texts janeRecord;  // as O left it

    void SetUp() override
    {
        DatabaseLeague::SetUp();
        for (const char* type : {"Full", "Junior", "Social"})
            doc->m_arrMembershipTypes.Add(type);
        ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
        ui.OnDialog(IDD_NEW_PLAYER)
            .SetText(IDC_PD_FORENAME_NEW, "Jane").SetText(IDC_PD_SURNAME, "Smith")
            .SelectString(IDC_PD_STATUS, "Female").SelectString(IDC_PD_MEMBERSHIP_TYPE, "Social")
            .SetText(IDC_PD_ADDRESS[0], "1 Elm Row").SetText(IDC_PD_PHONE_HOME, "0113 555 1234")
            .SelectString(IDC_PD_TEAM, "Team_01")
            .OK();
        ASSERT_EQ(PlayerSetup::AddNewPlayers(doc.get()), 1);
        jane = Last()->m_dwDbKey;
        ASSERT_NE(jane, 0u);
        ASSERT_TRUE(doc->OnSaveDocument(dir.File("O.lgf").c_str()));
        janeRecord = RecordOf(jane);
        ASSERT_EQ(janeRecord[SD_FLAGS], std::to_string(PF_FEMALE));
        f = std::make_unique<CBowlingDoc>();
        MakeLeague(*f, 4, 6, At(2024, 9, 5));
        f->m_arrMembershipTypes.Add("Full");
        f->m_bPlayerDatabase = 1;
        ui.ClearMessages();
    }
    void TearDown() override
    {
        f.reset();
        DatabaseLeague::TearDown();
    }
    // Every detail of a record by its number, then its stamp and when its values were typed, as a
    // third program reads them: a record written in any way reads otherwise.
    Texts RecordOf(DWORD dwKey)
    {
        CPlayerDatabase db;
        EXPECT_TRUE(db.Open(dir.File("db").c_str()));
        EXPECT_EQ(db.FindDbasePlayer(dwKey), 0);
        const CPlayb003File& t = db.GetTable();
        Texts v;
        ForEachSharedDetail(
            [&v](int, const auto& x) {
                if constexpr (std::is_same_v<std::decay_t<decltype(x)>, CString>)
                    v.push_back(x.GetString());
                else
                    v.push_back(std::to_string(x));
            },
            t);
        v.push_back(std::to_string(t.m_wFlags & PF_CATEGORY_MASK));
        v.push_back(std::to_string(t.m_qwStamp));
        v.push_back(std::to_string(t.m_nTypedBy));
        return v;
    }
    static Texts WithDetail(Texts v, int n, const char* value)
    {
        v[static_cast<size_t>(n)] = value;
        return v;
    }
    CPlayer* LastOf(CBowlingDoc& d) { return static_cast<CPlayer*>(d.m_listPlayers.GetTail()); }
    // F: Player > Add a New Player, "Smith" typed and "Add new Player"; the caller's steps in New
    // Player Details (after the forename and team), then Jane Smith's record taken in Similar Names.
    void AddJaneToF(const std::function<void(CScriptedBackend::DialogScript&)>& typed)
    {
        ui.OnDialog(IDD_CHECK_PLAYER_DB).SetText(IDC_DB_SURNAME, "Smith").Click(IDC_DB_ADD_NEW);
        auto& details = ui.OnDialog(IDD_NEW_PLAYER)
                            .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PD_SURNAME).text, "Smith"); })
                            .SetText(IDC_PD_FORENAME_NEW, "Jane").SelectString(IDC_PD_TEAM, "Team_02");
        typed(details);
        details.OK();
        ui.OnDialog(IDD_SIMILAR_NAMES)
            .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_SN_LIST), (Texts{"Add Player to the Database", "Jane Smith"})); })
            .Select(IDC_SN_LIST, 1)
            .OK();
        ASSERT_EQ(PlayerSetup::AddNewPlayers(f.get()), 1);
        ASSERT_TRUE(ui.AllUsed());
        ASSERT_EQ(LastOf(*f)->m_dwDbKey, jane);
    }
    // League O as File > Open reads it now: Jane's status, address, home phone and mobile.
    Texts JaneInO()
    {
        CBowlingDoc o;
        EXPECT_TRUE(o.OnOpenDocument(dir.File("O.lgf").c_str()));
        const CPlayer* p = LastOf(o);
        CString status;
        p->GetCategoryName(status);
        return Strs(status, p->m_strAddress[0], p->m_strPhoneHome, p->m_strPhoneMobile);
    }
};

} // namespace

TEST_F(ChosenRecord, TheDialogsDefaultsNeverReplaceTheRecordsDetails)
{
    // The status left at "Male" and every box blank but her forename.
    AddJaneToF([](CScriptedBackend::DialogScript& d) {
        d.Check([](CDialog& dlg) { EXPECT_EQ(Selected(dlg, IDC_PD_STATUS), "Male"); });
    });
    EXPECT_EQ(ui.MessageTexts(), Texts{});
    const CPlayer* p = LastOf(*f);
    CString status;
    p->GetCategoryName(status);
    EXPECT_EQ(Strs(status, p->m_strName, p->m_strAddress[0], p->m_strPhoneHome),
              (Texts{"Female", "Jane Smith", "1 Elm Row", "0113 555 1234"}));
    EXPECT_EQ(Nums(p->m_nMembershipType, p->m_nTeamNo), Nums(3, 2));
    EXPECT_EQ(RecordOf(jane), janeRecord);  // not written at all
    EXPECT_EQ(JaneInO(), (Texts{"Female", "1 Elm Row", "0113 555 1234", ""}));
    EXPECT_EQ(ui.MessageTexts(), Texts{});
}

TEST_F(ChosenRecord, ATypedDetailTheRecordLacksReachesItAndOneItHoldsOtherwiseIsNamed)
{
    // The status picked though it is the one shown, then an address and a mobile typed.
    AddJaneToF([](CScriptedBackend::DialogScript& d) {
        d.SelectString(IDC_PD_STATUS, "Male")
            .SetText(IDC_PD_ADDRESS[0], "2 Oak Lane").SetText(IDC_PD_PHONE_MOBILE, "07700 900123");
    });
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"The record chosen for Jane Smith keeps its own details where those typed differed, as other "
                    "leagues share it: Jane Smith's address line 1 \"2 Oak Lane\" (the record keeps \"1 Elm Row\") "
                    "and Jane Smith's status Male (the record keeps Female)."});
    const CPlayer* p = LastOf(*f);
    CString status;
    p->GetCategoryName(status);
    EXPECT_EQ(Strs(status, p->m_strAddress[0], p->m_strPhoneHome, p->m_strPhoneMobile),
              (Texts{"Female", "1 Elm Row", "0113 555 1234", "07700 900123"}));
    EXPECT_EQ(p->m_pDbPending, nullptr);  // nothing waits
    const Texts now = RecordOf(jane);
    ASSERT_EQ(now.size(), janeRecord.size());
    // The mobile written, and when it was typed; nothing else.
    EXPECT_EQ(Texts(now.begin(), now.end() - 1),
              WithDetail(Texts(janeRecord.begin(), janeRecord.end() - 1), SD_PHONE_MOBILE, "07700 900123"));
    ui.ClearMessages();
    EXPECT_EQ(JaneInO(), (Texts{"Female", "1 Elm Row", "0113 555 1234", "07700 900123"}));
    EXPECT_EQ(ui.MessageTexts(), Texts{});
}

TEST_F(ChosenRecord, TakenFromCheckPlayerDatabaseTheDialogShowsTheRecordAndOnlyWhatWasChangedIsWritten)
{
    ui.OnDialog(IDD_CHECK_PLAYER_DB)
        .SetText(IDC_DB_SURNAME, "Smith")
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_DB_LIST), Texts{"Jane Smith"}); })
        .Select(IDC_DB_LIST, 0)
        .OK();
    // Her type is beyond F's one: the box shows "None", and it is left alone.
    ui.OnDialog(IDD_NEW_PLAYER)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_PD_ADDRESS[0], IDC_PD_PHONE_HOME}), (Texts{"1 Elm Row", "0113 555 1234"}));
            EXPECT_EQ((Texts{Selected(d, IDC_PD_STATUS), Selected(d, IDC_PD_MEMBERSHIP_TYPE)}), (Texts{"Female", "None"}));
        })
        .SetText(IDC_PD_PHONE_MOBILE, "07700 900123").SelectString(IDC_PD_TEAM, "Team_02")
        .OK();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(f.get()), 1);
    ASSERT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(), Texts{});
    const CPlayer* p = LastOf(*f);
    EXPECT_EQ(Nums(p->m_dwDbKey, p->m_wFlags & PF_CATEGORY_MASK, p->m_nMembershipType), Nums(jane, PF_FEMALE, 3));
    const Texts now = RecordOf(jane);
    ASSERT_EQ(now.size(), janeRecord.size());
    EXPECT_EQ(Texts(now.begin(), now.end() - 1),
              WithDetail(Texts(janeRecord.begin(), janeRecord.end() - 1), SD_PHONE_MOBILE, "07700 900123"));
    EXPECT_EQ(JaneInO(), (Texts{"Female", "1 Elm Row", "0113 555 1234", "07700 900123"}));
}

// ------------------------------------------------------------------ look-up and delete

namespace {

struct Person
{
    std::string first, surname;
};

// Every record by key, every key once in the surname walk in order, and the index sound.
void ExpectDatabaseIs(CPlayb003File& t, const std::map<DWORD, Person>& want)
{
    ASSERT_EQ(t.GetRecordCount(), want.size());
    CString why;
    EXPECT_TRUE(t.VerifyIndexes(why)) << why.GetString();
    ASSERT_EQ(t.SelectIndex("Key"), 0);
    for (const auto& [key, person] : want) {
        t.Clear();
        t.m_dwKey = key;
        ASSERT_EQ(t.Find(), 0) << key;
        EXPECT_EQ(Strs(t.m_strSurname, t.m_strFirstName), (std::vector<std::string>{person.surname, person.first}));
    }
    ASSERT_EQ(t.SelectIndex("Sname"), 0);
    std::map<DWORD, int> seen;
    CString previous;
    t.First();
    while (t.Next(1) == 0) {
        CString up = t.m_strSurname;
        up.MakeUpper();
        EXPECT_GE(up.Compare(previous), 0);
        previous = up;
        ++seen[t.m_dwKey];
    }
    EXPECT_EQ(seen.size(), want.size());
    for (const auto& [key, n] : seen)
        EXPECT_TRUE(want.count(key) == 1 && n == 1) << key;
}

} // namespace

TEST_F(DatabaseLeague, LookUpAndDeleteInThreeThousandBowlers)
{
    const char* surnames[] = {"Smith", "Smithson", "smythe", "Jones", "Baker", "Bakewell", "O'Neil", "Lee"};
    const char* firsts[] = {"Ann", "Bob", "Cy", "Di", "Ed", "Flo"};
    std::mt19937 rng(5);
    std::map<DWORD, Person> want;
    for (int i = 0; i < 3000; ++i) {
        Person p{firsts[rng() % 6], std::string(surnames[rng() % 8]) + static_cast<char>('a' + rng() % 3)};
        want[Record(p.first.c_str(), p.surname.c_str())] = p;
    }
    // League bowlers are never offered, but for an excluded one in "Player Database" where his
    // record is the first found: Zebra is, Zebrano after it is not.
    const DWORD inLeague = want.begin()->first;
    InLeague(want[inLeague].first.c_str(), want[inLeague].surname.c_str(), inLeague);
    const DWORD zebra = Record("Al", "Zebra");
    const DWORD zebrano = Record("Al", "Zebrano");
    want[zebra] = {"Al", "Zebra"};
    want[zebrano] = {"Al", "Zebrano"};
    InLeague("Al", "Zebra", zebra)->m_wFlags |= PF_RESIGNED;
    InLeague("Al", "Zebrano", zebrano)->m_wFlags |= PF_RESIGNED;
    auto listed = [&](const char* typed, BOOL bExcludedOut) {
        std::map<DWORD, int> got;
        for (const CDatabaseListLine& line : ListDatabasePlayers(doc.get(), typed, bExcludedOut))
            got[line.dwKey] += 1;
        return got;
    };
    EXPECT_EQ(listed("zeb", TRUE), (std::map<DWORD, int>{{zebra, 1}}));
    EXPECT_EQ(listed("zeb", FALSE), (std::map<DWORD, int>{}));
    EXPECT_EQ(listed("", TRUE).count(zebrano), 1u);
    EXPECT_EQ(listed("", FALSE).count(zebra), 0u);

    // The list for a typed start is every record whose surname begins with it, any case.
    for (const char* typed : {"", "smi", "SMITHSONb", "o'", "zz", "b"}) {
        std::map<DWORD, int> expect;
        const CString strTyped(typed);
        for (const auto& [key, p] : want) {
            CString s(p.surname.c_str());
            if (key != inLeague && key != zebra && key != zebrano &&
                s.Left(strTyped.GetLength()).CompareNoCase(strTyped) == 0)
                expect[key] = 1;
        }
        EXPECT_EQ(listed(typed, FALSE), expect) << typed;
    }
    // An empty text lists surname first, in surname order; every name here is held by many
    // records without an address, each told apart by its reference.
    std::vector<CDatabaseListLine> all = ListDatabasePlayers(doc.get(), "", TRUE);
    ASSERT_EQ(all.size(), want.size() - 1);  // Zebra and Zebrano offered
    CString ref;
    ref.Format(" (Unique Ref. %08lX)", static_cast<unsigned long>(all[0].dwKey));
    EXPECT_EQ(all[0].strText, (want[all[0].dwKey].surname + " " + want[all[0].dwKey].first).c_str() + ref);

    // Deleting through D'base > Delete a Player, one record at a time.
    CCmdUI state;
    state.m_nID = ID_DBASE_DELETE_PLAYER;
    doc->OnCmdMsg(ID_DBASE_DELETE_PLAYER, CN_UPDATE_COMMAND_UI, &state);
    EXPECT_TRUE(state.m_bEnabled);
    for (const char* typed : {"Lee", "smy", "o'neilc"}) {
        DWORD chosen = 0;
        ui.OnDialog(IDD_PLAYER_DATABASE)
            .SetText(IDC_DB_SURNAME, typed).Select(IDC_DB_LIST, 1)
            .Check([&](CDialog& d) { chosen = static_cast<DWORD>(Ctl(d, IDC_DB_LIST).items[1].data); })
            .OK();
        ui.AnswerMessageBox(IDYES, "from the Player Database?");
        ASSERT_TRUE(doc->OnCmdMsg(ID_DBASE_DELETE_PLAYER, CN_COMMAND, nullptr));
        ASSERT_TRUE(ui.AllUsed());
        ASSERT_EQ(want.erase(chosen), 1u);
        ExpectDatabaseIs(Table(), want);
    }
    // No keeps the record; Cancel and nothing chosen delete nothing.
    ui.OnDialog(IDD_PLAYER_DATABASE).Select(IDC_DB_LIST, 0).OK();
    ui.AnswerMessageBox(IDNO);
    EXPECT_FALSE(DatabaseCommands::DeleteDatabasePlayer(doc.get()));
    ui.OnDialog(IDD_PLAYER_DATABASE).OK().Cancel();
    ui.AnswerMessageBox(IDOK, "No selection made!");
    EXPECT_FALSE(DatabaseCommands::DeleteDatabasePlayer(doc.get()));
    EXPECT_TRUE(ui.AllUsed());
    ExpectDatabaseIs(Table(), want);

    // The excluded bowler's record may go; he is linked to it no more.
    ui.OnDialog(IDD_PLAYER_DATABASE)
        .SetText(IDC_DB_SURNAME, "zebra")
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_DB_LIST), Texts{"Al Zebra"}); })
        .Select(IDC_DB_LIST, 0)
        .OK();
    ui.AnswerMessageBox(IDYES);
    doc->SetModifiedFlag(FALSE);
    ASSERT_TRUE(DatabaseCommands::DeleteDatabasePlayer(doc.get()));
    want.erase(zebra);
    ExpectDatabaseIs(Table(), want);
    EXPECT_EQ(doc->FindPlayerByDbKey(zebra), nullptr);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DatabaseLeague, RecordsOfOneNameAreToldApartInTheListAndTheQuestion)
{
    const DWORD mill = Record("Denise", "Hallam", "12 Mill Lane");
    const DWORD quay = Record("Denise", "Hallam", "4 Quay St");
    const DWORD alike = Record("denise", "HALLAM", " 12  mill lane");  // the same line as Mill Lane's
    const DWORD dan = Record("Dan", "Hallam", "12 Mill Lane");
    auto ref = [](DWORD dwKey) {
        CString s;
        s.Format("Unique Ref. %08lX", static_cast<unsigned long>(dwKey));
        return std::string(s.GetString());
    };
    Texts listed = {"Dan Hallam", "Denise Hallam (" + ref(mill) + ")", "Denise Hallam (4 Quay St)",
                    "denise HALLAM (" + ref(alike) + ")"};
    std::sort(listed.begin(), listed.end());
    ui.OnDialog(IDD_PLAYER_DATABASE)
        .SetText(IDC_DB_SURNAME, "Hallam")
        .Check([&](CDialog& d) {
            Texts got = Items(d, IDC_DB_LIST);
            std::sort(got.begin(), got.end());
            EXPECT_EQ(got, listed);
        })
        .SelectString(IDC_DB_LIST, "Denise Hallam (4 Quay St)")
        .OK();
    ui.AnswerMessageBox(IDYES, "Delete Denise Hallam (4 Quay St) from the Player Database?");
    ASSERT_TRUE(DatabaseCommands::DeleteDatabasePlayer(doc.get()));
    ASSERT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc->FindDbasePlayer(quay), doc->FindDbasePlayer(mill), doc->FindDbasePlayer(alike),
                   doc->FindDbasePlayer(dan)),
              Nums(-1, 0, 0, 0));

    // Two are left alike: the whole list tells them apart by reference; a name held once is asked
    // about as it is.
    std::vector<std::string> all;
    for (const CDatabaseListLine& line : ListDatabasePlayers(doc.get(), "", TRUE))
        all.push_back(line.strText.GetString());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, (Texts{"HALLAM denise (" + ref(alike) + ")", "Hallam Dan", "Hallam Denise (" + ref(mill) + ")"}));
    ui.OnDialog(IDD_PLAYER_DATABASE).SetText(IDC_DB_SURNAME, "Hallam").SelectString(IDC_DB_LIST, "Dan Hallam").OK();
    ui.AnswerMessageBox(IDNO, "Delete Dan Hallam from the Player Database?");
    EXPECT_FALSE(DatabaseCommands::DeleteDatabasePlayer(doc.get()));
    EXPECT_TRUE(ui.AllUsed());

    // Her namesake's record is the open league's, so not listed; she is still told from it.
    InLeague("denise", "HALLAM", alike);
    const std::string strMill = "Denise Hallam (" + ref(mill) + ")";
    ui.OnDialog(IDD_PLAYER_DATABASE)
        .SetText(IDC_DB_SURNAME, "Hallam")
        .Check([&](CDialog& d) {
            Texts got = Items(d, IDC_DB_LIST);
            std::sort(got.begin(), got.end());
            EXPECT_EQ(got, (Texts{"Dan Hallam", strMill}));
        })
        .SelectString(IDC_DB_LIST, strMill.c_str())
        .OK();
    ui.AnswerMessageBox(IDYES, ("Delete " + strMill + " from the Player Database?").c_str());
    ASSERT_TRUE(DatabaseCommands::DeleteDatabasePlayer(doc.get()));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc->FindDbasePlayer(mill), doc->FindDbasePlayer(alike)), Nums(-1, 0));
}

// Key 10 is one reference everywhere: "0000000A" in the look-up list that tells two John Smiths
// apart, in the Database Details that Check Player Database's "Display Player" shows, and in
// those of Similar Names' "Display".
TEST_F(DatabaseLeague, AUniqueReferenceReadsTheSameInEveryList)
{
    for (int n = 1; n <= 8; ++n)
        Record("Filler", ("Record" + std::to_string(n)).c_str());
    ASSERT_EQ(Record("John", "Smith"), 9u);
    ASSERT_EQ(Record("John", "Smith"), 10u);
    const Texts told{"John Smith (Unique Ref. 00000009)", "John Smith (Unique Ref. 0000000A)"};
    auto uniqueRef = [](const char* pszShown) {
        return [pszShown](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_DD_UNIQUE_REF).text, pszShown); };
    };
    ui.OnDialog(IDD_CHECK_PLAYER_DB)
        .SetText(IDC_DB_SURNAME, "Smith")
        .Check([&](CDialog& d) { EXPECT_EQ(Items(d, IDC_DB_LIST), told); })
        .SelectString(IDC_DB_LIST, told[1].c_str())
        .Click(IDC_DB_DISPLAY)
        .Click(IDC_DB_ADD_NEW);
    ui.OnDialog(IDD_DATABASE_DETAILS).Check(uniqueRef("0000000A")).OK();
    ui.OnDialog(IDD_NEW_PLAYER).SetText(IDC_PD_FORENAME_NEW, "Jon").SelectString(IDC_PD_TEAM, "Team_01").OK();
    ui.OnDialog(IDD_SIMILAR_NAMES)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_SN_LIST), (Texts{"Add Player to the Database", told[0], told[1]}));
        })
        .SelectString(IDC_SN_LIST, told[1].c_str())
        .Click(IDC_SN_DISPLAY)
        .Select(IDC_SN_LIST, 0)
        .OK();
    ui.OnDialog(IDD_DATABASE_DETAILS).Check(uniqueRef("0000000A")).OK();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(doc.get()), 1);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Last()->m_dwDbKey, 11u);
}
