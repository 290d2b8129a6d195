#pragma once

#include "request.h"

namespace hoopdeck::cli {

class Session;

// The commands of the table, each returning its exit code.
int runStandings(Session &session, const Request &request);
int runSeason(Session &session, const Request &request);
int runToday(Session &session, const Request &request);
int runTeam(Session &session, const Request &request);
int runRoster(Session &session, const Request &request);
int runSettings(Session &session, const Request &request);
int runDownload(Session &session, const Request &request);
int runInstall(Session &session, const Request &request);

} // namespace hoopdeck::cli
