#include "OtherUser.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <filesystem>
#include <grp.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

bool CTwoUsers::CanSwitch() { return ::geteuid() == 0; }

CTwoUsers::CTwoUsers()
{
    ::chmod(Shared().c_str(), 01777);
    // The other user cannot enter the build folder of root's checkout: the program goes where he can.
    fs::create_directory(m_dir.path() / "bin");
    fs::copy_file(TORVANE_CHANNEL_PEER, PeerProgram());
    ::chmod(m_dir.File("bin").c_str(), 0755);
    ::chmod(PeerProgram().c_str(), 0755);
}

std::string CTwoUsers::RuntimeFolder(uid_t uid) const
{
    const std::string dir = m_dir.File("run-" + std::to_string(uid));
    if (::mkdir(dir.c_str(), 0700) == 0 && ::chown(dir.c_str(), uid, uid) != 0)
        throw std::runtime_error("cannot give " + dir + " away");
    return dir;
}

CPeer::CPeer(const CTwoUsers& users, uid_t uid, const QStringList& args, const std::string& runtime)
    : m_process(std::make_unique<QProcess>())
{
    const std::string home = users.Shared() + "/home-" + std::to_string(uid);
    if (::mkdir(home.c_str(), 0700) == 0 && ::chown(home.c_str(), uid, uid) != 0)
        throw std::runtime_error("cannot give " + home + " away");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    if (!runtime.empty())
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
    const QString h = QString::fromStdString(home);
    env.insert("HOME", h);
    env.insert("XDG_CONFIG_HOME", h + "/config");
    env.insert("XDG_DATA_HOME", h + "/data");
    env.insert("XDG_CACHE_HOME", h + "/cache");
    env.insert("TMPDIR", QString::fromStdString(users.Shared()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    m_process->setProcessEnvironment(env);
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (uid != ::getuid())
        m_process->setChildProcessModifier([uid] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(uid) != 0 || ::setuid(uid) != 0)
                ::_exit(126);
        });
    m_process->start(QString::fromStdString(users.PeerProgram()), args);
}

CPeer::~CPeer()
{
    m_process->kill();
    m_process->waitForFinished(5000);
}

std::string CPeer::Next(int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!m_process->canReadLine() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        m_process->waitForReadyRead(10);
    }
    return m_process->canReadLine() ? m_process->readLine().trimmed().toStdString() : std::string();
}
