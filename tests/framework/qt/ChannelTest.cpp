// The channel between one user's programs, against other users of the machine: where it lies,
// what stands in its place, who listens and who calls. Real processes under a second user
// (nobody) where it matters; those cases need root and are skipped without it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "OtherUser.h"
#include "TempDir.h"
#include "framework/qt/QtBackend.h"
#include "framework/qt/QtBackendImpl.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kClass = "TorvaneChannel";
constexpr uid_t kOther = CTwoUsers::kOther;

// This user's program, its channel without a runtime folder in tmp, or in runtime.
std::unique_ptr<CQtBackend> OwnBackend(const std::string& tmp, const std::string& runtime = "")
{
    std::unique_ptr<CQtBackend> b(dynamic_cast<CQtBackend*>(AfxCreateQtBackend()));
    b->m_session.tempDir = tmp.c_str();
    b->m_session.runtimeDir = runtime.c_str();
    return b;
}

struct CHandedApp : CWinApp {
    std::vector<std::string> opened;
    void OnOpenFromOtherInstance(const char* pszPathName) override { opened.emplace_back(pszPathName); }
    // The files handed over once one has come, or after a few seconds.
    std::vector<std::string> Opened()
    {
        const QDeadlineTimer deadline(5000);
        while (opened.empty() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return opened;
    }
};

std::string FolderOf(const std::string& channel) { return channel.substr(0, channel.rfind('/')); }

// The environment a start reads, set for a while.
class CEnvironment {
public:
    CEnvironment() : m_saved{Get("XDG_RUNTIME_DIR"), Get("TMPDIR")} {}
    ~CEnvironment() { Set(m_saved.first, m_saved.second); }
    void Set(const std::string& runtime, const std::string& tmp)
    {
        runtime.empty() ? ::unsetenv("XDG_RUNTIME_DIR") : ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        tmp.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", tmp.c_str(), 1);
    }

private:
    static std::string Get(const char* pszName) { return std::getenv(pszName) ? std::getenv(pszName) : ""; }
    std::pair<std::string, std::string> m_saved;
};

// A folder of the user's own, closed to others, whose path is n bytes long: folders in folders,
// as no one name may pass 255.
std::string FolderOfLength(const std::string& base, size_t n)
{
    std::string path = base;
    ::mkdir(path.c_str(), 0700);
    while (path.size() < n) {
        path += "/" + std::string(std::min<size_t>(n - path.size() - 1, 60), 'd');
        ::mkdir(path.c_str(), 0700);
    }
    return path;
}

std::set<fs::path> Listing(const fs::path& dir)
{
    std::set<fs::path> all;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        all.insert(e.path());
    return all;
}
}  // namespace

