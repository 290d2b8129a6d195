#pragma once

#include <QString>

#include "downloader.h"
#include "settings_store.h"

namespace hoopdeck::app {

// The status bar's note of the zone the lists' times are in: "Times in GMT-8 Pacific US".
QString zoneStatusText(const Settings &settings);

// The status bar's note after a download: "Standings downloaded, 605 bytes".
QString downloadedStatusText(DownloadKind kind, qint64 bytes);

// The status bar's note after a failed download, the first line of its
// message: "Standings not downloaded: Read Error 404".
QString notDownloadedStatusText(DownloadKind kind, const DownloadResult &result);

} // namespace hoopdeck::app
