#pragma once

#include <QString>

#include "request.h"

namespace hoopdeck::cli {

// Each reader takes the text of one argument or option value into the
// request, and returns what is wrong with it, or an empty text.
QString readTeam(const QString &text, Request &request);
QString readDate(const QString &text, Request &request);
QString readOnDay(const QString &text, Request &request);
QString readSortColumn(const QString &text, Request &request);
QString readDownloadKind(const QString &text, Request &request);
QString readFrom(const QString &text, Request &request);
QString readInstallDir(const QString &text, Request &request);
QString readPlayoffs(const QString &text, Request &request);
QString readTsv(const QString &text, Request &request);
QString readCsv(const QString &text, Request &request);
QString readHelp(const QString &text, Request &request);

} // namespace hoopdeck::cli
