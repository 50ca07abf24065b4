// The Qt backend: a dialog built from its template and driven by real widget events, the
// settings files, the single-instance socket, printing to PDF and the main window's bars.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>

#include "QtWidgetSteps.h"
#include "RealDialogs.h"
#include "TempDir.h"
#include "framework/qt/QtBackend.h"
#include "framework/qt/QtBackendImpl.h"
#include "resources/Resource.h"

namespace {
enum : UINT { IDD_QT_SAMPLE = 9101, IDC_Q_NAME = 1201, IDC_Q_SCORE, IDC_Q_ACTIVE, IDC_Q_TEAM };

const DlgTemplate kSample = {IDD_QT_SAMPLE, "Qt Sample", 200, 100, {
    {CtlKind::Static, IDC_STATIC, "Name:", 7, 9, 40, 8},
    {CtlKind::Edit, IDC_Q_NAME, nullptr, 50, 7, 80, 12},
    {CtlKind::Edit, IDC_Q_SCORE, nullptr, 50, 23, 30, 12},
    {CtlKind::CheckBox, IDC_Q_ACTIVE, "Active", 7, 40, 60, 10},
    {CtlKind::ComboBox, IDC_Q_TEAM, nullptr, 7, 55, 90, 60, CBS_DROPDOWNLIST | CBS_SORT},
    {CtlKind::PushButton, IDOK, "OK", 90, 78, 50, 14, BS_DEFPUSHBUTTON},
    {CtlKind::PushButton, IDCANCEL, "Cancel", 145, 78, 50, 14},
}};

class CQtSampleDlg : public CDialog {
public:
    CQtSampleDlg() : CDialog(IDD_QT_SAMPLE) {}
    CString m_strName = "Ann";
    int m_nScore = 100;
    int m_bActive = FALSE;
    int m_nTeam = 0;
    int nChanges = 0;

protected:
    BOOL OnInitDialog() override
    {
        auto* team = static_cast<CComboBox*>(GetDlgItem(IDC_Q_TEAM));
        team->AddString("Strikers");
        team->AddString("Alley Cats");
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_Q_NAME, m_strName);
        DDX_Text(pDX, IDC_Q_SCORE, m_nScore);
        DDV_MinMaxInt(pDX, m_nScore, 0, 300);
        DDX_Check(pDX, IDC_Q_ACTIVE, m_bActive);
        DDX_CBIndex(pDX, IDC_Q_TEAM, m_nTeam);
    }
    void OnChangeName() { ++nChanges; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CQtSampleDlg, CDialog)
    ON_EN_CHANGE(IDC_Q_NAME, OnChangeName)
END_MESSAGE_MAP()

// Enter in the name box is the dialog's own (it counts and keeps what was typed); in the score
// box, which the dialog does not map, Enter presses OK.
enum : UINT { IDD_QT_ENTER = 9103 };
const DlgTemplate kEnterSample = {IDD_QT_ENTER, "Qt Enter", 200, 100, {
    {CtlKind::Edit, IDC_Q_NAME, nullptr, 50, 7, 80, 12, WS_TABSTOP},
    {CtlKind::Edit, IDC_Q_SCORE, nullptr, 50, 23, 30, 12, WS_TABSTOP},
    {CtlKind::PushButton, IDOK, "OK", 90, 78, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {CtlKind::PushButton, IDCANCEL, "Cancel", 145, 78, 50, 14, WS_TABSTOP},
}};

class CQtEnterDlg : public CDialog {
public:
    CQtEnterDlg() : CDialog(IDD_QT_ENTER) {}
    std::vector<std::string> entered;
    int nOK = 0;

protected:
    void OnReturnName() { entered.push_back(GetDlgItemText(IDC_Q_NAME).GetString()); }
    void OnOK() override
    {
        ++nOK;
        CDialog::OnOK();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CQtEnterDlg, CDialog)
    ON_EN_RETURN(IDC_Q_NAME, OnReturnName)
END_MESSAGE_MAP()

// A document whose Save is on only while savable, and a view of three pages turned by Next
// Page (PgDn) and Previous Page (PgUp), each on only where there is a page to go to.
class CKeysDoc : public CDocument {
public:
    bool bSavable = false;
    int nSaves = 0;

protected:
    void OnSave() { ++nSaves; }
    void OnUpdateSave(CCmdUI* p) { p->Enable(bSavable); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CKeysDoc, CDocument)
    ON_COMMAND(ID_FILE_SAVE, OnSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateSave)
END_MESSAGE_MAP()

class CKeysView : public CView {
public:
    int nPage = 1;

protected:
    void OnDraw(CDC*) override {}
    void OnNext() { ++nPage; }
    void OnPrev() { --nPage; }
    void OnUpdateNext(CCmdUI* p) { p->Enable(nPage < 3); }
    void OnUpdatePrev(CCmdUI* p) { p->Enable(nPage > 1); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CKeysView, CView)
    ON_COMMAND(ID_VIEW_NEXT_PAGE, OnNext)
    ON_COMMAND(ID_VIEW_PREV_PAGE, OnPrev)
    ON_UPDATE_COMMAND_UI(ID_VIEW_NEXT_PAGE, OnUpdateNext)
    ON_UPDATE_COMMAND_UI(ID_VIEW_PREV_PAGE, OnUpdatePrev)
END_MESSAGE_MAP()

// The menu of the menu bar with this title, opened as a click opens it and closed again.
void OpenAndClose(QMainWindow* w, const QString& title)
{
    for (QAction* a : w->menuBar()->actions())
        if (a->text() == title && a->menu()) {
            a->menu()->popup(QPoint(10, 10));
            a->menu()->hide();
            return;
        }
    ADD_FAILURE() << "no menu " << title.toStdString();
}

void MakeActive(QWidget* w)
{
    w->activateWindow();
    for (int i = 0; i < 600 && QApplication::activeWindow() != w; ++i)
        QTest::qWait(5);
    ASSERT_EQ(QApplication::activeWindow(), w);
}
}  // namespace

TEST(QtDialogs, AUserTypesClicksAndPicksThroughRealWidgets)
{
    AfxRegisterDialogTemplates(std::span<const DlgTemplate>(&kSample, 1));
    QtUi ui;
    CQtSampleDlg dlg;
    WhenModal([](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Qt Sample");
        EXPECT_EQ(w->palette().color(QPalette::Window), QColor(192, 192, 192));
        auto* name = qobject_cast<QLineEdit*>(Control(w, IDC_Q_NAME));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), "Ann");
        // The template's size in dialog units is the widget's in pixels.
        EXPECT_EQ(name->geometry(), CQtDialogWindow::ToPixels(CRect(50, 7, 130, 19)));
        name->selectAll();
        QTest::keyClicks(name, "Bea");
        auto* score = qobject_cast<QLineEdit*>(Control(w, IDC_Q_SCORE));
        score->setFocus();
        score->selectAll();
        QTest::keyClicks(score, "250");
        QTest::mouseClick(qobject_cast<QCheckBox*>(Control(w, IDC_Q_ACTIVE)), Qt::LeftButton);
        auto* team = qobject_cast<QComboBox*>(Control(w, IDC_Q_TEAM));
        ASSERT_EQ(team->count(), 2);
        EXPECT_EQ(team->itemText(0), "Alley Cats");
        team->setCurrentIndex(1);
        emit team->activated(1);
        QTest::mouseClick(qobject_cast<QPushButton*>(Control(w, IDOK)), Qt::LeftButton);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, "Bea");
    EXPECT_EQ((std::vector<int>{dlg.m_nScore, dlg.m_bActive, dlg.m_nTeam, dlg.nChanges}), (std::vector<int>{250, 1, 1, 3}));
}

TEST(QtDialogs, AControlTheDialogDisablesLooksDisabledOnItsGreyBackground)
{
    AfxRegisterDialogTemplates(std::span<const DlgTemplate>(&kSample, 1));
    QtUi ui;
    CQtSampleDlg dlg;
    WhenModal([&dlg](QWidget* w) {
        dlg.GetDlgItem(IDC_Q_ACTIVE)->EnableWindow(FALSE);
        auto* active = qobject_cast<QCheckBox*>(Control(w, IDC_Q_ACTIVE));
        auto* ok = qobject_cast<QPushButton*>(Control(w, IDOK));
        ASSERT_FALSE(active->isEnabled());
        // Black on grey for what works; for what does not a grey that is neither black nor lost
        // on the 192 grey background (the style's own disabled grey nearly is).
        EXPECT_EQ(ok->palette().color(QPalette::Active, QPalette::ButtonText), QColor(0, 0, 0));
        EXPECT_EQ(active->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 0));
        for (const QColor disabled : {active->palette().color(QPalette::Disabled, QPalette::WindowText),
                                      ok->palette().color(QPalette::Disabled, QPalette::ButtonText)}) {
            EXPECT_NE(disabled, QColor(0, 0, 0));
            EXPECT_GE(192 - disabled.lightness(), 48) << disabled.name().toStdString();
        }
        // And the box keeps its state against a click.
        QTest::mouseClick(active, Qt::LeftButton);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_bActive, FALSE);
}

TEST(QtDialogs, ABadValueShowsTheMessageAndKeepsTheDialog)
{
    AfxRegisterDialogTemplates(std::span<const DlgTemplate>(&kSample, 1));
    QtUi ui;
    CQtSampleDlg dlg;
    QString seen;
    WhenModal([&seen](QWidget* w) {
        auto* score = qobject_cast<QLineEdit*>(Control(w, IDC_Q_SCORE));
        score->setFocus();
        score->selectAll();
        QTest::keyClicks(score, "301");
        WhenModal([&seen, w](QWidget* box) {
            auto* mb = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(mb, nullptr);
            seen = mb->text();
            mb->accept();
            // Back in the dialog, with the focus on the box; then Escape.
            QTimer::singleShot(0, [w] { QTest::keyClick(w, Qt::Key_Escape); });
        });
        QTest::keyClick(w, Qt::Key_Return);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(seen, "Please enter an integer between 0 and 300.");
}

TEST(QtDialogs, LettersTypedBeyondTheTextArePlainLettersOnOk)
{
    AfxRegisterDialogTemplates(std::span<const DlgTemplate>(&kSample, 1));
    QtUi ui;
    CQtSampleDlg dlg;
    QString seen, shown;
    WhenModal([&](QWidget* w) {
        auto* name = qobject_cast<QLineEdit*>(Control(w, IDC_Q_NAME));
        name->selectAll();
        // Key events carrying the letters, as a Polish keyboard sends them.
        for (QChar c : QString::fromUtf8("\xC5\x81\xC3\xB3" "d\xC5\xBA")) {  // Łódź
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &press);
        }
        WhenModal([&seen](QWidget* box) {
            auto* mb = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(mb, nullptr);
            seen = mb->text();
            mb->accept();
        });
        QTest::mouseClick(qobject_cast<QPushButton*>(Control(w, IDOK)), Qt::LeftButton);
        shown = name->text();
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, "L\xF3" "dz");
    EXPECT_TRUE(seen.contains(QString::fromUtf8("\xC5\x81 to L, \xC5\xBA to z"))) << seen.toStdString();
    EXPECT_EQ(shown, QString::fromUtf8("L\xC3\xB3" "dz"));  // the box shows what the league keeps
}

// A bowler's name longer than a narrow name box, put there by the program: the box shows the
// name's start, as on a scoresheet, not its last letters.
TEST(QtDialogs, ANameLongerThanItsBoxShowsItsStart)
{
    enum : UINT { IDD_QT_NAMES = 9111, IDC_Q_PICK = 1311 };
    static const DlgTemplate kNames = {IDD_QT_NAMES, "Names", 120, 40, {
        {CtlKind::ComboBox, IDC_Q_PICK, nullptr, 7, 7, 40, 60, CBS_DROPDOWN | WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 60, 20, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    }};
    AfxRegisterDialogTemplates(std::span<const DlgTemplate>(&kNames, 1));
    class CNamesDlg : public CDialog {
    public:
        CNamesDlg() : CDialog(IDD_QT_NAMES) {}
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            auto* pick = static_cast<CComboBox*>(GetDlgItem(IDC_Q_PICK));
            pick->AddString("Brenda Ashdown-Whitworth");
            pick->SetCurSel(0);
            GotoDlgCtrl(GetDlgItem(IDOK));
            return FALSE;
        }
    };
    QtUi ui;
    CNamesDlg dlg;
    int shownFrom = -1;
    WhenModal([&shownFrom](QWidget* w) {
        auto* pick = qobject_cast<QComboBox*>(Control(w, IDC_Q_PICK));
        ASSERT_TRUE(pick && pick->lineEdit());
        ASSERT_GT(pick->fontMetrics().horizontalAdvance(pick->currentText()), pick->lineEdit()->width());
        shownFrom = pick->lineEdit()->cursorPosition();
        QTest::keyClick(w, Qt::Key_Return);
    });
    dlg.DoModal();
    EXPECT_EQ(shownFrom, 0);
}

// A message far taller than the screen, as a notice naming hundreds of values once was: the box
// keeps within the screen, its text scrolls to its last words, and its buttons are on the screen
// and answer it, OK by a click or Enter, a question's No by Escape. A short message shows in the
// box's own label, as ever.
TEST(QtMessages, AMessageTallerThanTheScreenScrollsAndKeepsItsButtonsOnIt)
{
    QtUi ui;
    CString text;
    for (int i = 1; i <= 300; ++i)
        text.AppendFormat("Bowler %d's home phone \"0113 496%04d\" (the record held \"0113 4961111\"); ", i, i);
    text += "and the last words.";
    auto onScreen = [](QWidget* w) {
        const QRect screen = w->screen()->availableGeometry();
        return screen.contains(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
    };
    auto fitted = [&](QWidget* w, QMessageBox::StandardButton button) -> QMessageBox* {
        auto* box = qobject_cast<QMessageBox*>(w);
        EXPECT_NE(box, nullptr);
        if (!box)
            return nullptr;
        EXPECT_EQ(box->text(), QString::fromLatin1(text.GetString()));
        EXPECT_TRUE(box->screen()->availableGeometry().contains(box->frameGeometry())) << box->height();
        EXPECT_TRUE(box->button(button)->isVisible() && onScreen(box->button(button)));
        auto* scroll = box->findChild<QScrollArea*>();
        EXPECT_NE(scroll, nullptr);
        if (!scroll)
            return box;
        // Scrolled to its end, the text's last line shows at the foot of the area.
        auto* shown = qobject_cast<QLabel*>(scroll->widget());
        EXPECT_EQ(shown->text(), box->text());
        QScrollBar* bar = scroll->verticalScrollBar();
        EXPECT_GT(bar->maximum(), scroll->viewport()->height());
        bar->setValue(bar->maximum());
        EXPECT_EQ(shown->mapTo(scroll->viewport(), QPoint(0, shown->height())).y(), scroll->viewport()->height());
        return box;
    };
    WhenModal([&](QWidget* w) {
        if (QMessageBox* box = fitted(w, QMessageBox::Ok))
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    EXPECT_EQ(AfxMessageBox(text), IDOK);
    WhenModal([&](QWidget* w) {
        if (QMessageBox* box = fitted(w, QMessageBox::Ok))
            QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION), IDOK);
    WhenModal([&](QWidget* w) {
        if (QMessageBox* box = fitted(w, QMessageBox::No)) {
            EXPECT_TRUE(onScreen(box->button(QMessageBox::Yes)));
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    EXPECT_EQ(AfxMessageBox(text, MB_YESNO | MB_ICONQUESTION), IDNO);

    WhenModal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->findChild<QScrollArea*>(), nullptr);
        EXPECT_TRUE(box->findChild<QLabel*>("qt_msgbox_label")->isVisible());
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(AfxMessageBox("Please choose a report layout."), IDOK);
}

TEST(QtSettings, TheProfileAndRegistryOutliveTheProgram)
{
    TempDir dir;
    {
        QtUi ui(dir.path().string());
        CWinApp app("Torvane");
        app.LoadStdProfileSettings(4);
        app.AddToRecentFileList("/leagues/Monday.lgf");
        app.AddToRecentFileList("/leagues/Ligue d'\xC3\xA9t\xC3\xA9/\xC5\x81\xC3\xB3" "d\xC5\xBA.lgf");  // paths are UTF-8
        app.m_nNumPreviewPages = 2;
        app.ExitInstance();
        EXPECT_EQ(GetDatabasePath(), AfxGetUserDataFolder() + "/database");
    }
    QFile ini(QString::fromStdString(dir.File("user/Quillmere/Torvane.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(text.contains("File1=")) << text.toStdString();
    EXPECT_TRUE(text.contains("PreviewPages=2")) << text.toStdString();
    {
        QtUi ui(dir.path().string());
        CWinApp app("Torvane");
        app.LoadStdProfileSettings(4);
        ASSERT_EQ(app.GetRecentFileList()->GetCount(), 2);
        EXPECT_EQ((std::vector<std::string>{(*app.GetRecentFileList())[0].str(), (*app.GetRecentFileList())[1].str()}),
                  (std::vector<std::string>{"/leagues/Ligue d'\xC3\xA9t\xC3\xA9/\xC5\x81\xC3\xB3" "d\xC5\xBA.lgf",
                                            "/leagues/Monday.lgf"}));
        EXPECT_EQ(app.m_nNumPreviewPages, 2u);
        CString stored;
        EXPECT_TRUE(ui.backend->Settings().GetRegistryValue(HKEY_LOCAL_MACHINE, TORVANE_REGISTRY_KEY, "Database path", stored));
        EXPECT_EQ(stored, AfxGetUserDataFolder() + "/database");
    }
}

TEST(QtFileDialogs, PathsBeyondAsciiComeBackAsTheSystemGivesThem)
{
    QtUi ui;
    TempDir dir;
    const std::string folder = dir.File("Ligue d'\xC3\xA9t\xC3\xA9");  // "Ligue d'été"
    QDir().mkpath(QFile::decodeName(folder.c_str()));
    struct Case {
        BOOL open;
        const char* typed;     // what the user types in the dialog
        std::string expected;  // the path the program gets, byte for byte
    } cases[] = {
        {FALSE, "M\xC3\xBCller", folder + "/M\xC3\xBCller.lgf"},  // Save As "Müller": the extension added
        {TRUE, "M\xC3\xBCller.lgf", folder + "/M\xC3\xBCller.lgf"},
        {FALSE, "\xC5\x81\xC3\xB3" "d\xC5\xBA.lgf", folder + "/\xC5\x81\xC3\xB3" "d\xC5\xBA.lgf"},  // "Łódź.lgf"
    };
    for (const Case& c : cases) {
        CFileDialog dlg(c.open, "lgf", nullptr, OFN_HIDEREADONLY, "League Files (*.lgf)|*.lgf||");
        dlg.m_ofn.lpstrInitialDir = folder.c_str();
        WhenModal([&](QWidget* w) {
            auto* fd = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(fd, nullptr);
            EXPECT_EQ(QFile::encodeName(fd->directory().absolutePath()).toStdString(), folder);
            fd->selectFile(QString::fromUtf8(c.typed));
            QMetaObject::invokeMethod(fd, "accept");
        });
        ASSERT_EQ(dlg.DoModal(), IDOK) << c.typed;
        EXPECT_EQ(dlg.GetPathName().str(), c.expected);
        if (!c.open) {
            CFile f(dlg.GetPathName(), CFile::modeCreate | CFile::modeWrite);
            f.Write("x", 1);
            f.Close();
            EXPECT_TRUE(QFile::exists(QString::fromUtf8(c.expected.c_str())));
        }
    }
}

TEST(QtSingleInstance, ALaterStartFindsTheFirstAndWakesIt)
{
    std::string name = "TorvaneTest" + std::to_string(QCoreApplication::applicationPid());
    std::unique_ptr<CUiBackend> first(AfxCreateQtBackend());
    std::unique_ptr<CUiBackend> second(AfxCreateQtBackend());
    EXPECT_FALSE(second->ActivateOtherInstance(name.c_str()));
    ASSERT_TRUE(first->RegisterInstance(name.c_str()));
    int before = AfxActivationRequests();
    EXPECT_TRUE(second->ActivateOtherInstance(name.c_str()));
    QElapsedTimer t;
    t.start();
    while (AfxActivationRequests() == before && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(AfxActivationRequests(), before + 1);

    // A start with a file hands it over, byte for byte, and the running program opens it.
    struct CHandedApp : CWinApp {
        std::vector<std::string> opened;
        void OnOpenFromOtherInstance(const char* pszPathName) override { opened.emplace_back(pszPathName); }
    } app;
    const std::string path = "/leagues/Ligue d'\xC3\xA9t\xC3\xA9/M\xC3\xBCller.lgf";
    EXPECT_TRUE(second->ActivateOtherInstance(name.c_str(), path.c_str()));
    t.restart();
    while (app.opened.empty() && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(app.opened, std::vector<std::string>{path});
    // Gone with its backend: the name is free again.
    first.reset();
    EXPECT_FALSE(second->ActivateOtherInstance(name.c_str()));
    // The user's channel folder in the temporary folder (without a runtime folder) goes with the test.
    const CDesktopSession& session = dynamic_cast<CQtBackend&>(*second).m_session;
    if (session.runtimeDir.isEmpty())
        QDir().rmdir(session.ChannelFolder(name.c_str()));
}

// The channel of one user's desktop, from what the start finds in its environment: two
// desktops of one user (a remote session beside the local one) have two, two starts on one
// desktop one, however that desktop's display is spelt.
TEST(QtSingleInstance, TheChannelIsNamedByTheUserAndTheDesktop)
{
    auto session = [](QString platform, QByteArray x11, QByteArray wayland, unsigned uid = 1000,
                      QByteArray runtime = "/run/user/1000") {
        CDesktopSession s;
        s.platform = std::move(platform);
        s.x11Display = std::move(x11);
        s.waylandDisplay = std::move(wayland);
        s.runtimeDir = std::move(runtime);
        s.tempDir = "/tmp";
        s.uid = uid;
        return s;
    };
    const CDesktopSession local = session("xcb", ":0", "");
    const struct
    {
        const char* pszWhat;
        CDesktopSession a, b;
        bool bOneDesktop;
    } cases[] = {
        {"X: the local display and a remote one", local, session("xcb", "localhost:10.0", ""), false},
        {"X: two local servers", session("xcb", ":71", ""), session("xcb", ":72", ""), false},
        {"Wayland: two compositors", session("wayland", ":0", "wayland-0"), session("wayland", ":1", "wayland-1"),
         false},
        {"X: two users on one display", local, session("xcb", ":0", "", 1001, "/run/user/1001"), false},
        {"X: a screen of the display", local, session("xcb", ":0.1", ""), true},
        {"X: the display by its socket", local, session("xcb", "unix:0.0", ""), true},
        // A Wayland socket left in the user's environment by another session says nothing of
        // where an X program's windows go.
        {"X: a Wayland name beside it", local, session("xcb", ":0", "wayland-1"), true},
        {"Wayland: its socket by name and by path", session("wayland", ":0", "wayland-0"),
         session("wayland", ":1", "/run/user/1000/wayland-0"), true},
        {"Wayland: the socket it takes when none is named", session("wayland", "", ""),
         session("wayland", "", "wayland-0"), true},
        {"no display: one for the user", session("offscreen", ":3", ""), session("offscreen", ":4", ""), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        const QString a = c.a.Channel("NewTorvane"), b = c.b.Channel("NewTorvane");
        EXPECT_EQ(a == b, c.bOneDesktop) << a.toStdString() << " " << b.toStdString();
        EXPECT_TRUE(a.startsWith(QString::fromUtf8(c.a.runtimeDir) + "/NewTorvane-" + QString::number(c.a.uid) + "-"))
            << a.toStdString();
    }
    // Test runs keep to themselves.
    CDesktopSession run = local;
    run.suffix = "-test-42";
    EXPECT_NE(run.Channel("NewTorvane"), local.Channel("NewTorvane"));

    // However long the runtime folder's or the display's name, the path fits the 106 bytes Qt
    // takes for a local socket's path: the user's own folder in the temporary folder serves a
    // runtime folder too long for it, from the first byte too many.
    const qsizetype nName = local.Channel("NewTorvane").size() - local.runtimeDir.size() - 1;
    CDesktopSession edge = local;
    edge.runtimeDir = "/run/" + QByteArray(106 - 1 - nName - 5, 'd');
    EXPECT_EQ(edge.Channel("NewTorvane").size(), 106);
    EXPECT_EQ(edge.ChannelFolder("NewTorvane").toStdString(), edge.runtimeDir.toStdString());
    edge.runtimeDir += "d";
    EXPECT_EQ(edge.ChannelFolder("NewTorvane").toStdString(), "/tmp/NewTorvane-1000");
    CDesktopSession deep = session("xcb", QByteArray(300, 'h') + ":0", "", 1000, "/run/" + QByteArray(100, 'd'));
    const QByteArray path = QFile::encodeName(deep.Channel("NewTorvane"));
    EXPECT_LE(path.size(), 106);
    EXPECT_TRUE(path.startsWith("/tmp/NewTorvane-1000/NewTorvane-1000-")) << path.toStdString();
    deep.tempDir = "/var/tmp/" + QByteArray(80, 't');
    EXPECT_TRUE(deep.Channel("NewTorvane").startsWith("/tmp/NewTorvane-1000/")) << deep.Channel("NewTorvane").toStdString();
    CDesktopSession other = deep;
    other.x11Display = QByteArray(300, 'h') + ":1";
    EXPECT_NE(other.Channel("NewTorvane"), deep.Channel("NewTorvane"));
}

// Over real sockets: a start on a second display finds no program there and runs its own; a
// start on the first display wakes the first program, not the second.
TEST(QtSingleInstance, AStartOnAnotherDisplayRunsItsOwnProgram)
{
    TempDir dir;
    auto backendOn = [&dir](const char* pszDisplay) {
        std::unique_ptr<CUiBackend> backend(AfxCreateQtBackend());
        auto* qt = dynamic_cast<CQtBackend*>(backend.get());
        EXPECT_NE(qt, nullptr);
        qt->m_session.platform = "xcb";
        qt->m_session.x11Display = pszDisplay;
        qt->m_session.runtimeDir = QFile::encodeName(QString::fromStdString(dir.path().string()));
        return backend;
    };
    const char* pszName = "NewTorvane";
    std::unique_ptr<CUiBackend> first = backendOn(":71"), second = backendOn(":72"), later = backendOn(":71.0");
    ASSERT_TRUE(first->RegisterInstance(pszName));
    EXPECT_FALSE(second->ActivateOtherInstance(pszName));
    ASSERT_TRUE(second->RegisterInstance(pszName));

    EXPECT_TRUE(later->ActivateOtherInstance(pszName));
    // The first gone, its display has none; the second's runs on.
    first.reset();
    EXPECT_FALSE(later->ActivateOtherInstance(pszName));
    EXPECT_TRUE(backendOn(":72")->ActivateOtherInstance(pszName));
}

namespace {
class CThreePageView : public CScrollView {
public:
    std::vector<UINT> pagesDrawn;
    bool begun = false, ended = false;
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(3);
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo*) override { begun = pDC->IsPrinting(); }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        pagesDrawn.push_back(pInfo->m_nCurPage);
        CString s;
        s.Format("Page %u", pInfo->m_nCurPage);
        pDC->TextOut(720, -720, s);
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { ended = true; }
};
}  // namespace

TEST(QtPrinting, EveryPageGoesIntoThePdf)
{
    TempDir dir;
    CThreePageView view;
    std::string path = dir.File("league.pdf");
    EXPECT_EQ(AfxPrintViewToPdf(view, path.c_str()), 3);
    EXPECT_EQ(view.pagesDrawn, (std::vector<UINT>{1, 2, 3}));
    EXPECT_TRUE(view.begun && view.ended);
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 3) << pdf.left(2000).toStdString();
}

// File > Print into a PDF: the file offered is the league's name in the league's folder; for a
// league never saved, in the folder of the league last opened. OK writes it there.
TEST(QtPrinting, ThePdfGoesBesideTheLeague)
{
    QtUi ui;
    TempDir dir;
    const std::string monday = dir.File("Monday league"), older = dir.File("Older");
    QDir().mkpath(QString::fromStdString(monday));
    QDir().mkpath(QString::fromStdString(older));
    CWinApp app("Torvane");
    app.LoadStdProfileSettings(4);
    app.AddToRecentFileList((older + "/Tuesday.lgf").c_str());

    CDocument saved, unsaved;
    saved.SetPathName((monday + "/Monday.lgf").c_str(), FALSE);
    unsaved.SetTitle("NewLeage.lgf");
    struct Case {
        CDocument* doc;
        std::string pdf;
    } cases[] = {{&saved, monday + "/Monday.pdf"}, {&unsaved, older + "/NewLeage.pdf"}};
    for (const Case& c : cases) {
        CThreePageView view;
        view.AttachTo(c.doc, nullptr);
        std::string offered;
        WhenModal([&](QWidget* w) {
            auto* file = w->findChild<QLineEdit*>("filename");
            ASSERT_NE(file, nullptr);
            offered = QFile::encodeName(file->text()).toStdString();
            // The printer list ends with the PDF file.
            if (auto* printers = w->findChild<QComboBox*>("printers"))
                printers->setCurrentIndex(printers->count() - 1);
            QMetaObject::invokeMethod(w, "accept");
        });
        EXPECT_TRUE(ui.backend->PrintView(view, FALSE));
        view.AttachTo(nullptr, nullptr);
        EXPECT_EQ(offered, c.pdf);
        QFile f(QString::fromStdString(c.pdf));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.pdf;
        EXPECT_TRUE(f.readAll().startsWith("%PDF"));
        EXPECT_EQ(view.pagesDrawn, (std::vector<UINT>{1, 2, 3}));
    }
}

TEST(QtMainWindow, MenusToolbarAndTheirStatesComeFromTheResources)
{
    RegisterResources();
    QtUi ui;
    CWinApp app("Torvane");
    CFrameWnd frame;
    frame.LoadFrame(IDR_MAINFRAME);
    auto* w = static_cast<CQtMainWindow*>(frame.m_pPeer);
    ASSERT_NE(w, nullptr);
    QStringList titles;
    for (QAction* a : w->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&League", "&Team", "&Player", "&Result", "Fi&xture", "&View", "V&enue",
                                   "&Juniors", "&D'base", "Rep&ort", "&Help"}));
    ASSERT_NE(w->ToolBar(), nullptr);
    QList<QAction*> places = w->ToolBar()->actions();
    EXPECT_EQ(places.size(), 20);
    EXPECT_EQ(std::count_if(places.begin(), places.end(), [](QAction* a) { return a->isSeparator(); }), 4);
    w->UpdateToolbar();
    for (QAction* a : places) {
        const UINT id = a->isSeparator() ? 0 : a->property("torvaneCmd").toUInt();
        if (id == ID_FILE_NEW || id == ID_FILE_OPEN || id == ID_RESULT_ENTER || id == ID_REPORT_EDIT) {
            EXPECT_EQ(a->isEnabled(), id == ID_FILE_NEW || id == ID_FILE_OPEN) << id;
        }
    }
    bool ctrlN = false;
    for (QAction* a : w->CommandActions())
        if (a->property("torvaneCmd").toUInt() == ID_FILE_NEW && a->shortcut() == QKeySequence("Ctrl+N"))
            ctrlN = true;
    EXPECT_TRUE(ctrlN);
    frame.DestroyWindow();
}

TEST(QtMainWindow, TheTitleShowsUnsavedChangesAndTheWindowKeepsItsPlace)
{
    RegisterResources();
    QtUi ui;
    CWinApp app("Torvane");
    class CTitleDoc : public CDocument {};
    class CBlankView : public CView {
        void OnDraw(CDC*) override {}
    };
    CTitleDoc doc;
    CBlankView view;
    const QRect placed(130, 90, 640, 480);
    {
        CFrameWnd frame;
        frame.LoadFrame(IDR_MAINFRAME);
        view.AttachTo(&doc, &frame);
        frame.SetActiveView(&view);
        doc.SetTitle("Monday.lgf");
        auto* w = static_cast<CQtMainWindow*>(frame.m_pPeer);
        frame.ActivateFrame();
        EXPECT_EQ(w->windowTitle(), "Monday.lgf[*] - Torvane");
        std::vector<bool> modified{w->isWindowModified()};
        doc.SetModifiedFlag();
        modified.push_back(w->isWindowModified());
        doc.SetModifiedFlag(FALSE);
        modified.push_back(w->isWindowModified());
        EXPECT_EQ(modified, (std::vector<bool>{false, true, false}));
        // The recent files name each league exactly as the system does.
        app.LoadStdProfileSettings(4);
        app.AddToRecentFileList("/leagues/Ligue d'\xC3\xA9t\xC3\xA9/\xC5\x81\xC3\xB3" "d\xC5\xBA & Co.lgf");
        ui.backend->FrameMenuChanged(frame);
        QStringList texts;
        for (QAction* a : w->findChildren<QAction*>())
            texts << a->text();
        EXPECT_TRUE(texts.contains(QString::fromUtf8("&1 /leagues/Ligue d'\xC3\xA9t\xC3\xA9/\xC5\x81\xC3\xB3" "d\xC5\xBA && Co.lgf")))
            << texts.join("|").toStdString();
        w->setGeometry(placed);
        frame.DestroyWindow();
        view.AttachTo(nullptr, nullptr);
    }
    CFrameWnd again;
    again.LoadFrame(IDR_MAINFRAME);
    auto* w = static_cast<CQtMainWindow*>(again.m_pPeer);
    again.ActivateFrame();
    EXPECT_EQ(w->geometry(), placed);
    again.DestroyWindow();
}

TEST(QtDialogs, EnterInABoxThatTakesItStaysThereAndElsewherePressesOK)
{
    AfxRegisterDialogTemplates(std::span<const DlgTemplate>(&kEnterSample, 1));
    CRealUi ui;
    CQtEnterDlg dlg;
    ui.OnDialog(IDD_QT_ENTER, [&dlg](CRealDialog& d) {
        d.Click(IDC_Q_NAME).Type("Ann").Enter();
        d.Type("e").Key(Qt::Key_Enter);
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_Q_NAME));
        d.Click(IDC_Q_SCORE).Enter();
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.entered, (std::vector<std::string>{"Ann", "Anne"}));
    EXPECT_EQ(dlg.nOK, 1);
}

// A menu opened while its command was off leaves its entry off; the key still follows the
// command: Ctrl+S saves once the document can be saved, and no longer once it cannot; PgDn and
// PgUp turn the pages as far as there are pages, the View menu opened on the last one.
TEST(QtMainWindow, AShortcutWorksWheneverItsCommandDoesWithoutItsMenuOpened)
{
    RegisterResources();
    QtUi ui;
    CWinApp app("Torvane");
    CKeysDoc doc;
    CKeysView view;
    CFrameWnd frame;
    frame.LoadFrame(IDR_MAINFRAME);
    view.AttachTo(&doc, &frame);
    frame.SetActiveView(&view);
    doc.SetTitle("Monday.lgf");
    auto* w = static_cast<CQtMainWindow*>(frame.m_pPeer);
    frame.ActivateFrame();
    MakeActive(w);

    OpenAndClose(w, "&File");
    doc.bSavable = true;
    MakeActive(w);
    QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(doc.nSaves, 1);
    doc.bSavable = false;
    QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(doc.nSaves, 1);

    // Every key a menu entry shows is its shortcut, PgDn included.
    for (UINT nID : {ID_VIEW_NEXT_PAGE, ID_VIEW_PREV_PAGE}) {
        QList<QKeySequence> keys;
        for (QAction* a : w->CommandActions())
            if (a->property("torvaneCmd").toUInt() == nID && !a->shortcut().isEmpty())
                keys << a->shortcut();
        EXPECT_EQ(keys, QList<QKeySequence>{QKeySequence(nID == ID_VIEW_NEXT_PAGE ? Qt::Key_PageDown : Qt::Key_PageUp)});
    }
    QTest::keyClick(w, Qt::Key_PageDown);
    QTest::keyClick(w, Qt::Key_PageDown);
    EXPECT_EQ(view.nPage, 3);
    OpenAndClose(w, "&View");
    MakeActive(w);
    QTest::keyClick(w, Qt::Key_PageDown);
    EXPECT_EQ(view.nPage, 3);
    QTest::keyClick(w, Qt::Key_PageUp);
    QTest::keyClick(w, Qt::Key_PageDown);
    EXPECT_EQ(view.nPage, 3);
    QTest::keyClick(w, Qt::Key_PageUp);
    QTest::keyClick(w, Qt::Key_PageUp);
    QTest::keyClick(w, Qt::Key_PageUp);
    EXPECT_EQ(view.nPage, 1);
    frame.DestroyWindow();
    view.AttachTo(nullptr, nullptr);
}
