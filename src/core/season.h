#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

#include "game_result.h"
#include "game_time.h"
#include "text_table.h"

namespace hoopdeck {

struct SeasonGame;

// ScheduleTable cells: Date (as written), vTeam, hTeam. A game with a final
// score carries the fields that hold it after these, as written: visitor's
// points, home points and, after overtime, the overtime mark.
enum ScheduleCell { ScheduleDate, ScheduleVisitor, ScheduleHome, ScheduleCellCount };
// The schedule's cells and the three a result may add.
constexpr int ScheduleColumnCount = ScheduleCellCount + 3;

// The result of a ScheduleTable row, or none.
std::optional<GameResult> scheduleResult(const TextTable &scheduleTable, int row);

// True for a schedule date text that gets a Season list row: one of at
// least two characters.
bool hasSeasonListRow(QAnyStringView date);

// The game as the Season and Today lists write it: "Visitor @ Home".
QString gameText(int visitor, int home);

// The same text held in place, for a list that writes it straight into its
// table.
struct GameChars {
    char text[32] = {};  // two names of at most 13 characters and " @ "
    quint8 length = 0;
    QLatin1StringView view() const { return QLatin1StringView(text, length); }
};
GameChars gameChars(int visitor, int home);

// Replaces scheduleTable with the games of Season.dat as written, and games
// with the same games as numbers, in one reading of the file.
// True when the whole file was read.
bool loadSeason(const QString &path, TextTable &scheduleTable, std::vector<SeasonGame> &games);
bool loadSeasonFromBytes(const QByteArray &bytes, TextTable &scheduleTable, std::vector<SeasonGame> &games);
// The same games without the table, for a reader that shows no cell as
// written.
bool loadSeasonGames(const QString &path, std::vector<SeasonGame> &games);
bool loadSeasonGamesFromBytes(const QByteArray &bytes, std::vector<SeasonGame> &games);

} // namespace hoopdeck
