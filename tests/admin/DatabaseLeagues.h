#pragma once
// What the tests of leagues kept in player databases share: the set-up and player database
// hooks, a folder of their own, and which database the program started next uses.
#include "AdminTest.h"
#include "TempDir.h"
#include "admin/LeagueDetailsCommands.h"
#include "admin/PlayerSetup.h"
#include "framework/ui/Registry.h"
#include "playerdb/BowlingDocDatabase.h"

struct DatabaseLeagues : ::testing::Test
{
    TempDir dir;
    CScriptedBackend ui;

    void SetUp() override
    {
        SetUpAdmin();
        PlayerSetup::Install();
        LeagueDetailsCommands::Install();
        PlayerDatabase::Install();
    }
    void TearDown() override
    {
        CBowlingDoc::s_pfnOpenPlayerDb = nullptr;
        CBowlingDoc::s_pfnClosePlayerDb = nullptr;
        CBowlingDoc::s_pfnLeagueReadPlayerDb = nullptr;
    }
    // The "Database path" setting names this folder: a program started from now on (a league
    // document made) keeps its bowlers there.
    void UseDatabase(const char* pszFolder)
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, dir.File(pszFolder).c_str());
    }
};
