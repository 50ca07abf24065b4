// A start of the program as far as its channel goes, or another user's program squatting a
// path, as a real process the tests run under one user or another. One line per event:
//
//   channel_peer where <class>              the channel's path for this user and desktop
//   channel_peer start <class> [file]       "handed" and ends; or "running" or "alone: <why>", then
//                                           "opened <file>" for each file a later start hands it
//   channel_peer listen <path>              listens there (its folder made 0700 when missing):
//                                           "ready", then "heard <bytes>" for each caller
//   channel_peer send <path> <file>         asks nothing first: "answer <line>" or "no answer"
//
// Each runs until it is ended, at most a minute.
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "framework/qt/QtBackendImpl.h"

namespace {
void Say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

int UnixSocket(const std::string& path, sockaddr_un& addr)
{
    addr = {};
    addr.sun_family = AF_UNIX;
    path.copy(addr.sun_path, sizeof addr.sun_path - 1);
    return ::socket(AF_UNIX, SOCK_STREAM, 0);
}

// A line from the other end, or what it wrote before it closed or within two seconds.
std::string ReadLine(int fd)
{
    std::string got;
    char buf[512];
    pollfd p = {fd, POLLIN, 0};
    while (got.find('\n') == std::string::npos && ::poll(&p, 1, 2000) > 0) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            break;
        got.append(buf, static_cast<size_t>(n));
    }
    return got;
}

int Listen(const std::string& path)
{
    ::mkdir(path.substr(0, path.rfind('/')).c_str(), 0700);
    sockaddr_un addr;
    const int fd = UnixSocket(path, addr);
    // Open to every caller, as one who lies in wait makes it.
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::chmod(path.c_str(), 0777) != 0 ||
        ::listen(fd, 8) != 0) {
        Say("cannot listen");
        return 1;
    }
    Say("ready");
    while (true) {
        const int caller = ::accept(fd, nullptr, nullptr);
        if (caller < 0)
            return 1;
        Say("heard " + ReadLine(caller));
        ::close(caller);
    }
}

int Send(const std::string& path, const std::string& file)
{
    sockaddr_un addr;
    const int fd = UnixSocket(path, addr);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        Say("cannot connect");
        return 1;
    }
    const std::string request = "activate " + QByteArray::fromStdString(file).toBase64().toStdString() + "\n";
    if (::write(fd, request.data(), request.size()) != static_cast<ssize_t>(request.size()))
        return 1;
    const std::string answer = ReadLine(fd);
    Say(answer.empty() ? "no answer" : "answer " + answer.substr(0, answer.find('\n')));
    return 0;
}

struct CPeerApp : CWinApp {
    CPeerApp() : CWinApp("ChannelPeer") {}
    void OnOpenFromOtherInstance(const char* pszPathName) override { Say(std::string("opened ") + pszPathName); }
};
}  // namespace

int main(int argc, char** argv)
{
    const std::string what = argc > 2 ? argv[1] : "";
    if (what == "listen")
        return Listen(argv[2]);
    if (what == "send" && argc > 3)
        return Send(argv[2], argv[3]);
    QApplication qapp(argc, argv);
    CPeerApp app;
    std::unique_ptr<CUiBackend> backend(AfxCreateQtBackend());
    AfxSetBackend(backend.get());
    auto& qt = dynamic_cast<CQtBackend&>(*backend);
    if (what == "where") {
        Say(qt.m_session.Channel(argv[2]).toStdString());
        return 0;
    }
    if (what != "start")
        return 2;
    if (qt.ActivateOtherInstance(argv[2], argc > 3 ? argv[3] : nullptr)) {
        Say("handed");
        return 0;
    }
    qt.RegisterInstance(argv[2]);
    const CString fault = qt.InstanceChannelFault();
    Say(fault.IsEmpty() ? "running" : "alone: " + fault.str());
    QTimer::singleShot(60000, &qapp, &QCoreApplication::quit);
    return qapp.exec();
}
