#include "season.h"

#include "line_reader.h"
#include "teams.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
// Two points fields and an overtime mark follow the schedule's three; one
// field more is read so that a line with too many is seen as such.
constexpr int kFieldsRead = ScheduleCellCount + 4;

// The schedule's fields of a line, then its result fields when they hold a result.
QStringList scheduleRow(const QString &line)
{
    QStringList fields = splitFields(line, QLatin1Char(','), kFieldsRead);
    if (fields.isEmpty())
        return fields;
    if (fields.size() > ScheduleCellCount && parseGameResult(fields.mid(ScheduleCellCount)))
        return fields;
    fields = fields.mid(0, ScheduleCellCount);
    while (fields.size() < ScheduleCellCount)
        fields.append(QString());
    return fields;
}

bool readSeason(LineReader &reader, ZoneShift zone, TextTable &scheduleTable, TextTable &seasonList)
{
    QString line;
    while (reader.readLine(line)) {
        const QStringList fields = scheduleRow(line);
        if (!fields.isEmpty())
            scheduleTable.appendRow(fields);
    }
    // The Season list is built in a pass of its own so that the schedule's
    // cells lie together in memory: every view scans them again and again.
    for (int row = 0; row < scheduleTable.count(); ++row) {
        const QStringList &fields = scheduleTable.row(row);
        const QString &date = fields.at(ScheduleDate);
        if (!hasSeasonListRow(date))
            continue;
        const GameTimeTexts texts = convertGameTime(date, zone);
        QStringList cells{texts.date,
                          gameText(decimalToInt(fields.at(ScheduleVisitor)), decimalToInt(fields.at(ScheduleHome))),
                          texts.time};
        if (const std::optional<GameResult> result = scheduleResult(scheduleTable, row))
            cells.append(scoreText(*result));
        seasonList.appendRow(cells);
    }
    return !reader.error();
}
} // namespace

std::optional<GameResult> scheduleResult(const TextTable &scheduleTable, int row)
{
    const QStringList &cells = scheduleTable.row(row);
    if (cells.size() <= ScheduleCellCount)
        return std::nullopt;
    return parseGameResult(cells.mid(ScheduleCellCount));
}

bool hasResults(const TextTable &scheduleTable)
{
    for (int row = 0; row < scheduleTable.count(); ++row) {
        if (scheduleTable.row(row).size() > ScheduleCellCount)
            return true;
    }
    return false;
}

bool hasSeasonListRow(const QString &date)
{
    return date.size() >= 2;
}

QString gameText(int visitor, int home)
{
    return teamDisplayName(visitor) + QStringLiteral(" @ ") + teamDisplayName(home);
}

bool loadSeason(const QString &path, ZoneShift zone, TextTable &scheduleTable, TextTable &seasonList)
{
    scheduleTable.clear();
    seasonList.clear();
    return readDataFile(path, [&](LineReader &reader) { return readSeason(reader, zone, scheduleTable, seasonList); });
}

bool loadSeasonFromBytes(const QByteArray &bytes, ZoneShift zone, TextTable &scheduleTable,
                         TextTable &seasonList)
{
    scheduleTable.clear();
    seasonList.clear();
    LineReader reader(bytes);
    return readSeason(reader, zone, scheduleTable, seasonList);
}

} // namespace hoopdeck
