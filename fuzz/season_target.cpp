#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "fuzz_check.h"
#include "fuzz_targets.h"
#include "games_by_date_view.h"
#include "season.h"
#include "season_list_view.h"
#include "start_up.h"
#include "team_schedule_view.h"
#include "text_fields.h"

namespace hoopdeck::fuzz {

namespace {
const QRegularExpression &timePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^(|(1[0-2]|[1-9]):[0-5]\\d[ap])$"));
    return pattern;
}

const QRegularExpression &datePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^(|\\d\\d/\\d\\d)$"));
    return pattern;
}

// The input as Season.dat in a folder of its own, so the file path of the
// loader and the start-up check are driven too.
QString writeSeasonFile(const QByteArray &bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Season.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("the season file can be written", path);
    return path;
}

// Rows hold the list's own cells, and after them the result's cells only for
// a game that has a result; no cell holds a line feed.
void expectCells(const TextTable &table, int row, int cells, const char *tableName)
{
    FUZZ_EXPECT(table.rowCells(row).size() == cells,
                QStringLiteral("%1 row %2: %3").arg(QLatin1String(tableName)).arg(row).arg(describeRow(table, row)));
    for (const QString &cell : table.rowCells(row))
        FUZZ_EXPECT(!cell.contains(QLatin1Char('\n')), QStringLiteral("%1 row %2 holds a line feed").arg(QLatin1String(tableName)).arg(row));
}

void expectSeasonList(const TextTable &scheduleTable, const TextTable &seasonList)
{
    int listed = 0;
    for (int row = 0; row < scheduleTable.count(); ++row) {
        const QString date = scheduleTable.rowCells(row).at(ScheduleDate);  // as stored, which is what the loader read
        const std::optional<GameResult> result = scheduleResult(scheduleTable, row);
        const qsizetype written = scheduleTable.rowCells(row).size();
        FUZZ_EXPECT(!result || written == ScheduleCellCount + 2 || written == ScheduleCellCount + 3,
                    describeRow(scheduleTable, row));
        expectCells(scheduleTable, row, result ? int(written) : ScheduleCellCount, "ScheduleTable");
        if (result)
            FUZZ_EXPECT(result->visitorPoints >= 0 && result->homePoints >= 0 && result->visitorPoints != result->homePoints,
                        describeRow(scheduleTable, row));
        FUZZ_EXPECT(!date.isEmpty(), describeRow(scheduleTable, row));
        for (const QString &cell : scheduleTable.rowCells(row))
            FUZZ_EXPECT(!cell.contains(QLatin1Char(',')), describeRow(scheduleTable, row));
        if (date.size() < 2)
            continue;
        FUZZ_EXPECT(listed < seasonList.count(), QStringLiteral("no Season list row for row %1").arg(row));
        const QStringList &cells = seasonList.rowCells(listed);
        expectCells(seasonList, listed, result ? 4 : 3, "Season list");
        FUZZ_EXPECT(!result || cells.at(3) == scoreText(*result), describeRow(seasonList, listed));
        const QDate day = parseGameTime(date).date();
        FUZZ_EXPECT(cells.at(0) == (day.isValid() ? day.toString(QStringLiteral("MM/dd")) : QString()),
                    QStringLiteral("%1 gave %2").arg(date, describeRow(seasonList, listed)));
        FUZZ_EXPECT(cells.at(1).contains(QStringLiteral(" @ ")), describeRow(seasonList, listed));
        FUZZ_EXPECT(timePattern().match(cells.at(2)).hasMatch() && (day.isValid() || cells.at(2).isEmpty()),
                    QStringLiteral("%1 gave %2").arg(date, describeRow(seasonList, listed)));
        ++listed;
    }
    FUZZ_EXPECT(listed == seasonList.count(), QStringLiteral("%1 Season list rows, %2 expected").arg(seasonList.count()).arg(listed));
}

