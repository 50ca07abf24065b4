// A bowler's details on the real widgets: each refusal puts the focus in the box that needs
// retyping, so the secretary types on without reaching for the mouse; a bowler shared with
// another league opens on his record's details.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <filesystem>
#include <map>
#include <fstream>

#include "AdminChecks.h"
#include "RealDialogs.h"
#include "TempDir.h"
#include "admin/DatabaseCommands.h"
#include "admin/LeagueDetailsCommands.h"
#include "admin/PlayerSetup.h"
#include "framework/ui/Registry.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "playerdb/BowlingDocDatabase.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"

namespace {

// A player database in a folder of its own, every league made meanwhile keeping it open.
struct CDatabaseFolder
{
    TempDir dir;
    CDatabaseFolder()
    {
        CRegistryKey key;
        EXPECT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, dir.File("db").c_str());
        PlayerDatabase::Install();
    }
    ~CDatabaseFolder()
    {
        CBowlingDoc::s_pfnOpenPlayerDb = nullptr;
        CBowlingDoc::s_pfnClosePlayerDb = nullptr;
        CBowlingDoc::s_pfnLeagueReadPlayerDb = nullptr;
    }
};

// The league's bowler of that name, or null.
CPlayer* NamedBowler(CBowlingDoc& doc, const char* pszName)
{
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        if (p->m_strName == pszName)
            return p;
    }
    return nullptr;
}

// The sample league kept in the database, and its bowler of that name.
CPlayer* DatabaseSample(CBowlingDoc& doc, const char* pszName)
{
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.m_bPlayerDatabase = 1;
    return NamedBowler(doc, pszName);
}

} // namespace

TEST(PlayerOnRealWidgets, ARefusedNameTakesTheFocusBackToTheBoxAtFault)
{
    RegisterResources();
    PlayerSetup::Install();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    const int nBefore = static_cast<int>(doc.m_listPlayers.GetCount());
    CRealUi ui;
    ui.OnDialog(IDD_NEW_PLAYER, [](CRealDialog& d) {
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_FORENAME_NEW));
        d.Type("Janet").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_SURNAME));
        d.Type("Brennan").Enter();  // already in the league
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_FORENAME_NEW));
        d.Type("Jan").Enter();
    });
    ui.AnswerMessageBox(IDOK, "blank name field");
    ui.AnswerMessageBox(IDOK, "existing player with the same name");
    EXPECT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    ASSERT_EQ(static_cast<int>(doc.m_listPlayers.GetCount()), nBefore + 1);
    const auto* p = static_cast<const CPlayer*>(doc.m_listPlayers.GetTail());
    EXPECT_EQ(p->m_strFirstName + " " + p->m_strSurname, "Jan Brennan");
}

// The sample's vacancy has no forename: Edit opens on him and Enter takes his new address.
TEST(PlayerOnRealWidgets, AVacancyWithoutAForenameIsEditedAndKeptByEnter)
{
    RegisterResources();
    PlayerSetup::Install();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    CPlayer* vacancy = nullptr;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos && !vacancy;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        if (p->IsRobot())
            vacancy = p;
    }
    ASSERT_NE(vacancy, nullptr);
    ASSERT_TRUE(vacancy->m_strFirstName.IsEmpty());
    CRealUi ui;
    bool bClosed = false;
    ui.OnDialog(IDD_EDIT_PLAYER, [&bClosed](CRealDialog& d) {
        d.Click(IDC_PD_ADDRESS[0]).Type("Wharf Street").Enter();
        bClosed = true;
    });
    EXPECT_TRUE(PlayerSetup::EditPlayer(&doc, vacancy));
    EXPECT_TRUE(bClosed);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(vacancy->m_strAddress[0], "Wharf Street");
}

