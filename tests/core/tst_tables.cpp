// The fixed tables (teams, time zones, network errors) and the text table
// every list is kept in.

#include <QRegularExpression>
#include <QtTest>

#include <climits>

#include "net_errors.h"
#include "teams.h"
#include "text_table.h"
#include "time_zones.h"

using namespace hoopdeck;

class TablesTest : public QObject {
    Q_OBJECT
private slots:
    void teamName_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");  // null: no name
        const QList<std::pair<int, QString>> rows = {{-1, "All-Star Game"}, {0, "Atlanta"},   {10, "L.A. Clippers"},
                                                     {11, "L.A. Lakers"},   {28, "Washington"}, {29, QString()},
                                                     {-2, QString()},       {INT_MAX, QString()}, {INT_MIN, QString()}};
        for (const auto &[index, name] : rows)
            QTest::addRow("%d", index) << index << name;
    }
    void teamName()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(hoopdeck::teamName(index), name);
        QCOMPARE(hoopdeck::teamName(index).isNull(), name.isNull());
        // A view shows an empty text where there is no name.
        QCOMPARE(teamDisplayName(index), name.isNull() ? QStringLiteral("") : name);
        QVERIFY(!teamDisplayName(index).isNull());
    }

    void teamChoices()
    {
        const QStringList choices = hoopdeck::teamChoices();
        QCOMPARE(choices.size(), 29);
        QCOMPARE(choices.last(), "Washington");
        for (int position = 0; position < choices.size(); ++position)
            QCOMPARE(choices.at(position), hoopdeck::teamName(position));
    }

    void teamFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("team");  // -100: not a team
        QTest::newRow("name") << "Boston" << 1;
        QTest::newRow("other case") << "l.a. LAKERS" << 11;
        QTest::newRow("first index") << "0" << 0;
        QTest::newRow("last index") << "28" << 28;
        for (const char *text : {"29", "-1", "All-Star Game", "", "L.A.", "99999999999"})
            QTest::addRow("not a team: '%s'", text) << text << -100;
    }
    void teamFromText()
    {
        QFETCH(QString, text);
        QFETCH(int, team);
        QCOMPARE(hoopdeck::teamFromText(text).value_or(-100), team);
    }

    void zones_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("hours");
        QTest::newRow("first") << 0 << "GMT-12 Kwajalein" << -7;
        QTest::newRow("Pacific") << 4 << "GMT-8 Pacific US" << -3;
        QTest::newRow("default") << kDefaultZoneIndex << "GMT-5 Eastern US" << 0;
        QTest::newRow("Newfoundland") << 17 << "GMT-03 Newfoundland" << 2;
        QTest::newRow("Tokyo") << 59 << "GMT+9 Tokyo,Osaka" << 14;
        QTest::newRow("last") << 69 << "GMT+13 Tonga" << 18;
    }
    void zones()
    {
        QFETCH(int, position);
        QFETCH(QString, caption);
        QFETCH(int, hours);
        QCOMPARE(timeZoneCaption(position), caption);
        QCOMPARE(timeZone(position).hours, hours);
    }

    void everyZoneValueMatchesItsCaption()
    {
        // The value is the caption's GMT hour plus 5; only Hawaii, Arizona and
        // Indiana keep standard time all year.
        QCOMPARE(kTimeZoneCount, 70);
        const QRegularExpression gmt(QStringLiteral("^GMT([+-]\\d+) \\S"));
        for (int position = 0; position < kTimeZoneCount; ++position) {
            const QRegularExpressionMatch m = gmt.match(timeZoneCaption(position));
            QVERIFY2(m.hasMatch(), qPrintable(timeZoneCaption(position)));
            QCOMPARE(timeZone(position).hours, m.captured(1).toInt() + 5);
            QCOMPARE(keepsStandardTime(position), position == 2 || position == 6 || position == 12);
        }
        QCOMPARE(timeZoneCaption(70), QString());
    }

    void netError_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("unreachable") << 12029 << "Send Request Error 12029\nThe attempt to connect to the server failed.";
        QTest::newRow("first") << 12001 << "Send Request Error 12001\nNo more handles could be generated at this time.";
        QTest::newRow("last internet") << 12036
                                       << "Send Request Error 12036\nThe request failed because the handle already exists.";
        QTest::newRow("first http") << 12150 << "Send Request Error 12150\nThe requested header could not be located.";
        for (int code : {12009, 12010, 12034, 12035, 12157, 0, -1})
            QTest::addRow("%d", code) << code << QStringLiteral("Send Request Error %1\nError").arg(code);
    }
    void netError()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(FormatNetError(code, "Send Request Error"), text);
    }

    void netErrorTableHoldsExactlyTheKnownCodes()
    {
        int longest = 0;
        for (int code = 11000; code < 13000; ++code) {
            const QString text = netErrorExplanation(code);
            const bool known = (code >= 12001 && code <= 12036 && code != 12009 && code != 12010 && code != 12034
                                && code != 12035) || (code >= 12150 && code <= 12156);
            QVERIFY2(known == (text != QLatin1String("Error")), qPrintable(QString::number(code)));
            longest = std::max(longest, int(text.size()));
        }
        QCOMPARE(longest, 132);
    }

    void cellReadIsCut()
    {
        TextTable table;
        const QString longText(300, QLatin1Char('x'));
        QCOMPARE(table.appendRow({"a", longText}), 0);
        QCOMPARE(table.cell(0, 1), QString(254, QLatin1Char('x')));
        QCOMPARE(table.cell(0, 5), QString());  // a cell never set reads as empty
        QCOMPARE(table.cell(3, 0), QString());
    }

    // The arena turns from one byte a character to UTF-16 at the first text
    // that is not Latin-1, and the table widens at a row longer than it was
    // built for: every cell stored before reads as it did.
    void cellsSurviveTheTableChangingShape()
    {
        TextTable table(2);
        table.appendRow({QStringLiteral("Mart\u00edn"), QStringLiteral("7-1")});
        table.appendRow(QStringList{QStringLiteral("Ko\u010di"), QStringLiteral("6-8"), QStringLiteral("F")});
        QCOMPARE(table.columnCount(), 3);
        QCOMPARE(table.rowCells(0), (QStringList{QStringLiteral("Mart\u00edn"), QStringLiteral("7-1")}));
        QCOMPARE(table.rowCells(1), (QStringList{QStringLiteral("Ko\u010di"), QStringLiteral("6-8"), QStringLiteral("F")}));
        QCOMPARE(table.cell(0, 2).toString(), QString());

        table.clearColumn(1);
        QCOMPARE(table.rowCells(0), (QStringList{QStringLiteral("Mart\u00edn"), QString()}));
        QCOMPARE(table.rowCells(1), (QStringList{QStringLiteral("Ko\u010di"), QString(), QStringLiteral("F")}));
    }
};

QTEST_APPLESS_MAIN(TablesTest)
#include "tst_tables.moc"
