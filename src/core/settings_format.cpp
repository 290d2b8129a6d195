#include "settings_format.h"

#include <QFileDevice>
#include <QIODevice>
#include <QStringList>

#include <algorithm>

#include "text_fields.h"

namespace hoopdeck {

namespace {
const QByteArray kFirstLine = "; Hoopdeck settings: plain key=value text";
constexpr qint64 kMaxFileBytes = 1024 * 1024;  // far above any real settings file

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
} // namespace

QSettings::Format settingsFileFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readSettingsFile, writeSettingsFile, Qt::CaseSensitive);
    return format;
}

bool readSettingsFile(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray bytes = device.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return false;
    const QString text = QString::fromUtf8(bytes);
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    const bool plain = !lines.isEmpty() && lines.first().trimmed() == QLatin1String(kFirstLine);
    QString group;
    for (QStringView line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1Char('['))) {
            const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
            QStringView name = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
            if (name.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0) {
                group.clear();
                continue;
            }
            if (!plain && name.compare(QLatin1String("%General"), Qt::CaseInsensitive) == 0)
                name = name.mid(1);
            group = (plain ? name.toString() : iniKey(name)) + QLatin1Char('/');
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QStringView key = line.left(equals).trimmed();
        if (key.isEmpty())
            continue;
        const QStringView raw = line.mid(equals + 1);
        map.insert(group + (plain ? key.toString() : iniKey(key)), plain ? raw.toString() : iniValue(raw));
    }
    return true;
}

bool writeSettingsFile(QIODevice &device, const QSettings::SettingsMap &map)
{
    QByteArray out = kFirstLine + "\n[General]\n";
    QString text;
    // The top level first, then each group's keys, which sort together.
    for (const bool grouped : {false, true}) {
        QString group;
        for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
            const QString &key = it.key();
            const qsizetype slash = key.indexOf(QLatin1Char('/'));
            if ((slash >= 0) != grouped)
                continue;
            const QString keyGroup = key.left(std::max<qsizetype>(slash, 0));
            const QString name = key.mid(slash + 1);
            if (!isNameSafe(name) || (grouped && !isNameSafe(keyGroup)) || !valueText(it.value(), text))
                return false;
            if (grouped && keyGroup != group) {
                group = keyGroup;
                out += "\n[" + group.toUtf8() + "]\n";
            }
            out += name.toUtf8() + '=' + text.toUtf8() + '\n';
        }
    }
    if (device.write(out) != out.size())
        return false;
    if (auto *file = qobject_cast<QFileDevice *>(&device)) {
        if (!file->flush() || file->error() != QFileDevice::NoError)
            return false;
    }
    return true;
}

} // namespace hoopdeck
