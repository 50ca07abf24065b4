// Command routing through view, document, frame and application, and the update handlers
// that enable, disable and check commands.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "ScriptedBackend.h"
#include "framework/ui/Ui.h"

namespace {
enum : UINT {
    ID_T_VIEWCMD = 33001,
    ID_T_DOCCMD,
    ID_T_FRAMECMD,
    ID_T_APPCMD,
    ID_T_DISABLED,
    ID_T_UNBUILT,
    ID_T_TOGGLE,
    ID_T_RANGE1,
    ID_T_RANGE2,
    ID_T_BOTH,
};

std::vector<std::string> g_calls;

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
public:
    void OnDocCmd() { g_calls.push_back("doc"); }
    void OnBoth() { g_calls.push_back("doc both"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_T_DOCCMD, OnDocCmd)
    ON_COMMAND(ID_T_BOTH, OnBoth)
END_MESSAGE_MAP()

class CTestView : public CScrollView {
    DECLARE_DYNCREATE(CTestView)
public:
    bool toggled = false;
    void OnDraw(CDC*) override {}
    void OnViewCmd() { g_calls.push_back("view"); }
    void OnDisabled() { g_calls.push_back("disabled ran"); }
    void OnUpdateDisabled(CCmdUI* p) { p->Enable(FALSE); }
    void OnToggle() { toggled = !toggled; }
    void OnUpdateToggle(CCmdUI* p) { p->SetCheck(toggled); }
    void OnRange(UINT id) { g_calls.push_back("range " + std::to_string(id - ID_T_RANGE1)); }
    void OnBoth() { g_calls.push_back("view both"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CScrollView)
BEGIN_MESSAGE_MAP(CTestView, CScrollView)
    ON_COMMAND(ID_T_VIEWCMD, OnViewCmd)
    ON_COMMAND(ID_T_DISABLED, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_T_DISABLED, OnUpdateDisabled)
    ON_COMMAND(ID_T_TOGGLE, OnToggle)
    ON_UPDATE_COMMAND_UI(ID_T_TOGGLE, OnUpdateToggle)
    ON_COMMAND_RANGE(ID_T_RANGE1, ID_T_RANGE2, OnRange)
    ON_COMMAND(ID_T_BOTH, OnBoth)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
public:
    void OnFrameCmd() { g_calls.push_back("frame"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_T_FRAMECMD, OnFrameCmd)
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("Torvane") {}
    void OnAppCmd() { g_calls.push_back("app"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_T_APPCMD, OnAppCmd)
END_MESSAGE_MAP()

const StringEntry kStrings[] = {{77, "Torvane\nNewLeage.lgf\nLeague\nLeague Files (*.lgf)\n.lgf"}};
}  // namespace

class Commands : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear();
        AfxRegisterStrings(kStrings);
        app.AddDocTemplate(new CSingleDocTemplate(77, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                                  RUNTIME_CLASS(CTestView)));
        app.OnFileNew();
        frame = app.m_pMainWnd;
        ASSERT_NE(frame, nullptr);
    }
    CScriptedBackend ui;
    CTestApp app;
    CFrameWnd* frame = nullptr;
};

TEST_F(Commands, ReachTheFirstHandlerOnTheRoute)
{
    for (UINT id : {ID_T_VIEWCMD, ID_T_DOCCMD, ID_T_FRAMECMD, ID_T_APPCMD, ID_T_RANGE2, ID_T_BOTH})
        EXPECT_TRUE(frame->ExecuteCommand(id)) << id;
    EXPECT_EQ(g_calls, (std::vector<std::string>{"view", "doc", "frame", "app", "range 1", "view both"}));
}

TEST_F(Commands, UpdateHandlersDisableAndCheck)
{
    // An update handler says no: the command does not run, even from an accelerator. Nothing
    // handles it yet: disabled, never a silent no-op.
    EXPECT_EQ((std::vector<BOOL>{frame->IsCommandEnabled(ID_T_VIEWCMD), frame->IsCommandEnabled(ID_T_APPCMD),
                                 frame->IsCommandEnabled(ID_T_DISABLED), frame->ExecuteCommand(ID_T_DISABLED),
                                 frame->IsCommandEnabled(ID_T_UNBUILT), frame->ExecuteCommand(ID_T_UNBUILT)}),
              (std::vector<BOOL>{TRUE, TRUE, FALSE, FALSE, FALSE, FALSE}));
    EXPECT_TRUE(g_calls.empty());

    CCmdUI toggle;
    toggle.m_nID = ID_T_TOGGLE;
    frame->UpdateCmdUI(toggle);
    const int before = toggle.m_nCheck;
    frame->ExecuteCommand(ID_T_TOGGLE);
    frame->UpdateCmdUI(toggle);
    EXPECT_EQ(std::make_pair(before, static_cast<int>(toggle.m_nCheck)), std::make_pair(0, 1));
}

TEST_F(Commands, TheFrameTitleNamesTheDocument)
{
    EXPECT_EQ(ui.frameTitle, "NewLeage.lgf[*] - Torvane");
    EXPECT_GE(ui.frameShows, 1);
    CDocument* doc = frame->GetActiveDocument();
    ASSERT_NE(doc, nullptr);
    doc->SetPathName("/leagues/Monday.lgf", FALSE);
    EXPECT_EQ(ui.frameTitle, "Monday.lgf[*] - Torvane");
    frame->BringToFront();
    EXPECT_EQ(ui.lastShowCommand, SW_RESTORE);
}

TEST_F(Commands, TheRecentFileEntriesFollowTheList)
{
    app.LoadStdProfileSettings(4);
    CCmdUI mru;
    mru.m_nID = ID_FILE_MRU_FILE1;
    frame->UpdateCmdUI(mru);
    const bool before = mru.m_bEnabled;
    app.AddToRecentFileList("/leagues/Monday.lgf");
    frame->UpdateCmdUI(mru);
    EXPECT_EQ(std::make_pair(before, static_cast<bool>(mru.m_bEnabled)), std::make_pair(false, true));
    EXPECT_EQ(mru.m_strText, "&1 /leagues/Monday.lgf");
}

TEST(Scrolling, ClicksBecomeTwipsDownTheScrollArea)
{
    CScriptedBackend ui;
    CTestView view;
    view.SetScrollSizes(MM_TWIPS, CSize(11520, 16560));
    view.SetDeviceResolution(96, 96);
    EXPECT_EQ(view.DPtoLP(CPoint(96, 48)), CPoint(1440, -720));
    view.ScrollToPosition(CPoint(0, -1440));
    EXPECT_EQ(view.DPtoLP(CPoint(0, 96)), CPoint(0, -2880));
}

TEST_F(Commands, APopupMenuOffersOnlyWhatIsThereAndEnabled)
{
    static const MenuTemplate popup = {777, {
        POPUP("Team"),
            MENUITEM("&View", ID_T_VIEWCMD),
            MENUITEM("&Off", ID_T_DISABLED),
        END_POPUP,
    }};
    AfxRegisterMenu(popup);
    CView* view = frame->GetActiveView();
    ui.ChoosePopupCommand(ID_T_VIEWCMD);
    UINT id = AfxGetBackend()->TrackPopupMenu(*view, 777, 0, 1440, -720);
    EXPECT_EQ(id, ID_T_VIEWCMD);
    ASSERT_EQ(ui.popupsShown.size(), 1u);
    EXPECT_EQ(ui.popupsShown[0].y, -720);
    frame->ExecuteCommand(id);
    EXPECT_EQ(g_calls, std::vector<std::string>{"view"});
    ui.ChoosePopupCommand(ID_T_DISABLED);
    EXPECT_NONFATAL_FAILURE(AfxGetBackend()->TrackPopupMenu(*view, 777, 0, 0, 0), "is disabled");
}