TEST(QtChannel, WithoutARuntimeFolderItLiesInAFolderOnlyItsUserCanEnter)
{
    TempDir tmp("/tmp");
    const std::string folder = tmp.File(std::string(kClass) + "-" + std::to_string(::getuid()));
    {
        // Asking makes nothing; the first program makes the folder closed to others, whatever
        // the umask; a later start finds that program.
        const mode_t umask = ::umask(0);
        auto first = OwnBackend(tmp.path());
        EXPECT_FALSE(first->ActivateOtherInstance(kClass));
        EXPECT_FALSE(fs::exists(folder));
        ASSERT_TRUE(first->RegisterInstance(kClass));
        ::umask(umask);
        struct stat st = {};
        ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
        EXPECT_EQ(std::make_pair(st.st_uid, st.st_mode & 07777), std::make_pair(::getuid(), mode_t(0700)));
        EXPECT_EQ(FolderOf(first->m_session.Channel(kClass).toStdString()), folder);
        EXPECT_TRUE(OwnBackend(tmp.path())->ActivateOtherInstance(kClass));
        EXPECT_EQ(first->InstanceChannelFault().str(), "");
    }
    // Whatever else stands at its name is refused and left as it was.
    const struct
    {
        const char* pszWhat;
        std::function<void()> make;
        std::string fault;
        bool bAsRoot;
    } cases[] = {
        {"a folder open to others", [&] { ::mkdir(folder.c_str(), 0700), ::chmod(folder.c_str(), 0755); },
         "the folder " + folder + " is open to other users", false},
        {"a plain file", [&] { std::ofstream(folder) << "x"; }, folder + " is not a folder", false},
        {"a link to a folder of the user's own",
         [&] { ::mkdir(tmp.File("own").c_str(), 0700), ::symlink(tmp.File("own").c_str(), folder.c_str()); },
         folder + " is not a folder", false},
        {"a folder another user made", [&] { ::mkdir(folder.c_str(), 0700), ::chown(folder.c_str(), kOther, kOther); },
         "the folder " + folder + " belongs to another user", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        if (c.bAsRoot && !CTwoUsers::CanSwitch())
            continue;
        fs::remove_all(folder);
        fs::remove_all(tmp.File("own"));
        c.make();
        const auto before = Listing(tmp.path());
        auto b = OwnBackend(tmp.path());
        EXPECT_FALSE(b->ActivateOtherInstance(kClass, "/leagues/Monday.lgf"));
        EXPECT_FALSE(b->RegisterInstance(kClass));
        EXPECT_EQ(b->InstanceChannelFault().str(), c.fault);
        EXPECT_EQ(Listing(tmp.path()), before);
    }
}

TEST(QtChannel, ARuntimeFolderServesOnlyWhenItIsTheUsersAndClosedToOthers)
{
    TempDir tmp;
    const std::string shared = tmp.File("shared"), own = tmp.File("own"), others = tmp.File("others");
    ::mkdir(own.c_str(), 0700);
    ::mkdir(shared.c_str(), 0700);
    ::chmod(shared.c_str(), 01777);  // as /tmp, named by hand
    ::mkdir(others.c_str(), 0700);
    const bool bRoot = CTwoUsers::CanSwitch();
    if (bRoot) {
        EXPECT_EQ(::chown(others.c_str(), kOther, kOther), 0);
    }
    const std::string saved = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "";
    const std::pair<std::string, std::string> cases[] = {
        {own, own}, {shared, ""}, {"run/user", ""}, {tmp.File("missing"), ""}, {others, bRoot ? "" : others}};
    for (const auto& [set, used] : cases) {
        ::setenv("XDG_RUNTIME_DIR", set.c_str(), 1);
        EXPECT_EQ(CDesktopSession::Current().runtimeDir.toStdString(), used) << set;
    }
    saved.empty() ? ::unsetenv("XDG_RUNTIME_DIR") : ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}

// However long the path of the runtime folder or of the temporary folder, the first start
// serves and a later one reaches it: a folder whose channel would not fit the 106 bytes of a
// local socket's path gives way to the next one, /tmp last.
TEST(QtChannel, AFolderOfAnyLengthServesAndALaterStartReachesIt)
{
    TempDir base("/tmp");
    const std::string own = std::string(kClass) + "-" + std::to_string(::getuid());
    // The channel's own name, whatever folder it lies in.
    const std::string anyChannel = OwnBackend("/tmp")->m_session.Channel(kClass).toStdString();
    const size_t nName = anyChannel.size() - FolderOf(anyChannel).size() - 1;
    // Folders whose channel would be n bytes long.
    auto runtimeFor = [&](size_t n) { return FolderOfLength(base.File("run"), n - 1 - nName); };
    auto tmpFor = [&](size_t n) { return FolderOfLength(base.File("tmp"), n - 1 - own.size() - 1 - nName); };
    const std::string longest = FolderOfLength(base.File("long"), 300);
    const struct
    {
        std::string runtime, tmp, folder;
    } cases[] = {
        {runtimeFor(106), longest, runtimeFor(106)},
        {runtimeFor(107), tmpFor(106), tmpFor(106) + "/" + own},
        {longest, tmpFor(106), tmpFor(106) + "/" + own},
        {longest, tmpFor(107), "/tmp/" + own},
        {"", longest, "/tmp/" + own},
    };
    {
        // The environment a start reads, its own again afterwards.
        CEnvironment env;
        for (const auto& c : cases) {
            SCOPED_TRACE("a runtime folder of " + std::to_string(c.runtime.size()) + " bytes, a temporary folder of " +
                         std::to_string(c.tmp.size()));
            env.Set(c.runtime, c.tmp);
            CHandedApp app;
            std::unique_ptr<CQtBackend> first(dynamic_cast<CQtBackend*>(AfxCreateQtBackend()));
            const std::string channel = first->m_session.Channel(kClass).toStdString();
            EXPECT_EQ(FolderOf(channel), c.folder);
            EXPECT_LE(channel.size(), 106u);
            ASSERT_TRUE(first->RegisterInstance(kClass)) << first->InstanceChannelFault().str();
            std::unique_ptr<CQtBackend> later(dynamic_cast<CQtBackend*>(AfxCreateQtBackend()));
            EXPECT_TRUE(later->ActivateOtherInstance(kClass, "/leagues/Monday.lgf"));
            EXPECT_EQ(app.Opened(), std::vector<std::string>{"/leagues/Monday.lgf"});
        }
    }
    // Two real programs, the runtime folder one byte too long for the channel in it.
    CTwoUsers users;
    const std::string runtime = FolderOfLength(users.Shared() + "/run", 107 - 1 - nName);
    CPeer running(users, ::getuid(), {"start", kClass}, runtime);
    EXPECT_EQ(running.Next(), "running");
    EXPECT_EQ(CPeer(users, ::getuid(), {"start", kClass, "/leagues/Tuesday.lgf"}, runtime).Next(), "handed");
    EXPECT_EQ(running.Next(), "opened /leagues/Tuesday.lgf");
}

// Another user listening at the channel's path hears no league; root's own start, where
// nobody took its folder, is tried with the whole program in tests/app.
TEST(QtChannel, AnotherUserListeningWhereTheChannelLiesHearsNothing)
{
    if (!CTwoUsers::CanSwitch())
        GTEST_SKIP() << "a second user needs root";
    CTwoUsers users;
    const char* pszLeague = "/leagues/Ligue d'\xC3\xA9t\xC3\xA9.lgf";
    // The other user's start, with and without his runtime folder, where root listens at his
    // channel in his own folder: it hands nothing over, runs on its own and says why.
    for (bool bRuntime : {false, true}) {
        SCOPED_TRACE(bRuntime ? "runtime folder" : "temporary folder");
        const std::string runtime = bRuntime ? users.RuntimeFolder(kOther) : "";
        const std::string channel = CPeer(users, kOther, {"where", kClass}, runtime).Next();
        ASSERT_FALSE(channel.empty());
        if (!bRuntime) {
            ::mkdir(FolderOf(channel).c_str(), 0700);
            ASSERT_EQ(::chown(FolderOf(channel).c_str(), kOther, kOther), 0);
        }
        CPeer squatter(users, 0, {"listen", QString::fromStdString(channel)});
        ASSERT_EQ(squatter.Next(), "ready");
        CPeer start(users, kOther, {"start", kClass, pszLeague}, runtime);
        EXPECT_EQ(start.Next(), "alone: another user listens at " + channel);
        EXPECT_EQ(squatter.Next(), "heard");
    }
}

// Two users' programs on one desktop: each later start reaches its own user's program.
TEST(QtChannel, EachUsersLaterStartReachesHisOwnProgram)
{
    if (!CTwoUsers::CanSwitch())
        GTEST_SKIP() << "a second user needs root";
    CTwoUsers users;
    enum { kNone, kOwn, kRootsNamed } const modes[] = {kNone, kOwn, kRootsNamed};
    for (auto mode : modes) {
        // kRootsNamed: his environment names root's runtime folder, as some ways of switching
        // users leave it.
        SCOPED_TRACE(mode);
        const std::string rootRuntime = mode == kNone ? "" : users.RuntimeFolder(0);
        const std::string hisRuntime = mode == kOwn ? users.RuntimeFolder(kOther) : rootRuntime;
        CHandedApp app;
        auto mine = OwnBackend(users.Shared(), rootRuntime);
        ASSERT_TRUE(mine->RegisterInstance(kClass));
        CPeer his(users, kOther, {"start", kClass}, hisRuntime);
        EXPECT_EQ(his.Next(), "running");
        EXPECT_EQ(CPeer(users, kOther, {"start", kClass, "/leagues/His.lgf"}, hisRuntime).Next(), "handed");
        EXPECT_EQ(his.Next(), "opened /leagues/His.lgf");
        EXPECT_TRUE(OwnBackend(users.Shared(), rootRuntime)->ActivateOtherInstance(kClass, "/leagues/Mine.lgf"));
        EXPECT_EQ(app.Opened(), std::vector<std::string>{"/leagues/Mine.lgf"});
        EXPECT_EQ(his.Next(500), "");
    }
}

// A caller of another user gets no hearing even where he can reach the channel.
TEST(QtChannel, TheProgramTakesFilesOnlyFromItsOwnUser)
{
    if (!CTwoUsers::CanSwitch())
        GTEST_SKIP() << "a second user needs root";
    CTwoUsers users;
    CHandedApp app;
    auto mine = OwnBackend(users.Shared());
    ASSERT_TRUE(mine->RegisterInstance(kClass));
    const std::string channel = mine->m_session.Channel(kClass).toStdString();
    ::chmod(FolderOf(channel).c_str(), 0711);
    ::chmod(channel.c_str(), 0777);
    const int before = AfxActivationRequests();
    EXPECT_EQ(CPeer(users, kOther, {"send", QString::fromStdString(channel), "/leagues/His.lgf"}).Next(), "no answer");
    EXPECT_EQ(AfxActivationRequests(), before);
    // The user's own caller, asking just as plainly, is heard.
    EXPECT_EQ(CPeer(users, 0, {"send", QString::fromStdString(channel), "/leagues/Mine.lgf"}).Next(), "answer ok");
    EXPECT_EQ(app.Opened(), std::vector<std::string>{"/leagues/Mine.lgf"});
}
