// Start-up of the application through the scripted backend: the one instance, the profile,
// the document template and the command line; the menu's commands.
#include <gtest/gtest.h>

#include "ScriptedBackend.h"
#include "StartedApp.h"
#include "TempDir.h"
#include "app/BowlingApp.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/AppDialogs.h"
#include "resources/Resource.h"

#include <tuple>

namespace {
std::vector<UINT> MenuCommands(const MenuTemplate& menu)
{
    std::vector<UINT> ids;
    for (const MenuEntry& e : menu.entries)
        if (e.kind == MenuKind::Item)
            ids.push_back(e.id);
    return ids;
}
}  // namespace

TEST(StartUp, WithoutAFileANewLeagueOpensInAGreyDialogWorld)
{
    CScriptedBackend ui;
    ui.settings.WriteProfileValue("Recent File List", "File1", "/leagues/Monday.lgf");
    ui.OnDialog(IDD_NEW_LEAGUE).Cancel();  // no file: the new-league road starts
    Started s({});
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(ui.registeredInstance, "NewTorvane");
    EXPECT_EQ(std::make_pair(s.app.GetDialogBkColor(), s.app.GetDialogTextColor()), std::make_pair(RGB(192, 192, 192), RGB(0, 0, 0)));
    ASSERT_NE(s.app.GetRecentFileList(), nullptr);
    EXPECT_EQ(s.app.GetRecentFileList()->GetSize(), 4);
    EXPECT_EQ((*s.app.GetRecentFileList())[0], "/leagues/Monday.lgf");
    ASSERT_NE(s.Doc(), nullptr);
    ASSERT_NE(s.app.m_pMainWnd, nullptr);
    EXPECT_EQ(ui.frameTitle, "NewLeage.lgf[*] - Torvane");
    EXPECT_GE(ui.frameShows, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(StartUp, ASecondStartWakesTheFirstAndEnds)
{
    CScriptedBackend ui;
    ui.otherInstanceRunning = true;
    Started s({});
    EXPECT_EQ((std::vector<bool>{s.ok != FALSE, static_cast<bool>(s.app.IsFirstInstance()), s.app.m_pMainWnd != nullptr,
                                 ui.registeredInstance.empty()}),
              (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(ui.activationRequests, 1);
    // Its profile stays untouched: it never read it.
    s.app.ExitInstance();
    CString v;
    EXPECT_FALSE(ui.settings.GetProfileValue("Recent File List", "File1", v));
}

TEST(StartUp, TheFileOnTheCommandLineOpensWithoutItsQuotes)
{
    CScriptedBackend ui;
    TempDir dir;
    std::string path = dir.File("Tuesday.lgf");
    {
        // A league saved through the same document class.
        ui.OnDialog(IDD_NEW_LEAGUE).Cancel();  // no file: the new-league road starts
        Started first({});
        ASSERT_NE(first.Doc(), nullptr);
        first.Doc()->m_strLeagueName = "Tuesday Triples";
        ASSERT_TRUE(first.Doc()->DoSave(path.c_str()));
        first.app.ShutDownTemplates();
    }
    Started s({"\"" + path + "\""});
    ASSERT_TRUE(s.ok);
    ASSERT_NE(s.Doc(), nullptr);
    EXPECT_EQ((std::vector<std::string>{s.Doc()->m_strLeagueName.str(), s.Doc()->GetPathName().str(), ui.frameTitle,
                                        (*s.app.GetRecentFileList())[0].str()}),
              (std::vector<std::string>{"Tuesday Triples", path, "Tuesday.lgf[*] - Torvane", path}));
}

TEST(StartUp, AnUnreadableFileIsReportedAndAnEmptyLeagueStays)
{
    CScriptedBackend ui;
    TempDir dir;
    std::string path = dir.File("Broken.lgf");
    {
        CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        f.Write("not a league", 12);
        f.Close();
    }
    Started s({path});
    ASSERT_TRUE(s.ok);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Broken.lgf"), std::string::npos);
    ASSERT_NE(s.Doc(), nullptr);
    EXPECT_EQ(std::make_pair(s.Doc()->GetPathName().str(), s.Doc()->IsModified()), std::make_pair(std::string(), FALSE));
}

TEST(Commands, EveryMenuCommandIsThereAndTheUnbuiltOnesAreDisabled)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_NEW_LEAGUE).Cancel();  // no file: the new-league road starts
    Started s({});
    ASSERT_TRUE(s.ok);
    const MenuTemplate* menu = AfxFindMenu(IDR_MAINFRAME);
    ASSERT_NE(menu, nullptr);
    std::vector<UINT> inMenu = MenuCommands(*menu);
    std::vector<UINT> popup = MenuCommands(*AfxFindMenu(IDR_VIEW_POPUP));
    inMenu.insert(inMenu.end(), popup.begin(), popup.end());
    // Each command of the list has a place in a menu and a prompt.
    for (UINT id = ID_TORVANE_FIRST_COMMAND; id <= ID_TORVANE_LAST_COMMAND; ++id) {
        EXPECT_NE(std::find(inMenu.begin(), inMenu.end(), id), inMenu.end()) << "command " << id << " has no menu entry";
        EXPECT_TRUE(AfxHasString(id)) << id;
    }
    // A command nothing handles yet is disabled, and running it does nothing at all.
    CFrameWnd* frame = s.app.m_pMainWnd;
    for (UINT id : inMenu) {
        if (frame->HasHandlerInChain(id))
            continue;
        EXPECT_FALSE(frame->IsCommandEnabled(id) || frame->ExecuteCommand(id)) << id;
    }
    // The framework's own are live.
    for (UINT id : {ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
                    ID_FILE_PRINT_SETUP, ID_APP_EXIT, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR})
        EXPECT_TRUE(frame->IsCommandEnabled(id)) << id;
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Commands, TheToolbarHasSixteenButtonsInTwentyPlaces)
{
    RegisterResources();
    const ToolbarTemplate* tb = AfxFindToolbar(IDR_MAINFRAME);
    ASSERT_NE(tb, nullptr);
    EXPECT_EQ(tb->buttons.size(), 20u);
    EXPECT_EQ(std::count_if(tb->buttons.begin(), tb->buttons.end(), [](const ToolbarButton& b) { return b.id == ID_SEPARATOR; }), 4);
    const AcceleratorTable* acc = AfxFindAccelerators(IDR_MAINFRAME);
    ASSERT_NE(acc, nullptr);
    EXPECT_EQ(std::make_tuple(std::string(acc->keys[0].keys), acc->keys[0].id, ID_FILE_NEW),
              std::make_tuple(std::string("Ctrl+N"), UINT(ID_FILE_NEW), 57600u));
}

TEST(Commands, ExitAsksAboutAChangedLeague)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_NEW_LEAGUE).Cancel();  // no file: the new-league road starts
    Started s({});
    ASSERT_TRUE(s.ok);
    s.Doc()->SetModifiedFlag();
    ui.AnswerMessageBox(IDCANCEL, "Save changes to NewLeage.lgf?");
    std::vector<bool> quit;
    for (int answer : {IDCANCEL, IDNO}) {
        if (answer == IDNO)
            ui.AnswerMessageBox(IDNO, "Save changes");
        s.app.m_pMainWnd->ExecuteCommand(ID_APP_EXIT);
        quit.push_back(ui.quitPosted);
    }
    EXPECT_EQ(quit, (std::vector<bool>{false, true}));
}

