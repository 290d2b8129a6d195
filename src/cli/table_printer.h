#pragma once

#include <QList>
#include <QTextStream>

#include "text_table.h"
#include "view_columns.h"

namespace hoopdeck::cli {

// A text as one terminal line shows it: a tab or line end becomes a blank,
// every other control character U+FFFD, so that a data file cannot move the
// cursor, retitle the window or clear the screen.
QString terminalText(const QString &text);

// One row a line, the cells joined by tabs.
void printTsvRow(QTextStream &out, const QStringList &cells);
void printTsv(QTextStream &out, const TextTable &table, const QList<ColumnSpec> &columns);

// Columns padded to their widest text and aligned as the view aligns them,
// under a line of captions. A row whose cells are all empty is printed as
// the next of separatorTitles, when given.
void printAligned(QTextStream &out, const TextTable &table, const QList<ColumnSpec> &columns,
                  const QStringList &separatorTitles = {});

} // namespace hoopdeck::cli
