#include "roster_view.h"

#include "roster.h"
#include "text_fields.h"
#include "view_columns.h"

namespace hoopdeck {

namespace {
void AddRosterRow(const QStringList &cells, TextTable &rosterList)
{
    if (cells.value(0).isEmpty())
        return;
    rosterList.appendRow(cells);
}

// The row with the sort column moved to the front, the others in their order.
QStringList keyFirst(const QStringList &cells, int column)
{
    QStringList moved = cells;
    moved.move(column, 0);
    return moved;
}

QStringList keyBack(const QStringList &cells, int column)
{
    QStringList moved = cells;
    moved.move(0, column);
    return moved;
}
} // namespace

void FillRosterList(const TextTable &rosterTable, int team, TextTable &rosterList)
{
    rosterList.clear();
    const int rows = rosterTable.count();
    for (int row = 0; row < rows; ++row) {
        const int rowTeam = decimalToInt(rosterTable.cell(row, RosterTeam));
        if (rowTeam > team)
            break;
        if (rowTeam != team)
            continue;
        QStringList cells;
        for (int cell = RosterNumber; cell < RosterCellCount; ++cell)
            cells.append(rosterTable.cell(row, cell));
        AddRosterRow(cells, rosterList);
    }
}

void OnRosterColumnClick(int column, RosterSort &sort, TextTable &rosterList, TextTable &rosterSortList)
{
    if (column < 0 || column >= RosterColumnCount)
        return;
    sort.descending = column == sort.column ? !sort.descending : false;
    sort.column = column;
    SortRosterList(column, sort.descending, rosterList, rosterSortList);
}

void SortRosterList(int column, bool descending, TextTable &rosterList, TextTable &rosterSortList)
{
    rosterSortList.clear();
    const int rows = rosterList.count();
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (int c = 0; c < RosterColumnCount; ++c)
            cells.append(rosterList.cell(row, c));
        rosterSortList.insertSorted(keyFirst(cells, column));
    }
    rosterList.clear();
    const int sorted = rosterSortList.count();
    for (int i = 0; i < sorted; ++i) {
        const int row = descending ? sorted - 1 - i : i;
        QStringList cells;
        for (int c = 0; c < RosterColumnCount; ++c)
            cells.append(rosterSortList.cell(row, c));
        rosterList.appendRow(keyBack(cells, column));
    }
}

int rosterColumnFromCaption(const QString &caption)
{
    const QList<ColumnSpec> &columns = rosterListColumns();
    for (int c = 0; c < columns.size(); ++c) {
        if (QString::compare(caption, QLatin1String(columns.at(c).caption), Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

} // namespace hoopdeck
