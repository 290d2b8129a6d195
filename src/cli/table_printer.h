#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <QTextStream>

#include "control_characters.h"
#include "text_table.h"
#include "view_columns.h"

namespace hoopdeck::cli {

// --tsv rows, gathered as UTF-8 and written to the stream's device a chunk
// at a time, for a table or for rows printed as they are made. A row of
// Latin-1 cells (every data file's text is) is encoded straight from its
// bytes: QTextStream would widen it to UTF-16 and encode it back, which took
// longer than reading the season. A row of UTF-16 cells is encoded as
// QTextStream does it.
class TsvRows {
public:
    explicit TsvRows(QTextStream &out);  // what the stream holds goes out first
    ~TsvRows();                          // then the rest of the rows
    TsvRows(const TsvRows &) = delete;
    TsvRows &operator=(const TsvRows &) = delete;

    // One row a line, the cells joined by tabs.
    void add(const QAnyStringView *cells, int count);

private:
    void addLatin1(const QAnyStringView *cells, int count);
    void addWide(const QAnyStringView *cells, int count);
    void write();

    QTextStream &out_;
    QByteArray bytes_;
    QString line_;
    QStringEncoder encoder_{QStringConverter::Utf8};
};

// One row a line, the cells joined by tabs.
void printTsvRow(QTextStream &out, const QStringList &cells);
void printTsv(QTextStream &out, const TextTable &table, const QList<ColumnSpec> &columns);

// Comma-separated records ended by CR LF, each cell as --tsv prints it;
// printCsv starts with the captions' record.
void printCsvRow(QTextStream &out, const QStringList &cells);
void printCsv(QTextStream &out, const TextTable &table, const QList<ColumnSpec> &columns);

// Columns padded to their widest text and aligned as the view aligns them,
// under a line of captions. A row whose cells are all empty is printed as
// the next of separatorTitles, when given.
void printAligned(QTextStream &out, const TextTable &table, const QList<ColumnSpec> &columns,
                  const QStringList &separatorTitles = {});

} // namespace hoopdeck::cli
