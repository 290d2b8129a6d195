#pragma once

namespace hoopdeck::cli {

// What a script can tell apart; 64 and 74 are the BSD sysexits of a usage
// error and of an output that could not be written.
enum ExitCode {
    ExitOk = 0,
    ExitNotInstalled = 1,
    ExitWrongSeason = 2,
    ExitDownloadFailed = 3,
    ExitGameFileMissing = 4,  // Playoffs.dat or Box.dat, which the message names
    ExitSettingsNotSaved = 5,
    ExitNoSuchGame = 6,  // the team plays no game on the day asked for
    ExitUsage = 64,
    ExitOutputFailed = 74,
};

} // namespace hoopdeck::cli
