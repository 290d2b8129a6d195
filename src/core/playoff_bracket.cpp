#include "playoff_bracket.h"

#include <algorithm>
#include <tuple>

#include "teams.h"

namespace hoopdeck {

namespace {
const char *const kRoundNames[] = {"First Round", "Semifinals", "Finals"};

// Where a first-round series stands in its half of the bracket: 1-8, 4-5,
// 3-6, 2-7, so that each semifinal joins two neighbours.
int firstRoundSlot(int seed)
{
    switch (std::min(seed, 9 - seed)) {
    case 1: return 0;
    case 4: return 1;
    case 3: return 2;
    default: return 3;
    }
}

int seedNumber(int team)
{
    const std::optional<PlayoffSeed> seed = playoffSeedOf(team);
    return seed ? seed->seed : 99;
}

int conferenceOrder(const PlayoffSeries &series)
{
    return series.conference ? int(*series.conference) : 2;
}

int ahead(const PlayoffSeries &series)
{
    return series.wins[1] > series.wins[0] ? 1 : 0;
}
} // namespace

const std::array<PlayoffSeed, 16> &playoffSeeds()
{
    // Team numbers as in Season.dat.
    static const std::array<PlayoffSeed, 16> seeds{{
        {Conference::East, 1, 9},  // Indiana
        {Conference::East, 2, 16}, // New Jersey
        {Conference::East, 3, 6},  // Detroit
        {Conference::East, 4, 13}, // Miami
        {Conference::East, 5, 17}, // New Orleans
        {Conference::East, 6, 14}, // Milwaukee
        {Conference::East, 7, 18}, // New York
        {Conference::East, 8, 1},  // Boston
        {Conference::West, 1, 15}, // Minnesota
        {Conference::West, 2, 11}, // L.A. Lakers
        {Conference::West, 3, 24}, // San Antonio
        {Conference::West, 4, 23}, // Sacramento
        {Conference::West, 5, 4},  // Dallas
        {Conference::West, 6, 12}, // Memphis
        {Conference::West, 7, 8},  // Houston
        {Conference::West, 8, 5},  // Denver
    }};
    return seeds;
}

std::optional<PlayoffSeed> playoffSeedOf(int team)
{
    for (const PlayoffSeed &seed : playoffSeeds()) {
        if (seed.team == team)
            return seed;
    }
    return std::nullopt;
}

int PlayoffSeries::winner() const
{
    for (int side = 0; side < 2; ++side) {
        if (wins[size_t(side)] >= kWinsToTakeSeries)
            return teams[size_t(side)];
    }
    return -1;
}

int PlayoffSeries::loser() const
{
    const int won = winner();
    if (won < 0)
        return -1;
    return won == teams[0] ? teams[1] : teams[0];
}

QString PlayoffSeries::roundName() const
{
    if (round >= kFinalsRound)
        return QStringLiteral("Finals");
    const QString name = QLatin1String(kRoundNames[round]);
    if (!conference)
        return name;
    return (*conference == Conference::East ? QStringLiteral("East ") : QStringLiteral("West ")) + name;
}

QString PlayoffSeries::text() const
{
    const size_t first = size_t(ahead(*this));
    const size_t second = 1 - first;
    return QStringLiteral("%1 %2, %3 %4")
        .arg(teamDisplayName(teams[first]))
        .arg(wins[first])
        .arg(teamDisplayName(teams[second]))
        .arg(wins[second]);
}

QString PlayoffSeries::gameLabel(int gameNumber) const
{
    return QStringLiteral("%1, game %2").arg(roundName()).arg(gameNumber);
}

QString teamSeriesText(int won, int lost)
{
    const char *state = won == kWinsToTakeSeries    ? "Won"
                        : lost == kWinsToTakeSeries ? "Lost"
                        : won > lost                ? "Leads"
                        : won < lost                ? "Trails"
                                                    : "Tied";
    return QStringLiteral("%1 %2-%3").arg(QLatin1String(state)).arg(won).arg(lost);
}

QString seriesStateText(const std::array<int, 2> &teams, const std::array<int, 2> &wins)
{
    if (wins[0] == wins[1])
        return QStringLiteral("Series tied %1-%2").arg(wins[0]).arg(wins[1]);
    const size_t first = wins[1] > wins[0] ? 1 : 0;
    const size_t second = 1 - first;
    const QString verb = wins[first] >= kWinsToTakeSeries ? QStringLiteral("wins") : QStringLiteral("leads");
    return QStringLiteral("%1 %2 %3-%4").arg(teamDisplayName(teams[first]), verb).arg(wins[first]).arg(wins[second]);
}

const PlayoffSeries *PlayoffBracket::seriesOfGame(int index, int *gameNumber) const
{
    for (const PlayoffSeries &each : series) {
        for (size_t i = 0; i < each.games.size(); ++i) {
            if (each.games[i].index == index) {
                if (gameNumber)
                    *gameNumber = int(i) + 1;
                return &each;
            }
        }
    }
    return nullptr;
}

PlayoffBracket playoffBracket(const SeasonGames &playoffs, const SpoilerLine &line, bool everySeries)
{
    // The series in the order they began.
    std::vector<PlayoffSeries> found;
    for (int index = 0; index < int(playoffs.size()); ++index) {
        const SeasonGame &game = playoffs[size_t(index)];
        if (!game.isLeagueGame())
            continue;
        auto series = std::find_if(found.begin(), found.end(), [&](const PlayoffSeries &each) {
            return std::minmax(each.teams[0], each.teams[1]) == std::minmax(game.visitor, game.home);
        });
        if (series == found.end()) {
            PlayoffSeries started;
            // A series' round is how many each team has played before it.
            for (const PlayoffSeries &earlier : found) {
                for (int team : {game.visitor, game.home}) {
                    if (earlier.teams[0] == team || earlier.teams[1] == team)
                        started.round = std::max(started.round, earlier.round + 1);
                }
            }
            started.round = std::min(started.round, kFinalsRound);
            const bool homeBetter = seedNumber(game.home) <= seedNumber(game.visitor);
            started.teams = homeBetter ? std::array<int, 2>{game.home, game.visitor}
                                       : std::array<int, 2>{game.visitor, game.home};
            const std::optional<PlayoffSeed> first = playoffSeedOf(started.teams[0]);
            const std::optional<PlayoffSeed> second = playoffSeedOf(started.teams[1]);
            if (first && second && first->conference == second->conference && started.round < kFinalsRound)
                started.conference = first->conference;
            if (first)
                started.slot = firstRoundSlot(first->seed) >> std::min(started.round, 2);
            found.push_back(started);
            series = found.end() - 1;
        }
        SeriesGame played;
        played.index = index;
        if (const std::optional<GameResult> result = line.resultOf(game)) {
            const int winner = result->visitorWon() ? game.visitor : game.home;
            series->wins[winner == series->teams[0] ? 0 : 1] += 1;
            played.resultShown = true;
        }
        played.wins = series->wins;
        series->games.push_back(played);
    }
    PlayoffBracket bracket;
    for (PlayoffSeries &series : found) {
        if (everySeries
            || std::any_of(series.games.begin(), series.games.end(), [](const SeriesGame &g) { return g.resultShown; }))
            bracket.series.push_back(std::move(series));
    }
    std::stable_sort(bracket.series.begin(), bracket.series.end(), [](const PlayoffSeries &a, const PlayoffSeries &b) {
        return std::make_tuple(conferenceOrder(a), a.round, a.slot) < std::make_tuple(conferenceOrder(b), b.round, b.slot);
    });
    return bracket;
}

} // namespace hoopdeck
