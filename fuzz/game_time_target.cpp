#include <QByteArray>
#include <QRegularExpression>

#include <cstring>

#include "fuzz_check.h"
#include "fuzz_targets.h"
#include "game_time.h"
#include "games_by_date_view.h"
#include "time_zones.h"

namespace hoopdeck::fuzz {

namespace {
qint32 takeInt(const uint8_t *&data, size_t &size)
{
    qint32 value = 0;
    const size_t n = std::min(size, sizeof value);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

bool inSummerWindow(const QDate &date)
{
    return date >= QDate(date.year(), 4, 4) && date <= QDate(date.year(), 10, 25);
}
} // namespace

// Input: the zone's offset hours and position (4 bytes each, as a settings
// file could hold them), then the date-time text as a schedule line holds it.
int gameTimeTarget(const uint8_t *data, size_t size)
{
    const ZoneShift zone{takeInt(data, size), takeInt(data, size)};
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));

    const GameTime parsed = parseGameTime(text);
    const QDate date = parsed.date();
    const GameTimeTexts texts = convertGameTime(text, zone);
    const QString detail = QStringLiteral("\"%1\" offset %2 zone %3 gave \"%4\" \"%5\"")
                               .arg(text.left(100)).arg(zone.offsetHours).arg(zone.zoneIndex).arg(texts.date, texts.time);

    if (!date.isValid()) {
        FUZZ_EXPECT(texts.date.isEmpty() && texts.time.isEmpty(), detail);
        FUZZ_EXPECT(gameDayNumber(text) == 0, detail);
    } else {
        FUZZ_EXPECT(texts.date == date.toString(QStringLiteral("MM/dd")), detail);
        FUZZ_EXPECT(dateOfDayNumber(gameDayNumber(text)) == date, detail);
        FUZZ_EXPECT(dayCaption(gameDayNumber(text)) == date.toString(QStringLiteral("MM/dd/yyyy")), detail);
        if (parsed.hour > 23 || parsed.minute > 59) {
            FUZZ_EXPECT(texts.time.isEmpty(), detail);
        } else {
            // The user's hour on a 24-hour clock; the shift never moves the date.
            int hour = (parsed.hour + zone.offsetHours % 24 + 24) % 24;
            if (keepsStandardTime(zone.zoneIndex) && inSummerWindow(date))
                hour = (hour + 23) % 24;
            const QString expected = QStringLiteral("%1:%2%3")
                                         .arg(hour % 12 == 0 ? 12 : hour % 12)
                                         .arg(parsed.minute, 2, 10, QLatin1Char('0'))
                                         .arg(QLatin1Char(hour < 12 ? 'a' : 'p'));
            FUZZ_EXPECT(texts.time == expected, detail + QStringLiteral(", expected ") + expected);
        }
    }

    // The zone as the Options dialog and the captions show it.
    const QString caption = timeZoneCaption(zone.zoneIndex);
    FUZZ_EXPECT(caption.isEmpty() == (zone.zoneIndex < 0 || zone.zoneIndex >= kTimeZoneCount), caption);

    // Any day number a caption can be asked for, and a date typed by a user.
    DaySelection day;
    day.selectDay(zone.offsetHours);
    FUZZ_EXPECT(day.DateCaption == dateOfDayNumber(zone.offsetHours).toString(QStringLiteral("MM/dd/yyyy")), day.DateCaption);
    const QDate typed = parseUserDate(text);
    if (typed.isValid()) {
        day.InitSelectedDate(typed);
        FUZZ_EXPECT(dateOfDayNumber(day.SelectedDate) == typed && day.DateCaption == typed.toString(QStringLiteral("MM/dd/yyyy")),
                    text.left(100));
    }
    return 0;
}

} // namespace hoopdeck::fuzz
