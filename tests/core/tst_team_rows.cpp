// The rows that concern one team, where the lists reach a day, and the days
// the calendars mark.

#include <QtTest>

#include "loaded_season.h"
#include "game_time.h"
#include "season.h"
#include "team_rows.h"
#include "team_schedule_view.h"

using namespace hoopdeck;

namespace {
const QByteArray kSchedule = "x,1,2\n"                      // no Season list row, no day
                             "10/28/2003 19:00,1,13\n"      // Boston @ Miami
                             "10/28/2003 20:00,11,12\n"     // L.A. Lakers @ Memphis
                             "2/15/2004 20:00,-1,-1\n"      // the All-Star Game: nobody's game
                             "13/45/2003 19:00,1,2\n"       // an unreadable date
                             "2/17/2004 19:00,13,1,90,80\n" // Miami @ Boston
                             "2/19/2004 19:00,10,11\n";     // L.A. Clippers @ L.A. Lakers

int day(int year, int month, int dayOfMonth)
{
    return dayNumber(QDate(year, month, dayOfMonth));
}
} // namespace

class TeamRowsTest : public QObject {
    Q_OBJECT
    TextTable scheduleTable, seasonList;

private slots:
    void initTestCase() { QVERIFY(loadSeasonTables(kSchedule, {}, scheduleTable, seasonList)); }

    void gameOfATeam_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("team");
        QTest::addColumn<bool>("has");
        QTest::newRow("visitor") << "L.A. Lakers @ Memphis" << 11 << true;
        QTest::newRow("home") << "L.A. Clippers @ L.A. Lakers" << 11 << true;
        QTest::newRow("a name that begins the same") << "L.A. Clippers @ Utah" << 11 << false;
        QTest::newRow("a name inside another") << "New Jersey @ Boston" << 19 << false;  // New York
        QTest::newRow("no games") << "No games scheduled." << 0 << false;
        QTest::newRow("All-Star Game") << "All-Star Game @ All-Star Game" << -1 << false;
        QTest::newRow("no team") << " @ " << 29 << false;
        QTest::newRow("home, a playoff game") << "L.A. Lakers @ Detroit (Finals, game 5)" << 6 << true;
        QTest::newRow("visitor, a playoff game") << "L.A. Lakers @ Detroit (Finals, game 5)" << 11 << true;
        QTest::newRow("neither, a playoff game") << "L.A. Lakers @ Detroit (Finals, game 5)" << 10 << false;
    }
    void gameOfATeam()
    {
        QFETCH(QString, game);
        QFETCH(int, team);
        QFETCH(bool, has);
        QCOMPARE(gameHasTeam(game, team), has);
    }

    void standingsRow()
    {
        QVERIFY(standingsRowIs("L.A. Lakers", 11));
        QVERIFY(!standingsRowIs("L.A. Lakers", 10));
        QVERIFY(!standingsRowIs("", 0));  // the blank rows between divisions
        QVERIFY(!standingsRowIs("All-Star Game", -1));
    }

    void rowsOnOrAfter()
    {
        // The Season list skips the one-character date; the unreadable one is listed but is no day.
        QCOMPARE(seasonList.count(), 6);
        QCOMPARE(seasonRowOnOrAfter(seasonGames(scheduleTable), day(2003, 10, 1)), 0);
        QCOMPARE(seasonRowOnOrAfter(seasonGames(scheduleTable), day(2003, 10, 28)), 0);
        QCOMPARE(seasonRowOnOrAfter(seasonGames(scheduleTable), day(2003, 10, 29)), 2);
        QCOMPARE(seasonRowOnOrAfter(seasonGames(scheduleTable), day(2004, 2, 16)), 4);
        QCOMPARE(seasonList.cell(4, 0), "02/17");
        QCOMPARE(seasonRowOnOrAfter(seasonGames(scheduleTable), day(2004, 2, 20)), -1);

        TextTable boston;
        FillTeamSchedule(seasonGames(scheduleTable), 1, {}, {}, boston);
        // Boston's list holds the rows without a readable day too; they are never "on or after".
        QCOMPARE(boston.count(), 4);
        const SeasonGames games = seasonGames(scheduleTable);
        const auto teamRowOnOrAfter = [&games](int team, int dayNumber) {
            TeamScheduleRows rows;
            rows.fill(games, team, {}, {});
            return rows.rowOnOrAfter(dayNumber);
        };
        QCOMPARE(teamRowOnOrAfter(1, day(2003, 10, 28)), 1);
        QCOMPARE(teamRowOnOrAfter(1, day(2003, 11, 1)), 3);
        QCOMPARE(boston.cell(3, 0), "02/17");
        QCOMPARE(teamRowOnOrAfter(1, day(2004, 2, 18)), -1);
        QCOMPARE(teamRowOnOrAfter(11, day(2004, 2, 18)), 1);
    }

    void markedDays()
    {
        QCOMPARE(gameDays(seasonGames(scheduleTable)),
                 (QList<int>{day(2003, 10, 28), day(2004, 2, 15), day(2004, 2, 17), day(2004, 2, 19)}));
        QCOMPARE(gameDays(seasonGames(scheduleTable), 11), (QList<int>{day(2003, 10, 28), day(2004, 2, 19)}));
        QCOMPARE(gameDays(seasonGames(scheduleTable), 13), (QList<int>{day(2003, 10, 28), day(2004, 2, 17)}));
        QCOMPARE(gameDays(seasonGames(scheduleTable), 20), QList<int>());
    }
};

QTEST_APPLESS_MAIN(TeamRowsTest)
#include "tst_team_rows.moc"
