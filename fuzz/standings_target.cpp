#include <QByteArray>
#include <QRegularExpression>

#include <algorithm>

#include "download_check.h"
#include "fuzz_check.h"
#include "fuzz_targets.h"
#include "standings.h"

namespace hoopdeck::fuzz {

namespace {
bool isBlankRow(const QStringList &cells)
{
    return std::all_of(cells.cbegin(), cells.cend(), [](const QString &c) { return c.isEmpty(); });
}
} // namespace

int standingsTarget(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TextTable list;
    QString label = QStringLiteral("kept");
    const bool complete = loadStandingsFromBytes(bytes, list, label);

    expectRows(list, 5, "standings list");
    FUZZ_EXPECT(list.count() <= kStandingsRowCount, QString::number(list.count()));
    FUZZ_EXPECT(!complete || list.count() == kStandingsRowCount, QString::number(list.count()));
    FUZZ_EXPECT(label.size() <= 129 && !label.contains(QLatin1Char('"')), label.left(200));

    // The division banners sit over the blank rows, so they must be exactly there.
    for (int row = 0; row < list.count(); ++row) {
        const bool separator = std::find(std::begin(kDivisionRows), std::end(kDivisionRows), row)
                               != std::end(kDivisionRows);
        FUZZ_EXPECT(separator == isBlankRow(list.rowCells(row)),
                    QStringLiteral("row %1: %2").arg(row).arg(describeRow(list, row)));
        if (separator)
            continue;
        const QStringList &cells = list.rowCells(row);
        FUZZ_EXPECT(!cells.at(0).contains(QLatin1Char('"')), describeRow(list, row));
        for (int c = 1; c <= 3; ++c)
            FUZZ_EXPECT(!cells.at(c).contains(QLatin1Char(',')), describeRow(list, row));
        static const QRegularExpression pct(QStringLiteral("^(|1000|\\.\\d{3})$"));
        FUZZ_EXPECT(pct.match(cells.at(4)).hasMatch(), describeRow(list, row));
    }

    // A downloaded body judged fit to replace the file loads completely.
    if (isUsableStandings(bytes))
        FUZZ_EXPECT(complete, QStringLiteral("a usable download gave %1 rows").arg(list.count()));

    // A second load replaces the rows; it never adds to them.
    TextTable again = list;
    QString labelAgain;
    const bool completeAgain = loadStandingsFromBytes(bytes, again, labelAgain);
    FUZZ_EXPECT(completeAgain == complete && sameRows(again, list) && labelAgain == label,
                QStringLiteral("%1 rows, then %2").arg(list.count()).arg(again.count()));
    return 0;
}

} // namespace hoopdeck::fuzz