// A bowler kept in the player database by two leagues: the other league changed his phone, and
// this league's dialog opens on the record's phone, so OK after another change keeps it.
TEST(PlayerOnRealWidgets, TheEditDialogOpensOnTheSharedRecordNotTheLeaguesOlderCopy)
{
    RegisterResources();
    PlayerSetup::Install();
    CRealUi ui;  // first: it gives the program a settings store of its own
    CDatabaseFolder folder;
    {
        CBowlingDoc monday, thursday;
        CPlayer* bowler[2] = {DatabaseSample(monday, "Janet Brennan"), DatabaseSample(thursday, "Janet Brennan")};
        ASSERT_TRUE(bowler[0] && bowler[1]);
        bowler[0]->m_strPhoneHome = "0113 4960000";
        ASSERT_EQ(monday.PutDbasePlayer(bowler[0]), 0);
        bowler[1]->m_dwDbKey = bowler[0]->m_dwDbKey;

        ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
            d.Click(IDC_PD_PHONE_HOME).Key(Qt::Key_A, Qt::ControlModifier).Type("0113 4961111").Enter();
        });
        ASSERT_TRUE(PlayerSetup::EditPlayer(&thursday, bowler[1]));
        ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
            EXPECT_EQ(d.Text(IDC_PD_PHONE_HOME), "0113 4961111");
            d.Click(IDC_PD_ADDRESS[0]).Key(Qt::Key_A, Qt::ControlModifier).Type("7 Mill Rd").Enter();
        });
        ASSERT_TRUE(PlayerSetup::EditPlayer(&monday, bowler[0]));

        CPlayer stored;
        stored.m_dwDbKey = bowler[0]->m_dwDbKey;
        ASSERT_EQ(thursday.GetDbasePlayer(&stored), 0);
        EXPECT_EQ(Strs(stored.m_strAddress[0], stored.m_strPhoneHome, bowler[0]->m_strPhoneHome),
                  (std::vector<std::string>{"7 Mill Rd", "0113 4961111", "0113 4961111"}));
    }
}

// Two leagues share Janet's record; the database's folder goes for a moment (a plain file in its
// place) after Thursday changed her phone, so Monday cannot read the index again. The mobile typed
// into Monday's Edit and Enter waits, and is said not written; the folder back, Monday's next Edit
// says the database is back with what it missed written, and shows both changes.
TEST(PlayerOnRealWidgets, AMobileTypedWhileTheIndexCannotBeReadAgainWaitsAndIsWritten)
{
    RegisterResources();
    PlayerSetup::Install();
    CRealUi ui;  // first: it gives the program a settings store of its own
    CDatabaseFolder folder;
    {
        CBowlingDoc monday, thursday;
        CPlayer* bowler[2] = {DatabaseSample(monday, "Janet Brennan"), DatabaseSample(thursday, "Janet Brennan")};
        ASSERT_TRUE(bowler[0] && bowler[1]);
        ASSERT_EQ(monday.PutDbasePlayer(bowler[0]), 0);
        bowler[1]->m_dwDbKey = bowler[0]->m_dwDbKey;
        ASSERT_EQ(thursday.FindDbasePlayer(bowler[0]->m_dwDbKey), 0);  // both have read the index
        const std::filesystem::path path = folder.dir.File("db"), aside = folder.dir.File("db.aside");
        std::filesystem::rename(path, aside);
        std::ofstream(path) << "not a folder";

        ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
            d.Click(IDC_PD_PHONE_HOME).Key(Qt::Key_A, Qt::ControlModifier).Type("0113 4961111").Enter();
        });
        ASSERT_TRUE(PlayerSetup::EditPlayer(&thursday, bowler[1]));
        ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
            d.Click(IDC_PD_PHONE_MOBILE).Type("07700 900123").Enter();
        });
        ASSERT_TRUE(PlayerSetup::EditPlayer(&monday, bowler[0]));
        EXPECT_TRUE(monday.m_pPlayerDb->IsLost());
        std::filesystem::remove(path);
        std::filesystem::rename(aside, path);

        ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
            EXPECT_EQ((std::vector<std::string>{d.Text(IDC_PD_PHONE_HOME), d.Text(IDC_PD_PHONE_MOBILE)}),
                      (std::vector<std::string>{"0113 4961111", "07700 900123"}));
            d.Enter();
        });
        ASSERT_TRUE(PlayerSetup::EditPlayer(&monday, bowler[0]));
        CPlayer stored;
        stored.m_dwDbKey = bowler[0]->m_dwDbKey;
        ASSERT_EQ(thursday.GetDbasePlayer(&stored), 0);
        EXPECT_EQ(Strs(stored.m_strPhoneHome, stored.m_strPhoneMobile),
                  (std::vector<std::string>{"0113 4961111", "07700 900123"}));
        EXPECT_EQ(ui.messages, (std::vector<std::string>{
                                   "The player could not be written to the Player Database. The change is kept in "
                                   "the league, and written to the database when it can be.",
                                   "The player database is open again, and the changes it missed have been written to it."}));
    }
}

