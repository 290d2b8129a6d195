#include "file_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include "regular_file.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

// What stands at path (through any links) when it is neither a regular
// file nor a folder; empty for those and for nothing at all.
QString otherKindAt(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QString();
    if (S_ISREG(info.st_mode) || S_ISDIR(info.st_mode))
        return QString();
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return QStringLiteral("a device");
    if (S_ISFIFO(info.st_mode))
        return QStringLiteral("a named pipe");
    if (S_ISSOCK(info.st_mode))
        return QStringLiteral("a socket");
    return QStringLiteral("no regular file");
#else
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir() ? QStringLiteral("no regular file") : QString();
#endif
}
} // namespace

QString folderInPlaceReason(const QString &path)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(" is a folder, not a file.");
}

FileWriteResult checkWriteTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return failure(EISDIR, folderInPlaceReason(path));
    const QString kind = otherKindAt(path);
    if (!kind.isEmpty()) {
        const QString shown = QDir::toNativeSeparators(path);
        // The replacement would be renamed over whatever the link leads to.
        if (info.isSymLink()) {
            return failure(EINVAL, QStringLiteral("%1 leads to %2, %3, not a file.")
                                       .arg(shown, QDir::toNativeSeparators(info.symLinkTarget()), kind),
                           true);
        }
        return failure(EINVAL, QStringLiteral("%1 is %2, not a file.").arg(shown, kind), true);
    }
    FileWriteResult result;
    result.ok = true;
    return result;
}

FileWriteResult writeFileWhole(const QString &path, const QByteArray &bytes)
{
    const QString name = QFileInfo(path).fileName();
    const FileWriteResult target = checkWriteTarget(path);
    if (!target.ok)
        return target;

    QSaveFile file(path);
    // Never write into the old file itself: without a new file beside it
    // there is nothing to fall back on.
    file.setDirectWriteFallback(false);
    errno = 0;
    // Unbuffered: with a buffer, a write that fails inside commit() would go
    // unnoticed and the short file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int code = errno;
        return failure(code, QStringLiteral("%1: %2").arg(code ? systemText(code) : file.errorString(),
                                                          QDir::toNativeSeparators(path)),
                       true);
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
