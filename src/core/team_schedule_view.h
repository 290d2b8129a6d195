#pragma once

#include <vector>

#include "game_time.h"
#include "list_rows.h"
#include "season_games.h"
#include "text_table.h"

namespace hoopdeck {

// True for a game the team's list shows: the team on either side, and not
// the All-Star Game.
bool isTeamScheduleGame(int visitor, int home, int team);

// One team's list (Date, Game, Time, Result, Record): its games in schedule
// order, " @ Home" away, " vs Visitor" at home; the All-Star Game is never
// listed. A game with a result adds its Result from the team's side
// ("W 89-74") and the team's Record after it ("1-0").
//
// Given the playoffs, a row "Playoffs" follows and then the team's playoff
// games on days up to playoffLine (the whole playoffs without one: which
// teams got how far is news in itself), Record being where the team's
// series stood after the game ("Leads 2-1").
class TeamScheduleRows : public ListRows {
public:
    void fill(const SeasonGames &games, int team, ZoneShift zone, const SpoilerLine &line,
              const SeasonGames *playoffs = nullptr, const SpoilerLine &playoffLine = {});

    int count() const override { return int(rows_.size()); }
    int cellCount(int row) const override;
    QString cell(int row, int column) const override;
    qsizetype cellLength(int row, int column) const override;

    int playoffsRow() const { return playoffsRow_; }  // -1 when there is none
    // The game of a row; invalid for the "Playoffs" row and outside the list.
    GameRef game(int row) const;
    // The row of the first game on or after the day, the playoffs' too; -1
    // when there is none. A game of no readable day is never on or after.
    int rowOnOrAfter(int dayNumber) const;

private:
    struct Row {
        int index = -1;      // in its list of games; -1 for the "Playoffs" row
        bool playoff = false;
        bool result = false;
        qint16 won = 0;      // the record, or the series, after the game
        qint16 lost = 0;
        qint16 allWon = 0;   // the record with every result counted
        qint16 allLost = 0;
    };
    const SeasonGame *gameOf(const Row &row) const;

    const SeasonGames *games_ = nullptr;
    const SeasonGames *playoffs_ = nullptr;
    int team_ = -1;
    ZoneShift zone_;
    std::vector<Row> rows_;
    int playoffsRow_ = -1;
};

// The team's list of the season alone, written into a table.
void FillTeamSchedule(const SeasonGames &games, int team, ZoneShift zone, const SpoilerLine &line,
                      TextTable &teamScheduleList);

} // namespace hoopdeck
