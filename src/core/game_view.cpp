#include "game_view.h"

#include <algorithm>

#include "season.h"
#include "teams.h"
#include "won_lost.h"

namespace hoopdeck {

namespace {
// The team's side of the game's result.
bool wonBy(const SeasonGame &game, const GameResult &result, int team)
{
    return result.visitorWon() == (game.visitor == team);
}

bool samePair(const SeasonGame &game, int a, int b)
{
    return game.isLeagueGame() && std::minmax(game.visitor, game.home) == std::minmax(a, b);
}

bool plays(const SeasonGame &game, int team)
{
    return game.isLeagueGame() && (game.visitor == team || game.home == team);
}

// The team's record over the games of the list before index whose results the line shows.
WonLost recordBefore(const SeasonGames &games, int index, int team, const SpoilerLine &line)
{
    WonLost record;
    for (int i = 0; i < index; ++i) {
        const SeasonGame &game = games[size_t(i)];
        if (!plays(game, team))
            continue;
        if (const std::optional<GameResult> result = line.resultOf(game))
            record.add(wonBy(game, *result, team));
    }
    return record;
}

QString seasonSeriesText(const SeasonGames &games, int index, const std::array<int, 2> &teams, const SpoilerLine &line)
{
    std::array<int, 2> wins{};
    for (int i = 0; i <= index; ++i) {
        const SeasonGame &game = games[size_t(i)];
        if (!samePair(game, teams[0], teams[1]))
            continue;
        if (const std::optional<GameResult> result = line.resultOf(game)) {
            const int winner = result->visitorWon() ? game.visitor : game.home;
            wins[winner == teams[0] ? 0 : 1] += 1;
        }
    }
    if (wins[0] == wins[1])
        return QStringLiteral("Season series tied %1-%2").arg(wins[0]).arg(wins[1]);
    const size_t first = wins[1] > wins[0] ? 1 : 0;
    return QStringLiteral("%1 leads the season series %2-%3")
        .arg(teamDisplayName(teams[first]))
        .arg(wins[first])
        .arg(wins[1 - first]);
}

// The first game of the pair in games from index on, as the schedule lists it.
QString meetingText(const SeasonGames &games, size_t from, const std::array<int, 2> &teams, ZoneShift zone)
{
    for (size_t i = from; i < games.size(); ++i) {
        const SeasonGame &game = games[i];
        if (samePair(game, teams[0], teams[1]))
            return QStringLiteral("%1 %2 %3")
                .arg(dayCaption(game.day), gameText(game.visitor, game.home),
                     QString(gameClockTexts(game.time, zone).timeText()));
    }
    return QString();
}

// Rows padded under their captions: the first column to the left, the others to the right.
QStringList paddedTable(const QStringList &captions, const QList<QStringList> &rows)
{
    QList<qsizetype> widths;
    for (const QString &caption : captions)
        widths.append(caption.size());
    for (const QStringList &row : rows) {
        for (int c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row.at(c).size());
    }
    QStringList lines;
    auto add = [&](const QStringList &cells) {
        QStringList padded;
        for (int c = 0; c < widths.size(); ++c) {
            const QString cell = cells.value(c);
            padded.append(c == 0 ? cell.leftJustified(widths[c]) : cell.rightJustified(widths[c]));
        }
        QString line = padded.join(QStringLiteral("  "));
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines.append(line);
    };
    add(captions);
    for (const QStringList &row : rows)
        add(row);
    return lines;
}
} // namespace

GameRef findTeamGame(const GameSources &sources, int day, int team)
{
    for (const SeasonGames *games : {&sources.season, &sources.playoffs}) {
        for (size_t i = 0; i < games->size(); ++i) {
            const SeasonGame &game = (*games)[i];
            if (day != 0 && game.day == day && plays(game, team))
                return {games == &sources.playoffs, int(i)};
        }
    }
    return {};
}

GameView gameView(const GameSources &sources, GameRef ref, ZoneShift zone, const SpoilerLine &line)
{
    GameView view;
    const SeasonGames &games = ref.playoff ? sources.playoffs : sources.season;
    if (ref.index < 0 || ref.index >= int(games.size()))
        return view;
    const SeasonGame &game = games[size_t(ref.index)];
    const std::array<int, 2> teams{game.visitor, game.home};
    view.playoff = ref.playoff;
    view.matchup = gameText(game.visitor, game.home);
    view.day = dayCaption(game.day);
    view.time = QString(gameClockTexts(game.time, zone).timeText());
    for (size_t side = 0; side < 2; ++side) {
        view.teams[side] = teamDisplayName(teams[side]);
        view.recordsBefore[side] = recordBefore(games, ref.index, teams[side], line).text();
    }
    const std::optional<GameResult> result = line.resultOf(game);
    if (!result)
        return view;
    view.resultShown = true;
    view.score = scoreText(*result);
    for (size_t side = 0; side < 2; ++side) {
        WonLost after = recordBefore(games, ref.index, teams[side], line);
        after.add(wonBy(game, *result, teams[side]));
        view.recordsAfter[side] = after.text();
        view.lineScore[side][5] = side == 0 ? result->visitorPoints : result->homePoints;
    }
    if (ref.playoff) {
        const PlayoffBracket bracket = playoffBracket(sources.playoffs, line);
        int number = 0;
        if (const PlayoffSeries *series = bracket.seriesOfGame(ref.index, &number)) {
            view.seriesLabel = series->gameLabel(number);
            view.seriesText = seriesStateText(series->teams, series->games[size_t(number - 1)].wins);
        }
        view.nextMeeting = meetingText(sources.playoffs, size_t(ref.index) + 1, teams, zone);
    } else {
        view.seriesText = seasonSeriesText(sources.season, ref.index, teams, line);
        view.nextMeeting = meetingText(sources.season, size_t(ref.index) + 1, teams, zone);
        if (view.nextMeeting.isEmpty())
            view.nextMeeting = meetingText(sources.playoffs, 0, teams, zone);
    }
    if (view.nextMeeting.isEmpty())
        view.nextMeeting = QStringLiteral("none");
    if (const BoxScore *box = findBoxScore(sources.boxes, game)) {
        view.hasBox = true;
        view.boxes = {box->visitorBox, box->homeBox};
        for (size_t side = 0; side < 2; ++side) {
            const TeamBox &team = view.boxes[side];
            std::copy(team.periods.begin(), team.periods.end(), view.lineScore[side].begin());
            view.overtime = view.overtime || team.periods[4] > 0;
        }
        view.overtime = view.overtime || result->overtimes > 0;
    }
    return view;
}

QString madeAttemptedText(int made, int attempted, bool withShare)
{
    QString text = QStringLiteral("%1-%2").arg(made).arg(attempted);
    if (!withShare)
        return text;
    if (attempted <= 0)
        return text + QStringLiteral(" -");
    // ".443", and "1.000" for every shot made.
    QString share = QString::number(double(made) / attempted, 'f', 3);
    if (share.startsWith(QLatin1String("0.")))
        share.remove(0, 1);
    return text + QLatin1Char(' ') + share;
}

QStringList boxTotalCaptions()
{
    return {QStringLiteral("FG"),   QStringLiteral("3P"),  QStringLiteral("FT"),  QStringLiteral("OREB"),
            QStringLiteral("DREB"), QStringLiteral("REB"), QStringLiteral("AST"), QStringLiteral("STL"),
            QStringLiteral("BLK"),  QStringLiteral("TOV"), QStringLiteral("PF")};
}

QStringList boxTotalCells(const TeamBox &box, bool withShares)
{
    const auto &t = box.totals;
    return {madeAttemptedText(t[BoxFgm], t[BoxFga], withShares),
            madeAttemptedText(t[Box3pm], t[Box3pa], withShares),
            madeAttemptedText(t[BoxFtm], t[BoxFta], withShares),
            QString::number(t[BoxOreb]),
            QString::number(t[BoxDreb]),
            QString::number(qint64(t[BoxOreb]) + t[BoxDreb]),
            QString::number(t[BoxAst]),
            QString::number(t[BoxStl]),
            QString::number(t[BoxBlk]),
            QString::number(t[BoxTov]),
            QString::number(t[BoxPf])};
}

QStringList lineScoreCaptions(bool withOvertime)
{
    QStringList captions{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
    if (withOvertime)
        captions.append(QStringLiteral("OT"));
    captions.append(QStringLiteral("T"));
    return captions;
}

QStringList lineScoreCells(const std::array<int, 6> &periods, bool withOvertime)
{
    QStringList cells;
    for (size_t i = 0; i < periods.size(); ++i) {
        if (i != 4 || withOvertime)
            cells.append(QString::number(periods[i]));
    }
    return cells;
}

QStringList gameViewLines(const GameView &view)
{
    QStringList lines{view.matchup, view.day + QLatin1Char(' ') + view.time};
    if (!view.seriesLabel.isEmpty())
        lines.append(view.seriesLabel);
    if (view.resultShown)
        lines.append(QStringLiteral("Final: ") + view.score);
    if (view.hasBox) {
        lines.append(QString());
        QList<QStringList> scores, totals;
        for (size_t side = 0; side < 2; ++side) {
            scores.append(QStringList{view.teams[side]} + lineScoreCells(view.lineScore[side], view.overtime));
            totals.append(QStringList{view.teams[side]} + boxTotalCells(view.boxes[side], true));
        }
        lines += paddedTable(QStringList{QString()} + lineScoreCaptions(view.overtime), scores);
        lines.append(QString());
        lines += paddedTable(QStringList{QString()} + boxTotalCaptions(), totals);
    }
    lines.append(QString());
    const QString kind = view.playoff ? QStringLiteral(" (playoffs)") : QString();
    lines.append(QStringLiteral("Before%5: %1 %2, %3 %4")
                     .arg(view.teams[0], view.recordsBefore[0], view.teams[1], view.recordsBefore[1], kind));
    if (!view.resultShown)
        return lines;
    lines.append(QStringLiteral("After%5: %1 %2, %3 %4")
                     .arg(view.teams[0], view.recordsAfter[0], view.teams[1], view.recordsAfter[1], kind));
    if (!view.seriesText.isEmpty())
        lines.append(QStringLiteral("Series: ") + view.seriesText);
    lines.append(QStringLiteral("Next meeting: ") + view.nextMeeting);
    return lines;
}

} // namespace hoopdeck
