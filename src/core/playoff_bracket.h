#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "season_games.h"

namespace hoopdeck {

enum class Conference { East, West };

// A team's place in the 2004 playoffs as the league seeded them: what the
// games cannot tell, kept beside the bracket they make.
struct PlayoffSeed {
    Conference conference;
    int seed;  // 1 to 8
    int team;
};

const std::array<PlayoffSeed, 16> &playoffSeeds();
std::optional<PlayoffSeed> playoffSeedOf(int team);

constexpr int kFinalsRound = 3;     // after the first round, the semifinals and the conference finals
constexpr int kWinsToTakeSeries = 4;

// A game of a series and where the series stood after it.
struct SeriesGame {
    int index = -1;              // in the playoff games
    std::array<int, 2> wins{};   // of the series' two teams, this game's result counted
    bool resultShown = false;
};

// Two teams' games of one round, in order.
struct PlayoffSeries {
    int round = 0;                          // 0 first round, 1 semifinals, 2 conference finals, 3 Finals
    std::optional<Conference> conference;   // none for the Finals
    std::array<int, 2> teams{-1, -1};       // the better seed first
    std::array<int, 2> wins{};
    std::vector<SeriesGame> games;
    int slot = 0;                           // place in its round, top of the bracket first

    int winner() const;  // the team with four wins, or -1
    int loser() const;   // the other team once there is a winner, or -1
    QString roundName() const;  // "East First Round", "West Semifinals", "Finals"
    // "Detroit 4, L.A. Lakers 1": the team ahead first, the better seed when level.
    QString text() const;
    // "East Finals, game 6" for its game at position gameNumber (from 1).
    QString gameLabel(int gameNumber) const;
};

// "Detroit leads 2-1", "Series tied 1-1", "Detroit wins 4-1".
QString seriesStateText(const std::array<int, 2> &teams, const std::array<int, 2> &wins);
// The same from one team's side, its wins first: "Leads 2-1", "Trails 1-2",
// "Tied 1-1", "Won 4-1", "Lost 1-4".
QString teamSeriesText(int won, int lost);

// The series of the playoff games, in bracket order: the East's first
// round, semifinals and final, the same for the West, then the Finals;
// within a round, top of the bracket first. A series' round is how many
// series its teams played before it. Only results the line shows are
// counted; a series none of whose results it shows is left out, unless
// everySeries keeps it (where a game stands in its series needs no result).
struct PlayoffBracket {
    std::vector<PlayoffSeries> series;

    // The series holding the playoff game at index, and the game's number
    // in it (from 1); nullptr when none does.
    const PlayoffSeries *seriesOfGame(int index, int *gameNumber = nullptr) const;
};

PlayoffBracket playoffBracket(const SeasonGames &playoffs, const SpoilerLine &line = {}, bool everySeries = false);

} // namespace hoopdeck
