#pragma once
// Two users of one machine, for the tests of what one user's program tells another's: a
// temporary folder both share, as /tmp is shared, and the peer program (ChannelPeer.cpp) run as
// a real process under either. Switching users needs root: tests skip without it.
#include <QStringList>
#include <memory>
#include <string>
#include <sys/types.h>

#include "TempDir.h"

class QProcess;

class CTwoUsers {
public:
    static constexpr uid_t kOther = 65534;  // nobody
    static bool CanSwitch();

    CTwoUsers();
    // The shared temporary folder (TMPDIR for both): open to all, each keeps to his own names.
    // It lies in /tmp, so that the channels stay in it whatever TMPDIR the tests run under.
    std::string Shared() const { return m_dir.path().string(); }
    // A runtime folder of the user's own, closed to others, made on first asking.
    std::string RuntimeFolder(uid_t uid) const;
    std::string PeerProgram() const { return m_dir.File("bin/channel_peer"); }

private:
    TempDir m_dir{"/tmp"};
};

class CPeer {
public:
    // The peer program with these arguments, as user uid; runtime: its XDG_RUNTIME_DIR, or none.
    CPeer(const CTwoUsers& users, uid_t uid, const QStringList& args, const std::string& runtime = "");
    ~CPeer();
    // The next line it says, this process's own events running meanwhile; "" when none came in ms.
    std::string Next(int ms = 15000);

private:
    std::unique_ptr<QProcess> m_process;
};
