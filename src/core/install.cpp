#include "install.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace hoopdeck {

namespace {
const char *const kSeasonFiles[] = {"Standings.dat", "Roster.dat", "Season.dat", "SOURCES.md"};
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

InstallResult installSeason(const QString &sourceDir, const QString &targetDir, QSettings &store)
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
        if (!QFile::copy(from, to)) {
            result.message = QStringLiteral("Cannot copy %1 to %2.").arg(from, to);
            return result;
        }
        // A copy of a read-only source would stay read-only; downloads replace these files.
        QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner | QFile::ReadOwner);
        ++result.copied;
    }
    store.setValue(QStringLiteral("Install"), QDir::toNativeSeparators(targetDir));
    store.sync();
    if (store.status() != QSettings::NoError) {
        result.message = QStringLiteral("Cannot save the settings in %1.").arg(store.fileName());
        return result;
    }
    result.ok = true;
    return result;
}

bool installOnFirstRun(QSettings &store)
{
    if (store.contains(QStringLiteral("Install")))
        return false;
    const QString season = bundledSeasonDir();
    const bool buildTree = QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/../CMakeCache.txt"));
    if (season.isEmpty() || buildTree)
        return false;
    return installSeason(season, userDataDir(), store).ok;
}

} // namespace hoopdeck
