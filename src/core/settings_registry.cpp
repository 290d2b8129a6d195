#include "settings_registry.h"

namespace hoopdeck {

SettingsRegistry::SettingsRegistry(std::unique_ptr<QSettings> settings) : settings_(std::move(settings))
{
    settings_->setFallbacksEnabled(false);
    readValues();
}

void SettingsRegistry::readValues()
{
    values_.clear();
    for (const QString &key : settings_->allKeys())
        values_.insert(key, settings_->value(key).toString());
}

SettingsSaveResult SettingsRegistry::save(const SettingsChanges &changes, const SettingsChanges &ifMissing)
{
    settings_->sync();  // what other programs wrote since
    for (const auto &[key, value] : ifMissing) {
        if (!settings_->contains(key))
            settings_->setValue(key, value);
    }
    for (const auto &[key, value] : changes) {
        if (value.isValid())
            settings_->setValue(key, value);
        else
            settings_->remove(key);
    }
    settings_->sync();
    readValues();
    SettingsSaveResult result;
    result.ok = settings_->status() == QSettings::NoError;
    if (!result.ok)
        result.reason = QStringLiteral("%1 did not take the change").arg(location());
    return result;
}

} // namespace hoopdeck
