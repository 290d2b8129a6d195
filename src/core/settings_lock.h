#pragma once

#include <QLockFile>
#include <QString>

namespace hoopdeck {

// Held by a save of the settings file from its read to its rename, so that
// saves of several programs follow one another and none undoes another's.
// The lock is the file at lockPath (the settings file's name with ".lock").
// A lock whose process is gone is taken over at once, and an empty or
// unreadable one (a writer killed between making and filling it) once it is
// half a second old; a live holder is waited for up to waitMs.
class SettingsLock {
public:
    explicit SettingsLock(const QString &lockPath, int waitMs = 2000);
    ~SettingsLock();

    SettingsLock(const SettingsLock &) = delete;
    SettingsLock &operator=(const SettingsLock &) = delete;

    bool isLocked() const { return locked_; }
    // Why the lock was not taken: "settings are locked by process N", or
    // what the system said.
    const QString &reason() const { return reason_; }

private:
    bool takeOverHalfWritten();

    QString path_;
    QLockFile file_;
    bool locked_ = false;
    QString reason_;
};

} // namespace hoopdeck
