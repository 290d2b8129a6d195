// The standings as they stood on a day, against records counted here from
// Season.dat's scores line by line, and against Standings.dat at the end.

#include <QtTest>

#include <map>

#include "loaded_season.h"
#include "season.h"
#include "season_games.h"
#include "standings.h"
#include "standings_on_day.h"
#include "season_file.h"
#include "division_race.h"
#include "teams.h"
#include "text_fields.h"

using namespace hoopdeck;

namespace {
int day(int month, int dayOfMonth, int year) { return dayNumber(QDate(year, month, dayOfMonth)); }

// What each team's line must say on a day, counted from the file's text.
struct Counted {
    int won = 0, lost = 0, homeWon = 0, homeLost = 0;
    QString results;  // "WWL...", in the file's order
};

std::map<QString, Counted> countedFromTheFile(int onDay)
{
    std::map<QString, Counted> counted;
    for (int team = 0; team < kTeamCount; ++team)
        counted[teamName(team)];
    for (const QByteArray &line : seasonFile("Season.dat").split('\n')) {
        const QList<QByteArray> f = line.trimmed().split(',');
        if (f.size() < 5)
            continue;
        const QDate date = QDate::fromString(QString::fromLatin1(f[0].split(' ').first()), QStringLiteral("M/d/yyyy"));
        if (dayNumber(date) > onDay || f[1].toInt() < 0)
            continue;
        const bool visitorWon = f[3].toInt() > f[4].toInt();
        Counted &visitor = counted[teamName(f[1].toInt())];
        Counted &home = counted[teamName(f[2].toInt())];
        (visitorWon ? visitor.won : visitor.lost)++;
        (visitorWon ? home.lost : home.won)++;
        (visitorWon ? home.homeLost : home.homeWon)++;
        visitor.results += visitorWon ? 'W' : 'L';
        home.results += visitorWon ? 'L' : 'W';
    }
    return counted;
}

QString lastTen(const QString &results)
{
    const QString last = results.right(10);
    return QStringLiteral("%1-%2").arg(last.count('W')).arg(last.count('L'));
}

QString streak(const QString &results)
{
    if (results.isEmpty())
        return QString();
    int run = 0;
    while (run < results.size() && results.at(results.size() - 1 - run) == results.back())
        ++run;
    return results.back() + QString::number(run);
}

struct Season {
    TextTable standings{StandingsCellCount};
    std::vector<SeasonGame> games;
    Season()
    {
        QString label;
        loadStandingsFromBytes(seasonFile("Standings.dat"), standings, label);
        TextTable schedule(ScheduleColumnCount), list(3);
        loadSeasonTables(seasonFile("Season.dat"), {}, schedule, list);
        games = seasonGames(schedule);
    }
};
} // namespace

