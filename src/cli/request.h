#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

#include "downloader.h"
#include "settings_choice.h"

namespace hoopdeck::cli {

struct Command;

// One run's command line, read and checked: every value is already what the
// command needs, so a typo is told before any data is touched.
struct Request {
    const Command *command = nullptr;
    bool help = false;
    bool tsv = false;
    bool csv = false;
    QString installDir;

    std::optional<int> team;  // the TEAM argument
    QDate date;               // invalid: the day the clock gives
    QDate onDay;              // --on: results only up to this day; invalid: none given
    QList<int> sortColumns;   // roster columns, in the order clicked
    bool playoffs = false;    // team --playoffs: the playoff games after the season's
    std::optional<DownloadKind> downloadKind;
    SettingsChoice settings;  // --team, --zone, --server, --results
    std::optional<QString> from;
};

} // namespace hoopdeck::cli