// The league keeps its bowlers out of the database for a while: a phone typed into Edit then
// stays the league's, reaches the record when the box is ticked again in General Details, and
// Enter on an unchanged Edit dialog afterwards keeps it.
TEST(PlayerOnRealWidgets, APhoneTypedWhileTheBoxIsUntickedReachesTheRecordWhenItIsTickedAgain)
{
    RegisterResources();
    PlayerSetup::Install();
    LeagueDetailsCommands::Install();
    CRealUi ui;  // first: it gives the program a settings store of its own
    CDatabaseFolder folder;
    {
        CBowlingDoc doc;
        CPlayer* janet = DatabaseSample(doc, "Janet Brennan");
        ASSERT_NE(janet, nullptr);
        janet->m_strPhoneHome = "0113 4960000";
        ASSERT_EQ(doc.PutDbasePlayer(janet), 0);
        auto recordPhone = [&folder, janet] {
            CPlayerDatabase db;
            EXPECT_TRUE(db.Open(folder.dir.File("db").c_str()));
            CPlayer p;
            p.m_dwDbKey = janet->m_dwDbKey;
            EXPECT_EQ(db.GetDbasePlayer(&p, FALSE), 0);
            return std::string(p.m_strPhoneHome.GetString());
        };
        // A click on the box itself, not on the middle of its long caption.
        auto clickBox = [](CRealDialog& d) {
            QWidget* pBox = d.Widget(IDC_EL_PLAYER_DATABASE);
            QTest::mouseClick(pBox, Qt::LeftButton, Qt::NoModifier, QPoint(4, pBox->height() / 2));
            d.Enter();
        };

        ui.OnDialog(IDD_EDIT_LEAGUE, clickBox);
        ASSERT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
        ASSERT_EQ(doc.m_bPlayerDatabase, 0u);
        ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
            d.Click(IDC_PD_PHONE_HOME).Key(Qt::Key_A, Qt::ControlModifier).Type("0113 4962222").Enter();
        });
        ASSERT_TRUE(PlayerSetup::EditPlayer(&doc, janet));
        EXPECT_EQ(recordPhone(), "0113 4960000");

        ui.OnDialog(IDD_EDIT_LEAGUE, clickBox);
        ASSERT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
        EXPECT_EQ(doc.m_bPlayerDatabase, 1u);
        EXPECT_EQ(recordPhone(), "0113 4962222");
        ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
            EXPECT_EQ(d.Text(IDC_PD_PHONE_HOME), "0113 4962222");
            d.Enter();
        });
        ASSERT_TRUE(PlayerSetup::EditPlayer(&doc, janet));
        EXPECT_EQ(recordPhone(), "0113 4962222");
        EXPECT_EQ(janet->m_pDbPending, nullptr);
        EXPECT_TRUE(ui.messages.empty());
    }
}

