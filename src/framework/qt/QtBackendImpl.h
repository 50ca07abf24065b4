#pragma once
// The Qt backend's classes; only framework/qt sees this header.
#include <QAbstractScrollArea>
#include <QDialog>
#include <QLocalServer>
#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <QSettings>
#include <memory>

#include "framework/qt/QtBackend.h"
#include "framework/ui/Ui.h"

class QAction;
class QMenu;
class QToolBar;

// Profile and registry in QSettings files of the user (and, read-only, of the system).
class CQtSettingsStore : public CSettingsStore {
public:
    CQtSettingsStore();
    BOOL GetProfileValue(const char* pszSection, const char* pszEntry, CString& value) override;
    BOOL WriteProfileValue(const char* pszSection, const char* pszEntry, const char* pszValue) override;
    BOOL GetRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName, CString& value) override;
    BOOL SetRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName, const char* pszValue) override;
    BOOL DeleteRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName) override;
    void Flush() override;

private:
    std::unique_ptr<QSettings> m_profile;
    std::unique_ptr<QSettings> m_registryUser;
    std::unique_ptr<QSettings> m_registrySystem;
};

// The desktop a program's windows open on, as its start-up finds it; what names the channel
// over which a later start on that desktop hands its file to the program already running.
struct CDesktopSession
{
    QString platform;           // Qt's windowing platform: "xcb", "wayland", "offscreen", ...
    QByteArray x11Display;      // DISPLAY
    QByteArray waylandDisplay;  // WAYLAND_DISPLAY
    QByteArray runtimeDir;      // XDG_RUNTIME_DIR when it is the user's and closed to others; else empty
    QByteArray tempDir;         // holds the user's channel folder without a runtime folder
    unsigned uid = 0;
    QByteArray suffix;          // TORVANE_INSTANCE_SUFFIX: test runs keep to themselves

    static CDesktopSession Current();
    // The folder the channel lies in: the runtime folder, else the user's own folder in the
    // temporary folder ("<class>-<uid>"), which no other user can enter.
    QString ChannelFolder(const char* pszClassName) const;
    // The channel's path in that folder, within the length of a local socket's path.
    QString Channel(const char* pszClassName) const;
    // Empty when the folder is a folder of this user's that no one else can enter; else what is
    // wrong with it. bFollowLink: a symbolic link counts as its target (the runtime folder, named
    // by the user's own environment); without, a link is refused.
    static QString FolderFault(const QByteArray& path, unsigned uid, bool bFollowLink);
};

// A dialog built from its template.
class CQtDialogWindow : public QDialog {
public:
    CQtDialogWindow(CDialog& dlg, QWidget* parent);
    ~CQtDialogWindow() override;
    void Sync(CControlState& s, UINT nChange);
    QWidget* WidgetOf(const CControlState& s) const;
    static double BaseUnitX();
    static double BaseUnitY();
    static QRect ToPixels(const CRect& dlu);
    // The control a widget (or a part of one, such as a combo's edit) shows; null for others.
    CControlState* StateOf(QWidget* w) const;
    // From now on the widgets' focus changes reach the dialog (once it has set its first focus).
    void StartFocusReports() { m_bReportFocus = true; }
    CDialog& Dialog() const { return m_dlg; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void reject() override;

private:
    void Build();
    QWidget* Make(CControlState& s);
    void ReportFocus(QWidget* now);
    CDialog& m_dlg;
    bool m_bReportFocus = false;
    QMetaObject::Connection m_focusReports;
};

// The scrolling view inside the main window.
class CQtViewWidget : public QAbstractScrollArea {
public:
    CQtViewWidget(CView& view, QWidget* parent);
    void UpdateScrollBars();
    void ScrollTo(int x, int y);
    CView& View() { return m_view; }
    int Dpi() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void SyncScrollPosition();
    CView& m_view;
};

class CQtMainWindow : public QMainWindow {
public:
    CQtMainWindow(CFrameWnd& frame);
    void BuildMenus();
    void UpdateToolbar();
    // Every action with a shortcut takes its command's state, so that a key fires exactly when
    // its command is on, whatever the menus showed when they were last opened.
    void UpdateShortcuts();
    void RebuildRecentFiles();
    CFrameWnd& Frame() { return m_frame; }
    QToolBar* ToolBar() const { return m_toolBar; }
    // Every command action, for tests and the idle update.
    QList<QAction*> CommandActions() const { return m_actions; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void AddMenuEntries(QMenu* menu, const MenuTemplate& t, size_t& i);
    QAction* MakeAction(UINT nID, const QString& text);
    void UpdateMenu(QMenu* menu);
    // The command state the frame gives the action's command; false for an action without one.
    bool QueryCommand(QAction* a, CCmdUI& ui);
    CFrameWnd& m_frame;
    QToolBar* m_toolBar = nullptr;
    QList<QAction*> m_actions;
    QList<QAction*> m_mruActions;
};

class CQtBackend : public CUiBackend {
public:
    CQtBackend();
    ~CQtBackend() override;

