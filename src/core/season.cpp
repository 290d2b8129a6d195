#include "season.h"

#include "line_reader.h"
#include "season_games.h"
#include "teams.h"
#include "text_fields.h"
#include "utf16_text.h"

#include <algorithm>
#include <cstring>

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

// scheduleTable may be null: the games alone, for a reader that shows no
// cell as written.
bool readSeason(LineReader &reader, TextTable *scheduleTable, SeasonGames &games)
{
    if (const qint64 size = std::min(reader.sizeHint(), kMostBytesReserved); size > 0) {
        const qint64 count = size / kBytesPerGame + 1;
        if (scheduleTable)
            scheduleTable->reserve(count, size);
        games.reserve(size_t(count));
    }
    QString line;
    QStringView fields[kFieldsRead];
    while (reader.readLine(line)) {
        int count = splitFieldViews(line, QLatin1Char(','), kFieldsRead, fields);
        if (count == 0)
            continue;
        // The fields a short line lacks are empty, not the last line's; the
        // game is made from what the table keeps, so that it reads the date
        // and score exactly as the table's own cells.
        std::fill(fields + count, fields + kFieldsRead, QStringView());
        for (int i = 0; i < count; ++i)
            fields[i] = fields[i].first(std::min<qsizetype>(fields[i].size(), TextTable::kCellReadLimit));
        const std::optional<GameResult> result =
            count > ScheduleCellCount ? parseGameResult(fields + ScheduleCellCount, count - ScheduleCellCount)
                                      : std::nullopt;
        if (!result)
            count = std::min(count, int(ScheduleCellCount));
        if (scheduleTable) {
            const QAnyStringView cells[ScheduleColumnCount] = {fields[0], fields[1], fields[2],
                                                               fields[3], fields[4], fields[5]};
            scheduleTable->appendRow(cells, std::max(count, int(ScheduleCellCount)));
        }
        games.push_back(seasonGame(fields[ScheduleDate], fields[ScheduleVisitor], fields[ScheduleHome], result));
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

bool hasSeasonListRow(QAnyStringView date)
{
    return date.size() >= 2;
}

GameChars gameChars(int visitor, int home)
{
    GameChars out;
    const auto add = [&out](QLatin1StringView text) {
        const qsizetype room = qsizetype(sizeof out.text) - out.length;
        const qsizetype n = std::min(text.size(), room);
        std::memcpy(out.text + out.length, text.data(), size_t(n));
        out.length = quint8(out.length + n);
    };
    add(teamNameText(visitor));
    add(QLatin1StringView(" @ "));
    add(teamNameText(home));
    return out;
}

QString gameText(int visitor, int home)
{
    return QString(gameChars(visitor, home).view());
}

bool loadSeason(const QString &path, TextTable &scheduleTable, SeasonGames &games)
{
    scheduleTable.clear();
    games.clear();
    return readDataFile(path, [&](LineReader &reader) { return readSeason(reader, &scheduleTable, games); });
}

bool loadSeasonFromBytes(const QByteArray &bytes, TextTable &scheduleTable, SeasonGames &games)
{
    scheduleTable.clear();
    games.clear();
    LineReader reader(bytes);
    return readSeason(reader, &scheduleTable, games);
}

bool loadSeasonGames(const QString &path, SeasonGames &games)
{
    games.clear();
    return readDataFile(path, [&](LineReader &reader) { return readSeason(reader, nullptr, games); });
}

bool loadSeasonGamesFromBytes(const QByteArray &bytes, SeasonGames &games)
{
    games.clear();
    LineReader reader(bytes);
    return readSeason(reader, nullptr, games);
}

} // namespace hoopdeck
