#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include "settings_format.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
const QString kOffSet = QStringLiteral("OffSet");
const QString kTeam = QStringLiteral("Team");
const QString kIndex = QStringLiteral("Index");
const QString kInstall = QStringLiteral("Install");
const QString kServer = QStringLiteral("Server");

int storedNumber(const QSettings &store, const QString &name)
{
    return decimalToInt(store.value(name).toString());
}

// Whether the file behind the store now holds what was just saved: a write
// that the system accepted but did not keep shows here.
bool fileHolds(const QSettings &store, const QSettings::SettingsMap &saved)
{
    if (store.format() != settingsFileFormat())
        return true;  // the registry, or a file format of the caller's choosing
    QFile file(store.fileName());
    QSettings::SettingsMap onDisk;
    if (!file.open(QIODevice::ReadOnly) || !readSettingsFile(file, onDisk))
        return false;
    for (auto it = saved.constBegin(); it != saved.constEnd(); ++it) {
        if (onDisk.value(it.key()).toString() != it.value().toString())
            return false;
    }
    return true;
}
} // namespace

std::unique_ptr<QSettings> openSettingsStore()
{
#ifdef Q_OS_WIN
    const QSettings::Format format = QSettings::NativeFormat;
#else
    const QSettings::Format format = settingsFileFormat();
#endif
    auto store = std::make_unique<QSettings>(format, QSettings::UserScope,
                                             QStringLiteral("Morvane"), QStringLiteral("Hoopdeck"));
    store->setFallbacksEnabled(false);
    return store;
}

bool LoadSettings(QSettings &store, Settings &settings)
{
    if (store.contains(kServer))
        settings.server = store.value(kServer).toString();
    if (!store.contains(kOffSet))
        return false;
    settings.zoneOffsetHours = storedNumber(store, kOffSet);
    if (!store.contains(kTeam))
        return false;
    settings.favoriteTeam = storedNumber(store, kTeam);
    if (!store.contains(kIndex))
        return false;
    settings.zoneIndex = storedNumber(store, kIndex);
    return true;
}

bool SaveSettings(QSettings &store, const Settings &settings)
{
    return SaveShownSettings(store, settings, true);
}

bool syncStore(QSettings &store, const QSettings::SettingsMap &saved)
{
    store.sync();
    return store.status() == QSettings::NoError && fileHolds(store, saved);
}

bool SaveShownSettings(QSettings &store, const Settings &settings, bool withServer)
{
    QSettings::SettingsMap saved = {{kOffSet, QString::number(settings.zoneOffsetHours)},
                                    {kIndex, settings.zoneIndex},
                                    {kTeam, settings.favoriteTeam}};
    if (withServer)
        saved.insert(kServer, settings.server);
    // OffSet, Index, Team, then Server: the order of the values' writing.
    for (const QString &name : {kOffSet, kIndex, kTeam, kServer}) {
        if (saved.contains(name))
            store.setValue(name, saved.value(name));
    }
    return syncStore(store, saved);
}

QString ReadStoredServer(const QSettings &store, const QString &fallback)
{
    return store.contains(kServer) ? store.value(kServer).toString() : fallback;
}

DataPaths dataPathsFor(const QString &installDir)
{
    const QString base = installDir + QDir::separator();
    return {base + QStringLiteral("Standings.dat"), base + QStringLiteral("Roster.dat"),
            base + QStringLiteral("Season.dat")};
}

std::optional<DataPaths> ReadInstallDir(const QSettings &store)
{
    const QVariant value = store.value(kInstall);
    if (!value.isValid() || !value.canConvert<QString>())
        return std::nullopt;
    return dataPathsFor(value.toString());
}

} // namespace hoopdeck
