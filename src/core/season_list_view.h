#pragma once

#include <QAnyStringView>

#include <optional>
#include <vector>

#include "game_result.h"
#include "game_time.h"
#include "list_rows.h"
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

// The same rows as the window reads them, each cell made when painted.
class SeasonListRows : public ListRows {
public:
    void fill(const SeasonGames &games, ZoneShift zone, const SpoilerLine &line);

    int count() const override { return int(rows_.size()); }
    int cellCount(int row) const override;
    QString cell(int row, int column) const override;
    qsizetype cellLength(int row, int column) const override;

    // The game of a row; invalid outside the list.
    GameRef game(int row) const;
    const SeasonGame &gameAt(int row) const { return (*games_)[size_t(rows_[size_t(row)])]; }

private:
    const SeasonGames *games_ = nullptr;
    ZoneShift zone_;
    SpoilerLine line_;
    std::vector<int> rows_;  // the listed games' places in games_
};

// Replaces seasonList with the Season list's rows.
void FillSeasonList(const SeasonGames &games, ZoneShift zone, const SpoilerLine &line, TextTable &seasonList);

} // namespace hoopdeck
