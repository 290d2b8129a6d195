#pragma once

#include <QByteArray>
#include <QString>

#include "season.h"
#include "season_games.h"
#include "season_list_view.h"
#include "text_table.h"

// Season.dat read the way the programs read it: the ScheduleTable, its
// games, and the Season list in a zone with every result shown.
struct LoadedSeason {
    hoopdeck::TextTable scheduleTable{hoopdeck::ScheduleColumnCount};
    hoopdeck::SeasonGames games;
    hoopdeck::TextTable seasonList;
    bool complete = false;
};

inline LoadedSeason loadedSeason(const QByteArray &bytes, hoopdeck::ZoneShift zone = {})
{
    LoadedSeason season;
    season.complete = hoopdeck::loadSeasonFromBytes(bytes, season.scheduleTable, season.games);
    hoopdeck::FillSeasonList(season.games, zone, {}, season.seasonList);
    return season;
}

inline LoadedSeason loadedSeasonFile(const QString &path, hoopdeck::ZoneShift zone = {})
{
    LoadedSeason season;
    season.complete = hoopdeck::loadSeason(path, season.scheduleTable, season.games);
    hoopdeck::FillSeasonList(season.games, zone, {}, season.seasonList);
    return season;
}

// The same, into tables of the caller's: true when the whole file was read.
inline bool intoTables(LoadedSeason season, hoopdeck::TextTable &scheduleTable, hoopdeck::TextTable &seasonList)
{
    scheduleTable = std::move(season.scheduleTable);
    seasonList = std::move(season.seasonList);
    return season.complete;
}

inline bool loadSeasonTables(const QByteArray &bytes, hoopdeck::ZoneShift zone, hoopdeck::TextTable &scheduleTable,
                             hoopdeck::TextTable &seasonList)
{
    return intoTables(loadedSeason(bytes, zone), scheduleTable, seasonList);
}

inline bool loadSeasonFileTables(const QString &path, hoopdeck::ZoneShift zone, hoopdeck::TextTable &scheduleTable,
                                 hoopdeck::TextTable &seasonList)
{
    return intoTables(loadedSeasonFile(path, zone), scheduleTable, seasonList);
}
