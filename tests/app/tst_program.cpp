// The built program, started as the user starts it.

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include "app_test_support.h"
#include "main_form_fixture.h"
#include "settings_store.h"
#include "single_instance.h"

using namespace hoopdeck;

namespace {

const QString kProgram = QStringLiteral(HOOPDECK_BIN_DIR "/hoopdeck");

// True once a copy answers on the single-instance socket.
bool waitUntilListening(QProcess &process, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    if (!process.waitForStarted(timeoutMs))
        return false;
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        QLocalSocket socket;
        socket.connectToServer(app::SingleInstance::defaultServerName());
        if (socket.waitForConnected(200))
            return true;
        QTest::qWait(50);
    }
    return false;
}

void stop(QProcess &process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensOnTheSeasonAndEndsWhenAskedAfterLoading();
    void secondStartExitsWhileTheFirstRuns();
    void secondStartNamesARunningCopyThatDoesNotAnswer();
    void startsAfterACrashedCopy();
    void twoSimultaneousStartsLeaveOneCopy();
    void aCopyKilledWhileStartingNeverStopsALaterStart();

private:
    test::SeasonCopy season_;
};

void TestProgram::initTestCase()
{
    test::prepareRuntimeDir();
    QVERIFY(QFile::exists(kProgram));
    QVERIFY(season_.isValid());
    test::writeSettings(season_.path(), 7);
}

void TestProgram::opensOnTheSeasonAndEndsWhenAskedAfterLoading()
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOOPDECK_EXIT_WHEN_READY"), QStringLiteral("1"));
    program.setProcessEnvironment(env);
    program.start(kProgram, {});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

void TestProgram::secondStartExitsWhileTheFirstRuns()
{
    QProcess first;
    first.start(kProgram, {});
    QVERIFY(waitUntilListening(first, 30000));

    // The second copy gets settings that would stop it with a message if it
    // read them: it must end before that, touching nothing.
    QTemporaryDir otherConfig;
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), otherConfig.path());
    second.setProcessEnvironment(env);
    second.start(kProgram, {});
    const bool ended = second.waitForFinished(15000);
    stop(second);
    QVERIFY(ended);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(QDir(otherConfig.path()).isEmpty());
    QCOMPARE(second.readAllStandardError(),
             QStringLiteral("Hoopdeck is already running (process %1): its window was brought forward.\n")
                 .arg(first.processId()).toUtf8());

    QCOMPARE(first.state(), QProcess::Running);
    stop(first);
}

void TestProgram::secondStartNamesARunningCopyThatDoesNotAnswer()
{
#ifndef Q_OS_LINUX
    QSKIP("the process behind a local socket is told on Linux");
#else
    QProcess first;
    first.start(kProgram, {});
    QVERIFY(waitUntilListening(first, 30000));
    const qint64 firstProcess = first.processId();
    ::kill(pid_t(firstProcess), SIGSTOP);  // hung: the socket still takes connections
    QProcess second;
    second.start(kProgram, {});
    const bool ended = second.waitForFinished(15000);
    stop(second);
    ::kill(pid_t(firstProcess), SIGCONT);
    stop(first);
    QVERIFY(ended);
    QCOMPARE(second.exitCode(), 1);
    QCOMPARE(second.readAllStandardError(),
             QStringLiteral("Hoopdeck is already running (process %1) but does not answer: it may be busy or hung. "
                            "Wait for it, or end it, then start Hoopdeck again.\n")
                 .arg(firstProcess).toUtf8());
#endif
}

void TestProgram::startsAfterACrashedCopy()
{
    QProcess crashed;
    crashed.start(kProgram, {});
    QVERIFY(waitUntilListening(crashed, 30000));
    crashed.kill();  // leaves its socket behind
    QVERIFY(crashed.waitForFinished(5000));

    QProcess next;
    next.start(kProgram, {});
    const bool listening = waitUntilListening(next, 30000);
    const bool running = next.state() == QProcess::Running;
    stop(next);
    QVERIFY(listening);
    QVERIFY(running);
}

void TestProgram::twoSimultaneousStartsLeaveOneCopy()
{
    for (int round = 0; round < 10; ++round) {
        QProcess a, b;
        a.start(kProgram, {});
        b.start(kProgram, {});
        QVERIFY(a.waitForStarted(10000) && b.waitForStarted(10000));
        // The copy that hands over ends within a second or so; give both
        // ample time, then exactly one may still be running.
        QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired() && a.state() == QProcess::Running && b.state() == QProcess::Running)
            QTest::qWait(20);
        QTest::qWait(300);
        const int running = int(a.state() == QProcess::Running) + int(b.state() == QProcess::Running);
        QProcess &ended = a.state() == QProcess::Running ? b : a;
        const bool endedCleanly = ended.exitStatus() == QProcess::NormalExit && ended.exitCode() == 0;
        stop(a);
        stop(b);
        QVERIFY2(running == 1, qPrintable(QStringLiteral("round %1: %2 copies running").arg(round).arg(running)));
        QVERIFY2(endedCleanly, qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

void TestProgram::aCopyKilledWhileStartingNeverStopsALaterStart()
{
    for (int delayMs : {0, 2, 5, 10, 20, 40}) {
        QProcess killed;
        killed.start(kProgram, {});
        QVERIFY(killed.waitForStarted(10000));
        QTest::qSleep(delayMs);
        killed.kill();
        QVERIFY(killed.waitForFinished(5000));

        QProcess next;
        next.start(kProgram, {});
        const bool listening = waitUntilListening(next, 30000);
        stop(next);
        QVERIFY2(listening, qPrintable(QStringLiteral("killed after %1 ms").arg(delayMs)));
    }
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
