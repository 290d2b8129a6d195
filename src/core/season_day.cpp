#include "season_day.h"

#include <algorithm>

#include "game_time.h"
#include "season.h"

namespace hoopdeck {

namespace {
constexpr int kFirstMonthOfSeason = 7;  // July

// "2003-04" for a season that starts in 2003.
QString seasonName(int firstYear)
{
    return QStringLiteral("%1-%2").arg(firstYear).arg((firstYear + 1) % 100, 2, 10, QLatin1Char('0'));
}
} // namespace

SeasonDay seasonDayFor(const SeasonGames &games, const QDate &date)
{
    const int asGiven = dayNumber(date);
    int first = 0, last = 0;
    for (const SeasonGame &game : games) {
        const int day = game.day;
        if (day == 0)
            continue;
        first = first == 0 ? day : std::min(first, day);
        last = std::max(last, day);
    }
    if (first == 0 || !date.isValid() || (asGiven >= first && asGiven <= last))
        return {asGiven, QString()};

    const QDate firstDay = dateOfDayNumber(first);
    const int firstYear = firstDay.month() >= kFirstMonthOfSeason ? firstDay.year() : firstDay.year() - 1;
    const int year = date.month() >= kFirstMonthOfSeason ? firstYear : firstYear + 1;
    const int day = date.month() == 2 && date.day() == 29 && !QDate::isLeapYear(year) ? 28 : date.day();
    const int mapped = dayNumber(QDate(year, date.month(), day));
    const QString season = seasonName(firstYear);
    if (mapped < first)
        return {first, QStringLiteral("the first game day of the %1 season").arg(season)};
    if (mapped > last)
        return {last, QStringLiteral("the last game day of the %1 season").arg(season)};
    return {mapped, QStringLiteral("this day in the %1 season").arg(season)};
}

} // namespace hoopdeck
