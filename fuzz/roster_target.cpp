#include <QByteArray>

#include <algorithm>
#include <limits>

#include "download_check.h"
#include "fuzz_check.h"
#include "fuzz_targets.h"
#include "roster.h"
#include "roster_view.h"
#include "text_fields.h"

namespace hoopdeck::fuzz {

namespace {
int compareKeys(const QString &a, const QString &b)
{
    return QString::compare(a.left(TextTable::kCellReadLimit), b.left(TextTable::kCellReadLimit),
                            Qt::CaseInsensitive);
}

QList<QStringList> rowsOf(const TextTable &table)
{
    QList<QStringList> rows;
    for (int row = 0; row < table.count(); ++row)
        rows.append(table.rowCells(row));
    return rows;
}

void fillTable(TextTable &table, const QList<QStringList> &rows)
{
    table.clear();
    for (const QStringList &row : rows)
        table.appendRow(row);
}

// The listed rows are the team's players up to the first row of a higher
// team, in file order, without those that have no jersey number.
void expectTeamList(const TextTable &rosterTable, int team, const TextTable &list)
{
    expectRows(list, RosterColumnCount, "roster list");
    int listed = 0;
    for (int row = 0; row < rosterTable.count(); ++row) {
        const int rowTeam = decimalToInt(rosterTable.cell(row, RosterTeam));
        if (rowTeam > team)
            break;
        if (rowTeam != team || rosterTable.cell(row, RosterNumber).isEmpty())
            continue;
        FUZZ_EXPECT(listed < list.count(), QStringLiteral("team %1 lost the player of row %2").arg(team).arg(row));
        for (int c = 0; c < RosterColumnCount; ++c)
            FUZZ_EXPECT(list.cell(listed, c) == rosterTable.cell(row, c + 1),
                        QStringLiteral("team %1 row %2: %3").arg(team).arg(listed).arg(describeRow(list, listed)));
        ++listed;
    }
    FUZZ_EXPECT(listed == list.count(), QStringLiteral("team %1: %2 rows listed, %3 expected").arg(team).arg(list.count()).arg(listed));
}

// Ascending by the column's text without regard to case, equal keys in
// their original order, nothing lost or added.
void expectSorted(const QList<QStringList> &original, int column, const TextTable &sorted)
{
    FUZZ_EXPECT(sorted.count() == original.size(),
                QStringLiteral("column %1: %2 rows became %3").arg(column).arg(original.size()).arg(sorted.count()));
    int row = 0;
    while (row < sorted.count()) {
        const QString key = sorted.cell(row, column).toString();
        if (row > 0)
            FUZZ_EXPECT(compareKeys(sorted.cell(row - 1, column).toString(), key) < 0,
                        QStringLiteral("column %1 rows %2, %3 out of order").arg(column).arg(row - 1).arg(row));
        QList<QStringList> sameKey;
        for (const QStringList &cells : original) {
            if (compareKeys(cells.at(column), key) == 0)
                sameKey.append(cells);
        }
        FUZZ_EXPECT(!sameKey.isEmpty(), QStringLiteral("column %1 row %2 was never in the list: %3").arg(column).arg(row).arg(describeRow(sorted, row)));
        for (const QStringList &cells : sameKey) {
            FUZZ_EXPECT(row < sorted.count() && sorted.rowCells(row) == cells,
                        QStringLiteral("column %1 row %2: %3").arg(column).arg(row).arg(describeRow(sorted, row)));
            ++row;
        }
    }
}
} // namespace

int rosterTarget(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TextTable rosterTable;
    loadRosterFromBytes(bytes, rosterTable);
    expectRows(rosterTable, RosterCellCount, "RosterTable");
    for (int row = 0; row < rosterTable.count(); ++row) {
        FUZZ_EXPECT(!rosterTable.rowCells(row).at(RosterTeam).isEmpty(), describeRow(rosterTable, row));
        for (const QString &cell : rosterTable.rowCells(row))
            FUZZ_EXPECT(!cell.contains(QLatin1Char(',')), describeRow(rosterTable, row));
    }

    // A downloaded body judged fit to replace the file is not an empty roster.
    if (isUsableRoster(bytes))
        FUZZ_EXPECT(rosterTable.count() > 0, QStringLiteral("a usable download without players"));

    TextTable again = rosterTable;
    loadRosterFromBytes(bytes, again);
    FUZZ_EXPECT(sameRows(again, rosterTable), QStringLiteral("a second load gave %1 rows, not %2").arg(again.count()).arg(rosterTable.count()));

    QList<int> teams = {0, 28, -1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    if (rosterTable.count() > 0)
        teams.append(decimalToInt(rosterTable.cell(rosterTable.count() - 1, RosterTeam)));
    TextTable rosterList;
    TextTable rosterSortList;
    for (int team : teams) {
        FillRosterList(rosterTable, team, rosterList);
        expectTeamList(rosterTable, team, rosterList);
    }

    // Sorting the last team's list by every column, both ways.
    const QList<QStringList> filled = rowsOf(rosterList);
    for (int column = 0; column < RosterColumnCount; ++column) {
        fillTable(rosterList, filled);
        SortRosterList(column, false, rosterList, rosterSortList);
        expectSorted(filled, column, rosterList);
        const QList<QStringList> ascending = rowsOf(rosterList);

        fillTable(rosterList, filled);
        SortRosterList(column, true, rosterList, rosterSortList);
        QList<QStringList> reversed = rowsOf(rosterList);
        std::reverse(reversed.begin(), reversed.end());
        FUZZ_EXPECT(reversed == ascending, QStringLiteral("column %1: descending is not ascending reversed").arg(column));

        // A click sorts ascending, the same click again reverses.
        fillTable(rosterList, filled);
        RosterSort sort;
        OnRosterColumnClick(column, sort, rosterList, rosterSortList);
        FUZZ_EXPECT(rowsOf(rosterList) == ascending && !sort.descending, QStringLiteral("first click on column %1").arg(column));
        OnRosterColumnClick(column, sort, rosterList, rosterSortList);
        QList<QStringList> twice = rowsOf(rosterList);
        std::reverse(twice.begin(), twice.end());
        FUZZ_EXPECT(twice == ascending && sort.descending, QStringLiteral("second click on column %1").arg(column));
    }
    return 0;
}

} // namespace hoopdeck::fuzz
