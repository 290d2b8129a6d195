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

QString terminalText(QAnyStringView text)
{
    QString out;
    appendTerminalText(out, text);
    return out;
}

} // namespace hoopdeck
