// hoopdeck-cli's exports as a script uses them: --csv of every list beside
// its --tsv, and `ics TEAM` read back by a real iCalendar reader.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "process_runner.h"

namespace {
struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

const char *const kReader = "/usr/bin/python3";

// Prints each event of the calendar on standard input as one line:
// UID, start in UTC, summary and description, tab-separated.
const char *const kReadEvents = R"(
import sys, icalendar
calendar = icalendar.Calendar.from_ical(sys.stdin.buffer.read())
print(calendar['VERSION'], calendar['PRODID'].startswith('-//'), calendar['X-WR-CALDESC'], sep='\t')
for event in calendar.walk('VEVENT'):
    start = event.decoded('DTSTART')
    print(event['UID'], start.strftime('%Y%m%dT%H%M%S') + ('Z' if start.utcoffset().total_seconds() == 0 else '?'),
          event.decoded('DURATION'), event['SUMMARY'], event.get('DESCRIPTION', '-'), sep='\t')
)";

class Home {
public:
    QTemporaryDir dir;
    Run run(const QStringList &arguments, const QHash<QString, QString> &extra = {}) const
    {
        ProcessSetup setup;
        setup.environment = {{"XDG_CONFIG_HOME", dir.filePath("config")},
                             {"XDG_DATA_HOME", dir.filePath("data")},
                             {"HOOPDECK_TODAY", "02/15/2004"},
                             {"LC_ALL", "C.UTF-8"}};
        setup.environment.insert(extra);
        const ProcessRun process = runProcess(builtProgram("hoopdeck-cli"), arguments, setup);
        Run result;
        if (process.ended())
            result = {process.exitCode, process.out, QString::fromUtf8(process.err)};
        return result;
    }
};

