#pragma once

#include <QAbstractTableModel>
#include <QList>

#include <functional>

#include "text_table.h"
#include "view_columns.h"

namespace hoopdeck::app {

// A visible list: the rows of a table that the core fills, under the
// columns the core names. The model keeps no rows of its own; every fill of
// the table goes through refill() so that the views start over.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TextTableModel(const TextTable &table, const QList<ColumnSpec> &columns, QObject *parent = nullptr);

    const QList<ColumnSpec> &columns() const { return columns_; }

    // Runs a fill of the table, framed as a reset of the model.
    void refill(const std::function<void()> &fill);

    // Rows for which isBold answers true are shown in bold.
    void setBoldRows(std::function<bool(int row)> isBold) { isBold_ = std::move(isBold); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVariant alignment(int column) const;
    QVariant boldFont(int row) const;

    const TextTable &table_;
    const QList<ColumnSpec> &columns_;
    std::function<bool(int row)> isBold_;
};

} // namespace hoopdeck::app
