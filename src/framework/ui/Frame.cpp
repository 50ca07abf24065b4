#include "framework/ui/Frame.h"

#include "framework/ui/Backend.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/Resources.h"
#include "framework/ui/WinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_COMMAND_RANGE(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, OnViewBar)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, OnUpdateViewBar)
END_MESSAGE_MAP()

void CFrameWnd::OnViewBar(UINT nID)
{
    bool& shown = nID == ID_VIEW_TOOLBAR ? m_bToolbar : m_bStatusBar;
    shown = !shown;
    if (m_hWnd)
        AfxGetBackend()->ShowControlBar(*this, nID, shown);
}

void CFrameWnd::OnUpdateViewBar(CCmdUI* pCmdUI) { pCmdUI->SetCheck(IsBarVisible(pCmdUI->m_nID) ? 1 : 0); }

CFrameWnd::~CFrameWnd() { DestroyWindow(); }

BOOL CFrameWnd::LoadFrame(UINT nIDResource)
{
    m_nIDResource = nIDResource;
    m_hWnd = this;
    AfxGetBackend()->CreateFrame(*this);
    CREATESTRUCT cs;
    if (OnCreate(&cs) == -1)
        return FALSE;
    return TRUE;
}

void CFrameWnd::DestroyWindow()
{
    if (m_hWnd) {
        AfxGetBackend()->DestroyFrame(*this);
        m_hWnd = nullptr;
        m_pPeer = nullptr;
    }
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI)
{
    if (m_pActiveView && m_pActiveView->OnCmdMsg(nID, nCode, pCmdUI))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pCmdUI);
}

BOOL CFrameWnd::HasHandlerInChain(UINT nID)
{
    if (m_pActiveView && m_pActiveView->HasCommandHandler(nID))
        return TRUE;
    if (CDocument* doc = GetActiveDocument(); doc && doc->HasCommandHandler(nID))
        return TRUE;
    if (HasCommandHandler(nID))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->HasCommandHandler(nID);
}

void CFrameWnd::UpdateCmdUI(CCmdUI& cmdUI)
{
    cmdUI.m_bEnabled = TRUE;
    cmdUI.m_bEnableChanged = FALSE;
    if (OnCmdMsg(cmdUI.m_nID, CN_UPDATE_COMMAND_UI, &cmdUI))
        return;
    if (m_bAutoMenuEnable)
        cmdUI.m_bEnabled = HasHandlerInChain(cmdUI.m_nID);
}

BOOL CFrameWnd::IsCommandEnabled(UINT nID)
{
    CCmdUI ui;
    ui.m_nID = nID;
    UpdateCmdUI(ui);
    return ui.m_bEnabled;
}

BOOL CFrameWnd::ExecuteCommand(UINT nID)
{
    // A disabled command stays disabled even when an accelerator asks for it.
    if (!IsCommandEnabled(nID))
        return FALSE;
    return OnCmdMsg(nID, CN_COMMAND, nullptr);
}

void CFrameWnd::OnUpdateFrameTitle()
{
    CString appName = AfxGetAppName();
    CDocument* doc = GetActiveDocument();
    // "[*]" marks where a desktop shows that the document has unsaved changes.
    CString title = (doc && !doc->GetTitle().IsEmpty()) ? doc->GetTitle() + "[*] - " + appName : appName;
    bool modified = doc && doc->IsModified();
    if (title != m_strWindowText) {
        m_bDocModified = modified;
        SetWindowText(title);
    } else if (modified != m_bDocModified) {
        m_bDocModified = modified;
        OnWindowTextChanged();
    }
}

void CFrameWnd::OnWindowTextChanged()
{
    if (m_hWnd)
        AfxGetBackend()->FrameTitleChanged(*this);
}

void CFrameWnd::SetMessageText(const char* pszText)
{
    if (m_hWnd)
        AfxGetBackend()->SetStatusText(*this, pszText ? pszText : "");
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (m_hWnd)
        AfxGetBackend()->ShowFrame(*this, nCmdShow < 0 ? SW_SHOW : nCmdShow);
}

void CFrameWnd::BringToFront()
{
    if (m_hWnd)
        AfxGetBackend()->ShowFrame(*this, SW_RESTORE);
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    if (m_pActiveView && m_pActiveView->GetDocument() == pDoc)
        m_pActiveView->OnInitialUpdate();
    OnUpdateFrameTitle();
    if (bMakeVisible)
        ActivateFrame();
}

void CFrameWnd::OnClose()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->OnAppExit();
        return;
    }
    if (CDocument* doc = GetActiveDocument(); doc && !doc->SaveModified())
        return;
    DestroyWindow();
}
