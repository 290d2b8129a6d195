#pragma once

// The main window as the program starts it, for every test of the window:
// its start read as the program reads it, the form shown and loaded, and
// the windows and menu commands found the way a test needs them.

#include <QList>
#include <QString>

#include <memory>

class QAction;
class QWidget;

namespace hoopdeck {
struct DataPaths;
}

namespace hoopdeck::app {
class MainForm;
struct MainFormStart;
}

namespace hoopdeck::test {

// What the program starts the main form on: the settings in the test's
// store, the test's fixed today and its download limits.
app::MainFormStart mainFormStart(const DataPaths &paths);

// The main form on the given season, shown, once its staged loading is
// done; null when it did not get there within ten seconds.
std::unique_ptr<app::MainForm> startMainForm(const DataPaths &paths);

// The menu command with this object name, or null.
QAction *menuAction(const QWidget *form, const char *name);

// The top-level windows with exactly this title, shown or hidden; only the
// shown ones when shownOnly.
QList<QWidget *> windowsTitled(const QString &title, bool shownOnly = false);

// The runtime folder the single-instance socket lives in, created as the
// platform wants it (owner only), so that each test program has its own.
void prepareRuntimeDir();

} // namespace hoopdeck::test
