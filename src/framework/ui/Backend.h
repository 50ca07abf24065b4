#pragma once
// The one seam between the window vocabulary and a real (or scripted) user interface.
// Modal loops, message boxes, file and font choosers, frames, views, printing and settings all
// go through the installed backend, so a test that installs the scripted backend runs the very
// code path a person runs through the Qt one.
#include <cstdint>
#include <map>
#include <string>

#include "framework/core/String.h"
#include "framework/core/Types.h"
#include "framework/ui/UiTypes.h"

class CDialog;
class CFileDialog;
class CFontDialog;
class CColorDialog;
class CFrameWnd;
class CView;
class CScrollView;
class CWnd;
struct CControlState;

// Registry roots.
using HKEY = std::uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

// What changed in a control, so a backend refreshes only that.
enum CtlChange : UINT {
    CtlChange_Text = 0x0001,
    CtlChange_Check = 0x0002,
    CtlChange_Enable = 0x0004,
    CtlChange_Show = 0x0008,
    CtlChange_Items = 0x0010,
    CtlChange_Selection = 0x0020,
    CtlChange_Rect = 0x0040,
    CtlChange_ReadOnly = 0x0080,
    CtlChange_Limit = 0x0100,
    CtlChange_EditSel = 0x0200,
    CtlChange_All = 0xFFFF,
};

// Where settings live: the program's profile (recent files, preview pages) and the
// registry-like store behind CRegistryKey.
class CSettingsStore {
public:
    virtual ~CSettingsStore() = default;
    virtual BOOL GetProfileValue(const char* pszSection, const char* pszEntry, CString& value) = 0;
    virtual BOOL WriteProfileValue(const char* pszSection, const char* pszEntry, const char* pszValue) = 0;
    virtual BOOL GetRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName, CString& value) = 0;
    virtual BOOL SetRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName, const char* pszValue) = 0;
    virtual BOOL DeleteRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName) = 0;
    virtual void Flush() {}
};

// Settings kept in memory: the default store, and the one tests use.
class CMemorySettingsStore : public CSettingsStore {
public:
    BOOL GetProfileValue(const char* pszSection, const char* pszEntry, CString& value) override;
    BOOL WriteProfileValue(const char* pszSection, const char* pszEntry, const char* pszValue) override;
    BOOL GetRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName, CString& value) override;
    BOOL SetRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName, const char* pszValue) override;
    BOOL DeleteRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName) override;
    void Clear();

private:
    std::map<std::string, std::string> m_profile;   // "section\nentry"
    std::map<std::string, std::string> m_registry;  // "root\nsubkey\nname"
};

class CUiBackend {
public:
    virtual ~CUiBackend() = default;

    // Dialogs. RunModalDialog builds the dialog's window from its controls, calls
    // dlg.InitModal() once the controls exist, and returns when dlg.EndDialog has been called.
    virtual INT_PTR RunModalDialog(CDialog& dlg) = 0;
    virtual void EndModalDialog(CDialog& /*dlg*/) {}
    virtual void ControlChanged(CDialog& /*dlg*/, CControlState& /*ctl*/, UINT /*nChange*/) {}
    virtual void DialogCaptionChanged(CDialog& /*dlg*/) {}
    virtual void FocusControl(CDialog& /*dlg*/, CControlState& /*ctl*/) {}

    // Message boxes return IDOK, IDCANCEL, IDYES or IDNO.
    virtual int MessageBox(const CString& text, const CString& caption, UINT nType) = 0;
    // A message whose text is UTF-8 (it names characters beyond the single-byte text).
    virtual int MessageBoxUtf8(const std::string& text, const CString& caption, UINT nType)
    {
        return MessageBox(CString::FromUtf8(text), caption, nType);
    }
    virtual BOOL RunFileDialog(CFileDialog& dlg) = 0;
    virtual BOOL RunFontDialog(CFontDialog& dlg) = 0;
    virtual BOOL RunColorDialog(CColorDialog& dlg) = 0;

