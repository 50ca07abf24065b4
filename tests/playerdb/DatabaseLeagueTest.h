#pragma once
// What the tests of a league document on the secretary's player database share: the database's
// hooks installed, and an empty database in a folder of the test's own that the "Database path"
// setting names, so that every league document made opens it.
#include "ScriptedBackend.h"
#include "TempDir.h"
#include "framework/ui/Registry.h"
#include "league/BowlingDoc.h"
#include "playerdb/BowlingDocDatabase.h"
#include "playerdb/PlayerDatabase.h"

#include <gtest/gtest.h>

struct DatabaseLeagueTest : ::testing::Test
{
    CScriptedBackend ui;  // its settings hold the database path
    TempDir dir;

    void SetUp() override
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, dir.File("db").c_str());
        PlayerDatabase::Install();
        CPlayerDatabase db;
        ASSERT_TRUE(db.Open(dir.File("db").c_str())) << db.GetErrorText().GetString();
    }
    void TearDown() override
    {
        CBowlingDoc::s_pfnOpenPlayerDb = nullptr;
        CBowlingDoc::s_pfnClosePlayerDb = nullptr;
        CBowlingDoc::s_pfnLeagueReadPlayerDb = nullptr;
    }
};
