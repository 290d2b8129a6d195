#pragma once

#include <QString>

#include <optional>

#include "settings_store.h"

class QSettings;

namespace hoopdeck {

// What the user chose in Options (or with `hoopdeck-cli settings`). A choice
// left out keeps the stored value: a zone sets both its position and its
// hours from the zone list.
struct SettingsChoice {
    std::optional<int> team;
    std::optional<int> zoneIndex;
    std::optional<QString> server;

    bool isEmpty() const { return !team && !zoneIndex && !server; }
};

// Applies the choice to the settings in memory, then saves them. False when
// the store could not be written; the settings in memory hold the choice all
// the same.
bool saveChoice(QSettings &store, Settings &settings, const SettingsChoice &choice);

// The same for the Options dialog, which writes only what it shows: OffSet,
// Index and Team always, Server only when the choice names one, so that a
// server another program stored meanwhile stays.
bool saveOptionsChoice(QSettings &store, Settings &settings, const SettingsChoice &choice);

} // namespace hoopdeck
