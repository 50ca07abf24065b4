#include "app/BowlingApp.h"

#include "app/AppDocument.h"
#include "app/LeagueNameView.h"
#include "app/MainFrm.h"
#include "resources/Resource.h"
#ifdef TORVANE_HAVE_BOWLING_VIEW
#include "view/BowlingView.h"
#endif

// The view of the main window: the league's own once it is built, else the stand-in.
static const CRuntimeClass* AppViewClass()
{
#ifdef TORVANE_HAVE_BOWLING_VIEW
    return RUNTIME_CLASS(CBowlingView);
#else
    return RUNTIME_CLASS(CLeagueNameView);
#endif
}

#ifndef TORVANE_HAVE_LEAGUE
IMPLEMENT_DYNCREATE(CBowlingDoc, CDocument)
#endif

BEGIN_MESSAGE_MAP(CBowlingApp, CWinApp)
END_MESSAGE_MAP()

CBowlingApp::CBowlingApp() : CWinApp("Torvane") {}

BOOL CBowlingApp::InitApplication()
{
    RegisterResources();
    return TRUE;
}

BOOL CBowlingApp::InitInstance()
{
    CUiBackend* ui = AfxGetBackend();
    if (ui->ActivateOtherInstance(kWindowClassName)) {
        m_bFirstInstance = FALSE;
        return FALSE;
    }
    ui->RegisterInstance(kWindowClassName);

    SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 0));
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CBowlingDoc), RUNTIME_CLASS(CMainFrame),
                                          AppViewClass()));

    CString file = GetFirstArgument();
    if (file.IsEmpty())
        OnFileNew();
    else
        OpenDocumentFile(file);  // a file that cannot be read is reported and leaves an empty league
    if (!m_pMainWnd)
        return FALSE;
    m_pMainWnd->ActivateFrame(SW_SHOW);
    return TRUE;
}
