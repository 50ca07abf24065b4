#pragma once
// What the tests of leagues kept in player databases share: the set-up and player database
// hooks, a folder of their own, and which database the program started next uses.
#include "AdminTest.h"
#include "TempDir.h"
#include "admin/LeagueDetailsCommands.h"
#include "admin/PlayerSetup.h"
#include "framework/ui/Registry.h"
#include "league/Player.h"
#include "playerdb/BowlingDocDatabase.h"

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

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
    // A command of the league's menus, its dialogs scripted before.
    void Run(CBowlingDoc& doc, UINT nCommand)
    {
        ASSERT_TRUE(doc.OnCmdMsg(nCommand, CN_COMMAND, nullptr));
        ASSERT_TRUE(ui.AllUsed());
    }
    // League > General Details with "Keep the bowlers in the player database" clicked.
    void ClickDatabaseBox(CBowlingDoc& doc)
    {
        ui.OnDialog(IDD_EDIT_LEAGUE).Click(IDC_EL_PLAYER_DATABASE).OK();
        Run(doc, ID_LEAGUE_GENERAL_DETAILS);
    }
    // The league's bowler of that surname, null when it has none.
    static CPlayer* Bowler(CBowlingDoc& doc, const char* pszSurname)
    {
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
            if (p->m_strSurname == pszSurname)
                return p;
        }
        return nullptr;
    }
    // A file of the test's folder ("db/PLAYB003.DTA" names one in a folder of it), byte for byte.
    std::vector<BYTE> FileBytes(const std::string& strFile)
    {
        std::ifstream in(dir.File(strFile), std::ios::binary);
        return std::vector<BYTE>(std::istreambuf_iterator<char>(in), {});
    }
    void WriteFile(const std::string& strFile, const std::vector<BYTE>& bytes)
    {
        std::ofstream out(dir.File(strFile), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // Where the bytes hold these, little-endian, one after the other.
    static size_t Find(const std::vector<BYTE>& bytes, std::initializer_list<std::pair<ULONGLONG, int>> values)
    {
        std::vector<BYTE> wanted;
        for (const auto& [v, nBytes] : values)
            for (int i = 0; i < nBytes; ++i)
                wanted.push_back(static_cast<BYTE>(v >> (8 * i)));
        const auto at = std::search(bytes.begin(), bytes.end(), wanted.begin(), wanted.end());
        EXPECT_NE(at, bytes.end());
        return static_cast<size_t>(at - bytes.begin());
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
