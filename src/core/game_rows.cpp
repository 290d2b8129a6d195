#include "game_rows.h"

namespace hoopdeck {

GameRef gameOfDayRow(const SeasonGames &season, const SeasonGames &playoffs, int day, int row)
{
    if (day == 0 || row < 0)
        return {};
    // As Today's list is filled: each list's scan ends at its first later day.
    for (const SeasonGames *games : {&season, &playoffs}) {
        for (int i = 0; i < int(games->size()); ++i) {
            const SeasonGame &game = (*games)[size_t(i)];
            if (game.day > day)
                break;
            if (game.day == day && row-- == 0)
                return {games == &playoffs, i};
        }
    }
    return {};
}

} // namespace hoopdeck