// The sample league kept in the database, on the real widgets. Set ALL typed into Janet's Edit
// dialog dates every bowler's record, and makes none for the vacancy. Then the database's folder
// goes (a plain file in its place) while printing had it closed: Set ALL again, and a phone typed
// after it, are said once.
TEST(PlayerOnRealWidgets, SetAllSkipsTheVacancyAndALostDatabaseIsSaidOnce)
{
    RegisterResources();
    PlayerSetup::Install();
    CRealUi ui;  // first: it gives the program a settings store of its own
    CDatabaseFolder folder;
    {
        CBowlingDoc doc;
        CPlayer* janet = DatabaseSample(doc, "Janet Brennan");
        ASSERT_NE(janet, nullptr);
        auto setAll = [&ui](const char* pszYear) {
            ui.OnDialog(IDD_EDIT_PLAYER, [pszYear](CRealDialog& d) {
                d.Click(IDC_PD_EXPIRY_DAY).Key(Qt::Key_A, Qt::ControlModifier).Type("31");
                d.Pick(IDC_PD_EXPIRY_MONTH, "Mar");
                d.Click(IDC_PD_EXPIRY_YEAR).Key(Qt::Key_A, Qt::ControlModifier).Type(pszYear).Tab();
                d.Enter();
            });
            ui.AnswerMessageBox(IDYES, "Set ALL player's membership expiry date to this?");
        };

        setAll("2026");
        ASSERT_TRUE(PlayerSetup::EditPlayer(&doc, janet));
        // Each record dated 31 Mar 2026 but the vacancy's, one for each bowler but him.
        std::vector<std::string> records, people;
        CPlayerDatabase db;
        ASSERT_TRUE(db.Open(folder.dir.File("db").c_str()));
        CPlayb003File& t = db.GetTable();
        ASSERT_EQ(t.SelectIndex("Key"), 0);
        for (t.First(); t.Next(1) == 0;) {
            const bool bDated = t.m_nExpiryDay == 31 && t.m_nExpiryMonth == 3 && t.m_nExpiryYear == 2026;
            records.push_back(std::string(t.m_strSurname.GetString()) + (bDated ? "" : " undated"));
        }
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
            const auto* p = static_cast<const CPlayer*>(doc.m_listPlayers.GetNext(pos));
            if (!p->IsRobot())
                people.push_back(p->m_strSurname.GetString());
        }
        EXPECT_EQ(records, people);
        EXPECT_EQ(doc.m_listPlayers.GetCount(), static_cast<INT_PTR>(people.size() + 1));

        const std::filesystem::path path = folder.dir.File("db");
        doc.m_pPlayerDb->CloseForPrinting();
        std::filesystem::rename(path, folder.dir.File("db.aside"));
        std::ofstream(path) << "not a folder";
        doc.ReopenPlayerDbAfterPrinting();
        setAll("2027");
        ASSERT_TRUE(PlayerSetup::EditPlayer(&doc, janet));
        ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
            d.Click(IDC_PD_PHONE_HOME).Key(Qt::Key_A, Qt::ControlModifier).Type("0113 4962222").Enter();
        });
        ASSERT_TRUE(PlayerSetup::EditPlayer(&doc, janet));
        ASSERT_EQ(ui.messages.size(), 4u);
        EXPECT_EQ(ui.messages[1].rfind("The player database could not be opened again: ", 0), 0u) << ui.messages[1];
        EXPECT_EQ(ui.messages[2], "Set ALL player's membership expiry date to this?");
        EXPECT_EQ(ui.messages[3], "The player could not be written to the Player Database. The change is kept in the "
                                  "league, and written to the database when it can be.");
        EXPECT_EQ(janet->m_strPhoneHome, "0113 4962222");
    }
}

