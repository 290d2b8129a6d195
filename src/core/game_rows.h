#pragma once

#include "game_view.h"
#include "season_games.h"

namespace hoopdeck {

// The game a row of Today stands for, the list being filled as its view
// fills it (the day's games of the season, then its playoff games); an
// invalid reference for a row of no game (the "No games scheduled." row,
// or one past the end). The Team and Season lists tell their own.
GameRef gameOfDayRow(const SeasonGames &season, const SeasonGames &playoffs, int day, int row);

} // namespace hoopdeck
