#include "framework/ui/CommonDialogs.h"

#include <cstring>

#include "framework/ui/Backend.h"
#include "framework/ui/Document.h"
#include "framework/ui/WinApp.h"

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* pszDefExt, const char* pszFileName, DWORD dwFlags,
                         const char* pszFilter, CWnd*)
    : m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(pszDefExt),
      m_strFileName(pszFileName),
      m_strFilter(pszFilter)
{
    m_ofn.Flags = dwFlags;
    if (m_strDefExt.GetLength() > 0 && m_strDefExt[0] == '.')
        m_strDefExt = m_strDefExt.Mid(1);
}

CString CFileDialog::GetStartFolder()
{
    CString folder;
    if (CFrameWnd* frame = AfxGetMainWnd())
        if (CDocument* doc = frame->GetActiveDocument()) {
            const CString& path = doc->GetPathName();
            int slash = path.ReverseFind('/');
            if (slash > 0 && CFile::Exists(path.Left(slash)))
                return path.Left(slash);
        }
    CSettingsStore& s = AfxGetBackend()->Settings();
    if (s.GetProfileValue(kSettingsSection, kLastFolderEntry, folder) && !folder.IsEmpty() && CFile::Exists(folder))
        return folder;
    return AfxGetBackend()->GetDocumentsFolder();
}

CString CFileDialog::ProposedPath(const CDocument* pDoc, const char* pszExt)
{
    auto folderOf = [](const CString& path) {
        const int slash = path.ReverseFind('/');
        return slash > 0 && CFile::Exists(path.Left(slash)) ? path.Left(slash) : CString();
    };
    CString name = "Torvane", folder;
    if (pDoc) {
        const CString& path = pDoc->GetPathName();
        name = path.IsEmpty() ? pDoc->GetTitle() : path.Mid(path.ReverseFind('/') + 1);
        folder = folderOf(path);
    }
    if (folder.IsEmpty())
        if (CWinApp* app = AfxGetApp())
            if (const CRecentFileList* pRecent = app->GetRecentFileList(); pRecent && pRecent->GetCount() > 0)
                folder = folderOf((*pRecent)[0]);
    if (folder.IsEmpty())
        folder = GetStartFolder();
    if (const int dot = name.ReverseFind('.'); dot > 0)
        name = name.Left(dot);
    if (name.IsEmpty())
        name = "Torvane";
    return folder + "/" + name + "." + pszExt;
}

INT_PTR CFileDialog::DoModal()
{
    // Where the secretary keeps the league, not the folder the program happened to start in.
    CString start;
    if (!m_ofn.lpstrInitialDir) {
        start = GetStartFolder();
        m_ofn.lpstrInitialDir = start;
    }
    BOOL ok = AfxGetBackend()->RunFileDialog(*this);
    if (m_ofn.lpstrInitialDir == start.GetString())
        m_ofn.lpstrInitialDir = nullptr;
    if (!ok)
        return IDCANCEL;
    if (CString folder = GetFolderPath(); !folder.IsEmpty()) {
        AfxGetBackend()->Settings().WriteProfileValue(kSettingsSection, kLastFolderEntry, folder);
    }
    return IDOK;
}

std::vector<std::pair<CString, CString>> CFileDialog::ParseFilter(const char* pszFilter)
{
    std::vector<CString> parts;
    CString cur;
    for (const char* p = pszFilter ? pszFilter : ""; *p; ++p) {
        if (*p == '|') {
            parts.push_back(cur);
            cur.Empty();
        } else {
            cur += *p;
        }
    }
    if (!cur.IsEmpty())
        parts.push_back(cur);
    std::vector<std::pair<CString, CString>> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        CString desc = parts[i], pat = parts[i + 1];
        desc.Trim();
        pat.Trim();
        if (desc.IsEmpty() && pat.IsEmpty())
            break;
        pat.Remove(' ');
        out.emplace_back(desc, pat);
    }
    return out;
}

std::vector<std::pair<CString, CString>> CFileDialog::GetFilters() const { return ParseFilter(m_strFilter); }

void CFileDialog::SetResult(const CString& path)
{
    m_strPathName = path;
    int slash = path.ReverseFind('/');
    CString name = path.Mid(slash + 1);
    if (!m_strDefExt.IsEmpty() && !name.IsEmpty() && name.Find('.') < 0)
        m_strPathName += "." + m_strDefExt;
}

CString CFileDialog::GetFileName() const
{
    int slash = m_strPathName.ReverseFind('/');
    return m_strPathName.Mid(slash + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const
{
    int slash = m_strPathName.ReverseFind('/');
    return slash < 0 ? CString() : m_strPathName.Left(slash);
}

CFontDialog::CFontDialog(const LOGFONT* plfInitial, DWORD dwFlags, CDC*, CWnd*)
{
    m_cf.Flags = dwFlags;
    if (plfInitial) {
        m_lf = *plfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    LONG h = m_lf.lfHeight < 0 ? -m_lf.lfHeight : m_lf.lfHeight;
    m_cf.iPointSize = h ? static_cast<int>(h / 2) : 100;  // twips to tenths of a point
}

INT_PTR CFontDialog::DoModal() { return AfxGetBackend()->RunFontDialog(*this) ? IDOK : IDCANCEL; }

void CFontDialog::SetChoice(const char* pszFace, int nPointSize10, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                            BOOL bStrikeOut, COLORREF color)
{
    std::memset(m_lf.lfFaceName, 0, sizeof m_lf.lfFaceName);
    std::strncpy(m_lf.lfFaceName, pszFace ? pszFace : "Arial", LF_FACESIZE - 1);
    m_cf.iPointSize = nPointSize10;
    m_lf.lfHeight = -(nPointSize10 * 2);
    m_lf.lfWidth = 0;
    m_lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    m_lf.lfItalic = bItalic ? 1 : 0;
    m_lf.lfUnderline = bUnderline ? 1 : 0;
    m_lf.lfStrikeOut = bStrikeOut ? 1 : 0;
    m_cf.rgbColors = color;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD, CWnd*) : m_color(clrInit) {}

INT_PTR CColorDialog::DoModal() { return AfxGetBackend()->RunColorDialog(*this) ? IDOK : IDCANCEL; }
