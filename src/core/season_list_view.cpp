#include "season_list_view.h"

#include "season.h"

namespace hoopdeck {

namespace {
// Season list rows are about 36 characters.
constexpr qint64 kCharsPerRow = 36;
enum Column { DateColumn, GameColumn, TimeColumn, ScoreColumn };
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

void SeasonListRows::fill(const SeasonGames &games, ZoneShift zone, const SpoilerLine &line)
{
    games_ = &games;
    zone_ = zone;
    line_ = line;
    rows_.clear();
    for (int i = 0; i < int(games.size()); ++i) {
        if (games[size_t(i)].listed)
            rows_.push_back(i);
    }
}

int SeasonListRows::cellCount(int row) const
{
    if (row < 0 || row >= count())
        return 0;
    return line_.resultOf(gameAt(row)) ? 4 : 3;
}

QString SeasonListRows::cell(int row, int column) const
{
    if (column < 0 || column >= cellCount(row))
        return QString();
    QAnyStringView cells[4];
    seasonListRow(gameAt(row), zone_, line_).cells(cells);
    return cells[column].toString();
}

qsizetype SeasonListRows::cellLength(int row, int column) const
{
    // Told without writing the text: the widest candidates are chosen by
    // length over the whole list.
    if (row < 0 || row >= count() || column < 0 || column > ScoreColumn)
        return 0;
    const SeasonGame &game = gameAt(row);
    switch (column) {
    case DateColumn:
        return clockDateLength(game.time);
    case GameColumn:
        return gameChars(game.visitor, game.home).length;
    case TimeColumn:
        return clockTimeLength(game.time, zone_);
    default:
        return game.result ? scoreChars(*game.result).view().size() : 0;
    }
}

GameRef SeasonListRows::game(int row) const
{
    if (row < 0 || row >= count())
        return {};
    return {false, rows_[size_t(row)]};
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
