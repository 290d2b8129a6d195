#pragma once

#include <QList>

#include "view_columns.h"

class QTableView;

namespace hoopdeck::app {

// Shows or hides the columns that tell how a game ended.
void showResultColumns(QTableView *view, const QList<ColumnSpec> &columns, bool shown);

// Scrolls the list so that the row is the first one in sight, now or, for a
// list not on screen yet, when it is first shown. A row of -1 leaves the
// list where it is.
void scrollRowToTop(QTableView *view, int row);

} // namespace hoopdeck::app
