#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "FileContents.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void WriteAll(const std::string& path, const std::string& text)
{
    CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    f.Write(text.data(), static_cast<UINT>(text.size()));
    f.Close();
}

size_t FilesIn(const TempDir& dir)
{
    size_t n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
        ++n;
    return n;
}

} // namespace

TEST(CFile, SafeSaveReplacesOnlyWhenClosed)
{
    TempDir dir;
    std::string path = dir.File("league.lgf");
    WriteAll(path, "old league");
    EXPECT_EQ(FileContents(path), "old league");
    {
        CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        f.Write("new", 3);
        // Until Close() the old file stands.
        EXPECT_EQ(FileContents(path), "old league");
        f.Close();
    }
    EXPECT_EQ(FileContents(path), "new");
    {
        CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        f.Write("abandoned", 9);
        // Destroyed without Close(): as after an exception half way through a save.
    }
    EXPECT_EQ(FileContents(path), "new");
    EXPECT_EQ(FilesIn(dir), 1u);
}

TEST(CFile, FailedWriteLeavesTheOldFile)
{
    TempDir dir;
    std::string path = dir.File("league.lgf");
    WriteAll(path, "the last good league");

    // Make the operating system refuse writes past 1000 bytes: the file-size limit.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    bool threw = false;
    try {
        CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&f, CArchive::store);
        std::string big(5000, 'z');
        ar.Write(big.data(), big.size());
        ar.Close();
        f.Close();
    } catch (const CFileException& e) {
        threw = true;
        EXPECT_EQ(e.m_cause, CFileException::fileTooLarge);
        EXPECT_EQ(e.GetErrorMessage(), "The file \"" + CString(path.c_str()) +
                                           "\" could not be written: it would be larger than the system allows "
                                           "(File too large).");
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(FileContents(path), "the last good league");
    EXPECT_EQ(FilesIn(dir), 1u);
}

// The process id of a process that has ended.
static int DeadPid()
{
    pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    waitpid(pid, nullptr, 0);
    return static_cast<int>(pid);
}

// A full disk or quota and a file past the size limit are told apart.
TEST(CFile, AFullDiskAndAFileTooLargeSayWhichStoppedTheWrite)
{
    const struct
    {
        int nErrno;
        const char* pszMessage;
    } cases[] = {
        {ENOSPC, "The file \"a.lgf\" could not be written: the disk is full (No space left on device)."},
        {EDQUOT, "The file \"a.lgf\" could not be written: the disk is full (Disk quota exceeded)."},
        {EFBIG, "The file \"a.lgf\" could not be written: it would be larger than the system allows (File too large)."},
    };
    for (const auto& c : cases) {
        CFileException e(CFileException::CauseFromErrno(c.nErrno), c.nErrno, "a.lgf");
        EXPECT_EQ(e.GetErrorMessage(), c.pszMessage);
    }
}

TEST(CFile, SavesAndOpensClearOnlyTheTemporariesOfDeadSavesOfTheSameFile)
{
    TempDir dir;
    const std::string path = dir.File("league.lgf");
    const std::string dead = std::to_string(DeadPid()), mine = std::to_string(getpid());
    const struct
    {
        std::string name;
        bool bStays;
    } files[] = {
        {"league.lgf.~" + dead + "-1.tmp", false},
        {"league.lgf.~" + dead + "-17.tmp", false},
        {"league.lgf.~" + mine + "-9999.tmp", true},  // a save under way, its writer alive
        {"other.lgf.~" + dead + "-1.tmp", true},      // another league's
        {"league.lgf.~" + dead + "-x.tmp", true},     // not one of ours
        {"league.lgf.bak", true},
    };
    // A save the test itself holds open, locked as a writer holds it.
    const std::string held = dir.File("league.lgf.~" + dead + "-2.tmp");
    int fdHeld = ::open(held.c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_EQ(::flock(fdHeld, LOCK_EX), 0);
    for (const auto& f : files)
        WriteAll(dir.File(f.name), "a killed save");
    WriteAll(path, "league");  // the save clears them
    for (const auto& f : files)
        EXPECT_EQ(CFile::Exists(dir.File(f.name).c_str()), f.bStays) << f.name;
    EXPECT_TRUE(CFile::Exists(held.c_str()));
    ::close(fdHeld);

    WriteAll(dir.File(files[0].name), "killed again");
    CFile::RemoveStaleTemporaries(path.c_str());  // as an open does
    EXPECT_FALSE(CFile::Exists(dir.File(files[0].name).c_str()) || CFile::Exists(held.c_str()));
    EXPECT_EQ(FileContents(path), "league");
}

TEST(CFile, ASaveThroughALinkWritesTheFileItNames)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "leagues");
    const std::string real = dir.File("leagues/league.lgf");
    WriteAll(real, "old");
    std::filesystem::create_symlink("leagues/league.lgf", dir.path() / "relative.lgf");
    std::filesystem::create_symlink(dir.path() / "relative.lgf", dir.path() / "chain.lgf");
    for (const char* link : {"relative.lgf", "chain.lgf"}) {
        WriteAll(dir.File(link), link);
        EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / link));
        EXPECT_EQ(FileContents(real), link);
    }
    EXPECT_EQ(FilesIn(dir), 3u);
}

TEST(CFile, ASaveOverAReadOnlyFileIsRefused)
{
    TempDir dir;
    const std::string path = dir.File("league.lgf");
    WriteAll(path, "kept");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    CFile f;
    CFileException e;
    EXPECT_FALSE(f.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite, &e));
    EXPECT_EQ(e.m_cause, CFileException::readOnlyFile);
    EXPECT_EQ((std::vector<std::string>{e.GetErrorMessage().str(), FileContents(path)}),
              (std::vector<std::string>{"The file \"" + path + "\" is read-only; it was left as it was.", "kept"}));
    EXPECT_EQ(FilesIn(dir), 1u);
}

TEST(CFile, OpenFailuresAreReportedNotThrown)
{
    TempDir dir;
    CFile f;
    CFileException e;
    EXPECT_FALSE(f.Open(dir.File("missing.lgf").c_str(), CFile::modeRead, &e));
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(f.Open(dir.File("no/such/dir/x.lgf").c_str(), CFile::modeCreate | CFile::modeWrite, &e));
    EXPECT_THROW(CFile(dir.File("missing.lgf").c_str(), CFile::modeRead), CFileException);
}

TEST(CStdioFile, ReadsLinesWhateverTheirEnding)
{
    TempDir dir;
    std::string path = dir.File("export.txt");
    {
        CStdioFile out(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        out.WriteString("first\r\nsecond\n\nlast");
        out.Close();
    }
    CStdioFile in(path.c_str(), CFile::modeRead | CFile::typeText);
    CString line;
    std::vector<std::string> lines;
    while (in.ReadString(line))
        lines.push_back(line.str());
    EXPECT_EQ(lines, (std::vector<std::string>{"first", "second", "", "last"}));
}
