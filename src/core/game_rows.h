#pragma once

#include "game_view.h"
#include "season_games.h"

namespace hoopdeck {

// The game a row of a list of games stands for, the lists being filled as
// their views fill them; an invalid reference for a row of no game (the
// "No games scheduled." row, or one past the end).

// Today: the day's games of the season, then its playoff games.
GameRef gameOfDayRow(const SeasonGames &season, const SeasonGames &playoffs, int day, int row);
// Team: the team's games of the season, then, after a row that opens them,
// its playoff games.
GameRef gameOfTeamRow(const SeasonGames &season, const SeasonGames &playoffs, int team, int row);
// Season: the games the Season list shows.
GameRef gameOfSeasonRow(const SeasonGames &season, int row);

} // namespace hoopdeck
