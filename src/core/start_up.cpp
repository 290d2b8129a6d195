#include "start_up.h"

#include "game_time.h"
#include "line_reader.h"
#include "text_fields.h"

namespace hoopdeck {

const char *const kNotInstalledMessage =
    "Hoopdeck does not appear to be installed properly.\n\nPlease run install again.";
const char *const kVersionMismatchMessage =
    "Hoopdeck version does not match schedule.\n\nPlease install the most current version.";
const char *const kMessageCaption = "Hoopdeck";

namespace {
constexpr int kAcceptedSeasonYear = 3;  // a schedule whose first game is in a year ending in 03
}

bool CheckScheduleVersion(const QString &seasonPath)
{
    return readDataFile(seasonPath, [](LineReader &reader) {
        QString line;
        if (!reader.readLine(line) || reader.error())
            return false;
        const QDate date = parseGameTime(splitFields(line, QLatin1Char(','), 1).value(0)).date();
        return date.isValid() && date.year() % 100 == kAcceptedSeasonYear;
    });
}

QString StartupCheck::message() const
{
    switch (result) {
    case NotInstalled: return QString::fromLatin1(kNotInstalledMessage);
    case WrongSeason: return QString::fromLatin1(kVersionMismatchMessage);
    case Ok: break;
    }
    return QString();
}

StartupCheck runStartupChecks(const SettingsStore &store, const QString &installDirOverride)
{
    StartupCheck check;
    const std::optional<DataPaths> paths =
        installDirOverride.isEmpty() ? ReadInstallDir(store) : dataPathsFor(installDirOverride);
    if (!paths)
        return check;
    check.paths = *paths;
    check.result = CheckScheduleVersion(paths->season) ? StartupCheck::Ok : StartupCheck::WrongSeason;
    return check;
}

} // namespace hoopdeck
