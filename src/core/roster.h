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

// The same for a reader that shows one team: only the lines its list is
// filled from (see FillRosterList), so that the other teams' players are
// read past, not kept. The reading ends at the first line of a higher team;
// true when no read error came before.
bool loadRosterTeam(const QString &path, int team, TextTable &rosterTable);
bool loadRosterTeamFromBytes(const QByteArray &bytes, int team, TextTable &rosterTable);

} // namespace hoopdeck