// 31 September typed as a birth date in Edit Player, and as an expiry date in New Player: the
// message names the box, and the focus goes back to the day, selected, so the secretary types
// the day again and Enter keeps it. A name pasted with a tab and a control character in it
// stands in its box on one line, as the bowler keeps it.
TEST(PlayerOnRealWidgets, ThirtyFirstSeptemberIsRefusedAndTheFocusGoesBackToTheDay)
{
    RegisterResources();
    PlayerSetup::Install();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    CPlayer* janet = NamedBowler(doc, "Janet Brennan");
    ASSERT_NE(janet, nullptr);
    CRealUi ui;
    ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
        d.Click(IDC_PD_BIRTH_DAY).Key(Qt::Key_A, Qt::ControlModifier).Type("31");
        d.Pick(IDC_PD_BIRTH_MONTH, "Sep");
        d.Click(IDC_PD_BIRTH_YEAR).Key(Qt::Key_A, Qt::ControlModifier).Type("1980").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_BIRTH_DAY));
        d.Type("30").Enter();
    });
    ui.AnswerMessageBox(IDOK, "Date of birth day must be 1 to 30 in September 1980!");
    ASSERT_TRUE(PlayerSetup::EditPlayer(&doc, janet));
    EXPECT_EQ((std::vector<int>{janet->m_nBirthDay, janet->m_nBirthMonth, janet->m_nBirthYear}),
              (std::vector<int>{30, 9, 1980}));

    ui.OnDialog(IDD_NEW_PLAYER, [](CRealDialog& d) {
        QGuiApplication::clipboard()->setText("Mary\tAnne\x01");
        d.Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(d.Text(IDC_PD_FORENAME_NEW), "Mary Anne");
        d.Click(IDC_PD_SURNAME).Type("Quayle");
        d.Click(IDC_PD_EXPIRY_DAY).Key(Qt::Key_A, Qt::ControlModifier).Type("31");
        d.Pick(IDC_PD_EXPIRY_MONTH, "Sep");
        d.Click(IDC_PD_EXPIRY_YEAR).Key(Qt::Key_A, Qt::ControlModifier).Type("2026").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_EXPIRY_DAY));
        d.Type("30").Enter();
    });
    ui.AnswerMessageBox(IDOK, "Membership expiry day must be 1 to 30 in September 2026!");
    ASSERT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    const auto* mary = static_cast<const CPlayer*>(doc.m_listPlayers.GetTail());
    EXPECT_EQ(mary->m_strName, "Mary Anne Quayle");
    EXPECT_EQ((std::vector<int>{mary->m_nExpiryDay, mary->m_nExpiryMonth, mary->m_nExpiryYear}),
              (std::vector<int>{30, 9, 2026}));
    EXPECT_EQ(ui.messages.size(), 2u);
}

// The sample league, its bowlers kept in one database and saved, is opened by a program whose
// database belongs to another league, where Janet's key is another person's record. File > Open
// tells of the bowlers made records there; Janet's Edit dialog opens on her own details, and the
// phone typed and Enter reach her own record, never the other person's.
TEST(PlayerOnRealWidgets, ALeagueOpenedOnAnotherDatabaseEditsItsOwnBowlerNotTheRecordUnderHerOldKey)
{
    RegisterResources();
    PlayerSetup::Install();
    CRealUi ui;  // first: it gives the program a settings store of its own
    CDatabaseFolder folder;
    const std::string file = folder.dir.File("Sample.lgf");
    auto useDatabase = [&folder](const char* pszFolder) {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, folder.dir.File(pszFolder).c_str());
    };
    auto records = [&folder](const char* pszFolder) {
        CPlayerDatabase db;
        EXPECT_TRUE(db.Open(folder.dir.File(pszFolder).c_str()));
        CPlayb003File& t = db.GetTable();
        std::map<DWORD, std::string> v;
        EXPECT_EQ(t.SelectIndex("Key"), 0);
        for (t.First(); t.Next(1) == 0;)
            v[t.m_dwKey] = std::string(t.m_strFirstName.GetString()) + " " + t.m_strSurname.GetString() + ", " +
                           t.m_strPhoneHome.GetString();
        return v;
    };
    std::string janetsDetails;
    DWORD dwJanet = 0;
    {
        CBowlingDoc monday;
        CPlayer* janet = DatabaseSample(monday, "Janet Brennan");
        ASSERT_NE(janet, nullptr);
        janet->m_strPhoneHome = "0113 4960000";
        for (POSITION pos = monday.m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(monday.m_listPlayers.GetNext(pos));
            ASSERT_EQ(monday.PutDbasePlayer(p), 0);
        }
        dwJanet = janet->m_dwDbKey;
        janetsDetails = std::string(janet->m_strAddress[0].GetString()) + ", " + janet->m_strPhoneHome.GetString();
        ASSERT_TRUE(monday.OnSaveDocument(file.c_str()));
    }
    useDatabase("second");
    {
        CBowlingDoc thursday;
        for (DWORD i = 0; i < dwJanet + 2; ++i) {
            CPlayer p;
            p.m_strFirstName.Format("Zed%lu", static_cast<unsigned long>(i));
            p.m_strSurname = "Other";
            p.m_strPhoneHome = "0161 4960000";
            ASSERT_EQ(thursday.PutDbasePlayer(&p), 0);
        }
    }
    const std::map<DWORD, std::string> second = records("second");
    ASSERT_EQ(second.size(), dwJanet + 2);

    CBowlingDoc opened;
    ASSERT_TRUE(opened.OnOpenDocument(file.c_str()));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("of the league's bowlers were not in the player database: a record was added to it "
                                  "for each, with the league's details ("),
              std::string::npos)
        << ui.messages[0];
    CPlayer* janet = NamedBowler(opened, "Janet Brennan");
    ASSERT_NE(janet, nullptr);
    EXPECT_EQ(std::string(janet->m_strAddress[0].GetString()) + ", " + janet->m_strPhoneHome.GetString(),
              janetsDetails);
    ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_PD_FORENAME_EDIT) + " " + d.Text(IDC_PD_SURNAME), "Janet Brennan");
        EXPECT_EQ(d.Text(IDC_PD_PHONE_HOME), "0113 4960000");
        d.Click(IDC_PD_PHONE_HOME).Key(Qt::Key_A, Qt::ControlModifier).Type("0113 4961111").Enter();
    });
    ASSERT_TRUE(PlayerSetup::EditPlayer(&opened, janet));
    std::map<DWORD, std::string> now = records("second");
    EXPECT_EQ(now.at(janet->m_dwDbKey), "Janet Brennan, 0113 4961111");
    EXPECT_GT(janet->m_dwDbKey, dwJanet + 1);
    for (const auto& [dwKey, strWho] : second)
        EXPECT_EQ(now.at(dwKey), strWho);
    EXPECT_EQ(ui.messages.size(), 1u);
}

