#include "team_schedule_view.h"

#include "season.h"
#include "teams.h"

namespace hoopdeck {

namespace {
// The team's won-lost record so far, counted from the games with a result.
struct Record {
    int won = 0;
    int lost = 0;
    QString text() const { return QStringLiteral("%1-%2").arg(won).arg(lost); }
};

} // namespace

bool isTeamScheduleGame(int visitor, int home, int team)
{
    return visitor >= 0 && (visitor == team || home == team);
}

void FillTeamSchedule(const SeasonGames &games, int team, ZoneShift zone, const SpoilerLine &line,
                      TextTable &teamScheduleList)
{
    teamScheduleList.clear();
    Record record;
    for (const SeasonGame &each : games) {
        if (!isTeamScheduleGame(each.visitor, each.home, team))
            continue;
        // The visitor test comes first: a team on both sides plays away.
        const QString game = each.visitor == team ? QStringLiteral(" @ ") + teamDisplayName(each.home)
                                                  : QStringLiteral(" vs ") + teamDisplayName(each.visitor);
        const GameClockTexts texts = gameClockTexts(each.time, zone);
        if (const std::optional<GameResult> result = line.resultOf(each)) {
            const bool atHome = each.visitor != team;
            (result->visitorWon() != atHome ? record.won : record.lost) += 1;
            teamScheduleList.appendRow(
                {texts.dateText(), game, texts.timeText(), resultText(*result, atHome), record.text()});
        } else {
            teamScheduleList.appendRow({texts.dateText(), game, texts.timeText()});
        }
    }
}

} // namespace hoopdeck
