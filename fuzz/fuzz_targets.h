#pragma once

#include <cstddef>
#include <cstdint>

namespace hoopdeck::fuzz {

// One input through one part of the program; every target returns 0 and
// reports a broken expectation through fail().
using TargetFunction = int (*)(const uint8_t *data, size_t size);

int standingsTarget(const uint8_t *data, size_t size);
int rosterTarget(const uint8_t *data, size_t size);
int seasonTarget(const uint8_t *data, size_t size);
int lineReaderTarget(const uint8_t *data, size_t size);
int gameTimeTarget(const uint8_t *data, size_t size);
int settingsTarget(const uint8_t *data, size_t size);
int downloadCheckTarget(const uint8_t *data, size_t size);
int playoffsTarget(const uint8_t *data, size_t size);
int boxTarget(const uint8_t *data, size_t size);

struct Target {
    const char *name;        // also the folder of its corpus, fuzz/corpus/<name>
    TargetFunction run;
    const char *bundledFile; // the season's file that seeds it, or nullptr
};

constexpr Target kTargets[] = {
    {"standings", standingsTarget, "Standings.dat"},
    {"roster", rosterTarget, "Roster.dat"},
    {"season", seasonTarget, "Season.dat"},
    {"line_reader", lineReaderTarget, "Roster.dat"},
    {"game_time", gameTimeTarget, nullptr},
    {"settings", settingsTarget, nullptr},
    {"download_check", downloadCheckTarget, "Standings.dat"},
    {"playoffs", playoffsTarget, "Playoffs.dat"},
    {"box", boxTarget, nullptr},
};

} // namespace hoopdeck::fuzz
