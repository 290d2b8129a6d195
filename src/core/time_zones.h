#pragma once

#include <QString>

namespace hoopdeck {

struct TimeZoneEntry {
    const char *caption;
    int hours;  // hours from US Eastern time, the schedule's own clock
    bool standardTimeAllYear = false;  // its clocks do not go forward in summer
};

constexpr int kTimeZoneCount = 70;
constexpr int kDefaultZoneIndex = 11;  // "GMT-5 Eastern US"

// The zone list in its fixed order; a position is a ZoneIndex.
const TimeZoneEntry &timeZone(int position);
QString timeZoneCaption(int position);  // empty outside 0-69

// Zones whose clocks keep standard time all year (Hawaii, Arizona, Indiana).
bool keepsStandardTime(int zoneIndex);

// Whether a game's month and day fall in US summer time: 4 April to 25
// October, whatever the year. Those are the days US clocks were an hour
// ahead during the season the schedule covers (summer time began on 4 April
// 2004 and ended on 26 October 2003), so during the schedule's summer the
// Eastern clock runs an hour ahead of a zone that keeps standard time.
bool inSummerWindow(int month, int day);

} // namespace hoopdeck
