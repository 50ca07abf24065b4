// The D'base menu of the real main window through a moment without the player database: its
// commands stay offered, say in a real message box that the database cannot be reached, and once
// it is back the same menu entry opens "Player Database", typed into and answered with the keys.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "RealDialogs.h"
#include "TempDir.h"
#include "app/BowlingApp.h"
#include "framework/ui/Registry.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/CommandIds.h"
#include "resources/dialogs/AdminDialogs.h"

namespace fs = std::filesystem;

namespace {

QMenu* DbaseMenu()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<QMainWindow*>(w))
            for (QAction* a : main->menuBar()->actions())
                if (a->text() == "&D'base")
                    return a->menu();
    return nullptr;
}

QAction* Entry(QMenu* menu, UINT nID)
{
    for (QAction* a : menu->actions())
        if (a->property("torvaneCmd").toUInt() == nID)
            return a;
    return nullptr;
}

// The menu opened, as a click on its title opens it: which of Export and Delete a Player it offers.
std::pair<bool, bool> Offered(QMenu* menu)
{
    menu->popup(QPoint(10, 10));
    const std::pair<bool, bool> offered{Entry(menu, ID_DBASE_EXPORT)->isEnabled(),
                                        Entry(menu, ID_DBASE_DELETE_PLAYER)->isEnabled()};
    menu->hide();
    return offered;
}

// A click on the entry of the opened menu.
void Choose(QMenu* menu, UINT nID)
{
    menu->popup(QPoint(10, 10));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Entry(menu, nID)).center());
}

} // namespace

TEST(DatabaseMenu, OfferedThroughAMomentWithoutTheDatabaseAndWorkingWhenItIsBack)
{
    CRealUi ui;
    TempDir dir;
    const std::string strDb = dir.File("db"), strLeague = dir.File("Sample.lgf");
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, strDb.c_str());
    }
    {
        CBowlingDoc sample;
        BuildSampleLeague(sample, GetSampleLeagueShape(FALSE));
        sample.m_bPlayerDatabase = 1;
        CString strError;
        ASSERT_TRUE(sample.SaveToFile(strLeague.c_str(), strError)) << strError.GetString();
    }
    // Another program on the same database, with two records the league does not hold.
    CPlayerDatabase other;
    ASSERT_TRUE(other.Open(strDb.c_str()));
    DWORD bStop = 1;
    for (const char* pszSurname : {"Baker", "Bakewell"}) {
        CPlayer p;
        p.m_strFirstName = "Ann";
        p.m_strSurname = pszSurname;
        ASSERT_EQ(other.PutDbasePlayer(&p, bStop), 0);
    }

    CBowlingApp app;
    std::vector<char*> argv = {const_cast<char*>("torvane"), const_cast<char*>(strLeague.c_str())};
    app.SetCommandLine(2, argv.data());
    ASSERT_TRUE(app.InitApplication() && app.InitInstance());
    QMenu* menu = DbaseMenu();
    ASSERT_TRUE(menu && Entry(menu, ID_DBASE_EXPORT) && Entry(menu, ID_DBASE_DELETE_PLAYER));
    EXPECT_EQ(Offered(menu), std::make_pair(true, true));

    // The folder away while the other program writes: the league's index is not the file's now.
    fs::rename(strDb, strDb + ".aside");
    std::ofstream(strDb) << "not a folder";
    CPlayer carl;
    carl.m_strFirstName = "Carl", carl.m_strSurname = "Baxter";
    ASSERT_EQ(other.PutDbasePlayer(&carl, bStop), 0);
    ui.AnswerMessageBox(IDOK, "The player database cannot be reached: ");
    Choose(menu, ID_DBASE_DELETE_PLAYER);
    EXPECT_EQ(Offered(menu), std::make_pair(true, true));
    ui.AnswerMessageBox(IDOK, "The player database cannot be reached: ");
    Choose(menu, ID_DBASE_DELETE_PLAYER);

    fs::remove(strDb);
    fs::rename(strDb + ".aside", strDb);
    ui.AnswerMessageBox(IDOK, "The player database is open again.");
    ui.OnDialog(IDD_PLAYER_DATABASE, [](CRealDialog& d) {
        auto* list = qobject_cast<QListWidget*>(d.Widget(IDC_DB_LIST));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), 3);
        d.Type("bakew");
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(), "Ann Bakewell");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        d.Enter();
    });
    ui.AnswerMessageBox(IDYES, "Delete Ann Bakewell from the Player Database?");
    Choose(menu, ID_DBASE_DELETE_PLAYER);
    EXPECT_EQ(ui.messages.size(), 4u);

    CPlayb003File& t = other.GetTable();
    std::vector<std::string> left;
    ASSERT_EQ(t.SelectIndex("Sname"), 0);
    for (t.First(); t.Next(1) == 0;)
        left.push_back(t.m_strSurname.GetString());
    EXPECT_EQ(left, (std::vector<std::string>{"Baker", "Baxter"}));
    app.ExitInstance();
    app.ShutDownTemplates();
}
