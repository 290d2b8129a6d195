#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

#include "game_time.h"
#include "season_games.h"

namespace hoopdeck {

// A team's schedule as an iCalendar file, for a calendar program: one event
// a league game of the team (the All-Star Game never), "Visitor @ Home",
// starting at its Eastern time given in UTC and lasting two and a half
// hours. Each event's UID is made from the game's date and teams, so that
// a calendar importing the file again updates the events it has. With
// showResults and a result the spoiler line lets through, the event's
// description gives the final score. stamp is the moment the file is made.
QByteArray teamCalendar(const SeasonGames &games, int team, const SpoilerLine &line, bool showResults,
                        const QDateTime &stamp);

// The game's start in UTC: the Eastern clock is five hours behind, four
// during the season's summer time. Invalid for a game on no real day and
// time.
QDateTime gameStartUtc(const GameTime &time);

// "Final: Miami 75, Boston 98", with " (OT)", " (2OT)" after overtime.
QString finalScoreText(const SeasonGame &game, const GameResult &result);

// A TEXT value: backslash, semicolon, comma and line ends escaped.
QString calendarText(QStringView text);

// A content line in UTF-8, folded so that no line passes 75 octets: each
// continuation starts with a blank, and a character's bytes stay together.
// Ends with CR LF.
QByteArray foldedLine(const QString &line);

} // namespace hoopdeck
