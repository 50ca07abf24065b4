// The profile and the registry in QSettings files. Their values are paths and numbers, kept as
// the system's bytes (UTF-8), as every path of the program is.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QLocalSocket>
#include <QApplication>
#include <QTimer>

#include "framework/qt/QtBackendImpl.h"
#include "framework/qt/QtText.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString RootName(HKEY root)
{
    switch (root) {
    case HKEY_CLASSES_ROOT: return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER: return "HKEY_CURRENT_USER";
    default: return "HKEY_LOCAL_MACHINE";
    }
}

// "SOFTWARE\Quillmere\Torvane" + "Database path" -> "HKEY_LOCAL_MACHINE/SOFTWARE/Quillmere/Torvane/Database path"
QString RegistryPath(HKEY root, const char* sub, const char* name)
{
    QString s = QString::fromUtf8(sub ? sub : "");
    s.replace('\\', '/');
    return RootName(root) + "/" + s + "/" + QString::fromUtf8(name ? name : "");
}

QString ProfilePath(const char* section, const char* entry)
{
    return QString::fromUtf8(section ? section : "") + "/" + QString::fromUtf8(entry ? entry : "");
}
}  // namespace

CQtSettingsStore::CQtSettingsStore()
    : m_profile(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Quillmere", "Torvane")),
      m_registryUser(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Quillmere", "Registry")),
      m_registrySystem(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::SystemScope, "Quillmere", "Registry"))
{
}

BOOL CQtSettingsStore::GetProfileValue(const char* pszSection, const char* pszEntry, CString& value)
{
    QVariant v = m_profile->value(ProfilePath(pszSection, pszEntry));
    if (!v.isValid())
        return FALSE;
    value = CString(v.toString().toUtf8().toStdString());
    return TRUE;
}

BOOL CQtSettingsStore::WriteProfileValue(const char* pszSection, const char* pszEntry, const char* pszValue)
{
    if (pszValue)
        m_profile->setValue(ProfilePath(pszSection, pszEntry), QString::fromUtf8(pszValue ? pszValue : ""));
    else
        m_profile->remove(ProfilePath(pszSection, pszEntry));
    return m_profile->status() == QSettings::NoError;
}

BOOL CQtSettingsStore::GetRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName, CString& value)
{
    // A value the system's administrator set wins; then the user's own.
    QString key = RegistryPath(hRoot, pszSubKey, pszName);
    for (QSettings* s : {m_registrySystem.get(), m_registryUser.get()}) {
        QVariant v = s->value(key);
        if (v.isValid()) {
            value = CString(v.toString().toUtf8().toStdString());
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CQtSettingsStore::SetRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName, const char* pszValue)
{
    m_registryUser->setValue(RegistryPath(hRoot, pszSubKey, pszName), QString::fromUtf8(pszValue ? pszValue : ""));
    return m_registryUser->status() == QSettings::NoError;
}

BOOL CQtSettingsStore::DeleteRegistryValue(HKEY hRoot, const char* pszSubKey, const char* pszName)
{
    QString key = RegistryPath(hRoot, pszSubKey, pszName);
    if (!m_registryUser->contains(key))
        return FALSE;
    m_registryUser->remove(key);
    return TRUE;
}

void CQtSettingsStore::Flush()
{
    m_profile->sync();
    m_registryUser->sync();
}

CString CQtBackend::GetDocumentsFolder()
{
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty() || !QFileInfo(docs).isDir())
        docs = QDir::homePath();
    return CString(QFile::encodeName(docs).toStdString());
}

void AfxUseSettingsFolder(const char* pszFolder)
{
    QString dir = QString::fromUtf8(pszFolder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir + "/user");
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir + "/system");
}

// --- One running instance -------------------------------------------------------------------------

namespace {
int g_activations = 0;
}

int AfxActivationRequests() { return g_activations; }

