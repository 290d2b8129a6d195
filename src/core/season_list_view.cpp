#include "season_list_view.h"

#include "season.h"

namespace hoopdeck {

namespace {
// Season list rows are about 36 characters.
constexpr qint64 kCharsPerRow = 36;
} // namespace

int SeasonListRow::cells(QAnyStringView (&out)[4]) const
{
    out[0] = clock.dateText();
    out[1] = game.view();
    out[2] = clock.timeText();
    out[3] = score ? score->view() : QLatin1StringView();
    return score ? 4 : 3;
}

// Every cell is written in place as Latin-1, so that a row costs no
// allocation and no widening.
SeasonListRow seasonListRow(const SeasonGame &game, ZoneShift zone, const SpoilerLine &line)
{
    SeasonListRow row;
    row.clock = gameClockTexts(game.time, zone);
    row.game = gameChars(game.visitor, game.home);
    if (const std::optional<GameResult> result = line.resultOf(game))
        row.score = scoreChars(*result);
    return row;
}

void FillSeasonList(const SeasonGames &games, ZoneShift zone, const SpoilerLine &line, TextTable &seasonList)
{
    seasonList.clear();
    seasonList.reserve(qint64(games.size()), qint64(games.size()) * kCharsPerRow);
    forEachSeasonListRow(games, zone, line, [&seasonList](const SeasonListRow &row) {
        QAnyStringView cells[4];
        seasonList.appendRow(cells, row.cells(cells));
    });
}

} // namespace hoopdeck
