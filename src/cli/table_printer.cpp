#include "table_printer.h"

#include <QVarLengthArray>

#include <algorithm>

#include "control_characters.h"
#include "csv_text.h"

namespace hoopdeck::cli {

namespace {
QStringList rowCells(const TextTable &table, int row, int columns)
{
    QStringList cells;
    for (int c = 0; c < columns; ++c)
        cells.append(terminalText(table.cell(row, c)));
    return cells;
}

// Rows are written through one line buffer, so that a long table costs no
// allocation a row.
void printTabbed(QTextStream &out, QString &line, const QAnyStringView *cells, int count)
{
    line.resize(0);
    for (int c = 0; c < count; ++c) {
        if (c > 0)
            line.append(QLatin1Char('\t'));
        appendTerminalText(line, cells[c]);
    }
    line.append(QLatin1Char('\n'));
    out << line;
}

bool isBlankRow(const QStringList &cells)
{
    return std::all_of(cells.cbegin(), cells.cend(), [](const QString &c) { return c.isEmpty(); });
}
} // namespace

void printTsvRow(QTextStream &out, const QStringList &cells)
{
    QString line;
    const QVarLengthArray<QAnyStringView, 16> views(cells.cbegin(), cells.cend());
    printTabbed(out, line, views.constData(), int(views.size()));
}

void printTsv(QTextStream &out, const TextTable &table, const QList<ColumnSpec> &columns)
{
    QString line;
    QVarLengthArray<QAnyStringView, 16> cells(columns.size());
    for (int row = 0; row < table.count(); ++row) {
        for (int c = 0; c < cells.size(); ++c)
            cells[c] = table.cell(row, c);
        printTabbed(out, line, cells.constData(), int(cells.size()));
    }
}

void printCsvRow(QTextStream &out, const QStringList &cells)
{
    QStringList shown;
    for (const QString &cell : cells)
        shown.append(terminalText(cell));
    out << csvRecord(shown);
}

void printCsv(QTextStream &out, const TextTable &table, const QList<ColumnSpec> &columns)
{
    QStringList captions;
    for (const ColumnSpec &column : columns)
        captions.append(QString::fromLatin1(column.caption));
    out << csvRecord(captions);
    for (int row = 0; row < table.count(); ++row)
        out << csvRecord(rowCells(table, row, int(columns.size())));
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
