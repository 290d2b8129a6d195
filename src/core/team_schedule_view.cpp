#include "team_schedule_view.h"

#include "season.h"
#include "teams.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
// The team's won-lost record so far, counted from the games with a result.
struct Record {
    int won = 0;
    int lost = 0;
    QString text() const { return QStringLiteral("%1-%2").arg(won).arg(lost); }
};

void AddTeamScheduleRow(QAnyStringView dateTime, const QString &game, ZoneShift zone, TextTable &list,
                        const QStringList &resultCells)
{
    const GameTimeTexts texts = convertGameTime(dateTime, zone);
    list.appendRow(QStringList{texts.date, game, texts.time} + resultCells);
}
} // namespace

bool isTeamScheduleGame(int visitor, int home, int team)
{
    return visitor >= 0 && (visitor == team || home == team);
}

void FillTeamSchedule(const TextTable &scheduleTable, int team, ZoneShift zone, TextTable &teamScheduleList)
{
    teamScheduleList.clear();
    Record record;
    const int rows = scheduleTable.count();
    for (int row = 0; row < rows; ++row) {
        const int visitor = decimalToInt(scheduleTable.cell(row, ScheduleVisitor));
        const int home = decimalToInt(scheduleTable.cell(row, ScheduleHome));
        if (!isTeamScheduleGame(visitor, home, team))
            continue;
        // The visitor test comes first: a team on both sides plays away.
        const QString game = visitor == team ? QStringLiteral(" @ ") + teamDisplayName(home)
                                             : QStringLiteral(" vs ") + teamDisplayName(visitor);
        QStringList resultCells;
        if (const std::optional<GameResult> result = scheduleResult(scheduleTable, row)) {
            const bool atHome = visitor != team;
            (result->visitorWon() != atHome ? record.won : record.lost) += 1;
            resultCells = {resultText(*result, atHome), record.text()};
        }
        AddTeamScheduleRow(scheduleTable.cell(row, ScheduleDate), game, zone, teamScheduleList, resultCells);
    }
}

} // namespace hoopdeck
