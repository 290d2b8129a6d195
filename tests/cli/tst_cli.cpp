// hoopdeck-cli run as a user or a script would: install the bundled season
// into a fresh home, then read the printed rows and the exit codes.

#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "data_files.h"
#include "file_content.h"
#include "process_runner.h"
#include "season_file.h"
#include "teams.h"

namespace {
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
    QStringList lines() const { return out.split('\n', Qt::SkipEmptyParts); }
};

// A home of its own: settings and data folders nobody else uses.
struct Home {
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
};

// In the home's folders on the test day, unless the setup says otherwise.
Run run(const Home &home, const QStringList &arguments, ProcessSetup setup)
{
    QHash<QString, QString> environment{{"XDG_CONFIG_HOME", home.path("config")},
                                        {"XDG_DATA_HOME", home.path("data")},
                                        {"HOOPDECK_TODAY", "02/15/2004"},
                                        {"LC_ALL", "C.UTF-8"}};
    environment.insert(setup.environment);
    setup.environment = environment;
    const ProcessRun process = runProcess(builtProgram("hoopdeck-cli"), arguments, setup);
    Run result;
    if (process.ended())
        result = {process.exitCode, QString::fromUtf8(process.out), QString::fromUtf8(process.err)};
    return result;
}

// With fixedToday false, the day is the machine's own date.
Run run(const Home &home, const QStringList &arguments, bool fixedToday = true)
{
    ProcessSetup setup;
    if (!fixedToday)
        setup.environment.insert("HOOPDECK_TODAY", QString());
    return run(home, arguments, setup);
}

// Minutes after midnight of a shown time such as 7:30p or 12:15a.
int minutesOf(const QString &time)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2}):(\\d\\d)([ap])$"));
    const QRegularExpressionMatch m = re.match(time);
    return m.hasMatch() ? (m.captured(1).toInt() % 12 + (m.captured(3) == "p" ? 12 : 0)) * 60 + m.captured(2).toInt() : -1;
}

// The environment run() gives a home, for runs started together.
ProcessSetup homeSetup(const Home &home)
{
    ProcessSetup setup;
    setup.environment = {{"XDG_CONFIG_HOME", home.path("config")},
                         {"XDG_DATA_HOME", home.path("data")},
                         {"HOOPDECK_TODAY", "02/15/2004"},
                         {"LC_ALL", "C.UTF-8"}};
    return setup;
}

// The settings file of a home.
QString settingsFile(const Home &home)
{
    return home.path("config/Morvane/Hoopdeck.conf");
}

// What `settings --tsv` prints, row name -> the cells after it.
QHash<QString, QString> printedSettings(const Home &home)
{
    QHash<QString, QString> rows;
    for (const QString &line : run(home, {"--tsv", "settings"}).lines())
        rows.insert(line.section('\t', 0, 0), line.section('\t', 1, 1));
    return rows;
}
} // namespace

class CliTest : public QObject {
    Q_OBJECT
    Home installed;
    Run run(const QStringList &arguments) { return ::run(installed, arguments); }

private slots:
    void initTestCase() { QCOMPARE(::run(installed, {"install"}).exitCode, 0); }

    void standings()
    {
        const QStringList lines = run({"--tsv", "standings"}).out.split('\n');
        QCOMPARE(lines.size(), 1 + 33 + 1);  // title, rows, nothing after the last line end
        QCOMPARE(lines.first(), "   2003-04 NBA Standings   ");
        static const QRegularExpression teamRow(QStringLiteral("^[A-Z][^\\t]+\\t\\d+\\t\\d+\\t[^\\t]+\\t(\\.\\d{3}|1000)$"));
        for (int row = 0; row < 33; ++row) {
            if (row == 0 || row == 8 || row == 17 || row == 25)
                QCOMPARE(lines.at(row + 1), "\t\t\t\t");
            else
                QVERIFY2(teamRow.match(lines.at(row + 1)).hasMatch(), qPrintable(lines.at(row + 1)));
        }
        QCOMPARE(lines.at(2), "New Jersey\t47\t35\t-\t.573");

        // For a person: the division names stand over the four groups.
        QStringList divisions;
        for (const QString &line : run({"standings"}).lines()) {
            if (!line.contains(' '))
                divisions.append(line);
        }
        QCOMPARE(divisions, (QStringList{"Atlantic", "Central", "Midwest", "Pacific"}));
    }

    void seasonAndZoneChange()
    {
        Home pacific;
        QCOMPARE(::run(pacific, {"install"}).exitCode, 0);
        const QStringList eastern = ::run(pacific, {"--tsv", "season"}).lines();
        QCOMPARE(eastern.size(), int(seasonFile("Season.dat").count('\n')));
        QCOMPARE(eastern.first(), "10/28\tMiami @ Philadelphia\t7:00p\t74-89");

        QCOMPARE(::run(pacific, {"settings", "--zone", "4"}).exitCode, 0);
        const QStringList shifted = ::run(pacific, {"season", "--tsv"}).lines();
        QCOMPARE(shifted.size(), eastern.size());
        for (int row = 0; row < eastern.size(); ++row) {
            const QStringList before = eastern.at(row).split('\t'), after = shifted.at(row).split('\t');
            QCOMPARE(after.mid(0, 2), before.mid(0, 2));  // same date, same game
            QCOMPARE(after.mid(3), before.mid(3));        // same score
            QCOMPARE(minutesOf(after.at(2)), (minutesOf(before.at(2)) - 180 + 1440) % 1440);
        }
    }

    void settingsKeepWhatIsNotGiven()
    {
        Home home;
        QCOMPARE(::run(home, {"install"}).exitCode, 0);
        QCOMPARE(::run(home, {"--tsv", "settings"}).lines(),
                 (QStringList{"Team\t0\tAtlanta", "Index\t11\tGMT-5 Eastern US", "OffSet\t0", "Server\t127.0.0.1",
                              "Results\ton"}));
        QCOMPARE(::run(home, {"settings", "--zone", "4"}).exitCode, 0);
        const QStringList expected{"Team\t1\tBoston", "Index\t4\tGMT-8 Pacific US", "OffSet\t-3", "Server\t127.0.0.1",
                                   "Results\ton"};
        QCOMPARE(::run(home, {"settings", "--team", "boston", "--tsv"}).lines(), expected);
        QCOMPARE(::run(home, {"--tsv", "settings"}).lines(), expected);
    }

