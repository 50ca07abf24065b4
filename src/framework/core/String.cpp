#include "framework/core/String.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

char UpperChar(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z')
        return static_cast<char>(u - 32);
    // Latin-1 letters of the upper half fold too (but not the division sign 0xF7 or 0xFF).
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<char>(u - 32);
    return c;
}

char LowerChar(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z')
        return static_cast<char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return static_cast<char>(u + 32);
    return c;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Windows-1252 0x80..0x9F; 0 marks the five undefined bytes (kept as the same code point).
const char16_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

CString& CString::operator=(const char* psz)
{
    m_str = psz ? psz : "";
    return *this;
}

char CString::GetAt(int i) const
{
    if (i < 0 || i >= GetLength())
        return '\0';
    return m_str[static_cast<size_t>(i)];
}

void CString::SetAt(int i, char ch)
{
    if (i >= 0 && i < GetLength())
        m_str[static_cast<size_t>(i)] = ch;
}

char* CString::GetBuffer(int nMinLength)
{
    if (nMinLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinLength));
    return m_str.data();
}

char* CString::GetBufferSetLength(int nLength)
{
    m_str.resize(static_cast<size_t>(nLength > 0 ? nLength : 0));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_str.data(), m_str.size()));
    m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
}

int CString::Compare(const char* psz) const
{
    int r = std::strcmp(m_str.c_str(), psz ? psz : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* psz) const
{
    const char* a = m_str.c_str();
    const char* b = psz ? psz : "";
    for (;; ++a, ++b) {
        unsigned char ca = static_cast<unsigned char>(LowerChar(*a));
        unsigned char cb = static_cast<unsigned char>(LowerChar(*b));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0 || nFirst >= GetLength())
        return CString();
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)));
}

CString CString::Left(int nCount) const
{
    if (nCount <= 0)
        return CString();
    return CString(m_str.substr(0, static_cast<size_t>(nCount)));
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return CString();
    if (nCount >= GetLength())
        return *this;
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(nCount)));
}

CString CString::SpanIncluding(const char* pszCharSet) const
{
    size_t n = m_str.find_first_not_of(pszCharSet ? pszCharSet : "");
    return n == std::string::npos ? *this : CString(m_str.substr(0, n));
}

CString CString::SpanExcluding(const char* pszCharSet) const
{
    size_t n = m_str.find_first_of(pszCharSet ? pszCharSet : "");
    return n == std::string::npos ? *this : CString(m_str.substr(0, n));
}

CString& CString::MakeUpper()
{
    for (char& c : m_str)
        c = UpperChar(c);
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_str)
        c = LowerChar(c);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

CString& CString::TrimLeft()
{
    size_t n = 0;
    while (n < m_str.size() && IsSpace(m_str[n]))
        ++n;
    m_str.erase(0, n);
    return *this;
}

CString& CString::TrimLeft(char ch)
{
    size_t n = m_str.find_first_not_of(ch);
    m_str.erase(0, n == std::string::npos ? m_str.size() : n);
    return *this;
}

CString& CString::TrimLeft(const char* pszTargets)
{
    size_t n = m_str.find_first_not_of(pszTargets ? pszTargets : "");
    m_str.erase(0, n == std::string::npos ? m_str.size() : n);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_str.empty() && IsSpace(m_str.back()))
        m_str.pop_back();
    return *this;
}

CString& CString::TrimRight(char ch)
{
    while (!m_str.empty() && m_str.back() == ch)
        m_str.pop_back();
    return *this;
}

CString& CString::TrimRight(const char* pszTargets)
{
    size_t n = m_str.find_last_not_of(pszTargets ? pszTargets : "");
    m_str.erase(n == std::string::npos ? 0 : n + 1);
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int n = 0;
    for (char& c : m_str)
        if (c == chOld) {
            c = chNew;
            ++n;
        }
    return n;
}

int CString::Replace(const char* pszOld, const char* pszNew)
{
    if (!pszOld || !*pszOld)
        return 0;
    std::string from(pszOld), to(pszNew ? pszNew : "");
    int n = 0;
    for (size_t pos = m_str.find(from); pos != std::string::npos; pos = m_str.find(from, pos + to.size())) {
        m_str.replace(pos, from.size(), to);
        ++n;
    }
    return n;
}

int CString::Remove(char ch)
{
    size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int nIndex, char ch)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_str.insert(static_cast<size_t>(nIndex), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, const char* psz)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_str.insert(static_cast<size_t>(nIndex), psz ? psz : "");
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < GetLength())
        m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(nCount));
    return GetLength();
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t n = m_str.find(ch, static_cast<size_t>(nStart));
    return n == std::string::npos ? -1 : static_cast<int>(n);
}

int CString::Find(const char* pszSub, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    size_t n = m_str.find(pszSub ? pszSub : "", static_cast<size_t>(nStart));
    return n == std::string::npos ? -1 : static_cast<int>(n);
}

int CString::ReverseFind(char ch) const
{
    size_t n = m_str.rfind(ch);
    return n == std::string::npos ? -1 : static_cast<int>(n);
}

int CString::FindOneOf(const char* pszCharSet) const
{
    size_t n = m_str.find_first_of(pszCharSet ? pszCharSet : "");
    return n == std::string::npos ? -1 : static_cast<int>(n);
}

void CString::FormatV(const char* pszFormat, va_list args)
{
    char small[256];
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, pszFormat ? pszFormat : "", copy);
    va_end(copy);
    if (n < 0) {
        m_str.clear();
        return;
    }
    if (static_cast<size_t>(n) < sizeof small) {
        m_str.assign(small, static_cast<size_t>(n));
        return;
    }
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), pszFormat, args);
    m_str.assign(buf.data(), static_cast<size_t>(n));
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(const char* pszFormat, ...)
{
    CString tail;
    va_list args;
    va_start(args, pszFormat);
    tail.FormatV(pszFormat, args);
    va_end(args);
    m_str += tail.m_str;
}

std::string CString::ToUtf8() const
{
    std::string out;
    out.reserve(m_str.size());
    for (char c : m_str) {
        unsigned char u = static_cast<unsigned char>(c);
        char32_t cp = u;
        if (u >= 0x80 && u <= 0x9F && kCp1252High[u - 0x80] != 0)
            cp = kCp1252High[u - 0x80];
        AppendUtf8(out, cp);
    }
    return out;
}

CString CString::FromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        size_t len;
        if (c < 0x80) {
            cp = c;
            len = 1;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            len = 2;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            len = 3;
        } else if ((c & 0xF8) == 0xF0) {
            cp = c & 0x07;
            len = 4;
        } else {
            out += '?';
            ++i;
            continue;
        }
        if (i + len > utf8.size()) {
            out += '?';
            break;
        }
        bool ok = true;
        for (size_t k = 1; k < len; ++k) {
            unsigned char cc = static_cast<unsigned char>(utf8[i + k]);
            if ((cc & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kCp1252High[k] == cp || (kCp1252High[k] == 0 && cp == static_cast<char32_t>(0x80 + k))) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        out += mapped;
    }
    return CString(std::move(out));
}
