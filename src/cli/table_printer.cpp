#include "table_printer.h"

#include <algorithm>

#include "control_characters.h"

namespace hoopdeck::cli {

QString terminalText(const QString &text)
{
    QString line = text;
    for (QChar &c : line) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return replaceControlCharacters(line);
}

namespace {
QStringList rowCells(const TextTable &table, int row, int columns)
{
    QStringList cells;
    for (int c = 0; c < columns; ++c)
        cells.append(terminalText(table.cell(row, c)));
    return cells;
}

bool isBlankRow(const QStringList &cells)
{
    return std::all_of(cells.cbegin(), cells.cend(), [](const QString &c) { return c.isEmpty(); });
}
} // namespace

void printTsvRow(QTextStream &out, const QStringList &cells)
{
    QStringList clean;
    for (const QString &cell : cells)
        clean.append(terminalText(cell));
    out << clean.join(QLatin1Char('\t')) << '\n';
}

void printTsv(QTextStream &out, const TextTable &table, const QList<ColumnSpec> &columns)
{
    for (int row = 0; row < table.count(); ++row)
        out << rowCells(table, row, int(columns.size())).join(QLatin1Char('\t')) << '\n';
}

void printAligned(QTextStream &out, const TextTable &table, const QList<ColumnSpec> &columns,
                  const QStringList &separatorTitles)
{
    const int n = int(columns.size());
    QList<int> widths;
    for (const ColumnSpec &column : columns)
        widths.append(int(qstrlen(column.caption)));
    QList<QStringList> rows;
    for (int row = 0; row < table.count(); ++row) {
        rows.append(rowCells(table, row, n));
        for (int c = 0; c < n; ++c)
            widths[c] = std::max(widths[c], int(rows.last().at(c).size()));
    }
    auto printLine = [&](const QStringList &cells) {
        QStringList padded;
        for (int c = 0; c < n; ++c) {
            padded.append(columns.at(c).rightAligned ? cells.at(c).rightJustified(widths[c])
                                                     : cells.at(c).leftJustified(widths[c]));
        }
        out << padded.join(QStringLiteral("  ")).trimmed() << '\n';
    };
    QStringList captions;
    for (const ColumnSpec &column : columns)
        captions.append(QString::fromLatin1(column.caption));
    printLine(captions);
    int separator = 0;
    for (const QStringList &cells : rows) {
        if (isBlankRow(cells) && separator < separatorTitles.size())
            out << '\n' << separatorTitles.at(separator++) << '\n';
        else
            printLine(cells);
    }
}

} // namespace hoopdeck::cli
