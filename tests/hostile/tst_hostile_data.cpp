// The command-line front-end, and the program when it is built, run on data
// folders nobody should have but somebody will: binary garbage, a 50 MB line,
// FIFOs, devices and folders in a data file's place,
// thousands of blank lines, dates that stop being dates, CR-only line ends,
// missing files, numbers out of every range. None may crash, hang or write to
// the data; a season that is not one of 2003-04 is refused with the version
// message; everywhere else each view shows what the files give, and a view
// whose file is intact shows exactly what it shows on the bundled season.

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "data_files.h"
#include "process_runner.h"

namespace {

const QString kWrongSeason = QStringLiteral(
    "Hoopdeck version does not match schedule.\n\nPlease install the most current version.\n");

// Folders whose Season.dat does not start with a game of a year ending in 03.
const QSet<QString> kRefused = {"garbage-season", "garbage-all",  "blank-season",
                                "cr-only-blank-season", "missing-season", "empty-files",
                                "fifo-season", "device-season"};

// The files of each folder that give the bundled season's views: kept as
// they are, or (blank-lines) with nothing but blank lines added.
const QHash<QString, QStringList> kBundledViews = {
    {"garbage-standings", {"Roster.dat", "Season.dat"}},
    {"garbage-roster", {"Standings.dat", "Season.dat"}},
    {"garbage-after-first-game", {"Standings.dat", "Roster.dat"}},
    {"long-line", {"Standings.dat"}},
    {"blank-lines", {"Season.dat"}},
    {"invalid-later-dates", {"Standings.dat", "Roster.dat"}},
    {"cr-only", {}},
    {"missing-standings", {"Roster.dat", "Season.dat"}},
    {"missing-roster", {"Standings.dat", "Season.dat"}},
    {"missing-standings-and-roster", {"Season.dat"}},
    {"odd-numbers", {}},
    // A FIFO, a device or a folder in a file's place is a missing file.
    {"fifo-standings", {"Roster.dat", "Season.dat"}},
    {"fifo-roster", {"Standings.dat", "Season.dat"}},
    {"device-standings", {"Roster.dat", "Season.dat"}},
    {"device-roster", {"Standings.dat", "Season.dat"}},
    {"folder-roster", {"Standings.dat", "Season.dat"}},
};

// The file a command's view is built from.
QString fileOf(const QStringList &arguments)
{
    const QString command = arguments.value(arguments.first() == QLatin1String("--tsv") ? 1 : 0);
    if (command == QLatin1String("standings"))
        return QStringLiteral("Standings.dat");
    if (command == QLatin1String("roster"))
        return QStringLiteral("Roster.dat");
    if (command == QLatin1String("settings"))
        return QString();
    return QStringLiteral("Season.dat");
}

const QList<QStringList> kCommands = {
    {"--tsv", "standings"},
    {"--tsv", "season"},
    {"--tsv", "today", "10/28/2003"},
    {"--tsv", "today"},
    {"--tsv", "team", "0"},
    {"team", "Boston"},
    {"--tsv", "roster", "0", "--sort", "Player", "--sort", "Player"},
    {"roster", "28", "--sort", "Wt"},
    {"settings"},
};
// A refused season stops every command before it reads anything.
const QList<QStringList> kRefusedCommands = {
    {"--tsv", "standings"},
    {"--tsv", "today"},
    {"roster", "0"},
    {"settings"},
};
// Every view, each from one file, for the settings a user could break.
const QList<QStringList> kSettingsCommands = {
    {"--tsv", "season"},
    {"--tsv", "today"},
    {"team", "0"},
    {"--tsv", "roster", "28", "--sort", "Ht"},
    {"settings"},
};
// The 50 MB line is read whole by these two; the others add nothing but time.
const QList<QStringList> kLongLineCommands = {
    {"--tsv", "today", "10/28/2003"},
    {"--tsv", "roster", "10", "--sort", "Player"},
};

// What a folder holds: names, sizes, times and contents. Big files are
// compared by their identity and times, which any write changes.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString entry = QStringLiteral("%1 %2 %3 %4 %5")
                            .arg(info.filePath())
                            .arg(info.size())
                            .arg(info.lastModified().toMSecsSinceEpoch())
                            .arg(info.metadataChangeTime().toMSecsSinceEpoch())
                            .arg(int(info.permissions()));
        if (info.isFile() && info.size() < 1024 * 1024) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly))
                entry += QLatin1Char(' ') + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex();
        }
        entries.append(entry);
    }
    entries.sort();
    return entries;
}

} // namespace

class HostileDataTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cli_data();
    void cli();
    void hostileSettings_data();
    void hostileSettings();
    void program_data();
    void program();

private:
    ProcessSetup setup(const QString &configHome) const;
    ProcessSetup programSetup(const QTemporaryDir &home, const QString &configHome) const;
    ProcessRun cli(const QString &folder, const QStringList &arguments, const QString &configHome);
    // The output of a command on the bundled season, worked out once.
    QByteArray bundledOutput(const QStringList &arguments);
    QString folder(const QString &name) const { return fixtures_.filePath(name); }

    QTemporaryDir fixtures_;
    QTemporaryDir home_;
    QHash<QString, QByteArray> bundled_;
};

