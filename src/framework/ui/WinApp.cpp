#include "framework/ui/WinApp.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "framework/ui/Backend.h"
#include "framework/ui/CommonDialogs.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/Resources.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)
IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp* AfxGetApp() { return g_pApp; }
CFrameWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

// --- Document templates ------------------------------------------------------------------------

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                           const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    CString all = AfxLoadString(m_nIDResource);
    int i = 0, start = 0;
    for (;;) {
        int nl = all.Find('\n', start);
        if (i == index) {
            rString = nl < 0 ? all.Mid(start) : all.Mid(start, nl - start);
            return !rString.IsEmpty();
        }
        if (nl < 0)
            break;
        start = nl + 1;
        ++i;
    }
    rString.Empty();
    return FALSE;
}

CString CDocTemplate::GetFilter() const
{
    CString name, ext;
    GetDocString(name, filterName);
    GetDocString(ext, filterExt);
    CString filter;
    if (!name.IsEmpty() && !ext.IsEmpty())
        filter = name + "|*" + ext + "|";
    return filter + "All Files (*.*)|*.*||";
}

void CDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString title;
    if (!GetDocString(title, docName))
        title = "Untitled";
    pDocument->SetTitle(title);
}

CSingleDocTemplate::~CSingleDocTemplate() { CloseAll(); }

static CObject* Create(const CRuntimeClass* pClass)
{
    return (pClass && pClass->m_pfnCreateObject) ? pClass->CreateObject() : nullptr;
}

BOOL CSingleDocTemplate::CreateParts()
{
    m_pOnlyDoc = dynamic_cast<CDocument*>(Create(m_pDocClass));
    m_pFrame = dynamic_cast<CFrameWnd*>(Create(m_pFrameClass));
    m_pView = dynamic_cast<CView*>(Create(m_pViewClass));
    if (!m_pOnlyDoc || !m_pFrame || !m_pView) {
        CloseAll();
        AfxMessageBox("Failed to create empty document.", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    m_pOnlyDoc->m_pDocTemplate = this;
    CWinApp* app = AfxGetApp();
    if (app && !app->m_pMainWnd)
        app->m_pMainWnd = m_pFrame;
    m_pFrame->LoadFrame(m_nIDResource);
    m_pView->AttachTo(m_pOnlyDoc, m_pFrame);
    m_pFrame->SetActiveView(m_pView);
    AfxGetBackend()->CreateView(*m_pView, *m_pFrame);
    return TRUE;
}

void CSingleDocTemplate::CloseAll()
{
    if (m_pFrame)
        m_pFrame->DestroyWindow();
    if (m_pOnlyDoc)
        m_pOnlyDoc->OnCloseDocument();
    delete m_pView;
    m_pView = nullptr;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == m_pFrame)
        app->m_pMainWnd = nullptr;
    delete m_pFrame;
    m_pFrame = nullptr;
    delete m_pOnlyDoc;
    m_pOnlyDoc = nullptr;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* pszPathName, BOOL bMakeVisible)
{
    if (!m_pOnlyDoc) {
        if (!CreateParts())
            return nullptr;
    } else if (!m_pOnlyDoc->SaveModified()) {
        return nullptr;
    }
    CDocument* doc = m_pOnlyDoc;
    if (!pszPathName || !*pszPathName) {
        doc->SetPathName("", FALSE);
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument()) {
            m_pFrame->InitialUpdateFrame(doc, bMakeVisible);
            return nullptr;
        }
    } else if (!doc->OnOpenDocument(pszPathName)) {
        if (!doc->WasEmptiedByFailedOpen())
            return nullptr;  // the old file is still open, with its name, title and changes
        // The old contents are gone and the file unreadable: an empty, untitled document stays,
        // so a later Save cannot write the empty document over the file that failed.
        doc->SetPathName("", FALSE);
        SetDefaultTitle(doc);
        m_pFrame->InitialUpdateFrame(doc, bMakeVisible);
        return nullptr;
    } else {
        doc->SetPathName(pszPathName);
    }
    m_pFrame->InitialUpdateFrame(doc, bMakeVisible);
    return doc;
}

// --- Recent files ------------------------------------------------------------------------------

