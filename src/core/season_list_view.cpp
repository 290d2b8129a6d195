#include "season_list_view.h"

#include "season.h"

namespace hoopdeck {

namespace {
// Season list rows are about 36 characters.
constexpr qint64 kCharsPerRow = 36;
} // namespace

void FillSeasonList(const SeasonGames &games, ZoneShift zone, const SpoilerLine &line, TextTable &seasonList)
{
    seasonList.clear();
    seasonList.reserve(qint64(games.size()), qint64(games.size()) * kCharsPerRow);
    // Every cell is written in place as Latin-1, so that a row costs no
    // allocation and no widening.
    for (const SeasonGame &each : games) {
        if (!each.listed)
            continue;
        const GameClockTexts texts = gameClockTexts(each.time, zone);
        const GameChars game = gameChars(each.visitor, each.home);
        if (const std::optional<GameResult> result = line.resultOf(each)) {
            const ScoreChars score = scoreChars(*result);
            seasonList.appendRow({texts.dateText(), game.view(), texts.timeText(), score.view()});
        } else {
            seasonList.appendRow({texts.dateText(), game.view(), texts.timeText()});
        }
    }
}

} // namespace hoopdeck
