#pragma once

#include <QSettings>

#include <memory>

#include "settings_store.h"

namespace hoopdeck {

// The settings in the registry (Windows), through QSettings: a save sets
// only the values it changes, each of which the registry replaces whole, so
// that no save undoes another program's.
class SettingsRegistry final : public SettingsStore {
public:
    explicit SettingsRegistry(std::unique_ptr<QSettings> settings);

    QString location() const override { return settings_->fileName(); }
    const SettingsValues &values() const override { return values_; }
    SettingsSaveResult save(const SettingsChanges &changes, const SettingsChanges &ifMissing = {}) override;

private:
    void readValues();

    std::unique_ptr<QSettings> settings_;
    SettingsValues values_;
};

} // namespace hoopdeck
