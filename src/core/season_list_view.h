#pragma once

#include <vector>

#include "game_time.h"
#include "list_rows.h"
#include "season_games.h"
#include "text_table.h"

namespace hoopdeck {

// The Season list: every listed game of the season in file order, Date,
// Game ("Visitor @ Home"), Time on the user's clock, then the Score of a
// game whose result the spoiler line shows.
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

// The same list written into a table, in one pass for a long season.
void FillSeasonList(const SeasonGames &games, ZoneShift zone, const SpoilerLine &line, TextTable &seasonList);

} // namespace hoopdeck
