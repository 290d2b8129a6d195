// The day the Today list opens on when the machine's date lies outside the
// season: the same month and day in the season's years.

#include <QtTest>

#include "loaded_season.h"
#include "season_file.h"
#include "game_time.h"
#include "season.h"
#include "playoff_games.h"
#include "season_day.h"
#include "viewer.h"

using namespace hoopdeck;

namespace {
// The bundled season: first game day 10/28/2003, last 4/14/2004.
const TextTable &bundledSchedule()
{
    static TextTable scheduleTable;
    if (scheduleTable.count() == 0) {
        TextTable seasonList;
        loadSeasonTables(seasonFile("Season.dat"), {}, scheduleTable, seasonList);
    }
    return scheduleTable;
}
} // namespace

class SeasonDayTest : public QObject {
    Q_OBJECT
private slots:
    void mapped_data()
    {
        QTest::addColumn<QDate>("machine");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QString>("note");
        const QString thisDay = "this day in the 2003-04 season";
        const QString firstDay = "the first game day of the 2003-04 season";
        const QString lastDay = "the last game day of the 2003-04 season";
        // One date in every month of the year, from a year after the season.
        QTest::newRow("January") << QDate(2026, 1, 10) << QDate(2004, 1, 10) << thisDay;
        QTest::newRow("February") << QDate(2026, 2, 3) << QDate(2004, 2, 3) << thisDay;
        QTest::newRow("March") << QDate(2026, 3, 31) << QDate(2004, 3, 31) << thisDay;
        QTest::newRow("April, inside") << QDate(2026, 4, 14) << QDate(2004, 4, 14) << thisDay;
        QTest::newRow("April, after the last day") << QDate(2026, 4, 15) << QDate(2004, 4, 14) << lastDay;
        QTest::newRow("May") << QDate(2026, 5, 20) << QDate(2004, 4, 14) << lastDay;
        QTest::newRow("June") << QDate(2026, 6, 30) << QDate(2004, 4, 14) << lastDay;
        QTest::newRow("July") << QDate(2026, 7, 1) << QDate(2003, 10, 28) << firstDay;
        QTest::newRow("August") << QDate(2026, 8, 15) << QDate(2003, 10, 28) << firstDay;
        QTest::newRow("September") << QDate(2026, 9, 30) << QDate(2003, 10, 28) << firstDay;
        QTest::newRow("October, before the first day") << QDate(2026, 10, 27) << QDate(2003, 10, 28) << firstDay;
        QTest::newRow("October, the first day") << QDate(2026, 10, 28) << QDate(2003, 10, 28) << thisDay;
        QTest::newRow("November") << QDate(2026, 11, 5) << QDate(2003, 11, 5) << thisDay;
        QTest::newRow("December, no games that day") << QDate(2026, 12, 24) << QDate(2003, 12, 24) << thisDay;
        QTest::newRow("December 31") << QDate(2026, 12, 31) << QDate(2003, 12, 31) << thisDay;
        // A date before the season maps the same way.
        QTest::newRow("before the season") << QDate(1999, 3, 1) << QDate(2004, 3, 1) << thisDay;
        // 2004 has a 29 February; a leap day from any year keeps it.
        QTest::newRow("leap day") << QDate(2028, 2, 29) << QDate(2004, 2, 29) << thisDay;
        QTest::newRow("28 February") << QDate(2027, 2, 28) << QDate(2004, 2, 28) << thisDay;
        // Inside the season the date is kept, with or without games.
        QTest::newRow("inside, a game day") << QDate(2004, 2, 10) << QDate(2004, 2, 10) << "";
        QTest::newRow("inside, no games") << QDate(2003, 12, 24) << QDate(2003, 12, 24) << "";
        QTest::newRow("inside, first day") << QDate(2003, 10, 28) << QDate(2003, 10, 28) << "";
        QTest::newRow("inside, last day") << QDate(2004, 4, 14) << QDate(2004, 4, 14) << "";
        QTest::newRow("the day before the first") << QDate(2003, 10, 27) << QDate(2003, 10, 28) << firstDay;
        QTest::newRow("the day after the last") << QDate(2004, 4, 15) << QDate(2004, 4, 14) << lastDay;
    }
    void mapped()
    {
        QFETCH(QDate, machine);
        QFETCH(QDate, shown);
        QFETCH(QString, note);
        const SeasonDay day = seasonDayFor(seasonGames(bundledSchedule()), machine);
        QCOMPARE(dateOfDayNumber(day.dayNumber), shown);
        QCOMPARE(day.note, note);
        QCOMPARE(day.moved(), !note.isEmpty());
    }

