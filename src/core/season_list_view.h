#pragma once

#include "game_time.h"
#include "season_games.h"
#include "text_table.h"

namespace hoopdeck {

// Replaces seasonList with every listed game of the season in file order:
// Date, Game ("Visitor @ Home"), Time on the user's clock, then the Score of
// a game whose result the spoiler line shows.
void FillSeasonList(const SeasonGames &games, ZoneShift zone, const SpoilerLine &line, TextTable &seasonList);

} // namespace hoopdeck
