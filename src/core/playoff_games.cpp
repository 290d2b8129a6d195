#include "playoff_games.h"

#include "season.h"

namespace hoopdeck {

// The written cells serve no playoff view: the table is only the reader's.
bool loadPlayoffs(const QString &path, SeasonGames &games)
{
    TextTable scheduleTable{ScheduleColumnCount};
    return loadSeason(path, scheduleTable, games);
}

bool loadPlayoffsFromBytes(const QByteArray &bytes, SeasonGames &games)
{
    TextTable scheduleTable{ScheduleColumnCount};
    return loadSeasonFromBytes(bytes, scheduleTable, games);
}

} // namespace hoopdeck
