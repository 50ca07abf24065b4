// A player database whose folder goes away for a while (a network share or a stick not
// connected) is waited for, and never made again, empty, in its place: a database is made only in
// a folder the secretary asks for one in, at its first use or on being asked.
#include "ScriptedBackend.h"
#include "TempDir.h"
#include "framework/ui/Registry.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "playerdb/BowlingDocDatabase.h"
#include "playerdb/PlayerDatabase.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

CPlayer* Bowler(const CBowlingDoc& doc, const char* pszSurname)
{
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        if (p->m_strSurname == pszSurname)
            return p;
    }
    return nullptr;
}

struct DatabaseAway : ::testing::Test
{
    CScriptedBackend ui;  // its settings: "Database path", and the profile
    TempDir dir;
    const std::string folder = dir.File("db"), aside = dir.File("db.away");

    void SetUp() override
    {
        UseDatabase(folder);
        PlayerDatabase::Install();
    }
    void TearDown() override
    {
        CBowlingDoc::s_pfnOpenPlayerDb = nullptr;
        CBowlingDoc::s_pfnClosePlayerDb = nullptr;
        CBowlingDoc::s_pfnLeagueReadPlayerDb = nullptr;
    }
    static void UseDatabase(const std::string& strFolder)
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, strFolder.c_str());
    }
    // A database league of one team, its bowler Owen Fairweather written to the database, saved.
    std::unique_ptr<CBowlingDoc> League(const std::string& strFile)
    {
        auto doc = std::make_unique<CBowlingDoc>();
        doc->m_bPlayerDatabase = 1;
        doc->m_nTeams = 1;
        doc->AddTeam(new CTeam("Pin Pals", 1));
        auto* p = new CPlayer(1);
        p->m_nTeamNo = 1;
        p->m_wFlags = PF_MALE;
        p->m_strFirstName = "Owen";
        p->m_strSurname = "Fairweather";
        p->m_strPhoneHome = "0113 4960000";
        p->MakeDisplayName(FALSE);
        doc->AddPlayer(p);
        EXPECT_EQ(doc->PutDbasePlayer(p), 0);
        CString strError;
        EXPECT_TRUE(doc->SaveToFile(strFile.c_str(), strError)) << strError.GetString();
        return doc;
    }
    // What the database at the folder holds of each record, as a third program reads it.
    static Texts Records(const std::string& strFolder)
    {
        CPlayerDatabase db;
        EXPECT_TRUE(db.Open(strFolder.c_str(), FALSE)) << db.GetErrorText().GetString();
        CPlayb003File& t = db.GetTable();
        Texts v;
        EXPECT_EQ(t.SelectIndex("Key"), 0);
        for (t.First(); t.Next(1) == 0;)
            v.push_back((t.m_strFirstName + " " + t.m_strPhoneHome + " " + t.m_strPhoneMobile).str());
        return v;
    }
};

} // namespace

