#include "season.h"

#include "line_reader.h"
#include "teams.h"
#include "text_fields.h"
#include "utf16_text.h"

#include <algorithm>

namespace hoopdeck {

namespace {
// Two points fields and an overtime mark follow the schedule's three; one
// field more is read so that a line with too many is seen as such.
constexpr int kFieldsRead = ScheduleCellCount + 4;

// Season.dat lines are about 28 characters: room for the tables from the
// file's size, so that they grow without copying themselves.
constexpr qint64 kBytesPerGame = 28;
// A file can claim any size (a sparse one, or one of blank lines): beyond
// this the tables grow as rows come.
constexpr qint64 kMostBytesReserved = 64 * 1024 * 1024;

// seasonList is null for a reader that wants the schedule alone.
bool readSeason(LineReader &reader, ZoneShift zone, TextTable &scheduleTable, TextTable *seasonList)
{
    if (const qint64 size = std::min(reader.sizeHint(), kMostBytesReserved); size > 0) {
        const qint64 games = size / kBytesPerGame + 1;
        scheduleTable.reserve(games, size);
        if (seasonList)
            seasonList->reserve(games, games * 36);
    }
    QString line;
    QString game;  // reused, so that a row costs no allocation
    QStringView fields[kFieldsRead];
    while (reader.readLine(line)) {
        int count = splitFieldViews(line, QLatin1Char(','), kFieldsRead, fields);
        if (count == 0)
            continue;
        // The fields a short line lacks are empty, not the last line's; the
        // Season list is made from what the table keeps, so that it reads the
        // date and score exactly as Today and Team do.
        std::fill(fields + count, fields + kFieldsRead, QStringView());
        for (int i = 0; i < count; ++i)
            fields[i] = fields[i].first(std::min<qsizetype>(fields[i].size(), TextTable::kCellReadLimit));
        const std::optional<GameResult> result =
            count > ScheduleCellCount ? parseGameResult(fields + ScheduleCellCount, count - ScheduleCellCount)
                                      : std::nullopt;
        if (!result)
            count = std::min(count, int(ScheduleCellCount));
        const QStringView date = fields[ScheduleDate];
        const QAnyStringView cells[ScheduleColumnCount] = {fields[0], fields[1], fields[2],
                                                           fields[3], fields[4], fields[5]};
        scheduleTable.appendRow(cells, std::max(count, int(ScheduleCellCount)));
        if (!seasonList || !hasSeasonListRow(date))
            continue;
        const GameClockTexts texts = gameClockTexts(date, zone);
        game.resize(0);
        appendGameText(game, decimalToInt(fields[ScheduleVisitor]), decimalToInt(fields[ScheduleHome]));
        if (result) {
            const ScoreChars score = scoreChars(*result);
            seasonList->appendRow({texts.dateText(), game, texts.timeText(), score.view()});
        } else {
            seasonList->appendRow({texts.dateText(), game, texts.timeText()});
        }
    }
    return !reader.error();
}
} // namespace

std::optional<GameResult> scheduleResult(const TextTable &scheduleTable, int row)
{
    const int count = scheduleTable.cellCount(row) - ScheduleCellCount;
    if (count <= 0)
        return std::nullopt;
    const Utf16Text visitor(scheduleTable.cell(row, ScheduleCellCount));
    const Utf16Text home(scheduleTable.cell(row, ScheduleCellCount + 1));
    const Utf16Text overtime(scheduleTable.cell(row, ScheduleCellCount + 2));
    const QStringView fields[] = {visitor, home, overtime};
    return parseGameResult(fields, count);
}

bool hasResults(const TextTable &scheduleTable)
{
    for (int row = 0; row < scheduleTable.count(); ++row) {
        if (scheduleTable.cellCount(row) > ScheduleCellCount)
            return true;
    }
    return false;
}

bool hasSeasonListRow(QAnyStringView date)
{
    return date.size() >= 2;
}

void appendGameText(QString &out, int visitor, int home)
{
    out.append(teamDisplayName(visitor));
    out.append(QLatin1StringView(" @ "));
    out.append(teamDisplayName(home));
}

QString gameText(int visitor, int home)
{
    QString text;
    appendGameText(text, visitor, home);
    return text;
}

bool loadSeason(const QString &path, ZoneShift zone, TextTable &scheduleTable, TextTable &seasonList)
{
    scheduleTable.clear();
    seasonList.clear();
    return readDataFile(path, [&](LineReader &reader) { return readSeason(reader, zone, scheduleTable, &seasonList); });
}

bool loadSchedule(const QString &path, TextTable &scheduleTable)
{
    scheduleTable.clear();
    return readDataFile(path, [&](LineReader &reader) { return readSeason(reader, {}, scheduleTable, nullptr); });
}

bool loadSeasonFromBytes(const QByteArray &bytes, ZoneShift zone, TextTable &scheduleTable,
                         TextTable &seasonList)
{
    scheduleTable.clear();
    seasonList.clear();
    LineReader reader(bytes);
    return readSeason(reader, zone, scheduleTable, &seasonList);
}

} // namespace hoopdeck
