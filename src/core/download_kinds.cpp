#include "download_kinds.h"

#include "download_check.h"

namespace hoopdeck {

QString downloadFileName(DownloadKind kind)
{
    return kind == DownloadKind::Standings ? QStringLiteral("Standings.dat") : QStringLiteral("Roster.dat");
}

QString downloadServerPath(DownloadKind kind)
{
    return QStringLiteral("/sports/basketball/2004/") + downloadFileName(kind);
}

QString downloadLocalPath(DownloadKind kind, const DataPaths &paths)
{
    return kind == DownloadKind::Standings ? paths.standings : paths.roster;
}

bool isUsableDownload(DownloadKind kind, const QByteArray &body)
{
    return downloadRefusal(kind, body).isEmpty();
}

QString downloadRefusal(DownloadKind kind, const QByteArray &body)
{
    return kind == DownloadKind::Standings ? standingsRefusal(body) : rosterRefusal(body);
}

} // namespace hoopdeck
