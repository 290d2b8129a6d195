#include "standings.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "game_time.h"
#include "line_reader.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
constexpr int kTeamLines = 29;
constexpr int kLabelLimit = 129;
const QStringList kBlankRow = {QString(), QString(), QString(), QString(), QString()};

bool readStandings(LineReader &reader, TextTable &list, QString &seasonLabel)
{
    QString line;
    if (!reader.readLine(line)) {
        seasonLabel.clear();
        return false;
    }
    seasonLabel = firstQuotedPiece(line).left(kLabelLimit);
    for (int team = 0; team < kTeamLines; ++team) {
        if (isDivisionRow(list.count()))
            list.appendRow(kBlankRow);
        if (!reader.readLine(line))
            return false;
        const QStringList fields = splitFields(line, QLatin1Char(','), 4);
        const QString wins = fields.value(1);
        const QString losses = fields.value(2);
        list.appendRow({firstQuotedPiece(fields.value(0)), wins, losses, fields.value(3),
                        winningPercentage(decimalToInt(wins), decimalToInt(losses))});
    }
    return !reader.error();
}
} // namespace

bool isDivisionRow(int row)
{
    return std::find(std::begin(kDivisionRows), std::end(kDivisionRows), row) != std::end(kDivisionRows);
}

QString winningPercentage(int wins, int losses)
{
    const double games = double(wins) + double(losses);
    const double p = games == 0 ? 0.0 : std::fabs(double(wins) / games);
    const long long thousandths = std::llround(p * 1000.0);
    if (thousandths >= 10000)
        return QString();
    if (thousandths >= 1000)
        return QStringLiteral("1000");
    return QLatin1Char('.') + QString::number(thousandths).rightJustified(3, QLatin1Char('0'));
}

bool loadStandings(const QString &path, TextTable &standingsList, QString &seasonLabel)
{
    standingsList.clear();
    return readDataFile(path, [&](LineReader &reader) { return readStandings(reader, standingsList, seasonLabel); });
}

bool loadStandingsFromBytes(const QByteArray &bytes, TextTable &standingsList, QString &seasonLabel)
{
    standingsList.clear();
    LineReader reader(bytes);
    return readStandings(reader, standingsList, seasonLabel);
}

QString standingsTitle(const QString &seasonLabel)
{
    return QStringLiteral("   ") + seasonLabel + QStringLiteral(" NBA Standings   ");
}

QString standingsTitleOnDay(const QString &seasonLabel, int dayNumber)
{
    return QStringLiteral("   ") + seasonLabel + QStringLiteral(" NBA Standings on ") + dayCaption(dayNumber)
           + QStringLiteral("   ");
}

} // namespace hoopdeck
