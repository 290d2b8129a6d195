#include "value_readers.h"

#include "games_by_date_view.h"
#include "roster_view.h"
#include "settings_table.h"

namespace hoopdeck::cli {

QString readTeam(const QString &text, Request &request)
{
    const SettingRow &team = settingRow(SettingId::Team);
    QVariant stored;
    const QString problem = team.choose(team, text, stored);
    if (problem.isEmpty())
        request.team = stored.toInt();
    return problem;
}

QString readDate(const QString &text, Request &request)
{
    request.date = parseUserDate(text);
    return request.date.isValid() ? QString() : QStringLiteral("\"%1\" is not a date (M/D/YYYY)").arg(text);
}

QString readOnDay(const QString &text, Request &request)
{
    request.onDay = parseUserDate(text);
    return request.onDay.isValid() ? QString() : QStringLiteral("--on takes a date (M/D/YYYY), not \"%1\"").arg(text);
}

QString readSortColumn(const QString &text, Request &request)
{
    const int column = rosterColumnFromCaption(text);
    if (column < 0)
        return QStringLiteral("\"%1\" is not a roster column (#, Player, Pos, Ht, Wt)").arg(text);
    request.sortColumns.append(column);
    return QString();
}

QString readDownloadKind(const QString &text, Request &request)
{
    if (text == QLatin1String("standings"))
        request.downloadKind = DownloadKind::Standings;
    else if (text == QLatin1String("rosters"))
        request.downloadKind = DownloadKind::Rosters;
    else
        return QStringLiteral("download takes standings or rosters, not \"%1\"").arg(text);
    return QString();
}

QString readFrom(const QString &text, Request &request)
{
    request.from = text;
    return QString();
}

QString readInstallDir(const QString &text, Request &request)
{
    request.installDir = text;
    return QString();
}

QString readPlayoffs(const QString &, Request &request)
{
    request.playoffs = true;
    return QString();
}

QString readTsv(const QString &, Request &request)
{
    request.tsv = true;
    return QString();
}

QString readCsv(const QString &, Request &request)
{
    request.csv = true;
    return QString();
}

QString readHelp(const QString &, Request &request)
{
    request.help = true;
    return QString();
}

} // namespace hoopdeck::cli
