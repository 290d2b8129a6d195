#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace hoopdeck::app {

// One running copy per user. The first copy listens on a local socket; a
// later start finds it there, asks it to come forward and ends.
// What a start found of a copy already running.
struct HandOver {
    bool found = false;     // a copy listens: this start ends
    bool answered = false;  // it said its window came forward
    qint64 process = 0;     // its process number, where the system tells it

    operator bool() const { return found; }
    // What the ending start tells its terminal.
    QString message() const;
};

class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr int kAnswerWaitMs = 2000;

    // answerWaitMs: how long a later start waits for the running copy to
    // say that its window came forward.
    explicit SingleInstance(const QString &serverName, int answerWaitMs = kAnswerWaitMs, QObject *parent = nullptr);

    // The start-up test: found when a copy is running; it is asked to come
    // forward and this copy then ends, whether it answers or not (a copy
    // that does not answer is busy or hung, and a second window would only
    // fight it over the same files). Otherwise this copy starts answering
    // later starts. Two copies started at the same moment take turns
    // through a lock file, so exactly one of them goes on.
    HandOver handOverOrListen();

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

    HandOver handOver();

    QString name_;
    int answerWaitMs_;
    QLocalServer server_;
};

} // namespace hoopdeck::app
