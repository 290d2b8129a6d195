#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Every byte of a file as it is on disk now; empty when it cannot be read.
inline QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
