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

// Each Latin-1 character's case fold, as Unicode folds it (µ to Greek mu,
// Ä to ä): the fold of a UTF-16 text, so that a table's cells sort alike
// whichever way its arena holds them.
struct Latin1Folds {
    char16_t fold[256];
    Latin1Folds()
    {
        for (int c = 0; c < 256; ++c)
            fold[c] = QChar(char16_t(c)).toCaseFolded().unicode();
    }
};

int compareFolded(QLatin1StringView a, QLatin1StringView b)
{
    static const Latin1Folds folds;
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = folds.fold[uchar(a.at(i).toLatin1())];
        const char16_t y = folds.fold[uchar(b.at(i).toLatin1())];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <typename A, typename B>
int compareFolded(A a, B b)
{
    return QAnyStringView::compare(a, b, Qt::CaseInsensitive);
}
} // namespace

int compareRosterKeys(QAnyStringView a, QAnyStringView b)
{
    // Qt folds two Latin-1 texts by a Latin-1 rule of its own and any other
    // pair by Unicode's, which disagree (µ, ÿ): one rule for every pair.
    return a.visit([b](auto x) { return b.visit([x](auto y) { return compareFolded(x, y); }); });
}

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
        return compareRosterKeys(rosterList.cell(a, column), rosterList.cell(b, column)) < 0;
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
