// The program's start before the window: the single-instance guard and the
// two start-up messages, run in this process through the program's own
// start routine.

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

#include "app_test_support.h"
#include "main_form_fixture.h"
#include "child_windows.h"
#include "main_form.h"
#include "run_program.h"
#include "settings_store.h"
#include "single_instance.h"
#include "start_up.h"

using namespace hoopdeck;
using hoopdeck::app::SingleInstance;

namespace {

// What the user saw of one message box, and whether a later start found
// the copy that showed it.
struct SeenMessage {
    int boxes = 0;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool laterStartFoundIt = false;
    bool mainFormShown = false;
};

// Waits for the modal message box, notes what it shows and presses its OK.
void answerMessageBox(SeenMessage &seen)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        for (QWidget *window : QApplication::topLevelWidgets())
            seen.mainFormShown = seen.mainFormShown || (qobject_cast<app::MainForm *>(window) && window->isVisible());
        if (!box)
            return;
        ++seen.boxes;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.laterStartFoundIt = SingleInstance(SingleInstance::defaultServerName()).FindRunningInstance();
        box->button(QMessageBox::Ok)->click();
        poll->deleteLater();
    });
    poll->start(20);
}

QByteArray settingsFileBytes()
{
    QFile file(openSettingsStore()->location());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startUpMessages_data();
    void startUpMessages();
    void aLaterStartAsksTheRunningCopyForward();
    void startsAtTheSameMomentTakeTurns();
    void noRunningCopyNoAnswer();
    void environmentSetsTodayAndTheDownloadLimits_data();
    void environmentSetsTodayAndTheDownloadLimits();
};

void TestStartUp::initTestCase()
{
    test::prepareRuntimeDir();
}

void TestStartUp::startUpMessages_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("message");
    const QString notInstalled = QString::fromLatin1(kNotInstalledMessage);
    const QString wrongSeason = QString::fromLatin1(kVersionMismatchMessage);
    QTest::newRow("no Install value") << "no install" << notInstalled;
    QTest::newRow("season of 2004-05") << "2004" << wrongSeason;
    QTest::newRow("no Season.dat") << "no season" << wrongSeason;
    QTest::newRow("first game unreadable") << "garbage" << wrongSeason;
}

void TestStartUp::startUpMessages()
{
    QFETCH(QString, problem);
    QFETCH(QString, message);
    test::SeasonCopy season;
    QVERIFY(season.isValid());
    test::writeSettings(season.path(), 4);
    if (problem == QLatin1String("no install"))
        test::removeInstall();
    else if (problem == QLatin1String("2004"))
        QVERIFY(season.rewriteFirstGame("10/28/2004 19:00,13,20"));
    else if (problem == QLatin1String("no season"))
        QVERIFY(QFile::remove(season.path() + QStringLiteral("/Season.dat")));
    else
        QVERIFY(season.rewriteFirstGame("Tuesday,13,20"));
    const QByteArray settingsBefore = settingsFileBytes();

    SeenMessage seen;
    answerMessageBox(seen);
    QCOMPARE(app::RunHoopdeck(), 0);

    QCOMPARE(seen.boxes, 1);
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.caption, QStringLiteral("Hoopdeck"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(seen.laterStartFoundIt);
    QVERIFY(!seen.mainFormShown);
    QCOMPARE(settingsFileBytes(), settingsBefore);
    // The guard ends with the program: a start after this one runs.
    QVERIFY(!SingleInstance(SingleInstance::defaultServerName()).FindRunningInstance());
}

void TestStartUp::aLaterStartAsksTheRunningCopyForward()
{
    const QString name = SingleInstance::defaultServerName();
    SingleInstance first(name);
    QVERIFY(first.listen());
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);
    SingleInstance second(name);
    QVERIFY(second.FindRunningInstance());
    QVERIFY(forward.wait(5000));
    QCOMPARE(forward.count(), 1);
}

void TestStartUp::startsAtTheSameMomentTakeTurns()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A round takes the lock's first retry, about 100 ms.
    for (int round = 0; round < 30; ++round) {
        const QString name = dir.filePath(QStringLiteral("copy%1").arg(round));
        std::atomic<int> ready{0}, done{0};
        bool handedOver[2] = {false, false};
        auto start = [&](int i) {
            // The listening copy runs no events here, so it never answers.
            SingleInstance copy(name, 0);
            ++ready;
            while (ready.load() < 2) {
            }
            handedOver[i] = copy.handOverOrListen();
            ++done;
            while (done.load() < 2)  // the listening copy stays until the other has looked
                std::this_thread::yield();
        };
        std::thread a(start, 0), b(start, 1);
        a.join();
        b.join();
        QVERIFY2(handedOver[0] != handedOver[1],
                 qPrintable(QStringLiteral("round %1: %2 copies went on").arg(round).arg(handedOver[0] ? 0 : 2)));
    }
}

void TestStartUp::noRunningCopyNoAnswer()
{
    const QString name = SingleInstance::defaultServerName();
    QVERIFY(!SingleInstance(name).FindRunningInstance());
    // The name is per user.
    QVERIFY(name.contains(QLatin1String("Hoopdeck-")));
    QVERIFY(!name.endsWith(QLatin1Char('-')));
}

void TestStartUp::environmentSetsTodayAndTheDownloadLimits_data()
{
    QTest::addColumn<QByteArray>("today");
    QTest::addColumn<QByteArray>("timeout");
    QTest::addColumn<QByteArray>("deadline");
    QTest::addColumn<QDate>("startDate");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<int>("deadlineMs");
    const QDate machine = QDate::currentDate();
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << machine << false << 30000 << 120000;
    QTest::newRow("all set") << QByteArray("3/7/2004") << QByteArray("1500") << QByteArray("4000") << QDate(2004, 3, 7)
                             << true << 1500 << 4000;
    QTest::newRow("unreadable") << QByteArray("31/12/2003") << QByteArray("soon") << QByteArray("0") << machine
                                << false << 30000 << 120000;
    QTest::newRow("negative") << QByteArray("12/31/2003") << QByteArray("-5") << QByteArray("250") << QDate(2003, 12, 31)
                              << true << 30000 << 250;
}

void TestStartUp::environmentSetsTodayAndTheDownloadLimits()
{
    QFETCH(QByteArray, today);
    QFETCH(QByteArray, timeout);
    QFETCH(QByteArray, deadline);
    QFETCH(QDate, startDate);
    QFETCH(bool, fixed);
    QFETCH(int, timeoutMs);
    QFETCH(int, deadlineMs);
    const QByteArray testToday = qgetenv("HOOPDECK_TODAY");
    const std::pair<const char *, QByteArray> values[] = {
        {"HOOPDECK_TODAY", today}, {"HOOPDECK_NET_TIMEOUT_MS", timeout}, {"HOOPDECK_NET_DEADLINE_MS", deadline}};
    for (const auto &[name, value] : values) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    const app::MainFormStart start = test::mainFormStart(dataPathsFor(QStringLiteral("/nowhere")));
    qputenv("HOOPDECK_TODAY", testToday);
    qunsetenv("HOOPDECK_NET_TIMEOUT_MS");
    qunsetenv("HOOPDECK_NET_DEADLINE_MS");
    QCOMPARE(start.startDate.date, startDate);
    QCOMPARE(start.startDate.fixed, fixed);
    QCOMPARE(start.downloadLimits.timeoutMs, timeoutMs);
    QCOMPARE(start.downloadLimits.deadlineMs, deadlineMs);
}

QTEST_MAIN(TestStartUp)
#include "tst_start_up.moc"
