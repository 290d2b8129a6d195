#pragma once

#include <QList>

#include "text_table.h"

namespace hoopdeck {

// A column of a visible list: its caption, its width in pixels of a list
// 240 pixels wide (front-ends scale it), its alignment, and whether it
// tells how a game ended (what Show Results hides).
struct ColumnSpec {
    const char *caption;
    int width;
    bool rightAligned;
    bool result = false;
};

// The standings lists' columns are the cells of standings.h and
// standings_on_day.h, the roster's those of roster_view.h; these name the
// columns of the lists of games.
enum GamesByDateColumn { GamesByDateGame, GamesByDateTime, GamesByDateScore };
enum TeamScheduleColumn {
    TeamScheduleDate, TeamScheduleGame, TeamScheduleTime, TeamScheduleResult, TeamScheduleRecord
};
enum SeasonListColumn { SeasonListDate, SeasonListGame, SeasonListTime, SeasonListScore };

const QList<ColumnSpec> &standingsColumns();    // Team, W, L, GB, Pct
// The same, then Home, Road, Div, Conf, L10, Strk: the standings on a day.
const QList<ColumnSpec> &standingsDayColumns();
const QList<ColumnSpec> &gamesByDateColumns();  // Game, Time, Score
const QList<ColumnSpec> &teamScheduleColumns(); // Date, Game, Time, Result, Record
const QList<ColumnSpec> &rosterListColumns();   // #, Player, Pos, Ht, Wt
const QList<ColumnSpec> &seasonColumns();       // Date, Game, Time, Score

// Empties the cells of the list's result columns, for a user who does not
// want to know the outcome; the rows keep their other cells.
void clearResultCells(TextTable &list, const QList<ColumnSpec> &columns);

} // namespace hoopdeck
