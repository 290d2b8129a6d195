#pragma once

#include <QString>
#include <QStringList>

#include "request.h"

namespace hoopdeck::cli {

// A command line read against the command table. Options may stand before
// or after the command, as --name VALUE or --name=VALUE; "--" ends them. A
// word such as "-1" is a number, not an option.
struct CommandLine {
    Request request;
    QString problem;  // empty when the line is good
};

CommandLine readCommandLine(const QStringList &arguments);  // without the program's name

// The whole help, made from the table.
QString helpText();

// The two lines of a usage error: what is wrong, then the usage of the
// command (or of the program, when there is no command) and where the help is.
QString usageErrorText(const CommandLine &line);

} // namespace hoopdeck::cli
