#include "file_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include "regular_file.h"

namespace hoopdeck {

namespace {
FileWriteResult failure(int code, const QString &reason, bool atOpen = false)
{
    FileWriteResult result;
    result.errorCode = code;
    result.atOpen = atOpen;
    result.reason = reason;
    return result;
}

QString systemText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}
} // namespace

QString folderInPlaceReason(const QString &path)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(" is a folder, not a file.");
}

FileWriteResult writeFileWhole(const QString &path, const QByteArray &bytes)
{
    const QString name = QFileInfo(path).fileName();
    if (QFileInfo(path).isDir())
        return failure(EISDIR, folderInPlaceReason(path));

    QSaveFile file(path);
    // Never write into the old file itself: without a new file beside it
    // there is nothing to fall back on.
    file.setDirectWriteFallback(false);
    errno = 0;
    // Unbuffered: with a buffer, a write that fails inside commit() would go
    // unnoticed and the short file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int code = errno;
        return failure(code, QStringLiteral("%1 cannot be written: %2.").arg(path, file.errorString()), true);
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const int code = errno ? errno : EIO;
            file.cancelWriting();
            return failure(code, QStringLiteral("%1 was left as it was: %2.").arg(name, systemText(code)));
        }
        written += n;
    }
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError || !file.commit()) {
        const int code = errno ? errno : EIO;
        file.cancelWriting();
        return failure(code, QStringLiteral("%1 was left as it was: %2.").arg(name, file.errorString()));
    }
    if (QFileInfo(path).size() != bytes.size())
        return failure(EIO, QStringLiteral("%1 was not written whole.").arg(name));
    FileWriteResult result;
    result.ok = true;
    return result;
}

bool readRegularFile(const QString &path, qint64 maxBytes, QByteArray &bytes)
{
    QFile file;
    if (!openRegularFile(file, path) || file.size() > maxBytes)
        return false;
    bytes = file.read(maxBytes + 1);
    return bytes.size() <= maxBytes && file.error() == QFileDevice::NoError;
}

} // namespace hoopdeck
