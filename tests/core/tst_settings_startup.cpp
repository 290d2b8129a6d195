// The settings store, the install folder and its data paths, the season check
// at start and the install step.

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include "install.h"
#include "server_address.h"
#include "settings_choice.h"
#include "settings_file.h"
#include "settings_registry.h"
#include "settings_store.h"
#include "start_up.h"
#include "table_text.h"

using namespace hoopdeck;

// A store that keeps each value's type, as the registry does.
static QSettings::SettingsMap typedValues;
static bool readTyped(QIODevice &, QSettings::SettingsMap &map)
{
    map = typedValues;
    return true;
}
static bool writeTyped(QIODevice &, const QSettings::SettingsMap &map)
{
    typedValues = map;
    return true;
}

static SettingsChoice chosen(std::optional<int> team, std::optional<int> zone, std::optional<QString> server)
{
    SettingsChoice choice;
    if (team)
        choice.set(SettingId::Team, *team);
    if (zone)
        choice.set(SettingId::Index, *zone);
    if (server)
        choice.set(SettingId::Server, *server);
    return choice;
}

class SettingsStartupTest : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> dir;  // a fresh one for every test
    int seasons = 0;

    QString confPath() const { return dir->filePath("Hoopdeck.conf"); }
    // A folder whose Season.dat starts with the given line.
    QString seasonDir(const QByteArray &firstLine)
    {
        const QString season = dir->filePath(QStringLiteral("season%1").arg(++seasons));
        QDir().mkpath(season);
        writeDataFile(season, "Season.dat", firstLine + "\n10/29/2003 19:00,1,2\n");
        return season;
    }

