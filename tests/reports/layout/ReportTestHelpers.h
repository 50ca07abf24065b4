#pragma once
// What the report-item tests share: the HTML an item writes, the bytes an object stores, and
// an object read back from bytes at a given league-file version.
#include "FileContents.h"
#include "TempDir.h"
#include "framework/core/Core.h"
#include "league/BowlingDoc.h"
#include "view/RepItem.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

inline std::string HtmlOf(CRepItem& item)
{
    TempDir dir;
    std::string path = dir.File("item.htm");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        item.WriteHtml(file);
        file.Close();
    }
    return FileContents(path);
}

// The league-file version the archive code reads, set for one scope.
class FileVersionScope
{
public:
    explicit FileVersionScope(BYTE nVersion) : m_nOld(CBowlingDoc::GetFileVersion())
    {
        CBowlingDoc::SetFileVersion(nVersion);
    }
    ~FileVersionScope() { CBowlingDoc::SetFileVersion(m_nOld); }

private:
    BYTE m_nOld;
};

inline std::vector<BYTE> BytesOf(CObject& ob, BYTE nVersion = LEAGUE_FILE_VERSION)
{
    FileVersionScope version(nVersion);
    std::vector<BYTE> bytes;
    CArchive ar(&bytes, CArchive::store);
    ar.SetFileVersion(nVersion);
    ob.Serialize(ar);
    ar.Close();
    return bytes;
}

inline void LoadFrom(CObject& ob, std::vector<BYTE> bytes, BYTE nVersion = LEAGUE_FILE_VERSION)
{
    FileVersionScope version(nVersion);
    CArchive ar(&bytes, CArchive::load);
    ar.SetFileVersion(nVersion);
    ob.Serialize(ar);
}

// An archive string of fewer than 255 bytes: its length byte, then the bytes.
inline std::vector<BYTE> StringBytes(const char* psz)
{
    std::vector<BYTE> v{static_cast<BYTE>(std::string(psz).size())};
    for (const char* p = psz; *p; ++p)
        v.push_back(static_cast<BYTE>(*p));
    return v;
}

inline void Append(std::vector<BYTE>& to, const std::vector<BYTE>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

// A copy is of the same kind and stores the same bytes (reserved bytes, which copies leave at
// nought, aside) on the same page.
inline void ExpectCopyStoresTheSame(CRepItem& item)
{
    std::unique_ptr<CRepItem> p(item.Clone());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(typeid(*p), typeid(item));
    EXPECT_EQ(BytesOf(*p), BytesOf(item));
    EXPECT_EQ(p->m_nPage, item.m_nPage);
}
