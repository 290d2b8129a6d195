#include "viewer.h"

#include "playoff_games.h"
#include "roster.h"
#include "season.h"
#include "season_day.h"
#include "season_list_view.h"
#include "standings.h"
#include "team_schedule_view.h"

namespace hoopdeck {

void Viewer::loadStandings()
{
    hoopdeck::loadStandings(paths.standings, standingsList, seasonLabel);
}

void Viewer::loadRoster()
{
    hoopdeck::loadRoster(paths.roster, rosterTable);
}

void Viewer::loadSeason()
{
    loadSchedule();
    // Today steps on into the playoffs; a season without them lists its own days alone.
    loadPlayoffs();
    fillSeasonList();
}

void Viewer::loadSchedule()
{
    // The games alone: every list is made from them, none from the text as written.
    loadSeasonGames(paths.season, games);
}

bool Viewer::loadPlayoffs()
{
    return hoopdeck::loadPlayoffs(paths.playoffs, playoffGames);
}

bool Viewer::loadBoxScores()
{
    return hoopdeck::loadBoxScores(paths.box, games, playoffGames, boxScores);
}

void Viewer::indexSeasonList()
{
    seasonRows.fill(games, settings.zone(), spoilerLine());
}

void Viewer::fillSeasonList()
{
    FillSeasonList(games, settings.zone(), spoilerLine(), seasonList);
}

SpoilerLine Viewer::spoilerLine() const
{
    if (settings.results == ResultsShown::UpToDay)
        return {day.SelectedDate};
    return {};
}

SpoilerLine Viewer::gameSpoilerLine() const
{
    if (settings.results == ResultsShown::None)
        return {0};
    return spoilerLine();
}

void Viewer::fillStandingsOnDay()
{
    FillStandingsOnDay(standingsList, games, day.SelectedDate, standingsDayList);
}

void Viewer::indexTeamSchedule(int team)
{
    teamRows.fill(games, team, settings.zone(), spoilerLine(), &playoffGames, gameSpoilerLine());
}

void Viewer::fillTeamSchedule(int team)
{
    indexTeamSchedule(team);
    writeRows(teamRows, teamScheduleList);
}

void Viewer::fillRosterList(int team)
{
    FillRosterList(rosterTable, team, rosterList);
}

void Viewer::chooseRosterTeam(int team)
{
    rosterSort.column = -1;
    fillRosterList(team);
}

void Viewer::clickRosterColumn(int column)
{
    OnRosterColumnClick(column, rosterSort, rosterList, rosterSortList);
}

void Viewer::fillGamesByDate()
{
    FillGamesByDate(games, playoffGames, day, settings.zone(), spoilerLine(), gamesByDateList);
}

void Viewer::stepDay(int days)
{
    day.stepDays(days);
    dayNote.clear();
    fillGamesByDate();
}

void Viewer::chooseDay(int dayNumber)
{
    day.selectDay(dayNumber);
    dayNote.clear();
    fillGamesByDate();
}

SeasonGames Viewer::everyGame() const
{
    SeasonGames all = games;
    all.insert(all.end(), playoffGames.begin(), playoffGames.end());
    return all;
}

void Viewer::startInSeason(const StartDate &start)
{
    if (start.fixed || day.SelectedDate != dayNumber(start.date))
        return;
    const SeasonDay inSeason = seasonDayFor(everyGame(), start.date);
    day.selectDay(inSeason.dayNumber);
    dayNote = inSeason.note;
}

} // namespace hoopdeck
