// What a click costs in the window's long lists: the rows rebuilt, the
// columns fitted and the list painted, on the bundled season and on one 100
// times its size, offscreen. The target is one frame (16 ms) at 100x.
//
//   QT_QPA_PLATFORM=offscreen [HOOPDECK_BENCH_SEASON=DIR] build-bench/bin/hoopdeck_lists_bench [--benchmark_filter=REGEX]

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include "run_benchmarks.h"

#include "text_table_model.h"
#include "text_table_view.h"
#include "view_columns.h"
#include "viewer.h"

using namespace hoopdeck;
using hoopdeck::app::TextTableModel;
using hoopdeck::app::TextTableView;

namespace {

Viewer &loadedViewer(const QString &dir)
{
    static std::map<QString, Viewer> viewers;
    Viewer &viewer = viewers[dir];
    if (viewer.games.empty()) {
        viewer.paths = dataPathsFor(dir);
        viewer.loadRoster();
        viewer.loadSchedule();
        viewer.loadPlayoffs();
    }
    return viewer;
}

// Refills the list through its model, as the window does, and paints it.
// keptRows: a fill of the same rows with new texts, as a new zone or
// results up to the next day make.
template <typename Fill>
void clickAndPaint(benchmark::State &state, const ListRows &rows, const QList<ColumnSpec> &columns, Fill fill,
                   bool keptRows = false)
{
    TextTableModel model(rows, columns);
    TextTableView view(&model);
    view.resize(620, 600);
    view.show();
    int step = 0;
    for (auto _ : state) {
        const auto once = [&] { fill(step++); };
        if (keptRows)
            model.refillTexts(once);
        else
            model.refill(once);
        benchmark::DoNotOptimize(view.grab());
    }
    state.counters["rows"] = rows.count();
}

void registerSeason(const char *name, const QString &dir)
{
    const auto add = [name](const std::string &what, auto run) {
        benchmark::RegisterBenchmark((std::string(name) + "/" + what).c_str(), run)->Unit(benchmark::kMillisecond);
    };
    add("TeamPick", [dir](benchmark::State &state) {
        Viewer &viewer = loadedViewer(dir);
        clickAndPaint(state, viewer.teamRows, teamScheduleColumns(),
                      [&viewer](int step) { viewer.indexTeamSchedule(step % 29); });
    });
    add("SeasonRebuild", [dir](benchmark::State &state) {
        Viewer &viewer = loadedViewer(dir);
        clickAndPaint(state, viewer.seasonRows, seasonColumns(), [&viewer](int) { viewer.indexSeasonList(); });
    });
    add("SeasonStepUpToDay", [dir](benchmark::State &state) {
        Viewer &viewer = loadedViewer(dir);
        viewer.settings.results = ResultsShown::UpToDay;
        viewer.day.selectDay(viewer.games.front().day);
        viewer.indexSeasonList();
        clickAndPaint(
            state, viewer.seasonRows, seasonColumns(),
            [&viewer](int) {
                viewer.day.stepDays(1);
                viewer.indexSeasonList();
            },
            true);
        viewer.settings.results = ResultsShown::All;
    });
    add("DayStep", [dir](benchmark::State &state) {
        Viewer &viewer = loadedViewer(dir);
        viewer.day.selectDay(viewer.games.front().day);
        TableRows rows(viewer.gamesByDateList);
        clickAndPaint(state, rows, gamesByDateColumns(), [&viewer](int) { viewer.stepDay(1); });
    });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerSeason("bundled", QStringLiteral(HOOPDECK_SEASON_DIR));
    registerSeason("100x", QStringLiteral(HOOPDECK_BIG_SEASON_DIR));
    // Any other season folder, for instance one 1000 times the bundled one.
    if (const QByteArray other = qgetenv("HOOPDECK_BENCH_SEASON"); !other.isEmpty())
        registerSeason("other", QString::fromLocal8Bit(other));
    return runRegisteredBenchmarks(argc, argv);
}
