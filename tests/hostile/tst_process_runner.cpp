// The runner every program test starts through: if it took a crash or a
// hang for an ordinary end, the hostile-data tests could not see either.

#include <QtTest>

#include "process_runner.h"

class ProcessRunnerTest : public QObject {
    Q_OBJECT
private slots:
    void inputOutputAndEnvironment()
    {
        ProcessSetup setup;
        setup.input = "line one\nline two\n";
        setup.environment = {{"HOOPDECK_RUNNER_TEST", "set"}, {"HOME", QString()}};
        const ProcessRun run = runProcess("/bin/sh", {"-c", "cat; echo \"$HOOPDECK_RUNNER_TEST ${HOME-unset}\" >&2; exit 3"},
                                          setup);
        QVERIFY2(run.ended(), qPrintable(run.describe()));
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.out, setup.input);
        QCOMPARE(run.err, "set unset\n");
    }

    void crashHangAndNoProgram()
    {
        const ProcessRun crashed = runProcess("/bin/sh", {"-c", "kill -SEGV $$"});
        QVERIFY(crashed.started && crashed.crashed && !crashed.ended());
        QCOMPARE(crashed.exitCode, -1);

        ProcessSetup quick;
        quick.timeoutMs = 300;
        const ProcessRun hung = runProcess("/bin/sleep", {"30"}, quick);
        QVERIFY(hung.started && hung.timedOut && !hung.ended());

        const ProcessRun missing = runProcess(builtProgram("no-such-program"), {});
        QVERIFY(!missing.started && !missing.ended());
        QCOMPARE(missing.describe(), "did not start");
    }
};

QTEST_GUILESS_MAIN(ProcessRunnerTest)
#include "tst_process_runner.moc"
