#include "control_characters.h"

namespace hoopdeck {

namespace {
char16_t terminalChar(char16_t c)
{
    if (c == u'\t' || c == u'\r' || c == u'\n')
        return u' ';
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f))
        return QChar::ReplacementCharacter;
    return c;
}
} // namespace

void appendTerminalText(QString &out, QAnyStringView text)
{
    text.visit([&out](auto view) {
        if constexpr (std::is_same_v<decltype(view), QStringView> || std::is_same_v<decltype(view), QLatin1StringView>) {
            const qsizetype at = out.size();
            out.resize(at + view.size());
            QChar *to = out.data() + at;
            for (qsizetype i = 0; i < view.size(); ++i) {
                to[i] = QChar(terminalChar(char16_t(view[i].unicode())));
            }
        } else {
            appendTerminalText(out, QAnyStringView(view.toString()));
        }
    });
}

char *writeTerminalUtf8(char *to, QLatin1StringView text)
{
    for (const char byte : text) {
        if (uchar(byte) >= 0x20 && uchar(byte) < 0x7f) {
            *to++ = byte;
            continue;
        }
        const char16_t c = terminalChar(uchar(byte));
        if (c < 0x80) {
            *to++ = char(c);
        } else if (c < 0x800) {
            *to++ = char(0xc0 | (c >> 6));
            *to++ = char(0x80 | (c & 0x3f));
        } else {
            *to++ = char(0xe0 | (c >> 12));
            *to++ = char(0x80 | ((c >> 6) & 0x3f));
            *to++ = char(0x80 | (c & 0x3f));
        }
    }
    return to;
}

QString terminalText(QAnyStringView text)
{
    QString out;
    appendTerminalText(out, text);
    return out;
}

} // namespace hoopdeck
