#pragma once

// Small helpers shared by the core tests: tables read back as the lines and
// columns a user would see (data files are written with data_files.h).

#include <QDir>
#include <QFile>
#include <QStringList>

#include "data_files.h"
#include "text_table.h"

// One line per row, the cells joined by "|".
inline QStringList tableLines(const hoopdeck::TextTable &table)
{
    QStringList lines;
    for (int row = 0; row < table.count(); ++row)
        lines.append(table.rowCells(row).join(QLatin1Char('|')));
    return lines;
}

// The cells of one column, top to bottom.
inline QStringList column(const hoopdeck::TextTable &table, int c)
{
    QStringList cells;
    for (int row = 0; row < table.count(); ++row)
        cells.append(table.cell(row, c).toString());
    return cells;
}
