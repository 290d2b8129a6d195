#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <optional>

#include "settings_store.h"

namespace hoopdeck {

// What the user chose (in Options, with `hoopdeck-cli settings`, with Show
// Results): settings and their new values as stored. A setting left out
// keeps what is stored, whatever another program stored meanwhile.
class SettingsChoice {
public:
    void set(SettingId id, const QVariant &stored);
    // Reads the text a user gave for the setting; the problem, or an empty text.
    QString choose(const SettingRow &setting, const QString &text);

    bool isEmpty() const { return chosen_.isEmpty(); }
    std::optional<QVariant> value(SettingId id) const;

    // The choice in memory: each chosen setting, and what follows from it
    // (a zone's hours).
    void applyTo(Settings &settings) const;

    // What a save of it writes: each chosen setting and its follower with the
    // values settings hold; and, since the zone is read only after the team
    // and the team only after the offset, the rest of that chain when the
    // store lacks it.
    SettingsChanges changes(const Settings &settings) const;
    SettingsChanges chainFill(const Settings &settings) const;

private:
    QList<QPair<SettingId, QVariant>> chosen_;
};

// Applies the choice to the settings in memory, then saves what it changed.
// On failure the settings in memory hold the choice all the same.
SettingsSaveResult saveChoice(SettingsStore &store, Settings &settings, const SettingsChoice &choice);

} // namespace hoopdeck
