#include "framework/core/Archive.h"

#include "framework/core/File.h"

#include <cstring>
#include <memory>

namespace {

constexpr WORD kNullTag = 0;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr DWORD kBigClassTag = 0x80000000;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr int kMaxNesting = 256;
constexpr size_t kMaxClassNameLength = 255;

} // namespace

CArchive::CArchive(std::vector<BYTE>* pBuffer, UINT nMode)
    : m_pBuf(pBuffer), m_bLoading(nMode == load)
{
    m_loadMap.push_back({nullptr, nullptr});
}

CArchive::CArchive(CFile* pFile, UINT nMode)
    : m_pBuf(&m_ownBuf), m_pFile(pFile), m_bLoading(nMode == load)
{
    m_loadMap.push_back({nullptr, nullptr});
    if (m_bLoading && pFile) {
        ULONGLONG len = pFile->GetLength() - pFile->GetPosition();
        m_ownBuf.resize(static_cast<size_t>(len));
        UINT got = len ? pFile->Read(m_ownBuf.data(), static_cast<UINT>(len)) : 0;
        m_ownBuf.resize(got);
    }
}

CArchive::~CArchive()
{
    // A store that was never closed is abandoned: the caller met an error half way.
}

void CArchive::Flush()
{
    if (!m_bLoading && m_pFile && !m_ownBuf.empty()) {
        m_pFile->Write(m_ownBuf.data(), static_cast<UINT>(m_ownBuf.size()));
        m_ownBuf.clear();
    }
}

void CArchive::Close()
{
    if (m_bClosed)
        return;
    Flush();
    m_bClosed = true;
}

void CArchive::ThrowCorrupt(const CString& reason)
{
    throw CArchiveException(CArchiveException::badIndex, reason);
}

UINT CArchive::Read(void* pBuf, UINT nMax)
{
    if (!m_bLoading)
        throw CArchiveException(CArchiveException::writeOnly, "The archive is open for writing.");
    size_t n = std::min<size_t>(nMax, m_pBuf->size() - m_nPos);
    if (n)
        std::memcpy(pBuf, m_pBuf->data() + m_nPos, n);
    m_nPos += n;
    return static_cast<UINT>(n);
}

void CArchive::ReadExact(void* pBuf, size_t n)
{
    if (!m_bLoading)
        throw CArchiveException(CArchiveException::writeOnly, "The archive is open for writing.");
    if (n > m_pBuf->size() - m_nPos) {
        CString reason;
        reason.Format("The file ends too early (%zu bytes wanted at offset %zu of %zu).", n, m_nPos,
                      m_pBuf->size());
        throw CArchiveException(CArchiveException::endOfFile, reason);
    }
    if (n)
        std::memcpy(pBuf, m_pBuf->data() + m_nPos, n);
    m_nPos += n;
}

size_t CArchive::PeekAt(size_t nPos, void* pBuf, size_t nMax) const
{
    if (!m_bLoading || nPos >= m_pBuf->size())
        return 0;
    const size_t n = std::min(nMax, m_pBuf->size() - nPos);
    std::memcpy(pBuf, m_pBuf->data() + nPos, n);
    return n;
}

void CArchive::Write(const void* pBuf, size_t n)
{
    if (m_bLoading)
        throw CArchiveException(CArchiveException::readOnly, "The archive is open for reading.");
    const BYTE* p = static_cast<const BYTE*>(pBuf);
    m_pBuf->insert(m_pBuf->end(), p, p + n);
}

ULONGLONG CArchive::ReadLE(int n)
{
    BYTE b[8];
    ReadExact(b, static_cast<size_t>(n));
    ULONGLONG v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | b[i];
    return v;
}

CArchive& CArchive::operator<<(float v)
{
    DWORD bits;
    std::memcpy(&bits, &v, sizeof bits);
    return WriteLE(bits, 4);
}

CArchive& CArchive::operator<<(double v)
{
    ULONGLONG bits;
    std::memcpy(&bits, &v, sizeof bits);
    return WriteLE(bits, 8);
}

CArchive& CArchive::operator<<(const CString& s)
{
    size_t len = static_cast<size_t>(s.GetLength());
    if (len < 0xFF) {
        *this << static_cast<BYTE>(len);
    } else if (len < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(len);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(len);
    }
    Write(s.GetString(), len);
    return *this;
}

