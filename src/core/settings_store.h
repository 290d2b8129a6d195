#pragma once

#include <QString>

#include <memory>
#include <optional>

#include "settings_format.h"
#include "settings_table.h"

namespace hoopdeck {

struct SettingsSaveResult {
    bool ok = false;
    QString reason;  // why not, for the user; empty on success
    explicit operator bool() const { return ok; }
};

// Where the settings are kept: the values as they were when the store was
// opened (or at its last save), and a save that changes only the keys it is
// given.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The settings file, or the registry key.
    virtual QString location() const = 0;
    virtual const SettingsValues &values() const = 0;

    // Reads the store as it is now, sets the changes, and the values of
    // ifMissing that it does not hold, and writes it back, all under one
    // lock: what another program saved meanwhile stays. values() then hold
    // what was saved.
    virtual SettingsSaveResult save(const SettingsChanges &changes, const SettingsChanges &ifMissing = {}) = 0;

    bool contains(const QString &key) const { return values().contains(key); }
    QString value(const QString &key) const { return values().value(key); }
};

// The per-user store every program shares: the file
// $XDG_CONFIG_HOME/Morvane/Hoopdeck.conf, or on Windows the registry key
// HKEY_CURRENT_USER\Software\Morvane\Hoopdeck.
std::unique_ptr<SettingsStore> openSettingsStore();
QString settingsFilePath();

// Reads OffSet, Team and Index in that order and stops at the first value
// that is missing: what was read before it stays, the rest keep what they
// had. True when all three were read. Server and Results are read on their
// own, whatever the others hold.
bool LoadSettings(const SettingsStore &store, Settings &settings);

// Saves every setting held in settings.
SettingsSaveResult SaveSettings(SettingsStore &store, const Settings &settings);

// The data server as stored now (another program may have changed it since
// the start), or fallback when none is stored.
QString ReadStoredServer(const SettingsStore &store, const QString &fallback);

// The data files of an install folder: the three every view needs, and the
// two of the game views, which a season may lack.
struct DataPaths {
    QString standings;
    QString roster;
    QString season;
    QString playoffs;
    QString box;
};

DataPaths dataPathsFor(const QString &installDir);

// The stored install folder (value "Install") and its data paths, or
// nothing when it is not stored.
std::optional<DataPaths> ReadInstallDir(const SettingsStore &store);

} // namespace hoopdeck
