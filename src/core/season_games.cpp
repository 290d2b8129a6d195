#include "season_games.h"

#include <algorithm>

#include "season.h"
#include "teams.h"
#include "text_fields.h"
#include "utf16_text.h"

namespace hoopdeck {

bool SeasonGame::isLeagueGame() const
{
    return visitor >= 0 && visitor < kTeamCount && home >= 0 && home < kTeamCount && visitor != home;
}

std::optional<GameResult> SpoilerLine::resultOf(const SeasonGame &game) const
{
    if (!reaches(game))
        return std::nullopt;
    return game.result;
}

SeasonGame seasonGame(QStringView dateTime, QStringView visitor, QStringView home,
                      const std::optional<GameResult> &result)
{
    SeasonGame game;
    game.time = parseGameTime(dateTime);
    game.day = gameDayNumber(game.time);
    game.visitor = decimalToInt(visitor);
    game.home = decimalToInt(home);
    game.listed = hasSeasonListRow(dateTime);
    game.result = result;
    return game;
}

SeasonGames seasonGames(const TextTable &scheduleTable)
{
    SeasonGames games;
    games.reserve(size_t(scheduleTable.count()));
    for (int row = 0; row < scheduleTable.count(); ++row) {
        const Utf16Text dateTime(scheduleTable.cell(row, ScheduleDate));
        const Utf16Text visitor(scheduleTable.cell(row, ScheduleVisitor));
        const Utf16Text home(scheduleTable.cell(row, ScheduleHome));
        games.push_back(seasonGame(dateTime, visitor, home, scheduleResult(scheduleTable, row)));
    }
    return games;
}

bool hasResults(const SeasonGames &games)
{
    return std::any_of(games.begin(), games.end(), [](const SeasonGame &game) { return game.result.has_value(); });
}

} // namespace hoopdeck
