// A league kept in the player database is carried to another computer (its database empty, or
// another league's), edited there through Player > Edit, saved, and brought home: through File >
// Open, what it typed after its bowlers' home records last changed reaches them, what it cannot
// write is named, and a league that never left says nothing.
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

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// What the away computer's Player > Edit changes of Denise, and her record's details at home.
constexpr const char* kHomePhone = "0113 4961111";
constexpr const char* kHomeAddress = "4 Old Lane";
constexpr const char* kHomeNumber = "A1001";
constexpr const char* kHomePostcode = "LS1 1AA";
constexpr const char* kAwayPhone = "0113 4962222";
constexpr const char* kAwayAddress = "9 New Road";
constexpr const char* kAwayNumber = "B2002";
constexpr const char* kAwayMobile = "07700 900456";

// Her details as they show: address line 1, home phone, mobile phone and membership number.
Texts Shown(const CSharedDetails& d)
{
    return Strs(d.m_strAddress[0], d.m_strPhoneHome, d.m_strPhoneMobile, d.m_strMembershipNo);
}

const Texts kAtHome{kHomeAddress, kHomePhone, "", kHomeNumber};
const Texts kTypedAway{kAwayAddress, kAwayPhone, kAwayMobile, kAwayNumber};

// The notice naming her four changes, with the record's values (held, or kept).
std::string Named(const char* pszRecord, const Texts& league, const Texts& record)
{
    auto quoted = [](const std::string& s) { return s.empty() ? std::string("blank") : "\"" + s + "\""; };
    const char* const names[] = {"address line 1", "home phone", "mobile phone", "membership number"};
    std::string list;
    for (int i = 0; i < 4; ++i)
        list += std::string(i == 0 ? "" : i == 3 ? " and " : "; ") + "Denise Hallam's " + names[i] + " " +
                quoted(league[i]) + " (the record " + pszRecord + " " + quoted(record[i]) + ")";
    return list;
}

