#include "season.h"

#include "line_reader.h"
#include "teams.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
bool readSeason(LineReader &reader, ZoneShift zone, TextTable &scheduleTable, TextTable &seasonList)
{
    QString line;
    while (reader.readLine(line)) {
        const QStringList fields = splitRow(line, ScheduleCellCount);
        if (!fields.isEmpty())
            scheduleTable.appendRow(fields);
    }
    // The Season list is built in a pass of its own so that the schedule's
    // cells lie together in memory: every view scans them again and again.
    for (int row = 0; row < scheduleTable.count(); ++row) {
        const QStringList &fields = scheduleTable.row(row);
        const QString &date = fields.at(ScheduleDate);
        if (date.size() < 2)
            continue;
        const GameTimeTexts texts = convertGameTime(date, zone);
        seasonList.appendRow({texts.date,
                              gameText(decimalToInt(fields.at(ScheduleVisitor)), decimalToInt(fields.at(ScheduleHome))),
                              texts.time});
    }
    return !reader.error();
}
} // namespace

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