class StandingsOnDayTest : public QObject {
    Q_OBJECT
    Season season;

private slots:
    void onADay_data()
    {
        QTest::addColumn<int>("onDay");
        QTest::newRow("before the first game") << day(10, 1, 2003);
        QTest::newRow("the first day") << day(10, 28, 2003);
        QTest::newRow("a day without games, Christmas Eve") << day(12, 24, 2003);
        QTest::newRow("the All-Star day") << day(2, 15, 2004);
        QTest::newRow("mid-season") << day(1, 20, 2004);
        QTest::newRow("the last day") << day(4, 14, 2004);
        QTest::newRow("after the season") << day(7, 1, 2004);
    }
    void onADay()
    {
        QFETCH(int, onDay);
        const std::map<QString, Counted> counted = countedFromTheFile(onDay);
        TextTable list;
        FillStandingsOnDay(season.standings, season.games, onDay, list);
        QCOMPARE(list.count(), kStandingsRowCount);
        int leaderWon = 0, leaderLost = 0;
        for (int row = 0; row < list.count(); ++row) {
            const QStringList cells = list.rowCells(row);
            QCOMPARE(cells.size(), int(StandingsDayCellCount));
            if (isDivisionRow(row)) {
                QCOMPARE(cells.join(QString()), QString());
                continue;
            }
            const Counted &team = counted.at(cells.at(StandingsTeam));
            const int won = cells.at(StandingsWins).toInt(), lost = cells.at(StandingsLosses).toInt();
            QCOMPARE(won, team.won);
            QCOMPARE(lost, team.lost);
            QCOMPARE(cells.at(StandingsPct), winningPercentage(team.won, team.lost));
            QCOMPARE(cells.at(StandingsHome), QStringLiteral("%1-%2").arg(team.homeWon).arg(team.homeLost));
            QCOMPARE(cells.at(StandingsRoad),
                     QStringLiteral("%1-%2").arg(team.won - team.homeWon).arg(team.lost - team.homeLost));
            QCOMPARE(cells.at(StandingsLastTen), lastTen(team.results));
            QCOMPARE(cells.at(StandingsStreak), streak(team.results));
            const QStringList div = cells.at(StandingsDivision).split('-'), conf = cells.at(StandingsConference).split('-');
            QVERIFY(div.at(0).toInt() <= conf.at(0).toInt() && conf.at(0).toInt() <= won);
            QVERIFY(div.at(1).toInt() <= conf.at(1).toInt() && conf.at(1).toInt() <= lost);
            if (isDivisionRow(row - 1)) {
                leaderWon = won;
                leaderLost = lost;
                QCOMPARE(cells.at(StandingsBehind), "-");
            } else {
                // Never ahead of the team above on percentage.
                const QStringList above = list.rowCells(row - 1);
                QVERIFY(qint64(won) * std::max(1, above.at(1).toInt() + above.at(2).toInt())
                        <= qint64(above.at(1).toInt()) * std::max(1, won + lost));
                QCOMPARE(cells.at(StandingsBehind), gamesBehindText((leaderWon - won) + (lost - leaderLost)));
            }
        }
    }

    // After the last game the table is Standings.dat's, row for row: the
    // real ties (New Orleans and Milwaukee at 41-41, Golden State and
    // Seattle at 37-45) go to the first of each on their games together.
    void theLastDayIsTheFinalTable()
    {
        TextTable list;
        FillStandingsOnDay(season.standings, season.games, day(4, 14, 2004), list);
        for (int row = 0; row < kStandingsRowCount; ++row) {
            for (int cell = 0; cell < StandingsCellCount; ++cell)
                QCOMPARE(list.cell(row, cell).toString(), season.standings.cell(row, cell).toString());
        }
        QCOMPARE(list.cell(11, StandingsTeam).toString(), "New Orleans");
        QCOMPARE(list.cell(12, StandingsTeam).toString(), "Milwaukee");
        QCOMPARE(list.cell(29, StandingsTeam).toString(), "Golden State");
        QCOMPARE(list.cell(30, StandingsTeam).toString(), "Seattle");
    }

    // Small seasons made up for one rule each, in the Atlantic's first
    // three places (New Jersey 16, Miami 13, New York 18 in the final list;
    // Chicago 2 plays their other games).
    void ties_data()
    {
        QTest::addColumn<QStringList>("games");  // "visitor home visitorPoints homePoints"
        QTest::addColumn<QStringList>("top");    // the first three: "Team GB"
        QTest::newRow("0-0 everywhere: the final list's order")
            << QStringList{} << QStringList{"New Jersey -", "Miami -", "New York -"};
        QTest::newRow("two level, head to head decides")
            << QStringList{"13 16 90 80", "13 16 90 80", "16 13 90 80", "16 2 90 80", "13 18 80 90"}
            << QStringList{"New York -", "Miami 0.5", "New Jersey 0.5"};
        // 2-2 each; among them New Jersey won 2, Miami and New York 1 each;
        // New York's division record (1-1) is better than Miami's (1-2).
        QTest::newRow("three level, wins among them, then division record")
            << QStringList{"16 13 90 80", "16 13 90 80", "18 16 90 80", "13 18 90 80", "13 2 90 80", "16 2 80 90",
                           "18 2 80 90", "18 2 90 80"}
            << QStringList{"New Jersey -", "New York -", "Miami -"};
        QTest::newRow("a team below with the better games behind")
            << QStringList{"13 2 90 80", "13 2 90 80", "13 2 90 80", "16 2 90 80", "16 2 90 80", "16 2 90 80",
                           "16 2 90 80", "16 2 90 80", "2 16 90 80"}
            << QStringList{"Miami -", "New Jersey -0.5", "New York 1.5"};
    }
    void ties()
    {
        QFETCH(QStringList, games);
        QFETCH(QStringList, top);
        QByteArray file;
        for (const QString &game : games) {
            const QStringList g = game.split(' ');
            file += "11/1/2003 19:00," + g.join(',').toLatin1() + "\n";
        }
        TextTable schedule(ScheduleColumnCount), list(3), standings;
        loadSeasonTables(file, {}, schedule, list);
        FillStandingsOnDay(season.standings, seasonGames(schedule), day(11, 1, 2003), standings);
        QStringList shown;
        for (int row = 1; row <= 3; ++row)
            shown << standings.cell(row, StandingsTeam).toString() + ' ' + standings.cell(row, StandingsBehind).toString();
        QCOMPARE(shown, top);
    }