struct BroughtHome : DatabaseLeagues
{
    // The computer whose database is this folder: a league document made from now on uses it.
    void OnComputer(const char* pszFolder)
    {
        UseDatabase(pszFolder);
        // Each computer has a database of its own, the away one empty until the league comes.
        CPlayerDatabase db;
        ASSERT_TRUE(db.Open(dir.File(pszFolder).c_str()));
    }
    // Player > Add a New Player: "Add new Player", then Denise's details (a birth date, which
    // tells her from another of her name), or Owen's.
    void Add(CBowlingDoc& doc, bool bDenise)
    {
        ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
        auto& dialog = ui.OnDialog(IDD_NEW_PLAYER).SelectString(IDC_PD_TEAM, "Team_01");
        if (bDenise)
            dialog.SetText(IDC_PD_FORENAME_NEW, "Denise").SetText(IDC_PD_SURNAME, "Hallam")
                .SelectString(IDC_PD_STATUS, "Female")
                .SetText(IDC_PD_ADDRESS[0], kHomeAddress).SetText(IDC_PD_POSTCODE, kHomePostcode)
                .SetText(IDC_PD_PHONE_HOME, kHomePhone).SetText(IDC_PD_MEMBER_NO, kHomeNumber)
                .SetText(IDC_PD_BIRTH_DAY, "12").Select(IDC_PD_BIRTH_MONTH, 4).SetText(IDC_PD_BIRTH_YEAR, "1975");
        else
            dialog.SetText(IDC_PD_FORENAME_NEW, "Owen").SetText(IDC_PD_SURNAME, "Fairweather")
                .SetText(IDC_PD_ADDRESS[0], "5 Bridge St").SetText(IDC_PD_PHONE_HOME, "0113 4960000");
        dialog.OK();
        Run(doc, ID_PLAYER_ADD);
    }
    // Player > Edit on Denise: these boxes typed, and OK.
    void Edit(CBowlingDoc& doc, std::initializer_list<std::pair<UINT, const char*>> typed)
    {
        ui.OnDialog(IDD_SELECT_PLAYER).SelectString(IDC_SP_LIST, "Hallam Denise").OK();
        auto& dialog = ui.OnDialog(IDD_EDIT_PLAYER);
        for (const auto& [nID, pszText] : typed)
            dialog.SetText(nID, pszText);
        dialog.OK();
        Run(doc, ID_PLAYER_EDIT);
    }
    // The four details of the away computer.
    void EditAway(CBowlingDoc& doc)
    {
        Edit(doc, {{IDC_PD_PHONE_HOME, kAwayPhone}, {IDC_PD_ADDRESS[0], kAwayAddress},
                   {IDC_PD_MEMBER_NO, kAwayNumber}, {IDC_PD_PHONE_MOBILE, kAwayMobile}});
    }
    void EditPhone(CBowlingDoc& doc, const char* pszPhone) { Edit(doc, {{IDC_PD_PHONE_HOME, pszPhone}}); }
    std::unique_ptr<CBowlingDoc> Saved(std::unique_ptr<CBowlingDoc> doc, const char* pszFile)
    {
        EXPECT_TRUE(doc->OnSaveDocument(dir.File(pszFile).c_str()));
        return doc;
    }
    // File > Open in a program started on the computer now set.
    std::unique_ptr<CBowlingDoc> Open(const char* pszFile)
    {
        ui.ClearMessages();
        auto doc = std::make_unique<CBowlingDoc>();
        EXPECT_TRUE(doc->OnOpenDocument(dir.File(pszFile).c_str()));
        return doc;
    }
    static CPlayer* Denise(CBowlingDoc& doc)
    {
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
            if (p->m_strSurname == "Hallam")
                return p;
        }
        ADD_FAILURE() << "Denise is not in the league";
        static CPlayer none;
        return &none;
    }
    // Every record of a database folder by first name, as a third program reads them.
    std::map<std::string, Texts> Records(const char* pszFolder)
    {
        CPlayerDatabase db;
        EXPECT_TRUE(db.Open(dir.File(pszFolder).c_str()));
        CPlayb003File& t = db.GetTable();
        std::map<std::string, Texts> records;
        EXPECT_EQ(t.SelectIndex("Key"), 0);
        for (t.First(); t.Next(1) == 0;)
            EXPECT_TRUE(records.emplace(t.m_strFirstName.GetString(), Shown(t)).second) << "two records of one name";
        return records;
    }

    // At home: Monday keeps Denise and Owen, Thursday shares Denise; both leagues saved.
    void LeaguesAtHome()
    {
        OnComputer("home");
        auto monday = MakeDatabaseLeague(ui);
        Add(*monday, true);
        Add(*monday, false);
        Saved(std::move(monday), "Monday.lgf");
        // Thursday takes her record from the list.
        auto thursday = MakeDatabaseLeague(ui);
        ui.OnDialog(IDD_CHECK_PLAYER_DB).SetText(IDC_DB_SURNAME, "Hallam").Select(IDC_DB_LIST, 0).OK();
        ui.OnDialog(IDD_NEW_PLAYER).OK();
        Run(*thursday, ID_PLAYER_ADD);
        Saved(std::move(thursday), "Thursday.lgf");
        ASSERT_EQ(Records("home").at("Denise"), kAtHome);
        owenAtHome = Records("home").at("Owen");
    }
    // Monday carried to the empty database of another computer: her edits typed there, saved.
    void EditedOnAnEmptyDatabase()
    {
        OnComputer("away");
        auto away = Open("Monday.lgf");
        EXPECT_EQ(ui.MessageTexts(),
                  Texts{"2 of the league's bowlers were not in the player database: a record was added to it for "
                        "each, with the league's details (Denise Hallam and Owen Fairweather). Save the league to "
                        "keep its bowlers' new links."});
        EditAway(*away);
        EXPECT_EQ(Records("away").at("Denise"), kTypedAway);
        Saved(std::move(away), "Monday.lgf");
    }

    // Many bowlers added at home through Player > Add a New Player, each "Pat" of a surname of
    // his own and a home phone of his own (0113 496nnnn), in a league saved as that file.
    std::vector<std::string> PatsAtHome(int nBowlers, const char* pszFile)
    {
        const char* const heads[] = {"Ash", "Brook", "Carr", "Dale", "Ell", "Fen", "Gill", "Holm",
                                     "Ire", "Jess", "Kirk", "Lind", "Mort", "Nash", "Ord"};
        const char* const tails[] = {"ley", "ton", "wood", "field", "by", "ham", "well",
                                     "more", "dale", "ridge", "stone", "worth", "croft", "ford"};
        std::vector<std::string> surnames;
        for (const char* pszHead : heads)
            for (const char* pszTail : tails)
                surnames.push_back(std::string(pszHead) + pszTail);
        surnames.resize(static_cast<size_t>(nBowlers));
        OnComputer("home");
        auto league = MakeDatabaseLeague(ui);
        for (int i = 0; i < nBowlers; ++i) {
            ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
            ui.OnDialog(IDD_NEW_PLAYER).SetText(IDC_PD_FORENAME_NEW, "Pat").SetText(IDC_PD_SURNAME, surnames[i].c_str())
                .SetText(IDC_PD_PHONE_HOME, Phone("0113", i).c_str()).OK();
            Run(*league, ID_PLAYER_ADD);
        }
        EXPECT_EQ(league->m_listPlayers.GetCount(), nBowlers);
        Saved(std::move(league), pszFile);
        return surnames;
    }
    static std::string Phone(const char* pszArea, int i)
    {
        char sz[16];
        std::snprintf(sz, sizeof sz, "%s 496%04d", pszArea, i);
        return sz;
    }
    // What a notice names of the first ten, parted so; the others it counts.
    static std::string FirstTen(const char* pszBetween, const std::function<std::string(int)>& named)
    {
        std::string list;
        for (int i = 0; i < 10; ++i)
            list += (i == 0 ? "" : pszBetween) + named(i);
        return list;
    }

    // Monday's notice brought home when her record took each of the away edits.
    static Texts AwayEditsWritten()
    {
        return {"Where the league's details were typed after the record's, they were written to it: " +
                Named("held", kTypedAway, kAtHome) + ". Save the league to keep its bowlers' details as they now stand."};
    }

    Texts owenAtHome;
};

} // namespace

