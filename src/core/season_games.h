#pragma once

#include <QStringView>

#include <optional>
#include <vector>

#include "game_result.h"
#include "game_time.h"
#include "text_table.h"

namespace hoopdeck {

// One game of Season.dat as numbers, read once: what every list of games
// and every record is computed from.
struct SeasonGame {
    GameTime time;     // month, day, year, hour and minute as read, on the Eastern clock
    int day = 0;       // the calendar day as a day number; 0 when the date names no day
    int visitor = -1;  // team numbers as read (-1 for a field that is no number)
    int home = -1;
    bool listed = false;  // the Season list shows it (a date field of two characters or more)
    std::optional<GameResult> result;

    int minutes() const { return time.hour * 60 + time.minute; }  // the Eastern start
    bool isLeagueGame() const;  // two teams of the league (not the All-Star Game)
};

using SeasonGames = std::vector<SeasonGame>;

// Where results stop being shown, for a user reliving the season: with a
// last day, a game after it (or on no readable day) shows no result.
struct SpoilerLine {
    std::optional<int> lastDay;  // none: every result is shown

    // True for a game on a day the line reaches; a game of no readable day
    // is past any line.
    bool reaches(const SeasonGame &game) const { return !lastDay || (game.day != 0 && game.day <= *lastDay); }
    std::optional<GameResult> resultOf(const SeasonGame &game) const;
};

// A game of the season or of the playoffs, by its place in its list.
struct GameRef {
    bool playoff = false;
    int index = -1;  // in its list; -1 for no game

    bool isValid() const { return index >= 0; }
};

// A game from the three schedule fields as written and its result.
SeasonGame seasonGame(QStringView dateTime, QStringView visitor, QStringView home,
                      const std::optional<GameResult> &result);

// The games of a ScheduleTable, in its order.
SeasonGames seasonGames(const TextTable &scheduleTable);

// True when at least one game has a result: a schedule fresh from a data
// server, or of a season still to be played, has none.
bool hasResults(const SeasonGames &games);

} // namespace hoopdeck
