#include "framework/ui/Registry.h"

#include <cstdlib>

BOOL CRegistryKey::Open(const char* pszSubKey)
{
    m_strSubKey = pszSubKey ? pszSubKey : "";
    m_bOpen = !m_strSubKey.IsEmpty();
    return m_bOpen;
}

BOOL CRegistryKey::QueryStringValue(const char* pszName, CString& value) const
{
    if (!m_bOpen)
        return FALSE;
    return AfxGetBackend()->Settings().GetRegistryValue(m_hRoot, m_strSubKey, pszName, value);
}

CString CRegistryKey::GetStringValue(const char* pszName, const char* pszDefault)
{
    CString value;
    if (QueryStringValue(pszName, value))
        return value;
    value = pszDefault ? pszDefault : "";
    if (m_bOpen)
        SetStringValue(pszName, value);
    return value;
}

BOOL CRegistryKey::SetStringValue(const char* pszName, const char* pszValue)
{
    if (!m_bOpen)
        return FALSE;
    CSettingsStore& s = AfxGetBackend()->Settings();
    BOOL ok = s.SetRegistryValue(m_hRoot, m_strSubKey, pszName, pszValue);
    s.Flush();
    return ok;
}

BOOL CRegistryKey::DeleteValue(const char* pszName)
{
    if (!m_bOpen)
        return FALSE;
    return AfxGetBackend()->Settings().DeleteRegistryValue(m_hRoot, m_strSubKey, pszName);
}

CString AfxGetUserDataFolder()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    CString base;
    if (xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = CString(home && *home ? home : ".") + "/.local/share";
    }
    return base + "/Torvane";
}

CString GetDatabasePath()
{
    CRegistryKey key(HKEY_LOCAL_MACHINE);
    key.Open(TORVANE_REGISTRY_KEY);
    return key.GetStringValue(TORVANE_DATABASE_PATH_VALUE, AfxGetUserDataFolder() + "/database");
}
