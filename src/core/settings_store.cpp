#include "settings_store.h"

#include <QDir>
#include <QSettings>

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
} // namespace

std::unique_ptr<QSettings> openSettingsStore()
{
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
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
    store.setValue(kOffSet, QString::number(settings.zoneOffsetHours));
    store.setValue(kIndex, settings.zoneIndex);
    store.setValue(kTeam, settings.favoriteTeam);
    store.setValue(kServer, settings.server);
    store.sync();
    return store.status() == QSettings::NoError;
}

bool SaveShownSettings(QSettings &store, const Settings &settings, bool withServer)
{
    store.setValue(kOffSet, QString::number(settings.zoneOffsetHours));
    store.setValue(kIndex, settings.zoneIndex);
    store.setValue(kTeam, settings.favoriteTeam);
    if (withServer)
        store.setValue(kServer, settings.server);
    store.sync();
    return store.status() == QSettings::NoError;
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