    void team()
    {
        const Run r = run({"--tsv", "team", "Boston"});
        QCOMPARE(r.exitCode, 0);
        // The Season list's games of Boston, in its order, seen from Boston's side.
        QStringList fromSeason;
        for (const QString &line : run({"--tsv", "season"}).lines()) {
            const QStringList cells = line.split('\t'), teams = cells.at(1).split(" @ ");
            if (teams.contains("Boston"))
                fromSeason.append(cells.at(0) + (teams.at(0) == "Boston" ? "\t @ " + teams.at(1) : "\t vs " + teams.at(0))
                                  + "\t" + cells.at(2));
        }
        QStringList schedule;  // the Date, Game and Time of each row
        for (const QString &line : r.lines())
            schedule.append(line.section('\t', 0, 2));
        QCOMPARE(schedule, fromSeason);
        QCOMPARE(fromSeason.size(), 82);
        QVERIFY(r.out.contains("\t @ ") && r.out.contains("\t vs ") && !r.out.contains("All-Star"));
        // The record column ends as the standings do.
        QCOMPARE(r.lines().first(), "10/29\t vs Miami\t7:00p\tW 98-75\t1-0");
        QCOMPARE(r.lines().last().section('\t', 4), "36-46");
    }

    void today()
    {
        const QStringList allStar{"02/15/2004", "All-Star Game @ All-Star Game\t8:00p\t"};
        QCOMPARE(run({"--tsv", "today", "02/15/2004"}).lines(), allStar);
        QCOMPARE(run({"--tsv", "today"}).lines(), allStar);  // today is HOOPDECK_TODAY
        QCOMPARE(run({"--tsv", "today", "2/16/2004"}).lines().first(), "02/16/2004");
        QCOMPARE(run({"--tsv", "today", "7/4/2004"}).lines(), (QStringList{"07/04/2004", "No games scheduled.\t\t"}));
    }

