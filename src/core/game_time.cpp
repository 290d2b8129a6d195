#include "game_time.h"

#include <optional>

#include "utf16_text.h"

namespace hoopdeck {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

// One unsigned 16-bit number the way the C library's "%hu" reads it:
// blanks skipped, an optional sign, at least one digit, wrapped to 16 bits.
bool readNumber(QStringView text, qsizetype &i, quint16 &out)
{
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    const qsizetype first = i;
    quint64 value = 0;
    while (i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
        value = std::min<quint64>(value * 10 + quint64(text.at(i).unicode() - '0'), 0xFFFFFFFFull);
        ++i;
    }
    if (i == first)
        return false;
    out = quint16(negative ? (0u - quint32(value)) : quint32(value));
    return true;
}

bool readLiteral(QStringView text, qsizetype &i, QChar c)
{
    if (i < text.size() && text.at(i) == c) {
        ++i;
        return true;
    }
    return false;
}

void writeTwoDigits(char *out, int value)
{
    out[0] = char('0' + value / 10);
    out[1] = char('0' + value % 10);
}

constexpr qint64 kDayNumberBase = 2415019;  // Julian day of 30 December 1899

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days since 1 January of the year 1 on the Gregorian calendar, for a real
// day: a season's worth of games is dated without building a QDate each.
int daysSinceYearOne(int year, int month, int day)
{
    static constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int before = year - 1;
    const int leapDay = month > 2 && isLeapYear(year) ? 1 : 0;
    return before * 365 + before / 4 - before / 100 + before / 400 + kDaysBeforeMonth[month - 1] + leapDay + day - 1;
}

const int kDayNumberZero = daysSinceYearOne(1899, 12, 30);

} // namespace

QDate GameTime::date() const
{
    if (!isRealDay())
        return QDate();
    return QDate(year, month, day);
}

bool GameTime::isRealDay() const
{
    static constexpr quint8 kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1601 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    return day <= kMonthDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

GameTime parseGameTime(QStringView text)
{
    GameTime t;
    qsizetype i = 0;
    if (!readNumber(text, i, t.month) || !readLiteral(text, i, QLatin1Char('/')))
        return t;
    if (!readNumber(text, i, t.day) || !readLiteral(text, i, QLatin1Char('/')))
        return t;
    if (!readNumber(text, i, t.year))
        return t;
    if (!readNumber(text, i, t.hour) || !readLiteral(text, i, QLatin1Char(':')))
        return t;
    readNumber(text, i, t.minute);
    return t;
}

GameClockTexts gameClockTexts(QStringView text, ZoneShift zone)
{
    return gameClockTexts(parseGameTime(text), zone);
}

std::optional<int> clockHour(const GameTime &t, ZoneShift zone)
{
    if (!t.isRealDay() || t.hour > 23 || t.minute > 59)
        return std::nullopt;
    qint64 h = qint64(t.hour) + zone.offsetHours;
    if (keepsStandardTime(zone.zoneIndex) && inSummerWindow(t.month, t.day))
        h -= 1;
    // The shift never moves the date, so the hour simply wraps onto the clock.
    return int(((h % 24) + 24) % 24);
}

int clockDateLength(const GameTime &t)
{
    return t.isRealDay() ? 5 : 0;
}

int clockTimeLength(const GameTime &t, ZoneShift zone)
{
    const std::optional<int> h = clockHour(t, zone);
    if (!h)
        return 0;
    return *h % 12 == 0 || *h % 12 >= 10 ? 6 : 5;  // "12:00p", "10:30p"; "7:30p"
}

GameClockTexts gameClockTexts(const GameTime &t, ZoneShift zone)
{
    GameClockTexts out;
    if (!t.isRealDay())
        return out;
    writeTwoDigits(out.date, t.month);
    out.date[2] = '/';
    writeTwoDigits(out.date + 3, t.day);
    out.dateLength = 5;

    const std::optional<int> h = clockHour(t, zone);
    if (!h)
        return out;
    const int h12 = *h % 12 == 0 ? 12 : *h % 12;
    quint8 n = 0;
    if (h12 >= 10)
        out.time[n++] = '1';
    out.time[n++] = char('0' + h12 % 10);
    out.time[n++] = ':';
    writeTwoDigits(out.time + n, t.minute);
    n += 2;
    out.time[n++] = *h < 12 ? 'a' : 'p';
    out.timeLength = n;
    return out;
}

GameTimeTexts convertGameTime(QAnyStringView text, ZoneShift zone)
{
    const GameClockTexts clock = gameClockTexts(Utf16Text(text), zone);
    return {QString(clock.dateText()), QString(clock.timeText())};
}

int dayNumber(const QDate &date)
{
    return int(date.toJulianDay() - kDayNumberBase);
}

QDate dateOfDayNumber(int dayNumber)
{
    return QDate::fromJulianDay(qint64(dayNumber) + kDayNumberBase);
}

int gameDayNumber(QAnyStringView text)
{
    return gameDayNumber(parseGameTime(Utf16Text(text)));
}

int gameDayNumber(const GameTime &time)
{
    return time.isRealDay() ? daysSinceYearOne(time.year, time.month, time.day) - kDayNumberZero : 0;
}

QString dayCaption(int number)
{
    return dateOfDayNumber(number).toString(QStringLiteral("MM/dd/yyyy"));
}

} // namespace hoopdeck
