#include "game_result.h"

#include <algorithm>
#include <charconv>

#include "text_fields.h"

namespace hoopdeck {

namespace {
// "OT" is one period of overtime, "2OT" two, and so on; 0 for anything else.
int overtimePeriods(QStringView text)
{
    if (!text.endsWith(QLatin1String("OT")))
        return 0;
    const QStringView count = text.chopped(2);
    if (count.isEmpty())
        return 1;
    return std::max(wholeNumber(count).value_or(0), 0);
}

void add(ScoreChars &out, char c)
{
    out.text[out.length++] = c;
}

void add(ScoreChars &out, int value)
{
    const std::to_chars_result end = std::to_chars(out.text + out.length, out.text + sizeof out.text, value);
    out.length = quint8(end.ptr - out.text);
}

// "first-second", then the overtime mark.
void addScore(ScoreChars &out, int first, int second, int overtimes)
{
    add(out, first);
    add(out, '-');
    add(out, second);
    if (overtimes <= 0)
        return;
    add(out, ' ');
    if (overtimes > 1)
        add(out, overtimes);
    add(out, 'O');
    add(out, 'T');
}
} // namespace

std::optional<GameResult> parseGameResult(const QStringView *fields, int count)
{
    if (count != 2 && count != 3)
        return std::nullopt;
    const std::optional<int> visitor = wholeNumber(fields[0]);
    const std::optional<int> home = wholeNumber(fields[1]);
    if (!visitor || !home || *visitor == *home)
        return std::nullopt;
    GameResult result{*visitor, *home, 0};
    if (count == 3) {
        result.overtimes = overtimePeriods(fields[2]);
        if (result.overtimes == 0)
            return std::nullopt;
    }
    return result;
}

ScoreChars scoreChars(const GameResult &result)
{
    ScoreChars out;
    addScore(out, result.visitorPoints, result.homePoints, result.overtimes);
    return out;
}

QString scoreText(const GameResult &result)
{
    return QString(scoreChars(result).view());
}

QString resultText(const GameResult &result, bool forHome)
{
    const int own = forHome ? result.homePoints : result.visitorPoints;
    const int other = forHome ? result.visitorPoints : result.homePoints;
    ScoreChars out;
    add(out, own > other ? 'W' : 'L');
    add(out, ' ');
    addScore(out, own, other, result.overtimes);
    return QString(out.view());
}

} // namespace hoopdeck
