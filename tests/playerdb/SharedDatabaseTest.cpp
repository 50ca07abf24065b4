// One player database used by two leagues at once: two documents of one program, and two
// programs. Nothing added is lost and every key finds its own bowler.
#include "playerdb/PlayerDatabase.h"

#include "framework/ui/Registry.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "playerdb/BowlingDocDatabase.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
constexpr int kEach = 1000;      // by each program
constexpr int kEachDocument = 300;

CString SurnameOf(int nUser, int i)
{
    CString s;
    s.Format("User%dBowler%04d", nUser, i);
    return s;
}

int AddBowler(CPlayerDatabase& db, int nUser, int i)
{
    CPlayer p;
    p.m_strFirstName = "Sam";
    p.m_strSurname = SurnameOf(nUser, i);
    DWORD bStop = 1;
    return db.PutDbasePlayer(&p, bStop);
}

class SharedDatabaseTest : public ::testing::Test
{
protected:
    TempDir dir;
    std::string folder = (dir.path() / "database").string();

    // The table holds exactly the bowlers both users added, each under its own key.
    void ExpectEveryBowlerOnceUnderItsOwnKey(int nEach)
    {
        CPlayerDatabase db;
        ASSERT_TRUE(db.Open(folder.c_str()));
        CPlayb003File& t = db.GetTable();
        EXPECT_EQ(static_cast<DWORD>(2 * nEach), t.GetRecordCount());
        std::map<DWORD, CString> byKey;
        t.SelectIndex("Key");
        t.First();
        while (t.Next(1) == 0)
            byKey[t.m_dwKey] = t.m_strSurname;
        ASSERT_EQ(static_cast<size_t>(2 * nEach), byKey.size());
        std::map<CString, DWORD> byName;
        for (const auto& [key, name] : byKey)
        {
            ASSERT_EQ(0, db.FindDbasePlayer(key));
            ASSERT_EQ(name, t.m_strSurname) << key;
            byName[name] = key;
        }
        for (int nUser = 1; nUser <= 2; ++nUser)
            for (int i = 0; i < nEach; ++i)
                ASSERT_EQ(1u, byName.count(SurnameOf(nUser, i))) << SurnameOf(nUser, i).GetString();
    }
};
}  // namespace

TEST_F(SharedDatabaseTest, TwoDocumentsAddingInTurnLoseNothing)
{
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, folder.c_str());
    }
    PlayerDatabase::Install();
    {
        CBowlingDoc monday, thursday;
        ASSERT_TRUE(monday.m_pPlayerDb && monday.PlayerDbReady());
        ASSERT_TRUE(thursday.m_pPlayerDb && thursday.PlayerDbReady());
        monday.m_bStopDbReporting = thursday.m_bStopDbReporting = 1;
        auto add = [](CBowlingDoc& doc, int nUser, int i) {
            CPlayer p;
            p.m_strFirstName = "Sam";
            p.m_strSurname = SurnameOf(nUser, i);
            return doc.PutDbasePlayer(&p);
        };
        for (int i = 0; i < kEachDocument; ++i)
        {
            ASSERT_EQ(0, add(monday, 1, i)) << monday.m_pPlayerDb->GetErrorText().GetString();
            ASSERT_EQ(0, add(thursday, 2, i)) << thursday.m_pPlayerDb->GetErrorText().GetString();
        }
        CPlayb003File& first = monday.m_pPlayerDb->GetTable();
        CPlayb003File& second = thursday.m_pPlayerDb->GetTable();
        EXPECT_EQ(static_cast<DWORD>(2 * kEachDocument), first.GetRecordCount());

        // A record read by one and changed by the other meanwhile is not written over blindly.
        ASSERT_EQ(0, monday.FindDbasePlayer(1));
        ASSERT_EQ(0, thursday.FindDbasePlayer(1));
        second.m_strPhoneHome = "0113 496 0000";
        ASSERT_EQ(0, second.Rewrite());
        first.m_strPhoneHome = "0113 496 0999";
        EXPECT_EQ(-1, first.Rewrite());
        EXPECT_NE(-1, first.GetErrorText().Find("changed by another user"));
        ASSERT_EQ(0, monday.FindDbasePlayer(1));
        EXPECT_EQ("0113 496 0000", first.m_strPhoneHome);
    }
    CBowlingDoc::s_pfnOpenPlayerDb = nullptr;
    CBowlingDoc::s_pfnClosePlayerDb = nullptr;
    ExpectEveryBowlerOnceUnderItsOwnKey(kEachDocument);
}

TEST_F(SharedDatabaseTest, TwoProgramsAddingAtOnceLoseNothing)
{
    {
        // Made before the two start, as the first league's start-up would.
        CPlayerDatabase db;
        ASSERT_TRUE(db.Open(folder.c_str()));
    }
    // Both programs have the database open before either adds: they start together.
    int go[2];
    ASSERT_EQ(0, pipe(go));
    pid_t children[2];
    for (int nUser = 1; nUser <= 2; ++nUser)
    {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
        {
            CPlayerDatabase db;
            int nFailed = db.Open(folder.c_str()) ? 0 : 1;
            char c = 0;
            nFailed += read(go[0], &c, 1) != 1;
            for (int i = 0; i < kEach && !nFailed; ++i)
                nFailed += AddBowler(db, nUser, i) != 0;
            db.Close();
            _exit(nFailed ? 1 : 0);
        }
        children[nUser - 1] = pid;
    }
    ASSERT_EQ(2, write(go[1], "GO", 2));
    close(go[0]);
    close(go[1]);
    for (pid_t pid : children)
    {
        int status = 0;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    ExpectEveryBowlerOnceUnderItsOwnKey(kEach);
}
