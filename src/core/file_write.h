#pragma once

#include <QByteArray>
#include <QString>

namespace hoopdeck {

struct FileWriteResult {
    bool ok = false;
    int errorCode = 0;    // the system's error number when it gave one
    bool atOpen = false;  // the new file could not even be made (a missing or read-only folder)
    QString reason;       // what went wrong, for the user; empty on success
};

// Replaces the file at path with bytes, whole or not at all: the bytes go to
// a new file beside it, unbuffered so that a full disk shows at the write
// that meets it, and that file takes the old one's place only when every
// byte was written. On any failure the old file stays byte for byte. After
// the replacement the file's size is checked against what was written.
FileWriteResult writeFileWhole(const QString &path, const QByteArray &bytes);

// What the user is told when a folder stands where a file is to be written.
QString folderInPlaceReason(const QString &path);

// Reads a whole regular file of at most maxBytes; nothing for a file that
// is missing, not a regular file, larger, or unreadable.
bool readRegularFile(const QString &path, qint64 maxBytes, QByteArray &bytes);

} // namespace hoopdeck
