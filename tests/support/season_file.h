#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of one file of the bundled season.
inline QByteArray seasonFile(const char *name)
{
    QFile file(QStringLiteral(HOOPDECK_SEASON_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