TEST(Commands, AboutShowsTheVersion)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_NEW_LEAGUE).Cancel();  // no file: the new-league road starts
    Started s({});
    ASSERT_TRUE(s.ok);
    std::string version;
    ui.OnDialog(IDD_ABOUTBOX).Check([&](CDialog& d) { version = d.GetDlgItemText(IDC_ABOUT_VERSION).str(); }).OK();
    EXPECT_TRUE(s.app.m_pMainWnd->IsCommandEnabled(ID_APP_ABOUT) && s.app.m_pMainWnd->ExecuteCommand(ID_APP_ABOUT));
    EXPECT_EQ(version, "Torvane 1.8.9");
}

TEST(Commands, SurnameFirstTurnsEveryBowlersNameAndBack)
{
    CScriptedBackend ui;
    TempDir dir;
    std::string path = dir.File("Names.lgf");
    {
        CBowlingDoc league;
        BuildSampleLeague(league, GetSampleLeagueShape(FALSE));
        CString error;
        ASSERT_TRUE(league.SaveToFile(path.c_str(), error)) << error.GetString();
    }
    Started s({path});
    ASSERT_TRUE(s.ok);
    CBowlingDoc* doc = s.Doc();
    auto* first = static_cast<CPlayer*>(doc->m_listPlayers.GetHead());
    const CString firstName = first->m_strFirstName, surname = first->m_strSurname;
    EXPECT_EQ(first->m_strName, firstName + " " + surname);
    CFrameWnd* frame = s.app.m_pMainWnd;
    CCmdUI state;
    state.m_nID = ID_PLAYER_SURNAME_FIRST;
    frame->UpdateCmdUI(state);
    EXPECT_EQ(std::make_pair(static_cast<bool>(state.m_bEnabled), static_cast<int>(state.m_nCheck)), std::make_pair(true, 0));

    ASSERT_TRUE(frame->ExecuteCommand(ID_PLAYER_SURNAME_FIRST));
    frame->UpdateCmdUI(state);
    EXPECT_EQ(std::make_tuple(first->m_strName, doc->IsModified(), static_cast<int>(state.m_nCheck)),
              std::make_tuple(surname + " " + firstName, TRUE, 1));

    ASSERT_TRUE(frame->ExecuteCommand(ID_PLAYER_SURNAME_FIRST));
    EXPECT_EQ(first->m_strName, firstName + " " + surname);
}
