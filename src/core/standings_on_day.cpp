#include "standings_on_day.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "teams.h"
#include "won_lost.h"

namespace hoopdeck {

namespace {
constexpr int kLastGames = 10;
constexpr int kDivisions = 4;

// a's share of wins against b's, compared without rounding; no games is .000
int comparePercentage(const WonLost &a, const WonLost &b)
{
    const qint64 left = qint64(a.won) * std::max(1, b.won + b.lost);
    const qint64 right = qint64(b.won) * std::max(1, a.won + a.lost);
    return left < right ? -1 : (left > right ? 1 : 0);
}

struct TeamRecord {
    int team = -1;      // -1: a name of no team, which has no games
    int division = 0;   // 0-3, the group of the final list
    int listOrder = 0;  // its place in the final list
    WonLost all, home, road, division_, conference;
    std::vector<bool> wins;  // game by game, in the schedule's order
};

int teamNamed(QAnyStringView name)
{
    for (int team = 0; team < kTeamCount; ++team) {
        if (QAnyStringView::compare(name, teamName(team)) == 0)
            return team;
    }
    return -1;
}

bool sameConference(int divisionA, int divisionB)
{
    return divisionA / 2 == divisionB / 2;  // Atlantic and Central; Midwest and Pacific
}

QString lastTenText(const std::vector<bool> &wins)
{
    WonLost last;
    const size_t from = wins.size() > size_t(kLastGames) ? wins.size() - kLastGames : 0;
    for (size_t i = from; i < wins.size(); ++i)
        last.add(wins[i]);
    return last.text();
}

QString streakText(const std::vector<bool> &wins)
{
    if (wins.empty())
        return QString();
    const bool kind = wins.back();
    const auto run = std::find(wins.rbegin(), wins.rend(), !kind) - wins.rbegin();
    return (kind ? QLatin1Char('W') : QLatin1Char('L')) + QString::number(run);
}

// Orders the teams of one division: percentage, then wins among the teams
// level on it, then division record, then the final list's order.
void orderDivision(std::vector<TeamRecord *> &division, const std::array<std::array<int, kTeamCount>, kTeamCount> &beat)
{
    std::stable_sort(division.begin(), division.end(), [](const TeamRecord *a, const TeamRecord *b) {
        return comparePercentage(a->all, b->all) > 0;
    });
    for (auto first = division.begin(); first != division.end();) {
        auto last = std::find_if(first, division.end(), [&](const TeamRecord *t) {
            return comparePercentage(t->all, (*first)->all) != 0;
        });
        if (last - first > 1) {
            const std::vector<TeamRecord *> level(first, last);
            auto winsAmong = [&](const TeamRecord *t) {
                int wins = 0;
                for (const TeamRecord *other : level) {
                    if (t->team >= 0 && other->team >= 0)
                        wins += beat[size_t(t->team)][size_t(other->team)];
                }
                return wins;
            };
            std::sort(first, last, [&](const TeamRecord *a, const TeamRecord *b) {
                const int h2h = winsAmong(a) - winsAmong(b);
                if (h2h != 0)
                    return h2h > 0;
                const int div = comparePercentage(a->division_, b->division_);
                if (div != 0)
                    return div > 0;
                return a->listOrder < b->listOrder;
            });
        }
        first = last;
    }
}
} // namespace

QString gamesBehindText(int halfGames)
{
    if (halfGames == 0)
        return QStringLiteral("-");
    const int size = std::abs(halfGames);
    QString text = halfGames < 0 ? QStringLiteral("-") : QString();
    text += QString::number(size / 2);
    if (size % 2)
        text += QStringLiteral(".5");
    return text;
}

namespace {
using Beaten = std::array<std::array<int, kTeamCount>, kTeamCount>;

// Every team's record, counted game by game, in the final list's order.
class DayCounter {
public:
    explicit DayCounter(const TextTable &standingsList)
    {
        recordOf_.fill(-1);
        int division = -1;
        for (int row = 0; row < standingsList.count(); ++row) {
            if (isDivisionRow(row)) {
                division = int(std::find(std::begin(kDivisionRows), std::end(kDivisionRows), row)
                               - std::begin(kDivisionRows));
                continue;
            }
            TeamRecord record;
            record.team = teamNamed(standingsList.cell(row, StandingsTeam));
            record.division = std::max(division, 0);
            record.listOrder = row;
            if (record.team >= 0 && recordOf_[size_t(record.team)] < 0)
                recordOf_[size_t(record.team)] = int(records_.size());
            else
                record.team = -1;  // listed twice: counted once, where it first stands
            records_.push_back(record);
        }
    }