CRecentFileList::CRecentFileList(const char* pszSection, const char* pszEntryFormat, int nSize)
    : m_strSection(pszSection), m_strEntryFormat(pszEntryFormat), m_nSize(nSize)
{
}

// One file has one name in the list, however it was reached: absolute, without "." and "..",
// and through its links to the file itself where it exists.
static CString CanonicalPath(const char* pszPathName)
{
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(pszPathName, ec);
    if (ec)
        return pszPathName;
    std::filesystem::path c = std::filesystem::weakly_canonical(p, ec);
    return CString((ec ? p.lexically_normal() : c).string());
}

void CRecentFileList::Add(const char* pszPathName)
{
    if (!pszPathName || !*pszPathName)
        return;
    CString path = CanonicalPath(pszPathName);
    std::erase(m_files, path);
    m_files.insert(m_files.begin(), path);
    if (static_cast<int>(m_files.size()) > m_nSize)
        m_files.resize(static_cast<size_t>(m_nSize));
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetCount())
        m_files.erase(m_files.begin() + nIndex);
}

CString CRecentFileList::GetShortPath(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return CString();
    CString path = m_files[static_cast<size_t>(nIndex)];
    if (const char* home = std::getenv("HOME"); home && *home && path.Find(home) == 0)
        path = "~" + path.Mid(static_cast<int>(std::string(home).size()));
    return path;
}

CString CRecentFileList::GetMenuText(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return CString();
    CString text;
    text.Format("&%d %s", nIndex + 1, AfxPathText(GetShortPath(nIndex)).GetString());
    return text;
}

void CRecentFileList::ReadList()
{
    m_files.clear();
    CSettingsStore& s = AfxGetBackend()->Settings();
    for (int i = 1; i <= m_nSize; ++i) {
        CString entry, value;
        entry.Format(m_strEntryFormat, i);
        if (s.GetProfileValue(m_strSection, entry, value) && !value.IsEmpty()) {
            value = CanonicalPath(value);
            if (std::find(m_files.begin(), m_files.end(), value) == m_files.end())
                m_files.push_back(value);
        }
    }
}

void CRecentFileList::WriteList() const
{
    CSettingsStore& s = AfxGetBackend()->Settings();
    for (int i = 1; i <= m_nSize; ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i);
        if (i <= GetCount())
            s.WriteProfileValue(m_strSection, entry, m_files[static_cast<size_t>(i - 1)]);
        else
            s.WriteProfileValue(m_strSection, entry, nullptr);
    }
    s.Flush();
}

// --- The application -------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4, OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4, OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* pszAppName) : m_pszAppName(pszAppName)
{
    g_pApp = this;
    if (pszAppName)
        AfxSetAppName(pszAppName);
}

CWinApp::~CWinApp()
{
    m_templates.clear();
    if (g_pApp == this)
        g_pApp = nullptr;
}

void CWinApp::SetCommandLine(int argc, char** argv)
{
    m_args.clear();
    m_lpCmdLine.Empty();
    for (int i = 1; i < argc; ++i) {
        m_args.emplace_back(argv[i]);
        if (i > 1)
            m_lpCmdLine += ' ';
        m_lpCmdLine += argv[i];
    }
}

CString CWinApp::GetFirstArgument() const
{
    if (m_args.empty())
        return CString();
    CString a = m_args.front();
    a.Trim();
    if (a.GetLength() >= 2 && a[0] == '"' && a[a.GetLength() - 1] == '"')
        a = a.Mid(1, a.GetLength() - 2);
    return a;
}

int CWinApp::Run()
{
    int code = AfxGetBackend()->RunMessageLoop();
    int exitCode = ExitInstance();
    return code ? code : exitCode;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return 0;
}

void CWinApp::SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText)
{
    m_clrDlgBk = clrCtlBk;
    m_clrDlgText = clrCtlText;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU > 0) {
        m_pRecentFileList = std::make_unique<CRecentFileList>("Recent File List", "File%d", static_cast<int>(nMaxMRU));
        m_pRecentFileList->ReadList();
    }
    m_nNumPreviewPages = GetProfileInt("Settings", "PreviewPages", 0);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
    if (m_nNumPreviewPages != 0)
        WriteProfileInt("Settings", "PreviewPages", static_cast<int>(m_nNumPreviewPages));
}

