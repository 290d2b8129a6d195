#pragma once

#include <QDate>
#include <QString>

#include "season_games.h"
#include "text_table.h"

namespace hoopdeck {

// The day the Today list opens on when the machine's date lies outside the
// season (before its first game day or after its last): the same month and
// day in the season's years, July to December in the first, January to June
// in the second, 29 February as 28 February where the year has none; a day
// before the first game day becomes the first, one after the last the last.
// A date inside the season, or a schedule without a readable game day, is
// kept as it is.
struct SeasonDay {
    int dayNumber = 0;
    QString note;  // what happened to the date, for beside the date caption; empty when kept

    bool moved() const { return !note.isEmpty(); }
};

SeasonDay seasonDayFor(const SeasonGames &games, const QDate &date);

} // namespace hoopdeck
