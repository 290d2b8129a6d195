#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

#include "season_games.h"

namespace hoopdeck {

// A team's totals in Box.dat's order.
enum BoxTotal {
    BoxFgm, BoxFga, Box3pm, Box3pa, BoxFtm, BoxFta, BoxOreb, BoxDreb, BoxAst, BoxStl, BoxBlk, BoxTov, BoxPf,
    BoxTotalCount
};
// The four quarters, then every overtime period together.
constexpr int kBoxPeriodCount = 5;

struct TeamBox {
    std::array<int, kBoxPeriodCount> periods{};
    std::array<int, BoxTotalCount> totals{};

    // Wide enough that no sum of fields wraps.
    qint64 points() const;      // the periods added up
    qint64 shotPoints() const;  // 2 a field goal, 1 more a three, 1 a free throw
};

// One line of Box.dat: the game it belongs to and both teams' figures.
struct BoxScore {
    int day = 0;
    int visitor = -1;
    int home = -1;
    TeamBox visitorBox;
    TeamBox homeBox;
};

using BoxScores = std::vector<BoxScore>;

// Replaces boxes with the lines of Box.dat that hold together: 39 whole
// numbers after a real M/D/YYYY date, a game of season or playoffs with a
// result on that day between those teams, periods that add up to each
// side's points, and points that the shots made account for. Any other
// line is skipped. True when the whole file was read.
bool loadBoxScores(const QString &path, const SeasonGames &season, const SeasonGames &playoffs, BoxScores &boxes);
bool loadBoxScoresFromBytes(const QByteArray &bytes, const SeasonGames &season, const SeasonGames &playoffs,
                            BoxScores &boxes);

// The box of a game, or nullptr.
const BoxScore *findBoxScore(const BoxScores &boxes, const SeasonGame &game);

} // namespace hoopdeck
