#include "status_texts.h"

#include <QCoreApplication>

#include "time_zones.h"

namespace hoopdeck::app {

QString zoneStatusText(const Settings &settings)
{
    const QString caption = timeZoneCaption(settings.zoneIndex);
    if (!caption.isEmpty())
        return QCoreApplication::translate("MainForm", "Times in %1").arg(caption);
    // A stored position outside the zone list still shifts the times by its hours.
    return QCoreApplication::translate("MainForm", "Times %1 h from US Eastern")
        .arg(settings.zoneOffsetHours >= 0 ? QStringLiteral("+%1").arg(settings.zoneOffsetHours)
                                           : QString::number(settings.zoneOffsetHours));
}

namespace {
QString downloadWhat(DownloadKind kind)
{
    return kind == DownloadKind::Standings ? QCoreApplication::translate("MainForm", "Standings")
                                           : QCoreApplication::translate("MainForm", "Rosters");
}
} // namespace

QString downloadedStatusText(DownloadKind kind, qint64 bytes)
{
    return QCoreApplication::translate("MainForm", "%1 downloaded, %2 bytes").arg(downloadWhat(kind)).arg(bytes);
}

QString notDownloadedStatusText(DownloadKind kind, const DownloadResult &result)
{
    return QCoreApplication::translate("MainForm", "%1 not downloaded: %2")
        .arg(downloadWhat(kind), result.message().section(QLatin1Char('\n'), 0, 0));
}

} // namespace hoopdeck::app
