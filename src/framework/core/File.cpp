#include "framework/core/File.h"
#include "framework/core/TextEntry.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <dirent.h>
#include <string>
#include <sys/file.h>
#include <vector>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// "<target>.~<pid>-<n>.tmp": the writer's process id, so a stale one can be told apart.
constexpr const char* kTempMarker = ".~";
constexpr const char* kTempSuffix = ".tmp";

CString MakeTempName(const CString& target)
{
    static std::atomic<unsigned> counter{0};
    CString name;
    name.Format("%s%s%d-%u%s", target.GetString(), kTempMarker, static_cast<int>(getpid()), ++counter, kTempSuffix);
    return name;
}

// The file a save of pszPath writes: the end of its chain of symbolic links, so that the link
// stays a link. A path that is no link, or a loop of links, is its own answer.
std::string SaveTarget(const std::string& path)
{
    std::string target = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return target;
        std::vector<char> buf(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        ssize_t n = ::readlink(target.c_str(), buf.data(), buf.size() - 1);
        if (n < 0)
            return target;
        std::string next(buf.data(), static_cast<size_t>(n));
        if (next.empty() || next[0] != '/') {
            size_t slash = target.rfind('/');
            next = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + next;
        }
        target = next;
    }
    return path;
}

bool IsReadOnly(const struct stat& st, const char* pszPath)
{
    // The write bits too: the superuser passes access(), yet a file marked read-only is kept so.
    return ::access(pszPath, W_OK) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

int CFileException::CauseFromErrno(int err)
{
    switch (err) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return accessDenied;
    case ENOSPC:
    case EDQUOT: return diskFull;
    case EFBIG: return fileTooLarge;
    case EIO: return hardIO;
    default: return genericException;
    }
}

CString AfxPathText(const char* pszPath) { return AfxTextFromTyped(pszPath ? pszPath : "", '?').text; }

CString CFileException::GetErrorMessage() const
{
    CString what;
    switch (m_cause) {
    case fileNotFound: what = "was not found"; break;
    case badPath: what = "has an invalid path"; break;
    case tooManyOpenFiles: what = "could not be opened: too many files are open"; break;
    case accessDenied: what = "cannot be accessed"; break;
    case diskFull: what = "could not be written: the disk is full"; break;
    case fileTooLarge: what = "could not be written: it would be larger than the system allows"; break;
    case endOfFile: what = "ends unexpectedly"; break;
    case readOnlyFile: what = "is read-only; it was left as it was"; break;
    case notRegularFile: what = "is not a file that can be read (it is a folder, a device or a pipe)"; break;
    case hardIO: what = "could not be read or written (a device error)"; break;
    default: what = "could not be read or written"; break;
    }
    CString msg;
    if (m_lOsError)
        msg.Format("The file \"%s\" %s (%s).", AfxPathText(m_strFileName).GetString(), what.GetString(), std::strerror(m_lOsError));
    else
        msg.Format("The file \"%s\" %s.", AfxPathText(m_strFileName).GetString(), what.GetString());
    return msg;
}

const char* CFileException::what() const noexcept
{
    m_what = GetErrorMessage();
    return m_what.GetString();
}

CFile::CFile(const char* pszFileName, UINT nOpenFlags)
{
    CFileException e;
    if (!Open(pszFileName, nOpenFlags, &e))
        throw e;
}

CFile::~CFile()
{
    if (IsOpen())
        CFile::Abort();
}

BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (IsOpen())
        Abort();
    m_strFileName = pszFileName ? pszFileName : "";
    m_strTempName.Empty();

    int access = nOpenFlags & 3;
    int flags = access == modeRead ? O_RDONLY : (access == modeWrite ? O_WRONLY : O_RDWR);
    bool safeSave = (nOpenFlags & modeCreate) && !(nOpenFlags & modeNoTruncate) && access == modeWrite;
    CString path = m_strFileName;
    if (safeSave) {
        m_strFileName = CString(SaveTarget(m_strFileName.str()));
        struct stat st {};
        if (::stat(m_strFileName.GetString(), &st) == 0 && IsReadOnly(st, m_strFileName.GetString())) {
            if (pError) {
                pError->m_cause = CFileException::readOnlyFile;
                pError->m_lOsError = 0;
                pError->m_strFileName = m_strFileName;
            }
            return FALSE;
        }
        RemoveStaleTemporaries(m_strFileName.GetString());
        m_strTempName = MakeTempName(m_strFileName);
        path = m_strTempName;
        flags |= O_CREAT | O_EXCL;
    } else if (nOpenFlags & modeCreate) {
        flags |= O_CREAT;
        if (!(nOpenFlags & modeNoTruncate))
            flags |= O_TRUNC;
    }
    // Opening a pipe for reading would wait for a writer: open without waiting, then look.
    if (access == modeRead)
        flags |= O_NONBLOCK;
    m_fd = ::open(path.GetString(), flags | O_CLOEXEC, 0644);
    int cause = CFileException::none;
    int err = m_fd < 0 ? errno : 0;
    if (m_fd >= 0 && access == modeRead) {
        struct stat st {};
        if (::fstat(m_fd, &st) != 0)
            err = errno;
        else if (!S_ISREG(st.st_mode))
            cause = CFileException::notRegularFile;
        else
            (void)::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
        if (err || cause) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    if (m_fd < 0) {
        m_strTempName.Empty();
        if (pError) {
            pError->m_cause = cause ? cause : CFileException::CauseFromErrno(err);
            pError->m_lOsError = cause ? 0 : err;
            pError->m_strFileName = m_strFileName;
        }
        return FALSE;
    }
    if (safeSave) {
        // Held until the file is closed: the mark of a living writer.
        (void)::flock(m_fd, LOCK_EX | LOCK_NB);
        // Keep the permissions of the file being replaced.
        struct stat st {};
        if (::stat(m_strFileName.GetString(), &st) == 0)
            (void)::fchmod(m_fd, st.st_mode & 07777);
    }
    return TRUE;
}

void CFile::ThrowErrno(int err) const
{
    throw CFileException(CFileException::CauseFromErrno(err), err, m_strFileName);
}

UINT CFile::Read(void* pBuf, UINT nCount)
{
    if (!IsOpen())
        throw CFileException(CFileException::invalidFile, 0, m_strFileName);
    size_t done = 0;
    char* p = static_cast<char*>(pBuf);
    while (done < nCount) {
        ssize_t r = ::read(m_fd, p + done, nCount - done);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno(errno);
        }
        if (r == 0)
            break;
        done += static_cast<size_t>(r);
    }
    return static_cast<UINT>(done);
}

void CFile::Write(const void* pBuf, UINT nCount)
{
    if (!IsOpen())
        throw CFileException(CFileException::invalidFile, 0, m_strFileName);
    size_t done = 0;
    const char* p = static_cast<const char*>(pBuf);
    while (done < nCount) {
        ssize_t r = ::write(m_fd, p + done, nCount - done);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno(errno);
        }
        done += static_cast<size_t>(r);
    }
}

void CFile::Flush()
{
    if (IsOpen() && ::fsync(m_fd) != 0 && errno != EINVAL)
        ThrowErrno(errno);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    int whence = nFrom == begin ? SEEK_SET : (nFrom == current ? SEEK_CUR : SEEK_END);
    off_t r = ::lseek(m_fd, static_cast<off_t>(lOff), whence);
    if (r < 0)
        throw CFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<ULONGLONG>(r);
}

ULONGLONG CFile::GetPosition() const
{
    off_t r = ::lseek(m_fd, 0, SEEK_CUR);
    return r < 0 ? 0 : static_cast<ULONGLONG>(r);
}

ULONGLONG CFile::GetLength() const
{
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return 0;
    return static_cast<ULONGLONG>(st.st_size);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    if (::ftruncate(m_fd, static_cast<off_t>(dwNewLen)) != 0)
        ThrowErrno(errno);
}

