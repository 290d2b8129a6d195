#include "division_race.h"

#include <algorithm>

#include "standings_on_day.h"

namespace hoopdeck {

DivisionRace divisionRaceOf(const TextTable &standingsList, const SeasonGames &games, int division,
                            const SpoilerLine &line)
{
    DivisionRace race;
    for (const SeasonGame &game : games) {
        if (game.day == 0 || !game.isLeagueGame())
            continue;
        race.firstDay = race.firstDay == 0 ? game.day : std::min(race.firstDay, game.day);
        race.lastDay = std::max(race.lastDay, game.day);
    }
    if (race.firstDay == 0)
        return race;
    race.shownThrough = line.lastDay ? std::min(race.lastDay, *line.lastDay) : race.lastDay;
    if (race.shownThrough < race.firstDay)
        return race;
    const std::vector<std::vector<DayStanding>> days =
        divisionRace(standingsList, games, division, race.firstDay, race.shownThrough);
    // The lines keep the division's order on the first day: by percentage,
    // then as the final list has them.
    for (const DayStanding &standing : days.front())
        race.lines.push_back({standing.team, {}, {}, {}});
    for (const std::vector<DayStanding> &day : days) {
        for (RaceLine &teamLine : race.lines) {
            const auto at = std::find_if(day.begin(), day.end(),
                                         [&](const DayStanding &s) { return s.team == teamLine.team; });
            teamLine.halfGamesBehind.push_back(at->halfGamesBehind);
            teamLine.won.push_back(at->won);
            teamLine.lost.push_back(at->lost);
        }
    }
    return race;
}

} // namespace hoopdeck