// Opened once, the table is never made again where it was: not after printing, not when tried
// again, not in an empty folder standing in its place (a share's mount point). Back, it opens.
TEST_F(DatabaseAway, OnceOpenItIsWaitedForAndNeverMadeAgain)
{
    CPlayerDatabase db, other;
    ASSERT_TRUE(db.Open(folder.c_str()));
    ASSERT_TRUE(other.Open(folder.c_str()));
    CPlayer owen;
    owen.m_strFirstName = "Owen", owen.m_strSurname = "Fairweather";
    DWORD bStop = 1;
    ASSERT_EQ(db.PutDbasePlayer(&owen, bStop), 0);
    ASSERT_EQ(other.FindDbasePlayer(owen.m_dwDbKey), 0);

    // Away while both hold its files: the first writes on through them; the other, which must read
    // the index again by its path, finds an empty folder there and makes nothing in it.
    fs::rename(folder, aside);
    fs::create_directory(folder);
    CPlayer ann;
    ann.m_strFirstName = "Ann", ann.m_strSurname = "Lee";
    ASSERT_EQ(db.PutDbasePlayer(&ann, bStop), 0);
    EXPECT_EQ(other.FindDbasePlayer(ann.m_dwDbKey), -1);
    EXPECT_TRUE(other.IsLost());
    EXPECT_FALSE(other.ReopenLost());
    EXPECT_TRUE(other.IsAway());
    EXPECT_NE(other.GetErrorText().Find("does not hold the player database"), -1) << other.GetErrorText().GetString();
    db.CloseForPrinting();
    EXPECT_FALSE(db.ReopenAfterPrinting());
    EXPECT_TRUE(fs::is_empty(folder));
    fs::remove(folder);
    EXPECT_FALSE(db.ReopenLost());
    EXPECT_NE(db.GetErrorText().Find("is not there"), -1) << db.GetErrorText().GetString();
    EXPECT_FALSE(fs::exists(folder));

    fs::rename(aside, folder);
    ASSERT_TRUE(db.ReopenLost() && other.ReopenLost());
    EXPECT_EQ(Records(folder), (Texts{"Owen  ", "Ann  "}));
    EXPECT_EQ(other.FindDbasePlayer(ann.m_dwDbKey), 0);
}

// The folder is made at the first need of a league (not when a league document is made, nor at a
// print's end), and remembered: on a later start with it away, a new league makes nothing there,
// and its bowler is written once it is back. "Database path" newly set names a first use again.
TEST_F(DatabaseAway, AFolderIsMadeAtItsFirstUseAndRememberedAfterwards)
{
    {
        CBowlingDoc doc;
        ASSERT_TRUE(doc.m_pPlayerDb && doc.m_pPlayerDb->IsAway() && doc.m_pPlayerDb->MayMake());
        EXPECT_FALSE(doc.PlayerDbReady(FALSE));
        EXPECT_FALSE(fs::exists(folder));
        League(dir.File("Monday.lgf"));
        EXPECT_EQ(Records(folder), Texts{"Owen 0113 4960000 "});
    }
    CString strOpened;
    ASSERT_TRUE(ui.settings.GetProfileValue(PlayerDatabase::kProfileSection, PlayerDatabase::kOpenedInEntry, strOpened));
    EXPECT_EQ(strOpened.str(), folder);

    fs::rename(folder, aside);
    CBowlingDoc later;
    ASSERT_TRUE(later.m_pPlayerDb && later.m_pPlayerDb->IsAway());
    EXPECT_FALSE(later.m_pPlayerDb->MayMake());
    CPlayer ann;
    ann.m_strFirstName = "Ann", ann.m_strSurname = "Lee";
    EXPECT_EQ(later.PutDbasePlayer(&ann), -1);
    EXPECT_FALSE(fs::exists(folder));
    fs::rename(aside, folder);
    EXPECT_EQ(later.PutDbasePlayer(&ann), 0);
    EXPECT_EQ(Records(folder), (Texts{"Owen 0113 4960000 ", "Ann  "}));
    EXPECT_TRUE(ui.messages.empty()) << ::testing::PrintToString(ui.MessageTexts());

    const std::string strNew = dir.File("new/db");
    UseDatabase(strNew);
    CBowlingDoc elsewhere;
    ASSERT_TRUE(elsewhere.m_pPlayerDb && elsewhere.m_pPlayerDb->MayMake());
    ann.m_dwDbKey = 0, ann.m_qwDbStamp = 0;
    EXPECT_EQ(elsewhere.PutDbasePlayer(&ann), 0);
    EXPECT_EQ(Records(strNew), Texts{"Ann  "});
}

