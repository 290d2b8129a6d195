#include "commands.h"

#include "exit_codes.h"
#include "install.h"
#include "roster_view.h"
#include "session.h"
#include "settings_choice.h"
#include "standings.h"
#include "start_date.h"
#include "teams.h"

namespace hoopdeck::cli {

namespace {
// A team's list is introduced by its name, for a person; --tsv keeps to rows.
void printTeamName(Session &session, int team)
{
    if (session.tsv())
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

void printSettings(Session &session, const Settings &settings)
{
    for (const SettingRow &setting : settingRows()) {
        if (!setting.name)
            continue;
        if (session.tsv())
            session.printRow(QStringList{QLatin1String(setting.name)} + setting.cells(settings));
        else
            session.printLine(settingLine(setting, settings));
    }
}
} // namespace

int runStandings(Session &session, Viewer &viewer, const Request &)
{
    viewer.loadStandings();
    const QString title = standingsTitle(viewer.seasonLabel);
    if (session.tsv()) {
        session.printRow({title});
        session.printTable(viewer.standingsList, standingsColumns());
        return ExitOk;
    }
    session.printLine(title.trimmed());
    session.printLine(QString());
    QStringList divisions;
    for (const char *name : kDivisionNames)
        divisions.append(QString::fromLatin1(name));
    session.printTable(viewer.standingsList, standingsColumns(), divisions);
    return ExitOk;
}

int runSeason(Session &session, Viewer &viewer, const Request &)
{
    viewer.loadSeason();
    session.printList(viewer.seasonList, seasonColumns(), viewer.settings.showResults);
    return ExitOk;
}

int runToday(Session &session, Viewer &viewer, const Request &request)
{
    const bool fromClock = !request.date.isValid();
    const StartDate start = fromClock ? readStartDate(session) : StartDate{request.date, true};
    viewer.day.InitSelectedDate(start.date);
    viewer.loadSchedule();
    viewer.startInSeason(start);
    if (!viewer.dayNote.isEmpty())
        session.report(viewer.day.DateCaption + QStringLiteral(": ") + viewer.dayNote);
    viewer.fillGamesByDate();
    // The day's caption comes first in both forms, as the window shows it over the list.
    session.printLine(viewer.day.DateCaption);
    if (!session.tsv())
        session.printLine(QString());
    session.printList(viewer.gamesByDateList, gamesByDateColumns(), viewer.settings.showResults);
    return ExitOk;
}

int runTeam(Session &session, Viewer &viewer, const Request &request)
{
    viewer.loadSchedule();
    viewer.fillTeamSchedule(*request.team);
    printTeamName(session, *request.team);
    session.printList(viewer.teamScheduleList, teamScheduleColumns(), viewer.settings.showResults);
    return ExitOk;
}

int runRoster(Session &session, Viewer &viewer, const Request &request)
{
    viewer.loadRoster();
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
