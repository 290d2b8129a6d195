#pragma once

// The one way tests put a file on disk: its folders made, every byte
// written, or the test ends there.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

inline QString writeFileAt(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QString writeDataFile(const QString &dir, const QString &name, const QByteArray &bytes)
{
    return writeFileAt(QDir(dir).filePath(name), bytes);
}
