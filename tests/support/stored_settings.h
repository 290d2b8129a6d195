#pragma once

// The per-user settings store as tests set it up and look at it: each call
// opens the store afresh, as another program would.

#include <QFile>
#include <QString>

#include "settings_store.h"

namespace hoopdeck::test {

// The value stored now under key; empty when there is none.
inline QString storedValue(const QString &key)
{
    return hoopdeck::openSettingsStore()->value(key);
}

inline bool isStored(const QString &key)
{
    return hoopdeck::openSettingsStore()->contains(key);
}

inline bool storeValues(const hoopdeck::SettingsChanges &changes)
{
    return hoopdeck::openSettingsStore()->save(changes).ok;
}

// Removes every key of a group ("Window"), or the one key of that name.
inline bool forgetStored(const QString &name)
{
    const auto store = hoopdeck::openSettingsStore();
    hoopdeck::SettingsChanges removals;
    for (auto it = store->values().cbegin(); it != store->values().cend(); ++it) {
        if (it.key() == name || it.key().startsWith(name + QLatin1Char('/')))
            removals.append({it.key(), QVariant()});
    }
    return removals.isEmpty() || store->save(removals).ok;
}

// No settings at all, as before the first run.
inline void clearStore()
{
    QFile::remove(hoopdeck::settingsFilePath());
}

} // namespace hoopdeck::test