    // The race of each division is the standings on each day read as lines:
    // on every day of the table, every team's record and games behind equal
    // its row of the standings on that day; the spoiler line ends the lines.
    void raceFollowsTheStandingsOnEachDay_data()
    {
        QTest::addColumn<int>("lastShown");  // 0: every result shown
        QTest::newRow("every result") << 0;
        QTest::newRow("up to the All-Star day") << day(2, 15, 2004);
        QTest::newRow("up to the first day") << day(10, 28, 2003);
        QTest::newRow("a line before the season") << day(10, 1, 2003);
    }
    void raceFollowsTheStandingsOnEachDay()
    {
        QFETCH(int, lastShown);
        const SpoilerLine line = lastShown ? SpoilerLine{lastShown} : SpoilerLine{};
        for (int division = 0; division < 4; ++division) {
            const DivisionRace race = divisionRaceOf(season.standings, season.games, division, line);
            QCOMPARE(race.firstDay, day(10, 28, 2003));
            QCOMPARE(race.lastDay, day(4, 14, 2004));
            QCOMPARE(race.shownThrough, lastShown ? std::min(lastShown, race.lastDay) : race.lastDay);
            if (race.shownThrough < race.firstDay) {
                QVERIFY(race.isEmpty());
                continue;
            }
            QCOMPARE(int(race.lines.size()), division == 1 ? 8 : 7);
            for (int onDay : {race.firstDay, day(12, 24, 2003), day(2, 15, 2004), race.shownThrough}) {
                if (onDay > race.shownThrough)
                    continue;
                TextTable list;
                FillStandingsOnDay(season.standings, season.games, onDay, list);
                const size_t at = size_t(onDay - race.firstDay);
                for (const RaceLine &teamLine : race.lines) {
                    QCOMPARE(int(teamLine.halfGamesBehind.size()), race.shownThrough - race.firstDay + 1);
                    int row = 0;
                    while (row < list.count() && list.cell(row, StandingsTeam) != teamName(teamLine.team))
                        ++row;
                    QVERIFY(row < list.count());
                    QCOMPARE(QString::number(teamLine.won[at]), list.cell(row, StandingsWins).toString());
                    QCOMPARE(QString::number(teamLine.lost[at]), list.cell(row, StandingsLosses).toString());
                    QCOMPARE(gamesBehindText(teamLine.halfGamesBehind[at]), list.cell(row, StandingsBehind).toString());
                }
            }
        }
    }

    void gamesBehind_data()
    {
        QTest::addColumn<int>("halfGames");
        QTest::addColumn<QString>("text");
        for (const auto &[half, text] : std::initializer_list<std::pair<int, const char *>>{
                 {0, "-"}, {1, "0.5"}, {2, "1"}, {9, "4.5"}, {10, "5"}, {-1, "-0.5"}, {-4, "-2"}})
            QTest::addRow("%d", half) << half << QString::fromLatin1(text);
    }
    void gamesBehind()
    {
        QFETCH(int, halfGames);
        QFETCH(QString, text);
        QCOMPARE(gamesBehindText(halfGames), text);
    }
};

QTEST_GUILESS_MAIN(StandingsOnDayTest)
#include "tst_standings_on_day.moc"
