#pragma once

#include <QString>

namespace hoopdeck {

// The explanation of a network error code, "Error" for a code it does not know.
QString netErrorExplanation(int code);

// "<caption> <code>\n<explanation>", the text a failed download shows.
QString FormatNetError(int code, const QString &caption);

} // namespace hoopdeck
