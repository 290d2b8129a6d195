#pragma once

#include "settings_store.h"

namespace hoopdeck {

// The settings as a file of their own, in the format of settings_format.h.
// Only a regular file (or a link to one) is read or replaced: anything else
// in its place (a FIFO, a device, a folder, a socket) reads as no settings,
// with one warning on stderr, and every save fails. A save reads the file
// afresh under the lock beside it, changes only its own keys and puts a new
// file in the old one's place.
class SettingsFile final : public SettingsStore {
public:
    explicit SettingsFile(const QString &path);

    QString location() const override { return path_; }
    const SettingsValues &values() const override { return text_.values(); }
    SettingsSaveResult save(const SettingsChanges &changes, const SettingsChanges &ifMissing = {}) override;

    // Why the file was not read when the store was opened; empty when it was
    // (or when there is none yet).
    const QString &readProblem() const { return readProblem_; }

private:
    QString path_;
    SettingsText text_;
    QString readProblem_;
};

// A settings file larger than this is not read; nor, then, replaced.
constexpr qint64 kMaxSettingsFileBytes = 32 * 1024 * 1024;

} // namespace hoopdeck
