#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <QAnyStringView>
#include <QLatin1StringView>

#include <optional>

#include "time_zones.h"

namespace hoopdeck {

// A schedule date-time as written, "month/day/year hour:minute" on the
// schedule's US Eastern clock. Numbers not read stay 0.
struct GameTime {
    quint16 month = 0, day = 0, year = 0, hour = 0, minute = 0;
    QDate date() const;  // invalid unless a real day in the years 1601-9999
    bool isRealDay() const;  // date() is valid, told without building it
};

GameTime parseGameTime(QStringView text);

// The user's clock: whole hours from the schedule's clock, and the chosen
// zone's position (which decides the all-year standard time zones).
struct ZoneShift {
    int offsetHours = 0;
    int zoneIndex = kDefaultZoneIndex;
};

struct GameTimeTexts {
    QString date;  // "MM/dd", the schedule's own date, never moved by the shift
    QString time;  // "h:mm" on the 12-hour clock with "a" or "p", on the user's clock
};

// The same texts held in place, for a loader that writes them straight into
// its table.
struct GameClockTexts {
    char date[5] = {};
    char time[6] = {};
    quint8 dateLength = 0;
    quint8 timeLength = 0;
    QLatin1StringView dateText() const { return QLatin1StringView(date, dateLength); }
    QLatin1StringView timeText() const { return QLatin1StringView(time, timeLength); }
};

// Both texts are empty for a text that names no real day; the time alone is
// empty when the hour or minute is out of range.
GameClockTexts gameClockTexts(QStringView text, ZoneShift zone);
GameClockTexts gameClockTexts(const GameTime &time, ZoneShift zone);
// The hour of the game on the user's clock, 0-23; none when its text has none.
std::optional<int> clockHour(const GameTime &time, ZoneShift zone);
// The lengths of the two texts, told without writing them.
int clockDateLength(const GameTime &time);
int clockTimeLength(const GameTime &time, ZoneShift zone);
GameTimeTexts convertGameTime(QAnyStringView text, ZoneShift zone);

// Whole days since 30 December 1899, the form the selected day is kept in.
int dayNumber(const QDate &date);
QDate dateOfDayNumber(int dayNumber);

// The game's calendar day as written in the schedule; 0 (no selectable day)
// when the text names no real day.
int gameDayNumber(QAnyStringView text);
int gameDayNumber(const GameTime &time);

// "MM/dd/yyyy" for a day number.
QString dayCaption(int dayNumber);

} // namespace hoopdeck
