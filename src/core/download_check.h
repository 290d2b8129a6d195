#pragma once

#include <QByteArray>

namespace hoopdeck {

// Whether a downloaded body may replace the local file. A standings body
// holds a heading and 29 team lines (a name, then wins and losses that start
// with digits); a roster body holds at least one line whose first field is a
// team number 0-28. An error page, an empty reply or a cut-off file is not.
bool isUsableStandings(const QByteArray &body);
bool isUsableRoster(const QByteArray &body);

} // namespace hoopdeck
