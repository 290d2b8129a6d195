#include "team_rows.h"

#include "game_time.h"
#include "season.h"
#include "team_schedule_view.h"
#include "teams.h"
#include "text_fields.h"
#include "utf16_text.h"

namespace hoopdeck {

namespace {
bool namesTeam(QStringView name, int team)
{
    return team >= 0 && team < kTeamCount && name == teamDisplayName(team);
}

int visitorOf(const TextTable &scheduleTable, int row)
{
    return decimalToInt(scheduleTable.cell(row, ScheduleVisitor));
}

int homeOf(const TextTable &scheduleTable, int row)
{
    return decimalToInt(scheduleTable.cell(row, ScheduleHome));
}
} // namespace

bool gameHasTeam(QAnyStringView gameText, int team)
{
    const Utf16Text wide(gameText);
    const QStringView game = wide;
    const qsizetype at = game.indexOf(QLatin1String(" @ "));
    return at >= 0 && (namesTeam(game.left(at), team) || namesTeam(game.mid(at + 3), team));
}

bool standingsRowIs(QAnyStringView teamCell, int team)
{
    return namesTeam(Utf16Text(teamCell), team);
}

int seasonRowOnOrAfter(const TextTable &scheduleTable, int dayNumber)
{
    int listed = 0;
    for (int row = 0; row < scheduleTable.count(); ++row) {
        const QAnyStringView date = scheduleTable.cell(row, ScheduleDate);
        if (!hasSeasonListRow(date))
            continue;
        if (gameDayNumber(date) >= dayNumber)
            return listed;
        ++listed;
    }
    return -1;
}

int teamRowOnOrAfter(const TextTable &scheduleTable, int team, int dayNumber)
{
    int listed = 0;
    for (int row = 0; row < scheduleTable.count(); ++row) {
        if (!isTeamScheduleGame(visitorOf(scheduleTable, row), homeOf(scheduleTable, row), team))
            continue;
        if (gameDayNumber(scheduleTable.cell(row, ScheduleDate)) >= dayNumber)
            return listed;
        ++listed;
    }
    return -1;
}

QList<int> gameDays(const TextTable &scheduleTable, int team)
{
    QList<int> days;
    for (int row = 0; row < scheduleTable.count(); ++row) {
        const int day = gameDayNumber(scheduleTable.cell(row, ScheduleDate));
        if (day == 0 || (team >= 0 && !isTeamScheduleGame(visitorOf(scheduleTable, row), homeOf(scheduleTable, row), team)))
            continue;
        if (days.isEmpty() || days.last() != day)
            days.append(day);
    }
    return days;
}

} // namespace hoopdeck