CArchive& CArchive::operator<<(CTime t)
{
    if (!t.IsStorable())
        throw CArchiveException(CArchiveException::genericException,
                                "A date after 19 January 2038 cannot be stored in the file.");
    return WriteLE(static_cast<DWORD>(static_cast<int32_t>(t.GetTime())), 4);
}

CArchive& CArchive::operator>>(BYTE& v) { v = static_cast<BYTE>(ReadLE(1)); return *this; }
CArchive& CArchive::operator>>(char& v) { v = static_cast<char>(ReadLE(1)); return *this; }
CArchive& CArchive::operator>>(signed char& v) { v = static_cast<signed char>(ReadLE(1)); return *this; }
CArchive& CArchive::operator>>(WORD& v) { v = static_cast<WORD>(ReadLE(2)); return *this; }
CArchive& CArchive::operator>>(short& v) { v = static_cast<short>(static_cast<WORD>(ReadLE(2))); return *this; }
CArchive& CArchive::operator>>(DWORD& v) { v = static_cast<DWORD>(ReadLE(4)); return *this; }
CArchive& CArchive::operator>>(int& v) { v = static_cast<int>(static_cast<DWORD>(ReadLE(4))); return *this; }
CArchive& CArchive::operator>>(LONGLONG& v) { v = static_cast<LONGLONG>(ReadLE(8)); return *this; }
CArchive& CArchive::operator>>(ULONGLONG& v) { v = ReadLE(8); return *this; }

CArchive& CArchive::operator>>(float& v)
{
    DWORD bits = static_cast<DWORD>(ReadLE(4));
    std::memcpy(&v, &bits, sizeof v);
    return *this;
}

CArchive& CArchive::operator>>(double& v)
{
    ULONGLONG bits = ReadLE(8);
    std::memcpy(&v, &bits, sizeof v);
    return *this;
}

CArchive& CArchive::operator>>(CString& s)
{
    size_t len = static_cast<BYTE>(ReadLE(1));
    if (len == 0xFF) {
        len = static_cast<WORD>(ReadLE(2));
        if (len == 0xFFFE)
            ThrowCorrupt("A text in the file is in a form this program does not write.");
        if (len == 0xFFFF)
            len = static_cast<DWORD>(ReadLE(4));
    }
    if (len > BytesRemaining())
        throw CArchiveException(CArchiveException::endOfFile, "A text in the file runs past its end.");
    std::string text(len, '\0');
    ReadExact(text.data(), len);
    s = CString(std::move(text));
    return *this;
}

CArchive& CArchive::operator>>(CTime& t)
{
    t = CTime(static_cast<LONGLONG>(static_cast<int32_t>(static_cast<DWORD>(ReadLE(4)))));
    return *this;
}

void CArchive::WriteCount(DWORD dwCount)
{
    if (dwCount < 0xFFFF) {
        *this << static_cast<WORD>(dwCount);
    } else {
        *this << static_cast<WORD>(0xFFFF) << dwCount;
    }
}

DWORD CArchive::ReadCountAsStored()
{
    const DWORD n = static_cast<WORD>(ReadLE(2));
    return n == 0xFFFF ? static_cast<DWORD>(ReadLE(4)) : n;
}

DWORD CArchive::ReadCount(size_t nMinElementSize)
{
    const DWORD n = ReadCountAsStored();
    if (nMinElementSize == 0)
        nMinElementSize = 1;
    if (n > BytesRemaining() / nMinElementSize) {
        CString reason;
        reason.Format("The file holds a count of %u that cannot be right.", n);
        ThrowCorrupt(reason);
    }
    return n;
}

