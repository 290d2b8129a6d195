#include <QByteArray>
#include <QSet>

#include "download_check.h"
#include "fuzz_check.h"
#include "fuzz_targets.h"
#include "roster.h"
#include "roster_view.h"
#include "standings.h"
#include "teams.h"
#include "text_fields.h"

namespace hoopdeck::fuzz {

namespace {
// A refusal is one short sentence about the file, safe to print anywhere.
void expectSentence(const QString &refusal, const char *file)
{
    FUZZ_EXPECT(refusal.startsWith(QLatin1String(file) + QLatin1String(": ")) && refusal.endsWith(QLatin1Char('.')),
                refusal.left(300));
    FUZZ_EXPECT(refusal.size() <= 300, refusal.left(300));
    for (QChar c : refusal)
        FUZZ_EXPECT(c.category() != QChar::Other_Control, refusal.left(300));
}

void expectKeptStandingsLoad(const QByteArray &body)
{
    TextTable list(StandingsCellCount);
    QString label;
    FUZZ_EXPECT(loadStandingsFromBytes(body, list, label) && list.count() == kStandingsRowCount,
                QStringLiteral("a kept body loads %1 rows").arg(list.count()));
    FUZZ_EXPECT(!label.isEmpty(), QStringLiteral("a kept body has no label"));
    QSet<QString> names;
    for (int row = 0; row < list.count(); ++row) {
        if (isDivisionRow(row))
            continue;
        const QString name = list.cell(row, StandingsTeam).toString();
        FUZZ_EXPECT(teamChoices().contains(name) && !names.contains(name), describeRow(list, row));
        names.insert(name);
        const int games = decimalToInt(list.cell(row, StandingsWins)) + decimalToInt(list.cell(row, StandingsLosses));
        FUZZ_EXPECT(games >= 0 && games <= 82 && !list.cell(row, StandingsPct).isEmpty(), describeRow(list, row));
    }
}

void expectKeptRosterLoad(const QByteArray &body)
{
    TextTable rosterTable;
    loadRosterFromBytes(body, rosterTable);
    TextTable rosterList;
    int players = 0;
    for (int row = 0; row < rosterTable.count(); ++row)
        players += rosterTable.cell(row, RosterNumber).isEmpty() ? 0 : 1;
    FUZZ_EXPECT(players > 0, QStringLiteral("a kept roster without players"));
    // Every team is listed in the file; rows placed after a higher team's
    // are not shown, so only the first team is sure to show.
    FillRosterList(rosterTable, decimalToInt(rosterTable.cell(0, RosterTeam)), rosterList);
    FUZZ_EXPECT(rosterList.count() > 0, describeRow(rosterTable, 0));
}
} // namespace

int downloadCheckTarget(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString standings = standingsRefusal(body);
    if (standings.isEmpty())
        expectKeptStandingsLoad(body);
    else
        expectSentence(standings, "Standings.dat");
    const QString roster = rosterRefusal(body);
    if (roster.isEmpty())
        expectKeptRosterLoad(body);
    else
        expectSentence(roster, "Roster.dat");
    return 0;
}

} // namespace hoopdeck::fuzz
