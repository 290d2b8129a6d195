#include "team_rows.h"

#include "game_time.h"
#include "season.h"
#include "team_schedule_view.h"
#include "teams.h"
#include "utf16_text.h"

namespace hoopdeck {

namespace {
bool namesTeam(QStringView name, int team)
{
    return team >= 0 && team < kTeamCount && name == teamDisplayName(team);
}

} // namespace

bool gameHasTeam(QAnyStringView gameText, int team)
{
    const Utf16Text wide(gameText);
    const QStringView game = wide;
    const qsizetype at = game.indexOf(QLatin1String(" @ "));
    if (at < 0)
        return false;
    // A playoff game's series follows its home team: "(East Finals, game 6)".
    const qsizetype series = game.indexOf(QLatin1String(" ("), at + 3);
    const QStringView home = series < 0 ? game.mid(at + 3) : game.mid(at + 3, series - at - 3);
    return namesTeam(game.left(at), team) || namesTeam(home, team);
}

bool standingsRowIs(QAnyStringView teamCell, int team)
{
    return namesTeam(Utf16Text(teamCell), team);
}

int seasonRowOnOrAfter(const SeasonGames &games, int dayNumber)
{
    int listed = 0;
    for (const SeasonGame &game : games) {
        if (!game.listed)
            continue;
        if (game.day >= dayNumber)
            return listed;
        ++listed;
    }
    return -1;
}

QList<int> gameDays(const SeasonGames &games, int team)
{
    QList<int> days;
    for (const SeasonGame &game : games) {
        if (game.day == 0 || (team >= 0 && !isTeamScheduleGame(game.visitor, game.home, team)))
            continue;
        if (days.isEmpty() || days.last() != game.day)
            days.append(game.day);
    }
    return days;
}

} // namespace hoopdeck
