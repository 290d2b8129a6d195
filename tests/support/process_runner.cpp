#include "process_runner.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include <memory>
#include <vector>

namespace {
QProcessEnvironment environmentFor(const ProcessSetup &setup)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto it = setup.environment.cbegin(); it != setup.environment.cend(); ++it) {
        if (it.value().isNull())
            environment.remove(it.key());
        else
            environment.insert(it.key(), it.value());
    }
    return environment;
}
} // namespace

ProcessRun runProcess(const QString &program, const QStringList &arguments, const ProcessSetup &setup)
{
    QProcess process;
    process.setProcessEnvironment(environmentFor(setup));
    if (!setup.outputFile.isEmpty())
        process.setStandardOutputFile(setup.outputFile);
#ifdef Q_OS_UNIX
    if (setup.outputClosed)
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
#endif

    ProcessRun run;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    process.start(program, arguments);
    if (!process.waitForStarted(setup.timeoutMs))
        return run;
    run.started = true;
    process.write(setup.input);
    process.closeWriteChannel();
    timeout.start(setup.timeoutMs);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    if (process.state() != QProcess::NotRunning) {
        run.timedOut = true;
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    if (!run.crashed)
        run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QList<ProcessRun> runProcessesTogether(const QList<ProcessCall> &calls, const ProcessSetup &setup)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    QList<ProcessRun> runs(calls.size());
    QEventLoop loop;
    int running = 0;
    for (const ProcessCall &call : calls) {
        auto &process = processes.emplace_back(std::make_unique<QProcess>());
        process->setProcessEnvironment(environmentFor(setup));
        process->setStandardInputFile(QProcess::nullDevice());
        QObject::connect(process.get(), &QProcess::finished, &loop, [&] {
            if (--running == 0)
                loop.quit();
        });
        process->start(call.program, call.arguments);
    }
    for (qsizetype i = 0; i < calls.size(); ++i)
        runs[i].started = processes[i]->waitForStarted(setup.timeoutMs);
    for (const auto &process : processes)
        running += process->state() != QProcess::NotRunning ? 1 : 0;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(setup.timeoutMs);
    if (running > 0)
        loop.exec();
    for (qsizetype i = 0; i < calls.size(); ++i) {
        QProcess &process = *processes[i];
        ProcessRun &run = runs[i];
        if (!run.started)
            continue;
        if (process.state() != QProcess::NotRunning) {
            run.timedOut = true;
            process.kill();
            process.waitForFinished(5000);
            continue;
        }
        run.crashed = process.exitStatus() == QProcess::CrashExit;
        if (!run.crashed)
            run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
    }
    return runs;
}

QString ProcessRun::describe() const
{
    if (!started)
        return QStringLiteral("did not start");
    if (timedOut)
        return QStringLiteral("no end within the timeout");
    return QStringLiteral("%1, exit code %2, stderr: %3")
        .arg(crashed ? QStringLiteral("crashed") : QStringLiteral("ended"))
        .arg(exitCode)
        .arg(QString::fromUtf8(err.left(2000)));
}

QString builtProgram(const char *name)
{
    return QStringLiteral(HOOPDECK_BIN_DIR "/") + QLatin1String(name);
}
