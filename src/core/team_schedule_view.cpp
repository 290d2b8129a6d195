#include "team_schedule_view.h"

#include "season.h"
#include "teams.h"
#include "won_lost.h"

namespace hoopdeck {

bool isTeamScheduleGame(int visitor, int home, int team)
{
    return visitor >= 0 && (visitor == team || home == team);
}

void FillTeamSchedule(const SeasonGames &games, int team, ZoneShift zone, const SpoilerLine &line,
                      TextTable &teamScheduleList)
{
    teamScheduleList.clear();
    WonLost record;  // the team's so far, counted from the games with a result
    for (const SeasonGame &each : games) {
        if (!isTeamScheduleGame(each.visitor, each.home, team))
            continue;
        // The visitor test comes first: a team on both sides plays away.
        const QString game = each.visitor == team ? QStringLiteral(" @ ") + teamDisplayName(each.home)
                                                  : QStringLiteral(" vs ") + teamDisplayName(each.visitor);
        const GameClockTexts texts = gameClockTexts(each.time, zone);
        if (const std::optional<GameResult> result = line.resultOf(each)) {
            const bool atHome = each.visitor != team;
            record.add(result->visitorWon() != atHome);
            teamScheduleList.appendRow(
                {texts.dateText(), game, texts.timeText(), resultText(*result, atHome), record.text()});
        } else {
            teamScheduleList.appendRow({texts.dateText(), game, texts.timeText()});
        }
    }
}

} // namespace hoopdeck
