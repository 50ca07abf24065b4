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
#include <map>
#include <memory>
#include <random>
#include <string>

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
    ref.Format("%08lx", static_cast<unsigned long>(john));
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
    // An empty text lists surname first, in surname order.
    std::vector<CDatabaseListLine> all = ListDatabasePlayers(doc.get(), "", TRUE);
    ASSERT_EQ(all.size(), want.size() - 1);  // Zebra and Zebrano offered
    EXPECT_EQ(all[0].strText, (want[all[0].dwKey].surname + " " + want[all[0].dwKey].first).c_str());

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
