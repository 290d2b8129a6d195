#include "playoff_games.h"

#include "season.h"

namespace hoopdeck {

// The written cells serve no playoff view.
bool loadPlayoffs(const QString &path, SeasonGames &games)
{
    return loadSeasonGames(path, games);
}

bool loadPlayoffsFromBytes(const QByteArray &bytes, SeasonGames &games)
{
    return loadSeasonGamesFromBytes(bytes, games);
}

} // namespace hoopdeck
