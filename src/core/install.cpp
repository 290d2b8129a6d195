#include "install.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "file_write.h"
#include "settings_store.h"

namespace hoopdeck {

namespace {
const char *const kSeasonFiles[] = {"Standings.dat", "Roster.dat", "Season.dat", "Playoffs.dat", "Box.dat",
                                    "SOURCES.md"};
constexpr qint64 kMaxSeasonFileBytes = 256 * 1024 * 1024;  // a season many times the bundled one
}

QString sharedDataDir()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/hoopdeck"));
}

QString bundledSeasonDir()
{
    const QString dir = sharedDataDir() + QStringLiteral("/2003-04");
    return QFileInfo::exists(dir + QStringLiteral("/Season.dat")) ? dir : QString();
}

QString userDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Morvane/Hoopdeck");
}

InstallResult installSeason(const QString &sourceDir, const QString &targetDir, SettingsStore &store)
{
    InstallResult result;
    if (sourceDir.isEmpty() || !QFileInfo::exists(sourceDir + QStringLiteral("/Season.dat"))) {
        result.message = QStringLiteral("There is no season to install from%1.")
                             .arg(sourceDir.isEmpty() ? QString() : QStringLiteral(" in ") + sourceDir);
        return result;
    }
    if (!QDir().mkpath(targetDir)) {
        result.message = QStringLiteral("Cannot create the folder %1.").arg(targetDir);
        return result;
    }
    for (const char *name : kSeasonFiles) {
        const QString from = sourceDir + QLatin1Char('/') + QLatin1String(name);
        const QString to = targetDir + QLatin1Char('/') + QLatin1String(name);
        if (!QFileInfo::exists(from) || QFileInfo::exists(to))
            continue;
        QByteArray bytes;
        if (!readRegularFile(from, kMaxSeasonFileBytes, bytes)) {
            result.message = QStringLiteral("Cannot read %1.").arg(from);
            return result;
        }
        const FileWriteResult written = writeFileWhole(to, bytes);
        if (!written.ok) {
            result.message = QStringLiteral("Cannot copy %1 to %2: %3").arg(from, to, written.reason);
            return result;
        }
        ++result.copied;
    }
    const QString install = QDir::toNativeSeparators(targetDir);
    const SettingsSaveResult saved = store.save({{QLatin1String(settingRow(SettingId::Install).key), install}});
    if (!saved) {
        result.message = QStringLiteral("Cannot save the settings in %1: %2.").arg(store.location(), saved.reason);
        return result;
    }
    result.ok = true;
    return result;
}

bool installOnFirstRun(SettingsStore &store)
{
    if (store.contains(QLatin1String(settingRow(SettingId::Install).key)))
        return false;
    const QString season = bundledSeasonDir();
    const bool buildTree = QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/../CMakeCache.txt"));
    if (season.isEmpty() || buildTree)
        return false;
    return installSeason(season, userDataDir(), store).ok;
}

} // namespace hoopdeck
