#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "game_result.h"
#include "game_time.h"
#include "text_table.h"

namespace hoopdeck {

// ScheduleTable cells: Date (as written), vTeam, hTeam. A game with a final
// score carries the fields that hold it after these, as written: visitor's
// points, home points and, after overtime, the overtime mark.
enum ScheduleCell { ScheduleDate, ScheduleVisitor, ScheduleHome, ScheduleCellCount };
// The schedule's cells and the three a result may add.
constexpr int ScheduleColumnCount = ScheduleCellCount + 3;

// The result of a ScheduleTable row, or none.
std::optional<GameResult> scheduleResult(const TextTable &scheduleTable, int row);

// True when at least one game of the table has a result: a schedule fresh
// from a data server, or of a season still to be played, has none.
bool hasResults(const TextTable &scheduleTable);

// True for a schedule date text that gets a Season list row: one of at
// least two characters.
bool hasSeasonListRow(QAnyStringView date);

// The game as the Season and Today lists write it: "Visitor @ Home".
QString gameText(int visitor, int home);
void appendGameText(QString &out, int visitor, int home);

// Replaces scheduleTable with the games of Season.dat as written, and
// seasonList with them made readable (Date, Game, Time on the user's clock,
// then the Score of a game that has one).
// True when the whole file was read.
bool loadSeason(const QString &path, ZoneShift zone, TextTable &scheduleTable, TextTable &seasonList);
// The ScheduleTable alone, for a front-end that shows no Season list.
bool loadSchedule(const QString &path, TextTable &scheduleTable);
bool loadSeasonFromBytes(const QByteArray &bytes, ZoneShift zone, TextTable &scheduleTable,
                         TextTable &seasonList);

} // namespace hoopdeck
