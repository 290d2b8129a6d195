#include "download_check.h"

#include "line_reader.h"
#include "standings.h"
#include "teams.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
bool startsWithDigit(QAnyStringView text)
{
    const QString t = text.toString().trimmed();
    return !t.isEmpty() && t.at(0).isDigit();
}

} // namespace

bool isUsableStandings(const QByteArray &body)
{
    // Read by the standings loader itself, so that what passes here is what
    // the Standings tab will show.
    TextTable list(StandingsCellCount);
    QString label;
    if (!loadStandingsFromBytes(body, list, label))
        return false;
    for (int row = 0; row < list.count(); ++row) {
        if (isDivisionRow(row))
            continue;
        if (!startsWithDigit(list.cell(row, StandingsWins)) || !startsWithDigit(list.cell(row, StandingsLosses)))
            return false;
    }
    return true;
}

bool isUsableRoster(const QByteArray &body)
{
    LineReader reader(body);
    QString line;
    while (reader.readLine(line)) {
        if (teamFromNumber(splitFields(line, QLatin1Char(','), 1).value(0).trimmed()))
            return true;
    }
    return false;
}

} // namespace hoopdeck
