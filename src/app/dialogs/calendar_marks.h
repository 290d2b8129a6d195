#pragma once

#include "season_games.h"

class QCalendarWidget;

namespace hoopdeck::app {

// Marks the season on a month calendar: days with games in bold, days with a
// game of the favourite team also underlined. Both marks keep the palette's
// own text colour, so they read on a light or a dark palette alike. Earlier
// marks are cleared first.
void markGameDays(QCalendarWidget *calendar, const SeasonGames &games, int favoriteTeam);

} // namespace hoopdeck::app
