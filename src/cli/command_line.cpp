#include "command_line.h"

#include <QRegularExpression>

#include "command_table.h"
#include "value_readers.h"

namespace hoopdeck::cli {

namespace {
constexpr int kHelpColumn = 37;    // where a command's help line starts
constexpr int kOptionColumn = 24;  // and an option's

bool isNumber(const QString &word)
{
    static const QRegularExpression number(QStringLiteral("^-\\d+$"));
    return number.match(word).hasMatch();
}

bool takes(const Command &command, const Option *option)
{
    return globalOptions().contains(option) || command.options.contains(option);
}

QString optionUsage(const Option &option)
{
    QString text = QStringLiteral("[--") + QLatin1String(option.name);
    if (option.valueName)
        text += QLatin1Char(' ') + QLatin1String(option.valueName);
    text += QLatin1Char(']');
    if (option.repeatable)
        text += QStringLiteral("...");
    return text;
}

QString programUsage()
{
    QString text = QStringLiteral("hoopdeck-cli");
    for (const Option *option : globalOptions()) {
        if (option->read != readHelp)  // the help is no part of a run
            text += QLatin1Char(' ') + optionUsage(*option);
    }
    return text + QStringLiteral(" COMMAND [ARGS]");
}

QString commandUsage(const Command &command)
{
    QString text = QLatin1String(command.name);
    for (const Argument &argument : command.arguments) {
        const QString name = QLatin1String(argument.name);
        text += QLatin1Char(' ') + (argument.optional ? QLatin1Char('[') + name + QLatin1Char(']') : name);
    }
    for (const Option *option : command.options) {
        if (option->inUsage)
            text += QLatin1Char(' ') + optionUsage(*option);
    }
    return text;
}

// The usage, then the help beside it, or under it when the usage is too long.
QString commandHelp(const Command &command)
{
    const QString indent(kHelpColumn, QLatin1Char(' '));
    const QString usage = QStringLiteral("  ") + commandUsage(command);
    const QString help = QString::fromLatin1(command.help).replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
    return (usage.size() < kHelpColumn ? usage.leftJustified(kHelpColumn) : usage + QLatin1Char('\n') + indent) + help
           + QLatin1Char('\n');
}

// A command's option says which commands take it.
QString optionHelp(const Option &option)
{
    QString name = QStringLiteral("  ");
    if (option.shortName)
        name += QStringLiteral("-%1, ").arg(QLatin1Char(option.shortName));
    name += QStringLiteral("--") + QLatin1String(option.name);
    if (option.valueName)
        name += QLatin1Char(' ') + QLatin1String(option.valueName);
    QStringList owners;
    for (const Command &command : commands()) {
        if (command.options.contains(&option))
            owners.append(QLatin1String(command.name));
    }
    const QString help = owners.isEmpty() ? QLatin1String(option.help)
                                          : QStringLiteral("%1: %2.").arg(owners.join(QStringLiteral(", ")),
                                                                          QLatin1String(option.help));
    return name.leftJustified(kOptionColumn) + help + QLatin1Char('\n');
}

struct GivenOption {
    const Option *option;
    QString value;
};

// Parts the command line into options, each with its value, and the other
// words; returns the problem, or an empty text.
QString sortWords(const QStringList &arguments, QStringList &words, QList<GivenOption> &given)
{
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &word = arguments.at(i);
        if (optionsEnded || !word.startsWith(QLatin1Char('-')) || word == QLatin1String("-") || isNumber(word)) {
            words.append(word);
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const bool isLong = word.startsWith(QLatin1String("--"));
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = isLong ? word.mid(2, equals < 0 ? -1 : equals - 2) : word.mid(1);
        const Option *option = isLong ? findOption(name) : name.size() == 1 ? findShortOption(name.at(0)) : nullptr;
        if (!option)
            return QStringLiteral("unknown option %1").arg(isLong ? QStringLiteral("--") + name : word);
        const QString optionName = QLatin1String(option->name);
        QString value;
        if (option->valueName && isLong && equals >= 0) {
            value = word.mid(equals + 1);
        } else if (option->valueName) {
            if (i + 1 == arguments.size())
                return QStringLiteral("--%1 needs %2").arg(optionName, QLatin1String(option->valueName));
            value = arguments.at(++i);
        } else if (isLong && equals >= 0) {
            return QStringLiteral("--%1 takes no value").arg(optionName);
        }
        given.append({option, value});
    }
    return QString();
}

QString checkCommand(const Command &command, const QStringList &arguments, const QList<GivenOption> &given)
{
    for (const GivenOption &option : given) {
        if (!takes(command, option.option))
            return QStringLiteral("--%1 does not go with %2")
                .arg(QLatin1String(option.option->name), QLatin1String(command.name));
    }
    int required = 0;
    for (const Argument &argument : command.arguments)
        required += argument.optional ? 0 : 1;
    if (arguments.size() < required) {
        return QStringLiteral("%1 needs %2").arg(QLatin1String(command.name),
                                                QLatin1String(command.arguments.at(arguments.size()).name));
    }
    if (arguments.size() > command.arguments.size())
        return QStringLiteral("too many arguments for %1: \"%2\"").arg(QLatin1String(command.name),
                                                                      arguments.at(command.arguments.size()));
    return QString();
}
} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    CommandLine line;
    Request &request = line.request;
    QStringList words;
    QList<GivenOption> given;
    line.problem = sortWords(arguments, words, given);
    if (!line.problem.isEmpty()) {
        // The usage shown is the command's, wherever it stands.
        for (const QString &word : arguments) {
            if ((request.command = findCommand(word)))
                break;
        }
        return line;
    }
    for (const GivenOption &option : given) {
        if (globalOptions().contains(option.option))
            option.option->read(option.value, request);
    }
    if (request.help)
        return line;
    if (request.tsv && request.csv) {
        line.problem = QStringLiteral("--csv and --tsv do not go together");
        if (!words.isEmpty())
            request.command = findCommand(words.first());
        return line;
    }
    if (words.isEmpty()) {
        line.problem = QStringLiteral("no command given");
        return line;
    }
    request.command = findCommand(words.first());
    if (!request.command) {
        line.problem = QStringLiteral("unknown command \"%1\"").arg(words.first());
        return line;
    }
    const Command &command = *request.command;
    const QStringList commandArguments = words.mid(1);
    line.problem = checkCommand(command, commandArguments, given);
    for (int i = 0; line.problem.isEmpty() && i < commandArguments.size(); ++i)
        line.problem = command.arguments.at(i).read(commandArguments.at(i), request);
    for (int i = 0; line.problem.isEmpty() && i < given.size(); ++i) {
        const GivenOption &option = given.at(i);
        if (option.option->setting)
            line.problem = request.settings.choose(*option.option->setting, option.value);
        else if (!globalOptions().contains(option.option))
            line.problem = option.option->read(option.value, request);
    }
    return line;
}

