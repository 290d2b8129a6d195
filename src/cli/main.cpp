// hoopdeck-cli: the viewer's lists printed in a terminal.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>
#include <QTextStream>

#include <cstdio>
#include <optional>

#include "downloader.h"
#include "games_by_date_view.h"
#include "install.h"
#include "results_setting.h"
#include "roster_view.h"
#include "settings_choice.h"
#include "settings_store.h"
#include "standings.h"
#include "start_up.h"
#include "table_printer.h"
#include "teams.h"
#include "time_zones.h"
#include "view_columns.h"
#include "viewer.h"

using namespace hoopdeck;
using hoopdeck::cli::printAligned;
using hoopdeck::cli::printTsv;
using hoopdeck::cli::printTsvRow;

namespace {

enum ExitCode {
    ExitOk = 0,
    ExitNotInstalled = 1,
    ExitWrongSeason = 2,
    ExitDownloadFailed = 3,
    ExitSettingsNotSaved = 5,
    ExitUsage = 64,
};

const char *const kCommands =
    "Commands:\n"
    "  standings                          the title, then the rows of the standings list\n"
    "  season                             every game of the season\n"
    "  today [DATE]                       the games of a day (M/D/YYYY; default: today, or\n"
    "                                     this day in the season when today lies outside it)\n"
    "  team TEAM                          a team's whole schedule\n"
    "  roster TEAM [--sort COLUMN]...     a team's players; each --sort is a tap on a header\n"
    "                                     (#, Player, Pos, Ht, Wt): the same one twice reverses\n"
    "  settings [--team TEAM] [--zone N] [--server HOST[:PORT]] [--results on|off]\n"
    "                                     change and save the settings, then print them\n"
    "  download standings|rosters [--server HOST[:PORT]]\n"
    "                                     fetch a fresh file from the data server\n"
    "  install [--from DIR]               install the season for this user\n"
    "\n"
    "TEAM is an index 0-28 or a team name such as \"L.A. Lakers\"; N is a time zone 0-69.";

struct Cli {
    QCommandLineParser parser;
    QTextStream out{stdout};
    QTextStream err{stderr};
    bool tsv = false;
    QString installDir;

    Cli()
    {
        out.setEncoding(QStringConverter::Utf8);
        err.setEncoding(QStringConverter::Utf8);
    }

    int usage(const QString &problem)
    {
        if (!problem.isEmpty())
            err << "hoopdeck-cli: " << problem << "\n\n";
        err << parser.helpText();
        return ExitUsage;
    }

    // The checks the program runs at start; on failure the message is printed.
    std::optional<Viewer> start(QSettings &store, int &exitCode)
    {
        const StartupCheck check = runStartupChecks(store, installDir);
        if (check.result != StartupCheck::Ok) {
            err << check.message() << '\n';
            exitCode = check.result == StartupCheck::NotInstalled ? ExitNotInstalled : ExitWrongSeason;
            return std::nullopt;
        }
        Viewer viewer;
        viewer.paths = check.paths;
        LoadSettings(store, viewer.settings);
        viewer.showResults = LoadShowResults(store);
        return viewer;
    }

    // A list as its view shows it: with Show Results off, the result columns
    // keep their place but print empty.
    void printList(TextTable &list, const QList<ColumnSpec> &columns, bool showResults)
    {
        if (!showResults)
            clearResultCells(list, columns);
        tsv ? printTsv(out, list, int(columns.size())) : printAligned(out, list, columns);
    }

    void printSettings(const Settings &s, bool showResults)
    {
        const QString results = showResults ? QStringLiteral("on") : QStringLiteral("off");
        if (tsv) {
            printTsvRow(out, {QStringLiteral("Team"), QString::number(s.favoriteTeam), teamDisplayName(s.favoriteTeam)});
            printTsvRow(out, {QStringLiteral("Index"), QString::number(s.zoneIndex), timeZoneCaption(s.zoneIndex)});
            printTsvRow(out, {QStringLiteral("OffSet"), QString::number(s.zoneOffsetHours)});
            printTsvRow(out, {QStringLiteral("Server"), s.server});
            printTsvRow(out, {QStringLiteral("Results"), results});
            return;
        }
        out << "Favorite team: " << teamDisplayName(s.favoriteTeam) << " (" << s.favoriteTeam << ")\n"
            << "Time zone:     " << timeZoneCaption(s.zoneIndex) << " (" << s.zoneIndex << ")\n"
            << "Offset:        " << s.zoneOffsetHours << " hours from US Eastern time\n"
            << "Data server:   " << s.server << '\n'
            << "Show results:  " << results << '\n';
    }

