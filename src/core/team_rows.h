#pragma once

#include <QString>

#include "season_games.h"
#include "text_table.h"

namespace hoopdeck {

// Rows of the lists that concern one team (the favourite shown in bold), and
// where the lists reach a day (what they scroll to).

// A Today or Season Game text, "Visitor @ Home" (a playoff game followed by
// its series), with the team on either side.
bool gameHasTeam(QAnyStringView game, int team);

// A standings Team cell that names the team.
bool standingsRowIs(QAnyStringView teamCell, int team);

// The row of the Season list that holds the first game on or after the
// day; -1 when there is none (the team's list tells its own).
int seasonRowOnOrAfter(const SeasonGames &games, int dayNumber);

// The days with a game, and those with a game of the team (-1: none), as
// day numbers; unreadable dates are no days.
QList<int> gameDays(const SeasonGames &games, int team = -1);

} // namespace hoopdeck
