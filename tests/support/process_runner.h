#pragma once

// The one way tests start a program and wait for it: the caller's
// environment with some variables changed, standard input given whole,
// and an end within a timeout or a kill. The wait runs this process's
// events, so a test server living here keeps answering the program.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct ProcessSetup {
    QHash<QString, QString> environment;  // set; a null value removes the variable
    QByteArray input;                     // standard input, closed after it
    QString outputFile;                   // standard output goes there instead of to out
    bool outputClosed = false;            // the program starts without a standard output
    int timeoutMs = 60000;
};

struct ProcessRun {
    bool started = false;
    bool timedOut = false;  // then killed
    bool crashed = false;
    int exitCode = -1;      // the program's own only when it ended by itself
    QByteArray out;
    QByteArray err;

    bool ended() const { return started && !timedOut && !crashed; }
    // How the run went, for a failure message.
    QString describe() const;
};

ProcessRun runProcess(const QString &program, const QStringList &arguments, const ProcessSetup &setup = {});

// Starts every run at once, then waits for all of them: programs that meet
// each other. Input and the output file of setup are not used.
struct ProcessCall {
    QString program;
    QStringList arguments;
};
QList<ProcessRun> runProcessesTogether(const QList<ProcessCall> &calls, const ProcessSetup &setup = {});

// A program of this build, such as "hoopdeck-cli".
QString builtProgram(const char *name);
