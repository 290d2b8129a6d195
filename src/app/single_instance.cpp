#include "single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace hoopdeck::app {

namespace {
constexpr int kConnectTimeoutMs = 1000;
// The lock is held only while a start looks and listens, well under a
// second; one older than this belongs to a copy that hung there.
constexpr int kStaleLockMs = 10000;
constexpr int kLockWaitMs = 5000;
} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), name_(serverName)
{
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

bool SingleInstance::handOverOrListen()
{
    // A lock left by a copy killed while it held it names a process that is
    // gone, and QLockFile takes it over at once. Without the lock (a folder
    // that cannot be written) the test still runs as before, unguarded.
    QLockFile lock(lockFilePath());
    lock.setStaleLockTime(kStaleLockMs);
    lock.tryLock(kLockWaitMs);
    if (FindRunningInstance())
        return true;
    listen();
    return false;
}

QString SingleInstance::lockFilePath() const
{
    const QString path = QDir::isAbsolutePath(name_) ? name_ : QDir::tempPath() + QLatin1Char('/') + name_;
    return path + QStringLiteral(".lock");
}

bool SingleInstance::FindRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    // The connection itself is the request; nothing needs to be said.
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kConnectTimeoutMs);
    return true;
}

bool SingleInstance::listen()
{
    // Owner-only access; the socket is made aside and moved into place,
    // which also replaces one left behind by a copy that crashed (nobody
    // answered on it, FindRunningInstance came first).
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    return server_.listen(name_);
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        emit comeForwardRequested();
    }
}

QString SingleInstance::defaultServerName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
#ifdef Q_OS_UNIX
    if (user.isEmpty())
        user = QString::number(::getuid());
#endif
    const QString name = QStringLiteral("Hoopdeck-") + user;
#ifdef Q_OS_UNIX
    // Without a runtime folder the socket goes to the temporary folder, which
    // the user name in the socket's name keeps apart.
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtimeDir.isEmpty())
            return runtimeDir + QLatin1Char('/') + name;
    }
#endif
    return name;
}

} // namespace hoopdeck::app
