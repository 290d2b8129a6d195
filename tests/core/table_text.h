#pragma once

// Small helpers shared by the core tests: data files written into a
// temporary folder, and tables read back as the lines a user would see.

#include <QDir>
#include <QFile>
#include <QStringList>

#include "text_table.h"

inline QString writeDataFile(const QString &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// One line per row, the cells joined by "|".
inline QStringList tableLines(const hoopdeck::TextTable &table)
{
    QStringList lines;
    for (int row = 0; row < table.count(); ++row)
        lines.append(table.row(row).join(QLatin1Char('|')));
    return lines;
}
