// Four leagues on one player database: Monday, whose secretary made it, keeps a Jane Smith of Elm
// Row; Thursday adds another Jane Smith, of Oak Lane; Friday takes Thursday's Jane in Similar
// Names and types her a mobile; Saturday's program deletes her record through D'base > Delete a
// Player. Opened next, Thursday makes her record again from its copy, which never had the mobile:
// what Friday typed after everything Thursday's copy knew still reaches the record, and is named.
#include "AdminChecks.h"
#include "DatabaseLeagues.h"
#include "admin/DatabaseCommands.h"
#include "league/Player.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/CommandIds.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Texts = std::vector<std::string>;

constexpr const char* kMobile = "07700 900111";

struct RecordMadeAgain : DatabaseLeagues
{
    void SetUp() override
    {
        DatabaseLeagues::SetUp();
        DatabaseCommands::Install();  // Similar Names and Delete a Player
        UseDatabase("club");
    }
    // Player > Add a New Player: "Add new Player" in Check Player Database, then her details; where
    // the database holds her name, Similar Names answered with the line given.
    void AddJane(CBowlingDoc& doc, const char* pszAddress, const char* pszPhone, const char* pszSimilar = nullptr)
    {
        ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
        ui.OnDialog(IDD_NEW_PLAYER)
            .SetText(IDC_PD_FORENAME_NEW, "Jane").SetText(IDC_PD_SURNAME, "Smith")
            .SelectString(IDC_PD_STATUS, "Female")
            .SetText(IDC_PD_ADDRESS[0], pszAddress).SetText(IDC_PD_PHONE_HOME, pszPhone)
            .SelectString(IDC_PD_TEAM, "Team_01")
            .OK();
        if (pszSimilar)
            ui.OnDialog(IDD_SIMILAR_NAMES).SelectString(IDC_SN_LIST, pszSimilar).OK();
        Run(doc, ID_PLAYER_ADD);
    }
    // Player > Edit on Jane: these boxes typed, and OK.
    void EditJane(CBowlingDoc& doc, std::initializer_list<std::pair<UINT, const char*>> typed)
    {
        ui.OnDialog(IDD_SELECT_PLAYER).SelectString(IDC_SP_LIST, "Smith Jane").OK();
        auto& dialog = ui.OnDialog(IDD_EDIT_PLAYER);
        for (const auto& [nID, pszText] : typed)
            dialog.SetText(nID, pszText);
        dialog.OK();
        Run(doc, ID_PLAYER_EDIT);
    }
    std::unique_ptr<CBowlingDoc> Open(const char* pszFile)
    {
        ui.ClearMessages();
        auto doc = std::make_unique<CBowlingDoc>();
        EXPECT_TRUE(doc->OnOpenDocument(dir.File(pszFile).c_str()));
        return doc;
    }
    void Save(CBowlingDoc& doc, const char* pszFile) { EXPECT_TRUE(doc.OnSaveDocument(dir.File(pszFile).c_str())); }
    static const CPlayer& Jane(const CBowlingDoc& doc)
    {
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
            const auto* p = static_cast<const CPlayer*>(doc.m_listPlayers.GetNext(pos));
            if (p->m_strSurname == "Smith")
                return *p;
        }
        ADD_FAILURE() << "no Jane in the league";
        static const CPlayer none;
        return none;
    }
    static Texts Shown(const CSharedDetails& d)
    {
        return Strs(d.m_strAddress[0], d.m_strPhoneHome, d.m_strPhoneMobile);
    }
    // Every record's name and details, as a third program reads them: one line each.
    Texts Records()
    {
        CPlayerDatabase db;
        EXPECT_TRUE(db.Open(dir.File("club").c_str()));
        CPlayb003File& t = db.GetTable();
        Texts records;
        EXPECT_EQ(t.SelectIndex("Key"), 0);
        for (t.First(); t.Next(1) == 0;) {
            std::string line = std::string(t.m_strFirstName.GetString()) + " " + t.m_strSurname.GetString();
            for (const std::string& s : Shown(t))
                line += "|" + s;
            records.push_back(line);
        }
        return records;
    }
    // Saturday's program: a league of its own on the club's database, where D'base > Delete a
    // Player deletes Thursday's Jane, told from Monday's by her address.
    void SaturdayDeletesOakLane()
    {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            auto saturday = MakeDatabaseLeague(ui);
            ui.OnDialog(IDD_PLAYER_DATABASE)
                .SetText(IDC_DB_SURNAME, "Smith")
                .SelectString(IDC_DB_LIST, "Jane Smith (2 Oak Lane)")
                .OK();
            ui.AnswerMessageBox(IDYES, "Delete Jane Smith (2 Oak Lane) from the Player Database?");
            Run(*saturday, ID_DBASE_DELETE_PLAYER);
            _exit(::testing::Test::HasFailure() ? 1 : 0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        ASSERT_EQ(Records(), (Texts{"Jane Smith|1 Elm Row|0161 4960002|"}));
    }

    // Monday, Thursday and Friday saved, Friday's Jane Thursday's with her mobile typed; the
    // record deleted by Saturday. thursdayTyped: what Thursday types of her before Friday does.
    // bEarlierThursday: Thursday's file as a release from before the copies' marks wrote it.
    void FourLeagues(std::initializer_list<std::pair<UINT, const char*>> thursdayTyped = {},
                     bool bEarlierThursday = false)
    {
        auto monday = MakeDatabaseLeague(ui);
        AddJane(*monday, "1 Elm Row", "0161 4960002");
        Save(*monday, "Monday.lgf");
        auto thursday = MakeDatabaseLeague(ui);
        AddJane(*thursday, "2 Oak Lane", "0113 4960099", "Add Player to the Database");
        if (thursdayTyped.size() > 0)
            EditJane(*thursday, thursdayTyped);
        if (bEarlierThursday)
            for (POSITION pos = thursday->m_listPlayers.GetHeadPosition(); pos;)
                static_cast<CPlayer*>(thursday->m_listPlayers.GetNext(pos))->m_dbInStep = CDbInStep();
        Save(*thursday, "Thursday.lgf");
        auto friday = MakeDatabaseLeague(ui);
        AddJane(*friday, "", "", "Jane Smith (2 Oak Lane)");
        ASSERT_EQ(Jane(*friday).m_dwDbKey, Jane(*thursday).m_dwDbKey);
        EditJane(*friday, {{IDC_PD_PHONE_MOBILE, kMobile}});
        Save(*friday, "Friday.lgf");
        oakLane = Shown(Jane(*friday));
        ASSERT_EQ(oakLane[2], kMobile);
        SaturdayDeletesOakLane();
    }
    Texts oakLane;  // Friday's Jane, as the record held her before Saturday's deletion
};

