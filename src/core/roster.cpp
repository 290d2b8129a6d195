#include "roster.h"

#include "line_reader.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
bool readRoster(LineReader &reader, TextTable &rosterTable)
{
    QString line;
    while (reader.readLine(line)) {
        const QStringList fields = splitRow(line, RosterCellCount);
        if (fields.isEmpty())
            continue;
        rosterTable.appendRow(fields);
    }
    return !reader.error();
}
} // namespace

bool loadRoster(const QString &path, TextTable &rosterTable)
{
    rosterTable.clear();
    return readDataFile(path, [&](LineReader &reader) { return readRoster(reader, rosterTable); });
}

bool loadRosterFromBytes(const QByteArray &bytes, TextTable &rosterTable)
{
    rosterTable.clear();
    LineReader reader(bytes);
    return readRoster(reader, rosterTable);
}

} // namespace hoopdeck
