#pragma once

#include <vector>

#include "season_games.h"
#include "standings.h"
#include "text_table.h"

namespace hoopdeck {

// The standings list on a day has the five cells of the final list, then
// the splits: Home, Road, Div and Conf records (W-L), the last ten games
// (W-L) and the streak ("W3", "L2"; empty before a team's first game).
enum StandingsSplitCell {
    StandingsHome = StandingsCellCount,
    StandingsRoad,
    StandingsDivision,
    StandingsConference,
    StandingsLastTen,
    StandingsStreak,
    StandingsDayCellCount
};

// Games behind as the standings write them: "-" for none, "5", "4.5",
// "0.5", and "-0.5" for a team ahead of the one listed first. In half games.
QString gamesBehindText(int halfGames);

// Fills dayList with the standings as they stood after every game on or
// before the day: the teams and divisions of the final standings list (its
// order breaking the last ties), the counts from the games' scores. Within
// a division by winning percentage; teams level on it by their wins in the
// games among them, then by their division record. Games behind are counted
// from the division's first team. 33 rows as in the final list (a blank row
// of empty cells before each division); an empty final list gives none.
// One team's line on a day, its division's teams in their order.
struct DayStanding {
    int team = -1;  // -1: a name of no team
    int won = 0;
    int lost = 0;
    int halfGamesBehind = 0;  // behind the division's first team; negative when ahead of it
};
// A division of the final list (0-3) on every day from firstDay to lastDay
// in turn, its teams ordered as below: one element a day.
std::vector<std::vector<DayStanding>> divisionRace(const TextTable &standingsList,
                                                   const std::vector<SeasonGame> &games, int division, int firstDay,
                                                   int lastDay);

void FillStandingsOnDay(const TextTable &standingsList, const std::vector<SeasonGame> &games, int dayNumber,
                        TextTable &dayList);

} // namespace hoopdeck
