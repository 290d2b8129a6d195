#include "roster_view.h"

#include "roster.h"
#include "text_fields.h"
#include "view_columns.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace hoopdeck {

namespace {
// The row's cells, each from column order[i] of the source row.
void copyRow(const TextTable &from, int row, const int (&order)[RosterColumnCount], TextTable &to)
{
    QAnyStringView cells[RosterColumnCount];
    for (int c = 0; c < RosterColumnCount; ++c)
        cells[c] = from.cell(row, order[c]);
    to.appendRow(cells, RosterColumnCount);
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
        if (rowTeam != team || rosterTable.cell(row, RosterNumber).isEmpty())
            continue;
        QAnyStringView cells[RosterColumnCount];
        for (int c = 0; c < RosterColumnCount; ++c)
            cells[c] = rosterTable.cell(row, RosterNumber + c);
        rosterList.appendRow(cells, RosterColumnCount);
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
    // The sort buffer holds each row with the sort column moved to the front,
    // in ascending order of it without regard to case, rows with equal keys
    // in the order they came: a stable sort gives the very order of one
    // sorted insert after another.
    const int rows = rosterList.count();
    std::vector<int> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return QAnyStringView::compare(rosterList.cell(a, column), rosterList.cell(b, column), Qt::CaseInsensitive) < 0;
    });
    int keyFirst[RosterColumnCount];
    int keyBack[RosterColumnCount];
    keyFirst[0] = column;
    for (int c = 0, at = 1; c < RosterColumnCount; ++c) {
        if (c != column)
            keyFirst[at++] = c;
    }
    for (int c = 0; c < RosterColumnCount; ++c)
        keyBack[keyFirst[c]] = c;
    rosterSortList.clear();
    for (const int row : order)
        copyRow(rosterList, row, keyFirst, rosterSortList);
    rosterList.clear();
    for (int i = 0; i < rows; ++i)
        copyRow(rosterSortList, descending ? rows - 1 - i : i, keyBack, rosterList);
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
