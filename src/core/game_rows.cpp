#include "game_rows.h"

#include "team_schedule_view.h"

#include <algorithm>

namespace hoopdeck {

namespace {
// The list's row-th game among games, those the list shows being picked by shows.
template <typename Shows>
int rowGame(const SeasonGames &games, int row, Shows shows)
{
    for (int i = 0; i < int(games.size()); ++i) {
        if (shows(games[size_t(i)]) && row-- == 0)
            return i;
    }
    return -1;
}
} // namespace

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

GameRef gameOfTeamRow(const SeasonGames &season, const SeasonGames &playoffs, int team, int row)
{
    if (row < 0)
        return {};
    const auto shows = [team](const SeasonGame &game) { return isTeamScheduleGame(game.visitor, game.home, team); };
    if (const int index = rowGame(season, row, shows); index >= 0)
        return {false, index};
    // Past the season's games: the "Playoffs" row, then the playoff games.
    const int regular = int(std::count_if(season.begin(), season.end(), shows));
    const int index = rowGame(playoffs, row - regular - 1, shows);
    return index >= 0 ? GameRef{true, index} : GameRef{};
}

GameRef gameOfSeasonRow(const SeasonGames &season, int row)
{
    if (row < 0)
        return {};
    const int index = rowGame(season, row, [](const SeasonGame &game) { return game.listed; });
    return index >= 0 ? GameRef{false, index} : GameRef{};
}

} // namespace hoopdeck