// Brought home, Monday's edits of Denise reach her record there (Thursday, sharing it, shows them),
// and the notice names each with what the record held; Owen's record is as it was. Saved and
// opened again, and after Thursday changes her phone, Monday says nothing and shows the record.
TEST_F(BroughtHome, EditsTypedOnAnEmptyDatabaseReachTheHomeRecordAndAreNamed)
{
    LeaguesAtHome();
    EditedOnAnEmptyDatabase();

    OnComputer("home");
    auto monday = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(), AwayEditsWritten());
    EXPECT_EQ(Shown(*Denise(*monday)), kTypedAway);
    EXPECT_EQ(Records("home"), (std::map<std::string, Texts>{{"Denise", kTypedAway}, {"Owen", owenAtHome}}));
    EXPECT_TRUE(monday->IsModified());
    EXPECT_EQ(Shown(*Denise(*Open("Thursday.lgf"))), kTypedAway);
    EXPECT_TRUE(ui.messages.empty());
    Saved(std::move(monday), "Monday.lgf");

    monday = Open("Monday.lgf");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(monday->IsModified());
    monday.reset();
    auto thursday = Open("Thursday.lgf");
    EditPhone(*thursday, "0113 4963333");
    monday = Open("Monday.lgf");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Shown(*Denise(*monday)), (Texts{kAwayAddress, "0113 4963333", kAwayMobile, kAwayNumber}));
}

// Thursday changes Denise's home phone at home after Monday's edits away: brought home, Monday's
// values were typed before the record's last change, so the record keeps its own, Monday takes
// it, and the notice names each of Monday's values not kept, the mobile the record lacks too.
TEST_F(BroughtHome, AHomeRecordChangedAfterTheAwayEditsKeepsItsOwnAndTheLeaguesAreNamed)
{
    LeaguesAtHome();
    EditedOnAnEmptyDatabase();
    OnComputer("home");
    EditPhone(*Open("Thursday.lgf"), "0113 4963333");
    const Texts thursdays{kHomeAddress, "0113 4963333", "", kHomeNumber};
    ASSERT_EQ(Records("home").at("Denise"), thursdays);

    auto monday = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"Where the league's details differed from the record's, the record keeps its own, which other "
                    "leagues share: " +
                    Named("keeps", kTypedAway, thursdays) +
                    ". Save the league to keep its bowlers' details as they now stand."});
    EXPECT_EQ(Records("home").at("Denise"), thursdays);
    EXPECT_EQ(Shown(*Denise(*monday)), thursdays);
    EXPECT_EQ(Denise(*monday)->m_pDbPending, nullptr);
}

