#pragma once

#include <QDate>
#include <QString>

#include "game_time.h"
#include "season_games.h"
#include "text_table.h"

namespace hoopdeck {

extern const char *const kNoGamesText;  // "No games scheduled."

// The day the Today list shows, as a whole day number, and its caption.
struct DaySelection {
    int SelectedDate = 0;
    QString DateCaption;  // "MM/dd/yyyy"

    void InitSelectedDate(const QDate &today);
    void selectDay(int dayNumber);  // and RefreshDateCaption
    void stepDays(int days);        // the "<" and ">" buttons
    void RefreshDateCaption();
};

// Replaces gamesByDateList (Game, Time, and the Score of a game whose
// result the spoiler line shows) with the games of the selected day in schedule order, or the single row "No games scheduled." with an empty
// Time. The scan stops at the first game of a later day; the day is the
// schedule's own, whatever the user's zone.
void FillGamesByDate(const SeasonGames &games, const DaySelection &day, ZoneShift zone, const SpoilerLine &line,
                     TextTable &gamesByDateList);
// The same, the day's playoff games after its games of the season.
void FillGamesByDate(const SeasonGames &games, const SeasonGames &playoffGames, const DaySelection &day,
                     ZoneShift zone, const SpoilerLine &line, TextTable &gamesByDateList);

// A date typed by a user as M/D/YYYY, leading zeros optional; invalid when
// it does not name a real day.
QDate parseUserDate(const QString &text);

} // namespace hoopdeck
