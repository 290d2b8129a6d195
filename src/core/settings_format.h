#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVariant>

namespace hoopdeck {

// Values by key; a key in a group is "Group/Name".
using SettingsValues = QMap<QString, QString>;

// What one save sets, in order: text or a number; an invalid QVariant
// removes the key.
using SettingsChanges = QList<QPair<QString, QVariant>>;

// The settings file of every program on systems without a registry
// (~/.config/Morvane/Hoopdeck.conf): plain "key=value" lines under a
// "[General]" line, other groups as "[Group]" sections. A value is text kept
// exactly as it was given: commas, quotes and "@" are plain characters, and
// nothing in a value is ever unpacked into another type.
//
// A file that does not start with this format's first line was written by
// an earlier release through Qt's INI format; its quoted and escaped values
// are read the way that release wrote them, so existing settings read the
// same (still without lists or @-types). Its first save writes it in the
// plain form.
//
// A line may end in LF, CRLF or CR and be of any length. A line that is not
// UTF-8 is read as Latin-1; a file that starts with a UTF-16 byte-order mark
// is read as UTF-16. A save rewrites only the lines of the keys it changes:
// every other line goes back byte for byte.
class SettingsText {
public:
    SettingsText() = default;  // an empty file
    explicit SettingsText(const QByteArray &bytes);

    const SettingsValues &values() const { return values_; }

    // Why this text is not to be written back (a NUL byte in it, UTF-16
    // that does not decode); empty when it may be.
    const QString &problem() const { return problem_; }

    // The file's bytes with the changes made: false, with the reason, for a
    // value a line cannot hold (a line break or a NUL, a type other than text
    // or a number) or a key that cannot stand in the file.
    bool withChanges(const SettingsChanges &changes, QByteArray &bytes, QString &reason) const;

private:
    struct Line {
        QByteArray raw;  // without its line end
        QByteArray end;  // "\n", "\r\n", "\r", or nothing at the file's end
        QString group;   // the section it stands in, with a slash ("Window/"); "" for General
        QString key;     // the whole key of an entry ("Group/Name"); empty for any other line
        bool section = false;
    };

    void readLines(const QByteArray &bytes);

    QList<Line> lines_;
    SettingsValues values_;
    QString problem_;
    bool plain_ = false;  // written in the plain form, not by an earlier release
};

// The first line of every file written in the plain form.
extern const char *const kSettingsFirstLine;

} // namespace hoopdeck
