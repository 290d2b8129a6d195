// A schedule date-time on the Eastern clock turned into the date and time the
// user sees, and into the game's day number.

#include <QtTest>

#include "game_time.h"

using namespace hoopdeck;

class GameTimeTest : public QObject {
    Q_OBJECT
private slots:
    void conversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("shown");  // date, blank, time
        const QString game = "10/28/2003 19:30";
        QTest::newRow("Eastern") << game << 0 << 11 << "10/28 7:30p";
        QTest::newRow("Pacific") << game << -3 << 4 << "10/28 4:30p";
        QTest::newRow("Tokyo wraps, date stays") << game << 14 << 59 << "10/28 9:30a";
        QTest::newRow("Tonga") << game << 18 << 69 << "10/28 1:30p";
        QTest::newRow("exactly 24 is midnight") << "10/28/2003 19:00" << 5 << 24 << "10/28 12:00a";
        QTest::newRow("noon") << "10/28/2003 12:00" << 0 << 11 << "10/28 12:00p";
        QTest::newRow("morning") << "10/28/2003 9:05" << 0 << 11 << "10/28 9:05a";
        QTest::newRow("midnight, zeros added") << "1/5/2004 0:00" << 0 << 11 << "01/05 12:00a";
        QTest::newRow("blanks before numbers") << " 3/ 7/2004   13:15" << 0 << 11 << "03/07 1:15p";
        // Hawaii, Arizona and Indiana: one hour less from 4 April to 25 October.
        QTest::newRow("Hawaii in summer") << "04/10/2004 19:00" << -5 << 2 << "04/10 1:00p";
        QTest::newRow("Hawaii 3 April") << "04/03/2004 19:00" << -5 << 2 << "04/03 2:00p";
        QTest::newRow("Hawaii 4 April") << "04/04/2004 19:00" << -5 << 2 << "04/04 1:00p";
        QTest::newRow("Hawaii 25 October") << "10/25/2003 19:00" << -5 << 2 << "10/25 1:00p";
        QTest::newRow("Hawaii 26 October") << "10/26/2003 19:00" << -5 << 2 << "10/26 2:00p";
        QTest::newRow("Arizona in summer") << "07/01/2004 19:00" << -2 << 6 << "07/01 4:00p";
        QTest::newRow("Indiana in summer") << "05/01/2004 19:00" << 0 << 12 << "05/01 6:00p";
        QTest::newRow("Eastern: no summer hour") << "05/01/2004 19:00" << 0 << 11 << "05/01 7:00p";
        QTest::newRow("Mountain: no summer hour") << "05/01/2004 19:00" << -2 << 5 << "05/01 5:00p";
        // Below 0 the hour wraps onto the evening before; the date stays.
        QTest::newRow("Kwajalein early game") << "11/01/2003 4:00" << -7 << 0 << "11/01 9:00p";
        QTest::newRow("Hawaii summer below 0") << "04/10/2004 5:00" << -5 << 2 << "04/10 11:00p";
        QTest::newRow("no time: midnight") << "10/28/2003" << 0 << 11 << "10/28 12:00a";
        QTest::newRow("hour 24") << "10/28/2003 24:00" << 0 << 11 << "10/28 ";
        QTest::newRow("minute 60") << "10/28/2003 19:60" << 0 << 11 << "10/28 ";
        for (const char *bad : {"02/30/2004 19:00", "13/01/2003 19:00", "10/28/03 19:00", "", "TBD"})
            QTest::addRow("unreadable '%s'", bad) << bad << 0 << 11 << " ";
    }
    void conversion()
    {
        QFETCH(QString, text);
        QFETCH(int, offset);
        QFETCH(int, zone);
        QFETCH(QString, shown);
        const GameTimeTexts texts = convertGameTime(text, {offset, zone});
        QCOMPARE(texts.date + ' ' + texts.time, shown);
    }

    void gameDay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("day");
        QTest::newRow("evening") << "10/28/2003 19:30" << 37922;
        QTest::newRow("morning, same day") << "10/28/2003 7:05" << 37922;
        QTest::newRow("leap day") << "2/29/2004 20:00" << 38046;
        QTest::newRow("day after the base") << "12/31/1899 12:00" << 1;
        QTest::newRow("first day read") << "1/1/1601" << -109205;
        QTest::newRow("last day read") << "12/31/9999" << 2958465;
        QTest::newRow("leap day of a 400th year") << "2/29/2000" << 36585;
        for (const char *bad : {"2/30/2004 19:00", "10/28/03 19:30", "", "TBD", "2/29/1900", "2/29/2003",
                                "12/31/1600", "1/1/10000", "4/31/2004", "0/10/2004", "13/10/2004", "1/0/2004"})
            QTest::addRow("unreadable '%s'", bad) << bad << 0;
    }
    void gameDay()
    {
        QFETCH(QString, text);
        QFETCH(int, day);
        QCOMPARE(gameDayNumber(text), day);
    }

    // Day numbers are counted without the calendar: every day of the years
    // read, and the day after each month's last, against QDate.
    void dayNumbersAgreeWithTheCalendar()
    {
        for (QDate date(1601, 1, 1); date.year() <= 9999; date = date.addDays(1)) {
            const GameTime time{quint16(date.month()), quint16(date.day()), quint16(date.year())};
            if (gameDayNumber(time) != dayNumber(date))
                QFAIL(qPrintable(date.toString(Qt::ISODate)));
            if (date.day() == date.daysInMonth()) {
                const GameTime after{time.month, quint16(time.day + 1), time.year};
                QVERIFY2(!after.isRealDay() && gameDayNumber(after) == 0, qPrintable(date.toString(Qt::ISODate)));
            }
        }
    }

    void dayCaptions()
    {
        QCOMPARE(dayCaption(37922), "10/28/2003");
        QCOMPARE(dayCaption(38046), "02/29/2004");
        QCOMPARE(dayNumber(QDate(2004, 2, 15)), 38032);
    }
};

QTEST_APPLESS_MAIN(GameTimeTest)
#include "tst_game_time.moc"