namespace {

// ":0", "unix:0.1" and ":0.1" are one X server; its screens are one desktop.
QByteArray X11Server(QByteArray display)
{
    const int nColon = display.lastIndexOf(':');
    if (nColon < 0)
        return display;
    const int nDot = display.indexOf('.', nColon);
    if (nDot >= 0)
        display.truncate(nDot);
    if (display.startsWith("unix:"))
        display.remove(0, 4);
    return display;
}

// The display server the windows go to. The runtime folder cannot tell one desktop from
// another: every session of a user, a remote one beside the local one included, shares it. The
// display can: X by its server (DISPLAY), Wayland by its socket (WAYLAND_DISPLAY, within the
// runtime folder unless a path). A platform without a display (offscreen) is one of its own.
QByteArray DesktopKey(const CDesktopSession& s)
{
    QString platform = s.platform;
    if (platform.isEmpty())
        platform = !s.waylandDisplay.isEmpty() ? "wayland" : !s.x11Display.isEmpty() ? "xcb" : "none";
    if (platform == "xcb")
        return "x11 " + X11Server(s.x11Display);
    if (platform.startsWith("wayland")) {
        QByteArray socket = s.waylandDisplay.isEmpty() ? QByteArray("wayland-0") : s.waylandDisplay;
        if (!socket.startsWith('/'))
            socket = s.runtimeDir + "/" + socket;
        return "wayland " + socket;
    }
    return platform.toUtf8();
}

} // namespace

QString CDesktopSession::FolderFault(const QByteArray& path, unsigned uid, bool bFollowLink)
{
    const QString shown = QFile::decodeName(path);
    struct stat st = {};
    if ((bFollowLink ? ::stat(path.constData(), &st) : ::lstat(path.constData(), &st)) != 0)
        return QString("the folder %1 cannot be read (%2)").arg(shown, QString::fromLocal8Bit(strerror(errno)));
    if (!S_ISDIR(st.st_mode))
        return QString("%1 is not a folder").arg(shown);
    if (st.st_uid != uid)
        return QString("the folder %1 belongs to another user").arg(shown);
    if (st.st_mode & (S_IRWXG | S_IRWXO))
        return QString("the folder %1 is open to other users").arg(shown);
    return {};
}

CDesktopSession CDesktopSession::Current()
{
    CDesktopSession s;
    s.platform = QGuiApplication::platformName();
    s.x11Display = qgetenv("DISPLAY");
    s.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    s.uid = ::getuid();
    // A runtime folder others may write in (a shared folder named by hand) is no safer than
    // the temporary folder: the user's own folder there serves instead.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && FolderFault(runtime, s.uid, true).isEmpty())
        s.runtimeDir = runtime;
    s.tempDir = QFile::encodeName(QDir::tempPath());
    s.suffix = qgetenv("TORVANE_INSTANCE_SUFFIX");
    return s;
}

namespace {
// sockaddr_un holds 108 bytes, and Qt keeps two of them back on Linux even for a path (the
// closing zero, and the leading one an abstract name would take): a channel's path of 107
// bytes is refused by both ends.
constexpr qsizetype kMostSocketPath = 106;

// One user and one desktop make one channel; hashed, so any display name fits a socket's path.
QByteArray ChannelName(const CDesktopSession& s, const char* pszClassName)
{
    const QByteArray key = QByteArray::number(s.uid) + "\n" + DesktopKey(s) + "\n" + s.runtimeDir + "\n" + s.suffix;
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    return QByteArray(pszClassName) + "-" + QByteArray::number(s.uid) + "-" + hash;
}

// The user's end of the connection is checked, not trusted: whoever listens learns the path of
// the league, whoever calls has it opened. -1 when the system cannot tell.
long long PeerUid(qintptr fd)
{
    struct ucred cred = {};
    socklen_t len = sizeof cred;
    if (fd < 0 || ::getsockopt(static_cast<int>(fd), SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0 || len != sizeof cred)
        return -1;
    return cred.uid;
}
}  // namespace

QString CDesktopSession::ChannelFolder(const char* pszClassName) const
{
    const qsizetype nName = ChannelName(*this, pszClassName).size();
    if (!runtimeDir.isEmpty() && runtimeDir.size() + 1 + nName <= kMostSocketPath)
        return QFile::decodeName(runtimeDir);
    // The temporary folder is everyone's, and anyone can work out a name in it: the channel
    // lies one folder deeper, in one only this user can enter.
    const QByteArray own = QByteArray(pszClassName) + "-" + QByteArray::number(uid);
    QByteArray dir = tempDir;
    if (dir.isEmpty() || dir.size() + 1 + own.size() + 1 + nName > kMostSocketPath)
        dir = "/tmp";
    return QFile::decodeName(dir + "/" + own);
}

QString CDesktopSession::Channel(const char* pszClassName) const
{
    return ChannelFolder(pszClassName) + "/" + QFile::decodeName(ChannelName(*this, pszClassName));
}

bool CQtBackend::ChannelFolderReady(const char* pszClassName, bool bMake)
{
    const QString folder = m_session.ChannelFolder(pszClassName);
    if (QFile::encodeName(folder) == m_session.runtimeDir)
        return true;  // checked at start-up
    const QByteArray path = QFile::encodeName(folder);
    if (bMake) {
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
            m_channelFault =
                QString("the folder %1 cannot be made (%2)").arg(folder, QString::fromLocal8Bit(strerror(errno)));
            return false;
        }
    } else {
        struct stat st = {};
        if (::lstat(path.constData(), &st) != 0 && errno == ENOENT)
            return false;  // no program of this user has run here
    }
    m_channelFault = CDesktopSession::FolderFault(path, m_session.uid, false);
    return m_channelFault.isEmpty();
}

