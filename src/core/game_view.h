#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

#include "box_score.h"
#include "game_time.h"
#include "playoff_bracket.h"
#include "season_games.h"

namespace hoopdeck {

// The games one game view reads from: the season's, the playoffs' and the
// boxes of both.
struct GameSources {
    const SeasonGames &season;
    const SeasonGames &playoffs;
    const BoxScores &boxes;
};

// The game a team plays on a day (a day number), regular season first; an
// invalid reference when it plays none.
GameRef findTeamGame(const GameSources &sources, int day, int team);

// One game as a window or a terminal shows it: pure text. The visitor is
// always first.
struct GameView {
    bool playoff = false;
    QString matchup;      // "Boston @ Indiana"
    QString day;          // "MM/dd/yyyy", the schedule's own day
    QString time;         // on the user's clock
    std::array<QString, 2> teams;
    // Before the game, counted from the results the spoiler line shows:
    // regular-season games for a game of the season, playoff games for one
    // of the playoffs.
    std::array<QString, 2> recordsBefore;

    // What a game beyond the spoiler line does not show: all that follows.
    bool resultShown = false;
    QString seriesLabel;  // "East Finals, game 6"; empty in the regular season
    QString score;        // "85-83 OT"
    std::array<QString, 2> recordsAfter;
    QString seriesText;   // "Boston leads the season series 2-1", "Detroit leads 2-1"
    QString nextMeeting;  // "02/04/2004 Indiana @ Boston 7:00p", or "none"

    // From Box.dat, when the game has a line there.
    bool hasBox = false;
    bool overtime = false;
    // Per team: q1-q4, then the overtime points (from Box.dat), then the
    // total (whenever the result is shown).
    std::array<std::array<int, 6>, 2> lineScore{};
    std::array<TeamBox, 2> boxes;
};

GameView gameView(const GameSources &sources, GameRef game, ZoneShift zone, const SpoilerLine &line);

// The view as lines of text for a terminal: everything it shows, tables
// padded under their captions.
QStringList gameViewLines(const GameView &view);

// "39-88", "39-88 .443": made and attempted, with the share when asked.
QString madeAttemptedText(int made, int attempted, bool withShare);

// The captions and a team's cells of the totals: FG, 3P, FT, OREB, DREB,
// REB, AST, STL, BLK, TOV, PF.
QStringList boxTotalCaptions();
QStringList boxTotalCells(const TeamBox &box, bool withShares);

// The captions and a team's cells of the line score: 1, 2, 3, 4, OT
// (only when asked for), T.
QStringList lineScoreCaptions(bool withOvertime);
QStringList lineScoreCells(const std::array<int, 6> &periods, bool withOvertime);

} // namespace hoopdeck
