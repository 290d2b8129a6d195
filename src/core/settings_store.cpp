#include "settings_store.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>

#include "settings_file.h"
#include "settings_registry.h"

namespace hoopdeck {

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Morvane/Hoopdeck.conf");
}

std::unique_ptr<SettingsStore> openSettingsStore()
{
#ifdef Q_OS_WIN
    return std::make_unique<SettingsRegistry>(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Morvane"), QStringLiteral("Hoopdeck")));
#else
    return std::make_unique<SettingsFile>(settingsFilePath());
#endif
}

bool LoadSettings(const SettingsStore &store, Settings &settings)
{
    QList<const SettingRow *> chain;
    for (const SettingRow &setting : settingRows()) {
        if (!setting.load)
            continue;
        if (setting.chain > 0)
            chain.append(&setting);
        else if (store.contains(QLatin1String(setting.key)))
            setting.load(settings, store.value(QLatin1String(setting.key)));
    }
    std::sort(chain.begin(), chain.end(), [](const SettingRow *a, const SettingRow *b) { return a->chain < b->chain; });
    for (const SettingRow *setting : chain) {
        if (!store.contains(QLatin1String(setting->key)))
            return false;
        setting->load(settings, store.value(QLatin1String(setting->key)));
    }
    return true;
}

SettingsSaveResult SaveSettings(SettingsStore &store, const Settings &settings)
{
    SettingsChanges changes;
    for (const SettingRow &setting : settingRows()) {
        if (setting.stored)
            changes.append({QLatin1String(setting.key), setting.stored(settings)});
    }
    return store.save(changes);
}

QString ReadStoredServer(const SettingsStore &store, const QString &fallback)
{
    const QString key = QLatin1String(settingRow(SettingId::Server).key);
    return store.contains(key) ? store.value(key) : fallback;
}

DataPaths dataPathsFor(const QString &installDir)
{
    const QString base = installDir + QDir::separator();
    return {base + QStringLiteral("Standings.dat"), base + QStringLiteral("Roster.dat"),
            base + QStringLiteral("Season.dat"), base + QStringLiteral("Playoffs.dat"),
            base + QStringLiteral("Box.dat")};
}

std::optional<DataPaths> ReadInstallDir(const SettingsStore &store)
{
    const QString key = QLatin1String(settingRow(SettingId::Install).key);
    if (!store.contains(key))
        return std::nullopt;
    return dataPathsFor(store.value(key));
}

} // namespace hoopdeck