// A league whose bowlers are linked to a database, opened where none is and none was ever open,
// asks before one is started. No: nothing is made, Owen keeps his details and his new phone waits;
// a D'base command asks again, saying the folder is not there, and No says nothing more. Yes: the
// folder and the database are made, and Owen becomes its record with the phone that waited, the
// secretary told that a new database was started, not that the old one is back.
TEST_F(DatabaseAway, ALeagueWithLinksAsksBeforeAnEmptyDatabaseIsMade)
{
    League(dir.File("Monday.lgf"));
    const std::string strNew = dir.File("share/db");
    UseDatabase(strNew);
    ui.ClearMessages();
    ui.AnswerMessageBox(IDNO, "is not there, though this league's bowlers are linked to a player database");
    CBowlingDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("Monday.lgf").c_str()));
    CPlayer* owen = Bowler(doc, "Fairweather");
    ASSERT_NE(owen, nullptr);
    EXPECT_EQ(owen->m_strPhoneHome, "0113 4960000");
    CPlayer shown;
    shown.CopyFrom(*owen);
    owen->m_strPhoneHome = "0113 4962222";
    EXPECT_EQ(doc.PutDbaseChanges(shown, owen), -1);
    EXPECT_NE(owen->m_pDbPending, nullptr);
    const std::string strAsked = "The player database folder " + strNew + " is not there: a drive or network share "
                                 "not connected, or the folder moved? Answer No to wait for it: the league keeps its "
                                 "changes and writes them when it is back. Make the folder and start a new, empty "
                                 "player database in it?";
    ui.AnswerMessageBox(IDNO, strAsked.c_str());
    EXPECT_FALSE(doc.ReachPlayerDb());
    EXPECT_FALSE(fs::exists(dir.File("share")));
    EXPECT_EQ(ui.messages.size(), 2u);

    ui.AnswerMessageBox(IDYES, strAsked.c_str());
    ASSERT_TRUE(doc.ReachPlayerDb());
    EXPECT_EQ(Records(strNew), Texts{"Owen 0113 4962222 "});
    EXPECT_EQ(owen->m_pDbPending, nullptr);
    const Texts said = ui.MessageTexts();
    ASSERT_EQ(said.size(), 4u);
    EXPECT_EQ(said[2], strAsked);
    EXPECT_EQ(said[3].rfind("A new, empty player database was started. Owen Fairweather was not in the player "
                            "database",
                            0),
              0u)
        << said[3];
    EXPECT_TRUE(ui.AllUsed());
}

// Before an empty database is started for a league whose bowlers are linked to one, the question
// says whether the folder is there: an empty folder (a share's mount point) holds no database; a
// folder not there at all is said to be not there, and would be made. No to both: nothing is made.
TEST_F(DatabaseAway, TheQuestionBeforeAnEmptyDatabaseSaysWhetherItsFolderIsThere)
{
    League(dir.File("Monday.lgf"));
    const std::string empty = dir.File("empty"), missing = dir.File("missing/db");
    fs::create_directories(empty);
    const std::string ending = " If it is on a drive or network share that is not connected now, answer No: the league "
                               "keeps its changes and writes them when the database is back. ";
    const std::pair<std::string, std::string> asked[] = {
        {empty, "The player database folder " + empty + " holds no player database, though this league's bowlers "
                "are linked to one." + ending + "Start a new, empty player database in that folder?"},
        {missing, "The player database folder " + missing + " is not there, though this league's bowlers are linked "
                  "to a player database." + ending + "Make the folder and start a new, empty player database in it?"},
    };
    for (const auto& [strFolder, strAsked] : asked) {
        UseDatabase(strFolder);
        ui.ClearMessages();
        ui.AnswerMessageBox(IDNO, strAsked.c_str());
        CBowlingDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(dir.File("Monday.lgf").c_str()));
        EXPECT_EQ(ui.MessageTexts(), Texts{strAsked});
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_TRUE(doc.m_pPlayerDb && doc.m_pPlayerDb->IsAway());
    }
    EXPECT_TRUE(fs::is_empty(empty));
    EXPECT_FALSE(fs::exists(dir.File("missing")));
}

