// The Team, Roster and Today views: the hidden tables in, the rows a user
// sees out; the roster's header clicks and the day steps.

#include <QtTest>

#include <algorithm>

#include "loaded_season.h"
#include "roster.h"
#include "roster_view.h"
#include "season.h"
#include "table_text.h"
#include "team_schedule_view.h"
#include "viewer.h"

using namespace hoopdeck;

namespace {
const QByteArray kSchedule = "10/28/2003 19:00,1,13\n"  // Boston @ Miami
                             "10/29/2003 19:30,13,1\n"
                             "10/29/2003 20:00,2,3\n"
                             "2/15/2004 20:00,-1,-1\n"
                             "2/16/2004 19:00,1,1\n"    // Boston on both sides: the visitor test comes first
                             "2/17/2004 19:00,x,1\n"    // no digits: Atlanta
                             "2/18/2004 19:00,1,40\n";  // an opponent without a name

const QByteArray kRoster = "0,1,A,G,6-1,180\n"
                           "1,4,B,F,6-8,230\n"
                           "1\n"                        // no jersey number: never listed
                           "1,12,C,G,6-2,190\n"
                           "2,5,D,C,7-0,300\n"
                           "1,9,E,G,6-0,170\n";         // after a higher team: not found

// Ties, mixed letter case and a player with nothing but a number and a name.
const QByteArray kSortRoster = "0,10,Smith,G,6-3,190\n0,4,adams,F,6-9,230\n0,0,Brown,C,7-0,250\n"
                               "0,21,Cole,G,6-3,190\n0,7,Davis\n";

QStringList reversed(QStringList list)
{
    std::reverse(list.begin(), list.end());
    return list;
}
} // namespace

class ViewsTest : public QObject {
    Q_OBJECT
    Viewer viewer;

private slots:
    void init()
    {
        viewer = Viewer();
        loadRosterFromBytes(kSortRoster, viewer.rosterTable);
        viewer.chooseRosterTeam(0);
    }

    void teamSchedule_data()
    {
        QTest::addColumn<int>("team");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("Boston") << 1 << 0 << QStringList{"10/28| @ Miami|7:00p", "10/29| vs Miami|7:30p",
                                                       "02/16| @ Boston|7:00p", "02/17| vs Atlanta|7:00p", "02/18| @ |7:00p"};
        QTest::newRow("Boston, Pacific") << 1 << -3 << QStringList{"10/28| @ Miami|4:00p", "10/29| vs Miami|4:30p",
                                                                 "02/16| @ Boston|4:00p", "02/17| vs Atlanta|4:00p",
                                                                 "02/18| @ |4:00p"};
        QTest::newRow("team of a no-digit cell") << 0 << 0 << QStringList{"02/17| @ Boston|7:00p"};
        QTest::newRow("All-Star Game never listed") << -1 << 0 << QStringList();
        QTest::newRow("no games") << 28 << 0 << QStringList();
    }
    void teamSchedule()
    {
        QFETCH(int, team);
        QFETCH(int, offset);
        QFETCH(QStringList, rows);
        TextTable schedule, season, list;
        loadSeasonTables(kSchedule, {}, schedule, season);
        FillTeamSchedule(seasonGames(schedule), 2, {}, {}, list);  // every fill replaces the rows
        FillTeamSchedule(seasonGames(schedule), team, {offset, 4}, {}, list);
        QCOMPARE(tableLines(list), rows);
    }

    void rosterList_data()
    {
        QTest::addColumn<int>("team");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("first team") << 0 << QStringList{"1|A|G|6-1|180"};
        QTest::newRow("stops at a higher team") << 1 << QStringList{"4|B|F|6-8|230", "12|C|G|6-2|190"};
        QTest::newRow("last team") << 2 << QStringList{"5|D|C|7-0|300"};
        QTest::newRow("no players") << 3 << QStringList();
    }
    void rosterList()
    {
        QFETCH(int, team);
        QFETCH(QStringList, rows);
        loadRosterFromBytes(kRoster, viewer.rosterTable);
        viewer.chooseRosterTeam(team);
        QCOMPARE(tableLines(viewer.rosterList), rows);
    }

