#include "list_rows.h"

#include <vector>

namespace hoopdeck {

void writeRows(const ListRows &rows, TextTable &table)
{
    table.clear();
    std::vector<QString> texts;
    std::vector<QAnyStringView> cells;
    for (int row = 0; row < rows.count(); ++row) {
        const int given = rows.cellCount(row);
        texts.resize(size_t(given));
        cells.resize(size_t(given));
        for (int column = 0; column < given; ++column) {
            texts[size_t(column)] = rows.cell(row, column);
            cells[size_t(column)] = texts[size_t(column)];
        }
        table.appendRow(cells.data(), given);
    }
}

} // namespace hoopdeck
