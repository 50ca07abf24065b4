#pragma once
// CArchive: little-endian binary reading and writing of the league file.
//
// Strings: a length byte below 255; else 0xFF and a 16-bit length below 0xFFFE; else 0xFF,
// 0xFFFF and a 32-bit length; then the bytes. Objects: a 16-bit tag. 0 is a null object;
// 0xFFFF a new class (u16 schema, u16 name length, the name) followed by the object body;
// 0x8000 | n a class already seen (index n) followed by the body; a plain index an object
// already stored; 0x7FFF then a 32-bit tag when an index outgrows 15 bits. Classes and
// objects share one index space that starts at 1. Counts: u16, or 0xFFFF and a u32.
//
// Every read is bounds-checked and ends in CArchiveException on a short or corrupt
// stream; a count is never trusted beyond the bytes that remain.
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Time.h"

#include <exception>
#include <unordered_map>
#include <vector>

class CFile;

class CArchiveException : public std::exception
{
public:
    enum Cause { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    CArchiveException(int cause, const CString& reason) : m_cause(cause), m_strReason(reason) {}
    const char* what() const noexcept override { return m_strReason.GetString(); }

    int m_cause;
    CString m_strReason;
};

class CArchive
{
public:
    enum Mode { store = 0, load = 1 };

    // In memory: store appends to *pBuffer, load reads it from the start.
    CArchive(std::vector<BYTE>* pBuffer, UINT nMode);
    // On a file: load reads the whole file first; store writes the buffer out on Close.
    CArchive(CFile* pFile, UINT nMode);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return m_bLoading; }
    bool IsStoring() const { return !m_bLoading; }
    CFile* GetFile() const { return m_pFile; }

    // The one-byte version of the file being read, or the version being written.
    int GetFileVersion() const { return m_nFileVersion; }
    void SetFileVersion(int nVersion) { m_nFileVersion = nVersion; }

    // Writes a buffered store out to its file; throws CFileException on failure.
    void Flush();
    void Close();

    // Raw bytes. Read returns what could be read; ReadExact throws when short.
    UINT Read(void* pBuf, UINT nMax);
    void ReadExact(void* pBuf, size_t n);
    void Write(const void* pBuf, size_t n);
    size_t GetPosition() const { return m_nPos; }
    size_t BytesRemaining() const { return m_bLoading ? m_pBuf->size() - m_nPos : 0; }
    bool IsBufferEmpty() const { return BytesRemaining() == 0; }
    // Loading: copies up to nMax bytes from offset nPos without moving the read position, for a
    // reader that weighs two readings of the same bytes; returns how many there were.
    size_t PeekAt(size_t nPos, void* pBuf, size_t nMax) const;
    // Loading: how many class tags have been read whole, a class's name or the index of one
    // named before, and of the kind the reader asked for: what a read out of step seldom meets.
    size_t GetClassTagsRead() const { return m_nClassTagsRead; }

    CArchive& operator<<(BYTE v) { return WriteLE(v, 1); }
    CArchive& operator<<(char v) { return WriteLE(static_cast<BYTE>(v), 1); }
    CArchive& operator<<(signed char v) { return WriteLE(static_cast<BYTE>(v), 1); }
    CArchive& operator<<(WORD v) { return WriteLE(v, 2); }
    CArchive& operator<<(short v) { return WriteLE(static_cast<WORD>(v), 2); }
    CArchive& operator<<(DWORD v) { return WriteLE(v, 4); }
    CArchive& operator<<(int v) { return WriteLE(static_cast<DWORD>(v), 4); }
    CArchive& operator<<(LONGLONG v) { return WriteLE(static_cast<ULONGLONG>(v), 8); }
    CArchive& operator<<(ULONGLONG v) { return WriteLE(v, 8); }
    CArchive& operator<<(float v);
    CArchive& operator<<(double v);
    CArchive& operator<<(const CString& s);
    CArchive& operator<<(const char* psz) { return *this << CString(psz); }
    CArchive& operator<<(CTime t);            // 32-bit signed seconds
    CArchive& operator<<(bool) = delete;      // say the width: BYTE or BOOL
    CArchive& operator<<(const CObject* pOb) { WriteObject(pOb); return *this; }

    CArchive& operator>>(BYTE& v);
    CArchive& operator>>(char& v);
    CArchive& operator>>(signed char& v);
    CArchive& operator>>(WORD& v);
    CArchive& operator>>(short& v);
    CArchive& operator>>(DWORD& v);
    CArchive& operator>>(int& v);
    CArchive& operator>>(LONGLONG& v);
    CArchive& operator>>(ULONGLONG& v);
    CArchive& operator>>(float& v);
    CArchive& operator>>(double& v);
    CArchive& operator>>(CString& s);
    CArchive& operator>>(CTime& t);
    CArchive& operator>>(bool&) = delete;
    CArchive& operator>>(CObject*& pOb) { pOb = ReadObject(nullptr); return *this; }

    void WriteObject(const CObject* pOb);
    // Creates the object from its stored class name; pClassRefRequested, when given, is the
    // class the caller expects (the stored class must derive from it).
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // The same for an object the caller will own: a reference back to an object read before
    // would give it two owners, so the file is refused as corrupt.
    CObject* ReadOwnedObject(const CRuntimeClass* pClassRefRequested);

    void WriteCount(DWORD dwCount);
    // A count of elements of at least nMinElementSize bytes each; one that cannot fit in
    // the bytes that remain is corrupt.
    DWORD ReadCount(size_t nMinElementSize = 1);
    // A count as the file holds it, not weighed against the bytes left: for a list whose entries
    // are read one by one, the first that is not there telling why.
    DWORD ReadCountAsStored();

    // Throws the archive exception for a corrupt stream, naming the reason.
    [[noreturn]] static void ThrowCorrupt(const CString& reason);

    // Free for the caller's own use (the document being read or written).
    CObject* m_pDocument = nullptr;

private:
    template <class T>
    CArchive& WriteLE(T v, int n)
    {
        BYTE b[8];
        for (int i = 0; i < n; ++i)
            b[i] = static_cast<BYTE>((static_cast<ULONGLONG>(v) >> (8 * i)) & 0xFF);
        Write(b, static_cast<size_t>(n));
        return *this;
    }
    ULONGLONG ReadLE(int n);
    void WriteTag(DWORD tag, bool isClass);
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested, bool bOwned);

    std::vector<BYTE> m_ownBuf;
    std::vector<BYTE>* m_pBuf;
    CFile* m_pFile = nullptr;
    size_t m_nPos = 0;
    bool m_bLoading;
    bool m_bClosed = false;
    int m_nFileVersion = 0;
    int m_nDepth = 0;
    size_t m_nClassTagsRead = 0;

    // Shared index space of classes and objects, from 1.
    DWORD m_nMapCount = 1;
    std::unordered_map<const void*, DWORD> m_storeMap;
    struct LoadEntry
    {
        const CRuntimeClass* pClass;
        CObject* pObject;
    };
    std::vector<LoadEntry> m_loadMap;
};
