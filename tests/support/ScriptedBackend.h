#pragma once
// A user interface for tests: a test says beforehand what "the user" does in each dialog and
// how each message box is answered, then runs the program's code; the dialogs run through the
// same CDialog code as for a person, only the person is this script.
//
//     CScriptedBackend ui;                       // installed until it goes out of scope
//     ui.OnDialog(IDD_SELECT_ROUND)
//         .SetText(IDC_ROUND, "12")              // types, with the focus and change notifications
//         .Click(IDC_ALL)
//         .OK();                                 // presses OK (runs OnOK and its validation)
//     ui.AnswerMessageBox(IDYES, "Do you really"); // the next question, and part of its text
//     RunTheCommand();
//     EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Do you really want to ...?"});
//
// Steps are used in the order the dialogs open, nested dialogs included. A dialog that opens
// with no step, a step that never ran, a click on a disabled control or a question nobody
// answered fails the test.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RecordingDC.h"
#include "framework/ui/Backend.h"
#include "framework/ui/Dialog.h"

class CScriptedBackend : public CUiBackend {
public:
    CScriptedBackend();
    ~CScriptedBackend() override;
    CScriptedBackend(const CScriptedBackend&) = delete;
    CScriptedBackend& operator=(const CScriptedBackend&) = delete;

    class DialogScript {
    public:
        explicit DialogScript(UINT nIDD) : m_nIDD(nIDD) {}
        DialogScript& SetText(UINT nID, const char* pszText);
        // Types UTF-8 text as a person with any keyboard does (the whole box's text).
        DialogScript& Type(UINT nID, const char* pszUtf8);
        DialogScript& Click(UINT nID);
        DialogScript& Select(UINT nID, int nIndex);
        DialogScript& SelectString(UINT nID, const char* pszItem);  // the item with exactly this text
        DialogScript& SetSel(UINT nID, int nIndex, bool bSelect = true);
        DialogScript& DblClk(UINT nID, int nIndex);
        DialogScript& Focus(UINT nID);
        DialogScript& Enter();
        DialogScript& OK() { return Click(IDOK); }
        DialogScript& Cancel();  // Escape
        // Runs fn on the dialog at this point, to look at its controls or members.
        DialogScript& Check(std::function<void(CDialog&)> fn);
        UINT GetIDD() const { return m_nIDD; }

    private:
        friend class CScriptedBackend;
        UINT m_nIDD;
        std::vector<std::function<void(CDialog&)>> m_actions;
    };

    // Queues what the user does when the next dialog, nIDD, opens.
    DialogScript& OnDialog(UINT nIDD);
    // Queues the answer to the next message box; with pszExpected, its text must contain that.
    void AnswerMessageBox(int nAnswer, const char* pszExpected = nullptr);
    // Queues the answer of the next file dialog: a path, or Cancel.
    void ChooseFile(const std::string& path);
    void CancelFileDialog();
    // Queues the answer of the next font chooser.
    void ChooseFont(const char* pszFace, int nPointSize10, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                    BOOL bStrikeOut, COLORREF color);
    void CancelFontDialog();
    void ChooseColor(COLORREF color);
    // Queues the command picked from the next pop-up menu (0: the menu is dismissed).
    void ChoosePopupCommand(UINT nID);

    struct ShownMessage {
        std::string text;
        UINT type;
        int answer;
    };
    std::vector<ShownMessage> messages;
    std::vector<UINT> dialogsOpened;
    std::vector<std::string> fileDialogFilters;  // the filter string of each file dialog
    std::vector<std::string> fileDialogNames;    // the file name each offered
    std::vector<std::string> fileDialogFolders;  // the folder each started in
    std::string documentsFolder = "/home/secretary/Documents";
    struct PopupShown {
        UINT menu;
        int subMenu;
        int x, y;
    };
    std::vector<PopupShown> popupsShown;
    std::vector<std::string> MessageTexts() const;
    void ClearMessages() { messages.clear(); }
    // Whether every queued step and answer was used so far; the destructor reports any left.
    bool AllUsed() const;

    // What the program did to its main window.
    std::string frameTitle;
    bool frameModified = false;  // what the title shows for "[*]"
    std::string statusText;
    int invalidations = 0;
    int frameShows = 0;
    int lastShowCommand = -1;
    bool quitPosted = false;

    // Printing runs the view's whole printing sequence into recording DCs, one per page.
    std::vector<std::unique_ptr<CRecordingDC>> printedPages;
    bool lastPrintWasPreview = false;
    int printRuns = 0;

    CMemorySettingsStore settings;

    // One running instance: set otherInstanceRunning to play a second start.
    bool otherInstanceRunning = false;
    int activationRequests = 0;
    std::string handedFile;  // what a second start handed the running one
    std::string registeredInstance;
    // Set to play a channel that is not the user's own: the start neither asks nor registers.
    std::string channelFault;

    // CUiBackend
    INT_PTR RunModalDialog(CDialog& dlg) override;
    int MessageBox(const CString& text, const CString& caption, UINT nType) override;
    int MessageBoxUtf8(const std::string& text, const CString& caption, UINT nType) override;
    BOOL RunFileDialog(CFileDialog& dlg) override;
    BOOL RunFontDialog(CFontDialog& dlg) override;
    BOOL RunColorDialog(CColorDialog& dlg) override;
    void FrameTitleChanged(CFrameWnd& frame) override;
    void ShowFrame(CFrameWnd& frame, int nCmdShow) override;
    void SetStatusText(CFrameWnd& frame, const CString& text) override;
    void InvalidateView(CView& view) override;
    BOOL PrintView(CView& view, BOOL bPreview) override;
    UINT TrackPopupMenu(CWnd& wnd, UINT nIDMenu, int nSubMenu, int x, int y) override;
    CSettingsStore& Settings() override { return settings; }
    CString GetDocumentsFolder() override { return documentsFolder; }
    void PostQuit(int) override { quitPosted = true; }
    BOOL ActivateOtherInstance(const char* pszClassName, const char* pszPathName = nullptr) override;
    BOOL RegisterInstance(const char* pszClassName) override;
    CString InstanceChannelFault() override { return CString(channelFault); }

private:
    int AnswerBox(const std::string& text, UINT nType);
    struct Answer {
        int answer;
        std::string expected;
    };
    struct FontAnswer {
        bool ok;
        std::string face;
        int size10;
        BOOL bold, italic, underline, strikeOut;
        COLORREF color;
    };
    std::vector<std::unique_ptr<DialogScript>> m_scripts;
    size_t m_nextScript = 0;
    std::vector<Answer> m_answers;
    size_t m_nextAnswer = 0;
    std::vector<std::pair<bool, std::string>> m_files;
    size_t m_nextFile = 0;
    std::vector<FontAnswer> m_fonts;
    size_t m_nextFont = 0;
    std::vector<std::pair<bool, COLORREF>> m_colors;
    size_t m_nextColor = 0;
    std::vector<UINT> m_popupChoices;
    size_t m_nextPopup = 0;
    CUiBackend* m_pPrevious;
};