// Records of two women are in the database; the sample league adds each of them as new through the
// real dialogs and takes her record in "Similar Names". Jane's status box is only passed by with
// Tab: she stays female and nothing is said. For Ruth "Male" is picked from the box's list, though
// it was showing: that is the secretary's, and named as what her record did not take.
TEST(PlayerOnRealWidgets, AStatusPassedByIsTheChosenRecordsAndOnePickedIsTheSecretarys)
{
    RegisterResources();
    PlayerSetup::Install();
    DatabaseCommands::Install();  // the "Similar Names" question
    CRealUi ui;  // first: it gives the program a settings store of its own
    CDatabaseFolder folder;
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.m_bPlayerDatabase = 1;
    ASSERT_TRUE(doc.PlayerDbReady());
    for (const char* name : {"Jane Smith", "Ruth Cole"}) {
        CPlayer p;
        const CString s(name);
        p.m_strFirstName = s.Left(s.Find(' '));
        p.m_strSurname = s.Mid(s.Find(' ') + 1);
        p.m_wFlags = PF_FEMALE;
        ASSERT_EQ(doc.PutDbasePlayer(&p), 0);
    }
    auto add = [&](const char* pszFirst, const char* pszSurname, const std::function<void(CRealDialog&)>& status) {
        ui.OnDialog(IDD_CHECK_PLAYER_DB, [pszSurname](CRealDialog& d) {
            ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_DB_SURNAME));
            d.Type(pszSurname).Click(IDC_DB_ADD_NEW);
        });
        ui.OnDialog(IDD_NEW_PLAYER, [&](CRealDialog& d) {
            ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_FORENAME_NEW));
            d.Type(pszFirst);
            status(d);
            d.Click(IDOK);
        });
        ui.OnDialog(IDD_SIMILAR_NAMES, [](CRealDialog& d) {
            EXPECT_EQ(d.Text(IDC_SN_ACTION), "Adding");
            d.Click(IDC_SN_LIST).Key(Qt::Key_End);
            EXPECT_EQ(d.Text(IDC_SN_ACTION), "Using");
            d.Click(IDOK);
        });
        ASSERT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    };
    add("Jane", "Smith", [](CRealDialog& d) {
        for (int i = 0; i < 40 && d.FocusID() != IDC_PD_STATUS; ++i)
            d.Tab();
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_STATUS));
        EXPECT_EQ(d.Text(IDC_PD_STATUS), "Male");
        d.Tab();
    });
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
    add("Ruth", "Cole", [](CRealDialog& d) { d.Pick(IDC_PD_STATUS, "Male"); });
    EXPECT_EQ(ui.messages, std::vector<std::string>{"The record chosen for Ruth Cole keeps its own details where those "
                                                    "typed differed, as other leagues share it: Ruth Cole's status "
                                                    "Male (the record keeps Female)."});
    for (const char* name : {"Jane Smith", "Ruth Cole"}) {
        const CPlayer* p = NamedBowler(doc, name);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_EQ(p->m_wFlags & (PF_FEMALE | PF_MALE), PF_FEMALE) << name;
        CPlayer record;
        record.m_dwDbKey = p->m_dwDbKey;
        ASSERT_EQ(doc.GetDbasePlayer(&record), 0);
        EXPECT_EQ(record.m_wFlags & (PF_FEMALE | PF_MALE), PF_FEMALE) << name;
    }
}

