#include "text_table_model.h"

#include <QFont>

#include <iterator>

namespace hoopdeck::app {

TextTableModel::TextTableModel(const TextTable &table, const QList<ColumnSpec> &columns, QObject *parent)
    : QAbstractTableModel(parent), tableRows_(std::make_unique<TableRows>(table)), rows_(*tableRows_), columns_(columns)
{
}

TextTableModel::TextTableModel(const ListRows &rows, const QList<ColumnSpec> &columns, QObject *parent)
    : QAbstractTableModel(parent), rows_(rows), columns_(columns)
{
}

void TextTableModel::refill(const std::function<void()> &fill)
{
    beginResetModel();
    fill();
    keptRows_ = false;
    endResetModel();
}

void TextTableModel::refillTexts(const std::function<void()> &fill)
{
    beginResetModel();
    const int rows = rows_.count();
    fill();
    keptRows_ = rows_.count() == rows;
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_.count();
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    if (role == Qt::AccessibleTextRole && isGroupRow(index.row()))
        return groupRows_.value(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return rows_.cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return alignment(index.column());
    case Qt::FontRole:
        return boldFont(index.row());
    default:
        return QVariant();
    }
}

QVariant TextTableModel::boldFont(int row) const
{
    if (!isBold_ || !isBold_(row))
        return QVariant();
    QFont bold;
    bold.setBold(true);
    return bold;
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(columns_.at(section).caption);
    case Qt::TextAlignmentRole:
        return alignment(section);
    default:
        return QVariant();
    }
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() && isGroupRow(index.row()) ? flags & ~Qt::ItemIsSelectable : flags;
}

QString TextTableModel::groupOf(int row) const
{
    auto group = groupRows_.upperBound(row);
    if (group == groupRows_.begin())
        return QString();
    return std::prev(group).value();
}

QVariant TextTableModel::alignment(int column) const
{
    const Qt::Alignment horizontal = columns_.at(column).rightAligned ? Qt::AlignRight : Qt::AlignLeft;
    return QVariant::fromValue(int(horizontal | Qt::AlignVCenter));
}

} // namespace hoopdeck::app
