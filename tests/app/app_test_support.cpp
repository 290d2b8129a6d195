#include "app_test_support.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>

#include "settings_store.h"
#include "stored_settings.h"

namespace hoopdeck::test {

SeasonCopy::SeasonCopy()
{
    if (!dir_.isValid())
        return;
    valid_ = true;
    const QDir source(QStringLiteral(HOOPDECK_SEASON_DIR));
    for (const QString &name : source.entryList(QDir::Files)) {
        const QString target = dir_.filePath(name);
        valid_ = valid_ && QFile::copy(source.filePath(name), target)
                 && QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
}

bool SeasonCopy::rewriteFirstGame(const QByteArray &firstLine) const
{
    QFile file(dir_.filePath(QStringLiteral("Season.dat")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    file.close();
    bytes = firstLine + bytes.mid(bytes.indexOf('\n'));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

void writeSettings(const QString &installDir, int favoriteTeam)
{
    clearStore();
    auto store = openSettingsStore();
    store->save({{QStringLiteral("Install"), installDir}});
    Settings settings;
    settings.favoriteTeam = favoriteTeam;
    SaveSettings(*store, settings);
}

void removeInstall()
{
    forgetStored(QStringLiteral("Install"));
}

TextTable modelRows(const QAbstractItemModel &model)
{
    TextTable table;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells.append(model.index(row, column).data().toString());
        table.appendRow(cells);
    }
    return table;
}

bool sameRows(const TextTable &a, const TextTable &b)
{
    if (a.count() != b.count())
        return false;
    for (int row = 0; row < a.count(); ++row) {
        // Cells a table never had read as empty, as the lists show them.
        const int columns = std::max(a.rowCells(row).size(), b.rowCells(row).size());
        for (int column = 0; column < columns; ++column) {
            if (a.rowCells(row).value(column) != b.rowCells(row).value(column))
                return false;
        }
    }
    return true;
}

} // namespace hoopdeck::test
