#pragma once

#include <QByteArray>
#include <QString>

namespace hoopdeck {

struct FileWriteResult {
    bool ok = false;
    int errorCode = 0;    // the system's error number when it gave one
    bool atOpen = false;  // no new file was made (a missing or read-only folder, a device in the way)
    QString reason;       // what went wrong, for the user, naming the file; empty on success
};

// Whether a file may be written at path: a folder, a device, a named pipe
// or a socket there, itself or at the end of a link, is refused, as it is
// no data file and must never be replaced. Nothing yet at path, a regular
// file or a link to one is fine (a link is written through and stays one).
FileWriteResult checkWriteTarget(const QString &path);

// Replaces the file at path with bytes, whole or not at all: the bytes go to
// a new file beside it, unbuffered so that a full disk shows at the write
// that meets it, and that file takes the old one's place only when every
// byte was written. On any failure the old file stays byte for byte. After
// the replacement the file's size is checked against what was written.
// What checkWriteTarget refuses is never written.
FileWriteResult writeFileWhole(const QString &path, const QByteArray &bytes);

// What the user is told when a folder stands where a file is to be written.
QString folderInPlaceReason(const QString &path);

// Reads a whole regular file of at most maxBytes; nothing for a file that
// is missing, not a regular file, larger, or unreadable.
bool readRegularFile(const QString &path, qint64 maxBytes, QByteArray &bytes);

} // namespace hoopdeck