// Two Jane Smiths are in the database, of Elm Row and of Oak Lane. A third league adds a Jane
// Smith through the real dialogs: Similar Names shows the two apart by their addresses; Escape
// leaves the question open (it must be answered), and a click on the Oak Lane line and on OK
// takes that record, whose key and address the new bowler has.
TEST(PlayerOnRealWidgets, SimilarNamesShowsTwoJaneSmithsApartAndTheOneClickedIsTaken)
{
    RegisterResources();
    PlayerSetup::Install();
    DatabaseCommands::Install();
    CRealUi ui;
    CDatabaseFolder folder;
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.m_bPlayerDatabase = 1;
    ASSERT_TRUE(doc.PlayerDbReady());
    std::map<std::string, DWORD> keys;
    for (const char* address : {"1 Elm Row", "2 Oak Lane"}) {
        CPlayer p;
        p.m_strFirstName = "Jane", p.m_strSurname = "Smith", p.m_strAddress[0] = address;
        p.m_wFlags = PF_FEMALE;
        DWORD bStop = 1;  // the second is another club's Jane: nobody asked
        ASSERT_EQ(doc.m_pPlayerDb->PutDbasePlayer(&p, bStop), 0);
        keys[address] = p.m_dwDbKey;
    }
    ASSERT_NE(keys["1 Elm Row"], keys["2 Oak Lane"]);
    ui.OnDialog(IDD_CHECK_PLAYER_DB, [](CRealDialog& d) { d.Type("Smith").Click(IDC_DB_ADD_NEW); });
    ui.OnDialog(IDD_NEW_PLAYER, [](CRealDialog& d) {
        d.Type("Jane");
        d.Pick(IDC_PD_STATUS, "Female");
        d.Click(IDOK);
    });
    ui.OnDialog(IDD_SIMILAR_NAMES, [](CRealDialog& d) {
        auto* list = qobject_cast<QListWidget*>(d.Widget(IDC_SN_LIST));
        ASSERT_NE(list, nullptr);
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        ASSERT_EQ(lines.size(), 3);
        EXPECT_EQ(lines[0], "Add Player to the Database");
        const int nOak = lines.indexOf("Jane Smith (2 Oak Lane)");
        ASSERT_GT(nOak, 0) << lines.join(", ").toStdString();
        EXPECT_TRUE(lines.contains("Jane Smith (1 Elm Row)")) << lines.join(", ").toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(nOak)).center());
        EXPECT_EQ(d.Text(IDC_SN_ACTION), "Using");
        d.Escape();
        ASSERT_TRUE(d.Window()->isVisible());
        EXPECT_EQ(list->currentRow(), nOak);
        d.Click(IDOK);
    });
    ASSERT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    const CPlayer* jane = NamedBowler(doc, "Jane Smith");
    ASSERT_NE(jane, nullptr);
    EXPECT_EQ(jane->m_dwDbKey, keys["2 Oak Lane"]);
    EXPECT_EQ(jane->m_strAddress[0], "2 Oak Lane");
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
}

