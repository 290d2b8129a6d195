#pragma once

#include <QList>

namespace hoopdeck {

// A column of a visible list: its caption, its width on the handheld's
// 240-pixel screen (front-ends scale it) and its alignment.
struct ColumnSpec {
    const char *caption;
    int width;
    bool rightAligned;
};

const QList<ColumnSpec> &standingsColumns();    // Team, W, L, GB, Pct
const QList<ColumnSpec> &gamesByDateColumns();  // Game, Time
const QList<ColumnSpec> &teamScheduleColumns(); // Date, Game, Time
const QList<ColumnSpec> &rosterListColumns();   // #, Player, Pos, Ht, Wt
const QList<ColumnSpec> &seasonColumns();       // Date, Game, Time

} // namespace hoopdeck
