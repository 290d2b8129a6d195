#pragma once

class QSettings;

namespace hoopdeck {

// Show Results, kept as the text value "Results" of the settings store:
// "1" to show how games ended, "0" to relive the season without knowing.
// A missing value shows them; any other text counts by its decimal value,
// so a text without digits hides them.
bool LoadShowResults(const QSettings &store);

// False when the store could not be written.
bool SaveShowResults(QSettings &store, bool show);

} // namespace hoopdeck