    void leapDayOfASeasonWithout()
    {
        // A season of 2004-05: its February has 28 days.
        TextTable scheduleTable, seasonList;
        loadSeasonTables("11/02/2004 19:00,1,2\n4/20/2005 19:00,2,1\n", {}, scheduleTable, seasonList);
        const SeasonDay day = seasonDayFor(seasonGames(scheduleTable), QDate(2024, 2, 29));
        QCOMPARE(dateOfDayNumber(day.dayNumber), QDate(2005, 2, 28));
        QCOMPARE(day.note, "this day in the 2004-05 season");
    }

    void noReadableGameDay()
    {
        TextTable scheduleTable, seasonList;
        loadSeasonTables("13/45/2003 19:00,1,2\n", {}, scheduleTable, seasonList);
        const SeasonDay day = seasonDayFor(seasonGames(scheduleTable), QDate(2026, 12, 8));
        QCOMPARE(dateOfDayNumber(day.dayNumber), QDate(2026, 12, 8));
        QVERIFY(!day.moved());
    }

    void fixedTodayIsKept_data()
    {
        QTest::addColumn<QByteArray>("fixed");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("inside the season") << QByteArray("02/15/2004") << QDate(2004, 2, 15);
        QTest::newRow("outside the season") << QByteArray("07/04/2004") << QDate(2004, 7, 4);
    }
    void fixedTodayIsKept()
    {
        QFETCH(QByteArray, fixed);
        QFETCH(QDate, shown);
        const StartDate start = startDateFrom(QString::fromLatin1(fixed));
        Viewer viewer;
        viewer.games = seasonGames(bundledSchedule());
        viewer.day.InitSelectedDate(start.date);
        viewer.startInSeason(start);
        QCOMPARE(dateOfDayNumber(viewer.day.SelectedDate), shown);
        QVERIFY(viewer.dayNote.isEmpty());
    }

    // The playoffs are days of the season: a date after them ends on the
    // Finals' last game, one among them is kept; without the playoffs, the
    // regular season's last day is the last.
    void thisDayReachesIntoThePlayoffs_data()
    {
        QTest::addColumn<QDate>("machine");
        QTest::addColumn<bool>("withPlayoffs");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("note");
        const QString last = "the last game day of the 2003-04 season", same = "this day in the 2003-04 season";
        QTest::newRow("June, with the playoffs") << QDate(2026, 6, 20) << true << "06/15/2004" << last;
        QTest::newRow("June, without them") << QDate(2026, 6, 20) << false << "04/14/2004" << last;
        QTest::newRow("May, with the playoffs") << QDate(2026, 5, 10) << true << "05/10/2004" << same;
        QTest::newRow("May, without them") << QDate(2026, 5, 10) << false << "04/14/2004" << last;
    }
    void thisDayReachesIntoThePlayoffs()
    {
        QFETCH(QDate, machine);
        QFETCH(bool, withPlayoffs);
        QFETCH(QString, caption);
        QFETCH(QString, note);
        const StartDate start = startDateFrom(QString(), machine);
        Viewer viewer;
        viewer.games = seasonGames(bundledSchedule());
        if (withPlayoffs)
            QVERIFY(loadPlayoffsFromBytes(seasonFile("Playoffs.dat"), viewer.playoffGames));
        viewer.day.InitSelectedDate(start.date);
        viewer.startInSeason(start);
        QCOMPARE(viewer.day.DateCaption, caption);
        QCOMPARE(viewer.dayNote, note);
    }

    void machineDateOutsideMoves()
    {
        const StartDate machine = startDateFrom(QString(), QDate(2026, 12, 8));
        QVERIFY(!machine.fixed);
        Viewer viewer;
        viewer.games = seasonGames(bundledSchedule());
        viewer.day.InitSelectedDate(machine.date);
        viewer.startInSeason(machine);
        QCOMPARE(viewer.day.DateCaption, "12/08/2003");
        QCOMPARE(viewer.dayNote, "this day in the 2003-04 season");

        // A day the user has chosen already is left alone.
        Viewer stepped;
        stepped.games = seasonGames(bundledSchedule());
        stepped.day.InitSelectedDate(machine.date);
        stepped.day.stepDays(1);
        stepped.startInSeason(machine);
        QCOMPARE(stepped.day.DateCaption, "12/09/2026");
        QVERIFY(stepped.dayNote.isEmpty());
    }
};

QTEST_APPLESS_MAIN(SeasonDayTest)
#include "tst_season_day.moc"
