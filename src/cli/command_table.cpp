#include "command_table.h"

#include "commands.h"
#include "exit_codes.h"
#include "session.h"
#include "value_readers.h"

namespace hoopdeck::cli {

namespace {
const Option kInstallDir{"install-dir", "DIR", "Use the season in DIR instead of the installed one.", readInstallDir};
const Option kTsv{"tsv", nullptr, "Tab-separated rows: no captions, no padding.", readTsv};
const Option kCsv{"csv", nullptr, "Comma-separated rows under the column captions.", readCsv};
const Option kHelp{"help", nullptr, "Show this help.", readHelp, false, 'h'};

const Option kSort{"sort", "COLUMN", "click a column heading", readSortColumn, true};
const Option kOnDay{"on", "DAY", "as it stood on DAY (M/D/YYYY)", readOnDay};
const Option kPlayoffs{"playoffs", nullptr, "the playoff games after the season's", readPlayoffs, false, 0, nullptr, false};
const Option kFrom{"from", "DIR", "the folder to install from", readFrom};

const Argument kTeamArgument{"TEAM", readTeam};

// The options of the settings that have one, in the table's order.
const QList<const Option *> &settingOptions()
{
    static const QList<Option> options = [] {
        QList<Option> list;
        for (const SettingRow &setting : settingRows()) {
            if (setting.option)
                list.append({setting.option, setting.valueName, setting.help, nullptr, false, 0, &setting});
        }
        return list;
    }();
    static const QList<const Option *> pointers = [] {
        QList<const Option *> list;
        for (const Option &option : options)
            list.append(&option);
        return list;
    }();
    return pointers;
}

const Option *settingOption(SettingId id)
{
    for (const Option *option : settingOptions()) {
        if (option->setting->id == id)
            return option;
    }
    return nullptr;
}
} // namespace

const QList<const Option *> &globalOptions()
{
    static const QList<const Option *> options{&kInstallDir, &kTsv, &kCsv, &kHelp};
    return options;
}

const QList<Command> &commands()
{
    static const QList<Command> table{
        {"standings", {}, {&kOnDay}, "the title, then the rows of the standings list", SeasonUse::Needed, runStandings},
        {"season", {}, {&kOnDay}, "every game of the season", SeasonUse::Needed, runSeason},
        {"today", {{"DATE", readDate, true}}, {},
         "the games of a day (M/D/YYYY; default: today, or\n"
         "this day in the season when today lies outside it)",
         SeasonUse::Needed, runToday},
        {"team", {kTeamArgument}, {&kOnDay, &kPlayoffs}, "a team's whole schedule", SeasonUse::Needed, runTeam},
        {"ics", {kTeamArgument}, {&kOnDay}, "a team's schedule as an iCalendar file", SeasonUse::Needed,
         runIcs},
        {"roster", {kTeamArgument}, {&kSort},
         "a team's players; each --sort is a click on a heading\n"
         "(#, Player, Pos, Ht, Wt): the same one twice reverses",
         SeasonUse::Needed, runRoster},
        {"game", {{"DATE", readDate}, kTeamArgument}, {&kOnDay},
         "a team's game on DATE (M/D/YYYY): score, line score,\n"
         "team totals, records and series",
         SeasonUse::Needed, runGame},
        {"playoffs", {}, {&kOnDay}, "the 15 playoff series, round by round", SeasonUse::Needed, runPlayoffs},
        {"settings", {}, settingOptions(),
         "change and save the settings, then print them", SeasonUse::WhenNamed, runSettings},
        {"download", {{"standings|rosters", readDownloadKind}}, {settingOption(SettingId::Server)},
         "fetch a fresh file from the data server", SeasonUse::Needed, runDownload},
        {"install", {}, {&kFrom}, "install the season for this user", SeasonUse::None, runInstall},
    };
    return table;
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : commands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

const Option *findShortOption(QChar name)
{
    for (const Option *option : globalOptions()) {
        if (option->shortName && name == QLatin1Char(option->shortName))
            return option;
    }
    return nullptr;
}

const Option *findOption(const QString &name)
{
    for (const Option *option : globalOptions()) {
        if (name == QLatin1String(option->name))
            return option;
    }
    for (const Command &command : commands()) {
        for (const Option *option : command.options) {
            if (name == QLatin1String(option->name))
                return option;
        }
    }
    return nullptr;
}

int runCommand(Session &session, const Request &request)
{
    const Command &command = *request.command;
    Viewer viewer;
    // The settings touch no season, so none needs to be installed for them;
    // but a folder the user names is checked as every command checks it.
    const bool start = command.season == SeasonUse::Needed
                       || (command.season == SeasonUse::WhenNamed && !request.installDir.isEmpty());
    if (start) {
        if (const int code = session.start(viewer))
            return code;
    }
    return command.run(session, viewer, request);
}

} // namespace hoopdeck::cli