QString helpText()
{
    QString text =
        QStringLiteral("Usage: %1\nHoopdeck's season viewer in a terminal.\n\nCommands:\n").arg(programUsage());
    for (const Command &command : commands())
        text += commandHelp(command);
    text += QStringLiteral("\nOptions:\n");
    for (const Option *option : globalOptions())
        text += optionHelp(*option);
    QList<const Option *> shown;
    for (const Command &command : commands()) {
        for (const Option *option : command.options) {
            if (!shown.contains(option)) {
                shown.append(option);
                text += optionHelp(*option);
            }
        }
    }
    return text + QStringLiteral("\n"
                                 "TEAM is a team name such as \"L.A. Lakers\" (any letter case) or its number 0-28;\n"
                                 "N is a time zone 0-69.\n"
                                 "Exit codes: 0 success, 1 not installed, 2 a season of another year, 3 a failed\n"
                                 "download, 4 no Playoffs.dat or Box.dat (game, playoffs, team --playoffs),\n"
                                 "5 settings that could not be saved, 6 no game of TEAM on DATE, 64 a usage\n"
                                 "error, 74 a standard output that could not be written.\n");
}

QString usageErrorText(const CommandLine &line)
{
    const QString usage = line.request.command ? QStringLiteral("hoopdeck-cli ") + commandUsage(*line.request.command)
                                               : programUsage();
    return QStringLiteral("hoopdeck-cli: %1\nUsage: %2; see hoopdeck-cli --help").arg(line.problem, usage);
}

} // namespace hoopdeck::cli