private slots:
    void init() { QVERIFY(dir.emplace().isValid()); }

    void load_data()
    {
        QTest::addColumn<QStringList>("stored");  // name=value
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QList<int>>("values");   // OffSet, Team, Index
        QTest::newRow("nothing stored") << QStringList() << false << QList<int>{0, 0, 11};
        QTest::newRow("all three") << QStringList{"OffSet=-3", "Team=1", "Index=4"} << true << QList<int>{-3, 1, 4};
        QTest::newRow("Team missing") << QStringList{"OffSet=-3", "Index=4"} << false << QList<int>{-3, 0, 11};
        QTest::newRow("Index missing") << QStringList{"OffSet=2", "Team=5"} << false << QList<int>{2, 5, 11};
        QTest::newRow("OffSet missing: nothing read") << QStringList{"Team=5", "Index=4"} << false << QList<int>{0, 0, 11};
        QTest::newRow("+3") << QStringList{"OffSet=+3", "Team=0", "Index=14"} << true << QList<int>{3, 0, 14};
        QTest::newRow("' -4'") << QStringList{"OffSet= -4", "Team=0", "Index=3"} << true << QList<int>{-4, 0, 3};
        QTest::newRow("no digits") << QStringList{"OffSet=abc", "Team=0", "Index=11"} << true << QList<int>{0, 0, 11};
    }
    void load()
    {
        QFETCH(QStringList, stored);
        QFETCH(bool, complete);
        QFETCH(QList<int>, values);
        SettingsChanges changes;
        for (const QString &value : stored)
            changes.append({value.section('=', 0, 0), value.section('=', 1)});
        QVERIFY(SettingsFile(confPath()).save(changes));
        SettingsFile store(confPath());
        Settings settings;
        QCOMPARE(LoadSettings(store, settings), complete);
        QCOMPARE((QList<int>{settings.zoneOffsetHours, settings.favoriteTeam, settings.zoneIndex}), values);
        QCOMPARE(settings.server, "127.0.0.1");
    }

    void saveAndLoadAgain()
    {
        // Options > Save with "GMT-8 Pacific US" and Boston.
        Settings settings;
        SettingsFile store(confPath());
        QVERIFY(saveChoice(store, settings, chosen(1, 4, QStringLiteral("data.example.org:8080"))));
        SettingsFile reread(confPath());
        QCOMPARE(reread.value("OffSet"), "-3");
        QCOMPARE(reread.value("Index").toInt(), 4);
        QCOMPARE(reread.value("Team").toInt(), 1);

        // A choice left out keeps what is stored.
        Settings loaded;
        QVERIFY(LoadSettings(reread, loaded));
        QVERIFY(saveChoice(reread, loaded, chosen(7, std::nullopt, std::nullopt)));
        Settings again;
        QVERIFY(LoadSettings(reread, again));
        QCOMPARE((QList<int>{again.zoneOffsetHours, again.favoriteTeam, again.zoneIndex}), (QList<int>{-3, 7, 4}));
        QCOMPARE(again.server, "data.example.org:8080");
    }

    void optionsSaveWritesOnlyWhatItShows()
    {
        SettingsFile store(confPath());
        Settings settings;  // a program that read its settings before the server was stored
        QVERIFY(SettingsFile(confPath()).save({{"Server", "127.0.0.1:8765"}, {"Install", "/somewhere"}}));
        QVERIFY(saveChoice(store, settings, chosen(1, 4, std::nullopt)));
        SettingsFile reread(confPath());
        QCOMPARE(reread.value("Server"), "127.0.0.1:8765");
        QCOMPARE(reread.value("Install"), "/somewhere");
        QCOMPARE(reread.value("OffSet"), "-3");
        QCOMPARE(reread.value("Index").toInt(), 4);
        QCOMPARE(reread.value("Team").toInt(), 1);
        QCOMPARE(ReadStoredServer(reread, "fallback"), "127.0.0.1:8765");

        QVERIFY(saveChoice(store, settings, chosen(std::nullopt, std::nullopt, QStringLiteral("data.example.org"))));
        SettingsFile again(confPath());
        QCOMPARE(again.value("Server"), "data.example.org");
        QCOMPARE(again.value("Team").toInt(), 1);
        QVERIFY(again.save({{"Server", QVariant()}}));
        QCOMPARE(ReadStoredServer(again, "fallback"), "fallback");
    }

    void serverAddressesAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        const int invalid = int(ServerAddressState::Invalid);
        const int incomplete = int(ServerAddressState::Incomplete);
        const int acceptable = int(ServerAddressState::Acceptable);
        QTest::newRow("empty") << "" << incomplete;
        QTest::newRow("IPv4") << "127.0.0.1" << acceptable;
        QTest::newRow("IPv4 and port") << "127.0.0.1:8765" << acceptable;
        QTest::newRow("host name") << "data.example.org" << acceptable;
        QTest::newRow("one label") << "localhost:80" << acceptable;
        QTest::newRow("IPv4 on its way") << "127.0.0." << incomplete;
        QTest::newRow("three numbers") << "127.0.0" << incomplete;
        QTest::newRow("port on its way") << "127.0.0.1:" << incomplete;
        QTest::newRow("port 0") << "127.0.0.1:0" << incomplete;
        QTest::newRow("port too big") << "127.0.0.1:65536" << invalid;
        QTest::newRow("number over 255") << "127.0.0.256" << invalid;
        QTest::newRow("five numbers") << "1.2.3.4.5" << invalid;
        QTest::newRow("two colons") << "host:80:81" << invalid;
        QTest::newRow("blank") << "data example" << invalid;
        QTest::newRow("another scheme") << "ftp://data" << invalid;
        QTest::newRow("path") << "data/x" << invalid;
        QTest::newRow("empty label") << "data..org" << invalid;
        QTest::newRow("leading hyphen") << "-data.org" << invalid;
        QTest::newRow("letters in port") << "data:8o" << invalid;
        QTest::newRow("http") << "http://data" << acceptable;
        QTest::newRow("http and port") << "http://data.example.org:8080" << acceptable;
        QTest::newRow("https") << "https://data.example.org" << acceptable;
        QTest::newRow("scheme in capitals") << "HTTPS://data" << acceptable;
        QTest::newRow("https and IPv4 and port") << "https://10.0.0.7:8443" << acceptable;
        QTest::newRow("scheme on its way") << "https:/" << incomplete;
        QTest::newRow("scheme without host") << "http://" << incomplete;
        QTest::newRow("host called http, port on its way") << "http:" << incomplete;
        QTest::newRow("scheme and a path") << "http://data/x" << invalid;
        QTest::newRow("scheme and a slash") << "http://data/" << invalid;
        QTest::newRow("user name") << "user@data" << invalid;
        QTest::newRow("IPv6") << "[::1]" << acceptable;
        QTest::newRow("IPv6 and port") << "[::1]:8080" << acceptable;
        QTest::newRow("https IPv6 and port") << "https://[2001:db8::7]:8443" << acceptable;
        QTest::newRow("IPv6 with IPv4 end") << "[::ffff:10.0.0.1]" << acceptable;
        QTest::newRow("IPv6 on its way") << "[::" << incomplete;
        QTest::newRow("IPv6 port on its way") << "[::1]:" << incomplete;
        QTest::newRow("IPv6 port too big") << "[::1]:99999" << invalid;
        QTest::newRow("IPv6 without brackets") << "::1" << invalid;
        QTest::newRow("IPv6 two gaps") << "[1::2::3]" << invalid;
        QTest::newRow("host name in brackets") << "[localhost]" << invalid;
        QTest::newRow("letters in IPv6") << "[::g]" << invalid;
        QTest::newRow("text after brackets") << "[::1]x" << invalid;
        QTest::newRow("bang") << "not a host!!" << invalid;
        QTest::newRow("label of 64") << QString(64, QLatin1Char('a')) << invalid;
        QTest::newRow("label of 63") << QString(63, QLatin1Char('a')) << acceptable;
        QTest::newRow("host of 300") << QStringList(10, QString(29, QLatin1Char('a'))).join(QLatin1Char('.')) << invalid;
        QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0661.2.3.4") << invalid;
    }

    // Every address the field does not take says why, and only those do.
    void serverAddressProblemsInWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("acceptable") << "https://[::1]:8080" << "";
        QTest::newRow("empty") << "" << "Type a host or host:port, like 127.0.0.1:8765.";
        QTest::newRow("port too big") << "host:99999" << "The port must be a number from 1 to 65535.";
        QTest::newRow("port 0") << "host:0" << "The port must be a number from 1 to 65535.";
        QTest::newRow("port on its way") << "host:" << "Type the port after the colon, or no colon for the usual port.";
        QTest::newRow("bang") << "not a host!!" << "An address holds no blanks.";
        QTest::newRow("bang without blanks") << "host!!" << "A host name holds only letters, digits, hyphens and dots.";
        QTest::newRow("long label") << QString(300, QLatin1Char('h')) << "A host name has at most 253 characters.";
        QTest::newRow("label of 64") << QString(64, QLatin1Char('h'))
                                     << "Each part of a host name between dots has at most 63 characters.";
        QTest::newRow("IPv4 number") << "10.0.0.300" << "An IPv4 address is four numbers from 0 to 255, like 127.0.0.1.";
        QTest::newRow("IPv6 without brackets") << "::1:8080" << "An IPv6 address goes in brackets, like [::1]:8080.";
        QTest::newRow("IPv6 open") << "[::1" << "An IPv6 address ends with ].";
        QTest::newRow("IPv6 wrong") << "[1::2::3]" << "Not an IPv6 address between the brackets.";
        QTest::newRow("other scheme") << "ftp://host" << "Only http:// or https:// may stand before the host.";
        QTest::newRow("path") << "host/x" << "Only the server goes here: a host and its port, no path or user name.";
        QTest::newRow("trailing dot") << "10.0.0." << "A host name does not end with a dot.";
    }

    void serverAddressProblemsInWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        QCOMPARE(serverAddressProblem(text), problem);
    }

    // The URL a download fetches for each form of the Server setting.
    void serverRequestUrls_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("url");  // empty: no URL
        const QString path = QStringLiteral("/sports/basketball/2004/Roster.dat");
        QTest::newRow("host") << "data.example.org" << "http://data.example.org" + path;
        QTest::newRow("host and port") << "127.0.0.1:8080" << "http://127.0.0.1:8080" + path;
        QTest::newRow("http") << "http://data" << "http://data" + path;
        QTest::newRow("http and port") << "http://data:81" << "http://data:81" + path;
        QTest::newRow("https") << "https://data" << "https://data" + path;
        QTest::newRow("https and port") << "HTTPS://Data:8443" << "https://data:8443" + path;
        QTest::newRow("IPv6") << "[::1]:8080" << "http://[::1]:8080" + path;
        QTest::newRow("https IPv6") << "https://[2001:DB8::7]" << "https://[2001:db8::7]" + path;
        QTest::newRow("blanks around") << "  127.0.0.1:8080 " << "http://127.0.0.1:8080" + path;
        QTest::newRow("empty") << "" << "";
        QTest::newRow("path") << "127.0.0.1/x" << "";
        QTest::newRow("port too big") << "127.0.0.1:99999" << "";
        QTest::newRow("incomplete") << "10.0.0." << "";
        QTest::newRow("other scheme") << "file://data" << "";
        QTest::newRow("user") << "http://u:p@data" << "";
    }

    void serverRequestUrls()
    {
        QFETCH(QString, server);
        QFETCH(QString, url);
        const QUrl made = serverRequestUrl(server, QStringLiteral("/sports/basketball/2004/Roster.dat"));
        QCOMPARE(made.isValid(), !url.isEmpty());
        QCOMPARE(made.toString(QUrl::FullyEncoded), url);
    }

    void serverAddressesAsTyped()
    {
        QFETCH(QString, text);
        QFETCH(int, state);
        QCOMPARE(int(checkServerAddress(text)), state);
    }

    void saveKeepsValueTypes()
    {
        const QSettings::Format typed = QSettings::registerFormat("typed", readTyped, writeTyped);
        {
            SettingsRegistry store(std::make_unique<QSettings>(dir->filePath("Hoopdeck.typed"), typed));
            Settings settings;
            QVERIFY(saveChoice(store, settings, chosen(1, 4, std::nullopt)));
        }
        QCOMPARE(typedValues.value("OffSet").typeId(), QMetaType::QString);
        QCOMPARE(typedValues.value("Index").typeId(), QMetaType::Int);
        QCOMPARE(typedValues.value("Team").typeId(), QMetaType::Int);
    }

    void saveReportsFailure()
    {
        writeDataFile(dir->path(), "plain-file", "x");  // a folder that cannot exist
        SettingsFile store(dir->filePath("plain-file/Hoopdeck.conf"));
        Settings settings;
        QVERIFY(!saveChoice(store, settings, chosen(1, 4, std::nullopt)));
        QCOMPARE(settings.favoriteTeam, 1);  // the choice holds for the rest of the run
    }

    void installDir()
    {
        SettingsFile store(confPath());
        QVERIFY(!ReadInstallDir(store));
        QVERIFY(store.save({{"Install", "/opt/hoopdeck"}}));
        const std::optional<DataPaths> paths = ReadInstallDir(store);
        QVERIFY(paths);
        QCOMPARE((QStringList{paths->standings, paths->roster, paths->season}),
                 (QStringList{"/opt/hoopdeck/Standings.dat", "/opt/hoopdeck/Roster.dat", "/opt/hoopdeck/Season.dat"}));
        QCOMPARE(dataPathsFor("/opt/hoopdeck/").season, "/opt/hoopdeck//Season.dat");  // used as it is
    }

    void scheduleVersion_data()
    {
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("2003") << QByteArray("10/28/2003 19:00,13,20") << true;
        QTest::newRow("2004") << QByteArray("10/28/2004 19:00,13,20") << false;
        QTest::newRow("1903") << QByteArray("10/28/1903 19:00,1,2") << true;
        QTest::newRow("2103") << QByteArray("10/28/2103 19:00,1,2") << true;
        QTest::newRow("leading commas") << QByteArray(",,10/28/2003 19:00,1,2") << true;
        QTest::newRow("leading commas, 2004") << QByteArray(",,10/28/2004 19:00,1,2") << false;
        QTest::newRow("no time") << QByteArray("1/1/2003,1,2") << true;
        QTest::newRow("CRLF") << QByteArray("10/28/2003 19:00,1,2\r") << true;
        QTest::newRow("two-digit year") << QByteArray("10/28/03 19:00,1,2") << false;
        QTest::newRow("before 1601") << QByteArray("10/28/1503 19:00,1,2") << false;
        QTest::newRow("no such day") << QByteArray("2/30/2003 19:00,1,2") << false;
        QTest::newRow("garbage") << QByteArray("Date,vTeam,hTeam") << false;
        QTest::newRow("empty first line") << QByteArray("") << false;
    }
    void scheduleVersion()
    {
        QFETCH(QByteArray, firstLine);
        QFETCH(bool, accepted);
        QCOMPARE(CheckScheduleVersion(seasonDir(firstLine) + "/Season.dat"), accepted);
    }

    void startupChecks()
    {
        QVERIFY(!CheckScheduleVersion(dir->filePath("Season.dat")));
        QVERIFY(!CheckScheduleVersion(writeDataFile(dir->path(), "Empty.dat", "")));

        SettingsFile store(confPath());
        StartupCheck check = runStartupChecks(store);
        QCOMPARE(check.result, StartupCheck::NotInstalled);
        QCOMPARE(check.message(), "Hoopdeck does not appear to be installed properly.\n\nPlease run install again.");

        // A folder without data files passes the install check; the season check catches it.
        QVERIFY(store.save({{"Install", dir->filePath("nothing-here")}}));
        check = runStartupChecks(store);
        QCOMPARE(check.result, StartupCheck::WrongSeason);
        QCOMPARE(check.message(), "Hoopdeck version does not match schedule.\n\nPlease install the most current version.");

        const QString good = seasonDir("10/28/2003 19:00,1,2");
        check = runStartupChecks(store, good);  // the folder given for this run wins
        QCOMPARE(check.result, StartupCheck::Ok);
        QCOMPARE(check.message(), QString());
        QCOMPARE(check.paths.season, good + "/Season.dat");
    }

    void installCopiesOnlyMissingFiles()
    {
        const QString source = QStringLiteral(HOOPDECK_SEASON_DIR);
        const QString target = dir->filePath("data/Morvane/Hoopdeck");
        QDir().mkpath(target);
        writeDataFile(target, "Standings.dat", "mine\n");
        SettingsFile store(confPath());

        InstallResult result = installSeason(source, target, store);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.copied, 5);
        QCOMPARE(store.value("Install"), target);
        for (const char *name : {"Standings.dat", "Roster.dat", "Season.dat", "Playoffs.dat", "Box.dat", "SOURCES.md"}) {
            QFile from(source + '/' + name), to(target + '/' + name);
            QVERIFY(from.open(QIODevice::ReadOnly) && to.open(QIODevice::ReadOnly));
            QCOMPARE(to.readAll(), qstrcmp(name, "Standings.dat") ? from.readAll() : QByteArray("mine\n"));
        }
        QCOMPARE(runStartupChecks(store).result, StartupCheck::Ok);
        QCOMPARE(installSeason(source, target, store).copied, 0);

        SettingsFile fresh(dir->filePath("fresh.conf"));
        for (const QString &nothing : {dir->filePath("no-season"), QString()}) {
            result = installSeason(nothing, dir->filePath("other"), fresh);
            QVERIFY(!result.ok);
            QVERIFY(!result.message.isEmpty());
        }
        QVERIFY(!fresh.contains("Install"));
    }
};

QTEST_GUILESS_MAIN(SettingsStartupTest)
#include "tst_settings_startup.moc"
