#pragma once

#include <vector>

#include "season_games.h"
#include "text_table.h"

namespace hoopdeck {

// One team's line through the race: on each day, its record and how far it
// stood behind the division's first team.
struct RaceLine {
    int team = -1;
    std::vector<int> halfGamesBehind;  // a day each, from the race's first day
    std::vector<int> won;
    std::vector<int> lost;
};

// A division's race over the regular season, day by day, up to the last
// day whose results may be shown.
struct DivisionRace {
    int firstDay = 0;      // the season's first and last game days (day numbers)
    int lastDay = 0;
    int shownThrough = 0;  // the lines end here: the last day, or the spoiler line's
    std::vector<RaceLine> lines;  // in the final list's order of the division

    bool isEmpty() const { return lines.empty() || shownThrough < firstDay; }
};

// The race of division (0-3) of the final list, counted from the games'
// scores as the standings on each day are.
DivisionRace divisionRaceOf(const TextTable &standingsList, const SeasonGames &games, int division,
                            const SpoilerLine &line);

} // namespace hoopdeck