    void game_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("regular season") << QStringList{"10/28/2003", "Miami"} << QStringList{
            "Miami\t19\t20\t23\t12\t0\t74",
            "Philadelphia\t24\t20\t21\t24\t0\t89",
            "Miami\t29-71\t2-8\t14-17\t12\t32\t44\t16\t3\t2\t19\t22",
            "Philadelphia\t33-75\t7-20\t16-30\t12\t27\t39\t25\t12\t3\t8\t19",
            "Series\tPhiladelphia leads the season series 1-0"};
        QTest::newRow("overtime") << QStringList{"10/29/2003", "orlando"} << QStringList{
            "Orlando\t17\t17\t17\t22\t12\t85",
            "New York\t19\t15\t25\t14\t10\t83",
            "Orlando\t32-87\t5-20\t16-29\t12\t32\t44\t17\t11\t4\t17\t18",
            "New York\t32-80\t5-16\t14-17\t8\t40\t48\t20\t8\t6\t27\t22",
            "Series\tOrlando leads the season series 1-0"};
        QTest::newRow("Finals, game 5") << QStringList{"6/15/2004", "L.A. Lakers"} << QStringList{
            "L.A. Lakers\t24\t21\t14\t28\t0\t87",
            "Detroit\t25\t30\t27\t18\t0\t100",
            "L.A. Lakers\t31-75\t4-16\t21-33\t14\t22\t36\t18\t10\t2\t13\t27",
            "Detroit\t35-76\t2-14\t28-39\t20\t30\t50\t18\t8\t2\t14\t27",
            "Series\tDetroit wins 4-1"};
        QTest::newRow("beyond the day given") << QStringList{"4/17/2004", "Indiana", "--on", "4/14/2004"}
                                              << QStringList{"Boston\t\t\t\t\t\t", "Indiana\t\t\t\t\t\t",
                                                             "Boston" + QString(11, '\t'), "Indiana" + QString(11, '\t'),
                                                             "Series\t"};
    }
    void game()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, rows);
        const Run r = run(QStringList{"--tsv", "game"} + arguments);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, "");
        QCOMPARE(r.out, rows.join('\n') + '\n');
    }

    void gameText()
    {
        Run r = run({"game", "6/1/2004", "Detroit"});
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = r.out.split('\n');
        QCOMPARE(lines.mid(0, 4), (QStringList{"Indiana @ Detroit", "06/01/2004 8:00p", "East Finals, game 6",
                                               "Final: 65-69"}));
        QVERIFY(lines.contains("After (playoffs): Indiana 10-6, Detroit 12-6"));
        QVERIFY(lines.contains("Series: Detroit wins 4-2"));
        QVERIFY(lines.contains("Next meeting: none"));
        // Beyond the results shown: the matchup, the time and the records before, nothing more.
        r = run({"game", "6/1/2004", "Detroit", "--on", "5/31/2004"});
        QCOMPARE(r.out, "Indiana @ Detroit\n06/01/2004 8:00p\n\nBefore (playoffs): Indiana 10-5, Detroit 11-6\n");
        r = run({"game", "6/2/2004", "Detroit"});
        QCOMPARE(r.exitCode, 6);
        QCOMPARE(r.out, "");
        QCOMPARE(r.err, "hoopdeck-cli: Detroit plays no game on 06/02/2004\n");
        QCOMPARE(run({"game", "6/1/2004"}).exitCode, 64);
        QCOMPARE(run({"game", "Detroit", "6/1/2004"}).exitCode, 64);
    }

    void playoffs()
    {
        Run r = run({"--tsv", "playoffs"});
        QCOMPARE(r.exitCode, 0);
        const QStringList rows = r.lines();
        QCOMPARE(rows.size(), 15);
        QCOMPARE(rows.first(), "East First Round\tIndiana\t4\tBoston\t0");
        QCOMPARE(rows.at(6), "East Finals\tDetroit\t4\tIndiana\t2");
        QCOMPARE(rows.at(7), "West First Round\tMinnesota\t4\tDenver\t1");
        QCOMPARE(rows.at(13), "West Finals\tL.A. Lakers\t4\tMinnesota\t2");
        QCOMPARE(rows.last(), "Finals\tDetroit\t4\tL.A. Lakers\t1");
        QStringList rounds;
        for (const QString &row : rows)
            rounds.append(row.section('\t', 0, 0));
        QCOMPARE(rounds, (QStringList{"East First Round", "East First Round", "East First Round", "East First Round",
                                      "East Semifinals", "East Semifinals", "East Finals",
                                      "West First Round", "West First Round", "West First Round", "West First Round",
                                      "West Semifinals", "West Semifinals", "West Finals", "Finals"}));
        r = run({"playoffs"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith("East First Round\n  Indiana 4, Boston 0\n"));
        QVERIFY(r.out.endsWith("\nFinals\n              Detroit 4, L.A. Lakers 1\n"));
        // Up to a day: the games so far, and no series still to begin.
        QCOMPARE(run({"--tsv", "playoffs", "--on", "4/17/2004"}).lines(),
                 (QStringList{"East First Round\tIndiana\t1\tBoston\t0", "East First Round\tNew Jersey\t1\tNew York\t0",
                              "West First Round\tSan Antonio\t1\tMemphis\t0",
                              "West First Round\tL.A. Lakers\t1\tHouston\t0"}));
    }

    void playoffDays()
    {
        QCOMPARE(run({"--tsv", "today", "4/17/2004"}).lines(),
                 (QStringList{"04/17/2004", "Boston @ Indiana (East First Round, game 1)\t2:00p\t88-104",
                              "New York @ New Jersey (East First Round, game 1)\t4:30p\t83-107",
                              "Memphis @ San Antonio (West First Round, game 1)\t8:00p\t74-98",
                              "Houston @ L.A. Lakers (West First Round, game 1)\t10:30p\t71-72"}));
        const Run r = run({"--tsv", "team", "Boston", "--playoffs"});
        QCOMPARE(r.exitCode, 0);
        const QStringList rows = r.lines();
        QCOMPARE(rows.size(), 82 + 4);
        QCOMPARE(rows.mid(0, 82), run({"--tsv", "team", "Boston"}).lines());
        QCOMPARE(rows.at(82), "04/17\t @ Indiana\t2:00p\tL 88-104\tTrails 0-1");
        QCOMPARE(rows.last(), "04/25\t vs Indiana\t1:00p\tL 75-90\tLost 0-4");
        const QStringList lines = run({"team", "Boston", "--playoffs"}).out.split('\n');
        const qsizetype title = lines.indexOf("Playoffs");
        QVERIFY(title > 0);
        QCOMPARE(lines.at(title - 1), "");
        QVERIFY(lines.at(title - 2).endsWith("36-46"));
        QVERIFY(lines.at(title + 1).startsWith("04/17   @ Indiana"));
        // Comma-separated, the row that opens the playoffs reads as the window exports it.
        const QStringList csv = run({"--csv", "team", "Boston", "--playoffs"}).out.split("\r\n");
        QCOMPARE(csv.value(1 + 82), "Playoffs,,,,");
    }

    // Without the game files the other commands work as before, and the
    // commands that need them name the one missing.
    void missingGameFiles()
    {
        Home home;
        QCOMPARE(::run(home, {"install"}).exitCode, 0);
        const QString folder = home.path("data/Morvane/Hoopdeck");
        QVERIFY(QFile::remove(folder + "/Box.dat"));
        Run r = ::run(home, {"game", "6/15/2004", "Detroit"});
        QCOMPARE(r.exitCode, 4);
        QCOMPARE(r.out, "");
        QCOMPARE(r.err, "hoopdeck-cli: cannot read the box scores, " + folder + "/Box.dat\n");
        QCOMPARE(::run(home, {"--tsv", "playoffs"}).lines().size(), 15);
        QVERIFY(QFile::remove(folder + "/Playoffs.dat"));
        for (const QStringList &arguments : {QStringList{"playoffs"}, QStringList{"game", "6/15/2004", "Detroit"},
                                             QStringList{"team", "Boston", "--playoffs"}}) {
            r = ::run(home, arguments);
            QCOMPARE(r.exitCode, 4);
            QCOMPARE(r.out, "");
            QCOMPARE(r.err, "hoopdeck-cli: cannot read the playoff games, " + folder + "/Playoffs.dat\n");
        }
        QCOMPARE(::run(home, {"--tsv", "team", "Boston"}).lines(), run({"--tsv", "team", "Boston"}).lines());
        QCOMPARE(::run(home, {"--tsv", "today", "4/17/2004"}).lines(), (QStringList{"04/17/2004", "No games scheduled.\t\t"}));
        QCOMPARE(::run(home, {"--tsv", "today", "4/14/2004"}).lines(), run({"--tsv", "today", "4/14/2004"}).lines());
    }

    // The standings on a day, counted here from the scores of Season.dat:
    // each team's wins and losses in the games on or before the day.
    void standingsOnADay_data()
    {
        QTest::addColumn<QString>("day");
        QTest::newRow("before the first game") << "1/1/2003";
        QTest::newRow("the first day") << "10/28/2003";
        QTest::newRow("mid-season") << "12/8/2003";
        QTest::newRow("the All-Star day, no league game") << "2/15/2004";
        QTest::newRow("the last day") << "4/14/2004";
        QTest::newRow("after the season") << "7/4/2004";
    }
    void standingsOnADay()
    {
        QFETCH(QString, day);
        const QDate until = QDate::fromString(day, "M/d/yyyy");
        QHash<QString, QPair<int, int>> record;  // team name -> wins, losses
        for (const QByteArray &line : seasonFile("Season.dat").split('\n')) {
            const QList<QByteArray> f = line.trimmed().split(',');
            if (f.size() < 5 || QDate::fromString(QString(f[0]).section(' ', 0, 0), "M/d/yyyy") > until)
                continue;
            const int visitor = f[1].toInt(), home = f[2].toInt();
            const bool visitorWon = f[3].toInt() > f[4].toInt();
            (visitorWon ? record[hoopdeck::teamDisplayName(visitor)].first : record[hoopdeck::teamDisplayName(visitor)].second) += 1;
            (visitorWon ? record[hoopdeck::teamDisplayName(home)].second : record[hoopdeck::teamDisplayName(home)].first) += 1;
        }
        const Run r = run({"--tsv", "standings", "--on", day});
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = r.out.split('\n');
        QCOMPARE(lines.first(), QStringLiteral("   2003-04 NBA Standings on %1   ").arg(until.toString("MM/dd/yyyy")));
        QCOMPARE(lines.size(), 1 + 33 + 1);  // the title, the rows, the end of the last line
        int teamRows = 0;
        for (const QString &line : lines.mid(1, 33)) {
            const QStringList cells = line.split('\t');
            QCOMPARE(cells.size(), 11);
            if (cells.first().isEmpty()) {
                QCOMPARE(cells.join(QString()), QString());  // a division's blank row
                continue;
            }
            ++teamRows;
            const QPair<int, int> counted = record.value(cells.first());
            QCOMPARE(cells.mid(1, 2), (QStringList{QString::number(counted.first), QString::number(counted.second)}));
            QCOMPARE(cells.last().isEmpty(), counted.first + counted.second == 0);  // no streak before a first game
        }
        QCOMPARE(teamRows, 29);
    }

    // Later games keep their rows, without their results; the upto setting
    // draws the line at the day `today` shows.
    void resultsUpToADay()
    {
        const QDate day(2003, 11, 1);
        for (const QStringList &command : {QStringList{"--tsv", "team", "Boston"}, QStringList{"--tsv", "season"}}) {
            const QStringList all = run(command).lines();
            const QStringList upTo = run(command + QStringList{"--on", "11/1/2003"}).lines();
            QCOMPARE(upTo.size(), all.size());
            for (int row = 0; row < all.size(); ++row) {
                const QStringList before = all.at(row).split('\t'), after = upTo.at(row).split('\t');
                QCOMPARE(after.size(), before.size());
                const bool later = QDate::fromString(before.first() + "/2003", "MM/dd/yyyy") > day
                                   || before.first().startsWith("0");  // January to April: 2004
                const int resultColumn = 3;
                QCOMPARE(after.mid(0, resultColumn), before.mid(0, resultColumn));
                if (later)
                    QVERIFY2(after.mid(resultColumn).join(QString()).isEmpty(), qPrintable(upTo.at(row)));
                else
                    QCOMPARE(after, before);
            }
        }
        Home home;
        QCOMPARE(::run(home, {"install"}).exitCode, 0);
        QCOMPARE(::run(home, {"--tsv", "settings", "--results", "upto"}).lines().last(), "Results\tupto");
        // The test day, 02/15/2004, is the one `today` shows.
        QCOMPARE(::run(home, {"--tsv", "team", "Boston"}).out, run({"--tsv", "team", "Boston", "--on", "2/15/2004"}).out);
        QCOMPARE(::run(home, {"--tsv", "season"}).out, run({"--tsv", "season", "--on", "2/15/2004"}).out);
        QCOMPARE(::run(home, {"--tsv", "standings"}).out, run({"--tsv", "standings", "--on", "2/15/2004"}).out);
    }

    void resultsOffPrintsEmptyCells()
    {
        Home home;
        QCOMPARE(::run(home, {"install"}).exitCode, 0);
        const QStringList commands[] = {{"--tsv", "season"}, {"--tsv", "team", "Boston"}, {"--tsv", "today", "10/29/2003"}};
        QList<QStringList> shown;
        for (const QStringList &command : commands)
            shown.append(::run(home, command).lines());
        QCOMPARE(::run(home, {"--tsv", "settings", "--results", "off"}).lines().last(), "Results\toff");
        QCOMPARE(::run(home, {"settings"}).lines().last(), "Show results:  off");
        for (int c = 0; c < int(std::size(commands)); ++c) {
            const QStringList hidden = ::run(home, commands[c]).lines();
            QCOMPARE(hidden.size(), shown.at(c).size());
            const int resultColumn = c == 0 ? 3 : c == 1 ? 3 : 2;  // today: the caption line comes first
            for (int row = c == 2 ? 1 : 0; row < hidden.size(); ++row) {
                const QStringList before = shown.at(c).at(row).split('\t'), after = hidden.at(row).split('\t');
                QCOMPARE(after.size(), before.size());
                QCOMPARE(after.mid(0, resultColumn), before.mid(0, resultColumn));
                for (const QString &cell : after.mid(resultColumn))
                    QVERIFY2(cell.isEmpty(), qPrintable(hidden.at(row)));
            }
        }
        QVERIFY(!::run(home, {"team", "Boston"}).out.contains("W 98-75"));
        QCOMPARE(::run(home, {"--tsv", "settings", "--results", "on"}).lines().last(), "Results\ton");
        QCOMPARE(::run(home, commands[1]).lines(), shown.at(1));
    }

    void todayOutsideTheSeason()
    {
        // The machine's real date lies years after the season: the day is
        // the same month and day within it, or its first or last game day.
        const Run r = ::run(installed, {"--tsv", "today"}, false);
        QCOMPARE(r.exitCode, 0);
        const QDate machine = QDate::currentDate();
        const QString caption = r.lines().first();
        const QDate shown = QDate::fromString(caption, "MM/dd/yyyy");
        QVERIFY2(shown >= QDate(2003, 10, 28) && shown <= QDate(2004, 4, 14), qPrintable(caption));
        if (machine.month() >= 11 || machine.month() <= 3)  // months wholly inside the season
            QCOMPARE((QList<int>{shown.month(), shown.day()}), (QList<int>{machine.month(), machine.day()}));
        QVERIFY2(r.err.startsWith(caption + ": ") && r.err.contains("2003-04 season"), qPrintable(r.err));
        // The very rows of that day asked for by its date, which prints no note.
        const Run byDate = ::run(installed, {"--tsv", "today", caption}, false);
        QCOMPARE(r.out, byDate.out);
        QCOMPARE(byDate.err, "");
        // A fixed today is taken as it is, without a note.
        QCOMPARE(run({"--tsv", "today"}).err, "");
    }

    void rosterSortedDescending()
    {
        QStringList unsorted = run({"--tsv", "roster", "L.A. Lakers"}).lines();
        const Run r = run({"--tsv", "roster", "L.A. Lakers", "--sort", "Wt", "--sort", "Wt"});
        QCOMPARE(r.exitCode, 0);
        QStringList rows = r.lines();
        for (int i = 1; i < rows.size(); ++i)
            QVERIFY2(QString::compare(rows.at(i - 1).section('\t', 4), rows.at(i).section('\t', 4), Qt::CaseInsensitive) >= 0,
                     qPrintable(rows.at(i)));
        QVERIFY(unsorted.size() >= 10);
        unsorted.sort();
        rows.sort();
        QCOMPARE(rows, unsorted);
    }

    void optionsAnywhere()
    {
        const Run reference = run({"--tsv", "roster", "L.A. Lakers", "--sort", "Wt"});
        QCOMPARE(reference.exitCode, 0);
        QCOMPARE(run({"roster", "--sort=wt", "11", "--tsv"}).out, reference.out);
        QCOMPARE(::run(Home(), {"--install-dir=" + installed.path("data/Morvane/Hoopdeck"), "roster", "11", "--tsv",
                                "--sort", "Wt"}).out,
                 reference.out);
    }

    void cellsWithTabsAndLineEnds()
    {
        Home home;
        const QString dir = home.path("season");
        writeFileAt(dir + "/Season.dat", "10/28/2003 19:00,0,1\n");
        writeFileAt(dir + "/Roster.dat", "0,1,A.\tPlayer,G,6-3,190\n0,2,B.\rC,F,6-8,230\r\n0,3,J. Ren\xe9,G,6-1,180\n");
        const Run r = ::run(home, {"--install-dir", dir, "--tsv", "roster", "Atlanta"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines(), (QStringList{"1\tA. Player\tG\t6-3\t190", "2\tB. C\tF\t6-8\t230",
                                         QStringLiteral("3\tJ. Ren\u00e9\tG\t6-1\t180")}));

        // A missing standings file is an empty view, not a failure.
        const Run standings = ::run(home, {"--install-dir", dir, "--tsv", "standings"});
        QCOMPARE(standings.exitCode, 0);
        QCOMPARE(standings.out, "    NBA Standings   \n");

        // The title is a line of the output like any row.
        writeFileAt(dir + "/Standings.dat", "\"03\t04\",Team,W,L,GB\nA\tB,1,2,3\n");
        QCOMPARE(::run(home, {"--install-dir", dir, "--tsv", "standings"}).out,
                 "   03 04 NBA Standings   \n\t\t\t\t\nA B\t1\t2\t3\t.333\n");
    }

    void startupFailures()
    {
        Run r = ::run(Home(), {"--tsv", "standings"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, "");
        QCOMPARE(r.err.trimmed(), "Hoopdeck does not appear to be installed properly.\n\nPlease run install again.");
        QCOMPARE(::run(Home(), {"settings", "--zone", "4"}).exitCode, 0);  // only the settings are touched

        r = ::run(Home(), {"install", "--from", installed.path("nowhere")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!r.err.isEmpty());

        Home other;
        writeFileAt(other.path("Season.dat"), "10/28/2004 19:00,13,20\n");
        r = run({"--install-dir", other.dir.path(), "season"});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, "");
        QCOMPARE(r.err.trimmed(), "Hoopdeck version does not match schedule.\n\nPlease install the most current version.");
    }

    // Each a line of what is wrong, then the usage and where the help is;
    // never the whole help. Where the problem is left null, only the
    // usage is asserted.
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("usage");
        const QString settings = "settings [--team TEAM] [--zone N] [--server HOST[:PORT]] [--results on|off|upto]";
        for (const auto &[name, arguments] : std::initializer_list<std::pair<const char *, QStringList>>{
                 {"no command, --tsv", {"--tsv"}},
                 {"unknown command", {"scores"}},
                 {"unknown option", {"--colour", "standings"}},
                 {"unknown team", {"team", "Boise"}},
                 {"All-Star Game", {"team", "All-Star Game"}},
                 {"team missing", {"team"}},
                 {"zone 70", {"settings", "--zone", "70"}},
                 {"zone 4x", {"settings", "--zone", "4x"}},
                 {"settings team", {"settings", "--team", "Boise"}},
                 {"sort with standings", {"standings", "--sort", "Wt"}},
                 {"sort column", {"roster", "Boston", "--sort", "Age"}},
                 {"2/30/2004", {"today", "2/30/2004"}},
                 {"not a date", {"today", "tomorrow"}},
                 {"results yes", {"settings", "--results", "yes"}},
                 {"results with team", {"team", "Boston", "--results", "off"}}})
            QTest::newRow(name) << arguments << QString() << QString();
        QTest::newRow("team -1") << QStringList{"team", "-1"} << "unknown team \"-1\"" << "team TEAM [--on DAY]";
        QTest::newRow("team Boise") << QStringList{"--tsv", "team", "Boise"} << "unknown team \"Boise\"" << "team TEAM [--on DAY]";
        QTest::newRow("roster 29") << QStringList{"roster", "29"} << "unknown team \"29\"" << "roster TEAM [--sort COLUMN]...";
        QTest::newRow("team +1") << QStringList{"team", "+1"} << "unknown team \"+1\"" << "team TEAM [--on DAY]";
        QTest::newRow("settings --team -3") << QStringList{"settings", "--team", "-3"} << "unknown team \"-3\"" << settings;
        QTest::newRow("zone -1") << QStringList{"settings", "--zone=-1"} << "\"-1\" is not a time zone 0-69" << settings;
        QTest::newRow("unknown option after the command") << QStringList{"standings", "--colour"}
                                                          << "unknown option --colour" << "standings [--on DAY]";
        QTest::newRow("value missing") << QStringList{"roster", "Boston", "--sort"} << "--sort needs COLUMN"
                                       << "roster TEAM [--sort COLUMN]...";
        QTest::newRow("flag with a value") << QStringList{"--tsv=yes", "season"} << "--tsv takes no value" << "season [--on DAY]";
        QTest::newRow("download twice") << QStringList{"download", "standings", "rosters"}
                                        << "too many arguments for download: \"rosters\""
                                        << "download standings|rosters [--server HOST[:PORT]]";
        QTest::newRow("--on not a day") << QStringList{"standings", "--on", "12/45/2003"}
                                        << "--on takes a date (M/D/YYYY), not \"12/45/2003\"" << "standings [--on DAY]";
        QTest::newRow("--on not a date") << QStringList{"team", "Boston", "--on", "tomorrow"}
                                         << "--on takes a date (M/D/YYYY), not \"tomorrow\"" << "team TEAM [--on DAY]";
        QTest::newRow("--on with today") << QStringList{"today", "--on", "1/1/2004"}
                                         << "--on does not go with today" << "today [DATE]";
        QTest::newRow("--csv with --tsv") << QStringList{"--csv", "team", "Boston", "--tsv"}
                                          << "--csv and --tsv do not go together" << "team TEAM [--on DAY]";
        QTest::newRow("--csv with --tsv, no command") << QStringList{"--tsv", "--csv"}
                                                      << "--csv and --tsv do not go together"
                                                      << "[--install-dir DIR] [--tsv] [--csv] COMMAND [ARGS]";
        QTest::newRow("ics without a team") << QStringList{"ics"} << "ics needs TEAM" << "ics TEAM [--on DAY]";
        QTest::newRow("ics of no team") << QStringList{"ics", "Gotham"} << "unknown team \"Gotham\""
                                        << "ics TEAM [--on DAY]";
        QTest::newRow("no command") << QStringList{} << "no command given"
                                    << "[--install-dir DIR] [--tsv] [--csv] COMMAND [ARGS]";
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        QFETCH(QString, usage);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 64);
        QCOMPARE(r.out, "");
        if (problem.isNull())
            QVERIFY(r.err.contains("Usage:"));
        else
            QCOMPARE(r.err, "hoopdeck-cli: " + problem + "\nUsage: hoopdeck-cli " + usage + "; see hoopdeck-cli --help\n");
    }

    void teamNumbers()
    {
        const QString goldenState = run({"--tsv", "team", "Golden State"}).out;
        QVERIFY(goldenState.count('\n') == 82);
        for (const char *text : {"7", "07", "007", "0000000007", "GOLDEN state"}) {
            const Run r = run({"--tsv", "team", text});
            QCOMPARE(r.exitCode, 0);
            QCOMPARE(r.out, goldenState);
        }
        QCOMPARE(run({"--tsv", "roster", "00"}).out, run({"--tsv", "roster", "Atlanta"}).out);
        QCOMPARE(run({"--tsv", "roster", "028"}).out, run({"--tsv", "roster", "washington"}).out);
        QCOMPARE(run({"--tsv", "settings", "--team", "-0"}).exitCode, 64);  // a sign makes no team number
        QCOMPARE(run({"team", "-0"}).err.section('\n', 0, 0), "hoopdeck-cli: unknown team \"-0\"");
    }

    void helpListsEveryCommand()
    {
        const Run r = ::run(Home(), {"-h"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, "");
        QVERIFY(r.out.contains("Usage:"));
        for (const char *command : {"standings", "season", "today", "team", "ics", "roster", "game", "playoffs",
                                    "settings", "download", "install"})
            QVERIFY2(r.out.contains(QStringLiteral("\n  ") + command + ' '), command);
        for (const char *option : {"--install-dir DIR", "--tsv", "--csv", "--sort COLUMN", "--team TEAM", "--zone N",
                                   "--server HOST[:PORT]", "--results on|off|upto", "--on DAY", "--from DIR",
                                   "--playoffs"})
            QVERIFY2(r.out.contains(QStringLiteral("\n  ") + option), option);
        for (const QStringList &arguments : {QStringList{"--help"}, QStringList{"--help", "standings"}}) {
            const Run same = ::run(Home(), arguments);
            QCOMPARE(same.exitCode, 0);
            QCOMPARE(same.err, "");
            QCOMPARE(same.out, r.out);
        }
    }

    // The README shows the help's commands as they are, so the two cannot drift apart.
    void readmeShowsTheHelp()
    {
        QFile readme(QStringLiteral(HOOPDECK_SOURCE_DIR "/README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(readme.readAll()).split('\n');
        const qsizetype first = lines.indexOf("    hoopdeck-cli [--install-dir DIR] [--tsv] [--csv] COMMAND [ARGS]");
        QVERIFY(first >= 0);
        QStringList shown;
        for (qsizetype i = first + 1; i < lines.size() && !lines.at(i).isEmpty(); ++i)
            shown.append(lines.at(i).mid(4));
        const QString help = ::run(Home(), {"--help"}).out;
        QVERIFY(help.startsWith("Usage: " + lines.at(first).trimmed() + '\n'));
        const QString commands = help.section("\nCommands:\n", 1).section("\n\n", 0, 0);
        QCOMPARE(shown, commands.split('\n'));
    }

    void folderWithoutSeasonIsNamed()
    {
        Home home;
        const QString missing = home.path("no such folder");
        Run r = ::run(home, {"--install-dir", missing, "--tsv", "standings"});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, "");
        QCOMPARE(r.err, "Hoopdeck version does not match schedule.\n\nPlease install the most current version.\n"
                        "There is no folder \"" + missing + "\".\n");

        writeFileAt(home.path("a file"), "10/28/2003 19:00,0,1\n");
        r = ::run(home, {"--install-dir", home.path("a file"), "season"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.endsWith("\n\"" + home.path("a file") + "\" is not a folder.\n"), qPrintable(r.err));

        // A folder named by the settings is told the same way.
        QCOMPARE(::run(home, {"install", "--install-dir", home.path("gone")}).exitCode, 0);
        QVERIFY(QDir(home.path("gone")).removeRecursively());
        r = ::run(home, {"roster", "Boston"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.endsWith("\nThere is no folder \"" + home.path("gone") + "\".\n"), qPrintable(r.err));
        // The settings need no season at all.
        QCOMPARE(::run(home, {"--tsv", "settings", "--zone", "4"}).lines().value(1), "Index\t4\tGMT-8 Pacific US");
    }

    void settingsWithoutASeason()
    {
        Home home;
        Run r = ::run(home, {"--tsv", "settings", "--zone", "4", "--team", "007", "--results", "off"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, "");
        const QStringList expected{"Team\t7\tGolden State", "Index\t4\tGMT-8 Pacific US", "OffSet\t-3", "Server\t127.0.0.1",
                                   "Results\toff"};
        QCOMPARE(r.lines(), expected);
        QCOMPARE(::run(home, {"--tsv", "settings"}).lines(), expected);
        // Installed afterwards, the season is shown with those settings.
        QCOMPARE(::run(home, {"install"}).exitCode, 0);
        QCOMPARE(::run(home, {"--tsv", "season"}).lines().first(), "10/28\tMiami @ Philadelphia\t4:00p\t");
        // A season named on the command line is checked as for any command.
        r = ::run(home, {"--install-dir", home.path("nowhere"), "settings"});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, "");
    }

    // Writers that run at the same moment: each sets one setting to a value
    // of its own in each round, and every round ends with one of that
    // round's values in each setting; no save undoes another's.
    void concurrentWritersLoseNothing_data()
    {
        QTest::addColumn<int>("each");    // writers of each setting
        QTest::addColumn<int>("rounds");
        QTest::newRow("one of each") << 1 << 3;
        QTest::newRow("five of each, twenty at once") << 5 << 3;
    }
    void concurrentWritersLoseNothing()
    {
        QFETCH(int, each);
        QFETCH(int, rounds);
        Home home;
        QCOMPARE(::run(home, {"settings", "--server", "start"}).exitCode, 0);
        for (int round = 0; round < rounds; ++round) {
            QList<ProcessCall> calls;
            QHash<QString, QStringList> written;  // printed row -> the values of this round
            for (int i = 0; i < each; ++i) {
                const int n = round * each + i;
                const QString team = QString::number(n % 29), zone = QString::number(n % 70);
                const QString server = QStringLiteral("host-%1-%2").arg(round).arg(i);
                const QString results = round % 2 ? "on" : "off";
                calls += {{builtProgram("hoopdeck-cli"), {"settings", "--team", team}},
                          {builtProgram("hoopdeck-cli"), {"settings", "--zone", zone}},
                          {builtProgram("hoopdeck-cli"), {"settings", "--server", server}},
                          {builtProgram("hoopdeck-cli"), {"settings", "--results", results}}};
                written["Team"] << team;
                written["Index"] << zone;
                written["Server"] << server;
                written["Results"] << results;
            }
            const QList<ProcessRun> runs = runProcessesTogether(calls, homeSetup(home));
            for (qsizetype i = 0; i < runs.size(); ++i) {
                QVERIFY2(runs.at(i).ended() && runs.at(i).exitCode == 0,
                         qPrintable(calls.at(i).arguments.join(' ') + ": " + runs.at(i).describe()));
            }
            const QHash<QString, QString> now = printedSettings(home);
            for (auto it = written.cbegin(); it != written.cend(); ++it) {
                QVERIFY2(it.value().contains(now.value(it.key())),
                         qPrintable(QStringLiteral("round %1: %2 is %3, not one of %4")
                                        .arg(round).arg(it.key(), now.value(it.key()), it.value().join(' '))));
            }
        }
        QVERIFY(!QFileInfo::exists(settingsFile(home) + ".lock"));
    }

    // A lock file in the settings' folder: one left by a writer that died
    // is taken over, a live holder is named.
    void heldSettings_data()
    {
        QTest::addColumn<QByteArray>("lock");  // "live": held by this test
        QTest::addColumn<int>("exitCode");
        QTest::newRow("empty, left by a writer killed while making it") << QByteArray() << 0;
        QTest::newRow("garbled") << QByteArray("\x01\x02") << 0;
        QTest::newRow("held by a live process") << QByteArray("live") << 5;
    }
    void heldSettings()
    {
        QFETCH(QByteArray, lock);
        QFETCH(int, exitCode);
        Home home;
        QCOMPARE(::run(home, {"settings", "--team", "5"}).exitCode, 0);
        QLockFile holder(settingsFile(home) + ".lock");
        if (lock == "live")
            QVERIFY(holder.tryLock(0));
        else
            writeFileAt(settingsFile(home) + ".lock", lock);
        const Run r = ::run(home, {"settings", "--zone", "4"});
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 0) {
            QCOMPARE(printedSettings(home).value("Index"), "4");
            QCOMPARE(printedSettings(home).value("Team"), "5");
            return;
        }
        QCOMPARE(r.out, "");
        QCOMPARE(r.err, QStringLiteral("Cannot save the settings in %1: settings are locked by process %2.\n")
                            .arg(settingsFile(home)).arg(QCoreApplication::applicationPid()));
        holder.unlock();
        QCOMPARE(printedSettings(home).value("Index"), "11");
    }

    // Something other than a file in the settings file's place: every command
    // goes on with the defaults, and says so; a save is refused.
    void settingsThatAreNoFile_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("a link to a FIFO") << "link to fifo";
        QTest::newRow("a folder") << "folder";
    }
    void settingsThatAreNoFile()
    {
        QFETCH(QString, what);
        Home home;
        const QString path = settingsFile(home);
        const QString node = what.startsWith("link") ? home.path("elsewhere") : path;
        QVERIFY(QDir().mkpath(home.path("config/Morvane")));
        if (what.endsWith("fifo"))
            QCOMPARE(runProcess("mkfifo", {node}).exitCode, 0);
        else
            QVERIFY(QDir().mkpath(node));
        if (node != path)
            QVERIFY(QFile::link(node, path));

        Run r = ::run(home, {"--tsv", "settings"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines(), (QStringList{"Team\t0\tAtlanta", "Index\t11\tGMT-5 Eastern US", "OffSet\t0", "Server\t127.0.0.1",
                                         "Results\ton"}));
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.contains(path), qPrintable(r.err));
        r = ::run(home, {"--install-dir", HOOPDECK_SEASON_DIR, "--tsv", "standings"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines().size(), 34);
        r = ::run(home, {"settings", "--team", "3"});
        QCOMPARE(r.exitCode, 5);
        QVERIFY2(r.err.contains("Cannot save the settings in " + path + ": " + path), qPrintable(r.err));
        QCOMPARE(QFileInfo(path).isSymLink(), node != path);
        QVERIFY(what.endsWith("fifo") ? !QFileInfo(node).isFile() && QFileInfo(node).exists() : QFileInfo(node).isDir());
        // No new file beside it, and no lock left.
        QCOMPARE(QDir(home.path("config/Morvane")).entryList({"Hoopdeck.conf.*"}, QDir::AllEntries | QDir::Hidden | QDir::System),
                 QStringList());
    }

    void failedWrites()
    {
        // Settings that cannot be saved: their folder's place is taken by a file.
        Home home;
        writeFileAt(home.path("config/Morvane"), "not a folder");
        Run r = ::run(home, {"settings", "--zone", "4"});
        QCOMPARE(r.exitCode, 5);
        QCOMPARE(r.out, "");
        QVERIFY2(r.err.startsWith("Cannot save the settings in "), qPrintable(r.err));

        if (!QFileInfo::exists("/dev/full"))
            QSKIP("this machine has no /dev/full");
        ProcessSetup full;
        full.outputFile = "/dev/full";
        for (const QStringList &arguments : {QStringList{"--tsv", "season"}, QStringList{"standings"},
                                             QStringList{"--help"}, QStringList{"settings"}}) {
            r = ::run(installed, arguments, full);
            QVERIFY2(r.exitCode == 74, qPrintable(arguments.join(' ') + ": " + QString::number(r.exitCode)));
            QVERIFY2(r.err.contains("cannot write to standard output"), qPrintable(r.err));
        }
        // A failure of its own keeps the command's code.
        r = ::run(installed, {"--install-dir", home.path("nowhere"), "season"}, full);
        QCOMPARE(r.exitCode, 2);

        // Started without a standard output: said so, and no file the
        // program opens meanwhile (the settings) takes the output's place.
        ProcessSetup closed;
        closed.outputClosed = true;
        for (const QStringList &arguments : {QStringList{"--tsv", "season"}, QStringList{"settings", "--team", "3"}}) {
            r = ::run(installed, arguments, closed);
            QCOMPARE(r.exitCode, 74);
            QCOMPARE(r.err, "hoopdeck-cli: cannot write to standard output: it is closed.\n");
        }
        const QByteArray settings = fileContent(installed.path("config/Morvane/Hoopdeck.conf"));
        QVERIFY2(settings.contains("Team=3") && !settings.contains("Favorite team"), settings.constData());
    }

    void unreadableToday()
    {
        ProcessSetup setup;
        setup.environment.insert("HOOPDECK_TODAY", "31/12/2003");
        const Run r = ::run(installed, {"--tsv", "today"}, setup);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.startsWith("hoopdeck-cli: HOOPDECK_TODAY \"31/12/2003\" is not a date (MM/DD/YYYY); "
                                  "today is the machine's date\n"),
                 qPrintable(r.err));
        // The machine's date, brought into the season as on any start.
        QCOMPARE(r.out, ::run(installed, {"--tsv", "today"}, false).out);
        // A date given on the command line does not need the variable.
        QCOMPARE(::run(installed, {"--tsv", "today", "2/15/2004"}, setup).err, "");
    }

    void controlCharactersNeverReachTheTerminal()
    {
        Home home;
        const QString dir = home.path("season");
        writeFileAt(dir + "/Season.dat", "10/28/2003 19:00,0,1\n");
        writeFileAt(dir + "/Standings.dat", "\"03\x1b]0;title\x07\",Team,W,L,GB\nA\x1b[2J,1,2,3\n");
        writeFileAt(dir + "/Roster.dat", "0,1,A.\x1b[2JPlayer,G,6-3,190\n0,2,B.\x9b" "31m\x7f" "C\x01,F\x1f,6-8,230\n");
        const QString bad = QStringLiteral("\uFFFD");
        const QStringList tsvRoster{"1\tA." + bad + "[2JPlayer\tG\t6-3\t190", "2\tB." + bad + "31m" + bad + "C" + bad + "\tF" + bad + "\t6-8\t230"};
        Run r = ::run(home, {"--install-dir", dir, "--tsv", "roster", "0"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines(), tsvRoster);
        r = ::run(home, {"--install-dir", dir, "roster", "0"});
        QVERIFY2(r.out.contains("A." + bad + "[2JPlayer") && r.out.contains("B." + bad + "31m" + bad + "C" + bad),
                 qPrintable(r.out));

        const QString title = "   03" + bad + "]0;title" + bad + " NBA Standings   ";
        QCOMPARE(::run(home, {"--install-dir", dir, "--tsv", "standings"}).lines().mid(0, 3),
                 (QStringList{title, "\t\t\t\t", "A" + bad + "[2J\t1\t2\t3\t.333"}));
        r = ::run(home, {"--install-dir", dir, "standings"});
        QVERIFY2(r.out.startsWith(title.trimmed() + "\n\n") && r.out.contains("A" + bad + "[2J "), qPrintable(r.out));

        // A server typed with an escape in it is saved as typed, shown harmless.
        QCOMPARE(::run(home, {"--tsv", "settings", "--server", "h\x1b[2Jost"}).lines().value(3), "Server\th" + bad + "[2Jost");
        QCOMPARE(::run(home, {"settings"}).lines().value(3), "Data server:   h" + bad + "[2Jost");

        for (const QStringList &arguments : {QStringList{"--tsv", "roster", "0"}, QStringList{"roster", "0"},
                                             QStringList{"--tsv", "standings"}, QStringList{"standings"}}) {
            const Run shown = ::run(home, QStringList{"--install-dir", dir} + arguments);
            for (QChar c : shown.out) {
                const char16_t u = c.unicode();
                QVERIFY2(u == '\t' || u == '\n' || (u >= 0x20 && u != 0x7f && (u < 0x80 || u > 0x9f)),
                         qPrintable(arguments.join(' ') + ": U+" + QString::number(u, 16)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