// Monday carried to Friday's database, which holds its own record of Denise (the same birth date)
// under another key: linked to it there and edited, then brought home, where her record is found
// by her birth date and takes the edits, named.
TEST_F(BroughtHome, EditsTypedOnAnotherLeaguesDatabaseReachTheHomeRecordAndAreNamed)
{
    LeaguesAtHome();
    OnComputer("club");
    auto friday = MakeDatabaseLeague(ui);
    Add(*friday, false);  // key 1 there is Owen's: Denise's home key names nobody of hers
    Add(*friday, true);
    friday.reset();
    auto away = Open("Monday.lgf");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.MessageTexts()[0].find("were linked to their own records"), std::string::npos) << ui.MessageTexts()[0];
    EditAway(*away);
    EXPECT_EQ(Records("club").at("Denise"), kTypedAway);
    Saved(std::move(away), "Monday.lgf");

    OnComputer("home");
    auto monday = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"2 of the league's bowlers were linked to their own records in the player database, found under "
                    "other keys (Denise Hallam and Owen Fairweather). Where the league's details were typed after the "
                    "record's, they were written to it: " +
                    Named("held", kTypedAway, kAtHome) + ". Save the league to keep its bowlers' new links."});
    EXPECT_EQ(Records("home"), (std::map<std::string, Texts>{{"Denise", kTypedAway}, {"Owen", owenAtHome}}));
    EXPECT_EQ(Shown(*Denise(*monday)), kTypedAway);
    EXPECT_EQ(Shown(*Denise(*Open("Thursday.lgf"))), kTypedAway);
}

// Monday saved by an earlier version (no marks of what its copies were in step with) after
// Thursday changed Denise's phone: opened the first time, the phone it holds is named as not kept
// and it takes the record's; saved, it is silent from then on.
TEST_F(BroughtHome, ALeagueFileOfAnEarlierVersionIsMetOnceAndNamesWhatDiffers)
{
    LeaguesAtHome();
    auto monday = Open("Monday.lgf");
    for (POSITION pos = monday->m_listPlayers.GetHeadPosition(); pos;)
        static_cast<CPlayer*>(monday->m_listPlayers.GetNext(pos))->m_dbInStep = CDbInStep();
    Saved(std::move(monday), "Monday.lgf");
    {
        std::ifstream file(dir.File("Monday.lgf"), std::ios::binary);
        ASSERT_EQ(file.get(), LEAGUE_FILE_VERSION_LINKS);
    }
    EditPhone(*Open("Thursday.lgf"), "0113 4963333");

    monday = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"Where the league's details differed from the record's, the record keeps its own, which other "
                    "leagues share: Denise Hallam's home phone \"0113 4961111\" (the record keeps \"0113 4963333\"). "
                    "Save the league to keep its bowlers' details as they now stand."});
    EXPECT_EQ(Denise(*monday)->m_strPhoneHome, "0113 4963333");
    Saved(std::move(monday), "Monday.lgf");
    EditPhone(*Open("Thursday.lgf"), "0113 4964444");
    monday = Open("Monday.lgf");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Denise(*monday)->m_strPhoneHome, "0113 4964444");
}

