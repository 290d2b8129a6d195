#include "team_schedule_view.h"

#include <algorithm>

#include "playoff_bracket.h"
#include "season.h"
#include "teams.h"
#include "won_lost.h"

namespace hoopdeck {

bool isTeamScheduleGame(int visitor, int home, int team)
{
    return visitor >= 0 && (visitor == team || home == team);
}

namespace {
// The team's rows of games, Record being what recordAfter(game index, won) says.
template <typename RecordAfter>
void fillTeamRows(const SeasonGames &games, int team, ZoneShift zone, const SpoilerLine &line, TextTable &list,
                  RecordAfter recordAfter)
{
    for (int i = 0; i < int(games.size()); ++i) {
        const SeasonGame &each = games[size_t(i)];
        if (!isTeamScheduleGame(each.visitor, each.home, team))
            continue;
        // The visitor test comes first: a team on both sides plays away.
        const QString game = each.visitor == team ? QStringLiteral(" @ ") + teamDisplayName(each.home)
                                                  : QStringLiteral(" vs ") + teamDisplayName(each.visitor);
        const GameClockTexts texts = gameClockTexts(each.time, zone);
        if (const std::optional<GameResult> result = line.resultOf(each)) {
            const bool atHome = each.visitor != team;
            list.appendRow({texts.dateText(), game, texts.timeText(), resultText(*result, atHome),
                            recordAfter(i, result->visitorWon() != atHome)});
        } else {
            list.appendRow({texts.dateText(), game, texts.timeText()});
        }
    }
}
} // namespace

void FillTeamSchedule(const SeasonGames &games, int team, ZoneShift zone, const SpoilerLine &line,
                      TextTable &teamScheduleList)
{
    teamScheduleList.clear();
    WonLost record;  // the team's so far, counted from the games with a result
    fillTeamRows(games, team, zone, line, teamScheduleList, [&record](int, bool won) {
        record.add(won);
        return record.text();
    });
}

int AppendTeamPlayoffs(const SeasonGames &playoffs, int team, ZoneShift zone, const SpoilerLine &line,
                       TextTable &teamScheduleList)
{
    // Which teams reached the playoffs and how far is the news itself:
    // only games on days whose results are shown are listed.
    SeasonGames shown;
    for (const SeasonGame &game : playoffs) {
        if (!line.lastDay || game.day <= *line.lastDay)
            shown.push_back(game);
    }
    if (std::none_of(shown.begin(), shown.end(),
                     [team](const SeasonGame &game) { return isTeamScheduleGame(game.visitor, game.home, team); }))
        return -1;
    const int groupRow = teamScheduleList.appendRow({QStringLiteral("Playoffs")});
    const PlayoffBracket bracket = playoffBracket(shown, line);
    fillTeamRows(shown, team, zone, line, teamScheduleList, [&bracket, team](int index, bool) {
        int number = 0;
        const PlayoffSeries *series = bracket.seriesOfGame(index, &number);
        if (!series)
            return QString();
        const std::array<int, 2> &wins = series->games[size_t(number - 1)].wins;
        const size_t side = series->teams[0] == team ? 0 : 1;
        return teamSeriesText(wins[side], wins[1 - side]);
    });
    return groupRow;
}

} // namespace hoopdeck
