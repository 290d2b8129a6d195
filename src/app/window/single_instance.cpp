#include "single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/socket.h>
#endif

namespace hoopdeck::app {

namespace {
constexpr int kConnectTimeoutMs = 1000;
// The lock is held only while a start looks and listens, well under a
// second; one older than this belongs to a copy that hung there.
constexpr int kStaleLockMs = 10000;
constexpr int kLockWaitMs = 5000;
// What the running copy says once it has asked its window forward.
const QByteArray kCameForward = "forward\n";

// The process at the other end of a local socket, or 0 where the system
// does not tell.
qint64 peerProcess(const QLocalSocket &socket)
{
#ifdef Q_OS_LINUX
    struct ucred credentials {};
    socklen_t size = sizeof credentials;
    if (::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0)
        return credentials.pid;
#else
    Q_UNUSED(socket);
#endif
    return 0;
}
} // namespace

QString HandOver::message() const
{
    const QString who = process > 0 ? QStringLiteral(" (process %1)").arg(process) : QString();
    if (answered)
        return QStringLiteral("Hoopdeck is already running%1: its window was brought forward.").arg(who);
    return QStringLiteral("Hoopdeck is already running%1 but does not answer: it may be busy or hung. "
                          "Wait for it, or end it, then start Hoopdeck again.")
        .arg(who);
}

SingleInstance::SingleInstance(const QString &serverName, int answerWaitMs, QObject *parent)
    : QObject(parent), name_(serverName), answerWaitMs_(answerWaitMs)
{
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

HandOver SingleInstance::handOverOrListen()
{
    // A lock left by a copy killed while it held it names a process that is
    // gone, and QLockFile takes it over at once. Without the lock (a folder
    // that cannot be written) the test still runs as before, unguarded.
    QLockFile lock(lockFilePath());
    lock.setStaleLockTime(kStaleLockMs);
    lock.tryLock(kLockWaitMs);
    const HandOver found = handOver();
    if (!found)
        listen();
    return found;
}

HandOver SingleInstance::handOver()
{
    HandOver result;
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return result;
    result.found = true;
    result.process = peerProcess(socket);
    // A copy of an earlier release says nothing: it comes forward all the
    // same, and this start says only that it did not hear so.
    QByteArray said;
    QDeadlineTimer deadline(answerWaitMs_);
    while (!said.contains('\n') && socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired()) {
        if (socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            said += socket.readAll();
    }
    said += socket.readAll();
    result.answered = said.startsWith(kCameForward);
    socket.disconnectFromServer();
    return result;
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
        socket->write(kCameForward);
        socket->flush();
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