    int run(const QStringList &arguments);
};

int Cli::run(const QStringList &arguments)
{
    parser.setApplicationDescription(QStringLiteral("Hoopdeck's season viewer in a terminal.\n\n") + QLatin1String(kCommands));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption installDirOption(QStringLiteral("install-dir"),
        QStringLiteral("Use the season in DIR instead of the installed one."), QStringLiteral("DIR"));
    const QCommandLineOption tsvOption(QStringLiteral("tsv"), QStringLiteral("Tab-separated rows, no header."));
    const QCommandLineOption teamOption(QStringLiteral("team"), QStringLiteral("settings: the favourite team."), QStringLiteral("TEAM"));
    const QCommandLineOption zoneOption(QStringLiteral("zone"), QStringLiteral("settings: the time zone 0-69."), QStringLiteral("N"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QStringLiteral("install: the folder to install from."), QStringLiteral("DIR"));
    const QCommandLineOption sortOption(QStringLiteral("sort"), QStringLiteral("roster: tap a column header."), QStringLiteral("COLUMN"));
    const QCommandLineOption serverOption(QStringLiteral("server"),
        QStringLiteral("settings, download: the data server."), QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption resultsOption(QStringLiteral("results"),
        QStringLiteral("settings: show how games ended (on) or not (off)."), QStringLiteral("on|off"));
    parser.addOptions({helpOption, installDirOption, tsvOption, teamOption, zoneOption, fromOption, sortOption,
                       serverOption, resultsOption});
    parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("standings, season, today, team, roster, settings or install."));
    parser.addPositionalArgument(QStringLiteral("ARGS"), QStringLiteral("The command's arguments."), QStringLiteral("[ARGS]"));

    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(helpOption)) {
        out << parser.helpText();
        return ExitOk;
    }
    tsv = parser.isSet(tsvOption);
    installDir = parser.value(installDirOption);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString command = positional.first();
    const QStringList args = positional.mid(1);

    // Each command's own options; any other is a mistake worth telling.
    QList<QCommandLineOption> allowed;
    int minArgs = 0, maxArgs = 0;
    if (command == QLatin1String("settings")) {
        allowed = {teamOption, zoneOption, serverOption, resultsOption};
    } else if (command == QLatin1String("download")) {
        minArgs = maxArgs = 1;
        allowed = {serverOption};
    } else if (command == QLatin1String("install")) {
        allowed = {fromOption};
    } else if (command == QLatin1String("today")) {
        maxArgs = 1;
    } else if (command == QLatin1String("team")) {
        minArgs = maxArgs = 1;
    } else if (command == QLatin1String("roster")) {
        minArgs = maxArgs = 1;
        allowed = {sortOption};
    } else if (command != QLatin1String("standings") && command != QLatin1String("season")) {
        return usage(QStringLiteral("unknown command \"%1\"").arg(command));
    }
    for (const QCommandLineOption &option : {teamOption, zoneOption, fromOption, sortOption, serverOption, resultsOption}) {
        const bool isAllowed = std::any_of(allowed.cbegin(), allowed.cend(),
            [&](const QCommandLineOption &o) { return o.names() == option.names(); });
        if (parser.isSet(option) && !isAllowed)
            return usage(QStringLiteral("--%1 does not go with %2").arg(option.names().first(), command));
    }
    if (args.size() < minArgs || args.size() > maxArgs)
        return usage(QStringLiteral("wrong number of arguments for %1").arg(command));

    std::unique_ptr<QSettings> store = openSettingsStore();

    if (command == QLatin1String("install")) {
        const QString from = parser.isSet(fromOption) ? parser.value(fromOption) : bundledSeasonDir();
        const QString target = installDir.isEmpty() ? userDataDir() : installDir;
        const InstallResult result = installSeason(from, target, *store);
        if (!result.ok) {
            err << result.message << '\n';
            return ExitNotInstalled;
        }
        out << "Installed the season in " << target << " (" << result.copied << " files copied).\n";
        return ExitOk;
    }

    // Arguments are checked before the data is touched, so a typo costs nothing.
    std::optional<int> team;
    if (command == QLatin1String("team") || command == QLatin1String("roster")
        || parser.isSet(teamOption)) {
        const QString text = parser.isSet(teamOption) ? parser.value(teamOption) : args.value(0);
        team = teamFromText(text);
        if (!team)
            return usage(QStringLiteral("\"%1\" is not a team").arg(text));
    }
    std::optional<int> zone;
    if (parser.isSet(zoneOption)) {
        bool ok = false;
        const int n = parser.value(zoneOption).toInt(&ok);
        if (!ok || n < 0 || n >= kTimeZoneCount)
            return usage(QStringLiteral("\"%1\" is not a time zone 0-%2").arg(parser.value(zoneOption)).arg(kTimeZoneCount - 1));
        zone = n;
    }
    QList<int> sortColumns;
    for (const QString &caption : parser.values(sortOption)) {
        const int column = rosterColumnFromCaption(caption);
        if (column < 0)
            return usage(QStringLiteral("\"%1\" is not a roster column (#, Player, Pos, Ht, Wt)").arg(caption));
        sortColumns.append(column);
    }
    std::optional<DownloadKind> downloadKind;
    if (command == QLatin1String("download")) {
        if (args.first() == QLatin1String("standings"))
            downloadKind = DownloadKind::Standings;
        else if (args.first() == QLatin1String("rosters"))
            downloadKind = DownloadKind::Rosters;
        else
            return usage(QStringLiteral("download takes standings or rosters, not \"%1\"").arg(args.first()));
    }
    std::optional<bool> showResults;
    if (parser.isSet(resultsOption)) {
        const QString value = parser.value(resultsOption);
        if (value != QLatin1String("on") && value != QLatin1String("off"))
            return usage(QStringLiteral("--results takes on or off, not \"%1\"").arg(value));
        showResults = value == QLatin1String("on");
    }
    QDate date;
    if (command == QLatin1String("today") && !args.isEmpty()) {
        date = parseUserDate(args.first());
        if (!date.isValid())
            return usage(QStringLiteral("\"%1\" is not a date (M/D/YYYY)").arg(args.first()));
    }

    installOnFirstRun(*store);
    int exitCode = ExitOk;
    std::optional<Viewer> viewer = start(*store, exitCode);
    if (!viewer)
        return exitCode;

    if (command == QLatin1String("standings")) {
        viewer->loadStandings();
        if (tsv) {
            printTsvRow(out, {standingsTitle(viewer->seasonLabel)});
            printTsv(out, viewer->standingsList, int(standingsColumns().size()));
        } else {
            out << standingsTitle(viewer->seasonLabel).trimmed() << "\n\n";
            QStringList divisions;
            for (const char *name : kDivisionNames)
                divisions.append(QString::fromLatin1(name));
            printAligned(out, viewer->standingsList, standingsColumns(), divisions);
        }
    } else if (command == QLatin1String("season")) {
        viewer->loadSeason();
        printList(viewer->seasonList, seasonColumns(), viewer->showResults);
    } else if (command == QLatin1String("team")) {
        viewer->loadSeason();
        viewer->fillTeamSchedule(*team);
        if (!tsv)
            out << teamDisplayName(*team) << "\n\n";
        printList(viewer->teamScheduleList, teamScheduleColumns(), viewer->showResults);
    } else if (command == QLatin1String("roster")) {
        viewer->loadRoster();
        viewer->chooseRosterTeam(*team);
        for (int column : sortColumns)
            viewer->clickRosterColumn(column);
        if (!tsv)
            out << teamDisplayName(*team) << "\n\n";
        tsv ? printTsv(out, viewer->rosterList, RosterColumnCount)
            : printAligned(out, viewer->rosterList, rosterListColumns());
    } else if (command == QLatin1String("today")) {
        viewer->day.InitSelectedDate(date.isValid() ? date : today());
        viewer->loadSeason();
        if (!date.isValid())
            viewer->startInSeason(today());
        if (!viewer->dayNote.isEmpty())
            err << viewer->day.DateCaption << ": " << viewer->dayNote << '\n';
        viewer->fillGamesByDate();
        out << viewer->day.DateCaption << '\n';
        if (!tsv)
            out << '\n';
        printList(viewer->gamesByDateList, gamesByDateColumns(), viewer->showResults);
    } else if (command == QLatin1String("download")) {
        const QString server = parser.isSet(serverOption) ? parser.value(serverOption) : viewer->settings.server;
        const QString path = *downloadKind == DownloadKind::Standings ? viewer->paths.standings : viewer->paths.roster;
        const DownloadResult result = downloadNow(*downloadKind, server, path);
        if (result.outcome != DownloadResult::Succeeded) {
            err << result.errorText << '\n';
            return ExitDownloadFailed;
        }
        out << "Downloaded " << downloadFileName(*downloadKind) << " (" << result.bytes << " bytes)\n";
    } else if (command == QLatin1String("settings")) {
        Settings &s = viewer->settings;
        SettingsChoice choice;
        choice.team = team;
        choice.zoneIndex = zone;
        if (parser.isSet(serverOption))
            choice.server = parser.value(serverOption);
        bool saved = choice.isEmpty() || saveChoice(*store, s, choice);
        if (saved && showResults) {
            viewer->showResults = *showResults;
            saved = SaveShowResults(*store, *showResults);
        }
        if (!saved) {
            err << "Cannot save the settings in " << store->fileName() << ".\n";
            return ExitSettingsNotSaved;
        }
        printSettings(s, viewer->showResults);
    }
    return ExitOk;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Hoopdeck"));
    Cli cli;
    return cli.run(QCoreApplication::arguments());
}
