#pragma once

#include <QList>
#include <QTextStream>

#include "control_characters.h"
#include "text_table.h"
#include "view_columns.h"

namespace hoopdeck::cli {

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
