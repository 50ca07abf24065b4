#include "framework/ui/Document.h"

#include <algorithm>
#include <filesystem>

#include "framework/ui/CommonDialogs.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/FrameworkIds.h"
#include "framework/ui/View.h"
#include "framework/ui/WinApp.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::~CDocument()
{
    for (CView* v : m_views)
        v->AttachTo(nullptr, v->GetParentFrame());
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::SetPathName(const char* pszPathName, BOOL bAddToMRU)
{
    m_strPathName = pszPathName;
    // A name given relative to the working folder would follow it; the file does not.
    if (!m_strPathName.IsEmpty() && m_strPathName[0] != '/') {
        std::error_code ec;
        std::filesystem::path p = std::filesystem::absolute(m_strPathName.GetString(), ec);
        if (!ec)
            m_strPathName = p.lexically_normal().string();
    }
    int slash = m_strPathName.ReverseFind('/');
    SetTitle(AfxPathText(m_strPathName.Mid(slash + 1)));
    if (bAddToMRU && !m_strPathName.IsEmpty())
        if (CWinApp* app = AfxGetApp())
            app->AddToRecentFileList(m_strPathName);
}

void CDocument::SetTitle(const char* pszTitle)
{
    m_strTitle = pszTitle;
    for (CView* v : m_views)
        if (CFrameWnd* f = v->GetParentFrame())
            f->OnUpdateFrameTitle();
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    if (m_bModified == (bModified != FALSE))
        return;
    m_bModified = bModified != FALSE;
    for (CView* v : m_views)
        if (CFrameWnd* f = v->GetParentFrame())
            f->OnUpdateFrameTitle();
}

static void ReportFileError(const char* pszVerb, const char* pszPathName, const char* pszReason)
{
    CString msg;
    msg.Format("%s %s.\n\n%s", pszVerb, AfxPathText(pszPathName).GetString(), pszReason);
    AfxMessageBox(msg, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CDocument::OnOpenDocument(const char* pszPathName)
{
    m_bEmptiedByOpen = false;
    CFile file;
    CFileException fe;
    if (!file.Open(pszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe)) {
        ReportFileError("Cannot open", pszPathName, fe.GetErrorMessage());
        return FALSE;
    }
    DeleteContents();
    m_bEmptiedByOpen = true;
    SetModifiedFlag(TRUE);  // dirty while half-read
    try {
        CArchive ar(&file, CArchive::load);
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
        file.Abort();
    } catch (const CArchiveException& e) {
        file.Abort();
        DeleteContents();
        SetModifiedFlag(FALSE);
        ReportFileError("Cannot read", pszPathName, e.m_strReason.IsEmpty() ? "The file is not a valid league file." : e.m_strReason.GetString());
        return FALSE;
    } catch (const CFileException& e) {
        file.Abort();
        DeleteContents();
        SetModifiedFlag(FALSE);
        ReportFileError("Cannot read", pszPathName, e.GetErrorMessage());
        return FALSE;
    }
    m_bEmptiedByOpen = false;
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const char* pszPathName)
{
    CFile file;
    CFileException fe;
    if (!file.Open(pszPathName, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &fe)) {
        ReportFileError("Cannot save", pszPathName, fe.GetErrorMessage());
        return FALSE;
    }
    try {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
        file.Close();  // the rename over the old file happens here
    } catch (const CArchiveException& e) {
        file.Abort();
        ReportFileError("Cannot save", pszPathName, e.m_strReason);
        return FALSE;
    } catch (const CFileException& e) {
        file.Abort();
        ReportFileError("Cannot save", pszPathName, e.GetErrorMessage());
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument() { DeleteContents(); }

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : AfxPathText(m_strPathName);
    CString prompt;
    AfxFormatString1(prompt, "Save changes to %1?", name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDCANCEL: return FALSE;
    case IDYES: return DoFileSave();
    default: return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    if (m_strPathName.IsEmpty())
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(const char* pszPathName, BOOL bReplace)
{
    CString path = pszPathName ? pszPathName : "";
    if (path.IsEmpty()) {
        // The name offered is a path: the file's own name, else the title as the system's bytes.
        int slash = m_strPathName.ReverseFind('/');
        CString ext, filter, name = m_strPathName.IsEmpty() ? CString(m_strTitle.ToUtf8().c_str()) : m_strPathName.Mid(slash + 1);
        if (m_pDocTemplate) {
            m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt);
            filter = m_pDocTemplate->GetFilter();
        }
        // Leave out characters that cannot stand in a file name.
        for (const char* bad = "\\/:*?\"<>|"; *bad; ++bad)
            name.Remove(*bad);
        if (!ext.IsEmpty() && name.Find('.') < 0)
            name += ext;
        CFileDialog dlg(FALSE, ext, name, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter);
        if (dlg.DoModal() != IDOK)
            return FALSE;
        path = dlg.GetPathName();
    }
    if (!OnSaveDocument(path))
        return FALSE;
    if (bReplace)
        SetPathName(path);
    return TRUE;
}

void CDocument::OnFileSave() { DoFileSave(); }
void CDocument::OnFileSaveAs() { DoSave(nullptr); }

void CDocument::AddView(CView* pView)
{
    if (std::find(m_views.begin(), m_views.end(), pView) == m_views.end())
        m_views.push_back(pView);
}

void CDocument::RemoveView(CView* pView) { std::erase(m_views, pView); }

POSITION CDocument::GetFirstViewPosition() const
{
    return m_views.empty() ? nullptr : reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(1));
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    auto i = reinterpret_cast<std::uintptr_t>(rPosition);
    if (i == 0 || i > m_views.size()) {
        rPosition = nullptr;
        return nullptr;
    }
    CView* v = m_views[i - 1];
    rPosition = i < m_views.size() ? reinterpret_cast<POSITION>(i + 1) : nullptr;
    return v;
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (CView* v : m_views)
        if (v != pSender)
            v->OnUpdate(pSender, lHint, pHint);
}
