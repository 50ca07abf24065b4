// The profile and the registry in QSettings files. Their values are paths and numbers, kept as
// the system's bytes (UTF-8), as every path of the program is.
#include <QCoreApplication>
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

QString CQtBackend::LocalServerName(const char* pszClassName)
{
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME", "user"));
    // Test runs set a suffix of their own, so they never meet a running program or each other.
    return QString::fromUtf8(pszClassName) + "-" + user + qEnvironmentVariable("TORVANE_INSTANCE_SUFFIX");
}

BOOL CQtBackend::ActivateOtherInstance(const char* pszClassName, const char* pszPathName)
{
    QLocalSocket socket;
    socket.connectToServer(LocalServerName(pszClassName));
    if (!socket.waitForConnected(500))
        return FALSE;
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
    m_server = new QLocalServer;
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QString name = LocalServerName(pszClassName);
    if (!m_server->listen(name)) {
        // A socket left behind by an instance that crashed.
        QLocalServer::removeServer(name);
        if (!m_server->listen(name))
            return FALSE;
    }
    QLocalServer* server = m_server.data();
    QObject::connect(server, &QLocalServer::newConnection, server, [this, server] {
        while (QLocalSocket* s = server->nextPendingConnection()) {
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
