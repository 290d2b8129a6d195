#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace hoopdeck {

// Rows of text cells: the hidden tables, the sort buffer and every visible
// list hold their rows in one of these. Cells are addressed by row position
// and cell number; a cell never set reads as empty.
class TextTable {
public:
    static constexpr int kCellReadLimit = 254;

    int count() const { return int(rows_.size()); }
    void clear() { rows_.clear(); }

    // The one way to add a row at the end; returns its position.
    int appendRow(const QStringList &cells);

    // For a self-sorting table: places the row in ascending order of cell 0
    // (compared without regard to case), after every row with an equal key,
    // and returns the position it chose.
    int insertSorted(const QStringList &cells);

    void setCell(int row, int column, const QString &text);

    // The cell's text cut to kCellReadLimit characters, as every reader sees it.
    QString cell(int row, int column) const;

    // The whole row as stored, for front-ends that show it.
    const QStringList &row(int position) const { return rows_.at(position); }

private:
    QList<QStringList> rows_;
};

} // namespace hoopdeck
