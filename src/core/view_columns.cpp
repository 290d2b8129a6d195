#include "view_columns.h"

namespace hoopdeck {

const QList<ColumnSpec> &standingsColumns()
{
    static const QList<ColumnSpec> columns = {
        {"Team", 70, false}, {"W", 29, true}, {"L", 29, true}, {"GB", 39, true}, {"Pct", 40, true}};
    return columns;
}

const QList<ColumnSpec> &standingsDayColumns()
{
    // The records tell how games ended, as the scores do.
    static const QList<ColumnSpec> columns = standingsColumns() + QList<ColumnSpec>{
        {"Home", 40, true, true}, {"Road", 40, true, true}, {"Div", 40, true, true},
        {"Conf", 40, true, true}, {"L10", 36, true, true}, {"Strk", 34, true, true}};
    return columns;
}

const QList<ColumnSpec> &gamesByDateColumns()
{
    static const QList<ColumnSpec> columns = {{"Game", 160, false}, {"Time", 50, true}, {"Score", 55, true, true}};
    return columns;
}

const QList<ColumnSpec> &teamScheduleColumns()
{
    static const QList<ColumnSpec> columns = {{"Date", 40, false}, {"Game", 120, false}, {"Time", 50, true},
                                              {"Result", 55, false, true}, {"Record", 40, true, true}};
    return columns;
}

const QList<ColumnSpec> &rosterListColumns()
{
    static const QList<ColumnSpec> columns = {
        {"#", 20, false}, {"Player", 80, false}, {"Pos", 40, false}, {"Ht", 40, false}, {"Wt", 40, false}};
    return columns;
}

const QList<ColumnSpec> &seasonColumns()
{
    static const QList<ColumnSpec> columns = {
        {"Date", 40, false}, {"Game", 120, false}, {"Time", 50, true}, {"Score", 55, true, true}};
    return columns;
}

void clearResultCells(TextTable &list, const QList<ColumnSpec> &columns)
{
    for (int column = 0; column < columns.size(); ++column) {
        if (columns.at(column).result)
            list.clearColumn(column);
    }
}

} // namespace hoopdeck
