#include "text_table.h"

#include <algorithm>

namespace hoopdeck {

int TextTable::appendRow(const QStringList &cells)
{
    rows_.append(cells);
    return int(rows_.size()) - 1;
}

int TextTable::insertSorted(const QStringList &cells)
{
    const QString key = cells.value(0).left(kCellReadLimit);
    const auto at = std::upper_bound(rows_.cbegin(), rows_.cend(), key,
        [](const QString &k, const QStringList &row) {
            return QString::compare(k, row.value(0).left(kCellReadLimit), Qt::CaseInsensitive) < 0;
        });
    const int position = int(at - rows_.cbegin());
    rows_.insert(position, cells);
    return position;
}

void TextTable::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= count() || column < 0)
        return;
    QStringList &cells = rows_[row];
    while (cells.size() <= column)
        cells.append(QString());
    cells[column] = text;
}

QString TextTable::cell(int row, int column) const
{
    if (row < 0 || row >= count())
        return QString();
    const QStringList &cells = rows_.at(row);
    if (column < 0 || column >= cells.size())
        return QString();
    const QString &text = cells.at(column);
    return text.size() > kCellReadLimit ? text.left(kCellReadLimit) : text;
}

} // namespace hoopdeck
