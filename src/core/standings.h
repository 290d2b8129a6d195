#pragma once

#include <QString>

#include "text_table.h"

namespace hoopdeck {

// The cells of a standings row: Team, W, L, GB, Pct.
enum StandingsCell { StandingsTeam, StandingsWins, StandingsLosses, StandingsBehind, StandingsPct, StandingsCellCount };

// Rows of the standings list that separate the four divisions.
constexpr int kDivisionRows[4] = {0, 8, 17, 25};
constexpr int kStandingsRowCount = 33;
bool isDivisionRow(int row);
// The divisions, in the order of their groups in the list.
constexpr const char *kDivisionNames[4] = {"Atlantic", "Central", "Midwest", "Pacific"};

// The winning percentage as shown: ".549", "1000", ".000" for a team
// without games. Rounded to three decimals.
QString winningPercentage(int wins, int losses);

// Fills the standings list (Team, W, L, GB, Pct) from Standings.dat and
// sets seasonLabel from its heading. True when all 29 team lines were read;
// on failure the rows read so far stay. A file that cannot be opened leaves
// the list empty and seasonLabel as it was.
bool loadStandings(const QString &path, TextTable &standingsList, QString &seasonLabel);
bool loadStandingsFromBytes(const QByteArray &bytes, TextTable &standingsList, QString &seasonLabel);

// The standings title as painted: "   <label> NBA Standings   ".
QString standingsTitle(const QString &seasonLabel);
// The title of the standings as they stood on a day: "   <label> NBA
// Standings on 12/08/2003   ".
QString standingsTitleOnDay(const QString &seasonLabel, int dayNumber);

} // namespace hoopdeck
