#pragma once
// A small wrapper of the registry-like settings store: a root key, a sub-key and string
// values, the default written back when a value is missing. Usable without any user interface
// (the player database reads its folder through it).
//
//     CString folder = GetDatabasePath();
#include "framework/core/String.h"
#include "framework/ui/Backend.h"

class CRegistryKey {
public:
    explicit CRegistryKey(HKEY hRoot = HKEY_LOCAL_MACHINE) : m_hRoot(hRoot) {}

    // Opens (and if need be creates) the sub-key, written with back-slashes.
    BOOL Open(const char* pszSubKey);
    void Close() { m_bOpen = false; }
    BOOL IsOpen() const { return m_bOpen; }

    // The value named pszName; when missing, pszDefault is written back and returned.
    CString GetStringValue(const char* pszName, const char* pszDefault);
    // Reads without writing anything back; FALSE when missing.
    BOOL QueryStringValue(const char* pszName, CString& value) const;
    BOOL SetStringValue(const char* pszName, const char* pszValue);
    BOOL DeleteValue(const char* pszName);

    HKEY GetRoot() const { return m_hRoot; }
    const CString& GetSubKey() const { return m_strSubKey; }

private:
    HKEY m_hRoot;
    CString m_strSubKey;
    bool m_bOpen = false;
};

// The program's key and the value that names the player database folder.
inline constexpr const char* TORVANE_REGISTRY_KEY = "SOFTWARE\\Quillmere\\Torvane";
inline constexpr const char* TORVANE_DATABASE_PATH_VALUE = "Database path";

// The program's data folder under the user's home: $XDG_DATA_HOME/Torvane, else
// ~/.local/share/Torvane. Not created here.
CString AfxGetUserDataFolder();
// "Database path" under the program's key of the local machine; the default, written back
// when missing, is the "database" folder in the program's data folder.
CString GetDatabasePath();