void HostileDataTest::initTestCase()
{
    QVERIFY(fixtures_.isValid() && home_.isValid());
    ProcessSetup maker;
    maker.timeoutMs = 120000;
    const ProcessRun made = runProcess(QStringLiteral(HOOPDECK_PYTHON),
                                      {QStringLiteral(HOOPDECK_MAKE_HOSTILE_DATA), fixtures_.path(),
                                       QStringLiteral("--from"), QStringLiteral(HOOPDECK_SEASON_DIR)},
                                      maker);
    QVERIFY2(made.ended() && made.exitCode == 0, qPrintable("tools/make-hostile-data: " + made.describe()));
    const QStringList names = QString::fromUtf8(made.out).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(QSet<QString>(names.cbegin(), names.cend()),
             QSet<QString>(kRefused) + QSet<QString>(kBundledViews.keyBegin(), kBundledViews.keyEnd()));
}

// The program offscreen, alone under its own runtime folder (so that no
// other copy answers for it), ending once its staged loading is done.
ProcessSetup HostileDataTest::programSetup(const QTemporaryDir &home, const QString &configHome) const
{
    const QString runtime = home.filePath(QStringLiteral("run"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ProcessSetup program = setup(configHome);
    program.environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    program.environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.environment.insert(QStringLiteral("HOOPDECK_EXIT_WHEN_READY"), QStringLiteral("1"));
    return program;
}

ProcessSetup HostileDataTest::setup(const QString &configHome) const
{
    ProcessSetup setup;
    setup.environment = {{QStringLiteral("XDG_CONFIG_HOME"), configHome},
                         {QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data"))},
                         {QStringLiteral("HOOPDECK_TODAY"), QStringLiteral("02/15/2004")},
                         {QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")}};
    return setup;
}

ProcessRun HostileDataTest::cli(const QString &dataFolder, const QStringList &arguments, const QString &configHome)
{
    return runProcess(builtProgram("hoopdeck-cli"), QStringList{QStringLiteral("--install-dir"), dataFolder} + arguments,
                      setup(configHome));
}

QByteArray HostileDataTest::bundledOutput(const QStringList &arguments)
{
    const QString key = arguments.join(QLatin1Char('\x1f'));
    if (!bundled_.contains(key)) {
        const ProcessRun run = cli(QStringLiteral(HOOPDECK_SEASON_DIR), arguments, home_.filePath(QStringLiteral("config")));
        bundled_.insert(key, run.ended() && run.exitCode == 0 ? run.out : QByteArray("<failed on the bundled season>"));
    }
    return bundled_.value(key);
}

void HostileDataTest::cli_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");  // the whole output, when it is known; else null

    QStringList names(kRefused.cbegin(), kRefused.cend());
    names += kBundledViews.keys();
    names.sort();
    for (const QString &name : names) {
        const QList<QStringList> &commands = name == QLatin1String("long-line") ? kLongLineCommands
                                             : kRefused.contains(name)          ? kRefusedCommands
                                                                                : kCommands;
        for (const QStringList &arguments : commands)
            QTest::addRow("%s: %s", qPrintable(name), qPrintable(arguments.join(' '))) << name << arguments << QString();
    }

    // Views whose file is missing or holds nothing they can show are empty.
    const QString noStandings = QStringLiteral("    NBA Standings   \n");
    const QStringList rosterOfAtlanta = {"--tsv", "roster", "0"};
    QTest::newRow("missing-standings: empty standings") << "missing-standings" << QStringList{"--tsv", "standings"} << noStandings;
    QTest::newRow("missing-standings-and-roster: empty standings")
        << "missing-standings-and-roster" << QStringList{"--tsv", "standings"} << noStandings;
    QTest::newRow("missing-roster: empty roster") << "missing-roster" << rosterOfAtlanta << QString("");
    QTest::newRow("missing-standings-and-roster: empty roster") << "missing-standings-and-roster" << rosterOfAtlanta << QString("");
    for (const char *name : {"fifo-standings", "device-standings"})
        QTest::addRow("%s: empty standings", name) << name << QStringList{"--tsv", "standings"} << noStandings;
    for (const char *name : {"fifo-roster", "device-roster", "folder-roster"})
        QTest::addRow("%s: empty roster", name) << name << rosterOfAtlanta << QString("");
    QTest::newRow("blank-lines: blank roster lines are no players") << "blank-lines" << rosterOfAtlanta << QString("");
    QTest::newRow("invalid-later-dates: no game on an invalid date")
        << "invalid-later-dates" << QStringList{"--tsv", "today", "2/15/2004"} << "02/15/2004\nNo games scheduled.\t\t\n";
}

void HostileDataTest::cli()
{
    QFETCH(QString, name);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);

    const QString data = folder(name);
    const QStringList before = snapshot(data);
    const ProcessRun run = cli(data, arguments, home_.filePath(QStringLiteral("config")));
    QVERIFY2(run.ended(), qPrintable(run.describe()));
    QCOMPARE(snapshot(data), before);

    if (kRefused.contains(name)) {
        QVERIFY2(run.exitCode == 2, qPrintable(run.describe()));
        QCOMPARE(QString::fromUtf8(run.err), kWrongSeason);
        QCOMPARE(run.out, QByteArray());
        return;
    }
    QVERIFY2(run.exitCode == 0, qPrintable(run.describe()));
    // Tab-separated rows of an empty view are no rows at all; the aligned
    // form always has its captions.
    if (!arguments.contains(QLatin1String("--tsv")))
        QVERIFY2(!run.out.isEmpty(), "nothing shown");
    if (!expected.isNull())
        QCOMPARE(QString::fromUtf8(run.out), expected);
    const QString file = fileOf(arguments);
    if (file.isEmpty() || kBundledViews.value(name).contains(file))
        QCOMPARE(run.out, bundledOutput(arguments));
}

// Settings a user could only get by editing the file: the programs read
// them as they are and must still show every view, and reading them must
// not rewrite them.
void HostileDataTest::hostileSettings_data()
{
    QTest::addColumn<QByteArray>("values");  // after the install folder, in the settings' one section
    QTest::newRow("huge offset, negative team, zone 1000")
        << QByteArray("OffSet=" + QByteArray(5000, '9') + "\nTeam=-5\nIndex=1000\nServer=" + QByteArray(3000, 'h') + "\n");
    QTest::newRow("most negative numbers")
        << QByteArray("OffSet=-99999999999999999999\nTeam=-2147483648\nIndex=-2147483648\nServer=\n");
    QTest::newRow("numbers that are not numbers")
        << QByteArray("OffSet=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5)\nTeam=1, 2\nIndex=@ByteArray(12)\nServer=@Invalid()\n");
    QTest::newRow("a list of four billion texts")
        << QByteArray("OffSet=1\nTeam=@Variant(\\0\\0\\0\\xb\\\xcc\\xff\\xff\\xff\\xf0)\nIndex=2\n");
    static const char garbage[] = "OffSet=\x01\x02\xff\nTeam=\0\xfe\nIndex=\x80\n\xff\xff\n";
    QTest::newRow("binary garbage") << QByteArray(garbage, sizeof garbage - 1);
}

void HostileDataTest::hostileSettings()
{
    QFETCH(QByteArray, values);
    const QString data = QStringLiteral(HOOPDECK_SEASON_DIR);
    QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("config"));
    writeFileAt(config + QStringLiteral("/Morvane/Hoopdeck.conf"), "[General]\nInstall=" + data.toUtf8() + '\n' + values);
    const QStringList dataBefore = snapshot(data);
    const QStringList settingsBefore = snapshot(config);
    for (const QStringList &arguments : kSettingsCommands) {
        const ProcessRun run = cli(data, arguments, config);
        QVERIFY2(run.ended() && run.exitCode == 0,
                 qPrintable(arguments.join(' ') + ": " + run.describe()));
        QVERIFY2(!run.out.isEmpty(), qPrintable(arguments.join(' ')));
    }
    const QString program = builtProgram("hoopdeck");
    if (QFileInfo(program).isExecutable()) {
        const ProcessRun run = runProcess(program, {}, programSetup(home, config));
        QVERIFY2(run.ended() && run.exitCode == 0,
                 qPrintable("the program: " + run.describe()));
    }
    QCOMPARE(snapshot(data), dataBefore);
    QCOMPARE(snapshot(config), settingsBefore);
}

// The program on every folder it starts on, ending by itself once its
// staged loading is done. Folders it refuses are left out: it then waits
// for the user to read its message.
void HostileDataTest::program_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : kBundledViews.keys())
        QTest::newRow(qPrintable(name)) << name;
}

void HostileDataTest::program()
{
    QFETCH(QString, name);
    const QString program = builtProgram("hoopdeck");
    if (!QFileInfo(program).isExecutable())
        QSKIP("the program is not built");

    QTemporaryDir home;
    const QString configHome = home.filePath(QStringLiteral("config"));
    {
        QDir().mkpath(configHome + QStringLiteral("/Morvane"));
        QFile store(configHome + QStringLiteral("/Morvane/Hoopdeck.conf"));
        QVERIFY(store.open(QIODevice::WriteOnly));
        store.write("; Hoopdeck settings: plain key=value text\n[General]\nInstall=" + folder(name).toUtf8() + "\n");
    }
    const QStringList before = snapshot(folder(name));
    const ProcessRun run = runProcess(program, {}, programSetup(home, configHome));
    QVERIFY2(run.ended() && run.exitCode == 0, qPrintable(run.describe()));
    QCOMPARE(snapshot(folder(name)), before);
}

QTEST_GUILESS_MAIN(HostileDataTest)
#include "tst_hostile_data.moc"