// Monday's Jane, of her name but another address and phone, is neither taken nor named as one
// that may be hers: she is another person.
constexpr const char* kMadeAgain = "Jane Smith was not in the player database: a record was added to it for the "
                                   "bowler, with the league's details. Save the league to keep its bowlers' new links.";

} // namespace

// Thursday, opened next, makes the record again without the mobile; Friday, opened after it,
// gives the record its mobile and says so, and from then on every league shows it and nothing
// more is said; Monday's Jane is never touched.
TEST_F(RecordMadeAgain, AValueAnotherLeagueTypedReachesTheRecordMadeAgainAndIsNamed)
{
    FourLeagues();
    auto thursday = Open("Thursday.lgf");
    EXPECT_EQ(ui.MessageTexts(), Texts{kMadeAgain});
    EXPECT_EQ(Shown(Jane(*thursday)), (Texts{"2 Oak Lane", "0113 4960099", ""}));
    Save(*thursday, "Thursday.lgf");
    thursday.reset();

    auto friday = Open("Friday.lgf");
    EXPECT_EQ(ui.MessageTexts(), Texts{"Where the league's details were typed after the record's, they were written "
                                       "to it: Jane Smith's mobile phone \"07700 900111\" (the record held blank). "
                                       "Save the league to keep its bowlers' details as they now stand."});
    EXPECT_EQ(Shown(Jane(*friday)), oakLane);
    Save(*friday, "Friday.lgf");
    friday.reset();
    EXPECT_EQ(Records(), (Texts{"Jane Smith|1 Elm Row|0161 4960002|", "Jane Smith|" + oakLane[0] + "|" + oakLane[1] +
                                                                           "|" + oakLane[2]}));

    for (const char* pszLeague : {"Thursday.lgf", "Friday.lgf", "Monday.lgf", "Thursday.lgf"}) {
        SCOPED_TRACE(pszLeague);
        auto doc = Open(pszLeague);
        EXPECT_EQ(ui.MessageTexts(), Texts{});
        EXPECT_EQ(Shown(Jane(*doc)),
                  std::string(pszLeague) == "Monday.lgf" ? (Texts{"1 Elm Row", "0161 4960002", ""}) : oakLane);
    }
}

// Thursday types her a work phone before Friday types the mobile: the record made again is dated
// by that typing, which Friday's mobile still follows. Friday's work phone, Thursday's, stays.
TEST_F(RecordMadeAgain, AValueTypedAfterTheCopysLastTypingStillReachesTheRecordMadeAgain)
{
    FourLeagues({{IDC_PD_PHONE_WORK, "0113 4960555"}});
    Open("Thursday.lgf")->OnSaveDocument(dir.File("Thursday.lgf").c_str());
    EXPECT_EQ(ui.MessageTexts(), Texts{kMadeAgain});
    auto friday = Open("Friday.lgf");
    EXPECT_EQ(ui.MessageTexts(), Texts{"Where the league's details were typed after the record's, they were written "
                                       "to it: Jane Smith's mobile phone \"07700 900111\" (the record held blank). "
                                       "Save the league to keep its bowlers' details as they now stand."});
    EXPECT_EQ(Jane(*friday).m_strPhoneWork, "0113 4960555");
    EXPECT_EQ(Shown(Jane(*Open("Thursday.lgf"))), oakLane);
}

// Thursday's file as a release from before the copies' marks wrote it: its copy knows no typing
// time, and the record it makes again is dated by none. Friday's mobile, which that record cannot
// be shown to follow, is named where the record keeps its own: never taken away without a word.
TEST_F(RecordMadeAgain, ARecordMadeAgainFromACopyThatKnowsNoTimeNamesWhatItLacks)
{
    FourLeagues({}, true);
    Open("Thursday.lgf")->OnSaveDocument(dir.File("Thursday.lgf").c_str());
    EXPECT_EQ(ui.MessageTexts(), Texts{kMadeAgain});
    auto friday = Open("Friday.lgf");
    EXPECT_EQ(ui.MessageTexts(), Texts{"Where the league's details differed from the record's, the record keeps its "
                                       "own, which other leagues share: Jane Smith's mobile phone \"07700 900111\" "
                                       "(the record keeps blank). Save the league to keep its bowlers' details as "
                                       "they now stand."});
    EXPECT_EQ(Jane(*friday).m_strPhoneMobile, "");
}
