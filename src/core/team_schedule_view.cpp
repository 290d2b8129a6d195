#include "team_schedule_view.h"

#include <algorithm>

#include "playoff_bracket.h"
#include "season.h"
#include "teams.h"
#include "won_lost.h"

namespace hoopdeck {

namespace {
enum Column { DateColumn, GameColumn, TimeColumn, ResultColumn, RecordColumn };
const QLatin1StringView kPlayoffsRowText("Playoffs");
} // namespace

bool isTeamScheduleGame(int visitor, int home, int team)
{
    return visitor >= 0 && (visitor == team || home == team);
}

void TeamScheduleRows::fill(const SeasonGames &games, int team, ZoneShift zone, const SpoilerLine &line,
                            const SeasonGames *playoffs, const SpoilerLine &playoffLine)
{
    games_ = &games;
    playoffs_ = playoffs;
    team_ = team;
    zone_ = zone;
    rows_.clear();
    playoffsRow_ = -1;
    WonLost record;  // the team's so far, counted from the games with a result
    WonLost all;     // the same with the results the line hides
    for (int i = 0; i < int(games.size()); ++i) {
        const SeasonGame &each = games[size_t(i)];
        if (!isTeamScheduleGame(each.visitor, each.home, team))
            continue;
        Row row{i, false};
        if (each.result)
            all.add(each.result->visitorWon() == (each.visitor == team));
        if (const std::optional<GameResult> result = line.resultOf(each)) {
            record.add(result->visitorWon() == (each.visitor == team));
            row = {i, false, true, qint16(record.won), qint16(record.lost)};
        }
        row.allWon = qint16(all.won);
        row.allLost = qint16(all.lost);
        rows_.push_back(row);
    }
    if (!playoffs)
        return;

    const PlayoffBracket bracket = playoffBracket(*playoffs, playoffLine);
    for (int i = 0; i < int(playoffs->size()); ++i) {
        const SeasonGame &each = (*playoffs)[size_t(i)];
        if (!playoffLine.reaches(each) || !isTeamScheduleGame(each.visitor, each.home, team))
            continue;
        if (playoffsRow_ < 0) {
            playoffsRow_ = int(rows_.size());
            rows_.push_back(Row{});
        }
        Row row{i, true};
        int number = 0;
        const PlayoffSeries *series = bracket.seriesOfGame(i, &number);
        if (playoffLine.resultOf(each) && series) {
            const std::array<int, 2> &wins = series->games[size_t(number - 1)].wins;
            const size_t side = series->teams[0] == team ? 0 : 1;
            row = {i, true, true, qint16(wins[side]), qint16(wins[1 - side])};
        }
        rows_.push_back(row);
    }
}

const SeasonGame *TeamScheduleRows::gameOf(const Row &row) const
{
    if (row.index < 0)
        return nullptr;
    return &(*(row.playoff ? playoffs_ : games_))[size_t(row.index)];
}

GameRef TeamScheduleRows::game(int row) const
{
    if (row < 0 || row >= count() || rows_[size_t(row)].index < 0)
        return {};
    return {rows_[size_t(row)].playoff, rows_[size_t(row)].index};
}

int TeamScheduleRows::rowOnOrAfter(int dayNumber) const
{
    for (int row = 0; row < count(); ++row) {
        const SeasonGame *game = gameOf(rows_[size_t(row)]);
        if (game && game->day >= dayNumber)
            return row;
    }
    return -1;
}

int TeamScheduleRows::cellCount(int row) const
{
    if (row < 0 || row >= count())
        return 0;
    const Row &at = rows_[size_t(row)];
    return at.index < 0 ? 1 : at.result ? 5 : 3;
}

QString TeamScheduleRows::cell(int row, int column) const
{
    if (column < 0 || column >= cellCount(row))
        return QString();
    const Row &at = rows_[size_t(row)];
    const SeasonGame *game = gameOf(at);
    if (!game)
        return QString(kPlayoffsRowText);
    // The visitor test comes first: a team on both sides plays away.
    const bool away = game->visitor == team_;
    switch (column) {
    case DateColumn:
        return gameClockTexts(game->time, zone_).dateText().toString();
    case GameColumn:
        return away ? QStringLiteral(" @ ") + teamDisplayName(game->home)
                    : QStringLiteral(" vs ") + teamDisplayName(game->visitor);
    case TimeColumn:
        return gameClockTexts(game->time, zone_).timeText().toString();
    case ResultColumn:
        return resultText(*game->result, !away);
    default:
        return at.playoff ? teamSeriesText(at.won, at.lost) : WonLost{at.won, at.lost}.text();
    }
}

qsizetype TeamScheduleRows::cellLength(int row, int column) const
{
    // The widest candidates are chosen by length over the whole list: the
    // columns of fixed-width texts are told without writing them.
    if (row < 0 || row >= count() || rows_[size_t(row)].index < 0)
        return cell(row, column).size();
    const Row &at = rows_[size_t(row)];
    const SeasonGame &game = *gameOf(at);
    switch (column) {
    case DateColumn:
        return clockDateLength(game.time);
    case TimeColumn:
        return clockTimeLength(game.time, zone_);
    case ResultColumn:
        return game.result ? resultText(*game.result, game.visitor != team_).size() : 0;
    case RecordColumn:
        if (!at.playoff && game.result)
            return WonLost{at.allWon, at.allLost}.text().size();
        return cell(row, column).size();
    default:
        return cell(row, column).size();
    }
}

void FillTeamSchedule(const SeasonGames &games, int team, ZoneShift zone, const SpoilerLine &line,
                      TextTable &teamScheduleList)
{
    TeamScheduleRows rows;
    rows.fill(games, team, zone, line);
    writeRows(rows, teamScheduleList);
}

} // namespace hoopdeck
