#include "teams.h"

namespace hoopdeck {

namespace {
// Entry 0 is the All-Star Game; entry i + 1 is TeamIndex i.
constexpr QLatin1StringView kNames[kTeamCount + 1] = {
    QLatin1StringView("All-Star Game"), QLatin1StringView("Atlanta"),       QLatin1StringView("Boston"),
    QLatin1StringView("Chicago"),       QLatin1StringView("Cleveland"),     QLatin1StringView("Dallas"),
    QLatin1StringView("Denver"),        QLatin1StringView("Detroit"),       QLatin1StringView("Golden State"),
    QLatin1StringView("Houston"),       QLatin1StringView("Indiana"),       QLatin1StringView("L.A. Clippers"),
    QLatin1StringView("L.A. Lakers"),   QLatin1StringView("Memphis"),       QLatin1StringView("Miami"),
    QLatin1StringView("Milwaukee"),     QLatin1StringView("Minnesota"),     QLatin1StringView("New Jersey"),
    QLatin1StringView("New Orleans"),   QLatin1StringView("New York"),      QLatin1StringView("Orlando"),
    QLatin1StringView("Philadelphia"),  QLatin1StringView("Phoenix"),       QLatin1StringView("Portland"),
    QLatin1StringView("Sacramento"),    QLatin1StringView("San Antonio"),   QLatin1StringView("Seattle"),
    QLatin1StringView("Toronto"),       QLatin1StringView("Utah"),          QLatin1StringView("Washington"),
};

bool hasName(int teamIndex)
{
    return unsigned(teamIndex) + 1u <= unsigned(kTeamCount);
}
} // namespace

QLatin1StringView teamNameText(int teamIndex)
{
    return hasName(teamIndex) ? kNames[unsigned(teamIndex) + 1u] : QLatin1StringView("");
}

QString teamName(int teamIndex)
{
    return hasName(teamIndex) ? QString(teamNameText(teamIndex)) : QString();
}

QString teamDisplayName(int teamIndex)
{
    return QString(teamNameText(teamIndex));
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
