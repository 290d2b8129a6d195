#pragma once

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

#include "game_time.h"

namespace hoopdeck {

// The user's choices, as the programs hold them in memory.
struct Settings {
    int zoneOffsetHours = 0;            // OffSet
    int favoriteTeam = 0;               // Team
    int zoneIndex = kDefaultZoneIndex;  // Index
    QString server = QStringLiteral("127.0.0.1");  // Server: the data server, see serverRequestUrl

    ZoneShift zone() const { return {zoneOffsetHours, zoneIndex}; }
};

// The per-user store every program shares: organisation "Morvane",
// application "Hoopdeck", user scope only.
std::unique_ptr<QSettings> openSettingsStore();

// Reads OffSet, Team and Index in that order and stops at the first value
// that is missing: what was read before it stays, the rest keep what they
// had. True when all three were read. Server is read on its own, whatever
// the others hold.
bool LoadSettings(QSettings &store, Settings &settings);

// Writes OffSet (text), Index and Team (numbers), then Server. False when
// the store could not be written.
bool SaveSettings(QSettings &store, const Settings &settings);

// Writes the store's pending changes out; true only when the file (or the
// registry) took them and, for the settings file, now holds the values in
// saved.
bool syncStore(QSettings &store, const QSettings::SettingsMap &saved);

// Writes what the Options dialog shows and nothing else: OffSet (text),
// Index and Team (numbers), and Server only when withServer. False when the store could not be written.
bool SaveShownSettings(QSettings &store, const Settings &settings, bool withServer);

// The data server as stored now (another program may have changed it since
// the start), or fallback when none is stored.
QString ReadStoredServer(const QSettings &store, const QString &fallback);

// The three data files of an install folder.
struct DataPaths {
    QString standings;
    QString roster;
    QString season;
};

DataPaths dataPathsFor(const QString &installDir);

// The stored install folder (value "Install") and its data paths, or
// nothing when it is not stored.
std::optional<DataPaths> ReadInstallDir(const QSettings &store);

} // namespace hoopdeck
