#pragma once

namespace hoopdeck {
struct DataPaths;
class SettingsStore;
}

namespace hoopdeck::app {

struct MainFormStart;

// The window's start on the given season: the settings from the store, the
// start date and the download limits from the environment (HOOPDECK_TODAY,
// HOOPDECK_NET_TIMEOUT_MS, HOOPDECK_NET_DEADLINE_MS).
MainFormStart readMainFormStart(const SettingsStore &store, const DataPaths &paths);

// Everything the program does once its QApplication exists: lets only one
// copy run, checks the install and the season, then shows the main form
// until it is closed. Always returns 0, the program's exit code.
int RunHoopdeck();

} // namespace hoopdeck::app
