#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

namespace hoopdeck {

// Rows of text cells: the hidden tables, the sort buffer and every visible
// list hold their rows in one of these. A table has as many columns as it
// was built with, or as its widest row when that is more; a row may be given
// fewer cells, and a cell never set reads as empty. Cells are addressed by
// row position and column.
//
// Every cell's text lies in one arena, the cells of a table row after row in
// one list of positions, so that a scan over a table reads memory in order
// and a season of a hundred thousand games costs a few allocations. The
// arena holds one byte a character while every text stored is Latin-1 (the
// data files always are) and turns to UTF-16 for good once one is not.
class TextTable {
public:
    static constexpr int kCellReadLimit = 254;

    explicit TextTable(int columnCount = 0);

    int columnCount() const { return columns_; }
    int count() const { return int(widths_.size()); }
    void clear();

    // Room for rows and their text, when a loader can tell from its file.
    void reserve(qsizetype rows, qsizetype characters);

    // The one way to add a row at the end; returns its position. A row of
    // more cells than the table has columns widens the table.
    int appendRow(std::initializer_list<QAnyStringView> cells);
    int appendRow(const QStringList &cells);
    int appendRow(const QAnyStringView *cells, int count);

    // The cell's text cut to kCellReadLimit characters, as every reader sees
    // it; empty outside the table. Valid until the table next changes.
    QAnyStringView cell(int row, int column) const
    {
        if (row < 0 || row >= count() || column < 0 || column >= widths_[size_t(row)])
            return QLatin1StringView();
        const size_t at = size_t(row) * size_t(columns_) + size_t(column);
        if (wide_)
            return QStringView(utf16_.constData() + starts_[at], lengths_[at]);
        return QLatin1StringView(latin1_.constData() + starts_[at], lengths_[at]);
    }

    // How many cells the row was given (at most the column count).
    int cellCount(int row) const;

    // The row's cells as cell() reads them, for copying and for tests.
    QStringList rowCells(int row) const;

    // Empties the cell of every row that was given one in this column.
    void clearColumn(int column);

private:
    // Only the part a reader can see is kept, so a length fits in a byte.
    using Length = quint8;

    template <typename Cells>
    void pushCells(const Cells &cells);
    void pushText(QAnyStringView text);
    void pushLatin1(QLatin1StringView text);
    void pushUtf16(QStringView text);
    void widen();
    void setColumnCount(int columns);

    int columns_;
    bool wide_ = false;
    QByteArray latin1_;  // the arena while every text is Latin-1
    QString utf16_;      // the arena once one is not
    std::vector<quint32> starts_;   // count() * columnCount() positions in the arena
    std::vector<Length> lengths_;   // likewise
    std::vector<quint16> widths_;   // cells given, per row
};

} // namespace hoopdeck
