#pragma once

#include <QByteArray>
#include <QString>

#include "settings_store.h"

namespace hoopdeck {

// Which file a download fetches. Everything that depends on the kind is
// answered here, for the window and the terminal alike.
enum class DownloadKind { Rosters = 0, Standings = 1 };

QString downloadFileName(DownloadKind kind);    // "Standings.dat" or "Roster.dat"
QString downloadServerPath(DownloadKind kind);  // "/sports/basketball/2004/..."
QString downloadLocalPath(DownloadKind kind, const DataPaths &paths);  // the file it replaces
bool isUsableDownload(DownloadKind kind, const QByteArray &body);    // may it replace that file

// Why a downloaded body may not replace the local file, in words for the
// user ("Standings.dat: Boston is listed twice."); empty when it may.
QString downloadRefusal(DownloadKind kind, const QByteArray &body);

} // namespace hoopdeck
