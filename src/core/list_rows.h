#pragma once

#include <QString>

#include "text_table.h"

namespace hoopdeck {

// The rows of a visible list, each cell made when it is read, so that a
// list of a hundred thousand games costs its index and not its text; only
// the rows painted are ever written out.
class ListRows {
public:
    virtual ~ListRows() = default;
    virtual int count() const = 0;
    // How many cells the row has, as a table row would be given them; the
    // cells past them read as empty.
    virtual int cellCount(int row) const = 0;
    // The cell's text, cut to TextTable::kCellReadLimit as every reader sees it.
    virtual QString cell(int row, int column) const = 0;
    // Its length in characters once every result the spoiler line hides is
    // shown too: the cells that stay the widest as the results unfold. A
    // list that can tell it without writing the text does.
    virtual qsizetype cellLength(int row, int column) const { return cell(row, column).size(); }
};

// A table's rows as they stand.
class TableRows : public ListRows {
public:
    explicit TableRows(const TextTable &table) : table_(table) {}
    int count() const override { return table_.count(); }
    int cellCount(int row) const override { return table_.cellCount(row); }
    QString cell(int row, int column) const override { return table_.cell(row, column).toString(); }
    qsizetype cellLength(int row, int column) const override { return table_.cell(row, column).size(); }

private:
    const TextTable &table_;
};

// Replaces table with the rows' cells: what the terminal prints, written
// from the same rows as the window shows.
void writeRows(const ListRows &rows, TextTable &table);

} // namespace hoopdeck
