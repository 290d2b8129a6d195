#include "control_characters.h"

namespace hoopdeck {

namespace {
bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}
} // namespace

QString replaceControlCharacters(QString text)
{
    for (QChar &c : text) {
        if (isControl(c.unicode()))
            c = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace hoopdeck
