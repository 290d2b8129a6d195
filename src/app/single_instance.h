#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace hoopdeck::app {

// One running copy per user. The first copy listens on a local socket; a
// later start finds it there, asks it to come forward and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);

    // The start-up test: true when a running copy answered and was asked to
    // come forward (this copy then ends); otherwise this copy starts
    // answering later starts. Two copies started at the same moment take
    // turns through a lock file, so exactly one of them goes on.
    bool handOverOrListen();

    // True when a running copy answered and was asked to come forward.
    bool FindRunningInstance();

    // Starts answering later starts. False when the name cannot be taken;
    // the program then simply runs without the guard.
    bool listen();

    // The lock file that keeps two starts apart, beside the socket.
    QString lockFilePath() const;

    // Per user, and inside the user's runtime folder where there is one, so
    // that different users (and separate test runs) never meet.
    static QString defaultServerName();

signals:
    void comeForwardRequested();

private:
    void acceptConnections();

    QString name_;
    QLocalServer server_;
};

} // namespace hoopdeck::app
