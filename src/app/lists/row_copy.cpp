#include "row_copy.h"

#include <QStringList>

#include <algorithm>

#include "text_table_model.h"

namespace hoopdeck::app {

namespace {
// A cell never splits its line or its row.
QString cleaned(QString text)
{
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.remove(QLatin1Char('\r'));
    return text;
}
} // namespace

QString rowsAsTsv(const TextTableModel &model, QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QStringList lines;
    QStringList captions;
    for (int column = 0; column < model.columnCount(); ++column)
        captions.append(cleaned(model.headerData(column, Qt::Horizontal).toString()));
    lines.append(captions.join(QLatin1Char('\t')));
    QString group;
    for (int row : rows) {
        if (row < 0 || row >= model.rowCount())
            continue;
        const QString rowGroup = model.groupOf(row);
        if (rowGroup != group && !rowGroup.isEmpty())
            lines.append(cleaned(rowGroup));
        group = rowGroup;
        if (model.isGroupRow(row))
            continue;
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells.append(cleaned(model.index(row, column).data().toString()));
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace hoopdeck::app
