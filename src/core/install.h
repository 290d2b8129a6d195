#pragma once

#include <QString>


namespace hoopdeck {

class SettingsStore;

// The folder of what ships beside the program: <prefix>/share/hoopdeck for
// a program in <prefix>/bin (the build tree is laid out the same way).
QString sharedDataDir();

// The season that ships there (its 2003-04 folder), or empty when there is none.
QString bundledSeasonDir();

// The per-user folder the season is installed into.
QString userDataDir();

struct InstallResult {
    bool ok = false;
    int copied = 0;   // files copied; files already there are kept as they are
    QString message;  // what went wrong, for the user
};

// Copies the season's files from sourceDir into targetDir, keeping any file
// already there, and records targetDir as the install folder.
InstallResult installSeason(const QString &sourceDir, const QString &targetDir, SettingsStore &store);

// The first run of an installed program: when no install folder is stored
// and the program runs from an installed prefix (not from a build tree,
// which has its CMakeCache.txt at the top), installs the bundled season for
// this user. True when it did.
bool installOnFirstRun(SettingsStore &store);

} // namespace hoopdeck
