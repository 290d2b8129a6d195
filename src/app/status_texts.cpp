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

QString downloadedStatusText(DownloadKind kind, qint64 bytes)
{
    const QString what = kind == DownloadKind::Standings ? QCoreApplication::translate("MainForm", "Standings")
                                                         : QCoreApplication::translate("MainForm", "Rosters");
    return QCoreApplication::translate("MainForm", "%1 downloaded, %2 bytes").arg(what).arg(bytes);
}

} // namespace hoopdeck::app