void expectTeamSchedule(const TextTable &scheduleTable, const SeasonGames &seasonGames, int team, ZoneShift zone)
{
    TextTable list;
    FillTeamSchedule(seasonGames, team, zone, {}, list);
    int games = 0;
    for (int row = 0; row < scheduleTable.count(); ++row) {
        const int visitor = decimalToInt(scheduleTable.cell(row, ScheduleVisitor));
        const int home = decimalToInt(scheduleTable.cell(row, ScheduleHome));
        if (visitor >= 0 && (visitor == team || home == team)) {
            if (games < list.count())
                expectCells(list, games, scheduleResult(scheduleTable, row) ? 5 : 3, "team schedule");
            ++games;
        }
    }
    FUZZ_EXPECT(list.count() == games, QStringLiteral("team %1: %2 rows, %3 games").arg(team).arg(list.count()).arg(games));
    for (int row = 0; row < list.count(); ++row) {
        const QStringList &cells = list.rowCells(row);
        FUZZ_EXPECT(datePattern().match(cells.at(0)).hasMatch() && timePattern().match(cells.at(2)).hasMatch()
                        && (cells.at(1).startsWith(QStringLiteral(" @ ")) || cells.at(1).startsWith(QStringLiteral(" vs "))),
                    describeRow(list, row));
    }
}

void expectGamesByDate(const TextTable &scheduleTable, const SeasonGames &seasonGames, int dayNumber, ZoneShift zone)
{
    DaySelection day;
    day.selectDay(dayNumber);
    TextTable list;
    FillGamesByDate(seasonGames, day, zone, {}, list);
    int games = 0;
    for (int row = 0; row < scheduleTable.count(); ++row) {
        const int gameDay = gameDayNumber(scheduleTable.cell(row, ScheduleDate));
        if (gameDay > dayNumber)
            break;
        // Day 0 is what an unreadable date gives: it is never a game's day.
        if (gameDay != dayNumber || gameDay == 0)
            continue;
        if (games < list.count())
            expectCells(list, games, scheduleResult(scheduleTable, row) ? 3 : 2, "games by date");
        ++games;
    }
    if (games == 0) {
        expectCells(list, 0, 2, "games by date");
        FUZZ_EXPECT(list.count() == 1 && list.cell(0, 0) == QLatin1String(kNoGamesText) && list.cell(0, 1).isEmpty(),
                    QStringLiteral("day %1: %2").arg(dayNumber).arg(describeRow(list, 0)));
        return;
    }
    FUZZ_EXPECT(list.count() == games, QStringLiteral("day %1: %2 rows, %3 games").arg(dayNumber).arg(list.count()).arg(games));
    for (int row = 0; row < list.count(); ++row)
        FUZZ_EXPECT(list.cell(row, 0).toString().contains(QStringLiteral(" @ ")) && timePattern().match(list.cell(row, 1).toString()).hasMatch(),
                    describeRow(list, row));
}
} // namespace

int seasonTarget(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Any zone a settings file could hold, picked by the input's length.
    const ZoneShift zone{int(size % 41) - 20, int(size % 73) - 1};

    TextTable scheduleTable, seasonList;
    SeasonGames games;
    const bool complete = loadSeasonFromBytes(bytes, scheduleTable, games);
    FillSeasonList(games, zone, {}, seasonList);
    expectSeasonList(scheduleTable, seasonList);

    // The file is read exactly as the bytes are.
    const QString path = writeSeasonFile(bytes);
    TextTable fileSchedule, fileSeason;
    SeasonGames fileGames;
    const bool fileComplete = loadSeason(path, fileSchedule, fileGames);
    FillSeasonList(fileGames, zone, {}, fileSeason);
    FUZZ_EXPECT(fileComplete == complete && sameRows(fileSchedule, scheduleTable) && sameRows(fileSeason, seasonList),
                QStringLiteral("file: %1 games, bytes: %2 games").arg(fileSchedule.count()).arg(scheduleTable.count()));

    // A season the start-up check accepts begins with a game of a year ending in 03.
    if (CheckScheduleVersion(path)) {
        const QString first = scheduleTable.cell(0, ScheduleDate).toString();
        FUZZ_EXPECT(scheduleTable.count() > 0 && gameDayNumber(first) != 0 && parseGameTime(first).year % 100 == 3,
                    describeRow(scheduleTable, 0));
    }

    QList<int> teams = {0, 28};
    QList<int> days = {0, dayNumber(QDate(2004, 2, 15))};
    if (scheduleTable.count() > 0) {
        teams.append(decimalToInt(scheduleTable.cell(0, ScheduleVisitor)));
        days.append(gameDayNumber(scheduleTable.cell(0, ScheduleDate)));
        days.append(gameDayNumber(scheduleTable.cell(scheduleTable.count() - 1, ScheduleDate)));
    }
    for (int team : teams)
        expectTeamSchedule(scheduleTable, games, team, zone);
    for (int day : days)
        expectGamesByDate(scheduleTable, games, day, zone);
    return 0;
}

} // namespace hoopdeck::fuzz
