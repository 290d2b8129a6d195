#include "settings_lock.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cstdlib>

namespace hoopdeck {

namespace {
// A writer fills its lock file right after making it: one still empty
// after this long was left by a writer that died in between.
constexpr qint64 kHalfWrittenMs = 500;
constexpr unsigned long kRetryMs = 20;
} // namespace

SettingsLock::SettingsLock(const QString &lockPath, int waitMs) : path_(lockPath), file_(lockPath)
{
    // Only a holder that is gone makes a lock stale, never its age: a save
    // that takes long must not lose its lock.
    file_.setStaleLockTime(0);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (file_.tryLock(0)) {
            locked_ = true;
            return;
        }
        if (file_.error() != QLockFile::LockFailedError) {
            reason_ = QStringLiteral("the lock file %1 cannot be made").arg(path_);
            return;
        }
        qint64 pid = 0;
        QString host, application;
        const bool told = file_.getLockInfo(&pid, &host, &application);
        if (!told && takeOverHalfWritten())
            continue;
        if (waited.elapsed() >= waitMs) {
            reason_ = told ? QStringLiteral("settings are locked by process %1").arg(pid)
                           : QStringLiteral("settings are locked by another process (%1)").arg(path_);
            return;
        }
        QThread::msleep(kRetryMs);
    }
}

SettingsLock::~SettingsLock()
{
    if (locked_)
        file_.unlock();
}

bool SettingsLock::takeOverHalfWritten()
{
    // One waiter at a time removes it, as QLockFile does for a stale lock,
    // and only after looking again: another may have replaced it meanwhile.
    QLockFile removal(path_ + QStringLiteral(".rmlock"));
    if (!removal.tryLock(0))
        return false;
    const QFileInfo info(path_);
    if (!info.exists())
        return true;
    QLockFile again(path_);
    qint64 pid = 0;
    QString host, application;
    const qint64 age = std::llabs(info.lastModified().msecsTo(QDateTime::currentDateTime()));
    if (again.getLockInfo(&pid, &host, &application) || age < kHalfWrittenMs)
        return false;
    return QFile::remove(path_);
}

} // namespace hoopdeck
