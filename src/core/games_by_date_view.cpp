#include "games_by_date_view.h"

#include <QRegularExpression>

#include <algorithm>

#include "playoff_bracket.h"
#include "season.h"

namespace hoopdeck {

const char *const kNoGamesText = "No games scheduled.";

void DaySelection::InitSelectedDate(const QDate &date)
{
    selectDay(dayNumber(date));
}

void DaySelection::selectDay(int number)
{
    SelectedDate = number;
    RefreshDateCaption();
}

void DaySelection::stepDays(int days)
{
    selectDay(SelectedDate + days);
}

void DaySelection::RefreshDateCaption()
{
    DateCaption = dayCaption(SelectedDate);
}

namespace {
// The list's rows for the games of the selected day in one list of games.
// A playoff game also names its series and its number in it, from the
// bracket of the playoffs.
void appendDayGames(const SeasonGames &games, const DaySelection &day, ZoneShift zone, const SpoilerLine &line,
                    TextTable &gamesByDateList, const PlayoffBracket *bracket = nullptr)
{
    for (int i = 0; i < int(games.size()); ++i) {
        const SeasonGame &each = games[size_t(i)];
        if (each.day > day.SelectedDate)
            break;
        // An unreadable date (day 0) is no day at all, even when 12/30/1899 is asked for.
        if (each.day != day.SelectedDate || each.day == 0)
            continue;
        QString game = gameText(each.visitor, each.home);
        int number = 0;
        if (const PlayoffSeries *series = bracket ? bracket->seriesOfGame(i, &number) : nullptr)
            game += QStringLiteral(" (%1)").arg(series->gameLabel(number));
        const GameClockTexts texts = gameClockTexts(each.time, zone);
        if (const std::optional<GameResult> result = line.resultOf(each))
            gamesByDateList.appendRow({game, texts.timeText(), scoreChars(*result).view()});
        else
            gamesByDateList.appendRow({game, texts.timeText()});
    }
}
} // namespace

void FillGamesByDate(const SeasonGames &games, const DaySelection &day, ZoneShift zone, const SpoilerLine &line,
                     TextTable &gamesByDateList)
{
    FillGamesByDate(games, SeasonGames(), day, zone, line, gamesByDateList);
}

void FillGamesByDate(const SeasonGames &games, const SeasonGames &playoffGames, const DaySelection &day,
                     ZoneShift zone, const SpoilerLine &line, TextTable &gamesByDateList)
{
    gamesByDateList.clear();
    appendDayGames(games, day, zone, line, gamesByDateList);
    const bool playoffDay = std::any_of(playoffGames.begin(), playoffGames.end(),
                                        [&day](const SeasonGame &game) { return game.day == day.SelectedDate; });
    if (playoffDay) {
        // The whole bracket: where a game stands in its series is no result.
        const PlayoffBracket bracket = playoffBracket(playoffGames, {}, true);
        appendDayGames(playoffGames, day, zone, line, gamesByDateList, &bracket);
    }
    if (gamesByDateList.count() == 0)
        gamesByDateList.appendRow({QLatin1StringView(kNoGamesText), QLatin1StringView()});
}

QDate parseUserDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return QDate();
    return QDate(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
}

} // namespace hoopdeck
