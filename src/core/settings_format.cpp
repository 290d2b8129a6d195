#include "settings_format.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <optional>

#include "text_fields.h"

namespace hoopdeck {

const char *const kSettingsFirstLine = "; Hoopdeck settings: plain key=value text";

namespace {
// A value as Qt's INI writer left it: quotes group, backslashes escape,
// white space outside quotes at either end is dropped. Commas stay commas.
QString iniValue(QStringView raw)
{
    QString out;
    bool quoted = false;
    qsizetype keepUpTo = 0;  // the end of the text that trailing white space cannot cut
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            keepUpTo = out.size();
            continue;
        }
        if (c == QLatin1Char('\\') && i + 1 < raw.size()) {
            const QChar e = raw.at(++i);
            switch (e.unicode()) {
            case 'a': out += QChar(0x07); break;
            case 'b': out += QChar(0x08); break;
            case 'f': out += QChar(0x0c); break;
            case 'n': out += QChar(0x0a); break;
            case 'r': out += QChar(0x0d); break;
            case 't': out += QChar(0x09); break;
            case 'v': out += QChar(0x0b); break;
            case 'x': {
                uint code = 0;
                int digits = 0;
                while (i + 1 < raw.size() && digits < 4 && hexDigitValue(raw.at(i + 1).unicode()) >= 0) {
                    code = code * 16 + uint(hexDigitValue(raw.at(++i).unicode()));
                    ++digits;
                }
                out += QChar(char16_t(code));
                break;
            }
            default:
                if (e >= QLatin1Char('0') && e <= QLatin1Char('7')) {
                    uint code = uint(e.unicode() - '0');
                    int digits = 1;
                    while (i + 1 < raw.size() && digits < 3 && raw.at(i + 1) >= QLatin1Char('0')
                           && raw.at(i + 1) <= QLatin1Char('7')) {
                        code = code * 8 + uint(raw.at(++i).unicode() - '0');
                        ++digits;
                    }
                    out += QChar(char16_t(code));
                } else {
                    out += e;  // \" \' \\ \? and anything else stand for themselves
                }
            }
            keepUpTo = out.size();
            continue;
        }
        if (!quoted && c.isSpace() && out.isEmpty())
            continue;  // white space before the value
        out += c;
        if (quoted || !c.isSpace())
            keepUpTo = out.size();
    }
    out.truncate(keepUpTo);
    // Qt doubles a leading "@" so that a text is not taken for a type.
    if (out.startsWith(QLatin1String("@@")))
        out.remove(0, 1);
    return out;
}

// Qt's INI writer spells a character outside [A-Za-z0-9_-.] in a key or a
// section as %XX or %UXXXX.
QString iniKey(QStringView raw)
{
    QString out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw.at(i) == QLatin1Char('%')) {
            const bool wide = i + 1 < raw.size() && raw.at(i + 1) == QLatin1Char('U');
            const qsizetype first = i + (wide ? 2 : 1);
            const int digits = wide ? 4 : 2;
            uint code = 0;
            bool ok = first + digits <= raw.size();
            for (int d = 0; ok && d < digits; ++d) {
                const int v = hexDigitValue(raw.at(first + d).unicode());
                ok = v >= 0;
                code = code * 16 + uint(v);
            }
            if (ok) {
                out += QChar(char16_t(code));
                i = first + digits - 1;
                continue;
            }
        }
        out += raw.at(i) == QLatin1Char('\\') ? QLatin1Char('/') : raw.at(i);
    }
    return out;
}

bool isNameSafe(const QString &name)
{
    if (name.isEmpty() || name != name.trimmed())
        return false;
    const QChar first = name.at(0);
    if (first == QLatin1Char('[') || first == QLatin1Char(';') || first == QLatin1Char('#'))
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('=') || c == QLatin1Char(']') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

bool valueText(const QVariant &value, QString &text)
{
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        text = value.toString();
        break;
    default:
        return false;
    }
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))
           && !text.contains(QChar(0));
}

// A line as it was written: UTF-8 when it is, else a byte a character.
QString lineText(const QByteArray &raw)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(raw);
    return utf8.hasError() ? QString::fromLatin1(raw) : text;
}

// "Group/Name" parted where the first release parted it.
QPair<QString, QString> groupAndName(const QString &key)
{
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    return {key.left(std::max<qsizetype>(slash, 0)), key.mid(slash + 1)};
}

// A whole file in the plain form: the top level first, then each group's
// keys, which sort together.
bool freshText(const SettingsValues &values, QByteArray &out, QString &reason)
{
    out = QByteArray(kSettingsFirstLine) + "\n[General]\n";
    for (const bool grouped : {false, true}) {
        QString group;
        for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
            const auto [keyGroup, name] = groupAndName(it.key());
            if (it.key().contains(QLatin1Char('/')) != grouped)
                continue;
            if (grouped && keyGroup != group) {
                group = keyGroup;
                out += "\n[" + group.toUtf8() + "]\n";
            }
            if (!isNameSafe(name) || (grouped && !isNameSafe(keyGroup))) {
                reason = QStringLiteral("the key \"%1\" cannot stand in the settings file").arg(it.key());
                return false;
            }
            QString text;
            if (!valueText(it.value(), text)) {
                reason = QStringLiteral("the value of %1 cannot stand on one line").arg(it.key());
                return false;
            }
            out += name.toUtf8() + '=' + text.toUtf8() + '\n';
        }
    }
    return true;
}
} // namespace

