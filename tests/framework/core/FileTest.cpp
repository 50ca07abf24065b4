#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "FileContents.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

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

    // Make the operating system refuse writes past 1000 bytes, as a full disk would.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    bool threw = false;
    try {
        CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        std::vector<BYTE> bytes;
        CArchive ar(&f, CArchive::store);
        std::string big(5000, 'z');
        ar.Write(big.data(), big.size());
        ar.Close();
        f.Close();
    } catch (const CFileException& e) {
        threw = true;
        EXPECT_EQ(e.m_cause, CFileException::diskFull);
        EXPECT_NE(e.GetErrorMessage().Find("league.lgf"), -1);
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(FileContents(path), "the last good league");
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
