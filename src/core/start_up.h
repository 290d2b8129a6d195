#pragma once

#include <QString>

#include "settings_store.h"

namespace hoopdeck {

extern const char *const kNotInstalledMessage;
extern const char *const kVersionMismatchMessage;
extern const char *const kMessageCaption;  // "Hoopdeck"

// True when the season file's first game falls in a year ending in 03.
bool CheckScheduleVersion(const QString &seasonPath);

// The checks both programs run before they show anything: the install
// folder (the stored one, or installDirOverride when it is not empty),
// then the season's year.
struct StartupCheck {
    enum Result { Ok, NotInstalled, WrongSeason };
    Result result = NotInstalled;
    DataPaths paths;
    QString message() const;  // the text the user is shown; empty for Ok
};

StartupCheck runStartupChecks(const SettingsStore &store, const QString &installDirOverride = QString());

} // namespace hoopdeck
