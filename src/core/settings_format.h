#pragma once

#include <QSettings>

class QIODevice;

namespace hoopdeck {

// The settings file of every program on systems without a registry
// (~/.config/Morvane/Hoopdeck.conf): plain "key=value" lines under a
// "[General]" line, other groups as "[Group]" sections. A value is text kept
// exactly as it was given: commas, quotes and "@" are plain characters, and
// nothing in a value is ever unpacked into another type.
//
// A file that does not start with this format's first line was written by
// an earlier release through Qt's INI format; its quoted and escaped values
// are read the way that release wrote them, so existing settings read the
// same (still without lists or @-types).
QSettings::Format settingsFileFormat();

// The format's two halves, as QSettings calls them.
bool readSettingsFile(QIODevice &device, QSettings::SettingsMap &map);
// Writes and flushes the whole file; false on any error (the file is then
// left as it was), and for a value that is not text or a number or holds a
// line break, which this format cannot hold.
bool writeSettingsFile(QIODevice &device, const QSettings::SettingsMap &map);

} // namespace hoopdeck
