#include "session.h"

#include <QFileInfo>

#include <unistd.h>

#include "exit_codes.h"
#include "install.h"
#include "settings_store.h"
#include "start_up.h"
#include "table_printer.h"

namespace hoopdeck::cli {

Session::Session(const Request &request, bool outputClosed)
    : tsv_(request.tsv), csv_(request.csv), outputClosed_(outputClosed), installDir_(request.installDir)
{
    // Unbuffered, so that a failed write is seen by the stream itself.
    outFile_.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    errFile_.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    out_.setDevice(&outFile_);
    err_.setDevice(&errFile_);
    out_.setEncoding(QStringConverter::Utf8);
    err_.setEncoding(QStringConverter::Utf8);
}

SettingsStore &Session::store()
{
    if (!store_)
        store_ = openSettingsStore();
    return *store_;
}

int Session::start(Viewer &viewer)
{
    installOnFirstRun(store());
    const StartupCheck check = runStartupChecks(store(), installDir_);
    if (check.result != StartupCheck::Ok) {
        report(check.message());
        if (check.result == StartupCheck::WrongSeason) {
            const QFileInfo folder(QFileInfo(check.paths.season).path());
            if (!folder.exists())
                report(QStringLiteral("There is no folder \"%1\".").arg(folder.filePath()));
            else if (!folder.isDir())
                report(QStringLiteral("\"%1\" is not a folder.").arg(folder.filePath()));
        }
        return check.result == StartupCheck::NotInstalled ? ExitNotInstalled : ExitWrongSeason;
    }
    viewer.paths = check.paths;
    LoadSettings(store(), viewer.settings);
    return ExitOk;
}

void Session::printLine(const QString &text)
{
    out_ << terminalText(text) << '\n';
}

void Session::printRow(const QStringList &cells)
{
    csv_ ? printCsvRow(out_, cells) : printTsvRow(out_, cells);
}

void Session::printTable(const TextTable &table, const QList<ColumnSpec> &columns, const QStringList &separatorTitles)
{
    if (csv_)
        printCsv(out_, table, columns);
    else if (tsv_)
        printTsv(out_, table, columns);
    else
        printAligned(out_, table, columns, separatorTitles);
}

void Session::printList(TextTable &list, const QList<ColumnSpec> &columns, bool showResults)
{
    if (!showResults)
        clearResultCells(list, columns);
    printTable(list, columns);
}

void Session::printText(const QString &text)
{
    out_ << text;
}

void Session::report(const QString &text)
{
    for (const QString &line : text.split(QLatin1Char('\n')))
        err_ << terminalText(line) << '\n';
    err_.flush();
}

int Session::finish(int exitCode)
{
    out_.flush();
    if (out_.status() == QTextStream::Ok && !outputClosed_)
        return exitCode;
    const QString why = outputClosed_ ? QStringLiteral("it is closed.") : outFile_.errorString();
    report(QStringLiteral("hoopdeck-cli: cannot write to standard output: %1").arg(why));
    return exitCode == ExitOk ? ExitOutputFailed : exitCode;
}

} // namespace hoopdeck::cli
