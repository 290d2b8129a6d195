#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <optional>

namespace hoopdeck {

constexpr int kTeamCount = 29;      // TeamIndex 0 to 28

// The display name of a TeamIndex (-1 to 28), or a null text for any other.
QString teamName(int teamIndex);

// What a view shows for a TeamIndex: its name, or an empty text when it has none.
QString teamDisplayName(int teamIndex);
// The same text as the program holds it, for a list that writes a season of
// names without making a QString of each.
QLatin1StringView teamNameText(int teamIndex);

// The 29 names of the team pickers, in TeamIndex order (no All-Star Game).
QStringList teamChoices();

// A team written as its number 0-28 in decimal digits only, leading zeros
// allowed; nothing for any other text, a sign included.
std::optional<int> teamFromNumber(const QString &text);

// A team given by a user: its number as above, or one of the 29 names
// without regard to case.
std::optional<int> teamFromText(const QString &text);

} // namespace hoopdeck