void CWinApp::AddToRecentFileList(const char* pszPathName)
{
    if (m_pRecentFileList) {
        m_pRecentFileList->Add(pszPathName);
        if (m_pMainWnd)
            AfxGetBackend()->FrameMenuChanged(*m_pMainWnd);
    }
}

CString CWinApp::GetProfileString(const char* pszSection, const char* pszEntry, const char* pszDefault)
{
    CString value;
    if (AfxGetBackend()->Settings().GetProfileValue(pszSection, pszEntry, value))
        return value;
    return CString(pszDefault);
}

BOOL CWinApp::WriteProfileString(const char* pszSection, const char* pszEntry, const char* pszValue)
{
    return AfxGetBackend()->Settings().WriteProfileValue(pszSection, pszEntry, pszValue);
}

UINT CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault)
{
    CString value;
    if (!AfxGetBackend()->Settings().GetProfileValue(pszSection, pszEntry, value))
        return static_cast<UINT>(nDefault);
    char* end = nullptr;
    long v = std::strtol(value, &end, 10);
    return (end && *end == '\0' && !value.IsEmpty()) ? static_cast<UINT>(v) : static_cast<UINT>(nDefault);
}

BOOL CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue)
{
    CString s;
    s.Format("%d", nValue);
    return WriteProfileString(pszSection, pszEntry, s);
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) { m_templates.emplace_back(pTemplate); }

CDocument* CWinApp::OpenDocumentFile(const char* pszFileName)
{
    CDocTemplate* t = GetFirstDocTemplate();
    return t ? t->OpenDocumentFile(pszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified()
{
    for (auto& t : m_templates)
        if (CDocument* doc = t->GetOnlyDocument(); doc && !doc->SaveModified())
            return FALSE;
    return TRUE;
}

BOOL CWinApp::CloseAllDocuments()
{
    if (!SaveAllModified())
        return FALSE;
    for (auto& t : m_templates)
        if (auto* s = dynamic_cast<CSingleDocTemplate*>(t.get()))
            s->CloseAll();
    return TRUE;
}

void CWinApp::ShutDownTemplates()
{
    for (auto& t : m_templates)
        if (auto* s = dynamic_cast<CSingleDocTemplate*>(t.get()))
            s->CloseAll();
}

void CWinApp::OnFileNew()
{
    if (CDocTemplate* t = GetFirstDocTemplate())
        t->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CDocTemplate* t = GetFirstDocTemplate();
    CString ext;
    if (t)
        t->GetDocString(ext, CDocTemplate::filterExt);
    CFileDialog dlg(TRUE, ext, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                    t ? t->GetFilter() : CString("All Files (*.*)|*.*||"));
    if (dlg.DoModal() == IDOK)
        OpenDocumentFile(dlg.GetPathName());
}

void CWinApp::OnOpenFromOtherInstance(const char* pszPathName)
{
    if (m_pMainWnd)
        m_pMainWnd->BringToFront();
    if (pszPathName && *pszPathName)
        OpenDocumentFile(pszPathName);
}

void CWinApp::OnFilePrintSetup() { AfxGetBackend()->PrintSetup(); }

void CWinApp::OnAppExit()
{
    if (!SaveAllModified())
        return;
    SaveStdProfileSettings();
    AfxGetBackend()->PostQuit(0);
}

void CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return;
    int i = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (i < 0 || i >= m_pRecentFileList->GetCount())
        return;
    CString path = (*m_pRecentFileList)[i];
    if (!OpenDocumentFile(path) && !CFile::Exists(path)) {
        m_pRecentFileList->Remove(i);
        if (m_pMainWnd)
            AfxGetBackend()->FrameMenuChanged(*m_pMainWnd);
    }
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    int i = static_cast<int>(pCmdUI->m_nID - ID_FILE_MRU_FILE1);
    bool have = m_pRecentFileList && i < m_pRecentFileList->GetCount();
    pCmdUI->Enable(have);
    if (have)
        pCmdUI->SetText(m_pRecentFileList->GetMenuText(i));
}
