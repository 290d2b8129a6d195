#include "settings_table.h"

#include <algorithm>

#include "teams.h"
#include "text_fields.h"
#include "time_zones.h"

namespace hoopdeck {

namespace {
QString chooseNumber(const SettingRow &setting, const QString &text, QVariant &stored)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < setting.low || number > setting.high)
        return QString::fromLatin1(setting.problem).arg(text, QString::number(setting.low), QString::number(setting.high));
    stored = number;
    return QString();
}

QString chooseTeam(const SettingRow &setting, const QString &text, QVariant &stored)
{
    const std::optional<int> team = teamFromText(text);
    if (!team)
        return QString::fromLatin1(setting.problem).arg(text);
    stored = *team;
    return QString();
}

QString chooseWord(const SettingRow &setting, const QString &text, QVariant &stored)
{
    QStringList words;
    for (const SettingWord &word : setting.words) {
        if (text == QLatin1String(word.word)) {
            stored = QString::fromLatin1(word.stored);
            return QString();
        }
        words.append(QLatin1String(word.word));
    }
    const QString last = words.takeLast();
    const QString listed = words.isEmpty() ? last : words.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
    return QString::fromLatin1(setting.problem).arg(text, listed);
}

QString chooseText(const SettingRow &, const QString &text, QVariant &stored)
{
    stored = text;
    return QString();
}

// The word of a Choice setting's stored text.
QString wordOf(const SettingRow &setting, const QString &stored)
{
    for (const SettingWord &word : setting.words) {
        if (stored == QLatin1String(word.stored))
            return QLatin1String(word.word);
    }
    return QString();
}

const QList<SettingRow> &table()
{
    static const QList<SettingRow> rows{
        {SettingId::Team, "Team", SettingType::Number, 0, kTeamCount - 1, {}, "0", 2, "unknown team \"%1\"",
         [](Settings &s, const QString &v) { s.favoriteTeam = decimalToInt(v); },
         [](const Settings &s) { return QVariant(s.favoriteTeam); }, SettingId::Team, nullptr,
         "team", "TEAM", "the favourite team", chooseTeam,
         "Team", [](const Settings &s) { return QStringList{QString::number(s.favoriteTeam), teamDisplayName(s.favoriteTeam)}; },
         "Favorite team:", "%2 (%1)"},
        {SettingId::Index, "Index", SettingType::Number, 0, kTimeZoneCount - 1, {}, "11", 3,
         "\"%1\" is not a time zone %2-%3",
         [](Settings &s, const QString &v) { s.zoneIndex = decimalToInt(v); },
         [](const Settings &s) { return QVariant(s.zoneIndex); },
         // A zone is chosen from the list: its hours come with it.
         SettingId::OffSet, [](Settings &s) { s.zoneOffsetHours = timeZone(s.zoneIndex).hours; },
         "zone", "N", "the time zone 0-69", chooseNumber,
         "Index", [](const Settings &s) { return QStringList{QString::number(s.zoneIndex), timeZoneCaption(s.zoneIndex)}; },
         "Time zone:", "%2 (%1)"},
        {SettingId::OffSet, "OffSet", SettingType::Text, 0, 0, {}, "0", 1, nullptr,
         [](Settings &s, const QString &v) { s.zoneOffsetHours = decimalToInt(v); },
         [](const Settings &s) { return QVariant(QString::number(s.zoneOffsetHours)); }, SettingId::OffSet, nullptr,
         nullptr, nullptr, nullptr, nullptr,
         "OffSet", [](const Settings &s) { return QStringList{QString::number(s.zoneOffsetHours)}; },
         "Offset:", "%1 hours from US Eastern time"},
        {SettingId::Server, "Server", SettingType::Text, 0, 0, {}, "127.0.0.1", 0, nullptr,
         [](Settings &s, const QString &v) { s.server = v; },
         [](const Settings &s) { return QVariant(s.server); }, SettingId::Server, nullptr,
         "server", "HOST[:PORT]", "the data server", chooseText,
         "Server", [](const Settings &s) { return QStringList{s.server}; },
         "Data server:", "%1"},
        // Any text but the three words counts by its decimal value, as the
        // first release read it: a text without digits hides the results,
        // and 2 (which that release read as on) is the line at the day shown.
        {SettingId::Results, "Results", SettingType::Choice, 0, 0, {{"on", "1"}, {"off", "0"}, {"upto", "2"}}, "1", 0,
         "--results takes %2, not \"%1\"",
         [](Settings &s, const QString &v) {
             const int value = decimalToInt(v);
             s.results = value == 0 ? ResultsShown::None : value == 2 ? ResultsShown::UpToDay : ResultsShown::All;
         },
         [](const Settings &s) {
             return QVariant(QString::fromLatin1(s.results == ResultsShown::None      ? "0"
                                                 : s.results == ResultsShown::UpToDay ? "2"
                                                                                      : "1"));
         },
         SettingId::Results, nullptr,
         "results", "on|off|upto", "results on, off, or up to the day shown",
         chooseWord,
         "Results", [](const Settings &s) {
             return QStringList{wordOf(settingRow(SettingId::Results), settingRow(SettingId::Results).stored(s).toString())};
         },
         "Show results:", "%1"},
        // The folder the season is installed in; only the install writes it.
        {SettingId::Install, "Install", SettingType::Text, 0, 0, {}, nullptr, 0, nullptr, nullptr, nullptr,
         SettingId::Install, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    return rows;
}
} // namespace

Settings::Settings()
{
    for (const SettingRow &setting : table()) {
        if (setting.load && setting.defaultText)
            setting.load(*this, QString::fromLatin1(setting.defaultText));
    }
}

const QList<SettingRow> &settingRows()
{
    return table();
}

const SettingRow &settingRow(SettingId id)
{
    return *std::find_if(table().cbegin(), table().cend(), [id](const SettingRow &setting) { return setting.id == id; });
}

const SettingRow *settingRowForOption(const QString &option)
{
    for (const SettingRow &setting : table()) {
        if (setting.option && option == QLatin1String(setting.option))
            return &setting;
    }
    return nullptr;
}

QString settingLine(const SettingRow &setting, const Settings &settings)
{
    int width = 0;
    for (const SettingRow &row : table())
        width = std::max(width, row.label ? int(qstrlen(row.label)) + 1 : 0);
    const QStringList cells = setting.cells(settings);
    const QString format = QString::fromLatin1(setting.shownAs);
    const QString text = cells.size() > 1 ? format.arg(cells.at(0), cells.at(1)) : format.arg(cells.value(0));
    return QString::fromLatin1(setting.label).leftJustified(width) + text;
}

} // namespace hoopdeck
