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
void FillStandingsOnDay(const TextTable &standingsList, const std::vector<SeasonGame> &games, int dayNumber,
                        TextTable &dayList);

} // namespace hoopdeck
