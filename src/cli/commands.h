#pragma once

#include "request.h"
#include "viewer.h"

namespace hoopdeck::cli {

class Session;

// The commands of the table, each returning its exit code. The viewer has
// been started when the command's entry asks for a season.
int runStandings(Session &session, Viewer &viewer, const Request &request);
int runSeason(Session &session, Viewer &viewer, const Request &request);
int runToday(Session &session, Viewer &viewer, const Request &request);
int runTeam(Session &session, Viewer &viewer, const Request &request);
int runIcs(Session &session, Viewer &viewer, const Request &request);
int runRoster(Session &session, Viewer &viewer, const Request &request);
int runSettings(Session &session, Viewer &viewer, const Request &request);
int runDownload(Session &session, Viewer &viewer, const Request &request);
int runInstall(Session &session, Viewer &viewer, const Request &request);
int runGame(Session &session, Viewer &viewer, const Request &request);
int runPlayoffs(Session &session, Viewer &viewer, const Request &request);

// The season's games: no command prints a cell of Season.dat as written,
// so the table of them is not built.
void loadGames(Viewer &viewer);
// Where results stop: at the day given with --on, or with the results
// setting at upto, at the day `today` would show. The season is loaded.
void placeSpoilerLine(Session &session, Viewer &viewer, const Request &request);
bool showsResults(const Viewer &viewer);
// Reads Playoffs.dat into the viewer; when it is missing, says so and
// returns ExitGameFileMissing, else ExitOk.
int loadPlayoffGames(Session &session, Viewer &viewer);

} // namespace hoopdeck::cli
