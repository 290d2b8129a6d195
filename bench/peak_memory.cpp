// One cold load of a season, as a program's start does it in a fresh
// process: the three files, then the views it opens with (the favourite
// team, the given day). Prints the time of each stage and the peak memory;
// the benchmarks, by contrast, time warm loads into memory already used.
//
//   build-bench/bin/hoopdeck_peak_memory SEASON_DIR [M/D/YYYY]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <sys/resource.h>

#include "games_by_date_view.h"
#include "viewer.h"

namespace {
double peakMegabytes()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 2) {
        out << "usage: hoopdeck_peak_memory SEASON_DIR [M/D/YYYY]\n";
        return 64;
    }
    const double before = peakMegabytes();
    hoopdeck::Viewer viewer;
    viewer.paths = hoopdeck::dataPathsFor(args.at(1));
    const QString day = args.size() > 2 ? args.at(2) : qEnvironmentVariable("HOOPDECK_TODAY");
    viewer.day.InitSelectedDate(hoopdeck::startDateFrom(day).date);

    QElapsedTimer timer;
    QStringList stages;
    auto stage = [&](const char *name, auto step) {
        timer.start();
        step();
        stages.append(QStringLiteral("%1 %2 ms").arg(QLatin1String(name)).arg(timer.nsecsElapsed() / 1e6, 0, 'f', 1));
    };
    stage("standings", [&] { viewer.loadStandings(); });
    stage("roster", [&] { viewer.loadRoster(); });
    stage("season", [&] { viewer.loadSeason(); });
    stage("views", [&] {
        viewer.fillTeamSchedule(viewer.settings.favoriteTeam);
        viewer.chooseRosterTeam(viewer.settings.favoriteTeam);
        viewer.fillGamesByDate();
    });
    out << QStringLiteral("%1 games, %2 players, cold: %3; peak RSS %4 MB (%5 MB before loading)\n")
               .arg(viewer.games.size())
               .arg(viewer.rosterTable.count())
               .arg(stages.join(QStringLiteral(", ")))
               .arg(peakMegabytes(), 0, 'f', 1)
               .arg(before, 0, 'f', 1);
    return 0;
}
