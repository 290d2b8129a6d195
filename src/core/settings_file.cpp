#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "file_write.h"
#include "regular_file.h"
#include "settings_lock.h"

namespace hoopdeck {

namespace {
// The bytes of the file at path as it is now: none for a file that is not
// there; a problem for anything that is not a regular file, or cannot be
// read whole.
QString readNow(const QString &path, QByteArray &bytes)
{
    bytes.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return QString();  // none yet, or a link to nothing: a save makes the file it names
    if (!info.isFile()) {
        const QString what = info.isDir() ? QStringLiteral("a folder") : QStringLiteral("not a regular file");
        return info.isSymLink() ? QStringLiteral("%1 leads to %2, which is %3").arg(path, info.symLinkTarget(), what)
                                : QStringLiteral("%1 is %2").arg(path, what);
    }
    if (info.size() > kMaxSettingsFileBytes)
        return QStringLiteral("%1 is larger than %2 MB").arg(path).arg(kMaxSettingsFileBytes / (1024 * 1024));
    QFile file;
    errno = 0;
    if (!openRegularFile(file, path)) {
        const int code = errno;
        return QStringLiteral("%1 cannot be read: %2").arg(path, QString::fromLocal8Bit(std::strerror(code ? code : EIO)));
    }
    bytes = file.read(kMaxSettingsFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
    if (bytes.size() > kMaxSettingsFileBytes)
        return QStringLiteral("%1 is larger than %2 MB").arg(path).arg(kMaxSettingsFileBytes / (1024 * 1024));
    return QString();
}

// Once a run for each file: a program opens its store many times.
void warnOnce(const QString &path, const QString &problem)
{
    static QMutex mutex;
    static QSet<QString> warned;
    const QMutexLocker locker(&mutex);
    if (warned.contains(path))
        return;
    warned.insert(path);
    qWarning().noquote() << QStringLiteral("Hoopdeck: the settings are not read: %1; the defaults hold.").arg(problem);
}

SettingsSaveResult failure(const QString &reason)
{
    SettingsSaveResult result;
    result.reason = reason;
    return result;
}
} // namespace

SettingsFile::SettingsFile(const QString &path) : path_(path)
{
    QByteArray bytes;
    readProblem_ = readNow(path_, bytes);
    if (!readProblem_.isEmpty()) {
        warnOnce(path_, readProblem_);
        return;
    }
    text_ = SettingsText(bytes);
}

SettingsSaveResult SettingsFile::save(const SettingsChanges &changes, const SettingsChanges &ifMissing)
{
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath()))
        return failure(QStringLiteral("the folder %1 cannot be made").arg(info.absolutePath()));
    const SettingsLock lock(path_ + QStringLiteral(".lock"));
    if (!lock.isLocked())
        return failure(lock.reason());

    QByteArray old;
    const QString problem = readNow(path_, old);
    if (!problem.isEmpty())
        return failure(problem);
    const SettingsText now(old);
    SettingsChanges all;
    for (const auto &[key, value] : ifMissing) {
        const bool changed = std::any_of(changes.cbegin(), changes.cend(), [&key = key](const auto &c) { return c.first == key; });
        if (!now.values().contains(key) && !changed)
            all.append({key, value});
    }
    all += changes;
    QByteArray bytes;
    QString reason;
    if (!now.withChanges(all, bytes, reason))
        return failure(reason);
    if (bytes != old) {
        const FileWriteResult written = writeFileWhole(path_, bytes);
        if (!written.ok)
            return failure(written.reason);
    }
    text_ = SettingsText(bytes);
    readProblem_.clear();
    SettingsSaveResult result;
    result.ok = true;
    return result;
}

} // namespace hoopdeck