    void rosterSortClicks()
    {
        const QStringList ascending{"0", "10", "21", "4", "7"};  // text order, not numbers
        for (const QStringList &order : {ascending, reversed(ascending), ascending, reversed(ascending)}) {
            viewer.clickRosterColumn(ColumnNumber);
            QCOMPARE(column(viewer.rosterList, ColumnNumber), order);
        }
        // Another column starts ascending, whatever the last sort was; letter case aside.
        viewer.clickRosterColumn(ColumnPlayer);
        QCOMPARE(column(viewer.rosterList, ColumnPlayer), (QStringList{"adams", "Brown", "Cole", "Davis", "Smith"}));
        QCOMPARE(tableLines(viewer.rosterList).first(), "4|adams|F|6-9|230");  // the row moves whole

        // So does a change of team.
        viewer.clickRosterColumn(ColumnPlayer);
        viewer.chooseRosterTeam(0);
        viewer.clickRosterColumn(ColumnPlayer);
        QCOMPARE(column(viewer.rosterList, ColumnPlayer).first(), "adams");
    }

    void rosterSortEqualKeysAndEmptyKeys()
    {
        viewer.clickRosterColumn(ColumnWeight);
        // Ties keep the order they had; the empty weight comes first.
        const QStringList ascending{"7|Davis|||", "10|Smith|G|6-3|190", "21|Cole|G|6-3|190", "4|adams|F|6-9|230",
                                    "0|Brown|C|7-0|250"};
        QCOMPARE(tableLines(viewer.rosterList), ascending);
        viewer.clickRosterColumn(ColumnWeight);
        QCOMPARE(tableLines(viewer.rosterList), reversed(ascending));

        // No sort loses a row.
        QStringList all = ascending;
        all.sort();
        for (int c : {ColumnPosition, ColumnHeight, ColumnHeight, ColumnPlayer}) {
            viewer.clickRosterColumn(c);
            QStringList rows = tableLines(viewer.rosterList);
            rows.sort();
            QCOMPARE(rows, all);
        }
        TextTable empty, scratch;
        RosterSort sort;
        OnRosterColumnClick(ColumnWeight, sort, empty, scratch);
        QCOMPARE(empty.count(), 0);
    }

