#pragma once

#include <QString>

namespace hoopdeck {

// A data file's text shown in a terminal must not drive it: every C0 control
// (tab and line ends included), DEL and every C1 control (such as U+009B, a
// lone byte 0x9B widened) becomes U+FFFD, the replacement character.
QString replaceControlCharacters(QString text);

} // namespace hoopdeck