// 28 February 2099, a slip for 1999, typed as Janet's birth date in Edit Player: refused, the
// message naming the year's box and saying why, and the focus back in the year, where 1999 typed
// and Enter keep the date. In New Player a birth date of tomorrow is refused at the box that puts
// it after today; four years before it is taken.
TEST(PlayerOnRealWidgets, ABirthDateAfterTodayIsRefusedAtTheBoxThatPutsItThere)
{
    RegisterResources();
    PlayerSetup::Install();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    CPlayer* janet = NamedBowler(doc, "Janet Brennan");
    ASSERT_NE(janet, nullptr);
    const CTime today = CTime::GetCurrentTime();
    const std::string strToday = today.Format("%#d %B %Y").GetString();
    CRealUi ui;
    ui.OnDialog(IDD_EDIT_PLAYER, [](CRealDialog& d) {
        d.Click(IDC_PD_BIRTH_DAY).Key(Qt::Key_A, Qt::ControlModifier).Type("28");
        d.Pick(IDC_PD_BIRTH_MONTH, "Feb");
        d.Click(IDC_PD_BIRTH_YEAR).Key(Qt::Key_A, Qt::ControlModifier).Type("2099").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_BIRTH_YEAR));
        d.Key(Qt::Key_A, Qt::ControlModifier).Type("1999").Enter();
    });
    const std::string refused = "Date of birth year must not be after today (" + strToday + ")!";
    ui.AnswerMessageBox(IDOK, refused.c_str());
    ASSERT_TRUE(PlayerSetup::EditPlayer(&doc, janet));
    EXPECT_EQ((std::vector<int>{janet->m_nBirthDay, janet->m_nBirthMonth, janet->m_nBirthYear}),
              (std::vector<int>{28, 2, 1999}));
    EXPECT_EQ(ui.messages.size(), 1u);

    // Tomorrow: in a later year, month or day than today's, that box is named.
    const CTime tomorrow = today + CTimeSpan(1, 0, 0, 0);
    const int nDay = tomorrow.GetDay(), nMonth = tomorrow.GetMonth(), nYear = tomorrow.GetYear();
    const bool bYear = nYear > today.GetYear(), bMonth = !bYear && nMonth > today.GetMonth();
    const UINT nBox = bYear ? IDC_PD_BIRTH_YEAR : bMonth ? IDC_PD_BIRTH_MONTH : IDC_PD_BIRTH_DAY;
    const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    ui.OnDialog(IDD_NEW_PLAYER, [&](CRealDialog& d) {
        d.Type("Tom");
        d.Click(IDC_PD_SURNAME).Type("Morrow");
        d.Click(IDC_PD_BIRTH_DAY).Key(Qt::Key_A, Qt::ControlModifier).Type(std::to_string(nDay).c_str());
        d.Pick(IDC_PD_BIRTH_MONTH, months[nMonth - 1]);
        d.Click(IDC_PD_BIRTH_YEAR).Key(Qt::Key_A, Qt::ControlModifier).Type(std::to_string(nYear).c_str()).Enter();
        EXPECT_EQ(d.FocusID(), nBox);
        d.Click(IDC_PD_BIRTH_YEAR).Key(Qt::Key_A, Qt::ControlModifier).Type(std::to_string(nYear - 4).c_str()).Enter();
    });
    const std::string named = std::string("Date of birth ") + (bYear ? "year" : bMonth ? "month" : "day") +
                              " must not be after today (" + strToday + ")!";
    ui.AnswerMessageBox(IDOK, named.c_str());
    ASSERT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    const auto* tom = static_cast<const CPlayer*>(doc.m_listPlayers.GetTail());
    EXPECT_EQ(tom->m_strName, "Tom Morrow");
    EXPECT_EQ((std::vector<int>{tom->m_nBirthDay, tom->m_nBirthMonth, tom->m_nBirthYear}),
              (std::vector<int>{nDay, nMonth, nYear - 4}));
    EXPECT_EQ(ui.messages.size(), 2u);
}
