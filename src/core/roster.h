#pragma once

#include <QByteArray>
#include <QString>

#include "text_table.h"

namespace hoopdeck {

// RosterTable cells: TM, #, Player, Pos, Ht, Wt, as written in Roster.dat.
enum RosterCell { RosterTeam, RosterNumber, RosterPlayer, RosterPosition, RosterHeight, RosterWeight,
                  RosterCellCount };

// Replaces rosterTable with the lines of Roster.dat in file order. True when
// the whole file was read; a missing file leaves the table empty.
bool loadRoster(const QString &path, TextTable &rosterTable);
bool loadRosterFromBytes(const QByteArray &bytes, TextTable &rosterTable);

} // namespace hoopdeck
