#pragma once
// CString: single-byte text in the Windows-1252 code page (0xBD is the half sign).
// Conversion to and from Unicode happens only at the edge of the Qt backend.
#include "framework/core/Types.h"

#include <compare>
#include <cstdarg>
#include <functional>
#include <string>
#include <string_view>

class CString
{
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* p, int nLength) : m_str(p ? std::string(p, static_cast<size_t>(nLength > 0 ? nLength : 0)) : std::string()) {}
    CString(char ch, int nRepeat = 1) : m_str(static_cast<size_t>(nRepeat > 0 ? nRepeat : 0), ch) {}
    CString(std::string s) : m_str(std::move(s)) {}
    CString(std::string_view s) : m_str(s) {}

    // Access
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int i) const;
    void SetAt(int i, char ch);
    char operator[](int i) const { return GetAt(i); }
    operator const char*() const { return m_str.c_str(); }
    const char* GetString() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }
    std::string& str() { return m_str; }

    // Raw buffer for callers that fill text in place.
    char* GetBuffer(int nMinLength);
    char* GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);

    // Assignment and concatenation
    // Out of line: inlined into callers, GCC 12 reports a false -Wrestrict overlap in Release.
    CString& operator=(const char* psz);
    CString& operator=(char ch) { m_str.assign(1, ch); return *this; }
    CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
    CString& operator+=(const char* psz) { if (psz) m_str += psz; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }
    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
    friend CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
    friend CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

    // Comparison: bytewise, like strcmp.
    int Compare(const char* psz) const;
    int CompareNoCase(const char* psz) const;
    int Collate(const char* psz) const { return Compare(psz); }
    int CollateNoCase(const char* psz) const { return CompareNoCase(psz); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(a == b); }
    // Without these, pairs and tuples of CString would compare through the pointer conversion.
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.m_str <=> b.m_str; }
    friend std::strong_ordering operator<=>(const CString& a, const char* b) { return a.Compare(b) <=> 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }
    friend bool operator>(const CString& a, const CString& b) { return b.m_str < a.m_str; }
    friend bool operator<=(const CString& a, const CString& b) { return !(b.m_str < a.m_str); }
    friend bool operator>=(const CString& a, const CString& b) { return !(a.m_str < b.m_str); }

    // Extraction
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(const char* pszCharSet) const;
    CString SpanExcluding(const char* pszCharSet) const;

    // Changes in place
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(const char* pszTargets);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(const char* pszTargets);
    CString& Trim() { TrimRight(); return TrimLeft(); }
    int Replace(char chOld, char chNew);
    int Replace(const char* pszOld, const char* pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, const char* psz);
    int Delete(int nIndex, int nCount = 1);

    // Searching; -1 when not found.
    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* pszCharSet) const;

    // printf semantics. Pass a CString to %s through GetString() or a (LPCTSTR) cast.
    void Format(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* pszFormat, va_list args);
    void AppendFormat(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));

    // Windows-1252 <-> UTF-8, for the edges of the program (Qt, HTML, tests).
    std::string ToUtf8() const;
    static CString FromUtf8(std::string_view utf8);

private:
    std::string m_str;
};

template <>
struct std::hash<CString>
{
    size_t operator()(const CString& s) const noexcept { return std::hash<std::string>()(s.str()); }
};
