#include "table_printer.h"

#include <QIODevice>
#include <QStringEncoder>
#include <QVarLengthArray>

#include <algorithm>
#include <optional>

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

constexpr qsizetype kChunkBytes = 64 * 1024;

// The text when it is held as Latin-1; none otherwise.
std::optional<QLatin1StringView> latin1Text(QAnyStringView text)
{
    return text.visit([](auto view) -> std::optional<QLatin1StringView> {
        if constexpr (std::is_same_v<decltype(view), QLatin1StringView>)
            return view;
        else
            return std::nullopt;
    });
}
} // namespace

TsvRows::TsvRows(QTextStream &out) : out_(out)
{
    out_.flush();  // what the stream holds goes first
    bytes_.reserve(kChunkBytes + kChunkBytes / 4);
}

TsvRows::~TsvRows()
{
    write();
}

void TsvRows::add(const QAnyStringView *cells, int count)
{
    if (std::all_of(cells, cells + count, [](QAnyStringView cell) { return latin1Text(cell).has_value(); }))
        addLatin1(cells, count);
    else
        addWide(cells, count);
    if (bytes_.size() >= kChunkBytes)
        write();
}

void TsvRows::addLatin1(const QAnyStringView *cells, int count)
{
    qsizetype most = count;
    for (int c = 0; c < count; ++c)
        most += 3 * cells[c].size();
    const qsizetype at = bytes_.size();
    bytes_.resize(at + most);
    char *to = bytes_.data() + at;
    for (int c = 0; c < count; ++c) {
        if (c > 0)
            *to++ = '\t';
        to = writeTerminalUtf8(to, *latin1Text(cells[c]));
    }
    *to++ = '\n';
    bytes_.resize(to - bytes_.constData());
}

void TsvRows::addWide(const QAnyStringView *cells, int count)
{
    line_.resize(0);
    for (int c = 0; c < count; ++c) {
        if (c > 0)
            line_.append(QLatin1Char('\t'));
        appendTerminalText(line_, cells[c]);
    }
    line_.append(QLatin1Char('\n'));
    bytes_.append(QByteArray(encoder_.encode(line_)));
}

// A failed write fails the stream, as its own writes would.
void TsvRows::write()
{
    QIODevice *device = out_.device();
    if (!bytes_.isEmpty() && out_.status() == QTextStream::Ok && (!device || device->write(bytes_) != bytes_.size()))
        out_.setStatus(QTextStream::WriteFailed);
    bytes_.resize(0);
}

namespace {
bool isBlankRow(const QStringList &cells)
{
    return std::all_of(cells.cbegin(), cells.cend(), [](const QString &c) { return c.isEmpty(); });
}
} // namespace

void printTsvRow(QTextStream &out, const QStringList &cells)
{
    const QVarLengthArray<QAnyStringView, 16> views(cells.cbegin(), cells.cend());
    TsvRows(out).add(views.constData(), int(views.size()));
}

void printTsv(QTextStream &out, const TextTable &table, const QList<ColumnSpec> &columns)
{
    TsvRows rows(out);
    QVarLengthArray<QAnyStringView, 16> cells(columns.size());
    for (int row = 0; row < table.count(); ++row) {
        for (int c = 0; c < cells.size(); ++c)
            cells[c] = table.cell(row, c);
        rows.add(cells.constData(), int(cells.size()));
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
