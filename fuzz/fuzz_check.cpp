#include "fuzz_check.h"

namespace hoopdeck::fuzz {

void expectRows(const TextTable &table, int cellsPerRow, const char *tableName)
{
    for (int row = 0; row < table.count(); ++row) {
        const QStringList &cells = table.rowCells(row);
        FUZZ_EXPECT(cells.size() == cellsPerRow,
                    QStringLiteral("%1 row %2: %3").arg(QLatin1String(tableName)).arg(row).arg(describeRow(table, row)));
        for (const QString &cell : cells)
            FUZZ_EXPECT(!cell.contains(QLatin1Char('\n')),
                        QStringLiteral("%1 row %2 holds a line feed").arg(QLatin1String(tableName)).arg(row));
    }
}

bool sameRows(const TextTable &a, const TextTable &b)
{
    if (a.count() != b.count())
        return false;
    for (int row = 0; row < a.count(); ++row) {
        if (a.rowCells(row) != b.rowCells(row))
            return false;
    }
    return true;
}

QString describeRow(const TextTable &table, int row)
{
    if (row < 0 || row >= table.count())
        return QStringLiteral("<no row %1>").arg(row);
    QStringList shown;
    for (const QString &cell : table.rowCells(row))
        shown.append(QLatin1Char('"') + cell.left(60) + (cell.size() > 60 ? QStringLiteral("...\"") : QStringLiteral("\"")));
    return QLatin1Char('[') + shown.join(QStringLiteral(", ")) + QLatin1Char(']');
}

} // namespace hoopdeck::fuzz
