#pragma once

#include <QAnyStringView>

#include <optional>

#include "game_result.h"
#include "game_time.h"
#include "season.h"
#include "season_games.h"
#include "text_table.h"

namespace hoopdeck {

// One row of the Season list, its cells written in place: Date, Game
// ("Visitor @ Home"), Time on the user's clock, then the Score of a game
// whose result the spoiler line shows.
struct SeasonListRow {
    GameClockTexts clock;
    GameChars game;
    std::optional<ScoreChars> score;

    // Fills all four cells (an empty Score when there is none) and returns
    // how many the list keeps: three without a score.
    int cells(QAnyStringView (&out)[4]) const;
};

SeasonListRow seasonListRow(const SeasonGame &game, ZoneShift zone, const SpoilerLine &line);

// Calls row(const SeasonListRow &) for every game the Season list shows, in
// file order, for a list and for a printer that needs no list held whole.
template <typename Row>
void forEachSeasonListRow(const SeasonGames &games, ZoneShift zone, const SpoilerLine &line, Row &&row)
{
    for (const SeasonGame &game : games) {
        if (game.listed)
            row(seasonListRow(game, zone, line));
    }
}

// Replaces seasonList with those rows.
void FillSeasonList(const SeasonGames &games, ZoneShift zone, const SpoilerLine &line, TextTable &seasonList);

} // namespace hoopdeck