// The home database put back from a copy made before Monday's edit and Thursday's: Monday's typed
// phone is later than the record put back, which takes it again; the mobile Monday took from
// Thursday is no change of Monday's, and Monday takes the record's blank, saying nothing of it.
// Thursday, opened next, brings back the mobile it typed, and Monday opened again shows both.
TEST_F(BroughtHome, ADatabasePutBackFromAnOlderCopyTakesWhatEachLeagueTypedLater)
{
    LeaguesAtHome();
    namespace fs = std::filesystem;
    fs::copy(dir.File("home"), dir.File("copy"));
    auto monday = Open("Monday.lgf");
    EditPhone(*monday, "0113 4962222");
    Saved(std::move(monday), "Monday.lgf");
    auto thursday = Open("Thursday.lgf");
    Edit(*thursday, {{IDC_PD_PHONE_MOBILE, kAwayMobile}});
    Saved(std::move(thursday), "Thursday.lgf");
    // Monday takes the mobile as it opens, and is saved so.
    monday = Open("Monday.lgf");
    EXPECT_TRUE(ui.messages.empty());
    Saved(std::move(monday), "Monday.lgf");
    const Texts later{kHomeAddress, "0113 4962222", kAwayMobile, kHomeNumber};
    ASSERT_EQ(Records("home").at("Denise"), later);

    fs::remove_all(dir.File("home"));
    fs::rename(dir.File("copy"), dir.File("home"));
    ASSERT_EQ(Records("home").at("Denise"), kAtHome);
    monday = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(), Texts{"Where the league's details were typed after the record's, they were written "
                                       "to it: Denise Hallam's home phone \"0113 4962222\" (the record held \"0113 "
                                       "4961111\"). Save the league to keep its bowlers' details as they now stand."});
    const Texts mondays{kHomeAddress, "0113 4962222", "", kHomeNumber};
    EXPECT_EQ(Records("home").at("Denise"), mondays);
    EXPECT_EQ(Shown(*Denise(*monday)), mondays);
    monday.reset();

    thursday = Open("Thursday.lgf");
    EXPECT_EQ(ui.MessageTexts(), Texts{"Where the league's details were typed after the record's, they were written "
                                       "to it: Denise Hallam's mobile phone \"07700 900456\" (the record held "
                                       "blank). Save the league to keep its bowlers' details as they now stand."});
    EXPECT_EQ(Records("home").at("Denise"), later);
    EXPECT_EQ(Shown(*Denise(*thursday)), later);
    EXPECT_EQ(Shown(*Denise(*Open("Monday.lgf"))), later);
    EXPECT_TRUE(ui.messages.empty());
}

// Thursday changes Denise's postcode at home, then Monday, saved before, is edited away. Brought
// home, Monday writes what it typed after the record's last change, and takes Thursday's postcode:
// the postcode it held was given when she was added, never typed since, and is neither written nor
// named.
TEST_F(BroughtHome, ADetailTheLeagueNeverTypedIsTakenFromTheHomeRecordUnnamed)
{
    LeaguesAtHome();
    Edit(*Open("Thursday.lgf"), {{IDC_PD_POSTCODE, "LS6 2AB"}});
    EditedOnAnEmptyDatabase();

    OnComputer("home");
    auto monday = Open("Monday.lgf");
    EXPECT_EQ(ui.MessageTexts(), AwayEditsWritten());
    EXPECT_EQ(Shown(*Denise(*monday)), kTypedAway);
    EXPECT_EQ(Denise(*monday)->m_strAddress[4], "LS6 2AB");
    EXPECT_EQ(Records("home").at("Denise"), kTypedAway);
    EXPECT_EQ(Denise(*Open("Thursday.lgf"))->m_strAddress[4], "LS6 2AB");
}

// Thursday types Denise's home phone after Monday was last in step with her record. Monday's file
// with the time of her record as its copy knew it damaged, to a time not come yet or to one after
// Thursday's change, opens as the whole file does: it takes Thursday's phone without a word and
// writes nothing to the record.
TEST_F(BroughtHome, AMarkOfTheRecordsTimeDamagedPutsNothingOverAnotherLeaguesLaterChange)
{
    LeaguesAtHome();
    auto monday = Open("Monday.lgf");
    const WORD nDenise = Denise(*monday)->m_nPlayerNo;
    const ULONGLONG qwHome = monday->m_pPlayerDb->GetTable().GetIdentity();
    monday.reset();
    EditPhone(*Open("Thursday.lgf"), "0113 4963333");
    const Texts thursdays{kHomeAddress, "0113 4963333", "", kHomeNumber};
    // Her entry of what the copies were in step with: her number, the database, the record's time.
    const std::vector<BYTE> whole = FileBytes("Monday.lgf");
    const size_t nTime = Find(whole, {{nDenise, 2}, {qwHome, 8}}) + 10;
    for (const auto& [nByte, nBy] : {std::pair{5, 1}, std::pair{2, 1}, std::pair{0, 0}}) {
        SCOPED_TRACE(nByte);
        std::vector<BYTE> damaged = whole;
        damaged[nTime + static_cast<size_t>(nByte)] = static_cast<BYTE>(damaged[nTime + static_cast<size_t>(nByte)] + nBy);
        WriteFile("Monday.lgf", damaged);
        monday = Open("Monday.lgf");
        EXPECT_TRUE(ui.messages.empty()) << ui.MessageTexts()[0];
        EXPECT_EQ(Shown(*Denise(*monday)), thursdays);
        EXPECT_EQ(Records("home").at("Denise"), thursdays);
    }
}

