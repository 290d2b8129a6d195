#include "team_schedule_view.h"

#include "season.h"
#include "teams.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
void AddTeamScheduleRow(const QString &dateTime, const QString &game, ZoneShift zone, TextTable &list)
{
    const GameTimeTexts texts = convertGameTime(dateTime, zone);
    list.appendRow({texts.date, game, texts.time});
}
} // namespace

void FillTeamSchedule(const TextTable &scheduleTable, int team, ZoneShift zone, TextTable &teamScheduleList)
{
    teamScheduleList.clear();
    const int rows = scheduleTable.count();
    for (int row = 0; row < rows; ++row) {
        const int visitor = decimalToInt(scheduleTable.cell(row, ScheduleVisitor));
        if (visitor < 0)
            continue;
        const int home = decimalToInt(scheduleTable.cell(row, ScheduleHome));
        QString game;
        if (visitor == team)
            game = QStringLiteral(" @ ") + teamDisplayName(home);
        else if (home == team)
            game = QStringLiteral(" vs ") + teamDisplayName(visitor);
        else
            continue;
        AddTeamScheduleRow(scheduleTable.cell(row, ScheduleDate), game, zone, teamScheduleList);
    }
}

} // namespace hoopdeck
