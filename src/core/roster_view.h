#pragma once

#include "text_table.h"

namespace hoopdeck {

// RosterList columns.
enum RosterColumn { ColumnNumber, ColumnPlayer, ColumnPosition, ColumnHeight, ColumnWeight, RosterColumnCount };

// The last sort of the roster list: column -1 means none since the last fill.
struct RosterSort {
    int column = -1;
    bool descending = false;
};

// Replaces rosterList (#, Player, Pos, Ht, Wt) with the team's players in
// file order. The scan stops at the first row of a higher team; a player
// without a jersey number is not listed. The sort state is the caller's.
void FillRosterList(const TextTable &rosterTable, int team, TextTable &rosterList);

// A click on a column header: the same column again reverses the order,
// another column sorts ascending. Then sorts the list.
void OnRosterColumnClick(int column, RosterSort &sort, TextTable &rosterList, TextTable &rosterSortList);

// The order of two roster cells: by their text without regard to case, each
// character folded as Unicode folds it, whether the cells are held as
// Latin-1 or UTF-16; a total order over any text.
int compareRosterKeys(QAnyStringView a, QAnyStringView b);

// Re-orders rosterList by the column's text, compared without regard to
// case; rows with equal keys keep their order, and descending is the exact
// reverse of ascending. No row is ever lost.
void SortRosterList(int column, bool descending, TextTable &rosterList, TextTable &rosterSortList);

// The column a header caption names ("#", "Player", "Pos", "Ht", "Wt",
// without regard to case), or -1.
int rosterColumnFromCaption(const QString &caption);

} // namespace hoopdeck
