// hoopdeck-cli: the viewer's lists printed in a terminal.

#include <QCoreApplication>

#include "command_line.h"
#include "command_table.h"
#include "exit_codes.h"
#include "session.h"
#include "standard_streams.h"

using namespace hoopdeck::cli;

int main(int argc, char *argv[])
{
    const hoopdeck::ClosedStreams closed = hoopdeck::keepStandardStreamsOpen();
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Hoopdeck"));

    const CommandLine line = readCommandLine(QCoreApplication::arguments().mid(1));
    Session session(line.request, closed.output);
    if (!line.problem.isEmpty()) {
        session.report(usageErrorText(line));
        return ExitUsage;
    }
    if (line.request.help) {
        session.printText(helpText());
        return session.finish(ExitOk);
    }
    return session.finish(runCommand(session, line.request));
}
