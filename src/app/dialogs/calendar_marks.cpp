#include "calendar_marks.h"

#include <QCalendarWidget>
#include <QTextCharFormat>

#include "game_time.h"
#include "team_rows.h"

namespace hoopdeck::app {

void markGameDays(QCalendarWidget *calendar, const SeasonGames &games, int favoriteTeam)
{
    calendar->setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat gameDay;
    gameDay.setFontWeight(QFont::Bold);
    for (int day : gameDays(games))
        calendar->setDateTextFormat(dateOfDayNumber(day), gameDay);
    QTextCharFormat favoriteDay = gameDay;
    favoriteDay.setFontUnderline(true);
    for (int day : gameDays(games, favoriteTeam))
        calendar->setDateTextFormat(dateOfDayNumber(day), favoriteDay);
}

} // namespace hoopdeck::app
