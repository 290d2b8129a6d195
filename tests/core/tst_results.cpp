// Final scores: read from the season file after the schedule's fields, shown
// as Score, Result and Record, hidden on request, and kept as a setting.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "loaded_season.h"
#include "season_file.h"
#include "games_by_date_view.h"
#include "settings_choice.h"
#include "settings_file.h"
#include "season.h"
#include "standings.h"
#include "table_text.h"
#include "team_schedule_view.h"
#include "teams.h"
#include "view_columns.h"

using namespace hoopdeck;

namespace {
void loadBytes(const QByteArray &bytes, TextTable &scheduleTable, TextTable &seasonList)
{
    QVERIFY(loadSeasonTables(bytes, {}, scheduleTable, seasonList));
}

// Every number of each game, for comparing two readings of one file.
QStringList gameNumbers(const SeasonGames &games)
{
    QStringList numbers;
    for (const SeasonGame &g : games) {
        QList<int> each{g.time.month, g.time.day, g.time.year, g.time.hour, g.time.minute, g.day, g.visitor, g.home,
                        g.listed};
        if (g.result)
            each << g.result->visitorPoints << g.result->homePoints << g.result->overtimes;
        QStringList texts;
        for (int n : each)
            texts.append(QString::number(n));
        numbers.append(texts.join(' '));
    }
    return numbers;
}
} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    void loader_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("score");  // empty: no result
        QTest::newRow("regulation") << QByteArray("10/28/2003 19:00,13,20,74,89\n") << "74-89";
        QTest::newRow("overtime") << QByteArray("10/29/2003 20:00,19,18,85,83,OT\n") << "85-83 OT";
        QTest::newRow("double overtime") << QByteArray("10/29/2003 20:00,19,18,100,102,2OT\n") << "100-102 2OT";
        QTest::newRow("triple overtime") << QByteArray("2/22/2004 20:30,0,10,121,123,3OT\n") << "121-123 3OT";
        QTest::newRow("CRLF") << QByteArray("10/29/2003 20:00,19,18,85,83,OT\r\n") << "85-83 OT";
        QTest::newRow("CRLF, regulation") << QByteArray("10/28/2003 19:00,13,20,74,89\r\n") << "74-89";
        QTest::newRow("no scores") << QByteArray("10/28/2003 19:00,13,20\n") << "";
        QTest::newRow("one side") << QByteArray("10/28/2003 19:00,13,20,74\n") << "";
        QTest::newRow("negative") << QByteArray("10/28/2003 19:00,13,20,-74,89\n") << "";
        QTest::newRow("sign") << QByteArray("10/28/2003 19:00,13,20,+74,89\n") << "";
        QTest::newRow("letters") << QByteArray("10/28/2003 19:00,13,20,74,8x\n") << "";
        QTest::newRow("blank inside") << QByteArray("10/28/2003 19:00,13,20,74 ,89\n") << "";
        QTest::newRow("a fourth number") << QByteArray("10/28/2003 19:00,13,20,74,89,12\n") << "";
        QTest::newRow("OT alone") << QByteArray("10/28/2003 19:00,13,20,OT\n") << "";
        QTest::newRow("OT in place of points") << QByteArray("10/28/2003 19:00,13,20,74,OT\n") << "";
        QTest::newRow("unknown mark") << QByteArray("10/28/2003 19:00,13,20,85,83,0OT\n") << "";
        QTest::newRow("one field too many") << QByteArray("10/28/2003 19:00,13,20,85,83,OT,x\n") << "";
        QTest::newRow("a tie has no winner") << QByteArray("10/28/2003 19:00,13,20,85,85\n") << "";
        QTest::newRow("beyond 32 bits") << QByteArray("10/28/2003 19:00,13,20,99999999999,1\n") << "";
    }
    void loader()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, score);
        TextTable scheduleTable, seasonList;
        loadBytes(line, scheduleTable, seasonList);
        QCOMPARE(scheduleTable.count(), 1);
        // The schedule's three cells are those of a line without the scores.
        TextTable plainSchedule, plainSeason;
        loadBytes(line.split(',').mid(0, 3).join(','), plainSchedule, plainSeason);
        QCOMPARE(scheduleTable.rowCells(0).mid(0, ScheduleCellCount), plainSchedule.rowCells(0));
        QCOMPARE(seasonList.rowCells(0).mid(0, 3), plainSeason.rowCells(0));
        QCOMPARE(scheduleResult(scheduleTable, 0).has_value(), !score.isEmpty());
        QCOMPARE(hasResults(seasonGames(scheduleTable)), !score.isEmpty());
        QCOMPARE(seasonList.cell(0, 3), score);
        // Without a result, the rows are exactly those of the schedule alone.
        if (score.isEmpty()) {
            QCOMPARE(tableLines(scheduleTable), tableLines(plainSchedule));
            QCOMPARE(tableLines(seasonList), tableLines(plainSeason));
        }
    }

    // The games read without the table are those read with it.
    void gamesAlone_data()
    {
        loader_data();
        QTest::newRow("blank lines, commas only") << QByteArray("\n\r\n,,,\n") << "";
        QTest::newRow("one-character date") << QByteArray("1,13,20,74,89\n") << "";
        QTest::newRow("no line end") << QByteArray("10/28/2003 19:00,13,20,74,89") << "";
        QTest::newRow("NUL cuts the line") << QByteArray("10/28/2003 19:00,13,20\0,74,89\n", 30) << "";
        QTest::newRow("teams out of range") << QByteArray("2/30/2004 25:70,99999999999,-5\n") << "";
    }
    void gamesAlone()
    {
        QFETCH(QByteArray, line);
        TextTable scheduleTable;
        SeasonGames withTable, alone;
        QVERIFY(loadSeasonFromBytes(line, scheduleTable, withTable));
        QVERIFY(loadSeasonGamesFromBytes(line, alone));
        QCOMPARE(gameNumbers(alone), gameNumbers(withTable));
    }

    void bundledSeasonHasEveryResult()
    {
        TextTable scheduleTable, seasonList;
        loadBytes(seasonFile("Season.dat"), scheduleTable, seasonList);
        QCOMPARE(scheduleTable.count(), 1190);
        int withResult = 0, overtime = 0;
        for (int row = 0; row < scheduleTable.count(); ++row) {
            const std::optional<GameResult> result = scheduleResult(scheduleTable, row);
            withResult += result.has_value();
            overtime += result && result->overtimes > 0;
        }
        QCOMPARE(withResult, 1189);  // all but the All-Star Game
        QCOMPARE(overtime, 71);
        QCOMPARE(seasonList.rowCells(0), (QStringList{"10/28", "Miami @ Philadelphia", "7:00p", "74-89"}));
    }

    void teamResultAndRecord()
    {
        const QByteArray schedule = "10/28/2003 19:00,1,13,89,74\n"      // Boston wins away
                                    "10/29/2003 19:30,13,1,85,83,OT\n"   // Boston loses at home
                                    "10/30/2003 19:30,2,1\n"             // not yet played
                                    "2/15/2004 20:00,-1,-1\n"
                                    "10/31/2003 19:30,1,2,90,100,2OT\n"  // Boston loses away
                                    "11/01/2003 19:30,2,1,70,71\n";      // Boston wins at home
        TextTable scheduleTable, seasonList, boston, miami;
        loadBytes(schedule, scheduleTable, seasonList);
        FillTeamSchedule(seasonGames(scheduleTable), 1, {}, {}, boston);
        QCOMPARE(tableLines(boston), (QStringList{"10/28| @ Miami|7:00p|W 89-74|1-0",
                                                  "10/29| vs Miami|7:30p|L 83-85 OT|1-1",
                                                  "10/30| vs Chicago|7:30p",
                                                  "10/31| @ Chicago|7:30p|L 90-100 2OT|1-2",
                                                  "11/01| vs Chicago|7:30p|W 71-70|2-2"}));
        FillTeamSchedule(seasonGames(scheduleTable), 13, {}, {}, miami);
        QCOMPARE(column(miami, 3), (QStringList{"L 74-89", "W 85-83 OT"}));
        QCOMPARE(column(miami, 4), (QStringList{"0-1", "1-1"}));
    }

    void lastRecordOfEveryTeamIsItsStanding()
    {
        TextTable scheduleTable, seasonList, standings;
        loadBytes(seasonFile("Season.dat"), scheduleTable, seasonList);
        QString label;
        QVERIFY(loadStandingsFromBytes(seasonFile("Standings.dat"), standings, label));
        QMap<QString, QString> standing;
        for (int row = 0; row < standings.count(); ++row) {
            if (!standings.cell(row, 0).isEmpty())
                standing.insert(standings.cell(row, 0).toString(), standings.cell(row, 1).toString() + '-' + standings.cell(row, 2).toString());
        }
        QCOMPARE(standing.size(), kTeamCount);
        for (int team = 0; team < kTeamCount; ++team) {
            TextTable list;
            FillTeamSchedule(seasonGames(scheduleTable), team, {}, {}, list);
            QCOMPARE(list.count(), 82);
            QCOMPARE(list.cell(list.count() - 1, 4), standing.value(teamDisplayName(team)));
        }
    }

    void scoreOfTheDay()
    {
        TextTable scheduleTable, seasonList, list;
        loadBytes("10/29/2003 19:30,13,1,85,83,OT\n10/29/2003 20:00,2,3\n", scheduleTable, seasonList);
        DaySelection day;
        day.InitSelectedDate(QDate(2003, 10, 29));
        FillGamesByDate(seasonGames(scheduleTable), day, {}, {}, list);
        QCOMPARE(tableLines(list), (QStringList{"Miami @ Boston|7:30p|85-83 OT", "Chicago @ Cleveland|8:00p"}));
        day.stepDays(1);
        FillGamesByDate(seasonGames(scheduleTable), day, {}, {}, list);
        QCOMPARE(tableLines(list), (QStringList{"No games scheduled.|"}));
    }

    void hiddenResultsKeepTheOtherCells()
    {
        TextTable scheduleTable, seasonList, team;
        loadBytes("10/28/2003 19:00,1,13,89,74\n10/30/2003 19:30,2,1\n", scheduleTable, seasonList);
        FillTeamSchedule(seasonGames(scheduleTable), 1, {}, {}, team);
        clearResultCells(team, teamScheduleColumns());
        QCOMPARE(tableLines(team), (QStringList{"10/28| @ Miami|7:00p||", "10/30| vs Chicago|7:30p"}));
        clearResultCells(seasonList, seasonColumns());
        QCOMPARE(tableLines(seasonList), (QStringList{"10/28|Boston @ Miami|7:00p|", "10/30|Chicago @ Boston|7:30p"}));
    }

    // Each word is stored as a number that an earlier release reads (1 and 2
    // as shown, 0 as hidden) and reads back as chosen.
    void resultsSettingReadsBack_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("off") << "off" << "0" << int(ResultsShown::None);
        QTest::newRow("upto") << "upto" << "2" << int(ResultsShown::UpToDay);
        QTest::newRow("on") << "on" << "1" << int(ResultsShown::All);
    }
    void resultsSettingReadsBack()
    {
        QFETCH(QString, word);
        QFETCH(QString, stored);
        QFETCH(int, shown);
        QTemporaryDir dir;
        const QString path = dir.filePath("Hoopdeck.conf");
        const auto read = [](const SettingsStore &store) {
            Settings settings;
            LoadSettings(store, settings);
            return int(settings.results);
        };
        SettingsFile store(path);
        QCOMPARE(read(store), int(ResultsShown::All));  // shown until the user hides them
        Settings settings;
        SettingsChoice choice;
        QCOMPARE(choice.choose(settingRow(SettingId::Results), word), QString());
        QVERIFY(saveChoice(store, settings, choice));
        QCOMPARE(SettingsFile(path).value("Results"), stored);
        QCOMPARE(read(SettingsFile(path)), shown);
    }

    // Written by hand or by an earlier release: a number counts by its value,
    // a text without digits hides the results.
    void resultsSettingFromOtherWriters_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("no digits") << QByteArray("yes") << int(ResultsShown::None);
        QTest::newRow("another number") << QByteArray("7") << int(ResultsShown::All);
        QTest::newRow("the line") << QByteArray("2") << int(ResultsShown::UpToDay);
    }
    void resultsSettingFromOtherWriters()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, shown);
        QTemporaryDir dir;
        const QString path = dir.filePath("Hoopdeck.conf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[General]\nResults=" + stored + "\n") > 0);
        file.close();
        Settings settings;
        LoadSettings(SettingsFile(path), settings);
        QCOMPARE(int(settings.results), shown);
    }
};

QTEST_APPLESS_MAIN(ResultsTest)
#include "tst_results.moc"
