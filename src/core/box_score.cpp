#include "box_score.h"

#include <QHash>

#include <algorithm>

#include "games_by_date_view.h"
#include "line_reader.h"
#include "teams.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
constexpr int kTeamFieldCount = kBoxPeriodCount + BoxTotalCount;
constexpr int kBoxFieldCount = 3 + 2 * kTeamFieldCount;  // date, visitor, home, then both teams' figures
// One field more is read so that a line with too many is seen as such.
constexpr int kFieldsRead = kBoxFieldCount + 1;

quint64 gameKey(int day, int visitor, int home)
{
    return (quint64(quint32(day)) << 16) | (quint64(visitor) << 8) | quint64(home);
}

// The results a box is checked against, by day and teams; the first game of
// a key counts, as a team plays once a day.
using ResultIndex = QHash<quint64, GameResult>;

void addResults(ResultIndex &index, const SeasonGames &games)
{
    for (const SeasonGame &game : games) {
        if (game.isLeagueGame() && game.day != 0 && game.result) {
            const quint64 key = gameKey(game.day, game.visitor, game.home);
            if (!index.contains(key))
                index.insert(key, *game.result);
        }
    }
}

// Box.dat holds both teams' periods, then both teams' totals.
bool readNumbers(const QStringView *fields, int *out, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::optional<int> value = wholeNumber(fields[i]);
        if (!value)
            return false;
        out[i] = *value;
    }
    return true;
}

bool readTeamBoxes(const QStringView *fields, TeamBox &visitor, TeamBox &home)
{
    const QStringView *totals = fields + 2 * kBoxPeriodCount;
    return readNumbers(fields, visitor.periods.data(), kBoxPeriodCount)
           && readNumbers(fields + kBoxPeriodCount, home.periods.data(), kBoxPeriodCount)
           && readNumbers(totals, visitor.totals.data(), BoxTotalCount)
           && readNumbers(totals + BoxTotalCount, home.totals.data(), BoxTotalCount);
}

std::optional<BoxScore> boxScoreOf(const QStringView *fields, const ResultIndex &results)
{
    BoxScore box;
    // A date that names no real day has no day number: it gives day 0, no game's day.
    const QDate date = parseUserDate(fields[0].toString());
    box.day = date.isValid() ? dayNumber(date) : 0;
    const std::optional<int> visitor = wholeNumber(fields[1]);
    const std::optional<int> home = wholeNumber(fields[2]);
    if (box.day == 0 || !visitor || !home || *visitor >= kTeamCount || *home >= kTeamCount)
        return std::nullopt;
    box.visitor = *visitor;
    box.home = *home;
    if (!readTeamBoxes(fields + 3, box.visitorBox, box.homeBox))
        return std::nullopt;
    const auto result = results.constFind(gameKey(box.day, box.visitor, box.home));
    if (result == results.cend() || box.visitorBox.points() != result->visitorPoints
        || box.homeBox.points() != result->homePoints || box.visitorBox.shotPoints() != result->visitorPoints
        || box.homeBox.shotPoints() != result->homePoints)
        return std::nullopt;
    return box;
}

bool readBoxScores(LineReader &reader, const SeasonGames &season, const SeasonGames &playoffs, BoxScores &boxes)
{
    ResultIndex results;
    addResults(results, season);
    addResults(results, playoffs);
    QString line;
    QStringView fields[kFieldsRead];
    while (reader.readLine(line)) {
        if (splitFieldViews(line, QLatin1Char(','), kFieldsRead, fields) != kBoxFieldCount)
            continue;
        if (const std::optional<BoxScore> box = boxScoreOf(fields, results))
            boxes.push_back(*box);
    }
    return !reader.error();
}
} // namespace

qint64 TeamBox::points() const
{
    qint64 sum = 0;
    for (int points : periods)
        sum += points;
    return sum;
}

qint64 TeamBox::shotPoints() const
{
    return 2 * qint64(totals[BoxFgm]) + totals[Box3pm] + totals[BoxFtm];
}

bool loadBoxScores(const QString &path, const SeasonGames &season, const SeasonGames &playoffs, BoxScores &boxes)
{
    boxes.clear();
    return readDataFile(path, [&](LineReader &reader) { return readBoxScores(reader, season, playoffs, boxes); });
}

bool loadBoxScoresFromBytes(const QByteArray &bytes, const SeasonGames &season, const SeasonGames &playoffs,
                            BoxScores &boxes)
{
    boxes.clear();
    LineReader reader(bytes);
    return readBoxScores(reader, season, playoffs, boxes);
}

const BoxScore *findBoxScore(const BoxScores &boxes, const SeasonGame &game)
{
    const auto found = std::find_if(boxes.begin(), boxes.end(), [&](const BoxScore &box) {
        return box.day == game.day && box.visitor == game.visitor && box.home == game.home;
    });
    return found == boxes.end() ? nullptr : &*found;
}

} // namespace hoopdeck
