#pragma once

#include <QString>

class QFile;

namespace hoopdeck {

// Opens path for reading only when it is a regular file (through any links).
// A FIFO, a device, a folder or a socket in a data file's place counts as a
// missing file: it is never opened in a way that can block, and never read.
bool openRegularFile(QFile &file, const QString &path);

} // namespace hoopdeck