    // One order whether a table holds its cells as Latin-1 or, after one
    // text beyond Latin-1, as UTF-16: the sort a user sees never depends on
    // another player's name.
    void rosterKeysCompareAlikeInEitherForm_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("digits before a micro sign") << "180" << QString::fromLatin1("\xb5" "80") << -1;
        QTest::newRow("A-umlaut before a micro sign") << QString::fromLatin1("\xc4" "180") << QString::fromLatin1("\xb5" "80") << -1;
        QTest::newRow("case is not looked at") << QString::fromLatin1("\xc4" "x") << QString::fromLatin1("\xe4" "X") << 0;
        QTest::newRow("y-diaeresis after z") << QString::fromLatin1("\xff") << "z" << 1;
        QTest::newRow("a prefix first") << "18" << "180" << -1;
        QTest::newRow("10 before 4, as text") << "10" << "4" << -1;
    }
    void rosterKeysCompareAlikeInEitherForm()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        const QByteArray la = a.toLatin1(), lb = b.toLatin1();
        const auto sign = [](int v) { return (v > 0) - (v < 0); };
        QCOMPARE(sign(compareRosterKeys(QLatin1StringView(la), QLatin1StringView(lb))), order);
        QCOMPARE(sign(compareRosterKeys(a, b)), order);
        QCOMPARE(sign(compareRosterKeys(QLatin1StringView(la), b)), order);
        QCOMPARE(sign(compareRosterKeys(b, QLatin1StringView(la))), -order);
    }

    void gamesByDate_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("rows");
        const QDate opening(2003, 10, 28);
        const QStringList none{"No games scheduled.|"};
        QTest::newRow("schedule order") << opening << 0
                                        << QStringList{"Miami @ Philadelphia|7:00p", "Dallas @ L.A. Lakers|10:30p"};
        QTest::newRow("past midnight, same day") << opening << 3
                                                 << QStringList{"Miami @ Philadelphia|10:00p", "Dallas @ L.A. Lakers|1:30a"};
        QTest::newRow("next day") << QDate(2003, 10, 29) << 3 << QStringList{"Boston @ Chicago|10:00p"};
        QTest::newRow("after a misplaced game") << QDate(2003, 10, 30) << 0 << QStringList{"Cleveland @ Dallas|7:00p"};
        QTest::newRow("before the season") << QDate(2003, 10, 27) << 0 << none;
        QTest::newRow("day without games") << QDate(2003, 10, 31) << 0 << none;
        QTest::newRow("All-Star Game") << QDate(2004, 2, 15) << 0 << QStringList{"All-Star Game @ All-Star Game|8:00p"};
        QTest::newRow("after the season") << QDate(2004, 6, 1) << 0 << none;
        QTest::newRow("the day an unreadable date counts as") << QDate(1899, 12, 30) << 0 << none;
    }
    void gamesByDate()
    {
        QFETCH(QDate, day);
        QFETCH(int, offset);
        QFETCH(QStringList, rows);
        TextTable scheduleTable;
        loadSeasonTables("TBD,1,2\n"                // an unreadable date stops nothing
                            "10/28/2003 19:00,13,20\n"
                            "10/28/2003 22:30,4,11\n"
                            "10/29/2003 19:00,1,2\n"
                            "10/28/2003 20:00,5,6\n"   // after a later day's game: never found
                            "10/30/2003 19:00,3,4\n"
                            "2/15/2004 20:00,-1,-1\n",
                            {}, scheduleTable, viewer.seasonList);
        viewer.games = seasonGames(scheduleTable);
        viewer.settings.zoneOffsetHours = offset;
        viewer.chooseDay(dayNumber(QDate(2003, 10, 29)));  // every fill replaces the rows
        viewer.chooseDay(dayNumber(day));
        QCOMPARE(tableLines(viewer.gamesByDateList), rows);
    }

    void daySteps_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("leap February") << QDate(2004, 2, 28) << QList<int>{0, 1, 1, -1, -1}
                                       << QStringList{"02/28/2004", "02/29/2004", "03/01/2004", "02/29/2004", "02/28/2004"};
        QTest::newRow("February") << QDate(2003, 2, 28) << QList<int>{1, -1} << QStringList{"03/01/2003", "02/28/2003"};
        QTest::newRow("year end") << QDate(2003, 12, 31) << QList<int>{1, -1, -1}
                                  << QStringList{"01/01/2004", "12/31/2003", "12/30/2003"};
    }
    void daySteps()
    {
        QFETCH(QDate, start);
        QFETCH(QList<int>, steps);
        QFETCH(QStringList, captions);
        viewer.day.InitSelectedDate(start);
        QStringList seen;
        for (int step : steps) {
            viewer.stepDay(step);
            seen.append(viewer.day.DateCaption);
            QCOMPARE(tableLines(viewer.gamesByDateList), QStringList{"No games scheduled.|"});
        }
        QCOMPARE(seen, captions);
    }

    void todayClock()
    {
        QCOMPARE(startDateFrom(QStringLiteral("2/29/2004")).date, QDate(2004, 2, 29));
        QCOMPARE(startDateFrom(QStringLiteral("not a date")).date, QDate::currentDate());
        QCOMPARE(startDateFrom(QString()).date, QDate::currentDate());
    }

    void userDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("leading zeros") << "02/15/2004" << QDate(2004, 2, 15);
        QTest::newRow("no leading zeros") << "2/5/2004" << QDate(2004, 2, 5);
        QTest::newRow("leap day") << "2/29/2004" << QDate(2004, 2, 29);
        for (const char *bad : {"2/30/2004", "13/1/2004", "2/15/04", "2-15-2004", "2/15/2004x", ""})
            QTest::addRow("invalid '%s'", bad) << bad << QDate();
    }
    void userDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(parseUserDate(text), date);
    }
};

QTEST_APPLESS_MAIN(ViewsTest)
#include "tst_views.moc"
