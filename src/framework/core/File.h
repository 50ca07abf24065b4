#pragma once
// CFile: binary files. A file opened with modeCreate | modeWrite (and not modeNoTruncate) is
// written to a temporary file in the same folder and renamed over the target by Close(), so a
// failed save never destroys the last good file; Abort(), or destruction without Close(),
// throws the new bytes away. Such a save goes through a symbolic link to the file it names,
// refuses a read-only file, and first clears the temporaries of dead saves of the same file.
#include "framework/core/Object.h"
#include "framework/core/String.h"

#include <exception>

class CFileException : public std::exception
{
public:
    enum Cause { none, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied,
                 invalidFile, removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation,
                 lockViolation, diskFull, endOfFile, notRegularFile, readOnlyFile, fileTooLarge };

    CFileException(int cause = none, int osError = 0, const CString& fileName = CString())
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}
    const char* what() const noexcept override;
    CString GetErrorMessage() const;

    static int CauseFromErrno(int err);

    int m_cause;
    int m_lOsError;
    CString m_strFileName;

private:
    mutable CString m_what;
};

// A path as text for messages and titles. Paths stay the system's bytes (UTF-8) in every
// CString that holds one, from the file dialogs, the command line and the settings alike, so
// they reach the files unchanged; only what is shown goes through the single-byte text, its
// letters as plain letters where the text lacks them (Łódź.lgf shows as Lodz.lgf).
CString AfxPathText(const char* pszPath);

class CFile : public CObject
{
public:
    enum OpenFlags {
        modeRead = 0x0000, modeWrite = 0x0001, modeReadWrite = 0x0002,
        shareCompat = 0x0000, shareExclusive = 0x0010, shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030, shareDenyNone = 0x0040,
        modeCreate = 0x1000, modeNoTruncate = 0x2000, typeText = 0x4000, typeBinary = 0x8000
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(const char* pszFileName, UINT nOpenFlags); // throws CFileException
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Reading opens only a regular file: a folder, device or pipe is refused without waiting.
    virtual BOOL Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual void Close();   // commits a safe save; throws CFileException on failure
    virtual void Abort();   // closes without throwing; a safe save is discarded

    virtual UINT Read(void* pBuf, UINT nCount);
    virtual void Write(const void* pBuf, UINT nCount);
    virtual void Flush();
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    ULONGLONG GetPosition() const;
    ULONGLONG GetLength() const;
    void SetLength(ULONGLONG dwNewLen);

    bool IsOpen() const { return m_fd >= 0; }
    CString GetFilePath() const { return m_strFileName; }
    CString GetFileName() const;

    static bool Exists(const char* pszFileName);
    static void Remove(const char* pszFileName);                    // throws CFileException
    static void Rename(const char* pszOld, const char* pszNew);     // throws CFileException
    // Removes the temporary files that saves of this file left behind when their writer died
    // (a writer holds a lock on its temporary file while it lives).
    static void RemoveStaleTemporaries(const char* pszFileName);

protected:
    [[noreturn]] void ThrowErrno(int err) const;

    int m_fd = -1;
    CString m_strFileName;
    CString m_strTempName; // set while a safe save is under way
};

// Text files, one line at a time.
class CStdioFile : public CFile
{
public:
    CStdioFile() = default;
    CStdioFile(const char* pszFileName, UINT nOpenFlags) : CFile(pszFileName, nOpenFlags) {}

    // Reads one line without its end-of-line characters; FALSE at the end of the file.
    BOOL ReadString(CString& rString);
    void WriteString(const char* psz);
    UINT Read(void* pBuf, UINT nCount) override;
    void Close() override;
    void Abort() override;

private:
    char m_buf[4096];
    size_t m_bufPos = 0;
    size_t m_bufLen = 0;
};
