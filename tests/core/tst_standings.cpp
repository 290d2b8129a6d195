// Standings.dat in, the 33 rows of the standings list and the season label out.

#include <QTemporaryDir>
#include <QtTest>

#include "standings.h"
#include "table_text.h"

using namespace hoopdeck;

class StandingsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    TextTable list;
    QString label;

    // The heading, the given team lines, fillers up to the count, and after
    // 29 team lines a 31st line that must never show.
    bool load(const QByteArray &heading, const QList<QByteArray> &teams = {}, int teamLines = 29)
    {
        QByteArray bytes = heading + "\n";
        for (int line = 0; line < teamLines; ++line)
            bytes += (line < teams.size() ? teams.at(line) : "Team " + QByteArray::number(line + 1) + ",41,41,0") + "\n";
        if (teamLines == 29)
            bytes += "Never Shown,1,1,0\n";
        return loadStandings(writeDataFile(dir.path(), "Standings.dat", bytes), list, label);
    }

private slots:
    void fullFile()
    {
        QVERIFY(load("\"2003-04\",Team,W,L,GB"));
        QCOMPARE(label, "2003-04");
        QCOMPARE(list.count(), 33);
        int team = 0;
        for (int row = 0; row < list.count(); ++row) {
            if (row == 0 || row == 8 || row == 17 || row == 25)
                QCOMPARE(list.rowCells(row), (QStringList{"", "", "", "", ""}));
            else
                QCOMPARE(list.rowCells(row), (QStringList{QStringLiteral("Team %1").arg(++team), "41", "41", "0", ".500"}));
        }
        QCOMPARE(standingsTitle(label), "   2003-04 NBA Standings   ");
    }

    void cellsAsWritten_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("row");
        QTest::newRow("quotes removed") << QByteArray("\"New Jersey\",47,35,-") << "New Jersey|47|35|-|.573";
        QTest::newRow("unquoted") << QByteArray("Boston,36,46,11") << "Boston|36|46|11|.439";
        QTest::newRow("half game") << QByteArray("Miami,42,40,12.5") << "Miami|42|40|12.5|.512";
        QTest::newRow("CRLF") << QByteArray("Utah,42,40,6\r") << "Utah|42|40|6|.512";
        QTest::newRow("extra fields") << QByteArray("Utah,42,40,6,x,y") << "Utah|42|40|6|.512";
        QTest::newRow("missing cells") << QByteArray("Utah,42") << "Utah|42|||1000";
        QTest::newRow("numbers as written") << QByteArray("Utah, 42x,040,6") << "Utah| 42x|040|6|.512";
        QTest::newRow("name of quotes only") << QByteArray("\"\",1,1,0") << "|1|1|0|.500";
    }
    void cellsAsWritten()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, row);
        QVERIFY(load("\"2003-04\"", {line}));
        QCOMPARE(tableLines(list).at(1), row);
    }

    void percentage_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("pct");
        // Three decimals, rounded: 2-1 is .667, 1-14 is .067.
        const QList<std::pair<const char *, const char *>> rows = {
            {"0,82", ".000"}, {"82,0", "1000"}, {"41,41", ".500"}, {"2,1", ".667"},  {"45,37", ".549"},
            {"1,40", ".024"}, {"1,14", ".067"}, {"0,0", ".000"},   {"-,x", ".000"},  {"n/a,5", ".000"}};
        for (const auto &[record, pct] : rows)
            QTest::newRow(record) << QByteArray(record) << QString(pct);
    }
    void percentage()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, pct);
        QVERIFY(load("\"2003-04\"", {"Team," + record + ",0"}));
        QCOMPARE(list.cell(1, 4), pct);
    }

    void seasonLabel_data()
    {
        QTest::addColumn<QByteArray>("heading");
        QTest::addColumn<QString>("label");
        QTest::newRow("quoted first field") << QByteArray("\"2003-04\",Team,W,L,GB") << "2003-04";
        QTest::newRow("no quote: whole line") << QByteArray("2003-04 Season, final\r") << "2003-04 Season, final";
        QTest::newRow("leading quotes") << QByteArray("\"\"2003-04\" extra") << "2003-04";
        QTest::newRow("cut to 129") << "\"" + QByteArray(200, 'L') + "\"" << QString(129, 'L');
    }
    void seasonLabel()
    {
        QFETCH(QByteArray, heading);
        QFETCH(QString, label);
        QVERIFY(load(heading));
        QCOMPARE(this->label, label);
    }

    void shortFileKeepsRowsRead()
    {
        QVERIFY(!load("\"2003-04\"", {}, 10));
        QCOMPARE(label, "2003-04");
        QCOMPARE(tableLines(list).mid(7), (QStringList{"Team 7|41|41|0|.500", "||||", "Team 8|41|41|0|.500",
                                                       "Team 9|41|41|0|.500", "Team 10|41|41|0|.500"}));
        QVERIFY(!loadStandings(writeDataFile(dir.path(), "Empty.dat", ""), list, label));
        QCOMPARE(list.count(), 0);
    }

    void missingFileKeepsLabel()
    {
        label = "2002-03";
        list.appendRow({"stale"});
        QVERIFY(!loadStandings(dir.filePath("Missing.dat"), list, label));
        QCOMPARE(list.count(), 0);
        QCOMPARE(label, "2002-03");
    }

    void secondLoadReplaces()
    {
        QVERIFY(load("\"2003-04\"", {"First,1,0,0"}));
        QVERIFY(load("\"2004-05\"", {"Second,0,1,0"}));
        QCOMPARE(list.count(), 33);
        QCOMPARE(label, "2004-05");
        QCOMPARE(tableLines(list).at(1), "Second|0|1|0|.000");
    }
};

QTEST_APPLESS_MAIN(StandingsTest)
#include "tst_standings.moc"
