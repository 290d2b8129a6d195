#include "season_list_view.h"

#include "season.h"
#include "teams.h"

namespace hoopdeck {

namespace {
// Season list rows are about 36 characters.
constexpr qint64 kCharsPerRow = 36;
enum Column { DateColumn, GameColumn, TimeColumn, ScoreColumn };
} // namespace

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
    const SeasonGame &game = gameAt(row);
    switch (column) {
    case DateColumn:
        return gameClockTexts(game.time, zone_).dateText().toString();
    case GameColumn:
        return gameText(game.visitor, game.home);
    case TimeColumn:
        return gameClockTexts(game.time, zone_).timeText().toString();
    default:
        return scoreChars(*game.result).view().toString();
    }
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
        return gameTextLength(game.visitor, game.home);
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
    QString game;  // reused, so that a row costs no allocation
    for (const SeasonGame &each : games) {
        if (!each.listed)
            continue;
        const GameClockTexts texts = gameClockTexts(each.time, zone);
        game.resize(0);
        appendGameText(game, each.visitor, each.home);
        if (const std::optional<GameResult> result = line.resultOf(each)) {
            const ScoreChars score = scoreChars(*result);
            seasonList.appendRow({texts.dateText(), game, texts.timeText(), score.view()});
        } else {
            seasonList.appendRow({texts.dateText(), game, texts.timeText()});
        }
    }
}

} // namespace hoopdeck
