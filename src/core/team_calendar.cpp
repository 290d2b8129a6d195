#include "team_calendar.h"

#include "teams.h"
#include "time_zones.h"
#include "version.h"

namespace hoopdeck {

namespace {
constexpr int kLineOctets = 75;
constexpr int kEasternWinterHours = 5;  // UTC minus the Eastern clock

QString utcText(const QDateTime &moment)
{
    return moment.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

bool isContinuationByte(char c)
{
    return (uchar(c) & 0xC0) == 0x80;
}

QByteArray gameEvent(const SeasonGame &game, const SpoilerLine &line, bool showResults, const QString &stamp)
{
    const QDateTime start = gameStartUtc(game.time);
    const QString summary = teamDisplayName(game.visitor) + QStringLiteral(" @ ") + teamDisplayName(game.home);
    QByteArray event = foldedLine(QStringLiteral("BEGIN:VEVENT"));
    event += foldedLine(QStringLiteral("UID:%1-%2-%3@hoopdeck")
                            .arg(game.time.date().toString(QStringLiteral("yyyyMMdd")))
                            .arg(game.visitor)
                            .arg(game.home));
    event += foldedLine(QStringLiteral("DTSTAMP:") + stamp);
    event += foldedLine(QStringLiteral("DTSTART:") + utcText(start));
    event += foldedLine(QStringLiteral("DURATION:PT2H30M"));
    event += foldedLine(QStringLiteral("SUMMARY:") + calendarText(summary));
    if (showResults) {
        if (const std::optional<GameResult> result = line.resultOf(game))
            event += foldedLine(QStringLiteral("DESCRIPTION:") + calendarText(finalScoreText(game, *result)));
    }
    event += foldedLine(QStringLiteral("END:VEVENT"));
    return event;
}
} // namespace

QDateTime gameStartUtc(const GameTime &time)
{
    const QDate date = time.date();
    if (!date.isValid() || time.hour > 23 || time.minute > 59)
        return QDateTime();
    const int hours = kEasternWinterHours - (inSummerWindow(time.month, time.day) ? 1 : 0);
    return QDateTime(date, QTime(time.hour, time.minute), Qt::UTC).addSecs(qint64(hours) * 3600);
}

QString finalScoreText(const SeasonGame &game, const GameResult &result)
{
    QString text = QStringLiteral("Final: %1 %2, %3 %4")
                       .arg(teamDisplayName(game.visitor))
                       .arg(result.visitorPoints)
                       .arg(teamDisplayName(game.home))
                       .arg(result.homePoints);
    if (result.overtimes == 1)
        text += QStringLiteral(" (OT)");
    else if (result.overtimes > 1)
        text += QStringLiteral(" (%1OT)").arg(result.overtimes);
    return text;
}

QString calendarText(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(',')) {
            escaped.append(QLatin1Char('\\'));
            escaped.append(c);
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            // A CR LF pair is one line end.
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            escaped.append(QStringLiteral("\\n"));
        } else {
            escaped.append(c);
        }
    }
    return escaped;
}

QByteArray foldedLine(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    QByteArray folded;
    qsizetype at = 0;
    int room = kLineOctets;  // a continuation's leading blank takes one octet of its line
    while (bytes.size() - at > room) {
        qsizetype end = at + room;
        while (end > at && isContinuationByte(bytes.at(end)))
            --end;
        folded += bytes.mid(at, end - at);
        folded += "\r\n ";
        at = end;
        room = kLineOctets - 1;
    }
    folded += bytes.mid(at);
    folded += "\r\n";
    return folded;
}

QByteArray teamCalendar(const SeasonGames &games, int team, const SpoilerLine &line, bool showResults,
                        const QDateTime &stamp)
{
    QByteArray calendar = foldedLine(QStringLiteral("BEGIN:VCALENDAR"));
    calendar += foldedLine(QStringLiteral("VERSION:2.0"));
    calendar += foldedLine(QStringLiteral("PRODID:-//Morvane//Hoopdeck %1//EN").arg(QLatin1String(kVersion)));
    calendar += foldedLine(QStringLiteral("CALSCALE:GREGORIAN"));
    calendar += foldedLine(QStringLiteral("METHOD:PUBLISH"));
    calendar += foldedLine(QStringLiteral("X-WR-CALNAME:") + calendarText(teamDisplayName(team)));
    calendar += foldedLine(QStringLiteral("X-WR-CALDESC:")
                           + calendarText(QStringLiteral("Every regular-season game of %1, as Hoopdeck lists it; "
                                                         "start times in UTC")
                                              .arg(teamDisplayName(team))));
    const QString stampText = utcText(stamp);
    for (const SeasonGame &game : games) {
        if (!game.isLeagueGame() || (game.visitor != team && game.home != team))
            continue;
        if (!gameStartUtc(game.time).isValid())
            continue;  // a calendar event needs a start
        calendar += gameEvent(game, line, showResults, stampText);
    }
    calendar += foldedLine(QStringLiteral("END:VCALENDAR"));
    return calendar;
}

} // namespace hoopdeck
