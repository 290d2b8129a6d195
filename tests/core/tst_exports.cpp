// What the exports write: comma-separated lists and a team's schedule as an
// iCalendar file, field by field and line by line.

#include <QtTest>

#include "csv_text.h"
#include "loaded_season.h"
#include "team_calendar.h"

using namespace hoopdeck;

namespace {
const QDateTime kStamp(QDate(2026, 12, 9), QTime(5, 0), Qt::UTC);

// Boston is team 1, Miami 13, Atlanta 0.
const QByteArray kSchedule = "10/25/2003 19:00,13,1,75,98\n"   // the last day of summer time
                             "10/26/2003 19:00,1,13,80,70,OT\n"  // the first of winter time
                             "2/15/2004 20:00,-1,-1,136,132\n"   // the All-Star Game
                             "4/3/2004 22:30,0,1,90,91,2OT\n"
                             "4/4/2004 14:00,1,0\n"              // no result yet
                             "4/5/2004 19:00,0,13,100,99\n";     // not Boston's

// The calendar's lines with the folds undone.
QStringList unfoldedLines(const QByteArray &calendar)
{
    QByteArray joined = calendar;
    joined.replace("\r\n ", "");
    QStringList lines = QString::fromUtf8(joined).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The value of each line with the name, one a VEVENT.
QStringList values(const QStringList &lines, const QString &name)
{
    QStringList found;
    for (const QString &line : lines) {
        if (line.startsWith(name + QLatin1Char(':')))
            found.append(line.mid(name.size() + 1));
    }
    return found;
}
} // namespace

class ExportsTest : public QObject {
    Q_OBJECT

private slots:
    void csvFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Boston" << "Boston";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blanks stay") << " 7:30p " << " 7:30p ";
        QTest::newRow("comma") << "Smith, Jr." << "\"Smith, Jr.\"";
        QTest::newRow("quote") << "Dee \"Big\" Brown" << "\"Dee \"\"Big\"\" Brown\"";
        QTest::newRow("comma and quote") << "O'Neal, \"Shaq\"" << "\"O'Neal, \"\"Shaq\"\"\"";
        QTest::newRow("line feed") << "a\nb" << "\"a\nb\"";
        QTest::newRow("carriage return") << "a\rb" << "\"a\rb\"";
        QTest::newRow("semicolon is plain") << "a;b" << "a;b";
        QTest::newRow("only a quote") << "\"" << "\"\"\"\"";
    }
    void csvFields()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(csvField(text), field);
    }

    void csvRecords_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("record");
        QTest::newRow("two") << QStringList{"10/29", " vs Miami"} << "10/29, vs Miami\r\n";
        QTest::newRow("empty cells keep their place") << QStringList{"", "", "", "", ""} << ",,,,\r\n";
        QTest::newRow("quoted among plain") << QStringList{"0", "Smith, Jr.", "G"} << "0,\"Smith, Jr.\",G\r\n";
        QTest::newRow("none") << QStringList{} << "\r\n";
    }
    void csvRecords()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, record);
        QCOMPARE(csvRecord(fields), record);
    }

    void csvTableStartsWithCaptions()
    {
        QCOMPARE(csvTable({"#", "Player"}, {{"0", "Smith, Jr."}, {"4", "Dee \"Big\" Brown"}}),
                 "#,Player\r\n0,\"Smith, Jr.\"\r\n4,\"Dee \"\"Big\"\" Brown\"\r\n");
    }

    void calendarTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain") << "Miami @ Boston" << "Miami @ Boston";
        QTest::newRow("comma") << "Final: Miami 75, Boston 98" << "Final: Miami 75\\, Boston 98";
        QTest::newRow("semicolon") << "a;b" << "a\\;b";
        QTest::newRow("backslash") << "a\\b" << "a\\\\b";
        QTest::newRow("line feed") << "a\nb" << "a\\nb";
        QTest::newRow("CR LF is one line end") << "a\r\nb" << "a\\nb";
        QTest::newRow("lone CR") << "a\rb" << "a\\nb";
        QTest::newRow("colon is plain") << "Final: x" << "Final: x";
    }
    void calendarTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(calendarText(text), escaped);
    }

    void foldedLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("octets");  // of each line, without CR LF
        QTest::newRow("short") << "SUMMARY:Miami @ Boston" << QList<int>{22};
        QTest::newRow("exactly 75") << QString(75, 'a') << QList<int>{75};
        QTest::newRow("76") << QString(76, 'a') << QList<int>{75, 2};
        QTest::newRow("three lines") << QString(75 + 74 + 10, 'a') << QList<int>{75, 75, 11};
        // "é" is two octets: the fold comes before it rather than through it.
        QTest::newRow("two-octet character at the fold") << QString(74, 'a') + QString::fromUtf8("éz")
                                                         << QList<int>{74, 4};
        QTest::newRow("four-octet character at the fold")
            << QString(73, 'a') + QString::fromUtf8("\xF0\x9F\x8F\x80") << QList<int>{73, 5};
        QTest::newRow("many wide characters") << QString::fromUtf8("€").repeated(60) << QList<int>{75, 73, 34};
    }
    void foldedLines()
    {
        QFETCH(QString, line);
        QFETCH(QList<int>, octets);
        const QByteArray folded = foldedLine(line);
        QVERIFY(folded.endsWith("\r\n"));
        const QList<QByteArray> parts = folded.chopped(2).split('\n');
        QList<int> sizes;
        for (int i = 0; i < parts.size(); ++i) {
            const QByteArray part = i + 1 < parts.size() ? parts.at(i).chopped(1) : parts.at(i);
            if (i + 1 < parts.size())
                QVERIFY(parts.at(i).endsWith('\r'));
            if (i > 0)
                QVERIFY(part.startsWith(' '));
            // Every piece is whole UTF-8 on its own.
            QCOMPARE(QString::fromUtf8(part).toUtf8(), part);
            QVERIFY(!QString::fromUtf8(part).contains(QChar::ReplacementCharacter));
            sizes.append(int(part.size()));
        }
        QCOMPARE(sizes, octets);
        QByteArray unfolded = folded;
        unfolded.replace("\r\n ", "");
        QCOMPARE(QString::fromUtf8(unfolded.chopped(2)), line);
    }

    void startsInUtc_data()
    {
        QTest::addColumn<QString>("eastern");
        QTest::addColumn<QString>("utc");
        QTest::newRow("summer, 25 October") << "10/25/2003 19:00" << "20031025T230000Z";
        QTest::newRow("winter, 26 October") << "10/26/2003 19:00" << "20031027T000000Z";
        QTest::newRow("winter, the next day in UTC") << "10/28/2003 18:30" << "20031028T233000Z";
        QTest::newRow("winter, 3 April") << "4/3/2004 22:30" << "20040404T033000Z";
        QTest::newRow("summer, 4 April") << "4/4/2004 14:00" << "20040404T180000Z";
        QTest::newRow("new year's eve") << "12/31/2003 21:00" << "20040101T020000Z";
        QTest::newRow("hour out of range") << "4/4/2004 24:00" << "";
        QTest::newRow("no real day") << "2/30/2004 19:00" << "";
    }
    void startsInUtc()
    {
        QFETCH(QString, eastern);
        QFETCH(QString, utc);
        const QDateTime start = gameStartUtc(parseGameTime(eastern));
        QCOMPARE(start.isValid() ? start.toString("yyyyMMdd'T'HHmmss'Z'") : QString(), utc);
    }

    void finalScores_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("regulation") << "10/29/2003 19:00,13,1,75,98" << "Final: Miami 75, Boston 98";
        QTest::newRow("overtime") << "10/29/2003 20:00,19,18,85,83,OT" << "Final: Orlando 85, New York 83 (OT)";
        QTest::newRow("three overtimes") << "1/2/2004 20:00,0,1,121,123,3OT" << "Final: Atlanta 121, Boston 123 (3OT)";
    }
    void finalScores()
    {
        QFETCH(QString, line);
        QFETCH(QString, text);
        const LoadedSeason season = loadedSeason(line.toLatin1() + '\n');
        QCOMPARE(season.games.size(), size_t(1));
        const SeasonGame &game = season.games.front();
        QVERIFY(game.result);
        QCOMPARE(finalScoreText(game, *game.result), text);
    }

    void teamCalendarEvents_data()
    {
        QTest::addColumn<int>("team");
        QTest::addColumn<bool>("showResults");
        QTest::addColumn<QString>("lastDay");  // the spoiler line; empty: none
        QTest::addColumn<QStringList>("summaries");
        QTest::addColumn<QStringList>("descriptions");
        const QStringList boston{"Miami @ Boston", "Boston @ Miami", "Atlanta @ Boston", "Boston @ Atlanta"};
        const QStringList scores{"Final: Miami 75\\, Boston 98", "Final: Boston 80\\, Miami 70 (OT)",
                                 "Final: Atlanta 90\\, Boston 91 (2OT)"};
        QTest::newRow("all results") << 1 << true << "" << boston << scores;
        QTest::newRow("results off") << 1 << false << "" << boston << QStringList{};
        QTest::newRow("results up to 10/26") << 1 << true << "10/26/2003" << boston << scores.mid(0, 2);
        QTest::newRow("results up to a day before all") << 1 << true << "10/1/2003" << boston << QStringList{};
        QTest::newRow("results off and a line") << 1 << false << "4/30/2004" << boston << QStringList{};
        QTest::newRow("Miami") << 13 << true << ""
                               << QStringList{"Miami @ Boston", "Boston @ Miami", "Atlanta @ Miami"}
                               << (scores.mid(0, 2) << "Final: Atlanta 100\\, Miami 99");
    }
    void teamCalendarEvents()
    {
        QFETCH(int, team);
        QFETCH(bool, showResults);
        QFETCH(QString, lastDay);
        QFETCH(QStringList, summaries);
        QFETCH(QStringList, descriptions);
        const LoadedSeason season = loadedSeason(kSchedule);
        SpoilerLine line;
        if (!lastDay.isEmpty())
            line.lastDay = dayNumber(QDate::fromString(lastDay, "M/d/yyyy"));
        const QByteArray calendar = teamCalendar(season.games, team, line, showResults, kStamp);
        const QStringList lines = unfoldedLines(calendar);
        QCOMPARE(lines.first(), "BEGIN:VCALENDAR");
        QCOMPARE(lines.last(), "END:VCALENDAR");
        QCOMPARE(values(lines, "VERSION"), QStringList{"2.0"});
        QCOMPARE(values(lines, "PRODID").size(), 1);
        QCOMPARE(values(lines, "BEGIN").count("VEVENT"), summaries.size());
        QCOMPARE(values(lines, "END").count("VEVENT"), summaries.size());
        QCOMPARE(values(lines, "SUMMARY"), summaries);
        QCOMPARE(values(lines, "DESCRIPTION"), descriptions);
        QCOMPARE(values(lines, "DURATION"), QStringList(summaries.size(), "PT2H30M"));
        QCOMPARE(values(lines, "DTSTAMP"), QStringList(summaries.size(), "20261209T050000Z"));
        // Every line ends in CR LF and none passes 75 octets.
        QVERIFY(calendar.endsWith("\r\n"));
        QVERIFY(!calendar.contains("\n\n"));
        for (const QByteArray &raw : calendar.split('\n')) {
            QVERIFY(raw.isEmpty() || raw.endsWith('\r'));
            QVERIFY2(raw.size() <= 76, raw.constData());
        }
        if (team == 1) {
            QVERIFY(calendar.contains("\r\n "));  // the description below is folded
            QCOMPARE(values(lines, "X-WR-CALDESC"),
                     QStringList{"Every regular-season game of Boston\\, as Hoopdeck lists it\\; start times in UTC"});
            QCOMPARE(values(lines, "UID"),
                     (QStringList{"20031025-13-1@hoopdeck", "20031026-1-13@hoopdeck", "20040403-0-1@hoopdeck",
                                  "20040404-1-0@hoopdeck"}));
            QCOMPARE(values(lines, "DTSTART"),
                     (QStringList{"20031025T230000Z", "20031027T000000Z", "20040404T033000Z", "20040404T180000Z"}));
        }
    }

    // A calendar made again later differs in its stamps only.
    void sameGamesKeepTheirUids()
    {
        const LoadedSeason season = loadedSeason(kSchedule);
        QByteArray first = teamCalendar(season.games, 1, {}, true, kStamp);
        QByteArray second = teamCalendar(season.games, 1, {}, true, kStamp.addDays(3));
        QVERIFY(first != second);
        first.replace("20261209T050000Z", "");
        second.replace("20261212T050000Z", "");
        QCOMPARE(first, second);
    }
};

QTEST_APPLESS_MAIN(ExportsTest)
#include "tst_exports.moc"