namespace {

// The peer program (tests/support/DbPeer.cpp): another program's league, as a real process.
class CPeerProgram
{
public:
    CPeerProgram(const std::string& strLeague, const std::string& strFolder, const std::string& strHome)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(strHome));
        env.insert("XDG_DATA_HOME", QString::fromStdString(strHome + "/data"));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(strHome + "/config"));
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(TORVANE_DB_PEER, {QString::fromStdString(strLeague), QString::fromStdString(strFolder)});
    }
    ~CPeerProgram()
    {
        m_process.write("quit\n");
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }
    // What it says to a command (nothing: to its start), up to its answer: the messages it showed
    // first, the answer last.
    Texts Tell(const std::string& strCommand = "")
    {
        if (!strCommand.empty())
            m_process.write((strCommand + "\n").c_str());
        Texts lines;
        while (lines.empty() || lines.back().rfind("said ", 0) == 0) {
            if (!m_process.canReadLine() && !m_process.waitForReadyRead(30000))
                break;
            while (m_process.canReadLine())
                lines.push_back(m_process.readLine().trimmed().toStdString());
        }
        return lines;
    }

private:
    QProcess m_process;
};

} // namespace

// Two programs, each with its league, on one database. Its folder is renamed away while Monday's
// program writes Owen's phone through the files it holds, and Thursday's program, a real second
// process, gives him a mobile: Thursday's change waits in its league, said once, and no database
// is made at the path, however often Thursday tries. The folder back, Thursday's next try opens
// it and the real record takes the mobile beside Monday's phone; Thursday's file keeps nothing
// waiting.
TEST_F(DatabaseAway, TwoProgramsFolderRenamedAwayAndBackMakesNothingAndTheChangeReachesTheRecord)
{
    auto monday = League(dir.File("Monday.lgf"));
    CPlayer* owen = Bowler(*monday, "Fairweather");
    ASSERT_NE(owen, nullptr);
    {
        auto thursday = std::make_unique<CBowlingDoc>();
        ASSERT_TRUE(thursday->OnOpenDocument(dir.File("Monday.lgf").c_str()));
        CString strError;
        ASSERT_TRUE(thursday->SaveToFile(dir.File("Thursday.lgf").c_str(), strError)) << strError.GetString();
    }
    CPeerProgram thursday(dir.File("Thursday.lgf"), folder, dir.File("thursday-home"));
    ASSERT_EQ(thursday.Tell(), Texts{"open"});
    ASSERT_EQ(thursday.Tell("mobile Fairweather 07700 900100"), Texts{"written"});
    ASSERT_EQ(monday->FindDbasePlayer(owen->m_dwDbKey), 0);  // Monday has seen it

    fs::rename(folder, aside);
    CPlayer shown;
    shown.CopyFrom(*owen);
    owen->m_strPhoneHome = "0113 4962222";
    ASSERT_EQ(monday->PutDbaseChanges(shown, owen), 0);
    EXPECT_EQ(thursday.Tell("mobile Fairweather 07700 900123"),
              (Texts{"said The player could not be written to the Player Database. The change is kept in the league, "
                     "and written to the database when it can be.",
                     "waits"}));
    for (int n = 0; n < 2; ++n)
        EXPECT_EQ(thursday.Tell("retry"), Texts{"lost: The player database folder " + folder + " is not there."});
    EXPECT_FALSE(fs::exists(folder));

    fs::rename(aside, folder);
    EXPECT_EQ(thursday.Tell("retry"),
              (Texts{"said The player database is open again, and the changes it missed have been written to it.",
                     "open"}));
    EXPECT_EQ(thursday.Tell("save"), Texts{"saved"});
    EXPECT_EQ(Records(folder), Texts{"Owen 0113 4962222 07700 900123"});
    CBowlingDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(dir.File("Thursday.lgf").c_str()));
    const CPlayer* p = Bowler(reread, "Fairweather");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->m_pDbPending, nullptr);
    EXPECT_EQ(p->m_strPhoneMobile, "07700 900123");
}
