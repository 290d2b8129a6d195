#pragma once

#include <QFile>
#include <QList>
#include <QStringList>
#include <QTextStream>

#include <memory>

#include "request.h"
#include "settings_store.h"
#include "table_printer.h"
#include "text_table.h"
#include "view_columns.h"
#include "viewer.h"

namespace hoopdeck::cli {

// What every command shares: the two output streams, the output form, the
// settings store and the start of the viewer. Every text bound for the
// terminal goes through here, so none carries a control character.
class Session {
public:
    // outputClosed: the program was started without a standard output.
    Session(const Request &request, bool outputClosed = false);

    bool tsv() const { return tsv_; }
    bool csv() const { return csv_; }
    // Only the rows, for a script: --tsv or --csv.
    bool rowsOnly() const { return tsv_ || csv_; }
    SettingsStore &store();  // opened when first needed

    // The checks the program runs at start, then the settings; on failure
    // the message is reported and its exit code returned, else ExitOk.
    int start(Viewer &viewer);

    void printLine(const QString &text);
    void printRow(const QStringList &cells);  // a --tsv or --csv row
    // In the form asked for: separatorTitles stand for the blank rows of an
    // aligned table; --csv puts the captions first.
    void printTable(const TextTable &table, const QList<ColumnSpec> &columns,
                    const QStringList &separatorTitles = {});
    // A list as its view shows it: with Show Results off, the result columns
    // keep their place but print empty.
    void printList(TextTable &list, const QList<ColumnSpec> &columns, bool showResults);
    void printText(const QString &text);  // as it is: the help
    // --tsv rows printed as they are made, for a list nothing needs whole.
    TsvRows tsvRows() { return TsvRows(out_); }

    // To standard error, line by line.
    void report(const QString &text);

    // Writes out what is still held; a standard output that did not take
    // everything turns a success into ExitOutputFailed.
    int finish(int exitCode);

private:
    bool tsv_;
    bool csv_;
    bool outputClosed_;
    QString installDir_;
    QFile outFile_;
    QFile errFile_;
    QTextStream out_;
    QTextStream err_;
    std::unique_ptr<SettingsStore> store_;
};

} // namespace hoopdeck::cli
