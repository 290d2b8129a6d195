#pragma once

#include <QAnyStringView>
#include <QLatin1StringView>
#include <QString>

namespace hoopdeck {

// A data file's text shown in a terminal must not drive it: a tab or line
// end becomes a blank (a cell or a message stays on its line and column),
// every other C0 control, DEL and every C1 control (such as U+009B, a lone
// byte 0x9B widened) becomes U+FFFD, the replacement character.
void appendTerminalText(QString &out, QAnyStringView text);
QString terminalText(QAnyStringView text);
// The same for Latin-1 text, UTF-8 encoded into `to`, which has room for
// three bytes a character; returns the end. Rows go out as bytes this way
// without being widened to UTF-16 and encoded back.
char *writeTerminalUtf8(char *to, QLatin1StringView text);

} // namespace hoopdeck
