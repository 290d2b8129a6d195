#pragma once

#include "game_time.h"
#include "season_games.h"
#include "text_table.h"

namespace hoopdeck {

// Replaces teamScheduleList (Date, Game, Time) with every game of the team
// in schedule order: " @ Home" away, " vs Visitor" at home. The All-Star
// Game is never listed. A game with a result adds its Result from the
// team's side ("W 89-74") and the team's Record after it ("1-0").
// True for a game the team's list shows: the team on either side, and not
// the All-Star Game.
bool isTeamScheduleGame(int visitor, int home, int team);

void FillTeamSchedule(const SeasonGames &games, int team, ZoneShift zone, const SpoilerLine &line,
                      TextTable &teamScheduleList);
// Appends a row "Playoffs" and the team's playoff games in the same columns,
// Record being where the team's series stood after the game ("Leads 2-1"):
// those on days up to the line, the whole playoffs with no line.
// Returns the "Playoffs" row, or -1 when the team has no game to list.
int AppendTeamPlayoffs(const SeasonGames &playoffs, int team, ZoneShift zone, const SpoilerLine &line,
                        TextTable &teamScheduleList);

} // namespace hoopdeck
