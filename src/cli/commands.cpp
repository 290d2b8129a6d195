#include "commands.h"

#include "exit_codes.h"
#include "install.h"
#include "roster.h"
#include "roster_view.h"
#include "season.h"
#include "season_list_view.h"
#include "session.h"
#include "settings_choice.h"
#include "standings.h"
#include "standings_on_day.h"
#include "start_date.h"
#include "team_calendar.h"
#include "teams.h"

namespace hoopdeck::cli {

namespace {
// A team's list is introduced by its name, for a person; --tsv and --csv keep to rows.
void printTeamName(Session &session, int team)
{
    if (session.rowsOnly())
        return;
    session.printLine(teamDisplayName(team));
    session.printLine(QString());
}

// HOOPDECK_TODAY fixes the day the clock gives; a day that cannot be read
// is told, not quietly passed over.
StartDate readStartDate(Session &session)
{
    const QString fixed = qEnvironmentVariable("HOOPDECK_TODAY");
    const StartDate start = startDateFrom(fixed);
    if (!fixed.isEmpty() && !start.fixed) {
        session.report(QStringLiteral("hoopdeck-cli: HOOPDECK_TODAY \"%1\" is not a date (MM/DD/YYYY); "
                                      "today is the machine's date")
                           .arg(fixed));
    }
    return start;
}

// Selects the given day, or when none is given the day the clock gives (or
// this day in the season, which is told).
void selectDay(Session &session, Viewer &viewer, const QDate &given)
{
    // The season's days run on into the playoffs, as `today` steps.
    if (!given.isValid() && viewer.playoffGames.empty())
        viewer.loadPlayoffs();
    const StartDate start = given.isValid() ? StartDate{given, true} : readStartDate(session);
    viewer.day.InitSelectedDate(start.date);
    viewer.startInSeason(start);
    if (!viewer.dayNote.isEmpty())
        session.report(viewer.day.DateCaption + QStringLiteral(": ") + viewer.dayNote);
}

void printStandings(Session &session, const QString &title, const TextTable &list, const QList<ColumnSpec> &columns)
{
    if (session.rowsOnly()) {
        // Under its captions, a --csv table needs no title.
        if (session.tsv())
            session.printRow({title});
        session.printTable(list, columns);
        return;
    }
    session.printLine(title.trimmed());
    session.printLine(QString());
    QStringList divisions;
    for (const char *name : kDivisionNames)
        divisions.append(QString::fromLatin1(name));
    session.printTable(list, columns, divisions);
}

// --tsv rows go out as they are made: a script's rows need no list held
// whole, which on a long season takes more memory than its games. Hidden
// results leave the Score cell empty, as in the list.
void printSeasonRows(Session &session, const Viewer &viewer)
{
    TsvRows rows = session.tsvRows();
    const int columns = int(seasonColumns().size());
    forEachSeasonListRow(viewer.games, viewer.settings.zone(), viewer.gameSpoilerLine(),
                         [&rows, columns](const SeasonListRow &row) {
                             QAnyStringView cells[4];
                             row.cells(cells);
                             rows.add(cells, columns);
                         });
}

void printSettings(Session &session, const Settings &settings)
{
    for (const SettingRow &setting : settingRows()) {
        if (!setting.name)
            continue;
        if (session.rowsOnly())
            session.printRow(QStringList{QLatin1String(setting.name)} + setting.cells(settings));
        else
            session.printLine(settingLine(setting, settings));
    }
}
} // namespace

void loadGames(Viewer &viewer)
{
    loadSeasonGames(viewer.paths.season, viewer.games);
}

void placeSpoilerLine(Session &session, Viewer &viewer, const Request &request)
{
    if (request.onDay.isValid()) {
        // Hidden results stay hidden: the day only draws the line.
        if (viewer.settings.results != ResultsShown::None)
            viewer.settings.results = ResultsShown::UpToDay;
        selectDay(session, viewer, request.onDay);
    } else if (viewer.settings.results == ResultsShown::UpToDay) {
        selectDay(session, viewer, QDate());
    }
}

bool showsResults(const Viewer &viewer)
{
    return viewer.settings.results != ResultsShown::None;
}

int loadPlayoffGames(Session &session, Viewer &viewer)
{
    if (viewer.loadPlayoffs())
        return ExitOk;
    session.report(QStringLiteral("hoopdeck-cli: cannot read the playoff games, %1").arg(viewer.paths.playoffs));
    return ExitGameFileMissing;
}

int runStandings(Session &session, Viewer &viewer, const Request &request)
{
    viewer.loadStandings();
    // Up to a day, the final table would tell what is still to come.
    if (!request.onDay.isValid() && viewer.settings.results != ResultsShown::UpToDay) {
        printStandings(session, standingsTitle(viewer.seasonLabel), viewer.standingsList, standingsColumns());
        return ExitOk;
    }
    loadGames(viewer);
    placeSpoilerLine(session, viewer, request);
    viewer.fillStandingsOnDay();
    printStandings(session, standingsTitleOnDay(viewer.seasonLabel, viewer.day.SelectedDate),
                   viewer.standingsDayList, standingsDayColumns());
    return ExitOk;
}

int runSeason(Session &session, Viewer &viewer, const Request &request)
{
    loadGames(viewer);
    placeSpoilerLine(session, viewer, request);
    if (session.tsv()) {
        printSeasonRows(session, viewer);
        return ExitOk;
    }
    viewer.fillSeasonList();
    session.printList(viewer.seasonList, seasonColumns(), showsResults(viewer));
    return ExitOk;
}

int runToday(Session &session, Viewer &viewer, const Request &request)
{
    loadGames(viewer);
    // Without the playoff games the season's days are listed all the same.
    viewer.loadPlayoffs();
    selectDay(session, viewer, request.date);
    viewer.fillGamesByDate();
    // The day's caption comes first, as the window shows it over the list;
    // --csv starts with the column captions instead.
    if (!session.csv())
        session.printLine(viewer.day.DateCaption);
    if (!session.rowsOnly())
        session.printLine(QString());
    session.printList(viewer.gamesByDateList, gamesByDateColumns(), showsResults(viewer));
    return ExitOk;
}

int runTeam(Session &session, Viewer &viewer, const Request &request)
{
    loadGames(viewer);
    if (request.playoffs) {
        if (const int code = loadPlayoffGames(session, viewer))
            return code;
    }
    placeSpoilerLine(session, viewer, request);
    viewer.fillTeamSchedule(*request.team);
    printTeamName(session, *request.team);
    // The list's "Playoffs" row: a title of its own in the text form, as
    // the window exports it in comma-separated form, left out in the
    // tab-separated form.
    TextTable rows(viewer.teamScheduleList.columnCount());
    for (int row = 0; row < viewer.teamScheduleList.count(); ++row) {
        const bool opensPlayoffs = row == viewer.teamRows.playoffsRow();
        if (opensPlayoffs && !request.playoffs)
            break;
        if (!opensPlayoffs || session.csv())
            rows.appendRow(viewer.teamScheduleList.rowCells(row));
        else if (!session.tsv())
            rows.appendRow(QStringList());
    }
    if (!showsResults(viewer))
        clearResultCells(rows, teamScheduleColumns());
    session.printTable(rows, teamScheduleColumns(), {QStringLiteral("Playoffs")});
    return ExitOk;
}

int runIcs(Session &session, Viewer &viewer, const Request &request)
{
    loadGames(viewer);
    // A calendar outlives the run: with results off, --on lets no score into it.
    const bool showResults = showsResults(viewer);
    placeSpoilerLine(session, viewer, request);
    const QByteArray calendar = teamCalendar(viewer.games, *request.team, viewer.spoilerLine(), showResults,
                                             QDateTime::currentDateTimeUtc());
    session.printText(QString::fromUtf8(calendar));
    return ExitOk;
}

int runRoster(Session &session, Viewer &viewer, const Request &request)
{
    // The team's lines alone: the others' players are read past, not kept.
    loadRosterTeam(viewer.paths.roster, *request.team, viewer.rosterTable);
    viewer.chooseRosterTeam(*request.team);
    for (int column : request.sortColumns)
        viewer.clickRosterColumn(column);
    printTeamName(session, *request.team);
    session.printTable(viewer.rosterList, rosterListColumns());
    return ExitOk;
}

int runSettings(Session &session, Viewer &, const Request &request)
{
    SettingsStore &store = session.store();
    Settings settings;
    LoadSettings(store, settings);
    if (!request.settings.isEmpty()) {
        const SettingsSaveResult saved = saveChoice(store, settings, request.settings);
        if (!saved) {
            QString reason = saved.reason;
            if (reason.endsWith(QLatin1Char('.')))
                reason.chop(1);
            session.report(QStringLiteral("Cannot save the settings in %1: %2.").arg(store.location(), reason));
            return ExitSettingsNotSaved;
        }
        // What is stored now: this choice, and what other programs saved meanwhile.
        LoadSettings(store, settings);
    }
    printSettings(session, settings);
    return ExitOk;
}

int runDownload(Session &session, Viewer &viewer, const Request &request)
{
    const DownloadKind kind = *request.downloadKind;
    const QString path = downloadLocalPath(kind, viewer.paths);
    const DownloadLimits limits = downloadLimits(qEnvironmentVariableIntValue("HOOPDECK_NET_TIMEOUT_MS"),
                                                 qEnvironmentVariableIntValue("HOOPDECK_NET_DEADLINE_MS"));
    const QString server = request.settings.value(SettingId::Server).value_or(viewer.settings.server).toString();
    const DownloadResult result = downloadNow(kind, server, path, limits);
    if (result.outcome != DownloadResult::Succeeded) {
        session.report(result.message());
        return ExitDownloadFailed;
    }
    session.printLine(
        QStringLiteral("Downloaded %1 (%2 bytes)").arg(downloadFileName(kind), QString::number(result.bytes)));
    return ExitOk;
}

int runInstall(Session &session, Viewer &, const Request &request)
{
    const QString from = request.from.value_or(bundledSeasonDir());
    const QString target = request.installDir.isEmpty() ? userDataDir() : request.installDir;
    const InstallResult result = installSeason(from, target, session.store());
    if (!result.ok) {
        session.report(result.message);
        return ExitNotInstalled;
    }
    session.printLine(
        QStringLiteral("Installed the season in %1 (%2 files copied).").arg(target, QString::number(result.copied)));
    return ExitOk;
}

} // namespace hoopdeck::cli
