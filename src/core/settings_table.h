#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "game_time.h"

namespace hoopdeck {

// Which results the lists show: every one, those of games up to the day
// shown in Today (for a user reliving the season), or none.
enum class ResultsShown { All, UpToDay, None };

// The user's choices, as the programs hold them in memory.
struct Settings {
    Settings();  // every setting at its default from the table below

    int zoneOffsetHours;  // OffSet
    int favoriteTeam;     // Team
    int zoneIndex;        // Index
    QString server;       // Server: the data server, see serverRequestUrl
    ResultsShown results; // Results

    ZoneShift zone() const { return {zoneOffsetHours, zoneIndex}; }
};

// How a store that keeps types (the registry) holds a value: a Number as a
// number, the others as text.
enum class SettingType { Text, Number, Choice };

// One word a user may choose for a Choice setting, and the text it is stored as.
struct SettingWord {
    const char *word;
    const char *stored;
};

enum class SettingId { Team, Index, OffSet, Server, Results, Install };

// Every stored setting, declared once: the store's key, its type and range,
// its default, how it is held in memory, the command line's option for it
// and how `hoopdeck-cli settings` prints it. Loading, saving, the settings
// command and the Options dialog all go through these rows.
struct SettingRow {
    SettingId id;
    const char *key;
    SettingType type;
    int low, high;            // a Number: the values a user may choose
    QList<SettingWord> words; // a Choice: the words a user may choose
    const char *defaultText;  // as stored; nullptr: none, the setting is not in Settings
    // 1, 2, 3...: read in this order up to the first one missing, which ends
    // the reading of the rest; 0: read on its own.
    int chain;
    const char *problem;  // what a refused choice is told: %1 the text, %2 and %3 the range or words

    void (*load)(Settings &settings, const QString &stored);  // nullptr: not held in Settings
    QVariant (*stored)(const Settings &settings);               // the value to store, typed as `type` says
    // Another setting that a choice of this one sets too (the zone's hours),
    // and how: it is set in memory from this one's new value.
    SettingId follower;
    void (*follow)(Settings &settings);

    // The command line: the option's name (nullptr: none), what it takes, its help.
    const char *option;
    const char *valueName;
    const char *help;
    // Reads a typed choice into its stored value; the problem, or an empty text.
    QString (*choose)(const SettingRow &setting, const QString &text, QVariant &stored);

    // `hoopdeck-cli settings`: the --tsv row's name and its cells; the label
    // of the aligned line and the cells set in its text (%1, %2...).
    const char *name;  // nullptr: not printed
    QStringList (*cells)(const Settings &settings);
    const char *label;
    const char *shownAs;
};

const QList<SettingRow> &settingRows();  // in the order the settings command prints them
const SettingRow &settingRow(SettingId id);
const SettingRow *settingRowForOption(const QString &option);

// The aligned line `hoopdeck-cli settings` prints for a row.
QString settingLine(const SettingRow &setting, const Settings &settings);

} // namespace hoopdeck