bool readerPresent()
{
    QProcess probe;
    probe.start(QString::fromLatin1(kReader), {"-c", "import icalendar"});
    return probe.waitForFinished(60000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

// The events as the reader sees them, the calendar's own line first.
QStringList readEvents(const QByteArray &calendar)
{
    QProcess reader;
    reader.start(QString::fromLatin1(kReader), {"-c", QString::fromLatin1(kReadEvents)});
    reader.write(calendar);
    reader.closeWriteChannel();
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        return {QStringLiteral("reader failed: ") + QString::fromUtf8(reader.readAllStandardError())};
    return QString::fromUtf8(reader.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

QString eventOf(const QStringList &events, const QString &uid)
{
    for (const QString &event : events) {
        if (event.startsWith(uid + '\t'))
            return event;
    }
    return QString();
}

// The --csv records without their CR LF ends; empty when one ends otherwise.
QStringList csvRecords(const QByteArray &out)
{
    if (!out.endsWith("\r\n"))
        return {};
    QStringList records = QString::fromUtf8(out.chopped(2)).split("\r\n");
    for (const QString &record : records) {
        if (record.contains('\n') || record.contains('\r'))
            return {};
    }
    return records;
}
} // namespace

class CliExportsTest : public QObject {
    Q_OBJECT
    Home installed;

private slots:
    void initTestCase() { QCOMPARE(installed.run({"install"}).exitCode, 0); }

    // Each list: the captions, then the very cells --tsv prints, joined by
    // commas (the bundled data needs no quotes), and no title or date line.
    void csvOfEachList_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<int>("tsvLinesLeftOut");  // the title or date line --tsv starts with
        QTest::addColumn<QString>("resultsSetting");
        QTest::newRow("standings") << QStringList{"standings"} << "Team,W,L,GB,Pct" << 1 << "on";
        QTest::newRow("standings on a day") << QStringList{"standings", "--on", "12/8/2003"}
                                            << "Team,W,L,GB,Pct,Home,Road,Div,Conf,L10,Strk" << 1 << "on";
        QTest::newRow("season") << QStringList{"season"} << "Date,Game,Time,Score" << 0 << "on";
        QTest::newRow("season, results off") << QStringList{"season"} << "Date,Game,Time,Score" << 0 << "off";
        QTest::newRow("today") << QStringList{"today", "2/15/2004"} << "Game,Time,Score" << 1 << "on";
        QTest::newRow("today with games") << QStringList{"today", "11/5/2003"} << "Game,Time,Score" << 1 << "on";
        QTest::newRow("team") << QStringList{"team", "Boston"} << "Date,Game,Time,Result,Record" << 0 << "on";
        QTest::newRow("team up to a day") << QStringList{"team", "Boston", "--on", "1/1/2004"}
                                          << "Date,Game,Time,Result,Record" << 0 << "on";
        QTest::newRow("team, results off") << QStringList{"team", "7"} << "Date,Game,Time,Result,Record" << 0 << "off";
        QTest::newRow("roster") << QStringList{"roster", "L.A. Lakers", "--sort", "Wt"} << "#,Player,Pos,Ht,Wt" << 0
                                << "on";
    }
    void csvOfEachList()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, captions);
        QFETCH(int, tsvLinesLeftOut);
        QFETCH(QString, resultsSetting);
        QCOMPARE(installed.run({"settings", "--results", resultsSetting}).exitCode, 0);
        const Run csv = installed.run(QStringList{"--csv"} + arguments);
        const Run tsv = installed.run(QStringList{"--tsv"} + arguments);
        QCOMPARE(installed.run({"settings", "--results", "on"}).exitCode, 0);
        QCOMPARE(csv.exitCode, 0);
        QCOMPARE(tsv.exitCode, 0);
        QCOMPARE(csv.err, tsv.err);
        const QStringList records = csvRecords(csv.out);
        QVERIFY2(!records.isEmpty(), csv.out.left(200).constData());
        QCOMPARE(records.first(), captions);
        const QStringList tsvLines = QString::fromUtf8(tsv.out).split('\n', Qt::SkipEmptyParts);
        QVERIFY(!tsv.out.contains('\r'));
        QCOMPARE(records.size() - 1, tsvLines.size() - tsvLinesLeftOut);
        for (int row = 1; row < records.size(); ++row) {
            const QString tsvLine = tsvLines.at(row - 1 + tsvLinesLeftOut);
            QVERIFY2(!tsvLine.contains(','), qPrintable(tsvLine));
            QCOMPARE(records.at(row).split(','), tsvLine.split('\t'));
        }
    }

    // The zone's caption "GMT-11 Samoa,Midway" holds a comma.
    void csvQuotesACellWithAComma()
    {
        Home home;
        const Run csv = home.run({"--csv", "settings", "--zone", "1"});
        QCOMPARE(csv.exitCode, 0);
        QVERIFY2(csvRecords(csv.out).contains("Index,1,\"GMT-11 Samoa,Midway\""), csv.out.constData());
        const Run tsv = home.run({"--tsv", "settings"});
        QVERIFY2(tsv.out.contains("Index\t1\tGMT-11 Samoa,Midway\n"), tsv.out.constData());
        // Every other row stays whole beside it, as --tsv lists them.
        const QStringList records = csvRecords(home.run({"--csv", "settings"}).out);
        const QStringList lines = QString::fromUtf8(tsv.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(records.size(), lines.size());
        for (int row = 0; row < records.size(); ++row)
            QCOMPARE(records.at(row).section(',', 0, 0), lines.at(row).section('\t', 0, 0));
    }

    // A roster's names as a downloaded file may bring them: a quote is
    // doubled inside a quoted field, a control character shown harmless.
    void csvQuotesAQuoteAndKeepsControlsOut()
    {
        Home home;
        const QString dir = home.dir.filePath("season");
        QVERIFY(QDir().mkpath(dir));
        for (const char *name : {"Season.dat", "Standings.dat"})
            QVERIFY(QFile::copy(QStringLiteral(HOOPDECK_SEASON_DIR "/") + name, dir + '/' + name));
        QFile roster(dir + "/Roster.dat");
        QVERIFY(roster.open(QIODevice::WriteOnly));
        roster.write("0,1,Ab\"c\x1b[2J,F,6-8,230\n0,2,Plain,G,6-3,190\n");
        roster.close();
        const Run csv = home.run({"--install-dir", dir, "--csv", "roster", "0"});
        QCOMPARE(csv.exitCode, 0);
        QCOMPARE(csvRecords(csv.out),
                 (QStringList{"#,Player,Pos,Ht,Wt", QString::fromUtf8("1,\"Ab\"\"c\uFFFD[2J\",F,6-8,230"),
                              "2,Plain,G,6-3,190"}));
        for (QChar c : QString::fromUtf8(csv.out))
            QVERIFY2(c == '\r' || c == '\n' || (c.unicode() >= 0x20 && c.unicode() != 0x7f), qPrintable(csv.out));
    }

    void calendarOfATeam_data()
    {
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("onDay");
        QTest::addColumn<QString>("firstDescription");  // Miami @ Boston, 10/29/2003
        QTest::addColumn<QString>("aprilDescription");  // Boston @ Washington, 4/4/2004
        QTest::newRow("results on") << "on" << "" << "Final: Miami 75, Boston 98"
                                    << "Final: Boston 102, Washington 112";
        QTest::newRow("results off") << "off" << "" << "-" << "-";
        QTest::newRow("results off, with --on") << "off" << "4/30/2004" << "-" << "-";
        QTest::newRow("results up to today") << "upto" << "" << "Final: Miami 75, Boston 98" << "-";
        QTest::newRow("on a day") << "on" << "4/3/2004" << "Final: Miami 75, Boston 98" << "-";
        QTest::newRow("on the day itself") << "on" << "4/4/2004" << "Final: Miami 75, Boston 98"
                                           << "Final: Boston 102, Washington 112";
        QTest::newRow("before the season") << "on" << "10/1/2003" << "-" << "-";
    }
    void calendarOfATeam()
    {
        QFETCH(QString, results);
        QFETCH(QString, onDay);
        QFETCH(QString, firstDescription);
        QFETCH(QString, aprilDescription);
        if (!readerPresent())
            QSKIP("python3-icalendar is not installed (tools/install-deps installs it)");
        QCOMPARE(installed.run({"settings", "--results", results}).exitCode, 0);
        QStringList arguments{"ics", "Boston"};
        if (!onDay.isEmpty())
            arguments << "--on" << onDay;
        const Run first = installed.run(arguments);
        const Run second = installed.run(arguments);
        QCOMPARE(installed.run({"settings", "--results", "on"}).exitCode, 0);
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(first.err, "");

        // Every line ends in CR LF and holds at most 75 octets.
        QVERIFY(first.out.endsWith("\r\n"));
        for (const QByteArray &line : first.out.chopped(1).split('\n')) {
            QVERIFY2(line.endsWith('\r'), line.constData());
            QVERIFY2(line.size() <= 76, line.constData());
        }
        QVERIFY(first.out.contains("\r\n "));  // the calendar's description is folded

        const QStringList events = readEvents(first.out);
        QCOMPARE(events.value(0),
                 "2.0\tTrue\tEvery regular-season game of Boston, as Hoopdeck lists it; start times in UTC");
        QCOMPARE(events.size() - 1, 82);
        QVERIFY(!first.out.contains("All-Star"));
        for (const QString &event : events.mid(1)) {
            QVERIFY2(QRegularExpression("^\\d{8}-\\d+-\\d+@hoopdeck\\t\\d{8}T\\d{6}Z\\t2:30:00\\t").match(event).hasMatch(),
                     qPrintable(event));
            QVERIFY2(event.section('\t', 3, 3).endsWith(" @ Boston") || event.section('\t', 3, 3).startsWith("Boston @ "),
                     qPrintable(event));
        }

        // The starts in UTC on each side of the summer-time changes: the first
        // game comes after the 26 October change, in winter time; then the
        // last winter game and the first summer game around 4 April.
        QCOMPARE(eventOf(events, "20031029-13-1@hoopdeck"),
                 "20031029-13-1@hoopdeck\t20031030T000000Z\t2:30:00\tMiami @ Boston\t" + firstDescription);
        QCOMPARE(eventOf(events, "20040402-7-1@hoopdeck").section('\t', 1, 3),
                 "20040403T003000Z\t2:30:00\tGolden State @ Boston");
        QCOMPARE(eventOf(events, "20040404-1-28@hoopdeck"),
                 "20040404-1-28@hoopdeck\t20040404T180000Z\t2:30:00\tBoston @ Washington\t" + aprilDescription);
        QCOMPARE(eventOf(events, "20040407-1-13@hoopdeck").section('\t', 1, 1), "20040407T233000Z");

        // A second run names the same games with the same UIDs.
        QCOMPARE(second.exitCode, 0);
        QStringList uids, againUids;
        for (const QString &event : events.mid(1))
            uids.append(event.section('\t', 0, 0));
        for (const QString &event : readEvents(second.out).mid(1))
            againUids.append(event.section('\t', 0, 0));
        QCOMPARE(againUids, uids);
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), 82);
    }
};

QTEST_GUILESS_MAIN(CliExportsTest)
#include "tst_exports.moc"
