#include "game_result.h"

#include <algorithm>

namespace hoopdeck {

namespace {
bool isWholeNumber(const QString &text)
{
    return !text.isEmpty()
           && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

std::optional<int> points(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!isWholeNumber(text) || !ok)
        return std::nullopt;
    return value;
}

// "OT" is one period of overtime, "2OT" two, and so on; 0 for anything else.
int overtimePeriods(const QString &text)
{
    if (!text.endsWith(QLatin1String("OT")))
        return 0;
    const QString count = text.chopped(2);
    if (count.isEmpty())
        return 1;
    bool ok = false;
    const int periods = count.toInt(&ok);
    return isWholeNumber(count) && ok && periods > 0 ? periods : 0;
}

QString overtimeSuffix(int overtimes)
{
    if (overtimes <= 0)
        return QString();
    if (overtimes == 1)
        return QStringLiteral(" OT");
    return QStringLiteral(" %1OT").arg(overtimes);
}
} // namespace

std::optional<GameResult> parseGameResult(const QStringList &fields)
{
    if (fields.size() != 2 && fields.size() != 3)
        return std::nullopt;
    const std::optional<int> visitor = points(fields.at(0));
    const std::optional<int> home = points(fields.at(1));
    if (!visitor || !home || *visitor == *home)
        return std::nullopt;
    GameResult result{*visitor, *home, 0};
    if (fields.size() == 3) {
        result.overtimes = overtimePeriods(fields.at(2));
        if (result.overtimes == 0)
            return std::nullopt;
    }
    return result;
}

QString scoreText(const GameResult &result)
{
    return QStringLiteral("%1-%2").arg(result.visitorPoints).arg(result.homePoints) + overtimeSuffix(result.overtimes);
}

QString resultText(const GameResult &result, bool forHome)
{
    const int own = forHome ? result.homePoints : result.visitorPoints;
    const int other = forHome ? result.visitorPoints : result.homePoints;
    return QStringLiteral("%1 %2-%3").arg(QLatin1Char(own > other ? 'W' : 'L')).arg(own).arg(other)
           + overtimeSuffix(result.overtimes);
}

} // namespace hoopdeck
