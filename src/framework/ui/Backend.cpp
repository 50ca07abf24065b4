#include "framework/ui/Backend.h"

#include <cstdio>
#include <cstdlib>

#include "framework/core/File.h"
#include "framework/ui/Dialog.h"

namespace {
std::string ProfileKey(const char* s, const char* e) { return std::string(s ? s : "") + '\n' + (e ? e : ""); }

std::string RegistryKey(HKEY root, const char* sub, const char* name)
{
    // Sub-keys compare without regard to case, as the registry's do.
    std::string k = std::to_string(root) + '\n' + (sub ? sub : "") + '\n' + (name ? name : "");
    for (char& c : k)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return k;
}

CHeadlessBackend& Headless()
{
    static CHeadlessBackend backend;
    return backend;
}

CUiBackend* g_pBackend = nullptr;
}  // namespace

INT_PTR CHeadlessBackend::RunModalDialog(CDialog& dlg)
{
    dlg.EndDialog(IDCANCEL);
    return IDCANCEL;
}

int CHeadlessBackend::MessageBox(const CString& text, const CString&, UINT nType)
{
    Show(text);
    switch (nType & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    default: return IDCANCEL;
    }
}

void CHeadlessBackend::Show(const CString& text) { std::fprintf(stderr, "%s\n", text.GetString()); }

CString CUiBackend::GetDocumentsFolder()
{
    const char* home = std::getenv("HOME");
    if (!home || !*home)
        return CString();
    CString docs = CString(home) + "/Documents";
    return CFile::Exists(docs) ? docs : CString(home);
}

CUiBackend* AfxGetBackend() { return g_pBackend ? g_pBackend : &Headless(); }

CUiBackend* AfxSetBackend(CUiBackend* pBackend)
{
    CUiBackend* old = g_pBackend;
    g_pBackend = pBackend;
    return old;
}

BOOL CMemorySettingsStore::GetProfileValue(const char* pszSection, const char* pszEntry, CString& value)
{
    auto it = m_profile.find(ProfileKey(pszSection, pszEntry));
    if (it == m_profile.end())
        return FALSE;
    value = CString(it->second);
    return TRUE;
}

BOOL CMemorySettingsStore::WriteProfileValue(const char* pszSection, const char* pszEntry, const char* pszValue)
{
    if (pszValue)
        m_profile[ProfileKey(pszSection, pszEntry)] = pszValue;
    else
        m_profile.erase(ProfileKey(pszSection, pszEntry));
    return TRUE;
}

BOOL CMemorySettingsStore::GetRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName, CString& value)
{
    auto it = m_registry.find(RegistryKey(hRoot, pszSubKey, pszName));
    if (it == m_registry.end())
        return FALSE;
    value = CString(it->second);
    return TRUE;
}

BOOL CMemorySettingsStore::SetRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName, const char* pszValue)
{
    m_registry[RegistryKey(hRoot, pszSubKey, pszName)] = pszValue ? pszValue : "";
    return TRUE;
}

BOOL CMemorySettingsStore::DeleteRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName)
{
    return m_registry.erase(RegistryKey(hRoot, pszSubKey, pszName)) ? TRUE : FALSE;
}

void CMemorySettingsStore::Clear()
{
    m_profile.clear();
    m_registry.clear();
}