    // The main window and its view.
    virtual void CreateFrame(CFrameWnd& /*frame*/) {}
    virtual void DestroyFrame(CFrameWnd& /*frame*/) {}
    virtual void ShowFrame(CFrameWnd& /*frame*/, int /*nCmdShow*/) {}
    virtual void FrameTitleChanged(CFrameWnd& /*frame*/) {}
    virtual void FrameMenuChanged(CFrameWnd& /*frame*/) {}  // the recent-file entries
    virtual void SetStatusText(CFrameWnd& /*frame*/, const CString& /*text*/) {}
    // The toolbar (ID_VIEW_TOOLBAR) and the status bar (ID_VIEW_STATUS_BAR).
    virtual void ShowControlBar(CFrameWnd& /*frame*/, UINT /*nBarID*/, BOOL /*bShow*/) {}
    virtual void CreateView(CView& /*view*/, CFrameWnd& /*frame*/) {}
    virtual void InvalidateView(CView& /*view*/) {}
    virtual void ScrollSizesChanged(CScrollView& /*view*/) {}
    virtual void ScrollViewTo(CScrollView& /*view*/, int /*x*/, int /*y*/) {}
    // Shows pop-up nSubMenu of menu resource nIDMenu at a point of the view (in twips for a
    // scroll view, pixels otherwise) and returns the chosen command, 0 when none.
    virtual UINT TrackPopupMenu(CWnd& /*wnd*/, UINT /*nIDMenu*/, int /*nSubMenu*/, int /*x*/, int /*y*/) { return 0; }

    // Printing: runs the view's printing sequence on a printer, in preview, or into a PDF file.
    virtual BOOL PrintView(CView& view, BOOL bPreview) = 0;
    virtual BOOL PrintSetup() { return FALSE; }

    virtual CSettingsStore& Settings() = 0;
    // Where file dialogs start when nothing better is known: the user's documents folder.
    virtual CString GetDocumentsFolder();

    // One running instance per user and desktop: when an instance registered under pszClassName
    // runs on this desktop, asks it to come to the front, hands it pszPathName (absolute; null
    // or empty: none) to open through CWinApp::OnOpenFromOtherInstance, and returns TRUE; the
    // caller then ends.
    virtual BOOL ActivateOtherInstance(const char* /*pszClassName*/, const char* /*pszPathName*/ = nullptr)
    {
        return FALSE;
    }
    // Registers this instance, so later starts find it.
    virtual BOOL RegisterInstance(const char* /*pszClassName*/) { return TRUE; }
    // Why this instance runs on its own though another of its user may run: the channel between
    // them is not the user's own (its folder or its listener is another user's) or cannot be
    // made; empty when all is well. The two calls above find it; the channel is then left alone.
    virtual CString InstanceChannelFault() { return CString(); }

    // The main loop and its end.
    virtual int RunMessageLoop() { return 0; }
    virtual void PostQuit(int /*nExitCode*/) {}
};

// The installed backend. Without one a quiet default answers: message boxes give the cautious
// answer (OK, Cancel or No), dialogs end as cancelled, settings are kept in memory.
// Answers when no user interface is installed (tools, tests of the model, a test's second
// program): nothing is shown but the text of a message, every question gets its cautious answer
// and dialogs end as cancelled.
class CHeadlessBackend : public CUiBackend {
public:
    INT_PTR RunModalDialog(CDialog& dlg) override;
    int MessageBox(const CString& text, const CString& caption, UINT nType) override;
    BOOL RunFileDialog(CFileDialog&) override { return FALSE; }
    BOOL RunFontDialog(CFontDialog&) override { return FALSE; }
    BOOL RunColorDialog(CColorDialog&) override { return FALSE; }
    BOOL PrintView(CView&, BOOL) override { return FALSE; }
    CSettingsStore& Settings() override { return m_settings; }

protected:
    // Where a message's text goes: the standard error.
    virtual void Show(const CString& text);

private:
    CMemorySettingsStore m_settings;
};

CUiBackend* AfxGetBackend();
// Installs pBackend (not owned) and returns the previous one; null restores the default.
CUiBackend* AfxSetBackend(CUiBackend* pBackend);
