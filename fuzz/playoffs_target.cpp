#include <QByteArray>

#include "fuzz_check.h"
#include "fuzz_targets.h"
#include "game_view.h"
#include "playoff_bracket.h"
#include "playoff_games.h"

namespace hoopdeck::fuzz {

namespace {
void expectSeries(const PlayoffSeries &series, const SeasonGames &games, const PlayoffBracket &bracket)
{
    const QString text = series.text();
    FUZZ_EXPECT(series.round >= 0 && series.round <= kFinalsRound, text);
    FUZZ_EXPECT(!(series.round == kFinalsRound && series.conference), text);
    FUZZ_EXPECT(series.wins[0] + series.wins[1] <= int(series.games.size()), text);
    FUZZ_EXPECT(series.winner() < 0 || series.loser() >= 0, text);
    std::array<int, 2> last{};
    for (size_t i = 0; i < series.games.size(); ++i) {
        const SeriesGame &game = series.games[i];
        FUZZ_EXPECT(game.index >= 0 && game.index < int(games.size()), text);
        const SeasonGame &played = games[size_t(game.index)];
        FUZZ_EXPECT(std::minmax(played.visitor, played.home) == std::minmax(series.teams[0], series.teams[1]), text);
        // Wins only grow, one game at a time.
        FUZZ_EXPECT(game.wins[0] + game.wins[1] - last[0] - last[1] == (game.resultShown ? 1 : 0), text);
        last = game.wins;
        int number = 0;
        FUZZ_EXPECT(bracket.seriesOfGame(game.index, &number) == &series && number == int(i) + 1, text);
        FUZZ_EXPECT(!series.gameLabel(number).contains(QLatin1Char('\n')), text);
    }
    FUZZ_EXPECT(last == series.wins, text);
}
} // namespace

int playoffsTarget(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    SeasonGames games;
    loadPlayoffsFromBytes(bytes, games);
    // A spoiler line somewhere among the games, picked by the input's length.
    const SpoilerLine line =
        games.empty() || size % 3 == 0 ? SpoilerLine{} : SpoilerLine{games[size % games.size()].day};
    const PlayoffBracket bracket = playoffBracket(games, line);
    for (const PlayoffSeries &series : bracket.series)
        expectSeries(series, games, bracket);
    // Every game's view, with the games as season and as playoffs.
    const SeasonGames none;
    const BoxScores boxes;
    for (int index = 0; index < int(games.size()) && index < 64; ++index) {
        for (const bool playoff : {false, true}) {
            const GameSources sources{playoff ? none : games, playoff ? games : none, boxes};
            const GameView view = gameView(sources, {playoff, index}, {int(size % 41) - 20, 0}, line);
            FUZZ_EXPECT(view.resultShown == line.resultOf(games[size_t(index)]).has_value(), view.matchup);
            for (const QString &text : gameViewLines(view))
                FUZZ_EXPECT(!text.contains(QLatin1Char('\n')), view.matchup);
        }
    }
    return 0;
}

} // namespace hoopdeck::fuzz
