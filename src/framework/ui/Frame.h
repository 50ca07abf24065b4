#pragma once
// The main window: menu bar, toolbar, accelerators and status bar from the resources of one
// id, and the command routing of the whole program.
#include "framework/ui/FrameworkIds.h"
#include "framework/ui/View.h"

struct CREATESTRUCT {};
using LPCREATESTRUCT = CREATESTRUCT*;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    ~CFrameWnd() override;

    // Makes the window with the menu, toolbar and accelerators of resource nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource);
    virtual int OnCreate(LPCREATESTRUCT /*lpCreateStruct*/) { return 0; }
    UINT GetResourceID() const { return m_nIDResource; }

    CView* GetActiveView() const { return m_pActiveView; }
    void SetActiveView(CView* pView) { m_pActiveView = pView; }
    CDocument* GetActiveDocument() const { return m_pActiveView ? m_pActiveView->GetDocument() : nullptr; }

    // Commands go to the active view (and its document), then the frame, then the application.
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override;
    // Runs the command from a menu, a toolbar button or an accelerator, if it is enabled.
    BOOL ExecuteCommand(UINT nID);
    // Works out a command's state: its update handler when there is one, else enabled exactly
    // when something handles the command. A command nothing handles is disabled, never a no-op.
    void UpdateCmdUI(CCmdUI& cmdUI);
    BOOL IsCommandEnabled(UINT nID);
    BOOL HasHandlerInChain(UINT nID);

    // The title names the document, with "[*]" where its unsaved changes are shown.
    virtual void OnUpdateFrameTitle();
    BOOL IsDocumentModified() const { return m_bDocModified; }
    void SetMessageText(const char* pszText);
    void ActivateFrame(int nCmdShow = -1);
    // Brings the window forward and restores it when minimised (a second start asks this).
    void BringToFront();
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    void DestroyWindow();

    // The close box and File > Exit: ask to save, then end the program.
    virtual void OnClose();

    void* m_pPeer = nullptr;
    BOOL m_bAutoMenuEnable = TRUE;
    BOOL IsBarVisible(UINT nBarID) const { return nBarID == ID_VIEW_TOOLBAR ? m_bToolbar : m_bStatusBar; }

    afx_msg void OnViewBar(UINT nID);
    afx_msg void OnUpdateViewBar(CCmdUI* pCmdUI);

protected:
    bool m_bToolbar = true;
    bool m_bStatusBar = true;
    bool m_bDocModified = false;
    DECLARE_MESSAGE_MAP()

    void OnWindowTextChanged() override;

    UINT m_nIDResource = 0;
    CView* m_pActiveView = nullptr;
};