void CFile::Close()
{
    if (!IsOpen())
        return;
    int fd = m_fd;
    m_fd = -1;
    if (m_strTempName.IsEmpty()) {
        if (::close(fd) != 0)
            ThrowErrno(errno);
        return;
    }
    CString temp = m_strTempName;
    m_strTempName.Empty();
    int err = 0;
    if (::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err)
        err = errno;
    if (!err && ::rename(temp.GetString(), m_strFileName.GetString()) != 0)
        err = errno;
    if (err) {
        ::unlink(temp.GetString());
        ThrowErrno(err);
    }
}

void CFile::Abort()
{
    if (!IsOpen())
        return;
    ::close(m_fd);
    m_fd = -1;
    if (!m_strTempName.IsEmpty()) {
        ::unlink(m_strTempName.GetString());
        m_strTempName.Empty();
    }
}

CString CFile::GetFileName() const
{
    int slash = m_strFileName.ReverseFind('/');
    return slash < 0 ? m_strFileName : m_strFileName.Mid(slash + 1);
}

bool CFile::Exists(const char* pszFileName)
{
    struct stat st {};
    return pszFileName && ::stat(pszFileName, &st) == 0;
}

void CFile::Remove(const char* pszFileName)
{
    if (::unlink(pszFileName) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), errno, pszFileName);
}

void CFile::RemoveStaleTemporaries(const char* pszFileName)
{
    if (!pszFileName || !*pszFileName)
        return;
    const std::string target = SaveTarget(pszFileName);
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    const std::string prefix = target.substr(slash == std::string::npos ? 0 : slash + 1) + kTempMarker;
    DIR* d = ::opendir(folder.c_str());
    if (!d)
        return;
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        const size_t nSuffix = std::strlen(kTempSuffix);
        if (name.size() <= prefix.size() + nSuffix || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - nSuffix, nSuffix, kTempSuffix) != 0)
            continue;
        // "<pid>-<n>" and nothing else between marker and suffix.
        const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - nSuffix);
        const size_t dash = middle.find('-');
        if (dash == 0 || dash == std::string::npos ||
            middle.find_first_not_of("0123456789-") != std::string::npos || middle.find('-', dash + 1) != std::string::npos)
            continue;
        const long pid = std::strtol(middle.substr(0, dash).c_str(), nullptr, 10);
        // A writer that lives (or may, on another machine sharing the folder) holds its lock.
        if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH))
            continue;
        const std::string path = folder + "/" + name;
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(d);
}

void CFile::Rename(const char* pszOld, const char* pszNew)
{
    if (::rename(pszOld, pszNew) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), errno, pszOld);
}

UINT CStdioFile::Read(void* pBuf, UINT nCount)
{
    // Serve what ReadString has buffered first.
    size_t fromBuf = std::min<size_t>(nCount, m_bufLen - m_bufPos);
    std::memcpy(pBuf, m_buf + m_bufPos, fromBuf);
    m_bufPos += fromBuf;
    return static_cast<UINT>(fromBuf) + CFile::Read(static_cast<char*>(pBuf) + fromBuf, nCount - static_cast<UINT>(fromBuf));
}

BOOL CStdioFile::ReadString(CString& rString)
{
    std::string line;
    bool any = false;
    for (;;) {
        if (m_bufPos == m_bufLen) {
            m_bufPos = 0;
            m_bufLen = CFile::Read(m_buf, sizeof m_buf);
            if (m_bufLen == 0)
                break;
        }
        any = true;
        char c = m_buf[m_bufPos++];
        if (c == '\n')
            break;
        line += c;
    }
    if (!any)
        return FALSE;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    rString = CString(std::move(line));
    return TRUE;
}

void CStdioFile::WriteString(const char* psz)
{
    if (psz)
        Write(psz, static_cast<UINT>(std::strlen(psz)));
}

void CStdioFile::Close()
{
    m_bufPos = m_bufLen = 0;
    CFile::Close();
}

void CStdioFile::Abort()
{
    m_bufPos = m_bufLen = 0;
    CFile::Abort();
}
