// The league document with the database joined: each document opens the folder named by
// "Database path" (making it at its first use), and a bowler put by one league is found by the
// next.
#include "ScriptedBackend.h"
#include "TempDir.h"
#include "framework/ui/Registry.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "playerdb/BowlingDocDatabase.h"
#include "playerdb/PlayerDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

struct Installed
{
    Installed() { PlayerDatabase::Install(); }
    ~Installed()
    {
        CBowlingDoc::s_pfnOpenPlayerDb = nullptr;
        CBowlingDoc::s_pfnClosePlayerDb = nullptr;
    }
};

void SetDatabasePath(const std::string& folder)
{
    CRegistryKey key;
    ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
    key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, folder.c_str());
}

} // namespace

TEST(BowlingDocDatabase, EachLeagueOpensTheSharedFolderAndShares)
{
    TempDir dir;
    std::string folder = dir.File("db/nested");
    SetDatabasePath(folder);
    Installed installed;

    DWORD dwKey = 0;
    {
        CBowlingDoc monday;
        ASSERT_NE(monday.m_pPlayerDb, nullptr);
        // Made at the league's first need of it, not before.
        EXPECT_FALSE(std::filesystem::exists(folder));
        CPlayer player;
        player.m_strFirstName = "Nora";
        player.m_strSurname = "Quayle";
        ASSERT_EQ(monday.PutDbasePlayer(&player), 0);
        EXPECT_TRUE(monday.m_pPlayerDb->IsOpen()) << monday.m_pPlayerDb->GetErrorText().GetString();
        EXPECT_TRUE(std::filesystem::exists(folder + "/PLAYB003.DTA"));
        dwKey = player.m_dwDbKey;
        EXPECT_NE(dwKey, 0u);
    }
    CBowlingDoc thursday;
    CPlayer joining;
    joining.m_dwDbKey = dwKey;
    ASSERT_EQ(thursday.GetDbasePlayer(&joining), 0);
    EXPECT_EQ(std::make_pair(joining.m_strSurname, joining.m_strFirstName),
              std::make_pair(CString("Quayle"), CString("Nora")));
}

TEST(BowlingDocDatabase, WithoutTheDatabaseTheCallsSayNo)
{
    CBowlingDoc doc;  // no hooks installed: a test or tool league
    EXPECT_EQ(doc.m_pPlayerDb, nullptr);
    CPlayer p;
    EXPECT_EQ((std::vector<int>{doc.GetDbasePlayer(&p), doc.FindDbasePlayer(1), doc.PutDbasePlayer(&p)}),
              (std::vector<int>{-1, -1, -1}));
}

TEST(BowlingDocDatabase, ADatabaseCutShortIsToldWhenALeagueOpensIt)
{
    CScriptedBackend ui;  // its settings hold the database path
    TempDir dir;
    std::string folder = dir.File("db");
    SetDatabasePath(folder);
    Installed installed;
    {
        CBowlingDoc monday;
        for (const char* name : {"Ames", "Bell", "Cole"}) {
            CPlayer player;
            player.m_strFirstName = "Jo";
            player.m_strSurname = name;
            ASSERT_EQ(monday.PutDbasePlayer(&player), 0);
        }
    }
    std::filesystem::resize_file(folder + "/PLAYB003.DTA", 64);
    ui.AnswerMessageBox(IDOK, "has been cut short: it held 3 records and now holds 0.");
    CBowlingDoc thursday;
    EXPECT_TRUE(std::filesystem::exists(folder + "/PLAYB003.DTA.damaged"));
    EXPECT_TRUE(std::filesystem::exists(folder + "/PLAYB003.DTX.damaged"));
}
