#pragma once

#include <QByteArray>
#include <QString>

#include "season_games.h"

namespace hoopdeck {

// Replaces games with the games of Playoffs.dat, whose lines are those of
// Season.dat and are read by the same reader. True when the whole file was
// read; a missing file leaves games empty.
bool loadPlayoffs(const QString &path, SeasonGames &games);
bool loadPlayoffsFromBytes(const QByteArray &bytes, SeasonGames &games);

} // namespace hoopdeck