void CArchive::WriteTag(DWORD tag, bool isClass)
{
    if (tag < kBigObjectTag) {
        *this << static_cast<WORD>(isClass ? (kClassTag | tag) : tag);
    } else {
        *this << kBigObjectTag << static_cast<DWORD>(isClass ? (kBigClassTag | tag) : tag);
    }
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (!pOb) {
        *this << kNullTag;
        return;
    }
    auto seen = m_storeMap.find(pOb);
    if (seen != m_storeMap.end()) {
        WriteTag(seen->second, false);
        return;
    }
    const CRuntimeClass* pClass = pOb->GetRuntimeClass();
    if (pClass->m_wSchema == 0xFFFF) {
        CString reason;
        reason.Format("Class %s cannot be stored.", pClass->m_lpszClassName);
        throw CArchiveException(CArchiveException::badClass, reason);
    }
    auto cls = m_storeMap.find(pClass);
    if (cls != m_storeMap.end()) {
        WriteTag(cls->second, true);
    } else {
        size_t nameLen = std::strlen(pClass->m_lpszClassName);
        *this << kNewClassTag << static_cast<WORD>(pClass->m_wSchema) << static_cast<WORD>(nameLen);
        Write(pClass->m_lpszClassName, nameLen);
        m_storeMap[pClass] = m_nMapCount++;
    }
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    return ReadObject(pClassRefRequested, false);
}

CObject* CArchive::ReadOwnedObject(const CRuntimeClass* pClassRefRequested)
{
    return ReadObject(pClassRefRequested, true);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested, bool bOwned)
{
    WORD wTag = static_cast<WORD>(ReadLE(2));
    DWORD obTag;
    if (wTag == kBigObjectTag)
        obTag = static_cast<DWORD>(ReadLE(4));
    else
        obTag = (static_cast<DWORD>(wTag & kClassTag) << 16) | (wTag & ~kClassTag);

    const CRuntimeClass* pClass = nullptr;
    if (wTag == kNewClassTag) {
        WORD schema = static_cast<WORD>(ReadLE(2));
        WORD nameLen = static_cast<WORD>(ReadLE(2));
        if (nameLen == 0 || nameLen > kMaxClassNameLength)
            ThrowCorrupt("A class name in the file has an impossible length.");
        std::string name(nameLen, '\0');
        ReadExact(name.data(), nameLen);
        pClass = CRuntimeClass::FromName(name.c_str());
        if (!pClass || schema != pClass->m_wSchema)
            ++m_nClassTagsRead;  // a class named whole, if not one this program reads
        if (!pClass) {
            CString reason;
            reason.Format("The file holds an object of unknown class \"%s\".",
                          CString(name).ToUtf8().c_str());
            throw CArchiveException(CArchiveException::badClass, reason);
        }
        if (schema != pClass->m_wSchema) {
            CString reason;
            reason.Format("The file holds class %s in schema %u, not %u.", pClass->m_lpszClassName, schema,
                          pClass->m_wSchema);
            throw CArchiveException(CArchiveException::badSchema, reason);
        }
        m_loadMap.push_back({pClass, nullptr});
    } else if (!(obTag & kBigClassTag)) {
        if (obTag >= m_loadMap.size() || (obTag != 0 && m_loadMap[obTag].pObject == nullptr))
            ThrowCorrupt("The file refers to an object that it does not hold.");
        CObject* pOb = m_loadMap[obTag].pObject;
        if (pOb && bOwned)
            ThrowCorrupt("The file holds one object in two places.");
        if (pOb && pClassRefRequested && !pOb->IsKindOf(pClassRefRequested))
            throw CArchiveException(CArchiveException::badClass, "The file refers to an object of the wrong kind.");
        return pOb;
    } else {
        DWORD index = obTag & ~kBigClassTag;
        if (index == 0 || index >= m_loadMap.size() || m_loadMap[index].pClass == nullptr)
            ThrowCorrupt("The file refers to a class that it does not name.");
        pClass = m_loadMap[index].pClass;
    }

    if (pClassRefRequested && !pClass->IsDerivedFrom(pClassRefRequested)) {
        CString reason;
        reason.Format("The file holds a %s where a %s belongs.", pClass->m_lpszClassName,
                      pClassRefRequested->m_lpszClassName);
        throw CArchiveException(CArchiveException::badClass, reason);
    }
    ++m_nClassTagsRead;
    if (m_nDepth >= kMaxNesting)
        ThrowCorrupt("The file nests objects too deeply.");

    std::unique_ptr<CObject> pOb(pClass->CreateObject());
    if (!pOb)
        throw CArchiveException(CArchiveException::badClass, "The file holds an object that cannot be created.");
    size_t slot = m_loadMap.size();
    m_loadMap.push_back({nullptr, pOb.get()});
    ++m_nDepth;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        m_loadMap[slot].pObject = nullptr;
        --m_nDepth;
        throw;
    }
    --m_nDepth;
    return pOb.release();
}
