// The real main window's keys: a new league made with Ctrl+N and saved with File > Save As from
// the menu, opened while the new league had no name of its own, then changed; Ctrl+S writes it
// and the title loses its "*" without the File menu being opened again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>

#include "RealDialogs.h"
#include "TempDir.h"
#include "app/BowlingApp.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "resources/CommandIds.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/RulesDialogs.h"

namespace fs = std::filesystem;

namespace {

QMainWindow* MainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<QMainWindow*>(w); main && main->isVisible())
            return main;
    return nullptr;
}

QMenu* Menu(QMainWindow* main, const QString& title)
{
    for (QAction* a : main->menuBar()->actions())
        if (a->text() == title)
            return a->menu();
    return nullptr;
}

// A click on the menu's entry of the command, the menu opened as a click on its title opens it.
void Choose(QMenu* menu, UINT nID)
{
    menu->popup(QPoint(10, 10));
    for (QAction* a : menu->actions())
        if (a->property("torvaneCmd").toUInt() == nID) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
            return;
        }
    ADD_FAILURE() << "no entry " << nID;
    menu->hide();
}

void MakeActive(QWidget* w)
{
    w->activateWindow();
    for (int i = 0; i < 600 && QApplication::activeWindow() != w; ++i)
        QTest::qWait(5);
    ASSERT_EQ(QApplication::activeWindow(), w);
}

// Answers the file dialogs as they show: each with what answer does to it.
struct FileDialogs : QObject
{
    std::vector<std::function<void(QFileDialog&)>> answers;
    size_t nShown = 0;
    FileDialogs() { qApp->installEventFilter(this); }
    ~FileDialogs() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            if (auto* fd = qobject_cast<QFileDialog*>(o))
                QTimer::singleShot(0, fd, [this, fd] {
                    if (nShown < answers.size())
                        answers[nShown](*fd);
                    else {
                        ADD_FAILURE() << "a file dialog nobody answered";
                        fd->reject();
                    }
                    ++nShown;
                });
        return false;
    }
};

} // namespace

TEST(MainWindowKeys, CtrlSSavesANewLeagueSavedAsWithoutTheFileMenuOpenedAgain)
{
    CRealUi ui;
    TempDir dir;
    const std::string strSample = dir.File("Sample.lgf"), strNew = dir.File("Tuesday.lgf");
    {
        CBowlingDoc sample;
        BuildSampleLeague(sample, GetSampleLeagueShape(FALSE));
        CString strError;
        ASSERT_TRUE(sample.SaveToFile(strSample.c_str(), strError)) << strError.GetString();
    }
    CBowlingApp app;
    std::vector<char*> argv = {const_cast<char*>("torvane"), const_cast<char*>(strSample.c_str())};
    app.SetCommandLine(2, argv.data());
    ASSERT_TRUE(app.InitApplication() && app.InitInstance());
    QMainWindow* main = MainWindow();
    ASSERT_NE(main, nullptr);
    MakeActive(main);

    // Ctrl+N: a new league of four teams of two, every other setting as the dialogs offer it.
    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDNO, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE, [](CRealDialog& d) {
        d.Pick(IDC_NL_TEAMS, "4 Teams").Pick(IDC_NL_PLAYERS, "2 Players/Team").Click(IDOK);
    });
    ui.AnswerMessageBox(IDYES, "You have defined a league consisting of 4 teams");
    for (UINT nIDD : {IDD_SET_FIXTURE_LIST, IDD_FIXTURE_DATES, IDD_HANDICAP_DETAILS, IDD_HANDICAP_SCORING,
                      IDD_HANDICAP_STANDINGS_SEQ})
        ui.OnDialog(nIDD, [](CRealDialog& d) { d.Click(IDOK); });
    QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
    CBowlingDoc* pDoc = dynamic_cast<CBowlingDoc*>(app.GetFirstDocTemplate()->GetOnlyDocument());
    ASSERT_NE(pDoc, nullptr);
    ASSERT_EQ(pDoc->m_listTeams.GetCount(), 4);
    EXPECT_TRUE(main->isWindowModified());

    // Without a name of its own the league is not saved by Ctrl+S.
    MakeActive(main);
    QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(fs::exists(strNew));

    // File > Save As from the menu, whose Save entry is off as it opens.
    FileDialogs files;
    files.answers.push_back([&](QFileDialog& fd) {
        fd.selectFile(QString::fromStdString(strNew));
        QMetaObject::invokeMethod(&fd, "accept");
    });
    QMenu* file = Menu(main, "&File");
    ASSERT_NE(file, nullptr);
    Choose(file, ID_FILE_SAVE_AS);
    ASSERT_TRUE(fs::exists(strNew));
    EXPECT_FALSE(main->isWindowModified());

    // A bowler added from the Player menu: the league is changed.
    ui.OnDialog(IDD_NEW_PLAYER, [](CRealDialog& d) {
        d.Click(IDC_PD_FORENAME_NEW).Type("Ann").Click(IDC_PD_SURNAME).Type("Other").Pick(IDC_PD_TEAM, "Team_01");
        d.Click(IDOK);
    });
    Choose(Menu(main, "&Player"), ID_PLAYER_ADD);
    ASSERT_EQ(pDoc->m_listPlayers.GetCount(), 1);
    EXPECT_TRUE(main->isWindowModified());

    MakeActive(main);
    QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(main->isWindowModified());
    EXPECT_FALSE(pDoc->IsModified());
    CBowlingDoc saved;
    CString strError;
    ASSERT_TRUE(saved.LoadFromFile(strNew.c_str(), strError)) << strError.GetString();
    ASSERT_EQ(saved.m_listPlayers.GetCount(), 1);
    EXPECT_EQ(static_cast<CPlayer*>(saved.m_listPlayers.GetHead())->m_strSurname, "Other");

    // Ctrl+O opens File > Open's chooser; cancelled, the league stays.
    files.answers.push_back([](QFileDialog& fd) {
        EXPECT_EQ(fd.acceptMode(), QFileDialog::AcceptOpen);
        fd.reject();
    });
    QTest::keyClick(main, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(files.nShown, 2u);
    EXPECT_EQ(pDoc->GetPathName().str(), fs::canonical(strNew).string());
    app.ShutDownTemplates();
}
