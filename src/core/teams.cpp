#include "teams.h"

namespace hoopdeck {

namespace {
// Entry 0 is the All-Star Game; entry i + 1 is TeamIndex i.
const char *const kNames[kTeamCount + 1] = {
    "All-Star Game", "Atlanta", "Boston", "Chicago", "Cleveland", "Dallas", "Denver",
    "Detroit", "Golden State", "Houston", "Indiana", "L.A. Clippers", "L.A. Lakers",
    "Memphis", "Miami", "Milwaukee", "Minnesota", "New Jersey", "New Orleans",
    "New York", "Orlando", "Philadelphia", "Phoenix", "Portland", "Sacramento",
    "San Antonio", "Seattle", "Toronto", "Utah", "Washington",
};
} // namespace

QLatin1StringView teamNameView(int teamIndex)
{
    const unsigned entry = unsigned(teamIndex) + 1u;
    if (entry > unsigned(kTeamCount))
        return QLatin1StringView();
    return QLatin1StringView(kNames[entry]);
}

QString teamName(int teamIndex)
{
    const QLatin1StringView name = teamNameView(teamIndex);
    return name.data() ? QString(name) : QString();
}

QString teamDisplayName(int teamIndex)
{
    const QString name = teamName(teamIndex);
    return name.isNull() ? QStringLiteral("") : name;
}

QStringList teamChoices()
{
    QStringList names;
    for (int team = 0; team < kTeamCount; ++team)
        names.append(teamName(team));
    return names;
}

namespace {
bool isDecimalNumber(const QString &text)
{
    bool isNumber = !text.isEmpty();
    for (QChar c : text)
        isNumber = isNumber && c.isDigit() && c.unicode() < 128;
    return isNumber;
}
} // namespace

std::optional<int> teamFromNumber(const QString &text)
{
    if (!isDecimalNumber(text))
        return std::nullopt;
    // Leading zeros count for nothing ("007" is 7); a longer number is no team.
    qsizetype first = 0;
    while (first < text.size() - 1 && text.at(first) == QLatin1Char('0'))
        ++first;
    const QStringView digits = QStringView(text).mid(first);
    const int team = digits.size() <= 2 ? digits.toInt() : -1;
    if (team >= 0 && team < kTeamCount)
        return team;
    return std::nullopt;
}

std::optional<int> teamFromText(const QString &text)
{
    if (isDecimalNumber(text))
        return teamFromNumber(text);
    for (int team = 0; team < kTeamCount; ++team) {
        if (QString::compare(text, teamName(team), Qt::CaseInsensitive) == 0)
            return team;
    }
    return std::nullopt;
}

} // namespace hoopdeck
