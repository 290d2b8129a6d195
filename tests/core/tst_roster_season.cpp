// Roster.dat into RosterTable; Season.dat into ScheduleTable and the Season list.

#include <QTemporaryDir>
#include <QtTest>

#include "loaded_season.h"
#include "roster.h"
#include "roster_view.h"
#include "season.h"
#include "table_text.h"
#include "teams.h"

using namespace hoopdeck;

class RosterSeasonTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    // The file written with the bytes, or a name of no file when they are null.
    QString dataFile(const char *name, const QByteArray &bytes) const
    {
        return bytes.isNull() ? dir.filePath("Missing.dat") : writeDataFile(dir.path(), name, bytes);
    }

private slots:
    void roster_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // null: no file at all
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("cells as written") << QByteArray("0,8,A. Player,G,6-3,190\n")
                                          << QStringList{"0|8|A. Player|G|6-3|190"};
        QTest::newRow("CRLF: Wt clean") << QByteArray("0,8,A,G,6-3,190\r\n1,4,B,F,6-8,230\r\n")
                                        << QStringList{"0|8|A|G|6-3|190", "1|4|B|F|6-8|230"};
        QTest::newRow("doubled comma moves fields up") << QByteArray("0,,A. Player,G,6-3,190")
                                                       << QStringList{"0|A. Player|G|6-3|190|"};
        QTest::newRow("seventh field ignored") << QByteArray("0,8,A,G,6-3,190,x\n") << QStringList{"0|8|A|G|6-3|190"};
        QTest::newRow("short line") << QByteArray("3,12\n") << QStringList{"3|12||||"};
        QTest::newRow("empty file") << QByteArray("") << QStringList();
        QTest::newRow("missing file") << QByteArray() << QStringList();
        QTest::newRow("blank lines add no row") << QByteArray("\n0,1,A,G,6-1,180\n\r\n\n") << QStringList{"0|1|A|G|6-1|180"};
        QTest::newRow("Latin-1") << QByteArray("5,9,Z. Planini\xe6,G,6-7,195")
                                 << QStringList{QStringLiteral("5|9|Z. Planini\u00e6|G|6-7|195")};
        QTest::newRow("file order kept") << QByteArray("5,1,E,G,1,1\n3,2,C,G,1,1\n")
                                         << QStringList{"5|1|E|G|1|1", "3|2|C|G|1|1"};
    }
    void roster()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        TextTable table;
        table.appendRow({"stale"});  // every load replaces the table
        QCOMPARE(loadRoster(dataFile("Roster.dat", bytes), table), !bytes.isNull());
        QCOMPARE(tableLines(table), rows);
    }

    // One team's lines fill the very list the whole file fills, for each team.
    void oneTeam_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("teams in order") << QByteArray("0,8,A,G,6-3,190\n1,4,B,F,6-8,230\n1,5,C\n2,6,D\n");
        QTest::newRow("teams out of order") << QByteArray("0,1,A\n2,2,B\n1,3,C\n1,4,D\n");
        QTest::newRow("blanks and signs") << QByteArray(" 1,5,E\n+1,6,F\n\t1,7,G\n-0,8,H\n");
        QTest::newRow("team beyond its cell") << QByteArray(300, ' ') + "1,8,H\n1,9,I\n";
        QTest::newRow("no jersey number") << QByteArray("1\n1,,\n1,,J\n1,10,K\n");
        QTest::newRow("leading and doubled commas") << QByteArray(",,1,10,K\n1,,,11,L\n");
        QTest::newRow("not a number") << QByteArray("x,11,L\n-1,12,M\n99999999999,13,N\n28,14,O\n");
        QTest::newRow("a line past the reader's limit") << "1,14," + QByteArray(1100, 'O') + ",G\n1,15,P\n2,1,Q\n";
        QTest::newRow("NUL, CR and blank lines") << QByteArray("\r\n1,16,Q\0,junk\n\n1,17,R\r\r\n", 25);
        QTest::newRow("Latin-1") << QByteArray("5,9,Z. Planini\xe6,G,6-7,195\n");
        QTest::newRow("no line end") << QByteArray("3,12,S");
        QTest::newRow("empty") << QByteArray("");
    }
    void oneTeam()
    {
        QFETCH(QByteArray, bytes);
        TextTable whole, wholeList, oneTeam, oneTeamList;
        QVERIFY(loadRosterFromBytes(bytes, whole));
        for (int team = -1; team <= kTeamCount; ++team) {
            QVERIFY(loadRosterTeamFromBytes(bytes, team, oneTeam));
            FillRosterList(whole, team, wholeList);
            FillRosterList(oneTeam, team, oneTeamList);
            QCOMPARE(tableLines(oneTeamList), tableLines(wholeList));
        }
    }

    void season_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // null: no file at all
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("schedule");
        QTest::addColumn<QStringList>("season");
        const QStringList game{"10/28/2003 19:30|9|5"};
        QTest::newRow("Eastern") << QByteArray("10/28/2003 19:30,9,5\n") << 0 << game
                                 << QStringList{"10/28|Indiana @ Denver|7:30p"};
        QTest::newRow("Pacific: date stays") << QByteArray("10/28/2003 19:30,9,5\r\n") << -3 << game
                                             << QStringList{"10/28|Indiana @ Denver|4:30p"};
        QTest::newRow("All-Star Game") << QByteArray("2/15/2004 20:00,-1,-1") << 0 << QStringList{"2/15/2004 20:00|-1|-1"}
                                       << QStringList{"02/15|All-Star Game @ All-Star Game|8:00p"};
        QTest::newRow("one-character date: no Season row") << QByteArray("x,1,2\n10/29/2003 19:00,1,2\n") << 0
                                                           << QStringList{"x|1|2", "10/29/2003 19:00|1|2"}
                                                           << QStringList{"10/29|Boston @ Chicago|7:00p"};
        QTest::newRow("doubled comma") << QByteArray("10/28/2003 19:30,,5\n") << 0 << QStringList{"10/28/2003 19:30|5|"}
                                       << QStringList{"10/28|Denver @ Atlanta|7:30p"};
        QTest::newRow("no team names") << QByteArray("10/28/2003 19:30,29,-2\n") << 0
                                       << QStringList{"10/28/2003 19:30|29|-2"} << QStringList{"10/28| @ |7:30p"};
        QTest::newRow("unreadable date") << QByteArray("13/45/2003 19:00,1,2\n") << 0
                                         << QStringList{"13/45/2003 19:00|1|2"} << QStringList{"|Boston @ Chicago|"};
        QTest::newRow("blank lines add no row") << QByteArray("\n10/28/2003 19:30,9,5\n\n") << 0 << game
                                                << QStringList{"10/28|Indiana @ Denver|7:30p"};
        QTest::newRow("short line after a full one") << QByteArray("10/28/2003 19:30,9,5,90,80\n10/29/2003 19:00\n") << 0
                                                     << QStringList{"10/28/2003 19:30|9|5|90|80", "10/29/2003 19:00||"}
                                                     << QStringList{"10/28|Indiana @ Denver|7:30p|90-80",
                                                                    "10/29|Atlanta @ Atlanta|7:00p"};
        // Points beyond what a reader sees: the Season list scores what Today and Team read.
        const QByteArray zeros(260, '0');
        QTest::newRow("points field past the cut") << QByteArray("10/28/2003 19:30,9,5,74," + zeros + "89\n") << 0
                                                   << QStringList{"10/28/2003 19:30|9|5|74|" + QString(254, QLatin1Char('0'))}
                                                   << QStringList{"10/28|Indiana @ Denver|7:30p|74-0"};
        QTest::newRow("missing file") << QByteArray() << 0 << QStringList() << QStringList();
    }
    void season()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, offset);
        QFETCH(QStringList, schedule);
        QFETCH(QStringList, season);
        TextTable scheduleTable, seasonList;
        QCOMPARE(loadSeasonFileTables(dataFile("Season.dat", bytes), {offset, offset == -3 ? 4 : 11}, scheduleTable, seasonList),
                 !bytes.isNull());
        QCOMPARE(tableLines(scheduleTable), schedule);
        QCOMPARE(tableLines(seasonList), season);

        // The games read beside the table are the table's own games.
        TextTable fromTable;
        FillSeasonList(seasonGames(scheduleTable), {offset, offset == -3 ? 4 : 11}, {}, fromTable);
        QCOMPARE(tableLines(fromTable), season);
    }
};

QTEST_APPLESS_MAIN(RosterSeasonTest)
#include "tst_roster_season.moc"
