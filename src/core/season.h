#pragma once

#include <QByteArray>
#include <QString>

#include "game_time.h"
#include "text_table.h"

namespace hoopdeck {

// ScheduleTable cells: Date (as written), vTeam, hTeam.
enum ScheduleCell { ScheduleDate, ScheduleVisitor, ScheduleHome, ScheduleCellCount };

// The game as the Season and Today lists write it: "Visitor @ Home".
QString gameText(int visitor, int home);

// Replaces scheduleTable with the games of Season.dat as written, and
// seasonList with them made readable (Date, Game, Time on the user's clock).
// True when the whole file was read.
bool loadSeason(const QString &path, ZoneShift zone, TextTable &scheduleTable, TextTable &seasonList);
bool loadSeasonFromBytes(const QByteArray &bytes, ZoneShift zone, TextTable &scheduleTable,
                         TextTable &seasonList);

} // namespace hoopdeck
