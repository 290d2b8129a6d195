#include "season_games.h"

#include "game_time.h"
#include "season.h"
#include "teams.h"
#include "text_fields.h"
#include "utf16_text.h"

namespace hoopdeck {

bool SeasonGame::isLeagueGame() const
{
    return visitor >= 0 && visitor < kTeamCount && home >= 0 && home < kTeamCount && visitor != home;
}

std::vector<SeasonGame> seasonGames(const TextTable &scheduleTable)
{
    std::vector<SeasonGame> games;
    games.reserve(size_t(scheduleTable.count()));
    for (int row = 0; row < scheduleTable.count(); ++row) {
        SeasonGame game;
        const Utf16Text dateTime(scheduleTable.cell(row, ScheduleDate));
        game.day = gameDayNumber(dateTime.view());
        const GameTime time = parseGameTime(dateTime);
        game.minutes = time.hour * 60 + time.minute;
        game.visitor = decimalToInt(scheduleTable.cell(row, ScheduleVisitor));
        game.home = decimalToInt(scheduleTable.cell(row, ScheduleHome));
        game.result = scheduleResult(scheduleTable, row);
        games.push_back(game);
    }
    return games;
}

} // namespace hoopdeck
