#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QMap>

#include <functional>
#include <memory>

#include "list_rows.h"
#include "text_table.h"
#include "view_columns.h"

namespace hoopdeck::app {

// A visible list: the rows that the core fills, a table's or rows whose
// cells are made when painted, under the columns the core names. The model
// keeps no rows of its own; every fill goes through refill() so that the
// views start over.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TextTableModel(const TextTable &table, const QList<ColumnSpec> &columns, QObject *parent = nullptr);
    TextTableModel(const ListRows &rows, const QList<ColumnSpec> &columns, QObject *parent = nullptr);

    const QList<ColumnSpec> &columns() const { return columns_; }

    // Rows that only open a group (the blank rows under the standings'
    // banners) and the group's name: read aloud as that name, copied as a
    // heading, never selected.
    void setGroupRows(const QMap<int, QString> &names) { groupRows_ = names; }
    bool isGroupRow(int row) const { return groupRows_.contains(row); }
    // The name of the group a row belongs to, empty when there are none.
    QString groupOf(int row) const;

    // Runs a fill of the rows, framed as a reset of the model.
    void refill(const std::function<void()> &fill);
    // The same for a fill that keeps the rows and changes only their texts
    // (another zone, results up to another day): the views need not look
    // for the longest cells again.
    void refillTexts(const std::function<void()> &fill);
    bool lastFillKeptRows() const { return keptRows_; }

    // Rows for which isBold answers true are shown in bold.
    void setBoldRows(std::function<bool(int row)> isBold) { isBold_ = std::move(isBold); }

    // A cell's length in characters, read without making its text.
    qsizetype cellLength(int row, int column) const { return rows_.cellLength(row, column); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QVariant alignment(int column) const;
    QVariant boldFont(int row) const;

    std::unique_ptr<TableRows> tableRows_;  // for a table's rows
    const ListRows &rows_;
    const QList<ColumnSpec> &columns_;
    std::function<bool(int row)> isBold_;
    QMap<int, QString> groupRows_;
    bool keptRows_ = false;
};

} // namespace hoopdeck::app