CString CQtBackend::InstanceChannelFault() { return FromQ(m_channelFault); }

BOOL CQtBackend::ActivateOtherInstance(const char* pszClassName, const char* pszPathName)
{
    if (!m_channelFault.isEmpty() || !ChannelFolderReady(pszClassName, false))
        return FALSE;
    const QString channel = m_session.Channel(pszClassName);
    QLocalSocket socket;
    socket.connectToServer(channel);
    if (!socket.waitForConnected(500))
        return FALSE;
    if (PeerUid(socket.socketDescriptor()) != m_session.uid) {
        m_channelFault = QString("another user listens at %1").arg(channel);
        socket.abort();
        return FALSE;
    }
    // "activate", then the file to open as the system's bytes in base64, one line.
    QByteArray request = "activate";
    if (pszPathName && *pszPathName)
        request += " " + QByteArray(pszPathName).toBase64();
    socket.write(request + "\n");
    socket.flush();
    socket.waitForBytesWritten(500);
    // Wait for the first to answer, so it is in front before this one goes.
    socket.waitForReadyRead(1000);
    socket.disconnectFromServer();
    return TRUE;
}

void CQtBackend::OpenHandedFiles()
{
    // A running dialog works on the open league: the file waits until it is closed.
    if (QApplication::activeModalWidget() || m_bOpeningHanded) {
        QTimer::singleShot(250, m_server.data(), [this] { OpenHandedFiles(); });
        return;
    }
    m_bOpeningHanded = true;
    while (!m_handedFiles.isEmpty()) {
        QByteArray path = m_handedFiles.takeFirst();
        if (CWinApp* app = AfxGetApp())
            app->OnOpenFromOtherInstance(path.constData());
    }
    m_bOpeningHanded = false;
}

BOOL CQtBackend::RegisterInstance(const char* pszClassName)
{
    delete m_server.data();
    if (!m_channelFault.isEmpty() || !ChannelFolderReady(pszClassName, true))
        return FALSE;
    m_server = new QLocalServer;
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = m_session.Channel(pszClassName);
    if (!m_server->listen(name)) {
        // A socket left behind by an instance that crashed; the folder is the user's own.
        QLocalServer::removeServer(name);
        if (!m_server->listen(name)) {
            m_channelFault = QString("%1 cannot be made (%2)").arg(name, m_server->errorString());
            delete m_server.data();
            return FALSE;
        }
    }
    QLocalServer* server = m_server.data();
    QObject::connect(server, &QLocalServer::newConnection, server, [this, server] {
        while (QLocalSocket* s = server->nextPendingConnection()) {
            // Only a start of this program's user may hand it a file.
            if (PeerUid(s->socketDescriptor()) != m_session.uid) {
                s->abort();
                s->deleteLater();
                continue;
            }
            QObject::connect(s, &QLocalSocket::readyRead, s, [this, s, server] {
                QByteArray line = s->property("torvaneRequest").toByteArray() + s->readAll();
                if (!line.contains('\n')) {
                    s->setProperty("torvaneRequest", line);
                    return;
                }
                line = line.left(line.indexOf('\n'));
                s->setProperty("torvaneRequest", QByteArray());
                if (!line.startsWith("activate"))
                    return;
                ++g_activations;
                BringForward();
                if (line.startsWith("activate ")) {
                    m_handedFiles << QByteArray::fromBase64(line.mid(9));
                    QTimer::singleShot(0, server, [this] { OpenHandedFiles(); });
                }
                s->write("ok\n");
                s->flush();
            });
            QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return TRUE;
}
