#pragma once

#include <optional>
#include <vector>

#include "game_result.h"
#include "text_table.h"

namespace hoopdeck {

// One game of the schedule as numbers: what records and standings are
// counted from.
struct SeasonGame {
    int day = 0;      // the calendar day as written (a day number); 0 when the date names no day
    int minutes = 0;  // the Eastern start, minutes after midnight
    int visitor = -1;
    int home = -1;
    std::optional<GameResult> result;

    bool isLeagueGame() const;  // two teams of the league (not the All-Star Game)
};

// The games of a ScheduleTable, in its order.
std::vector<SeasonGame> seasonGames(const TextTable &scheduleTable);

} // namespace hoopdeck
