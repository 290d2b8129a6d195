#include "roster.h"

#include <algorithm>
#include <optional>

#include "line_reader.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
// Every line, or with a team only the lines a list of that team is filled
// from: Roster.dat lists the teams in ascending order, and FillRosterList
// stops at the first row of a higher team, so the reading stops there too.
// Lines are read and kept as Latin-1, a field a view of its line.
bool readRoster(LineReader &reader, std::optional<int> team, TextTable &rosterTable)
{
    QLatin1StringView line;
    QLatin1StringView fields[RosterCellCount];
    while (reader.readLine(line)) {
        if (team) {
            // The team as FillRosterList reads it: from the cell the table would keep.
            if (splitFieldViews(line, QLatin1Char(','), 1, fields) == 0)
                continue;
            const int lineTeam =
                decimalToInt(fields[RosterTeam].first(std::min<qsizetype>(fields[RosterTeam].size(),
                                                                            TextTable::kCellReadLimit)));
            if (lineTeam > *team)
                break;
            if (lineTeam != *team)
                continue;
        }
        const int count = splitFieldViews(line, QLatin1Char(','), RosterCellCount, fields);
        if (count == 0)
            continue;
        // A short line's missing fields are empty cells.
        QAnyStringView cells[RosterCellCount];
        for (int c = 0; c < RosterCellCount; ++c)
            cells[c] = c < count ? fields[c] : QLatin1StringView();
        rosterTable.appendRow(cells, RosterCellCount);
    }
    return !reader.error();
}
} // namespace

bool loadRoster(const QString &path, TextTable &rosterTable)
{
    rosterTable.clear();
    return readDataFile(path, [&](LineReader &reader) { return readRoster(reader, std::nullopt, rosterTable); });
}

bool loadRosterFromBytes(const QByteArray &bytes, TextTable &rosterTable)
{
    rosterTable.clear();
    LineReader reader(bytes);
    return readRoster(reader, std::nullopt, rosterTable);
}

bool loadRosterTeam(const QString &path, int team, TextTable &rosterTable)
{
    rosterTable.clear();
    return readDataFile(path, [&](LineReader &reader) { return readRoster(reader, team, rosterTable); });
}

bool loadRosterTeamFromBytes(const QByteArray &bytes, int team, TextTable &rosterTable)
{
    rosterTable.clear();
    LineReader reader(bytes);
    return readRoster(reader, team, rosterTable);
}

} // namespace hoopdeck
