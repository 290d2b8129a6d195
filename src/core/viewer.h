#pragma once

#include <QString>

#include "box_score.h"
#include "games_by_date_view.h"
#include "roster.h"
#include "roster_view.h"
#include "season.h"
#include "season_games.h"
#include "season_list_view.h"
#include "standings.h"
#include "standings_on_day.h"
#include "settings_store.h"
#include "start_date.h"
#include "team_schedule_view.h"
#include "text_table.h"
#include "view_columns.h"

namespace hoopdeck {

// Everything one run of a front-end holds: the settings, the hidden tables
// read from the data files, and the visible lists built from them. Both the
// window and the terminal front-end drive one of these.
struct Viewer {
    DataPaths paths;
    Settings settings;

    TextTable standingsList{StandingsCellCount};  // Team, W, L, GB, Pct; blank rows between divisions
    QString seasonLabel;
    TextTable rosterTable{RosterCellCount};    // as Roster.dat
    SeasonGames games;                             // the same games as numbers: what the views read
    SeasonGames playoffGames;                      // as Playoffs.dat; empty without one
    BoxScores boxScores;                           // the lines of Box.dat that hold together
    TextTable standingsDayList{StandingsDayCellCount};  // the standings on the selected day
    SeasonListRows seasonRows;                             // the Season list as the window reads it
    TextTable seasonList{int(seasonColumns().size())};     // Date, Game, Time, as the terminal prints it
    // The team's games of the season; with its playoff games read, a row
    // "Playoffs" and those whose results are shown. The window reads the
    // rows, the terminal the table written from them.
    TeamScheduleRows teamRows;
    TextTable teamScheduleList{int(teamScheduleColumns().size())};
    TextTable rosterList{RosterColumnCount};
    TextTable rosterSortList{RosterColumnCount};
    TextTable gamesByDateList{int(gamesByDateColumns().size())};

    RosterSort rosterSort;
    DaySelection day;
    QString dayNote;  // why SelectedDate is not the machine's date; cleared when the user moves the day

    void loadStandings();
    void loadRoster();
    void loadSeason();  // the games of the season and the playoffs, and the Season list
    void loadSchedule();  // the games without the Season list
    // The game views' files, read after the schedule: true when the file
    // was read whole, false when it is missing or unreadable.
    bool loadPlayoffs();
    bool loadBoxScores();  // checked against the season's and the playoffs' games
    void indexSeasonList();  // the rows alone
    void fillSeasonList();   // the table
    // The results the lists show: every one, or up to the selected day.
    SpoilerLine spoilerLine() const;
    // The same for a view of one game, which hides every result when the
    // user shows none.
    SpoilerLine gameSpoilerLine() const;

    void indexTeamSchedule(int team);  // the rows alone
    void fillTeamSchedule(int team);   // the rows and their table
    void fillStandingsOnDay();  // for the selected day
    void fillRosterList(int team);
    // A team picked for the roster: the sort starts over, then the list is refilled.
    void chooseRosterTeam(int team);
    void clickRosterColumn(int column);
    void fillGamesByDate();
    void stepDay(int days);        // then refills the day's games
    void chooseDay(int dayNumber); // then refills the day's games
    // Once the season is loaded: a start on the machine's date outside the
    // season moves to this day in the season (see seasonDayFor), unless the
    // user fixed the start day or has moved the day already.
    void startInSeason(const StartDate &start);
    // The regular season's games, then the playoffs': the days of the season.
    SeasonGames everyGame() const;
};

} // namespace hoopdeck