    // A game with a result between two listed teams counts; any other does not.
    void add(const SeasonGame &game)
    {
        if (!game.result || game.day == 0 || !game.isLeagueGame())
            return;
        const int v = recordOf_[size_t(game.visitor)], h = recordOf_[size_t(game.home)];
        if (v < 0 || h < 0)
            return;
        const bool visitorWon = game.result->visitorWon();
        TeamRecord &visitor = records_[size_t(v)];
        TeamRecord &home = records_[size_t(h)];
        visitor.all.add(visitorWon);
        home.all.add(!visitorWon);
        visitor.road.add(visitorWon);
        home.home.add(!visitorWon);
        if (visitor.division == home.division) {
            visitor.division_.add(visitorWon);
            home.division_.add(!visitorWon);
        }
        if (sameConference(visitor.division, home.division)) {
            visitor.conference.add(visitorWon);
            home.conference.add(!visitorWon);
        }
        visitor.wins.push_back(visitorWon);
        home.wins.push_back(!visitorWon);
        beat_[size_t(visitorWon ? game.visitor : game.home)][size_t(visitorWon ? game.home : game.visitor)] += 1;
    }

    // The division's teams in their order now.
    std::vector<const TeamRecord *> division(int d)
    {
        std::vector<TeamRecord *> members;
        for (TeamRecord &record : records_) {
            if (record.division == d)
                members.push_back(&record);
        }
        orderDivision(members, beat_);
        return {members.begin(), members.end()};
    }

private:
    std::vector<TeamRecord> records_;
    std::array<int, kTeamCount> recordOf_;
    Beaten beat_{};
};

DayCounter countDay(const TextTable &standingsList, const std::vector<SeasonGame> &games, int dayNumber)
{
    DayCounter counter(standingsList);
    for (const SeasonGame &game : games) {
        if (game.day <= dayNumber)
            counter.add(game);
    }
    return counter;
}

// Half games behind the division's first team.
int halfGamesBehind(const TeamRecord &leader, const TeamRecord &team)
{
    return (leader.all.won - team.all.won) + (team.all.lost - leader.all.lost);
}
} // namespace

std::vector<DayStanding> divisionStandings(DayCounter &counter, int division)
{
    const std::vector<const TeamRecord *> members = counter.division(division);
    std::vector<DayStanding> rows;
    for (const TeamRecord *t : members)
        rows.push_back({t->team, t->all.won, t->all.lost, halfGamesBehind(*members.front(), *t)});
    return rows;
}

std::vector<std::vector<DayStanding>> divisionRace(const TextTable &standingsList,
                                                   const std::vector<SeasonGame> &games, int division, int firstDay,
                                                   int lastDay)
{
    std::vector<size_t> byDay(games.size());
    for (size_t i = 0; i < byDay.size(); ++i)
        byDay[i] = i;
    std::stable_sort(byDay.begin(), byDay.end(), [&](size_t a, size_t b) { return games[a].day < games[b].day; });
    DayCounter counter(standingsList);
    std::vector<std::vector<DayStanding>> days;
    auto next = byDay.begin();
    for (int day = firstDay; day <= lastDay; ++day) {
        for (; next != byDay.end() && games[*next].day <= day; ++next)
            counter.add(games[*next]);
        days.push_back(divisionStandings(counter, division));
    }
    return days;
}

void FillStandingsOnDay(const TextTable &standingsList, const std::vector<SeasonGame> &games, int dayNumber,
                        TextTable &dayList)
{
    dayList.clear();
    DayCounter counter = countDay(standingsList, games, dayNumber);
    for (int d = 0; d < kDivisions; ++d) {
        const std::vector<const TeamRecord *> members = counter.division(d);
        if (members.empty())
            continue;
        const QAnyStringView blank[StandingsDayCellCount] = {};
        dayList.appendRow(blank, StandingsDayCellCount);
        for (const TeamRecord *t : members) {
            dayList.appendRow(QStringList{standingsList.cell(t->listOrder, StandingsTeam).toString(),
                                          QString::number(t->all.won), QString::number(t->all.lost),
                                          gamesBehindText(halfGamesBehind(*members.front(), *t)),
                                          winningPercentage(t->all.won, t->all.lost), t->home.text(), t->road.text(),
                                          t->division_.text(), t->conference.text(), lastTenText(t->wins),
                                          streakText(t->wins)});
        }
    }
}

} // namespace hoopdeck
