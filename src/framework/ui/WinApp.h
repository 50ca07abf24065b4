#pragma once
// The application object, document templates and the recent-file list.
#include <memory>
#include <vector>

#include "framework/ui/Frame.h"

class CWinApp;

// The document strings of a template, one line each: window title, new-document name,
// file type name, filter name, filter extension.
class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt };
    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);
    BOOL GetDocString(CString& rString, DocStringIndex index) const;
    UINT GetResourceID() const { return m_nIDResource; }
    // "League Files (*.lgf)|*.lgf|All Files (*.*)|*.*||"
    CString GetFilter() const;

    virtual CDocument* OpenDocumentFile(const char* pszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual CDocument* GetOnlyDocument() const = 0;
    virtual void SetDefaultTitle(CDocument* pDocument);

protected:
    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
};

class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    using CDocTemplate::CDocTemplate;
    ~CSingleDocTemplate() override;
    // Makes the one document, its frame and view on first use; later calls reuse them after
    // asking to save the current file. A null name starts a new document.
    CDocument* OpenDocumentFile(const char* pszPathName, BOOL bMakeVisible = TRUE) override;
    CDocument* GetOnlyDocument() const override { return m_pOnlyDoc; }
    CFrameWnd* GetFrame() const { return m_pFrame; }
    void CloseAll();

private:
    BOOL CreateParts();
    CDocument* m_pOnlyDoc = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    CView* m_pView = nullptr;
};

// The most recently used files, newest first, kept in the profile as "File1".."FileN".
class CRecentFileList {
public:
    CRecentFileList(const char* pszSection, const char* pszEntryFormat, int nSize);
    void Add(const char* pszPathName);
    void Remove(int nIndex);
    int GetSize() const { return m_nSize; }
    int GetCount() const { return static_cast<int>(m_files.size()); }
    const CString& operator[](int nIndex) const { return m_files[static_cast<size_t>(nIndex)]; }
    // "&1 ~/leagues/Sample.lgf": the menu text of entry nIndex.
    CString GetMenuText(int nIndex) const;
    // "~/leagues/Sample.lgf": entry nIndex as a path (the system's bytes), home shortened.
    CString GetShortPath(int nIndex) const;
    void ReadList();
    void WriteList() const;

private:
    CString m_strSection;
    CString m_strEntryFormat;
    int m_nSize;
    std::vector<CString> m_files;
};

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication() { return TRUE; }
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance();
    virtual int Run();

    // The command line after the program's name; the first argument, surrounding quotes removed.
    CString m_lpCmdLine;
    std::vector<CString> m_args;
    void SetCommandLine(int argc, char** argv);
    CString GetFirstArgument() const;

    CFrameWnd* m_pMainWnd = nullptr;
    CString m_pszAppName;

    // Grey dialog backgrounds and black text by default.
    void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192), COLORREF clrCtlText = RGB(0, 0, 0));
    COLORREF GetDialogBkColor() const { return m_clrDlgBk; }
    COLORREF GetDialogTextColor() const { return m_clrDlgText; }

    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }
    virtual void AddToRecentFileList(const char* pszPathName);
    UINT m_nNumPreviewPages = 0;

    CString GetProfileString(const char* pszSection, const char* pszEntry, const char* pszDefault = nullptr);
    BOOL WriteProfileString(const char* pszSection, const char* pszEntry, const char* pszValue);
    UINT GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault);
    BOOL WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue);

    void AddDocTemplate(CDocTemplate* pTemplate);  // owned from now on
    CDocTemplate* GetFirstDocTemplate() const { return m_templates.empty() ? nullptr : m_templates.front().get(); }
    virtual CDocument* OpenDocumentFile(const char* pszFileName);
    // Closes the document (asking to save) and the windows; FALSE when the user cancels.
    BOOL CloseAllDocuments();
    BOOL SaveAllModified();
    // Closes the windows and the document without asking: the end of the program.
    void ShutDownTemplates();

    // A later start handed this file over: open it as File > Open does (asking first to save
    // a changed document).
    virtual void OnOpenFromOtherInstance(const char* pszPathName);

    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFilePrintSetup();
    afx_msg void OnAppExit();
    afx_msg void OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

protected:
    COLORREF m_clrDlgBk = RGB(192, 192, 192);
    COLORREF m_clrDlgText = RGB(0, 0, 0);
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CFrameWnd* AfxGetMainWnd();
