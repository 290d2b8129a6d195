// The loads of the three data files and every view rebuild, on the bundled
// season and on one 100 times its size (tools/make-big-season), next to the
// floor each is compared with: reading the file's bytes.
//
//   build-bench/bin/hoopdeck_bench [--benchmark_filter=REGEX] ...

#include <QFile>
#include <QString>

#include <benchmark/benchmark.h>

#include "run_benchmarks.h"

#include "games_by_date_view.h"
#include "roster.h"
#include "roster_view.h"
#include "season.h"
#include "season_games.h"
#include "standings.h"
#include "standings_on_day.h"
#include "team_schedule_view.h"
#include "season_list_view.h"
#include "viewer.h"

using namespace hoopdeck;

namespace {

struct SeasonFiles {
    const char *name;  // prefix of every benchmark's name
    QString dir;
};

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// A viewer with the season loaded, as the program holds it once it is ready.
Viewer loadedViewer(const QString &dir)
{
    Viewer viewer;
    viewer.paths = dataPathsFor(dir);
    viewer.loadStandings();
    viewer.loadRoster();
    viewer.loadSeason();
    return viewer;
}

int firstDay(const Viewer &viewer)
{
    return viewer.games.front().day;
}

int lastDay(const Viewer &viewer)
{
    return viewer.games.back().day;
}

void registerSeason(const SeasonFiles &season)
{
    const std::string prefix = std::string(season.name) + "/";
    const DataPaths paths = dataPathsFor(season.dir);
    auto add = [&](const std::string &name, auto function) {
        return benchmark::RegisterBenchmark((prefix + name).c_str(), function)->Unit(benchmark::kMicrosecond);
    };

    // Floors: the bytes of each file, read and nothing else.
    for (const QString &path : {paths.standings, paths.roster, paths.season}) {
        const std::string file = path.section(QLatin1Char('/'), -1).toStdString();
        add("ReadBytes/" + file, [path](benchmark::State &state) {
            for (auto _ : state)
                benchmark::DoNotOptimize(readBytes(path));
            state.SetBytesProcessed(state.iterations() * QFile(path).size());
        });
    }

    add("LoadStandings", [paths](benchmark::State &state) {
        TextTable list;
        QString label;
        for (auto _ : state)
            benchmark::DoNotOptimize(loadStandings(paths.standings, list, label));
    });
    add("LoadRoster", [paths](benchmark::State &state) {
        TextTable table;
        for (auto _ : state)
            benchmark::DoNotOptimize(loadRoster(paths.roster, table));
        state.counters["rows"] = table.count();
    });
    add("LoadSeason", [paths](benchmark::State &state) {
        TextTable schedule, seasonList;
        SeasonGames games;
        for (auto _ : state) {
            benchmark::DoNotOptimize(loadSeason(paths.season, schedule, games));
            FillSeasonList(games, ZoneShift{}, {}, seasonList);
        }
        state.counters["rows"] = schedule.count();
    });
    add("LoadAll", [dir = season.dir](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(loadedViewer(dir));
    });
    // The season read from bytes already in memory (ScheduleTable and games), and its Season list.
    add("BuildSeasonList", [paths](benchmark::State &state) {
        const QByteArray bytes = readBytes(paths.season);
        TextTable schedule, seasonList;
        SeasonGames games;
        for (auto _ : state) {
            benchmark::DoNotOptimize(loadSeasonFromBytes(bytes, schedule, games));
            FillSeasonList(games, ZoneShift{}, {}, seasonList);
        }
        state.counters["rows"] = seasonList.count();
    });

    // View rebuilds, each what one click in the program does.
    const Viewer viewer = loadedViewer(season.dir);
    const ZoneShift pacific{-3, 4};
    add("FillTeamSchedule/Atlanta", [viewer, pacific](benchmark::State &state) {
        TextTable list;
        for (auto _ : state)
            FillTeamSchedule(viewer.games, 0, pacific, {}, list);
        state.counters["rows"] = list.count();
    });
    // What the window does for the same lists: the index of rows, whose
    // cells are made when painted.
    add("TeamScheduleRows/Atlanta", [viewer, pacific](benchmark::State &state) {
        TeamScheduleRows rows;
        for (auto _ : state)
            rows.fill(viewer.games, 0, pacific, {}, &viewer.playoffGames);
        state.counters["rows"] = rows.count();
    });
    add("SeasonListRows", [viewer, pacific](benchmark::State &state) {
        SeasonListRows rows;
        for (auto _ : state)
            rows.fill(viewer.games, pacific, {});
        state.counters["rows"] = rows.count();
    });
    add("FillRosterList/Atlanta", [viewer](benchmark::State &state) {
        TextTable list;
        for (auto _ : state)
            FillRosterList(viewer.rosterTable, 0, list);
        state.counters["rows"] = list.count();
    });
    add("FillRosterList/Washington", [viewer](benchmark::State &state) {
        TextTable list;
        for (auto _ : state)
            FillRosterList(viewer.rosterTable, 28, list);
        state.counters["rows"] = list.count();
    });
    for (const auto &[columnName, column, descending] :
         {std::tuple{"Player", int(ColumnPlayer), false}, std::tuple{"WtDescending", int(ColumnWeight), true}}) {
        add(std::string("SortRosterList/Washington/") + columnName, [viewer, column = column, descending = descending](benchmark::State &state) {
            TextTable filled, list, sortList;
            FillRosterList(viewer.rosterTable, 28, filled);
            for (auto _ : state) {
                list = filled;  // shares the rows until the sort rewrites them
                SortRosterList(column, descending, list, sortList);
            }
            state.counters["rows"] = list.count();
        });
    }
    // The standings on a day, for the last day and for every day of the
    // season in turn (time per day: the target is under 1 ms on the bundled season).
    const SeasonGames &games = viewer.games;
    add("FillStandingsOnDay/LastDay", [viewer, games](benchmark::State &state) {
        TextTable list;
        for (auto _ : state)
            FillStandingsOnDay(viewer.standingsList, games, lastDay(viewer), list);
        state.counters["rows"] = list.count();
    });
    // The 100x season spans a hundred seasons of days: every day once is the bundled season's.
    if (std::string(season.name) == "bundled") {
        add("FillStandingsOnDay/EveryDay", [viewer, games](benchmark::State &state) {
            TextTable list;
            const int first = firstDay(viewer), last = lastDay(viewer);
            for (auto _ : state) {
                for (int day = first; day <= last; ++day)
                    FillStandingsOnDay(viewer.standingsList, games, day, list);
            }
            state.counters["perDay"] = benchmark::Counter(double(state.iterations()) * (last - first + 1),
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
        });
    }
    for (const auto &[dayName, dayNumber] : {std::pair{"FirstDay", firstDay(viewer)}, std::pair{"LastDay", lastDay(viewer)}}) {
        add(std::string("FillGamesByDate/") + dayName, [viewer, pacific, dayNumber = dayNumber](benchmark::State &state) {
            DaySelection day;
            day.selectDay(dayNumber);
            TextTable list;
            for (auto _ : state)
                FillGamesByDate(viewer.games, day, pacific, {}, list);
            state.counters["rows"] = list.count();
        });
    }
}

} // namespace

int main(int argc, char **argv)
{
    registerSeason({"bundled", QStringLiteral(HOOPDECK_SEASON_DIR)});
    registerSeason({"100x", QStringLiteral(HOOPDECK_BIG_SEASON_DIR)});
    return runRegisteredBenchmarks(argc, argv);
}
