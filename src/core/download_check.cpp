#include "download_check.h"

#include "line_reader.h"
#include "teams.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
bool startsWithDigit(const QString &text)
{
    const QString t = text.trimmed();
    return !t.isEmpty() && t.at(0).isDigit();
}

bool isTeamNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 2)
        return false;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return t.toInt() < kTeamCount;
}
} // namespace

bool isUsableStandings(const QByteArray &body)
{
    LineReader reader(body);
    QString line;
    if (!reader.readLine(line))
        return false;
    for (int team = 0; team < kTeamCount; ++team) {
        if (!reader.readLine(line))
            return false;
        const QStringList fields = splitFields(line, QLatin1Char(','), 3);
        if (fields.size() < 3 || !startsWithDigit(fields.at(1)) || !startsWithDigit(fields.at(2)))
            return false;
    }
    return true;
}

bool isUsableRoster(const QByteArray &body)
{
    LineReader reader(body);
    QString line;
    while (reader.readLine(line)) {
        if (isTeamNumber(splitFields(line, QLatin1Char(','), 1).value(0)))
            return true;
    }
    return false;
}

} // namespace hoopdeck
