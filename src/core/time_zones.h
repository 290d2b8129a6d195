#pragma once

#include <QString>

namespace hoopdeck {

struct TimeZoneEntry {
    const char *caption;
    int hours;  // hours from US Eastern time, the schedule's own clock
};

constexpr int kTimeZoneCount = 70;
constexpr int kDefaultZoneIndex = 11;  // "GMT-5 Eastern US"

// The zone list in its fixed order; a position is a ZoneIndex.
const TimeZoneEntry &timeZone(int position);
QString timeZoneCaption(int position);  // empty outside 0-69

// Zones whose clocks keep standard time all year (Hawaii, Arizona, Indiana).
bool keepsStandardTime(int zoneIndex);

} // namespace hoopdeck