    INT_PTR RunModalDialog(CDialog& dlg) override;
    void EndModalDialog(CDialog& dlg) override;
    void ControlChanged(CDialog& dlg, CControlState& ctl, UINT nChange) override;
    void DialogCaptionChanged(CDialog& dlg) override;
    void FocusControl(CDialog& dlg, CControlState& ctl) override;
    int MessageBox(const CString& text, const CString& caption, UINT nType) override;
    int MessageBoxUtf8(const std::string& text, const CString& caption, UINT nType) override;
    static int ShowMessage(const QString& text, const CString& caption, UINT nType);
    BOOL RunFileDialog(CFileDialog& dlg) override;
    BOOL RunFontDialog(CFontDialog& dlg) override;
    BOOL RunColorDialog(CColorDialog& dlg) override;
    void CreateFrame(CFrameWnd& frame) override;
    void DestroyFrame(CFrameWnd& frame) override;
    void ShowFrame(CFrameWnd& frame, int nCmdShow) override;
    void FrameTitleChanged(CFrameWnd& frame) override;
    void FrameMenuChanged(CFrameWnd& frame) override;
    void SetStatusText(CFrameWnd& frame, const CString& text) override;
    void ShowControlBar(CFrameWnd& frame, UINT nBarID, BOOL bShow) override;
    void CreateView(CView& view, CFrameWnd& frame) override;
    void InvalidateView(CView& view) override;
    void ScrollSizesChanged(CScrollView& view) override;
    void ScrollViewTo(CScrollView& view, int x, int y) override;
    UINT TrackPopupMenu(CWnd& wnd, UINT nIDMenu, int nSubMenu, int x, int y) override;
    BOOL PrintView(CView& view, BOOL bPreview) override;
    BOOL PrintSetup() override;
    CSettingsStore& Settings() override { return m_settings; }
    CString GetDocumentsFolder() override;
    BOOL ActivateOtherInstance(const char* pszClassName, const char* pszPathName = nullptr) override;
    BOOL RegisterInstance(const char* pszClassName) override;
    CString InstanceChannelFault() override;
    int RunMessageLoop() override;
    void PostQuit(int nExitCode) override;

    // Runs the view's printing sequence on a printer (or PDF printer); the pages printed.
    int PrintOn(CView& view, QPrinter& printer, bool bPreview);
    // Draws only: builds the dialog, shows it offscreen and saves a picture instead of running it.
    QString m_strRenderPath;
    bool m_bRenderOk = false;

    static QWidget* MainWidget();
    static void ApplyDialogColours(QWidget* w);
    // The desktop this program's channel is named by; set at construction.
    CDesktopSession m_session = CDesktopSession::Current();
    void BringForward();

private:
    CQtSettingsStore m_settings;
    std::unique_ptr<QPrinter> m_printer;
    CString m_strPrintedFor;  // the league the printer's output file was proposed for
    QPointer<QLocalServer> m_server;
    // Why this program keeps to itself; once set, the channel is neither asked nor offered.
    QString m_channelFault;
    // The channel's folder is there (made, when bMake) and the user's own; false when it is
    // missing, or with m_channelFault when it is not the user's or cannot be made.
    bool ChannelFolderReady(const char* pszClassName, bool bMake);
    // Files later starts handed over, opened once no dialog is running.
    QList<QByteArray> m_handedFiles;
    void OpenHandedFiles();
    bool m_bOpeningHanded = false;
};

CQtDialogWindow* PeerOf(CDialog& dlg);
