#pragma once

#include <QList>
#include <QString>

#include "request.h"
#include "viewer.h"

namespace hoopdeck::cli {

class Session;

// Reads the text of an argument or option value into the request; returns
// the problem, or an empty text.
using ValueReader = QString (*)(const QString &text, Request &request);

struct Option {
    const char *name;       // as typed, after "--"
    const char *valueName;  // nullptr: a flag, which takes no value
    const char *help;
    ValueReader read;
    bool repeatable = false;  // each one given counts; else the last one does
    char shortName = 0;       // as typed after "-", when it has one
    // A setting's option reads into the request's settings choice, as its row says.
    const SettingRow *setting = nullptr;
    // An option added to a command later stays out of its usage line, which
    // scripts and messages already quote; the options list still shows it.
    bool inUsage = true;
};

struct Argument {
    const char *name;  // as the help shows it
    ValueReader read;
    bool optional = false;  // optional arguments come last
};

// Whether a command starts the viewer on the season before it runs.
enum class SeasonUse {
    Needed,
    WhenNamed,  // only a folder named with --install-dir is checked
    None,
};

// One command: the help, the checks of the command line and the dispatch
// are all made from these entries.
struct Command {
    const char *name;
    QList<Argument> arguments;
    QList<const Option *> options;  // besides the global ones
    const char *help;               // a line, or lines: the later ones go under the first
    SeasonUse season;
    int (*run)(Session &session, Viewer &viewer, const Request &request);  // the exit code
};

const QList<const Option *> &globalOptions();  // --install-dir, --tsv, --csv, --help
const QList<Command> &commands();

const Command *findCommand(const QString &name);
// Any option, global or a command's, by its name without the dashes.
const Option *findOption(const QString &name);
const Option *findShortOption(QChar name);  // only global options have one

// Runs the request's command, the viewer started first when it needs one.
int runCommand(Session &session, const Request &request);

} // namespace hoopdeck::cli
