#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

#include "downloader.h"

namespace hoopdeck::cli {

struct Command;

// One run's command line, read and checked: every value is already what the
// command needs, so a typo is told before any data is touched.
struct Request {
    const Command *command = nullptr;
    bool help = false;
    bool tsv = false;
    QString installDir;

    std::optional<int> team;  // TEAM or --team
    std::optional<int> zone;
    QDate date;               // invalid: the day the clock gives
    QList<int> sortColumns;   // roster columns, in the order tapped
    std::optional<bool> showResults;
    std::optional<DownloadKind> downloadKind;
    std::optional<QString> server;
    std::optional<QString> from;
};

} // namespace hoopdeck::cli
