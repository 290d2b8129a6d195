#pragma once

#include <QString>
#include <QTemporaryDir>

#include "settings_store.h"
#include "stored_settings.h"
#include "text_table.h"

class QAbstractItemModel;

namespace hoopdeck::test {

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