// Monday, not kept in the database for a while, types Denise's new address; Thursday then types her
// home phone. Monday's file with her waiting entry's bowler number damaged to Owen's, ticked to be
// kept in the database again, writes nothing to Owen's record and says nothing of him; Denise's
// address, dated by her copy but what her record held when it was typed not known, and her record
// changed since, waits on, said once, through the next write too. OK on her details writes it.
TEST_F(BroughtHome, AWaitingEntryWhoseBowlerNumberIsDamagedWaitsOnForItsOwnBowlerAndIsSaidOnce)
{
    LeaguesAtHome();
    auto monday = Open("Monday.lgf");
    const WORD nDenise = Denise(*monday)->m_nPlayerNo;
    WORD nOwen = 0;
    for (POSITION pos = monday->m_listPlayers.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPlayer*>(monday->m_listPlayers.GetNext(pos));
        if (p->m_strSurname == "Fairweather")
            nOwen = p->m_nPlayerNo;
    }
    ClickDatabaseBox(*monday);
    ASSERT_FALSE(monday->m_bPlayerDatabase);
    Edit(*monday, {{IDC_PD_ADDRESS[0], kAwayAddress}});
    ASSERT_NE(Denise(*monday)->m_pDbPending, nullptr);
    Saved(std::move(monday), "Monday.lgf");
    EditPhone(*Open("Thursday.lgf"), "0113 4963333");
    const std::map<std::string, Texts> before = Records("home");

    // Her entry: her number, the address line waiting (bit 2), the record's address then.
    const std::vector<BYTE> whole = FileBytes("Monday.lgf");
    const size_t nEntry = Find(whole, {{nDenise, 2}, {1u << SD_ADDRESS_1, 4}, {std::strlen(kHomeAddress), 1}});
    std::vector<BYTE> damaged = whole;
    damaged[nEntry] = static_cast<BYTE>(nOwen);
    WriteFile("Monday.lgf", damaged);
    monday = Open("Monday.lgf");
    EXPECT_TRUE(ui.messages.empty());
    ClickDatabaseBox(*monday);
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"These changes were not written to the player database, since the league file's entry of them "
                    "was damaged and what the record held when they were made cannot be told: they are kept in the "
                    "league, waiting for it, and OK on the bowler's details (Player > Edit a Player's Details) writes "
                    "them: Denise Hallam's address line 1 \"9 New Road\" (the record holds \"4 Old "
                    "Lane\")."});
    EXPECT_EQ(Records("home"), before);
    EXPECT_EQ(Shown(*Denise(*monday)), (Texts{kAwayAddress, "0113 4963333", "", kHomeNumber}));
    ASSERT_NE(Denise(*monday)->m_pDbPending, nullptr);
    EXPECT_EQ(Denise(*monday)->m_pDbPending->m_dwDetails, 1u << SD_ADDRESS_1);
    // Owen's next edit writes his phone; what still waits is not said again.
    ui.ClearMessages();
    ui.OnDialog(IDD_SELECT_PLAYER).SelectString(IDC_SP_LIST, "Fairweather Owen").OK();
    ui.OnDialog(IDD_EDIT_PLAYER).SetText(IDC_PD_PHONE_HOME, "0113 4960009").OK();
    Run(*monday, ID_PLAYER_EDIT);
    EXPECT_TRUE(ui.messages.empty()) << ui.MessageTexts()[0];
    EXPECT_EQ(Records("home").at("Owen")[1], "0113 4960009");
    EXPECT_EQ(Records("home").at("Denise"), before.at("Denise"));

    ui.OnDialog(IDD_SELECT_PLAYER).SelectString(IDC_SP_LIST, "Hallam Denise").OK();
    ui.OnDialog(IDD_EDIT_PLAYER)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PD_ADDRESS[0]).text, kAwayAddress); })
        .OK();
    Run(*monday, ID_PLAYER_EDIT);
    EXPECT_TRUE(ui.messages.empty()) << ui.MessageTexts()[0];
    EXPECT_EQ(Records("home").at("Denise"), (Texts{kAwayAddress, "0113 4963333", "", kHomeNumber}));
    EXPECT_EQ(Denise(*monday)->m_pDbPending, nullptr);
}

