#pragma once

#include <QByteArray>
#include <QString>

namespace hoopdeck {

// Whether a downloaded body may replace the local file, read with the
// loaders' own line reader and field splitter. The answer is empty when it
// may; otherwise it says what is wrong, for the user ("Standings.dat:
// Boston is listed twice.").
//
// Standings: a heading whose season label stands in double quotes, then
// exactly 29 team lines naming each team of the league once, with whole
// numbers of wins and losses that add up to at most 82 games and games
// behind written as "-", a whole number or a half ("4.5"); after them only
// blank lines.
// Roster: every line that is not blank holds a player's six fields (team
// number 0-28, jersey number and weight in digits, height as feet-inches),
// and every team has at least one player.
QString standingsRefusal(const QByteArray &body);
QString rosterRefusal(const QByteArray &body);

inline bool isUsableStandings(const QByteArray &body) { return standingsRefusal(body).isEmpty(); }
inline bool isUsableRoster(const QByteArray &body) { return rosterRefusal(body).isEmpty(); }

} // namespace hoopdeck