SettingsText::SettingsText(const QByteArray &bytes)
{
    const bool littleEndian = bytes.startsWith("\xff\xfe");
    if (littleEndian || bytes.startsWith("\xfe\xff")) {
        QStringDecoder utf16(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        // A byte cut from its pair is left out of what is read.
        const QString text = utf16(QByteArrayView(bytes).sliced(2, (bytes.size() - 2) & ~qsizetype(1)));
        if (utf16.hasError() || bytes.size() % 2 != 0)
            problem_ = QStringLiteral("the settings file is UTF-16 text that does not decode");
        else if (const qsizetype nul = text.indexOf(QChar(0)); nul >= 0)
            problem_ = QStringLiteral("the settings file holds a NUL byte at offset %1").arg(2 + 2 * nul);
        readLines(text.toUtf8());  // a save writes it back as UTF-8
        return;
    }
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        problem_ = QStringLiteral("the settings file holds a NUL byte at offset %1").arg(nul);
    readLines(bytes);
}

void SettingsText::readLines(const QByteArray &bytes)
{
    const char *const data = bytes.constData();
    const qsizetype size = bytes.size();
    QString group;  // with its slash; empty for General
    for (qsizetype at = 0; at < size;) {
        const char *stop = std::find_if(data + at, data + size, [](char c) { return c == '\n' || c == '\r'; });
        Line line;
        line.raw = QByteArray(data + at, stop - (data + at));
        if (stop != data + size)
            line.end = (*stop == '\r' && stop + 1 != data + size && stop[1] == '\n') ? "\r\n" : QByteArray(stop, 1);
        at = (stop - data) + line.end.size();

        const QString text = lineText(line.raw);
        const QStringView trimmed = QStringView(text).trimmed();
        if (lines_.isEmpty())
            plain_ = trimmed == QLatin1String(kSettingsFirstLine);
        line.group = group;
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'))) {
            lines_.append(line);
            continue;
        }
        if (trimmed.startsWith(QLatin1Char('['))) {
            const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
            QStringView name = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
            if (!plain_ && name.compare(QLatin1String("%General"), Qt::CaseInsensitive) == 0)
                name = name.mid(1);
            if (name.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
                group.clear();
            else
                group = (plain_ ? name.toString() : iniKey(name)) + QLatin1Char('/');
            line.group = group;
            line.section = true;
            lines_.append(line);
            continue;
        }
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        const QStringView key = QStringView(text).left(std::max<qsizetype>(equals, 0)).trimmed();
        if (equals >= 0 && !key.isEmpty()) {
            const QStringView raw = QStringView(text).mid(equals + 1);
            line.key = group + (plain_ ? key.toString() : iniKey(key));
            values_.insert(line.key, plain_ ? raw.toString() : iniValue(raw));
        }
        lines_.append(line);
    }
}

bool SettingsText::withChanges(const SettingsChanges &changes, QByteArray &bytes, QString &reason) const
{
    if (!problem_.isEmpty()) {
        reason = problem_;
        return false;
    }
    SettingsValues merged = values_;
    QList<QPair<QString, std::optional<QByteArray>>> entries;  // a key, and its value's text; a removal has none
    for (const auto &[key, value] : changes) {
        const auto [group, name] = groupAndName(key);
        if (!isNameSafe(name) || (key.contains(QLatin1Char('/')) && !isNameSafe(group))) {
            reason = QStringLiteral("the key \"%1\" cannot stand in the settings file").arg(key);
            return false;
        }
        QString text;
        if (!value.isValid()) {
            merged.remove(key);
            entries.append({key, std::nullopt});
            continue;
        }
        if (!valueText(value, text)) {
            reason = QStringLiteral("the value of %1 cannot stand on one line").arg(key);
            return false;
        }
        merged.insert(key, text);
        entries.append({key, text.toUtf8()});
    }
    // A file an earlier release wrote, or none: all of it in the plain form.
    if (!plain_)
        return freshText(merged, bytes, reason);

    const QByteArray newline = lines_.first().end.isEmpty() ? QByteArray("\n") : lines_.first().end;
    QList<Line> lines = lines_;
    for (const auto &[key, text] : entries) {
        if (!text) {
            lines.removeIf([&key = key](const Line &line) { return line.key == key; });
            continue;
        }
        auto last = std::find_if(lines.rbegin(), lines.rend(), [&key = key](const Line &line) { return line.key == key; });
        // A line names its key within its section, whatever the section's name holds.
        if (last != lines.rend()) {
            last->raw = key.mid(last->group.size()).toUtf8() + '=' + *text;
            continue;
        }
        // A new key goes after the last line of its group's entries, or under
        // its section's heading; a new group goes at the end.
        const QString group = key.left(key.indexOf(QLatin1Char('/')) + 1);
        qsizetype at = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines.at(i).group == group && (!lines.at(i).key.isEmpty() || lines.at(i).section))
                at = i + 1;
        }
        if (at < 0 && group.isEmpty())
            at = 1;  // under the first line
        if (at < 0) {
            at = lines.size();
            lines.append({QByteArray(), newline, group, QString(), false});
            lines.append({"[" + group.chopped(1).toUtf8() + "]", newline, group, QString(), true});
            at += 2;
        }
        Line line;
        line.raw = key.mid(group.size()).toUtf8() + '=' + *text;
        line.end = newline;
        line.group = group;
        line.key = key;
        lines.insert(std::min(at, lines.size()), line);
    }
    bytes.clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        bytes += line.raw;
        bytes += line.end.isEmpty() && i + 1 < lines.size() ? newline : line.end;
    }
    return true;
}

} // namespace hoopdeck