// A league of 202 bowlers carried to an empty database, each one's home phone edited there, and
// brought home: every edit reaches the home records, and the notice names the first ten values
// with the records' and counts the others, as the notice away counts the bowlers it added, so
// that it fits the screen.
TEST_F(BroughtHome, TwoHundredBowlersEditedAwayAreNamedTenAndTheOthersCounted)
{
    constexpr int kBowlers = 202;
    const std::vector<std::string> surnames = PatsAtHome(kBowlers, "Big.lgf");

    OnComputer("away");
    auto away = Open("Big.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"202 of the league's bowlers were not in the player database: a record was added to it for each, "
                    "with the league's details (" + FirstTen(", ", [&](int i) { return "Pat " + surnames[i]; }) +
                    " and 192 more). Save the league to keep its bowlers' new links."});
    for (int i = 0; i < kBowlers; ++i) {
        ui.OnDialog(IDD_SELECT_PLAYER).SelectString(IDC_SP_LIST, (surnames[i] + " Pat").c_str()).OK();
        ui.OnDialog(IDD_EDIT_PLAYER).SetText(IDC_PD_PHONE_HOME, Phone("0161", i).c_str()).OK();
        Run(*away, ID_PLAYER_EDIT);
    }
    Saved(std::move(away), "Big.lgf");

    OnComputer("home");
    auto home = Open("Big.lgf");
    const std::string held = FirstTen("; ", [&](int i) {
        return "Pat " + surnames[i] + "'s home phone \"" + Phone("0161", i) + "\" (the record held \"" +
               Phone("0113", i) + "\")";
    });
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"Where the league's details were typed after the records', they were written to them: " + held +
                    " and 192 more. Save the league to keep its bowlers' details as they now stand."});
    // Every edit reached its record, those not named too.
    CPlayerDatabase db;
    ASSERT_TRUE(db.Open(dir.File("home").c_str()));
    CPlayb003File& t = db.GetTable();
    ASSERT_EQ(t.SelectIndex("Key"), 0);
    std::map<std::string, std::string> phones;
    for (t.First(); t.Next(1) == 0;)
        phones[t.m_strSurname.GetString()] = t.m_strPhoneHome.GetString();
    ASSERT_EQ(phones.size(), static_cast<size_t>(kBowlers));
    for (int i = 0; i < kBowlers; ++i)
        EXPECT_EQ(phones[surnames[i]], Phone("0161", i)) << surnames[i];
}

// Eleven bowlers whose keys in the league file all name the first bowler's record (a damaged
// file): their links are cut and each is linked to his own record again, and the notice names
// ten links of each kind and counts the last, in two sentences, not one for each bowler.
TEST_F(BroughtHome, ManyLinksNamingAnotherBowlersRecordAreNamedTenAndCounted)
{
    const std::vector<std::string> surnames = PatsAtHome(12, "Twelve.lgf");
    auto league = Open("Twelve.lgf");
    ASSERT_TRUE(ui.messages.empty());
    // "bowler 3 (Pat Ashwood)", in the league's order.
    std::vector<std::string> places;
    DWORD dwFirstKey = 0;
    for (POSITION pos = league->m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(league->m_listPlayers.GetNext(pos));
        places.push_back(p->GetFilePlace().GetString());
        if (dwFirstKey == 0)
            dwFirstKey = p->m_dwDbKey;
        p->m_dwDbKey = dwFirstKey;
    }
    ASSERT_EQ(places.size(), 12u);
    ASSERT_EQ(places[2], "bowler 3 (Pat " + surnames[2] + ")");
    Saved(std::move(league), "Twelve.lgf");

    Open("Twelve.lgf");
    EXPECT_EQ(ui.MessageTexts(),
              Texts{"The league file links 11 of its bowlers to the player database records of other bowlers of the "
                    "league, whose records they are: those links were cut (" +
                    FirstTen(", ", [&](int i) { return places[i + 1] + " to the record of " + places[0]; }) +
                    " and 1 more). 11 of the league's bowlers were linked to their own records in the player "
                    "database, found under other keys (" +
                    FirstTen(", ", [&](int i) { return "Pat " + surnames[i + 1]; }) +
                    " and 1 more). Save the league to keep its bowlers' new links."});
}
