#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "settings_store.h"
#include "text_table.h"

class QAbstractItemModel;

namespace hoopdeck::app {
class MainForm;
struct MainFormStart;
}

namespace hoopdeck::test {

// What the program starts the main form on: the test's settings, its fixed
// today and its download limits.
app::MainFormStart mainFormStart(const DataPaths &paths);

// The main form on the given season, shown, once its staged loading is
// done; null when it did not get there within ten seconds.
std::unique_ptr<app::MainForm> startMainForm(const DataPaths &paths);

// The runtime folder the single-instance socket lives in, created as the
// platform wants it (owner only), so that each test program has its own.
void prepareRuntimeDir();

// A copy of the bundled season in a folder of the test's own.
class SeasonCopy {
public:
    SeasonCopy();
    bool isValid() const { return valid_; }
    QString path() const { return dir_.path(); }
    // Replaces the season file's first line.
    bool rewriteFirstGame(const QByteArray &firstLine) const;

private:
    QTemporaryDir dir_;
    bool valid_ = false;
};

// The values the install step and the Options dialog leave in the store.
void writeSettings(const QString &installDir, int favoriteTeam);
void removeInstall();

// Every cell of a model as a table, for comparing with what the core builds.
TextTable modelRows(const QAbstractItemModel &model);
bool sameRows(const TextTable &a, const TextTable &b);

} // namespace hoopdeck::test
