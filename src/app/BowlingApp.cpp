#include "app/BowlingApp.h"

#include <filesystem>

#include "admin/AccountsCommands.h"
#include "admin/AverageBuster.h"
#include "admin/DatabaseCommands.h"
#include "admin/AwardCommands.h"
#include "admin/JuniorCommands.h"
#include "admin/LeagueDetailsCommands.h"
#include "admin/LeagueSetup.h"
#include "app/AboutDlg.h"
#include "admin/RulesSetup.h"
#include "admin/SeasonCommands.h"
#include "admin/TeamCommands.h"
#include "admin/VenueCommands.h"
#include "app/MainFrm.h"
#include "app/PlayerCommands.h"
#include "league/BowlingDoc.h"
#include "playerdb/BowlingDocDatabase.h"
#include "resources/Resource.h"
#include "results/PointsCommands.h"
#include "results/SelectionCommands.h"
#include "view/BowlingView.h"

BEGIN_MESSAGE_MAP(CBowlingApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

CBowlingApp::CBowlingApp() : CWinApp("Torvane") {}

BOOL CBowlingApp::InitApplication()
{
    RegisterResources();
    // The document's set-up commands: rules go in front of the league set-up they extend.
    LeagueSetup::Install();
    RulesSetup::Install();
    AverageBuster::Install();
    LeagueDetailsCommands::Install();
    PlayerCommands::Install();
    SelectionCommands::Install();
    PointsCommands::Install();
    PlayerDatabase::Install();
    DatabaseCommands::Install();
    TeamCommands::Install();
    VenueCommands::Install();
    AccountsCommands::Install();
    SeasonCommands::Install();
    AwardCommands::Install();
    JuniorCommands::Install();
    // The right-click menu's team is the one under the view's last click.
    TeamCommands::pfnClickedTeam = [](CBowlingDoc* pDoc) -> CTeam* {
        for (POSITION pos = pDoc->GetFirstViewPosition(); pos;)
            if (auto* pView = dynamic_cast<CBowlingView*>(pDoc->GetNextView(pos)))
                return pView->m_pClickedTeam;
        return nullptr;
    };
    AccountsCommands::pfnClickedPlayer = [](CBowlingDoc* pDoc) -> CPlayer* {
        for (POSITION pos = pDoc->GetFirstViewPosition(); pos;)
            if (auto* pView = dynamic_cast<CBowlingView*>(pDoc->GetNextView(pos)))
                return pView->m_pClickedPlayer;
        return nullptr;
    };
    return TRUE;
}

BOOL CBowlingApp::InitInstance()
{
    CUiBackend* ui = AfxGetBackend();
    // The running program opens this start's file; its own working folder is another.
    CString file = GetFirstArgument();
    if (!file.IsEmpty() && file[0] != '/') {
        std::error_code ec;
        std::filesystem::path p = std::filesystem::absolute(file.GetString(), ec);
        if (!ec)
            file = p.lexically_normal().string();
    }
    if (ui->ActivateOtherInstance(kWindowClassName, file)) {
        m_bFirstInstance = FALSE;
        return FALSE;
    }
    ui->RegisterInstance(kWindowClassName);
    // A channel that is not the user's own is left alone, and the secretary hears why.
    if (const CString fault = ui->InstanceChannelFault(); !fault.IsEmpty()) {
        CString msg;
        msg.Format("Torvane runs on its own: %s.\n\nIt tells no other program which league it opens, and a "
                   "league opened while it runs opens in a Torvane of its own.",
                   fault.GetString());
        AfxMessageBox(msg);
    }

    SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 0));
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CBowlingDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CBowlingView)));

    if (file.IsEmpty()) {
        OnFileNew();
        // Without a league to open, the secretary starts a new one.
        if (m_pMainWnd)
            if (auto* pDoc = dynamic_cast<CBowlingDoc*>(m_pMainWnd->GetActiveDocument()))
                pDoc->OnFileNew();
    } else {
        OpenDocumentFile(file);  // a file that cannot be read is reported and leaves an empty league
    }
    if (!m_pMainWnd)
        return FALSE;
    m_pMainWnd->ActivateFrame(SW_SHOW);
    return TRUE;
}

void CBowlingApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}
